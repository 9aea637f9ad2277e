#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zorvan::cli {

// Where a command writes. Commands hand over GBK lines; the terminal gets UTF-8
// unless --gbk asked for the raw bytes.
class CliIo {
 public:
  CliIo(std::ostream& out, std::ostream& err, bool rawGbk)
      : out_(out), err_(err), rawGbk_(rawGbk) {}

  void Line(std::string_view gbk);    // one output line
  void Error(std::string_view utf8);  // one line on the error stream
  bool RawGbk() const { return rawGbk_; }
  std::ostream& Out() { return out_; }

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool rawGbk_;
};

// The command's arguments as typed (UTF-8), without the command name.
using Args = std::vector<std::string>;
using CommandFunction = int (*)(const Args& args, CliIo& io);

struct CommandInfo {
  std::string_view name;
  std::string_view usage;  // one line for --help
  CommandFunction run;
};

// Adds a command at start-up; see ZORVAN_CLI_COMMAND.
bool RegisterCommand(CommandInfo info);
const std::vector<CommandInfo>& Commands();

// Runs a whole command line (without the program name): global options, the
// command and its arguments. Returns the process exit code.
int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

// Option helpers for commands: "--name value" pairs and bare flags.
class OptionReader {
 public:
  explicit OptionReader(const Args& args) : args_(args) {}
  // Value of --name, or `fallback` when absent. Throws std::invalid_argument if
  // the option is last with no value.
  std::string Value(std::string_view name, std::string_view fallback = {}) const;
  bool Has(std::string_view name) const;
  // Arguments that are neither options nor option values.
  std::vector<std::string> Positional(const std::vector<std::string_view>& valueOptions) const;

 private:
  const Args& args_;
};

}  // namespace zorvan::cli

#define ZORVAN_CLI_CONCAT2(a, b) a##b
#define ZORVAN_CLI_CONCAT(a, b) ZORVAN_CLI_CONCAT2(a, b)
// Registers a command: ZORVAN_CLI_COMMAND("lunar", "lunar YYYY-MM-DD | --range FROM TO", RunLunar);
#define ZORVAN_CLI_COMMAND(name, usage, function)                               \
  [[maybe_unused]] static const bool ZORVAN_CLI_CONCAT(registered_, __LINE__) = \
      ::zorvan::cli::RegisterCommand({name, usage, function})

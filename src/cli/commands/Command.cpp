#include "commands/Command.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "text/Gbk.h"

namespace zorvan::cli {

void CliIo::Line(std::string_view gbk) {
  if (rawGbk_) {
    out_ << gbk << '\n';
  } else {
    out_ << GbkToUtf8(gbk) << '\n';
  }
}

void CliIo::Error(std::string_view utf8) { err_ << utf8 << '\n'; }

namespace {
std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}

void PrintHelp(std::ostream& out) {
  out << "zorvan-cli: the reports of Zorvan on the terminal (UTF-8; --gbk for raw GBK bytes)\n\n"
      << "usage: zorvan-cli [--gbk] COMMAND [ARGS...]\n\ncommands:\n";
  std::vector<CommandInfo> sorted = Registry();
  std::sort(sorted.begin(), sorted.end(),
            [](const CommandInfo& a, const CommandInfo& b) { return a.name < b.name; });
  for (const CommandInfo& command : sorted) out << "  " << command.usage << '\n';
}
}  // namespace

bool RegisterCommand(CommandInfo info) {
  Registry().push_back(info);
  return true;
}

const std::vector<CommandInfo>& Commands() { return Registry(); }

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  bool rawGbk = false;
  size_t i = 0;
  for (; i < argv.size() && argv[i].starts_with("--"); ++i) {
    if (argv[i] == "--gbk") {
      rawGbk = true;
    } else if (argv[i] == "--help") {
      PrintHelp(out);
      return 0;
    } else {
      err << "zorvan-cli: unknown option " << argv[i] << '\n';
      return 2;
    }
  }
  if (i == argv.size()) {
    PrintHelp(err);
    return 2;
  }
  const std::string& name = argv[i];
  if (name == "help") {
    PrintHelp(out);
    return 0;
  }
  for (const CommandInfo& command : Registry()) {
    if (command.name != name) continue;
    Args args(argv.begin() + static_cast<long>(i) + 1, argv.end());
    CliIo io(out, err, rawGbk);
    try {
      return command.run(args, io);
    } catch (const std::invalid_argument& e) {
      err << "zorvan-cli " << name << ": " << e.what() << "\nusage: zorvan-cli " << command.usage
          << '\n';
      return 2;
    } catch (const std::exception& e) {
      err << "zorvan-cli " << name << ": " << GbkToUtf8(e.what()) << '\n';
      return 1;
    }
  }
  err << "zorvan-cli: unknown command " << name << " (see zorvan-cli --help)\n";
  return 2;
}

std::string OptionReader::Value(std::string_view name, std::string_view fallback) const {
  for (size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] != name) continue;
    if (i + 1 >= args_.size()) throw std::invalid_argument(std::string(name) + " needs a value");
    return args_[i + 1];
  }
  return std::string(fallback);
}

bool OptionReader::Has(std::string_view name) const {
  return std::find(args_.begin(), args_.end(), name) != args_.end();
}

std::vector<std::string> OptionReader::Positional(
    const std::vector<std::string_view>& valueOptions) const {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args_.size(); ++i) {
    const std::string& arg = args_[i];
    if (std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end()) {
      ++i;
    } else if (!arg.starts_with("--") || arg == "--") {
      positional.push_back(arg);
    }
  }
  return positional;
}

}  // namespace zorvan::cli

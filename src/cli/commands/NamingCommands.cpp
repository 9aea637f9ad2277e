// The naming engine on the terminal: the combination list for a surname, and
// the names a run lists with its high-score names, built by the same code as
// the main window from the same field values.

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/Command.h"
#include "data/ReferenceStore.h"
#include "naming/Combinations.h"
#include "naming/NamingRun.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan::cli {
namespace {

// The field values the options stand for, corrected as the window corrects
// them when a field is left.
NamingInputs InputsFrom(const OptionReader& options) {
  NamingInputs in;
  in.Xing = Utf8ToGbk(options.Value("--surname"));
  if (Trim(in.Xing).empty()) throw std::invalid_argument("--surname is required");

  std::string form = options.Value("--form", "双字名");
  if (form != "双字名" && form != "单字名")
    throw std::invalid_argument("--form is 单字名 or 双字名");
  in.CBXingshi = form == "单字名" ? 1 : 0;

  std::string sex = options.Value("--sex", "男");
  if (sex != "男" && sex != "女") throw std::invalid_argument("--sex is 男 or 女");
  in.CBsex = sex == "女" ? 1 : 0;

  if (options.Has("--fixed")) {
    // The window disables the fixed character for "单字名".
    if (in.CBXingshi == 1) throw std::invalid_argument("--fixed needs --form 双字名");
    in.CBzhishukongz = true;
    in.Gudingzi = Utf8ToGbk(options.Value("--fixed"));
    // The window's field holds at most one character (2 bytes).
    if (in.Gudingzi.size() > 2) throw std::invalid_argument("--fixed takes one character");
    std::string position = options.Value("--position", "2");
    if (position != "2" && position != "3") throw std::invalid_argument("--position is 2 or 3");
    in.CBdijizi = position == "3" ? 1 : 0;
  }

  if (options.Has("--floor")) {
    in.CBFeeXX = true;
    in.ZuidiFee = Trim(options.Value("--floor"));
    if (!in.ZuidiFee.empty() && !IsDecimalInteger(in.ZuidiFee)) in.ZuidiFee = "70";
  }

  std::string elements = options.Value("--elements");
  for (const std::string& element : {std::string("金"), std::string("木"), std::string("水"),
                                     std::string("火"), std::string("土")}) {
    if (elements.find(element) != std::string::npos) elements.erase(elements.find(element), 3);
  }
  if (!elements.empty()) throw std::invalid_argument("--elements takes 金木水火土");
  std::string chosen = options.Value("--elements");
  in.CBjin = chosen.find("金") != std::string::npos;
  in.CBMu = chosen.find("木") != std::string::npos;
  in.CBshui = chosen.find("水") != std::string::npos;
  in.CBhuo = chosen.find("火") != std::string::npos;
  in.CBTu = chosen.find("土") != std::string::npos;

  if (options.Has("--no-autopick")) {
    if (options.Has("--threshold")) throw std::invalid_argument("--threshold or --no-autopick");
    in.CBInitFee = false;
  }
  if (options.Has("--threshold")) {
    in.Sorcss = Trim(options.Value("--threshold"));
    if (!in.Sorcss.empty() && !IsDecimalInteger(in.Sorcss)) in.Sorcss = "95";
  }
  return in;
}

CombinationList Combinations(const NamingInputs& in,
                             const std::shared_ptr<ReferenceConnection>& connection) {
  ReferenceStore lookup(connection);
  return RefreshCombinations(lookup, in);
}

int RunCombos(const Args& args, CliIo& io) {
  const OptionReader options(args);
  NamingInputs in = InputsFrom(options);
  auto connection = std::make_shared<ReferenceConnection>(ConnectionStringFor(kNamingDb));
  for (const std::string& item : Combinations(in, connection).items) io.Line(item);
  return 0;
}

// Writes the rows of the main pane as they come and keeps the high-score
// names for after them.
class TerminalSink : public NamingSink {
 public:
  explicit TerminalSink(CliIo& io) : io_(io) {}
  void ClearSuccess() override {}
  void ClearGoodNames() override { good_.clear(); }
  void AddSuccessLine(std::string_view gbk) override { io_.Line(gbk); }
  void AddGoodName(std::string_view gbk) override { good_.emplace_back(gbk); }
  const std::vector<std::string>& Good() const { return good_; }

 private:
  CliIo& io_;
  std::vector<std::string> good_;
};

int RunName(const Args& args, CliIo& io) {
  const OptionReader options(args);
  NamingInputs in = InputsFrom(options);
  auto connection = std::make_shared<ReferenceConnection>(ConnectionStringFor(kNamingDb));
  CombinationList list = Combinations(in, connection);
  in.CBCodeItems = list.items;
  in.CBCode = list.items[static_cast<size_t>(list.selected)];
  if (options.Has("--combo")) {
    std::string combo = Trim(Utf8ToGbk(options.Value("--combo")));
    if (std::find(list.items.begin(), list.items.end(), combo) == list.items.end()) {
      throw std::invalid_argument("--combo must be one of the entries that combos lists");
    }
    in.CBCode = combo;
  }
  std::atomic<bool> runFlag{false};
  TerminalSink sink(io);
  NamingRun(in, connection, runFlag, sink).RunNaming();
  io.Line(Gbk("高分名字"));
  for (const std::string& name : sink.Good()) io.Line(name);
  return 0;
}

}  // namespace

ZORVAN_CLI_COMMAND("combos",
                   "combos --surname S [--form 单字名|双字名] [--sex 男|女] [--fixed C --position "
                   "2|3] [--floor N]",
                   RunCombos);
ZORVAN_CLI_COMMAND(
    "name",
    "name --surname S [--form 单字名|双字名] [--sex 男|女] [--fixed C --position 2|3] "
    "[--floor N] [--combo ENTRY] [--elements 金木水火土] [--threshold N | "
    "--no-autopick]",
    RunName);

}  // namespace zorvan::cli

// Name numerology on the terminal: stroke counts, the five grids with the score,
// and the whole name analysis report of the window.

#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/Command.h"
#include "numerology/Grids.h"
#include "numerology/NameAnalysisReport.h"
#include "numerology/ThreeTalents.h"
#include "text/DateText.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan::cli {
namespace {

// The characters of a GBK text: a lead byte from 0x81 takes the next byte along.
std::vector<std::string> GbkCharacters(const std::string& gbk) {
  std::vector<std::string> characters;
  for (size_t i = 0; i < gbk.size();) {
    size_t width = static_cast<unsigned char>(gbk[i]) >= 0x81 && i + 1 < gbk.size() ? 2 : 1;
    characters.push_back(gbk.substr(i, width));
    i += width;
  }
  return characters;
}

// A name part as the window accepts it: one or two characters (at most 4 bytes).
std::string NamePart(const std::string& utf8, const char* what) {
  std::string gbk = Trim(Utf8ToGbk(utf8));
  if (gbk.empty() || gbk.size() > 4) {
    throw std::invalid_argument(std::string(what) + " must have one or two characters");
  }
  return gbk;
}

int RunStrokes(const Args& args, CliIo& io) {
  const std::vector<std::string> texts = OptionReader(args).Positional({});
  if (texts.size() != 1) throw std::invalid_argument("one text expected");
  for (const std::string& character : GbkCharacters(Utf8ToGbk(texts[0]))) {
    io.Line(character + "\t" + std::to_string(StrokeCount(character)));
  }
  return 0;
}

int RunGrids(const Args& args, CliIo& io) {
  const std::vector<std::string> parts = OptionReader(args).Positional({});
  if (parts.size() != 2) throw std::invalid_argument("SURNAME GIVEN expected");
  const FiveGrids grids =
      ComputeFiveGrids(NamePart(parts[0], "SURNAME"), NamePart(parts[1], "GIVEN"));
  io.Line(Gbk("天格\t") + std::to_string(grids.heaven));
  io.Line(Gbk("人格\t") + std::to_string(grids.person));
  io.Line(Gbk("地格\t") + std::to_string(grids.earth));
  io.Line(Gbk("总格\t") + std::to_string(grids.total));
  io.Line(Gbk("外格\t") + std::to_string(grids.outer));
  io.Line(Gbk("三才\t") + ThreeTalentElements(grids));
  io.Line(Gbk("三才分\t") + FormatDecimal(ThreeTalentPoints(ThreeTalentElements(grids))));
  io.Line(Gbk("综合评分\t") + FormatDecimal(NameScore(grids)));
  return 0;
}

SolarDate SystemToday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int RunAnalyze(const Args& args, CliIo& io) {
  const OptionReader options(args);
  NameAnalysisInputs inputs;
  inputs.surname = Utf8ToGbk(options.Value("--surname"));
  inputs.given = Utf8ToGbk(options.Value("--given"));
  inputs.sex = Utf8ToGbk(options.Value("--sex", "男"));
  // The date fields as the window holds them: the texts between the dashes.
  const std::string date = options.Value("--date");
  const size_t first = date.find('-');
  const size_t second = first == std::string::npos ? first : date.find('-', first + 1);
  if (second == std::string::npos) throw std::invalid_argument("--date YYYY-MM-DD expected");
  inputs.year = date.substr(0, first);
  inputs.month = date.substr(first + 1, second - first - 1);
  inputs.day = date.substr(second + 1);
  inputs.hour = Utf8ToGbk(options.Value("--hour"));
  inputs.minute = Utf8ToGbk(options.Value("--minute", "0"));
  inputs.dateKind = options.Has("--lunar") ? 1 : 0;
  const std::string today = options.Value("--today");
  const SolarDate todayDate = today.empty() ? SystemToday() : ParseShortDate(today);

  const NameAnalysisResult result = AnalyseName(inputs, todayDate);
  for (const std::string& line : result.lines) io.Line(line);
  switch (result.outcome) {
    case NameAnalysisResult::Outcome::Report:
      return 0;
    case NameAnalysisResult::Outcome::Message:
    case NameAnalysisResult::Outcome::Error:
      io.Error(GbkToUtf8(result.message));
      return 1;
    case NameAnalysisResult::Outcome::Abandoned:
      io.Error("the analysis ended: a reference lookup failed");
      return 1;
  }
  return 1;
}

}  // namespace

ZORVAN_CLI_COMMAND("strokes", "strokes TEXT", RunStrokes);
ZORVAN_CLI_COMMAND("grids", "grids SURNAME GIVEN", RunGrids);
ZORVAN_CLI_COMMAND("analyze",
                   "analyze --surname S --given G --date YYYY-MM-DD --hour \"子 0\" [--minute M] "
                   "[--lunar] [--today YYYY-MM-DD]",
                   RunAnalyze);

}  // namespace zorvan::cli

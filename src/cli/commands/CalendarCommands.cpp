// The calendar on the terminal: lunar dates of Gregorian days, Gregorian days of
// lunar dates and the perpetual calendar's month page, one tab-separated line each.

#include <stdexcept>
#include <string>

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"
#include "calendar/MonthGrid.h"
#include "calendar/SolarDays.h"
#include "commands/Command.h"
#include "text/DateText.h"
#include "text/Text.h"

namespace zorvan::cli {
namespace {

std::string LunarLine(const SolarDate& date) {
  const LunarDate lunar = SolarToLunar(date);
  std::string text;
  std::string term;
  if (lunar != LunarDate{}) {
    text = GanzhiYearText(lunar.year) + LunarMonthText(lunar.month, lunar.isLeap) +
           LunarDayText(lunar.day);
    term = SolarTermNameOf(date);
  }
  return FormatShortDate(date) +
         Format("\t%d\t%d\t%d\t%d\t", lunar.year, lunar.month, lunar.day, lunar.isLeap ? 1 : 0) +
         text + "\t" + term + "\t" + std::to_string(LunarMonthDayCode(date));
}

int RunLunar(const Args& args, CliIo& io) {
  const OptionReader options(args);
  if (options.Has("--range")) {
    const std::vector<std::string> dates = options.Positional({});
    if (dates.size() != 2) throw std::invalid_argument("--range needs FROM and TO");
    const std::int64_t first = DayNumber(ParseShortDate(dates[0]));
    const std::int64_t last = DayNumber(ParseShortDate(dates[1]));
    for (std::int64_t day = first; day <= last; ++day) io.Line(LunarLine(DateFromDayNumber(day)));
    return 0;
  }
  const std::vector<std::string> dates = options.Positional({});
  if (dates.size() != 1) throw std::invalid_argument("one date expected");
  io.Line(LunarLine(ParseShortDate(dates[0])));
  return 0;
}

int RunSolar(const Args& args, CliIo& io) {
  const OptionReader options(args);
  const std::vector<std::string> numbers = options.Positional({});
  if (numbers.size() != 3) throw std::invalid_argument("YEAR MONTH DAY expected");
  const LunarDate lunar{StrToInt(numbers[0]), StrToInt(numbers[1]), StrToInt(numbers[2]),
                        options.Has("--leap")};
  io.Line(FormatShortDate(LunarToSolar(lunar)));
  return 0;
}

int RunCalendar(const Args& args, CliIo& io) {
  const OptionReader options(args);
  const std::vector<std::string> numbers = options.Positional({});
  if (numbers.size() != 2) throw std::invalid_argument("YYYY MM expected");
  const int year = StrToInt(numbers[0]);
  const int month = StrToInt(numbers[1]);
  if (!IsValidSolarDate(year, month, 1)) throw std::invalid_argument("no such month");
  const MonthGrid grid = BuildMonthGrid(SolarDate{year, month, 1});
  io.Line(grid.yearAnimal);
  for (const DayCell& cell : grid.days) {
    io.Line(FormatShortDate(cell.date) + "\t" + std::to_string(cell.cell) + "\t" + cell.label +
            "\t" + std::string(DayLabelKindName(cell.kind)) + "\t" + RgbText(cell.colour));
  }
  io.Line(grid.constellation);
  return 0;
}

}  // namespace

ZORVAN_CLI_COMMAND("lunar", "lunar YYYY-MM-DD | lunar --range FROM TO", RunLunar);
ZORVAN_CLI_COMMAND("solar", "solar YEAR MONTH DAY [--leap]", RunSolar);
ZORVAN_CLI_COMMAND("calendar", "calendar YYYY MM", RunCalendar);

}  // namespace zorvan::cli

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "TestConfig.h"
#include "calendar/MonthGrid.h"
#include "commands/Command.h"
#include "text/DateText.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

struct CliResult {
  int code;
  std::string out;
  std::string err;
};

CliResult Cli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = cli::RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(MonthGrid, JulyStartsOnSaturdayAndFillsAllSixRows) {
  const MonthGrid grid = BuildMonthGrid({2023, 7, 15});
  ASSERT_EQ(grid.days.size(), 31u);
  EXPECT_EQ(grid.days.front().cell, 7);
  EXPECT_EQ(grid.days.back().cell, kMonthGridCells);
  EXPECT_EQ(grid.selectedCell, 21);
  EXPECT_EQ(GbkToUtf8(grid.constellation), "巨蟹座");
  EXPECT_EQ(GbkToUtf8(grid.yearAnimal), "卯兔");
}

// A lunar festival outranks a solar term, which outranks a Gregorian festival,
// which outranks the month name on 初一 and the plain lunar day.
TEST(MonthGrid, LabelPriority) {
  struct Case {
    const char* name;
    SolarDate date;
    const char* label;
    DayLabelKind kind;
    Rgb colour;
  };
  const Case cases[] = {
      {"plain lunar day", {2023, 2, 6}, "十六", DayLabelKind::PlainDay, 0x004000},
      {"month name on 初一", {2023, 2, 20}, "二月", DayLabelKind::MonthName, 0xFF0000},
      {"leap month name", {2023, 3, 22}, "闰二", DayLabelKind::MonthName, 0xFF0000},
      {"春节 over the month name", {2023, 1, 22}, "春节", DayLabelKind::LunarFestival, 0xFF8000},
      {"建党节 over the month name",
       {2011, 7, 1},
       "建党节",
       DayLabelKind::GregorianFestival,
       0xFF8000},
      {"立冬 over 记者日", {2023, 11, 8}, "立冬", DayLabelKind::SolarTerm, 0x5353FF},
      {"中秋节 over 国庆节", {2020, 10, 1}, "中秋节", DayLabelKind::LunarFestival, 0xFF8000},
      {"除夕 over 立春", {2019, 2, 4}, "除夕", DayLabelKind::LunarFestival, 0xFF8000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const MonthGrid grid = BuildMonthGrid(c.date);
    const DayCell& cell = grid.days.at(static_cast<size_t>(c.date.day - 1));
    EXPECT_EQ(cell.date, c.date);
    EXPECT_EQ(GbkToUtf8(cell.label), c.label);
    EXPECT_EQ(cell.kind, c.kind);
    EXPECT_EQ(cell.colour, c.colour);
  }
}

TEST(MonthGrid, ClampedDateCutsTheDayToTheMonth) {
  struct Case {
    const char* name;
    int year, month, day;
    SolarDate expected;
  };
  const Case cases[] = {
      {"31 in April", 2023, 4, 31, {2023, 4, 30}},
      {"31 in a common February", 2023, 2, 31, {2023, 2, 28}},
      {"31 in a leap February", 2024, 2, 31, {2024, 2, 29}},
      {"31 in March", 2023, 3, 31, {2023, 3, 31}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ClampedDate(c.year, c.month, c.day), c.expected);
  }
}

// The window's shared month starts at 0 before its first showing; a month outside
// 1-12 must give an empty page, not a read past the month table.
TEST(MonthGrid, MonthOutsideTheYearGivesNoDays) {
  for (int month : {0, 13}) {
    SCOPED_TRACE(month);
    EXPECT_TRUE(BuildMonthGrid({2023, month, 1}).days.empty());
    EXPECT_EQ(ClampedDate(2023, month, 31).day, 0);
  }
}

TEST(CalendarCli, MonthPageMatchesGoldenFile) {
  std::ifstream file(std::string(ZORVAN_TEST_DATA_DIR) + "/calendar/calendar-2023-02.txt");
  ASSERT_TRUE(file) << "golden file missing";
  std::stringstream expected;
  expected << file.rdbuf();
  const CliResult result = Cli({"calendar", "2023", "02"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out, expected.str());
}

TEST(CalendarCli, Lines) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    const char* out;
  };
  const Case cases[] = {
      {"leap month day",
       {"lunar", "2023-03-22"},
       "2023-03-22\t2023\t2\t1\t1\t癸卯(兔年)闰二月初一\t\t-201\n"},
      {"solar term and a day outside the lunar table",
       {"lunar", "--range", "1900-01-30", "1900-01-31"},
       "1900-01-30\t0\t0\t0\t0\t\t\t0\n1900-01-31\t1900\t1\t1\t0\t庚子(鼠年)一月初一\t\t0\n"},
      {"term day",
       {"lunar", "2023-02-04"},
       "2023-02-04\t2023\t1\t14\t0\t癸卯(兔年)一月十四\t立春\t114\n"},
      {"empty range", {"lunar", "--range", "2023-01-02", "2023-01-01"}, ""},
      {"leap lunar date", {"solar", "2023", "2", "1", "--leap"}, "2023-03-22\n"},
      {"ordinary lunar date", {"solar", "2023", "2", "1"}, "2023-02-20\n"},
      {"invalid lunar date", {"solar", "2020", "4", "30", "--leap"}, "0001-01-01\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CliResult result = Cli(c.args);
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, c.out);
  }
}

TEST(CalendarCli, BadArgumentsFail) {
  const std::vector<std::vector<std::string>> cases = {
      {"lunar", "2023-02-30"},     {"lunar"},         {"lunar", "--range", "2023-01-01"},
      {"solar", "2023", "x", "1"}, {"solar", "2023"}, {"calendar", "2023", "13"},
  };
  for (const auto& args : cases) {
    const CliResult result = Cli(args);
    EXPECT_NE(result.code, 0) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_EQ(result.out, "");
  }
}

}  // namespace
}  // namespace zorvan

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "calendar/LunarCalendar.h"
#include "calendar/SolarDays.h"
#include "text/DateText.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

std::string Utf8(const std::string& gbk) { return GbkToUtf8(gbk); }

// The conversion walked year by year from the 1900 anchor, the way the table is
// defined; the library's shortcut must agree with it on every day.
LunarDate WalkSolarToLunar(const SolarDate& date) {
  const SolarDate first{1900, 1, 31};
  if (date < first || date > SolarDate{2100, 12, 31}) return {};
  auto offset = static_cast<int>(DayNumber(date) - DayNumber(first));
  int year = 1900;
  int length = 0;
  while (offset > 0) {
    length = LunarYearDays(year);
    ++year;
    offset -= length;
  }
  if (offset < 0) {
    offset += length;
    --year;
  }
  const int leap = LeapMonthOf(year);
  bool isLeap = false;
  int month = 0;
  while (offset >= 0) {
    ++month;
    length = LunarMonthDays(year, month);
    offset -= length;
    if (offset >= 0 && month == leap) {
      length = LeapMonthDays(year);
      offset -= length;
      if (offset < 0) isLeap = true;
    }
  }
  if (offset < 0) offset += length;
  return {year, month, offset + 1, isLeap};
}

TEST(LunarCalendar, YearAndMonthLengths) {
  struct Case {
    const char* name;
    int year;
    int yearDays;
    int leapMonth;
    int leapDays;
  };
  const Case cases[] = {
      {"1900 has a leap eighth month", 1900, 384, 8, 29},
      {"2000 has no leap month", 2000, 354, 0, 0},
      {"2020 leap fourth month of 29 days", 2020, 384, 4, 29},
      {"2023 leap second month", 2023, 384, 2, 29},
      {"2006 leap seventh month", 2006, 385, 7, 29},
      {"2033 leap eleventh month", 2033, 384, 11, 29},
      {"2100 is the last year", 2100, 354, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LunarYearDays(c.year), c.yearDays);
    EXPECT_EQ(LeapMonthOf(c.year), c.leapMonth);
    EXPECT_EQ(LeapMonthDays(c.year), c.leapDays);
  }
  EXPECT_EQ(LunarMonthDays(2023, 1), 29);
  EXPECT_EQ(LunarMonthDays(2023, 2), 30);
  for (int year = 1900; year <= 2100; ++year) {
    EXPECT_GE(LunarYearDays(year), 353) << year;
    EXPECT_LE(LunarYearDays(year), 385) << year;
  }
}

TEST(LunarCalendar, ArgumentsOutsideTheTablesThrowInsteadOfReadingPastThem) {
  EXPECT_THROW(LunarYearDays(1899), std::out_of_range);
  EXPECT_THROW(LunarYearDays(2101), std::out_of_range);
  EXPECT_THROW(LunarMonthDays(2023, 13), std::out_of_range);
  EXPECT_THROW(LunarMonthDays(2023, 0), std::out_of_range);
  EXPECT_THROW(SolarTermMoment(2023, 24), std::out_of_range);
  EXPECT_EQ(SolarTermNameOf(SolarDate{}), "");
}

TEST(LunarCalendar, SolarToLunarCases) {
  struct Case {
    const char* name;
    SolarDate solar;
    LunarDate lunar;
  };
  const Case cases[] = {
      {"day before the table", {1900, 1, 30}, {}},
      {"first day of the table", {1900, 1, 31}, {1900, 1, 1, false}},
      {"last convertible day", {2100, 12, 31}, {2100, 12, 1, false}},
      {"day after the range", {2101, 1, 1}, {}},
      {"new year 1984", {1984, 2, 2}, {1984, 1, 1, false}},
      {"second anchor", {2000, 2, 5}, {2000, 1, 1, false}},
      {"first day of a leap month", {2023, 3, 22}, {2023, 2, 1, true}},
      {"month after the leap month", {2023, 4, 20}, {2023, 3, 1, false}},
      {"last day of the leap month", {2023, 4, 19}, {2023, 2, 29, true}},
      {"last day before the leap month", {2023, 3, 21}, {2023, 2, 30, false}},
      {"where the calendar window differs", {1906, 4, 23}, {1906, 4, 1, false}},
      {"new year's eve 2023", {2023, 1, 21}, {2022, 12, 30, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SolarToLunar(c.solar), c.lunar);
  }
}

TEST(LunarCalendar, LunarToSolarCases) {
  struct Case {
    const char* name;
    LunarDate lunar;
    SolarDate solar;
  };
  const Case cases[] = {
      {"leap month", {2023, 2, 1, true}, {2023, 3, 22}},
      {"ordinary month before the leap", {2023, 2, 1, false}, {2023, 2, 20}},
      {"month after the leap", {2023, 3, 1, false}, {2023, 4, 20}},
      {"leap month day 30 of a 29-day leap", {2020, 4, 30, true}, NoDate},
      {"leap flag on a month without leap", {2023, 3, 1, true}, NoDate},
      {"lunar 1900 is refused", {1900, 1, 1, false}, NoDate},
      {"lunar 2100 is refused", {2100, 1, 1, false}, NoDate},
      {"first accepted day", {1901, 1, 1, false}, {1901, 2, 19}},
      {"last accepted day", {2099, 12, 30, false}, {2100, 2, 8}},
      {"day 30 of a 29-day month", {2023, 1, 30, false}, NoDate},
      {"month 13", {2023, 13, 1, false}, NoDate},
      {"day 31", {2023, 2, 31, false}, NoDate},
      {"month 0", {2023, 0, 1, false}, NoDate},
      {"day 0", {2023, 1, 0, false}, NoDate},
      {"all zero", {}, NoDate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LunarToSolar(c.lunar), c.solar);
    EXPECT_EQ(IsValidLunarDate(c.lunar), !(c.solar == NoDate));
  }
}

TEST(LunarCalendar, EveryDayAgreesWithTheYearWalkAndConvertsBack) {
  const std::int64_t first = DayNumber({1900, 1, 31});
  const std::int64_t roundTripFirst = DayNumber({1901, 2, 19});
  const std::int64_t roundTripLast = DayNumber({2100, 2, 8});
  const std::int64_t last = DayNumber({2100, 12, 31});
  int failures = 0;
  for (std::int64_t n = first; n <= last && failures < 10; ++n) {
    const SolarDate solar = DateFromDayNumber(n);
    const LunarDate lunar = SolarToLunar(solar);
    if (lunar != WalkSolarToLunar(solar)) {
      ADD_FAILURE() << FormatShortDate(solar) << " differs from the year walk";
      ++failures;
    }
    if (n >= roundTripFirst && n <= roundTripLast && LunarToSolar(lunar) != solar) {
      ADD_FAILURE() << FormatShortDate(solar) << " does not convert back";
      ++failures;
    }
  }
}

TEST(LunarCalendar, SolarTermMoments) {
  struct Case {
    const char* name;
    int year;
    int term;
    LocalDateTime moment;
  };
  const Case cases[] = {
      {"the base moment", 1900, 0, {{1900, 1, 6}, 2, 5, 0, 0}},
      {"立春 2023", 2023, 2, {{2023, 2, 4}, 8, 50, 14, 888}},
      {"冬至 2023", 2023, 23, {{2023, 12, 22}, 9, 41, 14, 888}},
      {"a half millisecond rounds to the even 620", 1915, 0, {{1915, 1, 6}, 17, 16, 29, 620}},
      {"a half millisecond rounds to the even 874", 1905, 0, {{1905, 1, 6}, 7, 8, 49, 874}},
      {"before the base year", 1800, 0, {{1800, 1, 5}, 20, 48, 22, 530}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SolarTermMoment(c.year, c.term), c.moment);
  }
}

TEST(LunarCalendar, Texts) {
  struct Case {
    const char* name;
    std::string actual;
    const char* expected;
  };
  const Case cases[] = {
      {"立春 day", SolarTermNameOf({2023, 2, 4}), "立春"},
      {"冬至 day", SolarTermNameOf({2023, 12, 22}), "冬至"},
      {"day without a term", SolarTermNameOf({2023, 2, 5}), ""},
      {"甲子 year", GanzhiYearText(1984), "甲子(鼠年)"},
      {"庚辰 year", GanzhiYearText(2000), "庚辰(龙年)"},
      {"the cycle's base year", GanzhiYearText(1864), "甲子(鼠年)"},
      {"癸卯 year", GanzhiYearText(2023), "癸卯(兔年)"},
      {"first month", LunarMonthText(1, false), "一月"},
      {"tenth month", LunarMonthText(10, false), "十月"},
      {"twelfth month", LunarMonthText(12, false), "十二月"},
      {"leap fourth month", LunarMonthText(4, true), "闰四月"},
      {"month zero", LunarMonthText(0, false), "月"},
      {"first day", LunarDayText(1), "初一"},
      {"tenth day", LunarDayText(10), "初十"},
      {"eleventh day", LunarDayText(11), "十一"},
      {"twentieth day", LunarDayText(20), "二十"},
      {"twenty-first day", LunarDayText(21), "廿一"},
      {"thirtieth day", LunarDayText(30), "三十"},
      {"day 31", LunarDayText(31), ""},
      {"day 0", LunarDayText(0), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8(c.actual), c.expected);
  }
}

}  // namespace
}  // namespace zorvan

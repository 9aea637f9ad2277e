#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"
#include "calendar/SolarDays.h"
#include "tables/LunarTables.h"
#include "text/DateText.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

std::string Utf8(const std::string& gbk) { return GbkToUtf8(gbk); }

// The calendar window's own table agrees with the conversion everywhere except in
// four lunar months whose neighbouring lengths are swapped. Any other difference
// is a wrong byte in one of the two tables.
TEST(CalendarAnnotations, LayoutTableDiffersFromConversionOnlyInFourMonths) {
  struct Range {
    SolarDate first;
    SolarDate last;
  };
  const Range expected[] = {{{1906, 4, 23}, {1906, 5, 22}},
                            {{1914, 11, 17}, {1914, 12, 16}},
                            {{1989, 8, 1}, {1989, 8, 30}},
                            {{2013, 6, 8}, {2013, 7, 7}}};
  std::vector<Range> found;
  for (std::int64_t n = DayNumber({1901, 1, 1}); n <= DayNumber({2050, 12, 31}); ++n) {
    const SolarDate date = DateFromDayNumber(n);
    const LunarDate lunar = SolarToLunar(date);
    const int code = (lunar.month * 100 + lunar.day) * (lunar.isLeap ? -1 : 1);
    if (code == LunarMonthDayCode(date)) continue;
    if (!found.empty() && DayNumber(found.back().last) == n - 1) {
      found.back().last = date;
    } else {
      found.push_back({date, date});
    }
  }
  ASSERT_EQ(found.size(), std::size(expected));
  for (size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(FormatShortDate(found[i].first), FormatShortDate(expected[i].first));
    EXPECT_EQ(FormatShortDate(found[i].last), FormatShortDate(expected[i].last));
  }
}

TEST(CalendarAnnotations, MonthDayCodes) {
  struct Case {
    const char* name;
    SolarDate date;
    int code;
    const char* monthLabel;
    const char* dayLabel;
  };
  const Case cases[] = {
      {"first day of the table", {1901, 1, 1}, 1111, "冬月", "十一"},
      {"January 1 in slot 0", {2000, 1, 1}, 1125, "冬月", "廿五"},
      {"first day of a leap month", {2023, 3, 22}, -201, "闰二", "初一"},
      {"leap month carried over from the previous year", {2034, 1, 1}, -1111, "闰冬", "十一"},
      {"end of the year before", {2033, 12, 31}, -1110, "闰冬", "初十"},
      {"where the conversion says 四月初一", {1906, 4, 23}, 330, "三月", "三十"},
      {"twelfth month", {2023, 1, 21}, 1230, "腊月", "三十"},
      {"last day of the table", {2050, 12, 31}, 1118, "冬月", "十八"},
      {"before the table", {1900, 12, 31}, 0, "", ""},
      {"after the table", {2051, 1, 1}, 0, "", ""},
      {"February 29 of a common year", {2023, 2, 29}, 0, "", ""},
      {"day 0", {2023, 1, 0}, 0, "", ""},
      {"month 13", {2023, 13, 1}, 0, "", ""},
      {"a day far past the month's end", {2023, 12, 200}, 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LunarMonthDayCode(c.date), c.code);
    EXPECT_EQ(Utf8(LunarMonthLabel(c.date)), c.monthLabel);
    EXPECT_EQ(Utf8(LunarDayLabel(c.date)), c.dayLabel);
  }
}

TEST(CalendarAnnotations, LunarFestivals) {
  struct Case {
    const char* name;
    SolarDate date;
    const char* festival;
  };
  const Case cases[] = {
      {"除夕 on 三十 of a 30-day 腊月", {2023, 1, 21}, "除夕"},
      {"the day before it", {2023, 1, 20}, ""},
      {"除夕 on 三十 of another 30-day 腊月", {2024, 2, 9}, "除夕"},
      {"廿九 of a 30-day 腊月 is not 除夕", {2024, 2, 8}, ""},
      {"除夕 on 廿九 of a 29-day 腊月", {2025, 1, 28}, "除夕"},
      {"廿八 before it", {2025, 1, 27}, ""},
      {"春节", {2023, 1, 22}, "春节"},
      {"元宵节", {2023, 2, 5}, "元宵节"},
      {"端午节", {2023, 6, 22}, "端午节"},
      {"七夕节", {2023, 8, 22}, "七夕节"},
      {"中秋节", {2023, 9, 29}, "中秋节"},
      {"重阳节", {2023, 10, 23}, "重阳节"},
      {"腊八节", {2024, 1, 18}, "腊八节"},
      {"初七 of a leap seventh month", {2006, 8, 30}, ""},
      {"last day of the table: the next day has no label", {2050, 12, 31}, ""},
      {"outside the table", {2051, 2, 11}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8(LunarFestivalOf(c.date)), c.festival);
  }
  // Every lunar new year's eve of the table, whatever the length of its month.
  const std::string eve = Gbk("除夕");
  for (std::int64_t n = DayNumber({1901, 1, 1}); n < DayNumber({2050, 12, 31}); ++n) {
    const SolarDate date = DateFromDayNumber(n);
    const bool newYearFollows = LunarMonthDayCode(DateFromDayNumber(n + 1)) == 101;
    EXPECT_EQ(LunarFestivalOf(date) == eve, newYearFollows) << FormatShortDate(date);
  }
}

TEST(CalendarAnnotations, YearAnimals) {
  struct Case {
    const char* name;
    SolarDate date;
    const char* label;
  };
  const Case cases[] = {
      {"last day of the 虎 year", {2023, 1, 21}, "寅虎"},
      {"new year's day", {2023, 1, 22}, "卯兔"},
      {"end of the Gregorian year", {2023, 12, 31}, "卯兔"},
      {"the base 子鼠 year", {1972, 6, 1}, "子鼠"},
      {"wrap from 子鼠 back to 亥猪", {1972, 1, 1}, "亥猪"},
      {"January in a leap 冬月", {2034, 1, 1}, "丑牛"},
      {"before 1972", {1901, 3, 1}, "丑牛"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8(YearAnimalLabel(c.date)), c.label);
  }
}

TEST(CalendarAnnotations, SolarTerms) {
  struct Case {
    const char* name;
    SolarDate date;
    int index;
    const char* label;
  };
  const Case cases[] = {
      {"小寒", {2023, 1, 5}, 1, "小寒"},
      {"大寒", {2023, 1, 20}, 2, "大寒"},
      {"立春", {2023, 2, 4}, 3, "立春"},
      {"the day after 立春", {2023, 2, 5}, 0, ""},
      {"冬至", {2023, 12, 22}, 24, "冬至"},
      {"printed 2050 row, not the ephemeris", {2050, 9, 8}, 17, "白露"},
      {"the ephemeris day of 白露 2050", {2050, 9, 7}, 0, ""},
      {"first row", {1901, 1, 6}, 1, "小寒"},
      {"after the table", {2051, 1, 5}, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SolarTermIndexOf(c.date.year, c.date.month, c.date.day), c.index);
    EXPECT_EQ(Utf8(SolarTermLabel(c.date)), c.label);
  }
}

// Five rows of the term-day table are fixed by hand, not computed; the others came
// from an ephemeris and may be refreshed, but these must stay byte for byte.
TEST(CalendarAnnotations, FixedSolarTermRowsStand) {
  struct Row {
    int year;
    std::array<std::uint8_t, 12> bytes;
  };
  const Row rows[] = {
      {1901, {0x96, 0xB4, 0x96, 0xA6, 0x97, 0x97, 0x78, 0x79, 0x79, 0x69, 0x78, 0x77}},
      {1984, {0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x87}},
      {2000, {0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x86}},
      {2023, {0xA5, 0xB4, 0x96, 0xA5, 0x96, 0x96, 0x88, 0x78, 0x78, 0x79, 0x77, 0x87}},
      {2050, {0xA5, 0xC3, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x78, 0x78, 0x87, 0x87}},
  };
  for (const Row& row : rows) {
    for (size_t m = 0; m < 12; ++m) {
      EXPECT_EQ(SolarTermDayTable.at(static_cast<size_t>(row.year - 1901) * 12 + m), row.bytes[m])
          << row.year << " month " << m + 1;
    }
  }
}

TEST(CalendarAnnotations, GregorianFestivals) {
  struct Case {
    const char* name;
    int day;
    SolarDate month;
    const char* festival;
  };
  const Case cases[] = {
      {"元旦节", 1, {2023, 1, 15}, "元旦节"},
      {"情人节", 14, {2023, 2, 1}, "情人节"},
      {"second Sunday of May", 14, {2023, 5, 1}, "母亲节"},
      {"first Sunday of May", 7, {2023, 5, 1}, ""},
      {"third Sunday of June", 18, {2023, 6, 1}, "父亲节"},
      {"fourth Thursday of November", 23, {2023, 11, 1}, "感恩节"},
      {"fifth Thursday does not count", 30, {2023, 11, 1}, ""},
      {"万圣节", 31, {2023, 10, 1}, "万圣节"},
      {"记者日", 8, {2023, 11, 1}, "记者日"},
      {"圣诞节", 25, {2023, 12, 1}, "圣诞节"},
      {"plain day", 2, {2023, 12, 1}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8(GregorianFestivalOf(c.day, c.month)), c.festival);
  }
}

TEST(CalendarAnnotations, Constellations) {
  struct Case {
    const char* name;
    SolarDate date;
    const char* constellation;
    const char* zodiacSign;
  };
  const Case cases[] = {
      {"April 20 differs", {2023, 4, 20}, "金牛座", "白羊座"},
      {"October 23 differs", {2023, 10, 23}, "天秤座", "天蝎座"},
      {"August 23", {2023, 8, 23}, "处女座", "处女座"},
      {"金牛座 keeps its trailing blank", {2023, 5, 1}, "金牛座", "金牛座 "},
      {"new year", {2023, 1, 1}, "摩羯座", "摩羯座"},
      {"year end", {2023, 12, 31}, "摩羯座", "摩羯座"},
      {"January 19 and 20", {2023, 1, 20}, "水瓶座", "水瓶座"},
      {"leap day", {2024, 2, 29}, "双鱼座", "双鱼座"},
      {"December 21", {2023, 12, 21}, "射手座", "射手座"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8(ConstellationOf(c.date)), c.constellation);
    EXPECT_EQ(Utf8(ZodiacSignOf(c.date)), c.zodiacSign);
  }
}

}  // namespace
}  // namespace zorvan

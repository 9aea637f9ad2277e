#include "calendar/CalendarAnnotations.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "calendar/SolarDays.h"
#include "tables/LunarTables.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

constexpr int kSlots = 16;

// One year's entry of the layout table, unpacked.
struct YearLayout {
  int firstDay = 0;                       // lunar day of January 1
  std::array<int, kSlots> lengths{};      // days of each month slot
  std::array<int, kSlots + 1> numbers{};  // month number of each slot, negative = leap
};

YearLayout DecodeLayout(int year) {
  const std::uint32_t entry = LunarLayoutTable[static_cast<size_t>(year - kLayoutFirstYear)];
  const auto b0 = static_cast<int>(entry >> 24);
  const auto word = static_cast<unsigned>((entry >> 8) & 0xFFFF);
  const auto leapAfter = static_cast<int>(entry & 0xFF);
  YearLayout layout;
  layout.firstDay = b0 & 0x7F;
  layout.numbers[0] = (b0 & 0x80) ? 12 : 11;
  for (int k = 0; k < kSlots; ++k) {
    const auto slot = static_cast<size_t>(k);
    layout.lengths[slot] = (word >> (15 - k)) & 1 ? 30 : 29;
    const int number = layout.numbers[slot];
    if (number == leapAfter) {
      layout.numbers[slot + 1] = -leapAfter;
    } else {
      const int following = std::abs(number) + 1;
      layout.numbers[slot + 1] = following == 13 ? 1 : following;
    }
  }
  return layout;
}

bool InLayoutRange(int year) { return year >= kLayoutFirstYear && year <= kLayoutLastYear; }

struct Texts {
  std::string leap = Gbk("闰");
  std::string month = Gbk("月");
  std::string firstMonth = Gbk("正月");
  std::string fifthMonth = Gbk("五月");
  std::string seventhMonth = Gbk("七月");
  std::string eighthMonth = Gbk("八月");
  std::string ninthMonth = Gbk("九月");
  std::string twelfthMonth = Gbk("腊月");
};

const Texts& Labels() {
  static const Texts texts;
  return texts;
}

}  // namespace

int LunarMonthDayCode(const SolarDate& date) {
  if (!InLayoutRange(date.year)) return 0;
  // A day that does not exist could walk past the sixteen month slots.
  if (date.day < 1 || date.day > DaysInSolarMonth(date.year, date.month)) return 0;
  const YearLayout layout = DecodeLayout(date.year);
  const int e = DayOfYear(date) - 1;
  int month = 0;
  int day = 0;
  if (e <= layout.lengths[0] - layout.firstDay) {
    day = layout.firstDay + e;
    month = layout.numbers[0];
    // Only the end of the previous year tells whether January 1 lies in a leap month.
    if (date.year > kLayoutFirstYear && LunarMonthDayCode(SolarDate{date.year - 1, 12, 31}) < 0) {
      month = -month;
    }
  } else {
    int acc = layout.lengths[0] - layout.firstDay;
    size_t i = 1;
    while (e > acc + layout.lengths[i]) {
      acc += layout.lengths[i];
      ++i;
    }
    month = layout.numbers[i];
    day = e - acc;
  }
  return month > 0 ? month * 100 + day : month * 100 - day;
}

std::string LunarMonthLabel(const SolarDate& date) {
  const int q = LunarMonthDayCode(date) / 100;
  if (q < 0) return Labels().leap + LunarMonthNames[static_cast<size_t>(-q)];
  if (q == 0) return {};
  return LunarMonthNames[static_cast<size_t>(q)] + Labels().month;
}

std::string LunarDayLabel(const SolarDate& date) {
  return LunarDayNames[static_cast<size_t>(std::abs(LunarMonthDayCode(date)) % 100)];
}

std::string LunarFestivalOf(const SolarDate& date) {
  const int code = LunarMonthDayCode(date);
  if (code == 0) return {};
  const int day = std::abs(code) % 100;
  const std::string label = LunarMonthLabel(date);
  const Texts& t = Labels();
  struct Festival {
    int day;
    const std::string& month;
    const char* name;
  };
  const Festival festivals[] = {{1, t.firstMonth, "春节"},     {5, t.fifthMonth, "端午节"},
                                {7, t.seventhMonth, "七夕节"}, {8, t.twelfthMonth, "腊八节"},
                                {9, t.ninthMonth, "重阳节"},   {15, t.eighthMonth, "中秋节"},
                                {15, t.firstMonth, "元宵节"}};
  for (const Festival& festival : festivals) {
    if (festival.day == day && festival.month == label) return Gbk(festival.name);
  }
  if (label != t.firstMonth && LunarMonthLabel(AddDays(date, 1)) == t.firstMonth) {
    return Gbk("除夕");
  }
  return {};
}

std::string YearAnimalLabel(const SolarDate& date) {
  int r = ((date.year - 1972) % 12 + 12) % 12;  // 1972 was a 子鼠 year
  // Until the lunar new year, January to March still belong to the previous year;
  // the day then lies in month 冬 (11) or 腊 (12), leap or not.
  if (date.month <= 3) {
    const int month = std::abs(LunarMonthDayCode(date) / 100);
    if (month == 11 || month == 12) r = (r + 11) % 12;
  }
  return YearAnimalLabels[static_cast<size_t>(r)];
}

int SolarTermIndexOf(int year, int month, int day) {
  if (!InLayoutRange(year) || month < 1 || month > 12) return 0;
  const std::uint8_t days =
      SolarTermDayTable[static_cast<size_t>((year - kLayoutFirstYear) * 12 + month - 1)];
  const int high = days >> 4;
  const int low = days & 0xF;
  if (day < 15 && day == 15 - high) return 2 * month - 1;
  if (day >= 15 && day == 15 + low) return 2 * month;
  return 0;
}

std::string SolarTermLabel(const SolarDate& date) {
  const int term = SolarTermIndexOf(date.year, date.month, date.day);
  if (term < 1 || term > 24) return {};
  return SolarTermNames[static_cast<size_t>(term - 1)];
}

std::string GregorianFestivalOf(int day, const SolarDate& month) {
  const int weekday = DayOfWeek(SolarDate{month.year, month.month, day});
  const int week = (day - 1) / 7;
  constexpr int kSunday = 0;
  constexpr int kThursday = 4;
  const char* name = nullptr;
  switch (month.month) {
    case 1:
      if (day == 1) name = "元旦节";
      break;
    case 2:
      if (day == 14) name = "情人节";
      break;
    case 3:
      if (day == 8) name = "妇女节";
      break;
    case 4:
      if (day == 1) name = "愚人节";
      break;
    case 5:
      if (day == 1) name = "劳动节";
      if (day == 4) name = "青年节";
      if (weekday == kSunday && week == 1) name = "母亲节";
      break;
    case 6:
      if (day == 1) name = "儿童节";
      if (weekday == kSunday && week == 2) name = "父亲节";
      break;
    case 7:
      if (day == 1) name = "建党节";
      break;
    case 8:
      if (day == 1) name = "建军节";
      break;
    case 9:
      if (day == 10) name = "教师节";
      break;
    case 10:
      if (day == 1) name = "国庆节";
      if (day == 6) name = "老人节";
      if (day == 31) name = "万圣节";
      break;
    case 11:
      if (day == 8) name = "记者日";
      if (weekday == kThursday && week == 3) name = "感恩节";
      break;
    case 12:
      if (day == 25) name = "圣诞节";
      break;
    default:
      break;
  }
  return name ? Gbk(name) : std::string();
}

std::string ConstellationOf(const SolarDate& date) {
  struct Split {
    int day;
    const char* before;
    const char* from;
  };
  static constexpr Split kSplits[] = {
      {20, "摩羯座", "水瓶座"}, {19, "水瓶座", "双鱼座"}, {21, "双鱼座", "白羊座"},
      {20, "白羊座", "金牛座"}, {21, "金牛座", "双子座"}, {22, "双子座", "巨蟹座"},
      {23, "巨蟹座", "狮子座"}, {23, "狮子座", "处女座"}, {23, "处女座", "天秤座"},
      {24, "天秤座", "天蝎座"}, {22, "天蝎座", "射手座"}, {22, "射手座", "摩羯座"}};
  if (date.month < 1 || date.month > 12) return {};
  const Split& split = kSplits[date.month - 1];
  return Gbk(date.day < split.day ? split.before : split.from);
}

std::string ZodiacSignOf(const SolarDate& date) {
  struct Range {
    int fromMonth, fromDay, toMonth, toDay;
    const char* sign;
  };
  // Tried in this order; the first range holding the day wins.
  static constexpr Range kRanges[] = {
      {12, 22, 12, 31, "摩羯座"}, {1, 1, 1, 19, "摩羯座"},   {1, 20, 2, 18, "水瓶座"},
      {2, 19, 3, 20, "双鱼座"},   {3, 21, 4, 20, "白羊座"},  {4, 21, 5, 20, "金牛座 "},
      {5, 21, 6, 21, "双子座"},   {6, 22, 7, 22, "巨蟹座"},  {7, 23, 8, 22, "狮子座"},
      {8, 23, 9, 22, "处女座"},   {9, 23, 10, 22, "天秤座"}, {10, 23, 11, 21, "天蝎座"},
      {11, 22, 12, 21, "射手座"}};
  const int key = date.month * 100 + date.day;
  for (const Range& range : kRanges) {
    if (key >= range.fromMonth * 100 + range.fromDay && key <= range.toMonth * 100 + range.toDay) {
      return Gbk(range.sign);
    }
  }
  return {};
}

}  // namespace zorvan

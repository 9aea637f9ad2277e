#include "calendar/LunarCalendar.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "calendar/SolarDays.h"
#include "tables/LunarTables.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

constexpr SolarDate kAnchor1900{1900, 1, 31};  // lunar 1900-01-01
constexpr SolarDate kAnchor2000{2000, 2, 5};   // lunar 2000-01-01
constexpr SolarDate kLastConvertible{2100, 12, 31};

// Throws std::out_of_range for a year outside 1900-2100 rather than read past the table.
std::uint16_t YearWord(int year) {
  return LunarYearTable.at(static_cast<size_t>(year - kLunarTableFirstYear));
}

// Days from lunar 1900-01-01 to the first day of each lunar year 1900-2101. Summing
// the year lengths once spares every conversion the walk over up to 200 years.
const std::array<int, 202>& YearStarts() {
  static const std::array<int, 202> starts = [] {
    std::array<int, 202> result{};
    for (int year = kLunarTableFirstYear; year <= kLunarTableLastYear; ++year) {
      const size_t i = static_cast<size_t>(year - kLunarTableFirstYear);
      result[i + 1] = result[i] + LunarYearDays(year);
    }
    return result;
  }();
  return starts;
}

int YearStart(int year) { return YearStarts()[static_cast<size_t>(year - kLunarTableFirstYear)]; }

// Rounds to the nearest integer, a half to the even neighbour.
std::int64_t RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  auto whole = static_cast<std::int64_t>(below);
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
  return whole;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

int LunarMonthDays(int year, int month) {
  if (month < 1 || month > 12) throw std::out_of_range("lunar month out of range");
  return (YearWord(year) >> (16 - month)) & 1 ? 30 : 29;
}

int LeapMonthOf(int year) {
  const int low = YearWord(year) & 0xF;
  return low == 15 ? 0 : low;
}

int LeapMonthDays(int year) {
  if (LeapMonthOf(year) == 0) return 0;
  return (YearWord(year + 1) & 0xF) == 15 ? 30 : 29;
}

int LunarYearDays(int year) {
  const unsigned monthBits = YearWord(year) & 0xFFF0u;
  return 348 + std::popcount(monthBits) + LeapMonthDays(year);
}

LunarDate SolarToLunar(const SolarDate& date) {
  if (date < kAnchor1900 || date > kLastConvertible) return LunarDate{};
  const int offset = static_cast<int>(DayNumber(date) - DayNumber(kAnchor1900));

  // The lunar year is the last one starting on or before the day.
  const auto& starts = YearStarts();
  const auto next = std::upper_bound(starts.begin(), starts.end(), offset);
  const int year = kLunarTableFirstYear + static_cast<int>(next - starts.begin()) - 1;
  int rest = offset - YearStart(year);

  // Walk the months; a leap month follows its ordinary month.
  const int leap = LeapMonthOf(year);
  bool isLeap = false;
  int month = 0;
  int length = 0;
  while (rest >= 0) {
    ++month;
    length = LunarMonthDays(year, month);
    rest -= length;
    if (rest >= 0 && month == leap) {
      length = LeapMonthDays(year);
      rest -= length;
      if (rest < 0) isLeap = true;
    }
  }
  rest += length;
  return LunarDate{year, month, rest + 1, isLeap};
}

bool IsValidLunarDate(const LunarDate& date) {
  // Months and days below 1 would count backwards into the previous month or year.
  if (date.year < 1901 || date.year > 2099) return false;
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return false;
  if (date.isLeap) {
    return LeapMonthOf(date.year) == date.month && LeapMonthDays(date.year) >= date.day;
  }
  return LunarMonthDays(date.year, date.month) >= date.day;
}

SolarDate LunarToSolar(const LunarDate& date) {
  if (!IsValidLunarDate(date)) return NoDate;
  const int year = date.year;
  const int leap = LeapMonthOf(year);
  int sum = 0;
  for (int i = 1; i < date.month; ++i) {
    sum += LunarMonthDays(year, i);
    if (i == leap) sum += LeapMonthDays(year);
  }
  sum += date.day - 1;
  if (date.month == leap && date.isLeap) sum += LunarMonthDays(year, date.month);
  sum += YearStart(year) - YearStart(2000);
  return AddDays(kAnchor2000, sum);
}

LocalDateTime SolarTermMoment(int year, int term) {
  constexpr std::int64_t kMsPerDay = 86'400'000;
  const double offset =
      static_cast<double>(year - 1900) * 31556925974.7 +
      static_cast<double>(SolarTermMinutes.at(static_cast<size_t>(term))) * 60000.0;
  const std::int64_t base =
      DayNumber(SolarDate{1900, 1, 6}) * kMsPerDay + (2 * 60 + 5) * 60 * std::int64_t{1000};
  const std::int64_t moment = base + RoundHalfEven(offset);
  const std::int64_t day = FloorDiv(moment, kMsPerDay);
  auto inDay = static_cast<int>(moment - day * kMsPerDay);
  LocalDateTime result;
  result.date = DateFromDayNumber(day);
  result.millisecond = inDay % 1000;
  inDay /= 1000;
  result.second = inDay % 60;
  inDay /= 60;
  result.minute = inDay % 60;
  result.hour = inDay / 60;
  return result;
}

std::string SolarTermNameOf(const SolarDate& date) {
  if (date.month < 1 || date.month > 12) return {};
  for (int term : {2 * date.month - 2, 2 * date.month - 1}) {
    if (SolarTermMoment(date.year, term).date == date) {
      return SolarTermNames[static_cast<size_t>(term)];
    }
  }
  return {};
}

std::string GanzhiYearText(int year) {
  const int k = year - 1864;  // 1864 was a 甲子 year
  const auto stem = static_cast<size_t>((k % 10 + 10) % 10);
  const auto branch = static_cast<size_t>((k % 12 + 12) % 12);
  static const std::string kYearClose = Gbk("年)");
  return HeavenlyStems[stem] + EarthlyBranches[branch] + "(" + ZodiacAnimals[branch] + kYearClose;
}

std::string LunarMonthText(int month, bool isLeap) {
  static const std::string kLeap = Gbk("闰");
  static const std::string kMonth = Gbk("月");
  std::string text = isLeap ? kLeap : std::string();
  if (month >= 1 && month <= 10) {
    text += ChineseNumerals[static_cast<size_t>(month)];
  } else if (month == 11 || month == 12) {
    text += ChineseNumerals[10] + ChineseNumerals[static_cast<size_t>(month - 10)];
  }
  return text + kMonth;
}

std::string LunarDayText(int day) {
  if (day < 1 || day > 30) return {};
  return LunarDayNames[static_cast<size_t>(day)];
}

}  // namespace zorvan

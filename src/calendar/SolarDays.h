#pragma once

#include <cstdint>

#include "calendar/CalendarTypes.h"

namespace zorvan {

// Day arithmetic on the proleptic Gregorian calendar. A day number counts days
// from 1970-01-01 (day 0); differences between day numbers are plain day counts.

constexpr bool IsGregorianLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// 0 for a month outside 1-12, so that callers never index past the month table.
constexpr int DaysInSolarMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kDays[month - 1] + (month == 2 && IsGregorianLeapYear(year) ? 1 : 0);
}

constexpr std::int64_t DayNumber(const SolarDate& date) {
  const std::int64_t y = date.month <= 2 ? date.year - 1 : date.year;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear =
      (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

constexpr SolarDate DateFromDayNumber(std::int64_t dayNumber) {
  const std::int64_t z = dayNumber + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return SolarDate{year, month, day};
}

constexpr SolarDate AddDays(const SolarDate& date, std::int64_t days) {
  return DateFromDayNumber(DayNumber(date) + days);
}

// 0 = Sunday .. 6 = Saturday.
constexpr int DayOfWeek(const SolarDate& date) {
  const std::int64_t n = DayNumber(date);  // 1970-01-01 was a Thursday
  return static_cast<int>(((n + 4) % 7 + 7) % 7);
}

// 1 for January 1.
constexpr int DayOfYear(const SolarDate& date) {
  return static_cast<int>(DayNumber(date) - DayNumber(SolarDate{date.year, 1, 1})) + 1;
}

}  // namespace zorvan

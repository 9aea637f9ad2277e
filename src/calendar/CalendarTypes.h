#pragma once

#include <compare>

namespace zorvan {

// A Gregorian date (proleptic calendar). All fields zero means no date.
struct SolarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const SolarDate&) const = default;
};

// A lunar date. isLeap: the day lies in the leap month that follows ordinary
// month `month`. All fields zero means no date.
struct LunarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool isLeap = false;
  auto operator<=>(const LunarDate&) const = default;
};

// A local date and time exact to the millisecond, without a time zone.
struct LocalDateTime {
  SolarDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  auto operator<=>(const LocalDateTime&) const = default;
};

}  // namespace zorvan

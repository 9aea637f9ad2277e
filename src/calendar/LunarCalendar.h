#pragma once

#include <string>

#include "calendar/CalendarTypes.h"

namespace zorvan {

// Gregorian-lunar conversion for the lunar years 1900-2100, the mean-year solar
// terms and the Chinese texts of lunar years, months and days. Pure functions over
// constant tables; any thread may call them. Texts are GBK.

// What LunarToSolar returns for a lunar date it does not accept.
inline constexpr SolarDate NoDate{1, 1, 1};

// Lunar year lengths; `year` must lie in 1900-2100 and `month` in 1-12, or
// std::out_of_range is thrown.
int LunarYearDays(int year);              // 353-385, leap month included
int LeapMonthOf(int year);                // month followed by a leap month, 0 if none
int LeapMonthDays(int year);              // 29 or 30, 0 without a leap month
int LunarMonthDays(int year, int month);  // ordinary month 1-12: 29 or 30

// The lunar date of a Gregorian day; all zero outside 1900-01-31 .. 2100-12-31.
LunarDate SolarToLunar(const SolarDate& date);

// True for lunar years 1901-2099, months 1-12, days within the month, and a leap
// flag only on the month that has a leap month after it.
bool IsValidLunarDate(const LunarDate& date);

// The Gregorian day of a lunar date; NoDate when !IsValidLunarDate(date).
SolarDate LunarToSolar(const LunarDate& date);

// The moment of solar term `term` (0 = 小寒 .. 23 = 冬至) in Gregorian year `year`
// by the mean tropical year, counted from 1900-01-06 02:05:00 local time. Throws
// std::out_of_range for another term number.
LocalDateTime SolarTermMoment(int year, int term);

// The name of the solar term of the date's own month that falls on the date, or "".
std::string SolarTermNameOf(const SolarDate& date);

// "甲子(鼠年)" for 1984; years from 1864 on.
std::string GanzhiYearText(int year);

// "一月" .. "十二月", "闰四月"; "月" alone (or "闰月") for a month outside 1-12.
std::string LunarMonthText(int month, bool isLeap);

// "初一" .. "三十"; "" outside 1-30.
std::string LunarDayText(int day);

}  // namespace zorvan

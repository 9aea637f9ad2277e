#pragma once

#include <string>

#include "calendar/CalendarTypes.h"

namespace zorvan {

// The texts that annotate one Gregorian day in the perpetual calendar: lunar month
// and day labels, festivals, solar terms, the year animal and the constellation.
// They rest on a lunar table of their own for the Gregorian years 1901-2050, which
// differs from SolarToLunar in four lunar months. Texts are GBK; pure functions.

// month * 100 + day, negated in a leap month; 0 outside 1901-2050 or for a day
// that does not exist.
int LunarMonthDayCode(const SolarDate& date);

// "正月" .. "腊月", "闰四" in a leap month; "" outside 1901-2050.
std::string LunarMonthLabel(const SolarDate& date);

// "初一" .. "三十"; "" outside 1901-2050.
std::string LunarDayLabel(const SolarDate& date);

// "春节", "元宵节", "端午节", "七夕节", "中秋节", "重阳节", "腊八节", "除夕" or "".
std::string LunarFestivalOf(const SolarDate& date);

// "子鼠" .. "亥猪"; the animal changes on the lunar new year's day.
std::string YearAnimalLabel(const SolarDate& date);

// Solar term number 1-24 (1 = 小寒) falling on the day, 0 if none or outside 1901-2050.
int SolarTermIndexOf(int year, int month, int day);

// The name of the solar term falling on the day, or "".
std::string SolarTermLabel(const SolarDate& date);

// The Gregorian festival on day `day` of the year and month of `month`, or "".
std::string GregorianFestivalOf(int day, const SolarDate& month);

// The Western constellation of the day, as the perpetual calendar shows it.
std::string ConstellationOf(const SolarDate& date);

// The Western constellation of the day by the ranges the name reports use; they
// differ from ConstellationOf on April 20 and October 23.
std::string ZodiacSignOf(const SolarDate& date);

}  // namespace zorvan

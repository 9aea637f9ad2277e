#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zorvan {

// The compiled-in tables of the Chinese calendar. Texts are GBK bytes; they are
// built during static initialisation, so read them only from functions.

// One word per lunar year 1900-2100 (index = year - 1900). Bit 16 - m is set when
// ordinary month m has 30 days; bits 3..0 name the month followed by a leap month
// (0 or 15: none). A year after a leap year has 15 there when that leap month has
// 30 days.
extern const std::array<std::uint16_t, 201> LunarYearTable;

// Lunar 1900-01-01 is Gregorian 1900-01-31; lunar 2000-01-01 is 2000-02-05.
inline constexpr int kLunarTableFirstYear = 1900;
inline constexpr int kLunarTableLastYear = 2100;

// Minutes after 小寒 of the 24 solar terms in a mean tropical year.
inline constexpr std::array<std::int32_t, 24> SolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

// One entry per Gregorian year 1901-2050 (index = year - 1901), bytes b0 b1 b2 b3
// from the most significant down. b0 bit 7: the month in progress on January 1 is
// 12 (else 11); b0 bits 6..0: its day on January 1. b1 b2: lengths of sixteen month
// slots from that month on, slot k in bit 15 - k (1 = 30 days). b3: the month
// followed by a leap month within these slots, 0 if none.
extern const std::array<std::uint32_t, 150> LunarLayoutTable;

// Twelve bytes per Gregorian year 1901-2050, index (year - 1901) * 12 + month - 1.
// High nibble h: the month's first solar term falls on day 15 - h; low nibble l: the
// second falls on day 15 + l.
extern const std::array<std::uint8_t, 1800> SolarTermDayTable;

inline constexpr int kLayoutFirstYear = 1901;
inline constexpr int kLayoutLastYear = 2050;

extern const std::array<std::string, 10> HeavenlyStems;     // 甲 .. 癸
extern const std::array<std::string, 12> EarthlyBranches;   // 子 .. 亥
extern const std::array<std::string, 12> ZodiacAnimals;     // 鼠 .. 猪
extern const std::array<std::string, 11> ChineseNumerals;   // 日 一 .. 十
extern const std::array<std::string, 24> SolarTermNames;    // 小寒 .. 冬至
extern const std::array<std::string, 13> LunarMonthNames;   // "", 正 .. 腊 (index = month)
extern const std::array<std::string, 31> LunarDayNames;     // "", 初一 .. 三十 (index = day)
extern const std::array<std::string, 12> YearAnimalLabels;  // 子鼠 .. 亥猪

}  // namespace zorvan

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/CalendarTypes.h"

namespace zorvan {

// The perpetual calendar's page for one Gregorian month: 37 cells, seven columns
// from Sunday, six rows, the last row with two cells. The window only paints it.

inline constexpr int kMonthGridCells = 37;

// What a day cell's lunar label shows, from the lowest priority to the highest.
enum class DayLabelKind { PlainDay, MonthName, GregorianFestival, SolarTerm, LunarFestival };

// "day", "month", "gfest", "term", "lfest".
std::string_view DayLabelKindName(DayLabelKind kind);

// 0xRRGGBB.
using Rgb = std::uint32_t;
inline constexpr Rgb kPlainDayColour = 0x004000;
inline constexpr Rgb kMonthNameColour = 0xFF0000;
inline constexpr Rgb kFestivalColour = 0xFF8000;
inline constexpr Rgb kSolarTermColour = 0x5353FF;

// "#RRGGBB".
std::string RgbText(Rgb colour);

struct DayCell {
  int cell = 0;  // 1-37
  SolarDate date;
  std::string label;  // GBK
  DayLabelKind kind = DayLabelKind::PlainDay;
  Rgb colour = kPlainDayColour;
};

struct MonthGrid {
  int year = 0;
  int month = 0;
  std::string yearAnimal;     // YearAnimalLabel of the shown date
  std::string constellation;  // ConstellationOf the selected day
  int selectedCell = 0;       // cell of the shown date's day, 0 if not in the month
  std::vector<DayCell> days;  // one per day of the month, in order
};

// The page of the month of `date`, with the day of `date` selected.
MonthGrid BuildMonthGrid(const SolarDate& date);

// The shown year, month and day with the day cut to the month's length.
SolarDate ClampedDate(int year, int month, int day);

}  // namespace zorvan

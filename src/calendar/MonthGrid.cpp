#include "calendar/MonthGrid.h"

#include <algorithm>

#include "calendar/CalendarAnnotations.h"
#include "calendar/SolarDays.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {

std::string_view DayLabelKindName(DayLabelKind kind) {
  switch (kind) {
    case DayLabelKind::PlainDay:
      return "day";
    case DayLabelKind::MonthName:
      return "month";
    case DayLabelKind::GregorianFestival:
      return "gfest";
    case DayLabelKind::SolarTerm:
      return "term";
    case DayLabelKind::LunarFestival:
      return "lfest";
  }
  return "day";
}

std::string RgbText(Rgb colour) { return Format("#%06X", static_cast<unsigned>(colour)); }

MonthGrid BuildMonthGrid(const SolarDate& date) {
  static const std::string kFirstDay = Gbk("初一");
  MonthGrid grid;
  grid.year = date.year;
  grid.month = date.month;
  grid.yearAnimal = YearAnimalLabel(date);
  const int firstColumn = DayOfWeek(SolarDate{date.year, date.month, 1});  // 0 = Sunday
  const int length = DaysInSolarMonth(date.year, date.month);
  grid.days.reserve(static_cast<size_t>(length));
  for (int d = 1; d <= length; ++d) {
    DayCell cell;
    cell.cell = firstColumn + d;
    cell.date = SolarDate{date.year, date.month, d};
    // Each later annotation outranks the earlier ones.
    cell.label = LunarDayLabel(cell.date);
    if (cell.label == kFirstDay) {
      cell.label = LunarMonthLabel(cell.date);
      cell.kind = DayLabelKind::MonthName;
      cell.colour = kMonthNameColour;
    }
    if (std::string festival = GregorianFestivalOf(d, date); !festival.empty()) {
      cell.label = std::move(festival);
      cell.kind = DayLabelKind::GregorianFestival;
      cell.colour = kFestivalColour;
    }
    if (std::string term = SolarTermLabel(cell.date); !term.empty()) {
      cell.label = std::move(term);
      cell.kind = DayLabelKind::SolarTerm;
      cell.colour = kSolarTermColour;
    }
    if (std::string festival = LunarFestivalOf(cell.date); !festival.empty()) {
      cell.label = std::move(festival);
      cell.kind = DayLabelKind::LunarFestival;
      cell.colour = kFestivalColour;
    }
    if (d == date.day) {
      grid.selectedCell = cell.cell;
      grid.constellation = ConstellationOf(cell.date);
    }
    grid.days.push_back(std::move(cell));
  }
  return grid;
}

SolarDate ClampedDate(int year, int month, int day) {
  return SolarDate{year, month, std::min(day, DaysInSolarMonth(year, month))};
}

}  // namespace zorvan

#pragma once

#include <string>
#include <string_view>

#include "calendar/CalendarTypes.h"

namespace zorvan {

// The date and time formats the program writes and reads everywhere. They are
// fixed at start-up and held here, in one place.
struct DateFormats {
  std::string longDate = "yyyy'年'M'月'd'日'";
  std::string shortDate = "yyyy-MM-dd";
  std::string timeFormat = "H:mm:ss";
  std::string dateSeparator = "-";
  std::string timeSeparator = ":";
};

const DateFormats& ProgramDateFormats();

// True for a real Gregorian calendar day, years 1 to 9999.
bool IsValidSolarDate(int year, int month, int day);

// "2023-03-05" (GBK/ASCII).
std::string FormatShortDate(const SolarDate& date);

// "2023年3月5日" as GBK bytes.
std::string FormatLongDate(const SolarDate& date);

// Reads a short date: year, month and day separated by the date separator, month
// and day with or without a leading zero, blanks around the text ignored.
// Throws ConversionError "'%s' is not a valid date".
SolarDate ParseShortDate(std::string_view text);
bool TryParseShortDate(std::string_view text, SolarDate& date);

}  // namespace zorvan

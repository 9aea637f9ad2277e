#include "text/DateText.h"

#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {

const DateFormats& ProgramDateFormats() {
  static const DateFormats formats;
  return formats;
}

bool IsValidSolarDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  int length = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= length;
}

std::string FormatShortDate(const SolarDate& date) {
  const std::string& sep = ProgramDateFormats().dateSeparator;
  return Format("%04d", date.year) + sep + Format("%02d", date.month) + sep +
         Format("%02d", date.day);
}

std::string FormatLongDate(const SolarDate& date) {
  return Format("%04d", date.year) + Gbk("年") + std::to_string(date.month) + Gbk("月") +
         std::to_string(date.day) + Gbk("日");
}

bool TryParseShortDate(std::string_view text, SolarDate& date) {
  std::string trimmed = Trim(text);
  const std::string& sep = ProgramDateFormats().dateSeparator;
  size_t first = trimmed.find(sep);
  if (first == std::string::npos) return false;
  size_t second = trimmed.find(sep, first + sep.size());
  if (second == std::string::npos) return false;
  std::string_view all = trimmed;
  auto part = [&](size_t from, size_t to, int& out) {
    std::string_view digits = all.substr(from, to - from);
    if (digits.empty() || digits.size() > 4) return false;
    for (char c : digits) {
      if (c < '0' || c > '9') return false;
    }
    out = std::stoi(std::string(digits));
    return true;
  };
  SolarDate parsed;
  if (!part(0, first, parsed.year) || !part(first + sep.size(), second, parsed.month) ||
      !part(second + sep.size(), all.size(), parsed.day)) {
    return false;
  }
  if (!IsValidSolarDate(parsed.year, parsed.month, parsed.day)) return false;
  date = parsed;
  return true;
}

SolarDate ParseShortDate(std::string_view text) {
  SolarDate date;
  if (!TryParseShortDate(text, date)) {
    throw ConversionError("'" + std::string(text) + "' is not a valid date");
  }
  return date;
}

}  // namespace zorvan

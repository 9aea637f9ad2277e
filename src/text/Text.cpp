#include "text/Text.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zorvan {

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string BytesAt(std::string_view text, size_t first, size_t count) {
  if (first == 0) first = 1;
  if (first > text.size()) return {};
  return std::string(text.substr(first - 1, count));
}

size_t BytePos(std::string_view needle, std::string_view text) {
  size_t at = text.find(needle);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::string FormatDecimal(double value) {
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  if (text.find('e') == std::string::npos) return text;
  // Large or tiny magnitudes: write them out without an exponent.
  std::snprintf(buffer, sizeof buffer, "%.15f", value);
  text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

bool IsDecimalInteger(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

bool TryStrToInt(std::string_view text, int& value) {
  std::string trimmed = Trim(text);
  if (!IsDecimalInteger(trimmed)) return false;
  errno = 0;
  long long parsed = std::strtoll(trimmed.c_str(), nullptr, 10);
  if (errno == ERANGE || parsed < std::numeric_limits<int>::min() ||
      parsed > std::numeric_limits<int>::max()) {
    return false;
  }
  value = static_cast<int>(parsed);
  return true;
}

int StrToInt(std::string_view text) {
  int value = 0;
  if (!TryStrToInt(text, value)) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
  }
  return value;
}

std::string QuotedSql(std::string_view text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  quoted += '\'';
  return quoted;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

}  // namespace zorvan

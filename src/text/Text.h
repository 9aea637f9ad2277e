#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvan {

// A text that does not convert to the number or date asked for. The message is
// the one the user sees, e.g. "'abc' is not a valid integer value".
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Removes leading and trailing blanks and control characters (every byte up to 0x20).
std::string Trim(std::string_view text);

// The bytes from 1-based position `first`, at most `count` of them; empty when
// `first` lies past the end. Positions count GBK bytes, two per Chinese character.
std::string BytesAt(std::string_view text, size_t first, size_t count);

// 1-based byte position of the first occurrence of `needle`, or 0.
size_t BytePos(std::string_view needle, std::string_view text);

// Shortest plain decimal form with at most 15 significant digits: 86.5, 100, -1.
std::string FormatDecimal(double value);

// Decimal integer with optional sign and surrounding blanks; throws ConversionError.
int StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int& value);

// True when the text is an optional sign followed by decimal digits only.
bool IsDecimalInteger(std::string_view text);

// A single quote-delimited SQL string literal with inner quotes doubled.
std::string QuotedSql(std::string_view text);

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace zorvan

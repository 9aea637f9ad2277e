#pragma once

#include <string>
#include <string_view>

namespace zorvan {

// Conversions between the GBK bytes the logic works on and UTF-8, the encoding of
// source literals, widgets, the terminal and the databases.

// Converts UTF-8 to GBK. Characters GBK cannot hold become '?'; malformed UTF-8
// bytes are dropped. Never throws.
std::string Utf8ToGbk(std::string_view utf8);

// Converts GBK to UTF-8. A byte that does not start a valid GBK character (for
// example half a character at the end of a text) becomes U+FFFD. Never throws.
std::string GbkToUtf8(std::string_view gbk);

// Shorthand for GBK text written as a UTF-8 literal in the source: Gbk("王").
inline std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }

// True when the GBK text decodes completely (no stray lead or trail byte).
bool IsWellFormedGbk(std::string_view gbk);

}  // namespace zorvan

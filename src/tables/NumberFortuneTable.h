#pragma once

#include <array>
#include <string_view>

namespace zorvan {

// The built-in table of the 81 number fortunes, index 0 to 80 (the number modulo
// 81). UTF-8 texts; NumberFortuneText hands them out as GBK.
struct NumberFortuneEntry {
  std::string_view verse;    // four phrases separated by "，"
  std::string_view fortune;  // 吉, 凶, 吉带凶 or 凶带吉
  int personality;           // 1 to 9, see PersonalityTypeName
};

const std::array<NumberFortuneEntry, 81>& NumberFortuneEntries();

// The nine personality types: the name in brackets and its description.
std::string_view PersonalityTypeName(int type);
std::string_view PersonalityTypeDescription(int type);

}  // namespace zorvan

#pragma once

#include <string>
#include <string_view>

#include "numerology/Grids.h"

namespace zorvan {

// The built-in fortune entry of a number given as decimal text: verse, fortune
// word and personality paragraph joined by "|" (GBK). The number is reduced
// modulo 81 keeping its sign; a negative remainder gives the apology text. Throws
// ConversionError when the text is not a signed 64-bit decimal integer.
std::string NumberFortuneText(std::string_view decimalText);

// Points a grid number earns in the name score, by the class the number belongs
// to and the grid kind; 0 for numbers in no class.
double NumberClassPoints(int number, GridKind kind);
double NumberClassPoints(int number, int kind);

// Columns of the `81` table of VelFile.dll.
enum class NumberField { Title = 0, Fortune = 1, Hint = 2, Content = 3 };

// The column `field` (0 yy, 1 jx, 2 as, 3 content) of the `81` row of `number`,
// as stored (GBK, not trimmed); " " when there is no row, "" for another
// selector. A data-access error throws SilentAbort.
std::string NumberTableField(int number, int field);
inline std::string NumberTableField(int number, NumberField field) {
  return NumberTableField(number, static_cast<int>(field));
}

}  // namespace zorvan

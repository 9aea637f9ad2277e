#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "naming/NamingInputs.h"

namespace zorvan {

// The element filter: `elements` in the order 金 木 水 火 土. Two to four
// checked give " and ( ... ) ", one gives " and wuhang = '金' ", none or all
// five give "".
std::string ElementClause(const std::array<bool, 5>& elements);
std::array<bool, 5> CheckedElements(const NamingInputs& inputs);

// The sex filter: with `loose` ("单字名" or a fixed character) characters for
// both sexes ("0") count as well.
std::string SexClause(bool loose, int CBsex);

// One combination entry taken apart: the given name's stroke counts (B2 is 0
// for a one-character name) and the score suffix such as "(85分)".
struct ComboEntry {
  int b1 = 0;
  int b2 = 0;
  std::string suffix;
};
// Throws ConversionError for an entry whose counts are not numbers.
ComboEntry ParseComboEntry(std::string_view entry, bool twoCharacterName);

// Where a fixed character stands, and the character itself (GBK).
struct FixedCharacter {
  enum class Position { None, Second, Third };
  Position position = Position::None;
  std::string text;
};
FixedCharacter FixedCharacterOf(const NamingInputs& inputs);

// The statement for one picked combination. `clause` is the element and sex
// clause, `surname` the trimmed surname (quoted here).
std::string SingleCombinationSql(std::string_view surname, std::string_view clause,
                                 const ComboEntry& entry, const FixedCharacter& fixed);

// The statement for every combination entry (the list's items after "电脑全自动"),
// or "" when there is none. Throws ConversionError for an entry that does not parse.
std::string AllCombinationsSql(std::string_view surname, std::string_view clause,
                               const std::vector<std::string>& entries, bool twoCharacterName,
                               const FixedCharacter& fixed);

// The whole candidate statement the window's fields ask for.
struct CandidateStatement {
  bool singleCombination = false;
  std::string sql;  // empty: nothing to read
};
CandidateStatement BuildCandidateStatement(const NamingInputs& inputs);

// The order in which the rows of a result of `rowCount` rows are handed over
// (row numbers from 1), nine-way interleaved: rows h, h+g, ..., h+8g for each
// h up to g = rowCount / 9, then the remaining rows in order. `stopTest` marks
// the steps after which a run checks whether it was stopped.
struct ReadingStep {
  int row = 0;
  bool stopTest = false;
};
std::vector<ReadingStep> ReadingOrder(int rowCount);

}  // namespace zorvan

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "naming/NamingInputs.h"

namespace zorvan {

class ReferenceStore;

// The first item of the combination list: build names for every combination.
std::string AutoCombinationItem();  // "电脑全自动" in GBK

// Lookups of one character in `word`. The character is quoted, so a quote in
// it finds nothing instead of breaking the statement.
std::string WordStrokesSql(std::string_view character);
std::string WordElementSql(std::string_view character);
// Stroke count of the first matching row, 0 when there is none.
int WordStrokes(ReferenceStore& lookup, std::string_view character);
// Element of the first matching row, "" when there is none.
std::string WordElement(ReferenceStore& lookup, std::string_view character);

// A trimmed surname: one character when exactly 2 bytes long, otherwise its
// bytes 1-2 and 3-4 (a longer surname is looked up by its first two characters).
struct SurnameCharacters {
  bool single = true;
  std::string first;
  std::string second;
};
SurnameCharacters SplitSurname(std::string_view trimmedSurname);

// The name-form code: 11, 12 (one-character surname) or 21, 22, the second
// digit 1 for "单字名" and 2 for "双字名".
int NameFormCode(bool singleSurname, int CBXingshi);

// Everything the combination query depends on, already looked up.
struct CombinationQuery {
  int code = 12;
  int s1 = 0;  // surname strokes
  int s2 = 0;
  int fixedSecond = 0;  // strokes a fixed second / third character demands
  int fixedThird = 0;
  int CBsex = 0;
  bool looseSex = false;  // "单字名" or a fixed character: characters for both sexes count
  std::optional<int> floor;
};
std::string CombinationSql(const CombinationQuery& query);

// One list entry such as 7|10-11(85分) (GBK).
std::string CombinationEntry(int code, int s1, int s2, std::string_view bh21, std::string_view bh22,
                             std::string_view zf);

// The refilled combination list: "电脑全自动" then one entry per row, the first
// selected; `code` is the name-form code the window holds until the next refresh.
struct CombinationList {
  int code = 0;
  std::vector<std::string> items;
  int selected = 0;
};

// Recomputes the list for the window's fields; call it only with a surname
// that is not empty after trimming. Throws DataError for a failing query and
// ConversionError for a floor that is not an integer; the window then keeps
// the list it had.
CombinationList RefreshCombinations(ReferenceStore& lookup, const NamingInputs& inputs);

}  // namespace zorvan

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numerology/Grids.h"

namespace zorvan {

// The element of a grid number by its last digit (GBK 金 木 水 火 土); empty for a
// negative number.
std::string DigitElement(int number);

// The three-talent string: the elements of heaven, person and earth, in that order.
std::string ThreeTalentElements(const FiveGrids& grids);

// Points of a three-talent string by its `sancai` grade (1 gives 20 down to 7
// gives 12); -1 without a row or for another grade. A data-access error throws
// SilentAbort.
double ThreeTalentPoints(std::string_view threeTalents);

// The reading of a three-talent string from `sancai2009`, every text trimmed.
struct ThreeTalentReadingTexts {
  std::string yy;   // the general reading
  std::string jcy;  // effect on the foundation
  std::string jx1;
  std::string cgy;  // effect on success
  std::string jx2;
  std::string rjgx;  // effect on relations with others
  std::string jx3;
  std::string xg;  // effect on character
};

// Nothing when no row matches. A data-access error is not caught (DataError).
std::optional<ThreeTalentReadingTexts> ThreeTalentReading(std::string_view threeTalents);

// The overall name score: the class points of the five grids plus the
// three-talent points, not clamped (a multiple of 0.5 from -1 to 100).
double NameScore(const FiveGrids& grids);

// The verdict band of a score: 1 from 90, 2 from 80, 3 from 70, 4 from 60, else 5.
int ScoreBand(double score);

}  // namespace zorvan

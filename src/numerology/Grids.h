#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvan {

// The five grids of a name, in the program's own numbering.
enum class GridKind { Heaven = 0, Earth = 1, Person = 2, Total = 3, Outer = 4 };

// The grid numbers of one name.
struct FiveGrids {
  std::int32_t heaven = 0;
  std::int32_t earth = 0;
  std::int32_t person = 0;
  std::int32_t total = 0;
  std::int32_t outer = 0;

  std::int32_t Of(GridKind kind) const;
  bool operator==(const FiveGrids&) const = default;
};

// The stroke count of one character (or of the whole text as one unit) from the
// `bihua` table of VelFile.dll; 0 when no row contains it. A data-access error or
// a count that is not a whole number throws SilentAbort.
int StrokeCount(std::string_view gbkText);

// One grid of the name (GBK surname and given name), looking up only the strokes
// that grid needs. A part of at most two bytes counts as one character.
std::int32_t GridNumber(std::string_view surname, std::string_view given, GridKind kind);

// All five grids, one GridNumber per kind.
FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given);

// The five grids from stroke counts already known (one or two counts per part),
// without any lookup. Throws std::invalid_argument for other sizes.
FiveGrids FiveGridsFromStrokes(const std::vector<int>& surnameCounts,
                               const std::vector<int>& givenCounts);

}  // namespace zorvan

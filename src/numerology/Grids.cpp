#include "numerology/Grids.h"

#include <stdexcept>

#include "data/ReferenceStore.h"
#include "text/Text.h"

namespace zorvan {

namespace {

// One grid from the counts of its characters: a part of one character has one
// count, a part of two characters has two (the second may stand for the rest of
// the part, as Total looks it up).
std::int32_t GridFromCounts(GridKind kind, const std::vector<int>& s, const std::vector<int>& g) {
  switch (kind) {
    case GridKind::Heaven:
      return s.size() == 1 ? s[0] + 1 : s[0] + s[1];
    case GridKind::Earth:
      return g.size() == 1 ? g[0] + 1 : g[0] + g[1];
    case GridKind::Person:
      return (s.size() == 1 ? s[0] : s[1]) + g[0];
    case GridKind::Total:
      return (s.size() == 1 ? s[0] : s[0] + s[1]) + (g.size() == 1 ? g[0] : g[0] + g[1]);
    case GridKind::Outer:
      if (s.size() == 1 && g.size() == 1) return 2;
      return GridFromCounts(GridKind::Total, s, g) - GridFromCounts(GridKind::Person, s, g) + 1;
  }
  return 0;
}

bool IsOneCharacter(std::string_view part) { return part.size() <= 2; }

// Counts of a part for Heaven and Person: the whole part, or bytes 1-2 and 3-4.
std::vector<int> LeadingCounts(std::string_view part) {
  if (IsOneCharacter(part)) return {StrokeCount(part)};
  return {StrokeCount(BytesAt(part, 1, 2)), StrokeCount(BytesAt(part, 3, 2))};
}

// Counts of a part for Total: the whole part, or bytes 1-2 and the rest (3-6).
std::vector<int> TotalCounts(std::string_view part) {
  if (IsOneCharacter(part)) return {StrokeCount(part)};
  return {StrokeCount(BytesAt(part, 1, 2)), StrokeCount(BytesAt(part, 3, 4))};
}

// Counts of the first given-name character only (Person needs no more).
std::vector<int> FirstCount(std::string_view part) {
  return {StrokeCount(IsOneCharacter(part) ? std::string(part) : BytesAt(part, 1, 2))};
}

}  // namespace

std::int32_t FiveGrids::Of(GridKind kind) const {
  switch (kind) {
    case GridKind::Heaven:
      return heaven;
    case GridKind::Earth:
      return earth;
    case GridKind::Person:
      return person;
    case GridKind::Total:
      return total;
    case GridKind::Outer:
      return outer;
  }
  return 0;
}

int StrokeCount(std::string_view gbkText) {
  std::string num;
  try {
    ReferenceStore store(ConnectionStringFor(kNumerologyDb));
    store.Open("Select num from bihua where hanzi like " +
               QuotedSql("%" + std::string(gbkText) + "%"));
    if (store.IsEmpty()) return 0;
    num = store.FieldText(0);
  } catch (const DataError&) {
    throw SilentAbort();
  }
  int count = 0;
  if (!TryStrToInt(num, count)) throw SilentAbort();
  return count;
}

std::int32_t GridNumber(std::string_view surname, std::string_view given, GridKind kind) {
  switch (kind) {
    case GridKind::Heaven:
      return GridFromCounts(kind, LeadingCounts(surname), {0});
    case GridKind::Earth:
      return GridFromCounts(kind, {0}, LeadingCounts(given));
    case GridKind::Person: {
      // Only the last surname character and the first given-name character count.
      std::vector<int> s = IsOneCharacter(surname)
                               ? std::vector<int>{StrokeCount(surname)}
                               : std::vector<int>{0, StrokeCount(BytesAt(surname, 3, 2))};
      return GridFromCounts(kind, s, FirstCount(given));
    }
    case GridKind::Total: {
      std::vector<int> s = TotalCounts(surname);
      return GridFromCounts(kind, s, TotalCounts(given));
    }
    case GridKind::Outer:
      if (surname.size() == 2 && given.size() == 2) return 2;
      return GridNumber(surname, given, GridKind::Total) -
             GridNumber(surname, given, GridKind::Person) + 1;
  }
  return 0;
}

FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given) {
  FiveGrids grids;
  grids.heaven = GridNumber(surname, given, GridKind::Heaven);
  grids.earth = GridNumber(surname, given, GridKind::Earth);
  grids.person = GridNumber(surname, given, GridKind::Person);
  grids.total = GridNumber(surname, given, GridKind::Total);
  grids.outer = GridNumber(surname, given, GridKind::Outer);
  return grids;
}

FiveGrids FiveGridsFromStrokes(const std::vector<int>& surnameCounts,
                               const std::vector<int>& givenCounts) {
  auto fits = [](const std::vector<int>& counts) {
    return counts.size() == 1 || counts.size() == 2;
  };
  if (!fits(surnameCounts) || !fits(givenCounts)) {
    throw std::invalid_argument("a name part has one or two characters");
  }
  FiveGrids grids;
  grids.heaven = GridFromCounts(GridKind::Heaven, surnameCounts, givenCounts);
  grids.earth = GridFromCounts(GridKind::Earth, surnameCounts, givenCounts);
  grids.person = GridFromCounts(GridKind::Person, surnameCounts, givenCounts);
  grids.total = GridFromCounts(GridKind::Total, surnameCounts, givenCounts);
  grids.outer = GridFromCounts(GridKind::Outer, surnameCounts, givenCounts);
  return grids;
}

}  // namespace zorvan

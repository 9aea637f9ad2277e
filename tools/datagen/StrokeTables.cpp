#include <algorithm>
#include <map>
#include <vector>

#include "CharacterData.h"
#include "DbWriter.h"

namespace zorvan::datagen {

namespace {
// Characters per bihua row: a lookup matches the whole row text, so rows stay
// short, and a count with many characters gets several rows.
constexpr size_t kCharactersPerRow = 80;
}  // namespace

// Stroke counts of every character a name may hold: the rows are ordered by
// count, each row lists characters of one count in code point order, and each
// character stands in exactly one row.
void AddStrokeTable(DbWriter& db, const Sources& sources) {
  const CharacterData& data = CharacterData::For(sources);
  std::map<int, std::vector<char32_t>> byCount;
  for (const auto& [c, count] : data.Strokes()) byCount[count].push_back(c);
  std::vector<std::vector<std::string>> rows;
  for (auto& [count, characters] : byCount) {
    std::sort(characters.begin(), characters.end());
    for (size_t first = 0; first < characters.size(); first += kCharactersPerRow) {
      std::string hanzi;
      size_t last = std::min(characters.size(), first + kCharactersPerRow);
      for (size_t i = first; i < last; ++i) hanzi += Utf8Of(characters[i]);
      rows.push_back({hanzi, std::to_string(count)});
    }
  }
  db.Insert("bihua", {"hanzi", "num"}, rows);
}

}  // namespace zorvan::datagen

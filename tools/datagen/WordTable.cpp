#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "CharacterData.h"
#include "DbWriter.h"

namespace zorvan::datagen {
namespace {

const std::set<std::string> kElements = {"金", "木", "水", "火", "土"};

size_t Column(const Table& table, const std::string& name, const std::string& file) {
  for (size_t i = 0; i < table.columns.size(); ++i) {
    if (table.columns[i] == name) return i;
  }
  throw std::runtime_error(file + ": no column " + name);
}

// Radicals that carry an element, counted on the traditional form.
std::string RadicalElement(int radical) {
  switch (radical) {
    case 167:  // 金
      return "金";
    case 75:   // 木
    case 115:  // 禾
    case 118:  // 竹
    case 140:  // 艸
      return "木";
    case 15:   // 冫
    case 85:   // 水
    case 173:  // 雨
      return "水";
    case 72:  // 日
    case 86:  // 火
      return "火";
    case 32:   // 土
    case 46:   // 山
    case 102:  // 田
    case 112:  // 石
      return "土";
    default:
      return "";
  }
}

// The element of a reading by its initial, after the five tones of the old
// phonology: lips 水, tip of the tongue 火, back of the tongue 木, throat and
// no initial 土, teeth 金.
std::string ReadingElement(const std::string& reading) {
  if (reading.empty()) return "土";
  auto first = static_cast<unsigned char>(reading[0]);
  if (first >= 0x80) return "土";  // a vowel with a tone mark
  switch (first) {
    case 'b':
    case 'p':
    case 'm':
    case 'f':
      return "水";
    case 'd':
    case 't':
    case 'n':
    case 'l':
      return "火";
    case 'g':
    case 'k':
      return "木";
    case 'j':
    case 'q':
    case 'x':
    case 'z':
    case 'c':
    case 's':
    case 'r':
      return "金";
    default:  // h, y, w and the vowels
      return "土";
  }
}

// One character per cell, or several characters in one cell.
std::vector<char32_t> CharactersOf(const std::string& cell) {
  std::vector<char32_t> out;
  for (const auto& c : Utf8Characters(cell)) {
    if (c != " ") out.push_back(CodePointOf(c));
  }
  return out;
}

}  // namespace

// The characters offered for names: level 1 of the standard list less the
// reviewed exclusions, the reviewed name characters (which may come from level
// 2) and every character of the common surnames. A surname character that is
// not offered for given names gets the sex mark "姓", an excluded level 1
// character the mark "忌"; no sex clause of a naming run matches either.
void AddWordTable(DbWriter& db, const Sources& sources) {
  const CharacterData& data = CharacterData::For(sources);
  const Unihan& unihan = data.unihan();

  std::map<char32_t, std::string> excluded;
  const std::string exclusionFile = "exclusions.tsv";
  Table exclusions = ReadCharsFile(sources, exclusionFile);
  size_t column = Column(exclusions, "zi", exclusionFile);
  size_t category = Column(exclusions, "lb", exclusionFile);
  for (const auto& row : exclusions.rows) {
    if (row[category].empty())
      throw std::runtime_error(exclusionFile + ": no category: " + row[column]);
    for (char32_t c : CharactersOf(row[column])) excluded.emplace(c, row[category]);
  }

  std::map<char32_t, std::string> sexOf;
  const std::string nameFile = "names.tsv";
  Table names = ReadCharsFile(sources, nameFile);
  column = Column(names, "zi", nameFile);
  size_t sex = Column(names, "xb", nameFile);
  for (const auto& row : names.rows) {
    if (row[sex] != "男" && row[sex] != "女" && row[sex] != "男女" && row[sex] != "0") {
      throw std::runtime_error(nameFile + ": unknown sex " + row[sex]);
    }
    for (char32_t c : CharactersOf(row[column])) {
      if (!sexOf.emplace(c, row[sex]).second) {
        throw std::runtime_error(nameFile + ": listed twice: " + Utf8Of(c));
      }
      if (excluded.contains(c)) throw std::runtime_error(nameFile + ": excluded: " + Utf8Of(c));
      if (data.StrokesOf(c) == 0) {
        throw std::runtime_error(nameFile + ": outside the stroke table: " + Utf8Of(c));
      }
    }
  }

  std::map<char32_t, std::string> elementExceptions;
  const std::string elementFile = "wuhang_exceptions.tsv";
  Table elements = ReadCharsFile(sources, elementFile);
  column = Column(elements, "zi", elementFile);
  size_t element = Column(elements, "wuhang", elementFile);
  for (const auto& row : elements.rows) {
    if (!kElements.contains(row[element])) {
      throw std::runtime_error(elementFile + ": not an element: " + row[element]);
    }
    for (char32_t c : CharactersOf(row[column])) elementExceptions[c] = row[element];
  }

  // Our favoured name characters, most favoured first.
  std::map<char32_t, int> favouredRank;
  const std::string favouredFile = "favoured.tsv";
  Table favoured = ReadCharsFile(sources, favouredFile);
  column = Column(favoured, "zi", favouredFile);
  size_t rankColumn = Column(favoured, "rank", favouredFile);
  for (const auto& row : favoured.rows) {
    for (char32_t c : CharactersOf(row[column])) {
      if (!sexOf.contains(c)) {
        throw std::runtime_error(favouredFile + ": not a name character: " + Utf8Of(c));
      }
      if (!favouredRank.emplace(c, std::stoi(row[rankColumn])).second) {
        throw std::runtime_error(favouredFile + ": listed twice: " + Utf8Of(c));
      }
    }
  }

  // Tier 0: our name characters; 1: other level 1 characters; 2: surnames only;
  // 3: excluded level 1 characters, kept only so that their strokes and element
  // are still found when a parent types one.
  std::map<char32_t, int> tier;
  for (const auto& [c, mark] : sexOf) tier.emplace(c, 0);
  for (char32_t c : data.Standard()) {
    if (data.StandardNumber(c) <= 3500 && !excluded.contains(c)) tier.emplace(c, 1);
  }
  for (const auto& surname : data.Surnames()) {
    for (char32_t c : CharactersOf(surname)) tier.emplace(c, 2);
  }
  for (char32_t c : data.Standard()) {
    if (data.StandardNumber(c) <= 3500) tier.emplace(c, 3);
  }

  // Within a tier: the favoured characters by their rank, then Unihan's
  // frequency class (1 most common), then the place in the standard list.
  auto key = [&](char32_t c) {
    auto rank = favouredRank.find(c);
    const std::string& frequency = unihan.Field(c, "kFrequency");
    int number = data.StandardNumber(c);
    return std::make_tuple(tier.at(c), rank == favouredRank.end() ? 99999 : rank->second,
                           frequency.empty() ? 9 : std::stoi(frequency),
                           number == 0 ? 99999 : number, c);
  };
  std::vector<char32_t> order;
  for (const auto& entry : tier) order.push_back(entry.first);
  std::sort(order.begin(), order.end(), [&](char32_t a, char32_t b) { return key(a) < key(b); });

  // A character common for both sexes ("男女") gets a row for each, so that a
  // two-character name of either sex may take it while every sex clause still
  // meets it once.
  // "姓" and "忌" match no sex clause: such a character never enters a name.
  const std::string kMarks[] = {"", "0", "姓", "忌"};
  std::vector<std::vector<std::string>> rows;
  int id = 0;
  int px = 0;
  for (char32_t c : order) {
    ++px;
    std::string mark = tier.at(c) == 0 ? sexOf.at(c) : kMarks[tier.at(c)];
    std::string wuhang;
    if (auto found = elementExceptions.find(c); found != elementExceptions.end()) {
      wuhang = found->second;
    } else {
      wuhang = RadicalElement(data.RadicalOf(c));
      if (wuhang.empty()) {
        const std::string& reading = unihan.Field(c, "kMandarin");
        wuhang = ReadingElement(reading.substr(0, reading.find(' ')));
      }
    }
    std::vector<std::string> sexes = {mark};
    if (mark == "男女") sexes = {"男", "女"};
    for (const auto& xb : sexes) {
      rows.push_back({std::to_string(++id), Utf8Of(c), Utf8Of(data.StoredTraditional(c)),
                      std::to_string(data.StrokesOf(c)), wuhang, std::to_string(px), xb});
    }
  }
  db.Insert("word", {"id", "zi", "ft", "bh", "wuhang", "px", "xb"}, rows);
}

}  // namespace zorvan::datagen

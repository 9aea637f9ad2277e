// Checks the generated character tables: bihua in VelFile.dll and word in
// Zorvan.dll, read through the same data layer and SQL texts the program uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestConfig.h"
#include "data/ReferenceStore.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

std::string Connection(std::string_view file) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + std::string(ZORVAN_BIN_DIR) + "/" +
         std::string(file) + ";Persist Security Info=True";
}

// All rows of a query as UTF-8 texts.
std::vector<std::vector<std::string>> Rows(std::string_view file, const std::string& utf8Sql) {
  ReferenceStore store(Connection(file));
  store.Open(Utf8ToGbk(utf8Sql));
  std::vector<std::vector<std::string>> rows;
  for (store.First(); !store.Eof(); store.Next()) {
    std::vector<std::string> row;
    for (int i = 0; i < store.FieldCount(); ++i) row.push_back(GbkToUtf8(store.FieldText(i)));
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> Characters(const std::string& utf8) {
  std::vector<std::string> out;
  for (size_t i = 0; i < utf8.size();) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    out.push_back(utf8.substr(i, n));
    i += n;
  }
  return out;
}

// The stroke lookup as the name analysis runs it: the first row containing the
// character decides, 0 when none does.
int BihuaStrokes(const std::string& utf8) {
  ReferenceStore store(Connection(kNumerologyDb));
  store.Open(Utf8ToGbk("Select num from bihua where hanzi like ") +
             QuotedSql("%" + Utf8ToGbk(utf8) + "%"));
  return store.IsEmpty() ? 0 : StrToInt(store.FieldText(0));
}

// Every character of the stroke table with its count; fails on a character
// listed twice.
const std::map<std::string, int>& BihuaTable() {
  static const std::map<std::string, int> table = [] {
    std::map<std::string, int> characters;
    for (const auto& row : Rows(kNumerologyDb, "select hanzi, num from bihua")) {
      for (const auto& c : Characters(row[0])) {
        EXPECT_TRUE(characters.emplace(c, std::stoi(row[1])).second) << c << " stands twice";
      }
    }
    return characters;
  }();
  return table;
}

// Levels 1 and 2 of the 2013 standard list (the first `last` characters), read
// from Unihan.
std::vector<std::string> StandardLevels12(int last = 6500) {
  std::vector<std::string> out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(
      popen("bzcat /usr/share/unicode/Unihan_OtherMappings.txt.bz2 2>/dev/null", "r"), &pclose);
  if (!pipe) return out;
  char line[512];
  while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
    std::string text(line);
    size_t tab = text.find("\tkTGH\t");
    if (tab == std::string::npos || text.compare(0, 2, "U+") != 0) continue;
    size_t at = text.find("2013:", tab);
    if (at == std::string::npos || std::stoi(text.substr(at + 5)) > last) continue;
    auto cp = static_cast<char32_t>(std::stoul(text.substr(2, tab - 2), nullptr, 16));
    std::string utf8;
    if (cp < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (cp >> 12));
      utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (cp >> 18));
      utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    }
    out.push_back(utf8);
  }
  return out;
}

bool InGbk(const std::string& utf8) {
  std::string gbk = Utf8ToGbk(utf8);
  return gbk.size() == 2 && GbkToUtf8(gbk) == utf8;
}

TEST(Bihua, HoldsEveryStandardCharacterThatGbkHoldsExactlyOnce) {
  std::vector<std::string> standard = StandardLevels12();
  if (standard.empty()) GTEST_SKIP() << "Unihan is not installed";
  ASSERT_EQ(standard.size(), 6500u);
  const auto& table = BihuaTable();
  int missingFromGbk = 0;
  for (const auto& c : standard) {
    if (!InGbk(c)) {
      ++missingFromGbk;
      continue;
    }
    auto found = table.find(c);
    ASSERT_NE(found, table.end()) << c;
    EXPECT_GT(found->second, 0) << c;
  }
  EXPECT_EQ(missingFromGbk, 11);
}

TEST(Bihua, KnownNameCountsThroughTheLookup) {
  // Kangxi counts of the traditional form, radicals in full, numerals by value;
  // the simplified form carries the count of its traditional form, a surname
  // form its own (范 11), and another traditional candidate its own (範 15).
  const struct {
    const char* characters;
    int strokes;
  } kCases[] = {
      {"一", 1},
      {"二", 2},
      {"三子于", 3},
      {"四王", 4},
      {"五", 5},
      {"六宇后朴", 6},
      {"七李吴吳江余", 7},
      {"八周林明雨欣朋於", 8},
      {"九河思怡建後", 9},
      {"十徐孙孫轩軒玲党", 10},
      {"张張晨浩梓胡祥范", 11},
      {"黄黃涵杰", 12},
      {"杨楊诗詩裕郁", 13},
      {"赵趙华華", 14},
      {"刘劉欧歐郭万叶範", 15},
      {"陈陳道", 16},
      {"阳陽", 17},
      {"魏", 18},
  };
  for (const auto& row : kCases) {
    for (const auto& c : Characters(row.characters)) {
      EXPECT_EQ(BihuaStrokes(c), row.strokes) << c;
    }
  }
}

TEST(Bihua, UnknownCharacterCountsZero) {
  EXPECT_EQ(BihuaStrokes("A"), 0);
  EXPECT_EQ(BihuaStrokes("龘"), 0);  // outside the standard list
}

TEST(Bihua, SurnamesAndTheirTraditionalFormsAreCounted) {
  const auto& table = BihuaTable();
  for (const auto& row : Rows(kNamingDb, "select zi, ft, bh from word")) {
    auto zi = table.find(row[0]);
    ASSERT_NE(zi, table.end()) << row[0];
    EXPECT_EQ(std::to_string(zi->second), row[2]) << row[0];
    auto ft = table.find(row[1]);
    ASSERT_NE(ft, table.end()) << row[1];
    EXPECT_EQ(ft->second, zi->second) << row[0] << row[1];
  }
}

// The main window's stroke lookup on word (the character put in unquoted).
int WordStrokes(const std::string& utf8) {
  ReferenceStore store(Connection(kNamingDb));
  store.Open(Utf8ToGbk("select bh from word where zi = '" + utf8 + "' or ft = '" + utf8 + "' "));
  return store.IsEmpty() ? 0 : StrToInt(store.FieldText(0));
}

// The characters of a data/chars file column, one category or mark per line.
std::vector<std::pair<std::string, std::string>> CharsFile(const std::string& name,
                                                           size_t charColumn, size_t tagColumn) {
  std::vector<std::pair<std::string, std::string>> out;
  std::ifstream in(std::string(ZORVAN_SOURCE_DIR) + "/data/chars/" + name);
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (header) {
      header = false;
      continue;
    }
    std::vector<std::string> cells;
    for (size_t start = 0;;) {
      size_t tab = line.find('\t', start);
      cells.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    for (const auto& c : Characters(cells.at(charColumn))) out.emplace_back(c, cells.at(tagColumn));
  }
  return out;
}

// The sex marks of each character of word (two for a character of both sexes).
std::map<std::string, std::set<std::string>> SexesOfCharacters() {
  std::map<std::string, std::set<std::string>> sexOf;
  for (const auto& row : Rows(kNamingDb, "select zi, xb from word")) sexOf[row[0]].insert(row[1]);
  return sexOf;
}

TEST(Word, LookupGivesOneCountAndElementWhateverFormIsTyped) {
  const struct {
    const char* character;
    int strokes;
  } kCases[] = {
      {"张", 11}, {"張", 11}, {"王", 4},  {"刘", 15}, {"劉", 15}, {"欧", 15}, {"阳", 17},
      {"范", 11}, {"余", 7},  {"郁", 13}, {"于", 3},  {"叶", 15}, {"葉", 15}, {"司", 5},
  };
  for (const auto& row : kCases)
    EXPECT_EQ(WordStrokes(row.character), row.strokes) << row.character;
  EXPECT_EQ(WordStrokes("龘"), 0);
  // Every zi or ft a lookup may meet gives one count and one element,
  // whichever row comes first.
  std::map<std::string, std::set<std::string>> found;
  for (const auto& row : Rows(kNamingDb, "select zi, ft, bh, wuhang from word")) {
    for (const auto& key : {row[0], row[1]}) found[key].insert(row[2] + row[3]);
  }
  for (const auto& [c, values] : found) EXPECT_EQ(values.size(), 1u) << c;
}

TEST(Word, EnoughCharactersOfEachSexForEveryCount) {
  auto rows = Rows(kNamingDb, "select count(*), count(distinct zi) from word");
  EXPECT_GE(std::stoi(rows[0][1]), 2500);
  for (int bh = 3; bh <= 20; ++bh) {
    for (const char* sex : {"男", "女"}) {
      // The two-character form's clause: exactly the chosen sex.
      auto names = Rows(kNamingDb, "select zi from word where 1 = 1  and xb = '" +
                                       std::string(sex) + "'  and bh = " + std::to_string(bh));
      EXPECT_GE(names.size(), 15u) << bh << sex;
    }
  }
}

TEST(Word, EverySexClauseMeetsACharacterAtMostOnce) {
  for (const char* clause : {" and xb = '男' ", " and xb = '女' ", " and (xb = '男' or xb = '0') ",
                             " and (xb = '女' or xb = '0') "}) {
    std::set<std::string> seen;
    for (const auto& row :
         Rows(kNamingDb, "select zi from word where 1 = 1 " + std::string(clause))) {
      EXPECT_TRUE(seen.insert(row[0]).second) << row[0] << clause;
    }
    EXPECT_GT(seen.size(), 300u) << clause;
  }
}

TEST(Word, ColumnsHoldOnlyTheirValues) {
  const std::set<std::string> elements = {"金", "木", "水", "火", "土"};
  const std::set<std::string> sexes = {"男", "女", "0", "姓", "忌"};
  std::set<std::string> ids;
  for (const auto& row : Rows(kNamingDb, "select id, zi, ft, bh, wuhang, px, xb from word")) {
    EXPECT_TRUE(ids.insert(row[0]).second) << "id " << row[0];
    EXPECT_EQ(Characters(row[1]).size(), 1u) << row[1];
    EXPECT_EQ(Characters(row[2]).size(), 1u) << row[2];
    EXPECT_GT(std::stoi(row[3]), 0) << row[1];
    EXPECT_TRUE(elements.contains(row[4])) << row[1] << row[4];
    EXPECT_GT(std::stoi(row[5]), 0) << row[1];
    EXPECT_TRUE(sexes.contains(row[6])) << row[1] << row[6];
  }
}

TEST(Word, ElementsFollowTheRadicalTheReadingAndTheExceptions) {
  const struct {
    const char* characters;
    const char* element;
  } kCases[] = {
      // by the radical of the traditional form
      {"鑫铭", "金"},
      {"林芳", "木"},
      {"江雪", "水"},
      {"炎明", "火"},
      {"山磊", "土"},
      // by the initial of the reading (杰 is 傑, 轩 is 軒: no element radical)
      {"美", "水"},
      {"丽天", "火"},
      {"国", "木"},
      {"杰轩", "金"},
      {"安宇", "土"},
      // reviewed exceptions
      {"秋", "金"},
      {"春", "木"},
      {"子", "水"},
  };
  for (const auto& row : kCases) {
    for (const auto& c : Characters(row.characters)) {
      ReferenceStore store(Connection(kNamingDb));
      store.Open(Utf8ToGbk("select wuhang from word where zi = '" + c + "' or ft = '" + c + "' "));
      ASSERT_FALSE(store.IsEmpty()) << c;
      EXPECT_EQ(GbkToUtf8(store.FieldText(0)), row.element) << c;
    }
  }
}

TEST(Word, ExcludedCharactersNeverEnterAName) {
  // An excluded character stays in the table for its strokes and element, with
  // a mark no sex clause matches: "姓" for a surname, "忌" otherwise.
  auto sexOf = SexesOfCharacters();
  auto excluded = CharsFile("exclusions.tsv", 0, 1);
  ASSERT_GT(excluded.size(), 300u);
  std::set<std::string> surnames;
  for (const auto& [c, surname] : CharsFile("surnames.tsv", 0, 0)) surnames.insert(c);
  std::vector<std::string> level1 = StandardLevels12(3500);
  std::set<std::string> listed;
  for (const auto& [c, category] : excluded) {
    EXPECT_TRUE(listed.insert(c).second) << c << " is excluded twice";
    auto found = sexOf.find(c);
    if (found == sexOf.end()) {
      // Only a level 2 character may be missing: level 1 stays for look-ups.
      EXPECT_TRUE(!level1.empty() && std::find(level1.begin(), level1.end(), c) == level1.end())
          << c << " " << category;
      continue;
    }
    EXPECT_EQ(found->second, std::set<std::string>{surnames.contains(c) ? "姓" : "忌"})
        << c << " " << category;
    EXPECT_GT(WordStrokes(c), 0) << c;
  }
}

// Characters whose single-character names made parents wince, and characters
// that must stay on offer; the loose clause is the one of one-character names
// and of runs with a fixed character.
TEST(Word, OffersNameCharactersAndKeepsOddOnesOut) {
  std::set<std::string> offered;
  for (const auto& row :
       Rows(kNamingDb, "select zi from word where xb = '男' or xb = '女' or xb = '0'")) {
    offered.insert(row[0]);
  }
  for (const auto& c : Characters("鞭狐蹦摘骤持忽指座恋支州桌椅找投碗肩")) {
    EXPECT_FALSE(offered.contains(c)) << c;
  }
  for (const auto& c : Characters("晓瑞雅宁航毅子涵浩宇欣怡晨")) {
    EXPECT_TRUE(offered.contains(c)) << c;
  }
}

TEST(Word, EverySurnameIsFoundAndMarkedNames) {
  auto sexOf = SexesOfCharacters();
  auto surnames = CharsFile("surnames.tsv", 0, 0);
  ASSERT_GE(surnames.size(), 300u);
  for (const auto& [c, surname] : surnames) {
    EXPECT_TRUE(sexOf.contains(c)) << surname;
    EXPECT_GT(WordStrokes(c), 0) << surname;
  }
  for (const auto& [c, xb] : CharsFile("names.tsv", 1, 0)) {
    std::set<std::string> expected =
        xb == "男女" ? std::set<std::string>{"男", "女"} : std::set<std::string>{xb};
    EXPECT_EQ(sexOf[c], expected) << c;
  }
}

TEST(Word, FavouredCharactersComeFirst) {
  auto first = Rows(kNamingDb, "select top 3 zi from word order by px");
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first[0][0], "子");
  auto surnameOnly = Rows(kNamingDb, "select min(px), max(px) from word where xb = '姓'");
  auto offered = Rows(kNamingDb, "select max(px) from word where xb <> '姓' and xb <> '忌'");
  auto avoided = Rows(kNamingDb, "select min(px) from word where xb = '忌'");
  EXPECT_GT(std::stoi(surnameOnly[0][0]), std::stoi(offered[0][0]));
  EXPECT_GT(std::stoi(avoided[0][0]), std::stoi(surnameOnly[0][1]));
}

}  // namespace
}  // namespace zorvan

// Checks the generated character tables: bihua in VelFile.dll and word in
// Zorvan.dll, read through the same data layer and SQL texts the program uses.
#include <gtest/gtest.h>

#include <cstdio>
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

// Levels 1 and 2 of the 2013 standard list, read from Unihan.
std::vector<std::string> StandardLevels12() {
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
    if (at == std::string::npos || std::stoi(text.substr(at + 5)) > 6500) continue;
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
  // the simplified form carries the count of its traditional form.
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
      {"八周林明雨欣朋", 8},
      {"九河思怡建", 9},
      {"十徐孙孫轩軒玲党", 10},
      {"张張晨浩梓胡祥范", 11},
      {"黄黃涵杰", 12},
      {"杨楊诗詩裕郁", 13},
      {"赵趙华華", 14},
      {"刘劉欧歐郭万叶", 15},
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

}  // namespace
}  // namespace zorvan

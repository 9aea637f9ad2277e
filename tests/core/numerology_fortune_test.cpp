#include <gtest/gtest.h>

#include <set>

#include "data/ReferenceStore.h"
#include "numerology/NumberFortune.h"
#include "numerology_fixture.h"
#include "tables/NumberFortuneTable.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

const char* const kEntry0 =
    "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为："
    "有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做"
    "决定。";
const char* const kEntry1 =
    "根基不固，摇摇欲坠，一盛一衰，劳而无获|凶|主人性格类型：[独断独行/吸引人型]，其具体表现为："
    "为人独断独行，事事自行作主解决，鲜有求助他人。而这份独立个性，正正就是吸引异性的特质。但其实"
    "心底里，却是渴望有人可让他/她依赖。";

std::string Fortune(const char* text) { return GbkToUtf8(NumberFortuneText(text)); }

TEST(NumberFortuneText, ReducesModulo81KeepingTheSign) {
  EXPECT_EQ(Fortune("0"), kEntry0);
  EXPECT_EQ(Fortune("81"), kEntry0);
  EXPECT_EQ(Fortune("-81"), kEntry0);
  EXPECT_EQ(Fortune("1"), kEntry1);
  EXPECT_EQ(Fortune("82"), kEntry1);
  EXPECT_EQ(Fortune(" 82 "), kEntry1);
  EXPECT_EQ(Fortune("9223372036854775807"), Fortune("25"));  // 2^63-1 = 25 mod 81
  // What the number windows rely on: the remainder is the entry itself.
  EXPECT_EQ(Fortune("162"), kEntry0);
  EXPECT_EQ(Fortune("0081"), kEntry0);
  EXPECT_EQ(Fortune("999999999999999999"), kEntry0);
  EXPECT_EQ(Fortune("80").rfind(
                "最极之数，还本归元，能得繁荣，发达成功|吉|主人性格类型：[做事喜好凭直觉型]"
                "，其具体表现为：",
                0),
            0u);
  EXPECT_EQ(Fortune("-5"), "对不起,此号不在分解之类。");
}

TEST(NumberFortuneText, TextThatIsNoNumberRaisesTheConversionError) {
  for (const char* text : {"abc", "", "12a", "1.5", "9223372036854775808"}) {
    SCOPED_TRACE(text);
    try {
      NumberFortuneText(text);
      ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

// The fortune word and personality number of every index, row by row of nine.
TEST(NumberFortuneTable, KeyTable) {
  const char* const words[9][9] = {
      {"吉", "凶", "吉", "凶", "吉", "吉", "吉", "吉", "凶"},
      {"凶", "吉", "凶", "吉", "凶", "吉", "吉", "吉", "吉"},
      {"凶", "凶", "吉", "凶", "吉", "吉", "吉", "凶", "凶带吉"},
      {"凶", "吉", "凶", "吉", "吉", "吉", "凶", "吉", "凶"},
      {"吉", "凶带吉", "吉", "吉带凶", "吉", "吉带凶", "吉带凶", "凶", "吉"},
      {"凶", "吉", "吉", "凶", "吉带凶", "吉带凶", "吉", "吉带凶", "凶"},
      {"吉带凶", "凶", "吉", "凶带吉", "凶", "凶", "吉带凶", "凶", "吉"},
      {"凶", "吉", "凶", "吉", "吉", "凶", "凶", "吉带凶", "凶"},
      {"吉", "凶", "吉带凶", "凶", "吉带凶", "吉带凶", "凶", "吉带凶", "吉"},
  };
  const int types[9][9] = {
      {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 9, 1},
      {9, 1, 2, 3, 4, 5, 6, 7, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 3}, {4, 5, 6, 7, 8, 9, 1, 2, 3},
      {5, 6, 7, 8, 9, 1, 2, 3, 4}, {5, 6, 7, 9, 6, 7, 8, 9, 1}, {2, 2, 3, 4, 5, 6, 7, 9, 1},
  };
  for (int i = 0; i < 81; ++i) {
    SCOPED_TRACE(i);
    const NumberFortuneEntry& entry = NumberFortuneEntries()[static_cast<size_t>(i)];
    EXPECT_EQ(entry.fortune, words[i / 9][i % 9]);
    EXPECT_EQ(entry.personality, types[i / 9][i % 9]);
  }
}

// Every verse is four phrases of four (at most five) characters, and no two are alike.
TEST(NumberFortuneTable, VersesAreFourPhrasesAndDistinct) {
  std::set<std::string_view> seen;
  for (const NumberFortuneEntry& entry : NumberFortuneEntries()) {
    SCOPED_TRACE(std::string(entry.verse));
    EXPECT_TRUE(seen.insert(entry.verse).second);
    std::string gbk = Gbk(entry.verse);
    std::string comma = Gbk("，");
    size_t phrases = 0;
    size_t start = 0;
    while (true) {
      size_t end = gbk.find(comma, start);
      std::string phrase = gbk.substr(start, end == std::string::npos ? end : end - start);
      EXPECT_TRUE(phrase.size() == 8 || phrase.size() == 10) << GbkToUtf8(phrase);
      ++phrases;
      if (end == std::string::npos) break;
      start = end + comma.size();
    }
    EXPECT_EQ(phrases, 4u);
  }
}

TEST(NumberClassPoints, ClassesAndPoints) {
  // Count the numbers 1-81 by the points they earn as Heaven: the class sizes.
  int first = 0, second = 0, third = 0;
  for (int n = 1; n <= 81; ++n) {
    double p = NumberClassPoints(n, GridKind::Heaven);
    first += p == 10;
    second += p == 8.5;
    third += p == 7;
  }
  EXPECT_EQ(first, 32);
  EXPECT_EQ(second, 14);
  EXPECT_EQ(third, 35);

  struct Case {
    int number;
    double heaven, earth, person, total, outer;
  };
  const Case cases[] = {
      {1, 10, 10, 30, 20, 10},      {81, 10, 10, 30, 20, 10},
      {6, 8.5, 8.5, 25.5, 17, 8.5}, {75, 8.5, 8.5, 25.5, 17, 8.5},
      {2, 7, 7, 21, 14, 7},         {80, 7, 7, 21, 14, 7},
      {0, 0, 0, 0, 0, 0},           {82, 0, 0, 0, 0, 0},
      {-1, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(NumberClassPoints(c.number, GridKind::Heaven), c.heaven);
    EXPECT_EQ(NumberClassPoints(c.number, GridKind::Earth), c.earth);
    EXPECT_EQ(NumberClassPoints(c.number, GridKind::Person), c.person);
    EXPECT_EQ(NumberClassPoints(c.number, GridKind::Total), c.total);
    EXPECT_EQ(NumberClassPoints(c.number, GridKind::Outer), c.outer);
  }
  // 1 is not found inside 11 or 21, nor 3 inside 13.
  EXPECT_EQ(NumberClassPoints(4, 0), 7);
  EXPECT_EQ(NumberClassPoints(1, 5), 0);
  EXPECT_EQ(NumberClassPoints(1, -1), 0);
}

TEST(NumberTableField, ReadsTheRowAsStored) {
  testing::NumerologyFixtureDb db;
  db.Number(5, " 标题五 ", "吉", "暗示五");
  db.Number(90, "九十", "凶", "暗示九十");
  EXPECT_EQ(GbkToUtf8(NumberTableField(5, 0)), " 标题五 ");
  EXPECT_EQ(GbkToUtf8(NumberTableField(5, NumberField::Fortune)), "吉");
  EXPECT_EQ(GbkToUtf8(NumberTableField(5, 2)), "暗示五");
  EXPECT_EQ(GbkToUtf8(NumberTableField(5, 3)), "详解5");
  EXPECT_EQ(NumberTableField(5, 4), "");
  EXPECT_EQ(GbkToUtf8(NumberTableField(90, 0)), "九十");  // no reduction above 81
  for (int field = 0; field <= 4; ++field) EXPECT_EQ(NumberTableField(6, field), " ");
}

TEST(NumberTableField, DataErrorAbandonsSilently) {
  std::string previous = ProgramDirectory();
  SetProgramDirectory("/nonexistent-zorvan-dir/");
  EXPECT_THROW(NumberTableField(5, 0), SilentAbort);
  SetProgramDirectory(previous);
}

}  // namespace
}  // namespace zorvan

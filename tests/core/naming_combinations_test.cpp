#include <gtest/gtest.h>

#include <algorithm>

#include "data/ReferenceStore.h"
#include "naming/Combinations.h"
#include "naming_fixture.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

TEST(CombinationSql, GoldenTexts) {
  struct Case {
    const char* name;
    CombinationQuery query;
    const char* sql;  // UTF-8
  };
  const Case cases[] = {
      {"one-character surname, 双字名",
       {12, 4, 0, 0, 0, 0, false, std::nullopt},
       "select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 "
       "and bh11 = 4 \n order by jxjx asc,zf asc\n"},
      {"one-character surname, 单字名, floor",
       {11, 4, 0, 0, 0, 1, true, 85},
       "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 11 "
       "and bh11 = 4 \n and zf >= 85 \n order by jxjx asc,zf asc\n"},
      {"two-character surname, 单字名, 女",
       {21, 15, 17, 0, 0, 1, true, std::nullopt},
       "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 21 "
       "and bh11 = 15 and bh12 = 17 \n and (xb = '女' or xb = '0') \n order by jxjx asc,zf asc\n"},
      {"two-character surname, 双字名, 男",
       {22, 15, 17, 0, 0, 0, false, std::nullopt},
       "select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 "
       "and bh11 = 15 and bh12 = 17 \n and xb = '男' \n order by jxjx asc,zf asc\n"},
      {"fixed second character",
       {12, 4, 0, 8, 0, 0, true, std::nullopt},
       "select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 "
       "and bh11 = 4 \n and bh21 = 8 \n order by jxjx asc,zf asc\n"},
      {"fixed third character, two-character surname, floor",
       {22, 15, 17, 0, 11, 1, true, 90},
       "select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 "
       "and bh11 = 15 and bh12 = 17 \n and bh22 = 11 \n and (xb = '女' or xb = '0') \n"
       " and zf >= 90 \n order by jxjx asc,zf asc\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf8(CombinationSql(c.query)), c.sql) << c.name;
  }
}

TEST(CombinationEntry, FormatsEachNameForm) {
  EXPECT_EQ(GbkToUtf8(CombinationEntry(11, 4, 0, "7", "0", "88")), "4|7(88分)");
  EXPECT_EQ(GbkToUtf8(CombinationEntry(12, 7, 0, "10", "11", "85")), "7|10-11(85分)");
  EXPECT_EQ(GbkToUtf8(CombinationEntry(21, 15, 17, "6", "0", "90")), "15-17|6(90分)");
  EXPECT_EQ(GbkToUtf8(CombinationEntry(22, 15, 17, "6", "9", "100")), "15-17|6-9(100分)");
}

TEST(SplitSurname, OneCharacterIsExactlyTwoBytes) {
  EXPECT_TRUE(SplitSurname(Gbk("王")).single);
  SurnameCharacters three = SplitSurname(Gbk("欧阳修"));
  EXPECT_FALSE(three.single);
  EXPECT_EQ(three.first, Gbk("欧"));
  EXPECT_EQ(three.second, Gbk("阳"));
  SurnameCharacters latin = SplitSurname("A");
  EXPECT_FALSE(latin.single);
  EXPECT_EQ(latin.first, "A");
  EXPECT_EQ(latin.second, "");
  EXPECT_EQ(NameFormCode(true, 1), 11);
  EXPECT_EQ(NameFormCode(true, 0), 12);
  EXPECT_EQ(NameFormCode(false, 1), 21);
  EXPECT_EQ(NameFormCode(false, 0), 22);
}

class CombinationsOnFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Word(1, "王", "王", 4, "土", 900, "姓");
    db_.Word(2, "欧", "歐", 15, "土", 900, "姓");
    db_.Word(3, "阳", "陽", 17, "土", 900, "姓");
    db_.Word(4, "明", "明", 8, "火", 10, "男");
    db_.Word(5, "华", "華", 14, "水", 20, "0");
    // 王, 双字名: 25 combinations ranked 1..25, and one more tied with the 20th.
    for (int rank = 1; rank <= 25; ++rank) {
      db_.Combo(12, 4, 0, rank % 2 == 0 ? 8 : 6, rank, 100 - rank, "0", rank);
    }
    db_.Combo(12, 4, 0, 3, 3, 80, "0", 20);
    db_.Combo(11, 4, 0, 9, 0, 90, "0", 1);
    db_.Combo(21, 15, 17, 6, 0, 90, "男", 1);
    db_.Combo(21, 15, 17, 6, 0, 90, "女", 1);
    db_.Combo(21, 15, 17, 7, 0, 88, "男", 2);
    db_.Combo(22, 15, 17, 6, 9, 92, "男", 1);
    db_.Combo(22, 15, 17, 6, 9, 92, "女", 1);
    db_.Combo(22, 15, 17, 5, 8, 86, "0", 2);
  }

  std::vector<std::string> Refresh(const NamingInputs& inputs, int* code = nullptr) {
    ReferenceStore lookup(db_.Connect());
    CombinationList list = RefreshCombinations(lookup, inputs);
    EXPECT_EQ(list.selected, 0);
    if (code) *code = list.code;
    std::vector<std::string> utf8;
    for (const std::string& item : list.items) utf8.push_back(GbkToUtf8(item));
    return utf8;
  }

  testing::NamingFixtureDb db_;
};

TEST_F(CombinationsOnFixture, WordLookupsFindSimplifiedAndTraditionalForms) {
  ReferenceStore lookup(db_.Connect());
  EXPECT_EQ(WordStrokes(lookup, Gbk("欧")), 15);
  EXPECT_EQ(WordStrokes(lookup, Gbk("歐")), 15);
  EXPECT_EQ(WordStrokes(lookup, Gbk("龙")), 0);
  EXPECT_EQ(WordElement(lookup, Gbk("華")), Gbk("水"));
  EXPECT_EQ(WordElement(lookup, Gbk("龙")), "");
  EXPECT_FALSE(lookup.IsOpen());
}

TEST_F(CombinationsOnFixture, AQuoteInACharacterFindsNothingInsteadOfBreakingTheStatement) {
  ReferenceStore lookup(db_.Connect());
  EXPECT_EQ(WordStrokesSql("'"), "select bh from word where zi = '''' or ft = '''' ");
  EXPECT_EQ(WordStrokes(lookup, "'"), 0);
  EXPECT_EQ(WordElement(lookup, "a'"), "");
  NamingInputs inputs;
  inputs.Xing = "O'";
  inputs.CBzhishukongz = true;
  inputs.Gudingzi = "'";
  EXPECT_EQ(Refresh(inputs), std::vector<std::string>{"电脑全自动"});
}

TEST_F(CombinationsOnFixture, OneCharacterSurnameTakesTwentyBestWithTies) {
  NamingInputs inputs;
  inputs.Xing = Gbk(" 王 ");
  int code = 0;
  std::vector<std::string> items = Refresh(inputs, &code);
  EXPECT_EQ(code, 12);
  ASSERT_EQ(items.size(), 22u);  // "电脑全自动", 20 entries and the one tied with the 20th
  EXPECT_EQ(items[0], "电脑全自动");
  EXPECT_EQ(items[1], "4|6-1(99分)");
  EXPECT_EQ(items[2], "4|8-2(98分)");
  // Rank 20 and the row tied with it on rank and score both come.
  EXPECT_EQ(items[19], "4|6-19(81分)");
  std::vector<std::string> tied(items.begin() + 20, items.end());
  std::sort(tied.begin(), tied.end());
  EXPECT_EQ(tied, (std::vector<std::string>{"4|3-3(80分)", "4|8-20(80分)"}));

  inputs.CBXingshi = 1;
  EXPECT_EQ(Refresh(inputs, &code), (std::vector<std::string>{"电脑全自动", "4|9(90分)"}));
  EXPECT_EQ(code, 11);
}

TEST_F(CombinationsOnFixture, FixedCharacterAndFloorNarrowTheList) {
  NamingInputs inputs;
  inputs.Xing = Gbk("王");
  inputs.CBzhishukongz = true;
  inputs.Gudingzi = Gbk("明");  // 8 strokes, second character
  std::vector<std::string> items = Refresh(inputs);
  ASSERT_EQ(items.size(), 13u);
  for (size_t i = 1; i < items.size(); ++i) EXPECT_TRUE(items[i].starts_with("4|8-")) << items[i];

  inputs.CBdijizi = 1;  // third character: bh22 = 8
  EXPECT_EQ(Refresh(inputs), (std::vector<std::string>{"电脑全自动", "4|8-8(92分)"}));

  inputs.Gudingzi = Gbk("龙");  // unknown, 0 strokes: no constraint at all
  EXPECT_EQ(Refresh(inputs).size(), 22u);

  inputs = NamingInputs{};
  inputs.Xing = Gbk("王");
  inputs.CBFeeXX = true;
  inputs.ZuidiFee = "85";
  items = Refresh(inputs);
  ASSERT_EQ(items.size(), 16u);
  EXPECT_EQ(items.back(), "4|6-15(85分)");
  inputs.ZuidiFee = " ";  // empty floor: no floor line
  EXPECT_EQ(Refresh(inputs).size(), 22u);
  inputs.ZuidiFee = "8x";
  ReferenceStore lookup(db_.Connect());
  EXPECT_THROW(RefreshCombinations(lookup, inputs), ConversionError);
}

TEST_F(CombinationsOnFixture, TwoCharacterSurnameGetsASexLine) {
  NamingInputs inputs;
  inputs.Xing = Gbk("欧阳");
  inputs.CBXingshi = 1;
  inputs.CBsex = 1;
  int code = 0;
  EXPECT_EQ(Refresh(inputs, &code), (std::vector<std::string>{"电脑全自动", "15-17|6(90分)"}));
  EXPECT_EQ(code, 21);

  inputs.CBXingshi = 0;
  inputs.CBsex = 0;  // strict: only rows marked 男
  EXPECT_EQ(Refresh(inputs), (std::vector<std::string>{"电脑全自动", "15-17|6-9(92分)"}));
  inputs.CBzhishukongz = true;  // a fixed character loosens it to 男 or 0
  EXPECT_EQ(Refresh(inputs),
            (std::vector<std::string>{"电脑全自动", "15-17|6-9(92分)", "15-17|5-8(86分)"}));

  inputs = NamingInputs{};
  inputs.Xing = Gbk("欧阳修");  // looked up as its first two characters
  EXPECT_EQ(Refresh(inputs), (std::vector<std::string>{"电脑全自动", "15-17|6-9(92分)"}));
  inputs.Xing = Gbk("欧龙");  // an unknown character counts 0 strokes: no combination
  EXPECT_EQ(Refresh(inputs), std::vector<std::string>{"电脑全自动"});
}

}  // namespace
}  // namespace zorvan

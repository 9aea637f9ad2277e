#include <gtest/gtest.h>

#include <algorithm>

#include "naming/CandidateQuery.h"
#include "naming/Combinations.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

TEST(ElementClause, CountsOfCheckedBoxes) {
  struct Case {
    const char* name;
    std::array<bool, 5> elements;  // 金 木 水 火 土
    const char* clause;
  };
  const Case cases[] = {
      {"none", {false, false, false, false, false}, ""},
      {"all five", {true, true, true, true, true}, ""},
      {"one", {false, false, true, false, false}, " and wuhang = '水' "},
      {"two: the trailing or is stripped",
       {true, true, false, false, false},
       " and ( wuhang = '金' or  wuhang = '木'  ) "},
      {"three with 土: nothing to strip",
       {true, true, false, false, true},
       " and (  wuhang = '金' or  wuhang = '木' or  wuhang = '土'  ) "},
      {"four without 土",
       {true, true, true, true, false},
       " and ( wuhang = '金' or  wuhang = '木' or  wuhang = '水' or  wuhang = '火'  ) "},
  };
  for (const Case& c : cases) EXPECT_EQ(GbkToUtf8(ElementClause(c.elements)), c.clause) << c.name;
}

TEST(SexClause, StrictOnlyForTwoCharacterNamesWithoutFixedCharacter) {
  EXPECT_EQ(GbkToUtf8(SexClause(false, 0)), " and xb = '男' ");
  EXPECT_EQ(GbkToUtf8(SexClause(false, 1)), " and xb = '女' ");
  EXPECT_EQ(GbkToUtf8(SexClause(true, 0)), " and (xb = '男' or xb = '0') ");
  EXPECT_EQ(GbkToUtf8(SexClause(true, 1)), " and (xb = '女' or xb = '0') ");
}

TEST(ParseComboEntry, Cases) {
  struct Case {
    const char* entry;
    bool twoCharacterName;
    int b1, b2;
    const char* suffix;
  };
  const Case cases[] = {
      {"7|10-11(85分)", true, 10, 11, "(85分)"}, {"7|9-8(85分)", true, 9, 8, "(85分)"},
      {"7|9-18(100分)", true, 9, 18, "(100分)"}, {"15-17|6-9(92分)", true, 6, 9, "(92分)"},
      {" 4|7(88分) ", false, 7, 0, "(88分)"},    {"15-17|12(90分)", false, 12, 0, "(90分)"},
  };
  for (const Case& c : cases) {
    ComboEntry e = ParseComboEntry(Gbk(c.entry), c.twoCharacterName);
    EXPECT_EQ(e.b1, c.b1) << c.entry;
    EXPECT_EQ(e.b2, c.b2) << c.entry;
    EXPECT_EQ(GbkToUtf8(e.suffix), c.suffix) << c.entry;
  }
  // Entries whose counts are not numbers.
  EXPECT_THROW(ParseComboEntry(Gbk("7|10(85分)"), true), ConversionError);
  EXPECT_THROW(ParseComboEntry(Gbk("7|x-11(85分)"), true), ConversionError);
  EXPECT_THROW(ParseComboEntry(Gbk("电脑全自动"), false), ConversionError);
  EXPECT_THROW(ParseComboEntry("", false), ConversionError);
}

NamingInputs Inputs(const char* surname, int form, int sex) {
  NamingInputs in;
  in.Xing = Gbk(surname);
  in.CBXingshi = form;
  in.CBsex = sex;
  in.CBCodeItems = {AutoCombinationItem()};
  in.CBCode = AutoCombinationItem();
  return in;
}

std::string Sql(const NamingInputs& in) { return GbkToUtf8(BuildCandidateStatement(in).sql); }

TEST(CandidateStatement, OneCombination) {
  NamingInputs in = Inputs("王", 0, 0);
  in.CBCode = Gbk("4|10-11(85分)");
  EXPECT_TRUE(BuildCandidateStatement(in).singleCombination);
  EXPECT_EQ(Sql(in),
            "select * from (select '王' + a.zi + b.zi + '(85分)',(a.px + b.px + a.id) as px from "
            "(select zi,px + 551 as px,id from word where 1 = 1  and xb = '男'  and bh = 10) a , "
            "(select zi,px + 5000 as px,id from word where 1 = 1  and xb = '男'  and bh = 11) b) p "
            "order by px ");

  in = Inputs("欧阳", 1, 1);
  in.CBjin = true;
  in.CBCode = Gbk("15-17|6(90分)");
  EXPECT_EQ(Sql(in),
            "select * from (select '欧阳' + a.zi + '(90分)',(a.px + a.id) as px from (select "
            "zi,px + 551 as px,id from word where 1 = 1  and wuhang = '金'  and (xb = '女' or xb "
            "= '0')  and bh = 6) a ) p order by px ");
}

TEST(CandidateStatement, OneCombinationWithFixedCharacter) {
  NamingInputs in = Inputs("王", 0, 1);
  in.CBzhishukongz = true;
  in.Gudingzi = Gbk("晨");
  in.CBCode = Gbk("4|11-7(88分)");
  EXPECT_EQ(Sql(in),
            "select * from (select '王' + a.zi + b.zi + '(88分)',(a.px + b.px + a.id) as px from "
            "(select top 1 '晨' as zi, 120 as px, 131 as id from word ) a , (select zi,px + 5000 "
            "as px,id from word where 1 = 1  and (xb = '女' or xb = '0')  and bh = 7) b) p order "
            "by px ");
  in.CBdijizi = 1;
  EXPECT_EQ(Sql(in),
            "select * from (select '王' + a.zi + b.zi + '(88分)',(a.px + b.px + a.id) as px from "
            "(select zi,px + 551 as px,id from word where 1 = 1  and (xb = '女' or xb = '0')  and "
            "bh = 11) a , (select top 1 '晨' as zi, 119 as px, 111 as id from word ) b) p order "
            "by px ");
}

TEST(CandidateStatement, AllCombinations) {
  NamingInputs in = Inputs("王", 0, 0);
  in.CBMu = in.CBshui = true;
  in.CBCodeItems = {AutoCombinationItem(), Gbk("4|10-11(85分)"), Gbk("4|9-8(100分)")};
  EXPECT_FALSE(BuildCandidateStatement(in).singleCombination);
  const std::string w = " and ( wuhang = '木' or  wuhang = '水'  )  and xb = '男' ";
  EXPECT_EQ(Sql(in),
            "select * from (select '王' + a.zi + b.zi + '(85分)',(a.px + b.px) as px from (select "
            "zi,px + 1000 as px,id from word where 1 = 1 " +
                w + " and bh = 10) a , (select zi,px + 5001 as px,id from word where 1 = 1 " + w +
                " and bh = 11) b\n union \nselect '王' + a.zi + b.zi + '(100分)',(a.px + b.px) as "
                "px from (select zi,px + 1000 as px,id from word where 1 = 1 " +
                w + " and bh = 9) a , (select zi,px + 5001 as px,id from word where 1 = 1 " + w +
                " and bh = 8) b\n) p order by px");

  in = Inputs("王", 1, 0);
  in.CBCodeItems = {AutoCombinationItem(), Gbk("4|7(88分)")};
  EXPECT_EQ(Sql(in),
            "select * from (select '王' + a.zi + '(88分)',(a.px+ a.id) as px from (select zi,px + "
            "1000 as px,id from word where 1 = 1  and (xb = '男' or xb = '0')  and bh = 7) a \n) p "
            "order by px");

  in = Inputs("王", 0, 1);
  in.CBzhishukongz = true;
  in.Gudingzi = Gbk("晨");
  in.CBCodeItems = {AutoCombinationItem(), Gbk("4|11-7(88分)")};
  EXPECT_EQ(Sql(in),
            "select * from (select '王' + a.zi + b.zi + '(88分)',(a.px + b.px) as px from (select "
            "top 1 '晨' as zi,11 as px, 100 as id from word ) a , (select zi,px + 5001 as px,id "
            "from word where 1 = 1  and (xb = '女' or xb = '0')  and bh = 7) b\n) p order by px");
  in.CBdijizi = 1;
  EXPECT_EQ(Sql(in),
            "select * from (select '王' + a.zi + b.zi + '(88分)',(a.px + b.px) as px from (select "
            "zi,px + 1000 as px,id from word where 1 = 1  and (xb = '女' or xb = '0')  and bh = "
            "11) a , (select top 1 '晨' as zi,12 as px, 100 as id from word ) b\n) p order by px");

  in.CBCodeItems = {AutoCombinationItem()};  // no combination: no statement
  EXPECT_EQ(Sql(in), "");
}

TEST(CandidateStatement, QuotesInSurnameAndFixedCharacterAreDoubled) {
  NamingInputs in = Inputs("O'", 0, 0);
  in.CBzhishukongz = true;
  in.Gudingzi = "'";
  in.CBCode = Gbk("4|11-7(88分)");
  std::string sql = Sql(in);
  EXPECT_NE(sql.find("select 'O''' + a.zi"), std::string::npos) << sql;
  EXPECT_NE(sql.find("select top 1 '''' as zi"), std::string::npos) << sql;
}

TEST(ReadingOrder, NineWayInterleave) {
  auto rows = [](int n) {
    std::vector<int> order;
    for (const ReadingStep& step : ReadingOrder(n)) order.push_back(step.row);
    return order;
  };
  EXPECT_EQ(rows(25), (std::vector<int>{1,  3,  5,  7,  9,  11, 13, 15, 17, 2,  4,  6, 8,
                                        10, 12, 14, 16, 18, 19, 20, 21, 22, 23, 24, 25}));
  EXPECT_EQ(rows(5), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(rows(0).empty());
  EXPECT_EQ(rows(9), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));

  // Stop tests after each group of nine, then after every remaining row.
  std::vector<ReadingStep> steps = ReadingOrder(25);
  for (size_t i = 0; i < steps.size(); ++i) {
    bool expected = i == 8 || i == 17 || i >= 18;
    EXPECT_EQ(steps[i].stopTest, expected) << i;
  }
  // Each row exactly once for any count.
  for (int n : {1, 17, 81, 100, 1000}) {
    std::vector<int> order = rows(n);
    std::sort(order.begin(), order.end());
    for (int i = 0; i < n; ++i) ASSERT_EQ(order[static_cast<size_t>(i)], i + 1) << n;
  }
}

}  // namespace
}  // namespace zorvan

#include "text/Text.h"

#include <gtest/gtest.h>

#include "text/DateText.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

TEST(Gbk, RoundTripsChineseAndCountsTwoBytesACharacter) {
  std::string gbk = Gbk("欧阳修");
  EXPECT_EQ(gbk.size(), 6u);
  EXPECT_EQ(GbkToUtf8(gbk), "欧阳修");
  EXPECT_EQ(Gbk("€"), "\x80");
}

TEST(Gbk, BrokenInputNeverFails) {
  // Half a character at the end, a stray lead byte before a quote, an emoji GBK lacks.
  EXPECT_EQ(GbkToUtf8(Gbk("张") + "\xD5"), "张\xEF\xBF\xBD");
  EXPECT_EQ(GbkToUtf8("\xD5'"), "\xEF\xBF\xBD'");
  EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");
  EXPECT_FALSE(IsWellFormedGbk(Gbk("张") + "\xD5"));
  EXPECT_TRUE(IsWellFormedGbk(Gbk("张三")));
}

TEST(Text, TrimRemovesBlanksAndControlCharactersOnly) {
  EXPECT_EQ(Trim(" \t\r\n" + Gbk("王 小") + "\x01 "), Gbk("王 小"));
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(Gbk("　王")), Gbk("　王"));  // the ideographic space is a character
}

TEST(Text, BytePositionsFollowGbk) {
  std::string name = Gbk("欧阳修");
  EXPECT_EQ(BytesAt(name, 3, 2), Gbk("阳"));
  EXPECT_EQ(BytesAt(name, 3, 4), Gbk("阳修"));
  EXPECT_EQ(BytesAt(name, 7, 2), "");
  EXPECT_EQ(BytesAt(name, 5, 10), Gbk("修"));
  EXPECT_EQ(BytePos("(", Gbk("王小明(85分)")), 7u);
  EXPECT_EQ(BytePos("|", "abc"), 0u);
}

TEST(Text, DecimalFormIsShortest) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{86.5, "86.5"},
               {100, "100"},
               {12.5, "12.5"},
               {-1, "-1"},
               {0, "0"},
               {0.1 + 0.2, "0.3"},
               {1e20, "100000000000000000000"},
               {-0.5, "-0.5"}};
  for (const Case& c : cases) EXPECT_EQ(FormatDecimal(c.value), c.text) << c.value;
}

TEST(Text, IntegerConversion) {
  EXPECT_EQ(StrToInt(" 42 "), 42);
  EXPECT_EQ(StrToInt("-7"), -7);
  EXPECT_EQ(StrToInt("+8"), 8);
  for (const char* bad : {"", "abc", "9a", "1.5", "99999999999", "- 1"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << bad;
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
  EXPECT_TRUE(IsDecimalInteger("70"));
  EXPECT_FALSE(IsDecimalInteger("7a"));
  EXPECT_FALSE(IsDecimalInteger(""));
}

TEST(Text, SqlQuotingDoublesQuotes) {
  EXPECT_EQ(QuotedSql("O'Neil"), "'O''Neil'");
  EXPECT_EQ(QuotedSql(""), "''");
}

TEST(DateText, ReadsAndWritesShortDates) {
  EXPECT_EQ(FormatShortDate({2023, 3, 5}), "2023-03-05");
  EXPECT_EQ(FormatLongDate({2023, 3, 5}), Gbk("2023年3月5日"));
  EXPECT_EQ(ParseShortDate(" 2023-3-5 "), (SolarDate{2023, 3, 5}));
  EXPECT_EQ(ParseShortDate("2024-02-29"), (SolarDate{2024, 2, 29}));
  for (const char* bad : {"2023-02-29", "2023/03/05", "2023-13-01", "abc", "", "2023-1"}) {
    try {
      ParseShortDate(bad);
      ADD_FAILURE() << bad;
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid date");
    }
  }
}

}  // namespace
}  // namespace zorvan

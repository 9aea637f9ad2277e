#include <gtest/gtest.h>

#include "data/ReferenceStore.h"
#include "numerology/ThreeTalents.h"
#include "numerology_fixture.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

TEST(DigitElement, ByTheLastDigit) {
  const struct {
    int number;
    const char* element;
  } cases[] = {{1, "木"},  {12, "木"}, {3, "火"},  {24, "火"}, {5, "土"},  {16, "土"}, {7, "金"},
               {38, "金"}, {9, "水"},  {10, "水"}, {0, "水"},  {81, "木"}, {-3, ""},   {-19, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(GbkToUtf8(DigitElement(c.number)), c.element);
  }
}

TEST(ThreeTalentElements, HeavenPersonEarth) {
  EXPECT_EQ(GbkToUtf8(ThreeTalentElements({11, 22, 13, 0, 0})), "木火木");
  EXPECT_EQ(GbkToUtf8(ThreeTalentElements({20, 9, 30, 0, 0})), "水水水");
}

TEST(ScoreBand, BoundariesBelongToTheHigherBand) {
  const struct {
    double score;
    int band;
  } cases[] = {{100, 1}, {90, 1}, {89.5, 2}, {80, 2}, {79.5, 3},
               {70, 3},  {60, 4}, {59.5, 5}, {-1, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    EXPECT_EQ(ScoreBand(c.score), c.band);
  }
}

class ScoreTest : public ::testing::Test {
 protected:
  testing::NumerologyFixtureDb db;
};

TEST_F(ScoreTest, ThreeTalentPointsByGrade) {
  const char* titles[] = {"金金金", "金金木", "金金水", "金金火", "金金土", "金木金", "金木木"};
  for (int grade = 1; grade <= 7; ++grade) db.Grade(titles[grade - 1], grade);
  db.Grade("金木水", 0);
  db.Grade("金木火", 8);
  const double expected[] = {20, 18, 16, 15, 14, 13, 12};
  for (int grade = 1; grade <= 7; ++grade) {
    EXPECT_EQ(ThreeTalentPoints(Gbk(titles[grade - 1])), expected[grade - 1]);
  }
  EXPECT_EQ(ThreeTalentPoints(Gbk("金木水")), -1);
  EXPECT_EQ(ThreeTalentPoints(Gbk("金木火")), -1);
  EXPECT_EQ(ThreeTalentPoints(Gbk("土土土")), -1);
  EXPECT_EQ(ThreeTalentPoints("x' or '1'='1"), -1);
}

TEST_F(ScoreTest, NameScore) {
  // All five grids of the first class: heaven 11 木, person 13 火, earth 15 土.
  const FiveGrids best{11, 15, 13, 21, 23};
  EXPECT_EQ(NameScore(best), 79);  // no sancai row: -1
  db.Grade("木火土", 1);
  EXPECT_EQ(NameScore(best), 100);
  // All third class with grade 7: the bottom of a name that has a row.
  db.Grade("木火水", 7);
  EXPECT_EQ(NameScore({2, 10, 4, 12, 14}), 68);
  // Second class points are halves; grids above 81 count nothing.
  db.Grade("土金金", 3);
  EXPECT_EQ(NameScore({6, 17, 17, 90, 0}), 8.5 + 8.5 + 25.5 + 16);
}

TEST_F(ScoreTest, ThreeTalentReadingTrimsEachText) {
  db.Reading("木火土", {" 总论 ", "基础", "吉", "成功", "大吉", "人际", "平", "\t性格\n"});
  auto reading = ThreeTalentReading(Gbk("木火土"));
  ASSERT_TRUE(reading.has_value());
  EXPECT_EQ(GbkToUtf8(reading->yy), "总论");
  EXPECT_EQ(GbkToUtf8(reading->jcy), "基础");
  EXPECT_EQ(GbkToUtf8(reading->jx2), "大吉");
  EXPECT_EQ(GbkToUtf8(reading->xg), "性格");
  EXPECT_FALSE(ThreeTalentReading(Gbk("水水水")).has_value());
  // A quote in the key stays inside the literal.
  EXPECT_FALSE(ThreeTalentReading("a'b").has_value());
}

TEST(ScoreFailures, PointsAbandonSilentlyWhileTheReadingSurfaces) {
  std::string previous = ProgramDirectory();
  SetProgramDirectory("/nonexistent-zorvan-dir/");
  EXPECT_THROW(ThreeTalentPoints(Gbk("木火土")), SilentAbort);
  EXPECT_THROW(NameScore({11, 15, 13, 21, 23}), SilentAbort);
  EXPECT_THROW(ThreeTalentReading(Gbk("木火土")), DataError);
  SetProgramDirectory(previous);
}

}  // namespace
}  // namespace zorvan

#include <gtest/gtest.h>

#include <set>

#include "TestConfig.h"
#include "data/ReferenceStore.h"
#include "numerology/Grids.h"
#include "numerology_fixture.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

struct GridCase {
  const char* name;
  std::vector<int> surname;
  std::vector<int> given;
  FiveGrids expected;  // heaven, earth, person, total, outer
};

const GridCase kWorkedExamples[] = {
    {"one_plus_one", {4}, {3}, {5, 4, 7, 7, 2}},
    {"one_plus_two", {4}, {3, 8}, {5, 11, 7, 15, 9}},
    {"two_plus_one", {8, 10}, {6}, {18, 7, 16, 24, 9}},
    {"two_plus_two", {8, 10}, {6, 9}, {18, 15, 16, 33, 18}},
    // Outer of 1 + 1 is 2 whatever the counts; of 1 + 2 it is n(G2) + 1; of
    // 2 + 1 it is n(S1) + 1.
    {"one_plus_one_outer_fixed", {20}, {17}, {21, 18, 37, 37, 2}},
    {"one_plus_two_outer", {5}, {2, 13}, {6, 15, 7, 20, 14}},
    {"two_plus_one_outer", {11, 3}, {5}, {14, 6, 8, 19, 12}},
};

TEST(FiveGridsFromStrokes, WorkedExamples) {
  for (const GridCase& c : kWorkedExamples) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FiveGridsFromStrokes(c.surname, c.given), c.expected);
  }
}

TEST(FiveGridsFromStrokes, RejectsPartsOfOtherSizes) {
  EXPECT_THROW(FiveGridsFromStrokes({}, {3}), std::invalid_argument);
  EXPECT_THROW(FiveGridsFromStrokes({1, 2, 3}, {3}), std::invalid_argument);
}

TEST(FiveGrids, OfFollowsTheKindNumbering) {
  FiveGrids g{1, 2, 3, 4, 5};
  EXPECT_EQ(g.Of(GridKind::Heaven), 1);
  EXPECT_EQ(g.Of(GridKind::Earth), 2);
  EXPECT_EQ(g.Of(GridKind::Person), 3);
  EXPECT_EQ(g.Of(GridKind::Total), 4);
  EXPECT_EQ(g.Of(GridKind::Outer), 5);
  EXPECT_EQ(static_cast<int>(GridKind::Outer), 4);
}

class GridLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.Strokes("甲", 4);
    db.Strokes("乙", 3);
    db.Strokes("丙丁", 8);  // one row serving two characters
    db.Strokes("戊", 10);
    db.Strokes("己", 6);
    db.Strokes("庚", 9);
  }
  testing::NumerologyFixtureDb db;
};

TEST_F(GridLookupTest, StrokeCountMatchesAnywhereInARow) {
  EXPECT_EQ(StrokeCount(Gbk("甲")), 4);
  EXPECT_EQ(StrokeCount(Gbk("丙")), 8);
  EXPECT_EQ(StrokeCount(Gbk("丁")), 8);
  EXPECT_EQ(StrokeCount(Gbk("癸")), 0);
  // A quote in the text is part of the pattern, not the end of it.
  EXPECT_EQ(StrokeCount("'"), 0);
}

TEST_F(GridLookupTest, StrokeCountFirstRowWins) {
  db.Strokes("甲乙", 99);
  EXPECT_EQ(StrokeCount(Gbk("甲")), 4);
}

TEST_F(GridLookupTest, ComputeFiveGridsFromTheTable) {
  struct Case {
    const char* surname;
    const char* given;
    FiveGrids expected;
  };
  const Case cases[] = {
      {"甲", "乙", {5, 4, 7, 7, 2}},
      {"甲", "乙丙", {5, 11, 7, 15, 9}},
      {"丁戊", "己", {18, 7, 16, 24, 9}},
      {"丁戊", "己庚", {18, 15, 16, 33, 18}},
      // A surname the table lacks counts 0 strokes: Heaven 1.
      {"癸", "乙", {1, 4, 3, 3, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.surname + std::string(c.given));
    FiveGrids grids = ComputeFiveGrids(Gbk(c.surname), Gbk(c.given));
    EXPECT_EQ(grids, c.expected);
    for (int kind = 0; kind < 5; ++kind) {
      EXPECT_EQ(GridNumber(Gbk(c.surname), Gbk(c.given), static_cast<GridKind>(kind)),
                grids.Of(static_cast<GridKind>(kind)));
    }
  }
}

TEST_F(GridLookupTest, ACountThatIsNoNumberAbandonsSilently) {
  db.Exec("INSERT INTO bihua VALUES ('辛', 'x1')");
  EXPECT_THROW(StrokeCount(Gbk("辛")), SilentAbort);
}

// Every stroke lookup opens the database afresh. Outer repeats the lookups of
// Total and Person, except for a one-character surname and given name.
TEST_F(GridLookupTest, LookupCounts) {
  constexpr int kAllGrids = -1;
  struct Case {
    const char* surname;
    const char* given;
    int kind;  // a GridKind, or kAllGrids for ComputeFiveGrids
    int lookups;
  };
  const Case cases[] = {
      {"甲", "乙", 0, 1},
      {"甲", "乙", 1, 1},
      {"甲", "乙", 2, 2},
      {"甲", "乙", 3, 2},
      {"甲", "乙", 4, 0},
      {"甲", "乙", kAllGrids, 6},
      {"丁戊", "己庚", 0, 2},
      {"丁戊", "己庚", 1, 2},
      {"丁戊", "己庚", 2, 2},
      {"丁戊", "己庚", 3, 4},
      {"丁戊", "己庚", 4, 6},
      {"丁戊", "己庚", kAllGrids, 16},
      {"甲", "乙丙", kAllGrids, 13},
      {"丁戊", "己", kAllGrids, 13},
  };
  testing::LookupLog log;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.surname) + c.given + " kind " + std::to_string(c.kind));
    log.Clear();
    if (c.kind == kAllGrids) {
      ComputeFiveGrids(Gbk(c.surname), Gbk(c.given));
    } else {
      GridNumber(Gbk(c.surname), Gbk(c.given), static_cast<GridKind>(c.kind));
    }
    EXPECT_EQ(log.Opens(), c.lookups);
  }
}

TEST(GridLookup, AMissingDatabaseAbandonsSilently) {
  std::string previous = ProgramDirectory();
  SetProgramDirectory("/nonexistent-zorvan-dir/");
  EXPECT_THROW(StrokeCount(Gbk("甲")), SilentAbort);
  EXPECT_THROW(ComputeFiveGrids(Gbk("甲"), Gbk("乙")), SilentAbort);
  SetProgramDirectory(previous);
}

}  // namespace
}  // namespace zorvan

namespace zorvan {
namespace {

// The generated VelFile.dll beside the programs.
class RealDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = ProgramDirectory();
    SetProgramDirectory(ZORVAN_BIN_DIR);
  }
  void TearDown() override { SetProgramDirectory(previous_); }
  std::string previous_;
};

TEST_F(RealDataTest, GridsWorkedOutByHand) {
  // 張 11 + 1; 三 3 + 1; 11 + 3; 11 + 3; one and one: 2.
  EXPECT_EQ(ComputeFiveGrids(Gbk("张"), Gbk("三")), (FiveGrids{12, 4, 14, 14, 2}));
  EXPECT_EQ(ComputeFiveGrids(Gbk("張"), Gbk("三")), (FiveGrids{12, 4, 14, 14, 2}));
  // 歐 15 + 陽 17; 修 10 + 1; 17 + 10; 15 + 17 + 10; 42 - 27 + 1.
  EXPECT_EQ(ComputeFiveGrids(Gbk("欧阳"), Gbk("修")), (FiveGrids{32, 11, 27, 42, 16}));
}

TEST_F(RealDataTest, NoCharacterStandsInTwoRows) {
  ReferenceStore store(ConnectionStringFor(kNumerologyDb));
  store.Open("Select hanzi from bihua");
  std::set<std::string> seen;
  for (store.First(); !store.Eof(); store.Next()) {
    const std::string row = store.FieldText(0);
    for (size_t i = 0; i < row.size();) {
      const size_t width = static_cast<unsigned char>(row[i]) >= 0x81 ? 2 : 1;
      const std::string character = row.substr(i, width);
      EXPECT_TRUE(seen.insert(character).second) << GbkToUtf8(character);
      i += width;
    }
  }
  EXPECT_FALSE(seen.empty());
}

}  // namespace
}  // namespace zorvan

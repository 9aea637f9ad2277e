// The generated combination table `zh` against the rules it is built by.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "TestConfig.h"
#include "data/ReferenceStore.h"
#include "numerology/Grids.h"
#include "numerology/ThreeTalents.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

class CombinationData : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = ProgramDirectory();
    SetProgramDirectory(ZORVAN_BIN_DIR);
  }
  void TearDown() override { SetProgramDirectory(previous_); }

  ReferenceStore Query(const std::string& sql) {
    ReferenceStore store(ConnectionStringFor(kNamingDb));
    store.Open(sql);
    return store;
  }

  std::string previous_;
};

TEST_F(CombinationData, ScoresAreTheNameScoreRoundedDown) {
  // 王 (4), 欧阳 (15, 17) and 司马 (5, 10) in every form.
  ReferenceStore rows = Query(
      "select lx,bh11,bh12,bh21,bh22,zf from zh where (lx < 20 and bh11 = 4) or (lx > 20 and "
      "((bh11 = 15 and bh12 = 17) or (bh11 = 5 and bh12 = 10)))");
  ASSERT_GT(rows.RecordCount(), 1000);
  for (rows.First(); !rows.Eof(); rows.Next()) {
    int lx = rows.FieldInt("lx");
    std::vector<int> surname = {rows.FieldInt("bh11")};
    if (lx > 20) surname.push_back(rows.FieldInt("bh12"));
    std::vector<int> given = {rows.FieldInt("bh21")};
    if (lx % 10 == 2) given.push_back(rows.FieldInt("bh22"));
    double score = NameScore(FiveGridsFromStrokes(surname, given));
    ASSERT_EQ(rows.FieldInt("zf"), static_cast<int>(std::floor(score)))
        << lx << " " << surname[0] << " " << given[0];
  }
}

TEST_F(CombinationData, SexRowsFollowTheRules) {
  // Forms 11 and 12: one row per combination, for both sexes.
  EXPECT_TRUE(Query("select * from zh where lx < 20 and xb <> '0'").IsEmpty());
  EXPECT_TRUE(Query("select lx,bh11,bh21,bh22 from zh where lx < 20 group by lx,bh11,bh21,bh22 "
                    "having count(*) > 1")
                  .IsEmpty());
  // Forms 21 and 22: a row for 男 always, for 女 unless a grid is too strong.
  EXPECT_TRUE(Query(Gbk("select * from zh where lx > 20 and xb not in ('男', '女')")).IsEmpty());
  ReferenceStore women = Query(
      Gbk("select bh11,bh12,bh21,bh22,lx from zh where lx > 20 and xb = '女' and bh11 = 15 and "
          "bh12 = 17"));
  ASSERT_FALSE(women.IsEmpty());
  const std::set<int> tooStrong = {21, 23, 28, 33, 39};
  for (women.First(); !women.Eof(); women.Next()) {
    std::vector<int> given = {women.FieldInt("bh21")};
    if (women.FieldInt("lx") == 22) given.push_back(women.FieldInt("bh22"));
    FiveGrids g = FiveGridsFromStrokes({15, 17}, given);
    for (int grid : {g.person, g.earth, g.outer, g.total}) ASSERT_EQ(tooStrong.count(grid), 0u);
  }
  EXPECT_EQ(Query(Gbk("select * from zh where lx = 22 and bh11 = 15 and bh12 = 17 and xb = '男'"))
                .RecordCount(),
            24 * 24);
}

TEST_F(CombinationData, TheFirstRanksAreTheBestCommonCombinations) {
  ReferenceStore group = Query(
      "select jxjx,zf,bh21,bh22 from zh where lx = 12 and bh11 = 4 "
      "order by jxjx");
  ASSERT_EQ(group.RecordCount(), 24 * 24);
  int best = 0;
  int rank = 0;
  for (group.First(); !group.Eof(); group.Next()) {
    ASSERT_EQ(group.FieldInt("jxjx"), ++rank);
    bool common = group.FieldInt("bh21") >= 4 && group.FieldInt("bh21") <= 20 &&
                  group.FieldInt("bh22") >= 4 && group.FieldInt("bh22") <= 20;
    if (rank <= 20) {
      EXPECT_TRUE(common) << rank;
      if (rank > 1) {
        EXPECT_LE(group.FieldInt("zf"), best) << rank;
      }
      best = group.FieldInt("zf");
    } else if (common) {
      EXPECT_LE(group.FieldInt("zf"), best) << rank;  // nothing better left behind
    }
  }
  // Every surname stroke count of the stroke table has its combinations.
  ReferenceStore counts(ConnectionStringFor(kNumerologyDb));
  counts.Open("select distinct num from bihua where num > 0");
  EXPECT_EQ(Query("select distinct bh11 from zh where lx = 11").RecordCount(),
            counts.RecordCount());
}

}  // namespace
}  // namespace zorvan

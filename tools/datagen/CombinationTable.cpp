#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "DbWriter.h"
#include "data/ReferenceStore.h"
#include "numerology/Grids.h"
#include "numerology/NumberFortune.h"
#include "numerology/ThreeTalents.h"

namespace zorvan::datagen {
namespace {

// Given-name stroke counts the combinations cover (every query keeps them below 25).
constexpr int kMaxGivenStrokes = 24;

// Grid numbers the tradition counts too strong for a woman's name.
constexpr std::array<int, 5> kTooStrongForWomen = {21, 23, 28, 33, 39};

struct Combination {
  int lx = 0;
  int bh11 = 0, bh12 = 0, bh21 = 0, bh22 = 0;
  int zf = 0;
  bool suitsWomen = true;
  int uncommon = 0;  // 1 when a given-name count lies outside the common range
  int tiebreak = 0;
  int jxjx = 0;
};

// The surname stroke counts the stroke table holds.
std::vector<int> SurnameStrokeCounts(const std::filesystem::path& outDir) {
  ReferenceStore store(ConnectionStringFor(kNumerologyDb));
  store.Open("select distinct num from bihua where num > 0 order by num");
  std::vector<int> counts;
  for (store.First(); !store.Eof(); store.Next()) counts.push_back(store.FieldInt(0));
  if (counts.empty()) {
    throw std::runtime_error("no stroke counts in " + (outDir / "VelFile.dll").string());
  }
  return counts;
}

// Our name score of exactly these counts, rounded down to a whole number so
// that a name built from a combination never scores below the combination's
// `zf` (a floor of 85 then really means 85 or more). The score is the sum of
// the five grids' class points and the points of the three-talent string, so
// grids that agree in all six score the same: each such set is scored once
// (the three-talent grade is a database lookup).
class Scorer {
 public:
  int Score(const FiveGrids& g) {
    Key key{
        NumberClassPoints(g.heaven, GridKind::Heaven), NumberClassPoints(g.earth, GridKind::Earth),
        NumberClassPoints(g.person, GridKind::Person), NumberClassPoints(g.total, GridKind::Total),
        NumberClassPoints(g.outer, GridKind::Outer),   ThreeTalentElements(g)};
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    int score = static_cast<int>(std::floor(NameScore(g)));
    cache_.emplace(std::move(key), score);
    return score;
  }

 private:
  using Key = std::tuple<double, double, double, double, double, std::string>;
  std::map<Key, int> cache_;
};

bool SuitsWomen(const FiveGrids& g) {
  for (int grid : {g.person, g.earth, g.outer, g.total}) {
    if (std::find(kTooStrongForWomen.begin(), kTooStrongForWomen.end(), grid) !=
        kTooStrongForWomen.end()) {
      return false;
    }
  }
  return true;
}

// Given-name stroke counts that offer plenty of ordinary name characters.
// Counts below it hold few characters, many of them particles or parts of
// common words (之, 上, 大, 己), which make odd names; counts above it hold
// characters too heavy to write.
constexpr int kCommonLeast = 4;
constexpr int kCommonMost = 20;

bool Common(int strokes) {
  return strokes == 0 || (strokes >= kCommonLeast && strokes <= kCommonMost);
}

// Among combinations of equal score, those whose given-name counts lie where
// most name characters are (6 to 16 strokes) come first, then fewer strokes.
int Tiebreak(int bh21, int bh22) {
  auto away = [](int n) { return n == 0 ? 0 : n < 6 ? 6 - n : n > 16 ? n - 16 : 0; };
  return (away(bh21) + away(bh22)) * 100 + bh21 + bh22;
}

void Add(std::vector<Combination>& group, Scorer& scorer, int lx, const std::vector<int>& surname,
         const std::vector<int>& given) {
  FiveGrids grids = FiveGridsFromStrokes(surname, given);
  Combination c;
  c.lx = lx;
  c.bh11 = surname[0];
  c.bh12 = surname.size() > 1 ? surname[1] : 0;
  c.bh21 = given[0];
  c.bh22 = given.size() > 1 ? given[1] : 0;
  c.zf = scorer.Score(grids);
  c.suitsWomen = SuitsWomen(grids);
  c.uncommon = Common(c.bh21) && Common(c.bh22) ? 0 : 1;
  c.tiebreak = Tiebreak(c.bh21, c.bh22);
  group.push_back(c);
}

// jxjx ranks the combinations of one surname and name form from 1: those with
// common given-name counts first, each part by score from the best, so the
// first rows of "order by jxjx" are the best for that surname. The others stay
// reachable through a fixed character or a score floor.
void Rank(std::vector<Combination>& group) {
  std::sort(group.begin(), group.end(), [](const Combination& a, const Combination& b) {
    return std::tie(a.uncommon, b.zf, a.tiebreak, a.bh21, a.bh22) <
           std::tie(b.uncommon, a.zf, b.tiebreak, b.bh21, b.bh22);
  });
  for (size_t i = 0; i < group.size(); ++i) group[i].jxjx = static_cast<int>(i) + 1;
}

class ZhRows {
 public:
  explicit ZhRows(DbWriter& db) : db_(db) {}
  ~ZhRows() = default;

  // Forms 11 and 12 get one row for both sexes; 21 and 22 one row per sex
  // the combination suits.
  void AddGroup(const std::vector<Combination>& group) {
    for (const Combination& c : group) {
      bool twoCharacterSurname = c.lx >= 21;
      if (!twoCharacterSurname) {
        Row(c, "0");
      } else {
        Row(c, "男");
        if (c.suitsWomen) Row(c, "女");
      }
    }
    if (rows_.size() >= 200000) Flush();
  }

  void Flush() {
    if (rows_.empty()) return;
    db_.Insert("zh", {"lx", "bh11", "bh12", "bh21", "bh22", "zf", "xb", "jxjx"}, rows_);
    rows_.clear();
  }

 private:
  void Row(const Combination& c, const char* xb) {
    rows_.push_back({std::to_string(c.lx), std::to_string(c.bh11), std::to_string(c.bh12),
                     std::to_string(c.bh21), std::to_string(c.bh22), std::to_string(c.zf), xb,
                     std::to_string(c.jxjx)});
  }

  DbWriter& db_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace

// The stroke combinations of given names with their scores: for every surname
// stroke count (and pair of counts) the stroke table holds, every given name of
// one or two characters below 25 strokes each.
void AddCombinationTable(DbWriter& db, const Sources&, const std::filesystem::path& outDir) {
  std::string previous = ProgramDirectory();
  SetProgramDirectory(outDir.string());
  try {
    std::vector<int> counts = SurnameStrokeCounts(outDir);
    Scorer scorer;
    ZhRows rows(db);
    auto build = [&](int lx, const std::vector<int>& surname) {
      std::vector<Combination> group;
      for (int g1 = 1; g1 <= kMaxGivenStrokes; ++g1) {
        if (lx % 10 == 1) {
          Add(group, scorer, lx, surname, {g1});
          continue;
        }
        for (int g2 = 1; g2 <= kMaxGivenStrokes; ++g2) Add(group, scorer, lx, surname, {g1, g2});
      }
      Rank(group);
      rows.AddGroup(group);
    };
    for (int s1 : counts) {
      build(11, {s1});
      build(12, {s1});
      for (int s2 : counts) {
        build(21, {s1, s2});
        build(22, {s1, s2});
      }
    }
    rows.Flush();
  } catch (...) {
    SetProgramDirectory(previous);
    throw;
  }
  SetProgramDirectory(previous);
}

}  // namespace zorvan::datagen

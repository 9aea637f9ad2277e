#include "numerology/ThreeTalents.h"

#include "data/ReferenceStore.h"
#include "numerology/NumberFortune.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {

std::string DigitElement(int number) {
  switch (number % 10) {
    case 1:
    case 2:
      return Gbk("木");
    case 3:
    case 4:
      return Gbk("火");
    case 5:
    case 6:
      return Gbk("土");
    case 7:
    case 8:
      return Gbk("金");
    case 9:
    case 0:
      return Gbk("水");
    default:
      return {};
  }
}

std::string ThreeTalentElements(const FiveGrids& grids) {
  return DigitElement(grids.heaven) + DigitElement(grids.person) + DigitElement(grids.earth);
}

double ThreeTalentPoints(std::string_view threeTalents) {
  int grade = 0;
  try {
    ReferenceStore store(ConnectionStringFor(kNumerologyDb));
    store.Open("Select djc from sancai where title = " + QuotedSql(threeTalents) + " ");
    if (store.IsEmpty()) return -1;
    grade = store.FieldInt(0);
  } catch (const DataError&) {
    throw SilentAbort();
  }
  constexpr double kGradePoints[] = {20, 18, 16, 15, 14, 13, 12};
  if (grade < 1 || grade > 7) return -1;
  return kGradePoints[grade - 1];
}

std::optional<ThreeTalentReadingTexts> ThreeTalentReading(std::string_view threeTalents) {
  // The key is quoted with inner quotes doubled, so a stray quote cannot break
  // the statement; for element strings the text is the plain one.
  ReferenceStore store(ConnectionStringFor(kNumerologyDb));
  store.Open("Select top 1 * from sancai2009 where title = " + QuotedSql(threeTalents));
  if (store.RecordCount() < 1) return std::nullopt;
  ThreeTalentReadingTexts reading;
  reading.yy = Trim(store.FieldText("yy"));
  reading.jcy = Trim(store.FieldText("jcy"));
  reading.jx1 = Trim(store.FieldText("jx1"));
  reading.cgy = Trim(store.FieldText("cgy"));
  reading.jx2 = Trim(store.FieldText("jx2"));
  reading.rjgx = Trim(store.FieldText("rjgx"));
  reading.jx3 = Trim(store.FieldText("jx3"));
  reading.xg = Trim(store.FieldText("xg"));
  return reading;
}

double NameScore(const FiveGrids& grids) {
  long double score = 0;
  score += NumberClassPoints(grids.heaven, GridKind::Heaven);
  score += NumberClassPoints(grids.earth, GridKind::Earth);
  score += NumberClassPoints(grids.person, GridKind::Person);
  score += NumberClassPoints(grids.total, GridKind::Total);
  score += NumberClassPoints(grids.outer, GridKind::Outer);
  score += ThreeTalentPoints(ThreeTalentElements(grids));
  return static_cast<double>(score);
}

int ScoreBand(double score) {
  if (score >= 90) return 1;
  if (score >= 80) return 2;
  if (score >= 70) return 3;
  if (score >= 60) return 4;
  return 5;
}

}  // namespace zorvan

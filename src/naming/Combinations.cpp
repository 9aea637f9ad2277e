#include "naming/Combinations.h"

#include "data/ReferenceStore.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {

std::string AutoCombinationItem() { return Gbk("电脑全自动"); }

std::string WordStrokesSql(std::string_view character) {
  return "select bh from word where zi = " + QuotedSql(character) +
         " or ft = " + QuotedSql(character) + " ";
}

std::string WordElementSql(std::string_view character) {
  return "select wuhang from word where zi = " + QuotedSql(character) +
         " or ft = " + QuotedSql(character) + " ";
}

int WordStrokes(ReferenceStore& lookup, std::string_view character) {
  lookup.Close();
  lookup.Open(WordStrokesSql(character));
  int strokes = lookup.IsEmpty() ? 0 : lookup.FieldInt("bh");
  lookup.Close();
  return strokes;
}

std::string WordElement(ReferenceStore& lookup, std::string_view character) {
  lookup.Close();
  lookup.Open(WordElementSql(character));
  std::string element = lookup.IsEmpty() ? std::string() : lookup.FieldText("wuhang");
  lookup.Close();
  return element;
}

SurnameCharacters SplitSurname(std::string_view trimmedSurname) {
  if (trimmedSurname.size() == 2) return {true, std::string(trimmedSurname), {}};
  return {false, BytesAt(trimmedSurname, 1, 2), BytesAt(trimmedSurname, 3, 2)};
}

int NameFormCode(bool singleSurname, int CBXingshi) {
  int given = CBXingshi == 1 ? 1 : 2;
  return (singleSurname ? 10 : 20) + given;
}

std::string CombinationSql(const CombinationQuery& q) {
  bool single = q.code == 11 || q.code == 12;
  bool oneCharacterName = q.code == 11 || q.code == 21;
  int top = oneCharacterName ? 40 : 20;
  if (q.fixedSecond > 0 || q.fixedThird > 0) top = 80;

  std::vector<std::string> lines;
  if (single) {
    lines.push_back(Format(
        "select top %d bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %d "
        "and bh11 = %d ",
        top, q.code, q.s1));
  } else {
    lines.push_back(Format(
        "select top %d bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = %d "
        "and bh11 = %d and bh12 = %d ",
        top, q.code, q.s1, q.s2));
  }
  if (q.fixedSecond > 0) lines.push_back(Format(" and bh21 = %d ", q.fixedSecond));
  if (q.fixedThird > 0) lines.push_back(Format(" and bh22 = %d ", q.fixedThird));
  if (!single) {
    std::string sex = Gbk(q.CBsex == 0 ? "男" : "女");
    if (q.looseSex) {
      lines.push_back(" and (xb = '" + sex + "' or xb = '0') ");
    } else {
      lines.push_back(" and xb = '" + sex + "' ");
    }
  }
  if (q.floor) lines.push_back(Format(" and zf >= %d ", *q.floor));
  lines.push_back(" order by jxjx asc,zf asc");

  std::string sql;
  for (const std::string& line : lines) sql += line + "\n";
  return sql;
}

std::string CombinationEntry(int code, int s1, int s2, std::string_view bh21, std::string_view bh22,
                             std::string_view zf) {
  std::string surname = std::to_string(s1);
  if (code == 21 || code == 22) surname += "-" + std::to_string(s2);
  std::string given(bh21);
  if (code == 12 || code == 22) given += "-" + std::string(bh22);
  return surname + "|" + given + "(" + std::string(zf) + Gbk("分") + ")";
}

CombinationList RefreshCombinations(ReferenceStore& lookup, const NamingInputs& in) {
  CombinationQuery query;
  std::string fixed = Trim(in.Gudingzi);
  if (in.CBzhishukongz && !fixed.empty()) {
    int strokes = WordStrokes(lookup, fixed);
    (in.CBdijizi == 0 ? query.fixedSecond : query.fixedThird) = strokes;
  }
  SurnameCharacters surname = SplitSurname(Trim(in.Xing));
  query.code = NameFormCode(surname.single, in.CBXingshi);
  query.s1 = WordStrokes(lookup, surname.first);
  if (!surname.single) query.s2 = WordStrokes(lookup, surname.second);
  query.CBsex = in.CBsex;
  query.looseSex = in.CBXingshi == 1 || in.CBzhishukongz;
  std::string floor = Trim(in.ZuidiFee);
  if (in.CBFeeXX && !floor.empty()) query.floor = StrToInt(floor);

  lookup.Close();
  lookup.Open(CombinationSql(query));
  CombinationList list;
  list.code = query.code;
  list.items.push_back(AutoCombinationItem());
  for (lookup.First(); !lookup.Eof(); lookup.Next()) {
    list.items.push_back(
        CombinationEntry(query.code, query.s1, query.s2, Trim(lookup.FieldText("bh21")),
                         Trim(lookup.FieldText("bh22")), Trim(lookup.FieldText("zf"))));
  }
  lookup.Close();
  return list;
}

}  // namespace zorvan

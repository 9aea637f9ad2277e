#include "naming/CandidateQuery.h"

#include "naming/Combinations.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

constexpr std::array<const char*, 5> kElements = {"金", "木", "水", "火", "土"};

// The score suffix and fixed characters go into string literals; quoting them
// keeps a stray quote from breaking the statement.
std::string Literal(std::string_view text) { return QuotedSql(text); }

// The texts that differ between the two statement branches: the selection of
// each given-name character with its ordering offset, and the one-row
// selection that stands in for a fixed character.
struct SelectionTexts {
  const char* first;
  const char* fixedFirst;
  const char* second;
  const char* fixedSecond;
};
constexpr SelectionTexts kOneCombination = {"select zi,px + 551 as px,id from word where 1 = 1 ",
                                            " as zi, 120 as px, 131 as id from word ",
                                            "select zi,px + 5000 as px,id from word where 1 = 1 ",
                                            " as zi, 119 as px, 111 as id from word "};
constexpr SelectionTexts kAllCombinations = {
    "select zi,px + 1000 as px,id from word where 1 = 1 ", " as zi,11 as px, 100 as id from word ",
    "select zi,px + 5001 as px,id from word where 1 = 1 ", " as zi,12 as px, 100 as id from word "};

// The selections a (first given character) and b (second; empty for a
// one-character name) of one combination.
struct Selections {
  std::string a;
  std::string b;
};
Selections GivenNameSelections(std::string_view clause, const ComboEntry& entry,
                               const FixedCharacter& fixed, const SelectionTexts& texts) {
  using Position = FixedCharacter::Position;
  Selections s;
  if (fixed.position == Position::Second) {
    s.a = "select top 1 " + Literal(fixed.text) + texts.fixedFirst;
  } else {
    s.a = texts.first + std::string(clause);
    if (entry.b1 > 0) s.a += Format(" and bh = %d", entry.b1);
  }
  if (fixed.position == Position::Third) {
    s.b = "select top 1 " + Literal(fixed.text) + texts.fixedSecond;
  } else if (entry.b2 > 0) {
    s.b = texts.second + std::string(clause) + Format(" and bh = %d", entry.b2);
  }
  return s;
}

}  // namespace

std::array<bool, 5> CheckedElements(const NamingInputs& in) {
  return {in.CBjin, in.CBMu, in.CBshui, in.CBhuo, in.CBTu};
}

std::string ElementClause(const std::array<bool, 5>& elements) {
  int checked = 0;
  for (bool on : elements) checked += on ? 1 : 0;
  if (checked == 0 || checked == 5) return {};
  if (checked == 1) {
    for (size_t i = 0; i < elements.size(); ++i) {
      if (elements[i]) return " and wuhang = '" + Gbk(kElements[i]) + "' ";
    }
  }
  std::string pieces;
  for (size_t i = 0; i < elements.size(); ++i) {
    if (!elements[i]) continue;
    pieces += " wuhang = '" + Gbk(kElements[i]) + (i == 4 ? "' " : "' or ");
  }
  std::string trimmed = Trim(pieces);
  if (trimmed.ends_with("or")) pieces = trimmed.substr(0, trimmed.size() - 2);
  return " and ( " + pieces + " ) ";
}

std::string SexClause(bool loose, int CBsex) {
  std::string sex = Gbk(CBsex == 0 ? "男" : "女");
  if (loose) return " and (xb = '" + sex + "' or xb = '0') ";
  return " and xb = '" + sex + "' ";
}

ComboEntry ParseComboEntry(std::string_view entry, bool twoCharacterName) {
  std::string e = Trim(entry);
  std::string r = Trim(BytesAt(Trim(BytesAt(e, BytePos("|", e) + 1, e.size())), 1, 30));
  ComboEntry parsed;
  if (twoCharacterName) {
    size_t dash = BytePos("-", r);
    parsed.b1 = StrToInt(dash == 0 ? std::string() : BytesAt(r, 1, dash - 1));
    std::string t = Trim(BytesAt(r, dash + 1, 2));
    parsed.b2 = BytePos("(", t) > 0 ? StrToInt(BytesAt(r, dash + 1, 1)) : StrToInt(t);
  } else {
    size_t open = BytePos("(", r);
    parsed.b1 = StrToInt(open == 0 ? std::string() : BytesAt(r, 1, open - 1));
  }
  parsed.suffix = Trim(BytesAt(r, BytePos("(", r), 16));
  return parsed;
}

FixedCharacter FixedCharacterOf(const NamingInputs& in) {
  FixedCharacter fixed;
  if (!in.CBzhishukongz) return fixed;
  fixed.position =
      in.CBdijizi == 0 ? FixedCharacter::Position::Second : FixedCharacter::Position::Third;
  fixed.text = Trim(in.Gudingzi);
  return fixed;
}

std::string SingleCombinationSql(std::string_view surname, std::string_view clause,
                                 const ComboEntry& entry, const FixedCharacter& fixed) {
  auto [a, b] = GivenNameSelections(clause, entry, fixed, kOneCombination);
  std::string q = QuotedSql(surname);
  std::string text;
  if (!b.empty()) {
    text = "select " + q + " + a.zi + b.zi + " + Literal(entry.suffix) +
           ",(a.px + b.px + a.id) as px from (" + a + ") a , (" + b + ") b";
  } else {
    text = "select " + q + " + a.zi + " + Literal(entry.suffix) + ",(a.px + a.id) as px from (" +
           a + ") a ";
  }
  return "select * from (" + text + ") p order by px ";
}

std::string AllCombinationsSql(std::string_view surname, std::string_view clause,
                               const std::vector<std::string>& entries, bool twoCharacterName,
                               const FixedCharacter& fixed) {
  std::string q = QuotedSql(surname);
  std::string text;
  for (const std::string& item : entries) {
    ComboEntry entry = ParseComboEntry(item, twoCharacterName);
    auto [a, b] = GivenNameSelections(clause, entry, fixed, kAllCombinations);
    if (!Trim(text).empty()) text += " union \n";
    if (!b.empty()) {
      text += "select " + q + " + a.zi + b.zi + " + Literal(entry.suffix) +
              ",(a.px + b.px) as px from (" + a + ") a , (" + b + ") b\n";
    } else {
      text += "select " + q + " + a.zi + " + Literal(entry.suffix) + ",(a.px+ a.id) as px from (" +
              a + ") a \n";
    }
  }
  if (Trim(text).empty()) return {};
  return "select * from (" + text + ") p order by px";
}

CandidateStatement BuildCandidateStatement(const NamingInputs& in) {
  std::string clause = ElementClause(CheckedElements(in)) +
                       SexClause(in.CBXingshi == 1 || in.CBzhishukongz, in.CBsex);
  std::string surname = Trim(in.Xing);
  FixedCharacter fixed = FixedCharacterOf(in);
  bool twoCharacterName = in.CBXingshi == 0;
  CandidateStatement statement;
  if (Trim(in.CBCode) != AutoCombinationItem()) {
    statement.singleCombination = true;
    statement.sql =
        SingleCombinationSql(surname, clause, ParseComboEntry(in.CBCode, twoCharacterName), fixed);
  } else {
    std::vector<std::string> entries;
    if (in.CBCodeItems.size() > 1) entries.assign(in.CBCodeItems.begin() + 1, in.CBCodeItems.end());
    statement.sql = AllCombinationsSql(surname, clause, entries, twoCharacterName, fixed);
  }
  return statement;
}

std::vector<ReadingStep> ReadingOrder(int rowCount) {
  std::vector<ReadingStep> steps;
  if (rowCount <= 0) return steps;
  steps.reserve(static_cast<size_t>(rowCount));
  int g = rowCount / 9;
  for (int h = 1; h <= g; ++h) {
    for (int k = 0; k < 9; ++k) steps.push_back({h + k * g, k == 8});
  }
  for (int row = 9 * g + 1; row <= rowCount; ++row) steps.push_back({row, true});
  return steps;
}

}  // namespace zorvan

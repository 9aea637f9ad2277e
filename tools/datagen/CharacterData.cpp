#include "CharacterData.h"

#include <memory>
#include <stdexcept>

#include "text/Gbk.h"

namespace zorvan::datagen {
namespace {

// Numerals count by their value, whatever their strokes.
const std::map<std::string, int> kNumerals = {{"一", 1}, {"二", 2}, {"三", 3}, {"四", 4},
                                              {"五", 5}, {"六", 6}, {"七", 7}, {"八", 8},
                                              {"九", 9}, {"十", 10}};

size_t Column(const Table& table, const std::string& name, const std::string& file) {
  for (size_t i = 0; i < table.columns.size(); ++i) {
    if (table.columns[i] == name) return i;
  }
  throw std::runtime_error(file + ": no column " + name);
}

char32_t SingleCharacter(const std::string& text, const std::string& file) {
  auto characters = Utf8Characters(text);
  if (characters.size() != 1) throw std::runtime_error(file + ": not one character: " + text);
  return CodePointOf(characters[0]);
}

}  // namespace

bool InGbk(char32_t c) {
  std::string utf8 = Utf8Of(c);
  std::string gbk = Utf8ToGbk(utf8);
  return gbk.size() == 2 && GbkToUtf8(gbk) == utf8;
}

std::pair<int, int> ParseRadicalStrokes(const std::string& value) {
  std::string first = value.substr(0, value.find(' '));
  size_t dot = first.find('.');
  if (dot == std::string::npos) return {0, 0};
  std::string radical = first.substr(0, dot);
  while (!radical.empty() && radical.back() == '\'') radical.pop_back();
  try {
    return {std::stoi(radical), std::stoi(first.substr(dot + 1))};
  } catch (const std::exception&) {
    return {0, 0};
  }
}

int KangxiRadicalStrokes(int radical) {
  // The last radical number of each stroke group, 1 to 17 strokes.
  static const int kLast[] = {6,   29,  60,  94,  117, 146, 166, 175, 186,
                              194, 200, 204, 208, 210, 211, 213, 214};
  if (radical < 1) return 0;
  for (int group = 0; group < 17; ++group) {
    if (radical <= kLast[group]) return group + 1;
  }
  return 0;
}

Table ReadCharsFile(const Sources& sources, const std::string& name) {
  return ReadTsv(sources.data / "chars" / name);
}

CharacterData::CharacterData(const Sources& sources)
    : unihan_(sources.unihan, {"kTGH", "kRSKangXi", "kRSUnicode", "kMandarin", "kFrequency"}) {
  // The standard list: "2013:N", levels 1 and 2 are N up to 6500.
  std::map<int, char32_t> byNumber;
  for (const auto& [c, value] : unihan_.All("kTGH")) {
    for (size_t at = value.find("2013:"); at != std::string::npos;
         at = value.find("2013:", at + 1)) {
      int number = std::stoi(value.substr(at + 5));
      if (number <= 6500 && InGbk(c)) byNumber[number] = c;
    }
  }
  for (const auto& [number, c] : byNumber) {
    standard_.push_back(c);
    standardNumber_[c] = number;
  }

  // Traditional forms: the OpenCC extract, then our decisions for names.
  const std::string extractFile = "traditional.tsv";
  Table extract = ReadCharsFile(sources, extractFile);
  size_t zi = Column(extract, "zi", extractFile);
  size_t ft = Column(extract, "ft", extractFile);
  size_t others = Column(extract, "qita", extractFile);
  for (const auto& row : extract.rows) {
    char32_t c = SingleCharacter(row[zi], extractFile);
    traditional_[c] = SingleCharacter(row[ft], extractFile);
    // Every candidate is a form someone may type; the first one is kept here
    // too, for when an override replaces it.
    otherForms_[c].push_back(traditional_[c]);
    for (const auto& form : Utf8Characters(row[others])) {
      if (form != " ") otherForms_[c].push_back(CodePointOf(form));
    }
  }
  const std::string overrideFile = "traditional_overrides.tsv";
  Table overrides = ReadCharsFile(sources, overrideFile);
  zi = Column(overrides, "zi", overrideFile);
  ft = Column(overrides, "ft", overrideFile);
  for (const auto& row : overrides.rows) {
    traditional_[SingleCharacter(row[zi], overrideFile)] = SingleCharacter(row[ft], overrideFile);
  }

  const std::string exceptionFile = "stroke_exceptions.tsv";
  Table exceptions = ReadCharsFile(sources, exceptionFile);
  zi = Column(exceptions, "zi", exceptionFile);
  size_t num = Column(exceptions, "num", exceptionFile);
  for (const auto& row : exceptions.rows) {
    exceptions_[SingleCharacter(row[zi], exceptionFile)] = std::stoi(row[num]);
  }

  const std::string surnameFile = "surnames.tsv";
  Table surnames = ReadCharsFile(sources, surnameFile);
  size_t xing = Column(surnames, "xing", surnameFile);
  for (const auto& row : surnames.rows) surnames_.push_back(row[xing]);

  // The stroke table: the standard list and the surnames, then the traditional
  // forms, which take the count of the character they write.
  std::vector<char32_t> characters = standard_;
  for (const auto& surname : surnames_) {
    for (const auto& character : Utf8Characters(surname)) {
      char32_t c = CodePointOf(character);
      if (!InGbk(c)) throw std::runtime_error(surnameFile + ": not in GBK: " + surname);
      characters.push_back(c);
    }
  }
  for (char32_t c : characters) AddStrokes(c, RuleStrokes(c));
  for (char32_t c : characters) {
    char32_t t = Traditional(c);
    if (t != c && InGbk(t) && !strokes_.contains(t)) AddStrokes(t, strokes_.at(c));
  }
  // The other traditional candidates (範 beside 范, 後 beside 后) count as
  // themselves.
  for (char32_t c : characters) {
    auto forms = otherForms_.find(c);
    if (forms == otherForms_.end()) continue;
    for (char32_t t : forms->second) {
      if (InGbk(t) && !strokes_.contains(t)) AddStrokes(t, RuleStrokes(t));
    }
  }
}

const CharacterData& CharacterData::For(const Sources& sources) {
  static std::map<std::string, std::unique_ptr<CharacterData>> cache;
  std::string key = sources.data.string() + '\n' + sources.unihan.string();
  auto& data = cache[key];
  if (!data) data = std::make_unique<CharacterData>(sources);
  return *data;
}

int CharacterData::StandardNumber(char32_t c) const {
  auto found = standardNumber_.find(c);
  return found == standardNumber_.end() ? 0 : found->second;
}

char32_t CharacterData::Traditional(char32_t c) const {
  auto found = traditional_.find(c);
  return found == traditional_.end() ? c : found->second;
}

char32_t CharacterData::StoredTraditional(char32_t c) const {
  char32_t t = Traditional(c);
  return InGbk(t) ? t : c;
}

int CharacterData::StrokesOf(char32_t c) const {
  auto found = strokes_.find(c);
  return found == strokes_.end() ? 0 : found->second;
}

int CharacterData::RadicalOf(char32_t c) const {
  char32_t t = Traditional(c);
  const std::string* value = &unihan_.Field(t, "kRSKangXi");
  if (value->empty()) value = &unihan_.Field(t, "kRSUnicode");
  return ParseRadicalStrokes(*value).first;
}

int CharacterData::RuleStrokes(char32_t c) const {
  if (auto found = exceptions_.find(c); found != exceptions_.end()) return found->second;
  if (auto found = kNumerals.find(Utf8Of(c)); found != kNumerals.end()) return found->second;
  char32_t t = Traditional(c);
  const std::string* value = &unihan_.Field(t, "kRSKangXi");
  if (value->empty()) value = &unihan_.Field(t, "kRSUnicode");
  auto [radical, residual] = ParseRadicalStrokes(*value);
  int strokes = KangxiRadicalStrokes(radical);
  if (strokes == 0) {
    throw std::runtime_error("no radical and strokes in Unihan for " + Utf8Of(c));
  }
  return strokes + residual;
}

void CharacterData::AddStrokes(char32_t c, int count) { strokes_.emplace(c, count); }

}  // namespace zorvan::datagen

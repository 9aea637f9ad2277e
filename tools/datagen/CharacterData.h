#pragma once

#include <map>
#include <string>
#include <vector>

#include "DbWriter.h"
#include "Unihan.h"

namespace zorvan::datagen {

// What the two character tables (bihua and word) share: the characters a name
// may hold, their traditional forms and their stroke counts for name
// numerology. Built once from Unihan, the OpenCC extract and the reviewed lists
// under data/chars.
class CharacterData {
 public:
  explicit CharacterData(const Sources& sources);

  // The same data for the same sources, built on first use.
  static const CharacterData& For(const Sources& sources);

  const Unihan& unihan() const { return unihan_; }

  // Levels 1 and 2 of the 2013 standard character list that GBK holds, in the
  // list's order, with their numbers in that list.
  const std::vector<char32_t>& Standard() const { return standard_; }
  int StandardNumber(char32_t c) const;

  // The common surnames (UTF-8), single ones first, in the order of the list.
  const std::vector<std::string>& Surnames() const { return surnames_; }

  // The traditional form of a character as names write it (the character
  // itself when it has none).
  char32_t Traditional(char32_t c) const;
  // The traditional form as stored in the tables: the character itself when
  // GBK lacks the traditional form.
  char32_t StoredTraditional(char32_t c) const;

  // Every character of the stroke table with its count; each character once.
  // Beside the standard list and the surnames it holds their traditional
  // forms, which carry the count of the character they write, and the other
  // traditional candidates OpenCC lists, which count as themselves.
  const std::map<char32_t, int>& Strokes() const { return strokes_; }
  // The count of one character of the stroke table; 0 when it has none.
  int StrokesOf(char32_t c) const;

  // The Kangxi radical number of a character (on its traditional form).
  int RadicalOf(char32_t c) const;

 private:
  int RuleStrokes(char32_t c) const;
  void AddStrokes(char32_t c, int count);

  Unihan unihan_;
  std::vector<char32_t> standard_;
  std::map<char32_t, int> standardNumber_;
  std::vector<std::string> surnames_;
  std::map<char32_t, char32_t> traditional_;
  std::map<char32_t, std::vector<char32_t>> otherForms_;
  std::map<char32_t, int> exceptions_;
  std::map<char32_t, int> strokes_;
};

// True when GBK holds the character as one double-byte code.
bool InGbk(char32_t c);

// The radical and residual strokes of a kRSKangXi or kRSUnicode value (its
// first entry): "85.9" gives {85, 9}; a simplified radical ("120'.3") counts
// as its full form.
std::pair<int, int> ParseRadicalStrokes(const std::string& value);

// Stroke count of a Kangxi radical's full form, 1 to 17, by the dictionary's
// grouping; 0 for a number outside 1..214.
int KangxiRadicalStrokes(int radical);

// Reads a data/chars file, throwing when it is missing.
Table ReadCharsFile(const Sources& sources, const std::string& name);

}  // namespace zorvan::datagen

#include "numerology/NumberFortune.h"

#include <cerrno>
#include <cstdlib>

#include "data/ReferenceStore.h"
#include "tables/NumberFortuneTable.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {

namespace {

// The three number classes, each a list with a comma before and after every
// number, searched for "," + number + ",".
constexpr std::string_view kFirstClass =
    ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,"
    "81,";
constexpr std::string_view kSecondClass = ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,";
constexpr std::string_view kThirdClass =
    ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,72,74,76,"
    "77,78,79,80,";

// Points by class (rows) and grid kind (columns Heaven, Earth, Person, Total, Outer).
constexpr double kClassPoints[3][5] = {
    {10, 10, 30, 20, 10},
    {8.5, 8.5, 25.5, 17, 8.5},
    {7, 7, 21, 14, 7},
};

std::string EntryText(const NumberFortuneEntry& entry) {
  std::string text;
  text += entry.verse;
  text += "|";
  text += entry.fortune;
  text += "|主人性格类型：[";
  text += PersonalityTypeName(entry.personality);
  text += "]，其具体表现为：";
  text += PersonalityTypeDescription(entry.personality);
  return Utf8ToGbk(text);
}

}  // namespace

std::string NumberFortuneText(std::string_view decimalText) {
  std::string trimmed = Trim(decimalText);
  errno = 0;
  long long n = IsDecimalInteger(trimmed) ? std::strtoll(trimmed.c_str(), nullptr, 10) : 0;
  if (!IsDecimalInteger(trimmed) || errno == ERANGE) {
    throw ConversionError("'" + std::string(decimalText) + "' is not a valid integer value");
  }
  // The remainder is the entry index itself: 81 and 162 read entry 0, 80 reads
  // entry 80. The QQ and other-number windows count on this, so it stays so
  // although entry 0 carries the verse traditionally told for the number 1.
  long long r = n % 81;
  if (r < 0) return Gbk("对不起,此号不在分解之类。");
  return EntryText(NumberFortuneEntries()[static_cast<size_t>(r)]);
}

double NumberClassPoints(int number, int kind) {
  if (kind < 0 || kind > 4) return 0;
  const std::string key = "," + std::to_string(number) + ",";
  const std::string_view classes[3] = {kFirstClass, kSecondClass, kThirdClass};
  for (int c = 0; c < 3; ++c) {
    if (classes[c].find(key) != std::string_view::npos) return kClassPoints[c][kind];
  }
  return 0;
}

double NumberClassPoints(int number, GridKind kind) {
  return NumberClassPoints(number, static_cast<int>(kind));
}

std::string NumberTableField(int number, int field) {
  try {
    ReferenceStore store(ConnectionStringFor(kNumerologyDb));
    store.Open(Format("Select * from 81 where num = %d", number));
    if (store.IsEmpty()) return " ";
    switch (field) {
      case 0:
        return store.FieldText("yy");
      case 1:
        return store.FieldText("jx");
      case 2:
        return store.FieldText("as");
      case 3:
        return store.FieldText("content");
      default:
        return {};
    }
  } catch (const DataError&) {
    throw SilentAbort();
  }
}

}  // namespace zorvan

#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace zorvan::datagen {

// The fields of Debian's Unihan files that the character tables need, keyed by
// code point. Only the fields asked for are kept.
class Unihan {
 public:
  // Reads every Unihan_*.txt.bz2 file in `directory`.
  Unihan(const std::filesystem::path& directory, const std::set<std::string>& fields);

  // The value of `field` for `codePoint`, or an empty text when Unihan has none.
  const std::string& Field(char32_t codePoint, std::string_view field) const;

  // Every code point that has `field`, with its value, in code point order.
  const std::map<char32_t, std::string>& All(std::string_view field) const;

 private:
  void ReadFile(const std::filesystem::path& file);
  std::set<std::string> wanted_;
  std::map<std::string, std::map<char32_t, std::string>, std::less<>> fields_;
};

// Reads a whole bzip2-compressed file.
std::string ReadBzip2File(const std::filesystem::path& file);

}  // namespace zorvan::datagen

#include "Unihan.h"

#include <bzlib.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace zorvan::datagen {

std::string ReadBzip2File(const std::filesystem::path& file) {
  std::unique_ptr<FILE, int (*)(FILE*)> raw(std::fopen(file.c_str(), "rb"), &std::fclose);
  if (!raw) throw std::runtime_error("cannot read " + file.string());
  int error = BZ_OK;
  BZFILE* bz = BZ2_bzReadOpen(&error, raw.get(), 0, 0, nullptr, 0);
  if (error != BZ_OK) throw std::runtime_error("not a bzip2 file: " + file.string());
  std::string text;
  char buffer[1 << 16];
  while (error == BZ_OK) {
    int n = BZ2_bzRead(&error, bz, buffer, sizeof buffer);
    if (error == BZ_OK || error == BZ_STREAM_END) text.append(buffer, static_cast<size_t>(n));
  }
  BZ2_bzReadClose(nullptr, bz);
  if (error != BZ_STREAM_END) throw std::runtime_error("damaged bzip2 file: " + file.string());
  return text;
}

Unihan::Unihan(const std::filesystem::path& directory, const std::set<std::string>& fields)
    : wanted_(fields) {
  for (const auto& field : fields) fields_[field];
  std::set<std::filesystem::path> files;  // sorted, so the reading order is fixed
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    std::string name = entry.path().filename().string();
    if (name.rfind("Unihan_", 0) == 0 && name.ends_with(".txt.bz2")) files.insert(entry.path());
  }
  if (files.empty()) throw std::runtime_error("no Unihan files in " + directory.string());
  for (const auto& file : files) ReadFile(file);
}

void Unihan::ReadFile(const std::filesystem::path& file) {
  std::string text = ReadBzip2File(file);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    // U+4E00<TAB>kField<TAB>value
    if (line.size() < 8 || line[0] != 'U' || line[1] != '+') continue;
    size_t tab1 = line.find('\t');
    size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos) continue;
    std::string field(line.substr(tab1 + 1, tab2 - tab1 - 1));
    if (!wanted_.contains(field)) continue;
    auto codePoint =
        static_cast<char32_t>(std::stoul(std::string(line.substr(2, tab1 - 2)), nullptr, 16));
    fields_[field][codePoint] = std::string(line.substr(tab2 + 1));
  }
}

const std::string& Unihan::Field(char32_t codePoint, std::string_view field) const {
  static const std::string kNone;
  auto values = fields_.find(field);
  if (values == fields_.end())
    throw std::logic_error("Unihan field not loaded: " + std::string(field));
  auto value = values->second.find(codePoint);
  return value == values->second.end() ? kNone : value->second;
}

const std::map<char32_t, std::string>& Unihan::All(std::string_view field) const {
  auto values = fields_.find(field);
  if (values == fields_.end())
    throw std::logic_error("Unihan field not loaded: " + std::string(field));
  return values->second;
}

}  // namespace zorvan::datagen

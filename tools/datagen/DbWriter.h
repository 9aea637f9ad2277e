#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zorvan::datagen {

// Paths the builders read from.
struct Sources {
  std::filesystem::path data;    // the repo's data/ folder
  std::filesystem::path unihan;  // Debian's Unihan files (unicode-data)
  std::filesystem::path opencc;  // Debian's OpenCC dictionaries
};

// A fresh SQLite database file, written in one transaction and then closed.
class DbWriter {
 public:
  explicit DbWriter(const std::filesystem::path& file);
  ~DbWriter();
  DbWriter(const DbWriter&) = delete;
  DbWriter& operator=(const DbWriter&) = delete;

  void Exec(std::string_view sql);
  // Inserts rows (UTF-8 texts; an empty optional-free cell stays a text) into
  // `table` with the named columns. Cells are bound as integers when the column
  // is declared INTEGER, as reals when REAL, else as texts.
  void Insert(std::string_view table, const std::vector<std::string>& columns,
              const std::vector<std::vector<std::string>>& rows);
  void Finish();

 private:
  std::string ColumnType(std::string_view table, std::string_view column);
  sqlite3* db_ = nullptr;
  std::filesystem::path file_;
  std::filesystem::path temp_;
};

// A tab-separated UTF-8 file with a header line; lines starting with '#' and
// blank lines are skipped.
struct Table {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};
Table ReadTsv(const std::filesystem::path& file);

// Loads data/<folder>/<table>.tsv into `table` when that file exists.
void LoadTsvIfPresent(DbWriter& db, const Sources& sources, std::string_view folder,
                      std::string_view table);

// Splits a UTF-8 text into its characters (each a UTF-8 string).
std::vector<std::string> Utf8Characters(std::string_view text);
// Code point of a single UTF-8 character.
char32_t CodePointOf(std::string_view utf8Character);
std::string Utf8Of(char32_t codePoint);

// Table fillers that compute their rows (the others come straight from TSV files).
void AddStrokeTable(DbWriter& db, const Sources& sources);  // VelFile.dll bihua
void AddWordTable(DbWriter& db, const Sources& sources);    // Zorvan.dll word
// Zorvan.dll zh; scores come from the numerology of the VelFile.dll already
// written into `outDir`.
void AddCombinationTable(DbWriter& db, const Sources& sources, const std::filesystem::path& outDir);

// The builders, one per database file.
void BuildNamingDb(const Sources& sources, const std::filesystem::path& file);
void BuildNumerologyDb(const Sources& sources, const std::filesystem::path& file);
void BuildBirthDb(const Sources& sources, const std::filesystem::path& file);
void BuildDreamDb(const Sources& sources, const std::filesystem::path& file);
void BuildPillarDb(const Sources& sources, const std::filesystem::path& file);

}  // namespace zorvan::datagen

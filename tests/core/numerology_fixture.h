#pragma once

// A small VelFile.dll written by a test into a temporary directory, with the
// program directory pointed at it for the test's lifetime.

#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/ReferenceStore.h"

namespace zorvan::testing {

class NumerologyFixtureDb {
 public:
  NumerologyFixtureDb() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorvan-num-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    previous_ = ProgramDirectory();
    if (sqlite3_open((dir_ / "VelFile.dll").c_str(), &db_) != SQLITE_OK) {
      throw std::runtime_error("cannot create fixture database");
    }
    Exec("PRAGMA synchronous = OFF");
    Exec("PRAGMA journal_mode = MEMORY");
    Exec("CREATE TABLE bihua (hanzi TEXT, num INTEGER)");
    Exec("CREATE TABLE \"81\" (num INTEGER, yy TEXT, jx TEXT, \"as\" TEXT, content TEXT)");
    Exec("CREATE TABLE sancai (title TEXT, djc INTEGER)");
    Exec(
        "CREATE TABLE sancai2009 (title TEXT, yy TEXT, jcy TEXT, jx1 TEXT, cgy TEXT, jx2 TEXT, "
        "rjgx TEXT, jx3 TEXT, xg TEXT)");
    SetProgramDirectory(dir_.string());
  }
  ~NumerologyFixtureDb() {
    sqlite3_close(db_);
    SetProgramDirectory(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  NumerologyFixtureDb(const NumerologyFixtureDb&) = delete;
  NumerologyFixtureDb& operator=(const NumerologyFixtureDb&) = delete;

  // UTF-8 SQL, as the generated databases hold UTF-8 texts.
  void Exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      std::string text = message ? message : "?";
      sqlite3_free(message);
      throw std::runtime_error("fixture SQL failed: " + text);
    }
  }

  void Strokes(const std::string& hanzi, int num) {
    Exec("INSERT INTO bihua VALUES ('" + hanzi + "', " + std::to_string(num) + ")");
  }
  void Number(int num, const std::string& yy, const std::string& jx, const std::string& as) {
    Exec("INSERT INTO \"81\" VALUES (" + std::to_string(num) + ", '" + yy + "', '" + jx + "', '" +
         as + "', '详解" + std::to_string(num) + "')");
  }
  void Grade(const std::string& title, int djc) {
    Exec("INSERT INTO sancai VALUES ('" + title + "', " + std::to_string(djc) + ")");
  }
  void Reading(const std::string& title, const std::vector<std::string>& texts) {
    std::string sql = "INSERT INTO sancai2009 VALUES ('" + title + "'";
    for (const std::string& text : texts) sql += ", '" + text + "'";
    Exec(sql + ")");
  }

  const std::filesystem::path& Dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
  std::string previous_;
  sqlite3* db_ = nullptr;
};

}  // namespace zorvan::testing

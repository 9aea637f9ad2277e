#pragma once

// A database file written by a test into its own temporary directory and
// removed with it. Tests fill it with UTF-8 SQL, as the generated databases
// hold UTF-8 texts.

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace zorvan::testing {

class FixtureDb {
 public:
  FixtureDb(const std::string& prefix, const std::string& fileName) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    if (sqlite3_open((dir_ / fileName).c_str(), &db_) != SQLITE_OK) {
      throw std::runtime_error("cannot create fixture database");
    }
    Exec("PRAGMA synchronous = OFF");
    Exec("PRAGMA journal_mode = MEMORY");
  }
  ~FixtureDb() {
    sqlite3_close(db_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  FixtureDb(const FixtureDb&) = delete;
  FixtureDb& operator=(const FixtureDb&) = delete;

  void Exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      std::string text = message ? message : "?";
      sqlite3_free(message);
      throw std::runtime_error("fixture SQL failed: " + text);
    }
  }

  const std::filesystem::path& Dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
  sqlite3* db_ = nullptr;
};

}  // namespace zorvan::testing

#pragma once

// A small Zorvan.dll written by a test into a temporary directory: a handful
// of characters in `word` and combinations in `zh`.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "data/ReferenceStore.h"

namespace zorvan::testing {

class NamingFixtureDb {
 public:
  NamingFixtureDb() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zorvan-naming-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    if (sqlite3_open(File().c_str(), &db_) != SQLITE_OK) {
      throw std::runtime_error("cannot create fixture database");
    }
    Exec("PRAGMA synchronous = OFF");
    Exec("PRAGMA journal_mode = MEMORY");
    Exec(
        "CREATE TABLE word (id INTEGER, zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, px INTEGER, "
        "xb TEXT)");
    Exec(
        "CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER, "
        "zf INTEGER, xb TEXT, jxjx INTEGER)");
  }
  ~NamingFixtureDb() {
    sqlite3_close(db_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  NamingFixtureDb(const NamingFixtureDb&) = delete;
  NamingFixtureDb& operator=(const NamingFixtureDb&) = delete;

  // UTF-8 SQL, as the generated databases hold UTF-8 texts.
  void Exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      std::string text = message ? message : "?";
      sqlite3_free(message);
      throw std::runtime_error("fixture SQL failed: " + text);
    }
  }

  void Word(int id, const std::string& zi, const std::string& ft, int bh, const std::string& wuhang,
            int px, const std::string& xb) {
    Exec("INSERT INTO word VALUES (" + std::to_string(id) + ", '" + zi + "', '" + ft + "', " +
         std::to_string(bh) + ", '" + wuhang + "', " + std::to_string(px) + ", '" + xb + "')");
  }
  void Combo(int lx, int bh11, int bh12, int bh21, int bh22, int zf, const std::string& xb,
             int jxjx) {
    Exec("INSERT INTO zh VALUES (" + std::to_string(lx) + ", " + std::to_string(bh11) + ", " +
         std::to_string(bh12) + ", " + std::to_string(bh21) + ", " + std::to_string(bh22) + ", " +
         std::to_string(zf) + ", '" + xb + "', " + std::to_string(jxjx) + ")");
  }

  std::filesystem::path File() const { return dir_ / "Zorvan.dll"; }
  std::string ConnectionString() const {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + File().string() +
           ";Persist Security Info=False";
  }
  std::shared_ptr<ReferenceConnection> Connect() const {
    return std::make_shared<ReferenceConnection>(ConnectionString());
  }

 private:
  std::filesystem::path dir_;
  sqlite3* db_ = nullptr;
};

}  // namespace zorvan::testing

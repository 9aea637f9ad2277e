#pragma once

// A small VelFile.dll written by a test into a temporary directory, with the
// program directory pointed at it for the test's lifetime.

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/fixture_db.h"
#include "data/ReferenceStore.h"

namespace zorvan::testing {

class NumerologyFixtureDb : public FixtureDb {
 public:
  NumerologyFixtureDb() : FixtureDb("zorvan-num", "VelFile.dll"), previous_(ProgramDirectory()) {
    Exec("CREATE TABLE bihua (hanzi TEXT, num INTEGER)");
    Exec("CREATE TABLE \"81\" (num INTEGER, yy TEXT, jx TEXT, \"as\" TEXT, content TEXT)");
    Exec("CREATE TABLE sancai (title TEXT, djc INTEGER)");
    Exec(
        "CREATE TABLE sancai2009 (title TEXT, yy TEXT, jcy TEXT, jx1 TEXT, cgy TEXT, jx2 TEXT, "
        "rjgx TEXT, jx3 TEXT, xg TEXT)");
    SetProgramDirectory(Dir().string());
  }
  ~NumerologyFixtureDb() { SetProgramDirectory(previous_); }

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

 private:
  std::string previous_;
};

// Records every database connection opened while it lives, with the statements
// run on it, so a test can count lookups (each lookup opens its own connection)
// and see their order. Only one recorder may live at a time.
class LookupLog {
 public:
  LookupLog() {
    static const bool registered = [] {
      return sqlite3_auto_extension(reinterpret_cast<void (*)()>(&OnOpen)) == SQLITE_OK;
    }();
    if (!registered) throw std::runtime_error("cannot watch database connections");
    Active() = this;
  }
  ~LookupLog() { Active() = nullptr; }
  LookupLog(const LookupLog&) = delete;
  LookupLog& operator=(const LookupLog&) = delete;

  int Opens() const { return opens_; }
  // The statements in the order they ran (as the engine received them).
  const std::vector<std::string>& Statements() const { return statements_; }
  void Clear() {
    opens_ = 0;
    statements_.clear();
  }

 private:
  static LookupLog*& Active() {
    static LookupLog* active = nullptr;
    return active;
  }
  static int OnOpen(sqlite3* db, const char**, const sqlite3_api_routines*) {
    if (Active() == nullptr) return SQLITE_OK;
    ++Active()->opens_;
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &OnStatement, nullptr);
    return SQLITE_OK;
  }
  static int OnStatement(unsigned, void*, void* statement, void*) {
    if (Active() != nullptr) {
      Active()->statements_.push_back(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
    }
    return 0;
  }

  int opens_ = 0;
  std::vector<std::string> statements_;
};

}  // namespace zorvan::testing

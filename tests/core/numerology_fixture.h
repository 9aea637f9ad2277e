#pragma once

// A small VelFile.dll written by a test into a temporary directory, with the
// program directory pointed at it for the test's lifetime.

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

}  // namespace zorvan::testing

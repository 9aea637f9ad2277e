#pragma once

// A small Zorvan.dll written by a test into a temporary directory: a handful
// of characters in `word` and combinations in `zh`.

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/fixture_db.h"
#include "data/ReferenceStore.h"

namespace zorvan::testing {

class NamingFixtureDb : public FixtureDb {
 public:
  NamingFixtureDb() : FixtureDb("zorvan-naming", "Zorvan.dll") {
    Exec(
        "CREATE TABLE word (id INTEGER, zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, px INTEGER, "
        "xb TEXT)");
    Exec(
        "CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER, "
        "zf INTEGER, xb TEXT, jxjx INTEGER)");
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

  std::filesystem::path File() const { return Dir() / "Zorvan.dll"; }
  std::string ConnectionString() const {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + File().string() +
           ";Persist Security Info=False";
  }
  std::shared_ptr<ReferenceConnection> Connect() const {
    return std::make_shared<ReferenceConnection>(ConnectionString());
  }
};

}  // namespace zorvan::testing

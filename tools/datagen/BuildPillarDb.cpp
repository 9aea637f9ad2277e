#include "DbWriter.h"

namespace zorvan::datagen {

// Tgcode.dll: the eight-characters tables.
void BuildPillarDb(const Sources& sources, const std::filesystem::path& file) {
  DbWriter db(file);
  db.Exec("CREATE TABLE hzwh (hz TEXT, wh TEXT)");
  db.Exec("CREATE TABLE Shishen (jiazi TEXT, ShiShen TEXT)");
  db.Exec("CREATE TABLE jiazi (jiazi TEXT, layin TEXT)");
  db.Exec("CREATE TABLE sjrs (wh TEXT, sj TEXT, sjrs TEXT)");
  db.Exec("CREATE TABLE qtbj (tg TEXT, dz TEXT, content TEXT)");
  for (const char* table : {"hzwh", "Shishen", "jiazi", "sjrs", "qtbj"}) {
    LoadTsvIfPresent(db, sources, "pillar", table);
  }
  db.Finish();
}

}  // namespace zorvan::datagen

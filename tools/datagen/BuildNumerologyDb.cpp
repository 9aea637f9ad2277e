#include "DbWriter.h"

namespace zorvan::datagen {

// VelFile.dll: stroke counts, the 81 numbers and the three-talent readings.
void BuildNumerologyDb(const Sources& sources, const std::filesystem::path& file) {
  DbWriter db(file);
  db.Exec("CREATE TABLE bihua (hanzi TEXT, num INTEGER)");
  db.Exec("CREATE TABLE \"81\" (num INTEGER, yy TEXT, jx TEXT, \"as\" TEXT, content TEXT)");
  db.Exec("CREATE TABLE sancai (title TEXT, djc INTEGER)");
  db.Exec(
      "CREATE TABLE sancai2009 (title TEXT, yy TEXT, jcy TEXT, jx1 TEXT, cgy TEXT, jx2 TEXT, "
      "rjgx TEXT, jx3 TEXT, xg TEXT)");
  AddStrokeTable(db, sources);
  LoadTsvIfPresent(db, sources, "numerology", "81");
  LoadTsvIfPresent(db, sources, "numerology", "sancai");
  LoadTsvIfPresent(db, sources, "numerology", "sancai2009");
  db.Exec("CREATE INDEX num81 ON \"81\" (num)");
  db.Exec("CREATE INDEX sancai_title ON sancai (title)");
  db.Exec("CREATE INDEX sancai2009_title ON sancai2009 (title)");
  db.Finish();
}

}  // namespace zorvan::datagen

#include "DbWriter.h"

namespace zorvan::datagen {

// dream.dll: dream interpretations, phone numbers and bone weights.
void BuildDreamDb(const Sources& sources, const std::filesystem::path& file) {
  DbWriter db(file);
  db.Exec("CREATE TABLE JMTable (TITLE TEXT, CONENT TEXT, CLASEID INTEGER)");
  db.Exec("CREATE TABLE Tclass (ZMID INTEGER, ZMCLASS TEXT)");
  db.Exec("CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT)");
  db.Exec("CREATE TABLE chenggu1 (year TEXT, weight REAL)");
  db.Exec("CREATE TABLE chenggu2 (month2 TEXT, weight REAL)");
  db.Exec("CREATE TABLE chenggu3 (day2 TEXT, weight REAL)");
  db.Exec("CREATE TABLE chenggu4 (time TEXT, weight REAL)");
  db.Exec("CREATE TABLE chenggu (weight TEXT, content TEXT, content2 TEXT)");
  for (const char* table :
       {"JMTable", "Tclass", "shouji", "chenggu1", "chenggu2", "chenggu3", "chenggu4", "chenggu"}) {
    LoadTsvIfPresent(db, sources, "dream", table);
  }
  db.Exec("CREATE INDEX jm_title ON JMTable (TITLE)");
  db.Exec("CREATE INDEX jm_class ON JMTable (CLASEID)");
  db.Exec("CREATE INDEX shouji_num ON shouji (num)");
  db.Finish();
}

}  // namespace zorvan::datagen

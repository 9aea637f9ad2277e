#include "DbWriter.h"

namespace zorvan::datagen {

// Zorvan.dll: the characters for names and the stroke combinations.
void BuildNamingDb(const Sources& sources, const std::filesystem::path& file) {
  DbWriter db(file);
  db.Exec(
      "CREATE TABLE word (id INTEGER, zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, px INTEGER, "
      "xb TEXT)");
  db.Exec(
      "CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER, "
      "zf INTEGER, xb TEXT, jxjx INTEGER)");
  AddWordTable(db, sources);
  AddCombinationTable(db, sources, file.parent_path());
  db.Exec("CREATE INDEX word_zi ON word (zi)");
  db.Exec("CREATE INDEX word_ft ON word (ft)");
  db.Exec("CREATE INDEX word_bh ON word (bh, xb)");
  db.Exec("CREATE INDEX zh_lookup ON zh (lx, bh11, bh12, jxjx, zf)");
  db.Finish();
}

}  // namespace zorvan::datagen

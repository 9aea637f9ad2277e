#include "DbWriter.h"

namespace zorvan::datagen {

// VelBirth.dll: the knowledge articles and the almanac.
void BuildBirthDb(const Sources& sources, const std::filesystem::path& file) {
  DbWriter db(file);
  db.Exec("CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT)");
  db.Exec(
      "CREATE TABLE huangdao (gn DATE, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT, "
      "pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT)");
  LoadTsvIfPresent(db, sources, "birth", "Noter");
  LoadTsvIfPresent(db, sources, "birth", "huangdao");
  db.Exec("CREATE INDEX noter_cid ON Noter (Cid)");
  db.Exec("CREATE INDEX huangdao_gn ON huangdao (gn)");
  db.Finish();
}

}  // namespace zorvan::datagen

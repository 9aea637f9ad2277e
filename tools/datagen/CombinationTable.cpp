#include "DbWriter.h"

namespace zorvan::datagen {

// The stroke combinations of given names with their scores.
void AddCombinationTable(DbWriter& db, const Sources& sources, const std::filesystem::path&) {
  LoadTsvIfPresent(db, sources, "naming", "zh");
}

}  // namespace zorvan::datagen

#include "DbWriter.h"

namespace zorvan::datagen {

// The characters offered for names, with their strokes, elements and sexes.
void AddWordTable(DbWriter& db, const Sources& sources) {
  LoadTsvIfPresent(db, sources, "naming", "word");
}

}  // namespace zorvan::datagen

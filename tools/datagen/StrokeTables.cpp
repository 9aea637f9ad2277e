#include "DbWriter.h"

namespace zorvan::datagen {

// Stroke counts of every character a name may hold.
void AddStrokeTable(DbWriter& db, const Sources& sources) {
  LoadTsvIfPresent(db, sources, "numerology", "bihua");
}

// The characters offered for names, with their strokes, elements and sexes.
void AddWordTable(DbWriter& db, const Sources& sources) { LoadTsvIfPresent(db, sources, "naming", "word"); }

}  // namespace zorvan::datagen

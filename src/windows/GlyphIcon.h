#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace zorvan {

// Our toolbar pictures: one character on a rounded tile of a colour, drawn at
// 32 × 32 (and 64 × 64 for dense screens).
QIcon GlyphIcon(const QString& glyph, const QColor& tile);

}  // namespace zorvan

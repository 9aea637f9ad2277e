#include "windows/GlyphIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace zorvan {

QIcon GlyphIcon(const QString& glyph, const QColor& tile) {
  QIcon icon;
  for (int size : {32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size);
    gradient.setColorAt(0, tile.lighter(135));
    gradient.setColorAt(1, tile);
    painter.setBrush(gradient);
    painter.setPen(QPen(tile.darker(140), size / 32.0));
    qreal inset = size / 32.0;
    painter.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), size / 5.0,
                            size / 5.0);
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setPixelSize(size * 11 / 16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace zorvan

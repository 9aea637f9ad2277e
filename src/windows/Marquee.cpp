#include "windows/Marquee.h"

#include <QPainter>

namespace zorvan {

Marquee::Marquee(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
  setAccessibleName(text);
  connect(&timer_, &QTimer::timeout, this, &Marquee::Step);
  timer_.start(40);
}

QSize Marquee::sizeHint() const { return {200, fontMetrics().height() + 4}; }

void Marquee::Step() {
  int span = width() + fontMetrics().horizontalAdvance(text_);
  offset_ = span > 0 ? (offset_ + 2) % span : 0;
  update();
}

void Marquee::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QColor(0xB0, 0x1E, 0x1E));
  int x = width() - offset_;
  painter.drawText(QRect(x, 0, fontMetrics().horizontalAdvance(text_) + 4, height()),
                   Qt::AlignVCenter | Qt::AlignLeft, text_);
}

}  // namespace zorvan

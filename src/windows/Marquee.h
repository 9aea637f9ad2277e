#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace zorvan {

// A line of text that scrolls from right to left across the status bar.
class Marquee : public QWidget {
  Q_OBJECT

 public:
  explicit Marquee(const QString& text, QWidget* parent = nullptr);
  QString text() const { return text_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Step();

  QString text_;
  QTimer timer_;
  int offset_ = 0;
};

}  // namespace zorvan

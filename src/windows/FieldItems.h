#pragma once

#include <QString>
#include <QStringList>
#include <QValidator>

namespace zorvan {

// The items of the birth-time lists that several windows share.
// "1900" … or "01" …: the numbers first..last, zero-padded to `width` digits.
QStringList NumberItems(int first, int last, int width);
// "子 0", "丑 1", … "子 23": each clock hour with the branch of its double hour.
QStringList HourItems();

// Keeps a typed text within a number of GBK bytes (a Chinese character is two).
class GbkLengthValidator : public QValidator {
 public:
  GbkLengthValidator(int maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}
  State validate(QString& input, int& position) const override;

 private:
  int maxBytes_;
};

}  // namespace zorvan

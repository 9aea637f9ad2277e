#include "windows/FieldItems.h"

#include "windows/QtText.h"

namespace zorvan {

QStringList NumberItems(int first, int last, int width) {
  QStringList items;
  for (int i = first; i <= last; ++i) items << QStringLiteral("%1").arg(i, width, 10, QChar(u'0'));
  return items;
}

QStringList HourItems() {
  static const char16_t* const kBranches[] = {
      u"子", u"丑", u"丑", u"寅", u"寅", u"卯", u"卯", u"辰", u"辰", u"巳", u"巳", u"午",
      u"午", u"未", u"未", u"申", u"申", u"酉", u"酉", u"戌", u"戌", u"亥", u"亥", u"子"};
  QStringList items;
  for (int hour = 0; hour < 24; ++hour) {
    items << QString::fromUtf16(kBranches[hour]) + QStringLiteral(" ") + QString::number(hour);
  }
  return items;
}

QValidator::State GbkLengthValidator::validate(QString& input, int&) const {
  return static_cast<int>(ToGbk(input).size()) <= maxBytes_ ? Acceptable : Invalid;
}

}  // namespace zorvan

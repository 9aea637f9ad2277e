#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "text/Gbk.h"

namespace zorvan {

// The border between the GBK logic and Qt's widgets.
inline QString FromGbk(const std::string& gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }
inline std::string ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

inline QStringList FromGbkLines(const std::vector<std::string>& lines) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) list.append(FromGbk(line));
  return list;
}

}  // namespace zorvan

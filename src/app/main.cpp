#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/ZorvanMain.h"
#include "windows/GlyphIcon.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorvan起名软件"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zorvan起名软件"));
  QApplication::setWindowIcon(zorvan::GlyphIcon(QStringLiteral("名"), QColor(0xC6, 0x28, 0x28)));
  // Dates are written and read by the program's own fixed formats; Qt's standard
  // buttons speak Chinese.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTranslator);
  }
  zorvan::TFrmQiming window;
  window.show();
  return QApplication::exec();
}

#include "windows/InfoMessage.h"

#include <QApplication>
#include <QMessageBox>

#include "windows/QtText.h"

namespace zorvan {
namespace {
InfoMessageHandler& Handler() {
  static InfoMessageHandler handler;
  return handler;
}

void ShowBox(QMessageBox::Icon icon, const QString& title, QString text, QWidget* parent) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\r'), QChar(u'\n'));
  QMessageBox box(icon, title, text, QMessageBox::Ok,
                  parent != nullptr ? parent : QApplication::activeWindow());
  box.exec();
}
}  // namespace

void SetInfoMessageHandler(InfoMessageHandler handler) { Handler() = std::move(handler); }

void ShowInfoMessage(const QString& text, QWidget* parent) {
  if (Handler()) {
    Handler()(text);
    return;
  }
  ShowBox(QMessageBox::Information, QStringLiteral("提示"), text, parent);
}

void ShowInfoMessage(const std::string& gbkText, QWidget* parent) {
  ShowInfoMessage(FromGbk(gbkText), parent);
}

void ShowErrorReport(const QString& text, QWidget* parent) {
  if (Handler()) {
    Handler()(QStringLiteral("错误：") + text);
    return;
  }
  ShowBox(QMessageBox::Critical, QApplication::applicationDisplayName(), text, parent);
}

}  // namespace zorvan

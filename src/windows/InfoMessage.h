#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace zorvan {

// The one information message of the program: a modal box titled "提示" with
// the information icon and one OK button. A carriage return breaks the line.
void ShowInfoMessage(const QString& text, QWidget* parent = nullptr);
void ShowInfoMessage(const std::string& gbkText, QWidget* parent = nullptr);

// Tests answer the message instead of a person: the handler receives the text
// and no box is shown. An empty handler restores the real box.
using InfoMessageHandler = std::function<void(const QString& text)>;
void SetInfoMessageHandler(InfoMessageHandler handler);

// The platform's error report for an unexpected data or conversion error: a
// modal box with the error text. Goes through the same seam as ShowInfoMessage
// when a handler is set (the text is then prefixed with "错误：").
void ShowErrorReport(const QString& text, QWidget* parent = nullptr);

}  // namespace zorvan

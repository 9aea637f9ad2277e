#include "windows/TextOutput.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

#include "windows/InfoMessage.h"
#include "windows/QtText.h"

namespace zorvan {
namespace {

SaveFileChooser& Chooser() {
  static SaveFileChooser chooser;
  return chooser;
}

QString& PdfDirectory() {
  static QString directory;
  return directory;
}

QString ChooseFile(QWidget* parent, const QString& title, const QString& proposed,
                   const QString& filter) {
  if (Chooser()) return Chooser()(parent, title, proposed, filter);
  QFileDialog dialog(parent, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

void SetSaveFileChooser(SaveFileChooser chooser) { Chooser() = std::move(chooser); }

QString ProposedSaveName(const QString& preferred, const QString& lastUsed) {
  QString proposal = preferred.isEmpty() ? lastUsed : preferred;
  static const QString kForbidden = QStringLiteral("*/<>?\\|");
  for (QChar c : proposal) {
    if (kForbidden.contains(c)) return QStringLiteral("*.txt");
  }
  return proposal;
}

QString WriteGbkLines(const QString& path, const QStringList& lines) {
  std::string bytes;
  for (const QString& line : lines) {
    bytes += ToGbk(line);
    bytes += "\r\n";
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    QString error = file.errorString();
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

QString SaveLinesAsGbkText(QWidget* parent, const QStringList& lines,
                           const QString& preferredName) {
  static QString lastUsed;
  QString proposal = ProposedSaveName(preferredName, lastUsed);
  QString chosen =
      ChooseFile(parent, QStringLiteral("保存"), proposal, QStringLiteral("文本文件 (*.txt)"));
  if (chosen.isEmpty()) return {};
  lastUsed = QFileInfo(chosen).fileName();
  QString path = chosen + QStringLiteral(".txt");
  QString error = WriteGbkLines(path, lines);
  if (!error.isEmpty()) {
    ShowInfoMessage(
        QStringLiteral("文件没有保存：%1\r%2").arg(QDir::toNativeSeparators(path), error), parent);
    return {};
  }
  return path;
}

LinePrinter::LinePrinter()
    : layout_(QPageSize(QSizeF(215.9, 279.4), QPageSize::Millimeter), QPageLayout::Portrait,
              QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter) {}

LinePrinter::~LinePrinter() = default;

void LinePrinter::SetPdfDirectory(const QString& directory) { PdfDirectory() = directory; }

void LinePrinter::PageSetup(QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  if (QPrinterInfo::availablePrinters().isEmpty()) printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageLayout(layout_);
  QPageSetupDialog dialog(&printer, parent);
  if (dialog.exec() == QDialog::Accepted) layout_ = printer.pageLayout();
}

QString LinePrinter::Print(QWidget* parent, const QStringList& lines) {
  QPrinter printer(QPrinter::HighResolution);
  QString pdfPath;
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    QString directory = PdfDirectory();
    if (directory.isEmpty())
      directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (directory.isEmpty() || !QDir().mkpath(directory)) directory = QDir::homePath();
    pdfPath = QDir(directory).filePath(
        QStringLiteral("Zorvan打印-%1.pdf")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
  } else {
    printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
  }
  printer.setPageLayout(layout_);
  QTextDocument document;
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setPixelSize(15);
  document.setDefaultFont(font);
  document.setPlainText(lines.join(QChar(u'\n')));
  document.print(&printer);
  if (!pdfPath.isEmpty()) {
    ShowInfoMessage(QStringLiteral("没有找到打印机，已把要打印的内容保存为 PDF 文件：\r%1")
                        .arg(QDir::toNativeSeparators(pdfPath)),
                    parent);
  }
  return pdfPath;
}

}  // namespace zorvan

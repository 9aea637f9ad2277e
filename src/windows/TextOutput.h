#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace zorvan {

// The save dialog behind a seam: returns the chosen file name or an empty text
// when the user cancels. Tests set a chooser that answers at once.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& title,
                                              const QString& proposed, const QString& filter)>;
void SetSaveFileChooser(SaveFileChooser chooser);

// The name a save dialog proposes: `preferred` unless it is empty (then the
// name kept from the dialog's last use); "*.txt" when it holds a character no
// file name may hold (* / < > ? \ |).
QString ProposedSaveName(const QString& preferred, const QString& lastUsed);

// Writes the lines as GBK text, one line per line, through a temporary file
// renamed into place, so an existing file is never left half-written. Returns
// an empty text on success, else what went wrong.
QString WriteGbkLines(const QString& path, const QStringList& lines);

// The whole "save as text" command: dialog titled "保存" with the filter of text
// files, ".txt" always appended to the chosen name, GBK lines written; a failure
// is told to the user. Returns the written path or an empty text.
QString SaveLinesAsGbkText(QWidget* parent, const QStringList& lines, const QString& preferredName);

// Prints lines of text with one page layout and font; with no printer on the
// machine it writes the same pages to a PDF file and tells the user where.
class LinePrinter {
 public:
  LinePrinter();
  ~LinePrinter();

  const QPageLayout& PageLayout() const { return layout_; }
  // Opens the page set-up dialog; any error is ignored.
  void PageSetup(QWidget* parent);
  // Prints at once, without a print dialog. Returns the PDF path when it wrote
  // one, else an empty text.
  QString Print(QWidget* parent, const QStringList& lines);

  // Where PDF files go when there is no printer (tests point it elsewhere).
  static void SetPdfDirectory(const QString& directory);

 private:
  QPageLayout layout_;
};

}  // namespace zorvan

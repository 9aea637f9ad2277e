#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zorvan {

class LinePrinter;

// The name analysis window: a full name and a birth moment in, the numerology
// report of the name out. It only reads its fields and shows the lines the
// core's report builder writes.
class TFrmmain : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmmain(QWidget* parent = nullptr);
  ~TFrmmain() override;

  // Puts the main window's fields into this window (the given name stays empty).
  void Prefill(const QString& surname, const QString& sex, const QString& year,
               const QString& month, const QString& day, const QString& hour, const QString& minute,
               int dateKind);

  // Commands of the buttons.
  void RzButton1Click();      // "姓名分析"
  void RzBitBtnprintClick();  // "打印"
  void BitBtnsaveClick();     // "保存"

  // The report as the pane shows it, one entry per line.
  QStringList ReportLines() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildFields();

  QLineEdit* NameA = nullptr;
  QLineEdit* NameB = nullptr;
  QComboBox* Sex = nullptr;
  QComboBox* ComDate = nullptr;
  QComboBox* SYear = nullptr;
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QComboBox* Shour = nullptr;
  QComboBox* RzComboBox8 = nullptr;
  QPushButton* RzButton1 = nullptr;
  QPushButton* RzBitBtnprint = nullptr;
  QPushButton* BitBtnsave = nullptr;
  QPushButton* RzBitBtn4 = nullptr;
  QPlainTextEdit* RzMemo1 = nullptr;
  std::unique_ptr<LinePrinter> printer_;
};

// Opens the name analysis window modally with the main window's fields; the
// window is destroyed when it closes. dateKind: 0 公历, 1 农历.
void OpenNameAnalysis(QWidget* parent, const QString& surname, const QString& sex,
                      const QString& year, const QString& month, const QString& day,
                      const QString& hour, const QString& minute, int dateKind);

}  // namespace zorvan

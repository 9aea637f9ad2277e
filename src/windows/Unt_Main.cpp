#include "windows/Unt_Main.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValidator>

#include "calendar/Clock.h"
#include "numerology/NameAnalysisReport.h"
#include "windows/FieldItems.h"
#include "windows/InfoMessage.h"
#include "windows/QtText.h"
#include "windows/TextOutput.h"

namespace zorvan {

namespace {

QComboBox* MakeList(const char* objectName, const QStringList& items, const QString& text,
                    bool editable) {
  auto* box = new QComboBox;
  box->setObjectName(QString::fromLatin1(objectName));
  box->setEditable(editable);
  box->addItems(items);
  box->setMaxVisibleItems(15);
  if (editable) {
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCurrentText(text);
  } else {
    box->setCurrentIndex(static_cast<int>(items.indexOf(text)));
  }
  return box;
}

// A label a person reads beside a field; it also names the field for assistive tools.
QLabel* Caption(const QString& text, QWidget* field) {
  auto* label = new QLabel(text);
  label->setBuddy(field);
  field->setAccessibleName(text.trimmed());
  return label;
}

}  // namespace

TFrmmain::TFrmmain(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      printer_(std::make_unique<LinePrinter>()) {
  setObjectName(QStringLiteral("Frmmain"));
  setWindowTitle(QStringLiteral("姓名分析"));
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setPointSize(9);
  setFont(font);
  BuildFields();
  resize(675, 502);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::BuildFields() {
  NameA = new QLineEdit;
  NameA->setObjectName(QStringLiteral("NameA"));
  NameA->setValidator(new GbkLengthValidator(4, NameA));
  NameB = new QLineEdit;
  NameB->setObjectName(QStringLiteral("NameB"));
  NameB->setValidator(new GbkLengthValidator(4, NameB));
  for (QLineEdit* edit : {NameA, NameB}) edit->setMaximumWidth(70);

  Sex = MakeList("Sex", {QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"), false);
  ComDate = MakeList("ComDate", {QStringLiteral("公历"), QStringLiteral("农历")},
                     QStringLiteral("公历"), false);
  SYear = MakeList("SYear", NumberItems(1900, 2040, 1), QStringLiteral("1980"), true);
  SMonth = MakeList("SMonth", NumberItems(1, 12, 1), QStringLiteral("1"), true);
  Sday = MakeList("Sday", NumberItems(1, 31, 1), QStringLiteral("1"), true);
  QStringList hours = HourItems();
  Shour = MakeList("Shour", hours, hours.first(), true);
  RzComboBox8 = MakeList("RzComboBox8", NumberItems(0, 59, 2), QStringLiteral("0"), true);
  SYear->setMinimumWidth(70);
  Shour->setMinimumWidth(72);

  auto button = [this](const char* objectName, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
  };
  RzButton1 = button("RzButton1", QStringLiteral("姓名分析"));
  RzBitBtnprint = button("RzBitBtnprint", QStringLiteral("打印"));
  BitBtnsave = button("BitBtnsave", QStringLiteral("保存"));
  RzBitBtn4 = button("RzBitBtn4", QStringLiteral("退出"));
  connect(RzButton1, &QPushButton::clicked, this, &TFrmmain::RzButton1Click);
  connect(RzBitBtnprint, &QPushButton::clicked, this, &TFrmmain::RzBitBtnprintClick);
  connect(BitBtnsave, &QPushButton::clicked, this, &TFrmmain::BitBtnsaveClick);
  connect(RzBitBtn4, &QPushButton::clicked, this, &QDialog::close);

  RzMemo1 = new QPlainTextEdit;
  RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
  RzMemo1->setReadOnly(true);
  RzMemo1->setAccessibleName(QStringLiteral("分析结果"));
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(Caption(QStringLiteral("姓"), NameA));
  nameRow->addWidget(NameA);
  nameRow->addWidget(Caption(QStringLiteral("名"), NameB));
  nameRow->addWidget(NameB);
  nameRow->addWidget(Caption(QStringLiteral("姓别"), Sex));
  nameRow->addWidget(Sex);
  nameRow->addSpacing(12);
  auto* hint = new QLabel(QStringLiteral("请填写姓名和生日信息，最后点姓名分析测算！"));
  hint->setStyleSheet(QStringLiteral("color: #b03020;"));
  nameRow->addWidget(hint);
  nameRow->addStretch();

  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(Caption(QStringLiteral("生日(公历) "), ComDate));
  dateRow->addWidget(ComDate);
  dateRow->addWidget(SYear);
  dateRow->addWidget(Caption(QStringLiteral("年"), SYear));
  dateRow->addWidget(SMonth);
  dateRow->addWidget(Caption(QStringLiteral("月"), SMonth));
  dateRow->addWidget(Sday);
  dateRow->addWidget(Caption(QStringLiteral("日"), Sday));
  dateRow->addWidget(Shour);
  dateRow->addWidget(Caption(QStringLiteral("时"), Shour));
  dateRow->addWidget(RzComboBox8);
  dateRow->addWidget(Caption(QStringLiteral("分"), RzComboBox8));
  dateRow->addStretch();

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  for (QPushButton* b : {RzButton1, RzBitBtnprint, BitBtnsave, RzBitBtn4}) buttonRow->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(nameRow);
  layout->addLayout(dateRow);
  layout->addLayout(buttonRow);
  layout->addWidget(RzMemo1, 1);
  setTabOrder(NameA, NameB);
}

void TFrmmain::Prefill(const QString& surname, const QString& sex, const QString& year,
                       const QString& month, const QString& day, const QString& hour,
                       const QString& minute, int dateKind) {
  NameA->setText(surname);
  Sex->setCurrentIndex(sex == QStringLiteral("男") ? 0 : 1);
  SYear->setCurrentText(year);
  SMonth->setCurrentText(month);
  Sday->setCurrentText(day);
  Shour->setCurrentText(hour);
  RzComboBox8->setCurrentText(minute);
  ComDate->setCurrentIndex(dateKind == 1 ? 1 : 0);
}

void TFrmmain::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  NameA->setFocus();
}

void TFrmmain::RzButton1Click() {
  NameAnalysisInputs inputs;
  inputs.surname = ToGbk(NameA->text());
  inputs.given = ToGbk(NameB->text());
  inputs.sex = ToGbk(Sex->currentText());
  inputs.year = ToGbk(SYear->currentText());
  inputs.month = ToGbk(SMonth->currentText());
  inputs.day = ToGbk(Sday->currentText());
  inputs.hour = ToGbk(Shour->currentText());
  inputs.minute = ToGbk(RzComboBox8->currentText());
  inputs.dateKind = ComDate->currentIndex();

  const NameAnalysisResult result = AnalyseName(inputs, Today());
  if (result.replacesPane) {
    RzMemo1->setPlainText(FromGbkLines(result.lines).join(QChar(u'\n')));
    RzMemo1->moveCursor(QTextCursor::Start);
    RzMemo1->verticalScrollBar()->setValue(0);
  }
  if (result.outcome == NameAnalysisResult::Outcome::Message) {
    ShowInfoMessage(result.message, this);
  } else if (result.outcome == NameAnalysisResult::Outcome::Error) {
    ShowErrorReport(FromGbk(result.message), this);
  }
}

QStringList TFrmmain::ReportLines() const {
  const QString text = RzMemo1->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QChar(u'\n'));
}

void TFrmmain::RzBitBtnprintClick() {
  const QStringList lines = ReportLines();
  if (lines.isEmpty()) {
    ShowInfoMessage(QStringLiteral("请先点姓名分析，再打印分析结果!"), this);
    return;
  }
  printer_->Print(this, lines);
}

void TFrmmain::BitBtnsaveClick() {
  const QStringList lines = ReportLines();
  if (lines.isEmpty()) {
    ShowInfoMessage(QStringLiteral("请先点姓名分析，再保存分析结果!"), this);
    return;
  }
  SaveLinesAsGbkText(this, lines, NameA->text().trimmed() + NameB->text().trimmed());
}

void OpenNameAnalysis(QWidget* parent, const QString& surname, const QString& sex,
                      const QString& year, const QString& month, const QString& day,
                      const QString& hour, const QString& minute, int dateKind) {
  // One window at a time; it is created for this opening and destroyed on close.
  static QPointer<TFrmmain> current;
  delete current.data();
  current = new TFrmmain(parent);
  current->Prefill(surname, sex, year, month, day, hour, minute, dateKind);
  current->exec();
  // Closed by 退出, the title bar or Esc: destroyed in every case.
  delete current.data();
}

}  // namespace zorvan

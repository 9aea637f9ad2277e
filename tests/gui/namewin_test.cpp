#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "TestConfig.h"
#include "calendar/Clock.h"
#include "core/numerology_fixture.h"
#include "numerology/NameAnalysisReport.h"
#include "windows/InfoMessage.h"
#include "windows/QtText.h"
#include "windows/TextOutput.h"
#include "windows/Unt_Main.h"

using namespace zorvan;

namespace {
SolarDate FixedToday() { return SolarDate{2024, 6, 1}; }
}  // namespace

class NameWinTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::NumerologyFixtureDb> db_;
  QPointer<TFrmmain> window_;
  QStringList messages_;
  QString chosenFile_;

  template <typename T>
  T* Field(const char* name) {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no field %s", name);
    return widget;
  }
  QComboBox* List(const char* name) { return Field<QComboBox>(name); }
  QPlainTextEdit* Pane() { return Field<QPlainTextEdit>("RzMemo1"); }

  // Types Chinese text one key at a time (keyClicks takes Latin-1 only).
  static void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  void Click(const char* button) { QTest::mouseClick(Field<QPushButton>(button), Qt::LeftButton); }

 private Q_SLOTS:
  void initTestCase() {
    SetTodayFunction(&FixedToday);
    SetInfoMessageHandler([this](const QString& text) { messages_ << text; });
    SetSaveFileChooser(
        [this](QWidget*, const QString&, const QString&, const QString&) { return chosenFile_; });
  }
  void cleanupTestCase() {
    SetTodayFunction(nullptr);
    SetInfoMessageHandler({});
    SetSaveFileChooser({});
  }
  void init() {
    db_ = std::make_unique<testing::NumerologyFixtureDb>();
    db_->Strokes("李", 7);
    db_->Strokes("华", 14);
    for (int n : {2, 8, 15, 21}) db_->Number(n, "数" + std::to_string(n) + "：", "吉", "暗示。");
    db_->Grade("金木土", 2);
    messages_.clear();
    window_ = new TFrmmain;
    window_->show();
  }
  void cleanup() {
    delete window_.data();
    db_.reset();
  }

  void prefillSetsTheFieldsButNotTheGivenName_data() {
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("dateKind");
    QTest::addColumn<QString>("kindShown");
    QTest::newRow("male gregorian")
        << QStringLiteral("男") << QStringLiteral("男") << 0 << QStringLiteral("公历");
    QTest::newRow("female lunar") << QStringLiteral("女") << QStringLiteral("女") << 1
                                  << QStringLiteral("农历");
    QTest::newRow("anything else is female")
        << QStringLiteral("?") << QStringLiteral("女") << 0 << QStringLiteral("公历");
  }
  void prefillSetsTheFieldsButNotTheGivenName() {
    QFETCH(QString, sex);
    QFETCH(QString, shown);
    QFETCH(int, dateKind);
    QFETCH(QString, kindShown);
    Field<QLineEdit>("NameB")->setText(QStringLiteral("旧"));
    window_->Prefill(QStringLiteral("李"), sex, QStringLiteral("1990"), QStringLiteral("7"),
                     QStringLiteral("15"), QStringLiteral("午 12"), QStringLiteral("05"), dateKind);
    QCOMPARE(Field<QLineEdit>("NameA")->text(), QStringLiteral("李"));
    QCOMPARE(List("Sex")->currentText(), shown);
    QCOMPARE(List("ComDate")->currentText(), kindShown);
    QCOMPARE(List("SYear")->currentText(), QStringLiteral("1990"));
    QCOMPARE(List("SMonth")->currentText(), QStringLiteral("7"));
    QCOMPARE(List("Sday")->currentText(), QStringLiteral("15"));
    QCOMPARE(List("Shour")->currentText(), QStringLiteral("午 12"));
    QCOMPARE(List("RzComboBox8")->currentText(), QStringLiteral("05"));
    QCOMPARE(Field<QLineEdit>("NameB")->text(), QStringLiteral("旧"));
  }

  void startsWithTheDefaultsAndFocusOnTheSurname() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("姓名分析"));
    QCOMPARE(window_->size(), QSize(675, 502));
    QCOMPARE(List("SYear")->currentText(), QStringLiteral("1980"));
    QCOMPARE(List("Shour")->count(), 24);
    QCOMPARE(List("Shour")->currentText(), QStringLiteral("子 0"));
    QCOMPARE(List("RzComboBox8")->currentText(), QStringLiteral("0"));
    QCOMPARE(window_->focusWidget(), Field<QLineEdit>("NameA"));
    QCOMPARE(Field<QLineEdit>("NameA")->accessibleName(), QStringLiteral("姓"));
  }

  void typedNamesStopAtTwoCharacters() {
    Type(Field<QLineEdit>("NameB"), QStringLiteral("子涵华"));
    QCOMPARE(Field<QLineEdit>("NameB")->text(), QStringLiteral("子涵"));
  }

  void missingInputShowsTheMessageAndKeepsThePane() {
    Pane()->setPlainText(QStringLiteral("上一次的分析"));
    Click("RzButton1");
    Field<QLineEdit>("NameA")->setText(QStringLiteral("李"));
    Click("RzButton1");
    QCOMPARE(messages_,
             QStringList({QStringLiteral("姓不能为空!"), QStringLiteral("名不能为空!")}));
    QCOMPARE(Pane()->toPlainText(), QStringLiteral("上一次的分析"));
  }

  void analysisShowsTheReportFromTheTop() {
    window_->Prefill(QStringLiteral("李"), QStringLiteral("男"), QStringLiteral("1980"),
                     QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("子 0"),
                     QStringLiteral("0"), 1);
    Type(Field<QLineEdit>("NameB"), QStringLiteral("华"));
    Click("RzButton1");
    QVERIFY(messages_.isEmpty());
    NameAnalysisInputs inputs{Gbk("李"), Gbk("华"),   Gbk("男"), "1980", "1",
                              "1",       Gbk("子 0"), "0",       1};
    const QStringList expected = FromGbkLines(AnalyseName(inputs, FixedToday()).lines);
    QCOMPARE(window_->ReportLines(), expected);
    QCOMPARE(expected.value(1), QStringLiteral("您出生公历: 1980年02月16日0点0分"));
    QCOMPARE(Pane()->textCursor().position(), 0);

    // An invalid lunar date stops with a message and leaves the report.
    List("Sday")->setCurrentText(QStringLiteral("31"));
    Click("RzButton1");
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(window_->ReportLines(), expected);
  }

  // The generated reference data: 张三 (張 11, 三 3) gives grids 12, 4, 14, 14, 2,
  // all of the third class (56), and 木火火 of grade 2 (18).
  void analysisOnTheGeneratedData() {
    SetProgramDirectory(ZORVAN_BIN_DIR);
    window_->Prefill(QStringLiteral("张"), QStringLiteral("男"), QStringLiteral("1990"),
                     QStringLiteral("5"), QStringLiteral("20"), QStringLiteral("午 11"),
                     QStringLiteral("30"), 0);
    Type(Field<QLineEdit>("NameB"), QStringLiteral("三"));
    Click("RzButton1");
    QVERIFY(messages_.isEmpty());
    const QStringList lines = window_->ReportLines();
    QCOMPARE(lines.value(5), QStringLiteral("综合评分: 74分"));
    QCOMPARE(lines.value(7),
             QStringLiteral("【天格12的解析】：天格数是先祖留传下来的，其数理对人影响不大。"));
    QVERIFY(
        lines.contains(QStringLiteral("【三才数理分析】：您的姓名三才配置为：木火火。它具有如下数理"
                                      "诱导力，据此会对人生产生一定的影响。")));
    // Every grid has its reading and its hint.
    QVERIFY(!lines.contains(QStringLiteral(" ")));
    QVERIFY(!lines.contains(QStringLiteral("  ")));
    if (qEnvironmentVariableIsSet("ZORVAN_SCREENSHOT")) {
      window_->grab().save(qEnvironmentVariable("ZORVAN_SCREENSHOT"));
    }
  }

  void saveAndPrintTheReport() {
    QTemporaryDir dir;
    LinePrinter::SetPdfDirectory(dir.path());
    chosenFile_ = dir.filePath(QStringLiteral("李华"));
    Click("BitBtnsave");
    Click("RzBitBtnprint");
    QCOMPARE(messages_.size(), 2);  // nothing to save or print yet
    QVERIFY(!QFile::exists(chosenFile_ + QStringLiteral(".txt")));

    Field<QLineEdit>("NameA")->setText(QStringLiteral("李"));
    Field<QLineEdit>("NameB")->setText(QStringLiteral("华"));
    Click("RzButton1");
    messages_.clear();
    Click("BitBtnsave");
    QFile saved(chosenFile_ + QStringLiteral(".txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.startsWith(QByteArray::fromStdString(Gbk("李华,您今年:44岁"))));

    Click("RzBitBtnprint");
    const QStringList pdfs = QDir(dir.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pdfs.size(), 1);
  }

  void openNameAnalysisShowsAPrefilledModalWindowAndDestroysIt() {
    QPointer<TFrmmain> opened;
    QStringList seen;
    QTimer::singleShot(0, this, [&] {
      opened = qobject_cast<TFrmmain*>(QApplication::activeModalWidget());
      if (opened.isNull()) return;
      for (const char* name : {"NameA", "NameB"}) {
        seen << opened->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
      }
      for (const char* name : {"Sex", "ComDate", "SYear", "Shour", "RzComboBox8"}) {
        seen << opened->findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
      }
      seen << (opened->focusWidget() ? opened->focusWidget()->objectName() : QString());
      QTest::keyClick(opened, Qt::Key_Escape);
    });
    OpenNameAnalysis(window_, QStringLiteral("欧阳"), QStringLiteral("女"), QStringLiteral("1990"),
                     QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("午 12"),
                     QStringLiteral("05"), 1);
    QCOMPARE(seen,
             QStringList({QStringLiteral("欧阳"), QString(), QStringLiteral("女"),
                          QStringLiteral("农历"), QStringLiteral("1990"), QStringLiteral("午 12"),
                          QStringLiteral("05"), QStringLiteral("NameA")}));
    QVERIFY(opened.isNull());
  }

  void exitClosesTheWindow() {
    Click("RzBitBtn4");
    QVERIFY(!window_->isVisible());
  }
};

QTEST_MAIN(NameWinTest)
#include "namewin_test.moc"

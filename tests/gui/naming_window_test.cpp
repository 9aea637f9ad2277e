#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "TestConfig.h"
#include "app/ZorvanMain.h"
#include "data/ReferenceStore.h"
#include "windows/InfoMessage.h"

using namespace zorvan;

// The naming run as a person drives it, on the generated databases.
class NamingWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TFrmQiming> window_;
  QStringList messages_;

  void TypeSurname(const QString& surname) {
    window_->Xing->setFocus();
    window_->Xing->setText(surname);   // as an input method commits it
    window_->StartButton->setFocus();  // leaving the field refreshes the list
    QApplication::processEvents();
  }

  void WaitForRunEnd() {
    QTRY_VERIFY_WITH_TIMEOUT(!window_->NamingInProgress(), 60000);
    window_->WaitForNaming();
  }

 private Q_SLOTS:
  void initTestCase() {
    SetProgramDirectory(ZORVAN_BIN_DIR);
    SetInfoMessageHandler([this](const QString& text) { messages_ << text; });
    TFrmQiming::SetProcessEnd([] {});
  }

  void init() {
    messages_.clear();
    window_ = std::make_unique<TFrmQiming>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() { window_.reset(); }

  void surnameFillsTheCombinations() {
    TypeSurname(QStringLiteral("王"));
    QVERIFY(window_->CBCode->count() > 1);
    QCOMPARE(window_->CBCode->currentIndex(), 0);
    QCOMPARE(window_->CBCode->itemText(0), QStringLiteral("电脑全自动"));
    QVERIFY(window_->CBCode->itemText(1).startsWith(QStringLiteral("4|")));
    QCOMPARE(window_->nameFormCode(), 12);
    QVERIFY(messages_.isEmpty());
  }

  void runListsNamesSixToARow() {
    TypeSurname(QStringLiteral("王"));
    window_->StartButton->click();
    WaitForRunEnd();
    QStringList rows = window_->MemoSuccess->toPlainText().split(QChar(u'\n'));
    QVERIFY(rows.size() > 10);
    QVERIFY(rows.first().startsWith(QStringLiteral("王")));
    QCOMPARE(rows.first().count(QStringLiteral("王")), 6);
    QStringList good = window_->GoodName->toPlainText().split(QChar(u'\n'), Qt::SkipEmptyParts);
    for (const QString& name : good)
      QVERIFY2(name.contains(QStringLiteral("分)")), qPrintable(name));
  }

  void stopEndsTheRunAndKeepsTheNames() {
    TypeSurname(QStringLiteral("欧阳"));
    window_->StartButton->click();
    window_->StopButton->click();
    WaitForRunEnd();
    QVERIFY(!window_->RunFlag().load());
    // The reading ends after the first group of nine: one full row and the flushed rest.
    QString listing = window_->MemoSuccess->toPlainText();
    QCOMPARE(listing.count(QStringLiteral("分)")), 9);
    QVERIFY(!listing.contains(QStringLiteral("Zorvan起名软件")));
  }

  void startingTwiceRunsOneAfterTheOther() {
    TypeSurname(QStringLiteral("李"));
    window_->StartButton->click();
    window_->StartButton->click();
    WaitForRunEnd();
    QString text = window_->MemoSuccess->toPlainText();
    QString first = text.section(QChar(u'\n'), 0, 0);
    // The second run cleared the pane: its first row stands only once.
    QCOMPARE(text.count(first), 1);
  }

  void measuresTheWindowWhileItFills() {
    TypeSurname(QStringLiteral("王"));
    qint64 longest = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this,
            [&] { longest = std::max(longest, sinceTick.restart()); });
    ticker.start(10);
    sinceTick.start();
    QElapsedTimer run;
    run.start();
    window_->StartButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->NamingInProgress(), 60000);
    qint64 shown = run.elapsed();
    ticker.stop();
    window_->WaitForNaming();
    qInfo(
        "listing of %d rows and %d high-score names shown %lld ms after the start; longest pause "
        "of the event loop while filling: %lld ms",
        window_->MemoSuccess->blockCount(), window_->GoodName->blockCount(), shown, longest);
    // The figures are a measurement for the record, not a pass mark.
    QVERIFY(window_->GoodName->blockCount() > 1);
  }

  void exitDuringARunEndsAtOnce() {
    TypeSurname(QStringLiteral("欧阳"));
    bool ended = false;
    TFrmQiming::SetProcessEnd([&ended] { ended = true; });
    window_->StartButton->click();
    window_->ExitButton->click();
    QVERIFY(ended);
    TFrmQiming::SetProcessEnd([] {});
  }

  void badSurnamesNeverBreakAStatement_data() {
    QTest::addColumn<QString>("surname");
    QTest::newRow("quote") << QStringLiteral("王'");
    QTest::newRow("percent") << QStringLiteral("%");
    QTest::newRow("underscore") << QStringLiteral("_");
    QTest::newRow("backslash") << QStringLiteral("\\");
    QTest::newRow("unknown") << QStringLiteral("𠀀");
  }

  void badSurnamesNeverBreakAStatement() {
    QFETCH(QString, surname);
    window_->Gudingzi->setText(surname);
    window_->CBzhishukongz->setChecked(true);
    TypeSurname(surname);
    QCOMPARE(window_->CBCode->itemText(0), QStringLiteral("电脑全自动"));
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QChar(u'|'))));
    window_->StartButton->click();
    WaitForRunEnd();
  }
};

QTEST_MAIN(NamingWindowTest)
#include "naming_window_test.moc"

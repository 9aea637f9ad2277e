#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QValidator>

#include "TestConfig.h"
#include "app/ZorvanMain.h"
#include "data/ReferenceStore.h"
#include "windows/InfoMessage.h"
#include "windows/TextOutput.h"

using namespace zorvan;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TFrmQiming> window_;
  QStringList messages_;
  QStringList refreshes_;
  QString nextFile_;
  QString proposed_;
  QString dialog_;

  void Leave(QWidget* field) {
    field->setFocus();
    QApplication::processEvents();
    window_->StartButton->setFocus();
    QApplication::processEvents();
  }

  QStringList MenuCaptions(const QString& title) {
    for (QAction* menu : window_->menuBar()->actions()) {
      if (menu->text() != title) continue;
      QStringList captions;
      for (QAction* a : menu->menu()->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
      return captions;
    }
    return {};
  }

 private Q_SLOTS:
  void initTestCase() {
    SetProgramDirectory(ZORVAN_BIN_DIR);
    SetInfoMessageHandler([this](const QString& text) { messages_ << text; });
    SetSaveFileChooser([this](QWidget*, const QString& title, const QString& proposed,
                              const QString& filter) -> QString {
      dialog_ = title + QStringLiteral("|") + filter;
      proposed_ = proposed;
      return nextFile_;
    });
    TFrmQiming::SetProcessEnd([] {});
  }

  void init() {
    messages_.clear();
    refreshes_.clear();
    window_ = std::make_unique<TFrmQiming>();
    window_->SetRefreshHook([this](TFrmQiming&, const QString& surname) { refreshes_ << surname; });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
  }

  void cleanup() { window_.reset(); }

  void opensWithItsDefaults() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Zorvan起名软件"));
    QCOMPARE(window_->size(), QSize(800, 600));
    QCOMPARE(window_->Xing->text(), QString());
    QCOMPARE(window_->CBsex->currentText(), QStringLiteral("男"));
    QCOMPARE(window_->ComDate->currentText(), QStringLiteral("公历"));
    QCOMPARE(window_->SYear->currentText(), QStringLiteral("2010"));
    QCOMPARE(window_->SYear->count(), 141);
    QCOMPARE(window_->SMonth->currentText(), QStringLiteral("01"));
    QCOMPARE(window_->Sday->itemText(30), QStringLiteral("31"));
    QCOMPARE(window_->Shour->currentText(), QStringLiteral("子 0"));
    QCOMPARE(window_->Shour->count(), 24);
    QCOMPARE(window_->Shour->itemText(2), QStringLiteral("丑 2"));
    QCOMPARE(window_->Shour->itemText(23), QStringLiteral("子 23"));
    QCOMPARE(window_->CBFen->currentText(), QStringLiteral("01"));
    QCOMPARE(window_->CBFen->itemText(0), QStringLiteral("00"));
    for (QCheckBox* box : {window_->CBjin, window_->CBMu, window_->CBshui, window_->CBhuo,
                           window_->CBTu, window_->CBzhishukongz, window_->CBFeeXX}) {
      QVERIFY(!box->isChecked());
    }
    QVERIFY(window_->CBInitFee->isChecked());
    QCOMPARE(window_->CBdijizi->currentText(), QStringLiteral("第二字"));
    QCOMPARE(window_->CBCode->count(), 1);
    QCOMPARE(window_->CBCode->currentText(), QStringLiteral("电脑全自动"));
    QCOMPARE(window_->CBXingshi->currentText(), QStringLiteral("双字名"));
    QCOMPARE(window_->ZuidiFee->text(), QStringLiteral("80"));
    QCOMPARE(window_->Sorcss->text(), QStringLiteral("95"));
    QCOMPARE(window_->MemoSuccess->toPlainText().split(QChar(u'\n')),
             TFrmQiming::IntroductionLines());
    QVERIFY(window_->GoodName->toPlainText().isEmpty());
    QVERIFY(!window_->REbazi->isVisible());
    QVERIFY(!window_->MemoSuoyou->isVisible());
    QVERIFY(window_->Connection() != nullptr);
  }

  void menusAndToolbarInOrder() {
    QStringList titles;
    for (QAction* menu : window_->menuBar()->actions()) titles << menu->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("系统(&F)"), QStringLiteral("起名百科(&Q)"),
                                  QStringLiteral("吉日(&H)"), QStringLiteral("解梦(&J)"),
                                  QStringLiteral("民俗(&M)"), QStringLiteral("工具(&G)"),
                                  QStringLiteral("服务(&R)"), QStringLiteral("帮助(&H)")}));
    QCOMPARE(MenuCaptions(QStringLiteral("系统(&F)")),
             (QStringList{QStringLiteral("新建起名"), QStringLiteral("保存起名"),
                          QStringLiteral("打印设置"), QStringLiteral("打印"),
                          QStringLiteral("关闭软件")}));
    QStringList knowledge = MenuCaptions(QStringLiteral("起名百科(&Q)"));
    QCOMPARE(knowledge.size(), 16);
    QCOMPARE(knowledge.at(5), QStringLiteral("数理暗示因素 "));
    QCOMPARE(knowledge.at(12), QStringLiteral("-"));
    QCOMPARE(
        MenuCaptions(QStringLiteral("工具(&G)")),
        (QStringList{QStringLiteral("手机号码分析"), QStringLiteral("QQ号码分析"),
                     QStringLiteral("更多数字分析"), QStringLiteral("网名分析"),
                     QStringLiteral("-"), QStringLiteral("生男生女"), QStringLiteral("万年历法")}));
    QStringList buttons;
    for (QAction* a : window_->MainToolBar->actions()) buttons << a->text();
    QCOMPARE(buttons,
             (QStringList{
                 QStringLiteral("快速起名"), QStringLiteral("八字奥秘"), QStringLiteral("姓名分析"),
                 QStringLiteral("五行查询"), QStringLiteral("五格数理"), QStringLiteral("三才参数"),
                 QStringLiteral("黄道吉日"), QStringLiteral("周公解梦"), QStringLiteral("生男生女"),
                 QStringLiteral("万年历法"), QStringLiteral("退出软件")}));
    QCOMPARE(window_->MainToolBar->iconSize(), QSize(32, 32));
    QCOMPARE(window_->MainToolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  }

  void messagesOfTheHelpMenu() {
    for (QAction* menu : window_->menuBar()->actions()) {
      if (menu->text() != QStringLiteral("帮助(&H)")) continue;
      for (QAction* a : menu->menu()->actions()) {
        if (a->text() == QStringLiteral("软件升级")) a->trigger();
      }
    }
    QCOMPARE(messages_, QStringList{QStringLiteral("感谢你的使用,软件是最新版无需升级!")});
  }

  void fieldEventsCorrectAndRefresh() {
    Leave(window_->Xing);
    QVERIFY(refreshes_.isEmpty());  // an empty surname refreshes nothing

    window_->Xing->setText(QStringLiteral(" 王 "));
    Leave(window_->Xing);
    QCOMPARE(refreshes_, QStringList{QStringLiteral("王")});

    window_->ZuidiFee->setText(QStringLiteral("abc"));
    Leave(window_->ZuidiFee);
    QCOMPARE(window_->ZuidiFee->text(), QStringLiteral("70"));
    QCOMPARE(refreshes_.size(), 2);
    window_->ZuidiFee->setText(QString());
    Leave(window_->ZuidiFee);
    QCOMPARE(window_->ZuidiFee->text(), QString());

    window_->Sorcss->setText(QStringLiteral("9x"));
    Leave(window_->Sorcss);
    QCOMPARE(window_->Sorcss->text(), QStringLiteral("95"));
    QCOMPARE(refreshes_.size(), 3);  // the threshold does not refresh

    window_->Gudingzi->setText(QStringLiteral("晨"));
    Leave(window_->Gudingzi);
    QCOMPARE(refreshes_.size(), 4);
    window_->CBFeeXX->click();
    QCOMPARE(refreshes_.size(), 5);
  }

  void fixedCharacterHoldsTwoBytes() {
    QTest::keyClicks(window_->Gudingzi, QStringLiteral("abc"));
    QCOMPARE(window_->Gudingzi->text(), QStringLiteral("ab"));
    int position = 0;
    QString one = QStringLiteral("晨");
    QString two = QStringLiteral("晨曦");
    QCOMPARE(window_->Gudingzi->validator()->validate(one, position), QValidator::Acceptable);
    QCOMPARE(window_->Gudingzi->validator()->validate(two, position), QValidator::Invalid);
  }

  void singleCharacterNameDisablesTheFixedCharacter() {
    window_->CBzhishukongz->setChecked(true);
    window_->Gudingzi->setText(QStringLiteral("晨"));
    window_->CBXingshi->setCurrentIndex(1);
    Q_EMIT window_->CBXingshi->activated(1);
    QVERIFY(!window_->CBzhishukongz->isChecked());
    QVERIFY(!window_->CBzhishukongz->isEnabled());
    QVERIFY(!window_->CBdijizi->isEnabled());
    QVERIFY(window_->Gudingzi->text().isEmpty());
    window_->CBXingshi->setCurrentIndex(0);
    Q_EMIT window_->CBXingshi->activated(0);
    QVERIFY(window_->CBzhishukongz->isEnabled());
    QVERIFY(window_->CBdijizi->isEnabled());
    QVERIFY(!window_->CBzhishukongz->isChecked());
    QVERIFY(window_->Gudingzi->text().isEmpty());
  }

  void savesThePaneAsGbkText_data() {
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("proposal");
    QTest::addColumn<QString>("written");
    QTest::newRow("surname proposed") << QStringLiteral("张") << QStringLiteral("张")
                                      << QStringLiteral("张") << QStringLiteral("张.txt");
    QTest::newRow("question mark") << QStringLiteral("张?") << QStringLiteral("x")
                                   << QStringLiteral("*.txt") << QStringLiteral("x.txt");
    QTest::newRow("txt appended again") << QStringLiteral("李") << QStringLiteral("a.txt")
                                        << QStringLiteral("李") << QStringLiteral("a.txt.txt");
  }

  void savesThePaneAsGbkText() {
    QFETCH(QString, surname);
    QFETCH(QString, chosen);
    QFETCH(QString, proposal);
    QFETCH(QString, written);
    QTemporaryDir dir;
    window_->Xing->setText(surname);
    nextFile_ = dir.filePath(chosen);
    window_->SaveNaming();
    QCOMPARE(proposed_, proposal);
    QCOMPARE(dialog_, QStringLiteral("保存|文本文件 (*.txt)"));
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    // The introduction, GBK: 《 is A1 B6.
    QVERIFY(bytes.startsWith("\r\n   \xA1\xB6Zorvan"));
    QCOMPARE(bytes.count("\r\n"), TFrmQiming::IntroductionLines().size());
    QVERIFY(messages_.isEmpty());
  }

  void emptyPaneIsNotSaved() {
    window_->MemoSuccess->setPlainText(QStringLiteral("  \n "));
    proposed_.clear();
    window_->SaveNaming();
    QVERIFY(proposed_.isEmpty());
  }

  void failedSaveIsTold() {
    QTemporaryDir dir;
    nextFile_ = dir.filePath(QStringLiteral("no/such/folder/name"));
    window_->SaveNaming();
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_.first().startsWith(QStringLiteral("文件没有保存")));
  }

  void cancelledSaveWritesNothing() {
    nextFile_.clear();
    window_->SaveNaming();
    QVERIFY(messages_.isEmpty());
  }

  void printsToPdfWithoutAPrinter() {
    QTemporaryDir dir;
    LinePrinter::SetPdfDirectory(dir.path());
    window_->PrintNaming();
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_.first().contains(QStringLiteral(".pdf")));
    QDir output(dir.path());
    QStringList pdfs = output.entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pdfs.size(), 1);
    QVERIFY(QFileInfo(output.filePath(pdfs.first())).size() > 1000);
  }

  void exitRemovesTheLockFile() {
    QTemporaryDir dir;
    SetProgramDirectory(dir.path().toStdString());
    QFile lock(dir.filePath(QStringLiteral("Zorvan.ldb")));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    bool ended = false;
    TFrmQiming::SetProcessEnd([&ended] { ended = true; });
    window_->ExitButton->click();
    QVERIFY(ended);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Zorvan.ldb"))));
    QVERIFY(window_->Connection() == nullptr);
    TFrmQiming::SetProcessEnd([] {});
    SetProgramDirectory(ZORVAN_BIN_DIR);
  }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"

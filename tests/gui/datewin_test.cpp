#include "windows/DateWin.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "calendar/Clock.h"

using namespace zorvan;

namespace {

SolarDate FixedToday() { return SolarDate{2023, 7, 15}; }

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

}  // namespace

class DateWinTest : public QObject {
  Q_OBJECT

 private:
  QPointer<TFRM_Date> window_;

  // A fresh window showing `date`, as the menu opens it.
  TFRM_Date* Open(const SolarDate& date) {
    delete window_.data();
    window_ = new TFRM_Date;
    window_->CurrentDate = date;
    window_->show();
    return window_;
  }

  // The cell showing Gregorian day `day`, or -1.
  int CellOf(int day) {
    for (size_t i = 0; i < window_->DayLabels.size(); ++i) {
      const QLabel* label = window_->DayLabels[i];
      if (label->isVisible() && label->text() == QString::number(day)) return static_cast<int>(i);
    }
    return -1;
  }

  QLabel* LunarOf(int day) {
    const int cell = CellOf(day);
    return cell < 0 ? nullptr : window_->LunarLabels[static_cast<size_t>(cell)];
  }

  QPoint HighlightFor(int day) {
    return window_->DayLabels[static_cast<size_t>(CellOf(day))]->pos() + QPoint(-1, 1);
  }

 private Q_SLOTS:
  void initTestCase() { SetTodayFunction(&FixedToday); }
  void cleanupTestCase() { SetTodayFunction(nullptr); }
  void cleanup() { delete window_.data(); }

  void opensOnTodayWithCaptionAndLabels() {
    auto* window = new TFRM_Date;
    window_ = window;
    window->show();
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrin日历"));
    QCOMPARE(window->Label1->text(), QStringLiteral("2023"));
    QCOMPARE(window->Label17->text(), QStringLiteral("7"));
    QCOMPARE(window->Label20->text(), QStringLiteral("2023"));
    QCOMPARE(window->Label16->text(), QStringLiteral("7"));
    QCOMPARE(window->Label21->text(), QStringLiteral("卯兔"));
    QCOMPARE(window->Label22->text(), QStringLiteral("巨蟹座"));
    QCOMPARE(window->UpDown1->value(), 2023);
    QCOMPARE(window->UpDown2->value(), 7);
    QCOMPARE(window->Shape2->pos(), HighlightFor(15));
  }

  void julyFillsCellsSevenToThirtySeven() {
    Open({2023, 7, 1});
    for (int cell = 1; cell <= 37; ++cell) {
      const bool shown = cell >= 7;
      QCOMPARE(window_->DayLabels[static_cast<size_t>(cell - 1)]->isVisible(), shown);
      QCOMPARE(window_->LunarLabels[static_cast<size_t>(cell - 1)]->isVisible(), shown);
    }
    QCOMPARE(window_->DayLabels[6]->text(), QStringLiteral("1"));
    QCOMPARE(window_->DayLabels[36]->text(), QStringLiteral("31"));
    // Sunday first, 42 × 32 pitch.
    QCOMPARE(window_->DayLabels[7]->pos(), window_->DayLabels[0]->pos() + QPoint(0, 32));
    QCOMPARE(window_->DayLabels[36]->pos(), window_->DayLabels[0]->pos() + QPoint(42, 5 * 32));
  }

  void annotations_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("立春 is a solar term") << 2023 << 2 << 4 << "立春" << QColor(0x53, 0x53, 0xFF);
    QTest::newRow("元宵节 is a lunar festival")
        << 2023 << 2 << 5 << "元宵节" << QColor(0xFF, 0x80, 0x00);
    QTest::newRow("情人节 is a Gregorian festival")
        << 2023 << 2 << 14 << "情人节" << QColor(0xFF, 0x80, 0x00);
    QTest::newRow("plain lunar day") << 2023 << 2 << 6 << "十六" << QColor(0x00, 0x40, 0x00);
    QTest::newRow("春节 outranks the month name")
        << 2023 << 1 << 22 << "春节" << QColor(0xFF, 0x80, 0x00);
    QTest::newRow("leap month name in red")
        << 2023 << 3 << 22 << "闰二" << QColor(0xFF, 0x00, 0x00);
  }

  void annotations() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, label);
    QFETCH(QColor, colour);
    Open({year, month, 1});
    const QLabel* lunar = LunarOf(day);
    QVERIFY(lunar != nullptr);
    QCOMPARE(lunar->text(), label);
    QCOMPARE(TextColour(lunar), colour);
  }

  void monthSpinnerClampsTheDayButKeepsIt() {
    Open({2023, 3, 31});
    window_->UpDown2->setValue(4);
    QCOMPARE(window_->Label17->text(), QStringLiteral("4"));
    QCOMPARE(window_->Shape2->pos(), HighlightFor(30));
    QCOMPARE(window_->Label22->text(), QStringLiteral("金牛座"));
    QCOMPARE(TFRM_Date::ShownDay, std::uint16_t{31});
    window_->UpDown2->setValue(5);
    QCOMPARE(window_->Shape2->pos(), HighlightFor(31));
    window_->UpDown1->setValue(2024);
    window_->UpDown2->setValue(2);
    QCOMPARE(window_->Label1->text(), QStringLiteral("2024"));
    QCOMPARE(window_->Shape2->pos(), HighlightFor(29));
  }

  void clickingADaySelectsItWithoutRefilling() {
    Open({2023, 2, 1});
    QLabel* lunar = LunarOf(20);
    QTest::mouseClick(lunar, Qt::LeftButton);
    QCOMPARE(window_->Shape2->pos(), HighlightFor(20));
    QCOMPARE(TFRM_Date::ShownDay, std::uint16_t{20});
    QCOMPARE(window_->CurrentDate, (SolarDate{2023, 2, 20}));
    QCOMPARE(window_->Label22->text(), QStringLiteral("水瓶座"));  // still February 1st's
    QTest::mouseClick(window_->DayLabels[static_cast<size_t>(CellOf(3))], Qt::LeftButton);
    QCOMPARE(window_->Shape2->pos(), HighlightFor(3));
    QCOMPARE(window_->CurrentDate, (SolarDate{2023, 2, 3}));
  }

  void labelsSwitchTheSpinnersAndTodayReturns() {
    Open({2001, 1, 1});
    QTest::mouseClick(window_->Label1, Qt::LeftButton);
    QVERIFY(window_->UpDown1->isVisible());
    QVERIFY(!window_->UpDown2->isVisible());
    QTest::mouseClick(window_->Label17, Qt::LeftButton);
    QVERIFY(!window_->UpDown1->isVisible());
    QVERIFY(window_->UpDown2->isVisible());
    QTest::mouseClick(window_->TodayButton, Qt::LeftButton);
    QCOMPARE(window_->CurrentDate, FixedToday());
    QCOMPARE(window_->Label1->text(), QStringLiteral("2023"));
    QCOMPARE(window_->UpDown1->value(), 2023);
    QCOMPARE(window_->Shape2->pos(), HighlightFor(15));
  }

  // Enter ends typing in a spinner; it must not press "今天" as a default button would.
  void enterInTheYearSpinnerKeepsTheTypedYear() {
    Open({2001, 3, 10});
    QTest::mouseClick(window_->Label1, Qt::LeftButton);
    QSpinBox* year = window_->UpDown1;
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, QStringLiteral("2030"));
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(window_->Label1->text(), QStringLiteral("2030"));
    QCOMPARE(TFRM_Date::ShownYear, std::uint16_t{2030});
    QCOMPARE(window_->CurrentDate, (SolarDate{2001, 3, 10}));
    QCOMPARE(window_->Shape2->pos(), HighlightFor(10));
  }

  void opensModallyAndFreshEachTime() {
    for (int opening = 0; opening < 2; ++opening) {
      QPointer<TFRM_Date> seen;
      bool wasModal = false;
      QTimer::singleShot(0, this, [&seen, &wasModal] {
        seen = qobject_cast<TFRM_Date*>(QApplication::activeModalWidget());
        wasModal = !seen.isNull();
        if (seen) {
          // A click from an earlier opening must not carry over.
          QCOMPARE(seen->CurrentDate, FixedToday());
          seen->CurrentDate = SolarDate{2001, 1, 1};
          seen->close();
        }
      });
      OpenPerpetualCalendar(nullptr);
      QVERIFY(wasModal);
      QTRY_VERIFY(seen.isNull());
    }
  }

  // ZORVAN_SCREENSHOT=file.png saves February 2023 with its day selected, to look at.
  void screenshotWhenAsked() {
    if (!qEnvironmentVariableIsSet("ZORVAN_SCREENSHOT")) QSKIP("no ZORVAN_SCREENSHOT");
    Open({2023, 2, 4});
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QVERIFY(window_->grab().save(qEnvironmentVariable("ZORVAN_SCREENSHOT")));
  }

  void closesWhenItLosesFocus() {
    Open({2023, 7, 1});
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(window_, &deactivate);
    QTRY_VERIFY(window_.isNull());
  }
};

QTEST_MAIN(DateWinTest)
#include "datewin_test.moc"

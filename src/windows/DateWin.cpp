#include "windows/DateWin.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>

#include "calendar/Clock.h"
#include "calendar/MonthGrid.h"
#include "windows/QtText.h"

namespace zorvan {
namespace {

const QString kCjkFont = QStringLiteral("Noto Sans CJK SC");
const QString kLatinFont = QStringLiteral("Nimbus Sans");  // metrics of Arial

constexpr int kClientWidth = 331;
constexpr int kClientHeight = 285;
constexpr int kCellPitchX = 42;
constexpr int kCellPitchY = 32;
constexpr int kGregorianPointSize = 11;
constexpr const char* kDayProperty = "day";

QFont PixelFont(const QString& family, int pixels, QFont::Weight weight = QFont::Normal) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setWeight(weight);
  return font;
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(font);
  return label;
}

void AddWeekdayRow(QWidget* parent, int top, int firstLeft) {
  static const char16_t* const kNames[] = {u"星期日", u"星期一", u"星期二", u"星期三",
                                           u"星期四", u"星期五", u"星期六"};
  for (int i = 0; i < 7; ++i) {
    QLabel* label = MakeLabel(parent, QString::fromUtf16(kNames[i]),
                              QRect(firstLeft + 40 * i, top, 40, 14), PixelFont(kCjkFont, 11));
    SetTextColour(label, i == 0 || i == 6 ? Qt::red : Qt::black);
  }
}

void AddSeparator(QWidget* parent, int top) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(9, top, 297, 2);
}

}  // namespace

TFRM_Date::TFRM_Date(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FRM_Date"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Tavrin日历"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(PixelFont(kCjkFont, 12));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);

  // Watermarks first so that everything else paints over them.
  Label20 =
      MakeLabel(this, QString(), QRect(0, 56, 313, 80), PixelFont(kLatinFont, 64, QFont::Black));
  Label20->setObjectName(QStringLiteral("Label20"));
  Label20->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  SetTextColour(Label20, QColor(0xFF, 0xE8, 0xDD));
  Label16 = MakeLabel(this, QString(), QRect(16, 146, 313, 134),
                      PixelFont(kLatinFont, 120, QFont::Black));
  Label16->setObjectName(QStringLiteral("Label16"));
  Label16->setAlignment(Qt::AlignCenter);
  SetTextColour(Label16, QColor(0xEB, 0xEB, 0xEB));

  Shape2 = new QFrame(this);
  Shape2->setObjectName(QStringLiteral("Shape2"));
  Shape2->setGeometry(13, 57, 38, 30);
  Shape2->setStyleSheet(QStringLiteral("background-color: #7EE281;"));

  Label17 =
      MakeLabel(this, QString(), QRect(10, 3, 36, 40), PixelFont(kLatinFont, 32, QFont::Bold));
  Label17->setObjectName(QStringLiteral("Label17"));
  Label17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetTextColour(Label17, QColor(0x80, 0x80, 0xC0));
  Label17->setCursor(Qt::PointingHandCursor);
  Label17->setToolTip(QStringLiteral("单击改变月份"));
  Label17->installEventFilter(this);
  QLabel* monthText = MakeLabel(this, QStringLiteral("月"), QRect(45, 17, 16, 18),
                                PixelFont(kCjkFont, 12, QFont::Bold));

  UpDown2 = new QSpinBox(this);
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setRange(1, 12);
  UpDown2->setGeometry(61, 12, 44, 24);
  UpDown2->setAccessibleName(monthText->text());

  Label1 =
      MakeLabel(this, QString(), QRect(120, 0, 84, 40), PixelFont(kLatinFont, 29, QFont::Black));
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetTextColour(Label1, Qt::blue);
  Label1->setCursor(Qt::PointingHandCursor);
  Label1->setToolTip(QStringLiteral("单击改变年份"));
  Label1->installEventFilter(this);
  QLabel* yearText = MakeLabel(this, QStringLiteral("年"), QRect(205, 17, 16, 18),
                               PixelFont(kCjkFont, 12, QFont::Bold));

  UpDown1 = new QSpinBox(this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(1901, 2050);
  UpDown1->setKeyboardTracking(false);
  UpDown1->setGeometry(221, 12, 50, 24);
  UpDown1->setAccessibleName(yearText->text());
  UpDown1->hide();

  TodayButton = new QPushButton(QStringLiteral("今天"), this);
  TodayButton->setObjectName(QStringLiteral("TodayButton"));
  TodayButton->setGeometry(274, 15, 40, 22);
  TodayButton->setCursor(Qt::PointingHandCursor);
  // Not the dialog's default button: Enter in a spinner only ends the typing there.
  TodayButton->setAutoDefault(false);
  TodayButton->setStyleSheet(
      QStringLiteral("QPushButton { background-color: #CEF2D0; border: 1px solid #808080; }"));

  AddWeekdayRow(this, 40, 19);
  AddSeparator(this, 46 + 8);
  AddSeparator(this, 240 + 8);
  AddWeekdayRow(this, 253 + 10, 20);

  Label21 =
      MakeLabel(this, QString(), QRect(230, 212, 78, 35), PixelFont(kCjkFont, 30, QFont::Bold));
  Label21->setObjectName(QStringLiteral("Label21"));
  Label21->setAlignment(Qt::AlignCenter);
  SetTextColour(Label21, QColor(0xDD, 0xDD, 0xFF));
  Label22 =
      MakeLabel(this, QString(), QRect(152, 223, 69, 23), PixelFont(kCjkFont, 19, QFont::Bold));
  Label22->setObjectName(QStringLiteral("Label22"));
  Label22->setAlignment(Qt::AlignCenter);
  SetTextColour(Label22, QColor(0xFF, 0x80, 0xFF));

  // Seven columns from Sunday, 42 px apart; a new row every seven cells, 32 px lower.
  for (int i = 0; i < kMonthGridCells; ++i) {
    const int left = 14 + kCellPitchX * (i % 7);
    const int top = 56 + kCellPitchY * (i / 7);
    QLabel* day = MakeLabel(this, QString(), QRect(left, top, 36, 17), PixelFont(kLatinFont, 14));
    QFont dayFont(kLatinFont, kGregorianPointSize, QFont::Black);
    day->setFont(dayFont);
    day->setObjectName(QStringLiteral("DayLabel%1").arg(i + 1));
    QLabel* lunar =
        MakeLabel(this, QString(), QRect(left - 1, top + 17, 36, 15), PixelFont(kCjkFont, 12));
    lunar->setObjectName(QStringLiteral("LunarLabel%1").arg(i + 1));
    for (QLabel* label : {day, lunar}) {
      label->setAlignment(Qt::AlignCenter);
      label->setCursor(Qt::PointingHandCursor);
      label->installEventFilter(this);
      label->hide();
    }
    DayLabels[static_cast<size_t>(i)] = day;
    LunarLabels[static_cast<size_t>(i)] = lunar;
  }

  connect(UpDown1, &QSpinBox::valueChanged, this, [this](int year) {
    ShownYear = static_cast<std::uint16_t>(year);
    FillMonth(ClampedDate());
  });
  connect(UpDown2, &QSpinBox::valueChanged, this, [this](int month) {
    ShownMonth = static_cast<std::uint16_t>(month);
    FillMonth(ClampedDate());
  });
  connect(TodayButton, &QPushButton::clicked, this, [this] {
    CurrentDate = Today();
    FormShow();
  });

  CurrentDate = Today();
  if (const QScreen* desktop = screen()) {
    move(desktop->availableGeometry().center() - rect().center());
  }
}

SolarDate TFRM_Date::ClampedDate() { return zorvan::ClampedDate(ShownYear, ShownMonth, ShownDay); }

void TFRM_Date::FormShow() {
  ShownYear = static_cast<std::uint16_t>(CurrentDate.year);
  ShownMonth = static_cast<std::uint16_t>(CurrentDate.month);
  ShownDay = static_cast<std::uint16_t>(CurrentDate.day);
  {
    // Setting the spinners is not a user's click.
    const QSignalBlocker yearBlocker(UpDown1);
    const QSignalBlocker monthBlocker(UpDown2);
    UpDown1->setValue(ShownYear);
    UpDown2->setValue(ShownMonth);
  }
  FillMonth(CurrentDate);
}

void TFRM_Date::FillMonth(const SolarDate& date) {
  const MonthGrid grid = BuildMonthGrid(date);
  Label1->setText(QString::number(grid.year));
  Label20->setText(QString::number(grid.year));
  Label17->setText(QString::number(grid.month));
  Label16->setText(QString::number(grid.month));
  Label21->setText(FromGbk(grid.yearAnimal));

  for (size_t i = 0; i < DayLabels.size(); ++i) {
    for (QLabel* label : {DayLabels[i], LunarLabels[i]}) {
      label->hide();
      SetTextColour(label, Qt::black);
      label->setAutoFillBackground(false);
    }
    QFont dayFont = DayLabels[i]->font();
    dayFont.setPointSize(kGregorianPointSize);
    DayLabels[i]->setFont(dayFont);
  }

  for (const DayCell& cell : grid.days) {
    QLabel* day = DayLabels[static_cast<size_t>(cell.cell - 1)];
    QLabel* lunar = LunarLabels[static_cast<size_t>(cell.cell - 1)];
    day->setText(QString::number(cell.date.day));
    day->setProperty(kDayProperty, cell.date.day);
    lunar->setProperty(kDayProperty, cell.date.day);
    lunar->setText(FromGbk(cell.label));
    SetTextColour(lunar, QColor::fromRgb(cell.colour));
    lunar->setToolTip(QString());
    if (cell.cell == grid.selectedCell) {
      DayLabelMouseDown(day);
      Label22->setText(FromGbk(grid.constellation));
    }
    day->show();
    lunar->show();
  }
}

void TFRM_Date::DayLabelMouseDown(QLabel* label) { Shape2->move(label->x() - 1, label->y() + 1); }

void TFRM_Date::LunarLabelMouseDown(QLabel* label) { Shape2->move(label->x(), label->y() - 16); }

void TFRM_Date::DayCellClick(QLabel* label) {
  ShownDay = static_cast<std::uint16_t>(label->property(kDayProperty).toInt());
  CurrentDate = SolarDate{ShownYear, ShownMonth, ShownDay};
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

bool TFRM_Date::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && isVisible()) {
    // The calendar is a glance: it goes away when the user turns elsewhere.
    close();
    return true;
  }
  return QDialog::event(event);
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label == nullptr) return QDialog::eventFilter(watched, event);
  const bool isDay = std::find(DayLabels.begin(), DayLabels.end(), label) != DayLabels.end();
  const bool isLunar =
      std::find(LunarLabels.begin(), LunarLabels.end(), label) != LunarLabels.end();
  if (event->type() == QEvent::MouseButtonPress) {
    if (isDay) DayLabelMouseDown(label);
    if (isLunar) LunarLabelMouseDown(label);
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (!label->rect().contains(mouse->position().toPoint())) return false;
    if (isDay || isLunar) {
      DayCellClick(label);
    } else if (label == Label1) {
      UpDown1->show();
      UpDown2->hide();
    } else if (label == Label17) {
      UpDown2->show();
      UpDown1->hide();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void OpenPerpetualCalendar(QWidget* parent) {
  static QPointer<TFRM_Date> previous;
  delete previous.data();
  auto* window = new TFRM_Date(parent);
  previous = window;
  window->exec();
}

}  // namespace zorvan

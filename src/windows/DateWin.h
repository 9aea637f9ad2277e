#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "calendar/CalendarTypes.h"

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zorvan {

// The perpetual calendar: one Gregorian month as a grid of days with their lunar
// days, solar terms and festivals, the year animal and the selected day's
// constellation. The grid comes from BuildMonthGrid; the window only paints it.
class TFRM_Date : public QDialog {
  Q_OBJECT

 public:
  explicit TFRM_Date(QWidget* parent = nullptr);

  // The year, month and day the user is working with, shared by every instance.
  static inline std::uint16_t ShownYear = 0;
  static inline std::uint16_t ShownMonth = 0;
  static inline std::uint16_t ShownDay = 0;

  SolarDate CurrentDate;

  // Paints the month of `date` with its day selected.
  void FillMonth(const SolarDate& date);

  // ShownYear-ShownMonth-ShownDay with the day cut to the month's length.
  static SolarDate ClampedDate();

  QLabel* Label17 = nullptr;    // month
  QLabel* Label1 = nullptr;     // year
  QSpinBox* UpDown1 = nullptr;  // year spinner
  QSpinBox* UpDown2 = nullptr;  // month spinner
  QPushButton* TodayButton = nullptr;
  QLabel* Label20 = nullptr;              // year watermark
  QLabel* Label16 = nullptr;              // month watermark
  QFrame* Shape2 = nullptr;               // highlight behind the selected day
  QLabel* Label21 = nullptr;              // year animal
  QLabel* Label22 = nullptr;              // constellation
  std::array<QLabel*, 37> DayLabels{};    // Gregorian day of cell 1-37
  std::array<QLabel*, 37> LunarLabels{};  // lunar label below it

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void DayLabelMouseDown(QLabel* label);
  void LunarLabelMouseDown(QLabel* label);
  void DayCellClick(QLabel* label);
};

// Opens a new perpetual calendar, modal, releasing any earlier one.
void OpenPerpetualCalendar(QWidget* parent);

}  // namespace zorvan

// SPDX-License-Identifier: MIT
// TMoCal: the month sheet. Five bevelled panels hold the month and year
// heads with the calendar mark (`CalPanelTop0`), the weekday heads
// (`CalPanelTop`), the today button (`CalPanelLeftTop`), the week numbers
// (`CalPanelLeft`) and the 42 day cells (`CalPanel1`, `Lbl_Day1`..`Lbl_Day42`,
// Monday first). Everything shown comes from the Qt-free model
// (mocal_model.h); the widget only paints it and forwards the mouse and the
// keyboard. Assistive technology reads the day cells as a table of six
// weeks by seven weekdays, the weekdays and week numbers as its heads, each
// day pressable. A click on a day selects it and raises `OnClick`; a right click
// offers the day menu `DayMenu`, a right click on the year the year menu
// `YearMenu`. Every web link goes through platform::OpenUrl.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "controls/mocal_model.h"

class QAction;
class QLabel;
class QMenu;
class TMoCalCell;
class TMoCalPanel;

class TMoCal : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int EditHeight READ EditHeight WRITE SetEditHeight)
  Q_PROPERTY(QString Tour READ Tour WRITE SetTour)
  Q_PROPERTY(bool ShowSchoolHolidays READ ShowSchoolHolidays WRITE SetShowSchoolHolidays)
  Q_PROPERTY(int SelectedDay READ SelectedDay)

 public:
  static constexpr int kWidth = 249;
  static constexpr int kHeight = 217;

  explicit TMoCal(QWidget* parent = nullptr);

  // ShowMonth: shows the month of a day number (moved into 01.01.0001 ..
  // 31.12.3000) in a calendar and region, that day selected.
  void ShowMonth(int dayNumber, bool gregorian,
                 const QString& land);  // (2460587, true, "D-NI") -> October 2024

  // EditHeight: stored for the owner; it changes nothing in the layout.
  int EditHeight() const { return editHeight_; }
  void SetEditHeight(int height) { editHeight_ = height; }

  // Tour: the tour setting ("no", "grafic", "text"); stored as given and
  // used for the cell links from the next ShowMonth on.
  QString Tour() const { return tour_; }
  // ShowSchoolHolidays: days in the region's school holidays carry a bar
  // under their number (on by default).
  bool ShowSchoolHolidays() const { return showSchoolHolidays_; }
  void SetShowSchoolHolidays(bool show);
  // SchoolHolidayMarked: whether cell 0..41 shows the bar.
  bool SchoolHolidayMarked(int cell) const;
  void SetTour(const QString& tour) { tour_ = tour; }

  // SelectedDay: the day number of the cell last clicked (or chosen with
  // the keyboard, or today after the today button); 0 before ShowMonth.
  int SelectedDay() const { return view_.selected; }

  // View: everything the sheet shows now, its texts and hints included.
  const controls::SheetView& View() const { return view_; }

  // TimeText: the sheet's time "hh:mm:ss", taken when it was created.
  QString TimeText() const { return QString::fromStdString(timeText_); }

  // The pop-up menus, for the owner and the tests.
  QMenu* DayMenu() const { return dayMenu_; }
  QMenu* YearMenu() const { return yearMenu_; }

 signals:
  // OnClick: a day cell or the today button was clicked, or Enter pressed on
  // a day; SelectedDay holds the day.
  void OnClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Assistive technology reads the day cells as a table (mocal.cpp).
  friend class TMoCalAccessibility;

  void CreatePanels();
  void CreateHeads();
  void CreateCells();
  void CreateMenus();
  void Render();
  void RenderSelection();
  void AnnounceSelection(int before, int after);
  void PlaceHeads();
  int CellIndexOf(QObject* watched) const;
  void ClickCell(int cell);
  void DoubleClickCell(int cell);
  void PopUpDayMenu(int cell, const QPoint& globalPos);
  void PopUpYearMenu(const QPoint& globalPos);
  void ClickToday();
  void ShowTodayMonth();
  void MoveSelection(int dayNumber);
  bool CellKeyPress(QKeyEvent* event);
  void OpenLink(const std::string& link) const;

  controls::SheetView view_;
  bool shown_ = false;
  bool gregorian_ = true;
  QString land_;
  QString tour_ = QStringLiteral("no");
  bool showSchoolHolidays_ = true;
  int editHeight_ = 24;
  bool swallowRelease_ = false;  // the release after a double click
  std::string timeText_;         // "hh:mm:ss" at creation

  TMoCalPanel* panelTop0_ = nullptr;
  TMoCalPanel* panelTop_ = nullptr;
  TMoCalPanel* panelLeftTop_ = nullptr;
  TMoCalPanel* panelLeft_ = nullptr;
  TMoCalPanel* panel1_ = nullptr;
  QLabel* showMonth_ = nullptr;
  QLabel* showYear_ = nullptr;
  QLabel* showCal_ = nullptr;
  QLabel* today_ = nullptr;
  std::array<QLabel*, 7> weekDays_{};
  std::array<QLabel*, 6> weeks_{};
  std::array<TMoCalCell*, 42> cells_{};
  QMenu* dayMenu_ = nullptr;
  QMenu* yearMenu_ = nullptr;
  std::array<QAction*, 8> dayItems_{};
  std::array<QAction*, 6> yearItems_{};
  int selectedCell_ = -1;  // the cell shown selected, -1 for none
};

// SPDX-License-Identifier: MIT
// TTray: the calendar week in the desktop's tray. Its symbol is the week
// number on a filled red badge with white digits, drawn for every size and
// pixel density the desktop asks for (WeekIcon), so that it stays sharp and
// reads on light and dark panels alike. Its tooltip is the day's weekday
// and date, "KW nn" and the day's holidays in the region (tray_model.h).
// A left click asks to open or close the calendar pop-up; the menu offers
// "Kalenderblatt öffnen", "Zinsen", "Datum kopieren", "KW kopieren" and
// "Beenden". The copies go to the clipboard here; everything else is asked
// of the main window through the signals.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <memory>

#include "app/tray_model.h"

class QAction;
class QMenu;
class QPainter;
class QSystemTrayIcon;

// WeekPicture: the symbol of a week's digits at a size in logical pixels
// and a device pixel ratio; the pixmap then has size x ratio pixels.
QPixmap WeekPicture(const QString& digits, int size, qreal ratio,
                    bool enabled = true);  // ("53", 16, 2) -> 32 x 32 pixels

// WeekIcon: an icon that draws WeekPicture at whatever size it is asked for.
QIcon WeekIcon(const QString& digits);  // WeekIcon("53").pixmap(QSize(22, 22), 2)

class TTray : public QObject {
  Q_OBJECT

 public:
  // The sizes the icon names as its own; it draws any other size as well.
  static constexpr int kSizes[] = {16, 20, 22, 24, 32, 40, 48, 64};

  explicit TTray(QObject* parent = nullptr);
  ~TTray() override;

  // ShowDay: shows a day (Gregorian) in a region; a day and region already
  // shown change nothing, a day outside the range is ignored.
  void ShowDay(int dayNumber, const QString& region);  // (2461407, "D-NI") -> "53"
  // SetVisible: puts the symbol into the tray or takes it out.
  void SetVisible(bool visible);
  bool IsVisible() const;

  // What is shown, and the parts a test or the gallery looks at.
  const app::TrayDay& Day() const { return day_; }
  QString Region() const { return region_; }
  QSystemTrayIcon* Icon() const { return icon_; }
  QMenu* Menu() const { return menu_.get(); }

  // The menu's entries, under their own names.
  void Act_CopyDateClick();
  void Act_CopyWeekClick();

 signals:
  // A left click on the symbol: open the pop-up, or close an open one.
  void ToggleRequested();
  void OpenCalendarRequested();  // "Kalenderblatt öffnen"
  void InterestRequested();      // "Zinsen"
  void QuitRequested();          // "Beenden"

 private:
  QAction* AddAction(const char* name, const char* text);

  QSystemTrayIcon* icon_ = nullptr;
  std::unique_ptr<QMenu> menu_;  // a tray menu has no parent widget
  app::TrayDay day_;
  QString region_;
};

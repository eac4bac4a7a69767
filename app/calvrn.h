// SPDX-License-Identifier: MIT
// TCalVrn: the program's main window, its small permanent presence on the
// desktop. It shows today's date in the live date field of Kalender1 and
// has two sizes: the normal window (192 x 252) with the buttons
// "Kalenderblatt", "Zinsen", "Einstellungen" and the web site, and the
// date-only strip (88 x 20, no frame, on top with "immer im Vordergrund"),
// which a click on the blue "V" turns into the movable 130 x 46 window
// "verschieben" and "D" turns back. The settings panel Pnl_Set keeps the
// ticks per user (settings_model.h decides what is read, kept and deleted);
// three timers refresh the date: Timer1 once after the start, Timer2 an hour
// after a date change, Timer3 every second around midnight.
//
// Kalender1 (controls/kalender.h) is the calendar component: its date edit
// stands in Pnl_Kal while its pop-up is closed; "Kalenderblatt" and a
// double click on the date open the pop-up, and its opening and closing
// switch the strip's "G" and "V" on and off. The interest window is opened
// through a hook that the program (main.cpp) sets, so that tests open none.
//
// With "Symbol im Infobereich" the week number stands in the desktop's tray
// (tray.h) as long as the desktop has one; Timer3's check of the day keeps
// it current over midnight and after waking, and its click and menu reach
// the pop-up, the interest window, the clipboard and the end of the program.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

#include "app/settings_model.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TKalender;
class TTray;

namespace platform {
class KeyValueStore;
}

class TCalVrn : public QWidget {
  Q_OBJECT

 public:
  // The window sizes: normal, the date-only strip and its move mode.
  static constexpr int kBigWidth = 192;
  static constexpr int kBigHeight = 252;
  static constexpr int kSmallWidth = 88;
  static constexpr int kSmallHeight = 20;
  static constexpr int kMoveWidth = 130;
  static constexpr int kMoveHeight = 46;

  // The program's web site, opened by the web-site button and a double
  // click on the memo.
  static constexpr char kWebSite[] = "https://www.razaduvovi.de/";

  // TCalVrn: the window over the user's settings store, which it reads when
  // first shown and writes on saving and closing.
  explicit TCalVrn(platform::KeyValueStore& store, QWidget* parent = nullptr);
  ~TCalVrn() override;

  // SetInterestOpener: what opens a new interest window ("Zinsen", once per click).
  void SetInterestOpener(std::function<void()> open) { interestOpener_ = std::move(open); }
  // MessageSink: shows a message box; replaced by tests so that nothing
  // modal opens. An empty sink restores the message box.
  using MessageSink = std::function<void(const QString& title, const QString& text)>;
  void SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
  // SetScreenSize: the screen the positions are computed and held on; the
  // primary screen unless set.
  void SetScreenSize(QSize size) { screenSize_ = size; }
  // SetProgramPath: the path written as the key's default value; the
  // running program unless set.
  void SetProgramPath(const QString& path) { programPath_ = path; }

  // ShowFromOutside: shows the window normally (also when minimised),
  // raises and activates it; a second start of the program asks for it.
  void ShowFromOutside();

  // The state the settings and buttons decide.
  bool BigMode() const { return bigMode_; }
  bool MoveMode() const { return !bigMode_ && !toggleFlag_; }
  bool OnTop() const { return (windowFlags() & Qt::WindowStaysOnTopHint) != 0; }
  app::WindowPositions Positions() const { return positions_; }
  // ShownDate: the date Kalender1 shows, "DD.MM.YYYY".
  QString ShownDate() const;
  // Land: the region of Kalender1.
  QString Land() const { return KalenderLand(); }
  void SetLand(const QString& code) { KalenderSetLand(code); }

  // The handlers of the buttons, panels, check boxes, calendar events and
  // timers, under their own names; each is what a click or tick does.
  void Btn_OpenCalClick();
  void Btn_ZinsClick();
  void Btn_SetClick();
  void Btn_BackClick();
  void Btn_SaveClick();
  void Btn_WebClick();
  void CB_smallClick();
  void CB_Clock00Click();
  void CB_TrayClick();
  void CB_FerienToggled(bool show);
  void Pnl_BigClick();
  void Pnl_Big1Click();
  void Pnl_Hide1Click();
  void Pnl_HideClick();
  // Kalender1Change: the date changed; keeps the hourly refresh running.
  void Kalender1Change();
  // Kalender1ChangeVis: the calendar pop-up opened (true) or closed.
  void Kalender1ChangeVis(bool open);
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  // TrayClick: a left click on the tray's symbol opens the pop-up or closes it.
  void TrayClick();

  // Tray: the symbol in the tray while it is shown or hidden, else null.
  TTray* Tray() const { return tray_; }
  // TrayLand: the region of the tray's holidays: the stored one, else the
  // region the program starts with.
  QString TrayLand() const { return trayLand_; }

 signals:
  // Closed: the window was closed and the settings saved; the program ends.
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateSettingsPanel();
  void CreateTimers();
  QLabel* MakePanel(QWidget* parent, const char* name, const QRect& bounds);
  QCheckBox* MakeCheckBox(const char* name, const char* text, const char* hint, int top);

  // The settings.
  app::SettingFlags Flags() const;
  void ShowFlags(const app::SettingFlags& flags);
  void ReadSettings(bool firstShow);
  // SaveSettings: false when the store refused the save or the deletion.
  bool SaveSettings(app::SaveKind kind);
  void ApplyClockRule();
  // ApplyTrayRule: the tray's tick enabled only where the desktop has a
  // tray, the symbol shown exactly when it is ticked there; true when shown.
  bool ApplyTrayRule();
  QSize Screen() const;

  // The window's layouts and modes.
  void LayoutWindow();
  void LayoutBig();
  void LayoutSmall();
  void SetBigControlsVisible(bool visible);
  void ToggleSmall();
  void SetFrame(Qt::WindowFlags flags, const QString& caption, int width, int height);
  void Refresh();

  // ---- Kalender1: everything the window asks of the calendar component ----
  void KalenderCreate();
  QString KalenderLand() const;
  void KalenderSetLand(const QString& code);
  // KalenderToday: the Gregorian calendar, today's date and the time now.
  void KalenderToday();
  void KalenderOpen();
  void KalenderHide();
  // KalenderClosed: the date field after the pop-up closed: Modus "D", no button.
  void KalenderClosed();
  TKalender* Kalender1 = nullptr;

  platform::KeyValueStore& store_;
  std::function<void()> interestOpener_;
  MessageSink messageSink_;
  QSize screenSize_;
  QString programPath_;

  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Btn_OpenCal = nullptr;
  QPushButton* Btn_Zins = nullptr;
  QPushButton* Btn_Set = nullptr;
  QPushButton* Btn_Web = nullptr;
  QLabel* Pnl_Kal = nullptr;
  QLabel* Pnl_Contr = nullptr;
  QLabel* Pnl_Big1 = nullptr;
  QLabel* Pnl_Hide1 = nullptr;
  QLabel* Pnl_Btn = nullptr;
  QLabel* Pnl_Hide = nullptr;
  QLabel* Pnl_Big = nullptr;
  QWidget* Pnl_Set = nullptr;
  QLabel* Lbl_Set = nullptr;
  QCheckBox* CB_small = nullptr;
  QCheckBox* CB_Front = nullptr;
  QCheckBox* CB_Date1h = nullptr;
  QCheckBox* CB_Clock00 = nullptr;
  QCheckBox* CB_Land = nullptr;
  QCheckBox* CB_Auto = nullptr;
  QCheckBox* CB_Icon = nullptr;
  QCheckBox* CB_Tray = nullptr;
  QCheckBox* CB_Ferien = nullptr;
  QLabel* Lbl_Now = nullptr;
  QLabel* Lbl_Sec = nullptr;
  QPushButton* Btn_Back = nullptr;
  QPushButton* Btn_Save = nullptr;
  QTimer* Timer1 = nullptr;
  QTimer* Timer2 = nullptr;
  QTimer* Timer3 = nullptr;

  bool bigMode_ = true;
  bool toggleFlag_ = false;  // the next toggle of the strip enters move mode
  // The store did not read (settings_model.h): only "Speichern" writes it.
  bool storeDamaged_ = false;
  bool firstShow_ = true;
  bool suppress_ = false;      // a button opened something; "D" then does nothing
  bool laidOutSmall_ = false;  // the green panel has taken "G"'s action
  bool closed_ = false;
  app::WindowPositions positions_;
  int refreshedDay_ = 0;  // today's day number at the last refresh
  TTray* tray_ = nullptr;
  QString trayLand_;
};

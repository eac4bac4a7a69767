// SPDX-License-Identifier: MIT
// TKalender: the calendar component a host window places. It owns the
// pop-up window `CalendarPopup` with one TDateCal in it. While the pop-up is
// closed the start-date edit stands in the host at the component's place
// (the component itself is then 0 x 0); opening the pop-up moves the edit
// back into the TDateCal. The component relays its properties to the
// TDateCal, raises `OnChange` for every start-date change and `OnChangeVis`
// when the pop-up opens or closes, and offers the engine services the main
// window and the interest calculator use.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/chosenday.h"

class TDateCal;

class TKalender : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString About READ About WRITE SetAbout)
  Q_PROPERTY(QString Modus READ Modus WRITE SetModus)
  Q_PROPERTY(QString Calendar READ Calendar WRITE SetCalendar)
  Q_PROPERTY(QString Land READ Land WRITE SetLand)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool ShowBtn READ ShowBtn WRITE SetShowBtn)
  Q_PROPERTY(bool ShowCal READ ShowCal WRITE SetShowCal)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool Show12h READ Show12h WRITE SetShow12h)
  Q_PROPERTY(QString ShowTour READ ShowTour WRITE SetShowTour)
  Q_PROPERTY(QString ShowProgr READ ShowProgr WRITE SetShowProgr)
  Q_PROPERTY(QString Date READ Date)
  Q_PROPERTY(QString Day READ Day)
  Q_PROPERTY(QString Week READ Week)
  Q_PROPERTY(QString JD READ JD)
  Q_PROPERTY(QString Time READ Time)
  Q_PROPERTY(int iJD READ iJD)
  Q_PROPERTY(engine::ChosenDay chosenDay READ Chosen NOTIFY dayChanged USER true)
  Q_PROPERTY(int iLeapYear READ iLeapYear)
  Q_PROPERTY(int iWeekDay READ iWeekDay)
  Q_PROPERTY(int iYearOfMoonCircle READ iYearOfMoonCircle)
  Q_PROPERTY(int iMoonAge READ iMoonAge)
  Q_PROPERTY(int iMoonPhase READ iMoonPhase)
  Q_PROPERTY(int iHoliday READ iHoliday)
  Q_PROPERTY(QString dtWochentag READ dtWochentag)
  Q_PROPERTY(QString Holiday READ Holiday)
  Q_PROPERTY(QString HolidayInLand READ HolidayInLand)
  Q_PROPERTY(QString MoonPhase READ MoonPhase)
  Q_PROPERTY(QString DateText READ DateText)
  Q_PROPERTY(QStringList ListDateText READ ListDateText)
  Q_PROPERTY(QStringList ListProgText READ ListProgText)
  Q_PROPERTY(bool CalOpen READ CalOpen)
  Q_PROPERTY(QString Version READ Version)
  Q_PROPERTY(QString CopyRight READ CopyRight)

 public:
  explicit TKalender(QWidget* parent = nullptr);
  ~TKalender() override;

  // The pop-up's size and the fixed title shown while no caption is set.
  static constexpr int kPopupWidth = 268;
  static constexpr int kPopupHeight = 320;
  static const QString kPopupTitle;

  // About: the version and the notice; writing changes nothing.
  QString About() const;
  void SetAbout(const QString& /*ignored*/) {}
  // Modus: relayed; "T" and "TM" also clear the stored ShowBtn.
  QString Modus() const;
  void SetModus(const QString& modus);  // "TM" -> ShowBtn false
  QString Calendar() const;
  void SetCalendar(const QString& code);
  QString Land() const;
  void SetLand(const QString& code);
  // Visible: whether the date edit shows; true re-applies Modus and ShowBtn.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool ShowBtn() const { return showBtn_; }
  void SetShowBtn(bool show);
  bool ShowCal() const { return showCal_; }
  void SetShowCal(bool show);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  bool Show12h() const { return show12h_; }
  void SetShow12h(bool show);
  // ShowTour: "no", "grafic" and "text" reach the sheet; any other value is
  // only stored. Reading gives the sheet's tour.
  QString ShowTour() const;
  void SetShowTour(const QString& tour);  // "abc" -> reads "no"
  // ShowProgr: the program of the tools panel by name ("Calendar", "Time",
  // ..., "New"); another value is only stored.
  QString ShowProgr() const;
  void SetShowProgr(const QString& value);  // "SearchDateForm" -> "Datumsformate (IT-2)"

  QString Date() const;
  QString Day() const;
  QString Week() const;
  QString JD() const;
  QString Time() const;
  // iJD: the day number, 0 when the text is no number.
  int iJD() const;
  int iLeapYear() const;
  int iWeekDay() const;
  int iYearOfMoonCircle() const;
  int iMoonAge() const;
  int iMoonPhase() const;
  int iHoliday() const;
  QString dtWochentag() const;
  QString Holiday() const;
  QString HolidayInLand() const;
  QString MoonPhase() const;
  QString DateText() const;
  QStringList ListDateText() const;
  QStringList ListProgText() const;
  bool CalOpen() const { return open_; }
  QString Version() const;
  QString CopyRight() const;

  // Open, Close: show or hide the pop-up; each fires OnChangeVis once and
  // does nothing when the pop-up already is so.
  void Open();
  void Close();

  // Chosen: the chosen day as a value; SetChosen shows one (false, and nothing
  // changes, outside its calendar's range).
  engine::ChosenDay Chosen() const;
  bool SetChosen(const engine::ChosenDay& day);

  // ---- Services -----------------------------------------------------------
  // The date edit: set the date ("DD.MM.YYYY", checked by Calendar), the date
  // from a day-number text (false for a text that is no number), the time.
  bool SetDate(const QString& text);    // "29.02.2023" -> false
  bool SetDateJD(const QString& text);  // "abc" -> false
  bool SetTime(const QString& text);
  // Today's day number and date text; conversions between date and day number.
  int TodayJD() const;
  QString TodayText() const;
  QString DateToJD(const QString& date) const;  // "01.01.2000" -> "2451545"
  QString JDToDate(const QString& jd) const;    // "2451545" -> "01.01.2000"
  // RegionName: the name of a region code.
  QString RegionName(const QString& code) const;  // "D-NI" -> "Niedersachsen"
  // PeriodText: the period text of two dates.
  QString PeriodText(const QString& start, const QString& end, bool startInclusive,
                     bool endInclusive) const;
  // NextWorkingDay, NextWorkingDaySat: the first working day from a day
  // number text on; empty for a text that is no day number.
  QString NextWorkingDay(const QString& jd, const QString& region) const;
  QString NextWorkingDaySat(const QString& jd, const QString& region) const;
  // OpenUrl: opens an http(s) address in the browser (1), else nothing (0).
  int OpenUrl(const QString& address) const;
  // ScreenSize: "1920 x 1080 Pixel".
  QString ScreenSize() const;

  QWidget* CalendarPopup() const { return popup_; }
  TDateCal* DateCal() const { return dateCal_; }

 signals:
  void OnChange(QObject* sender);
  void OnChangeVis(QObject* sender);
  // dayChanged: the chosen day changed (not when only the hints switch);
  // dayEntered: the user's own changes; regionChanged: another region.
  void dayChanged(const engine::ChosenDay& day);
  void dayEntered(const engine::ChosenDay& day);
  void regionChanged(const QString& code);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void PlaceInHost();
  void UpdateTitle();
  void DeactivationCheck();

  QPointer<QWidget> popup_;
  TDateCal* dateCal_ = nullptr;
  bool open_ = false;
  // Set while the hints are switched on opening and closing, which
  // describes the day again but changes no date.
  bool switchingHints_ = false;
  bool visible_ = true;
  bool showBtn_ = true;
  bool showCal_ = true;
  bool showHint_ = true;
  bool show12h_ = true;
  QString showTour_ = QStringLiteral("no");
  QString showProgr_ = QStringLiteral("Calendar");
};

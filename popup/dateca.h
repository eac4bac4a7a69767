// SPDX-License-Identifier: MIT
// TDateCal: the content of the calendar pop-up. It joins the start-date
// edit `DateEdt`, the end-date edit `DateEdtE` of the date difference, the
// month sheet `MoCal`, the tools panel `Beam`, the yellow message panel
// `Mess` (`MessCaption`, `MessText`, `MessBtn`), the region name `LblLand`
// and the hidden memo `Mem` that holds the text copied last. It relays its
// properties to the start-date edit, keeps the sheet and the panel in step
// with the date, region and calendar, and carries out the commands the
// panel raises: moves by days, weeks, months and years (with the range
// fallback of tools/beam_model.h), copies to the clipboard, program changes
// and the date difference.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "controls/dateedt.h"
#include "tools/beam.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TMoCal;

class TDateCal : public QWidget {
  Q_OBJECT
  Q_PROPERTY(engine::ChosenDay chosenDay READ Chosen NOTIFY dayChanged USER true)
  Q_PROPERTY(int EditHeight READ EditHeight WRITE SetEditHeight)
  Q_PROPERTY(QString Modus READ Modus WRITE SetModus)
  Q_PROPERTY(QString Calendar READ Calendar WRITE SetCalendar)
  Q_PROPERTY(QString Land READ Land WRITE SetLand)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool ShowBtn READ ShowBtn WRITE SetShowBtn)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool Show12h READ Show12h WRITE SetShow12h)
  Q_PROPERTY(bool ShowCal READ ShowCal WRITE SetShowCal)
  Q_PROPERTY(QString Tour READ Tour WRITE SetTour)
  Q_PROPERTY(QString K_Date READ K_Date)
  Q_PROPERTY(QString K_Day READ K_Day)
  Q_PROPERTY(QString K_Week READ K_Week)
  Q_PROPERTY(QString K_JD READ K_JD)
  Q_PROPERTY(QString K_Time READ K_Time)
  Q_PROPERTY(int K_iLeapYear READ K_iLeapYear)
  Q_PROPERTY(int K_iWeekDay READ K_iWeekDay)
  Q_PROPERTY(int K_iYearOfMoonCircle READ K_iYearOfMoonCircle)
  Q_PROPERTY(int K_iMoonAge READ K_iMoonAge)
  Q_PROPERTY(int K_iMoonPhase READ K_iMoonPhase)
  Q_PROPERTY(int K_iHoliday READ K_iHoliday)
  Q_PROPERTY(QString K_dtWochentag READ K_dtWochentag)
  Q_PROPERTY(QString K_Holiday READ K_Holiday)
  Q_PROPERTY(QString K_HolidayInLand READ K_HolidayInLand)
  Q_PROPERTY(QString K_MoonPhase READ K_MoonPhase)
  Q_PROPERTY(QString K_DateText READ K_DateText)
  Q_PROPERTY(QStringList K_slDateText READ K_slDateText)
  Q_PROPERTY(QString K_HolidayText READ K_HolidayText)
  Q_PROPERTY(QStringList K_slHolidayText READ K_slHolidayText)
  Q_PROPERTY(QStringList K_slProgText READ K_slProgText)
  Q_PROPERTY(QString ProgCaption READ ProgCaption)
  Q_PROPERTY(QString DateLand READ DateLand)

 public:
  static constexpr int kWidth = 249;
  static constexpr int kHeight = 289;

  // messagesAsEvent: the date edits' corrections go to the message panel
  // (else to a message box or the sink of SetMessageSink).
  explicit TDateCal(QWidget* parent = nullptr, bool messagesAsEvent = true);

  // EditHeight: relayed to the start-date edit and the sheet.
  int EditHeight() const;
  void SetEditHeight(int height);
  // Modus, Calendar, Land: read from and written to the start-date edit.
  QString Modus() const;
  void SetModus(const QString& modus);
  QString Calendar() const;
  void SetCalendar(const QString& code);  // "J" closes an open program page
  QString Land() const;
  void SetLand(const QString& code);
  // Visible: whether the start-date edit is shown; stored and relayed. It
  // is no QWidget visibility.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool ShowBtn() const { return showBtn_; }
  void SetShowBtn(bool show);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  bool Show12h() const { return show12h_; }
  void SetShow12h(bool show);
  // ShowCal: when false the calendar button opens nothing.
  bool ShowCal() const { return showCal_; }
  void SetShowCal(bool show) { showCal_ = show; }
  // Tour: stored and handed to the month sheet.
  QString Tour() const { return tour_; }
  void SetTour(const QString& tour);

  // The start-date edit's day information.
  QString K_Date() const { return dateEdt_->K_Date(); }
  QString K_Day() const { return dateEdt_->K_Day(); }
  QString K_Week() const { return dateEdt_->K_Week(); }
  QString K_JD() const { return dateEdt_->K_JD(); }
  QString K_Time() const { return dateEdt_->K_Time(); }
  int K_iLeapYear() const { return dateEdt_->K_iLeapYear(); }
  int K_iWeekDay() const { return dateEdt_->K_iWeekDay(); }
  int K_iYearOfMoonCircle() const { return dateEdt_->K_iYearOfMoonCircle(); }
  int K_iMoonAge() const { return dateEdt_->K_iMoonAge(); }
  int K_iMoonPhase() const { return dateEdt_->K_iMoonPhase(); }
  int K_iHoliday() const { return dateEdt_->K_iHoliday(); }
  QString K_dtWochentag() const { return dateEdt_->K_dtWochentag(); }
  QString K_Holiday() const { return dateEdt_->K_Holiday(); }
  QString K_HolidayInLand() const { return dateEdt_->K_HolidayInLand(); }
  QString K_MoonPhase() const { return dateEdt_->K_MoonPhase(); }
  QString K_DateText() const { return dateEdt_->K_DateText(); }
  QStringList K_slDateText() const { return dateEdt_->K_slDateText(); }
  QString K_HolidayText() const { return dateEdt_->K_HolidayText(); }
  QStringList K_slHolidayText() const { return dateEdt_->K_slHolidayText(); }
  // K_slProgText: the result of the tools-panel program computed last.
  QStringList K_slProgText() const { return progText_; }
  QString ProgCaption() const { return progCaption_; }
  QString DateLand() const;

  // Chosen: the start date as a value; SetChosen shows one (false, and nothing
  // changes, outside its calendar's range).
  engine::ChosenDay Chosen() const { return dateEdt_->Chosen(); }
  bool SetChosen(const engine::ChosenDay& day) { return dateEdt_->SetChosen(day); }

  // SetDateText: the start date from "DD.MM.YYYY", checked in the calendar;
  // false when the text is no valid date (nothing changes).
  bool SetDateText(const QString& text);  // "29.02.2023" -> false
  // SetDateJD: the start date from a day-number text; false for a text that
  // is no day number of the range.
  bool SetDateJD(const QString& text);  // "2460000" -> true, "abc" -> false
  // SetTimeText: the start-date edit's time; false when refused.
  bool SetTimeText(const QString& text);

  // PeriodText: the period text of two dates (CR LF lines), or the message
  // for a start after the end.
  static QString PeriodText(const QString& start, const QString& end, bool startInclusive,
                            bool endInclusive);

  // ShowSheet: shows the month sheet for the start date with the region
  // name (what the calendar button does before the pop-up opens).
  void ShowSheet();
  // PopUpClosed: hides the sheet and gives the start-date edit its button
  // and visibility back from ShowBtn and Visible.
  void PopUpClosed();
  // CheckTyped: checks typed, unconfirmed text of the start-date edit.
  void CheckTyped();

  // MessageSink: where corrections go without the message panel; replaced
  // by tests so that nothing modal opens.
  using MessageSink = TDateEdt::MessageSink;
  void SetMessageSink(MessageSink sink);

  // YearPrinter: shows the print preview of a year's page for a region and
  // calendar ("G" or "J"); replaced by tests so that no dialog opens.
  using YearPrinter =
      std::function<void(int year, const QString& land, const QString& calendar, QWidget* parent)>;
  void SetYearPrinter(YearPrinter printer);  // {} restores the print preview
  // PrintAction: "Drucken …" in the sheet's year menu; prints the year of
  // the sheet's day.
  QAction* PrintAction() const { return printAction_; }

  TDateEdt* DateEdt() const { return dateEdt_; }
  TDateEdt* DateEdtE() const { return dateEdtE_; }
  TMoCal* MoCal() const { return moCal_; }
  TBeam* Beam() const { return beam_; }
  QPlainTextEdit* Mem() const { return mem_; }
  QWidget* Mess() const { return mess_; }
  QLineEdit* LblLand() const { return lblLand_; }

 signals:
  // OnChange: the start date (or the end date) changed.
  void OnChange(QObject* sender);
  // OnProgChange: the program caption changed.
  void OnProgChange(QObject* sender);
  // OnCalRequest: the user asked for the month sheet.
  void OnCalRequest(QObject* sender);

  // dayChanged: the start date, its calendar, region or time changed.
  void dayChanged(const engine::ChosenDay& day);
  // dayEntered: the same for the user's own changes (in the date edit, on
  // the sheet, or by a move of the tools panel).
  void dayEntered(const engine::ChosenDay& day);
  // regionChanged: another region is shown.
  void regionChanged(const QString& code);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StartDateChanged();
  void RegionShown();
  void CalendarRequested();
  void ShowMessage(TDateEdt* edit);
  // ShowCorrection: a correction on the message panel when it may go there
  // and is in sight, else in a message box (or the sink).
  void ShowCorrection(const QString& title, const QString& text, bool onPanel);
  void ShowRangeMessage(int number);
  void SheetClicked();
  void PrintYear();
  void BeamChanged(tools::BeamSender sender);
  void Navigate(const QString& command);
  void ComputeDateDiff();
  void CopyCalendarPage(tools::BeamSender sender);
  void TakeCopyText(bool copy);
  void ToClipboard(const QString& text);
  void UpdateCaption();
  bool Gregorian() const { return Chosen().gregorian(); }
  int StartDay() const;

  TDateEdt* dateEdt_ = nullptr;
  TDateEdt* dateEdtE_ = nullptr;
  TMoCal* moCal_ = nullptr;
  QAction* printAction_ = nullptr;
  YearPrinter yearPrinter_;
  TBeam* beam_ = nullptr;
  QPlainTextEdit* mem_ = nullptr;
  QWidget* mess_ = nullptr;
  QLabel* messCaption_ = nullptr;
  QPlainTextEdit* messText_ = nullptr;
  QPushButton* messBtn_ = nullptr;
  QLineEdit* lblLand_ = nullptr;
  QLabel* tilLbl_ = nullptr;

  bool messagesAsEvent_ = true;
  MessageSink messageSink_;
  bool visible_ = true;
  bool showBtn_ = true;
  bool showHint_ = true;
  bool show12h_ = true;
  bool showCal_ = true;
  QString tour_ = QStringLiteral("no");
  QString progCaption_ = QStringLiteral("Kalender");
  QStringList progText_;
  // Set while the clock's time is written into the start-date edit.
  bool takingTime_ = false;
  // Set while a move the user asked for on the sheet or the panel is shown.
  bool userMove_ = false;
};

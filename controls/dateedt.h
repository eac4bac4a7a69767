// SPDX-License-Identifier: MIT
// TDateEdt: the date input of the calendar. Five TDate fields show one day
// as a date (`Date`), a day of the year (`Day`), a calendar week (`Week`) or
// a Julian Day number (`JD`), or show a time (`Time`); the switch button
// `SwitchBtn` (a TDblBtn) changes the view with its lower half and the
// calendar (Gregorian, Julian) with its upper half. Leaving a view checks it
// against the calendar (dateedt_model.h) and corrects it with a message;
// every accepted day publishes its facts as read-only `K_` properties. Below
// the fields the list `LB_Land` (a TRegionList, regionlist.h) unfolds the
// region's holidays of the year and the choice of the region; this control
// folds and unfolds it, tells it the shown region and year, and takes the
// region or holiday chosen there.
//
// The fields, the switch button and the list live in one container, so that
// PlaceOn can show them inside another window while this control shrinks to
// nothing.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "controls/dateedt_model.h"
#include "controls/icalsaver.h"
#include "controls/regionlist.h"
#include "controls/regionlist_model.h"
#include "engine/chosenday.h"
#include "engine/daydescription.h"

class QAction;
class QLineEdit;
class TDate;
class TDblBtn;

class TDateEdt : public QWidget {
  Q_OBJECT
  Q_PROPERTY(engine::ChosenDay chosenDay READ Chosen NOTIFY dayChanged USER true)
  Q_PROPERTY(EditMode editMode READ Mode WRITE SetMode)
  Q_PROPERTY(CalendarSystem calendarSystem READ System WRITE SetSystem)
  Q_PROPERTY(MessageLevel messageLevel READ Level)
  Q_PROPERTY(QString Modus READ Modus WRITE SetModus)
  Q_PROPERTY(QString Calendar READ Calendar WRITE SetCalendar)
  Q_PROPERTY(QString Land READ Land WRITE SetLand)
  Q_PROPERTY(int EditHeight READ EditHeight WRITE SetEditHeight)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool ShowBtn READ ShowBtn WRITE SetShowBtn)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool Show12h READ Show12h WRITE SetShow12h)
  Q_PROPERTY(bool CalEnabled READ CalEnabled WRITE SetCalEnabled)
  Q_PROPERTY(bool MessagesAsEvent READ MessagesAsEvent WRITE SetMessagesAsEvent)
  Q_PROPERTY(QString MessageTitle READ MessageTitle)
  Q_PROPERTY(QString MessageText READ MessageText)
  Q_PROPERTY(int MessageKind READ MessageKind)
  Q_PROPERTY(bool Typing READ Typing WRITE SetTyping)
  Q_PROPERTY(bool GregorianDate READ GregorianDate)
  Q_PROPERTY(QString ClickJD READ ClickJD)
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
  Q_PROPERTY(bool K_HolidayVis READ K_HolidayVis)

 public:
  explicit TDateEdt(QWidget* parent = nullptr);
  ~TDateEdt() override;

  // The full width and the unfolded height; the compact width.
  static constexpr int kWidth = 123;
  static constexpr int kCompactWidth = 97;
  static constexpr int kUnfoldedHeight = 100;

  // The values behind the properties Modus, Calendar and MessageKind.
  enum class EditMode { Date, Time, TimeWithoutSeconds, Week, DayOfYear, JulianDay };
  Q_ENUM(EditMode)
  enum class CalendarSystem { Julian, Gregorian };
  Q_ENUM(CalendarSystem)
  enum class MessageLevel { Information };
  Q_ENUM(MessageLevel)

  // Modus: "D", "A", "W", "J", "T" or "TM"; any other text is stored as "D".
  // Writing sets the time's seconds to "00" and shows the view.
  QString Modus() const;
  void SetModus(const QString& modus);  // "X" -> "D"
  EditMode Mode() const { return static_cast<EditMode>(mode_); }
  void SetMode(EditMode mode);
  CalendarSystem System() const {
    return julian() ? CalendarSystem::Julian : CalendarSystem::Gregorian;
  }
  void SetSystem(CalendarSystem system) {
    SetCalendar(system == CalendarSystem::Julian ? QStringLiteral("J") : QStringLiteral("G"));
  }
  // Every correction informs; MessageKind is its number.
  MessageLevel Level() const { return MessageLevel::Information; }

  // Calendar: "G" or "J"; any other text is stored as "G". Writing shows the
  // same day (the same Julian Day number) in that calendar.
  QString Calendar() const { return julian() ? QStringLiteral("J") : QStringLiteral("G"); }
  void SetCalendar(const QString& code);  // "J": 24.12.2003 shows 11.12.2003

  // Land: the region code; a code outside the region table is stored as
  // "D-NI". Writing describes the day again for the region.
  QString Land() const { return QString::fromStdString(land_); }
  void SetLand(const QString& code);  // "XY" -> "D-NI"

  // EditHeight: the height of the fields (below 22 is compact). Writing lays
  // the fields out again and shows today.
  int EditHeight() const { return editHeight_; }
  void SetEditHeight(int height);

  // Visible: a stored flag; writing false hides the fields and the switch
  // button, writing true only stores it.
  bool Visible() const { return visibleFlag_; }
  void SetVisible(bool visible);
  // ShowBtn: a stored flag; writing shows or hides the switch button.
  bool ShowBtn() const { return showBtn_; }
  void SetShowBtn(bool show);
  // ShowHint: the day description as the hint of the date views.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  // Show12h: the 12-hour form of the time in the hints of the time fields.
  bool Show12h() const { return show12h_; }
  void SetShow12h(bool show);
  // CalEnabled: false makes the date views read-only; the list then only shows.
  bool CalEnabled() const { return calEnabled_; }
  void SetCalEnabled(bool enabled);

  // MessagesAsEvent: corrections go to OnMess instead of a message box.
  bool MessagesAsEvent() const { return messagesAsEvent_; }
  void SetMessagesAsEvent(bool asEvent) { messagesAsEvent_ = asEvent; }
  // The last message delivered, and its kind (always 0).
  QString MessageTitle() const { return messageTitle_; }
  QString MessageText() const { return messageText_; }
  int MessageKind() const { return static_cast<int>(Level()); }

  // MessageSink: shows a message box (a correction, or why the list's
  // iCalendar file could not be written); replaced by tests so that nothing
  // modal opens. An empty sink restores the message box.
  using MessageSink = TIcalSaver::MessageSink;
  void SetMessageSink(MessageSink sink);

  // SaveFileAsker: asks for the name of a file to save; an empty answer
  // cancels. Replaced by tests; an empty asker restores the file dialog.
  using SaveFileAsker = TIcalSaver::SaveFileAsker;
  void SetSaveFileAsker(SaveFileAsker asker);
  // IcalAction: "Als iCalendar speichern …" of the list's context menu; it
  // writes every holiday of the shown year in the region (legal ones so
  // categorised) into the file asked for, or tells why it could not.
  QAction* IcalAction() const { return container_ ? list_->IcalAction() : nullptr; }

  // Typing: set when a date sub-field is typed in while visible; the owner clears it.
  bool Typing() const { return typing_; }
  void SetTyping(bool typing) { typing_ = typing; }
  // GregorianDate: the Gregorian flag at the last change or double click.
  bool GregorianDate() const { return gregorianDate_; }
  // ClickJD: the Julian Day number at the last double click on a field.
  QString ClickJD() const { return clickJD_; }

  // The day information of the shown day, written from its facts when read.
  QString K_Date() const;
  QString K_Day() const;
  QString K_Week() const;
  QString K_JD() const;
  QString K_Time() const;  // "hh:mm:ss", "hh:mm" in "TM"
  int K_iLeapYear() const { return facts_.daysInYear; }
  int K_iWeekDay() const { return facts_.weekday; }
  int K_iYearOfMoonCircle() const { return facts_.goldenNumber; }
  int K_iMoonAge() const { return facts_.moonAge; }
  int K_iMoonPhase() const { return 0; }  // the day query names no phase number
  int K_iHoliday() const { return facts_.holidayFlag; }
  QString K_dtWochentag() const { return QString::fromStdString(facts_.weekdayName); }
  QString K_Holiday() const { return QString::fromStdString(facts_.holidayText); }
  QString K_HolidayInLand() const { return QString(); }  // no rule writes into it
  QString K_MoonPhase() const { return QString::fromStdString(facts_.moonPhase); }
  QString K_DateText() const;
  QStringList K_slDateText() const;
  QString K_HolidayText() const;
  QStringList K_slHolidayText() const;
  bool K_HolidayVis() const { return listUnfolded_; }

  // Chosen: the shown day as a value: day number, calendar, region and the
  // time of the time field.
  engine::ChosenDay Chosen() const;
  // Facts: the facts of the shown day, the one source of the K_ values.
  const engine::DayFacts& Facts() const { return facts_; }
  // SetChosen: shows the day in its calendar and region, with its time, as a
  // program change (no message, no dayEntered); false, and nothing changes,
  // for a day outside its calendar's range.
  bool SetChosen(const engine::ChosenDay& day);
  // SetDayNumber: shows a day number in the shown calendar, checked as the
  // Julian Day view checks it (silently); false when it had to be moved
  // into the calendar's range.
  bool SetDayNumber(int dayNumber);
  // SetTimeOfDay: the time field's time.
  void SetTimeOfDay(engine::TimeOfDay time);

  // SetDate: takes "DD.MM.YYYY" into the date view and checks it silently;
  // true when it stood as given, false when corrected (the corrected day is
  // shown) or refused (nothing changes).
  bool SetDate(const QString& text);  // "29.02.2003" -> false, 28.02.2003
  // SetJD: the same for a seven-digit Julian Day number.
  bool SetJD(const QString& text);  // "2299160" -> true, 14.10.1582
  // SetTime: "hh:mm" or "hh:mm:ss" into the time field; false when refused.
  bool SetTime(const QString& text);  // "25:10" -> true, 23:10:00

  // CheckTyped: checks typed or spun, unconfirmed text of the shown view
  // now, as leaving it would (nothing when there is none).
  void CheckTyped();

  // FocusFirstField: the focus to the first field of the shown view.
  void FocusFirstField();
  // PlaceOn: shows the fields at (left, top) of another window and shrinks
  // this control to 0 x 0; with top above 0 the list is folded first.
  void PlaceOn(QWidget* parent, int left, int top);

  // The fields, for the owner and the tests.
  TDate* DateField() const { return date_; }
  TDate* DayField() const { return day_; }
  TDate* WeekField() const { return week_; }
  TDate* JDField() const { return jd_; }
  TDate* TimeField() const { return time_; }
  TDblBtn* SwitchBtn() const { return switchBtn_; }
  QListWidget* LB_Land() const { return list_; }
  controls::RegionListState ListState() const {
    return container_ ? list_->State() : controls::RegionListState::Holidays;
  }

 signals:
  void OnChange(QObject* sender);  // after every completed update
  void OnMess(QObject* sender);    // a correction, with MessagesAsEvent
  void OnClick(QObject* sender);   // typing, a double click, a list refill

  // dayChanged: the shown day, its calendar, region or time changed, by the
  // user or the program (OnChange also follows checks that change nothing).
  void dayChanged(const engine::ChosenDay& day);
  // dayEntered: the same for the user's own changes only (a checked view, a
  // switch, a holiday or region from the list, a typed time).
  void dayEntered(const engine::ChosenDay& day);
  // regionChanged: another region is shown (after its dayChanged).
  void regionChanged(const QString& code);
  // typingStarted: a date view begins to hold typed text that is not
  // checked yet (once until the check).
  void typingStarted();
  // calendarRequested: a double click on a date view asks for the month sheet.
  void calendarRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class View { Date, Day, Week, JD, Time };

  bool julian() const { return kind_ == engine::CalendarKind::Julian; }
  bool compact() const { return editHeight_ < 22; }
  TDate* FieldOf(View view) const;
  View CurrentView() const;
  bool ViewOfEdit(QObject* edit, View& view) const;

  void LayoutFields();
  void LayoutViews();
  void ApplySize();
  void ApplyCalendarColours();
  void ApplyEnabled();

  // The checks and the update.
  controls::FieldTexts ViewTexts(View view);
  void CheckView(View view, bool keepList);
  void CheckPending(bool keepList);
  void ApplyCheck(View view, const controls::EditCheck& check, bool keepList);
  void ShowDayNumber(int dayNumber, bool keepList);
  void ApplyKind(engine::CalendarKind kind);
  void DateUpdate(int dayNumber, bool keepList);
  void ChooseLand(const std::string& code, bool keepList);
  void Deliver(int message);
  void FocusSettled(View view);

  // The switch button.
  void ViewSwitchClick();
  void CalendarSwitchClick();

  // The list.
  void Fold();
  void Unfold();
  void FillHolidayList();
  void ChooseListedRegion(const QString& code);
  void ShowListedHoliday(int dayNumber);
  void ListLeft();

  void TimeChanged();
  void Raise(void (TDateEdt::*signal)(QObject*));
  void AnnounceDay();

  // ReleaseFields: the fields go (with this control, or with the window they
  // were placed on, which deletes its children in its own order): none of
  // their last events may reach this control, which from then on has none.
  void ReleaseFields();

  QPointer<QWidget> container_;
  QMetaObject::Connection containerGone_;
  QWidget* placedOn_ = nullptr;
  TRegionList* list_ = nullptr;
  TDate* jd_ = nullptr;
  TDate* week_ = nullptr;
  TDate* day_ = nullptr;
  TDate* time_ = nullptr;
  TDate* date_ = nullptr;
  TDblBtn* switchBtn_ = nullptr;

  controls::DateMode mode_ = controls::DateMode::D;
  engine::CalendarKind kind_ = engine::CalendarKind::Gregorian;
  std::string land_ = "D-NI";
  int editHeight_ = 24;
  bool visibleFlag_ = false;
  bool showBtn_ = false;
  bool showHint_ = false;
  bool show12h_ = false;
  bool calEnabled_ = true;
  bool messagesAsEvent_ = false;
  bool typing_ = false;
  bool gregorianDate_ = true;
  QString clickJD_;
  QString messageTitle_;
  QString messageText_;
  MessageSink messageSink_;

  // Quiet holds for one programmatic set; accepted_ is its result.
  bool quiet_ = false;
  bool accepted_ = true;
  // Re-entrancy guards: a check in progress, the fields being refreshed.
  bool checking_ = false;
  bool refreshing_ = false;
  // Set while a change the user made is carried out, and when the time
  // field was typed or spun in.
  bool userChange_ = false;
  bool timeTyped_ = false;
  // The time a day set as a value brings along.
  std::optional<engine::TimeOfDay> pendingTime_;
  // The day dayChanged named last.
  std::optional<engine::ChosenDay> announced_;
  // Views typed or spun in since their last check.
  std::map<View, bool> dirty_;
  // The text a sub-field held before it normalised itself on leaving.
  std::map<QObject*, QString> rawText_;

  int todayJD_ = 0;
  engine::DayFacts facts_;
  engine::DayDescription description_;
  engine::HolidayList holidays_;
  // What holidays_ was computed for.
  int listedYear_ = 0;
  std::string listedLand_;
  engine::CalendarKind listedKind_ = engine::CalendarKind::Gregorian;

  bool listUnfolded_ = false;
};

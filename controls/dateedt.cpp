// SPDX-License-Identifier: MIT
#include "controls/dateedt.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <utility>

#include "controls/colors.h"
#include "controls/date.h"
#include "controls/dblbtn.h"
#include "controls/regionlist.h"
#include "controls/spinhalf.h"
#include "engine/daynumber.h"
#include "engine/outcome.h"
#include "engine/region.h"
#include "platform/qtext.h"

using controls::DateMode;
using controls::kFieldCount;

namespace {

using platform::Q;

QStringList ListOf(const std::vector<std::string>& lines) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) list.append(QString::fromStdString(line));
  return list;
}

// The lefts of the views beside the date field, normal and compact.
constexpr int kJDLeft[2] = {41, 32};
constexpr int kWeekLeft[2] = {32, 25};
constexpr int kDayLeft[2] = {24, 19};
constexpr int kSwitchLeft[2] = {114, 88};

// The published modes mirror the field's modes one to one.
static_assert(static_cast<int>(TDateEdt::EditMode::Date) == static_cast<int>(DateMode::D) &&
              static_cast<int>(TDateEdt::EditMode::Time) == static_cast<int>(DateMode::T) &&
              static_cast<int>(TDateEdt::EditMode::TimeWithoutSeconds) ==
                  static_cast<int>(DateMode::TM) &&
              static_cast<int>(TDateEdt::EditMode::Week) == static_cast<int>(DateMode::W) &&
              static_cast<int>(TDateEdt::EditMode::DayOfYear) == static_cast<int>(DateMode::A) &&
              static_cast<int>(TDateEdt::EditMode::JulianDay) == static_cast<int>(DateMode::J));

}  // namespace

TDateEdt::TDateEdt(QWidget* parent) : QWidget(parent) {
  container_ = new QWidget(this);
  container_->setObjectName(QStringLiteral("DateEdtFields"));
  // A widget tells of its end before it deletes its children.
  containerGone_ = connect(container_, &QObject::destroyed, this, [this] { ReleaseFields(); });
  list_ = new TRegionList(container_);
  list_->SetDialogOwner(this);
  connect(list_, &TRegionList::regionChosen, this, &TDateEdt::ChooseListedRegion);
  connect(list_, &TRegionList::holidayChosen, this, &TDateEdt::ShowListedHoliday);
  connect(list_, &TRegionList::focusLeft, this, &TDateEdt::ListLeft);

  const struct {
    TDate** field;
    const char* name;
    const char* modus;
  } kFields[] = {{&jd_, "JD", "J"},
                 {&week_, "Week", "W"},
                 {&day_, "Day", "A"},
                 {&time_, "Time", "T"},
                 {&date_, "Date", "D"}};
  for (const auto& f : kFields) {
    *f.field = new TDate(container_);
    (*f.field)->setObjectName(QString::fromLatin1(f.name));
    (*f.field)->SetModus(QString::fromLatin1(f.modus));
  }
  switchBtn_ = new TDblBtn(container_);
  switchBtn_->setObjectName(QStringLiteral("SwitchBtn"));
  connect(switchBtn_->Switch1Asc(), &TSpinHalf::Clicked, this, &TDateEdt::ViewSwitchClick);
  connect(switchBtn_->Switch1Desc(), &TSpinHalf::Clicked, this, &TDateEdt::CalendarSwitchClick);
  switchBtn_->Switch1Desc()->SetHint(Q(controls::CalendarSwitchHint(kind_)));

  for (View view : {View::Date, View::Day, View::Week, View::JD}) {
    TDate* field = FieldOf(view);
    for (int f = 0; f < kFieldCount; ++f) {
      QLineEdit* edit = field->Edt(f);
      edit->installEventFilter(this);
      connect(edit, &QLineEdit::textEdited, this, [this, view, edit] {
        // A full day of the year raises itself to its minimum on the key's
        // release; the check must still see the 000 that was typed.
        rawText_[edit] = edit->text();
        dirty_[view] = true;
        FieldOf(view)->SetFieldFontColor(controls::kGreyColor);
        for (int g = 0; g < kFieldCount; ++g) FieldOf(view)->Edt(g)->setToolTip(QString());
        if (isVisible()) {
          const bool started = !typing_;
          typing_ = true;
          if (started) emit typingStarted();
          Raise(&TDateEdt::OnClick);
        }
      });
      for (TSpinHalf* half : {field->SwitchAsc(f), field->SwitchDesc(f)}) {
        connect(half, &TSpinHalf::Pressed, this, [this, view, edit] {
          rawText_.erase(edit);
          dirty_[view] = true;
          FieldOf(view)->SetFieldFontColor(controls::kGreyColor);
        });
      }
    }
  }
  for (int f = 0; f < kFieldCount; ++f) {
    time_->Edt(f)->installEventFilter(this);
    // textEdited comes before textChanged: the change that follows is the user's.
    connect(time_->Edt(f), &QLineEdit::textEdited, this, [this] { timeTyped_ = true; });
    for (TSpinHalf* half : {time_->SwitchAsc(f), time_->SwitchDesc(f)}) {
      connect(half, &TSpinHalf::Pressed, this, [this] { timeTyped_ = true; });
    }
    connect(time_->Edt(f), &QLineEdit::textChanged, this, &TDateEdt::TimeChanged);
  }

  todayJD_ = engine::TodayJD();
  SetEditHeight(21);
  LayoutViews();
}

TDateEdt::~TDateEdt() {
  // The fields may stand on another window (PlaceOn); they go with this
  // control. Their last events (hiding, losing the focus) must not reach
  // this control while its fields are being destroyed one by one.
  QObject::disconnect(containerGone_);
  if (container_ && container_->parent() != this) {
    QWidget* const fields = container_;
    ReleaseFields();
    delete fields;
  }
}

void TDateEdt::ReleaseFields() {
  if (!container_) return;
  for (QObject* child : container_->findChildren<QObject*>()) {
    child->removeEventFilter(this);
    QObject::disconnect(child, nullptr, this, nullptr);
  }
  container_ = nullptr;
  placedOn_ = nullptr;
}

TDate* TDateEdt::FieldOf(View view) const {
  switch (view) {
    case View::Date:
      return date_;
    case View::Day:
      return day_;
    case View::Week:
      return week_;
    case View::JD:
      return jd_;
    case View::Time:
      return time_;
  }
  return date_;
}

TDateEdt::View TDateEdt::CurrentView() const {
  switch (mode_) {
    case DateMode::A:
      return View::Day;
    case DateMode::W:
      return View::Week;
    case DateMode::J:
      return View::JD;
    case DateMode::T:
    case DateMode::TM:
      return View::Time;
    case DateMode::D:
      break;
  }
  return View::Date;
}

bool TDateEdt::ViewOfEdit(QObject* edit, View& view) const {
  for (View v : {View::Date, View::Day, View::Week, View::JD, View::Time}) {
    for (int f = 0; f < kFieldCount; ++f) {
      if (FieldOf(v)->Edt(f) == edit) {
        view = v;
        return true;
      }
    }
  }
  return false;
}

// ---- Properties --------------------------------------------------------------

QString TDateEdt::Modus() const {
  return Q(controls::CodeOfMode(mode_));
}

void TDateEdt::SetModus(const QString& modus) {
  SetMode(static_cast<EditMode>(controls::ModeOfCode(modus.toStdString())));
}

void TDateEdt::SetMode(EditMode mode) {
  if (!container_) return;
  const auto dateMode = static_cast<DateMode>(mode);
  const QString code = Q(controls::CodeOfMode(dateMode));
  if ((dateMode == DateMode::T || dateMode == DateMode::TM) && time_->Modus() != code) {
    const QString shown = time_->Time();
    time_->SetModus(code);
    time_->SetTimeText(shown);
    ApplyEnabled();
  }
  time_->Edt(2)->setText(QStringLiteral("00"));
  mode_ = dateMode;
  LayoutViews();
}

void TDateEdt::SetCalendar(const QString& code) {
  if (!container_) return;
  ApplyKind(code == QLatin1String("J") ? engine::CalendarKind::Julian
                                       : engine::CalendarKind::Gregorian);
  // The unchanged day number shows the same day in the other calendar.
  ShowDayNumber(engine::Succeeded(facts_.result) ? facts_.dayNumber : todayJD_, false);
}

void TDateEdt::ApplyKind(engine::CalendarKind kind) {
  kind_ = kind;
  switchBtn_->Switch1Desc()->SetHint(Q(controls::CalendarSwitchHint(kind_)));
  todayJD_ = engine::TodayJD();
  ApplyCalendarColours();
}

void TDateEdt::SetLand(const QString& code) {
  if (!container_) return;
  ChooseLand(controls::AcceptedLand(code.toStdString()), listUnfolded_);
  if (listUnfolded_ && list_->State() == controls::RegionListState::Holidays) FillHolidayList();
}

void TDateEdt::ChooseLand(const std::string& code, bool keepList) {
  const bool changed = code != land_;
  land_ = code;
  // The list's region choices and iCalendar file follow the region at once,
  // even when no day can be shown now.
  list_->SetPlace(land_, facts_.civil.year);
  // Typed text in the date view is taken first, as leaving it would.
  if (dirty_[View::Date]) {
    CheckView(View::Date, keepList);
  } else {
    ShowDayNumber(engine::Succeeded(facts_.result) ? facts_.dayNumber : todayJD_, keepList);
  }
  if (changed) emit regionChanged(Q(land_));
}

void TDateEdt::SetEditHeight(int height) {
  if (!container_) return;
  editHeight_ = height;
  for (TDate* field : {jd_, week_, day_, time_, date_}) field->SetEditHeight(height);
  switchBtn_->SetEditHeight(height);
  LayoutFields();
  // The fields' layout makes every sub-field writable again.
  ApplyEnabled();
  ApplyKind(kind_);
  ShowDayNumber(todayJD_, false);
  LayoutViews();
}

void TDateEdt::SetVisible(bool visible) {
  visibleFlag_ = visible;
  if (visible || !container_) return;
  for (TDate* field : {jd_, week_, day_, time_, date_}) field->hide();
  switchBtn_->hide();
}

void TDateEdt::SetShowBtn(bool show) {
  showBtn_ = show;
  if (container_) switchBtn_->setVisible(show);
}

void TDateEdt::SetShowHint(bool show) {
  showHint_ = show;
  if (container_ && engine::Succeeded(facts_.result)) DateUpdate(facts_.dayNumber, true);
}

void TDateEdt::SetShow12h(bool show) {
  show12h_ = show;
  TimeChanged();
}

void TDateEdt::SetCalEnabled(bool enabled) {
  calEnabled_ = enabled;
  ApplyEnabled();
}

void TDateEdt::ApplyEnabled() {
  if (!container_) return;
  list_->SetDaysChoosable(calEnabled_);
  for (TDate* field : {date_, day_, week_, jd_}) {
    for (int f = 0; f < kFieldCount; ++f) {
      field->Edt(f)->setReadOnly(!calEnabled_);
      field->SwitchAsc(f)->setEnabled(calEnabled_);
      field->SwitchDesc(f)->setEnabled(calEnabled_);
    }
  }
}

void TDateEdt::SetMessageSink(MessageSink sink) {
  if (container_) list_->SetMessageSink(sink);
  messageSink_ = std::move(sink);
}

void TDateEdt::SetSaveFileAsker(SaveFileAsker asker) {
  if (container_) list_->SetSaveFileAsker(std::move(asker));
}

QString TDateEdt::K_Time() const {
  return container_ ? time_->Time() : QString();
}

QString TDateEdt::K_Date() const {
  return engine::Succeeded(facts_.result) ? Q(facts_.date) : QString();
}

QString TDateEdt::K_Day() const {
  if (!engine::Succeeded(facts_.result)) return {};
  return Q(controls::ZeroPadded(DateMode::A, 1, facts_.dayOfYear) + '.' +
           controls::ZeroPadded(DateMode::A, 2, facts_.civil.year));
}

QString TDateEdt::K_Week() const {
  if (!engine::Succeeded(facts_.result)) return {};
  return Q(controls::ZeroPadded(DateMode::W, 1, facts_.week) + '.' +
           controls::ZeroPadded(DateMode::W, 2, facts_.weekYear));
}

QString TDateEdt::K_JD() const {
  return engine::Succeeded(facts_.result)
             ? Q(controls::ZeroPadded(DateMode::J, 2, facts_.dayNumber))
             : QString();
}

QString TDateEdt::K_DateText() const {
  return Q(description_.text);
}

QStringList TDateEdt::K_slDateText() const {
  return ListOf(description_.lines);
}

QString TDateEdt::K_HolidayText() const {
  return Q(holidays_.text);
}

QStringList TDateEdt::K_slHolidayText() const {
  return ListOf(holidays_.lines);
}

engine::ChosenDay TDateEdt::Chosen() const {
  engine::ChosenDay day;
  day.dayNumber = engine::Succeeded(facts_.result) ? facts_.dayNumber : todayJD_;
  day.calendar = kind_;
  day.region = land_;
  if (container_) day.time = time_->TimeOfDay();
  return day;
}

bool TDateEdt::SetChosen(const engine::ChosenDay& day) {
  if (!container_ || checking_ || !engine::IsChosenDayValid(day)) return false;
  const QScopedValueRollback quiet(quiet_, true);
  pendingTime_ = day.time;
  if (day.calendar != kind_) ApplyKind(day.calendar);
  const std::string land = controls::AcceptedLand(day.region);
  const bool otherRegion = land != land_;
  land_ = land;
  list_->SetPlace(land_, facts_.civil.year);
  ShowDayNumber(day.dayNumber, listUnfolded_);
  if (otherRegion) emit regionChanged(Q(land_));
  return true;
}

bool TDateEdt::SetDayNumber(int dayNumber) {
  if (!container_ || checking_) return false;
  const QScopedValueRollback quiet(quiet_, true);
  accepted_ = true;
  ShowDayNumber(dayNumber, false);
  return accepted_;
}

void TDateEdt::SetTimeOfDay(engine::TimeOfDay time) {
  if (container_) time_->SetTimeOfDay(time);
}

// ---- Layout --------------------------------------------------------------------

void TDateEdt::LayoutFields() {
  const int c = compact() ? 1 : 0;
  jd_->move(kJDLeft[c], 0);
  week_->move(kWeekLeft[c], 0);
  day_->move(kDayLeft[c], 0);
  time_->move(0, 0);
  date_->move(0, 0);
  switchBtn_->move(kSwitchLeft[c], 0);
  ApplySize();
}

void TDateEdt::LayoutViews() {
  if (!container_) return;
  quiet_ = false;
  for (TDate* field : {jd_, week_, day_, time_, date_}) field->hide();
  const View view = CurrentView();
  if (view == View::Time) {
    switchBtn_->hide();
  } else {
    switchBtn_->show();
    switchBtn_->Switch1Asc()->SetHint(Q(controls::ViewSwitchHint(
        controls::CodeOfMode(mode_), listUnfolded_ && view == View::Date)));
  }
  FieldOf(view)->show();
  ApplySize();
}

void TDateEdt::ApplySize() {
  if (!container_) return;
  int width = compact() ? kCompactWidth : kWidth;
  if (CurrentView() == View::Time) width = time_->width();
  const int height = listUnfolded_ ? std::max(kUnfoldedHeight, editHeight_) : editHeight_;
  container_->resize(width, height);
  list_->setGeometry(0, editHeight_, width, std::max(height - editHeight_, 0));
  if (placedOn_ == nullptr) {
    resize(width, height);
  } else {
    resize(0, 0);
  }
}

void TDateEdt::ApplyCalendarColours() {
  const controls::DayBackground background =
      controls::DayBackgroundOf(facts_.dayNumber ? facts_.dayNumber : todayJD_, kind_);
  QColor colour = palette().color(QPalette::Base);
  if (background == controls::DayBackground::Julian) colour = controls::kJulianColor;
  if (background == controls::DayBackground::PreGregorian) colour = controls::kPreGregorianColor;
  for (TDate* field : {date_, day_, week_}) field->SetFieldColor(colour);
  jd_->SetFieldColor(palette().color(QPalette::Base));
  QPalette listPalette = list_->palette();
  listPalette.setColor(QPalette::Base,
                       julian() ? controls::kJulianColor : palette().color(QPalette::Base));
  listPalette.setColor(QPalette::Text,
                       julian() ? QColor(Qt::black) : palette().color(QPalette::Text));
  list_->setPalette(listPalette);
}

// ---- Checks and the update -------------------------------------------------------

controls::FieldTexts TDateEdt::ViewTexts(View view) {
  controls::FieldTexts texts;
  TDate* field = FieldOf(view);
  for (int f = 0; f < kFieldCount; ++f) {
    QLineEdit* edit = field->Edt(f);
    texts[static_cast<std::size_t>(f)] = edit->text().toStdString();
    // The day of the year raised itself to 001 when full or left; the check
    // must still see the 000 that was typed.
    const auto raw = rawText_.find(edit);
    if (view == View::Day && raw != rawText_.end()) {
      const std::string typed = raw->second.toStdString();
      if (controls::NormalisedOnLeave(DateMode::A, f, typed) ==
          texts[static_cast<std::size_t>(f)]) {
        texts[static_cast<std::size_t>(f)] = typed;
      }
    }
    rawText_.erase(edit);
  }
  return texts;
}

void TDateEdt::CheckView(View view, bool keepList) {
  if (checking_ || view == View::Time || !container_) return;
  // Leaving the week view unchanged must not move the day: the week of
  // 31.12.3000 is 01.3001, which the check would take for a year too far.
  if (view == View::Week && engine::Succeeded(facts_.result) && week_->Week() == K_Week()) {
    dirty_[view] = false;
    return;
  }
  const QScopedValueRollback guard(checking_, true);
  controls::CheckView kind = controls::CheckView::Date;
  if (view == View::Day) kind = controls::CheckView::DayOfYear;
  if (view == View::Week) kind = controls::CheckView::Week;
  if (view == View::JD) kind = controls::CheckView::JD;
  ApplyCheck(view, controls::CheckViewFields(kind, ViewTexts(view), kind_), keepList);
}

void TDateEdt::CheckPending(bool keepList) {
  const View view = CurrentView();
  if (dirty_[view]) CheckView(view, keepList);
}

void TDateEdt::ApplyCheck(View view, const controls::EditCheck& check, bool keepList) {
  TDate* field = FieldOf(view);
  for (int f = 0; f < kFieldCount; ++f) {
    const std::string& text = check.fields[static_cast<std::size_t>(f)];
    if (!text.empty() && field->Edt(f)->text() != Q(text)) field->Edt(f)->setText(Q(text));
  }
  date_->SetCivilDate(check.date);
  dirty_[view] = false;
  accepted_ = accepted_ && check.accepted;
  for (int message : check.messages) Deliver(message);
  DateUpdate(check.dayNumber, keepList);
}

void TDateEdt::ShowDayNumber(int dayNumber, bool keepList) {
  if (checking_ || !container_) return;
  const QScopedValueRollback guard(checking_, true);
  // The day replaces what the Julian Day view held, typed or not.
  rawText_.erase(jd_->Edt(2));
  ApplyCheck(View::JD, controls::CheckDayNumber(dayNumber, kind_), keepList);
}

void TDateEdt::Deliver(int number) {
  const controls::EditMessage& message = controls::MessageOf(number);
  if (number <= 8 || number == 13) {
    switchBtn_->Switch1Asc()->SetLowered(false);
    switchBtn_->Switch1Desc()->SetLowered(false);
  }
  if (quiet_) return;
  messageTitle_ = Q(message.title);
  messageText_ = Q(message.text);
  if (messagesAsEvent_) {
    Raise(&TDateEdt::OnMess);
  } else if (messageSink_) {
    messageSink_(messageTitle_, messageText_);
  } else {
    QMessageBox box(QMessageBox::Information, messageTitle_, messageText_, QMessageBox::Ok,
                    window());
    box.exec();
  }
}

void TDateEdt::DateUpdate(int dayNumber, bool keepList) {
  if (!container_) return;
  const QScopedValueRollback guard(refreshing_, true);
  const std::optional<engine::TimeOfDay> time = std::exchange(pendingTime_, std::nullopt);
  const engine::Region region = engine::RegionOfCode(land_);
  engine::DayFacts facts = engine::DayFactsOfJD(dayNumber, region, kind_);
  if (!engine::Succeeded(facts.result)) return;
  facts_ = std::move(facts);
  typing_ = false;
  // A new day starts at the time of now, unless the day came with its own.
  if (time) {
    time_->SetTimeOfDay(*time);
  } else {
    time_->SetTimeNow(region);
  }
  const int year = facts_.civil.year;
  day_->Edt(1)->setText(Q(controls::ZeroPadded(DateMode::A, 1, facts_.dayOfYear)));
  day_->Edt(2)->setText(Q(controls::ZeroPadded(DateMode::A, 2, year)));
  week_->Edt(1)->setText(Q(controls::ZeroPadded(DateMode::W, 1, facts_.week)));
  week_->Edt(2)->setText(Q(controls::ZeroPadded(DateMode::W, 2, facts_.weekYear)));
  jd_->Edt(2)->setText(Q(controls::ZeroPadded(DateMode::J, 2, facts_.dayNumber)));

  ApplyCalendarColours();
  // Window text on the fixed yellow and silver backgrounds is black, so
  // that a dark theme's light text stays readable there.
  const bool fixedBackground =
      controls::DayBackgroundOf(facts_.dayNumber, kind_) != controls::DayBackground::Window;
  const QColor windowText = fixedBackground ? QColor(Qt::black) : palette().color(QPalette::Text);
  QColor font = windowText;
  switch (controls::DayFontOf(facts_.weekday, facts_.holidayFlag == 1)) {
    case controls::DayFont::Saturday:
      font = controls::kSaturdayColor;
      break;
    case controls::DayFont::Sunday:
      font = controls::kSundayColor;
      break;
    case controls::DayFont::LegalHoliday:
      font = controls::kLegalHolidayColor;
      break;
    case controls::DayFont::WindowText:
      break;
  }
  date_->SetFieldFontColor(font);
  day_->SetFieldFontColor(font);
  jd_->SetFieldFontColor(font.rgb() == windowText.rgb() ? palette().color(QPalette::Text) : font);
  week_->SetFieldFontColor(windowText);

  description_ = engine::DescribeDay(facts_, region, kind_, engine::TodayJD());
  // The year's holidays change with the year, the region and the calendar
  // only; a day in the same year keeps them.
  bool yearChanged = holidays_.rows.empty();
  if (year != listedYear_ || land_ != listedLand_ || kind_ != listedKind_) {
    engine::HolidayList holidays = engine::HolidayListOfYear(year, region, kind_);
    yearChanged = yearChanged || holidays.rows.empty() || year != listedYear_ ||
                  holidays.rows.size() != holidays_.rows.size();
    holidays_ = std::move(holidays);
    listedYear_ = year;
    listedLand_ = land_;
    listedKind_ = kind_;
  }
  list_->SetPlace(land_, year);

  const QString hint = showHint_ || messagesAsEvent_ ? K_DateText() : QString();
  for (TDate* field : {date_, day_, week_, jd_}) {
    for (int f = 0; f < kFieldCount; ++f) field->Edt(f)->setToolTip(hint);
  }
  if (!keepList) {
    Fold();
  } else if (listUnfolded_ && list_->State() == controls::RegionListState::Holidays &&
             yearChanged) {
    FillHolidayList();
  }
  gregorianDate_ = !julian();
  Raise(&TDateEdt::OnChange);
  AnnounceDay();
}

void TDateEdt::AnnounceDay() {
  // A check that confirms the shown day again is no change.
  const engine::ChosenDay day = Chosen();
  if (announced_ == day) return;
  announced_ = day;
  emit dayChanged(day);
  if (userChange_) emit dayEntered(day);
}

void TDateEdt::FocusSettled(View view) {
  if (!container_ || checking_) return;
  const QScopedValueRollback user(userChange_, true);
  QWidget* focus = QApplication::focusWidget();
  TDate* field = FieldOf(view);
  if (focus != nullptr && field->isAncestorOf(focus)) return;  // moved within the view
  if (view == View::Time) return;
  if (focus != nullptr && focus == list_) {
    // Into the unfolded list: check what was typed, but keep the list open.
    if (dirty_[view]) CheckView(view, true);
    return;
  }
  if (view != CurrentView() && !dirty_[view]) return;
  CheckView(view, false);
}

bool TDateEdt::eventFilter(QObject* watched, QEvent* event) {
  View view;
  if (!ViewOfEdit(watched, view)) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      if (view == View::Date && listUnfolded_) Fold();
      break;
    case QEvent::FocusOut: {
      auto* edit = static_cast<QLineEdit*>(watched);
      rawText_.try_emplace(watched, edit->text());  // what was typed, if anything
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // A message box is shown once the focus has settled, and a focus that
      // only left the window comes back to the same field.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        QTimer::singleShot(0, this, [this, view] { FocusSettled(view); });
      }
      break;
    }
    case QEvent::MouseButtonDblClick: {
      const QScopedValueRollback user(userChange_, true);
      if (view == View::Time) {
        timeTyped_ = true;
        time_->SetTimeNow(engine::RegionOfCode(land_));
        return true;
      }
      if (calEnabled_) CheckView(view, false);
      clickJD_ = K_JD();
      gregorianDate_ = !julian();
      emit calendarRequested();
      Raise(&TDateEdt::OnClick);
      return true;
    }
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && view != View::Time &&
          calEnabled_) {
        const QScopedValueRollback user(userChange_, true);
        CheckView(view, false);
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Public set operations -------------------------------------------------------

bool TDateEdt::SetDate(const QString& text) {
  if (!container_ || checking_ || !date_->SetDateText(text)) return false;
  const QScopedValueRollback quiet(quiet_, true);
  accepted_ = true;
  CheckView(View::Date, false);
  return accepted_;
}

bool TDateEdt::SetJD(const QString& text) {
  if (!container_ || checking_ || !jd_->SetJDText(text)) return false;
  const QScopedValueRollback quiet(quiet_, true);
  accepted_ = true;
  CheckView(View::JD, false);
  return accepted_;
}

bool TDateEdt::SetTime(const QString& text) {
  return container_ && time_->SetTimeText(text);
}

void TDateEdt::CheckTyped() {
  const QScopedValueRollback user(userChange_, true);
  if (container_ && !checking_) CheckPending(false);
}

void TDateEdt::FocusFirstField() {
  if (!container_) return;
  QLineEdit* const candidates[] = {date_->Edt(0), day_->Edt(1), week_->Edt(1), time_->Edt(0),
                                   jd_->Edt(2)};
  for (QLineEdit* edit : candidates) {
    if (edit->isVisible() && edit->isEnabled()) {
      edit->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void TDateEdt::PlaceOn(QWidget* parent, int left, int top) {
  if (!container_) return;
  if (top > 0) Fold();
  placedOn_ = parent == this ? nullptr : parent;
  container_->setParent(parent != nullptr ? parent : this);
  container_->move(left, top);
  container_->show();
  ApplySize();
}

// ---- The switch button -------------------------------------------------------------

void TDateEdt::ViewSwitchClick() {
  const QScopedValueRollback user(userChange_, true);
  // Typed text is checked in its own view before another view shows.
  CheckPending(CurrentView() == View::Date && !listUnfolded_);
  const View view = CurrentView();
  if (view == View::Date && !listUnfolded_) {
    Unfold();
  } else if (view == View::Date) {
    Fold();
    SetModus(QStringLiteral("A"));
  } else if (view == View::Day) {
    SetModus(QStringLiteral("W"));
  } else if (view == View::Week) {
    SetModus(QStringLiteral("J"));
  } else if (view == View::JD) {
    SetModus(QStringLiteral("D"));
  }
}

void TDateEdt::CalendarSwitchClick() {
  const QScopedValueRollback user(userChange_, true);
  CheckPending(false);
  Fold();
  SetCalendar(julian() ? QStringLiteral("G") : QStringLiteral("J"));
}

// ---- The region and holiday list ---------------------------------------------

void TDateEdt::Fold() {
  if (!container_) return;
  listUnfolded_ = false;
  list_->hide();
  ApplySize();
  if (CurrentView() == View::Date) {
    switchBtn_->Switch1Asc()->SetHint(Q(controls::ViewSwitchHint("D", false)));
  }
}

void TDateEdt::Unfold() {
  listUnfolded_ = true;
  ApplySize();
  container_->raise();
  // The unfolded list reaches over what stands below the fields (in the
  // pop-up, the tools bar): it must lie on top of it, or its first lines,
  // which lead to the regions, are hidden.
  if (placedOn_ == nullptr) raise();
  list_->show();
  list_->raise();
  FillHolidayList();
  list_->setFocus(Qt::OtherFocusReason);
  switchBtn_->Switch1Asc()->SetHint(Q(controls::ViewSwitchHint("D", true)));
}

void TDateEdt::FillHolidayList() {
  if (placedOn_ == nullptr) Raise(&TDateEdt::OnClick);
  list_->ShowHolidays(holidays_);
}

void TDateEdt::ChooseListedRegion(const QString& code) {
  const QScopedValueRollback user(userChange_, true);
  ChooseLand(controls::AcceptedLand(code.toStdString()), true);
  FillHolidayList();
}

void TDateEdt::ShowListedHoliday(int dayNumber) {
  const QScopedValueRollback user(userChange_, true);
  // The day replaces whatever was typed into the date view.
  dirty_[View::Date] = false;
  ShowDayNumber(dayNumber, true);
  switchBtn_->Switch1Asc()->SetHint(Q(controls::ViewSwitchHint("D", true)));
}

void TDateEdt::ListLeft() {
  if (!container_ || !listUnfolded_) return;
  Fold();
}

// ---- Time and events -----------------------------------------------------------

void TDateEdt::TimeChanged() {
  if (!container_) return;
  if (show12h_) {
    const int hour = time_->Edt(0)->text().toInt();
    const int minute = time_->Edt(1)->text().toInt();
    const int second = time_->Edt(2)->text().toInt();
    const bool withSeconds = time_->Modus() == QLatin1String("T");
    const QString twelve = Q(controls::TwelveHourText(hour, minute, second, withSeconds));
    const QString kUnits[] = {QStringLiteral("Stunden"), QStringLiteral("Minuten"),
                              QStringLiteral("Sekunden")};
    for (int f = 0; f < kFieldCount; ++f) {
      time_->Edt(f)->setToolTip(kUnits[f] + QStringLiteral("\r\n") + twelve);
    }
  }
  if (refreshing_) return;
  Raise(&TDateEdt::OnChange);
  const QScopedValueRollback user(userChange_, userChange_ || timeTyped_);
  timeTyped_ = false;
  AnnounceDay();
}

void TDateEdt::Raise(void (TDateEdt::*signal)(QObject*)) {
  // A failing handler of the owner must not break the date edit.
  try {
    (this->*signal)(this);
  } catch (...) {
  }
}

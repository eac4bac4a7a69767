// SPDX-License-Identifier: MIT
#include "popup/kalender.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "controls/mocal.h"
#include "engine/daynumber.h"
#include "engine/deadline.h"
#include "engine/region.h"
#include "engine/version.h"
#include "platform/openurl.h"
#include "platform/qtext.h"
#include "popup/dateca.h"
#include "tools/beam.h"
#include "tools/beam_model.h"

namespace {

using platform::Q;

const QString kCopyRight = QStringLiteral("(c) Ra Zaduvovi, freie Kalendersoftware");

// A day-number text of the range, or nothing.
std::optional<int> DayNumberOfText(const QString& text) {
  bool ok = false;
  const int day = text.trimmed().toInt(&ok);
  if (!ok || !engine::IsDayNumberInRange(day)) return std::nullopt;
  return day;
}

}  // namespace

const QString TKalender::kPopupTitle = QStringLiteral("Ra Zaduvovi – Kalender");

TKalender::TKalender(QWidget* parent) : QWidget(parent) {
  setObjectName("Kalender");
  resize(123, 21);
  popup_ = new QWidget(this, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  popup_->setObjectName("CalendarPopup");
  popup_->setFixedSize(kPopupWidth, kPopupHeight);
  popup_->installEventFilter(this);
  dateCal_ = new TDateCal(popup_, true);
  dateCal_->move(5, 5);
  dateCal_->SetLand(QStringLiteral("D"));
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), popup_);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &TKalender::Close);

  connect(dateCal_, &TDateCal::OnChange, this, [this] {
    if (switchingHints_) return;
    emit OnChange(this);
  });
  connect(dateCal_, &TDateCal::dayChanged, this, [this](const engine::ChosenDay& day) {
    if (!switchingHints_) emit dayChanged(day);
  });
  connect(dateCal_, &TDateCal::dayEntered, this, &TKalender::dayEntered);
  connect(dateCal_, &TDateCal::regionChanged, this, &TKalender::regionChanged);
  connect(dateCal_, &TDateCal::OnCalRequest, this, &TKalender::Open);
  connect(dateCal_, &TDateCal::OnProgChange, this, &TKalender::UpdateTitle);
  UpdateTitle();
  dateCal_->PopUpClosed();
  PlaceInHost();
}

TKalender::~TKalender() {
  // The pop-up goes first, so that nothing it shows outlives the component.
  delete popup_.data();
}

// ---- Opening and closing -------------------------------------------------------

void TKalender::PlaceInHost() {
  QWidget* host = parentWidget();
  if (host == nullptr) return;
  dateCal_->DateEdt()->PlaceOn(host, x(), y());
  resize(0, 0);
}

void TKalender::Open() {
  if (open_ || !popup_) return;
  TDateEdt* edit = dateCal_->DateEdt();
  edit->PlaceOn(edit, 0, 0);
  dateCal_->ShowSheet();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    popup_->move(area.center() - QPoint(kPopupWidth / 2, kPopupHeight / 2));
  }
  popup_->show();
  popup_->raise();
  popup_->activateWindow();
  open_ = true;
  emit OnChangeVis(this);
  const QScopedValueRollback hints(switchingHints_, true);
  edit->SetShowHint(true);
}

void TKalender::Close() {
  if (!open_ || !popup_) return;
  // Typed text is checked before the edit leaves the pop-up.
  dateCal_->CheckTyped();
  popup_->hide();
  dateCal_->PopUpClosed();
  PlaceInHost();
  open_ = false;
  emit OnChangeVis(this);
  const QScopedValueRollback hints(switchingHints_, true);
  dateCal_->DateEdt()->SetShowHint(showHint_);
}

void TKalender::DeactivationCheck() {
  if (!open_ || !popup_) return;
  if (popup_->isActiveWindow()) return;
  // A menu or hint of the pop-up holds the activation for a moment.
  if (QWidget* shown = QApplication::activePopupWidget()) {
    if (popup_->isAncestorOf(shown) || shown->parentWidget() != nullptr) return;
  }
  // The pop-up's own windows (the print preview, a message box, a file
  // dialog) keep it open; isAncestorOf stops at their window borders, so
  // their parents are followed instead.
  for (const QWidget* owned : {QApplication::activeWindow(), QApplication::activeModalWidget()}) {
    for (const QWidget* w = owned; w != nullptr; w = w->parentWidget()) {
      if (w != owned && (w == popup_ || popup_->isAncestorOf(w))) return;
    }
  }
  Close();
}

bool TKalender::eventFilter(QObject* watched, QEvent* event) {
  if (watched == popup_) {
    switch (event->type()) {
      case QEvent::Close:
        event->ignore();
        Close();
        return true;
      case QEvent::WindowDeactivate:
        QTimer::singleShot(0, this, &TKalender::DeactivationCheck);
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool TKalender::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::ParentChange:
      // The date edit stands at the component's place in the host.
      if (!open_ && dateCal_ != nullptr) PlaceInHost();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void TKalender::mousePressEvent(QMouseEvent* /*event*/) {
  Open();
}

void TKalender::UpdateTitle() {
  if (!popup_) return;
  const QString caption = dateCal_->ProgCaption();
  popup_->setWindowTitle(caption.isEmpty() ? kPopupTitle : caption);
}

// ---- Properties ------------------------------------------------------------------

QString TKalender::About() const {
  return Version() + " " + CopyRight();
}
QString TKalender::Version() const {
  return Q(engine::kProgramVersion);
}
QString TKalender::CopyRight() const {
  return kCopyRight;
}

QString TKalender::Modus() const {
  return dateCal_->Modus();
}

void TKalender::SetModus(const QString& modus) {
  dateCal_->SetModus(modus);
  if (modus == "T" || modus == "TM") {
    showBtn_ = false;
    dateCal_->SetShowBtn(false);
  }
}

QString TKalender::Calendar() const {
  return dateCal_->Calendar();
}
void TKalender::SetCalendar(const QString& code) {
  dateCal_->SetCalendar(code);
}
QString TKalender::Land() const {
  return dateCal_->Land();
}
void TKalender::SetLand(const QString& code) {
  dateCal_->SetLand(code);
}

void TKalender::SetVisible(bool visible) {
  visible_ = visible;
  dateCal_->SetVisible(visible);
  if (visible) {
    dateCal_->SetModus(dateCal_->Modus());
    dateCal_->SetShowBtn(showBtn_);
  }
}

void TKalender::SetShowBtn(bool show) {
  showBtn_ = show;
  dateCal_->SetShowBtn(show);
}

void TKalender::SetShowCal(bool show) {
  showCal_ = show;
  dateCal_->SetShowCal(show);
}

void TKalender::SetShowHint(bool show) {
  showHint_ = show;
  dateCal_->SetShowHint(show);
}

void TKalender::SetShow12h(bool show) {
  show12h_ = show;
  dateCal_->SetShow12h(show);
}

QString TKalender::ShowTour() const {
  return dateCal_->Tour();
}

void TKalender::SetShowTour(const QString& tour) {
  showTour_ = tour;
  if (tour == "no" || tour == "grafic" || tour == "text") dateCal_->SetTour(tour);
}

QString TKalender::ShowProgr() const {
  return Q(tools::ShowProgrOfStep(dateCal_->Beam()->ProgStep()));
}

void TKalender::SetShowProgr(const QString& value) {
  showProgr_ = value;
  const std::optional<int> step = tools::ShowProgrStep(value.toStdString());
  if (!step) return;
  dateCal_->Beam()->SetProgStep(*step);
  dateCal_->Beam()->SwitchProgram();
}

QString TKalender::Date() const {
  return dateCal_->K_Date();
}
QString TKalender::Day() const {
  return dateCal_->K_Day();
}
QString TKalender::Week() const {
  return dateCal_->K_Week();
}
QString TKalender::JD() const {
  return dateCal_->K_JD();
}
QString TKalender::Time() const {
  return dateCal_->K_Time();
}

int TKalender::iJD() const {
  return dateCal_->Chosen().dayNumber;
}

engine::ChosenDay TKalender::Chosen() const {
  return dateCal_->Chosen();
}

bool TKalender::SetChosen(const engine::ChosenDay& day) {
  return dateCal_->SetChosen(day);
}

int TKalender::iLeapYear() const {
  return dateCal_->K_iLeapYear();
}
int TKalender::iWeekDay() const {
  return dateCal_->K_iWeekDay();
}
int TKalender::iYearOfMoonCircle() const {
  return dateCal_->K_iYearOfMoonCircle();
}
int TKalender::iMoonAge() const {
  return dateCal_->K_iMoonAge();
}
int TKalender::iMoonPhase() const {
  return dateCal_->K_iMoonPhase();
}
int TKalender::iHoliday() const {
  return dateCal_->K_iHoliday();
}
QString TKalender::dtWochentag() const {
  return dateCal_->K_dtWochentag();
}
QString TKalender::Holiday() const {
  return dateCal_->K_Holiday();
}
QString TKalender::HolidayInLand() const {
  return dateCal_->K_HolidayInLand();
}
QString TKalender::MoonPhase() const {
  return dateCal_->K_MoonPhase();
}
QString TKalender::DateText() const {
  return dateCal_->K_DateText();
}
QStringList TKalender::ListDateText() const {
  return dateCal_->K_slDateText();
}
QStringList TKalender::ListProgText() const {
  return dateCal_->K_slProgText();
}

// ---- Services ----------------------------------------------------------------------

bool TKalender::SetDate(const QString& text) {
  return dateCal_->SetDateText(text);
}
bool TKalender::SetDateJD(const QString& text) {
  return dateCal_->SetDateJD(text);
}
bool TKalender::SetTime(const QString& text) {
  return dateCal_->SetTimeText(text);
}

int TKalender::TodayJD() const {
  return engine::TodayJD();
}

QString TKalender::TodayText() const {
  return QString::fromStdString(engine::TodayText(engine::CalendarKind::Gregorian));
}

QString TKalender::DateToJD(const QString& date) const {
  return QString::fromStdString(
      engine::DateToJDText(date.toStdString(), engine::CalendarKind::Gregorian));
}

QString TKalender::JDToDate(const QString& jd) const {
  return QString::fromStdString(
      engine::JDToDateText(jd.toStdString(), engine::CalendarKind::Gregorian));
}

QString TKalender::RegionName(const QString& code) const {
  return QString::fromStdString(engine::RegionNameOfCode(code.toStdString()));
}

QString TKalender::PeriodText(const QString& start, const QString& end, bool startInclusive,
                              bool endInclusive) const {
  return TDateCal::PeriodText(start, end, startInclusive, endInclusive);
}

QString TKalender::NextWorkingDay(const QString& jd, const QString& region) const {
  const std::optional<int> day = DayNumberOfText(jd);
  if (!day) return {};
  return QString::fromStdString(engine::NextWorkingDay(*day, region.toStdString()));
}

QString TKalender::NextWorkingDaySat(const QString& jd, const QString& region) const {
  const std::optional<int> day = DayNumberOfText(jd);
  if (!day) return {};
  return QString::fromStdString(engine::NextWorkingDaySat(*day, region.toStdString()));
}

int TKalender::OpenUrl(const QString& address) const {
  return platform::OpenUrl(address.toStdString());
}

QString TKalender::ScreenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen != nullptr ? screen->size() : QSize();
  return QStringLiteral("%1 x %2 Pixel").arg(size.width()).arg(size.height());
}

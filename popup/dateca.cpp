// SPDX-License-Identifier: MIT
#include "popup/dateca.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <utility>

#include "controls/colors.h"
#include "controls/dateedt_model.h"
#include "controls/hints.h"
#include "controls/mocal.h"
#include "engine/civildate.h"
#include "engine/period.h"
#include "engine/region.h"
#include "engine/yearpage.h"
#include "platform/clipboard.h"
#include "platform/openurl.h"
#include "platform/qtext.h"
#include "print/yearprint.h"
#include "tools/beam_model.h"

namespace {

using platform::Q;
using platform::S;

QStringList LinesOf(const QString& text) {
  QStringList lines = text.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

constexpr int kBeamTop = 26;
constexpr int kSheetTop = 50;
// The end date stands compact right of "bis", inside the panel's width.
constexpr int kEndEditLeft = 140;
constexpr int kCompactHeight = 21;

}  // namespace

TDateCal::TDateCal(QWidget* parent, bool messagesAsEvent)
    : QWidget(parent), messagesAsEvent_(messagesAsEvent) {
  setObjectName("DateCal");
  resize(kWidth, kHeight);

  mem_ = new QPlainTextEdit(this);
  mem_->setObjectName("Mem");
  mem_->hide();

  moCal_ = new TMoCal(this);
  moCal_->setObjectName("MoCal");
  moCal_->move(0, kSheetTop);
  // Printing the year belongs with the year's other services, in the menu
  // of the sheet's year.
  moCal_->YearMenu()->addSeparator();
  printAction_ = moCal_->YearMenu()->addAction(QStringLiteral("Drucken …"));
  printAction_->setObjectName("YearMenuPrint");
  printAction_->setToolTip(QStringLiteral(
      "Jahreskalender mit den Feiertagen der Region drucken oder als PDF speichern"));
  connect(printAction_, &QAction::triggered, this, &TDateCal::PrintYear);

  beam_ = new TBeam(this);
  beam_->move(0, kBeamTop);

  mess_ = new QFrame(this);
  mess_->setObjectName("Mess");
  mess_->setGeometry(0, kBeamTop - 3, kWidth, 266);
  mess_->setAutoFillBackground(true);
  QPalette yellow = mess_->palette();
  yellow.setColor(QPalette::Window, QColor(255, 255, 0));
  mess_->setPalette(yellow);
  messBtn_ = new QPushButton(QStringLiteral("OK"), mess_);
  messBtn_->setObjectName("MessBtn");
  messBtn_->setGeometry(100, 232, 50, 21);
  messCaption_ = new QLabel(mess_);
  messCaption_->setObjectName("MessCaption");
  QFont captionFont = messCaption_->font();
  captionFont.setPointSize(10);
  messCaption_->setFont(captionFont);
  QPalette red = messCaption_->palette();
  red.setColor(QPalette::WindowText, controls::kSundayColor);
  red.setColor(QPalette::Text, controls::kSundayColor);
  red.setColor(QPalette::Base, QColor(255, 255, 0));
  messCaption_->setPalette(red);
  messCaption_->setGeometry(10, 10, kWidth - 20, 20);
  messText_ = new QPlainTextEdit(mess_);
  messText_->setObjectName("MessText");
  messText_->setReadOnly(true);
  messText_->setFrameStyle(QFrame::NoFrame);
  messText_->setPalette(red);
  messText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  messText_->setGeometry(10, 36, kWidth - 20, 190);
  mess_->hide();
  connect(messBtn_, &QPushButton::clicked, mess_, &QWidget::hide);

  dateEdt_ = new TDateEdt(this);
  dateEdt_->setObjectName("DateEdt");
  dateEdt_->SetMessagesAsEvent(messagesAsEvent_);
  dateEdt_->SetEditHeight(24);
  dateEdt_->SetCalendar(QStringLiteral("G"));
  dateEdt_->SetModus(QStringLiteral("D"));
  dateEdt_->SetShowBtn(true);
  dateEdt_->SetShowHint(true);
  dateEdt_->SetShow12h(true);
  dateEdt_->SetVisible(true);
  dateEdt_->move(0, 0);

  dateEdtE_ = new TDateEdt(this);
  dateEdtE_->setObjectName("DateEdtE");
  dateEdtE_->SetMessagesAsEvent(messagesAsEvent_);
  dateEdtE_->SetCalendar(QStringLiteral("G"));
  dateEdtE_->SetModus(QStringLiteral("D"));
  dateEdtE_->SetShowBtn(true);
  dateEdtE_->SetEditHeight(kCompactHeight);
  dateEdtE_->move(kEndEditLeft, 1);
  dateEdtE_->hide();

  lblLand_ = new QLineEdit(this);
  lblLand_->setObjectName("LblLand");
  lblLand_->setAccessibleName(QStringLiteral("Region"));
  lblLand_->setReadOnly(true);
  lblLand_->setFrame(false);
  QPalette face = lblLand_->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  lblLand_->setPalette(face);
  QFont landFont(QStringLiteral("Times New Roman"), 10);
  landFont.setBold(true);
  lblLand_->setFont(landFont);
  if (dateEdt_->EditHeight() <= 21) {
    lblLand_->setGeometry(100, 4, 150, 18);
  } else {
    lblLand_->setGeometry(130, 4, 120, 18);
  }
  lblLand_->setToolTip(QStringLiteral("linke Maustaste = Artikel\n\rrechte Maustaste = Landkarte"));
  controls::InstallHintFilter(lblLand_);
  lblLand_->setCursor(Qt::PointingHandCursor);
  lblLand_->installEventFilter(this);

  tilLbl_ = new QLabel(QStringLiteral("bis"), this);
  tilLbl_->setObjectName("TilLbl");
  QFont tilFont = tilLbl_->font();
  tilFont.setPointSize(8);
  tilLbl_->setFont(tilFont);
  tilLbl_->setGeometry(124, 5, 16, 14);
  tilLbl_->hide();

  connect(dateEdt_, &TDateEdt::dayChanged, this, [this] {
    if (!takingTime_) StartDateChanged();
  });
  connect(dateEdtE_, &TDateEdt::dayChanged, this, [this] {
    if (!takingTime_) StartDateChanged();
  });
  connect(dateEdt_, &TDateEdt::dayEntered, this, &TDateCal::dayEntered);
  connect(dateEdt_, &TDateEdt::regionChanged, this, [this](const QString& code) {
    RegionShown();
    emit regionChanged(code);
  });
  connect(dateEdt_, &TDateEdt::typingStarted, this, [this] {
    // Typed, unconfirmed text: the deadline table no longer belongs to it.
    if (showCal_) beam_->ResetDeadlineCells();
  });
  connect(dateEdt_, &TDateEdt::calendarRequested, this, &TDateCal::CalendarRequested);
  connect(dateEdt_, &TDateEdt::OnMess, this, [this] { ShowMessage(dateEdt_); });
  // The end date's corrections are shown like the start date's.
  connect(dateEdtE_, &TDateEdt::OnMess, this, [this] { ShowMessage(dateEdtE_); });
  connect(moCal_, &TMoCal::OnClick, this, &TDateCal::SheetClicked);
  connect(beam_, &TBeam::OnChange, this, &TDateCal::BeamChanged);

  beam_->raise();
  beam_->SetChosen(Chosen());
  lblLand_->setText(QString::fromStdString(engine::RegionNameOfCode(Land().toStdString())));
  moCal_->ShowMonth(StartDay(), true, Land());
}

// ---- Properties ------------------------------------------------------------------

int TDateCal::EditHeight() const {
  return dateEdt_->EditHeight();
}

void TDateCal::SetEditHeight(int height) {
  dateEdt_->SetEditHeight(height);
  moCal_->SetEditHeight(height);
}

QString TDateCal::Modus() const {
  return dateEdt_->Modus();
}
void TDateCal::SetModus(const QString& modus) {
  dateEdt_->SetModus(modus);
}

QString TDateCal::Calendar() const {
  return dateEdt_->Calendar();
}

void TDateCal::SetCalendar(const QString& code) {
  dateEdt_->SetCalendar(code);
  StartDateChanged();
}

QString TDateCal::Land() const {
  return dateEdt_->Land();
}

void TDateCal::SetLand(const QString& code) {
  dateEdt_->SetLand(code);
  RegionShown();
}

void TDateCal::RegionShown() {
  const engine::ChosenDay day = Chosen();
  lblLand_->setText(Q(engine::RegionNameOfCode(day.region)));
  beam_->SetChosen(day);
  if (moCal_->isVisible() && moCal_->View().code != day.region) {
    moCal_->ShowMonth(moCal_->SelectedDay(), day.gregorian(), Q(day.region));
  }
}

void TDateCal::SetVisible(bool visible) {
  visible_ = visible;
  dateEdt_->SetVisible(visible);
}

void TDateCal::SetShowBtn(bool show) {
  showBtn_ = show;
  dateEdt_->SetShowBtn(show);
}

void TDateCal::SetShowHint(bool show) {
  showHint_ = show;
  dateEdt_->SetShowHint(show);
}

void TDateCal::SetShow12h(bool show) {
  show12h_ = show;
  dateEdt_->SetShow12h(show);
}

void TDateCal::SetTour(const QString& tour) {
  tour_ = tour;
  moCal_->SetTour(tour);
}

QString TDateCal::DateLand() const {
  const engine::ChosenDay day = Chosen();
  return Q(engine::DateTextOf(day) + day.region);
}

int TDateCal::StartDay() const {
  return Chosen().dayNumber;
}

void TDateCal::SetMessageSink(MessageSink sink) {
  messageSink_ = sink;
  dateEdt_->SetMessageSink(sink);
  dateEdtE_->SetMessageSink(sink);
}

// ---- Services --------------------------------------------------------------------

bool TDateCal::SetDateText(const QString& text) {
  const engine::CalendarKind kind =
      Gregorian() ? engine::CalendarKind::Gregorian : engine::CalendarKind::Julian;
  const std::string date = text.toStdString();
  if (engine::CheckDate(date, kind).status != engine::DateStatus::Valid) return false;
  dateEdt_->SetDate(text);
  return true;
}

bool TDateCal::SetDateJD(const QString& text) {
  bool ok = false;
  const int day = text.trimmed().toInt(&ok);
  const int last = Gregorian() ? engine::kLastDayNumber : engine::kLastJulianDayNumber;
  if (!ok || day < engine::kFirstDayNumber || day > last) return false;
  return dateEdt_->SetDayNumber(day);
}

bool TDateCal::SetTimeText(const QString& text) {
  return dateEdt_->SetTime(text);
}

QString TDateCal::PeriodText(const QString& start, const QString& end, bool startInclusive,
                             bool endInclusive) {
  const engine::PeriodTextResult result =
      engine::PeriodText(start.toStdString(), end.toStdString(), startInclusive, endInclusive);
  return QString::fromStdString(result.text);
}

// ---- The sheet and the pop-up ------------------------------------------------------

void TDateCal::ShowSheet() {
  dateEdt_->SetShowBtn(true);
  moCal_->show();
  lblLand_->setVisible(beam_->ProgId() != tools::kDateDiffProgId);
  // Fields hidden by Visible show again in the view of the mode.
  if (!dateEdt_->Visible()) {
    dateEdt_->SetVisible(true);
    dateEdt_->SetModus(dateEdt_->Modus());
  }
  const engine::ChosenDay day = Chosen();
  moCal_->ShowMonth(day.dayNumber, day.gregorian(), Q(day.region));
  lblLand_->setText(Q(engine::RegionNameOfCode(day.region)));
  beam_->SetChosen(day);
}

void TDateCal::PopUpClosed() {
  moCal_->hide();
  dateEdt_->SetShowBtn(showBtn_);
  dateEdt_->SetVisible(visible_);
}

void TDateCal::CheckTyped() {
  dateEdt_->CheckTyped();
}

// ---- Events ----------------------------------------------------------------------

void TDateCal::StartDateChanged() {
  const engine::ChosenDay day = Chosen();
  emit OnChange(this);
  emit dayChanged(day);
  if (userMove_) emit dayEntered(day);
  beam_->SetChosen(day);
  const bool gregorian = day.gregorian();
  if (gregorian) {
    beam_->SetProgrVisible(true);
    beam_->RecomputeOpenPage();
    if (beam_->ProgId() == tools::kDateDiffProgId) ComputeDateDiff();
  } else {
    beam_->ApplyCalendarUnit();
    beam_->SetProgrVisible(false);
    // A program page computes on Gregorian dates only: leaving the
    // Gregorian calendar closes it.
    if (beam_->ProgId() > 0) {
      beam_->ShowCalendarPage();
      BeamChanged(tools::BeamSender::None);
    }
  }
  if (moCal_->isVisibleTo(this) &&
      (moCal_->SelectedDay() != day.dayNumber || moCal_->View().kind != day.calendar)) {
    moCal_->ShowMonth(day.dayNumber, gregorian, Q(day.region));
  }
}

void TDateCal::CalendarRequested() {
  if (!showCal_) return;
  ShowSheet();
  emit OnCalRequest(this);
}

void TDateCal::ShowMessage(TDateEdt* edit) {
  ShowCorrection(edit->MessageTitle(), edit->MessageText(), true);
}

void TDateCal::ShowRangeMessage(int number) {
  const controls::EditMessage& message = controls::MessageOf(number);
  ShowCorrection(Q(message.title), Q(message.text), messagesAsEvent_);
}

void TDateCal::ShowCorrection(const QString& title, const QString& text, bool onPanel) {
  // While the pop-up is closed the date edit stands in the host window and
  // the panel is out of sight: a correction there would go unseen, so it
  // becomes a message box like any other.
  if (onPanel && isVisible()) {
    messCaption_->setText(title);
    messText_->setPlainText(text);
    mess_->show();
    mess_->raise();
  } else if (messageSink_) {
    messageSink_(title, text);
  } else {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.exec();
  }
}

void TDateCal::SetYearPrinter(YearPrinter printer) {
  yearPrinter_ = std::move(printer);
}

void TDateCal::PrintYear() {
  const int day = moCal_->SelectedDay() != 0 ? moCal_->SelectedDay() : StartDay();
  const engine::CalendarKind kind =
      Gregorian() ? engine::CalendarKind::Gregorian : engine::CalendarKind::Julian;
  const int year = engine::CivilDateOf(day, kind).year;
  const QString calendar = Gregorian() ? QStringLiteral("G") : QStringLiteral("J");
  if (yearPrinter_) {
    yearPrinter_(year, Land(), calendar, window());
    return;
  }
  // The preview is a child of the pop-up, which stays open while it shows.
  print::PreviewYearPage(engine::YearPageOf(year, Land().toStdString(), kind), window());
}

void TDateCal::SheetClicked() {
  const int day = moCal_->SelectedDay();
  const QScopedValueRollback user(userMove_, true);
  if (day > 0) dateEdt_->SetDayNumber(day);
}

bool TDateCal::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblLand_ && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const std::string land = Land().toStdString();
    platform::OpenUrl(mouse->button() == Qt::LeftButton ? tools::RegionArticleLink(land)
                                                        : tools::RegionMapLink(land));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Commands of the tools panel ------------------------------------------------------

void TDateCal::UpdateCaption() {
  progCaption_ = beam_->ProgCaption();
  emit OnProgChange(this);
}

void TDateCal::ToClipboard(const QString& text) {
  // The clipboard gets the text itself: a text widget would change its breaks.
  platform::CopyText(S(text));
}

void TDateCal::TakeCopyText(bool copy) {
  const QString text = beam_->CopyText();
  mem_->setPlainText(text);
  progText_ = beam_->ResultText();
  if (copy && tools::CopyRequested()) {
    ToClipboard(text);
    tools::SetCopyRequested(false);
  }
}

void TDateCal::BeamChanged(tools::BeamSender sender) {
  const QString command = beam_->Command();
  const tools::CommandKind kind = tools::ClassifyCommand(command.toStdString());
  switch (kind) {
    case tools::CommandKind::None:
      return;
    case tools::CommandKind::ChClock: {
      const QScopedValueRollback taking(takingTime_, true);
      dateEdt_->SetTimeOfDay(beam_->ClockTime());
      return;
    }
    case tools::CommandKind::CopyDateDiff:
      TakeCopyText(true);
      return;
    default:
      break;
  }
  lblLand_->show();
  dateEdtE_->hide();
  tilLbl_->hide();
  switch (kind) {
    case tools::CommandKind::CopyProgram:
      TakeCopyText(sender == tools::BeamSender::Copy);
      break;
    case tools::CommandKind::CopyCalendar:
      CopyCalendarPage(sender);
      break;
    case tools::CommandKind::OpenDateDiff:
      UpdateCaption();
      lblLand_->hide();
      dateEdtE_->show();
      dateEdtE_->raise();
      tilLbl_->show();
      tilLbl_->raise();
      ComputeDateDiff();
      break;
    case tools::CommandKind::OpenFormat:
      UpdateCaption();
      TakeCopyText(sender == tools::BeamSender::Copy);
      break;
    case tools::CommandKind::OpenProgram:
      UpdateCaption();
      break;
    case tools::CommandKind::Change:
      StartDateChanged();
      break;
    case tools::CommandKind::Navigation:
      Navigate(command);
      break;
    default:
      break;
  }
}

void TDateCal::Navigate(const QString& command) {
  const bool programOpen = beam_->ProgId() > 0;
  const int selected = moCal_->SelectedDay();
  const int from = programOpen || selected <= 0 ? StartDay() : selected;
  const engine::CalendarKind kind =
      Gregorian() ? engine::CalendarKind::Gregorian : engine::CalendarKind::Julian;
  const tools::Move move = tools::Navigate(from, command.toStdString(), beam_->Count(), kind);
  beam_->SetCommand(QString());
  if (!move.moved) return;
  {
    const QScopedValueRollback user(userMove_, true);
    dateEdt_->SetDayNumber(move.dayNumber);
  }
  if (move.message != 0) ShowRangeMessage(move.message);
  moCal_->ShowMonth(move.dayNumber, Gregorian(), Land());
  moCal_->show();
}

void TDateCal::ComputeDateDiff() {
  if (!dateEdtE_->Chosen().gregorian()) dateEdtE_->SetCalendar(QStringLiteral("G"));
  const QString text = Q(engine::PeriodText(Chosen().dayNumber, dateEdtE_->Chosen().dayNumber,
                                            beam_->StartInclusive(), beam_->EndInclusive())
                             .text);
  beam_->SetDateDiffResult(text);
  progText_ = LinesOf(text);
}

void TDateCal::CopyCalendarPage(tools::BeamSender sender) {
  mem_->clear();
  QString text;
  if (dateEdt_->K_HolidayVis()) {
    text = dateEdt_->K_HolidayText();
  } else {
    const controls::SheetView& view = moCal_->View();
    int cell = -1;
    for (std::size_t i = 0; i < view.sheet.cells.size(); ++i) {
      if (view.selected != 0 && view.sheet.cells[i].dayNumber == view.selected) {
        cell = static_cast<int>(i);
      }
    }
    if (cell < 0) {
      // No day selected on the sheet: the start date's own description.
      text = QString::fromStdString(tools::CrLf(dateEdt_->K_DateText().toStdString()));
    } else {
      const auto at = static_cast<std::size_t>(cell);
      // The sheet's calendar, the first line of the year's hint, closes the text.
      const std::string& yearHint = view.year.hint;
      const std::string calendar = yearHint.substr(0, yearHint.find_first_of("\r\n"));
      text = QString::fromStdString(tools::CalendarCopyText(
          view.cells[at].hint, view.weeks[at / 7].hint, view.month.hint, calendar));
    }
  }
  mem_->setPlainText(text);
  progText_ = LinesOf(text);
  if (sender == tools::BeamSender::Copy && tools::CopyRequested()) {
    ToClipboard(text);
    tools::SetCopyRequested(false);
  }
}

// SPDX-License-Identifier: MIT
#include "tools/beam.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "controls/accessible.h"
#include "controls/dblbtn.h"
#include "controls/hints.h"
#include "controls/sepedt.h"
#include "controls/spinhalf.h"
#include "engine/civildate.h"
#include "platform/openurl.h"
#include "platform/qtext.h"
#include "tools/beam_model.h"
#include "tools/beampage.h"
#include "tools/datediffpage.h"
#include "tools/deadlinepage.h"

namespace tools {
namespace {

bool copyRequested = false;

using platform::Q;

constexpr int kBarTop = 3;
constexpr int kBarHeight = 18;
constexpr int kPageTop = 24;

// The page of a program whose own page is not there yet: its caption only.
class TPlaceholderPage : public TBeamPage {
 public:
  TPlaceholderPage(const QString& caption, QWidget* parent) : TBeamPage(parent) {
    auto* label = new QLabel(caption, this);
    label->setObjectName("Lbl_Caption");
    label->move(10, 6);
    label->adjustSize();
  }
  void Refresh(const engine::ChosenDay& /*day*/) override {}
  QString CopyBody() const override { return {}; }
};

}  // namespace

bool CopyRequested() {
  return copyRequested;
}
void SetCopyRequested(bool requested) {
  copyRequested = requested;
}

}  // namespace tools

// ---- TBeamButton -------------------------------------------------------------

TBeamButton::TBeamButton(const QString& name, const QString& letter, QWidget* parent)
    : QFrame(parent) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setFocusPolicy(Qt::StrongFocus);
  // The letter alone says nothing; the owner names the button by its deed.
  controls::MarkAsButton(this, [this] { emit Clicked(Qt::LeftButton); });
  setAccessibleName(letter);
  label_ = new QLabel(letter, this);
  label_->setObjectName(name + "Lbl");
  label_->setAlignment(Qt::AlignCenter);
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  SetLowered(false);
}

void TBeamButton::SetLowered(bool lowered) {
  lowered_ = lowered;
  setFrameShadow(lowered ? QFrame::Sunken : QFrame::Raised);
  const int shift = lowered ? 1 : 0;
  label_->setGeometry(shift, shift, width(), height());
}

void TBeamButton::mousePressEvent(QMouseEvent* event) {
  SetLowered(true);
  event->accept();
}

void TBeamButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasLowered = lowered_;
  SetLowered(false);
  event->accept();
  if (wasLowered && rect().contains(event->position().toPoint())) emit Clicked(event->button());
}

void TBeamButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      emit Clicked(Qt::LeftButton);
      return;
    default:
      QFrame::keyPressEvent(event);
  }
}

// ---- TBeam -------------------------------------------------------------------

TBeam::TBeam(QWidget* parent) : QWidget(parent) {
  setObjectName("Beam");
  setAutoFillBackground(true);
  CreateBar();
  CreateMenu();
  caption_ = tools::Q(tools::kCalendarCaption);
  resize(kWidth, tools::kCalendarPageHeight);
}

void TBeam::CreateBar() {
  const auto place = [](QWidget* widget, int left, int width, const char* hint) {
    widget->setGeometry(left, tools::kBarTop, width, tools::kBarHeight);
    if (hint != nullptr) {
      widget->setToolTip(QString::fromUtf8(hint));
      controls::InstallHintFilter(widget);
    }
  };
  const auto button = [this, &place](const char* name, const char* letter, int left, int width,
                                     const char* hint, const char* deed) {
    auto* made = new TBeamButton(name, letter, this);
    made->setAccessibleName(QString::fromUtf8(deed));
    place(made, left, width, hint);
    made->SetLowered(false);
    connect(made, &TBeamButton::Clicked, this,
            [this, made](Qt::MouseButton mouse) { ButtonClicked(made, mouse); });
    return made;
  };
  back_ = button("Back", "<", 3, 20, "vorher", "vorher");

  count_edit_ = new TSepEdt(this);
  count_edit_->setObjectName("SE_Count");
  count_edit_->SetIntegerOnly(true);
  count_edit_->SetFieldLength(6);
  count_edit_->SetWith1000Sep(true);
  count_edit_->SetMaxValue(999999);
  count_edit_->SetFloatValue(1);
  place(count_edit_, 27, 44, "Zeitraum");
  count_edit_->setAccessibleName(QStringLiteral("Anzahl der Zeiteinheiten"));
  emptyMenu_ = new QMenu(this);
  emptyMenu_->setObjectName("PM_Bc");
  count_edit_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(count_edit_, &QLineEdit::textChanged, this, &TBeam::CountChanged);

  period_ = new QLineEdit(QStringLiteral("Monat"), this);
  period_->setObjectName("Edt_Period");
  period_->setReadOnly(true);
  period_->setContextMenuPolicy(Qt::CustomContextMenu);
  place(period_, 72, 55, "Zeitraum");
  period_->setAccessibleName(QStringLiteral("Zeiteinheit"));

  dblBtn_ = new TDblBtn(this);
  dblBtn_->setObjectName("DblBtn");
  dblBtn_->SetEditHeight(17);
  dblBtn_->setGeometry(116, tools::kBarTop, 10, 17);
  dblBtn_->setToolTip(QStringLiteral("Zeitraum ändern"));
  for (TSpinHalf* half : {dblBtn_->Switch1Asc(), dblBtn_->Switch1Desc()}) {
    half->SetHint(QStringLiteral("Zeitraum ändern"));
    // Both halves take the next unit; a screen reader says which it is.
    half->setAccessibleName(QStringLiteral("Zeiteinheit wechseln"));
    connect(half, &TSpinHalf::Clicked, this, &TBeam::CycleUnit);
  }
  dblBtn_->raise();

  forw_ = button("Forw", ">", 131, 20, "später", "später");

  saying_ = new QFrame(this);
  saying_->setObjectName("PnlSpr");
  saying_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  saying_->setGeometry(196, 1, 10, 21);
  saying_->setToolTip(tools::Q(tools::kSayingHint));
  controls::InstallHintFilter(saying_);
  saying_->installEventFilter(this);
  saying_->setCursor(Qt::PointingHandCursor);
  controls::MarkAsButton(saying_, [] { platform::OpenUrl(tools::kSayingAuthorArticle); });
  saying_->setAccessibleName(QStringLiteral("Spruch des Tages: Albert Einstein"));

  kal_ = button("Kal", "K", 204, 14, "zum Kalender", "Zum Kalender");
  kal_->hide();
  search_ = button("Search", "S", 204, 14,
                   "suche im internet:\n\rlinke Maustaste = MetaGer UNI Hannover\n\rrechte "
                   "Maustaste = Auswahl",
                   "Suche im Internet");
  copy_ = button("Copy", "C", 218, 14, "in die Zwischenablage kopieren", "Kopieren");
  progr_ = button("Progr", "P", 232, 14,
                  "linke Maustaste = nächste Funktion\n\rrechte Maustaste = Auswahl",
                  "Nächste Funktion");

  seconds_ = new QCheckBox(QStringLiteral("Sekunden ausblenden"), this);
  seconds_->setObjectName("CBSek");
  seconds_->setGeometry(120, tools::kPageTop + 192, 126, 20);
  seconds_->hide();
  connect(seconds_, &QCheckBox::toggled, this, [this](bool hidden) {
    for (const auto& [id, page] : pages_) {
      if (page) page->SetSecondsHidden(hidden);
    }
  });
}

void TBeam::CreateMenu() {
  searchMenu_ = new QMenu(this);
  searchMenu_->setObjectName("SearchMenu");
  QMenu* more = searchMenu_->addMenu(QStringLiteral("weitere"));
  more->setObjectName("SearchMenu_weitere");
  int step = 0;
  for (std::string_view caption : tools::ProgramMenuCaptions()) {
    QAction* item = more->addAction(tools::Q(caption));
    connect(item, &QAction::triggered, this, [this, step] { MenuProgram(step); });
    if (step == 1) deadlineItem_ = item;
    ++step;
  }
  std::map<QString, QMenu*> submenus;
  QMenu* last = nullptr;
  for (const tools::WebEntry& entry : tools::WebEntries()) {
    QMenu* target = searchMenu_;
    if (!entry.submenu.empty()) {
      const QString name = tools::Q(entry.submenu);
      auto found = submenus.find(name);
      if (found == submenus.end()) {
        searchMenu_->addSeparator();
        found = submenus.emplace(name, searchMenu_->addMenu(name)).first;
      }
      target = found->second;
    } else if (entry.separatorBefore || last == nullptr) {
      searchMenu_->addSeparator();
    }
    last = target;
    QAction* item = target->addAction(tools::Q(entry.caption));
    const std::string address(entry.address);
    connect(item, &QAction::triggered, this, [address] { platform::OpenUrl(address); });
  }
  // The keyboard reaches every entry by its underlined letter.
  controls::AddMnemonics(searchMenu_);
}

void TBeam::SetChosen(const engine::ChosenDay& day) {
  const bool otherRegion = day.region != day_.region;
  day_ = day;
  if (otherRegion) SetLand(Land());
}

QString TBeam::DateLand() const {
  return tools::Q(engine::DateTextOf(day_) + day_.region);
}

void TBeam::SetDateLand(const QString& dateLand) {
  const std::string text = dateLand.toStdString();
  const std::string_view date = std::string_view(text).substr(0, 10);
  const engine::DateCheck check = engine::CheckDate(date, day_.calendar);
  if (!check.ok()) return;
  day_.dayNumber = check.dayNumber;
  SetLand(tools::Q(text.substr(date.size())));
}

QString TBeam::Land() const {
  return tools::Q(day_.region);
}

void TBeam::SetLand(const QString& land) {
  day_.region = land.toStdString();
  if (deadlineItem_ != nullptr) {
    deadlineItem_->setVisible(tools::DeadlineMenuVisible(day_.region));
  }
}

void TBeam::SetGregorianMode(bool gregorian) {
  day_.calendar = gregorian ? engine::CalendarKind::Gregorian : engine::CalendarKind::Julian;
}

QString TBeam::Period() const {
  return period_->text();
}

void TBeam::ButtonClicked(TBeamButton* button, Qt::MouseButton mouse) {
  if (button == back_ || button == forw_) {
    Move(button == forw_);
  } else if (button == copy_) {
    Copy();
  } else if (button == kal_) {
    ShowCalendarPage();
    emit OnChange(tools::BeamSender::None);
  } else if (mouse == Qt::RightButton && (button == search_ || button == progr_)) {
    searchMenu_->popup(QCursor::pos());
  } else if (button == search_) {
    QTimer::singleShot(0, this, [] { platform::OpenUrl(tools::kMetaSearchAddress); });
  } else if (button == progr_) {
    SwitchProgram();
  }
}

bool TBeam::eventFilter(QObject* watched, QEvent* event) {
  if (watched == saying_ && event->type() == QEvent::MouseButtonRelease) {
    platform::OpenUrl(tools::kSayingAuthorArticle);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TBeam::MenuProgram(int step) {
  progStep_ = step;
  SwitchProgram();
}

void TBeam::SetNavigationVisible(bool visible) {
  navigationShown_ = visible;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{back_, forw_, count_edit_, period_, dblBtn_}) {
    widget->setVisible(visible);
  }
}

void TBeam::HidePages(int leavingProgId) {
  for (const auto& [id, page] : pages_) {
    if (page) page->hide();
  }
  search_->hide();
  seconds_->setText(QStringLiteral("Sekunden ausblenden"));
  seconds_->setFixedWidth(126);
  seconds_->hide();
  if (leavingProgId > 0) SetNavigationVisible(false);
}

void TBeam::ShowCalendarPage() {
  HidePages(progId_);
  progStep_ = 0;
  progId_ = 0;
  formatPage_.clear();
  caption_ = tools::Q(tools::kCalendarCaption);
  command_ = QStringLiteral("P");
  resize(width(), tools::kCalendarPageHeight);
  kal_->hide();
  search_->show();
  search_->raise();
  SetNavigationVisible(true);
}

void TBeam::SwitchProgram() {
  formatPage_.clear();
  SetLand(Land());
  const tools::Program& program = day_.gregorian()
                                      ? tools::ProgramAfterStep(progStep_)
                                      : tools::ProgramAfterStep(tools::kCalendarProgStep);
  if (program.progId == 0) {
    ShowCalendarPage();
    emit OnChange(tools::BeamSender::Progr);
    AssembleCopyText();
    return;
  }
  const int leaving = progId_;
  const bool shownBefore = navigationShown_;
  if (program.progId == tools::kDeadlineProgId) progId_ = program.progId;
  HidePages(progId_);
  ++progStep_;
  progId_ = program.progId;
  caption_ = tools::Q(program.caption);
  command_ = tools::Q(program.command);
  if (progId_ >= 7) formatPage_ = command_;
  resize(width(), tools::kProgramPageHeight);
  kal_->setVisible(progId_ != tools::kDateDiffProgId);
  kal_->raise();
  SetNavigationVisible(tools::NavigationShown(leaving, progId_, shownBefore));
  if (progId_ == tools::kDateDiffProgId) {
    seconds_->setText(QStringLiteral("keine sek"));
    seconds_->setFixedWidth(80);
    seconds_->show();
    seconds_->raise();
  }
  TBeamPage* page = PageFor(progId_);
  page->show();
  page->raise();
  emit OnChange(tools::BeamSender::Progr);
  if (progId_ == program.progId) RefreshPage(page);
  AssembleCopyText();
}

TBeamPage* TBeam::Page(int progId) const {
  const auto found = pages_.find(progId);
  return found == pages_.end() ? nullptr : found->second.data();
}

TBeamPage* TBeam::PageFor(int progId) {
  if (TBeamPage* page = Page(progId)) return page;
  TBeamPage* page = nullptr;
  if (progId == tools::kDeadlineProgId) {
    page = new TDeadlinePage(this);
  } else if (progId == tools::kDateDiffProgId) {
    auto* diff = new TDateDiffPage(this);
    connect(diff, &TDateDiffPage::ComputeRequested, this, [this] {
      const QString saved = command_;
      command_ = QStringLiteral("PDblDateDiff");
      emit OnChange(tools::BeamSender::Page);
      command_ = saved;
      AssembleCopyText();
    });
    page = diff;
  } else {
    page = factory_ ? factory_(progId, this) : nullptr;
    if (page == nullptr) {
      page = new tools::TPlaceholderPage(tools::Q(tools::ProgramOfId(progId).caption), this);
    }
  }
  page->setParent(this);
  page->setGeometry(0, tools::kPageTop, kWidth, tools::kProgramPageHeight - tools::kPageTop);
  page->SetSecondsHidden(seconds_->isChecked());
  connect(page, &TBeamPage::TimeChosen, this, &TBeam::PageTimeChosen);
  connect(page, &TBeamPage::TextChanged, this, &TBeam::AssembleCopyText);
  pages_[progId] = page;
  return page;
}

void TBeam::RefreshPage(TBeamPage* page) {
  if (page == nullptr || refreshing_) return;
  refreshing_ = true;
  page->Refresh(day_);
  refreshing_ = false;
}

void TBeam::PageTimeChosen(engine::TimeOfDay time) {
  // A page that answers its own refresh with a time would otherwise start
  // an endless round of refreshes through the owner.
  if (refreshing_) {
    day_.time = time;
    return;
  }
  day_.time = time;
  const QString saved = command_;
  command_ = QStringLiteral("chClock");
  emit OnChange(tools::BeamSender::Page);
  command_ = QStringLiteral("Change");
  emit OnChange(tools::BeamSender::Page);
  command_ = saved;
  AssembleCopyText();
}

void TBeam::RecomputeOpenPage() {
  switch (OpenProgram()) {
    case Program::Deadlines:
    case Program::Clock:
    case Program::NumericFormats:
    case Program::WrittenFormats:
    case Program::TechnicalFormats1:
    case Program::TechnicalFormats2:
    case Program::TechnicalFormats3:
      RefreshPage(OpenPage());
      break;
    default:
      break;
  }
  AssembleCopyText();
}

void TBeam::ResetDeadlineCells() {
  if (auto* page = qobject_cast<TDeadlinePage*>(Page(tools::kDeadlineProgId))) page->ResetCells();
}

void TBeam::Move(bool forward) {
  count_ = count_edit_->IntValue();
  const QString saved = command_;
  command_ = QString::fromStdString(
      tools::NavigationCommand(forward, period_->text().toStdString(), day_.gregorian()));
  emit OnChange(forward ? tools::BeamSender::Forw : tools::BeamSender::Back);
  // The owner clears the command after a move; the open page keeps its own.
  if (progId_ > 0) command_ = saved;
  if (progId_ == tools::kClockProgId) RefreshPage(OpenPage());
}

void TBeam::CycleUnit() {
  period_->setText(QString::fromStdString(
      tools::NextUnit(period_->text().toStdString(), count_edit_->IntValue(), day_.gregorian())));
}

void TBeam::CountChanged() {
  period_->setText(QString::fromStdString(
      tools::UnitForCount(period_->text().toStdString(), count_edit_->IntValue())));
}

void TBeam::ApplyCalendarUnit() {
  period_->setText(QString::fromStdString(tools::CalendarUnit(
      period_->text().toStdString(), count_edit_->IntValue(), day_.gregorian())));
}

void TBeam::SetProgrVisible(bool visible) {
  progr_->setVisible(visible);
}

void TBeam::AssembleCopyText() {
  const TBeamPage* page = progId_ > 0 ? OpenPage() : nullptr;
  const QString body = page != nullptr ? page->CopyBody() : QString();
  copyText_ =
      QString::fromStdString(tools::CaptionedCopyText(caption_.toStdString(), body.toStdString()));
}

void TBeam::Copy() {
  tools::SetCopyRequested(true);
  AssembleCopyText();
  const QString saved = command_;
  command_ = tools::Q(tools::ProgramOfId(progId_).copyCommand);
  emit OnChange(tools::BeamSender::Copy);
  command_ = saved;
  // A flag left standing would let a later change overwrite the clipboard.
  tools::SetCopyRequested(false);
}

QStringList TBeam::ResultText() const {
  const TBeamPage* page = progId_ > 0 ? OpenPage() : nullptr;
  return page != nullptr ? page->ResultText() : QStringList();
}

bool TBeam::StartInclusive() const {
  auto* page = qobject_cast<TDateDiffPage*>(Page(tools::kDateDiffProgId));
  return page == nullptr || page->StartInclusive();
}

bool TBeam::EndInclusive() const {
  auto* page = qobject_cast<TDateDiffPage*>(Page(tools::kDateDiffProgId));
  return page != nullptr && page->EndInclusive();
}

void TBeam::SetDateDiffResult(const QString& text) {
  if (auto* page = qobject_cast<TDateDiffPage*>(Page(tools::kDateDiffProgId))) {
    page->SetResult(text);
  }
  AssembleCopyText();
}

static_assert(static_cast<int>(TBeam::Program::Deadlines) == tools::kDeadlineProgId &&
              static_cast<int>(TBeam::Program::Clock) == tools::kClockProgId &&
              static_cast<int>(TBeam::Program::DateDifference) == tools::kDateDiffProgId);

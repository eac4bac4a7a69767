// SPDX-License-Identifier: MIT
#include "app/calvrn.h"

#include "app/tray.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "controls/accessible.h"
#include "controls/hints.h"
#include "controls/mocal.h"
#include "engine/daynumber.h"
#include "engine/environment.h"
#include "engine/timetext.h"
#include "engine/version.h"
#include "platform/keyvalue_store.h"
#include "platform/openurl.h"
#include "platform/systray.h"
#include "popup/dateca.h"
#include "popup/kalender.h"

namespace {

constexpr int kHourMs = 3600000;
constexpr char kMakerNotice[] =
    "Ra Zaduvovi\n"
    "Kalender 0001 bis 3000\n"
    "Feiertage, Mond, Sonne,\n"
    "Fristen und Zinsen";
// The check boxes are wider than their classic 144 pixels, so that their
// texts fit in the fonts of today's desktops.
constexpr int kCheckBoxWidth = 172;
// The region the component starts with, and the tray's without a stored one.
constexpr char kStartLand[] = "D-NI";
constexpr char kTrayHint[] = "Kalenderwoche als Symbol im Infobereich der Taskleiste anzeigen";
constexpr char kNoTrayHint[] =
    "Diese Arbeitsoberfläche hat keinen Infobereich (System-Tray) für Symbole.";
// The window's title; the calendar pop-up is "Kalender", and a screen
// reader's list of windows must tell the two apart.
constexpr char kWindowTitle[] = "Ra Zaduvovi – Datum";
constexpr char kPnlBigHint[] = "in Normalgröße anzeigen,\r\nauch dort Kalender schließen";

const QColor kRed(255, 0, 0);
const QColor kTeal(0, 128, 128);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetInk(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

void SetBold(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
}

// A tiny panel loses its colour, caption and hint in the normal window.
void SetTinyPanel(QLabel* panel, const QColor* colour, const QString& caption,
                  const QString& hint) {
  if (colour != nullptr) {
    SetBackground(panel, *colour);
    // Black on blue cannot be read; the green one keeps black.
    SetInk(panel, colour->blue() == 255 && colour->green() == 0 ? Qt::white : Qt::black);
  } else {
    panel->setAutoFillBackground(false);
    panel->setPalette(QPalette());
  }
  panel->setText(caption);
  panel->setToolTip(hint);
}

}  // namespace

TCalVrn::TCalVrn(platform::KeyValueStore& store, QWidget* parent) : QWidget(parent), store_(store) {
  controls::InstallAccessibility();
  setObjectName(QStringLiteral("CalVrn"));
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  // The window's pixel sizes were made for a small font.
  QFont small = font();
  small.setPointSizeF(8);
  setFont(small);
  CreateControls();
  CreateSettingsPanel();
  CreateTimers();
  KalenderCreate();
  // Hints with "\r\n" show as lines; the date field, a grandchild in
  // Pnl_Kal, brings its own filters.
  for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    controls::InstallHintFilter(widget);
  }
  for (QWidget* panel : {static_cast<QWidget*>(Pnl_Big), static_cast<QWidget*>(Pnl_Hide),
                         static_cast<QWidget*>(Pnl_Big1), static_cast<QWidget*>(Pnl_Hide1)}) {
    controls::InstallHintFilter(panel);
  }
  // The window opens in its normal size; the stored mode follows when it is
  // first shown.
  LayoutBig();
  CB_smallClick();
}

TCalVrn::~TCalVrn() {
  // A window that goes without being closed (the session ends) still keeps its place.
  if (!firstShow_ && !closed_) {
    // Closed from here on, so that the save puts no symbol into the tray.
    closed_ = true;
    SaveSettings(app::SaveKind::Automatic);
  }
}

QLabel* TCalVrn::MakePanel(QWidget* parent, const char* name, const QRect& bounds) {
  auto* panel = new QLabel(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setAlignment(Qt::AlignCenter);
  panel->setGeometry(bounds);
  panel->installEventFilter(this);
  return panel;
}

void TCalVrn::CreateControls() {
  Pnl_Kal = MakePanel(this, "Pnl_Kal", QRect(40, 3, 193, 26));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setAccessibleName(QStringLiteral("Über Ra Zaduvovi"));
  Memo1->setGeometry(4, 32, 184, 100);
  Memo1->setReadOnly(true);
  // The memo never keeps the focus: it is read, not typed in.
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setPlainText(QString::fromUtf8(kMakerNotice));
  SetInk(Memo1, kRed);
  SetBold(Memo1);
  Memo1->viewport()->installEventFilter(this);

  const auto button = [this](const char* name, const char* caption, const char* hint, int top) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(hint));
    b->setGeometry(4, top, 184, 26);
    return b;
  };
  Btn_OpenCal = button("Btn_OpenCal", "Kalenderblatt", "Kalenderblatt öffnen", 136);
  Btn_Zins = button("Btn_Zins", "Zinsen", "Zinsen", 164);
  Btn_Set = button("Btn_Set", "Einstellungen",
                   "Einstellung und Speicherung bzw. Löschung des Anzeigeverhaltens", 192);
  SetInk(Btn_Set, kRed);
  Btn_Web = button("Btn_Web", "www.razaduvovi.de", kWebSite, 220);
  connect(Btn_OpenCal, &QPushButton::clicked, this, &TCalVrn::Btn_OpenCalClick);
  connect(Btn_Zins, &QPushButton::clicked, this, &TCalVrn::Btn_ZinsClick);
  connect(Btn_Set, &QPushButton::clicked, this, &TCalVrn::Btn_SetClick);
  connect(Btn_Web, &QPushButton::clicked, this, &TCalVrn::Btn_WebClick);

  // The strip's buttons: "D" and "G" right of the date field, reachable in
  // move mode, and "G" and "V" over the date field while the pop-up is open.
  Pnl_Btn = MakePanel(this, "Pnl_Btn", QRect(90, 0, 32, 20));
  // The tiny panels are buttons to a screen reader, named by their hints;
  // marked before their first text, which a screen reader would already read.
  Pnl_Hide = MakePanel(Pnl_Btn, "Pnl_Hide", QRect(0, 0, 16, 20));
  controls::MarkAsButton(Pnl_Hide, [this] { Pnl_HideClick(); });
  Pnl_Hide->setText(QStringLiteral("D"));
  Pnl_Hide->setToolTip(QStringLiteral("nur Datumsfeld anzeigen"));
  Pnl_Big = MakePanel(Pnl_Btn, "Pnl_Big", QRect(16, 0, 16, 20));
  controls::MarkAsButton(Pnl_Big, [this] { Pnl_BigClick(); });
  Pnl_Big->setText(QStringLiteral("G"));
  Pnl_Big->setToolTip(QString::fromUtf8(kPnlBigHint));
  Pnl_Contr = MakePanel(this, "Pnl_Contr", Pnl_Kal->geometry());
  Pnl_Big1 = MakePanel(Pnl_Contr, "Pnl_Big1", QRect(0, 0, 16, 20));
  controls::MarkAsButton(Pnl_Big1, [this] { Pnl_Big1Click(); });
  Pnl_Hide1 = MakePanel(Pnl_Contr, "Pnl_Hide1", QRect(16, 0, 16, 20));
  controls::MarkAsButton(Pnl_Hide1, [this] { Pnl_Hide1Click(); });
  Pnl_Hide1->setText(QStringLiteral("V"));
  Pnl_Hide1->setToolTip(QStringLiteral("Datumsfeld verschieben"));
  Pnl_Contr->hide();
}

QCheckBox* TCalVrn::MakeCheckBox(const char* name, const char* text, const char* hint, int top) {
  auto* box = new QCheckBox(QString::fromUtf8(text), Pnl_Set);
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(QString::fromUtf8(hint));
  box->setGeometry(16, top, kCheckBoxWidth, 20);
  return box;
}

void TCalVrn::CreateSettingsPanel() {
  Pnl_Set = new QWidget(this);
  Pnl_Set->setObjectName(QStringLiteral("Pnl_Set"));
  Pnl_Set->setGeometry(0, 28, kBigWidth, kBigHeight - 28);
  SetBackground(Pnl_Set, Qt::white);
  Lbl_Set = new QLabel(QStringLiteral("Einstellungen:"), Pnl_Set);
  Lbl_Set->setObjectName(QStringLiteral("Lbl_Set"));
  Lbl_Set->setGeometry(16, 4, 160, 18);
  SetInk(Lbl_Set, kRed);
  SetBold(Lbl_Set);

  // Seven ticks share the panel with the clock lines and the buttons: 18
  // pixels apart.
  constexpr int kTickTop = 26;
  constexpr int kTickStep = 18;
  const auto tickTop = [](int row) { return kTickTop + row * kTickStep; };
  CB_small =
      MakeCheckBox("CB_small", "nur Datumsfeld anzeigen",
                   "Es wird nur das Datumsfeld angezeigt, DblClick in das Datumsfeld", tickTop(0));
  CB_Front = MakeCheckBox("CB_Front", "     immer im Vordergrund",
                          "Datumsfeld immer im Vordergrund", tickTop(1));
  CB_Date1h = MakeCheckBox("CB_Date1h", "nach 1 h aktuallisieren",
                           "1 h nach Datumsänderung automatisch aktualisieren", tickTop(2));
  CB_Clock00 = MakeCheckBox("CB_Clock00", "um 00:00 Uhr aktualisieren",
                            "Datum und Uhrzeit jeweils um 00:00 Uhr aktualisieren", tickTop(3));
  CB_Land =
      MakeCheckBox("CB_Land", "Land speichern", "Einstellung des Landes speichern ", tickTop(4));
  CB_Auto = MakeCheckBox("CB_Auto", "Autostart", "", tickTop(5));
  CB_Icon = MakeCheckBox("CB_Icon", "Icon auf Desktop", "", tickTop(5));
  CB_Auto->hide();
  CB_Icon->hide();
  // It takes the place of the two that are never shown.
  CB_Tray = MakeCheckBox("CB_Tray", "Symbol im Infobereich", kTrayHint, tickTop(5));
  CB_Ferien = MakeCheckBox("CB_Ferien", "Schulferien anzeigen",
                           "Schulferien des Landes im Monatsblatt unterstreichen", tickTop(6));
  CB_Ferien->setChecked(true);
  connect(CB_small, &QCheckBox::clicked, this, &TCalVrn::CB_smallClick);
  connect(CB_Clock00, &QCheckBox::clicked, this, &TCalVrn::CB_Clock00Click);
  connect(CB_Tray, &QCheckBox::clicked, this, &TCalVrn::CB_TrayClick);
  connect(CB_Ferien, &QCheckBox::toggled, this, &TCalVrn::CB_FerienToggled);

  const int clockTop = tickTop(7) + 3;
  Lbl_Now = new QLabel(Pnl_Set);
  Lbl_Now->setObjectName(QStringLiteral("Lbl_Now"));
  Lbl_Now->setToolTip(QStringLiteral("aktuelles Datum und Uhrzeit"));
  Lbl_Now->setGeometry(16, clockTop, 160, 18);
  SetInk(Lbl_Now, kTeal);
  Lbl_Sec = new QLabel(Pnl_Set);
  Lbl_Sec->setObjectName(QStringLiteral("Lbl_Sec"));
  Lbl_Sec->setToolTip(QStringLiteral("Sekunden seit 00:00:00 Uhr"));
  Lbl_Sec->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Lbl_Sec->setGeometry(16, clockTop + 16, 160, 18);

  Btn_Back = new QPushButton(QStringLiteral("zurück"), Pnl_Set);
  Btn_Back->setObjectName(QStringLiteral("Btn_Back"));
  Btn_Back->setToolTip(QStringLiteral("zurück, keine Änderung"));
  Btn_Back->setGeometry(16, clockTop + 37, 76, 26);
  Btn_Save = new QPushButton(QStringLiteral("Speichern"), Pnl_Set);
  Btn_Save->setObjectName(QStringLiteral("Btn_Save"));
  Btn_Save->setToolTip(
      QStringLiteral("Diese Einstellungen speichern bzw. löschen (keine Haken) und ausführen"));
  Btn_Save->setGeometry(100, clockTop + 37, 76, 26);
  connect(Btn_Back, &QPushButton::clicked, this, &TCalVrn::Btn_BackClick);
  connect(Btn_Save, &QPushButton::clicked, this, &TCalVrn::Btn_SaveClick);
  Pnl_Set->hide();
  Lbl_Now->hide();
  Lbl_Sec->hide();
}

void TCalVrn::CreateTimers() {
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(2000);
  Timer1->setSingleShot(true);
  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(kHourMs);
  Timer3 = new QTimer(this);
  Timer3->setObjectName(QStringLiteral("Timer3"));
  Timer3->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TCalVrn::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TCalVrn::Timer2Timer);
  connect(Timer3, &QTimer::timeout, this, &TCalVrn::Timer3Timer);
  Timer1->start();
}

// ---- Kalender1 ---------------------------------------------------------------------

void TCalVrn::KalenderCreate() {
  // The component stands at the top left of Pnl_Kal, which then holds its
  // date edit; it takes no space itself while the pop-up is closed.
  Kalender1 = new TKalender(Pnl_Kal);
  Kalender1->setObjectName(QStringLiteral("Kalender1"));
  Kalender1->setGeometry(0, 0, 97, 21);
  // The window's height of 21 pixels asks for the compact date edit, so that
  // the date fits the 88 pixels of the strip.
  Kalender1->DateCal()->SetEditHeight(21);
  Kalender1->SetModus(QStringLiteral("D"));
  Kalender1->SetCalendar(QStringLiteral("G"));
  KalenderSetLand(QString::fromLatin1(kStartLand));
  // "Now" and "today" are the legal time of the calendar's region, whatever
  // zone the machine is set to.
  connect(Kalender1, &TKalender::regionChanged, this,
          [](const QString& code) { engine::SetHomeRegion(code.toStdString()); });
  Kalender1->SetVisible(true);
  Kalender1->SetShowBtn(true);
  Kalender1->SetShowCal(true);
  Kalender1->SetShowHint(true);
  Kalender1->SetShow12h(true);
  Kalender1->SetShowTour(QStringLiteral("no"));
  Kalender1->SetShowProgr(QStringLiteral("Calendar"));
  connect(Kalender1, &TKalender::OnChange, this, &TCalVrn::Kalender1Change);
  connect(Kalender1, &TKalender::OnChangeVis, this,
          [this] { Kalender1ChangeVis(Kalender1->CalOpen()); });
  KalenderToday();
}

QString TCalVrn::KalenderLand() const {
  return Kalender1->Land();
}

void TCalVrn::KalenderSetLand(const QString& code) {
  Kalender1->SetLand(code);
  engine::SetHomeRegion(Kalender1->Land().toStdString());
}

void TCalVrn::KalenderToday() {
  const engine::LocalDateTime now = engine::Now();
  refreshedDay_ = engine::TodayJD();
  engine::ChosenDay today = Kalender1->Chosen();
  today.dayNumber = refreshedDay_;
  today.calendar = engine::CalendarKind::Gregorian;
  today.time = {now.hour, now.minute, now.second};
  Kalender1->SetChosen(today);
}

void TCalVrn::KalenderOpen() {
  Kalender1->Open();
}

void TCalVrn::KalenderHide() {
  Kalender1->Close();
}

void TCalVrn::KalenderClosed() {
  Kalender1->SetModus(QStringLiteral("D"));
  Kalender1->SetShowBtn(false);
}

QString TCalVrn::ShownDate() const {
  return Kalender1->Date();
}

// ---- Showing and closing -------------------------------------------------------------

void TCalVrn::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!firstShow_) return;
  firstShow_ = false;
  Memo1->setToolTip(QStringLiteral("version: ") + QString::fromUtf8(engine::kProgramVersion) +
                    QStringLiteral("\r\nDoppelclick auf das Datum,\r\nKalenderblatt öffnet "
                                   "sich,\r\nUnd vieles anderes mehr, clicken Sie ..."));
  Btn_Zins->setToolTip(QStringLiteral("Zinsen öffnen, \r\nmehrere Instanzen möglich!"));
  ReadSettings(true);
}

void TCalVrn::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    SaveSettings(app::SaveKind::Automatic);
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    if (tray_ != nullptr) tray_->SetVisible(false);
  }
  event->accept();
  emit Closed();
}

void TCalVrn::ShowFromOutside() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

bool TCalVrn::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && watched == Memo1->viewport()) {
    Btn_WebClick();
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == Pnl_Big) {
      Pnl_BigClick();
      return true;
    }
    if (watched == Pnl_Big1) {
      Pnl_Big1Click();
      return true;
    }
    if (watched == Pnl_Hide1) {
      Pnl_Hide1Click();
      return true;
    }
    if (watched == Pnl_Hide) {
      Pnl_HideClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Settings --------------------------------------------------------------------------

QSize TCalVrn::Screen() const {
  if (screenSize_.isValid()) return screenSize_;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->size() : QSize(1024, 768);
}

app::SettingFlags TCalVrn::Flags() const {
  return {CB_small->isChecked(),   CB_Front->isChecked(), CB_Date1h->isChecked(),
          CB_Clock00->isChecked(), CB_Land->isChecked(),  CB_Auto->isChecked(),
          CB_Icon->isChecked(),    CB_Tray->isChecked(),  CB_Ferien->isChecked()};
}

void TCalVrn::ShowFlags(const app::SettingFlags& flags) {
  CB_small->setChecked(flags.small);
  CB_Front->setChecked(flags.front);
  CB_Date1h->setChecked(flags.date1h);
  CB_Clock00->setChecked(flags.clock00);
  CB_Land->setChecked(flags.landSave);
  CB_Auto->setChecked(flags.autostart);
  CB_Icon->setChecked(flags.icon);
  CB_Tray->setChecked(flags.tray);
  CB_Ferien->setChecked(flags.schoolHolidays);
  CB_smallClick();
}

void TCalVrn::ReadSettings(bool firstShow) {
  const QSize screen = Screen();
  app::Settings current;
  current.flags = Flags();
  current.positions = positions_;
  const app::ReadResult read = app::ReadSettings(store_, current, {screen.width(), screen.height()},
                                                 {kBigWidth, kBigHeight});
  ShowFlags(read.settings.flags);
  positions_ = read.settings.positions;
  storeDamaged_ = read.damaged;
  if (read.firstStart) {
    bigMode_ = true;
    move(positions_.xB, positions_.yB);
    // Only the very first start writes the key unasked; reading back after
    // "Speichern" deleted it must not bring it back.
    if (firstShow) SaveSettings(app::SaveKind::FirstStart);
  }
  if (!read.settings.land.empty()) KalenderSetLand(QString::fromStdString(read.settings.land));
  trayLand_ = read.settings.land.empty() ? QString::fromLatin1(kStartLand)
                                         : QString::fromStdString(read.settings.land);
  bigMode_ = !CB_small->isChecked();
  if (bigMode_) {
    move(positions_.xB, positions_.yB);
  } else {
    move(positions_.xS, positions_.yS);
  }
  LayoutWindow();
  Kalender1Change();
  ApplyClockRule();
}

bool TCalVrn::SaveSettings(app::SaveKind kind) {
  app::SaveInput input;
  input.flags = Flags();
  input.positions = positions_;
  input.bigMode = bigMode_;
  input.left = pos().x();
  input.top = pos().y();
  input.land = KalenderLand().toStdString();
  input.programPath =
      (programPath_.isEmpty() ? QCoreApplication::applicationFilePath() : programPath_)
          .toStdString();
  input.kind = kind;
  input.storeDamaged = storeDamaged_;
  const app::SaveResult result = app::SaveSettings(store_, input);
  positions_ = result.positions;
  if (result.written) bigMode_ = !CB_small->isChecked();
  if (result.written && input.flags.landSave) trayLand_ = KalenderLand();
  Kalender1Change();
  ApplyClockRule();
  return !result.failed;
}

void TCalVrn::ApplyClockRule() {
  const bool on = CB_Clock00->isChecked();
  // The tray's week needs Timer3's check of the day as well, but not the
  // clock's labels nor its refresh of the date field.
  const bool tray = ApplyTrayRule();
  if ((on || tray) && !Timer3->isActive()) Timer3->start();
  if (!on && !tray) Timer3->stop();
  Lbl_Now->setVisible(on);
  Lbl_Sec->setVisible(on);
}

bool TCalVrn::ApplyTrayRule() {
  const bool available = platform::SystemTrayAvailable();
  CB_Tray->setEnabled(available);
  // The tick itself stays as stored, for a later session on a desktop with a tray.
  CB_Tray->setToolTip(QString::fromUtf8(available ? kTrayHint : kNoTrayHint));
  const bool show = available && CB_Tray->isChecked() && !closed_;
  if (show && tray_ == nullptr) {
    tray_ = new TTray(this);
    connect(tray_, &TTray::ToggleRequested, this, &TCalVrn::TrayClick);
    connect(tray_, &TTray::OpenCalendarRequested, this, &TCalVrn::Btn_OpenCalClick);
    connect(tray_, &TTray::InterestRequested, this, &TCalVrn::Btn_ZinsClick);
    connect(tray_, &TTray::QuitRequested, this, &TCalVrn::close);
  }
  if (tray_ == nullptr) return false;
  if (show) {
    if (trayLand_.isEmpty()) trayLand_ = QString::fromLatin1(kStartLand);
    tray_->ShowDay(engine::TodayJD(), trayLand_);
  }
  tray_->SetVisible(show);
  return show;
}

// ---- Layouts ---------------------------------------------------------------------------

void TCalVrn::SetFrame(Qt::WindowFlags flags, const QString& caption, int width, int height) {
  const bool shown = isVisible();
  const QPoint place = pos();
  if (windowFlags() != (flags | Qt::Window)) {
    setWindowFlags(flags | Qt::Window);
    move(place);
  }
  setWindowTitle(caption);
  setFixedSize(width, height);
  // Changing the frame hides a window; it comes back where it was.
  if (shown && !isVisible()) show();
}

void TCalVrn::SetBigControlsVisible(bool visible) {
  // Only the normal window shows them; the strip in move mode would show
  // their upper edges.
  for (QWidget* widget : {static_cast<QWidget*>(Memo1), static_cast<QWidget*>(Btn_OpenCal),
                          static_cast<QWidget*>(Btn_Zins), static_cast<QWidget*>(Btn_Set),
                          static_cast<QWidget*>(Btn_Web)}) {
    widget->setVisible(visible);
  }
}

void TCalVrn::LayoutWindow() {
  if (bigMode_) {
    LayoutBig();
  } else {
    LayoutSmall();
  }
}

void TCalVrn::LayoutBig() {
  // Never on top in its normal size, whatever "immer im Vordergrund" says.
  SetFrame(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowCloseButtonHint,
           QString::fromUtf8(kWindowTitle), kBigWidth, kBigHeight);
  Pnl_Btn->hide();
  SetTinyPanel(Pnl_Big1, nullptr, QString(), QString());
  SetTinyPanel(Pnl_Hide1, nullptr, QString(), QString());
  laidOutSmall_ = false;
  Pnl_Kal->setGeometry(40, 3, 193, 26);
  Pnl_Kal->setText(QString());
  Pnl_Kal->setToolTip(QString());
  Pnl_Contr->setGeometry(Pnl_Kal->x(), Pnl_Kal->y(), 0, Pnl_Kal->height());
  SetBigControlsVisible(true);
  Btn_Set->setVisible(!Pnl_Set->isVisible());
  toggleFlag_ = false;
}

void TCalVrn::LayoutSmall() {
  suppress_ = false;
  toggleFlag_ = true;
  Qt::WindowFlags flags = Qt::FramelessWindowHint;
  if (CB_Front->isChecked()) flags |= Qt::WindowStaysOnTopHint;
  SetFrame(flags, QString::fromUtf8(kWindowTitle), kSmallWidth, kSmallHeight);
  Pnl_Set->hide();
  SetBigControlsVisible(false);
  Pnl_Btn->show();
  const QColor blue = kBlue;
  const QColor green = kGreen;
  SetTinyPanel(Pnl_Hide1, &blue, QStringLiteral("V"), QStringLiteral("Datumsfeld verschieben"));
  SetTinyPanel(Pnl_Big1, &green, Pnl_Big->text(), Pnl_Big->toolTip());
  laidOutSmall_ = true;
  Pnl_Kal->setGeometry(0, 0, kSmallWidth, kSmallHeight);
  Pnl_Kal->setText(QStringLiteral("D"));
  Pnl_Kal->setToolTip(QStringLiteral("Kalenderblatt schließen"));
  Pnl_Contr->setGeometry(Pnl_Kal->geometry());
}

void TCalVrn::ToggleSmall() {
  if (toggleFlag_) {
    SetFrame(Qt::CustomizeWindowHint | Qt::WindowTitleHint, QStringLiteral("verschieben"),
             kMoveWidth, kMoveHeight);
    toggleFlag_ = false;
  } else {
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    if (CB_Front->isChecked()) flags |= Qt::WindowStaysOnTopHint;
    SetFrame(flags, QString::fromUtf8(kWindowTitle), kSmallWidth, kSmallHeight);
    toggleFlag_ = true;
  }
  suppress_ = false;
}

// ---- Buttons and panels ----------------------------------------------------------------

void TCalVrn::Btn_OpenCalClick() {
  KalenderHide();
  Pnl_Contr->hide();
  Pnl_Contr->resize(0, Pnl_Contr->height());
  suppress_ = true;
  Memo1->moveCursor(QTextCursor::Start);
  KalenderOpen();
}

void TCalVrn::Btn_ZinsClick() {
  suppress_ = true;
  if (interestOpener_) interestOpener_();
}

void TCalVrn::Btn_WebClick() {
  platform::OpenUrl(kWebSite);
}

void TCalVrn::Btn_SetClick() {
  // A tray that came or went since the start shows in the tray's tick.
  ApplyClockRule();
  Pnl_Set->setToolTip(Memo1->toolTip());
  Pnl_Set->show();
  Pnl_Set->raise();
  Btn_Set->hide();
}

void TCalVrn::Btn_BackClick() {
  // "zurück" changes nothing: the ticks return to what the store holds.
  ShowFlags(app::RestoreFlags(store_, Flags()));
  ApplyClockRule();
  Pnl_Set->hide();
  Btn_Set->show();
}

void TCalVrn::Btn_SaveClick() {
  if (!SaveSettings(app::SaveKind::Explicit)) {
    // A save that did not happen must not look as if it had.
    const QString title = QStringLiteral("Einstellungen");
    const QString text = QStringLiteral(
        "Die Einstellungen konnten nicht gespeichert werden.\nSie gelten bis zum Ende des "
        "Programms.");
    if (messageSink_) {
      messageSink_(title, text);
    } else {
      QMessageBox::warning(this, title, text);
    }
  }
  Pnl_Set->hide();
  Btn_Set->show();
  ReadSettings(false);
}

void TCalVrn::CB_smallClick() {
  CB_Front->setEnabled(CB_small->isChecked());
}

void TCalVrn::CB_Clock00Click() {
  ApplyClockRule();
}

void TCalVrn::CB_FerienToggled(bool show) {
  if (Kalender1 != nullptr) Kalender1->DateCal()->MoCal()->SetShowSchoolHolidays(show);
}

void TCalVrn::CB_TrayClick() {
  ApplyClockRule();
}

void TCalVrn::Pnl_BigClick() {
  SaveSettings(app::SaveKind::Automatic);
  bigMode_ = true;
  suppress_ = true;
  move(positions_.xB, positions_.yB);
  LayoutBig();
}

void TCalVrn::Pnl_Big1Click() {
  if (laidOutSmall_) {
    Pnl_BigClick();
  } else if (!bigMode_) {
    Pnl_Hide1Click();
  }
}

void TCalVrn::Pnl_Hide1Click() {
  if (bigMode_) return;
  ToggleSmall();
  toggleFlag_ = true;
}

void TCalVrn::Pnl_HideClick() {
  if (suppress_) return;
  SaveSettings(app::SaveKind::Automatic);
  // After "V" the flag is set again, so the first toggle stays in move mode
  // and the second leaves it for the strip.
  ToggleSmall();
  ToggleSmall();
}

// ---- Calendar events and timers --------------------------------------------------------

void TCalVrn::Kalender1Change() {
  if (CB_Date1h->isChecked()) {
    // A running timer keeps its deadline: the refresh comes an hour after
    // the first change, not after the last.
    Timer2->setInterval(kHourMs);
    if (!Timer2->isActive()) Timer2->start();
  } else {
    Timer2->stop();
  }
}

void TCalVrn::Kalender1ChangeVis(bool open) {
  if (open) {
    Btn_OpenCal->hide();
    Pnl_Kal->resize(0, Pnl_Kal->height());
    Pnl_Contr->show();
    Pnl_Contr->raise();
    return;
  }
  if (CB_Front->isChecked() && !bigMode_) {
    SetFrame(windowFlags() | Qt::WindowStaysOnTopHint, windowTitle(), width(), height());
  }
  raise();
  activateWindow();
  KalenderClosed();
  if (CB_Front->isChecked()) Kalender1->raise();
  Btn_OpenCal->setVisible(bigMode_);
  Pnl_Kal->resize(kSmallWidth, Pnl_Kal->height());
  Pnl_Contr->hide();
}

void TCalVrn::Refresh() {
  KalenderToday();
  Kalender1Change();
}

void TCalVrn::TrayClick() {
  if (Kalender1->CalOpen()) {
    KalenderHide();
  } else {
    Btn_OpenCalClick();
  }
}

void TCalVrn::Timer1Timer() {
  Timer1->stop();
  // This save is the program's, not the user's: a damaged key stays as it is.
  if (!bigMode_ && !storeDamaged_) Btn_SaveClick();
}

void TCalVrn::Timer2Timer() {
  Refresh();
}

void TCalVrn::Timer3Timer() {
  const engine::LocalDateTime now = engine::Now();
  const int seconds = now.hour * 3600 + now.minute * 60 + now.second;
  const int today = engine::TodayJD();
  // A machine that slept through midnight wakes on a later day: the day
  // itself, not only the first seconds after midnight, says to refresh.
  if (CB_Clock00->isChecked() && (seconds < 10 || today != refreshedDay_)) Refresh();
  // The tray follows the day whatever the date field shows.
  if (tray_ != nullptr && tray_->IsVisible()) tray_->ShowDay(today, trayLand_);
  Lbl_Sec->setText(QString::number(seconds) + QStringLiteral(" sek"));
  Lbl_Now->setText(QString::fromStdString(engine::TodayText(engine::CalendarKind::Gregorian)) +
                   QStringLiteral(", ") + QString::fromStdString(engine::CurrentTimeText()));
}

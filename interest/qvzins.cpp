// SPDX-License-Identifier: MIT
#include "interest/qvzins.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>

#include "controls/date.h"
#include "controls/dateedt.h"
#include "controls/fonts.h"
#include "controls/hints.h"
#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/numbertext.h"
#include "engine/region.h"
#include "interest/qvversion.h"
#include "platform/clipboard.h"
#include "platform/openurl.h"
#include "platform/qtext.h"
#include "popup/dateca.h"
#include "popup/kalender.h"

namespace {

constexpr int kRowHeight = 21;
constexpr int kButtonHeight = 25;
constexpr int kAmountWidth = 135;
constexpr int kDateWidth = TDateEdt::kCompactWidth;

constexpr char kInterestCaption[] = "Zinsen berechnen (Wertpapiere)";
constexpr char kPercentCaption[] = "Prozentrechnung";
constexpr char kDescriptionPage[] = "https://www.razaduvovi.de/zinsrechner.html";

using platform::Q;
using platform::S;

QString Joined(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << Q(line);
  return list.join(QLatin1Char('\n'));
}

QString Trimmed(const std::string& text) {
  return Q(text).trimmed();
}

// The fields of the interest face that show results.
constexpr const char* kResultFields[] = {
    "Edt_YearT",    "Edt_NormalYearT", "Edt_LeapYearT",     "Edt_Year",        "Edt_NormalYear",
    "Edt_LeapYear", "Edt_YearSum",     "Edt_NormalYearSum", "Edt_LeapYearSum", "Edt_RentSum",
    "Edt_Sum",      "Edt_Valuta",      "Edt_Capital_EUR",   "Edt_RentSum_EUR", "Edt_Sum_EUR"};

}  // namespace

TQvZins::TQvZins(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kInterestCaption));
  BuildInterestFace();
  BuildPercentFace();
  BuildTextPanel();
  SetDefaults();
  ConnectInputs();
  ShowInterestFace();
}

// ---- Building ----------------------------------------------------------------------

QLineEdit* TQvZins::MakeEdit(QWidget* parent, const char* name, int x, int y, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, width, kRowHeight);
  edit->setFont(controls::FixedFieldFont(9, false));
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setTextMargins(0, 0, 0, 0);
  controls::InstallHintFilter(edit);
  return edit;
}

QComboBox* TQvZins::MakeList(QWidget* parent, const char* name, int x, int y, int width) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setGeometry(x, y, width, kRowHeight);
  controls::InstallHintFilter(list);
  return list;
}

QLabel* TQvZins::MakeLabel(QWidget* parent, const char* name, int x, int y, int width) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(x, y, width, kRowHeight);
  controls::InstallHintFilter(label);
  return label;
}

QPushButton* TQvZins::MakeButton(QWidget* parent, const char* name, int x, int y, int width) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, width, kButtonHeight);
  controls::InstallHintFilter(button);
  return button;
}

void TQvZins::BuildInterestFace() {
  QWidget* p = interestPanel_ = new QWidget(this);
  p->setObjectName(QStringLiteral("Pnl_Zins"));
  p->setGeometry(0, 0, kInterestWidth, kInterestHeight);

  // Capital, currency and rate; the capital in euros at the right.
  MakeLabel(p, "Label1", 10, 10, 60);
  MakeEdit(p, "Edt_Capital", 75, 10, kAmountWidth);
  MakeList(p, "CB_Value", 220, 10, 65);
  MakeEdit(p, "Edt_rent", 300, 10, 70);
  MakeLabel(p, "Label2", 375, 10, 60);
  MakeEdit(p, "Edt_Capital_EUR", 615, 10, kAmountWidth);
  MakeLabel(p, "Label22", 754, 10, 32);

  // The period and the day-count method.
  MakeLabel(p, "Label3", 10, 38, 60);
  MakeEdit(p, "Edt_Beginn", 75, 38, kDateWidth);
  MakeLabel(p, "Label25", 175, 38, 35);
  MakeList(p, "CB_Begin", 212, 38, 65);
  MakeLabel(p, "Label4", 300, 38, 25);
  MakeEdit(p, "Edt_Ende", 330, 38, kDateWidth);
  MakeLabel(p, "Label26", 430, 38, 35);
  MakeList(p, "CB_End", 467, 38, 65);
  MakeList(p, "CB_Rent", 545, 38, 240);

  // The pay date, its region and the value day.
  MakeLabel(p, "Label6", 10, 66, 62);
  MakeEdit(p, "Edt_PayDate", 75, 66, kDateWidth);
  MakeLabel(p, "Label7", 180, 66, 18);
  MakeList(p, "CB_PayLand", 200, 66, 145);
  MakeLabel(p, "Label11", 350, 66, 32);
  MakeList(p, "CB_ValutaModus", 384, 66, 176);
  MakeLabel(p, "Label12", 565, 66, 76);
  MakeLabel(p, "Label8", 642, 66, 44);
  MakeEdit(p, "Edt_Valuta", 688, 66, kDateWidth);

  // Rounding and its decimals.
  MakeLabel(p, "Label9", 10, 94, 165);
  MakeList(p, "CB_Round", 178, 94, 70);
  MakeList(p, "CB_RoundDeciInt", 252, 94, 45);
  MakeList(p, "CB_RoundDeciExt", 301, 94, 45);
  MakeButton(p, "Button1", 630, 92, 150);

  // The interest rows: count, label, per unit, product, currency.
  const struct {
    const char* count;
    const char* label;
    const char* perUnit;
    const char* product;
    const char* currency;
  } kRows[] = {
      {"Edt_YearT", "Label13", "Edt_Year", "Edt_YearSum", "Label17"},
      {"Edt_NormalYearT", "Label14", "Edt_NormalYear", "Edt_NormalYearSum", "Label18"},
      {"Edt_LeapYearT", "Label15", "Edt_LeapYear", "Edt_LeapYearSum", "Label19"},
  };
  int y = 140;
  for (const auto& row : kRows) {
    MakeEdit(p, row.count, 10, y, 50)->setAlignment(Qt::AlignRight);
    MakeLabel(p, row.label, 65, y, 235);
    MakeEdit(p, row.perUnit, 302, y, kAmountWidth);
    MakeEdit(p, row.product, 442, y, kAmountWidth);
    MakeLabel(p, row.currency, 581, y, 32);
    y += 28;
  }
  QLabel* interest = MakeLabel(p, "Label10", 350, 232, 85);
  interest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  MakeEdit(p, "Edt_RentSum", 442, 232, kAmountWidth);
  MakeLabel(p, "Label20", 581, 232, 32);
  MakeEdit(p, "Edt_RentSum_EUR", 615, 232, kAmountWidth);
  MakeLabel(p, "Label23", 754, 232, 32);
  QLabel* sum = MakeLabel(p, "Label5", 350, 260, 85);
  sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  MakeEdit(p, "Edt_Sum", 442, 260, kAmountWidth);
  MakeLabel(p, "Label21", 581, 260, 32);
  MakeEdit(p, "Edt_Sum_EUR", 615, 260, kAmountWidth);
  MakeLabel(p, "Label24", 754, 260, 32);

  MakeEdit(p, "Edt_CalDiffText", 10, 430, 770)->setCursor(Qt::PointingHandCursor);
  btnText_ = MakeButton(p, "Btn_Text", 10, 462, 120);
  btnPercent_ = MakeButton(p, "Btn_Percent", 395, 462, 100);
  MakeButton(p, "Btn_info", 500, 462, 70);
  version_ = new TQvVersion(p);
  version_->setObjectName(QStringLiteral("QvVersion1"));
  version_->move(kInterestWidth - version_->width() - 10, 468);

  // The calendar component's date edit stays hidden in the panel until a
  // date field is clicked; its button switches the views and a double click
  // on the date opens the pop-up with the month sheet.
  kalender1_ = new TKalender(p);
  kalender1_->setObjectName(QStringLiteral("Kalender1"));
  kalender1_->SetModus(QStringLiteral("D"));
  kalender1_->SetCalendar(QStringLiteral("G"));
  kalender1_->SetShowBtn(true);
  kalender1_->SetShowCal(true);
  kalender1_->DateCal()->SetEditHeight(kRowHeight);
  kalender1_->SetVisible(false);
  // Its emptied place lies under the start date, which stays clickable.
  QLineEdit* start = Edit("Edt_Beginn");
  kalender1_->move(start->pos());
  start->raise();
}

void TQvZins::BuildPercentFace() {
  QWidget* p = percentPanel_ = new QWidget(this);
  p->setObjectName(QStringLiteral("Pnl_Percent"));
  p->setGeometry(0, 0, kPercentWidth, kPercentHeight);
  MakeLabel(p, "Label30", 10, 10, 165);
  MakeList(p, "CB_RoundP", 178, 10, 70);
  MakeList(p, "CB_RoundDeciPerP", 252, 10, 45);
  MakeList(p, "CB_RoundDeciIntP", 301, 10, 45);
  MakeList(p, "CB_RoundDeciExtP", 350, 10, 45);
  const struct {
    const char* percent;
    const char* label;
    const char* amount;
  } kRows[] = {{"Edt_Perc1", "Label27", "Edt_Cap1"},
               {"Edt_Perc2", "Label28", "Edt_Cap2"},
               {"Edt_Perc3", "Label29", "Edt_Cap3"}};
  int y = 45;
  for (const auto& row : kRows) {
    MakeEdit(p, row.percent, 10, y, kAmountWidth);
    MakeLabel(p, row.label, 155, y, 30)->setAlignment(Qt::AlignCenter);
    MakeEdit(p, row.amount, 190, y, kAmountWidth);
    y += 30;
  }
  MakeButton(p, "BitBtn2", 10, 160, 125);
  MakeButton(p, "BitBtn3", 140, 160, 110);
  MakeButton(p, "BitBtn4", 255, 160, 80);
  MakeButton(p, "BitBtn1", 340, 160, 80);
}

void TQvZins::BuildTextPanel() {
  textPanel_ = new QWidget(this);
  textPanel_->setObjectName(QStringLiteral("Pnl_Text"));
  textPanel_->setAutoFillBackground(true);
  for (auto [memo, name] : {std::pair{&memo1_, "Memo1"}, std::pair{&memo2_, "Memo2"}}) {
    *memo = new QPlainTextEdit(textPanel_);
    (*memo)->setObjectName(QString::fromLatin1(name));
    (*memo)->setReadOnly(true);
    (*memo)->setFont(controls::FixedFieldFont(9, false));
    (*memo)->setLineWrapMode(QPlainTextEdit::NoWrap);
  }
  textPanel_->hide();
  btnClip_ = MakeButton(this, "Btn_Clip", 135, 462, 250);
  btnClip_->hide();
}

void TQvZins::FillList(QComboBox* list, const std::vector<std::string>& items, int selected) {
  const QSignalBlocker blocker(list);
  list->clear();
  for (const std::string& item : items) list->addItem(Q(item));
  list->setCurrentIndex(selected);
}

void TQvZins::SetDefaults() {
  QScopedValueRollback<bool> guard(refilling_, true);
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    if (InDateEditor(edit)) continue;
    edit->clear();
  }
  for (const interest::NamedText& caption : interest::Captions()) {
    if (auto* label = findChild<QLabel*>(Q(caption.name))) label->setText(Q(caption.text));
    if (auto* button = findChild<QPushButton*>(Q(caption.name))) {
      button->setText(Q(caption.text));
    }
  }
  for (const interest::NamedText& hint : interest::FirstHints()) {
    if (auto* widget = findChild<QWidget*>(Q(hint.name))) widget->setToolTip(Q(hint.text));
  }
  const std::vector<std::string> rounds(interest::kRoundItems.begin(), interest::kRoundItems.end());
  FillList(List("CB_Value"), interest::CurrencyItems(), 8);
  FillList(List("CB_Rent"), interest::MethodItems(), 0);
  FillList(List("CB_Begin"), interest::FlagItems(), 1);
  FillList(List("CB_End"), interest::FlagItems(), 0);
  FillList(List("CB_Round"), rounds, 0);
  FillList(List("CB_RoundDeciInt"), interest::DecimalItems(interest::kMaxIntermediate),
           interest::kDefaultIntermediate);
  FillList(List("CB_RoundDeciExt"), interest::DecimalItems(interest::kMaxFinal),
           interest::kDefaultFinal);
  const std::vector<std::string> lands = interest::PayLandItems();
  const auto land = std::find(lands.begin(), lands.end(), interest::kDefaultPayLand);
  FillList(List("CB_PayLand"), lands, static_cast<int>(land - lands.begin()));
  FillList(List("CB_ValutaModus"), interest::ValutaItems(), 0);
  FillList(List("CB_RoundP"), rounds, 0);
  FillList(List("CB_RoundDeciPerP"), interest::DecimalItems(interest::kMaxIntermediate),
           interest::kDefaultPercentDecimals);
  FillList(List("CB_RoundDeciIntP"), interest::DecimalItems(interest::kMaxIntermediate),
           interest::kDefaultIntermediate);
  FillList(List("CB_RoundDeciExtP"), interest::DecimalItems(interest::kMaxFinal),
           interest::kDefaultFinal);
  List("CB_Begin")->setToolTip(Q(interest::FlagHint(true, false)));
  List("CB_End")->setToolTip(Q(interest::FlagHint(false, true)));

  const QString today = Q(engine::TodayText(engine::CalendarKind::Gregorian));
  for (const char* name : {"Edt_Beginn", "Edt_Ende", "Edt_PayDate"}) {
    QLineEdit* field = Edit(name);
    field->setText(today);
    field->setCursor(Qt::PointingHandCursor);
  }
  RenewDateHints();

  // The four amount inputs are the only fields typed in.
  Edit("Edt_Capital")->setText(Q(interest::kDefaultCapital));
  Edit("Edt_rent")->setText(Q(interest::kDefaultRate));
  for (const char* name : {"Edt_Capital", "Edt_rent", "Edt_Cap1", "Edt_Perc2"}) {
    QLineEdit* field = Edit(name);
    field->setReadOnly(false);
    field->setFocusPolicy(Qt::StrongFocus);
    field->setAlignment(Qt::AlignRight);
  }
  for (const char* name : {"Label17", "Label18", "Label19", "Label20", "Label21"}) {
    findChild<QLabel*>(QString::fromLatin1(name))->setText(List("CB_Value")->currentText());
  }
  for (const char* name : {"Label22", "Label23", "Label24"}) {
    findChild<QLabel*>(QString::fromLatin1(name))->setText(QStringLiteral("EUR"));
  }
  // The euro fields show only with a currency that has a fixed rate.
  const bool euro = engine::EuroRateOf(S(List("CB_Value")->currentText())).has_value();
  for (const char* name :
       {"Edt_Capital_EUR", "Edt_RentSum_EUR", "Edt_Sum_EUR", "Label22", "Label23", "Label24"}) {
    findChild<QWidget*>(QString::fromLatin1(name))->setVisible(euro);
  }
  SumBlanc();
}

void TQvZins::ConnectInputs() {
  for (const char* name : {"CB_Value", "CB_Rent", "CB_Begin", "CB_End", "CB_Round",
                           "CB_RoundDeciInt", "CB_RoundDeciExt", "CB_PayLand", "CB_ValutaModus"}) {
    connect(List(name), &QComboBox::currentIndexChanged, this, [this] {
      if (!refilling_) RentClick();
    });
  }
  for (const char* name :
       {"CB_RoundP", "CB_RoundDeciPerP", "CB_RoundDeciIntP", "CB_RoundDeciExtP"}) {
    connect(List(name), &QComboBox::currentIndexChanged, this, [this] {
      if (!refilling_) PercentClick(lastTrigger_);
    });
  }
  for (const char* name : {"Edt_Capital", "Edt_rent"}) {
    QLineEdit* field = Edit(name);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, field] {
      FilterAmount(field);
      // Results of the old amount must not stand beside the new one.
      SumBlanc();
    });
  }
  for (const char* name : {"Edt_Cap1", "Edt_Perc2"}) {
    QLineEdit* field = Edit(name);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, field] {
      FilterAmount(field);
      ClearPercentResults();
    });
  }
  for (const char* name : {"Edt_Beginn", "Edt_Ende", "Edt_PayDate", "Edt_CalDiffText", "Edt_Perc1",
                           "Edt_Perc3", "Edt_Cap2", "Edt_Cap3"}) {
    Edit(name)->installEventFilter(this);
  }
  const auto button = [this](const char* name) {
    return findChild<QPushButton*>(QString::fromLatin1(name));
  };
  connect(button("Button1"), &QPushButton::clicked, this, [this] {
    // "berechnen" ends the editing of a date.
    HideDateEditor();
    RentClick();
  });
  connect(btnText_, &QPushButton::clicked, this, &TQvZins::Btn_TextClick);
  connect(btnClip_, &QPushButton::clicked, this, &TQvZins::Btn_ClipClick);
  connect(btnPercent_, &QPushButton::clicked, this, &TQvZins::Btn_PercentClick);
  connect(button("Btn_info"), &QPushButton::clicked, this,
          [] { platform::OpenUrl(kDescriptionPage); });
  connect(button("BitBtn1"), &QPushButton::clicked, this, &TQvZins::BitBtn1Click);
  connect(button("BitBtn2"), &QPushButton::clicked, this, [this] {
    lastTrigger_ = engine::PercentTrigger::Intermediate;
    PercentClick(lastTrigger_);
  });
  connect(button("BitBtn3"), &QPushButton::clicked, this, [this] {
    lastTrigger_ = engine::PercentTrigger::Final;
    PercentClick(lastTrigger_);
  });
  connect(button("BitBtn4"), &QPushButton::clicked, this, &TQvZins::BitBtn4Click);

  connect(kalender1_, &TKalender::OnChange, this, &TQvZins::Kalender1Change);
  connect(kalender1_, &TKalender::OnChangeVis, this, &TQvZins::Kalender1ChangeVis);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    // The editor goes once the focus has settled somewhere else; the pop-up
    // and the returning date edit pass the focus around on their way.
    if (editedField_.isNull() || now == nullptr || InDateEditor(now)) return;
    QTimer::singleShot(0, this, [this] {
      if (!InDateEditor(QApplication::focusWidget())) HideDateEditor();
    });
  });
}

QLineEdit* TQvZins::Edit(const char* name) const {
  return findChild<QLineEdit*>(QString::fromLatin1(name));
}

QComboBox* TQvZins::List(const char* name) const {
  return findChild<QComboBox*>(QString::fromLatin1(name));
}

// ---- The interest face -------------------------------------------------------------

interest::InterestFields TQvZins::ReadFields() const {
  interest::InterestFields f;
  f.capital = S(Edit("Edt_Capital")->text());
  // The statement names the rate as typed, not as the window rounded it.
  const QString rate = Edit("Edt_rent")->text();
  f.rate = S(!rateShown_.isEmpty() && rate == rateShown_ ? rateEntered_ : rate);
  f.currency = S(List("CB_Value")->currentText());
  f.start = S(Edit("Edt_Beginn")->text());
  f.end = S(Edit("Edt_Ende")->text());
  f.startFlag = S(List("CB_Begin")->currentText());
  f.endFlag = S(List("CB_End")->currentText());
  f.method = S(List("CB_Rent")->currentText());
  f.round = S(List("CB_Round")->currentText());
  f.intermediate = List("CB_RoundDeciInt")->currentIndex();
  f.finalDecimals = List("CB_RoundDeciExt")->currentIndex();
  f.payDate = S(Edit("Edt_PayDate")->text());
  f.payLand = S(List("CB_PayLand")->currentText());
  f.valuta = S(List("CB_ValutaModus")->currentText());
  return f;
}

void TQvZins::SumBlanc() {
  for (const char* name : kResultFields) Edit(name)->clear();
  memo1_->clear();
  memo2_->clear();
}

void TQvZins::RebuildFinalDecimals(QComboBox* intermediate, QComboBox* final) {
  const interest::FinalChoice choice =
      interest::FinalDecimalsChoice(intermediate->currentIndex(), final->currentIndex());
  if (final->count() == choice.last + 1 && final->currentIndex() == choice.selected) return;
  QScopedValueRollback<bool> guard(refilling_, true);
  FillList(final, interest::DecimalItems(choice.last), choice.selected);
}

void TQvZins::RentClick() {
  if (mode_ == QLatin1String("%T")) {
    // The percentage text goes; the percentage face stays.
    mode_ = QStringLiteral("%");
    HideText();
    setFixedSize(kPercentWidth, kPercentHeight);
    return;
  }
  if (computing_ || closing_) return;
  QScopedValueRollback<bool> guard(computing_, true);
  for (const char* name : {"Edt_Capital", "Edt_rent"}) {
    if (Edit(name)->text().trimmed().isEmpty()) Edit(name)->setText(QStringLiteral("0"));
  }
  RebuildFinalDecimals(List("CB_RoundDeciInt"), List("CB_RoundDeciExt"));
  const interest::InterestFields f = ReadFields();
  if (earlyPay_.Due(f.start, f.end, f.payDate)) {
    bool yes = false;
    if (question_) {
      yes = question_(Q(interest::kQuestionTitle), Q(interest::kQuestionText));
    } else {
      QMessageBox box(QMessageBox::Question, Q(interest::kQuestionTitle),
                      Q(interest::kQuestionText), QMessageBox::Yes | QMessageBox::No, this);
      box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
      box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
      box.setDefaultButton(QMessageBox::No);
      yes = box.exec() == QMessageBox::Yes;
    }
    if (yes) earlyPay_.Confirm(f.start, f.end, f.payDate);
  }
  const bool confirmed = earlyPay_.Confirmed(f.start, f.end, f.payDate);
  const engine::InterestStatement s = engine::ComputeInterest(interest::RequestOf(f, confirmed));
  SumBlanc();
  if (s.code != 1) {
    memo1_->setPlainText(Q(s.error));
    return;
  }
  ShowStatement(s);
  rateEntered_ = Q(f.rate);
  rateShown_ = Q(s.rate);
}

void TQvZins::ShowStatement(const engine::InterestStatement& s) {
  const auto set = [this](const char* name, const std::string& text) {
    Edit(name)->setText(Q(text));
  };
  set("Edt_Beginn", s.start);
  set("Edt_Ende", s.end);
  set("Edt_PayDate", s.payDate);
  set("Edt_Valuta", s.valuta);
  Edit("Edt_Capital")->setText(Trimmed(s.capital));
  set("Edt_rent", s.rate);
  set("Edt_YearT", std::to_string(s.years));
  set("Edt_NormalYearT", std::to_string(s.days));
  set("Edt_LeapYearT", std::to_string(s.leapDays));
  set("Edt_Year", s.perYear);
  set("Edt_NormalYear", s.perDay);
  set("Edt_LeapYear", s.perLeapDay);
  set("Edt_YearSum", s.forYears);
  set("Edt_NormalYearSum", s.forDays);
  set("Edt_LeapYearSum", s.forLeapDays);
  set("Edt_RentSum", s.total);
  set("Edt_Sum", s.sum);
  set("Edt_CalDiffText", s.periodText);
  findChild<QLabel*>(QStringLiteral("Label14"))->setText(Q(s.dayLabel));
  findChild<QLabel*>(QStringLiteral("Label15"))->setText(Q(s.leapLabel));
  for (const char* name :
       {"Edt_LeapYearT", "Label15", "Edt_LeapYear", "Edt_LeapYearSum", "Label19"}) {
    findChild<QWidget*>(QString::fromLatin1(name))->setVisible(s.leapRow);
  }
  const QString currency = List("CB_Value")->currentText();
  for (const char* name : {"Label17", "Label18", "Label19", "Label20", "Label21"}) {
    findChild<QLabel*>(QString::fromLatin1(name))->setText(currency);
  }
  const bool euro = s.euro.has_value();
  if (euro) {
    set("Edt_Capital_EUR", s.euro->capital);
    set("Edt_RentSum_EUR", s.euro->total);
    set("Edt_Sum_EUR", s.euro->sum);
  }
  for (const char* name :
       {"Edt_Capital_EUR", "Edt_RentSum_EUR", "Edt_Sum_EUR", "Label22", "Label23", "Label24"}) {
    findChild<QWidget*>(QString::fromLatin1(name))->setVisible(euro);
  }
  auto* startMarker = findChild<QLabel*>(QStringLiteral("Label25"));
  startMarker->setText(Q(s.startMarker));
  startMarker->setToolTip(Q(s.hints.startMarker));
  auto* endMarker = findChild<QLabel*>(QStringLiteral("Label26"));
  endMarker->setText(Q(s.endMarker));
  endMarker->setToolTip(Q(s.hints.endMarker));

  const engine::InterestHints& h = s.hints;
  const struct {
    const char* name;
    const std::string& hint;
  } kHints[] = {{"Edt_rent", h.rate},
                {"Edt_Capital", h.capital},
                {"Edt_YearT", h.years},
                {"Edt_NormalYearT", h.normalDays},
                {"Edt_LeapYearT", h.leapDays},
                {"Edt_Year", h.perYear},
                {"Edt_NormalYear", h.perDay},
                {"Edt_LeapYear", h.perLeapDay},
                {"Edt_YearSum", h.forYears},
                {"Edt_NormalYearSum", h.forDays},
                {"Edt_LeapYearSum", h.forLeapDays},
                {"Edt_RentSum", h.total},
                {"Edt_Sum", h.sum},
                {"Edt_Capital_EUR", h.capitalEuro},
                {"Edt_RentSum_EUR", h.totalEuro},
                {"Edt_Sum_EUR", h.sumEuro},
                {"CB_Begin", h.startCounted},
                {"CB_End", h.endCounted}};
  for (const auto& hint : kHints) {
    findChild<QWidget*>(QString::fromLatin1(hint.name))->setToolTip(Q(hint.hint));
  }
  RenewDateHints();
  memo1_->setPlainText(Joined(s.lines));
  memo2_->setPlainText(Joined(s.periodLines));
}

void TQvZins::RenewDateHints() {
  const std::string code = engine::RegionCodeOfName(S(List("CB_PayLand")->currentText()));
  for (const char* name : {"Edt_Beginn", "Edt_Ende", "Edt_PayDate", "Edt_Valuta"}) {
    QLineEdit* field = Edit(name);
    field->setToolTip(Q(interest::DateHint(S(field->text()), code)));
  }
}

void TQvZins::ShowInterestFace() {
  mode_ = QStringLiteral("Z");
  HideText();
  percentPanel_->hide();
  interestPanel_->show();
  setWindowTitle(QString::fromUtf8(kInterestCaption));
  setFixedSize(kInterestWidth, kInterestHeight);
}

void TQvZins::ShowText(QPlainTextEdit* memo) {
  HideDateEditor();
  if (mode_ == QLatin1String("Z")) {
    textPanel_->setGeometry(0, 128, kInterestWidth, 295);
  } else {
    textPanel_->setGeometry(0, kPercentHeight, kInterestWidth, 455 - kPercentHeight);
  }
  const QRect inside(10, 0, kInterestWidth - 20, textPanel_->height());
  for (QPlainTextEdit* each : {memo1_, memo2_}) {
    each->setGeometry(inside);
    each->setVisible(each == memo);
  }
  textPanel_->show();
  textPanel_->raise();
  // Beside "Text" on the interest face, alone below the percentage text.
  btnClip_->move(mode_ == QLatin1String("Z") ? 135 : 10, btnClip_->y());
  btnClip_->show();
  btnClip_->raise();
  btnPercent_->hide();
}

void TQvZins::HideText() {
  textPanel_->hide();
  btnClip_->hide();
  btnPercent_->show();
}

bool TQvZins::TextShown() const {
  return textPanel_->isVisibleTo(this);
}

void TQvZins::Btn_TextClick() {
  RentClick();
  if (TextShown() && memo1_->isVisibleTo(this)) {
    HideText();
  } else {
    ShowText(memo1_);
  }
}

void TQvZins::Edt_CalDiffTextClick() {
  RentClick();
  if (TextShown() && memo2_->isVisibleTo(this)) {
    HideText();
  } else {
    ShowText(memo2_);
  }
}

void TQvZins::Btn_ClipClick() {
  QPlainTextEdit* memo = memo2_->isVisibleTo(this) ? memo2_ : memo1_;
  memo->selectAll();
  platform::CopyText(S(memo->toPlainText()));
}

void TQvZins::Btn_PercentClick() {
  HideDateEditor();
  mode_ = QStringLiteral("%");
  HideText();
  interestPanel_->hide();
  percentPanel_->show();
  setWindowTitle(QString::fromUtf8(kPercentCaption));
  setFixedSize(kPercentWidth, kPercentHeight);
  PercentClick(lastTrigger_);
}

void TQvZins::BitBtn1Click() {
  ShowInterestFace();
  RentClick();
}

void TQvZins::BitBtn4Click() {
  // A second click leaves the text, as "berechnen" does.
  if (mode_ == QLatin1String("%T")) {
    RentClick();
    return;
  }
  mode_ = QStringLiteral("%");
  setFixedSize(kInterestWidth, kInterestHeight);
  if (Edit("Edt_Cap1")->text().trimmed().isEmpty()) Edit("Edt_Cap1")->setText("0");
  if (Edit("Edt_Perc2")->text().trimmed().isEmpty()) Edit("Edt_Perc2")->setText("0");
  RebuildFinalDecimals(List("CB_RoundDeciIntP"), List("CB_RoundDeciExtP"));
  const std::vector<std::string> lines =
      engine::TakePercent(interest::PercentRequestOf(ReadPercentFields()));
  // The fields end on the final result, as the text does.
  lastTrigger_ = engine::PercentTrigger::Final;
  PercentClick(lastTrigger_);
  ShowText(memo1_);
  memo1_->setPlainText(Joined(lines));
  mode_ = QStringLiteral("%T");
}

void TQvZins::closeEvent(QCloseEvent* event) {
  // Closing only puts the faces back; it computes nothing and asks nothing.
  closing_ = true;
  HideDateEditor();
  if (TextShown() || percentPanel_->isVisibleTo(this)) ShowInterestFace();
  QWidget::closeEvent(event);
}

void TQvZins::showEvent(QShowEvent* event) {
  // A caller that keeps the window computes again once it shows it again.
  closing_ = false;
  QWidget::showEvent(event);
}

// ---- The percentage face -----------------------------------------------------------

interest::PercentFields TQvZins::ReadPercentFields() const {
  interest::PercentFields f;
  f.base = S(Edit("Edt_Cap1")->text());
  f.percent = S(Edit("Edt_Perc2")->text());
  f.round = S(List("CB_RoundP")->currentText());
  f.percentDecimals = List("CB_RoundDeciPerP")->currentIndex();
  f.intermediate = List("CB_RoundDeciIntP")->currentIndex();
  f.finalDecimals = List("CB_RoundDeciExtP")->currentIndex();
  return f;
}

void TQvZins::ClearPercentResults() {
  for (const char* name : {"Edt_Perc1", "Edt_Cap2", "Edt_Perc3", "Edt_Cap3"}) {
    Edit(name)->clear();
  }
  if (mode_ == QLatin1String("%T")) memo1_->clear();
}

void TQvZins::PercentClick(engine::PercentTrigger trigger) {
  if (computing_) return;
  QScopedValueRollback<bool> guard(computing_, true);
  for (const char* name : {"Edt_Cap1", "Edt_Perc2"}) {
    if (Edit(name)->text().trimmed().isEmpty()) Edit(name)->setText(QStringLiteral("0"));
  }
  RebuildFinalDecimals(List("CB_RoundDeciIntP"), List("CB_RoundDeciExtP"));
  const engine::PercentRequest request = interest::PercentRequestOf(ReadPercentFields());
  const engine::PercentResult r = engine::ComputePercent(request, trigger);
  if (r.code != 1) return;
  Edit("Edt_Perc1")->setText(Q(r.percent1));
  Edit("Edt_Cap1")->setText(Trimmed(r.amount1));
  Edit("Edt_Perc2")->setText(Trimmed(r.percent2));
  Edit("Edt_Cap2")->setText(Q(r.amount2));
  Edit("Edt_Perc3")->setText(Q(r.percent3));
  Edit("Edt_Cap3")->setText(Q(r.amount3));
  // A shown text follows the new inputs.
  if (mode_ == QLatin1String("%T")) memo1_->setPlainText(Joined(engine::TakePercent(request)));
}

void TQvZins::CopyField(QLineEdit* field) {
  field->selectAll();
  platform::CopyText(S(field->text()));
}

void TQvZins::TakeAsBase(QLineEdit* field) {
  Edit("Edt_Cap1")->setText(field->text());
  PercentClick(lastTrigger_);
}

void TQvZins::FilterAmount(QLineEdit* field) {
  const QString text = field->text();
  if (text.isEmpty()) return;
  const QString filtered = Q(engine::NumericCharsOnly(S(text)));
  if (filtered == text) return;
  field->setText(filtered);
  field->setCursorPosition(static_cast<int>(filtered.size()));
}

// ---- Events ------------------------------------------------------------------------

bool TQvZins::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return QWidget::eventFilter(watched, event);
  const QString name = field->objectName();
  const bool dateField = name == QLatin1String("Edt_Beginn") || name == QLatin1String("Edt_Ende") ||
                         name == QLatin1String("Edt_PayDate");
  const bool interestInput =
      name == QLatin1String("Edt_Capital") || name == QLatin1String("Edt_rent");
  const bool percentInput = name == QLatin1String("Edt_Cap1") || name == QLatin1String("Edt_Perc2");
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (dateField) {
        PlaceDateEditor(field);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (name == QLatin1String("Edt_CalDiffText")) {
        Edt_CalDiffTextClick();
        return true;
      }
      if (!field->isReadOnly() || dateField) break;
      if (name.startsWith(QLatin1String("Edt_Perc")) || name.startsWith(QLatin1String("Edt_Cap"))) {
        CopyField(field);
      }
      break;
    case QEvent::MouseButtonDblClick:
      if (name == QLatin1String("Edt_Cap2") || name == QLatin1String("Edt_Cap3")) {
        TakeAsBase(field);
        return true;
      }
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if ((interestInput || percentInput) && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        focusNextChild();
        return true;
      }
      break;
    }
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      // Computed once the focus has settled, so that a question cannot
      // interrupt the focus change.
      if (interestInput) QTimer::singleShot(0, this, &TQvZins::RentClick);
      if (percentInput) QTimer::singleShot(0, this, [this] { PercentClick(lastTrigger_); });
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// ---- The date editor ---------------------------------------------------------------

void TQvZins::PlaceDateEditor(QLineEdit* field) {
  HideDateEditor();
  editedField_ = field;
  GiveEditorDate(field->text());
  // The component's date edit follows it to the field's place.
  kalender1_->move(field->pos());
  field->hide();
  kalender1_->SetVisible(true);
  kalender1_->DateCal()->DateEdt()->FocusFirstField();
}

void TQvZins::GiveEditorDate(const QString& date) {
  // Handing over the date is no change by the user.
  const QSignalBlocker blocker(kalender1_);
  kalender1_->SetDate(date);
}

QString TQvZins::EditedDate() const {
  const int jd = kalender1_->iJD();
  if (engine::JDInRange(jd) != 1) return {};
  return Q(engine::FormatDateText(engine::CivilDateOf(jd, engine::CalendarKind::Gregorian)));
}

void TQvZins::HideDateEditor() {
  if (editedField_.isNull() && !kalender1_->CalOpen()) return;
  // Closing the pop-up checks a typed date, which may still reach the field.
  kalender1_->Close();
  kalender1_->SetVisible(false);
  if (editedField_) {
    // The field lies over the emptied place of the date edit again.
    editedField_->show();
    editedField_->raise();
  }
  editedField_.clear();
}

bool TQvZins::InDateEditor(const QWidget* widget) const {
  // The date edit's fields stand in the panel or in the pop-up, which is a
  // window of the component's own.
  const QWidget* fields = kalender1_->DateCal()->DateEdt()->DateField()->parentWidget();
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (w == kalender1_ || w == fields) return true;
  }
  return false;
}

void TQvZins::Kalender1Change() {
  if (!editedField_) return;
  const QString date = EditedDate();
  if (date.isEmpty() || date == editedField_->text()) return;
  editedField_->setText(date);
  if (editedField_ == Edit("Edt_PayDate")) Edit("Edt_Valuta")->clear();
  RenewDateHints();
  RentClick();
}

void TQvZins::Kalender1ChangeVis() {
  // Opening or closing the pop-up computes nothing. While it is open the
  // date edit is in it, so the field shows the date picked there; closed,
  // the date edit stands over the field again.
  if (!editedField_) return;
  editedField_->setVisible(kalender1_->CalOpen());
  if (kalender1_->CalOpen()) return;
  // The editing goes on, unless the pop-up closed because the user went on
  // to another control of the window.
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr || InDateEditor(focus)) kalender1_->DateCal()->DateEdt()->FocusFirstField();
}

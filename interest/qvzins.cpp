// SPDX-License-Identifier: MIT
#include "interest/qvzins.h"

#include <QAbstractItemView>
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

#include "controls/accessible.h"
#include "controls/date.h"
#include "controls/dateedt.h"
#include "controls/fonts.h"
#include "controls/hints.h"
#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/numbertext.h"
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

// The value behind a line of a list, as the list keeps it.
QVariant Data(const std::string& code) {
  return Q(code);
}
QVariant Data(int number) {
  return number;
}
QVariant Data(bool counted) {
  return counted;
}
QVariant Data(engine::ValutaKind kind) {
  return QVariant::fromValue(kind);
}

// FillList: the lines of a list, the line of that value selected, without
// announcing the change.
template <typename Value>
void FillList(QComboBox* list, const std::vector<interest::ListItem<Value>>& items,
              const Value& selected) {
  const QSignalBlocker blocker(list);
  list->clear();
  for (const interest::ListItem<Value>& item : items) list->addItem(Q(item.text), Data(item.value));
  list->setCurrentIndex(list->findData(Data(selected)));
}

// The selected value of a list of numbers, kNoChoice without a selection.
int NumberOf(const QComboBox* list) {
  bool ok = false;
  const int number = list->currentData().toInt(&ok);
  return ok ? number : interest::kNoChoice;
}

// The selected code of a list of codes, "" without a selection.
std::string CodeOf(const QComboBox* list) {
  return S(list->currentData().toString());
}

// The caption and the first hint the model keeps under a control's name,
// and the name a screen reader says for it.
void SetFixedTexts(QWidget* widget) {
  const std::string name = S(widget->objectName());
  for (const interest::NamedText& spoken : interest::AccessibleNames()) {
    if (spoken.name == name) widget->setAccessibleName(Q(spoken.text));
  }
  auto* button = qobject_cast<QPushButton*>(widget);
  for (const interest::NamedText& caption : interest::Captions()) {
    if (button != nullptr && caption.name == name) button->setText(Q(caption.text));
  }
  for (const interest::NamedText& hint : interest::FirstHints()) {
    if (hint.name == name) widget->setToolTip(Q(hint.text));
  }
}

}  // namespace

TQvZins::TQvZins(QWidget* parent) : QWidget(parent, Qt::Window) {
  // Before the first list is filled: a running screen reader asks at once.
  controls::InstallAccessibility();
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kInterestCaption));
  BuildInterestFace();
  BuildPercentFace();
  BuildTextPanel();
  SetDefaults();
  ConnectInputs();
  LinkForKeyboard();
  ShowInterestFace();
}

// ---- Building ----------------------------------------------------------------------

QLineEdit* TQvZins::MakeEdit(QWidget* parent, const char* name, int x, int y, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, width, kRowHeight);
  edit->setFont(controls::FixedFieldFont(9, false));
  edit->setReadOnly(true);
  // Results and dates are reached with Tab and read there; a click on one
  // leaves the focus where it is, as its own action (copy, open) decides.
  edit->setFocusPolicy(Qt::TabFocus);
  edit->setTextMargins(0, 0, 0, 0);
  controls::InstallHintFilter(edit);
  SetFixedTexts(edit);
  return edit;
}

QComboBox* TQvZins::MakeList(QWidget* parent, const char* name, int x, int y, int width) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setGeometry(x, y, width, kRowHeight);
  controls::InstallHintFilter(list);
  SetFixedTexts(list);
  return list;
}

void TQvZins::MakeLabels(QWidget* panel) {
  // Every label of both faces with its first text and place; those the
  // window changes later are kept in a member.
  static constexpr struct {
    QWidget* TQvZins::*panel;
    const char* name;
    const char* text;
    int x;
    int y;
    int width;
    QLabel* TQvZins::*member = nullptr;
    Qt::Alignment alignment = {};
  } kLabels[] = {
      {&TQvZins::interestPanel_, "Label1", "Kapital", 10, 10, 60},
      {&TQvZins::interestPanel_, "Label2", "% Zinsen", 375, 10, 60},
      {&TQvZins::interestPanel_, "Label22", "EUR", 754, 10, 32, &TQvZins::capitalEuroUnit_},
      {&TQvZins::interestPanel_, "Label3", "seit", 10, 38, 60},
      {&TQvZins::interestPanel_, "Label25", "", 175, 38, 35, &TQvZins::startMarker_},
      {&TQvZins::interestPanel_, "Label4", "bis", 300, 38, 25},
      {&TQvZins::interestPanel_, "Label26", "", 430, 38, 35, &TQvZins::endMarker_},
      {&TQvZins::interestPanel_, "Label6", "fällig am", 10, 66, 62},
      {&TQvZins::interestPanel_, "Label7", "in", 180, 66, 18},
      {&TQvZins::interestPanel_, "Label11", "falls", 350, 66, 32},
      {&TQvZins::interestPanel_, "Label12", "anderenfalls", 565, 66, 76},
      {&TQvZins::interestPanel_, "Label8", "Valuta", 642, 66, 44},
      {&TQvZins::interestPanel_, "Label9", "Rundung (Dezimalstellen)", 10, 94, 165},
      {&TQvZins::interestPanel_, "Label13", "Zinsjahre", 65, 140, 235},
      {&TQvZins::interestPanel_, "Label17", "", 581, 140, 32, &TQvZins::yearsCurrency_},
      {&TQvZins::interestPanel_, "Label14", "Zinstage", 65, 168, 235, &TQvZins::daysCaption_},
      {&TQvZins::interestPanel_, "Label18", "", 581, 168, 32, &TQvZins::daysCurrency_},
      {&TQvZins::interestPanel_, "Label15", "Zinstage im Schaltjahr", 65, 196, 235,
       &TQvZins::leapDaysCaption_},
      {&TQvZins::interestPanel_, "Label19", "", 581, 196, 32, &TQvZins::leapDaysCurrency_},
      {&TQvZins::interestPanel_, "Label10", "Zinsen", 350, 232, 85, nullptr,
       Qt::AlignRight | Qt::AlignVCenter},
      {&TQvZins::interestPanel_, "Label20", "", 581, 232, 32, &TQvZins::totalCurrency_},
      {&TQvZins::interestPanel_, "Label23", "EUR", 754, 232, 32, &TQvZins::totalEuroUnit_},
      {&TQvZins::interestPanel_, "Label5", "Summe", 350, 260, 85, nullptr,
       Qt::AlignRight | Qt::AlignVCenter},
      {&TQvZins::interestPanel_, "Label21", "", 581, 260, 32, &TQvZins::sumCurrency_},
      {&TQvZins::interestPanel_, "Label24", "EUR", 754, 260, 32, &TQvZins::sumEuroUnit_},
      {&TQvZins::percentPanel_, "Label30", "Rundung (Dezimalstellen)", 10, 10, 165},
      {&TQvZins::percentPanel_, "Label27", "% =", 155, 45, 30, nullptr, Qt::AlignCenter},
      {&TQvZins::percentPanel_, "Label28", "% =", 155, 75, 30, nullptr, Qt::AlignCenter},
      {&TQvZins::percentPanel_, "Label29", "% =", 155, 105, 30, nullptr, Qt::AlignCenter},
  };
  for (const auto& place : kLabels) {
    if (this->*place.panel != panel) continue;
    auto* label = new QLabel(QString::fromUtf8(place.text), panel);
    label->setObjectName(QString::fromLatin1(place.name));
    label->setGeometry(place.x, place.y, place.width, kRowHeight);
    if (place.alignment != Qt::Alignment()) label->setAlignment(place.alignment);
    controls::InstallHintFilter(label);
    if (place.member != nullptr) this->*place.member = label;
  }
}

QPushButton* TQvZins::MakeButton(QWidget* parent, const char* name, int x, int y, int width) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, width, kButtonHeight);
  controls::InstallHintFilter(button);
  SetFixedTexts(button);
  return button;
}

void TQvZins::BuildInterestFace() {
  QWidget* p = interestPanel_ = new QWidget(this);
  p->setObjectName(QStringLiteral("Pnl_Zins"));
  p->setGeometry(0, 0, kInterestWidth, kInterestHeight);
  MakeLabels(p);

  // Capital, currency and rate; the capital in euros at the right.
  capital_ = MakeEdit(p, "Edt_Capital", 75, 10, kAmountWidth);
  currency_ = MakeList(p, "CB_Value", 220, 10, 65);
  rate_ = MakeEdit(p, "Edt_rent", 300, 10, 70);
  capitalEuro_ = MakeEdit(p, "Edt_Capital_EUR", 615, 10, kAmountWidth);

  // The period and the day-count method.
  start_ = MakeEdit(p, "Edt_Beginn", 75, 38, kDateWidth);
  startCounted_ = MakeList(p, "CB_Begin", 212, 38, 65);
  end_ = MakeEdit(p, "Edt_Ende", 330, 38, kDateWidth);
  endCounted_ = MakeList(p, "CB_End", 467, 38, 65);
  method_ = MakeList(p, "CB_Rent", 545, 38, 240);

  // The pay date, its region and the value day.
  payDate_ = MakeEdit(p, "Edt_PayDate", 75, 66, kDateWidth);
  payRegion_ = MakeList(p, "CB_PayLand", 200, 66, 145);
  valutaKind_ = MakeList(p, "CB_ValutaModus", 384, 66, 176);
  valuta_ = MakeEdit(p, "Edt_Valuta", 688, 66, kDateWidth);

  // Rounding and its decimals.
  round_ = MakeList(p, "CB_Round", 178, 94, 70);
  intermediate_ = MakeList(p, "CB_RoundDeciInt", 252, 94, 45);
  final_ = MakeList(p, "CB_RoundDeciExt", 301, 94, 45);
  compute_ = MakeButton(p, "Button1", 630, 92, 150);

  // The interest rows: count, per unit, product; and the totals.
  const struct {
    QLineEdit* TQvZins::*count;
    const char* countName;
    QLineEdit* TQvZins::*perUnit;
    const char* perUnitName;
    QLineEdit* TQvZins::*product;
    const char* productName;
  } kRows[] = {
      {&TQvZins::years_, "Edt_YearT", &TQvZins::perYear_, "Edt_Year", &TQvZins::forYears_,
       "Edt_YearSum"},
      {&TQvZins::days_, "Edt_NormalYearT", &TQvZins::perDay_, "Edt_NormalYear", &TQvZins::forDays_,
       "Edt_NormalYearSum"},
      {&TQvZins::leapDays_, "Edt_LeapYearT", &TQvZins::perLeapDay_, "Edt_LeapYear",
       &TQvZins::forLeapDays_, "Edt_LeapYearSum"},
  };
  int y = 140;
  for (const auto& row : kRows) {
    this->*row.count = MakeEdit(p, row.countName, 10, y, 50);
    (this->*row.count)->setAlignment(Qt::AlignRight);
    this->*row.perUnit = MakeEdit(p, row.perUnitName, 302, y, kAmountWidth);
    this->*row.product = MakeEdit(p, row.productName, 442, y, kAmountWidth);
    y += 28;
  }
  total_ = MakeEdit(p, "Edt_RentSum", 442, 232, kAmountWidth);
  totalEuro_ = MakeEdit(p, "Edt_RentSum_EUR", 615, 232, kAmountWidth);
  sum_ = MakeEdit(p, "Edt_Sum", 442, 260, kAmountWidth);
  sumEuro_ = MakeEdit(p, "Edt_Sum_EUR", 615, 260, kAmountWidth);

  periodText_ = MakeEdit(p, "Edt_CalDiffText", 10, 430, 770);
  periodText_->setCursor(Qt::PointingHandCursor);
  btnText_ = MakeButton(p, "Btn_Text", 10, 462, 120);
  btnPercent_ = MakeButton(p, "Btn_Percent", 395, 462, 100);
  help_ = MakeButton(p, "Btn_info", 500, 462, 70);
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
  kalender1_->move(start_->pos());
  start_->raise();
}

void TQvZins::BuildPercentFace() {
  QWidget* p = percentPanel_ = new QWidget(this);
  p->setObjectName(QStringLiteral("Pnl_Percent"));
  p->setGeometry(0, 0, kPercentWidth, kPercentHeight);
  MakeLabels(p);
  roundP_ = MakeList(p, "CB_RoundP", 178, 10, 70);
  percentDecimalsP_ = MakeList(p, "CB_RoundDeciPerP", 252, 10, 45);
  intermediateP_ = MakeList(p, "CB_RoundDeciIntP", 301, 10, 45);
  finalP_ = MakeList(p, "CB_RoundDeciExtP", 350, 10, 45);
  const struct {
    QLineEdit* TQvZins::*percent;
    const char* percentName;
    QLineEdit* TQvZins::*amount;
    const char* amountName;
  } kRows[] = {{&TQvZins::basePercent_, "Edt_Perc1", &TQvZins::base_, "Edt_Cap1"},
               {&TQvZins::partPercent_, "Edt_Perc2", &TQvZins::part_, "Edt_Cap2"},
               {&TQvZins::restPercent_, "Edt_Perc3", &TQvZins::rest_, "Edt_Cap3"}};
  int y = 45;
  for (const auto& row : kRows) {
    this->*row.percent = MakeEdit(p, row.percentName, 10, y, kAmountWidth);
    this->*row.amount = MakeEdit(p, row.amountName, 190, y, kAmountWidth);
    y += 30;
  }
  intermediateResult_ = MakeButton(p, "BitBtn2", 10, 160, 125);
  finalResult_ = MakeButton(p, "BitBtn3", 140, 160, 110);
  percentText_ = MakeButton(p, "BitBtn4", 255, 160, 80);
  backToInterest_ = MakeButton(p, "BitBtn1", 340, 160, 80);
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
    SetFixedTexts(*memo);
  }
  textPanel_->hide();
  btnClip_ = MakeButton(this, "Btn_Clip", 135, 462, 250);
  btnClip_->hide();
}

void TQvZins::LinkForKeyboard() {
  // The short labels beside the fields are their buddies: a screen reader
  // names the field by the label and follows the link between them.
  for (const interest::NamedText& link : interest::LabelledFields()) {
    auto* label = findChild<QLabel*>(Q(link.name));
    auto* field = findChild<QWidget*>(Q(link.text));
    if (label != nullptr && field != nullptr) label->setBuddy(field);
  }
  // Tab goes row by row, from the left, through inputs and results alike.
  for (const auto* order : {&interest::InterestTabOrder(), &interest::PercentTabOrder()}) {
    QWidget* previous = nullptr;
    for (std::string_view name : *order) {
      auto* widget = findChild<QWidget*>(Q(name));
      if (widget == nullptr) continue;
      if (previous != nullptr) setTabOrder(previous, widget);
      previous = widget;
    }
  }
  // The window's own buttons, lists and fields, not those of the date editor.
  for (QWidget* panel : {interestPanel_, percentPanel_}) {
    for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (qobject_cast<QPushButton*>(control) != nullptr ||
          qobject_cast<QComboBox*>(control) != nullptr ||
          qobject_cast<QLineEdit*>(control) != nullptr) {
        control->installEventFilter(this);
      }
    }
  }
  btnClip_->installEventFilter(this);
}

void TQvZins::SetDefaults() {
  QScopedValueRollback<bool> guard(refilling_, true);
  const interest::InterestFields first;
  FillList(currency_, interest::CurrencyItems(), first.currency);
  FillList(method_, interest::MethodItems(), first.method);
  FillList(startCounted_, interest::FlagItems(), first.startCounted);
  FillList(endCounted_, interest::FlagItems(), first.endCounted);
  FillList(round_, interest::RoundItems(), first.modeIndex);
  FillList(intermediate_, interest::DecimalItems(interest::kMaxIntermediate), first.intermediate);
  FillList(final_, interest::DecimalItems(interest::kMaxFinal), first.finalDecimals);
  FillList(payRegion_, interest::PayLandItems(), first.payRegion);
  FillList(valutaKind_, interest::ValutaItems(), first.valuta);
  const interest::PercentFields firstPercent;
  FillList(roundP_, interest::RoundItems(), firstPercent.modeIndex);
  FillList(percentDecimalsP_, interest::DecimalItems(interest::kMaxIntermediate),
           firstPercent.percentDecimals);
  FillList(intermediateP_, interest::DecimalItems(interest::kMaxIntermediate),
           firstPercent.intermediate);
  FillList(finalP_, interest::DecimalItems(interest::kMaxFinal), firstPercent.finalDecimals);
  startCounted_->setToolTip(Q(interest::FlagHint(true, first.startCounted)));
  endCounted_->setToolTip(Q(interest::FlagHint(false, first.endCounted)));

  const QString today = Q(engine::TodayText(engine::CalendarKind::Gregorian));
  for (QLineEdit* field : {start_, end_, payDate_}) {
    field->setText(today);
    field->setCursor(Qt::PointingHandCursor);
  }
  RenewDateHints();

  // The four amount inputs are the only fields typed in.
  capital_->setText(Q(first.capital));
  rate_->setText(Q(first.rate));
  for (QLineEdit* field : {capital_, rate_, base_, partPercent_}) {
    field->setReadOnly(false);
    field->setFocusPolicy(Qt::StrongFocus);
    field->setAlignment(Qt::AlignRight);
  }
  const std::string currency = CodeOf(currency_);
  for (QLabel* label : CurrencyLabels()) label->setText(Q(currency));
  // The euro fields show only with a currency that has a fixed rate.
  ShowEuro(engine::EuroRateOf(currency).has_value());
  SumBlanc();
}

void TQvZins::ConnectInputs() {
  for (QComboBox* list : {currency_, method_, startCounted_, endCounted_, round_, intermediate_,
                          final_, payRegion_, valutaKind_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
      if (!refilling_) RentClick();
    });
  }
  for (QComboBox* list : {roundP_, percentDecimalsP_, intermediateP_, finalP_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
      if (!refilling_) PercentClick(lastTrigger_);
    });
  }
  for (QLineEdit* field : {capital_, rate_}) {
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, field] {
      FilterAmount(field);
      // Results of the old amount must not stand beside the new one.
      SumBlanc();
    });
  }
  for (QLineEdit* field : {base_, partPercent_}) {
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, field] {
      FilterAmount(field);
      ClearPercentResults();
    });
  }
  for (QLineEdit* field :
       {start_, end_, payDate_, periodText_, basePercent_, restPercent_, part_, rest_}) {
    field->installEventFilter(this);
  }
  connect(compute_, &QPushButton::clicked, this, [this] {
    // "berechnen" ends the editing of a date.
    HideDateEditor();
    RentClick();
  });
  connect(btnText_, &QPushButton::clicked, this, &TQvZins::Btn_TextClick);
  connect(btnClip_, &QPushButton::clicked, this, &TQvZins::Btn_ClipClick);
  connect(btnPercent_, &QPushButton::clicked, this, &TQvZins::Btn_PercentClick);
  connect(help_, &QPushButton::clicked, this, [] { platform::OpenUrl(kDescriptionPage); });
  connect(backToInterest_, &QPushButton::clicked, this, &TQvZins::BitBtn1Click);
  connect(intermediateResult_, &QPushButton::clicked, this, [this] {
    lastTrigger_ = engine::PercentTrigger::Intermediate;
    PercentClick(lastTrigger_);
  });
  connect(finalResult_, &QPushButton::clicked, this, [this] {
    lastTrigger_ = engine::PercentTrigger::Final;
    PercentClick(lastTrigger_);
  });
  connect(percentText_, &QPushButton::clicked, this, &TQvZins::BitBtn4Click);

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

std::array<QLabel*, 5> TQvZins::CurrencyLabels() const {
  return {yearsCurrency_, daysCurrency_, leapDaysCurrency_, totalCurrency_, sumCurrency_};
}

void TQvZins::ShowEuro(bool shown) {
  const std::array<QWidget*, 6> euro = {capitalEuro_,     totalEuro_,     sumEuro_,
                                        capitalEuroUnit_, totalEuroUnit_, sumEuroUnit_};
  for (QWidget* widget : euro) widget->setVisible(shown);
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
  f.capital = S(capital_->text());
  // The statement names the rate as typed, not as the window rounded it.
  const QString rate = rate_->text();
  f.rate = S(!rateShown_.isEmpty() && rate == rateShown_ ? rateEntered_ : rate);
  f.currency = CodeOf(currency_);
  f.start = S(start_->text());
  f.end = S(end_->text());
  f.startCounted = startCounted_->currentData().toBool();
  f.endCounted = endCounted_->currentData().toBool();
  f.method = NumberOf(method_);
  f.modeIndex = NumberOf(round_);
  f.intermediate = NumberOf(intermediate_);
  f.finalDecimals = NumberOf(final_);
  f.payDate = S(payDate_->text());
  f.payRegion = CodeOf(payRegion_);
  f.valuta = valutaKind_->currentData().value<engine::ValutaKind>();
  return f;
}

void TQvZins::SumBlanc() {
  const std::array<QLineEdit*, 15> results = {
      years_,       days_,  leapDays_, perYear_, perDay_,      perLeapDay_, forYears_, forDays_,
      forLeapDays_, total_, sum_,      valuta_,  capitalEuro_, totalEuro_,  sumEuro_};
  for (QLineEdit* field : results) field->clear();
  memo1_->clear();
  memo2_->clear();
}

void TQvZins::RebuildFinalDecimals(QComboBox* intermediate, QComboBox* final) {
  const interest::FinalChoice choice =
      interest::FinalDecimalsChoice(NumberOf(intermediate), NumberOf(final));
  if (final->count() == choice.last + 1 && NumberOf(final) == choice.selected) return;
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
  for (QLineEdit* field : {capital_, rate_}) {
    if (field->text().trimmed().isEmpty()) field->setText(QStringLiteral("0"));
  }
  RebuildFinalDecimals(intermediate_, final_);
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
  if (interest::OutcomeOf(s.code) != interest::Outcome::Ok) {
    memo1_->setPlainText(Q(s.error));
    return;
  }
  ShowStatement(s);
  rateEntered_ = Q(f.rate);
  rateShown_ = Q(s.rate);
}

void TQvZins::ShowStatement(const engine::InterestStatement& s) {
  const struct {
    QLineEdit* field;
    const std::string& text;
  } kTexts[] = {{start_, s.start},
                {end_, s.end},
                {payDate_, s.payDate},
                {valuta_, s.valuta},
                {rate_, s.rate},
                {perYear_, s.perYear},
                {perDay_, s.perDay},
                {perLeapDay_, s.perLeapDay},
                {forYears_, s.forYears},
                {forDays_, s.forDays},
                {forLeapDays_, s.forLeapDays},
                {total_, s.total},
                {sum_, s.sum},
                {periodText_, s.periodText}};
  for (const auto& text : kTexts) text.field->setText(Q(text.text));
  capital_->setText(Trimmed(s.capital));
  years_->setText(QString::number(s.years));
  days_->setText(QString::number(s.days));
  leapDays_->setText(QString::number(s.leapDays));
  daysCaption_->setText(Q(s.dayLabel));
  leapDaysCaption_->setText(Q(s.leapLabel));
  const std::array<QWidget*, 5> leapRow = {leapDays_, leapDaysCaption_, perLeapDay_, forLeapDays_,
                                           leapDaysCurrency_};
  for (QWidget* widget : leapRow) widget->setVisible(s.leapRow);
  for (QLabel* label : CurrencyLabels()) label->setText(Q(CodeOf(currency_)));
  if (s.euro) {
    capitalEuro_->setText(Q(s.euro->capital));
    totalEuro_->setText(Q(s.euro->total));
    sumEuro_->setText(Q(s.euro->sum));
  }
  ShowEuro(s.euro.has_value());
  startMarker_->setText(Q(s.startMarker));
  startMarker_->setToolTip(Q(s.hints.startMarker));
  endMarker_->setText(Q(s.endMarker));
  endMarker_->setToolTip(Q(s.hints.endMarker));

  const engine::InterestHints& h = s.hints;
  const struct {
    QWidget* widget;
    const std::string& hint;
  } kHints[] = {
      {rate_, h.rate},       {capital_, h.capital},           {years_, h.years},
      {days_, h.normalDays}, {leapDays_, h.leapDays},         {perYear_, h.perYear},
      {perDay_, h.perDay},   {perLeapDay_, h.perLeapDay},     {forYears_, h.forYears},
      {forDays_, h.forDays}, {forLeapDays_, h.forLeapDays},   {total_, h.total},
      {sum_, h.sum},         {capitalEuro_, h.capitalEuro},   {totalEuro_, h.totalEuro},
      {sumEuro_, h.sumEuro}, {startCounted_, h.startCounted}, {endCounted_, h.endCounted}};
  for (const auto& hint : kHints) hint.widget->setToolTip(Q(hint.hint));
  RenewDateHints();
  memo1_->setPlainText(Joined(s.lines));
  memo2_->setPlainText(Joined(s.periodLines));
}

void TQvZins::RenewDateHints() {
  const std::string code = CodeOf(payRegion_);
  for (QLineEdit* field : {start_, end_, payDate_, valuta_}) {
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
  if (base_->text().trimmed().isEmpty()) base_->setText("0");
  if (partPercent_->text().trimmed().isEmpty()) partPercent_->setText("0");
  RebuildFinalDecimals(intermediateP_, finalP_);
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
  f.base = S(base_->text());
  f.percent = S(partPercent_->text());
  f.modeIndex = NumberOf(roundP_);
  f.percentDecimals = NumberOf(percentDecimalsP_);
  f.intermediate = NumberOf(intermediateP_);
  f.finalDecimals = NumberOf(finalP_);
  return f;
}

void TQvZins::ClearPercentResults() {
  for (QLineEdit* field : {basePercent_, part_, restPercent_, rest_}) field->clear();
  if (mode_ == QLatin1String("%T")) memo1_->clear();
}

void TQvZins::PercentClick(engine::PercentTrigger trigger) {
  if (computing_) return;
  QScopedValueRollback<bool> guard(computing_, true);
  for (QLineEdit* field : {base_, partPercent_}) {
    if (field->text().trimmed().isEmpty()) field->setText(QStringLiteral("0"));
  }
  RebuildFinalDecimals(intermediateP_, finalP_);
  const engine::PercentRequest request = interest::PercentRequestOf(ReadPercentFields());
  const engine::PercentResult r = engine::ComputePercent(request, trigger);
  if (interest::OutcomeOf(r.code) != interest::Outcome::Ok) return;
  basePercent_->setText(Q(r.percent1));
  base_->setText(Trimmed(r.amount1));
  partPercent_->setText(Trimmed(r.percent2));
  part_->setText(Q(r.amount2));
  restPercent_->setText(Q(r.percent3));
  rest_->setText(Q(r.amount3));
  // A shown text follows the new inputs.
  if (mode_ == QLatin1String("%T")) memo1_->setPlainText(Joined(engine::TakePercent(request)));
}

void TQvZins::CopyField(QLineEdit* field) {
  field->selectAll();
  platform::CopyText(S(field->text()));
}

void TQvZins::TakeAsBase(QLineEdit* field) {
  base_->setText(field->text());
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
  if (event->type() == QEvent::KeyPress && KeyOnControl(watched, static_cast<QKeyEvent*>(event))) {
    return true;
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return QWidget::eventFilter(watched, event);
  const bool dateField = field == start_ || field == end_ || field == payDate_;
  const bool interestInput = field == capital_ || field == rate_;
  const bool percentInput = field == base_ || field == partPercent_;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (dateField) {
        PlaceDateEditor(field);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (field == periodText_) {
        Edt_CalDiffTextClick();
        return true;
      }
      // A click on a percentage result copies it.
      if (field == basePercent_ || field == part_ || field == restPercent_ || field == rest_) {
        CopyField(field);
      }
      break;
    case QEvent::MouseButtonDblClick:
      if (field == part_ || field == rest_) {
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

bool TQvZins::KeyOnControl(QObject* watched, const QKeyEvent* event) {
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if ((event->modifiers() | Qt::KeypadModifier) != Qt::KeypadModifier) return false;
  // A button outside a dialog ignores Enter; here it presses it.
  if (auto* button = qobject_cast<QPushButton*>(watched)) {
    if (!enter) return false;
    button->click();
    return true;
  }
  // Enter on a closed list computes, as "berechnen" does.
  if (auto* list = qobject_cast<QComboBox*>(watched)) {
    if (!enter || list->view()->isVisible()) return false;
    ComputeFace();
    return true;
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return false;
  const bool press = enter || key == Qt::Key_Space;
  // The keyboard's click on a date: its editor opens in place.
  if ((field == start_ || field == end_ || field == payDate_) && (press || key == Qt::Key_F4)) {
    PlaceDateEditor(field);
    return true;
  }
  if (field == periodText_ && press) {
    Edt_CalDiffTextClick();
    return true;
  }
  // The percentage results: Space copies, as a click does, Enter computes.
  if (field == basePercent_ || field == part_ || field == restPercent_ || field == rest_) {
    if (key == Qt::Key_Space) {
      CopyField(field);
      return true;
    }
  }
  if (enter && field->isReadOnly()) {
    ComputeFace();
    return true;
  }
  return false;
}

void TQvZins::ComputeFace() {
  if (interestPanel_->isVisibleTo(this)) {
    compute_->click();
  } else {
    PercentClick(lastTrigger_);
  }
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
  if (interest::OutcomeOf(engine::JDInRange(jd)) != interest::Outcome::Ok) return {};
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
  if (editedField_ == payDate_) valuta_->clear();
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

// SPDX-License-Identifier: MIT
#include "controls/date.h"

#include <QColor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QValidator>
#include <algorithm>

#include "controls/hints.h"
#include "controls/spinhalf.h"
#include "engine/environment.h"

using controls::DateMode;
using controls::kFieldCount;

namespace {

// Keeps only the digits of whatever reaches a sub-field, so that pasted and
// dropped text obey the same rule as typed text.
// The validator holds the length, not the line edit, because a line edit
// cuts an insertion to its length before the filter sees it ("2.0x2" into
// a year would keep "20").
class DigitValidator : public QValidator {
 public:
  using QValidator::QValidator;

  void SetMaxLength(int length) { maxLength_ = length; }

  State validate(QString& input, int& position) const override {
    QString digits;
    int kept = 0;
    for (int i = 0; i < input.size(); ++i) {
      if (input[i] >= QLatin1Char('0') && input[i] <= QLatin1Char('9')) {
        digits.append(input[i]);
        if (i < position) ++kept;
      }
    }
    if (digits.size() > maxLength_) return Invalid;
    input = digits;
    position = kept;
    return Acceptable;
  }

 private:
  int maxLength_ = 2;
};

bool IsClipboardShortcut(const QKeyEvent* event) {
  return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
         event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
         event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

// Where the text of a framed line edit begins, and a gap before the buttons.
constexpr int kTextInset = 4;
constexpr int kButtonGap = 1;

// FitsFields: whether a full sub-field of every used one stays left of its
// spin buttons in `font`.
bool FitsFields(const QFont& font, DateMode mode, const controls::DateGeometry& geometry) {
  const QFontMetrics metrics(font);
  for (int f = 0; f < kFieldCount; ++f) {
    const controls::FieldRule& rule = controls::RuleOf(mode, f);
    if (!rule.used) continue;
    const int room = geometry.buttonLeft[f] - geometry.fieldLeft[f] - kTextInset - kButtonGap;
    if (metrics.horizontalAdvance(QString(rule.maxLength, QLatin1Char('0'))) > room) return false;
  }
  return true;
}

// FittingFieldFont: the base font at half the field height; where a full
// sub-field would run under its spin buttons (the compact layouts) first
// its condensed form, then the largest smaller size that fits.
QFont FittingFieldFont(QFont font, DateMode mode, const controls::DateGeometry& geometry,
                       int editHeight) {
  for (int pixels = std::max(editHeight / 2, 1); pixels > 7; --pixels) {
    font.setPixelSize(pixels);
    for (int stretch : {int(QFont::Unstretched), int(QFont::Condensed)}) {
      font.setStretch(stretch);
      if (FitsFields(font, mode, geometry)) return font;
    }
  }
  return font;
}

QString TwoDigits(int value) {
  return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

// A sub-field: a line edit whose keys, entry, clicks and exit go to TDate.
class TDateSubField : public QLineEdit {
 public:
  TDateSubField(TDate* owner, int field)
      : QLineEdit(owner), owner_(owner), field_(field), validator_(new DigitValidator(this)) {
    setValidator(validator_);
  }

  // SetFieldLength: the number of digits the sub-field takes.
  void SetFieldLength(int length) { validator_->SetMaxLength(length); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!owner_->FieldKeyPress(field_, event)) QLineEdit::keyPressEvent(event);
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    QLineEdit::keyReleaseEvent(event);
    owner_->FieldKeyRelease(field_, event);
  }
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    owner_->FieldEntered(field_);
  }
  void focusOutEvent(QFocusEvent* event) override {
    owner_->FieldLeft(field_);
    QLineEdit::focusOutEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    owner_->FieldEntered(field_);
  }
  // The field's own context menu (PM_Dc) is empty: nothing to show.
  void contextMenuEvent(QContextMenuEvent* event) override { event->accept(); }

 private:
  TDate* owner_;
  int field_;
  DigitValidator* validator_;
};

TDate::TDate(QWidget* parent) : QWidget(parent) {
  PM_Dc_ = new QMenu(this);
  PM_Dc_->setObjectName(QStringLiteral("PM_Dc"));
  Timer_Dc_ = new QTimer(this);
  Timer_Dc_->setObjectName(QStringLiteral("Timer_Dc"));
  Timer_Dc_->setInterval(1000);
  connect(Timer_Dc_, &QTimer::timeout, this, &TDate::Timer_DcTimer);
  for (int f = 0; f < kFieldCount; ++f) {
    edits_[f] = new TDateSubField(this, f);
    edits_[f]->setObjectName(QStringLiteral("Edt%1").arg(f + 1));
    controls::InstallHintFilter(edits_[f]);  // owners write hints with "\r\n"
  }
  for (int f = 0; f < kFieldCount; ++f) {
    asc_[f] = new TSpinHalf(this);
    asc_[f]->setObjectName(QStringLiteral("Switch%1Asc").arg(f + 1));
    desc_[f] = new TSpinHalf(this);
    desc_[f]->setObjectName(QStringLiteral("Switch%1Desc").arg(f + 1));
    for (TSpinHalf* half : {asc_[f], desc_[f]}) {
      // Clicking a spin half takes the focus (the sub-field is left and
      // normalised), but Tab never stops there.
      half->setFocusPolicy(Qt::ClickFocus);
      const bool up = half == asc_[f];
      connect(half, &TSpinHalf::Pressed, this, [this, f, up] { StartSpin(f, up); });
      connect(half, &TSpinHalf::Released, this, &TDate::StopSpin);
      // A press without the mouse is one step, as a short hold would be.
      connect(half, &TSpinHalf::Stepped, this, &TDate::Timer_DcTimer);
    }
  }
  ApplyLayout();
}

QString TDate::Modus() const {
  return QString::fromLatin1(controls::CodeOfMode(mode_));
}

void TDate::SetModus(const QString& modus) {
  mode_ = controls::ModeOfCode(modus.toStdString());
  ApplyLayout();
}

void TDate::SetEditHeight(int height) {
  editHeight_ = height;
  ApplyLayout();
}

void TDate::ApplyLayout() {
  StopSpin();
  for (int f = 0; f < kFieldCount; ++f) {
    edits_[f]->hide();
    asc_[f]->hide();
    desc_[f]->hide();
  }
  setEnabled(true);

  const controls::DateGeometry geometry = controls::GeometryOf(mode_, editHeight_);
  const int half = controls::HalfHeight(editHeight_);
  resize(geometry.width, editHeight_);
  const QFont fieldFont = FittingFieldFont(font(), mode_, geometry, editHeight_);
  for (int f = 0; f < kFieldCount; ++f) {
    const controls::FieldRule& rule = controls::RuleOf(mode_, f);
    if (!rule.used) continue;
    QLineEdit* edit = edits_[f];
    edit->setGeometry(geometry.fieldLeft[f], 0, geometry.fieldWidth[f], editHeight_);
    edit->setFrame(true);
    edit->setBackgroundRole(QPalette::Base);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Base));
    edit->setPalette(palette);
    // Digits stop short of the spin buttons that overlap the field's right end.
    edit->setTextMargins(
        0, 0, geometry.fieldLeft[f] + geometry.fieldWidth[f] - geometry.buttonLeft[f], 0);
    edit->setFont(fieldFont);
    edits_[f]->SetFieldLength(rule.maxLength);
    edit->setReadOnly(false);
    edit->setToolTip(QString());
    edit->setFocusPolicy(Qt::StrongFocus);
    // Read by a screen reader beside the digits: "Tag", "Monat", "Jahr".
    edit->setAccessibleName(
        QString::fromUtf8(rule.unit.data(), static_cast<int>(rule.unit.size())));
    edit->setText(QString::fromLatin1(rule.initial));
    edit->show();

    desc_[f]->setGeometry(geometry.buttonLeft[f], 0, controls::kSpinButtonWidth, half);
    asc_[f]->setGeometry(geometry.buttonLeft[f], half, controls::kSpinButtonWidth, half);
    asc_[f]->SetHint(QString::fromStdString(controls::AscHint(mode_, f)));
    desc_[f]->SetHint(QString::fromStdString(controls::DescHint(mode_, f)));
    asc_[f]->show();
    desc_[f]->show();
  }
  for (int f = 0; f < kFieldCount; ++f) {
    if (!controls::RuleOf(mode_, f).used) {
      asc_[f]->resize(0, half);
      desc_[f]->resize(0, half);
    }
  }
}

QString TDate::FieldText(int field) const {
  return edits_[field]->text();
}

void TDate::SetFieldText(int field, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (edits_[field]->text() != shown) edits_[field]->setText(shown);
}

QString TDate::Date() const {
  if (mode_ != DateMode::D) return {};
  return FieldText(0) + QLatin1Char('.') + FieldText(1) + QLatin1Char('.') + FieldText(2);
}

QString TDate::Time() const {
  if (mode_ == DateMode::T) {
    return FieldText(0) + QLatin1Char(':') + FieldText(1) + QLatin1Char(':') + FieldText(2);
  }
  if (mode_ == DateMode::TM) return FieldText(0) + QLatin1Char(':') + FieldText(1);
  return {};
}

QString TDate::Day() const {
  return mode_ == DateMode::A ? FieldText(1) + QLatin1Char('.') + FieldText(2) : QString();
}

QString TDate::Week() const {
  return mode_ == DateMode::W ? FieldText(1) + QLatin1Char('.') + FieldText(2) : QString();
}

QString TDate::JD() const {
  return mode_ == DateMode::J ? FieldText(2) : QString();
}

bool TDate::SetDateText(const QString& text) {
  if (mode_ != DateMode::D) return false;
  const auto fields = controls::DateFields(text.toStdString());
  if (!fields) return false;
  for (int f = 0; f < kFieldCount; ++f) SetFieldText(f, (*fields)[f]);
  return true;
}

bool TDate::SetJDText(const QString& text) {
  if (mode_ != DateMode::J) return false;
  const auto fields = controls::JDFields(text.toStdString());
  if (!fields) return false;
  SetFieldText(2, (*fields)[2]);
  return true;
}

bool TDate::SetTimeText(const QString& text) {
  if (mode_ != DateMode::T && mode_ != DateMode::TM) return false;
  const auto fields = controls::TimeFields(text.toStdString());
  if (!fields) return false;
  for (int f = 0; f < kFieldCount; ++f) SetFieldText(f, (*fields)[f]);
  return true;
}

void TDate::SetTimeNow(const engine::Region& region) {
  const engine::LocalDateTime now = engine::Now(region);
  edits_[0]->setText(TwoDigits(now.hour));
  edits_[1]->setText(TwoDigits(now.minute));
  edits_[2]->setText(TwoDigits(now.second));
}

void TDate::SetCivilDate(const engine::CivilDate& date) {
  if (mode_ != DateMode::D) return;
  SetFieldText(0, controls::ZeroPadded(DateMode::D, 0, date.day));
  SetFieldText(1, controls::ZeroPadded(DateMode::D, 1, date.month));
  SetFieldText(2, controls::ZeroPadded(DateMode::D, 2, date.year));
}

void TDate::SetTimeOfDay(engine::TimeOfDay time) {
  if (mode_ != DateMode::T && mode_ != DateMode::TM) return;
  edits_[0]->setText(TwoDigits(time.hour));
  edits_[1]->setText(TwoDigits(time.minute));
  edits_[2]->setText(TwoDigits(time.second));
}

engine::TimeOfDay TDate::TimeOfDay() const {
  // The sub-fields take digits only and cap hour and minute on leaving.
  const auto value = [this](int field, int most) {
    return std::clamp(edits_[field]->text().toInt(), 0, most);
  };
  return {value(0, 23), value(1, 59), mode_ == DateMode::TM ? 0 : value(2, 59)};
}

void TDate::SetFieldFontColor(const QColor& color) {
  for (QLineEdit* edit : edits_) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, color);
    edit->setPalette(palette);
  }
}

void TDate::SetFieldColor(const QColor& color) {
  for (QLineEdit* edit : edits_) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, color);
    edit->setPalette(palette);
  }
}

QLineEdit* TDate::Edt(int field) const {
  return field >= 0 && field < kFieldCount ? edits_[field] : nullptr;
}

TSpinHalf* TDate::SwitchAsc(int field) const {
  return field >= 0 && field < kFieldCount ? asc_[field] : nullptr;
}

TSpinHalf* TDate::SwitchDesc(int field) const {
  return field >= 0 && field < kFieldCount ? desc_[field] : nullptr;
}

bool TDate::FieldKeyPress(int field, QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNextChild();
    return true;
  }
  if (event->key() == Qt::Key_Backspace) {
    SelectLead(field, controls::RuleOf(mode_, field).backspaceSelection);
    return true;
  }
  if (IsClipboardShortcut(event) || event->key() == Qt::Key_Delete) return false;
  const QString text = event->text();
  if (text.isEmpty()) return false;  // caret and function keys
  if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
    digitPressedIn_ = field;
    return false;
  }
  return true;
}

void TDate::FieldKeyRelease(int field, QKeyEvent* event) {
  if (event->key() < Qt::Key_0 || event->key() > Qt::Key_9 || event->isAutoRepeat()) return;
  if (digitPressedIn_ != field) return;
  digitPressedIn_ = -1;
  const controls::TypedField typed =
      controls::AfterDigitTyped(mode_, field, FieldText(field).toStdString());
  SetFieldText(field, typed.text);
  if (typed.moveOn) focusNextChild();  // the next sub-field, or on past the control
}

void TDate::SelectLead(int field, int count) {
  QLineEdit* edit = edits_[field];
  if (count > 0) {
    edit->setSelection(0, count);
  } else {
    edit->deselect();
    edit->setCursorPosition(0);
  }
}

void TDate::FieldEntered(int field) {
  SelectLead(field, controls::RuleOf(mode_, field).maxLength);
}

void TDate::FieldLeft(int field) {
  digitPressedIn_ = -1;
  if (!controls::RuleOf(mode_, field).used) return;
  SetFieldText(field, controls::NormalisedOnLeave(mode_, field, FieldText(field).toStdString()));
}

void TDate::StartSpin(int field, bool up) {
  spinField_ = field;
  spinUp_ = up;
  spinTicks_ = 0;
  Timer_Dc_->setInterval(controls::kSlowInterval);
  Timer_Dc_->start();
}

void TDate::StopSpin() {
  Timer_Dc_->stop();
  const int field = spinField_;
  spinField_ = -1;
  if (field >= 0 && edits_[field]->isVisible()) edits_[field]->setFocus(Qt::OtherFocusReason);
}

void TDate::Timer_DcTimer() {
  if (spinField_ < 0) return Timer_Dc_->stop();
  if (spinTicks_ < 1000) ++spinTicks_;
  controls::FieldValues values{};
  for (int f = 0; f < kFieldCount; ++f) {
    const std::string text = FieldText(f).toStdString();
    values[f] = controls::FieldNumber(text, controls::RuleOf(mode_, f).minimum);
  }
  const controls::FieldValues next = controls::SpinTick(mode_, spinField_, spinUp_, values);
  for (int f = 0; f < kFieldCount; ++f) {
    if (f == spinField_ || next[f] != values[f]) {
      SetFieldText(f, controls::ZeroPadded(mode_, f, next[f]));
    }
  }
  // Setting the interval restarts the timer, so only when it changes.
  const int interval = controls::SpinInterval(spinTicks_);
  if (Timer_Dc_->interval() != interval) Timer_Dc_->setInterval(interval);
}

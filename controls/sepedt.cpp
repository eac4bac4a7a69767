// SPDX-License-Identifier: MIT
#include "controls/sepedt.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <cmath>

#include "controls/fonts.h"
#include "engine/environment.h"

namespace {

// Shared by every numeric edit: entries and clicks since the last
// formatting, so that the first entry and the first click select all.
int entryCounter = 0;

bool PassesUnfiltered(const QKeyEvent* event) {
  return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
         event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
         event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
         event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete ||
         event->text().isEmpty();
}

}  // namespace

TSepEdt::TSepEdt(QWidget* parent) : QLineEdit(parent) {
  setFont(controls::FixedFieldFont(10, true));
  resize(120, 21);
  connect(this, &QLineEdit::textChanged, this, &TSepEdt::TextChanged);
  Reformat();
}

void TSepEdt::SetFloatValue(long double value) {
  Show(controls::FormattedNumber(value, settings_));
  entryCounter = 0;
}

int TSepEdt::IntValue() const {
  return static_cast<int>(std::trunc(value_));
}

void TSepEdt::SetDigits(int digits) {
  settings_.digits = controls::StoredDigits(digits);
  Reformat();
}

void TSepEdt::SetFieldLength(int length) {
  settings_.fieldLength = controls::StoredFieldLength(length);
  Reformat();
}

void TSepEdt::SetIntegerOnly(bool integerOnly) {
  settings_.integerOnly = integerOnly;
  settings_.digits = integerOnly ? 0 : 2;
  Reformat();
}

void TSepEdt::SetRoundModus(const QString& modus) {
  settings_.roundModus = controls::StoredRoundModus(modus.toStdString());
}

void TSepEdt::SetMaxValue(long double value) {
  settings_.maxValue = controls::StoredMaxValue(value);
  if (value_ > settings_.maxValue) Reformat();
}

void TSepEdt::SetWith1000Sep(bool grouped) {
  settings_.with1000Sep = grouped;
  Reformat();
}

void TSepEdt::Reformat() {
  Show(controls::FormattedText(text().toStdString(), settings_));
  entryCounter = 0;
}

void TSepEdt::Show(const controls::ShownNumber& shown) {
  value_ = shown.value;
  const QString text = QString::fromStdString(shown.text);
  if (text == this->text()) return;
  formatting_ = true;
  setText(text);
  formatting_ = false;
}

void TSepEdt::TextChanged() {
  if (formatting_) return;
  const QString typed = text();
  const controls::ShownNumber shown = controls::TypedNumber(typed.toStdString(), settings_);
  // The caret keeps its distance from the end, where grouping does not move it.
  const int fromEnd = typed.size() - cursorPosition();
  Show(shown);
  setCursorPosition(std::max(0, static_cast<int>(text().size()) - fromEnd));
}

void TSepEdt::TrimAlignment() {
  const QString trimmed = text().trimmed();
  if (trimmed == text()) return;
  formatting_ = true;
  setText(trimmed);
  formatting_ = false;
}

void TSepEdt::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNextChild();
    return;
  }
  if (PassesUnfiltered(event)) return QLineEdit::keyPressEvent(event);
  const QString typed = event->text();
  if (typed.size() != 1) return;
  const QChar c = typed[0];
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return QLineEdit::keyPressEvent(event);
  if (c == QLatin1Char(engine::DecimalSeparator()) && Digits() > 0) {
    // A separator inside the selection is replaced by the typed one.
    QString rest = text();
    if (hasSelectedText()) rest.remove(selectionStart(), selectedText().size());
    if (!rest.contains(c)) QLineEdit::keyPressEvent(event);
  }
}

void TSepEdt::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  TrimAlignment();
  if (entryCounter < 2) {
    selectAll();
  } else {
    deselect();
    setCursorPosition(0);
  }
  ++entryCounter;
}

void TSepEdt::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  TrimAlignment();
  // A click with no entry since the formatting (the field kept the focus)
  // counts as the entry too: only this first click selects all, where
  // restarting the count would make every later click select all again.
  if (entryCounter == 0) entryCounter = 1;
  if (entryCounter < 2) {
    selectAll();
  } else {
    deselect();  // the caret stays where the click put it
  }
  if (entryCounter < 1000) ++entryCounter;
}

void TSepEdt::focusOutEvent(QFocusEvent* event) {
  // An opening context menu is no leaving of the field.
  if (event->reason() != Qt::PopupFocusReason) Reformat();
  QLineEdit::focusOutEvent(event);
}

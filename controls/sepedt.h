// SPDX-License-Identifier: MIT
// TSepEdt: a single-line edit for amounts and counts that are never
// negative. It takes digits and one decimal separator, groups the thousands
// while typing, caps the value at `MaxValue`, rounds to `Digits` decimals by
// `RoundModus` and, once left, shows the number right-aligned in
// `FieldLength` characters of a fixed-pitch font. The rules are
// sepedt_model.h; this class forwards keys, entry, clicks and exit.
#pragma once

#include <QLineEdit>

#include "controls/sepedt_model.h"

class TSepEdt : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(double FloatValue READ FloatValue WRITE SetFloatValue)
  Q_PROPERTY(int IntValue READ IntValue)
  Q_PROPERTY(QString TextValue READ TextValue)
  Q_PROPERTY(int Digits READ Digits WRITE SetDigits)
  Q_PROPERTY(int FieldLength READ FieldLength WRITE SetFieldLength)
  Q_PROPERTY(bool IntegerOnly READ IntegerOnly WRITE SetIntegerOnly)
  Q_PROPERTY(QString RoundModus READ RoundModus WRITE SetRoundModus)
  Q_PROPERTY(bool RoundAtOnce READ RoundAtOnce WRITE SetRoundAtOnce)
  Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue)
  Q_PROPERTY(bool With1000Sep READ With1000Sep WRITE SetWith1000Sep)

 public:
  explicit TSepEdt(QWidget* parent = nullptr);

  // FloatValue: the value the text stands for.
  long double FloatValue() const { return value_; }
  // SetFloatValue: clamps to 0..MaxValue (not a number is 0), then shows
  // the value formatted.
  void SetFloatValue(long double value);  // -5 -> 0

  // IntValue: FloatValue truncated.
  int IntValue() const;
  // TextValue: the shown text without surrounding blanks.
  QString TextValue() const { return text().trimmed(); }

  // Digits: decimals, 0 while IntegerOnly.
  int Digits() const { return settings_.integerOnly ? 0 : settings_.digits; }
  // SetDigits: clamps to 0..8 and reformats.
  void SetDigits(int digits);  // 9 -> 8

  // FieldLength: the width in characters of the right-aligned text.
  int FieldLength() const { return settings_.fieldLength; }
  // SetFieldLength: clamps to 0..30 and reformats.
  void SetFieldLength(int length);  // 40 -> 30

  // IntegerOnly: whether only whole numbers are taken.
  bool IntegerOnly() const { return settings_.integerOnly; }
  // SetIntegerOnly: sets Digits to 0 (true) or 2 (false) and reformats.
  void SetIntegerOnly(bool integerOnly);

  // RoundModus: "german", "math" or empty (cut).
  QString RoundModus() const { return QString::fromStdString(settings_.roundModus); }
  // SetRoundModus: any other text is stored as empty.
  void SetRoundModus(const QString& modus);  // "IEEE" -> ""

  // RoundAtOnce: round while typing once more decimals than Digits are typed.
  bool RoundAtOnce() const { return settings_.roundAtOnce; }
  // SetRoundAtOnce: stored as given.
  void SetRoundAtOnce(bool atOnce) { settings_.roundAtOnce = atOnce; }

  // MaxValue: the cap of the value.
  long double MaxValue() const { return settings_.maxValue; }
  // SetMaxValue: above 2147483646, not above 0 or not a number stores
  // 2147483646; a value above the new cap is lowered to it.
  void SetMaxValue(long double value);  // 0 -> 2147483646

  // With1000Sep: whether the integer part is grouped in threes.
  bool With1000Sep() const { return settings_.with1000Sep; }
  // SetWith1000Sep: stored as given; the text is reformatted.
  void SetWith1000Sep(bool grouped);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Reformat();
  void Show(const controls::ShownNumber& shown);
  void TextChanged();
  void TrimAlignment();

  controls::SepEdtSettings settings_;
  long double value_ = 0.0L;
  bool formatting_ = false;
};

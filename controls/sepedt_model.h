// SPDX-License-Identifier: MIT
// The rules of the numeric edit TSepEdt without a window: the stored forms
// of its settings, reading a shown text back into a number, the text shown
// while typing and the text shown once formatted. Texts use the locale's
// decimal separator (engine/environment.h); the thousands are grouped with
// "." when that separator is "," and with "," otherwise, and exactly that
// character is dropped again when a text is read, so that showing a value
// never changes it. Rounding itself is engine::RoundValue.
#pragma once

#include <string>
#include <string_view>

namespace controls {

// The default and largest cap of a numeric edit.
inline constexpr long double kDefaultMaxValue = 2147483646.0L;

// The settings a numeric edit formats with, in their stored forms.
struct SepEdtSettings {
  int digits = 2;
  int fieldLength = 12;
  bool integerOnly = false;
  std::string roundModus;
  bool roundAtOnce = true;
  long double maxValue = kDefaultMaxValue;
  bool with1000Sep = true;
};

// StoredDigits: decimals clamped to 0..8.
int StoredDigits(int digits);  // 9 -> 8

// StoredFieldLength: a field length clamped to 0..30.
int StoredFieldLength(int length);  // 40 -> 30

// StoredRoundModus: "german" and "math" stay; any other text is empty (cut).
std::string StoredRoundModus(std::string_view modus);  // "IEEE" -> ""

// StoredMaxValue: a cap above the default, not above zero or not a number is
// the default.
long double StoredMaxValue(long double value);  // 0 -> 2147483646

// ClampedValue: a value held between 0 and the cap; not a number is 0.
long double ClampedValue(long double value, long double maxValue);  // (-5, 10) -> 0

// ThousandsSeparator: "." beside the decimal separator ",", else ",".
char ThousandsSeparator();  // ',' separator -> '.'

// GroupThousands: the integer part of a plain number text in groups of three.
std::string GroupThousands(std::string_view text);  // "1234567,89" -> "1.234.567,89"

// CleanNumberText: the digits and the first decimal separator of a shown
// text, without thousands separators and blanks; "0" when nothing is left.
std::string CleanNumberText(std::string_view text);  // " 1.234,5 " -> "1234,5"

// ReadNumber: the value of a clean number text; too many digits read as
// infinity, so that any cap holds them.
long double ReadNumber(std::string_view clean);  // "1234,5" -> 1234.5

// NumberText: a value in the general 15-digit form, never with an exponent.
std::string NumberText(long double value);  // 1e-9 -> "0,000000001"

// A text to show and the value it stands for.
struct ShownNumber {
  std::string text;
  long double value = 0.0L;
};

// TypedNumber: what a typed or pasted text becomes: cleaned, capped at the
// cap, rounded when more decimals than allowed were typed and `roundAtOnce`
// holds, grouped; no padding. Where no separator may be typed, the text is
// cut at a pasted one.
ShownNumber TypedNumber(std::string_view text,
                        const SepEdtSettings& settings);  // "1234567,891" -> "1.234.567,89"

// FormattedNumber: a value clamped to 0..cap, rounded, grouped and right-aligned
// in the field length.
ShownNumber FormattedNumber(long double value,
                            const SepEdtSettings& settings);  // 5 -> "        5,00"

// FormattedText: FormattedNumber of a shown text; an empty text is 0.
ShownNumber FormattedText(std::string_view text,
                          const SepEdtSettings& settings);  // "1.234,5" -> "    1.234,50"

}  // namespace controls

// SPDX-License-Identifier: MIT
// The rules of the segmented date field TDate without a window: the six
// modes with their sub-fields, ranges, text lengths and pixel geometry, what
// typing, leaving and spinning do to a sub-field's text, and the reading of
// whole date, time and day-number texts. Calendar validity (31.02., week 53,
// the supported range) is not checked here: that is the date edit's work.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dateentry {

// The six modes and their codes "D", "T", "TM", "W", "A", "J".
enum class DateMode { D, T, TM, W, A, J };

// ModeOfCode: the mode of a code; any other text is the date mode.
DateMode ModeOfCode(std::string_view code);  // "TM" -> TM, "X" -> D

// CodeOfMode: the code of a mode.
std::string_view CodeOfMode(DateMode mode);  // W -> "W"

// The three sub-fields Edt1, Edt2, Edt3 as indices 0, 1, 2.
inline constexpr int kFieldCount = 3;

// What a mode makes of one sub-field.
struct FieldRule {
  bool used = false;
  int minimum = 0;
  int maximum = 0;
  int maxLength = 2;           // characters the sub-field takes
  int padWidth = 2;            // zero padding when left or spun
  int backspaceSelection = 2;  // characters Backspace selects
  std::string_view initial;    // text after a mode write
  std::string_view unit;       // hint word of its spin buttons
};

// RuleOf: the rule of sub-field `field` (0..2) in `mode`.
const FieldRule& RuleOf(DateMode mode, int field);  // (D, 2) -> 1..3001, 4 digits, "2003"

// Pixel geometry of a mode; a sub-field or button left of -1 means unused.
struct DateGeometry {
  int width = 0;
  std::array<int, kFieldCount> fieldWidth{};
  std::array<int, kFieldCount> fieldLeft{};
  std::array<int, kFieldCount> buttonLeft{};
};

inline constexpr int kSpinButtonWidth = 8;

// GeometryOf: the layout of `mode` for an EditHeight; 21 or less is compact.
DateGeometry GeometryOf(DateMode mode, int editHeight);  // (T, 24) -> width 98

// HalfHeight: the height of one spin button, EditHeight halved and truncated.
constexpr int HalfHeight(int editHeight) {
  return editHeight / 2;
}  // 25 -> 12

// AscHint, DescHint: the hints of the spin buttons of a used sub-field.
std::string AscHint(DateMode mode, int field);   // (A, 1) -> "Tag des Jahres später"
std::string DescHint(DateMode mode, int field);  // (D, 0) -> "Tag vorher"

// DigitsOnly: the digits of a typed, pasted or dropped text, cut to
// `maxLength` characters.
std::string DigitsOnly(std::string_view text, int maxLength);  // ("1a2", 2) -> "12"

// FieldNumber: the number a sub-field's text stands for; an empty or
// unreadable text is `fallback`.
int FieldNumber(std::string_view text, int fallback);  // ("07", 0) -> 7

// What releasing a digit key leaves in a sub-field.
struct TypedField {
  std::string text;
  bool moveOn = false;  // full: the focus goes to the next sub-field
};

// AfterDigitTyped: a value above the maximum becomes the maximum; a full
// sub-field below its minimum becomes the minimum and moves the focus on.
TypedField AfterDigitTyped(DateMode mode, int field,
                           std::string_view text);  // (D,0,"45") -> "31", on

// NormalisedOnLeave: the text a sub-field keeps when the focus leaves it:
// clamped to its range and padded with zeros.
std::string NormalisedOnLeave(DateMode mode, int field,
                              std::string_view text);  // (D,0,"5") -> "05"

// ZeroPadded: a value written with the sub-field's zero padding.
std::string ZeroPadded(DateMode mode, int field, int value);  // (J, 2, 123) -> "0000123"

// The numbers of the three sub-fields; unused ones are ignored.
using FieldValues = std::array<int, kFieldCount>;

// SpinTick: one auto-repeat step of sub-field `field` up or down. Each
// sub-field wraps within its range; only time sub-fields carry into their
// neighbours (a second into the minute, a minute into the hour).
FieldValues SpinTick(DateMode mode, int field, bool up,
                     FieldValues values);  // 23:59:59 +1s -> 0:0:0

// The auto-repeat intervals: the first ticks, and those after kSlowTicks.
inline constexpr int kSlowInterval = 150;
inline constexpr int kFastInterval = 50;
inline constexpr int kSlowTicks = 10;

// SpinInterval: the timer interval after `ticks` ticks.
constexpr int SpinInterval(int ticks) {
  return ticks > kSlowTicks ? kFastInterval : kSlowInterval;
}  // 11 -> 50

// The sub-field texts a whole text gives, or nothing when it is refused.
using FieldTexts = std::array<std::string, kFieldCount>;

// DateFields: "DD.MM.YYYY" with any single non-digit separators and no
// further digit after the year.
std::optional<FieldTexts> DateFields(std::string_view text);  // "24.12.2003" -> 24, 12, 2003

// JDFields: seven digits with no further digit after them.
std::optional<FieldTexts> JDFields(std::string_view text);  // "2452975" -> (,, 2452975)

// TimeFields: "hh:mm" or "hh:mm:ss" with any single non-digit separators and
// no further digit; the hour is capped at 23, minute and second at 59, and a
// missing second is "00".
std::optional<FieldTexts> TimeFields(std::string_view text);  // "25:61" -> 23, 59, 00

}  // namespace dateentry

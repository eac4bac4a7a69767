// SPDX-License-Identifier: MIT
// Rounding of amounts. Every amount the system shows is rounded here, and not
// in binary floating point: the magnitude is written as its decimal text with
// 15 significant digits and rounded digit by digit on that text, so that the
// shown text and the returned value carry exactly the decimals asked for.
//
// Texts use the locale's decimal separator (environment.h) and never a
// thousands separator. At most 8 fraction digits of a value take part in
// rounding. Padding and trimming of number texts live in numbertext.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The largest value that is rounded; larger ones give kRoundTooLarge.
inline constexpr long double kRoundLimit = 2147483646.0L;

// The error values of RoundResult::value; the text is then "0".
inline constexpr long double kRoundTooLarge = -1.0L;          // x > kRoundLimit, or not finite
inline constexpr long double kRoundDigitsUnreadable = -2.0L;  // "german"
inline constexpr long double kRoundPartUnreadable = -3.0L;    // "math", "IEEE": integer part
inline constexpr long double kRoundCarryUnreadable = -4.0L;   // integer part after a carry

struct RoundResult {
  long double value = 0.0L;
  std::string text = "0";
};

// RoundValue: x rounded to `decimals` fraction digits (clamped to 0..29) by
// the mode key: "german" (a dropped part from 5 up rounds up), "math" (the
// same, but a dropped part of exactly the digit 5 goes to the even
// neighbour), "IEEE" (digit by digit from the right, each dropped digit 5 to
// the even neighbour) or "" (cut; an unknown key cuts too). Negative values
// round symmetrically.
RoundResult RoundValue(int decimals, std::string_view mode,
                       long double x);  // (2, "german", 2.345L) -> {2.35L, "2,35"}

// RoundMath, RoundGerman: RoundValue with the mode "math" or "german".
RoundResult RoundMath(int decimals, long double x);    // (2, 2.345L) -> {2.34L, "2,34"}
RoundResult RoundGerman(int decimals, long double x);  // (0, 0.5L) -> {1.0L, "1"}

// RoundByIndex: the mode lists' index -1 = cut, 0 = "german", 1 = "IEEE",
// 2 = "math"; any other index rounds nothing and gives nullopt, so that the
// caller keeps what it had.
std::optional<RoundResult> RoundByIndex(int modeIndex, int decimals,
                                        long double x);  // (2, 0, 0.5L) -> {0.0L, "0"}

// ExpandExponent: a number text rewritten in the general 15-digit form, an
// exponent form expanded to plain digits; a text that is no number comes
// back unchanged.
std::string ExpandExponent(std::string_view text);  // "1,5E-5" -> "0,000015"

}  // namespace engine

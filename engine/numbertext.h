// SPDX-License-Identifier: MIT
// Text helpers for numbers as the windows show them: padding to a column
// width, trimming zero decimals, blanking leading zeros and filtering typed
// input. Widths and positions count characters, not bytes. The decimal
// separator is the locale's (environment.h). Nothing here rounds: that is
// rounding.h.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace engine {

// PadLeftAligned: the text without surrounding blanks, followed by blanks
// (at most 148) and cut to `width` characters.
std::string PadLeftAligned(std::string_view text, int width);  // ("2 Tage", 9) -> "2 Tage   "

// PadRightAligned: at most 44 blanks in front, so that the text ends at
// `width` characters; a text of `width` or more characters stays as it is.
std::string PadRightAligned(std::string_view text, int width);  // ("12,50", 7) -> "  12,50"

// AppendZeroPadded: appends the last `width` (1..9) digits of a value of at
// least 0, with leading zeros; for the digit fields of dates and times.
void AppendZeroPadded(std::string& text, long value, int width);  // (s, 7, 2) appends "07"

// ZeroFill: the same with "0" in place of the blank.
std::string ZeroFill(std::string_view text, int width);  // ("42", 4) -> "0042"

// TrimZeroDecimals: trailing zeros of the decimals removed; at least one
// digit stays on each side of the separator. A text without it stays as it is.
std::string TrimZeroDecimals(std::string_view text);  // "12,500" -> "12,5"

// BlankLeadingZeros: leading zeros become blanks, except a zero right before
// the separator and the text's last character.
std::string BlankLeadingZeros(std::string_view text);  // "0012" -> "  12"

// NumericCharsOnly: only the digits and the first separator (a comma when the
// locale's separator is a comma, else a point); "0" when nothing is left.
std::string NumericCharsOnly(std::string_view text);  // "1.234,5 EUR" -> "1234,5"

// ReadLongDouble: std::from_chars for a long double (point, no locale), to
// its last bit on every system. The C++ library of MinGW reads a long double
// through a double there and loses its last eleven bits (1.9996 is then not
// 19996/10000), so on such a library the text is read by strtold instead.
std::from_chars_result ReadLongDouble(const char* first, const char* last,
                                      long double& value);  // "1.9996" -> 19996.0L / 10000

}  // namespace engine

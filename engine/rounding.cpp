// SPDX-License-Identifier: MIT
#include "engine/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/environment.h"
#include "engine/numbertext.h"

namespace engine {
namespace {

enum class Mode { Cut, German, Math, Ieee };

Mode ModeOfKey(std::string_view key) {
  if (key == "german") return Mode::German;
  if (key == "math") return Mode::Math;
  if (key == "IEEE") return Mode::Ieee;
  return Mode::Cut;
}

constexpr int kMaxFractionDigits = 8;
constexpr int kMaxDecimals = 29;
// An expanded small magnitude gets at most this many zeros after the point;
// anything smaller has no digit among the eight that take part in rounding.
constexpr std::size_t kMaxExpandedZeros = 47;

// Everything below works on texts with a decimal point; the locale's
// separator is put in only at the edges. std::to_chars and std::from_chars
// never look at the C locale, which a desktop toolkit may have changed.

// The general 15-significant-digit form: "2.345", "1.5e-05", "1e+20".
std::string GeneralText(long double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::optional<long double> ReadNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long double value = 0.0L;
  const auto [end, error] = ReadLongDouble(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// A general-form text with its exponent written out as digits.
std::string ExpandGeneral(std::string general) {
  const std::size_t e = general.find_first_of("eE");
  if (e == std::string::npos) return general;
  std::string_view mantissa(general.data(), e);
  std::string_view exponentText(general.data() + e + 1, general.size() - e - 1);
  if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  std::string result;
  if (!mantissa.empty() && mantissa.front() == '-') {
    result = "-";
    mantissa.remove_prefix(1);
  }
  std::string digits;
  for (char c : mantissa) {
    if (c >= '0' && c <= '9') digits += c;
  }
  if (exponent < 0) {
    const std::size_t zeros =
        std::min<std::size_t>(static_cast<std::size_t>(-exponent) - 1, kMaxExpandedZeros);
    result += "0.";
    result.append(zeros, '0');
    result += digits;
    return result;
  }
  // Only negative amounts of 1e15 and more reach here: all digits are whole.
  const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole) {
    digits.append(whole - digits.size(), '0');
    return result + digits;
  }
  return result + digits.substr(0, whole) + '.' + digits.substr(whole);
}

std::string WithSeparator(std::string text) {
  std::replace(text.begin(), text.end(), '.', DecimalSeparator());
  return text;
}

std::optional<std::int32_t> ReadInt32(std::string_view digits) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// The kept fraction digits raised by one at their last place. The leading
// "1" keeps leading zeros alive and shows a run-over of all nines as "2".
// Returns 0 on success or the error value.
long double RaiseKept(std::string& integer, std::string& fraction, std::size_t kept,
                      long double unreadable) {
  const auto n = ReadInt32("1" + fraction.substr(0, kept));
  if (!n) return unreadable;
  const std::string raised = std::to_string(*n + 1);
  if (raised.front() == '2') {
    const auto m = ReadInt32(integer);
    if (!m || *m == std::numeric_limits<std::int32_t>::max()) return kRoundCarryUnreadable;
    integer = std::to_string(*m + 1);
  }
  fraction = raised.substr(1);
  return 0.0L;
}

// Whether the digit that stays last is odd: the last kept fraction digit, or
// the integer part's when no fraction digit is kept.
std::optional<bool> KeptDigitOdd(const std::string& integer, const std::string& fraction,
                                 std::size_t kept) {
  if (kept > 0) return (fraction[kept - 1] - '0') % 2 == 1;
  const auto m = ReadInt32(integer);
  if (!m) return std::nullopt;
  return *m % 2 == 1;
}

// "german" and "math": the dropped part as a whole decides, once. Rounding
// digit by digit would round twice (0,445 would become 0,45 and then 0,5).
long double RoundWhole(Mode mode, std::string& integer, std::string& fraction, std::size_t kept) {
  const std::string_view dropped = std::string_view(fraction).substr(kept);
  bool raise = dropped.front() >= '5';
  if (raise && mode == Mode::Math && dropped == "5") {
    const auto odd = KeptDigitOdd(integer, fraction, kept);
    if (!odd) return kRoundPartUnreadable;
    raise = *odd;
  }
  if (!raise) {
    fraction.resize(kept);
    return 0.0L;
  }
  return RaiseKept(integer, fraction, kept,
                   mode == Mode::German ? kRoundDigitsUnreadable : kRoundPartUnreadable);
}

// "IEEE": from the last digit leftwards, each digit of 5 or more rounds the
// digits before it; a dropped digit that was a 5 in the unrounded fraction
// goes to the even neighbour. A raised digit may itself round the next one.
long double RoundByDigits(std::string& integer, std::string& fraction, std::size_t kept) {
  const std::string unrounded = fraction;
  for (std::size_t i = unrounded.size(); i > kept; --i) {
    if (fraction[i - 1] < '5') continue;  // stays until the final cut
    bool raise = true;
    if (unrounded[i - 1] == '5') {
      const auto odd = KeptDigitOdd(integer, fraction, i - 1);
      if (!odd) return kRoundPartUnreadable;
      raise = *odd;
    }
    if (raise) {
      const long double error = RaiseKept(integer, fraction, i - 1, kRoundPartUnreadable);
      if (error != 0.0L) return error;
    } else {
      fraction.resize(i - 1);
    }
  }
  return 0.0L;
}

// The final form: plain digits, exactly `decimals` digits after the point.
std::string FinalForm(const std::string& text, std::size_t decimals) {
  std::string result = text;
  if (const auto value = ReadNumber(text)) result = ExpandGeneral(GeneralText(*value));
  std::size_t point = result.find('.');
  if (point == std::string::npos) {
    point = result.size();
    result += '.';
  }
  result.resize(point + 1 + decimals, '0');
  if (decimals == 0) result.resize(point);
  return result;
}

}  // namespace

RoundResult RoundValue(int decimals, std::string_view modeKey, long double x) {
  RoundResult result;
  const bool negative = x < 0.0L;
  if (!std::isfinite(x) || x > kRoundLimit) {
    result.value = kRoundTooLarge;
    return result;
  }
  const auto wanted = static_cast<std::size_t>(std::clamp(decimals, 0, kMaxDecimals));
  const Mode mode = ModeOfKey(modeKey);

  const std::string magnitude = ExpandGeneral(GeneralText(std::fabs(x)));
  const std::size_t point = magnitude.find('.');
  std::string integer = magnitude.substr(0, point);
  std::string fraction =
      point == std::string::npos ? std::string() : magnitude.substr(point + 1, kMaxFractionDigits);
  // Zeros left over from digits beyond the eighth must not hide a tie.
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

  if (wanted < fraction.size() && mode != Mode::Cut) {
    const long double error = mode == Mode::Ieee ? RoundByDigits(integer, fraction, wanted)
                                                 : RoundWhole(mode, integer, fraction, wanted);
    if (error != 0.0L) {
      result.value = error;
      return result;
    }
  }

  std::string text = integer;
  if (wanted > 0) {
    fraction.resize(wanted, '0');
    text += '.';
    text += fraction;
  }
  result.value = ReadNumber(text).value_or(0.0L);
  result.text = WithSeparator(FinalForm(text, wanted));
  if (negative) {
    result.text.insert(0, 1, '-');
    result.value = -result.value;
  }
  return result;
}

RoundResult RoundMath(int decimals, long double x) {
  return RoundValue(decimals, "math", x);
}

RoundResult RoundGerman(int decimals, long double x) {
  return RoundValue(decimals, "german", x);
}

std::optional<RoundResult> RoundByIndex(int modeIndex, int decimals, long double x) {
  switch (modeIndex) {
    case -1:
      return RoundValue(decimals, "", x);
    case 0:
      return RoundValue(decimals, "german", x);
    case 1:
      return RoundValue(decimals, "IEEE", x);
    case 2:
      return RoundValue(decimals, "math", x);
    default:
      return std::nullopt;
  }
}

std::string ExpandExponent(std::string_view text) {
  std::string_view trimmed = text;
  while (!trimmed.empty() && trimmed.front() == ' ') trimmed.remove_prefix(1);
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
  const char separator = DecimalSeparator();
  if (separator != '.' && trimmed.find('.') != std::string_view::npos) return std::string(text);
  std::string pointed(trimmed);
  std::replace(pointed.begin(), pointed.end(), separator, '.');
  const auto value = ReadNumber(pointed);
  if (!value) return std::string(text);
  return WithSeparator(ExpandGeneral(GeneralText(*value)));
}

}  // namespace engine

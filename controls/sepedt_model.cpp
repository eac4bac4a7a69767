// SPDX-License-Identifier: MIT
#include "controls/sepedt_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/environment.h"
#include "engine/numbertext.h"
#include "engine/rounding.h"

namespace controls {

namespace {

char Separator() {
  return engine::DecimalSeparator() == ',' ? ',' : '.';
}

int DecimalsOf(const SepEdtSettings& settings) {
  return settings.integerOnly ? 0 : StoredDigits(settings.digits);
}

// A rounded value never passes the cap: where rounding up would, it is cut.
engine::RoundResult RoundedWithin(long double value, const SepEdtSettings& settings) {
  engine::RoundResult rounded =
      engine::RoundValue(DecimalsOf(settings), settings.roundModus, value);
  if (rounded.value > settings.maxValue)
    rounded = engine::RoundValue(DecimalsOf(settings), "", value);
  return rounded;
}

}  // namespace

int StoredDigits(int digits) {
  return std::clamp(digits, 0, 8);
}

int StoredFieldLength(int length) {
  return std::clamp(length, 0, 30);
}

std::string StoredRoundModus(std::string_view modus) {
  return modus == "german" || modus == "math" ? std::string(modus) : std::string();
}

long double StoredMaxValue(long double value) {
  return std::isnan(value) || value <= 0.0L || value > kDefaultMaxValue ? kDefaultMaxValue : value;
}

long double ClampedValue(long double value, long double maxValue) {
  if (std::isnan(value) || value < 0.0L) return 0.0L;
  return std::min(value, maxValue);
}

char ThousandsSeparator() {
  return Separator() == ',' ? '.' : ',';
}

std::string GroupThousands(std::string_view text) {
  const std::size_t end = std::min(text.find(Separator()), text.size());
  std::string grouped;
  grouped.reserve(text.size() + end / 3);
  for (std::size_t i = 0; i < end; ++i) {
    if (i > 0 && (end - i) % 3 == 0) grouped.push_back(ThousandsSeparator());
    grouped.push_back(text[i]);
  }
  grouped.append(text.substr(end));
  return grouped;
}

std::string CleanNumberText(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c != ThousandsSeparator() && c != ' ') kept.push_back(c);
  }
  return engine::NumericCharsOnly(kept);
}

long double ReadNumber(std::string_view clean) {
  std::string pointed = "0";
  for (char c : clean) pointed.push_back(c == Separator() ? '.' : c);
  if (pointed.back() == '.') pointed.pop_back();
  long double value = 0.0L;
  const auto [end, error] = std::from_chars(pointed.data(), pointed.data() + pointed.size(), value);
  if (error == std::errc::result_out_of_range) return std::numeric_limits<long double>::infinity();
  return error == std::errc() ? value : 0.0L;
}

std::string NumberText(long double value) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  std::replace(text.begin(), text.end(), '.', Separator());
  return engine::ExpandExponent(text);
}

ShownNumber TypedNumber(std::string_view text, const SepEdtSettings& settings) {
  std::string clean = CleanNumberText(text);
  std::size_t separator = clean.find(Separator());
  if (separator != std::string::npos && DecimalsOf(settings) == 0) {
    clean.erase(separator);
    separator = std::string::npos;
  }
  // Leading zeros go, one digit stays before the separator.
  const std::size_t integerEnd = std::min(separator, clean.size());
  std::size_t zeros = 0;
  while (zeros < integerEnd && clean[zeros] == '0') ++zeros;
  // Rebuilt rather than edited in place (g++ 12 warns falsely on replace).
  if (zeros == integerEnd) zeros = zeros > 0 ? zeros - 1 : 0;
  clean = (integerEnd == 0 ? std::string("0") : std::string()) + clean.substr(zeros);

  ShownNumber shown{clean, ReadNumber(clean)};
  if (shown.value > settings.maxValue) {
    shown.text = NumberText(settings.maxValue);
    shown.value = settings.maxValue;
  }
  const std::size_t point = shown.text.find(Separator());
  const int decimals = DecimalsOf(settings);
  if (settings.roundAtOnce && point != std::string::npos &&
      static_cast<int>(shown.text.size() - point - 1) > decimals) {
    engine::RoundResult rounded = RoundedWithin(shown.value, settings);
    shown = {rounded.text, rounded.value};
  }
  if (settings.with1000Sep) shown.text = GroupThousands(shown.text);
  return shown;
}

ShownNumber FormattedNumber(long double value, const SepEdtSettings& settings) {
  engine::RoundResult rounded = RoundedWithin(ClampedValue(value, settings.maxValue), settings);
  std::string text = settings.with1000Sep ? GroupThousands(rounded.text) : rounded.text;
  return {engine::PadRightAligned(text, StoredFieldLength(settings.fieldLength)), rounded.value};
}

ShownNumber FormattedText(std::string_view text, const SepEdtSettings& settings) {
  return FormattedNumber(ReadNumber(CleanNumberText(text)), settings);
}

}  // namespace controls

// SPDX-License-Identifier: MIT
#include "engine/timetext.h"

#include <cmath>

#include "engine/environment.h"
#include "engine/numbertext.h"

namespace engine {
namespace {

constexpr long long kMillisPerDay = 86'400'000;

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

struct TimeParts {
  char sign = 0;  // '+', '-' or 0 for none
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  int millis = 0;
  long long TotalMillis() const {
    return ((hours * 60LL + minutes) * 60 + seconds) * 1000 + millis;
  }
};

int DigitsAt(std::string_view text, std::size_t pos, std::size_t count) {
  int value = 0;
  for (std::size_t i = pos; i < pos + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// Reads and clamps a time text; false when its shape is not one of the three forms.
bool ParseTime(std::string_view text, TimeParts& parts) {
  parts = TimeParts{};
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    parts.sign = text[0];
    text.remove_prefix(1);
  }
  const std::size_t n = text.size();
  if (n != 5 && n != 8 && n != 12) return false;
  for (std::size_t i = 0; i < n; ++i) {
    const bool separator = i == 2 || i == 5 || i == 8;
    if (separator) {
      if (text[i] != (i == 8 ? '.' : ':')) return false;
    } else if (!IsDigit(text[i])) {
      return false;
    }
  }
  parts.hours = DigitsAt(text, 0, 2);
  parts.minutes = DigitsAt(text, 3, 2);
  if (n >= 8) parts.seconds = DigitsAt(text, 6, 2);
  if (n == 12) parts.millis = DigitsAt(text, 9, 3);
  if (parts.minutes > 59) parts.minutes = 59;
  if (parts.seconds > 59) parts.seconds = 59;
  if (parts.hours >= 24) parts = TimeParts{parts.sign, 24, 0, 0, 0};
  return true;
}

// "hh:mm:ss.mmm" of a time of day in milliseconds, hours up to 99.
void AppendClock(std::string& text, long long millis) {
  AppendZeroPadded(text, static_cast<int>(millis / 3'600'000), 2);
  text += ':';
  AppendZeroPadded(text, static_cast<int>(millis / 60'000 % 60), 2);
  text += ':';
  AppendZeroPadded(text, static_cast<int>(millis / 1000 % 60), 2);
  text += '.';
  AppendZeroPadded(text, static_cast<int>(millis % 1000), 3);
}

// A blank-trimmed whole number with an optional sign, 0 when unreadable.
int WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 6) return 0;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return 0;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

std::string_view Field(std::string_view text, std::size_t pos, std::size_t count) {
  if (pos >= text.size()) return {};
  return text.substr(pos, count);
}

}  // namespace

TimeTextResult NormalizeTimeText(std::string_view time) {
  TimeParts parts;
  if (!ParseTime(time, parts)) return {};
  TimeTextResult result{true, {}};
  result.text.reserve(13);
  if (parts.sign != 0) result.text += parts.sign;
  AppendClock(result.text, parts.TotalMillis());
  return result;
}

TimeSum AddTimeTexts(std::string_view time, std::string_view offset) {
  TimeParts t;
  TimeParts o;
  if (!ParseTime(time, t) || !ParseTime(offset, o)) return {};
  long long sum = o.sign == '-' ? t.TotalMillis() - o.TotalMillis()
                                : t.TotalMillis() + o.TotalMillis();  // [-1 day, 2 days]
  TimeSum result{true, 0, 0, {}};
  result.dayCarry = static_cast<int>(sum / kMillisPerDay - (sum % kMillisPerDay < 0));  // [-1, 2]
  sum -= result.dayCarry * kMillisPerDay;
  if (result.dayCarry != 0) result.text += result.dayCarry < 0 ? '-' : '+';
  result.seconds = static_cast<int>(sum / 1000);
  AppendClock(result.text, sum);
  return result;
}

std::string ShiftHours(std::string_view time, int hours) {
  if (hours < -23 || hours > 23) return {};
  const int magnitude = hours < 0 ? -hours : hours;
  std::string offset = hours < 0 ? "-00:00:00" : "+00:00:00";
  offset[1] = static_cast<char>('0' + magnitude / 10);
  offset[2] = static_cast<char>('0' + magnitude % 10);
  TimeSum sum = AddTimeTexts(time, offset);
  if (!sum.ok) return {};
  if (sum.dayCarry < 0) {
    // Going back past midnight is going forward by the rest of the day.
    offset[0] = '+';
    offset[1] = static_cast<char>('0' + (24 - magnitude) / 10);
    offset[2] = static_cast<char>('0' + (24 - magnitude) % 10);
    sum = AddTimeTexts(time, offset);
  }
  if (sum.dayCarry != 0) sum.text.erase(0, 1);
  return sum.text;
}

std::string CurrentTimeText() {
  const LocalDateTime now = Now();
  std::string text;
  text.reserve(8);
  AppendZeroPadded(text, now.hour, 2);
  text += ':';
  AppendZeroPadded(text, now.minute, 2);
  text += ':';
  AppendZeroPadded(text, now.second, 2);
  return text;
}

double OffsetHours(std::string_view offset) {
  const bool hasSign = !offset.empty() && (offset[0] == '+' || offset[0] == '-');
  const std::size_t start = hasSign ? 1 : 0;
  const int hours = WholeNumber(Field(offset, start, 2));
  const int minutes = WholeNumber(Field(offset, start + 3, 2));
  const int seconds = WholeNumber(Field(offset, start + 6, 2));
  const double magnitude = (hours * 3600.0 + minutes * 60.0 + seconds) / 3600.0;
  return hasSign && offset[0] == '-' ? -magnitude : magnitude;
}

std::string SignedTimeText(double hours) {
  long long millis = 0;
  if (std::isfinite(hours)) {
    const double rounded = std::round(hours * 3'600'000.0);
    millis = std::fabs(rounded) >= 360'000'000.0 ? (rounded < 0 ? -359'999'999 : 359'999'999)
                                                 : static_cast<long long>(rounded);
  }
  std::string text(1, millis < 0 ? '-' : '+');
  text.reserve(13);
  AppendClock(text, millis < 0 ? -millis : millis);
  return text;
}

std::string PadTwoDigits(std::string_view text) {
  if (text.size() == 1) return std::string("0") + text[0];
  return std::string(text);
}

std::string PadZeros(std::string_view text, int width) {
  std::string result;
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    result.assign(static_cast<std::size_t>(width) - text.size(), '0');
  }
  result += text;
  return result;
}

}  // namespace engine

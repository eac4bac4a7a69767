// SPDX-License-Identifier: MIT
#include "engine/workhours.h"

namespace engine {
namespace {

constexpr int kDaySeconds = 86400;

// The number of a two-digit field, -1 unless both are digits.
int TwoDigits(std::string_view text, std::size_t at) {
  const char a = text[at];
  const char b = text[at + 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
  return (a - '0') * 10 + (b - '0');
}

}  // namespace

std::optional<int> ClockSeconds(std::string_view time) {
  if (time.size() != 5 && time.size() != 8) return std::nullopt;
  if (time[2] != ':' || (time.size() == 8 && time[5] != ':')) return std::nullopt;
  const int hours = TwoDigits(time, 0);
  const int minutes = TwoDigits(time, 3);
  const int seconds = time.size() == 8 ? TwoDigits(time, 6) : 0;
  if (hours < 0 || hours > 24 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) {
    return std::nullopt;
  }
  if (hours == 24 && (minutes != 0 || seconds != 0)) return std::nullopt;
  return hours * 3600 + minutes * 60 + seconds;
}

std::string ClockText(int seconds, bool withSeconds) {
  if (seconds < 0 || seconds > kDaySeconds) return "";
  std::string text = "00:00:00";
  const int parts[3] = {seconds / 3600, seconds / 60 % 60, seconds % 60};
  for (int i = 0; i < 3; ++i) {
    text[static_cast<std::size_t>(3 * i)] = static_cast<char>('0' + parts[i] / 10);
    text[static_cast<std::size_t>(3 * i + 1)] = static_cast<char>('0' + parts[i] % 10);
  }
  if (!withSeconds) text.resize(5);
  return text;
}

namespace {

// The seconds of a time text, cut to whole minutes without seconds.
std::optional<int> Read(std::string_view time, bool withSeconds) {
  const std::optional<int> seconds = ClockSeconds(time);
  if (!seconds || withSeconds) return seconds;
  return *seconds - *seconds % 60;
}

}  // namespace

WorkHoursResult HoursBetween(std::string_view begin, std::string_view end, bool withSeconds) {
  const std::optional<int> from = Read(begin, withSeconds);
  const std::optional<int> to = Read(end, withSeconds);
  if (!from || !to) return {};
  int hours = *to - *from;
  if (hours < 0) hours += kDaySeconds;
  return {true, ClockText(hours, withSeconds)};
}

WorkHoursResult EndAfterHours(std::string_view begin, std::string_view hours, bool withSeconds) {
  const std::optional<int> from = Read(begin, withSeconds);
  const std::optional<int> length = Read(hours, withSeconds);
  if (!from || !length) return {};
  return {true, ClockText((*from + *length) % kDaySeconds, withSeconds)};
}

std::string WorkHoursCopyText(std::string_view begin, std::string_view end, std::string_view hours,
                              bool withSeconds) {
  const std::string_view rule = withSeconds ? "--------" : "-----";
  const std::string_view doubleRule = withSeconds ? "========" : "=====";
  std::string text;
  for (std::string_view piece :
       {begin, std::string_view(" "), kWorkBeginCaption, std::string_view("\r\n"), end,
        std::string_view(" "), kWorkEndCaption, std::string_view("\r\n"), rule,
        std::string_view("\r\n"), hours, std::string_view(" "), kWorkHoursCaption,
        std::string_view("\r\n"), doubleRule, std::string_view("\r\n")}) {
    text += piece;
  }
  return text;
}

}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/chosenday.h"

#include "engine/daynumber.h"

namespace engine {

namespace {

constexpr int kDaySeconds = 86400;

void AppendTwoDigits(std::string& out, int value) {
  out.push_back(static_cast<char>('0' + value / 10 % 10));
  out.push_back(static_cast<char>('0' + value % 10));
}

// A field of exactly two digits.
std::optional<int> TwoDigitField(std::string_view text) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
    return std::nullopt;
  }
  return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

std::string TimeOfDayText(TimeOfDay time) {
  std::string text;
  text.reserve(8);
  AppendTwoDigits(text, time.hour);
  text.push_back(':');
  AppendTwoDigits(text, time.minute);
  text.push_back(':');
  AppendTwoDigits(text, time.second);
  return text;
}

TimeOfDay TimeOfDayOfSeconds(int seconds) {
  seconds %= kDaySeconds;
  if (seconds < 0) seconds += kDaySeconds;
  return {seconds / 3600, seconds / 60 % 60, seconds % 60};
}

std::optional<TimeOfDay> ReadTimeOfDay(std::string_view text) {
  if (text.size() != 5 && text.size() != 8) return std::nullopt;
  if (text[2] != ':' || (text.size() == 8 && text[5] != ':')) return std::nullopt;
  const std::optional<int> hour = TwoDigitField(text.substr(0, 2));
  const std::optional<int> minute = TwoDigitField(text.substr(3, 2));
  const std::optional<int> second =
      text.size() == 8 ? TwoDigitField(text.substr(6, 2)) : std::optional<int>(0);
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  return TimeOfDay{*hour, *minute, *second};
}

std::string DateTextOf(const ChosenDay& day) {
  return FormatDateText(day.date());
}

bool IsChosenDayValid(const ChosenDay& day) {
  const int last = day.gregorian() ? kLastDayNumber : kLastJulianDayNumber;
  return day.dayNumber >= kFirstDayNumber && day.dayNumber <= last;
}

std::optional<ChosenDay> ReadChosenDay(std::string_view date, std::string_view region,
                                       std::string_view time, CalendarKind calendar) {
  const DateCheck check = CheckDate(date, calendar);
  const std::optional<TimeOfDay> clock = ReadTimeOfDay(time);
  if (!check.ok() || !clock) return std::nullopt;
  ChosenDay day{check.dayNumber, calendar, std::string(region), *clock};
  if (!IsChosenDayValid(day)) return std::nullopt;
  return day;
}

}  // namespace engine

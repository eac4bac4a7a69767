// SPDX-License-Identifier: MIT
#include "engine/bridgedays.h"

#include <algorithm>

#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/deadline.h"

namespace engine {
namespace {

constexpr auto kGregorian = CalendarKind::Gregorian;
constexpr int kMostLeaveDays = 2;

std::string_view TwoLetters(int day) {
  return WeekDayAbbreviation(WeekDayOf(day)).substr(0, 2);
}

std::string DateText(int day) {
  return FormatDateText(CivilDateOf(day, kGregorian));
}

std::string StretchText(const BridgeStretch& s) {
  std::string text = std::string(s.weekday) + " " + DateText(s.firstLeave);
  for (int day = s.firstLeave + 1; day <= s.lastLeave; ++day) {
    text += " und " + std::string(TwoLetters(day)) + " " + DateText(day);
  }
  return text + ": " + s.gain + ", " + DaySpanText(s.firstFree, s.lastFree);
}

bool IsFree(int day, std::string_view region) {
  return WeekDayOf(day) >= 6 || IsLegalHolidayOn(day, region);
}

}  // namespace

std::vector<BridgeStretch> BridgeDaysBetween(int first, int last, std::string_view region) {
  std::vector<BridgeStretch> stretches;
  first = std::max(first, kFirstDayNumber + 1);
  last = std::min(last, kLastDayNumber - 1);
  const auto free = [region](int day) { return IsFree(day, region); };
  for (int day = first; day <= last; ++day) {
    // A run of working days that starts here, right after a free day.
    if (free(day) || !free(day - 1)) continue;
    int end = day;
    while (end - day + 1 <= kMostLeaveDays && end + 1 <= kLastDayNumber && !free(end + 1)) {
      ++end;
    }
    // Longer runs, and runs at the end of the range, are no bridge.
    if (end - day + 1 > kMostLeaveDays || end + 1 > kLastDayNumber) continue;
    // It must touch a legal holiday on one side; two weekends lie five
    // working days apart.
    if (!IsLegalHolidayOn(day - 1, region) && !IsLegalHolidayOn(end + 1, region)) continue;
    BridgeStretch s;
    s.firstLeave = day;
    s.lastLeave = end;
    s.leaveDays = end - day + 1;
    s.firstFree = day - 1;
    while (s.firstFree - 1 >= kFirstDayNumber && free(s.firstFree - 1)) --s.firstFree;
    s.lastFree = end + 1;
    while (s.lastFree + 1 <= kLastDayNumber && free(s.lastFree + 1)) ++s.lastFree;
    s.freeDays = s.lastFree - s.firstFree + 1;
    s.weekday = TwoLetters(day);
    s.gain = std::to_string(s.leaveDays) + (s.leaveDays == 1 ? " Urlaubstag" : " Urlaubstage") +
             " → " + std::to_string(s.freeDays) + " freie Tage";
    s.text = StretchText(s);
    stretches.push_back(std::move(s));
    day = end;
  }
  return stretches;
}

std::vector<BridgeStretch> BridgeDaysOfYear(int year, std::string_view region) {
  if (year < 1 || year > 3000) return {};
  return BridgeDaysBetween(DayNumberOf({year, 1, 1}, kGregorian),
                           DayNumberOf({year, 12, 31}, kGregorian), region);
}

}  // namespace engine

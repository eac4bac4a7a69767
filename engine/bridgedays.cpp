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

bool IsFree(int day, std::string_view region) {
  return WeekDayOf(day) >= 6 || IsLegalHolidayOn(day, region);
}

std::string TwoLetters(int day) {
  static constexpr std::string_view kNames[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  return std::string(kNames[WeekDayOf(day) - 1]);
}

std::string DateText(int day) {
  return FormatDateText(CivilDateOf(day, kGregorian));
}

// "14.05.–17.05.2026", or "30.12.2026–01.01.2027" across a year's end.
std::string SpanText(int first, int last) {
  const CivilDate from = CivilDateOf(first, kGregorian);
  const CivilDate to = CivilDateOf(last, kGregorian);
  const std::string start = DateText(first);
  return (from.year == to.year ? start.substr(0, 6) : start) + "–" + DateText(last);
}

std::string StretchText(const BridgeStretch& s) {
  std::string text = TwoLetters(s.firstLeave) + " " + DateText(s.firstLeave);
  for (int day = s.firstLeave + 1; day <= s.lastLeave; ++day) {
    text += " und " + TwoLetters(day) + " " + DateText(day);
  }
  text += ": " + std::to_string(s.leaveDays) + (s.leaveDays == 1 ? " Urlaubstag" : " Urlaubstage");
  text += " → " + std::to_string(s.freeDays) + " freie Tage, " + SpanText(s.firstFree, s.lastFree);
  return text;
}

}  // namespace

std::vector<BridgeStretch> BridgeDaysBetween(int first, int last, std::string_view region) {
  std::vector<BridgeStretch> stretches;
  first = std::max(first, kFirstDayNumber + 1);
  last = std::min(last, kLastDayNumber - 1);
  for (int day = first; day <= last; ++day) {
    // A run of working days that starts here, right after a free day.
    if (IsFree(day, region) || !IsFree(day - 1, region)) continue;
    int end = day;
    while (end - day + 1 <= kMostLeaveDays && end + 1 <= kLastDayNumber &&
           !IsFree(end + 1, region)) {
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
    while (s.firstFree - 1 >= kFirstDayNumber && IsFree(s.firstFree - 1, region)) --s.firstFree;
    s.lastFree = end + 1;
    while (s.lastFree + 1 <= kLastDayNumber && IsFree(s.lastFree + 1, region)) ++s.lastFree;
    s.freeDays = s.lastFree - s.firstFree + 1;
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

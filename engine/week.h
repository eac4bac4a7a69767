// SPDX-License-Identifier: MIT
// Calendar weeks: the week of a date and the Monday of a week. Weeks begin on
// Monday and week 1 holds the year's first Thursday, which is ISO 8601 in the
// Gregorian calendar; the Julian calendar applies the same rule to its own
// leap years.
#pragma once

#include <string_view>

#include "engine/daynumber.h"

namespace engine {

struct Week {
  int week = 0;      // 1..53
  int weekYear = 0;  // differs from the date's year at the ends of a year
  friend bool operator==(const Week&, const Week&) = default;
};

// WeekOfDayNumber: the week of a day number in the calendar.
Week WeekOfDayNumber(int jd, CalendarKind kind);  // 2459216 (01.01.2021), G -> {53, 2020}

// WeekOfDay: the same for a caller that has the date of the day number too.
Week WeekOfDay(int jd, const CivilDate& date, CalendarKind kind);

struct WeekResult {
  int code = 0;  // the code of DateToJD; the week is set only when it is 1
  Week week;
};

// WeekOf: the week of a date text.
WeekResult WeekOf(std::string_view date, CalendarKind kind);  // "31.12.2024", G -> {1, {1, 2025}}

// What the search for the Monday of a week found.
enum class WeekMondayStatus {
  Found,
  NoSuchWeek,  // the year has only 52 weeks, or the year is 0
  OutOfRange,  // 1 January of the year lies before the Julian range
  Unreadable,  // a year of more than four digits, or a day number beyond reach
};
struct WeekMonday {
  WeekMondayStatus status = WeekMondayStatus::Unreadable;
  int dayNumber = 0;  // the Monday, when found
};

// MondayOfWeekNumber: the Monday of week w of year Y as a day number.
WeekMonday MondayOfWeekNumber(int week, int year,
                              CalendarKind kind);  // (1, 2026, G) -> {Found, 2461039}

// MondayOfWeek: the day number of the Monday of week w of year Y, as text.
// Codes: 1 found; -2 the year has no such week (only 52 weeks); otherwise the
// code of DateToJD for 1 January of the year. The text is empty unless 1.
JdResult MondayOfWeek(int week, int year, CalendarKind kind);  // (1, 2026, G) -> {1, "2461039"}

}  // namespace engine

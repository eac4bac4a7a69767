// SPDX-License-Identifier: MIT
// Moving through the calendar by days, weeks, months and years, as the tools
// panel's move elements and `razaduvovi-cli verschiebe` do: the unit words
// with their plural endings, the commands "backDay" ... "forwYear", and the
// arithmetic that holds a move at the ends of the calendar's range with the
// date edit's range message.
#pragma once

#include <string>
#include <string_view>

#include "engine/civildate.h"

namespace engine {

// ---- Units of a move -----------------------------------------------------------

// UnitForCount: the unit's base ("Tag", "Woche", "Monat", "Jahr") with the
// plural ending ("n" for "Woche", else "e") for every count but 1.
std::string UnitForCount(std::string_view unit, long long count);  // ("Monat", 2) -> "Monate"

// NextUnit: the unit after a unit by its first letter: day, week, month,
// year and back to day; outside the Gregorian calendar a week is followed
// by a day.
std::string NextUnit(std::string_view unit, long long count,
                     bool gregorian);  // ("Wochen", 2, false) -> "Tage"

// CalendarUnit: a month or year unit becomes a day outside the Gregorian
// calendar; any other unit stays.
std::string CalendarUnit(std::string_view unit, long long count,
                         bool gregorian);  // ("Monate", 3, false) -> "Tage"

// NavigationCommand: the command of a move by the first letter of the unit
// ("backDay" ... "forwYear"); empty for a month move outside the Gregorian
// calendar and for an unknown unit.
std::string NavigationCommand(bool forward, std::string_view unit,
                              bool gregorian);  // (true, "Wochen", true) -> "forwWeek"

// IsNavigationCommand: whether a command is one of "backDay" ... "forwYear".
bool IsNavigationCommand(std::string_view command);  // "forwWeek" -> true, "forw" -> false

// ---- Navigation ---------------------------------------------------------------

// The result of a move: whether it happened, the day it leads to, and the
// date edit's range message (1..4 for M1..M4) when it was held at an end.
struct Move {
  bool moved = false;
  int dayNumber = 0;
  int message = 0;
};

// Navigate: the day `count` units from a day by a navigation command. Days
// and weeks move by day numbers in either calendar; months (Gregorian only)
// carry the year and clamp the day; years keep day and month (29 February
// becomes 28 February). A result past an end of the calendar's range, or
// one that cannot be formed, is held at the nearest end of the range with
// its message; a move forward never ends at the first day.
Move Navigate(int dayNumber, std::string_view command, long long count,
              CalendarKind kind);  // (31.01.2024, "forwMonth", 1, G) -> 29.02.2024

}  // namespace engine

// SPDX-License-Identifier: MIT
// Easter and the movable feasts: the golden number, Easter Sunday in the
// Gregorian and the Julian calendar, the Sundays fixed by a weekday rule
// (fourth Advent, harvest Sunday, heroes' Sunday), and the movable feast of a
// day in a region with its legal flag.
//
// Every position is a day of the year (1 = 1 January) of the calendar in which
// the day is described, and Easter is computed in that same calendar; the
// caller passes the year's leap flag of that calendar. The fixed-date holidays
// and the country validity of the legal flag are applied elsewhere.
#pragma once

#include <string>
#include <string_view>

#include "engine/daynumber.h"
#include "engine/region.h"

namespace engine {

// GoldenNumber: the year in the 19-year moon cycle, 1..19; -1 below the year 1.
int GoldenNumber(int year);  // GoldenNumber(2019) == 6

// EasterGregorian: the day of the year of Easter Sunday in every Gregorian
// year from 1583 on (to 9999), -1 before 1583 and after 9999.
int EasterGregorian(int year);  // EasterGregorian(2000) == 114 (23 April)

// EasterJulian: the day of the year of Easter Sunday in the Julian calendar
// for every year from 1; -1 below the year 1.
int EasterJulian(int year);  // EasterJulian(1582) == 105 (15 April)

// EasterDay: EasterGregorian or EasterJulian by the kind.
int EasterDay(int year, CalendarKind kind);  // (2024, Gregorian) -> 91

// The Sundays fixed by a weekday rule, from the Easter day (any Sunday of the
// year serves) and the leap flag of the year:
// FourthAdventDay: the last Sunday on or before 24 December.
int FourthAdventDay(int easterDay, bool leap);  // (99, false) for 2023 -> 358 (24 December)
// HarvestSundayDay: the first Sunday after 29 September.
int HarvestSundayDay(int easterDay, bool leap);  // (91, true) for 2024 -> 280 (6 October)
// HeroesSundayDay: the last Sunday on or before 16 March.
int HeroesSundayDay(int easterDay, bool leap);  // (84, true) for 1940 -> 70 (10 March)

// A movable feast of a day: its name ("" when none) and legal flag (1 legal
// holiday, 0 named day without legal status, -1 no Easter that year).
struct Feast {
  std::string name;
  int legal = 0;
  friend bool operator==(const Feast&, const Feast&) = default;
};

// MovableFeast: the feast that depends on Easter or on a weekday rule on that
// day of the year in the region. German and Austrian regions, Croatian ("HR",
// "HR-...") and Danish ("DK", "DK-...") regions have their own lists; any
// other region has none. An Easter day below 1 gives {"", -1}.
Feast MovableFeast(int dayOfYear, int easterDay, int year, const Region& region,
                   bool leap);  // (92, 91, 2024, Lower Saxony, true) -> {"Ostermontag", 1}
// The same for a region code, looked up first.
Feast MovableFeast(int dayOfYear, int easterDay, int year, std::string_view code,
                   bool leap);  // (92, 91, 2024, "D-NI", true) -> {"Ostermontag", 1}

}  // namespace engine

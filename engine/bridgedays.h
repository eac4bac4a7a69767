// SPDX-License-Identifier: MIT
// Bridge days: working days (not Saturday, Sunday or a legal holiday of the
// region) that join a legal holiday to a weekend or to another legal holiday
// with at most two working days in between. Taking them as leave gives a
// stretch of free days; a leave planner looks for them first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct BridgeStretch {
  int firstLeave = 0;  // day numbers of the leave days, first and last
  int lastLeave = 0;
  int leaveDays = 0;
  int firstFree = 0;  // the whole free stretch the leave gives
  int lastFree = 0;
  int freeDays = 0;
  std::string_view weekday;  // of the first leave day, "Fr"
  std::string gain;          // "1 Urlaubstag → 4 freie Tage"
  // "Fr 15.05.2026: 1 Urlaubstag → 4 freie Tage, 14.05.–17.05.2026"
  std::string text;
};

// BridgeDaysOfYear: the stretches whose first leave day lies in the
// Gregorian year, in day order; none for a region without legal holidays
// and for a year outside 1..3000.
std::vector<BridgeStretch> BridgeDaysOfYear(int year, std::string_view region);
// (2026, "D-NI") -> {..., "Fr 15.05.2026: 1 Urlaubstag → 4 freie Tage, 14.05.–17.05.2026", ...}

// BridgeDaysBetween: the same for the stretches whose first leave day lies
// between two day numbers, both included.
std::vector<BridgeStretch> BridgeDaysBetween(int first, int last, std::string_view region);

}  // namespace engine

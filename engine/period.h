// SPDX-License-Identifier: MIT
// The period between two dates as text: time years, months, weeks and days,
// the total days, and the split into calendar years and Roman calendar years
// (March to February) with the parts that fall into the first and the last
// year. The date-difference page, the interest window and the calendar
// component's service all show this one text.
//
// Dates are Gregorian texts DD.MM.YYYY; each comes with a flag whether its
// day is counted ("inkl.") or not ("exkl."). Equal dates are a period of one
// day when both are counted, else of none; a period of no day is 0 in every
// count.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/interestdays.h"

namespace engine {

// The message for a start after the end.
inline constexpr std::string_view kStartAfterEndMessage =
    "Das Anfangsdatum darf NICHT größer sein als das Enddatum!";

// Every count of a period.
struct PeriodCounts {
  int timeYears = 0;       // whole time years (anniversary to anniversary)
  int daysAfterYear = 0;   // days after the last anniversary
  int timeMonths = 0;      // whole months after the last anniversary
  int daysAfterMonth = 0;  // days after the last monthly anniversary
  int days = 0;            // total days
  int weeks = 0;           // days / 7
  int weekDays = 0;        // days % 7
  PeriodSplit calendar;    // in calendar years
  PeriodSplit roman;       // in Roman calendar years
};

struct PeriodTextResult {
  int code = 0;  // 1; -1 the start lies after the end (text is the message); 0 a date is invalid
  std::string text;                // every line ended by CR LF
  std::vector<std::string> lines;  // the lines of the text without their breaks
  PeriodCounts counts;
};

// PeriodText: the period text of two dates and their inclusion flags.
PeriodTextResult PeriodText(std::string_view start, std::string_view end, bool startInclusive,
                            bool endInclusive);
// PeriodText: the same for two Gregorian day numbers (code 0 outside the range).
PeriodTextResult PeriodText(int startDayNumber, int endDayNumber, bool startInclusive,
                            bool endInclusive);
// ("15.03.2023", "10.02.2025", false, true) -> lines {"Vom 15.03.2023 (exkl.) bis 10.02.2025
// (inkl.):", "", "1 Zeitjahr, 332 Tage", ...}

// CountText: a number, a blank and the unit, with the plural ending ("n"
// for "Zeitwoche", else "e") for every number but 1.
std::string CountText(int count, std::string_view unit);  // (2, "Zeitwoche") -> "2 Zeitwochen"

}  // namespace engine

// SPDX-License-Identifier: MIT
// Interest day counting: an interest period split into whole interest years
// and remaining interest days by one of eleven day-count methods, in one of
// three year frames (calendar year, Roman calendar year 1 March to end of
// February, time year anniversary to anniversary), with the labels of the
// day counts. The interest amounts themselves are not computed here.
//
// Dates are Gregorian texts DD.MM.YYYY. A period comes with two flags: the
// start day is counted or not, the end day is counted or not. An end before
// the start is exchanged with it. A counted start moves the start one day
// back, an uncounted end moves the end one day back; the period is then the
// days after the start up to and including the end. A period left without
// any day is 0 years and 0 days in every method.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// One entry of the method list of the interest window: its position in the
// list, its text and the method number that CountInterestDays takes.
struct InterestMethod {
  int listIndex = 0;
  std::string_view text;
  int number = 0;
};

inline constexpr std::array<InterestMethod, 11> kInterestMethods = {{
    {0, "actual/actual im Kalenderjahr", 3},
    {1, "actual/actual im Röm. Kalenderjahr", 4},
    {2, "actual/365 im Kalenderjahr", 7},
    {3, "actual/365 im Röm. Kalenderjahr", 8},
    {4, "actual/360 im Kalenderjahr", 5},
    {5, "actual/360 im Röm. Kalenderjahr", 6},
    {6, "30/360 im Kalenderjahr (mit 31.)", 9},
    {7, "30/360 im Röm. Kalenderjahr (mit 31.)", 10},
    {8, "30/360 im Zeitjahr (mit 31.)", 11},
    {9, "30/360 im Kalenderjahr", 0},
    {10, "30/360 im Röm. Kalenderjahr", 1},
}};

// InterestMethodOfNumber: the list entry of a method number, nullopt for a
// number that is no method (2, or outside 0..11).
std::optional<InterestMethod> InterestMethodOfNumber(int number);  // 0 -> {9, "30/360 im ...", 0}

// A period split into a year frame. Years are numbered in the frame: the
// Roman year 2019 runs from 01.03.2019 to the end of February 2020.
struct PeriodSplit {
  int wholeYears = 0;
  int firstYearDays = 0;    // days left in the first year, after the start
  int lastYearDays = 0;     // days of the last year, up to the end
  int daySum = 0;           // firstYearDays + lastYearDays
  int firstYearMonths = 0;  // whole months of the first year after the start month
  int startMonthDays = 0;   // days left in the start month
  int lastYearMonths = 0;   // whole months of the last year
  int endMonthDays = 0;     // days of the end month
  int monthSum = 0;         // firstYearMonths + lastYearMonths
  int brokenMonthDays = 0;  // startMonthDays + endMonthDays
  bool firstYearLeap = false;
  bool lastYearLeap = false;
  int firstYear = 0;  // frame year of the (moved) start
  int lastYear = 0;   // frame year of the (moved) end
  friend bool operator==(const PeriodSplit&, const PeriodSplit&) = default;
};

struct SplitResult {
  int code = 0;  // 1, or 0 when a date cannot be read (the split is then all zero)
  PeriodSplit split;
};

// SplitCalendarYears: the period in calendar years, months and days.
SplitResult SplitCalendarYears(std::string_view start, std::string_view end, bool startCounted,
                               bool endCounted);  // "15.03.2019", "15.03.2020", false, true
                                                  // -> daySum 366 = 291 + 75, wholeYears 0

// SplitRomanYears: the same in Roman calendar years and months.
SplitResult SplitRomanYears(std::string_view start, std::string_view end, bool startCounted,
                            bool endCounted);  // "01.03.2019", "29.02.2020", true, true
                                               // -> wholeYears 1, daySum 0

struct TimeSplit {
  int code = 0;            // 1, or 0 when a date cannot be read
  int years = 0;           // whole time years
  int days = 0;            // days after the last anniversary
  int months = 0;          // whole months after the last anniversary
  int daysAfterMonth = 0;  // days after the last monthly anniversary
  friend bool operator==(const TimeSplit&, const TimeSplit&) = default;
};

// SplitTimeYears: the period in time years and months, anniversary to
// anniversary. A 29 February start has its anniversary on 28 February of a
// common year; a counted start on the first of a month runs in whole
// calendar months and years, from the end of the month before.
TimeSplit SplitTimeYears(std::string_view start, std::string_view end, bool startCounted,
                         bool endCounted);  // "29.02.2020", "28.02.2021", false, true
                                            // -> {1, 1, 0, 0, 0}

struct NormalLeapDays {
  int firstYearLength = 365;
  int lastYearLength = 365;
  int leapDays = 0;
  int normalDays = 0;
  friend bool operator==(const NormalLeapDays&, const NormalLeapDays&) = default;
};

// SplitNormalLeapDays: the days of the first and the last year given to
// normal years and leap years by the leap flags of the two years.
NormalLeapDays SplitNormalLeapDays(int firstYearDays, int lastYearDays, bool firstLeap,
                                   bool lastLeap);  // (291, 75, false, true) -> {365, 366, 75, 291}

// ToRomanDate: month and year in Roman numbering (March = 1 ... February =
// 12 of the year before); "" for a text that is no Gregorian date.
std::string ToRomanDate(std::string_view date);  // "15.01.2020" -> "15.11.2019"

// FromRomanDate: back to the calendar numbering; "" for no Roman date.
std::string FromRomanDate(std::string_view romanDate);  // "29.12.2019" -> "29.02.2020"

struct InterestDays {
  int code = 0;  // 1, or 0 for an unreadable date or an unknown method
  int years = 0;
  int days = 0;
  int leapDays = 0;    // actual/actual only
  int normalDays = 0;  // actual/actual only
  std::string dayLabel;
  std::string leapLabel;  // actual/actual only
};

// CountInterestDays: interest years and days of a method number (0, 1, 3..11),
// with the labels. actual/actual (3, 4) also splits the days into normal-year
// and leap-year days, whose labels name the frame years the days lie in.
InterestDays CountInterestDays(int method, std::string_view start, std::string_view end,
                               bool startCounted, bool endCounted);
// (3, "15.03.2019", "15.03.2020", false, true) -> {1, 0, 366, 75, 291,
//     "Zinstage im Normaljahr 2019", "Zinstage im Schaltjahr 2020"}

}  // namespace engine

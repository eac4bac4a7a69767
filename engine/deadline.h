// SPDX-License-Identifier: MIT
// Deadlines after the German civil code (§§ 187 (1), 188, 189, 193 BGB): the
// day arithmetic on dates (days, weeks, months with the day clamped to the
// month's length, years), the next working day of a region, and the table of
// the thirteen common periods of the deadline page with its copy text.
//
// All arithmetic is Gregorian. Dates are DD.MM.YYYY texts at the edges and
// day numbers inside; a result is any valid date of the years 1 to 9999, so
// that a navigation or a period may overshoot the calendar's range and the
// caller decides what to do with it. A working day is a day that is neither
// a Sunday, nor a legal holiday of the region, nor (unless Saturdays count as
// working days) a Saturday; the search stops at the end of the supported
// range (31.12.3000).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// ---- Day arithmetic ----------------------------------------------------------

enum class PeriodUnit { Day, Week, Month, Year };

// ShiftDayNumber: the Gregorian day number `count` units after the day
// (before it for a negative count). Months carry into the year and keep the
// day, clamped to the length of the target month; years keep day and month
// (29 February becomes 28 February) and stop at 9999 going forward. nullopt
// when the day or the result lies outside the years 1..9999.
std::optional<int> ShiftDayNumber(int jd, PeriodUnit unit,
                                  long long count);  // (2459976, Month, 1) -> 2460004 (28.02.2023)

// The date-text operations: the count is a number of units forward (Add*)
// or back (Sub*); a negative count goes the other way. Empty when the input
// is no valid Gregorian date of the years 1..9999 or the result cannot be
// formed (a year below 1, or above 9999 by months, days or weeks).
std::string AddDays(std::string_view date, long long n);    // ("31.01.2023", 15) -> "15.02.2023"
std::string AddWeeks(std::string_view date, long long n);   // ("31.01.2023", 1) -> "07.02.2023"
std::string AddMonths(std::string_view date, long long n);  // ("31.01.2023", 1) -> "28.02.2023"
std::string AddYears(std::string_view date, long long n);   // ("29.02.2024", 1) -> "28.02.2025"
std::string SubDays(std::string_view date, long long n);    // ("01.03.2024", 1) -> "29.02.2024"
std::string SubWeeks(std::string_view date, long long n);   // ("07.02.2023", 1) -> "31.01.2023"
std::string SubMonths(std::string_view date, long long n);  // ("31.03.2023", 1) -> "28.02.2023"
std::string SubYears(std::string_view date, long long n);   // ("29.02.2024", 4) -> "29.02.2020"

// ---- Working days --------------------------------------------------------------

// IsLegalHolidayOn: whether the day is a legal holiday of the region (the
// Gregorian holiday rules; false outside the supported range).
bool IsLegalHolidayOn(int jd, std::string_view region);  // (2460587 = 03.10.2024, "D-NI") -> true

// NextWorkingDayNumber: the first working day from the day on (the day
// itself included); nullopt when the search leaves the supported range.
std::optional<int> NextWorkingDayNumber(int jd, std::string_view region,
                                        bool saturdayWorks);  // (2459984 = Sa 11.02.2023, "D-NI",
                                                              //  false) -> 2459986 (Mo 13.02.)

// NextWorkingDay: the date text of NextWorkingDayNumber with Saturday no
// working day; empty when there is none in the range.
std::string NextWorkingDay(int jd, std::string_view region);  // (2459984, "D-NI") -> "13.02.2023"

// NextWorkingDaySat: the same with Saturday a working day.
std::string NextWorkingDaySat(int jd,
                              std::string_view region);  // (2459984, "D-NI") -> "11.02.2023"

// ---- The deadline table ---------------------------------------------------------

// The caption of the deadline page and its heading cells.
inline constexpr std::string_view kDeadlineCaption = "Fristenberechnung nach § 187 I BGB";
inline constexpr std::string_view kDeadlineStartHeading = "Fristbeginn";
inline constexpr std::string_view kDeadlineEndHeading = "Fristende";

// The statute texts of the page's hints, every line ended by CR LF.
extern const std::string_view kStatute187;
extern const std::string_view kStatute188And193;
extern const std::string_view kStatute189;
// The hint of "Fristbeginn": § 187 and the note that paragraph 1 applies.
std::string DeadlineStartHint();

// One period of the table: its name and how far it reaches.
struct DeadlinePeriod {
  std::string_view name;  // "1 Woche"
  PeriodUnit unit;
  int count;
  bool red;  // "2 Wochen" and "1 Monat" are shown in red
};

inline constexpr std::array<DeadlinePeriod, 13> kDeadlinePeriods = {{
    {"1 Woche", PeriodUnit::Week, 1, false},
    {"2 Wochen", PeriodUnit::Week, 2, true},
    {"3 Wochen", PeriodUnit::Week, 3, false},
    {"4 Wochen", PeriodUnit::Week, 4, false},
    {"1/2 Monat", PeriodUnit::Day, 15, false},
    {"1 Monat", PeriodUnit::Month, 1, true},
    {"2 Monate", PeriodUnit::Month, 2, false},
    {"3 Monate", PeriodUnit::Month, 3, false},
    {"6 Monate", PeriodUnit::Month, 6, false},
    {"9 Monate", PeriodUnit::Month, 9, false},
    {"1/4 Jahr", PeriodUnit::Month, 3, false},
    {"1/2 Jahr", PeriodUnit::Month, 6, false},
    {"1 Jahr", PeriodUnit::Year, 1, false},
}};

// One row of the table. The end is empty when the raw end lies after the
// supported range (or no working day follows it there); the cell is then
// empty too, never ", ".
struct DeadlineRow {
  DeadlinePeriod period;
  std::string rawEnd;   // "11.02.2023": the end before § 193 moves it
  std::string end;      // "13.02.2023"
  std::string weekday;  // "Mo"
  std::string cell;     // "13.02.2023, Mo"
};

struct DeadlineTable {
  int code = 0;              // 1, or 0 when the start is no date of the supported range
  std::string start;         // "31.01.2023"
  std::string startWeekday;  // "Di"
  std::string region;        // "D-NI"
  std::string regionName;    // "Niedersachsen"; the code for a region without a row
  std::array<DeadlineRow, 13> rows;
  std::string copyText;  // the whole clipboard text, the caption once at its top
};

// ComputeDeadlines: the thirteen periods from a start date (the day of the
// event, which does not count) in a region. The start itself is not moved.
DeadlineTable ComputeDeadlines(std::string_view start,
                               std::string_view region);  // ("31.01.2023", "D-NI")
                                                          // -> rows[5].cell "28.02.2023, Di"

// ComputeDeadlines: the same from the start's day number; code 0 outside the
// supported range.
DeadlineTable ComputeDeadlines(int startDayNumber, std::string_view region);

// DeadlineCellPlaceholder: what the end cells show after a click on a
// caption of the date edit, until the next computation.
inline constexpr std::string_view kDeadlineCellPlaceholder = "----";

}  // namespace engine

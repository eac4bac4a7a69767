// SPDX-License-Identifier: MIT
// The facts of one day in one region and calendar: day number, weekday, day
// of the year, week, moon, Easter of the year and the day's holidays. The
// controls build their descriptions, colours and holiday lists from them.
// Each function takes the looked-up `Region`; its form with a region code
// looks the region up and gives the same.
#pragma once

#include <string>
#include <string_view>

#include "engine/daynumber.h"
#include "engine/version.h"
#include "engine/region.h"

namespace engine {

// The engine's version text: the program's.
inline constexpr std::string_view kEngineVersion = kProgramVersion;

// Every field refers to the calendar kind of the query; all but result are
// set only when result is 1.
struct DayFacts {
  int result = 0;           // the code of the date conversion
  CivilDate civil;          // the date itself
  std::string date;         // DD.MM.YYYY
  std::string jd;           // the day number as decimal text
  int dayNumber = 0;        // the same as an integer
  int weekday = 0;          // 1 = Monday ... 7 = Sunday
  std::string weekdayName;  // "Montag" ...
  int dayOfYear = 0;
  int daysInYear = 0;  // 365 or 366
  int week = 0;
  int weekYear = 0;
  int daysInWeekYear = 0;   // 365 or 366
  int goldenNumber = 0;     // the year in the 19-year moon cycle
  int moonAge = 0;          // days since the last new moon, 0..30
  std::string moonPhase;    // "zunehmender Mond, 1 d alt", ...
  int easterDay = -1;       // day of the year of Easter Sunday, -1 when none
  int holidayFlag = 0;      // 1 when a holiday of the day is legal there
  std::string holidayText;  // the names joined by ", "; "x" for a region without rules
  std::string version;      // kEngineVersion
};

// DayFactsOfDate: the facts of a date text. A Gregorian date gets no range
// test here (the callers apply JDInRange first); a Julian one must lie in the
// supported range.
DayFacts DayFactsOfDate(std::string_view date, std::string_view code, CalendarKind kind);
// ("03.10.2024", "D-NI", Gregorian) -> {1, "03.10.2024", "2460587", ..., "Tag der deutschen
// Einheit"}
DayFacts DayFactsOfDate(std::string_view date, const Region& region, CalendarKind kind);

// DayFactsOfJD: the facts of a day number (text that is no number counts as
// 0); result -1 outside the supported range.
DayFacts DayFactsOfJD(int jd, const Region& region, CalendarKind kind);
DayFacts DayFactsOfJD(std::string_view jd, const Region& region, CalendarKind kind);
DayFacts DayFactsOfJD(std::string_view jd, std::string_view code, CalendarKind kind);
DayFacts DayFactsOfJD(int jd, std::string_view code, CalendarKind kind);

}  // namespace engine

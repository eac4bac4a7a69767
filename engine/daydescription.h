// SPDX-License-Identifier: MIT
// The texts that describe a day and a year: the day description (every fact
// of a day, from its weekday to sunrise and the distance to today) and the
// holiday list of a year in a region. Each comes as one text, its lines
// joined by "\n\r", and as a list of lines; the date edit shows them as hints
// and lists, the composite copies them, the command line prints them.
//
// The formatting of the zone, the sun times and the signed time differences
// lives in DayTimesOf, so that every view shows them alike: times as hh:mm
// rounded to the minute, differences as "+hh:mm" or "-hh:mm", the equation of
// time with one decimal and the declination in degrees with two.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/dayfacts.h"
#include "engine/legaltime.h"

namespace engine {

// The line break inside the one-text forms.
inline constexpr std::string_view kDescriptionBreak = "\n\r";

// The legal time and the sun of a day at the capital of a region.
struct DayTimes {
  DstResult legal;             // state, switch code, switch text T, zone
  std::string zone;            // the zone of the time lines: "MOZ" and "WOZ" read as "MEZ"
  int offsetHours = 1;         // of that zone from UTC
  std::string capital;         // "Hannover"; empty for a region without a row
  std::string dawn;            // "07:12", civil twilight
  std::string sunrise;         // "07:50"
  std::string sunset;          // "16:03"
  std::string dusk;            // "16:41", civil twilight
  std::string meanLocalTime;   // mean local time at the capital minus zone time, "-00:21"
  std::string trueLocalTime;   // the same corrected by the equation of time, "-00:10"
  std::string equationOfTime;  // minutes, one decimal: "11,2"
  bool equationPositive = false;
  std::string declination;  // degrees, two decimals: "-22,77"
};

// DayTimesOf: the legal time and the sun times of a day number in a region.
DayTimes DayTimesOf(int jd, const Region& region);
DayTimes DayTimesOf(int jd, std::string_view code);

struct DayDescription {
  std::string text;                // K_DateText: the hint of the date views
  std::vector<std::string> lines;  // K_slDateText: one entry per line
};

// DescribeDay: the day description of valid day facts in a region and
// calendar. The one-text form ends with the distance to today (Gregorian
// calendar only, not for today itself).
// The holiday text is left out for a region without rules.
DayDescription DescribeDay(const DayFacts& facts, const Region& region, CalendarKind kind,
                           int todayJd);
DayDescription DescribeDay(const DayFacts& facts, std::string_view code, CalendarKind kind,
                           int todayJd);

// One row of the holiday grid of a year. The fixed texts are views of
// constants, so a row may be copied and kept freely.
struct HolidayRow {
  std::string_view weekday;       // "Mo."
  int weekdayNumber = 0;          // 1 = Monday ... 7 = Sunday
  int dayNumber = 0;              // the day itself
  std::string date;               // "01.01.2024"
  std::string names;              // "Neujahr"
  std::string_view legalText;     // "gesetzl. Feiertag", "Feiertag" (Julian), or ""
  std::string_view calendarText;  // "greg." or "jul."
  bool legal = false;
};

struct HolidayList {
  std::string text;                // K_HolidayText
  std::vector<std::string> lines;  // K_slHolidayText
  std::vector<HolidayRow> rows;    // the holiday grid, one row per day with a holiday
};

// HolidayListOfYear: the holidays of a year (1..3000) in a region: for a
// Gregorian year from 1871 the legal section, then all holidays. An invalid
// year gives the single line "Fehler: <year> ist kein gültiges Kalenderjahr!".
HolidayList HolidayListOfYear(std::string_view year, const Region& region, CalendarKind kind);
HolidayList HolidayListOfYear(std::string_view year, std::string_view code, CalendarKind kind);
HolidayList HolidayListOfYear(int year, const Region& region, CalendarKind kind);  // 2024 as "2024"

enum class HolidaySelection { All, LegalOnly };

// HolidayRowsOfYear: only the rows, in day order, all of them or only those
// of legal holidays; empty for an invalid year and for a region without rules.
std::vector<HolidayRow> HolidayRowsOfYear(int year, const Region& region, CalendarKind kind,
                                          HolidaySelection selection = HolidaySelection::All);
std::vector<HolidayRow> HolidayRowsOfYear(int year, std::string_view code, CalendarKind kind,
                                          HolidaySelection selection = HolidaySelection::All);

// RegionDisplayName: the region's name, or the code when the table has no row
// for it ("HR", "DK"); Region::DisplayName for a looked-up region.
std::string RegionDisplayName(std::string_view code);  // "D-NI" -> "Niedersachsen"

}  // namespace engine

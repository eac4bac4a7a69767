// SPDX-License-Identifier: MIT
// The zone clock of the tools panel: one moment of a day in a region as
// Moscow summer time, Moscow time, central European summer time, central
// European time and UTC (the five zone rows), as mean and true local time
// of the region's capital, and as Julian Date; with the captions, their
// hints relative to the legal time, and the copy text.
//
// The date is the date of the legal time (Gregorian DD.MM.YYYY); its state
// from DstState gives the offset of the legal time from UTC (1 MEZ, 2 MESZ,
// 3 MEHSZ; days of local time count as MEZ). UTC may fall on the day
// before: the Julian Date is that of the UTC moment. Times are hh:mm:ss or
// hh:mm.
#pragma once

#include "engine/chosenday.h"

#include <array>
#include <string>
#include <string_view>

namespace engine {

// One caption of a clock row with its hint and encyclopaedia article path.
struct ClockCaption {
  std::string text;     // "Mittel. Zeit "
  std::string hint;     // "gesetzliche Zeit in Niedersachsen\r\n..."
  std::string article;  // "/wiki/MEZ"; empty when a click opens nothing
};

struct ClockRow {
  std::string time;                      // hh:mm:ss
  std::array<ClockCaption, 2> captions;  // the second one empty on row 1
  bool legal = false;                    // the row of the legal time, caption shown red
  bool used = false;                     // the MOZ or WOZ row on a day of local time
};

struct ZoneClock {
  int code = 0;                    // 1; 0 for an invalid date, time or row
  std::string date;                // "15.01.2024"
  std::string weekday;             // "Mo"
  std::string julianCalendarDate;  // the same day in the Julian calendar, "02.01.2024"
  std::string region;              // "D-NI"
  std::string regionName;          // "Niedersachsen"; the code for a region without a row
  std::string capital;             // "Hannover"
  std::string latitude;            // "52 22 00", degrees minutes seconds north
  std::string longitude;           // "9 44 00", east
  int zoneOffset = 0;              // 1, 2, 3
  std::string usedTime;            // "MEZ", "MESZ", "MEHSZ", "MOZ", "WOZ"
  std::string legalTime;           // hh:mm:ss
  TimeOfDay legal;                 // the same as a value
  std::string utcTime;             // hh:mm:ss
  std::string utcDate;             // the date of the UTC moment
  std::string julianDate;          // "2460324,47917"
  std::array<ClockRow, 7> rows;
  std::string copyText;  // the page's text; the panel puts the caption in front
};

// The offsets of rows 1..5 from UTC in hours.
inline constexpr std::array<int, 5> kClockRowOffsets = {4, 3, 2, 1, 0};

// ComputeZoneClock: the clock for a date, region and time. Row 0 takes the
// time as the legal time; rows 1..5 take it as the time of that row, whose
// UTC time then gives the legal time of the same date.
ZoneClock ComputeZoneClock(std::string_view date, std::string_view region, std::string_view time,
                           int row = 0);
// ComputeZoneClock: the same for a day number (code 0 outside the range).
ZoneClock ComputeZoneClock(int dayNumber, std::string_view region, std::string_view time,
                           int row = 0);
// ComputeZoneClock: the same for a time of day.
ZoneClock ComputeZoneClock(int dayNumber, std::string_view region, TimeOfDay time, int row = 0);
// ("15.01.2024", "D-NI", "00:30:00") -> utcTime "23:30:00", utcDate "14.01.2024",
//     julianDate "2460324,47917"

}  // namespace engine

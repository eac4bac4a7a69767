// SPDX-License-Identifier: MIT
// Moments in time and the legal time they are in a region. The clock gives
// a moment as UTC; which date and time of day that is depends on the region,
// and on a switch day on the minute: 2026-03-29 00:59:59 UTC is 01:59:59 MEZ
// in Niedersachsen, one second later it is 03:00:00 MESZ. The rules are the
// engine's own (legaltime.h), so the answer does not depend on the zone the
// machine is set to, nor on a time-zone database being installed.
//
// Days of mean or true local time (before zone time came) count as MEZ here,
// as they do on the zone clock.
#pragma once

#include <cstdint>

#include "engine/region.h"

namespace engine {

// A calendar date (proleptic Gregorian) and time of day.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// A moment: milliseconds since 01.01.1970 00:00:00 UTC (negative before).
struct UtcMoment {
  std::int64_t milliseconds = 0;

  friend auto operator<=>(const UtcMoment&, const UtcMoment&) = default;
};

// UtcDateTimeOf: the moment as a UTC date and time; its inverse
// UtcMomentOfUtc. Both hold for every day of 0001..3000 and beyond.
LocalDateTime UtcDateTimeOf(UtcMoment moment);  // {0} -> 1970-01-01 00:00:00.000
UtcMoment UtcMomentOfUtc(const LocalDateTime& utc);

// LegalOffsetAt: the offset of the region's legal time from UTC at the
// moment, in hours: 1 MEZ, 2 MESZ, 3 MEHSZ.
int LegalOffsetAt(UtcMoment moment, const Region& region);

// LegalTimeAt: the region's legal date and time at the moment.
//   LegalTimeAt(UtcMomentOfUtc({2026, 7, 1, 10}), RegionOfCode("D-NI"))
//       -> 2026-07-01 12:00:00 (MESZ)
LocalDateTime LegalTimeAt(UtcMoment moment, const Region& region);

// UtcMomentOfLegal: the moment a legal date and time of the region names.
// A time the clocks skipped (02:30 on a spring switch) is read in the time
// before the switch, so it names the same moment as 03:30; a time that came
// twice (02:30 on an autumn switch) names the first of them.
UtcMoment UtcMomentOfLegal(const LocalDateTime& legal, const Region& region);

}  // namespace engine

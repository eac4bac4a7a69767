// SPDX-License-Identifier: MIT
// The iCalendar file (RFC 5545) of holiday events: a VCALENDAR with PRODID
// and VERSION:2.0 and one all-day VEVENT per event (DTSTART;VALUE=DATE, DTEND
// the next day, UID, DTSTAMP, SUMMARY, CATEGORIES, DESCRIPTION), lines ending
// in CRLF and folded at 75 octets, texts escaped. The file is written here,
// as libical writes it (its tests hold the two byte for byte against each
// other and read every file back with libical), so that the command line
// starts without libical and ICU, and builds where libical is missing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/holidayevents.h"

namespace exports {

// The product identifier every file names.
inline constexpr std::string_view kIcalProductId = "-//Ra Zaduvovi//Feiertage//DE";

// A moment in UTC, the time stamp of the events.
struct UtcStamp {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// CurrentUtcStamp: the current moment of the system clock in UTC.
UtcStamp CurrentUtcStamp();

// IcalendarText: the whole file for the events, with the calendar's name for
// the calendar programs' list (X-WR-CALNAME) and stamp as every DTSTAMP.
std::string IcalendarText(const std::vector<engine::HolidayEvent>& events,
                          std::string_view calendarName, const UtcStamp& stamp);
// ({Neujahr 2026}, "Feiertage in Bayern 2026", ...) -> "BEGIN:VCALENDAR\r\nPRODID:..."

}  // namespace exports

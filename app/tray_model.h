// SPDX-License-Identifier: MIT
// The tray's day without a window: what the week-number symbol in the
// desktop's tray shows for a day, its digits, and the lines of its tooltip
// (weekday and date, "KW nn", the day's holidays in the region with the
// legal ones marked), and the two texts its menu copies. The tray only draws
// and shows what TrayDayOf decides.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

// One holiday or named day of the day, as the engine names it.
struct TrayHoliday {
  std::string name;    // "Tag der deutschen Einheit"
  bool legal = false;  // a legal holiday in the region that year
  bool operator==(const TrayHoliday&) const = default;
};

struct TrayDay {
  bool valid = false;                 // false for a day outside the range
  int dayNumber = 0;                  // the day itself
  std::string date;                   // "01.01.2027", also what "Datum kopieren" copies
  std::string weekday;                // "Freitag"
  int week = 0;                       // 53: the calendar week, Monday first, ISO 8601
  int weekYear = 0;                   // 2026: the year the week belongs to
  std::string weekText;               // "KW 53", also what "KW kopieren" copies
  std::string digits;                 // "53": what the symbol shows
  std::string regionName;             // "Niedersachsen"
  std::vector<TrayHoliday> holidays;  // in the order of the date edit's holiday text
  std::string schoolHoliday;          // "Herbstferien Niedersachsen 04.10.–19.10.2024", or ""
  std::string toolTip;                // the lines joined by "\n"
};

// TrayDayOf: the facts of a Gregorian date text in a region; a region
// without holiday rules names no holidays. The tooltip's lines: weekday and
// date, the week, and with holidays the region's name and one line for each,
// a legal one followed by " (gesetzl. Feiertag)".
TrayDay TrayDayOf(std::string_view date, std::string_view regionCode);
// TrayDayOf: the same for a day number.
TrayDay TrayDayOf(int dayNumber, std::string_view regionCode);
// ("03.10.2026", "D-NI") -> toolTip "Samstag, 03.10.2026\nKW 40\nNiedersachsen:\n
//  Tag der deutschen Einheit (gesetzl. Feiertag)"

// The mark of a legal holiday in the tooltip.
inline constexpr std::string_view kLegalMark = " (gesetzl. Feiertag)";

}  // namespace app

// SPDX-License-Identifier: MIT
// Working hours: the hours between a begin and an end time of day (an end
// before the begin lies on the next day), the end after a number of hours,
// and the copy text of the working-hours page.
//
// Times are hh:mm:ss or hh:mm texts, hours 00 to 24 (24 only as 24:00:00),
// minutes and seconds 00 to 59. Without seconds (the page's hh:mm mode) the
// seconds of every input are cut, not rounded, and results are hh:mm.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// ClockSeconds: the seconds since midnight of a time text; nullopt for
// anything else (a sign, milliseconds, a field out of range).
std::optional<int> ClockSeconds(std::string_view time);  // "22:30" -> 81000; "25:00" -> nullopt

// ClockText: seconds (0..86400) as hh:mm:ss, or hh:mm without seconds.
std::string ClockText(int seconds, bool withSeconds = true);  // (81000) -> "22:30:00"

// The result of a working-hours computation: empty text when an input is
// no time text.
struct WorkHoursResult {
  bool ok = false;
  std::string text;
};

// HoursBetween: end minus begin, 24 hours added when the end lies before
// the begin; equal times are 0 hours.
WorkHoursResult HoursBetween(std::string_view begin, std::string_view end,
                             bool withSeconds = true);  // ("22:00:00", "06:00:00") -> "08:00:00"

// EndAfterHours: the time of day the hours after the begin, wrapped at 24.
WorkHoursResult EndAfterHours(std::string_view begin, std::string_view hours,
                              bool withSeconds = true);  // ("22:00:00", "08:00:00") -> "06:00:00"

// The captions of the page's three rows.
inline constexpr std::string_view kWorkBeginCaption = "Uhrzeit Beginn";
inline constexpr std::string_view kWorkEndCaption = "Uhrzeit Ende";
inline constexpr std::string_view kWorkHoursCaption = "Anzahl der Stunden";

// WorkHoursCopyText: the three rows as time, blank and caption, the hours
// between a line of hyphens and a line of "=" as long as a time.
std::string WorkHoursCopyText(std::string_view begin, std::string_view end, std::string_view hours,
                              bool withSeconds = true);
// ("22:00:00", "06:00:00", "08:00:00") -> "22:00:00 Uhrzeit Beginn\r\n06:00:00 Uhrzeit
// Ende\r\n--------\r\n08:00:00 Anzahl der Stunden\r\n========\r\n"

}  // namespace engine

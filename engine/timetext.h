// SPDX-License-Identifier: MIT
// Times of day as text: the signed form "+hh:mm:ss.mmm" that the clock, the
// time-difference and the date-format pages exchange, its normalisation, the
// sum of a time and a signed offset, the fixed hour shifts between the zone
// rows of the clock, the current time of day and the hours of a zone offset.
//
// A time-of-day text is an optional sign "+" or "-", then HH:MM:SS.mmm with
// hours 00 to 24 (24 only as 24:00:00.000). Nothing here knows dates: a sum
// that leaves the day reports the carry and leaves the date to the caller.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// Success flag and the normalised text (empty unless ok).
struct TimeTextResult {
  bool ok = false;
  std::string text;
};

// NormalizeTimeText: accepts HH:MM, HH:MM:SS or HH:MM:SS.mmm with an optional
// leading sign and gives the full form with the sign kept; hours above 24
// become 24 (with minutes, seconds and milliseconds 0), minutes and seconds
// above 59 become 59.
TimeTextResult NormalizeTimeText(std::string_view time);  // "+01:30" -> {true, "+01:30:00.000"}

// The result of adding a signed offset to a time of day.
struct TimeSum {
  bool ok = false;
  int seconds = 0;   // whole seconds of the resulting time of day, 0..86399
  int dayCarry = 0;  // days moved: -1 back, 0, +1 on (+2 only for 24:00 plus 24:00)
  std::string text;  // "hh:mm:ss.mmm", led by "-" after a move back and "+" after one on
};

// AddTimeTexts: the time plus the offset ("-" in front of the offset
// subtracts it, no sign or "+" adds it); a result outside the day is taken
// modulo 24 hours and marked by the carry and the sign of the text. The
// time's own sign is not part of its value.
TimeSum AddTimeTexts(
    std::string_view time,
    std::string_view offset);  // "00:30", "-01:00" -> {true, 84600, -1, "-23:30:00.000"}

// ShiftHours: the time of day a whole number of hours (-23..23) later or
// earlier, on whatever day that falls, as "hh:mm:ss.mmm"; empty for an
// invalid time or hour count. The clock rows use it with plus and minus one
// to four hours.
std::string ShiftHours(std::string_view time, int hours);  // ("00:30:00", -1) -> "23:30:00.000"

// CurrentTimeText: the legal time of day in the home region (the engine's
// clock) as hh:mm:ss.
std::string CurrentTimeText();  // "09:05:00"

// OffsetHours: the hours of a zone offset ±hh:mm[:ss] (no sign counts as
// "+"); the sign applies to the whole offset, and a part that cannot be read
// counts as 0.
double OffsetHours(std::string_view offset);  // "-01:30:00" -> -1.5

// SignedTimeText: hours as "+hh:mm:ss.mmm" or "-hh:mm:ss.mmm", rounded to the
// millisecond; magnitudes of 100 hours and more are shown as 99:59:59.999.
std::string SignedTimeText(double hours);  // -0.5 -> "-00:30:00.000"

// PadTwoDigits: a one-character text with "0" in front, any other unchanged.
std::string PadTwoDigits(std::string_view text);  // "7" -> "07"

// PadZeros: zeros in front up to the width; a text as long or longer stays.
std::string PadZeros(std::string_view text, int width);  // ("42", 4) -> "0042"

}  // namespace engine

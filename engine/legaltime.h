// SPDX-License-Identifier: MIT
// Legal time in Germany and Austria: which zone time was in force on a day in
// a region (central European time, its summer time, the double summer time
// of 1945 and 1947, local mean time before zone time was introduced, true
// local time before 1500), and the text that tells how the clocks were
// changed on a switch day. Also the n-th and the last weekday of a month,
// from which the switch days are built.
//
// Days are day numbers; legal time is history of the Gregorian calendar, so
// every rule is read on the Gregorian date of the day, whatever calendar the
// caller shows it in. The switch texts end in "\n\r" because the day
// description strings them together unchanged.
#pragma once

#include <string>
#include <string_view>

#include "engine/region.h"

namespace engine {

// The state of a day: 0 no valid day, 1 "MEZ", 2 "MESZ", 3 "MEHSZ". The
// state is also the zone's offset from UTC in hours.
inline constexpr int kDstInvalid = 0;
inline constexpr int kDstStandard = 1;
inline constexpr int kDstSummer = 2;
inline constexpr int kDstDoubleSummer = 3;

// Switch codes: how the clocks were changed that day.
inline constexpr int kSwitchNone = 0;
inline constexpr int kSwitchEnd0201 = 1;    // summer time ends, 02:00 -> 01:00
inline constexpr int kSwitchEnd0302 = 2;    // summer time ends, 03:00 -> 02:00
inline constexpr int kSwitchBegin0203 = 3;  // summer time begins, 02:00 -> 03:00
inline constexpr int kSwitchBegin0304 = 4;  // summer time begins, 03:00 -> 04:00
inline constexpr int kSwitchEnd0100 = 25;   // summer time ends, 01:00 -> 00:00

struct DstResult {
  int state = kDstInvalid;
  int switchCode = kSwitchNone;  // reported as 0 for Austrian states (and "A" in 1980)
  std::string switchText;        // "Sommerzeit: 02:00 MEZ = 03:00 MESZ\n\r", or empty
  std::string zone;              // "MEZ", "MESZ", "MEHSZ", "MOZ", "WOZ"; empty when invalid
};

// DstState: the legal time of a day number in a region ("D", "D-BY", "A",
// "A-W", ...); state 0 and empty texts outside the supported range.
//   DstState(2458938, "D-NI")  // 29.03.2020
//       -> {2, 3, "Sommerzeit: 02:00 MEZ = 03:00 MESZ\n\r", "MESZ"}
DstResult DstState(int jd, const Region& region);
DstResult DstState(int jd, std::string_view code);  // the same for a code, looked up first

// SwitchSecondOfDay: when the clocks were changed on a day whose state
// differs from the day before's: seconds from the day's midnight, counted
// in the time in force before the switch (7200 for 02:00 MEZ -> 03:00 MESZ;
// -3600 when the switch was at 23:00 of the day before, as on 30.04.1916).
// Austria's states and 1980 are told here too, unlike in switchCode.
// Meaningless on a day without a switch.
int SwitchSecondOfDay(int jd, const Region& region);

// NthWeekdayOfMonth: the day number of the n-th (1..5) weekday (1 Monday ..
// 7 Sunday) of a Gregorian month; 0 when an argument is out of range or the
// month has no such day.
int NthWeekdayOfMonth(int month, int year, int n,
                      int weekday);  // (4, 1940, 1, 1) -> 2429721 (01.04.1940)

// LastWeekdayOfMonth: the day number of the last such weekday of a
// Gregorian month; 0 when the month or weekday is out of range.
int LastWeekdayOfMonth(int month, int year, int weekday);  // (3, 2020, 7) -> 2458938 (29.03.2020)

}  // namespace engine

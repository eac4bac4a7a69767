// SPDX-License-Identifier: MIT
// Every notation of one date and time at a zone offset as a list of named
// texts, in the order the date-format pages show them: the numeric dates,
// the written-out dates, the zone date-times and the technical forms. The
// keys are stable names for programs; the numeric ones are their layouts.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dateformat.h"

namespace engine {

struct DateFormEntry {
  std::string_view key;  // "DD.MM.YYYY", "german_long", "xsdatetime", "jd", "unix", ...
  std::string text;
};

// One numeric layout of a date: its name, the order of its fields, the
// separator and how the year and the fields are written.
struct NumericLayout {
  std::string_view layout;  // "DD.MM.YYYY"
  DateOrder order;
  std::string_view separator;
  NumericStyle style;
};

// NumericLayouts: the 23 numeric layouts, day first, then year first, then
// month first, as the date-format pages show them.
//   NumericLayouts()[6].layout -> "DD.MM.YYYY"
std::span<const NumericLayout> NumericLayouts();

// DateFormList: all notations of the moment; Unix time as its decimal digits.
//   DateFormList(*MakeZoneDateTime("08.12.2026", "12:30", "+01:00"))
//       -> {{"DD-MM-YYYY", "08-12-2026"}, ..., {"dtg_utc", "081130Zdec26"}}
std::vector<DateFormEntry> DateFormList(const ZoneDateTime& moment);

}  // namespace engine

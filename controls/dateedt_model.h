// SPDX-License-Identifier: MIT
// The rules of the date edit TDateEdt without a window, beside the checks of
// its four views (dateentry/viewcheck.h, shared with the command line): the
// accepted region codes, the colours of a day and the hints of the view
// switch. The widget only shows what comes back. The region and holiday list
// below the fields has its own model (regionlist_model.h).
#pragma once

#include <string>
#include <string_view>

#include "dateentry/fieldrules.h"
#include "dateentry/viewcheck.h"
#include "engine/civildate.h"

namespace controls {

// The date field's rules and the checks of the views are the controls'
// vocabulary; they live below, where the command line shares them.
using namespace dateentry;

// ---- Region codes, colours, hints ------------------------------------------

// AcceptedLand: a code of the region table (countries and their states), or
// "D-NI" for any other text.
std::string AcceptedLand(std::string_view code);  // "HR" -> "D-NI", "A-NÖ" -> "A-NÖ"

enum class DayFont { WindowText, Saturday, Sunday, LegalHoliday };
enum class DayBackground { Window, Julian, PreGregorian };

// DayFontOf: Saturday maroon, Sunday red, a legal holiday fuchsia (the
// holiday wins over the weekday).
DayFont DayFontOf(int weekday, bool legalHoliday);  // (7, true) -> LegalHoliday

// DayBackgroundOf: yellow in the Julian calendar, silver for Gregorian days
// before 15.10.1582.
DayBackground DayBackgroundOf(int dayNumber,
                              engine::CalendarKind kind);  // 2299160, G -> PreGregorian

// ViewSwitchHint: the hint of the view switch (the switch button's lower
// half) in a view, with the list folded or unfolded.
std::string ViewSwitchHint(std::string_view modus,
                           bool listUnfolded);  // "W" -> "Umschaltung auf Julianisches Datum"

// CalendarSwitchHint: the hint of the calendar switch in a calendar.
std::string CalendarSwitchHint(
    engine::CalendarKind kind);  // J -> "Umschaltung auf Gregorianischen Kalender"

// TwelveHourText: a time of day in the 12-hour form, with or without the
// seconds.
std::string TwelveHourText(int hour, int minute, int second,
                           bool withSeconds);  // (13, 5, 9, true) -> "1:05:09 PM"

}  // namespace controls

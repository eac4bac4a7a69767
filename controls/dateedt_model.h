// SPDX-License-Identifier: MIT
// The rules of the date edit TDateEdt without a window, beside the checks of
// its four views (dateentry/viewcheck.h, shared with the command line): the
// accepted region codes, the colours of a day, the hints of the view switch,
// and what a click on a line of the region and holiday list means. The widget
// only shows what comes back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// ---- The region and holiday list -------------------------------------------

// What the list shows.
enum class RegionListState {
  Holidays,      // ">>>>>", the region's name, one line per holiday day
  GermanStates,  // "weitere Länder", "Deutschland" and the states, each with "$"
  RegionChoice,  // the engine's selection list ("<<<<<<" or "weitere Länder" first)
  AllCountries,  // every country, each with "$"
};

// The first line of the holiday list.
inline constexpr std::string_view kUnfoldLine = ">>>>>";

// RegionLine: a region name padded with 25 blanks and "$".
std::string RegionLine(std::string_view name);  // "Bayern" -> "Bayern                         $"

// RegionNameOfLine: the text before "$", without blanks around it.
std::string RegionNameOfLine(std::string_view line);  // "Bayern   $" -> "Bayern"

// GermanStateLines: "weitere Länder", "Deutschland" and the sixteen states,
// in a year of division (1945..1990) with "Berlin (Ost)" and "Berlin (West)"
// for "Berlin"; every line with "$".
std::vector<std::string> GermanStateLines(int year);  // 1960 -> ..., "Berlin (Ost)   $", ...

// RegionChoiceLines: the engine's selection list shown after "weitere
// Länder" (every region, "<<<<<<" first and "Alle Länder" second), or the
// way back after "<<<<<<" (the German states for a German region, else the
// list of the region's country).
std::vector<std::string> RegionChoiceLines(bool back, std::string_view land, int year);

// AllCountryLines: the countries of the region table, each with "$".
std::vector<std::string> AllCountryLines();  // {"Deutschland  ...$", "Österreich  ...$"}

// What a click on a line does.
struct ListClick {
  enum Kind {
    Nothing,
    ShowGermanStates,
    ShowRegionChoice,  // the engine's list (back: the way back)
    ShowAllCountries,
    ChooseRegion,   // region: the code
    ChooseHoliday,  // holidayRow: the row of the holiday grid
  } kind = Nothing;
  bool back = false;
  std::string region;
  int holidayRow = -1;
};

// ClickOnLine: the first-line rules (">>>>>", "<<<<<<", "weitere Länder")
// before all others; then "Alle Länder"; a line that names a region (with or
// without "$") chooses it; in the holiday list the lines after the region's
// name are the holiday rows in order, and the name line itself does nothing.
ListClick ClickOnLine(RegionListState state, int row, std::string_view line,
                      int holidayRows);  // (Holidays, 2, "Neujahr", 9) -> ChooseHoliday 0

// HolidayArticleTitle: the article name of a holiday line of the day `date`
// (DD.MM.YYYY): the text up to "$", trimmed; on 01.05. "Erster Mai"; a name
// beginning "Eishlg." is "Eisheilige", one beginning "Reformationstag" is cut
// to that word.
std::string HolidayArticleTitle(std::string_view line,
                                std::string_view date);  // "Eishlg. Mamertus" -> "Eisheilige"

}  // namespace controls

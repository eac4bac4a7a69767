// SPDX-License-Identifier: MIT
// The rules of the date edit TDateEdt without a window: the checks of its
// four date views (date, day of the year, calendar week, Julian Day) with the
// corrections and the messages M1..M14 they give, the accepted region codes,
// the colours of a day, the hints of the view switch, and what a click on a
// line of the region and holiday list means. Every check works on the typed
// date core (engine/civildate.h); the widget only shows what comes back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/date_model.h"
#include "engine/civildate.h"

namespace controls {

// ---- Messages ----------------------------------------------------------------

// A correction message: its number 1..14 (M1..M14), title and text.
struct EditMessage {
  int number = 0;
  std::string_view title;
  std::string_view text;
};

// MessageOf: the message M<number>; an empty message outside 1..14.
const EditMessage& MessageOf(int number);  // 9 -> {"Ungültiges Datum", "Das von Ihnen ..."}

// The last day numbers of the Julian calendar range: 31.12.2999 (Jul.).
inline constexpr int kLastJulianDayNumber = 2816807;

// ---- The checks of the views -----------------------------------------------

// What a check leaves: the checked view's sub-field texts after correction
// (Edt1..Edt3, unused ones empty), the date and day number the view now
// stands for, whether the input stood as it was, and the messages given, in
// order. A sub-field clamped to its range or a filled-in empty one counts as
// a correction without a message; zero padding alone does not.
struct EditCheck {
  FieldTexts fields;
  engine::CivilDate date;
  int dayNumber = 0;
  bool accepted = true;
  std::vector<int> messages;
};

// CheckDateView: day, month and year of the date view: the year kept inside
// the calendar's range (M5, M6), the Julian days before 03.01.0001 (M7), and
// a day beyond its month lowered to the month's last day with one M9.
EditCheck CheckDateView(const FieldTexts& fields,
                        engine::CalendarKind kind);  // ("31", "02", "2003"), G -> 28.02.2003, M9

// CheckDayView: day of the year and year: year range (M5, M6), a day below 1
// (M12), Julian days 1 and 2 of the year 1 (M8), beyond the year's length
// (M10, M11); then the date of that day through CheckDateView.
EditCheck CheckDayView(const FieldTexts& fields,
                       engine::CalendarKind kind);  // ("", "366", "2003"), G -> 365, M10

// CheckWeekView: week and year: year range (M5, M6), the Julian year 1 (M13:
// week 01 of the year 2), a week the year lacks lowered to 52 (M14); the day
// is the Monday of that week, through CheckDateView.
EditCheck CheckWeekView(const FieldTexts& fields,
                        engine::CalendarKind kind);  // ("", "53", "2021"), G -> 52, M14

// CheckJDView: the Julian Day number held inside the calendar's range (M1 to
// M4), then its date in the calendar through CheckDateView.
EditCheck CheckJDView(const FieldTexts& fields,
                      engine::CalendarKind kind);  // ("", "", "1000000"), G -> 1721426, M1

// ---- Reading whole texts (the command line) --------------------------------

enum class CheckView { Date, DayOfYear, Week, JD };

// ViewFields: the sub-field texts of a whole text of a view: "DD.MM.YYYY",
// "DDD.YYYY", "WW.YYYY" or up to seven digits; each part of at most its
// sub-field's length, parts separated by one non-digit. Nothing when the text
// is no value of the view.
std::optional<FieldTexts> ViewFields(CheckView view, std::string_view text);  // Week, "53.2021"

// ViewText: the sub-field texts of a view joined as the view shows them.
std::string ViewText(CheckView view, const FieldTexts& fields);  // Week -> "52.2021"

// CheckView: the check of a view.
EditCheck CheckViewFields(CheckView view, const FieldTexts& fields, engine::CalendarKind kind);

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

// SPDX-License-Identifier: MIT
// Holidays of a day: the fixed-date holidays of German, Austrian, Croatian and
// Danish regions, Mother's Day, and the joining of the movable and the fixed
// part into the day's holiday text with its legal flag. The movable feasts
// come from easter.h, the country validity of a legal flag from region.h.
//
// The rules are rules over the day of the year in the calendar in which the
// day is described, its year and the region; they are history, so each holds
// from (and sometimes until) a year and may be legal in some regions only.
// Each function takes the looked-up `Region`; its form with a region code
// looks the region up and gives the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/daynumber.h"
#include "engine/easter.h"
#include "engine/region.h"

namespace engine {

// The name given by the fixed-date part to every day of a region without
// holiday rules (Region::hasRules false); the day description and the holiday
// list skip such days.
inline constexpr std::string_view kNoRulesName = "x";

// FixedHoliday: the fixed-date holiday on a day of the year (dates after
// February count one day later in a leap year; 29 February has none) with
// its legal flag before the country validity. A region without rules gives
// {"x", 0} for every day.
Feast FixedHoliday(int dayOfYear, int year, bool leap,
                   const Region& region);  // (277, 2024, true, Lower Saxony) -> {"Tag der ...", 1}
Feast FixedHoliday(
    int dayOfYear, int year, bool leap,
    std::string_view code);  // (277, 2024, true, "D-NI") -> {"Tag der deutschen Einheit", 1}

// IsMothersDay: whether the day is Mother's Day (the second Sunday of May of
// the Gregorian calendar, from 1934, in German and Austrian regions). A day of
// the Julian calendar is Mother's Day when it is the same physical day.
bool IsMothersDay(int dayOfYear, int year, const Region& region,
                  CalendarKind kind = CalendarKind::Gregorian);  // (133, 2024, Berlin) -> true
bool IsMothersDay(int dayOfYear, int year, std::string_view code,
                  CalendarKind kind = CalendarKind::Gregorian);  // (133, 2024, "D-BE") -> true

// MothersDay: the name with "Muttertag" added (after ", " when the name is not
// empty) on Mother's Day, else the name unchanged. The legal flag is never
// changed by it.
std::string MothersDay(int dayOfYear, int year, const Region& region, std::string name,
                       CalendarKind kind = CalendarKind::Gregorian);  // (..., "") -> "Muttertag"
std::string MothersDay(
    int dayOfYear, int year, std::string_view code, std::string name,
    CalendarKind kind = CalendarKind::Gregorian);  // (..., "x") -> "x, Muttertag"

// The holidays of a day: their names joined by ", " (movable part first) and
// whether any of them is a legal holiday there in that year.
struct Holiday {
  std::string text;
  int flag = 0;
  friend bool operator==(const Holiday&, const Holiday&) = default;
};

// The two parts of a day's holidays, with Mother's Day added to the movable
// part and the country validity applied to both flags.
struct HolidayParts {
  Feast movable;
  Feast fixed;
};

// HolidayPartsOfDay: the movable and the fixed part of a day's holidays.
HolidayParts HolidayPartsOfDay(int dayOfYear, int easterDay, int year, const Region& region,
                               bool leap, CalendarKind kind = CalendarKind::Gregorian);
HolidayParts HolidayPartsOfDay(int dayOfYear, int easterDay, int year, std::string_view code,
                               bool leap, CalendarKind kind = CalendarKind::Gregorian);

// HolidayOfDay: the holiday text and flag of a day of the year.
Holiday HolidayOfDay(int dayOfYear, int easterDay, int year, const Region& region, bool leap,
                     CalendarKind kind = CalendarKind::Gregorian);
Holiday HolidayOfDay(int dayOfYear, int easterDay, int year, std::string_view code, bool leap,
                     CalendarKind kind = CalendarKind::Gregorian);
// (122, 119, 2008, "D-BW", true) -> {"Himmelfahrt, Tag der Arbeit", 1}

// HolidayCandidateDays: the days of the year, in order, on which some rule
// can name a holiday in the region; every other day has none. The holiday
// list of a year visits only these.
std::vector<int> HolidayCandidateDays(int year, const Region& region, CalendarKind kind);
std::vector<int> HolidayCandidateDays(int year, std::string_view code, CalendarKind kind);

// MayBeHoliday: false only for a day that none of those rules can name; a
// single day's facts skip the rules on most days with it. Always true for a
// region without rules, whose days carry the "x".
bool MayBeHoliday(int dayOfYear, int easterDay, int year, const Region& region, bool leap,
                  CalendarKind kind);
bool MayBeHoliday(int dayOfYear, int easterDay, int year, std::string_view code, bool leap,
                  CalendarKind kind);

// JoinHolidayNames: "movable, fixed", or the one of them that is not empty.
std::string JoinHolidayNames(std::string_view movable, std::string_view fixed);

// HolidayArticleLink: the address of the German encyclopaedia article on the
// first holiday of a holiday text (up to its first ","); the Advent Sundays
// lead to "Adventssonntag", the Christmas days beginning "1. W" to
// "Weihnachten". Empty for an empty text and for a region without rules.
std::string HolidayArticleLink(std::string_view holidayText);
// "Mariä Himmelfahrt" -> "https://de.wikipedia.org/wiki/Mari%E4%20Himmelfahrt"

// The article base of the German-language online encyclopaedia.
inline constexpr std::string_view kEncyclopaediaArticleBase = "https://de.wikipedia.org/wiki/";

}  // namespace engine

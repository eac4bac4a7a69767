// SPDX-License-Identifier: MIT
// The text interface of the date core: the functions the controls and the
// command line call with date texts (DD.MM.YYYY) and day-number texts, each a
// thin adapter over the typed core of civildate.h, plus the German weekday and
// month names, today, and the validation of typed date fields.
//
// Engine code computes on CivilDate and int day numbers (civildate.h) and
// turns them into texts here, once, at its edge. Result codes: 1 valid; 0
// invalid date; -2 separators or year invalid; -1 (Julian only) outside the
// supported range.
#pragma once

#include <string>
#include <string_view>

#include "engine/civildate.h"

namespace engine {
struct Region;
}  // namespace engine

namespace engine {

// FormatDateText: DD.MM.YYYY with leading zeros.
std::string FormatDateText(const CivilDate& date);  // {1, 1, 3} -> "03.01.0001"

// DaySpanText: the Gregorian days first..last with the year written once,
// unless the stretch crosses a year's end; one day alone is its date.
std::string DaySpanText(int firstDay, int lastDay);  // "04.10.–19.10.2024",
                                                     // "23.12.2024–04.01.2025"

// ---- The text interface of the controls ------------------------------------

// Result code and day number text. Codes: 1 valid; 0 invalid date; -2
// separators or year invalid; -1 (Julian only) outside the supported range.
struct JdResult {
  int code = 0;
  std::string jd;
};

// DateCode: the result code of a check: 1 for a valid date, and for a
// Gregorian one outside the range, whose callers test the range themselves.
int DateCode(const DateCheck& check, CalendarKind kind);  // NoSuchDay -> 0

// DateToJD: the day number of a date text. The output is "0" unless valid.
// The Gregorian conversion checks the separators but not the range, the
// Julian one checks the range but not the separators.
JdResult DateToJD(std::string_view date, CalendarKind kind);  // "01.01.2000", G -> {1, "2451545"}

// Result code, date text and day of the year of a day number.
struct DateResult {
  int code = -1;
  std::string date;
  int dayOfYear = 0;
};

// JDToDate: code 1, or -1 for a text that is no number or a day number
// outside the supported range (outputs then empty).
DateResult JDToDate(std::string_view jd,
                    CalendarKind kind);  // "2451545", G -> {1, "01.01.2000", 1}
DateResult JDToDate(int jd, CalendarKind kind);

// JDInRange: 1 inside the supported range, -1 outside. The same bounds hold
// for both kinds.
constexpr int JDInRange(long long jd) {
  return IsDayNumberInRange(jd) ? 1 : -1;
}

// JDToYearDay: YearDayOf under the name the controls know.
inline YearDay JDToYearDay(int jd, CalendarKind kind) {
  return YearDayOf(jd, kind);
}  // 2451545, G -> {1, 2000, true, 1}

// YearDayToDate: the date text of a day that exists in the year.
std::string YearDayToDate(int dayOfYear, int year,
                          CalendarKind kind);  // 60, 2024, G -> "29.02.2024"

struct DayMonth {
  int code = 0;
  int day = 0;
  int month = 0;
};

// DayOfYearToDayMonth: code 0 for a value below 1 or above 366, or 366 in a
// common year.
DayMonth DayOfYearToDayMonth(int dayOfYear, bool leap);  // 60, true -> {1, 29, 2}

// WeekDayOfDate: weekday of a Gregorian date text, 0 when invalid.
int WeekDayOfDate(std::string_view date);  // "15.10.1582" -> 5

// WeekDayName, MonthName: German names; any other index gives "".
std::string WeekDayName(int weekday);  // WeekDayName(1) == "Montag"
// WeekDayAbbreviation: the first two letters and a dot, "" for another index.
std::string_view WeekDayAbbreviation(int weekday);  // WeekDayAbbreviation(1) == "Mo."
std::string MonthName(int month);                   // MonthName(3) == "März"

// DayOfYear: 1..366, or the code of DateToJD when the date is invalid.
int DayOfYear(std::string_view date, CalendarKind kind);  // "31.12.2024", G -> 366

// DaysInMonth: 28..31 by the Gregorian leap rule, 0 for a month outside 1..12.
int DaysInMonth(int month, int year);  // DaysInMonth(2, 1900) == 28

// TodayJD: the day number of today's legal date in the home region, or in
// a region (the engine's clock).
int TodayJD();
int TodayJD(const Region& region);

// TodayText: today's date text in the calendar.
std::string TodayText(CalendarKind kind);

// ConvertCalendar: the same day in the other calendar, "" when invalid or
// outside the supported range.
std::string ConvertCalendar(std::string_view date,
                            CalendarKind from);  // "15.10.1582", G -> "05.10.1582"

// DateToJDText, JDToDateText: the conversions for callers that only need
// the value; empty when the conversion does not return 1.
std::string DateToJDText(std::string_view date, CalendarKind kind);
std::string JDToDateText(std::string_view jd, CalendarKind kind);

// DayNumberText: the decimal text of a day number, as std::to_string writes
// it, but quicker for the seven digits of every day number of four-digit years.
std::string DayNumberText(int jd);  // 2451545 -> "2451545"

// ParseDayNumber: the integer of a decimal text (blanks around it allowed);
// 0 for a text that is no number or does not fit.
int ParseDayNumber(std::string_view text);  // " 2451545" -> 2451545

// ---- Validation of typed fields ------------------------------------------

// Result code and normalised field text.
struct FieldResult {
  int code = -1;
  std::string text;
};

// ValidateDayText: -1 empty or not digits; 0 a single digit "0".."3" (the
// user may type a second one, returned unchanged); "4".."9" gets a leading
// zero; then 1 for 1..31, else -1.
FieldResult ValidateDayText(std::string_view field);  // "5" -> {1, "05"}

// ValidateMonthText: the same with "0".."1" incomplete and 1..12 valid.
FieldResult ValidateMonthText(std::string_view field);  // "1" -> {0, "1"}

// ValidateYearText: an optional "-", then up to four digits; -1 when not
// digits, -2 for the year 0, else 1 with four digits and the sign put back.
FieldResult ValidateYearText(std::string_view field);  // "33" -> {1, "0033"}

struct ParsedDate {
  int code = 0;
  CivilDate date;
};

// ParseDateText: the checks of DateToJD without its range test; the date is
// set when the code is 1.
ParsedDate ParseDateText(std::string_view date, CalendarKind kind);  // "29.02.1900", G -> code 0

}  // namespace engine

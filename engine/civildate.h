// SPDX-License-Identifier: MIT
// The typed date core: a civil date of the Julian or the (proleptic)
// Gregorian calendar, its chronological Julian Day number (the "day number"),
// the two conversions between them, leap years, weekdays, month lengths, and
// the check of a date text that says which part of it is wrong.
//
// Every date computation of the engine works on these values; texts are read
// once at the edge (CheckDate) and written once (daynumber.h). The text
// functions the controls call (DateToJD, JDToDate, ...) are thin adapters over
// this file and live in daynumber.h. Nothing here decides which calendar a
// date belongs to: the caller passes the kind.
#pragma once

#include <optional>
#include <string_view>

namespace engine {

enum class CalendarKind { Julian, Gregorian };

// The control codes of the calendar kinds: "J" and "G".
std::string_view CalendarCode(CalendarKind kind);  // CalendarCode(Julian) == "J"
// CalendarKindOfCode: "J" or "j" is Julian, "G" or "g" Gregorian, else nullopt.
std::optional<CalendarKind> CalendarKindOfCode(std::string_view code);

// The supported range of day numbers, both ends included:
// 01.01.0001 to 31.12.3000 Gregorian, 03.01.0001 to 10.12.3000 Julian.
inline constexpr int kFirstDayNumber = 1721426;
inline constexpr int kLastDayNumber = 2817152;
// First day of the Gregorian calendar, Friday 15.10.1582 (= 05.10.1582 Jul.).
inline constexpr int kGregorianSwitchDay = 2299161;

// A date of either calendar. Years before 1 are counted astronomically
// (0 is the year before 1); the range of the system begins in year 1.
struct CivilDate {
  int year = 0;
  int month = 0;  // [1, 12]
  int day = 0;    // [1, 31]
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// IsDayNumberInRange: whether the day lies in the supported range.
constexpr bool IsDayNumberInRange(long long dayNumber) {
  return dayNumber >= kFirstDayNumber && dayNumber <= kLastDayNumber;
}  // IsDayNumberInRange(1721425) == false

// IsLeapYear: Julian every fourth year; Gregorian without the century years
// not divisible by 400.
constexpr bool IsLeapYear(int year, CalendarKind kind) {
  if (kind == CalendarKind::Julian) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}  // IsLeapYear(1900, Julian) == true

// IsNextYearLeap: whether year + 1 is a Gregorian leap year (interest counting).
constexpr bool IsNextYearLeap(int year) {
  return IsLeapYear(year + 1, CalendarKind::Gregorian);
}

// DaysInYear: 365 or 366.
constexpr int DaysInYear(int year, CalendarKind kind) {
  return IsLeapYear(year, kind) ? 366 : 365;
}

// DaysBeforeMonth: days of the year before the first of the month (1..12);
// 0 for another month.
int DaysBeforeMonth(int month, bool leap);  // DaysBeforeMonth(3, true) == 60

// DaysInMonthOf: 28..31 by the leap rule of the kind, 0 for a month outside 1..12.
int DaysInMonthOf(int month, int year, CalendarKind kind);  // (2, 1900, Julian) -> 29

// WeekDayOf: 1 = Monday ... 7 = Sunday.
constexpr int WeekDayOf(int dayNumber) {
  return (dayNumber % 7 + 7) % 7 + 1;
}  // WeekDayOf(2451545) == 6

// DayNumberOf: the day number of an existing date, for any year.
int DayNumberOf(const CivilDate& date, CalendarKind kind);  // {2000, 1, 1}, G -> 2451545

// CivilDateOf: the date of any day number.
CivilDate CivilDateOf(int dayNumber, CalendarKind kind);  // 2299160, J -> {1582, 10, 4}

// Year, leap flag and day of the year (1..366) of a day number. The code is
// always 1; it stays for the callers of JDToYearDay.
struct YearDay {
  int code = 1;
  int year = 0;
  bool leap = false;
  int dayOfYear = 0;
};

// YearDayOf: the year and the day of the year of any day number, by the
// closed four-year and 400-year cycle formulas.
YearDay YearDayOf(int dayNumber, CalendarKind kind);  // 2451545, G -> {1, 2000, true, 1}

// DayOfYearOf: 1..366 for a date that exists.
inline int DayOfYearOf(const CivilDate& date, CalendarKind kind) {
  return DaysBeforeMonth(date.month, IsLeapYear(date.year, kind)) + date.day;
}  // {2024, 3, 1}, G -> 61

// ---- Checking a date text --------------------------------------------------

// What CheckDate found. A text is read as DD.MM.YYYY: day and month of two
// digits (a lone day digit 4..9 or month digit 2..9 stands for itself), the
// year from the seventh character on, up to four digits with an optional "-".
enum class DateStatus {
  Valid,          // an existing date inside the supported range
  BadSeparators,  // Gregorian only: no "." at the third and sixth character
  BadForm,        // longer than ten characters
  BadField,       // the field named by DateCheck::field is no number of its range
  YearZero,       // the year is 0, which neither calendar has
  NoSuchDay,      // the day is beyond the length of its month
  OutOfRange,     // an existing date outside the supported range
};

enum class DateField { None, Day, Month, Year };

struct DateCheck {
  DateStatus status = DateStatus::BadForm;
  DateField field = DateField::None;  // the wrong field of BadField
  CivilDate date;                     // the fields read, from NoSuchDay on
  int dayNumber = 0;                  // set for Valid and OutOfRange
  bool ok() const { return status == DateStatus::Valid; }
};

// CheckDate: the date of a text, or the first thing wrong with it, the fields
// judged in the order day, month, year.
DateCheck CheckDate(std::string_view text, CalendarKind kind);  // "29.02.1900", G -> NoSuchDay

// ReadDayField, ReadMonthField: the value of a typed day (month) field: two
// digits 01..31 (01..12), or a single digit that cannot begin a longer value
// (4..9 for the day, 2..9 for the month); -1 for anything else.
int ReadDayField(std::string_view field);    // "07" -> 7, "3" -> -1, "5" -> 5
int ReadMonthField(std::string_view field);  // "12" -> 12, "1" -> -1

}  // namespace engine

// SPDX-License-Identifier: MIT
// The month sheet as data: six weeks of seven days from the Monday on or
// before the first of a month, each day with its facts and colour marks, the
// week numbers with their week-years, and the counts of working days and
// legal holidays that the sheet shows as hints for each week and the month.
//
// The month-sheet control and the command line's `monat` both render this
// model; neither computes a day itself. Days outside the supported range
// (before 03.01.0001 Julian, after 31.12.3000) keep their true dates, so
// colours and week numbers stay right, but carry no facts, and a click on
// them reports the nearest day of the range.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/dayfacts.h"

namespace engine {

// The calendar a sheet is shown in, which also decides its backgrounds.
enum class SheetCalendar {
  Julian,        // yellow
  Gregorian,     // the window colour
  PreGregorian,  // proleptic Gregorian before 15.10.1582: silver
};

struct MonthCell {
  int dayNumber = 0;       // the cell's true day
  int clickDayNumber = 0;  // dayNumber moved into the supported range
  CivilDate date;          // in the sheet's calendar
  std::string text;        // the day of the month, a blank before one digit: " 1"
  int column = 0;          // 1 = Monday ... 7 = Sunday
  bool inMonth = false;    // the day belongs to the shown month
  bool inRange = false;    // the day lies in the supported range
  bool legalHoliday = false;
  std::string_view schoolHoliday;  // "Herbstferien" in the region, Gregorian days only
  bool selected = false;           // the sheet's selected day
  bool today = false;
  SheetCalendar background = SheetCalendar::Gregorian;
  DayFacts facts;  // result 1 only for a day in range

  // Grey: outside the month or the range; this wins over every other colour.
  bool dimmed() const { return !inMonth || !inRange; }
};

// Working days and legal holidays of a stretch of days.
struct WorkingDayCounts {
  int mondayToSaturday = 0;   // Monday to Saturday, not a legal holiday
  int mondayToFriday = 0;     // Monday to Friday, not a legal holiday
  int holidaysOffSunday = 0;  // legal holidays not on a Sunday
};

struct MonthWeek {
  int week = 0;
  int weekYear = 0;
  std::string text;  // the week number, a blank before one digit: " 7"
  WorkingDayCounts counts;
  // "Kalenderwoche" in the Julian calendar and before 15.10.1582; otherwise
  // "7. Kalenderwoche 2024:\r\n6 Werktage\r\n5 Werktage ohne den Samstag"
  // and, after 1870, "\r\n0 Feiertage nicht auf Sonntag fallend".
  std::string hint;
};

struct MonthSheet {
  int year = 0;
  int month = 0;
  std::string monthName;                              // "März"
  SheetCalendar calendar = SheetCalendar::Gregorian;  // of the sheet's day
  std::array<MonthCell, 42> cells;
  std::array<MonthWeek, 6> weeks;
  int daysInMonth = 0;
  WorkingDayCounts monthCounts;  // over the days of the month
  int schoolHolidayDays = 0;     // days of the month in school holidays
  // "Julianischer Kalender" or "Vor-Gregorianischer Kalender"; in the
  // Gregorian calendar "März 2024:\r\n31 Tage\r\n25 Werktage\r\n21 Werktage
  // ohne die Samstage" and, after 1870, "\r\n1 Feiertag nicht auf Sonntag fallend";
  // with school holidays "\r\n16 Schulferientage".
  std::string monthHint;
};

// MonthSheetOf: the sheet of a month (1..12) of a year (1..3000) in a region
// and calendar. `selected` is the sheet's day (0: the first of the month); it
// decides the calendar mark and is marked selected. `today` marks today.
MonthSheet MonthSheetOf(int year, int month, std::string_view code, CalendarKind kind, int today,
                        int selected = 0);  // (2024, 3, "D-NI", G, ...) -> cells from 26.02.2024

// MonthSheetOfDay: the sheet of the month of a day number, that day selected.
MonthSheet MonthSheetOfDay(int dayNumber, std::string_view code, CalendarKind kind, int today);

}  // namespace engine

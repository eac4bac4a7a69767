// SPDX-License-Identifier: MIT
// What the month sheet TMoCal shows, without a window: the texts, hints,
// colours and link addresses of its 42 day cells, week numbers, weekday,
// month and year heads and calendar mark, the items of its day menu
// (`DayMenu0`..`DayMenu7`) and year menu (`YearMenu0`..`YearMenu5`), the
// school-holiday documents, and the keyboard's day steps. The days
// themselves come from the engine's month sheet (engine/monthsheet.h); every
// text here is built afresh from its constant base on every call, so that a
// redraw never appends to what the last one left.
//
// Addresses are complete http(s) addresses; opening them is the platform's
// business (platform/openurl.h).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/monthsheet.h"

namespace controls {

// The hosts and link bases of the sheet.
inline constexpr std::string_view kEncyclopediaBase = "https://de.wikipedia.org/wiki/";
inline constexpr std::string_view kKnowledgeEngineBase = "https://www.wolframalpha.com/input/?i=";
inline constexpr std::string_view kMagazineIndexBase =
    "https://www.spiegel.de/spiegel/print/index-";
inline constexpr std::string_view kSchoolHolidayServicePage =
    "https://www.kmk.org/service/ferien.html";
inline constexpr std::string_view kSchoolHolidayFolder =
    "https://www.kmk.org/fileadmin/Dateien/pdf/Ferienkalender/";
inline constexpr std::string_view kTourBase = "https://reisen.razaduvovi.de/";

// The first day with a magazine print index: 04.01.1947.
inline constexpr int kFirstMagazineDay = 2432190;

// The font colour of a day cell.
enum class CellInk { WindowText, Saturday, Sunday, LegalHoliday, Grey };

// The colour of the month head panel and of a cell's background.
enum class SheetPaper { Window, Julian, PreGregorian, Selected };

// A label of the sheet: its text, hint and the address a click opens ("" none).
struct SheetLabel {
  std::string text;
  std::string hint;
  std::string link;
};

struct CellView {
  std::string text;            // " 3"
  std::string hint;            // the day description; "" outside the supported range
  std::string link;            // double-click address; "" outside the supported range
  std::string accessibleName;  // "Freitag, 3. Oktober 2025, Tag der Deutschen Einheit, ..."
  CellInk ink = CellInk::WindowText;
  bool bold = false;
  bool schoolHoliday = false;  // the day lies in the region's school holidays
};

// One item of the day or year menu.
struct MenuItem {
  std::string caption;
  std::string hint;
  std::string link;
  bool visible = true;
};

// Everything the sheet shows for one month.
struct SheetView {
  engine::MonthSheet sheet;
  std::string code;
  engine::CalendarKind kind = engine::CalendarKind::Gregorian;
  int selected = 0;  // the selected day number
  std::array<CellView, 42> cells;
  std::array<SheetLabel, 6> weeks;     // Lbl_Week1..6
  std::array<SheetLabel, 7> weekdays;  // Lbl_WeekDay1..7: "Mo" .. "So"
  SheetLabel month;                    // Lbl_ShowMonth
  SheetLabel year;                     // Lbl_ShowYear
  SheetLabel mark;                     // Lbl_ShowCal
  SheetPaper headPaper = SheetPaper::Window;
  std::array<MenuItem, 6> yearMenu;  // YearMenu0..5
};

// SheetViewOf: the sheet of the month of a day number (moved into the
// supported range) in a region and calendar, that day selected. `tour` is
// the tour setting ("no", "grafic", "text", ...), `today` today's day number.
SheetView SheetViewOf(int dayNumber, std::string_view code, engine::CalendarKind kind, int today,
                      std::string_view tour);  // (2460587, "D-NI", G, ...) -> October 2024

// SelectDay: marks `dayNumber` selected (no cell when it is not shown).
void SelectDay(SheetView& view, int dayNumber);

// CellPaper: the background of cell 0..41: lime when selected, else the
// colour of the cell's calendar.
SheetPaper CellPaper(const SheetView& view, int cell);

// CellLink: the double-click address of a day: the tour's travel-calendar
// page for a day after today when a tour is set, else the encyclopedia's
// day article; "" outside the supported range.
std::string CellLink(const engine::MonthCell& cell, int today,
                     std::string_view tour);  // 03.03.2025 -> ".../wiki/3._M%E4rz"

// AccessibleCellName: the cell as a screen reader says it.
std::string AccessibleCellName(
    const engine::MonthCell& cell,
    engine::CalendarKind kind);  // "Freitag, 3. Oktober 2025, Tag der Deutschen Einheit,
                                 //  gesetzlicher Feiertag"

// CellStateWords: what the look of a cell says beyond its name, for a
// screen reader: ", heute", ", ausgewählt", ", nicht in diesem Monat",
// in that order, those that apply; "" for none.
std::string CellStateWords(
    const engine::MonthCell& cell);  // today, selected -> ", heute, ausgewählt"

// WeekRowName: a week-number head as a row head is read: "" for an empty head.
std::string WeekRowName(std::string_view weekText);  // "49" -> "49. Kalenderwoche"

// DayMenuOf: the eight items of the day menu for a cell in range; `timeText`
// is the sheet's "hh:mm:ss". The look-ups name the Gregorian date of the day.
std::array<MenuItem, 8> DayMenuOf(const engine::MonthCell& cell, std::string_view code,
                                  std::string_view timeText,
                                  int today);  // [5]: ".../wiki/3._M%E4rz#Feier-_und_Gedenktage"

// LowerCapital: the capital of a region in lower case, umlauts included.
std::string LowerCapital(std::string_view code);  // "A-NÖ" -> "st. pölten"

// SchoolHolidayDocument: the document of the school year A/A+1 in the
// ministers' conference folder.
std::string SchoolHolidayDocument(int schoolYear);  // 2017 -> "FER17_18.pdf"

// YearMenuOf: the six items of the year menu for the sheet's day in a
// calendar and region; the school-holiday items are visible only in the
// Gregorian calendar from 15.10.1582 and where they lead to the school
// year's document or page.
std::array<MenuItem, 6> YearMenuOf(int sheetDay, engine::CalendarKind kind,
                                   std::string_view code);  // 2024 -> [2] "a.u.c. 2777"

// TodayHint: the today button's hint for today's date text and the time.
std::string TodayHint(std::string_view todayText,
                      std::string_view timeText);  // "aktuelles Datum: 08.12.2026, 09:30:15\r\n..."

// The keyboard's steps of the selected day.
enum class DayStep { PreviousDay, NextDay, PreviousWeek, NextWeek, PreviousMonth, NextMonth };

// SteppedDay: the day a step leads to, kept in the supported range; a month
// step keeps the day of the month where the month has it, else its last day.
int SteppedDay(int dayNumber, DayStep step,
               engine::CalendarKind kind);  // 31.01.2024 NextMonth -> 29.02.2024

}  // namespace controls

// SPDX-License-Identifier: MIT
// The printable year calendar as data: the twelve months of a year as grids
// of six weeks from Monday with their week numbers, each day with the marks
// the page colours and draws (Saturday, Sunday, legal holiday of the region,
// new and full moon), the page title, and the year's holidays of the region
// for the list beside the months.
//
// The renderer of print/ only lays this out on paper; no day is computed
// there. The facts come from the month sheet, so the page and the calendar
// pop-up never disagree about a colour or a week number.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/civildate.h"
#include "engine/region.h"

namespace engine {

struct YearPageDay {
  int day = 0;           // the day of the month, also for the days of the months around
  bool inMonth = false;  // belongs to the month (and to the supported range)
  bool saturday = false;
  bool sunday = false;
  bool legalHoliday = false;   // a legal holiday of the region
  bool schoolHoliday = false;  // in the region's school holidays
  bool newMoon = false;
  bool fullMoon = false;
};

struct YearPageMonth {
  int month = 0;                     // 1..12
  std::string name;                  // "März"
  std::array<YearPageDay, 42> days;  // six rows of seven days, Monday first
  std::array<int, 6> weeks{};        // the week number of each row
  int rows = 0;                      // the rows holding a day of the month: 4, 5 or 6
};

struct YearPageHoliday {
  std::string date;     // "04.06.2026"
  std::string weekday;  // "Do."
  std::string names;    // "Fronleichnam"
  bool legal = false;
};

// A bridge day of the year: its first leave day and what it gives.
struct YearPageBridge {
  std::string date;     // "15.05.2026", the first leave day
  std::string weekday;  // "Fr"
  std::string text;     // "1 Urlaubstag → 4 freie Tage (14.05.–17.05.)"
};

struct YearPage {
  int year = 0;
  CalendarKind kind = CalendarKind::Gregorian;
  std::string regionCode;  // "D-BY"
  std::string regionName;  // "Bayern"
  // "Jahreskalender 2026 – Bayern", with " (julianischer Kalender)" for the
  // Julian calendar.
  std::string title;
  std::array<YearPageMonth, 12> months;
  std::vector<YearPageHoliday> holidays;  // in day order
  std::vector<YearPageBridge> bridges;    // in day order; none in the Julian calendar
  bool schoolHolidays = false;            // some day of the page is in school holidays
};

// YearPageOf: the page of a year (moved into 1..3000) in a region and
// calendar.
YearPage YearPageOf(int year, const Region& region,
                    CalendarKind kind);  // (2026, Bayern, G) -> 12 months, ..., Fronleichnam
YearPage YearPageOf(
    int year, std::string_view code,
    CalendarKind kind);  // (2026, "D-BY", G) -> title "Jahreskalender 2026 – Bayern"

}  // namespace engine

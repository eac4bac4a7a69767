// SPDX-License-Identifier: MIT
#include "engine/yearpage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

// The in-month day of a month's grid, or nullptr.
const YearPageDay* DayOf(const YearPageMonth& month, int day) {
  for (const YearPageDay& cell : month.days) {
    if (cell.inMonth && cell.day == day) return &cell;
  }
  return nullptr;
}

TEST(YearPage, TitleNamesYearRegionAndJulianCalendar) {
  const struct {
    int year;
    const char* code;
    CalendarKind kind;
    const char* title;
  } kCases[] = {
      {2026, "D-BY", G, "Jahreskalender 2026 – Bayern"},
      {1500, "D-NI", J, "Jahreskalender 1500 – Niedersachsen (julianischer Kalender)"},
      {2024, "A-W", G, "Jahreskalender 2024 – Wien"},
      {0, "D-BE", G, "Jahreskalender 1 – Berlin"},        // moved into the range
      {9999, "D-BE", G, "Jahreskalender 3000 – Berlin"},  // moved into the range
  };
  for (const auto& c : kCases) {
    const YearPage page = YearPageOf(c.year, c.code, c.kind);
    EXPECT_EQ(page.title, c.title);
  }
}

TEST(YearPage, FirstRowWeekNumbers) {
  const struct {
    int year;
    int month;
    int firstWeek;
    int firstColumn;  // 1 = Monday
    int rows;
  } kCases[] = {
      {2026, 1, 1, 4, 5},    // 01.01.2026 is a Thursday: week 1
      {2021, 1, 53, 5, 5},   // 01.01.2021 is a Friday: week 53 of 2020
      {2027, 1, 53, 5, 5},   // 01.01.2027 is a Friday
      {2024, 1, 1, 1, 5},    // a Monday
      {2026, 2, 5, 7, 5},    // 01.02.2026 is a Sunday
      {2015, 2, 5, 7, 5},    // 01.02.2015 a Sunday, 28 days
      {2021, 2, 5, 1, 4},    // February 2021 fills exactly four rows
      {2026, 3, 9, 7, 6},    // 01.03.2026 a Sunday, 31 days: six rows
      {2026, 12, 49, 2, 5},  // 01.12.2026 a Tuesday
  };
  for (const auto& c : kCases) {
    const YearPage page = YearPageOf(c.year, "D-NI", G);
    const YearPageMonth& month = page.months[c.month - 1];
    EXPECT_EQ(month.weeks[0], c.firstWeek) << c.year << "-" << c.month;
    EXPECT_EQ(month.rows, c.rows) << c.year << "-" << c.month;
    ASSERT_TRUE(month.days[c.firstColumn - 1].inMonth) << c.year << "-" << c.month;
    EXPECT_EQ(month.days[c.firstColumn - 1].day, 1);
    if (c.firstColumn > 1) {
      EXPECT_FALSE(month.days[c.firstColumn - 2].inMonth);
    }
  }
}

TEST(YearPage, LegalHolidaysOfTheRegion) {
  const struct {
    int year;
    const char* code;
    int month;
    int day;
    bool legal;
    const char* name;
  } kCases[] = {
      {2026, "D-BY", 6, 4, true, "Fronleichnam"},
      {2026, "D-NI", 6, 4, false, "Fronleichnam"},  // a named day, not legal there
      {2026, "D-BY", 1, 6, true, "Heilige Drei Könige"},
      {2026, "D-NI", 10, 31, true, "Reformationstag"},
      {2026, "D-BY", 10, 3, true, "Tag der deutschen Einheit"},
      {2026, "A-W", 12, 8, true, "Mariä Empfängnis"},
  };
  for (const auto& c : kCases) {
    const YearPage page = YearPageOf(c.year, c.code, G);
    const YearPageDay* day = DayOf(page.months[c.month - 1], c.day);
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->legalHoliday, c.legal) << c.code << " " << c.name;
    char date[11];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", c.day, c.month, c.year);
    bool listed = false;
    for (const YearPageHoliday& holiday : page.holidays) {
      if (holiday.date != date) continue;
      listed = true;
      EXPECT_NE(holiday.names.find(c.name), std::string::npos) << holiday.names;
      EXPECT_EQ(holiday.legal, c.legal) << date;
    }
    EXPECT_TRUE(listed) << c.code << " " << date;
  }
}

// Guards against the grid and the list disagreeing about which days are legal.
TEST(YearPage, GridAndListAgreeOnLegalHolidays) {
  for (const char* code : {"D-BY", "D-NI", "D-SN", "A-T", "D"}) {
    for (int year : {1500, 1871, 1950, 1990, 2026, 2100, 3000}) {
      for (CalendarKind kind : {G, J}) {
        const YearPage page = YearPageOf(year, code, kind);
        std::set<std::string> grid, list;
        for (const YearPageMonth& month : page.months) {
          for (const YearPageDay& day : month.days) {
            if (!day.inMonth || !day.legalHoliday) continue;
            char date[11];
            std::snprintf(date, sizeof date, "%02d.%02d.%04d", day.day, month.month, year);
            grid.insert(date);
          }
        }
        for (const YearPageHoliday& holiday : page.holidays) {
          if (holiday.legal) list.insert(holiday.date);
        }
        EXPECT_EQ(grid, list) << code << " " << year;
      }
    }
  }
}

TEST(YearPage, MoonPhasesOfJanuary2026) {
  // Full moon 03.01.2026, new moon 18.01.2026.
  const YearPage page = YearPageOf(2026, "D-NI", G);
  const YearPageMonth& january = page.months[0];
  std::set<int> full, fresh;
  for (const YearPageDay& day : january.days) {
    if (day.inMonth && day.fullMoon) full.insert(day.day);
    if (day.inMonth && day.newMoon) fresh.insert(day.day);
    if (!day.inMonth) {
      EXPECT_FALSE(day.fullMoon || day.newMoon);
    }
  }
  EXPECT_EQ(full, std::set<int>{3});
  EXPECT_EQ(fresh, std::set<int>{18});
}

// Every month of many years: the days of the month in order, weekends in
// their columns, each moon phase about once a synodic month.
TEST(YearPage, SweepOfMonths) {
  for (CalendarKind kind : {G, J}) {
    for (int year = 2; year <= 2999; year += 37) {
      const YearPage page = YearPageOf(year, "D-NI", kind);
      int fullMoons = 0, newMoons = 0;
      for (const YearPageMonth& month : page.months) {
        int expected = 1;
        for (std::size_t i = 0; i < month.days.size(); ++i) {
          const YearPageDay& day = month.days[i];
          EXPECT_EQ(day.saturday, i % 7 == 5);
          EXPECT_EQ(day.sunday, i % 7 == 6);
          if (!day.inMonth) continue;
          EXPECT_EQ(day.day, expected++) << year << "-" << month.month;
          EXPECT_FALSE(day.fullMoon && day.newMoon);
          fullMoons += day.fullMoon;
          newMoons += day.newMoon;
        }
        EXPECT_EQ(expected - 1, DaysInMonthOf(month.month, year, kind))
            << year << "-" << month.month;
        int offset = 0;
        while (!month.days[static_cast<std::size_t>(offset)].inMonth) ++offset;
        EXPECT_EQ(month.rows, (offset + expected - 1 + 6) / 7) << year << "-" << month.month;
      }
      EXPECT_GE(fullMoons, 12) << year;
      EXPECT_LE(fullMoons, 13) << year;
      EXPECT_GE(newMoons, 12) << year;
      EXPECT_LE(newMoons, 13) << year;
    }
  }
}

TEST(YearPage, JulianYear1500HasALeapDayTheGregorianLacks) {
  const YearPage julian = YearPageOf(1500, "D-NI", J);
  const YearPage gregorian = YearPageOf(1500, "D-NI", G);
  EXPECT_NE(DayOf(julian.months[1], 29), nullptr);
  EXPECT_EQ(DayOf(gregorian.months[1], 29), nullptr);
  // 01.01.1500 Julian is a Wednesday, 01.01.1500 proleptic Gregorian a Monday.
  EXPECT_FALSE(julian.months[0].days[1].inMonth);
  EXPECT_TRUE(julian.months[0].days[2].inMonth);
  EXPECT_EQ(julian.months[0].days[2].day, 1);
  EXPECT_TRUE(gregorian.months[0].days[0].inMonth);
  EXPECT_EQ(gregorian.months[0].days[0].day, 1);
  EXPECT_FALSE(julian.holidays.empty());
  EXPECT_EQ(julian.holidays.front().date.substr(6), "1500");
}

TEST(YearPage, EdgesOfTheRangeCarryNoFactsBeyondIt) {
  // 01.01.0001 and 02.01.0001 Julian lie before the range.
  const YearPage firstYear = YearPageOf(1, "D-NI", J);
  const YearPageMonth& first = firstYear.months[0];
  const YearPageDay* second = DayOf(first, 2);
  EXPECT_EQ(second, nullptr);
  EXPECT_NE(DayOf(first, 3), nullptr);
  const YearPage lastYear = YearPageOf(3000, "D-NI", G);
  const YearPageMonth& last = lastYear.months[11];
  EXPECT_NE(DayOf(last, 31), nullptr);
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

TEST(YearPage, BridgeDaysOfTheRegion) {
  const YearPage page = YearPageOf(2026, "D-BY", CalendarKind::Gregorian);
  ASSERT_EQ(page.bridges.size(), 4u);
  EXPECT_EQ(page.bridges[2].date, "15.05.2026");
  EXPECT_EQ(page.bridges[2].weekday, "Fr");
  EXPECT_EQ(page.bridges[2].text, "1 Urlaubstag → 4 freie Tage (14.05.–17.05.)");
  const YearPage christmas = YearPageOf(2024, "D-NI", CalendarKind::Gregorian);
  EXPECT_EQ(christmas.bridges.back().text, "2 Urlaubstage → 5 freie Tage (28.12.–01.01.)");
  EXPECT_TRUE(YearPageOf(2026, "D-BY", CalendarKind::Julian).bridges.empty());
  EXPECT_TRUE(YearPageOf(2026, "XY", CalendarKind::Gregorian).bridges.empty());
}

TEST(YearPage, SchoolHolidaysShadeTheirDays) {
  const YearPage page = YearPageOf(2024, "D-NI", CalendarKind::Gregorian);
  EXPECT_TRUE(page.schoolHolidays);
  const YearPageMonth& october = page.months[9];
  int shaded = 0;
  for (const YearPageDay& day : october.days) {
    if (!day.inMonth) continue;
    EXPECT_EQ(day.schoolHoliday, day.day >= 4 && day.day <= 19) << day.day;
    shaded += day.schoolHoliday ? 1 : 0;
  }
  EXPECT_EQ(shaded, 16);
  EXPECT_FALSE(YearPageOf(2040, "D-NI", CalendarKind::Gregorian).schoolHolidays);
  EXPECT_FALSE(YearPageOf(2024, "D-NI", CalendarKind::Julian).schoolHolidays);
}

}  // namespace
}  // namespace engine

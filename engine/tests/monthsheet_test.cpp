// SPDX-License-Identifier: MIT
#include "engine/monthsheet.h"

#include <gtest/gtest.h>

#include "engine/period.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

int Day(int year, int month, int day, CalendarKind kind = G) {
  return DayNumberOf({year, month, day}, kind);
}

TEST(MonthSheet, FirstOfTheMonthStandsInItsWeekdayColumn) {
  const MonthSheet monday = MonthSheetOf(2024, 1, "D-NI", G, 0);  // 01.01.2024 is a Monday
  EXPECT_EQ(monday.cells[0].dayNumber, Day(2024, 1, 1));
  const MonthSheet sunday = MonthSheetOf(2024, 9, "D-NI", G, 0);  // 01.09.2024 is a Sunday
  EXPECT_EQ(sunday.cells[6].dayNumber, Day(2024, 9, 1));
  EXPECT_EQ(sunday.cells[0].text, "26");
  EXPECT_FALSE(sunday.cells[0].inMonth);
  EXPECT_EQ(sunday.cells[6].text, " 1");
  EXPECT_EQ(sunday.cells[6].column, 7);
}

TEST(MonthSheet, OctoberOf1582ChangesItsBackgroundOnTheFifteenth) {
  const MonthSheet sheet = MonthSheetOf(1582, 10, "D-NI", G, 0, Day(1582, 10, 10));
  EXPECT_EQ(sheet.calendar, SheetCalendar::PreGregorian);
  EXPECT_EQ(sheet.monthHint, "Vor-Gregorianischer Kalender");
  for (const MonthCell& cell : sheet.cells) {
    EXPECT_EQ(cell.background, cell.dayNumber < kGregorianSwitchDay ? SheetCalendar::PreGregorian
                                                                    : SheetCalendar::Gregorian)
        << cell.dayNumber;
  }
  EXPECT_EQ(MonthSheetOf(1582, 10, "D-NI", G, 0, Day(1582, 10, 20)).calendar,
            SheetCalendar::Gregorian);
  EXPECT_EQ(MonthSheetOf(1582, 10, "D-NI", J, 0).calendar, SheetCalendar::Julian);
}

// Regression: the days before 03.01.0001 Julian were all read as the first
// day of the range, so eight cells showed it selected and coloured alike.
TEST(MonthSheet, JulianJanuaryOfYearOneKeepsTheTrueDays) {
  const MonthSheet sheet = MonthSheetOfDay(kFirstDayNumber, "D-NI", J, 0);
  const char* kTexts[] = {"27", "28", "29", "30", "31", " 1", " 2", " 3"};
  for (int i = 0; i < 8; ++i) {
    const MonthCell& cell = sheet.cells[static_cast<std::size_t>(i)];
    EXPECT_EQ(cell.text, kTexts[i]);
    EXPECT_EQ(cell.clickDayNumber, kFirstDayNumber);
    EXPECT_EQ(cell.inRange, i == 7);
    EXPECT_EQ(cell.selected, i == 7);
    EXPECT_EQ(cell.dimmed(), i < 7);
    EXPECT_EQ(cell.facts.result, i == 7 ? 1 : 0);
  }
  EXPECT_EQ(sheet.cells[0].date, (CivilDate{0, 12, 27}));
}

// Regression: the cells after 31.12.3000 read an empty date text.
TEST(MonthSheet, DaysAfterTheRangeAreGreyAndClickToTheLastDay) {
  const MonthSheet sheet = MonthSheetOf(3000, 12, "D-NI", G, 0);
  int after = 0;
  for (const MonthCell& cell : sheet.cells) {
    EXPECT_LE(cell.clickDayNumber, kLastDayNumber);
    if (cell.dayNumber > kLastDayNumber) {
      ++after;
      EXPECT_TRUE(cell.dimmed());
      EXPECT_EQ(cell.facts.result, 0);
      EXPECT_FALSE(cell.legalHoliday);
    }
  }
  EXPECT_GT(after, 0);
  // Julian December 3000 ends on the 10th, inside its own month.
  const MonthSheet julian = MonthSheetOf(3000, 12, "D-NI", J, 0);
  EXPECT_FALSE(julian.cells[9].dimmed());
  EXPECT_TRUE(julian.cells[10].inMonth && julian.cells[10].dimmed());
}

TEST(MonthSheet, WeekAndMonthHintsCountWorkingDaysAndHolidays) {
  const MonthSheet sheet = MonthSheetOf(2024, 10, "D-NI", G, 0);
  // 30.09. to 06.10.2024: Thursday 03.10. is a legal holiday, Friday a bridge.
  EXPECT_EQ(sheet.weeks[0].hint,
            "40. Kalenderwoche 2024:\r\n5 Werktage\r\n4 Werktage ohne den Samstag\r\n"
            "1 Feiertag nicht auf Sonntag fallend\r\n"
            "Brückentag: Fr 04.10.2024: 1 Urlaubstag → 4 freie Tage, 03.10.–06.10.2024");
  // A week without a bridge names none.
  EXPECT_EQ(sheet.weeks[1].hint.find("Brückentag"), std::string::npos);
  // The Julian calendar knows no legal holidays to bridge.
  for (const MonthWeek& week : MonthSheetOf(2024, 10, "D-NI", CalendarKind::Julian, 0).weeks) {
    EXPECT_EQ(week.hint.find("Brückentag"), std::string::npos);
  }
  EXPECT_EQ(sheet.weeks[0].text, "40");
  // 03.10. and Reformation Day, legal in Lower Saxony since 2018.
  EXPECT_EQ(sheet.monthHint,
            "Oktober 2024:\r\n31 Tage\r\n25 Werktage\r\n21 Werktage ohne die Samstage\r\n"
            "2 Feiertage nicht auf Sonntag fallend\r\n16 Schulferientage");
  // Herbstferien 04.10.-19.10.2024 mark their days, in the month and the
  // days of the next around it alike.
  for (const MonthCell& cell : sheet.cells) {
    const bool autumn = cell.dayNumber >= DayNumberOf({2024, 10, 4}, G) &&
                        cell.dayNumber <= DayNumberOf({2024, 10, 19}, G);
    EXPECT_EQ(cell.schoolHoliday == "Herbstferien", autumn) << cell.dayNumber;
  }
  // Without data, no count and no mark.
  const MonthSheet swiss = MonthSheetOf(2024, 10, "XY", G, 0);
  EXPECT_EQ(swiss.schoolHolidayDays, 0);
  EXPECT_EQ(swiss.monthHint.find("Schulferien"), std::string::npos);
  const MonthSheet bavaria = MonthSheetOf(2024, 10, "D-BY", G, 0);
  EXPECT_EQ(bavaria.monthCounts.holidaysOffSunday, 1);
  // No holiday line before 1871, only "Kalenderwoche" in the Julian calendar.
  EXPECT_EQ(MonthSheetOf(1850, 1, "D-NI", G, 0).weeks[1].hint.find("Feiertag"), std::string::npos);
  EXPECT_EQ(MonthSheetOf(2024, 10, "D-NI", J, 0).weeks[0].hint, "Kalenderwoche");
}

TEST(MonthSheet, WeekOneBelongsToTheYearOfItsSunday) {
  const MonthSheet sheet = MonthSheetOf(2024, 12, "D-NI", G, 0);
  const MonthWeek& last = sheet.weeks[5];  // 30.12.2024 to 05.01.2025
  EXPECT_EQ(last.week, 1);
  EXPECT_EQ(last.weekYear, 2025);
  EXPECT_EQ(last.text, " 1");
  EXPECT_EQ(last.hint.substr(0, 23), "1. Kalenderwoche 2025:\r");
}

TEST(MonthSheet, TodayAndSelectionMarkOneCellEach) {
  const int today = Day(2024, 10, 3);
  const MonthSheet sheet = MonthSheetOfDay(Day(2024, 10, 17), "D-NI", G, today);
  int todays = 0;
  int selected = 0;
  for (const MonthCell& cell : sheet.cells) {
    todays += cell.today;
    selected += cell.selected;
  }
  EXPECT_EQ(todays, 1);
  EXPECT_EQ(selected, 1);
  EXPECT_TRUE(sheet.cells[3].legalHoliday);  // Thursday 03.10.
}

// Every month of the range in both calendars: 42 consecutive days from a
// Monday, the month's days all inside, counts that add up.
TEST(MonthSheet, EveryMonthIsAConsistentGrid) {
  for (CalendarKind kind : {G, J}) {
    for (int year = 1; year <= 3000; ++year) {
      for (int month = 1; month <= 12; ++month) {
        const MonthSheet sheet = MonthSheetOf(year, month, "D-BY", kind, 0);
        ASSERT_EQ(WeekDayOf(sheet.cells[0].dayNumber), 1);
        int inMonth = 0;
        int legal = 0;
        for (int i = 0; i < 42; ++i) {
          const MonthCell& cell = sheet.cells[static_cast<std::size_t>(i)];
          ASSERT_EQ(cell.dayNumber, sheet.cells[0].dayNumber + i);
          inMonth += cell.inMonth;
          legal += cell.inMonth && cell.legalHoliday;
        }
        ASSERT_EQ(inMonth, sheet.daysInMonth) << year << '-' << month;
        const WorkingDayCounts& c = sheet.monthCounts;
        ASSERT_LE(c.mondayToFriday, c.mondayToSaturday);
        ASSERT_LE(c.holidaysOffSunday, legal);
        ASSERT_LE(c.mondayToSaturday + legal, sheet.daysInMonth);
      }
    }
  }
}

// The hints count with the period texts' unit rule.
TEST(MonthSheet, CountsTakeThePluralForEveryNumberButOne) {
  EXPECT_EQ(CountText(0, "Werktag"), "0 Werktage");
  EXPECT_EQ(CountText(1, "Werktag"), "1 Werktag");
  EXPECT_EQ(CountText(2, "Feiertag"), "2 Feiertage");
}

}  // namespace
}  // namespace engine

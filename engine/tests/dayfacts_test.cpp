// SPDX-License-Identifier: MIT
#include "engine/dayfacts.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

TEST(DayFacts, ALegalHolidayInLowerSaxony) {
  const DayFacts f = DayFactsOfDate("03.10.2024", "D-NI", G);
  EXPECT_EQ(f.result, 1);
  EXPECT_EQ(f.date, "03.10.2024");
  EXPECT_EQ(f.jd, "2460587");
  EXPECT_EQ(f.dayNumber, 2460587);
  EXPECT_EQ(f.weekday, 4);
  EXPECT_EQ(f.weekdayName, "Donnerstag");
  EXPECT_EQ(f.dayOfYear, 277);
  EXPECT_EQ(f.daysInYear, 366);
  EXPECT_EQ(f.week, 40);
  EXPECT_EQ(f.weekYear, 2024);
  EXPECT_EQ(f.daysInWeekYear, 366);
  EXPECT_EQ(f.goldenNumber, 11);
  EXPECT_EQ(f.easterDay, 91);
  EXPECT_EQ(f.holidayFlag, 1);
  EXPECT_EQ(f.holidayText, "Tag der deutschen Einheit");
  EXPECT_EQ(f.version, "4.284.54.16");
  EXPECT_FALSE(f.moonPhase.empty());
}

TEST(DayFacts, FailuresCarryOnlyTheResult) {
  const struct {
    const char* date;
    CalendarKind kind;
    int result;
  } kCases[] = {
      {"30.02.2024", G, 0},
      {"01/01/2000", G, -2},
      {"01.01.0000", G, -2},
      {"01.01.0001", J, -1},
  };
  for (const auto& c : kCases) {
    const DayFacts f = DayFactsOfDate(c.date, "D-NI", c.kind);
    EXPECT_EQ(f.result, c.result) << c.date;
    EXPECT_EQ(f.date, "");
    EXPECT_EQ(f.holidayText, "");
    EXPECT_EQ(f.version, "");
  }
  EXPECT_EQ(DayFactsOfJD("abc", "D-NI", G).result, -1);
  EXPECT_EQ(DayFactsOfJD("2817153", "D-NI", G).result, -1);
}

// A Julian date whose day of the year differs from the Gregorian count (1900
// is a Julian leap year), and its holidays in the Julian frame.
TEST(DayFacts, JulianDayOfYearAndHolidays) {
  const DayFacts f = DayFactsOfDate("01.11.1900", "D-BY", J);
  EXPECT_EQ(f.result, 1);
  EXPECT_EQ(f.dayOfYear, 306);
  EXPECT_EQ(f.daysInYear, 366);
  EXPECT_EQ(f.holidayText, "Allerheiligen");
  EXPECT_EQ(f.holidayFlag, 1);
  EXPECT_EQ(DayFactsOfDate("01.11.1900", "D-BY", G).dayOfYear, 305);
  EXPECT_EQ(DayFactsOfDate("29.02.1900", "D-BY", J).holidayText, "");
  EXPECT_EQ(DayFactsOfDate("29.02.1900", "D-BY", G).result, 0);
}

// The day-number form names the same day as the date form in both calendars.
TEST(DayFacts, DateAndDayNumberFormsAgree) {
  for (CalendarKind kind : {G, J}) {
    for (int jd = kFirstDayNumber; jd <= kLastDayNumber; jd += 1013) {
      const DayFacts byJd = DayFactsOfJD(jd, "D-BY", kind);
      const DayFacts byDate = DayFactsOfDate(byJd.date, "D-BY", kind);
      ASSERT_EQ(byJd.result, 1);
      ASSERT_EQ(byDate.jd, byJd.jd);
      ASSERT_EQ(byDate.holidayText, byJd.holidayText);
      ASSERT_EQ(byDate.moonPhase, byJd.moonPhase);
      ASSERT_EQ(byDate.week, byJd.week);
    }
  }
}

TEST(DayFacts, GregorianDatesAfter2299HaveTheirMovableFeasts) {
  const DayFacts newYear = DayFactsOfDate("01.01.2400", "D-NI", G);
  EXPECT_EQ(newYear.easterDay, 107);  // 16 April 2400
  EXPECT_EQ(newYear.holidayText, "Neujahr");
  EXPECT_EQ(DayFactsOfDate("13.04.3000", "D-NI", G).holidayText, "Ostersonntag");
  EXPECT_EQ(DayFactsOfDate("11.04.3000", "D-NI", G).holidayFlag, 1);  // Good Friday
  EXPECT_EQ(DayFactsOfDate("25.12.3000", "A-W", G).holidayText, "1. Weihnachtstag");
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/week.h"

#include <gtest/gtest.h>

#include <chrono>

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

TEST(Week, EdgeCases) {
  const struct {
    const char* date;
    CalendarKind kind;
    Week expected;
  } kCases[] = {
      {"01.01.2026", G, {1, 2026}},
      {"01.01.2021", G, {53, 2020}},
      {"01.01.2000", G, {52, 1999}},
      {"31.12.2024", G, {1, 2025}},
      {"28.12.2020", G, {53, 2020}},
      {"03.01.2000", G, {1, 2000}},
      {"29.12.2025", G, {1, 2026}},
      {"31.12.2026", G, {53, 2026}},
      {"02.01.2000", G, {52, 1999}},
      // 1900 is a Julian leap year: 01.01.1900 Jul. is a Saturday (13.01.1900 Greg.), and
      // the leap day shifts the whole year against the Gregorian count.
      {"01.01.1900", J, {52, 1899}},
      {"31.12.1900", J, {52, 1900}},
      {"01.03.1900", J, {9, 1900}},
  };
  for (const auto& c : kCases) {
    const WeekResult r = WeekOf(c.date, c.kind);
    EXPECT_EQ(r.code, 1) << c.date;
    EXPECT_EQ(r.week, c.expected) << c.date << " got " << r.week.week << '/' << r.week.weekYear;
  }
  EXPECT_EQ(WeekOf("30.02.2000", G).code, 0);
  EXPECT_EQ(WeekOf("01/01/2000", G).code, -2);
  EXPECT_EQ(WeekOf("01.01.0001", J).code, -1);
}

TEST(Week, MondayOfWeekEdgeCases) {
  const struct {
    int week;
    int year;
    CalendarKind kind;
    int code;
    const char* jd;
  } kCases[] = {
      {1, 2026, G, 1, "2461039"},   // 29.12.2025
      {53, 2020, G, 1, "2459212"},  // 28.12.2020
      {53, 2021, G, -2, ""},        // 2021 has 52 weeks
      {1, 1, J, -1, ""},
      {30, 1, J, -1, ""},          // 01.01.0001 Jul. is out of range
      {1, 0, G, -2, ""},           // no year 0
      {1, 2000, G, 1, "2451547"},  // 03.01.2000
      {60, 2020, G, -2, ""},       // past every week
      {1, 10000, G, 0, ""},
      {-2147483647 - 1, 2000, G, 0, ""},  // the week count once overflowed int
      {2147483647, 2000, G, 0, ""},
  };
  for (const auto& c : kCases) {
    const JdResult r = MondayOfWeek(c.week, c.year, c.kind);
    EXPECT_EQ(r.code, c.code) << c.week << '/' << c.year;
    EXPECT_EQ(r.jd, c.jd) << c.week << '/' << c.year;
  }
}

// ISO 8601 week of a Gregorian day by std::chrono: the week's Thursday
// decides the year, and the week number counts from that year's first day.
Week IsoWeek(int jd) {
  using namespace std::chrono;
  const sys_days day{days{jd - 2440588}};
  const sys_days thursday = day - (weekday{day} - Monday) + days{3};
  const year_month_day ymd{thursday};
  const sys_days first{ymd.year() / January / 1};
  return Week{static_cast<int>((thursday - first).count() / 7 + 1), static_cast<int>(ymd.year())};
}

TEST(Week, GregorianAgreesWithIso8601EveryDay) {
  for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
    ASSERT_EQ(WeekOfDayNumber(jd, G), IsoWeek(jd)) << JDToDate(jd, G).date;
  }
}

TEST(Week, TextAndDayNumberFormsAgree) {
  for (CalendarKind kind : {G, J}) {
    for (int jd = kFirstDayNumber; jd <= kLastDayNumber; jd += 13) {
      const WeekResult r = WeekOf(JDToDate(jd, kind).date, kind);
      ASSERT_EQ(r.code, 1);
      ASSERT_EQ(r.week, WeekOfDayNumber(jd, kind));
    }
  }
}

// MondayOfWeek inverts WeekOf for every week of every year, and refuses week
// 53 of every year that has only 52 weeks.
TEST(Week, MondayOfWeekIsTheInverseForEveryWeek) {
  for (CalendarKind kind : {G, J}) {
    for (int year = kind == J ? 2 : 1; year <= 2999; ++year) {
      for (int week = 1; week <= 53; ++week) {
        const JdResult r = MondayOfWeek(week, year, kind);
        const WeekMonday typed = MondayOfWeekNumber(week, year, kind);
        const int thursdayOfLastWeek =
            std::stoi(DateToJD("28.12." + std::to_string(year), kind).jd);
        const int weeksInYear = WeekOfDayNumber(thursdayOfLastWeek, kind).week;
        if (week > weeksInYear) {
          ASSERT_EQ(r.code, -2) << week << '/' << year;
          ASSERT_EQ(r.jd, "");
          ASSERT_EQ(typed.status, WeekMondayStatus::NoSuchWeek);
          continue;
        }
        ASSERT_EQ(r.code, 1) << week << '/' << year;
        const int monday = std::stoi(r.jd);
        ASSERT_EQ(typed.status, WeekMondayStatus::Found);
        ASSERT_EQ(typed.dayNumber, monday);
        ASSERT_EQ(WeekDayOf(monday), 1);
        ASSERT_EQ(WeekOfDayNumber(monday, kind), (Week{week, year})) << week << '/' << year;
      }
    }
  }
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/navigation.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/civildate.h"

namespace engine {
namespace {

int Jd(int year, int month, int day, CalendarKind kind = CalendarKind::Gregorian) {
  return DayNumberOf({year, month, day}, kind);
}

TEST(Navigation, UnitCyclingByFirstLetter) {
  const struct {
    const char* unit;
    long long count;
    bool gregorian;
    const char* next;
  } kCases[] = {
      {"Tag", 1, true, "Woche"},    {"Woche", 1, true, "Monat"},  {"Monat", 1, true, "Jahr"},
      {"Jahr", 1, true, "Tag"},     {"Tage", 2, true, "Wochen"},  {"Wochen", 2, true, "Monate"},
      {"Monate", 2, true, "Jahre"}, {"Jahre", 2, true, "Tage"},   {"Tag", 1, false, "Woche"},
      {"Woche", 1, false, "Tag"},   {"Wochen", 3, false, "Tage"}, {"", 1, true, "Tag"},
      {"x", 2, true, "Tage"},       {"Tag", 0, true, "Wochen"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(NextUnit(c.unit, c.count, c.gregorian), c.next) << c.unit << c.count;
  }
}

TEST(Navigation, PluralEndingFollowsTheCountOneTwoOneThree) {
  for (const char* base : {"Tag", "Woche", "Monat", "Jahr"}) {
    std::string unit = base;
    const std::string plural = std::string(base) + (std::string(base) == "Woche" ? "n" : "e");
    const struct {
      long long count;
      std::string expected;
    } kSteps[] = {{1, base}, {2, plural}, {1, base}, {3, plural}, {3, plural}, {1, base}};
    for (const auto& step : kSteps) {
      unit = UnitForCount(unit, step.count);
      EXPECT_EQ(unit, step.expected) << base << " " << step.count;
    }
  }
}

TEST(Navigation, JulianCalendarTurnsMonthsAndYearsIntoDays) {
  EXPECT_EQ(CalendarUnit("Monat", 1, false), "Tag");
  EXPECT_EQ(CalendarUnit("Jahre", 2, false), "Tage");
  EXPECT_EQ(CalendarUnit("Wochen", 2, false), "Wochen");
  EXPECT_EQ(CalendarUnit("Monat", 1, true), "Monat");
}

TEST(Navigation, NavigationCommandsAndTheJulianMonthDropped) {
  const struct {
    bool forward;
    const char* unit;
    bool gregorian;
    const char* command;
  } kCases[] = {
      {false, "Tag", true, "backDay"},     {true, "Tage", true, "forwDay"},
      {false, "Woche", true, "backWeek"},  {true, "Wochen", false, "forwWeek"},
      {false, "Monat", true, "backMonth"}, {true, "Monate", true, "forwMonth"},
      {true, "Monat", false, ""},          {false, "Jahr", true, "backYear"},
      {true, "Jahre", true, "forwYear"},   {true, "", true, ""},
      {true, "Stunde", true, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(NavigationCommand(c.forward, c.unit, c.gregorian), c.command) << c.unit;
  }
}

TEST(Navigation, NavigationByEachUnitFromMonthEndAndLeapDay) {
  const struct {
    engine::CivilDate from;
    const char* command;
    engine::CivilDate to;
  } kCases[] = {
      {{2024, 1, 31}, "forwDay", {2024, 2, 1}},    {{2024, 1, 31}, "backDay", {2024, 1, 30}},
      {{2024, 1, 31}, "forwWeek", {2024, 2, 7}},   {{2024, 1, 31}, "backWeek", {2024, 1, 24}},
      {{2024, 1, 31}, "forwMonth", {2024, 2, 29}}, {{2024, 1, 31}, "backMonth", {2023, 12, 31}},
      {{2024, 1, 31}, "forwYear", {2025, 1, 31}},  {{2024, 1, 31}, "backYear", {2023, 1, 31}},
      {{2024, 2, 29}, "forwDay", {2024, 3, 1}},    {{2024, 2, 29}, "backDay", {2024, 2, 28}},
      {{2024, 2, 29}, "forwWeek", {2024, 3, 7}},   {{2024, 2, 29}, "backWeek", {2024, 2, 22}},
      {{2024, 2, 29}, "forwMonth", {2024, 3, 29}}, {{2024, 2, 29}, "backMonth", {2024, 1, 29}},
      {{2024, 2, 29}, "forwYear", {2025, 2, 28}},  {{2024, 2, 29}, "backYear", {2023, 2, 28}},
  };
  for (const auto& c : kCases) {
    const Move move =
        Navigate(Jd(c.from.year, c.from.month, c.from.day), c.command, 1, CalendarKind::Gregorian);
    EXPECT_TRUE(move.moved) << c.command;
    EXPECT_EQ(move.dayNumber, Jd(c.to.year, c.to.month, c.to.day))
        << c.command << " from " << c.from.day << "." << c.from.month;
    EXPECT_EQ(move.message, 0) << c.command;
  }
}

// Guards against a forward move past the range ending at 01.01.0001 and
// against the last year of the range counting as outside it.
TEST(Navigation, NavigationPastTheEndsIsHeldAtTheNearestEndWithItsMessage) {
  const int first = engine::kFirstDayNumber;
  const int lastG = engine::kLastDayNumber;
  const int lastJ = 2816807;
  const struct {
    int from;
    const char* command;
    long long count;
    CalendarKind kind;
    int to;
    int message;
  } kCases[] = {
      {lastG, "forwDay", 1, CalendarKind::Gregorian, lastG, 3},
      {first, "backDay", 1, CalendarKind::Gregorian, first, 1},
      {Jd(3000, 12, 15), "forwMonth", 1, CalendarKind::Gregorian, lastG, 3},
      {Jd(2024, 1, 1), "forwYear", 999999, CalendarKind::Gregorian, lastG, 3},
      {Jd(2024, 1, 1), "forwMonth", 999999, CalendarKind::Gregorian, lastG, 3},
      {Jd(2024, 1, 1), "forwWeek", 999999, CalendarKind::Gregorian, lastG, 3},
      {Jd(2024, 1, 1), "backYear", 999999, CalendarKind::Gregorian, first, 1},
      {Jd(2024, 1, 1), "backMonth", 999999, CalendarKind::Gregorian, first, 1},
      {Jd(2024, 1, 1), "backDay", 999999, CalendarKind::Gregorian, first, 1},
      {Jd(2999, 12, 31), "forwMonth", 1, CalendarKind::Gregorian, Jd(3000, 1, 31), 0},
      {Jd(2999, 12, 31), "forwYear", 1, CalendarKind::Gregorian, lastG, 0},
      {Jd(3000, 6, 30), "forwDay", 100, CalendarKind::Gregorian, Jd(3000, 10, 8), 0},
      {lastJ, "forwDay", 1, CalendarKind::Julian, lastJ, 4},
      {first, "backWeek", 1, CalendarKind::Julian, first, 2},
      {Jd(2024, 1, 1), "forwYear", 999999, CalendarKind::Julian, lastJ, 4},
      {Jd(2024, 1, 1), "backYear", 999999, CalendarKind::Julian, first, 2},
  };
  for (const auto& c : kCases) {
    const Move move = Navigate(c.from, c.command, c.count, c.kind);
    EXPECT_TRUE(move.moved) << c.command << " " << c.count;
    EXPECT_EQ(move.dayNumber, c.to) << c.command << " " << c.count;
    EXPECT_EQ(move.message, c.message) << c.command << " " << c.count;
  }
}

// Guards against the Julian leap day 1500 being skipped by a date-text round trip.
TEST(Navigation, JulianDaysAndWeeksMoveByDayNumbers) {
  const int leapDay = Jd(1500, 2, 29, CalendarKind::Julian);
  EXPECT_EQ(Navigate(leapDay - 1, "forwDay", 1, CalendarKind::Julian).dayNumber, leapDay);
  EXPECT_EQ(Navigate(leapDay + 7, "backWeek", 1, CalendarKind::Julian).dayNumber, leapDay);
  EXPECT_EQ(Navigate(leapDay, "forwYear", 1, CalendarKind::Julian).dayNumber,
            Jd(1501, 2, 28, CalendarKind::Julian));
}

// Guards against a dropped month move or an unknown command moving the date.
TEST(Navigation, DroppedAndUnknownCommandsDoNotMove) {
  const int day = Jd(2024, 1, 31);
  for (const char* command : {"", "forwMonth", "backMonth", "forw", "Change", "CK"}) {
    EXPECT_FALSE(Navigate(day, command, 1, CalendarKind::Julian).moved) << command;
  }
  EXPECT_FALSE(Navigate(day, "", 1, CalendarKind::Gregorian).moved);
  EXPECT_FALSE(Navigate(day, "sideways", 1, CalendarKind::Gregorian).moved);
}

}  // namespace
}  // namespace engine

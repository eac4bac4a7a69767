// SPDX-License-Identifier: MIT
#include "engine/chosenday.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(ChosenDay, ReadTimeOfDayTakesTheTwoFormsOnly) {
  const struct {
    const char* text;
    std::optional<TimeOfDay> expected;
  } kCases[] = {
      {"00:00", TimeOfDay{0, 0, 0}},
      {"23:59:59", TimeOfDay{23, 59, 59}},
      {"09:05", TimeOfDay{9, 5, 0}},
      {"12:30:07", TimeOfDay{12, 30, 7}},
      {"24:00", std::nullopt},
      {"23:60", std::nullopt},
      {"23:59:60", std::nullopt},
      {"9:05", std::nullopt},
      {"09:05:", std::nullopt},
      {"09-05", std::nullopt},
      {"", std::nullopt},
      {"0a:00", std::nullopt},
      {"09:05:00.000", std::nullopt},
      {"+1:00", std::nullopt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ReadTimeOfDay(c.text), c.expected) << c.text;
  }
}

TEST(ChosenDay, EveryTimeOfDayReadsBackFromItsText) {
  for (int seconds = 0; seconds < 86400; ++seconds) {
    const TimeOfDay time = TimeOfDayOfSeconds(seconds);
    ASSERT_EQ(ReadTimeOfDay(TimeOfDayText(time)), time) << seconds;
  }
  EXPECT_EQ(TimeOfDayOfSeconds(86400), (TimeOfDay{0, 0, 0}));
  EXPECT_EQ(TimeOfDayOfSeconds(-1), (TimeOfDay{23, 59, 59}));
}

TEST(ChosenDay, DateTextIsInTheDaysOwnCalendar) {
  ChosenDay day;
  day.dayNumber = 2460653;
  EXPECT_EQ(DateTextOf(day), "08.12.2024");
  day.calendar = CalendarKind::Julian;
  EXPECT_EQ(DateTextOf(day), "25.11.2024");
}

TEST(ChosenDay, ValidityFollowsTheCalendarsRange) {
  const struct {
    int dayNumber;
    CalendarKind calendar;
    bool valid;
  } kCases[] = {
      {kFirstDayNumber, CalendarKind::Gregorian, true},
      {kFirstDayNumber - 1, CalendarKind::Gregorian, false},
      {kLastDayNumber, CalendarKind::Gregorian, true},
      {kLastDayNumber + 1, CalendarKind::Gregorian, false},
      {kLastJulianDayNumber, CalendarKind::Julian, true},
      {kLastJulianDayNumber + 1, CalendarKind::Julian, false},
      {0, CalendarKind::Julian, false},
  };
  for (const auto& c : kCases) {
    ChosenDay day;
    day.dayNumber = c.dayNumber;
    day.calendar = c.calendar;
    EXPECT_EQ(IsChosenDayValid(day), c.valid) << c.dayNumber;
  }
}

TEST(ChosenDay, ReadChosenDayNeedsADateAndATime) {
  const std::optional<ChosenDay> day = ReadChosenDay("08.12.2026", "D-BY", "09:30");
  ASSERT_TRUE(day);
  EXPECT_EQ(day->dayNumber, 2461383);
  EXPECT_EQ(day->region, "D-BY");
  EXPECT_EQ(day->time, (TimeOfDay{9, 30, 0}));
  EXPECT_FALSE(ReadChosenDay("31.02.2024", "D-NI", "12:00:00"));
  EXPECT_FALSE(ReadChosenDay("15.07.2024", "D-NI", "1"));
  EXPECT_FALSE(ReadChosenDay("", "", ""));
  // The last Gregorian year has no Julian counterpart at its end.
  EXPECT_FALSE(ReadChosenDay("31.12.3000", "D-NI", "00:00", CalendarKind::Julian));
  EXPECT_EQ(ReadChosenDay("24.12.2003", "D-NI", "00:00", CalendarKind::Julian)->date(),
            (CivilDate{2003, 12, 24}));
}

}  // namespace
}  // namespace engine

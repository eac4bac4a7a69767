// SPDX-License-Identifier: MIT
#include "engine/workhours.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(WorkHours, ClockSeconds) {
  const struct {
    const char* text;
    int seconds;  // -1: no time text
  } kCases[] = {
      {"00:00", 0},     {"22:30", 81000},     {"22:30:15", 81015},
      {"24:00", 86400}, {"24:00:00", 86400},  {"24:00:01", -1},
      {"24:01", -1},    {"25:00", -1},        {"12:60", -1},
      {"12:00:60", -1}, {"1:00", -1},         {"12:00:0", -1},
      {"+12:00", -1},   {"12:00:00.000", -1}, {"", -1},
      {"ab:cd", -1},    {"12.00", -1},        {"12:00:00 ", -1},
  };
  for (const auto& c : kCases) {
    const std::optional<int> seconds = ClockSeconds(c.text);
    EXPECT_EQ(seconds.value_or(-1), c.seconds) << c.text;
  }
}

TEST(WorkHours, HoursAndEnds) {
  const struct {
    const char* begin;
    const char* end;
    const char* hours;
  } kCases[] = {
      {"22:00:00", "06:00:00", "08:00:00"},  // across midnight
      {"08:00:00", "16:30:00", "08:30:00"}, {"08:00:30", "08:00:00", "23:59:30"},
      {"00:00:00", "24:00:00", "24:00:00"}, {"12:00:00", "12:00:00", "00:00:00"},
      {"23:59:59", "00:00:01", "00:00:02"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(HoursBetween(c.begin, c.end).text, c.hours) << c.begin << ' ' << c.end;
    // The end comes back, 24:00:00 as the midnight it is.
    const std::string expectedEnd = std::string(c.end) == "24:00:00" ? "00:00:00" : c.end;
    EXPECT_EQ(EndAfterHours(c.begin, c.hours).text, expectedEnd) << c.begin << ' ' << c.hours;
  }
  EXPECT_EQ(EndAfterHours("22:00", "08:00").text, "06:00:00");
  EXPECT_EQ(EndAfterHours("22:00:00", "02:00:00").text, "00:00:00");
  EXPECT_FALSE(HoursBetween("22:00", "6:00").ok);
  EXPECT_FALSE(EndAfterHours("22:00", "").ok);
}

// Without seconds the seconds are cut, not rounded.
TEST(WorkHours, WithoutSeconds) {
  EXPECT_EQ(HoursBetween("08:00:59", "16:30:59", false).text, "08:30");
  EXPECT_EQ(HoursBetween("08:00:59", "16:30:00", false).text, "08:30");
  EXPECT_EQ(EndAfterHours("22:00:45", "08:00:45", false).text, "06:00");
}

TEST(WorkHours, CopyText) {
  EXPECT_EQ(WorkHoursCopyText("22:00:00", "06:00:00", "08:00:00"),
            "22:00:00 Uhrzeit Beginn\r\n06:00:00 Uhrzeit Ende\r\n--------\r\n"
            "08:00:00 Anzahl der Stunden\r\n========\r\n");
  EXPECT_EQ(WorkHoursCopyText("22:00", "06:00", "08:00", false),
            "22:00 Uhrzeit Beginn\r\n06:00 Uhrzeit Ende\r\n-----\r\n"
            "08:00 Anzahl der Stunden\r\n=====\r\n");
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/timetext.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/environment.h"
#include "engine/tests/clock_scope.h"

namespace engine {
namespace {

TEST(TimeText, NormalizeCompletesAndClamps) {
  const struct {
    const char* in;
    const char* out;
  } kCases[] = {
      {"12:34", "12:34:00.000"},        {"12:34:56", "12:34:56.000"},
      {"12:34:56.789", "12:34:56.789"}, {"+01:00", "+01:00:00.000"},
      {"-03:30", "-03:30:00.000"},      {"00:00", "00:00:00.000"},
      {"24:00:00.000", "24:00:00.000"}, {"24:30", "24:00:00.000"},
      {"25:10:10.500", "24:00:00.000"}, {"99:99:99.999", "24:00:00.000"},
      {"12:75:99", "12:59:59.000"},     {"23:60:00.999", "23:59:00.999"},
  };
  for (const auto& c : kCases) {
    const TimeTextResult r = NormalizeTimeText(c.in);
    EXPECT_TRUE(r.ok) << c.in;
    EXPECT_EQ(r.text, c.out) << c.in;
  }
}

TEST(TimeText, NormalizeRefusesOtherShapes) {
  for (const char* bad : {"", "1:00", "12-00", "12:0a", "12:00:0", "12:00:00.1", "++01:00",
                          "12:00:00,000", " 12:00", "12:00 ", "12:00:00.0000", "+", "-1:00"}) {
    const TimeTextResult r = NormalizeTimeText(bad);
    EXPECT_FALSE(r.ok) << '"' << bad << '"';
    EXPECT_EQ(r.text, "") << bad;
  }
}

TEST(TimeText, AddTimeTextsCarriesOverMidnight) {
  const struct {
    const char* time;
    const char* offset;
    int seconds;
    int carry;
    const char* text;
  } kCases[] = {
      {"10:00:00", "+01:30", 41400, 0, "11:30:00.000"},
      {"10:00", "-01:30", 30600, 0, "08:30:00.000"},
      {"10:00", "01:00", 39600, 0, "11:00:00.000"},  // no sign adds
      {"00:30", "-01:00", 84600, -1, "-23:30:00.000"},
      {"23:30", "+01:00", 1800, 1, "+00:30:00.000"},
      {"23:00", "+01:00", 0, 1, "+00:00:00.000"},
      {"00:00", "-24:00", 0, -1, "-00:00:00.000"},
      {"24:00", "+24:00", 0, 2, "+00:00:00.000"},  // the largest sum, two whole days
      {"12:00:00.500", "+00:00:00.600", 43201, 0, "12:00:01.100"},
      {"00:00:00.000", "-00:00:00.001", 86399, -1, "-23:59:59.999"},
      {"-10:00", "+01:00", 39600, 0, "11:00:00.000"},  // a time's sign is no part of its value
  };
  for (const auto& c : kCases) {
    const TimeSum r = AddTimeTexts(c.time, c.offset);
    EXPECT_TRUE(r.ok) << c.time << ' ' << c.offset;
    EXPECT_EQ(r.seconds, c.seconds) << c.time << ' ' << c.offset;
    EXPECT_EQ(r.dayCarry, c.carry) << c.time << ' ' << c.offset;
    EXPECT_EQ(r.text, c.text) << c.time << ' ' << c.offset;
  }
}

TEST(TimeText, AddTimeTextsFailsOnInvalidInput) {
  for (const auto& [time, offset] : {std::pair{"10:00", "+1:00"}, std::pair{"x", "+01:00"}}) {
    const TimeSum r = AddTimeTexts(time, offset);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.seconds, 0);
  }
}

TEST(TimeText, ShiftHoursEdgeCases) {
  const struct {
    const char* time;
    int hours;
    const char* out;
  } kCases[] = {
      {"00:30:00", -1, "23:30:00.000"},
      {"03:59:59", -4, "23:59:59.000"},
      {"04:00:00", -4, "00:00:00.000"},
      {"22:15", 4, "02:15:00.000"},
      {"10:00", 2, "12:00:00.000"},
      {"23:00", 1, "00:00:00.000"},
      {"12:00:00.250", -3, "09:00:00.250"},
      {"bad", 1, ""},
      {"10:00", 24, ""},
      {"10:00", -24, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ShiftHours(c.time, c.hours), c.out) << c.time << ' ' << c.hours;
  }
}

TEST(TimeText, ShiftHoursIsTheTimeOfDayAfterTheShiftForEveryMinute) {
  for (int hours = -4; hours <= 4; ++hours) {
    for (int minute = 0; minute < 24 * 60; ++minute) {
      std::string time = PadTwoDigits(std::to_string(minute / 60)) + ':' +
                         PadTwoDigits(std::to_string(minute % 60));
      const int shifted = ((minute + hours * 60) % 1440 + 1440) % 1440;
      const std::string expected = PadTwoDigits(std::to_string(shifted / 60)) + ':' +
                                   PadTwoDigits(std::to_string(shifted % 60)) + ":00.000";
      ASSERT_EQ(ShiftHours(time, hours), expected) << time << ' ' << hours;
    }
  }
}

TEST(TimeText, CurrentTimeTextReadsTheEngineClock) {
  {
    const ClockScope clock(LocalDateTime{2026, 12, 8, 9, 5, 7, 999});
    EXPECT_EQ(CurrentTimeText(), "09:05:07");
  }
  {
    const ClockScope clock(LocalDateTime{2026, 12, 8, 23, 59, 59, 0});
    EXPECT_EQ(CurrentTimeText(), "23:59:59");
  }
  EXPECT_EQ(CurrentTimeText().size(), 8u);
}

TEST(TimeText, OffsetHours) {
  const struct {
    const char* offset;
    double hours;
  } kCases[] = {
      {"+01:00:00", 1},
      {"+05:30:00", 5.5},
      {"+00:00:00", 0},
      {"-03:00", -3},
      {"+05:45", 5.75},
      {"+01:00:36", 1.01},
      {"01:30:00", 1.5},
      {"+ 2:00:00", 2},
      {"", 0},
      {"abc", 0},
      {"+xx:30:00", 0.5},
      {"-00:30:00", -0.5},
      // The sign belongs to the whole offset: reading it with the hours alone
      // put -01:30 at -0.5 hours.
      {"-01:30:00", -1.5},
      {"-03:30:00", -3.5},
  };
  for (const auto& c : kCases) {
    EXPECT_DOUBLE_EQ(OffsetHours(c.offset), c.hours) << c.offset;
  }
}

TEST(TimeText, SignedTimeText) {
  const struct {
    double hours;
    const char* text;
  } kCases[] = {
      {4.7, "+04:42:00.000"},   {-0.5, "-00:30:00.000"},         {0, "+00:00:00.000"},
      {-1e-9, "+00:00:00.000"}, {23.999999, "+23:59:59.996"},    {150, "+99:59:59.999"},
      {-150, "-99:59:59.999"},  {std::nan(""), "+00:00:00.000"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SignedTimeText(c.hours), c.text) << c.hours;
}

TEST(TimeText, Padding) {
  EXPECT_EQ(PadTwoDigits("7"), "07");
  EXPECT_EQ(PadTwoDigits("12"), "12");
  EXPECT_EQ(PadTwoDigits(""), "");
  EXPECT_EQ(PadZeros("42", 4), "0042");
  EXPECT_EQ(PadZeros("12345", 4), "12345");
  EXPECT_EQ(PadZeros("", 2), "00");
  EXPECT_EQ(PadZeros("5", 0), "5");
  EXPECT_EQ(PadZeros("5", -3), "5");
}

}  // namespace
}  // namespace engine

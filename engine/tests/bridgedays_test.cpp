// SPDX-License-Identifier: MIT
#include "engine/bridgedays.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/civildate.h"
#include "engine/deadline.h"

namespace engine {
namespace {

std::vector<std::string> Texts(int year, const char* region) {
  std::vector<std::string> texts;
  for (const BridgeStretch& s : BridgeDaysOfYear(year, region)) texts.push_back(s.text);
  return texts;
}

TEST(BridgeDays, TwentyTwentySixInLowerSaxonyAndBavaria) {
  EXPECT_EQ(Texts(2026, "D-NI"),
            (std::vector<std::string>{
                "Fr 02.01.2026: 1 Urlaubstag → 4 freie Tage, 01.01.–04.01.2026",
                "Fr 15.05.2026: 1 Urlaubstag → 4 freie Tage, 14.05.–17.05.2026",
            }));
  EXPECT_EQ(Texts(2026, "D-BY"),
            (std::vector<std::string>{
                "Fr 02.01.2026: 1 Urlaubstag → 4 freie Tage, 01.01.–04.01.2026",
                "Mo 05.01.2026: 1 Urlaubstag → 4 freie Tage, 03.01.–06.01.2026",
                "Fr 15.05.2026: 1 Urlaubstag → 4 freie Tage, 14.05.–17.05.2026",
                "Fr 05.06.2026: 1 Urlaubstag → 4 freie Tage, 04.06.–07.06.2026",
            }));
}

TEST(BridgeDays, TwoLeaveDaysAndTheYearsEnd) {
  // 2024: Christmas on Wednesday and Thursday, New Year's Day on Wednesday.
  const std::vector<std::string> texts = Texts(2024, "D-NI");
  const std::vector<std::string> expected = {
      "Mo 23.12.2024 und Di 24.12.2024: 2 Urlaubstage → 6 freie Tage, 21.12.–26.12.2024",
      "Fr 27.12.2024: 1 Urlaubstag → 5 freie Tage, 25.12.–29.12.2024",
      "Mo 30.12.2024 und Di 31.12.2024: 2 Urlaubstage → 5 freie Tage, 28.12.2024–01.01.2025",
  };
  ASSERT_GE(texts.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()), expected);
}

// Every stretch, in every year of a century, is what its definition says.
TEST(BridgeDays, EveryStretchKeepsTheRules) {
  const auto free = [](int day, const char* region) {
    return WeekDayOf(day) >= 6 || IsLegalHolidayOn(day, region);
  };
  for (const char* region : {"D-NI", "D-BY", "D-SN", "A-W"}) {
    for (int year = 1950; year <= 2050; ++year) {
      int previous = 0;
      for (const BridgeStretch& s : BridgeDaysOfYear(year, region)) {
        ASSERT_GT(s.firstLeave, previous);
        previous = s.lastLeave;
        EXPECT_EQ(CivilDateOf(s.firstLeave, CalendarKind::Gregorian).year, year);
        ASSERT_GE(s.leaveDays, 1);
        ASSERT_LE(s.leaveDays, 2);
        for (int day = s.firstLeave; day <= s.lastLeave; ++day) ASSERT_FALSE(free(day, region));
        for (int day = s.firstFree; day < s.firstLeave; ++day) ASSERT_TRUE(free(day, region));
        for (int day = s.lastLeave + 1; day <= s.lastFree; ++day) ASSERT_TRUE(free(day, region));
        ASSERT_FALSE(free(s.firstFree - 1, region));
        ASSERT_FALSE(free(s.lastFree + 1, region));
        ASSERT_TRUE(IsLegalHolidayOn(s.firstLeave - 1, region) ||
                    IsLegalHolidayOn(s.lastLeave + 1, region));
        ASSERT_EQ(s.freeDays, s.lastFree - s.firstFree + 1);
      }
    }
  }
}

TEST(BridgeDays, NoneWithoutLegalHolidaysOrOutsideTheRange) {
  EXPECT_TRUE(BridgeDaysOfYear(2026, "XY").empty());
  EXPECT_TRUE(BridgeDaysOfYear(1850, "D-NI").empty());  // no legal holidays before 1871
  EXPECT_TRUE(BridgeDaysOfYear(0, "D-NI").empty());
  EXPECT_TRUE(BridgeDaysOfYear(3001, "D-NI").empty());
  EXPECT_NO_THROW(BridgeDaysOfYear(3000, "D-NI"));
  EXPECT_NO_THROW(BridgeDaysOfYear(1, "D-NI"));
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/period.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/civildate.h"
#include "engine/daynumber.h"

namespace engine {
namespace {

using Lines = std::vector<std::string>;

TEST(Period, TextOfTwoYears) {
  const PeriodTextResult r = PeriodText("15.03.2023", "10.02.2025", false, true);
  ASSERT_EQ(r.code, 1);
  const Lines expected = {
      "Vom 15.03.2023 (exkl.) bis 10.02.2025 (inkl.):",
      "",
      "1 Zeitjahr, 332 Tage",
      "1 Zeitjahr, 10 Zeitmonate, 26 Tage",
      "1 Zeitjahr, 10 Zeitmonate, 3 Zeitwochen, 5 Tage",
      "22 Zeitmonate, 26 Tage",
      "22 Zeitmonate, 3 Zeitwochen, 5 Tage",
      "99 Zeitwochen, 5 Tage",
      "698 Tage",
      "1 Kalenderjahr, 332 Tage",
      "          (291 Tage in 2023, 41 Tage in 2025)",
      "1 Kalenderjahr, 10 Kalendermonate, 26 Tage",
      "          (9 Kalendermonate, 16 Tage in 2023",
      "           1 Kalendermonat, 10 Tage in 2025)",
      // The Roman year 2023 ends with 29.02.2024: 366 days.
      "0 Röm.Kalenderjahre, 698 Tage",
      "          (351 Tage in 2023*, 347 Tage in 2024)",
      "0 Röm.Kalenderjahre, 22 Röm.Kalendermonate, 26 Tage",
      "          (11 Röm.Kalendermonate, 16 Tage in 2023*",
      "           11 Röm.Kalendermonate, 10 Tage in 2024)",
  };
  EXPECT_EQ(r.lines, expected);
  std::string text;
  for (const std::string& line : expected) text += line + "\r\n";
  EXPECT_EQ(r.text, text);
  EXPECT_EQ(r.counts.days, 698);
  EXPECT_EQ(r.counts.weeks, 99);
  EXPECT_EQ(r.counts.weekDays, 5);
  EXPECT_EQ(r.counts.timeYears, 1);
  EXPECT_EQ(r.counts.daysAfterYear, 332);
  EXPECT_EQ(r.counts.calendar.wholeYears, 1);
  EXPECT_EQ(r.counts.roman.daySum, 698);
}

// Equal dates not both counted are no day: every count is 0, never
// negative, never a whole year of the day before turned round.
TEST(Period, EqualDates) {
  const struct {
    bool startInclusive;
    bool endInclusive;
    int days;
  } kCases[] = {{false, false, 0}, {true, false, 0}, {false, true, 0}, {true, true, 1}};
  for (const auto& c : kCases) {
    const PeriodTextResult r =
        PeriodText("10.02.2025", "10.02.2025", c.startInclusive, c.endInclusive);
    ASSERT_EQ(r.code, 1);
    ASSERT_EQ(r.lines.size(), 13u) << "no bracket lines within one year";
    const std::string day = c.days == 1 ? "1 Tag" : "0 Tage";
    EXPECT_EQ(r.lines[2], "0 Zeitjahre, " + day);
    EXPECT_EQ(r.lines[7], "0 Zeitwochen, " + day);
    EXPECT_EQ(r.lines[8], day);
    EXPECT_EQ(r.lines[9], "0 Kalenderjahre, " + day);
    EXPECT_EQ(r.lines[10], "0 Kalenderjahre, 0 Kalendermonate, " + day);
    EXPECT_EQ(r.lines[11], "0 Röm.Kalenderjahre, " + day);
    EXPECT_EQ(r.lines[12], "0 Röm.Kalenderjahre, 0 Röm.Kalendermonate, " + day);
    EXPECT_EQ(r.counts.days, c.days);
    EXPECT_EQ(r.text.find('-'), std::string::npos) << r.text;
  }
  // Also on the first day of a year, where the day before lies in another.
  const PeriodTextResult newYear = PeriodText("01.01.2024", "01.01.2024", false, false);
  EXPECT_EQ(newYear.lines[9], "0 Kalenderjahre, 0 Tage");
  EXPECT_EQ(newYear.counts.calendar.wholeYears, 0);
}

TEST(Period, StartAfterEnd) {
  const PeriodTextResult r = PeriodText("11.02.2025", "10.02.2025", true, true);
  EXPECT_EQ(r.code, -1);
  EXPECT_EQ(r.text, "Das Anfangsdatum darf NICHT größer sein als das Enddatum!");
  EXPECT_EQ(r.lines, (Lines{"Das Anfangsdatum darf NICHT größer sein als das Enddatum!"}));
}

TEST(Period, InvalidDates) {
  for (const char* date : {"", "31.02.2023", "01.01.3001", "2023-01-01"}) {
    EXPECT_EQ(PeriodText(date, "10.02.2025", true, true).code, 0) << date;
    EXPECT_EQ(PeriodText("10.02.2020", date, true, true).code, 0) << date;
    EXPECT_EQ(PeriodText(date, "10.02.2025", true, true).text, "") << date;
  }
}

TEST(Period, BracketLines) {
  const struct {
    const char* start;
    bool startInclusive;
    const char* end;
    bool endInclusive;
    bool calendar;
    bool roman;
  } kCases[] = {
      // A whole calendar year to the uncounted New Year's Day: none.
      // (The two dates lie in the Roman years 2022 and 2023.)
      {"01.01.2023", true, "01.01.2024", false, false, true},
      {"01.01.2023", true, "01.01.2024", true, true, true},
      // One Roman year (March to February) but two calendar years.
      {"15.03.2023", false, "10.02.2024", true, true, false},
      // To the uncounted first day of the next Roman year: none there either.
      {"15.03.2023", false, "01.03.2024", false, true, false},
      {"15.03.2023", false, "01.03.2024", true, true, true},
      {"15.01.2023", false, "15.03.2023", true, false, true},
      {"15.04.2023", false, "15.06.2023", true, false, false},
  };
  for (const auto& c : kCases) {
    const PeriodTextResult r = PeriodText(c.start, c.end, c.startInclusive, c.endInclusive);
    ASSERT_EQ(r.code, 1);
    const bool calendar =
        r.text.find("Kalendermonat") != std::string::npos && r.lines[10].starts_with("          (");
    std::size_t roman = 0;
    for (const std::string& line : r.lines) {
      if (line.starts_with("          (") && line.find("Röm.") != std::string::npos) ++roman;
    }
    EXPECT_EQ(calendar, c.calendar) << c.start << ' ' << c.end << '\n' << r.text;
    EXPECT_EQ(roman > 0, c.roman) << c.start << ' ' << c.end << '\n' << r.text;
  }
  // The months of the Roman frame in their brackets.
  const PeriodTextResult r = PeriodText("15.01.2023", "15.03.2023", false, true);
  EXPECT_EQ(r.lines.back(), "           0 Röm.Kalendermonate, 15 Tage in 2023*)");
}

TEST(Period, CountText) {
  const struct {
    int count;
    const char* unit;
    const char* text;
  } kCases[] = {
      {1, "Tag", "1 Tag"},
      {0, "Tag", "0 Tage"},
      {2, "Zeitwoche", "2 Zeitwochen"},
      {1, "Zeitwoche", "1 Zeitwoche"},
      {0, "Zeitwoche", "0 Zeitwochen"},
      {12, "Röm.Kalendermonat", "12 Röm.Kalendermonate"},
      {1, "Kalenderjahr", "1 Kalenderjahr"},
  };
  for (const auto& c : kCases) EXPECT_EQ(CountText(c.count, c.unit), c.text);
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

TEST(PeriodText, DayNumbersGiveTheTextOfTheirDates) {
  const int first = DayNumberOf({1999, 12, 25}, CalendarKind::Gregorian);
  for (int start = first; start < first + 400; start += 7) {
    for (int end = start - 3; end < start + 800; end += 61) {
      const auto text = [](int day) {
        return FormatDateText(CivilDateOf(day, CalendarKind::Gregorian));
      };
      for (const bool inclusive : {false, true}) {
        ASSERT_EQ(PeriodText(start, end, inclusive, !inclusive).text,
                  PeriodText(text(start), text(end), inclusive, !inclusive).text)
            << start << " " << end;
      }
    }
  }
  EXPECT_EQ(PeriodText(kFirstDayNumber - 1, kFirstDayNumber, true, true).code, 0);
  EXPECT_EQ(PeriodText(kLastDayNumber, kLastDayNumber + 1, true, true).code, 0);
}

}  // namespace
}  // namespace engine

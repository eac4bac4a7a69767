// SPDX-License-Identifier: MIT
#include "engine/deadline.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <limits>
#include <string>
#include <vector>

#include "engine/daynumber.h"
#include "engine/easter.h"
#include "engine/holidays.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;

int Jd(const std::string& date) {
  return ParseDayNumber(DateToJD(date, G).jd);
}

TEST(Deadline, DayArithmetic) {
  const struct {
    std::string (*operation)(std::string_view, long long);
    const char* date;
    long long n;
    const char* result;
  } kCases[] = {
      {AddDays, "31.01.2023", 15, "15.02.2023"},
      {AddDays, "28.02.2024", 1, "29.02.2024"},
      {AddDays, "31.12.3000", 1, "01.01.3001"},
      {AddDays, "31.12.9999", 1, ""},
      {AddDays, "01.01.2000", -1, "31.12.1999"},
      {AddWeeks, "31.01.2023", 1, "07.02.2023"},
      {AddWeeks, "31.01.2023", 0, "31.01.2023"},
      {AddMonths, "31.01.2023", 1, "28.02.2023"},
      {AddMonths, "31.01.2024", 1, "29.02.2024"},
      {AddMonths, "31.08.2023", 6, "29.02.2024"},
      {AddMonths, "15.12.2023", 1, "15.01.2024"},
      {AddMonths, "15.12.2023", 25, "15.01.2026"},
      {AddMonths, "15.12.9999", 1, ""},
      {AddYears, "29.02.2024", 1, "28.02.2025"},
      {AddYears, "29.02.2024", 4, "29.02.2028"},
      {AddYears, "15.06.2000", 9000, "15.06.9999"},  // forward the year stops at 9999
      {AddYears, "29.02.2024", 1LL << 62, "28.02.9999"},
      {SubDays, "01.03.2024", 1, "29.02.2024"},
      {SubDays, "01.01.0001", 1, ""},
      {SubWeeks, "07.02.2023", 1, "31.01.2023"},
      {SubMonths, "31.03.2023", 1, "28.02.2023"},
      {SubMonths, "15.01.2024", 13, "15.12.2022"},
      {SubMonths, "15.01.0001", 1, ""},
      {SubYears, "29.02.2024", 4, "29.02.2020"},
      {SubYears, "29.02.2024", 1, "28.02.2023"},
      {SubYears, "01.06.2000", 2000, ""},  // no year 0
      {SubYears, "01.06.2000", -5, "01.06.2005"},
      // A smallest count must not overflow when it is turned round.
      {SubDays, "01.06.2000", std::numeric_limits<long long>::min(), ""},
      {AddMonths, "01.06.2000", std::numeric_limits<long long>::min(), ""},
      {AddDays, "31.02.2023", 1, ""},
      {AddDays, "2023-01-31", 1, ""},
      {AddDays, "", 1, ""},
      {AddDays, "01.01.", 1, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(c.operation(c.date, c.n), c.result) << c.date << ' ' << c.n;
  }
}

// The month and year arithmetic against std::chrono, for every day of
// 1990..2030 and counts up to four years.
TEST(Deadline, MonthsAndYearsAgreeWithChrono) {
  using namespace std::chrono;
  for (int jd = Jd("01.01.1990"); jd <= Jd("31.12.2030"); ++jd) {
    const year_month_day ymd{sys_days{days{jd - 2440588}}};
    for (int n : {1, 2, 3, 6, 9, 12, 48}) {
      year_month_day target = ymd + months{n};
      if (!target.ok()) target = target.year() / target.month() / last;
      ASSERT_EQ(*ShiftDayNumber(jd, PeriodUnit::Month, n),
                sys_days{target}.time_since_epoch().count() + 2440588)
          << jd << ' ' << n;
      year_month_day back = ymd - months{n};
      if (!back.ok()) back = back.year() / back.month() / last;
      ASSERT_EQ(*ShiftDayNumber(jd, PeriodUnit::Month, -n),
                sys_days{back}.time_since_epoch().count() + 2440588);
    }
    year_month_day next = ymd + years{1};
    if (!next.ok()) next = next.year() / next.month() / last;
    ASSERT_EQ(*ShiftDayNumber(jd, PeriodUnit::Year, 1),
              sys_days{next}.time_since_epoch().count() + 2440588);
  }
}

TEST(Deadline, NextWorkingDay) {
  const struct {
    const char* date;
    const char* region;
    const char* weekdays;   // Saturday no working day
    const char* saturdays;  // Saturday a working day
  } kCases[] = {
      {"11.02.2023", "D-NI", "13.02.2023", "11.02.2023"},  // a Saturday
      {"12.02.2023", "D-NI", "13.02.2023", "13.02.2023"},  // a Sunday
      {"13.02.2023", "D-NI", "13.02.2023", "13.02.2023"},  // the day itself counts
      {"30.03.2024", "D-NI", "02.04.2024", "30.03.2024"},  // Easter Saturday, then Monday
      {"29.03.2024", "D-NI", "02.04.2024", "30.03.2024"},  // Good Friday
      {"18.05.2024", "D-NI", "21.05.2024", "18.05.2024"},  // Saturday before Whit Monday
      {"30.05.2024", "D-NW", "31.05.2024", "31.05.2024"},  // Corpus Christi
      {"30.05.2024", "D-NI", "30.05.2024", "30.05.2024"},
      {"24.12.2022", "D-NI", "27.12.2022", "24.12.2022"},
      {"25.12.2021", "D-NI", "27.12.2021", "27.12.2021"},
      {"31.12.3000", "D-NI", "31.12.3000", "31.12.3000"},  // a Wednesday
      {"24.12.2022", "D", "27.12.2022", "24.12.2022"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(NextWorkingDay(Jd(c.date), c.region), c.weekdays) << c.date << ' ' << c.region;
    EXPECT_EQ(NextWorkingDaySat(Jd(c.date), c.region), c.saturdays) << c.date << ' ' << c.region;
  }
  // 28.12.3000 is a Sunday, 29.12.3000 a Monday; none follows the last day.
  EXPECT_EQ(NextWorkingDay(Jd("28.12.3000"), "D-NI"), "29.12.3000");
  EXPECT_EQ(NextWorkingDay(kLastDayNumber + 1, "D-NI"), "");
  EXPECT_EQ(NextWorkingDay(kFirstDayNumber - 1, "D-NI"), "");
  EXPECT_EQ(NextWorkingDaySat(0, "D-NI"), "");
}

// The end cells of a table, in the order of the periods.
std::vector<std::string> Cells(const DeadlineTable& table) {
  std::vector<std::string> cells;
  for (const DeadlineRow& row : table.rows) cells.push_back(row.cell);
  return cells;
}

TEST(Deadline, TablesInLowerSaxony) {
  const struct {
    const char* start;
    const char* weekday;
    std::array<const char*, 13> cells;
  } kCases[] = {
      {"31.01.2023",
       "Di",
       {"07.02.2023, Di", "14.02.2023, Di", "21.02.2023, Di", "28.02.2023, Di", "15.02.2023, Mi",
        "28.02.2023, Di", "31.03.2023, Fr", "02.05.2023, Di", "31.07.2023, Mo", "01.11.2023, Mi",
        "02.05.2023, Di", "31.07.2023, Mo", "31.01.2024, Mi"}},
      {"29.02.2024",
       "Do",
       {"07.03.2024, Do", "14.03.2024, Do", "21.03.2024, Do", "28.03.2024, Do", "15.03.2024, Fr",
        "02.04.2024, Di", "29.04.2024, Mo", "29.05.2024, Mi", "29.08.2024, Do", "29.11.2024, Fr",
        "29.05.2024, Mi", "29.08.2024, Do", "28.02.2025, Fr"}},
      // A Saturday start: one week ends on Easter Saturday, then Easter Monday.
      {"23.03.2024",
       "Sa",
       {"02.04.2024, Di", "08.04.2024, Mo", "15.04.2024, Mo", "22.04.2024, Mo", "08.04.2024, Mo",
        "23.04.2024, Di", "23.05.2024, Do", "24.06.2024, Mo", "23.09.2024, Mo", "23.12.2024, Mo",
        "24.06.2024, Mo", "23.09.2024, Mo", "24.03.2025, Mo"}},
      {"30.04.2023",
       "So",
       {"08.05.2023, Mo", "15.05.2023, Mo", "22.05.2023, Mo", "30.05.2023, Di", "15.05.2023, Mo",
        "30.05.2023, Di", "30.06.2023, Fr", "31.07.2023, Mo", "30.10.2023, Mo", "30.01.2024, Di",
        "31.07.2023, Mo", "30.10.2023, Mo", "30.04.2024, Di"}},
      {"31.08.2023",
       "Do",
       {"07.09.2023, Do", "14.09.2023, Do", "21.09.2023, Do", "28.09.2023, Do", "15.09.2023, Fr",
        "02.10.2023, Mo", "01.11.2023, Mi", "30.11.2023, Do", "29.02.2024, Do", "31.05.2024, Fr",
        "30.11.2023, Do", "29.02.2024, Do", "02.09.2024, Mo"}},
      {"17.12.2023",
       "So",
       {"27.12.2023, Mi", "02.01.2024, Di", "08.01.2024, Mo", "15.01.2024, Mo", "02.01.2024, Di",
        "17.01.2024, Mi", "19.02.2024, Mo", "18.03.2024, Mo", "17.06.2024, Mo", "17.09.2024, Di",
        "18.03.2024, Mo", "17.06.2024, Mo", "17.12.2024, Di"}},
      // Near the end of the range: every end after 31.12.3000 is an empty cell.
      {"15.12.3000",
       "Mo",
       {"22.12.3000, Mo", "29.12.3000, Mo", "", "", "30.12.3000, Di", "", "", "", "", "", "", "",
        ""}},
  };
  for (const auto& c : kCases) {
    const DeadlineTable table = ComputeDeadlines(c.start, "D-NI");
    ASSERT_EQ(table.code, 1) << c.start;
    EXPECT_EQ(table.start, c.start);
    EXPECT_EQ(table.startWeekday, c.weekday) << c.start;
    EXPECT_EQ(table.regionName, "Niedersachsen");
    EXPECT_EQ(Cells(table), std::vector<std::string>(c.cells.begin(), c.cells.end())) << c.start;
  }
}

TEST(Deadline, RawEndsOutsideTheRangeStayReadable) {
  const DeadlineTable table = ComputeDeadlines("15.12.3000", "D-NI");
  EXPECT_EQ(table.rows[2].rawEnd, "05.01.3001");
  EXPECT_EQ(table.rows[2].end, "");
  EXPECT_EQ(table.rows[2].weekday, "");
  EXPECT_EQ(table.rows[12].rawEnd, "15.12.3001");
  // 25. and 26.12.3000 are holidays before a weekend: the last Monday.
  EXPECT_EQ(ComputeDeadlines("18.12.3000", "D-NI").rows[0].cell, "29.12.3000, Mo");
}

TEST(Deadline, RegionsWithDifferentHolidays) {
  const struct {
    const char* start;
    const char* region;
    const char* oneWeek;
  } kCases[] = {
      {"23.05.2024", "D-NW", "31.05.2024, Fr"},  // Corpus Christi 30.05.
      {"23.05.2024", "D-NI", "30.05.2024, Do"},
      {"24.10.2017", "D-NI", "01.11.2017, Mi"},  // Reformation Day 2017 everywhere
      {"24.10.2017", "D-BY", "02.11.2017, Do"},  // and then All Saints in Bavaria
      {"15.11.2023", "D-SN", "23.11.2023, Do"},  // Day of Repentance 22.11.
      {"15.11.2023", "D-NI", "22.11.2023, Mi"},
      {"08.08.2024", "D-SL", "16.08.2024, Fr"},  // Assumption Day 15.08.
      {"08.08.2024", "D-BY", "15.08.2024, Do"},
      {"01.03.2023", "D-BE", "09.03.2023, Do"},  // Women's Day 08.03. from 2019
      {"01.03.2018", "D-BE", "08.03.2018, Do"},
      {"01.03.2023", "D-MV", "09.03.2023, Do"},  // from 2023
      {"01.03.2022", "D-MV", "08.03.2022, Di"},
      {"01.05.2020", "D-BE", "11.05.2020, Mo"},  // Liberation Day 2020, then the weekend
      {"01.05.2021", "D-BE", "10.05.2021, Mo"},  // 08.05.2021 is a Saturday anyway
      {"13.09.2019", "D-TH", "23.09.2019, Mo"},  // Children's Day 20.09. from 2019
      {"13.09.2018", "D-TH", "20.09.2018, Do"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ComputeDeadlines(c.start, c.region).rows[0].cell, c.oneWeek)
        << c.start << ' ' << c.region;
  }
}

TEST(Deadline, InvalidStarts) {
  for (const char* start : {"", "31.02.2023", "01.01.3001", "2023-01-31", "31.01.2023x"}) {
    const DeadlineTable table = ComputeDeadlines(start, "D-NI");
    EXPECT_EQ(table.code, 0) << start;
    EXPECT_EQ(table.copyText, "") << start;
    EXPECT_EQ(table.rows[0].period.name, "1 Woche");
    EXPECT_EQ(table.rows[0].cell, "");
  }
}

TEST(Deadline, DayNumberGivesTheTableOfItsDate) {
  // Every 97th day of the range and its last, in a state with holidays of its own.
  std::vector<int> days;
  for (int jd = kFirstDayNumber; jd <= kLastDayNumber; jd += 97) days.push_back(jd);
  days.push_back(kLastDayNumber);
  for (const int jd : days) {
    const DeadlineTable byNumber = ComputeDeadlines(jd, "D-NW");
    const std::string date = JDToDateText(std::to_string(jd), CalendarKind::Gregorian);
    ASSERT_EQ(byNumber.copyText, ComputeDeadlines(date, "D-NW").copyText) << jd;
    ASSERT_EQ(byNumber.code, 1) << jd;
  }
  EXPECT_EQ(ComputeDeadlines(kFirstDayNumber - 1, "D-NI").code, 0);
  EXPECT_EQ(ComputeDeadlines(kLastDayNumber + 1, "D-NI").code, 0);
  EXPECT_EQ(ComputeDeadlines(0, "D-NI").copyText, "");
}

TEST(Deadline, CopyText) {
  const DeadlineTable table = ComputeDeadlines("31.01.2023", "D-NI");
  const std::string head =
      "Fristenberechnung nach § 187 I BGB\r\n"
      "Fristbeginn: 31.01.2023, Di\r\n"
      "Niedersachsen\r\n"
      "Frist      Fristende\r\n"
      "1 Woche    07.02.2023, Di\r\n"
      "2 Wochen   14.02.2023, Di\r\n"
      "3 Wochen   21.02.2023, Di\r\n"
      "4 Wochen   28.02.2023, Di\r\n"
      "1/2 Monat  15.02.2023, Mi\r\n"
      "1 Monat    28.02.2023, Di\r\n"
      "2 Monate   31.03.2023, Fr\r\n"
      "3 Monate   02.05.2023, Di\r\n"
      "6 Monate   31.07.2023, Mo\r\n"
      "9 Monate   01.11.2023, Mi\r\n"
      "1/4 Jahr   02.05.2023, Di\r\n"
      "1/2 Jahr   31.07.2023, Mo\r\n"
      "1 Jahr     31.01.2024, Mi\r\n"
      "§ 187 BGB Fristbeginn\r\n";
  EXPECT_EQ(table.copyText.substr(0, head.size()), head);
  // The caption once: the page frame must not put it in front again.
  EXPECT_EQ(table.copyText.find("Fristenberechnung", 1), std::string::npos);
  EXPECT_NE(
      table.copyText.find("der Frist mitgerechnet. Das Gleiche gilt von dem Tag der Geburt\r\n"
                          "bei der Berechnung des Lebensalters.\r\n\r\n\r\nAchtung!\r\n"
                          "Hier wird nach Absatz 1 gerechnet!\r\n\r\n§ 188 BGB Fristende\r\n"),
      std::string::npos);
  EXPECT_NE(table.copyText.find("der nächste Werktag.\r\n\r\n§ 189 BGB Berechnung einzelner "
                                "Fristen\r\n"),
            std::string::npos);
  EXPECT_TRUE(table.copyText.ends_with("so sind die 15 Tage zuletzt zu zählen.\r\n"));

  // An empty cell is written as nothing after the name, never as ", ".
  const DeadlineTable late = ComputeDeadlines("15.12.3000", "D-NI");
  EXPECT_NE(late.copyText.find("\r\n3 Wochen   \r\n"), std::string::npos);
  EXPECT_EQ(late.copyText.find(", \r\n"), std::string::npos);
}

TEST(Deadline, StartHint) {
  const std::string hint = DeadlineStartHint();
  EXPECT_TRUE(hint.starts_with("§ 187 BGB Fristbeginn\r\n\r\n(1) Ist für den Anfang"));
  EXPECT_TRUE(
      hint.ends_with("Lebensalters.\r\n\r\n\r\nAchtung!\r\nHier wird nach Absatz 1 gerechnet!"));
}

// No deadline ends on a Saturday, a Sunday or a legal holiday, and none
// passes over a working day: for every start day of 1950..2100 in every
// German state, against the holiday rules and raw ends of std::chrono.
TEST(Deadline, EveryEndIsTheFirstWorkingDayAfterTheRawEnd) {
  using namespace std::chrono;
  constexpr const char* kStates[] = {"D-BW", "D-BY", "D-BE", "D-BB", "D-HB", "D-HH",
                                     "D-HE", "D-MV", "D-NI", "D-NW", "D-RP", "D-SL",
                                     "D-SN", "D-ST", "D-SH", "D-TH"};
  const int first = Jd("01.01.1950");
  const int lastStart = Jd("31.12.2100");
  const int lastEnd = lastStart + 400;
  for (const char* state : kStates) {
    std::vector<bool> free;
    free.reserve(static_cast<std::size_t>(lastEnd - first + 1));
    for (int year = 1950; year <= 2102; ++year) {
      const bool leap = IsLeapYear(year, G);
      const int easter = EasterDay(year, G);
      const int firstOfYear = DayNumberOf({year, 1, 1}, G);
      for (int day = 1; day <= DaysInYear(year, G); ++day) {
        free.push_back(WeekDayOf(firstOfYear + day - 1) >= 6 ||
                       HolidayOfDay(day, easter, year, state, leap, G).flag == 1);
      }
    }
    const auto isFree = [&](int jd) { return free[static_cast<std::size_t>(jd - first)]; };
    // The working day after each day, searched once per day.
    std::vector<int> next;
    next.reserve(free.size());
    for (int jd = first; jd <= lastEnd - 10; ++jd) {
      next.push_back(NextWorkingDayNumber(jd, state, false).value_or(0));
    }
    for (int jd = first; jd <= lastStart; ++jd) {
      const year_month_day ymd{sys_days{days{jd - 2440588}}};
      for (const DeadlinePeriod& period : kDeadlinePeriods) {
        int raw = 0;
        switch (period.unit) {
          case PeriodUnit::Day:
            raw = jd + period.count;
            break;
          case PeriodUnit::Week:
            raw = jd + 7 * period.count;
            break;
          case PeriodUnit::Month:
          case PeriodUnit::Year: {
            const int n = period.unit == PeriodUnit::Year ? 12 * period.count : period.count;
            year_month_day target = ymd + months{n};
            if (!target.ok()) target = target.year() / target.month() / last;
            raw = static_cast<int>(sys_days{target}.time_since_epoch().count()) + 2440588;
            break;
          }
        }
        if (state == kStates[0]) {
          ASSERT_EQ(ShiftDayNumber(jd, period.unit, period.count), raw) << jd << period.name;
        }
        const int end = next[static_cast<std::size_t>(raw - first)];
        ASSERT_FALSE(isFree(end)) << state << ' ' << jd << ' ' << period.name;
        ASSERT_LE(raw, end);
        for (int day = raw; day < end; ++day) ASSERT_TRUE(isFree(day)) << state << ' ' << jd;
      }
    }
  }
}

}  // namespace
}  // namespace engine

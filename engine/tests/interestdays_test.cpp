// SPDX-License-Identifier: MIT
#include "engine/interestdays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr bool kIncl = true;
constexpr bool kExcl = false;

std::string Flags(bool startCounted, bool endCounted) {
  return std::string(startCounted ? "inkl" : "exkl") + '/' + (endCounted ? "inkl" : "exkl");
}

TEST(InterestDays, EdgeCases) {
  const InterestDays a = CountInterestDays(3, "01.01.2019", "31.12.2019", kExcl, kIncl);
  EXPECT_EQ(a.years, 0);
  EXPECT_EQ(a.days, 364);
  const InterestDays b = CountInterestDays(3, "01.01.2019", "31.12.2019", kIncl, kIncl);
  EXPECT_EQ(b.years, 1);
  EXPECT_EQ(b.days, 0);

  const InterestDays c = CountInterestDays(3, "15.03.2019", "15.03.2020", kExcl, kIncl);
  EXPECT_EQ(c.code, 1);
  EXPECT_EQ(c.years, 0);
  EXPECT_EQ(c.normalDays, 291);
  EXPECT_EQ(c.leapDays, 75);
  EXPECT_EQ(c.days, 366);
  EXPECT_EQ(c.dayLabel, "Zinstage im Normaljahr 2019");
  EXPECT_EQ(c.leapLabel, "Zinstage im Schaltjahr 2020");

  EXPECT_EQ(CountInterestDays(0, "31.01.2019", "28.02.2019", kExcl, kIncl).days, 30);

  const InterestDays d = CountInterestDays(5, "01.01.2019", "31.12.2019", kExcl, kIncl);
  EXPECT_EQ(d.years, 0);
  EXPECT_EQ(d.days, 360);
  const InterestDays e = CountInterestDays(5, "01.01.2019", "31.12.2019", kIncl, kIncl);
  EXPECT_EQ(e.years, 1);
  EXPECT_EQ(e.days, 0);

  EXPECT_EQ(SplitTimeYears("29.02.2020", "28.02.2021", kExcl, kIncl), (TimeSplit{1, 1, 0, 0, 0}));
  const InterestDays f = CountInterestDays(11, "29.02.2020", "28.02.2021", kExcl, kIncl);
  EXPECT_EQ(f.years, 1);
  EXPECT_EQ(f.days, 0);

  const InterestDays g = CountInterestDays(7, "01.01.2019", "02.01.2019", kExcl, kIncl);
  EXPECT_EQ(g.days, 1);
  EXPECT_EQ(g.dayLabel, "Zinstag");
  EXPECT_EQ(g.leapLabel, "");
  EXPECT_EQ(CountInterestDays(7, "01.01.2019", "03.01.2019", kExcl, kIncl).dayLabel, "Zinstage");
}

// Each method over month ends, February in common and leap years, a year
// end and the 31st, with the four inclusion flags.
TEST(InterestDays, EveryMethodOverMonthAndYearEnds) {
  const struct {
    int method;
    const char* start;
    const char* end;
    bool startCounted;
    bool endCounted;
    int years;
    int days;
  } kCases[] = {
      // actual/actual and actual/365 in calendar years.
      {3, "31.01.2019", "28.02.2019", kExcl, kIncl, 0, 28},
      {3, "31.01.2019", "28.02.2019", kIncl, kIncl, 0, 29},
      {3, "31.01.2019", "28.02.2019", kExcl, kExcl, 0, 27},
      {3, "31.01.2019", "28.02.2019", kIncl, kExcl, 0, 28},
      {3, "31.01.2020", "29.02.2020", kExcl, kIncl, 0, 29},
      {3, "15.12.2019", "15.01.2020", kExcl, kIncl, 0, 31},
      {3, "31.12.2019", "31.12.2020", kExcl, kIncl, 1, 0},
      {3, "31.12.2019", "31.12.2020", kIncl, kIncl, 1, 1},
      {3, "31.12.2019", "31.12.2020", kExcl, kExcl, 0, 365},
      {3, "01.03.2020", "28.02.2021", kIncl, kIncl, 0, 365},
      {7, "31.12.2019", "31.12.2020", kIncl, kExcl, 0, 366},
      {7, "15.03.2019", "15.03.2020", kIncl, kIncl, 0, 367},
      {7, "28.02.2019", "31.03.2019", kExcl, kIncl, 0, 31},
      // The same in Roman years, which run from March to February.
      {4, "31.12.2019", "31.12.2020", kExcl, kIncl, 0, 366},
      {4, "01.03.2020", "28.02.2021", kIncl, kIncl, 1, 0},
      {4, "01.03.2020", "28.02.2021", kExcl, kIncl, 0, 364},
      {4, "01.03.2019", "29.02.2020", kIncl, kIncl, 1, 0},
      {8, "01.03.2019", "29.02.2020", kExcl, kIncl, 0, 365},
      {8, "15.12.2019", "15.01.2020", kIncl, kExcl, 0, 31},
      // actual/360: at most 360 in one year, each of two years at most 360.
      {5, "31.12.2019", "31.12.2020", kExcl, kExcl, 0, 360},
      {5, "31.12.2019", "31.12.2020", kIncl, kExcl, 0, 361},
      {5, "01.03.2019", "29.02.2020", kExcl, kIncl, 0, 365},
      {5, "15.03.2019", "15.03.2020", kExcl, kIncl, 0, 366},
      {6, "01.03.2019", "29.02.2020", kExcl, kIncl, 0, 360},
      {6, "01.03.2020", "28.02.2021", kExcl, kIncl, 0, 360},
      {6, "31.12.2019", "31.12.2020", kExcl, kExcl, 0, 365},
      // 30/360 with the 31st: whole months count 30, broken months their days.
      {9, "31.01.2019", "28.02.2019", kExcl, kIncl, 0, 30},
      {9, "31.01.2019", "28.02.2019", kIncl, kIncl, 0, 31},
      {9, "31.01.2019", "28.02.2019", kExcl, kExcl, 0, 27},
      {9, "28.02.2019", "31.03.2019", kExcl, kIncl, 0, 30},
      {9, "28.02.2019", "31.03.2019", kExcl, kExcl, 0, 30},
      {9, "15.12.2019", "15.01.2020", kExcl, kIncl, 0, 31},
      {9, "31.12.2019", "31.12.2020", kExcl, kIncl, 1, 0},
      {9, "31.12.2019", "31.12.2020", kIncl, kExcl, 0, 361},
      {9, "15.03.2019", "15.03.2020", kExcl, kIncl, 0, 361},
      {9, "01.03.2020", "28.02.2021", kIncl, kIncl, 0, 360},
      {10, "31.01.2019", "28.02.2019", kExcl, kIncl, 0, 30},
      {10, "01.03.2020", "28.02.2021", kIncl, kIncl, 1, 0},
      {10, "31.12.2019", "31.12.2020", kExcl, kIncl, 0, 360},
      {10, "15.03.2019", "15.03.2020", kExcl, kIncl, 0, 361},
      // 30/360 in time years: 30 per month after the last anniversary.
      {11, "31.01.2019", "28.02.2019", kExcl, kIncl, 0, 30},
      {11, "31.01.2019", "28.02.2019", kExcl, kExcl, 0, 27},
      {11, "31.01.2020", "29.02.2020", kExcl, kExcl, 0, 28},
      {11, "28.02.2019", "31.03.2019", kExcl, kIncl, 0, 33},
      {11, "15.12.2019", "15.01.2020", kIncl, kIncl, 0, 31},
      {11, "31.12.2019", "31.12.2020", kExcl, kExcl, 0, 360},
      {11, "15.03.2019", "15.03.2020", kIncl, kIncl, 1, 1},
      {11, "15.03.2019", "15.03.2020", kExcl, kExcl, 0, 358},
      {11, "01.03.2020", "28.02.2021", kIncl, kIncl, 1, 0},
      {11, "01.03.2020", "28.02.2021", kExcl, kIncl, 0, 357},
      // 30/360 without a 31st day.
      {0, "31.01.2019", "28.02.2019", kIncl, kIncl, 0, 31},
      {0, "31.01.2019", "28.02.2019", kExcl, kExcl, 0, 27},
      {0, "31.01.2019", "28.02.2019", kIncl, kExcl, 0, 28},
      {0, "31.01.2020", "29.02.2020", kExcl, kIncl, 0, 30},
      {0, "28.02.2019", "31.03.2019", kExcl, kIncl, 0, 32},
      {0, "15.12.2019", "15.01.2020", kExcl, kIncl, 0, 30},
      {0, "15.12.2019", "15.01.2020", kExcl, kExcl, 0, 29},
      {0, "31.12.2019", "31.12.2020", kIncl, kIncl, 1, 1},
      {0, "31.12.2019", "31.12.2020", kExcl, kExcl, 0, 360},
      {0, "15.03.2019", "15.03.2020", kExcl, kIncl, 0, 360},
      {0, "01.03.2020", "28.02.2021", kIncl, kIncl, 0, 360},
      {0, "01.03.2020", "28.02.2021", kExcl, kIncl, 0, 359},
      {0, "10.05.2019", "20.05.2019", kExcl, kIncl, 0, 10},
      {0, "10.05.2019", "20.05.2019", kIncl, kIncl, 0, 11},
      {0, "10.05.2019", "20.05.2019", kExcl, kExcl, 0, 9},
      {0, "10.05.2019", "31.05.2019", kExcl, kIncl, 0, 20},
      {0, "01.02.2019", "28.02.2019", kIncl, kIncl, 0, 28},
      {0, "30.05.2019", "31.05.2019", kExcl, kIncl, 0, 1},
      {0, "30.05.2019", "31.05.2019", kIncl, kExcl, 0, 1},
      {0, "30.05.2019", "31.05.2019", kExcl, kExcl, 0, 0},
      {0, "15.05.2019", "15.05.2019", kExcl, kIncl, 0, 1},
      {0, "15.05.2019", "15.05.2019", kIncl, kExcl, 0, 1},
      {1, "31.01.2019", "28.02.2019", kExcl, kIncl, 0, 30},
      {1, "31.12.2019", "31.12.2020", kExcl, kIncl, 0, 360},
      {1, "01.03.2020", "28.02.2021", kIncl, kIncl, 0, 360},
      {1, "15.12.2019", "15.01.2020", kExcl, kIncl, 0, 30},
  };
  for (const auto& c : kCases) {
    const InterestDays r =
        CountInterestDays(c.method, c.start, c.end, c.startCounted, c.endCounted);
    const std::string where = std::to_string(c.method) + ": " + c.start + " - " + c.end + ' ' +
                              Flags(c.startCounted, c.endCounted);
    EXPECT_EQ(r.code, 1) << where;
    EXPECT_EQ(r.years, c.years) << where;
    EXPECT_EQ(r.days, c.days) << where;
    // Exchanged dates give the same period.
    const InterestDays swapped =
        CountInterestDays(c.method, c.end, c.start, c.startCounted, c.endCounted);
    EXPECT_EQ(swapped.years, c.years) << where;
    EXPECT_EQ(swapped.days, c.days) << where;
  }
}

// Guards against an empty period (equal dates, neither day counted) that
// reached back into the year before and gave 1 year and 365 days.
TEST(InterestDays, PeriodWithoutAnyDayIsZeroInEveryMethod) {
  for (const char* date : {"01.01.2020", "01.03.2020", "15.06.2019", "31.12.2019", "01.01.0001"}) {
    for (const InterestMethod& method : kInterestMethods) {
      const InterestDays r = CountInterestDays(method.number, date, date, kExcl, kExcl);
      EXPECT_EQ(r.code, 1) << method.number << ' ' << date;
      EXPECT_EQ(r.years, 0) << method.number << ' ' << date;
      EXPECT_EQ(r.days, 0) << method.number << ' ' << date;
      EXPECT_EQ(r.normalDays + r.leapDays, 0) << method.number << ' ' << date;
    }
    const PeriodSplit calendar = SplitCalendarYears(date, date, kExcl, kExcl).split;
    EXPECT_EQ(calendar.wholeYears, 0) << date;
    EXPECT_EQ(calendar.daySum, 0) << date;
    EXPECT_EQ(calendar.monthSum, 0) << date;
    EXPECT_EQ(calendar.brokenMonthDays, 0) << date;
    const PeriodSplit roman = SplitRomanYears(date, date, kExcl, kExcl).split;
    EXPECT_EQ(roman.wholeYears, 0) << date;
    EXPECT_EQ(roman.daySum, 0) << date;
    EXPECT_EQ(SplitTimeYears(date, date, kExcl, kExcl), (TimeSplit{1, 0, 0, 0, 0})) << date;
  }
}

// Guards against the labels naming the years of the date texts: a counted
// 01.01.2020 starts at the end of 2019, and January of 2020 lies in the
// Roman year 2019.
TEST(InterestDays, LabelsNameTheYearsOfTheFrame) {
  const struct {
    int method;
    const char* start;
    const char* end;
    bool startCounted;
    int normalDays;
    int leapDays;
    const char* dayLabel;
    const char* leapLabel;
  } kCases[] = {
      {3, "01.01.2020", "31.12.2020", kIncl, 0, 0, "Zinstage im Normaljahr 2019",
       "Zinstage im Schaltjahr 2020"},
      {3, "01.01.2020", "30.06.2020", kIncl, 0, 182, "Zinstage im Normaljahr 2019",
       "Zinstage im Schaltjahr 2020"},
      {3, "01.01.2020", "30.06.2020", kExcl, 0, 181, "Zinstage im Normaljahr",
       "Zinstage im Schaltjahr 2020"},
      {4, "15.01.2020", "15.02.2020", kExcl, 0, 31, "Zinstage im Normaljahr",
       "Zinstage im Schaltjahr 2019"},
      {4, "15.03.2019", "15.03.2020", kExcl, 15, 351, "Zinstage im Normaljahr 2020",
       "Zinstage im Schaltjahr 2019"},
      {4, "31.01.2019", "28.02.2019", kExcl, 28, 0, "Zinstage im Normaljahr 2018",
       "Zinstage im Schaltjahr"},
      {3, "15.03.2019", "15.03.2022", kExcl, 365, 0, "Zinstage im Normaljahr 2019 und 2022",
       "Zinstage im Schaltjahr"},
      {3, "15.03.2016", "15.03.2020", kExcl, 0, 366, "Zinstage im Normaljahr",
       "Zinstage im Schaltjahr 2016 und 2020"},
      {3, "30.12.2019", "31.12.2019", kExcl, 1, 0, "Zinstag im Normaljahr 2019",
       "Zinstage im Schaltjahr"},
      {3, "30.12.2020", "31.12.2020", kExcl, 0, 1, "Zinstage im Normaljahr",
       "Zinstag im Schaltjahr 2020"},
      {3, "31.12.2019", "01.01.2020", kExcl, 0, 1, "Zinstage im Normaljahr 2019",
       "Zinstag im Schaltjahr 2020"},
      {3, "31.12.2019", "01.01.2020", kIncl, 1, 1, "Zinstag im Normaljahr 2019",
       "Zinstag im Schaltjahr 2020"},
  };
  for (const auto& c : kCases) {
    const InterestDays r = CountInterestDays(c.method, c.start, c.end, c.startCounted, kIncl);
    EXPECT_EQ(r.normalDays, c.normalDays) << c.method << ' ' << c.start << ' ' << c.end;
    EXPECT_EQ(r.leapDays, c.leapDays) << c.method << ' ' << c.start << ' ' << c.end;
    EXPECT_EQ(r.dayLabel, c.dayLabel) << c.method << ' ' << c.start << ' ' << c.end;
    EXPECT_EQ(r.leapLabel, c.leapLabel) << c.method << ' ' << c.start << ' ' << c.end;
  }
}

// Guards against an uncounted start on the 31st giving -1 days in 30/360
// without a 31st day; 31.12. to 31.12. of the next year read 1 year and -1.
TEST(InterestDays, UncountedThirtyFirstGivesNoDay) {
  const struct {
    int method;
    const char* start;
    const char* end;
    int years;
    int days;
  } kCases[] = {
      {0, "31.01.2019", "28.02.2019", 0, 30}, {0, "31.01.2019", "01.02.2019", 0, 1},
      {0, "31.03.2019", "15.04.2019", 0, 15}, {0, "31.12.2019", "31.12.2020", 1, 0},
      {1, "31.12.2019", "15.01.2020", 0, 15}, {1, "31.01.2019", "28.02.2019", 0, 30},
  };
  for (const auto& c : kCases) {
    const InterestDays r = CountInterestDays(c.method, c.start, c.end, kExcl, kIncl);
    EXPECT_EQ(r.years, c.years) << c.method << ' ' << c.start << ' ' << c.end;
    EXPECT_EQ(r.days, c.days) << c.method << ' ' << c.start << ' ' << c.end;
  }
  EXPECT_EQ(CountInterestDays(0, "31.01.2019", "01.02.2019", kExcl, kExcl).days, 0);
}

TEST(InterestDays, UnknownMethodsAndUnreadableDatesFail) {
  for (int method : {2, -1, 12, 100}) {
    const InterestDays r = CountInterestDays(method, "01.01.2019", "01.02.2019", kExcl, kIncl);
    EXPECT_EQ(r.code, 0) << method;
    EXPECT_EQ(r.days, 0) << method;
    EXPECT_EQ(r.dayLabel, "") << method;
  }
  for (const char* bad : {"29.02.2019", "01.13.2019", "", "1.1.2019", "01.01.0000", "xx.01.2019"}) {
    EXPECT_EQ(CountInterestDays(3, bad, "01.02.2019", kExcl, kIncl).code, 0) << bad;
    EXPECT_EQ(SplitCalendarYears("01.02.2019", bad, kExcl, kIncl).code, 0) << bad;
    EXPECT_EQ(SplitRomanYears(bad, "01.02.2019", kExcl, kIncl).code, 0) << bad;
    EXPECT_EQ(SplitTimeYears(bad, "01.02.2019", kExcl, kIncl).code, 0) << bad;
  }
}

TEST(InterestMethods, TableMatchesTheWindowList) {
  for (std::size_t i = 0; i < kInterestMethods.size(); ++i) {
    EXPECT_EQ(kInterestMethods[i].listIndex, static_cast<int>(i));
    EXPECT_EQ(InterestMethodOfNumber(kInterestMethods[i].number)->listIndex, static_cast<int>(i));
  }
  EXPECT_EQ(InterestMethodOfNumber(0)->text, "30/360 im Kalenderjahr");
  EXPECT_EQ(InterestMethodOfNumber(4)->text, "actual/actual im Röm. Kalenderjahr");
  EXPECT_EQ(InterestMethodOfNumber(11)->text, "30/360 im Zeitjahr (mit 31.)");
  EXPECT_FALSE(InterestMethodOfNumber(2).has_value());
  EXPECT_FALSE(InterestMethodOfNumber(12).has_value());
}

TEST(PeriodSplit, AllCountsOfASplit) {
  PeriodSplit calendar;
  calendar.firstYearDays = 291;
  calendar.lastYearDays = 75;
  calendar.daySum = 366;
  calendar.firstYearMonths = 9;
  calendar.startMonthDays = 16;
  calendar.lastYearMonths = 2;
  calendar.endMonthDays = 15;
  calendar.monthSum = 11;
  calendar.brokenMonthDays = 31;
  calendar.lastYearLeap = true;
  calendar.firstYear = 2019;
  calendar.lastYear = 2020;
  const SplitResult a = SplitCalendarYears("15.03.2019", "15.03.2020", kExcl, kIncl);
  EXPECT_EQ(a.code, 1);
  EXPECT_EQ(a.split, calendar);

  // Within one year the months between count for the last year.
  PeriodSplit sameYear;
  sameYear.lastYearDays = 69;
  sameYear.daySum = 69;
  sameYear.startMonthDays = 21;
  sameYear.lastYearMonths = 1;
  sameYear.endMonthDays = 20;
  sameYear.monthSum = 1;
  sameYear.brokenMonthDays = 41;
  sameYear.firstYear = 2019;
  sameYear.lastYear = 2019;
  EXPECT_EQ(SplitCalendarYears("10.01.2019", "20.03.2019", kExcl, kIncl).split, sameYear);

  // March 2019 to February 2020 is one whole Roman year, a leap one.
  PeriodSplit roman;
  roman.wholeYears = 1;
  roman.lastYearLeap = true;
  roman.firstYear = 2018;
  roman.lastYear = 2019;
  EXPECT_EQ(SplitRomanYears("01.03.2019", "29.02.2020", kIncl, kIncl).split, roman);
  EXPECT_EQ(SplitCalendarYears("01.03.2019", "29.02.2020", kIncl, kIncl).split.daySum, 366);
}

TEST(SplitTimeYears, AnniversaryToAnniversary) {
  const struct {
    const char* start;
    const char* end;
    bool startCounted;
    bool endCounted;
    TimeSplit expected;
  } kCases[] = {
      {"15.05.2019", "15.05.2019", kIncl, kIncl, {1, 0, 1, 0, 1}},
      {"15.05.2019", "15.05.2019", kExcl, kIncl, {1, 0, 0, 0, 0}},
      {"15.03.2019", "15.03.2020", kExcl, kIncl, {1, 1, 0, 0, 0}},
      {"15.03.2019", "20.05.2021", kExcl, kIncl, {1, 2, 66, 2, 5}},
      {"31.01.2019", "31.03.2019", kExcl, kIncl, {1, 0, 59, 2, 0}},
      {"31.01.2019", "28.02.2019", kExcl, kIncl, {1, 0, 28, 1, 0}},
      {"29.02.2020", "28.02.2021", kExcl, kIncl, {1, 1, 0, 0, 0}},
      {"29.02.2020", "27.02.2021", kExcl, kIncl, {1, 0, 364, 11, 29}},
      {"29.02.2020", "29.03.2021", kExcl, kIncl, {1, 1, 29, 1, 0}},
      // A counted first of the month runs in whole calendar months and years.
      {"01.05.2020", "31.05.2020", kIncl, kIncl, {1, 0, 31, 1, 0}},
      {"01.05.2020", "30.06.2020", kIncl, kIncl, {1, 0, 61, 2, 0}},
      {"30.04.2020", "31.05.2020", kExcl, kIncl, {1, 0, 31, 1, 1}},
      {"01.03.2019", "29.02.2020", kIncl, kIncl, {1, 1, 0, 0, 0}},
      {"01.03.2019", "28.02.2020", kIncl, kIncl, {1, 0, 365, 11, 28}},
      {"01.01.0001", "31.12.0001", kIncl, kIncl, {1, 1, 0, 0, 0}},
      {"01.01.0001", "31.01.0001", kIncl, kIncl, {1, 0, 31, 1, 0}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(SplitTimeYears(c.start, c.end, c.startCounted, c.endCounted), c.expected)
        << c.start << " - " << c.end << ' ' << Flags(c.startCounted, c.endCounted);
  }
}

TEST(SplitNormalLeapDays, ByTheLeapFlagsOfTheTwoYears) {
  EXPECT_EQ(SplitNormalLeapDays(10, 20, false, false), (NormalLeapDays{365, 365, 0, 30}));
  EXPECT_EQ(SplitNormalLeapDays(10, 20, true, true), (NormalLeapDays{366, 366, 30, 0}));
  EXPECT_EQ(SplitNormalLeapDays(10, 20, true, false), (NormalLeapDays{366, 365, 10, 20}));
  EXPECT_EQ(SplitNormalLeapDays(10, 20, false, true), (NormalLeapDays{365, 366, 20, 10}));
}

TEST(RomanDate, EdgeCases) {
  const struct {
    const char* date;
    const char* roman;
  } kCases[] = {
      {"01.03.2019", "01.01.2019"}, {"31.12.2019", "31.10.2019"}, {"15.01.2020", "15.11.2019"},
      {"29.02.2020", "29.12.2019"}, {"01.01.0001", "01.11.0000"}, {"31.12.9999", "31.10.9999"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ToRomanDate(c.date), c.roman) << c.date;
    EXPECT_EQ(FromRomanDate(c.roman), c.date) << c.roman;
  }
  for (const char* bad : {"29.02.2019", "31.04.2019", "", "01.01.0000", "1.1.2019"}) {
    EXPECT_EQ(ToRomanDate(bad), "") << bad;
  }
  // The twelfth Roman month is February of the following calendar year.
  for (const char* bad : {"29.12.2018", "30.12.2019", "31.09.2020", "00.01.2019", "01.13.2019",
                          "01.00.2019", "01.01.0000", "01-01-2019", "01.11.9999"}) {
    EXPECT_EQ(FromRomanDate(bad), "") << bad;
  }
}

TEST(RomanDate, RoundTripOverTheWholeRange) {
  for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
    const std::string date = FormatDateText(CivilDateOf(jd, G));
    const std::string roman = ToRomanDate(date);
    ASSERT_EQ(FromRomanDate(roman), date) << date;
  }
}

// ---- Sweep against the plain day count --------------------------------------

// The period after the inclusion moves, counted year by year of the frame: a
// frame year the period covers completely is a whole year, the days of any
// other year count as normal-year or leap-year days.
struct YearCount {
  int wholeYears = 0;
  int wholeYearDays = 0;
  int normalDays = 0;
  int leapDays = 0;
  int capped360 = 0;  // the partial years' days, each year at most 360
};

YearCount CountByYears(int start, int end, bool roman) {
  const int firstMonth = roman ? 3 : 1;
  const auto yearStart = [&](int year) { return DayNumberOf(CivilDate{year, firstMonth, 1}, G); };
  const auto frameYear = [&](int jd) {
    const CivilDate date = CivilDateOf(jd, G);
    return date.month < firstMonth ? date.year - 1 : date.year;
  };
  YearCount count;
  for (int year = frameYear(start); year <= frameYear(end); ++year) {
    const int first = yearStart(year);
    const int last = yearStart(year + 1) - 1;
    const int lo = std::max(start + 1, first);
    const int hi = std::min(end, last);
    if (hi < lo) continue;
    if (lo == first && hi == last) {
      ++count.wholeYears;
      count.wholeYearDays += last - first + 1;
    } else {
      (last - first + 1 == 366 ? count.leapDays : count.normalDays) += hi - lo + 1;
      count.capped360 += std::min(hi - lo + 1, 360);
    }
  }
  return count;
}

void ExpectActualMethods(int start, int end, bool startCounted, bool endCounted) {
  const std::string a = FormatDateText(CivilDateOf(start, G));
  const std::string b = FormatDateText(CivilDateOf(end, G));
  const int plain = std::max(end - start + (startCounted ? 1 : 0) - (endCounted ? 0 : 1), 0);
  const int movedStart = start - (startCounted ? 1 : 0);
  const int movedEnd = std::max(end - (endCounted ? 0 : 1), movedStart);
  for (const bool roman : {false, true}) {
    const YearCount expected = CountByYears(movedStart, movedEnd, roman);
    ASSERT_EQ(expected.wholeYearDays + expected.normalDays + expected.leapDays, plain);
    const std::string where =
        a + " - " + b + ' ' + Flags(startCounted, endCounted) + (roman ? " röm." : " kal.");
    const InterestDays actual = CountInterestDays(roman ? 4 : 3, a, b, startCounted, endCounted);
    ASSERT_EQ(actual.years, expected.wholeYears) << where;
    ASSERT_EQ(actual.normalDays, expected.normalDays) << where;
    ASSERT_EQ(actual.leapDays, expected.leapDays) << where;
    ASSERT_EQ(actual.days, expected.normalDays + expected.leapDays) << where;
    const InterestDays by365 = CountInterestDays(roman ? 8 : 7, a, b, startCounted, endCounted);
    ASSERT_EQ(by365.years, expected.wholeYears) << where;
    ASSERT_EQ(by365.days + expected.wholeYearDays, plain) << where;
    const InterestDays by360 = CountInterestDays(roman ? 6 : 5, a, b, startCounted, endCounted);
    ASSERT_EQ(by360.years, expected.wholeYears) << where;
    ASSERT_EQ(by360.days, expected.capped360) << where;
  }
}

TEST(InterestDays, ActualMethodsMatchThePlainDayCount) {
  const int kLengths[] = {0,   1,   2,   27,  28,  29,  30,  31,  58,   59,   60,   61,
                          180, 364, 365, 366, 367, 729, 730, 731, 1095, 1096, 1461, 1462};
  const CivilDate kFrom[] = {{2018, 12, 1}, {1899, 12, 1}, {2099, 12, 1}, {1, 1, 1}};
  const int kDays[] = {800, 120, 120, 120};
  for (std::size_t range = 0; range < std::size(kFrom); ++range) {
    const int first = DayNumberOf(kFrom[range], G);
    for (int start = first; start < first + kDays[range]; ++start) {
      for (const int length : kLengths) {
        for (const bool startCounted : {false, true}) {
          for (const bool endCounted : {false, true}) {
            ExpectActualMethods(start, start + length, startCounted, endCounted);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace engine

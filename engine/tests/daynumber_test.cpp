// SPDX-License-Identifier: MIT
#include "engine/daynumber.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>

#include "engine/environment.h"
#include "engine/tests/clock_scope.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

static_assert(WeekDayOf(0) == 1);
static_assert(WeekDayOf(2451545) == 6);
static_assert(WeekDayOf(2299161) == 5);
static_assert(IsLeapYear(2000, G) && !IsLeapYear(1900, G) && IsLeapYear(1900, J));
static_assert(JDInRange(1721426) == 1 && JDInRange(2817153) == -1 && JDInRange(1721425) == -1);

// The year-by-year search from 01.01.2000 of the calendar, kept as the
// reference that the closed formula of JDToYearDay must equal.
YearDay SearchYearDay(int jd, CalendarKind kind) {
  const int reference = kind == G ? 2451545 : 2451558;
  int year = 0;
  if (jd >= reference) {
    int leaps = 0;
    for (int n = 1, y = 2000;; ++n, ++y) {
      if (IsLeapYear(y, kind)) ++leaps;
      if (reference + 365 * n + leaps > jd) {
        year = y;
        break;
      }
    }
  } else {
    int leaps = 0;
    for (int n = 1, y = 1999;; ++n, --y) {
      if (IsLeapYear(y, kind)) ++leaps;
      if (reference - 1 - 365 * n - leaps < jd) {
        year = y;
        break;
      }
    }
  }
  // DateToJD refuses 01.01.0001 Julian (before the range), so the first day
  // of the year comes from the unchecked conversion.
  const int first = DayNumberOf(CivilDate{year, 1, 1}, kind);
  return YearDay{1, year, IsLeapYear(year, kind), jd - first + 1};
}

TEST(DayNumber, EdgeCases) {
  const struct {
    const char* date;
    CalendarKind kind;
    int code;
    const char* jd;
  } kCases[] = {
      {"01.01.0001", G, 1, "1721426"},
      {"01.01.0001", J, -1, "0"},  // Julian year 1 starts early
      {"03.01.0001", J, 1, "1721426"},
      {"31.12.3000", G, 1, "2817152"},
      {"10.12.3000", J, 1, "2817152"},
      {"11.12.3000", J, -1, "0"},
      {"01.01.2000", G, 1, "2451545"},
      {"01.01.2000", J, 1, "2451558"},
      {"04.10.1582", J, 1, "2299160"},
      {"15.10.1582", G, 1, "2299161"},
      {"29.02.1900", G, 0, "0"},
      {"29.02.1900", J, 1, "2415092"},
      {"29.02.2000", G, 1, "2451604"},
      {"29.02.2000", J, 1, "2451617"},
      {"31.04.2001", G, 0, "0"},
      {"30.02.2004", G, 0, "0"},
      {"01/01/2000", G, -2, "0"},
      {"01/01/2000", J, 1, "2451558"},  // Julian ignores separators
      {"01.01.0000", G, -2, "0"},
      {"01.01.0000", J, -2, "0"},
      {"00.01.2000", G, 0, "0"},
      {"32.01.2000", G, 0, "0"},
      {"01.13.2000", G, 0, "0"},
      {"01.00.2000", G, 0, "0"},
      {"1a.01.2000", G, 0, "0"},
      {"01.01.20x0", G, 0, "0"},
      {"", G, -2, "0"},
      {"", J, 0, "0"},
      {"01.01.200", G, 1, "1794109"},   // the year field takes fewer digits
      {"01.01.20001", G, 0, "0"},       // trailing characters are not dropped silently
      {"31.12.9999", G, 1, "5373484"},  // the Gregorian conversion leaves the range test to callers
  };
  for (const auto& c : kCases) {
    const JdResult r = DateToJD(c.date, c.kind);
    EXPECT_EQ(r.code, c.code) << c.date << ' ' << CalendarCode(c.kind);
    EXPECT_EQ(r.jd, c.jd) << c.date << ' ' << CalendarCode(c.kind);
  }
}

TEST(DayNumber, JDToDateRejectsNonNumbersAndOutOfRange) {
  const struct {
    const char* jd;
    int code;
    const char* date;
    int dayOfYear;
  } kCases[] = {
      {"2451545", 1, "01.01.2000", 1},
      {" 2451545 ", 1, "01.01.2000", 1},
      {"1721426", 1, "01.01.0001", 1},
      {"2817152", 1, "31.12.3000", 365},
      {"2817153", -1, "", 0},
      {"1721425", -1, "", 0},
      {"abc", -1, "", 0},
      {"", -1, "", 0},
      {"2451545x", -1, "", 0},
      {"99999999999999", -1, "", 0},
      {"-2451545", -1, "", 0},
  };
  for (const auto& c : kCases) {
    const DateResult r = JDToDate(c.jd, G);
    EXPECT_EQ(r.code, c.code) << c.jd;
    EXPECT_EQ(r.date, c.date) << c.jd;
    EXPECT_EQ(r.dayOfYear, c.dayOfYear) << c.jd;
  }
  EXPECT_EQ(JDToDate("1721426", J).date, "03.01.0001");
  EXPECT_EQ(JDToDate("2817152", J).date, "10.12.3000");
}

// Julian arithmetic independent of the engine: count days from the
// switch-over, 04.10.1582 Jul. = day 2299160, year by year and month by month.
int JulianDayNumberByCounting(int day, int month, int year) {
  static const int kMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  auto daysBefore = [](int y) {  // days from 01.01.0001 to 01.01.y
    long total = 0;
    for (int k = 1; k < y; ++k) total += (k % 4 == 0) ? 366 : 365;
    return total;
  };
  auto dayOfYear = [&](int d, int m, int y) {
    int n = d;
    for (int k = 1; k < m; ++k) n += kMonth[k - 1] + (k == 2 && y % 4 == 0 ? 1 : 0);
    return n;
  };
  const long anchor = daysBefore(1582) + dayOfYear(4, 10, 1582);
  return static_cast<int>(2299160 + (daysBefore(year) + dayOfYear(day, month, year)) - anchor);
}

TEST(DayNumber, JulianAgreesWithCountingFromTheSwitchOver) {
  for (int year : {1, 4, 100, 1000, 1500, 1582, 1583, 1700, 1900, 2000, 2999}) {
    for (int month = 1; month <= 12; ++month) {
      const int day = DaysInMonthOf(month, year, J);
      const CivilDate date{year, month, day};
      EXPECT_EQ(DayNumberOf(date, J), JulianDayNumberByCounting(day, month, year))
          << FormatDateText(date);
    }
  }
}

// Every day of the range in both calendars: the conversions are inverse, and
// day numbers, weekdays and days of the year advance by one from day to day.
TEST(DayNumber, ExhaustiveRoundTripAndContinuity) {
  for (CalendarKind kind : {G, J}) {
    CivilDate previous = CivilDateOf(kFirstDayNumber - 1, kind);
    for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
      const DateResult r = JDToDate(jd, kind);
      ASSERT_EQ(r.code, 1);
      const JdResult back = DateToJD(r.date, kind);
      ASSERT_EQ(back.code, 1) << r.date;
      ASSERT_EQ(std::stoi(back.jd), jd) << r.date;
      const CivilDate date = CivilDateOf(jd, kind);
      ASSERT_EQ(r.date, FormatDateText(date));
      // CivilDateOf counts from 1 March; YearDayOf keeps the closed cycle
      // formulas, so the two computations check each other.
      const YearDay yd = JDToYearDay(jd, kind);
      const DayMonth closed = DayOfYearToDayMonth(yd.dayOfYear, yd.leap);
      ASSERT_EQ(date, (CivilDate{yd.year, closed.month, closed.day})) << jd;
      if (date.year == previous.year) {
        ASSERT_EQ(yd.dayOfYear, DaysBeforeMonth(previous.month, yd.leap) + previous.day + 1);
      } else {
        ASSERT_EQ(date.year, previous.year + 1);
        ASSERT_EQ(yd.dayOfYear, 1);
        ASSERT_EQ(DaysBeforeMonth(previous.month, IsLeapYear(previous.year, kind)) + previous.day,
                  DaysInYear(previous.year, kind));
      }
      ASSERT_EQ(WeekDayOf(jd), WeekDayOf(jd - 1) % 7 + 1);
      ASSERT_EQ(r.dayOfYear, yd.dayOfYear);
      previous = date;
    }
  }
}

TEST(DayNumber, DayNumberTextAtTheEdgesOfSevenDigits) {
  for (int jd : {0, -1, 999999, 1000000, 1721426, 9999999, 10000000, INT_MIN, INT_MAX}) {
    EXPECT_EQ(DayNumberText(jd), std::to_string(jd));
  }
}

// The text conversion takes its own path for complete four-digit dates; it
// must give the general day number for every such date, in range or not.
TEST(DayNumber, DateToJDOfEveryFourDigitYearDate) {
  for (CalendarKind kind : {G, J}) {
    for (int jd = DayNumberOf({1, 1, 1}, kind); jd <= DayNumberOf({9999, 12, 31}, kind); ++jd) {
      const std::string text = FormatDateText(CivilDateOf(jd, kind));
      const JdResult result = DateToJD(text, kind);
      if (kind == J && JDInRange(jd) != 1) {
        ASSERT_EQ(result.code, -1) << text;
        ASSERT_EQ(result.jd, "0");
      } else {
        ASSERT_EQ(result.code, 1) << text;
        ASSERT_EQ(result.jd, std::to_string(jd)) << text;
        ASSERT_EQ(DayNumberText(jd), result.jd);
      }
    }
  }
}

TEST(DayNumber, GregorianAgreesWithChrono) {
  using namespace std::chrono;
  // 01.01.1970 Gregorian is day number 2440588.
  for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
    const year_month_day ymd{sys_days{days{jd - 2440588}}};
    const CivilDate date = CivilDateOf(jd, CalendarKind::Gregorian);
    ASSERT_EQ(date.year, static_cast<int>(ymd.year()));
    ASSERT_EQ(date.month, static_cast<int>(static_cast<unsigned>(ymd.month())));
    ASSERT_EQ(date.day, static_cast<int>(static_cast<unsigned>(ymd.day())));
    ASSERT_EQ(WeekDayOf(jd),
              static_cast<int>(weekday{sys_days{days{jd - 2440588}}}.iso_encoding()));
    const YearDay yd = JDToYearDay(jd, G);
    ASSERT_EQ(yd.leap, ymd.year().is_leap());
    const auto first = sys_days{ymd.year() / January / 1};
    ASSERT_EQ(yd.dayOfYear, (sys_days{ymd} - first).count() + 1);
  }
}

TEST(DayNumber, ClosedYearFormulaEqualsYearSearch) {
  for (CalendarKind kind : {G, J}) {
    for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
      const YearDay closed = JDToYearDay(jd, kind);
      // The search is quadratic over the range; every day near the ends and
      // around each new year, and every 97th day elsewhere, keeps it quick.
      if (jd - kFirstDayNumber > 800 && kLastDayNumber - jd > 800 && closed.dayOfYear > 3 &&
          closed.dayOfYear < 363 && jd % 97 != 0)
        continue;
      const YearDay searched = SearchYearDay(jd, kind);
      ASSERT_EQ(closed.year, searched.year) << jd;
      ASSERT_EQ(closed.leap, searched.leap) << jd;
      ASSERT_EQ(closed.dayOfYear, searched.dayOfYear) << jd;
    }
  }
}

TEST(DayNumber, FieldValidation) {
  const struct {
    FieldResult (*validate)(std::string_view);
    const char* field;
    int code;
    const char* text;
  } kCases[] = {
      {ValidateDayText, "3", 0, "3"},      {ValidateDayText, "0", 0, "0"},
      {ValidateDayText, "4", 1, "04"},     {ValidateDayText, "5", 1, "05"},
      {ValidateDayText, "31", 1, "31"},    {ValidateDayText, "32", -1, ""},
      {ValidateDayText, "00", -1, ""},     {ValidateDayText, "", -1, ""},
      {ValidateDayText, "a", -1, ""},      {ValidateDayText, "1 ", -1, ""},
      {ValidateDayText, "123", -1, ""},    {ValidateMonthText, "1", 0, "1"},
      {ValidateMonthText, "2", 1, "02"},   {ValidateMonthText, "7", 1, "07"},
      {ValidateMonthText, "12", 1, "12"},  {ValidateMonthText, "13", -1, ""},
      {ValidateMonthText, "00", -1, ""},   {ValidateYearText, "2024", 1, "2024"},
      {ValidateYearText, "33", 1, "0033"}, {ValidateYearText, "0", -2, ""},
      {ValidateYearText, "0000", -2, ""},  {ValidateYearText, "-12", 1, "-0012"},
      {ValidateYearText, "20a4", -1, ""},  {ValidateYearText, "", -1, ""},
      {ValidateYearText, "-", -1, ""},     {ValidateYearText, "123456", 1, "1234"},
  };
  for (const auto& c : kCases) {
    const FieldResult r = c.validate(c.field);
    EXPECT_EQ(r.code, c.code) << '"' << c.field << '"';
    EXPECT_EQ(r.text, c.text) << '"' << c.field << '"';
  }
}

// DateToJD reads its fields without building texts; it must judge every
// two-character field as the validation functions of the date field do.
TEST(DayNumber, DateToJDJudgesFieldsAsTheValidations) {
  const std::string chars = "0123456789a .-";
  for (char d1 : chars)
    for (char d2 : chars)
      for (char m1 : chars)
        for (char m2 : chars) {
          const std::string day{d1, d2}, month{m1, m2};
          const std::string date = day + "." + month + ".2000";
          const bool fieldsValid =
              ValidateDayText(day).code == 1 && ValidateMonthText(month).code == 1;
          const int code = DateToJD(date, G).code;
          if (!fieldsValid) {
            ASSERT_EQ(code, 0) << date;
          } else {
            const int dayValue = std::stoi(ValidateDayText(day).text);
            const int monthValue = std::stoi(ValidateMonthText(month).text);
            ASSERT_EQ(code, dayValue <= DaysInMonth(monthValue, 2000) ? 1 : 0) << date;
          }
        }
  for (const char* year : {"2000", "0001", "-001", "0000", "-000", "20a0", "-", "", "12", "9999"}) {
    const FieldResult field = ValidateYearText(year);
    const int code = DateToJD(std::string("01.01.") + year, G).code;
    ASSERT_EQ(code, field.code == 1 ? 1 : (field.code == -2 ? -2 : 0)) << year;
  }
}

TEST(DayNumber, DayOfYearToDayMonthBounds) {
  const struct {
    int dayOfYear;
    bool leap;
    DayMonth expected;
  } kCases[] = {
      {0, false, {0, 0, 0}},     {1, false, {1, 1, 1}},   {59, false, {1, 28, 2}},
      {60, false, {1, 1, 3}},    {60, true, {1, 29, 2}},  {61, true, {1, 1, 3}},
      {365, false, {1, 31, 12}}, {366, false, {0, 0, 0}}, {366, true, {1, 31, 12}},
      {367, true, {0, 0, 0}},
  };
  for (const auto& c : kCases) {
    const DayMonth r = DayOfYearToDayMonth(c.dayOfYear, c.leap);
    EXPECT_EQ(r.code, c.expected.code) << c.dayOfYear;
    EXPECT_EQ(r.day, c.expected.day) << c.dayOfYear;
    EXPECT_EQ(r.month, c.expected.month) << c.dayOfYear;
  }
}

TEST(DayNumber, NamesAndSmallQueries) {
  EXPECT_EQ(WeekDayName(1), "Montag");
  EXPECT_EQ(WeekDayName(7), "Sonntag");
  EXPECT_EQ(WeekDayName(0), "");
  EXPECT_EQ(WeekDayName(8), "");
  for (int weekday = 1; weekday <= 7; ++weekday) {
    EXPECT_EQ(WeekDayAbbreviation(weekday), WeekDayName(weekday).substr(0, 2) + ".");
  }
  EXPECT_EQ(WeekDayAbbreviation(0), "");
  EXPECT_EQ(WeekDayAbbreviation(8), "");
  EXPECT_EQ(MonthName(3), "März");
  EXPECT_EQ(MonthName(12), "Dezember");
  EXPECT_EQ(MonthName(13), "");
  EXPECT_EQ(WeekDayOfDate("15.10.1582"), 5);
  EXPECT_EQ(WeekDayOfDate("01.01.2000"), 6);
  EXPECT_EQ(WeekDayOfDate("31.02.2000"), 0);
  EXPECT_EQ(DayOfYear("31.12.2024", G), 366);
  EXPECT_EQ(DayOfYear("01.03.1900", J), 61);
  EXPECT_EQ(DayOfYear("01.03.1900", G), 60);
  EXPECT_EQ(DayOfYear("01/03/1900", G), -2);
  EXPECT_EQ(DayOfYear("01.01.0001", J), -1);
  EXPECT_EQ(DaysInMonth(2, 1900), 28);
  EXPECT_EQ(DaysInMonth(2, 2000), 29);
  EXPECT_EQ(DaysInMonth(13, 2000), 0);
  EXPECT_EQ(DaysInMonthOf(2, 1900, J), 29);
  EXPECT_EQ(YearDayToDate(60, 2024, G), "29.02.2024");
  EXPECT_EQ(YearDayToDate(60, 2023, G), "01.03.2023");
  EXPECT_EQ(YearDayToDate(60, 1900, J), "29.02.1900");
  EXPECT_TRUE(IsNextYearLeap(2023));
  EXPECT_FALSE(IsNextYearLeap(2099));
}

TEST(DayNumber, ConvertCalendarAcrossTheSwitchOver) {
  EXPECT_EQ(ConvertCalendar("04.10.1582", J), "14.10.1582");
  EXPECT_EQ(ConvertCalendar("15.10.1582", G), "05.10.1582");
  EXPECT_EQ(ConvertCalendar("01.01.0001", G), "03.01.0001");
  EXPECT_EQ(ConvertCalendar("31.12.3000", G), "10.12.3000");
  EXPECT_EQ(ConvertCalendar("01.01.0001", J), "");  // before the range
  EXPECT_EQ(ConvertCalendar("30.02.2000", G), "");
  EXPECT_EQ(DateToJDText("01.01.2000", G), "2451545");
  EXPECT_EQ(DateToJDText("01.01.0001", J), "");
  EXPECT_EQ(JDToDateText("2451545", J), "19.12.1999");
  EXPECT_EQ(JDToDateText("x", J), "");
}

TEST(DayNumber, TodayComesFromTheInstalledClock) {
  const ClockScope clock(LocalDateTime{2026, 12, 8, 23, 59, 59, 999});
  EXPECT_EQ(TodayJD(), 2461383);
  EXPECT_EQ(TodayText(G), "08.12.2026");
  EXPECT_EQ(TodayText(J), "25.11.2026");
}

}  // namespace
}  // namespace engine

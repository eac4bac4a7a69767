// SPDX-License-Identifier: MIT
#include "engine/easter.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

int DayOfYearOf(int day, int month, int year, CalendarKind kind) {
  return DaysBeforeMonth(month, IsLeapYear(year, kind)) + day;
}

// The anonymous Gregorian algorithm (Meeus, Jones, Butcher).
int AnonymousGregorianEaster(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31;
  const int day = (h + l - 7 * m + 114) % 31 + 1;
  return DayOfYearOf(day, month, y, G);
}

// Meeus' Julian algorithm.
int MeeusJulianEaster(int y) {
  const int a = y % 4, b = y % 7, c = y % 19;
  const int d = (19 * c + 15) % 30;
  const int e = (2 * a + 4 * b - d + 34) % 7;
  const int month = (d + e + 114) / 31;
  const int day = (d + e + 114) % 31 + 1;
  return DayOfYearOf(day, month, y, J);
}

int WeekDayOfYearDay(int dayOfYear, int year, CalendarKind kind) {
  return WeekDayOf(DayNumberOf(CivilDate{year, 1, 1}, kind) + dayOfYear - 1);
}

// The day of the year of the first given weekday on or after day.month.
int WeekdayOnOrAfter(int weekday, int day, int month, int year) {
  int d = DayOfYearOf(day, month, year, G);
  while (WeekDayOfYearDay(d, year, G) != weekday) ++d;
  return d;
}

// The movable feast of a date text.
Feast FeastOn(const std::string& date, std::string_view code, CalendarKind kind = G) {
  const int year = std::stoi(date.substr(6));
  return MovableFeast(DayOfYear(date, kind), EasterDay(year, kind), year, code,
                      IsLeapYear(year, kind));
}

TEST(Easter, GoldenNumber) {
  EXPECT_EQ(GoldenNumber(2019), 6);
  EXPECT_EQ(GoldenNumber(2018), 5);
  EXPECT_EQ(GoldenNumber(0), -1);
  EXPECT_EQ(GoldenNumber(-19), -1);
  EXPECT_EQ(GoldenNumber(1), 2);
  EXPECT_EQ(GoldenNumber(18), 19);
  for (int y = 1; y <= 3000; ++y) {
    const int cycle = (y + 1) % 19;
    EXPECT_EQ(GoldenNumber(y), cycle == 0 ? 19 : cycle) << y;
  }
}

TEST(Easter, EdgeCases) {
  EXPECT_EQ(EasterGregorian(2000), 114);  // 23 April
  EXPECT_EQ(EasterGregorian(2019), 111);  // 21 April
  EXPECT_EQ(EasterGregorian(1583), 100);  // 10 April
  EXPECT_EQ(EasterGregorian(2024), 91);   // 31 March, leap year
  EXPECT_EQ(EasterGregorian(2299), AnonymousGregorianEaster(2299));
  EXPECT_EQ(EasterGregorian(1582), -1);
  EXPECT_EQ(EasterGregorian(2300), 98);   // 8 April
  EXPECT_EQ(EasterGregorian(2500), 108);  // 18 April
  EXPECT_EQ(EasterGregorian(3000), 103);  // 13 April
  EXPECT_EQ(EasterGregorian(10000), -1);
  EXPECT_EQ(EasterGregorian(0), -1);
  EXPECT_EQ(EasterGregorian(INT_MIN), -1);
  EXPECT_EQ(EasterJulian(1582), 105);  // 15 April Julian
  EXPECT_EQ(EasterJulian(0), -1);
  EXPECT_EQ(EasterJulian(INT_MIN), -1);
  EXPECT_EQ(EasterDay(1582, J), 105);
  EXPECT_EQ(EasterDay(1582, G), -1);
}

TEST(Easter, GregorianEqualsTheAnonymousAlgorithmEveryYear) {
  for (int y = 1583; y <= 9999; ++y) {
    ASSERT_EQ(EasterGregorian(y), AnonymousGregorianEaster(y)) << y;
    EXPECT_EQ(WeekDayOfYearDay(EasterGregorian(y), y, G), 7) << y;
  }
}

TEST(Easter, JulianEqualsMeeusEveryYear) {
  for (int y = 1; y <= 3000; ++y) {
    ASSERT_EQ(EasterJulian(y), MeeusJulianEaster(y)) << y;
    EXPECT_EQ(WeekDayOfYearDay(EasterJulian(y), y, J), 7) << y;
  }
}

// Far years must neither overflow the day numbers nor leave 22 March to 25 April.
TEST(Easter, JulianStaysInRangeForFarYears) {
  for (int y : {3001, 100000, 5000000, INT_MAX - 1, INT_MAX}) {
    const int easter = EasterJulian(y);
    const int earliest = DayOfYearOf(22, 3, y, J);
    EXPECT_TRUE(easter >= earliest && easter <= earliest + 34) << y << ' ' << easter;
  }
}

TEST(Easter, AnchorsAreTheirSundaysEveryYear) {
  const auto check = [](int year, CalendarKind kind) {
    const int easter = EasterDay(year, kind);
    const bool leap = IsLeapYear(year, kind);
    const auto inRange = [&](int day, int firstDay, int month, const char* what) {
      const int first = DayOfYearOf(firstDay, month, year, kind);
      EXPECT_TRUE(day >= first && day <= first + 6) << what << ' ' << year;
      EXPECT_EQ(WeekDayOfYearDay(day, year, kind), 7) << what << ' ' << year;
    };
    inRange(FourthAdventDay(easter, leap), 18, 12, "4. Advent");
    inRange(HarvestSundayDay(easter, leap), 30, 9, "Erntedanktag");
    inRange(HeroesSundayDay(easter, leap), 10, 3, "Heldengedenktag");
  };
  for (int y = 1583; y <= 3000; ++y) check(y, G);
  for (int y = 1; y <= 3000; ++y) check(y, J);
}

TEST(Easter, AnchorEdgeCases) {
  EXPECT_EQ(FourthAdventDay(EasterGregorian(2023), false), 358);   // Sunday 24.12.2023
  EXPECT_EQ(FourthAdventDay(EasterGregorian(2024), true), 357);    // Sunday 22.12.2024
  EXPECT_EQ(HarvestSundayDay(EasterGregorian(2024), true), 280);   // 06.10.2024
  EXPECT_EQ(HarvestSundayDay(EasterGregorian(2018), false), 273);  // 30.09.2018
  EXPECT_EQ(HeroesSundayDay(EasterGregorian(1940), true), 70);     // 10.03.1940
}

TEST(MovableFeast, EdgeCases) {
  const struct {
    const char* date;
    const char* code;
    const char* name;
    int legal;
  } kCases[] = {
      {"12.02.2024", "D-NI", "Rosenmontag", 0},
      {"14.02.2024", "D-NI", "Aschermittwoch", 0},
      {"24.03.2024", "D-NI", "Palmsonntag", 0},
      {"28.03.2024", "D-NI", "Gründonnerstag", 0},
      {"29.03.2024", "D-NI", "Karfreitag", 1},
      {"30.03.2024", "D-NI", "Karsamstag", 0},
      {"31.03.2024", "D-NI", "Ostersonntag", 1},
      {"31.03.2024", "A-W", "Ostersonntag", 0},
      {"01.04.2024", "D-NI", "Ostermontag", 1},
      {"01.04.2024", "A", "Ostermontag", 1},
      {"07.04.2024", "D-NI", "Weißer Sonntag", 0},
      {"09.05.2024", "D-NI", "Himmelfahrt", 1},
      {"19.05.2024", "D-NI", "Pfingstsonntag", 1},
      {"19.05.2024", "A-T", "Pfingstsonntag", 0},
      {"20.05.2024", "A-T", "Pfingstmontag", 1},
      {"30.05.2024", "D-BY", "Fronleichnam", 1},
      {"30.05.2024", "D-SL", "Fronleichnam", 1},
      {"30.05.2024", "D", "Fronleichnam", 0},
      {"30.05.2024", "D-NI", "Fronleichnam", 0},
      {"30.05.2024", "A-W", "Fronleichnam", 1},  // a public holiday in all of Austria
      {"30.05.2024", "A-T", "Fronleichnam", 1},
      {"30.05.2024", "A", "Fronleichnam", 1},
      {"06.10.2024", "D-NI", "Erntedanktag", 0},
      {"30.09.2018", "D-NI", "Erntedanktag", 0},
      {"06.10.2024", "A-W", "", 0},
      {"17.11.2024", "D-NI", "Volkstrauertag", 0},
      {"17.11.2024", "A-W", "", 0},
      {"20.11.2024", "D-NI", "Buß- und Bettag", 0},
      {"20.11.2024", "D-SN", "Buß- und Bettag", 1},
      {"20.11.2024", "A-W", "", 0},
      {"24.11.2024", "D-NI", "Totensonntag", 0},
      {"24.11.2024", "A-W", "", 0},
      {"01.12.2024", "D-NI", "1. Advent", 0},
      {"01.12.2024", "A-W", "1. Advent", 0},
      {"08.12.2024", "D-NI", "2. Advent", 0},
      {"15.12.2024", "D-NI", "3. Advent", 0},
      {"22.12.2024", "D-NI", "4. Advent", 0},
      {"24.12.2023", "D-NI", "4. Advent", 0},
      {"03.12.2023", "D-NI", "1. Advent", 0},
      {"10.03.1940", "D-BY", "Heldengedenktag", 1},
      {"10.03.1940", "A-W", "Heldengedenktag", 1},
      {"30.03.1970", "D-SN", "Ostermontag", 0},
      {"01.04.1991", "D-SN", "Ostermontag", 1},
      {"15.08.2024", "D-BY", "", 0},
      {"01.04.2024", "CH", "", 0},
      {"01.04.2024", "", "", 0},
      {"01.04.2024", "HR", "Ostermontag", 1},
      {"30.05.2024", "HR-21", "Fronleichnam", 1},
      {"29.03.2024", "HR", "", 0},
      {"12.02.2024", "DK", "Fastnacht", 0},
      {"28.03.2024", "DK", "Gründonnerstag", 1},
      {"29.03.2024", "DK", "Karfreitag", 1},
      {"30.03.2024", "DK", "Karsamstag", 0},
      {"31.03.2024", "DK", "Ostersonntag", 1},
      {"01.04.2024", "DK-84", "Ostermontag", 1},
      {"26.04.2024", "DK", "Buß- und Bettag", 0},  // abolished as a public holiday from 2024
      {"05.05.2023", "DK", "Buß- und Bettag", 1},
      {"09.05.2024", "DK", "Himmelfahrt", 1},
      {"19.05.2024", "DK", "Pfingstsonntag", 1},
      {"20.05.2024", "DK", "Pfingstmontag", 1},
      {"30.05.2024", "DK", "", 0},
      {"01.12.2024", "DK", "", 0},
      // The first years of the rows that start late.
      {"18.02.1822", "D-NI", "", 0},
      {"10.02.1823", "D-NI", "Rosenmontag", 0},
      {"26.11.1815", "D-NI", "", 0},
      {"24.11.1816", "D-NI", "Totensonntag", 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(FeastOn(c.date, c.code), (Feast{c.name, c.legal})) << c.date << ' ' << c.code;
  }
}

TEST(MovableFeast, NoEasterNamesNothing) {
  // Gregorian 1582 has no Easter, so no movable feast and flag -1; 2300 has.
  EXPECT_EQ(FeastOn("17.04.2300", "D-NI"), (Feast{"", 0}));
  EXPECT_EQ(FeastOn("09.04.2300", "D-NI").legal, 1);  // Easter Monday
  EXPECT_EQ(FeastOn("02.12.1582", "D-NI"), (Feast{"", -1}));
  EXPECT_EQ(MovableFeast(100, 0, 2024, "D-NI", true), (Feast{"", -1}));
  EXPECT_EQ(MovableFeast(100, -1, 2024, "XY", true), (Feast{"", -1}));
}

TEST(MovableFeast, JulianDaysUseJulianEaster) {
  EXPECT_EQ(FeastOn("15.04.1582", "D-BY", J), (Feast{"Ostersonntag", 1}));
  EXPECT_EQ(FeastOn("16.04.1582", "D-BY", J), (Feast{"Ostermontag", 1}));
  // Palm Sunday is named from 851 on, the other feasts from 101 on.
  EXPECT_EQ(MovableFeast(EasterJulian(850) - 7, EasterJulian(850), 850, "D-BY", false),
            (Feast{"", 0}));
  EXPECT_EQ(MovableFeast(EasterJulian(851) - 7, EasterJulian(851), 851, "D-BY", false),
            (Feast{"Palmsonntag", 0}));
  EXPECT_EQ(MovableFeast(EasterJulian(100) - 2, EasterJulian(100), 100, "D-BY", true),
            (Feast{"", 0}));
  EXPECT_EQ(MovableFeast(EasterJulian(101) - 2, EasterJulian(101), 101, "D-BY", false),
            (Feast{"Karfreitag", 1}));
}

// Each name of the German list falls once a year on its weekday, in both
// calendars, once the historical rows are past.
TEST(MovableFeast, GermanListNamesEachFeastOnceOnItsWeekday) {
  const std::map<std::string, int> kWeekdays = {
      {"Rosenmontag", 1},    {"Aschermittwoch", 3}, {"Palmsonntag", 7},     {"Gründonnerstag", 4},
      {"Karfreitag", 5},     {"Karsamstag", 6},     {"Ostersonntag", 7},    {"Ostermontag", 1},
      {"Weißer Sonntag", 7}, {"Himmelfahrt", 4},    {"Pfingstsonntag", 7},  {"Pfingstmontag", 1},
      {"Fronleichnam", 4},   {"Erntedanktag", 7},   {"Buß- und Bettag", 3}, {"Volkstrauertag", 7},
      {"Totensonntag", 7},   {"1. Advent", 7},      {"2. Advent", 7},       {"3. Advent", 7},
      {"4. Advent", 7},
  };
  const auto check = [&](int year, CalendarKind kind) {
    const bool leap = IsLeapYear(year, kind);
    const int easter = EasterDay(year, kind);
    std::map<std::string, int> seen;
    for (int day = 1; day <= (leap ? 366 : 365); ++day) {
      const Feast feast = MovableFeast(day, easter, year, "D-NI", leap);
      if (feast.name.empty()) continue;
      ++seen[feast.name];
      const auto weekday = kWeekdays.find(feast.name);
      ASSERT_NE(weekday, kWeekdays.end()) << feast.name << ' ' << year;
      EXPECT_EQ(WeekDayOfYearDay(day, year, kind), weekday->second) << feast.name << ' ' << year;
    }
    EXPECT_EQ(seen.size(), kWeekdays.size()) << year;
    for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name << ' ' << year;
  };
  for (int y = 1952; y <= 2299; ++y) check(y, G);
  for (int y = 1952; y <= 3000; ++y) check(y, J);
}

// The anchors a test row refers to, each found by its calendar rule.
enum class Day {
  kEasterMinus35,  // fifth Sunday before Easter
  kHeroesSunday,   // Sunday 10..16 March
  kHarvestSunday,  // Sunday 30 September..6 October
  kRepentance,     // Wednesday 16..22 November
  kMourning,       // Sunday 13..19 November
  kEasterMonday,
  kAscension,
};

int DayOf(Day which, int year) {
  const int easter = EasterGregorian(year);
  switch (which) {
    case Day::kEasterMinus35:
      return easter - 35;
    case Day::kHeroesSunday:
      return WeekdayOnOrAfter(7, 10, 3, year);
    case Day::kHarvestSunday:
      return WeekdayOnOrAfter(7, 30, 9, year);
    case Day::kRepentance:
      return WeekdayOnOrAfter(3, 16, 11, year);
    case Day::kMourning:
      return WeekdayOnOrAfter(7, 13, 11, year);
    case Day::kEasterMonday:
      return easter + 1;
    case Day::kAscension:
      return easter + 39;
  }
  return 0;
}

TEST(MovableFeast, LegalFlagsAtEveryBoundaryYear) {
  constexpr const char* W = "D-NI";  // western
  constexpr const char* E = "D-SN";  // eastern
  constexpr const char* A = "A-W";   // Austrian
  const struct {
    int year;
    Day day;
    const char* code;
    const char* name;
    int legal;
  } kCases[] = {
      {1919, Day::kRepentance, W, "Buß- und Bettag", 0},
      {1919, Day::kRepentance, E, "Buß- und Bettag", 0},
      {1919, Day::kRepentance, A, "", 0},
      {1920, Day::kRepentance, W, "Buß- und Bettag", 1},
      {1920, Day::kRepentance, E, "Buß- und Bettag", 1},
      {1925, Day::kEasterMinus35, W, "", 0},
      {1926, Day::kEasterMinus35, W, "Volkstrauertag", 0},
      {1926, Day::kEasterMinus35, E, "Volkstrauertag", 0},
      {1926, Day::kEasterMinus35, A, "", 0},
      {1933, Day::kEasterMinus35, W, "Volkstrauertag", 0},
      {1933, Day::kEasterMinus35, E, "Volkstrauertag", 0},
      {1933, Day::kEasterMinus35, A, "", 0},
      {1933, Day::kHarvestSunday, W, "Erntedanktag", 0},
      {1934, Day::kEasterMinus35, W, "Heldengedenktag", 1},
      {1934, Day::kEasterMinus35, E, "Heldengedenktag", 1},
      {1934, Day::kEasterMinus35, A, "Heldengedenktag", 1},
      {1934, Day::kHarvestSunday, W, "Erntedanktag", 1},
      {1934, Day::kHarvestSunday, E, "Erntedanktag", 1},
      {1934, Day::kHarvestSunday, A, "", 0},
      {1938, Day::kEasterMinus35, W, "Heldengedenktag", 1},
      {1938, Day::kEasterMinus35, A, "Heldengedenktag", 1},
      {1939, Day::kEasterMinus35, W, "", 0},
      {1939, Day::kEasterMinus35, A, "", 0},
      {1939, Day::kHeroesSunday, W, "Heldengedenktag", 1},
      {1939, Day::kHeroesSunday, E, "Heldengedenktag", 1},
      {1939, Day::kHeroesSunday, A, "Heldengedenktag", 1},
      {1944, Day::kHarvestSunday, W, "Erntedanktag", 1},
      {1944, Day::kHarvestSunday, E, "Erntedanktag", 1},
      {1945, Day::kHarvestSunday, W, "Erntedanktag", 0},
      {1945, Day::kHeroesSunday, W, "Heldengedenktag", 1},
      {1945, Day::kHeroesSunday, A, "Heldengedenktag", 1},
      {1946, Day::kHeroesSunday, W, "", 0},
      {1947, Day::kEasterMinus35, W, "", 0},
      {1948, Day::kEasterMinus35, W, "Volkstrauertag", 0},
      {1948, Day::kEasterMinus35, E, "", 0},
      {1948, Day::kEasterMinus35, A, "", 0},
      {1951, Day::kEasterMinus35, W, "Volkstrauertag", 0},
      {1951, Day::kEasterMinus35, E, "", 0},
      {1951, Day::kMourning, W, "", 0},
      {1952, Day::kEasterMinus35, W, "", 0},
      {1952, Day::kMourning, W, "Volkstrauertag", 0},
      {1952, Day::kMourning, E, "Volkstrauertag", 0},
      {1952, Day::kMourning, A, "", 0},
      {1966, Day::kRepentance, E, "Buß- und Bettag", 1},
      {1967, Day::kRepentance, E, "Buß- und Bettag", 0},
      {1967, Day::kRepentance, W, "Buß- und Bettag", 1},
      {1967, Day::kEasterMonday, E, "Ostermontag", 1},
      {1967, Day::kAscension, E, "Himmelfahrt", 1},
      {1968, Day::kEasterMonday, E, "Ostermontag", 0},
      {1968, Day::kEasterMonday, W, "Ostermontag", 1},
      {1968, Day::kEasterMonday, A, "Ostermontag", 1},
      {1968, Day::kAscension, E, "Himmelfahrt", 0},
      {1968, Day::kAscension, W, "Himmelfahrt", 1},
      {1989, Day::kEasterMonday, E, "Ostermontag", 0},
      {1989, Day::kAscension, E, "Himmelfahrt", 0},
      {1989, Day::kRepentance, E, "Buß- und Bettag", 0},
      {1989, Day::kRepentance, W, "Buß- und Bettag", 1},
      {1990, Day::kEasterMonday, E, "Ostermontag", 1},
      {1990, Day::kAscension, E, "Himmelfahrt", 1},
      {1990, Day::kRepentance, E, "Buß- und Bettag", 1},
      {1994, Day::kRepentance, W, "Buß- und Bettag", 1},
      {1994, Day::kRepentance, E, "Buß- und Bettag", 1},
      {1995, Day::kRepentance, W, "Buß- und Bettag", 0},
      {1995, Day::kRepentance, E, "Buß- und Bettag", 1},
      {1995, Day::kRepentance, A, "", 0},
  };
  for (const auto& c : kCases) {
    const int day = DayOf(c.day, c.year);
    const bool leap = IsLeapYear(c.year, G);
    EXPECT_EQ(MovableFeast(day, EasterGregorian(c.year), c.year, c.code, leap),
              (Feast{c.name, c.legal}))
        << c.year << ' ' << c.code << " day " << day;
  }
}

}  // namespace
}  // namespace engine

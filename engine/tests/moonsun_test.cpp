// SPDX-License-Identifier: MIT
#include "engine/moonsun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr auto G = CalendarKind::Gregorian;

int Jd(int day, int month, int year) {
  return DayNumberOf({year, month, day}, G);
}

bool IsNewMoon(const MoonPhaseResult& moon) {
  return moon.text == "Neumond, 0 Tage alt";
}

// The phase word of a text "<word>, <age> d alt", or "" when it has another shape.
std::string PhaseWord(const MoonPhaseResult& moon) {
  const std::string tail = ", " + std::to_string(moon.age) + " d alt";
  if (moon.text.size() <= tail.size() ||
      moon.text.compare(moon.text.size() - tail.size(), tail.size(), tail) != 0) {
    return "";
  }
  return moon.text.substr(0, moon.text.size() - tail.size());
}

TEST(Moon, EdgeCases) {
  const MoonPhaseResult newMoon = MoonPhase(2451550);  // 06.01.2000
  EXPECT_EQ(newMoon.age, 0);
  EXPECT_EQ(newMoon.text, "Neumond, 0 Tage alt");
  const MoonPhaseResult next = MoonPhase(2451551);
  EXPECT_EQ(next.age, 1);
  EXPECT_EQ(next.text, "zunehmender Mond, 1 d alt");
  EXPECT_EQ(MoonPhase("2451550").text, "Neumond, 0 Tage alt");
  EXPECT_EQ(MoonPhase("abc").text, MoonPhase(0).text);
  EXPECT_EQ(MoonPhase("").age, MoonPhase(0).age);
}

TEST(Moon, EveryDayHasOnePhaseAndTheAgeRunsOn) {
  const std::string kWords[] = {"zunehmender Mond", "zunehmender Halbmond", "Vollmond",
                                "abnehmender Halbmond", "abnehmender Mond"};
  MoonPhaseResult previous = MoonPhase(kFirstDayNumber - 1);
  int lastNewMoon = 0;
  for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
    const MoonPhaseResult moon = MoonPhase(jd);
    ASSERT_GE(moon.age, 0) << jd;
    ASSERT_LE(moon.age, 30) << jd;
    if (IsNewMoon(moon)) {
      ASSERT_EQ(moon.age, 0);
      if (lastNewMoon != 0) {
        ASSERT_TRUE(jd - lastNewMoon == 29 || jd - lastNewMoon == 30) << jd;
      }
      lastNewMoon = jd;
    } else {
      const std::string word = PhaseWord(moon);
      ASSERT_NE(std::find(std::begin(kWords), std::end(kWords), word), std::end(kWords))
          << jd << ": " << moon.text;
      if (IsNewMoon(previous)) {
        // The new-moon day reports 0 whatever the moment of the new moon.
        ASSERT_LE(moon.age, 1) << jd;
        ASSERT_EQ(word, "zunehmender Mond") << jd;
      } else {
        ASSERT_EQ(moon.age, previous.age + 1) << jd;
      }
    }
    previous = moon;
  }
}

TEST(Moon, EachCycleHasOneFullMoonAndTwoHalfMoons) {
  int full = 0, waxingHalf = 0, waningHalf = 0, cycles = 0;
  for (int jd = Jd(1, 1, 2000); jd < Jd(1, 1, 2031); ++jd) {
    const MoonPhaseResult moon = MoonPhase(jd);
    if (IsNewMoon(moon)) {
      if (cycles > 0) {
        ASSERT_EQ(full, 1) << jd;
        ASSERT_EQ(waxingHalf, 1) << jd;
        ASSERT_EQ(waningHalf, 1) << jd;
      }
      full = waxingHalf = waningHalf = 0;
      ++cycles;
      continue;
    }
    const std::string word = PhaseWord(moon);
    full += word == "Vollmond";
    waxingHalf += word == "zunehmender Halbmond";
    waningHalf += word == "abnehmender Halbmond";
  }
  EXPECT_GT(cycles, 380);
}

TEST(Moon, NewMoonDaysLieWithinADayOfTheAstronomicalNewMoons) {
  // New moons of 2000 to 2030 (UTC dates): the solar eclipses of those years,
  // which fall on new moons by nature, and the first new moon of 2000.
  const struct {
    int day, month, year;
  } kNewMoons[] = {
      {6, 1, 2000},   {5, 2, 2000},  {1, 7, 2000},  {31, 7, 2000}, {25, 12, 2000}, {21, 6, 2001},
      {14, 12, 2001}, {10, 6, 2002}, {4, 12, 2002}, {31, 5, 2003}, {23, 11, 2003}, {19, 4, 2004},
      {14, 10, 2004}, {8, 4, 2005},  {3, 10, 2005}, {29, 3, 2006}, {22, 9, 2006},  {19, 3, 2007},
      {11, 9, 2007},  {7, 2, 2008},  {1, 8, 2008},  {26, 1, 2009}, {22, 7, 2009},  {15, 1, 2010},
      {11, 7, 2010},  {4, 1, 2011},  {1, 6, 2011},  {1, 7, 2011},  {25, 11, 2011}, {20, 5, 2012},
      {13, 11, 2012}, {10, 5, 2013}, {3, 11, 2013}, {29, 4, 2014}, {23, 10, 2014}, {20, 3, 2015},
      {13, 9, 2015},  {9, 3, 2016},  {1, 9, 2016},  {26, 2, 2017}, {21, 8, 2017},  {15, 2, 2018},
      {13, 7, 2018},  {11, 8, 2018}, {6, 1, 2019},  {2, 7, 2019},  {26, 12, 2019}, {21, 6, 2020},
      {14, 12, 2020}, {10, 6, 2021}, {4, 12, 2021}, {30, 4, 2022}, {25, 10, 2022}, {20, 4, 2023},
      {14, 10, 2023}, {8, 4, 2024},  {2, 10, 2024}, {29, 3, 2025}, {21, 9, 2025},  {17, 2, 2026},
      {12, 8, 2026},  {6, 2, 2027},  {2, 8, 2027},  {26, 1, 2028}, {22, 7, 2028},  {14, 1, 2029},
      {12, 6, 2029},  {11, 7, 2029}, {5, 12, 2029}, {1, 6, 2030},  {25, 11, 2030},
  };
  for (const auto& n : kNewMoons) {
    const int jd = Jd(n.day, n.month, n.year);
    const bool near =
        IsNewMoon(MoonPhase(jd - 1)) || IsNewMoon(MoonPhase(jd)) || IsNewMoon(MoonPhase(jd + 1));
    EXPECT_TRUE(near) << n.day << '.' << n.month << '.' << n.year;
  }
}

TEST(Angles, Conversions) {
  EXPECT_DOUBLE_EQ(DegToRad(180), kPi);
  EXPECT_DOUBLE_EQ(RadToDeg(kPi), 180);
  EXPECT_DOUBLE_EQ(RadToDeg(DegToRad(-52.5)), -52.5);
  EXPECT_DOUBLE_EQ(ArcTan2(1, 0), kPi / 2);
  EXPECT_DOUBLE_EQ(ArcTan2(0, -1), kPi);
  EXPECT_DOUBLE_EQ(ArcCos(1), 0);
  EXPECT_DOUBLE_EQ(ArcCos(-1), kPi);
  EXPECT_DOUBLE_EQ(ArcCos(0), kPi / 2);
  EXPECT_NEAR(ArcCos(0.5), kPi / 3, 1e-15);
  // Rounding can push the cosine of a polar day or night just past ±1.
  EXPECT_DOUBLE_EQ(ArcCos(1.0000001), 0);
  EXPECT_DOUBLE_EQ(ArcCos(-2), kPi);
}

TEST(Sun, EdgeCases) {
  EXPECT_NEAR(EquationOfTime(Jd(3, 11, 2023)), 16, 0.5);
  EXPECT_NEAR(EquationOfTime(Jd(12, 2, 2023)), -14, 0.5);
  EXPECT_NEAR(SunDeclination(Jd(20, 3, 2023)), 0, 0.01);  // day 79
  EXPECT_NEAR(SunDeclination(Jd(21, 3, 2023)), 0, 0.01);  // day 80
  EXPECT_NEAR(SunDeclination(Jd(21, 6, 2023)), 0.409, 0.001);
  const int midsummer = Jd(21, 6, 2023);
  const double sunrise = SunriseTime(midsummer, SunEvent::Horizon, 13.4, 52.5);
  EXPECT_NEAR(sunrise, 2.7, 0.05);
  EXPECT_NEAR(ClockTimeOfEvent(sunrise, midsummer, 2), 4.7, 0.05);
  EXPECT_NEAR(SunsetTime(midsummer, SunEvent::Horizon, 13.4, 52.5) +
                  SunriseTime(midsummer, SunEvent::Horizon, 13.4, 52.5),
              24 - 2 * 13.4 / 15, 1e-12);
}

TEST(Sun, OutsideTheRangeEverythingIsZero) {
  for (int jd : {kFirstDayNumber - 1, kLastDayNumber + 1, 0}) {
    EXPECT_EQ(EquationOfTime(jd), 0);
    EXPECT_EQ(SunDeclination(jd), 0);
    EXPECT_EQ(HalfDayArc(jd, SunEvent::Horizon, 52.5), 0);
    EXPECT_EQ(SunriseTime(jd, SunEvent::Horizon, 13.4, 52.5), 0);
    EXPECT_EQ(SunsetTime(jd, SunEvent::Horizon, 13.4, 52.5), 0);
  }
}

TEST(Sun, BerlinAcrossAYearIsOrderedAndSeasonal) {
  const double latitude = 52 + 30 / 60.0 + 59 / 3600.0;
  const double longitude = 13 + 22 / 60.0 + 39 / 3600.0;
  for (int year : {2023, 2024}) {
    double earliestRise = 24, latestRise = 0, earliestSet = 24, latestSet = 0;
    int earliestRiseDay = 0, latestSetDay = 0, earliestSetDay = 0;
    for (int jd = Jd(1, 1, year); jd < Jd(1, 1, year + 1); ++jd) {
      const SunTimes t = SunTimesInZone(jd, longitude, latitude, 1);
      const double noon = ClockTimeOfEvent(12 - longitude / 15, jd, 1);
      ASSERT_LT(t.dawn, t.sunrise) << jd;
      ASSERT_LT(t.sunrise, noon) << jd;
      ASSERT_LT(noon, t.sunset) << jd;
      ASSERT_LT(t.sunset, t.dusk) << jd;
      // Berlin in MEZ: sunrise from 3:43 to 8:17, sunset from 15:53 to 20:34.
      ASSERT_GT(t.sunrise, 3 + 35 / 60.0) << jd;
      ASSERT_LT(t.sunrise, 8 + 25 / 60.0) << jd;
      ASSERT_GT(t.sunset, 15 + 45 / 60.0) << jd;
      ASSERT_LT(t.sunset, 20 + 40 / 60.0) << jd;
      ASSERT_NEAR(t.sunrise,
                  ClockTimeOfEvent(SunriseTime(jd, SunEvent::Horizon, longitude, latitude), jd, 1),
                  1e-12);
      ASSERT_NEAR(t.dusk,
                  ClockTimeOfEvent(SunsetTime(jd, SunEvent::Civil, longitude, latitude), jd, 1),
                  1e-12);
      if (t.sunrise < earliestRise) earliestRise = t.sunrise, earliestRiseDay = jd;
      if (t.sunrise > latestRise) latestRise = t.sunrise;
      if (t.sunset < earliestSet) earliestSet = t.sunset, earliestSetDay = jd;
      if (t.sunset > latestSet) latestSet = t.sunset, latestSetDay = jd;
    }
    EXPECT_LT(earliestRise, 3 + 50 / 60.0);
    EXPECT_GT(latestRise, 8 + 10 / 60.0);
    EXPECT_LT(earliestSet, 16.0);
    EXPECT_GT(latestSet, 20 + 25 / 60.0);
    EXPECT_EQ(CivilDateOf(earliestRiseDay, G).month, 6) << year;
    EXPECT_EQ(CivilDateOf(latestSetDay, G).month, 6) << year;
    EXPECT_EQ(CivilDateOf(earliestSetDay, G).month, 12) << year;
  }
}

TEST(Sun, PolarDayAndNightGiveMidnightAndNoon) {
  const int midsummer = Jd(21, 6, 2023);
  const int midwinter = Jd(21, 12, 2023);
  // Tromsø, 69.6 N 18.9 E: the midnight sun and the polar night.
  EXPECT_EQ(SunPathOf(midsummer, SunEvent::Horizon, 69.6), SunPath::NeverBelow);
  EXPECT_DOUBLE_EQ(HalfDayArc(midsummer, SunEvent::Horizon, 69.6), 12);
  EXPECT_DOUBLE_EQ(SunriseTime(midsummer, SunEvent::Horizon, 18.9, 69.6), -18.9 / 15);
  EXPECT_DOUBLE_EQ(SunsetTime(midsummer, SunEvent::Horizon, 18.9, 69.6), 24 - 18.9 / 15);
  EXPECT_EQ(SunPathOf(midwinter, SunEvent::Horizon, 69.6), SunPath::NeverReaches);
  EXPECT_DOUBLE_EQ(HalfDayArc(midwinter, SunEvent::Horizon, 69.6), 0);
  EXPECT_DOUBLE_EQ(SunriseTime(midwinter, SunEvent::Horizon, 18.9, 69.6), 12 - 18.9 / 15);
  EXPECT_DOUBLE_EQ(SunsetTime(midwinter, SunEvent::Horizon, 18.9, 69.6), 12 - 18.9 / 15);
  // In a German June night the sun sinks below -12 degrees but not below -18.
  EXPECT_EQ(SunPathOf(midsummer, SunEvent::Nautical, 52.5), SunPath::Crosses);
  EXPECT_EQ(SunPathOf(midsummer, SunEvent::Astronomical, 52.5), SunPath::NeverBelow);
  EXPECT_DOUBLE_EQ(HalfDayArc(midsummer, SunEvent::Astronomical, 52.5), 12);
  // The poles and latitudes beyond them.
  EXPECT_DOUBLE_EQ(HalfDayArc(midsummer, SunEvent::Horizon, 90), 12);
  EXPECT_DOUBLE_EQ(HalfDayArc(midsummer, SunEvent::Horizon, -90), 0);
  EXPECT_DOUBLE_EQ(HalfDayArc(midsummer, SunEvent::Horizon, 95), 12);
  EXPECT_DOUBLE_EQ(HalfDayArc(midwinter, SunEvent::Horizon, -120), 12);
  EXPECT_EQ(HalfDayArc(midsummer, SunEvent::Horizon, std::nan("")), 0);
  EXPECT_EQ(HalfDayArc(midsummer, static_cast<SunEvent>(7), 52.5), 0);
}

TEST(Sun, HalfDayArcIsFiniteAndAgreesWithThePathEverywhere) {
  for (int jd = Jd(1, 1, 2024); jd < Jd(1, 1, 2025); ++jd) {
    for (int event = 0; event <= 3; ++event) {
      for (int tenth = -900; tenth <= 900; tenth += 5) {
        const double latitude = tenth / 10.0;
        const auto kind = static_cast<SunEvent>(event);
        const double arc = HalfDayArc(jd, kind, latitude);
        ASSERT_TRUE(std::isfinite(arc)) << jd << ' ' << event << ' ' << latitude;
        ASSERT_GE(arc, 0);
        ASSERT_LE(arc, 12);
        switch (SunPathOf(jd, kind, latitude)) {
          case SunPath::NeverBelow:
            ASSERT_EQ(arc, 12) << jd << ' ' << event << ' ' << latitude;
            break;
          case SunPath::NeverReaches:
            ASSERT_EQ(arc, 0) << jd << ' ' << event << ' ' << latitude;
            break;
          case SunPath::Crosses:
            ASSERT_GT(arc, 0) << jd << ' ' << event << ' ' << latitude;
            ASSERT_LT(arc, 12) << jd << ' ' << event << ' ' << latitude;
            break;
        }
      }
    }
  }
}

TEST(Sun, TheRegionLatitudesAlwaysHaveSunriseAndCivilTwilight) {
  // From Klagenfurt (46.6 N) to Kiel (54.3 N); the sun depends on the day of the year alone.
  for (int jd = Jd(1, 1, 2024); jd < Jd(1, 1, 2025); ++jd) {
    for (double latitude : {46.6, 54.3}) {
      ASSERT_EQ(SunPathOf(jd, SunEvent::Horizon, latitude), SunPath::Crosses);
      ASSERT_EQ(SunPathOf(jd, SunEvent::Civil, latitude), SunPath::Crosses);
    }
  }
}

}  // namespace
}  // namespace engine

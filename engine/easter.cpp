// SPDX-License-Identifier: MIT
#include "engine/easter.h"

#include <array>

#include "engine/region.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

// Day of the year of the paschal full moon in a common Julian year, by golden
// number (index 0 unused).
constexpr std::array<int, 20> kJulianFullMoon = {0,  95,  84, 103, 92,  81, 100, 89, 108, 97,
                                                 86, 105, 94, 83,  102, 91, 80,  99, 88,  107};

// The Julian Easter dates repeat every 532 years (19-year moon cycle times
// 28-year weekday cycle); reducing the year keeps the day numbers small.
constexpr int kJulianEasterCycle = 532;

// The first Sunday strictly after day p of a year whose 1 January has weekday w1.
constexpr int SundayAfter(int p, int w1) {
  const int t = -((1 - w1 - p) / 7);  // truncation toward zero
  return 8 - w1 + 7 * t;
}

int WeekDayOfNewYear(int year, CalendarKind kind) {
  return WeekDayOf(DayNumberOf(CivilDate{year, 1, 1}, kind));
}

// Corpus Christi is a public holiday throughout Austria, and in Germany only
// in the states with a large Catholic population.
bool HasCorpusChristiAsLegalHoliday(const Region& region) {
  const std::string_view code = region.code;
  return region.austrian() || code == "D-BW" || code == "D-BY" || code == "D-HE" ||
         code == "D-NW" || code == "D-RP" || code == "D-SL";
}

int RepentanceDayLegal(const Region& region, int year) {
  if (year <= 1919) return 0;
  if (year >= 1967 && year <= 1989 && region.EastIn(year)) return 0;
  if (year <= 1994) return 1;
  return region.code == "D-SN" ? 1 : 0;
}

// Easter Monday and Ascension were working days in the East from 1968.
int EastSuppressedLegal(const Region& region, int year) {
  return year >= 1968 && year <= 1989 && region.EastIn(year) ? 0 : 1;
}

Feast GermanAustrianFeast(int day, int easter, int year, const Region& region, bool leap) {
  const bool german = region.german();
  const int offset = day - easter;
  if (year >= 1934 && year <= 1945 && region.EraOf(year) == kEraNs) {
    const bool heroesDay = year >= 1939 ? day == HeroesSundayDay(easter, leap) : offset == -35;
    if (heroesDay) return {"Heldengedenktag", 1};
  }
  switch (offset) {
    case -48:
      if (year >= 1823) return {"Rosenmontag", 0};
      return {};
    case -46:
      return {"Aschermittwoch", 0};
    case -35:
      if (german && ((year >= 1926 && year <= 1933) ||
                     (year >= 1948 && year <= 1951 && !region.EastIn(year)))) {
        return {"Volkstrauertag", 0};
      }
      return {};
    case -7:
      if (year >= 851) return {"Palmsonntag", 0};
      return {};
    case -3:
      return {"Gründonnerstag", 0};
    case -2:
      return {"Karfreitag", 1};
    case -1:
      return {"Karsamstag", 0};
    case 0:
      return {"Ostersonntag", german ? 1 : 0};
    case 1:
      return {"Ostermontag", EastSuppressedLegal(region, year)};
    case 7:
      return {"Weißer Sonntag", 0};
    case 39:
      return {"Himmelfahrt", EastSuppressedLegal(region, year)};
    case 49:
      return {"Pfingstsonntag", german ? 1 : 0};
    case 50:
      return {"Pfingstmontag", 1};
    case 60:
      return {"Fronleichnam", HasCorpusChristiAsLegalHoliday(region) ? 1 : 0};
    default:
      break;
  }
  // The remaining feasts lie from the end of September on, far after the
  // latest Corpus Christi (day 176).
  if (day < 250) return {};
  if (german && day == HarvestSundayDay(easter, leap)) {
    const bool nsHarvest = year >= 1934 && year <= 1944 && region.EraOf(year) == kEraNs;
    return {"Erntedanktag", nsHarvest ? 1 : 0};
  }
  switch (FourthAdventDay(easter, leap) - day) {
    case 35:
      if (german && year >= 1952) return {"Volkstrauertag", 0};
      return {};
    case 32:
      if (german) return {"Buß- und Bettag", RepentanceDayLegal(region, year)};
      return {};
    case 28:
      if (german && year >= 1816) return {"Totensonntag", 0};
      return {};
    case 21:
      return {"1. Advent", 0};
    case 14:
      return {"2. Advent", 0};
    case 7:
      return {"3. Advent", 0};
    case 0:
      return {"4. Advent", 0};
    default:
      return {};
  }
}

Feast CroatianFeast(int offset) {
  if (offset == 1) return {"Ostermontag", 1};
  if (offset == 60) return {"Fronleichnam", 1};
  return {};
}

Feast DanishFeast(int offset, int year) {
  switch (offset) {
    case -48:
      if (year >= 1823) return {"Fastnacht", 0};
      return {};
    case -3:
      return {"Gründonnerstag", 1};
    case -2:
      return {"Karfreitag", 1};
    case -1:
      return {"Karsamstag", 0};
    case 0:
      return {"Ostersonntag", 1};
    case 1:
      return {"Ostermontag", 1};
    case 26:
      // Denmark abolished its Great Prayer Day as a public holiday from 2024.
      return {"Buß- und Bettag", year < 2024 ? 1 : 0};
    case 39:
      return {"Himmelfahrt", 1};
    case 49:
      return {"Pfingstsonntag", 1};
    case 50:
      return {"Pfingstmontag", 1};
    default:
      return {};
  }
}

}  // namespace

int GoldenNumber(int year) {
  return year < 1 ? -1 : year % 19 + 1;
}

int EasterGregorian(int year) {
  // The Gregorian computus (Lilius and Clavius, in Knuth's form): the epact
  // from the golden number with the solar correction (leap days dropped in
  // century years) and the lunar correction (eight days in 2500 years). It
  // holds for every Gregorian year; the calendar ends with 3000, the check
  // with 9999 keeps the arithmetic far from overflowing.
  if (year < 1583 || year > 9999) return -1;
  const int golden = GoldenNumber(year);
  const int century = year / 100 + 1;
  const int solar = 3 * century / 4 - 12;
  const int lunar = (8 * century + 5) / 25 - 5;
  const int sunday = 5 * year / 4 - solar - 10;  // March (-sunday) mod 7 is a Sunday
  int epact = (11 * golden + 20 + lunar - solar) % 30;
  if (epact < 0) epact += 30;
  if ((epact == 25 && golden > 11) || epact == 24) ++epact;
  int fullMoon = 44 - epact;  // day of March of the paschal full moon
  if (fullMoon < 21) fullMoon += 30;
  const int easterOfMarch = fullMoon + 7 - (sunday + fullMoon) % 7;
  return DaysBeforeMonth(3, IsLeapYear(year, G)) + easterOfMarch;
}

int EasterJulian(int year) {
  if (year < 1) return -1;
  const int reduced = (year - 1) % kJulianEasterCycle + 1;
  const int p =
      kJulianFullMoon[static_cast<std::size_t>(GoldenNumber(reduced))] + IsLeapYear(reduced, J);
  return SundayAfter(p, WeekDayOfNewYear(reduced, J));
}

int EasterDay(int year, CalendarKind kind) {
  return kind == J ? EasterJulian(year) : EasterGregorian(year);
}

int FourthAdventDay(int easterDay, bool leap) {
  const int daysInYear = leap ? 366 : 365;
  return easterDay + 7 * ((daysInYear - 7 - easterDay) / 7);
}

int HarvestSundayDay(int easterDay, bool leap) {
  const int daysInYear = leap ? 366 : 365;
  int day = easterDay % 7 + 266;
  while (day <= daysInYear - 93) day += 7;
  return day;
}

int HeroesSundayDay(int easterDay, bool leap) {
  const int daysInYear = leap ? 366 : 365;
  int day = easterDay % 7 + 91;
  while (day >= daysInYear - 289) day -= 7;
  return day;
}

Feast MovableFeast(int dayOfYear, int easterDay, int year, const Region& region, bool leap) {
  if (easterDay < 1) return {"", -1};
  // Every list starts in the year 101 or later.
  if (year < 101) return {};
  switch (region.country) {
    case RulesCountry::Germany:
    case RulesCountry::Austria:
      return GermanAustrianFeast(dayOfYear, easterDay, year, region, leap);
    case RulesCountry::Croatia:
      return CroatianFeast(dayOfYear - easterDay);
    case RulesCountry::Denmark:
      return DanishFeast(dayOfYear - easterDay, year);
    case RulesCountry::None:
      break;
  }
  return {};
}

Feast MovableFeast(int dayOfYear, int easterDay, int year, std::string_view code, bool leap) {
  return MovableFeast(dayOfYear, easterDay, year, RegionOfCode(code), leap);
}

}  // namespace engine

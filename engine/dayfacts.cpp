// SPDX-License-Identifier: MIT
#include "engine/dayfacts.h"

#include "engine/easter.h"
#include "engine/holidays.h"
#include "engine/moonsun.h"
#include "engine/week.h"

namespace engine {
namespace {

DayFacts FactsOf(int jd, const CivilDate& date, const Region& region, CalendarKind kind) {
  DayFacts facts;
  facts.result = 1;
  const bool leap = IsLeapYear(date.year, kind);
  facts.civil = date;
  facts.date = FormatDateText(date);
  facts.jd = DayNumberText(jd);
  facts.dayNumber = jd;
  facts.weekday = WeekDayOf(jd);
  facts.weekdayName = WeekDayName(facts.weekday);
  facts.dayOfYear = DaysBeforeMonth(date.month, leap) + date.day;
  facts.daysInYear = leap ? 366 : 365;
  const Week week = WeekOfDay(jd, date, kind);
  facts.week = week.week;
  facts.weekYear = week.weekYear;
  facts.daysInWeekYear = DaysInYear(week.weekYear, kind);
  facts.goldenNumber = GoldenNumber(date.year);
  MoonPhaseResult moon = MoonPhase(jd);
  facts.moonAge = moon.age;
  facts.moonPhase = std::move(moon.text);
  facts.easterDay = EasterDay(date.year, kind);
  Holiday holiday = HolidayOfDay(facts.dayOfYear, facts.easterDay, date.year, region, leap, kind);
  facts.holidayFlag = holiday.flag;
  facts.holidayText = std::move(holiday.text);
  facts.version = kEngineVersion;
  return facts;
}

}  // namespace

DayFacts DayFactsOfDate(std::string_view date, const Region& region, CalendarKind kind) {
  const DateCheck check = CheckDate(date, kind);
  const int result = DateCode(check, kind);
  if (result == 1) return FactsOf(check.dayNumber, check.date, region, kind);
  DayFacts facts;
  facts.result = result;
  return facts;
}

DayFacts DayFactsOfDate(std::string_view date, std::string_view code, CalendarKind kind) {
  return DayFactsOfDate(date, RegionOfCode(code), kind);
}

DayFacts DayFactsOfJD(int jd, const Region& region, CalendarKind kind) {
  if (JDInRange(jd) != 1) {
    DayFacts facts;
    facts.result = -1;
    return facts;
  }
  return FactsOf(jd, CivilDateOf(jd, kind), region, kind);
}

DayFacts DayFactsOfJD(int jd, std::string_view code, CalendarKind kind) {
  return DayFactsOfJD(jd, RegionOfCode(code), kind);
}

DayFacts DayFactsOfJD(std::string_view jd, const Region& region, CalendarKind kind) {
  return DayFactsOfJD(ParseDayNumber(jd), region, kind);
}

DayFacts DayFactsOfJD(std::string_view jd, std::string_view code, CalendarKind kind) {
  return DayFactsOfJD(ParseDayNumber(jd), RegionOfCode(code), kind);
}

}  // namespace engine

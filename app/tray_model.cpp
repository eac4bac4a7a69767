// SPDX-License-Identifier: MIT
#include "app/tray_model.h"

#include "engine/civildate.h"
#include "engine/dayfacts.h"
#include "engine/easter.h"
#include "engine/holidays.h"
#include "engine/outcome.h"
#include "engine/region.h"
#include "engine/schoolholidays.h"

namespace app {

namespace {

// The day's holidays one by one: the engine joins them into one text with
// one flag for the day, but the tooltip marks each legal one by itself, so
// Mother's Day beside a legal Whit Sunday is not called legal.
std::vector<TrayHoliday> HolidaysOf(const engine::DayFacts& facts, const engine::Region& region) {
  std::vector<TrayHoliday> holidays;
  if (!region.hasRules) return holidays;
  const int year = facts.civil.year;
  const bool leap = facts.daysInYear == 366;
  if (!engine::MayBeHoliday(facts.dayOfYear, facts.easterDay, year, region, leap,
                            engine::CalendarKind::Gregorian)) {
    return holidays;
  }
  const engine::Feast movable =
      engine::MovableFeast(facts.dayOfYear, facts.easterDay, year, region, leap);
  if (!movable.name.empty()) {
    holidays.push_back({movable.name, region.ValidFlag(year, movable.legal) > 0});
  }
  if (engine::IsMothersDay(facts.dayOfYear, year, region, engine::CalendarKind::Gregorian)) {
    holidays.push_back({engine::MothersDay(facts.dayOfYear, year, region, ""), false});
  }
  const engine::Feast fixed = engine::FixedHoliday(facts.dayOfYear, year, leap, region);
  if (!fixed.name.empty() && fixed.name != engine::kNoRulesName) {
    holidays.push_back({fixed.name, region.ValidFlag(year, fixed.legal) > 0});
  }
  return holidays;
}

}  // namespace

TrayDay TrayDayOf(std::string_view date, std::string_view regionCode) {
  const engine::DateCheck check = engine::CheckDate(date, engine::CalendarKind::Gregorian);
  return check.ok() ? TrayDayOf(check.dayNumber, regionCode) : TrayDay{};
}

TrayDay TrayDayOf(int dayNumber, std::string_view regionCode) {
  TrayDay day;
  const engine::Region region = engine::RegionOfCode(regionCode);
  const engine::DayFacts facts =
      engine::DayFactsOfJD(dayNumber, region, engine::CalendarKind::Gregorian);
  if (!engine::Succeeded(facts.result)) return day;
  day.valid = true;
  day.dayNumber = dayNumber;
  day.date = facts.date;
  day.weekday = facts.weekdayName;
  day.week = facts.week;
  day.weekYear = facts.weekYear;
  day.digits = std::to_string(facts.week);
  day.weekText = "KW " + day.digits;
  day.regionName = region.DisplayName();
  day.holidays = HolidaysOf(facts, region);
  day.toolTip = day.weekday + ", " + day.date + "\n" + day.weekText;
  if (!day.holidays.empty()) {
    day.toolTip += "\n" + day.regionName + ":";
    for (const TrayHoliday& holiday : day.holidays) {
      day.toolTip += "\n" + holiday.name;
      if (holiday.legal) day.toolTip += kLegalMark;
    }
  }
  if (const std::optional<engine::SchoolHoliday> school =
          engine::SchoolHolidayOn(dayNumber, region.code)) {
    day.schoolHoliday = engine::SchoolHolidayText(*school, day.regionName);
    day.toolTip += "\n" + day.schoolHoliday;
  }
  return day;
}

}  // namespace app

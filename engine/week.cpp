// SPDX-License-Identifier: MIT
#include "engine/week.h"

#include <string>

namespace engine {
namespace {

Week WeekOfParts(int jd, const CivilDate& date, int dayOfYear, CalendarKind kind) {
  const int weekday = WeekDayOf(jd);
  Week result{(dayOfYear - weekday + 10) / 7, date.year};  // dividend >= 4
  if (result.week == 0) {
    // The first days of January belong to the last week of the previous year.
    result.week = (dayOfYear - weekday + 10 + DaysInYear(date.year - 1, kind)) / 7;
    result.weekYear = date.year - 1;
  } else if (result.week == 53 && date.day - weekday > 27) {
    // The Thursday of this week lies in the next year.
    result.week = 1;
    result.weekYear = date.year + 1;
  }
  return result;
}

}  // namespace

Week WeekOfDayNumber(int jd, CalendarKind kind) {
  return WeekOfDay(jd, CivilDateOf(jd, kind), kind);
}

Week WeekOfDay(int jd, const CivilDate& date, CalendarKind kind) {
  const int dayOfYear = DaysBeforeMonth(date.month, IsLeapYear(date.year, kind)) + date.day;
  return WeekOfParts(jd, date, dayOfYear, kind);
}

WeekResult WeekOf(std::string_view date, CalendarKind kind) {
  const DateCheck check = CheckDate(date, kind);
  if (const int code = DateCode(check, kind); code != 1) return {code, {}};
  return {1, WeekOfDay(check.dayNumber, check.date, kind)};
}

WeekMonday MondayOfWeekNumber(int week, int year, CalendarKind kind) {
  // Years outside four digits cannot be written into the year field.
  if (year > 9999 || year < -9999) return {WeekMondayStatus::Unreadable, 0};
  if (year == 0) return {WeekMondayStatus::NoSuchWeek, 0};
  const int j1 = DayNumberOf(CivilDate{year, 1, 1}, kind);
  // The Julian calendar's range begins on 03.01.0001.
  if (kind == CalendarKind::Julian && !IsDayNumberInRange(j1)) {
    return {WeekMondayStatus::OutOfRange, 0};
  }
  const int weekday = WeekDayOf(j1);
  const bool firstInWeekOne = WeekOfDayNumber(j1, kind).weekYear == year;
  const long long monday = static_cast<long long>(j1) - weekday + (firstInWeekOne ? 1 : 8) +
                           7 * (static_cast<long long>(week) - 1);
  if (monday < -2'000'000'000LL || monday > 2'000'000'000LL) {
    return {WeekMondayStatus::Unreadable, 0};
  }
  if (week > 50 && WeekOfDayNumber(static_cast<int>(monday), kind).week != week) {
    return {WeekMondayStatus::NoSuchWeek, 0};
  }
  return {WeekMondayStatus::Found, static_cast<int>(monday)};
}

JdResult MondayOfWeek(int week, int year, CalendarKind kind) {
  const WeekMonday monday = MondayOfWeekNumber(week, year, kind);
  switch (monday.status) {
    case WeekMondayStatus::Found:
      return {1, std::to_string(monday.dayNumber)};
    case WeekMondayStatus::NoSuchWeek:
      return {-2, ""};
    case WeekMondayStatus::OutOfRange:
      return {-1, ""};
    case WeekMondayStatus::Unreadable:
      break;
  }
  return {0, ""};
}

}  // namespace engine

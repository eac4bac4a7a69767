// SPDX-License-Identifier: MIT
#include "engine/navigation.h"

#include <algorithm>
#include <optional>

#include "engine/deadline.h"

namespace engine {
namespace {

// The base of a unit by its first letter; empty for an unknown unit.
std::string_view UnitBase(std::string_view unit) {
  if (unit.empty()) return {};
  switch (unit.front()) {
    case 'T':
      return "Tag";
    case 'W':
      return "Woche";
    case 'M':
      return "Monat";
    case 'J':
      return "Jahr";
    default:
      return {};
  }
}

}  // namespace

std::string UnitForCount(std::string_view unit, long long count) {
  const std::string_view base = UnitBase(unit);
  if (base.empty()) return std::string(unit);
  std::string text(base);
  if (count != 1) text += base == "Woche" ? "n" : "e";
  return text;
}

std::string NextUnit(std::string_view unit, long long count, bool gregorian) {
  const std::string_view base = UnitBase(unit);
  std::string_view next = "Tag";
  if (base == "Tag") next = "Woche";
  if (base == "Woche") next = gregorian ? "Monat" : "Tag";
  if (base == "Monat") next = "Jahr";
  return UnitForCount(next, count);
}

std::string CalendarUnit(std::string_view unit, long long count, bool gregorian) {
  const std::string_view base = UnitBase(unit);
  if (!gregorian && (base == "Monat" || base == "Jahr")) return UnitForCount("Tag", count);
  return UnitForCount(unit, count);
}

std::string NavigationCommand(bool forward, std::string_view unit, bool gregorian) {
  const std::string_view base = UnitBase(unit);
  if (base.empty()) return {};
  if (base == "Monat" && !gregorian) return {};
  std::string command = forward ? "forw" : "back";
  if (base == "Tag") command += "Day";
  if (base == "Woche") command += "Week";
  if (base == "Monat") command += "Month";
  if (base == "Jahr") command += "Year";
  return command;
}

bool IsNavigationCommand(std::string_view command) {
  for (std::string_view way : {"back", "forw"}) {
    for (std::string_view unit : {"Day", "Week", "Month", "Year"}) {
      if (command.size() == way.size() + unit.size() && command.starts_with(way) &&
          command.ends_with(unit)) {
        return true;
      }
    }
  }
  return false;
}

Move Navigate(int dayNumber, std::string_view command, long long count, CalendarKind kind) {
  if (!IsNavigationCommand(command)) return {};
  const bool forward = command.starts_with("forw");
  const std::string_view unit = command.substr(4);
  const bool julian = kind == CalendarKind::Julian;
  if (count < 0) count = 0;
  const long long step = forward ? count : -count;
  const int low = kFirstDayNumber;
  const int high = julian ? kLastJulianDayNumber : kLastDayNumber;
  const Move atLow{true, low, julian ? 2 : 1};
  const Move atHigh{true, high, julian ? 4 : 3};

  std::optional<long long> result;
  if (unit == "Day") {
    result = dayNumber + step;
  } else if (unit == "Week") {
    result = dayNumber + 7 * step;
  } else if (unit == "Month") {
    if (julian) return {};
    if (auto moved = ShiftDayNumber(dayNumber, PeriodUnit::Month, step)) {
      result = *moved;
    }
  } else if (!julian) {
    if (auto moved = ShiftDayNumber(dayNumber, PeriodUnit::Year, step)) {
      result = *moved;
    }
  } else {
    const CivilDate date = CivilDateOf(dayNumber, kind);
    const long long year = date.year + step;
    if (year >= 1 && year <= 9999) {
      const int y = static_cast<int>(year);
      const int day = std::min(date.day, DaysInMonthOf(date.month, y, kind));
      result = DayNumberOf({y, date.month, day}, kind);
    }
  }
  if (!result) return forward ? atHigh : atLow;
  if (*result < low) return atLow;
  if (*result > high) return atHigh;
  return {true, static_cast<int>(*result), 0};
}

}  // namespace engine

// SPDX-License-Identifier: MIT
// The day the user chose, as it travels between the calendar's views: a day
// number shown in a calendar, the region whose holidays, sun and clock apply,
// and the legal time of day. The views pass this value and compute their
// texts from it; nothing reads a date back from a text the program wrote.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "engine/civildate.h"

namespace engine {

// A time of day on the legal clock, 00:00:00 to 23:59:59.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

// TimeOfDayText: "hh:mm:ss".
std::string TimeOfDayText(TimeOfDay time);  // {9, 5, 0} -> "09:05:00"

// TimeOfDayOfSeconds: seconds since midnight, taken modulo one day.
TimeOfDay TimeOfDayOfSeconds(int seconds);  // 81000 -> {22, 30, 0}

// ReadTimeOfDay: a time someone typed or handed over, "hh:mm" or "hh:mm:ss";
// nothing for any other text or a field out of range.
std::optional<TimeOfDay> ReadTimeOfDay(std::string_view text);  // "25:00" -> nullopt

inline constexpr std::string_view kDefaultRegion = "D-NI";

struct ChosenDay {
  int dayNumber = kFirstDayNumber;                  // the chronological Julian Day
  CalendarKind calendar = CalendarKind::Gregorian;  // the calendar it is shown in
  std::string region{kDefaultRegion};               // region code, "D-NI"
  TimeOfDay time;                                   // legal time of the day

  bool gregorian() const { return calendar == CalendarKind::Gregorian; }
  // date: the civil date in the day's own calendar.
  CivilDate date() const { return CivilDateOf(dayNumber, calendar); }
  friend bool operator==(const ChosenDay&, const ChosenDay&) = default;
};

// DateTextOf: "DD.MM.YYYY" in the day's own calendar.
std::string DateTextOf(const ChosenDay& day);  // {2460653, Gregorian} -> "08.12.2024"

// IsChosenDayValid: the day lies in the range its calendar is shown for.
bool IsChosenDayValid(const ChosenDay& day);

// ReadChosenDay: a day someone wrote down: a date "DD.MM.YYYY" of the
// calendar, a region code taken as given, and a time "hh:mm[:ss]"; nothing
// when the date or the time is none.
std::optional<ChosenDay> ReadChosenDay(std::string_view date, std::string_view region,
                                       std::string_view time,
                                       CalendarKind calendar = CalendarKind::Gregorian);
// ("08.12.2026", "D-BY", "09:30") -> {2461383, Gregorian, "D-BY", {9, 30, 0}}

}  // namespace engine

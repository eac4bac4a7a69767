// SPDX-License-Identifier: MIT
// Days for widget tests, written as a person reads them.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/chosenday.h"

namespace testsupport {

// DayOf: the day of a date "DD.MM.YYYY", region code and time "hh:mm[:ss]";
// a test that writes no such day stops at once.
inline engine::ChosenDay DayOf(std::string_view date, std::string_view region,
                               std::string_view time,
                               engine::CalendarKind calendar = engine::CalendarKind::Gregorian) {
  const std::optional<engine::ChosenDay> day = engine::ReadChosenDay(date, region, time, calendar);
  if (!day) {
    std::fprintf(stderr, "no day: %.*s %.*s\n", static_cast<int>(date.size()), date.data(),
                 static_cast<int>(time.size()), time.data());
    std::abort();
  }
  return *day;
}

}  // namespace testsupport

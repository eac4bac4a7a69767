// SPDX-License-Identifier: MIT
// The two readings of the outside world that the engine makes: the local
// date and time of day, and the locale's decimal separator. Both can be
// replaced, so that tests never depend on the machine's clock or locale.
// Everything else in the engine is a pure function of its arguments.
#pragma once

#include <functional>

namespace engine {

// A local calendar date (proleptic Gregorian) and time of day.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Now: the current local date and time, from the installed clock.
LocalDateTime Now();

// SetClock: installs a clock; an empty function restores the system clock.
//   SetClock([] { return LocalDateTime{2026, 12, 8, 12, 0, 0, 0}; });
void SetClock(std::function<LocalDateTime()> clock);

// DecimalSeparator: the separator numbers are shown with; ',' unless set.
char DecimalSeparator();

// SetDecimalSeparator: set once at start-up from the system locale.
void SetDecimalSeparator(char separator);

}  // namespace engine

// SPDX-License-Identifier: MIT
// The two readings of the outside world that the engine makes: the current
// moment, and the locale's decimal separator. Both can be replaced, so that
// tests never depend on the machine's clock or locale. Everything else in
// the engine is a pure function of its arguments.
//
// The clock is read as UTC and turned into legal time by the engine's own
// rules (moment.h), never through the machine's time zone: a machine set to
// UTC, or to the zone of a journey, shows the same time as one in Germany.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/moment.h"

namespace engine {

// NowUtc: the current moment from the installed clock.
UtcMoment NowUtc();

// SetClock: installs a clock; an empty function restores the system clock.
//   SetClock([] { return UtcMomentOfUtc({2026, 12, 8, 11, 0, 0, 0}); });
void SetClock(std::function<UtcMoment()> clock);

// FixedLegalClock: a clock that stands still at a legal time of a region,
// for tests and pictures that think in the time a person there would read.
std::function<UtcMoment()> FixedLegalClock(const LocalDateTime& legal,
                                           std::string_view region = "D-NI");

// The home region: whose legal time "now" and "today" are where no region
// is named (the main window's region; "D" until one is set).
void SetHomeRegion(std::string_view code);
std::string HomeRegion();

// Now: the current legal date and time in the home region, or in a region.
LocalDateTime Now();
LocalDateTime Now(const Region& region);

// DecimalSeparator: the separator numbers are shown with; ',' unless set.
char DecimalSeparator();

// SetDecimalSeparator: set once at start-up from the system locale.
void SetDecimalSeparator(char separator);

}  // namespace engine

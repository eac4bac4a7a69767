// SPDX-License-Identifier: MIT
// Installs a fixed clock for one test and restores the system clock when the
// test ends, also when an assertion leaves it early, so that no fake clock
// leaks into later tests.
#pragma once

#include "engine/environment.h"

namespace engine {

class ClockScope {
 public:
  // ClockScope: now is that legal time in the region.
  explicit ClockScope(const LocalDateTime& legal, std::string_view region = "D-NI") {
    SetClock(FixedLegalClock(legal, region));
  }
  explicit ClockScope(UtcMoment now) {
    SetClock([now] { return now; });
  }
  ~ClockScope() { SetClock({}); }
  ClockScope(const ClockScope&) = delete;
  ClockScope& operator=(const ClockScope&) = delete;
};

}  // namespace engine

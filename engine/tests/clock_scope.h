// SPDX-License-Identifier: MIT
// Installs a fixed clock for one test and restores the system clock when the
// test ends, also when an assertion leaves it early, so that no fake clock
// leaks into later tests.
#pragma once

#include "engine/environment.h"

namespace engine {

class ClockScope {
 public:
  explicit ClockScope(const LocalDateTime& now) {
    SetClock([now] { return now; });
  }
  ~ClockScope() { SetClock({}); }
  ClockScope(const ClockScope&) = delete;
  ClockScope& operator=(const ClockScope&) = delete;
};

}  // namespace engine

// SPDX-License-Identifier: MIT
// The date texts the day benchmarks walk: every day of 1990..2030.
#pragma once

#include <string>
#include <vector>

#include "engine/daynumber.h"

namespace bench {

inline const std::vector<std::string>& Dates() {
  static const std::vector<std::string> dates = [] {
    std::vector<std::string> all;
    const auto g = engine::CalendarKind::Gregorian;
    const int first = engine::DayNumberOf({1990, 1, 1}, g);
    const int last = engine::DayNumberOf({2030, 12, 31}, g);
    for (int jd = first; jd <= last; ++jd) all.push_back(engine::JDToDate(jd, g).date);
    return all;
  }();
  return dates;
}

}  // namespace bench

// SPDX-License-Identifier: MIT
#include "engine/environment.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace engine {
namespace {

LocalDateTime SystemNow() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  // std::localtime is the one portable way to the local zone before C++20's
  // time-zone database is available; the engine is only used from one thread.
  const std::tm* local = std::localtime(&seconds);
  if (local == nullptr) return LocalDateTime{};
  return LocalDateTime{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
                       local->tm_hour,        local->tm_min,     local->tm_sec,
                       static_cast<int>(ms)};
}

std::function<LocalDateTime()>& InstalledClock() {
  static std::function<LocalDateTime()> clock;
  return clock;
}

char& Separator() {
  static char separator = ',';
  return separator;
}

}  // namespace

LocalDateTime Now() {
  const auto& clock = InstalledClock();
  return clock ? clock() : SystemNow();
}

void SetClock(std::function<LocalDateTime()> clock) {
  InstalledClock() = std::move(clock);
}

char DecimalSeparator() {
  return Separator();
}

void SetDecimalSeparator(char separator) {
  Separator() = separator;
}

}  // namespace engine

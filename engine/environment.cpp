// SPDX-License-Identifier: MIT
#include "engine/environment.h"

#include <chrono>
#include <utility>

namespace engine {
namespace {

// The system clock counts UTC since 1970 on every platform C++20 knows;
// reading it needs neither the machine's zone nor its zone database.
UtcMoment SystemNow() {
  using namespace std::chrono;
  return {duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count()};
}

std::function<UtcMoment()>& InstalledClock() {
  static std::function<UtcMoment()> clock;
  return clock;
}

Region& Home() {
  static Region home = RegionOfCode("D");
  return home;
}

char& Separator() {
  static char separator = ',';
  return separator;
}

}  // namespace

UtcMoment NowUtc() {
  const auto& clock = InstalledClock();
  return clock ? clock() : SystemNow();
}

void SetClock(std::function<UtcMoment()> clock) {
  InstalledClock() = std::move(clock);
}

std::function<UtcMoment()> FixedLegalClock(const LocalDateTime& legal, std::string_view region) {
  const UtcMoment moment = UtcMomentOfLegal(legal, RegionOfCode(region));
  return [moment] { return moment; };
}

void SetHomeRegion(std::string_view code) {
  if (!code.empty()) Home() = RegionOfCode(code);
}

std::string HomeRegion() {
  return Home().code;
}

LocalDateTime Now() {
  return Now(Home());
}

LocalDateTime Now(const Region& region) {
  return LegalTimeAt(NowUtc(), region);
}

char DecimalSeparator() {
  return Separator();
}

void SetDecimalSeparator(char separator) {
  Separator() = separator;
}

}  // namespace engine

// SPDX-License-Identifier: MIT
// Speed of the day-number core: every date of the system passes through it.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/daynumber.h"
#include "engine/week.h"

namespace {

using engine::CalendarKind;

// Date texts spread over the whole range, so that no branch is always taken.
std::vector<std::string> SampleDates(CalendarKind kind) {
  std::vector<std::string> dates;
  for (int jd = engine::kFirstDayNumber; jd <= engine::kLastDayNumber; jd += 997) {
    dates.push_back(engine::JDToDate(jd, kind).date);
  }
  return dates;
}

// The typed core, both directions: a few dozen instructions each, so these
// show what the text adapters add.
void BM_DayNumberOf(benchmark::State& state) {
  std::vector<engine::CivilDate> dates;
  for (int n = engine::kFirstDayNumber; n <= engine::kLastDayNumber; n += 997) {
    dates.push_back(engine::CivilDateOf(n, CalendarKind::Gregorian));
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::DayNumberOf(dates[i], CalendarKind::Gregorian));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_DayNumberOf);

void BM_CivilDateOf(benchmark::State& state) {
  int n = engine::kFirstDayNumber;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::CivilDateOf(n, CalendarKind::Gregorian));
    n += 997;
    if (n > engine::kLastDayNumber) n -= engine::kLastDayNumber - engine::kFirstDayNumber;
  }
}
BENCHMARK(BM_CivilDateOf);

void BM_CheckDate(benchmark::State& state) {
  const auto dates = SampleDates(CalendarKind::Gregorian);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::CheckDate(dates[i], CalendarKind::Gregorian));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_CheckDate);

void BM_DateToJD(benchmark::State& state) {
  const auto dates = SampleDates(CalendarKind::Gregorian);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::DateToJD(dates[i], CalendarKind::Gregorian));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_DateToJD);

// What remains of BM_DateToJD without its work: a call that copies seven
// characters into the same result type. The day-number conversions cannot
// come below it while they return their texts.
engine::JdResult CopySeven(std::string_view date, CalendarKind) {
  return {1, std::string(date.substr(0, 7))};
}

void BM_ResultFloor(benchmark::State& state) {
  const auto dates = SampleDates(CalendarKind::Gregorian);
  // Called through a volatile pointer so that it stays a call, as DateToJD is.
  engine::JdResult (*volatile convert)(std::string_view, CalendarKind) = CopySeven;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(convert(dates[i], CalendarKind::Gregorian));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_ResultFloor);

void BM_JDToDate(benchmark::State& state) {
  int jd = engine::kFirstDayNumber;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::JDToDate(jd, CalendarKind::Gregorian));
    jd += 997;
    if (jd > engine::kLastDayNumber) jd -= engine::kLastDayNumber - engine::kFirstDayNumber;
  }
}
BENCHMARK(BM_JDToDate);

void BM_JDToDateText(benchmark::State& state) {
  const std::string jd = "2461383";
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::JDToDate(jd, CalendarKind::Julian));
  }
}
BENCHMARK(BM_JDToDateText);

void BM_WeekOf(benchmark::State& state) {
  const auto dates = SampleDates(CalendarKind::Gregorian);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::WeekOf(dates[i], CalendarKind::Gregorian));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_WeekOf);

void BM_WeekOfDayNumber(benchmark::State& state) {
  int jd = engine::kFirstDayNumber;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::WeekOfDayNumber(jd, CalendarKind::Gregorian));
    jd += 997;
    if (jd > engine::kLastDayNumber) jd -= engine::kLastDayNumber - engine::kFirstDayNumber;
  }
}
BENCHMARK(BM_WeekOfDayNumber);

}  // namespace

// SPDX-License-Identifier: MIT
// Speed of the region lookup and of the day's work when the region is looked
// up once and passed down, as the widgets do, beside the forms with a code in
// engine_bench.cpp that look it up on every call.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/bench_dates.h"
#include "engine/daydescription.h"
#include "engine/dayfacts.h"
#include "engine/region.h"
#include "engine/week.h"

namespace {

using engine::CalendarKind;

void BM_RegionOfCode(benchmark::State& state) {
  const char* const codes[] = {"D-BY", "D-NI", "A-W", "HR"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::RegionOfCode(codes[i]));
    i = (i + 1) % 4;
  }
}
BENCHMARK(BM_RegionOfCode);

void BM_ResolveRegionName(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(engine::ResolveRegion("niedersachsen"));
}
BENCHMARK(BM_ResolveRegionName);

using bench::Dates;

void BM_DayFactsOfDateRegion(benchmark::State& state) {
  const auto& dates = Dates();
  const engine::Region region = engine::RegionOfCode("D-BY");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::DayFactsOfDate(dates[i], region, CalendarKind::Gregorian));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_DayFactsOfDateRegion);

void BM_MonthSheetRegion(benchmark::State& state) {
  const engine::Region region = engine::RegionOfCode("D-NI");
  int month = 0;
  for (auto _ : state) {
    const int year = 2000 + month / 12;
    const int first = engine::DayNumberOf({year, month % 12 + 1, 1}, CalendarKind::Gregorian);
    const int monday = first - engine::WeekDayOf(first) + 1;
    for (int day = 0; day < 42; ++day) {
      const engine::DayFacts facts =
          engine::DayFactsOfJD(monday + day, region, CalendarKind::Gregorian);
      benchmark::DoNotOptimize(
          engine::DescribeDay(facts, region, CalendarKind::Gregorian, 2461383));
      if (day % 7 == 0) {
        benchmark::DoNotOptimize(engine::WeekOfDayNumber(monday + day, CalendarKind::Gregorian));
      }
    }
    benchmark::DoNotOptimize(engine::HolidayRowsOfYear(year, region, CalendarKind::Gregorian));
    month = (month + 1) % 360;
  }
}
BENCHMARK(BM_MonthSheetRegion)->Unit(benchmark::kMicrosecond);

}  // namespace

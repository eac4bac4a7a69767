// SPDX-License-Identifier: MIT
// Speed of what the calendar does for every shown day: the day facts, the
// day description, the holiday list of a year, a month sheet's engine work,
// and the rounding of amounts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_dates.h"
#include "engine/daydescription.h"
#include "engine/dayfacts.h"
#include "engine/monthsheet.h"
#include "engine/rounding.h"
#include "engine/week.h"

namespace {

using engine::CalendarKind;

using bench::Dates;

void BM_DayFactsOfDate(benchmark::State& state) {
  const auto& dates = Dates();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::DayFactsOfDate(dates[i], "D-BY", CalendarKind::Gregorian));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_DayFactsOfDate);

void BM_DescribeDay(benchmark::State& state) {
  const auto& dates = Dates();
  std::size_t i = 0;
  for (auto _ : state) {
    const engine::DayFacts facts =
        engine::DayFactsOfDate(dates[i], "D-BY", CalendarKind::Gregorian);
    benchmark::DoNotOptimize(engine::DescribeDay(facts, "D-BY", CalendarKind::Gregorian, 2461383));
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_DescribeDay);

void BM_HolidayListOfYear(benchmark::State& state) {
  int year = 1600;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        engine::HolidayListOfYear(std::to_string(year), "D-BY", CalendarKind::Gregorian));
    if (++year > 3000) year = 1600;
  }
}
BENCHMARK(BM_HolidayListOfYear);

// What a month sheet asks of the engine: 42 days with facts and
// descriptions, the week of each of the six rows, and the month's holidays.
void BM_MonthSheet(benchmark::State& state) {
  int month = 0;
  for (auto _ : state) {
    const int year = 2000 + month / 12;
    const int first = engine::DayNumberOf({year, month % 12 + 1, 1}, CalendarKind::Gregorian);
    const int monday = first - engine::WeekDayOf(first) + 1;
    for (int day = 0; day < 42; ++day) {
      const engine::DayFacts facts =
          engine::DayFactsOfJD(monday + day, "D-NI", CalendarKind::Gregorian);
      benchmark::DoNotOptimize(
          engine::DescribeDay(facts, "D-NI", CalendarKind::Gregorian, 2461383));
      if (day % 7 == 0) {
        benchmark::DoNotOptimize(engine::WeekOfDayNumber(monday + day, CalendarKind::Gregorian));
      }
    }
    benchmark::DoNotOptimize(engine::HolidayRowsOfYear(year, "D-NI", CalendarKind::Gregorian));
    month = (month + 1) % 360;
  }
}
BENCHMARK(BM_MonthSheet)->Unit(benchmark::kMicrosecond);

// The month-sheet model alone (facts, weeks and counts of the 42 days,
// without the cell hints), as the command line's `monat` needs it.
void BM_MonthSheetModel(benchmark::State& state) {
  int month = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::MonthSheetOf(2000 + month / 12, month % 12 + 1, "D-NI",
                                                  CalendarKind::Gregorian, 2461383));
    month = (month + 1) % 360;
  }
}
BENCHMARK(BM_MonthSheetModel)->Unit(benchmark::kMicrosecond);

void BM_RoundValue(benchmark::State& state) {
  long double value = 1234.56789L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::RoundValue(2, "german", value));
    value += 0.001L;
  }
}
BENCHMARK(BM_RoundValue);

}  // namespace

// SPDX-License-Identifier: MIT
// Speed of the month sheet as a user meets it: ShowMonth builds the month's
// model (42 days with their facts, descriptions and links) and sets all 42
// cells, heads and week numbers; the second measure paints the sheet too.
// Offscreen, so that it runs without a desktop.
#include <benchmark/benchmark.h>

#include <QPixmap>
#include <vector>

#include "bench/widget_bench_main.h"
#include "controls/mocal.h"
#include "engine/civildate.h"

namespace {

// The first days of every month of 1990..2030.
const std::vector<int>& Months() {
  static const std::vector<int> months = [] {
    std::vector<int> all;
    for (int year = 1990; year <= 2030; ++year) {
      for (int month = 1; month <= 12; ++month) {
        all.push_back(engine::DayNumberOf({year, month, 1}, engine::CalendarKind::Gregorian));
      }
    }
    return all;
  }();
  return months;
}

void BM_ShowMonth(benchmark::State& state) {
  TMoCal sheet;
  const auto& months = Months();
  std::size_t i = 0;
  for (auto _ : state) {
    sheet.ShowMonth(months[i], true, QStringLiteral("D-BY"));
    if (++i == months.size()) i = 0;
  }
}
BENCHMARK(BM_ShowMonth)->Unit(benchmark::kMicrosecond);

void BM_ShowMonthAndPaint(benchmark::State& state) {
  TMoCal sheet;
  QPixmap pixmap(sheet.size());
  const auto& months = Months();
  std::size_t i = 0;
  for (auto _ : state) {
    sheet.ShowMonth(months[i], true, QStringLiteral("D-BY"));
    sheet.render(&pixmap);
    if (++i == months.size()) i = 0;
  }
}
BENCHMARK(BM_ShowMonthAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWidgetBenchmarks(argc, argv);
}

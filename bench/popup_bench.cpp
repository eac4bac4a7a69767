// SPDX-License-Identifier: MIT
// From a date entered into the calendar pop-up's date edit to what the user
// sees next: the date checked and described, the month sheet shown and
// painted, and the open deadline page computed and painted. Offscreen, so
// that it runs without a desktop.
#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QString>
#include <vector>

#include "bench/widget_bench_main.h"
#include "controls/mocal.h"
#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "popup/dateca.h"
#include "tools/beam.h"

namespace {

// Every 17th day of 2000..2030, as typed: each lands in another week, most
// in another month.
const std::vector<QString>& Dates() {
  static const std::vector<QString> dates = [] {
    std::vector<QString> all;
    const int first = engine::DayNumberOf({2000, 1, 1}, engine::CalendarKind::Gregorian);
    const int last = engine::DayNumberOf({2030, 12, 31}, engine::CalendarKind::Gregorian);
    for (int day = first; day <= last; day += 17) {
      all.push_back(QString::fromStdString(
          engine::FormatDateText(engine::CivilDateOf(day, engine::CalendarKind::Gregorian))));
    }
    return all;
  }();
  return dates;
}

// The pop-up's content in Bavaria with its sheet shown and the deadline
// page open.
void OpenDeadlines(TDateCal& cal) {
  cal.SetLand(QStringLiteral("D-BY"));
  cal.ShowSheet();
  cal.Beam()->SetProgStep(1);
  cal.Beam()->SwitchProgram();
}

void BM_DateToSheetAndDeadlines(benchmark::State& state) {
  TDateCal cal(nullptr, true);
  OpenDeadlines(cal);
  QWidget* page = cal.Beam()->OpenPage();
  QPixmap sheetPixels(cal.MoCal()->size());
  QPixmap pagePixels(page->size());
  const auto& dates = Dates();
  std::size_t i = 0;
  for (auto _ : state) {
    cal.SetDateText(dates[i]);
    cal.MoCal()->render(&sheetPixels);
    page->render(&pagePixels);
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_DateToSheetAndDeadlines)->Unit(benchmark::kMicrosecond);

// The same without painting: the checks, the day's facts and description,
// the sheet's model and the deadline table.
void BM_DateToSheetAndDeadlinesUnpainted(benchmark::State& state) {
  TDateCal cal(nullptr, true);
  OpenDeadlines(cal);
  const auto& dates = Dates();
  std::size_t i = 0;
  for (auto _ : state) {
    cal.SetDateText(dates[i]);
    if (++i == dates.size()) i = 0;
  }
}
BENCHMARK(BM_DateToSheetAndDeadlinesUnpainted)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWidgetBenchmarks(argc, argv);
}

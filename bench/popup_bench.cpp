// SPDX-License-Identifier: MIT
// From a date entered into the calendar pop-up's date edit to what the user
// sees next: the date checked and described, the month sheet shown and
// painted, and the open deadline page computed and painted. Offscreen, so
// that it runs without a desktop.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <QPixmap>
#include <QString>
#include <vector>

#include "controls/mocal.h"
#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/environment.h"
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

void BM_DateToSheetAndDeadlines(benchmark::State& state) {
  TDateCal cal(nullptr, true);
  cal.SetLand(QStringLiteral("D-BY"));
  cal.ShowSheet();
  cal.Beam()->SetProgStep(1);
  cal.Beam()->SwitchProgram();
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
  cal.SetLand(QStringLiteral("D-BY"));
  cal.ShowSheet();
  cal.Beam()->SetProgStep(1);
  cal.Beam()->SwitchProgram();
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
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  engine::SetDecimalSeparator(',');
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

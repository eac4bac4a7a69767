// SPDX-License-Identifier: MIT
// The main of the widget benchmarks: offscreen, German locale and decimal
// comma, as the program and its tests see them.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include "engine/environment.h"

inline int RunWidgetBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  engine::SetDecimalSeparator(',');
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

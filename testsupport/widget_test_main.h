// SPDX-License-Identifier: MIT
// The shared main of the widget tests: every test class registers itself
// with RAZ_WIDGET_TEST and runs in one QApplication on the offscreen
// platform, with the German locale, the decimal separator "," and the
// engine clock fixed at kTestNow. The first argument names the class to run
// (all when absent); the rest go to QTest.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "engine/environment.h"

namespace widget_tests {

// The fixed "now" of every widget test: Tuesday 08.12.2026, 09:30:15.
inline constexpr engine::LocalDateTime kTestNow{2026, 12, 8, 9, 30, 15, 0};

// Register: adds a test class under its name; used by RAZ_WIDGET_TEST.
bool Register(const char* name, std::function<std::unique_ptr<QObject>()> make);

}  // namespace widget_tests

#define RAZ_WIDGET_TEST(Class)                                   \
  static const bool kRegistered##Class = widget_tests::Register( \
      #Class, [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })

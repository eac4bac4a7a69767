// SPDX-License-Identifier: MIT
#include "testsupport/widget_test_main.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace widget_tests {

namespace {

std::map<std::string, std::function<std::unique_ptr<QObject>()>>& Classes() {
  static std::map<std::string, std::function<std::unique_ptr<QObject>()>> classes;
  return classes;
}

}  // namespace

bool Register(const char* name, std::function<std::unique_ptr<QObject>()> make) {
  Classes().emplace(name, std::move(make));
  return true;
}

}  // namespace widget_tests

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  engine::SetDecimalSeparator(',');
  engine::SetClock(engine::FixedLegalClock(widget_tests::kTestNow));

  std::string only;
  std::vector<char*> args{argv[0]};
  for (int i = 1; i < argc; ++i) {
    if (i == 1 && argv[i][0] != '-') {
      only = argv[i];
    } else {
      args.push_back(argv[i]);
    }
  }
  auto& classes = widget_tests::Classes();
  if (!only.empty() && classes.find(only) == classes.end()) {
    fprintf(stderr, "unknown test class %s\n", only.c_str());
    return 2;
  }
  int failures = 0;
  for (auto& [name, make] : classes) {
    if (!only.empty() && name != only) continue;
    const std::unique_ptr<QObject> test = make();
    failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  return failures == 0 ? 0 : 1;
}

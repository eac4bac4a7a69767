// SPDX-License-Identifier: MIT
#include "app/calvrn.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "engine/environment.h"

namespace {

TEST(TCalVrn, ShowsTodaysDateUnderTheCaptionKalender) {
  engine::SetClock([] { return engine::LocalDateTime{2026, 12, 8, 9, 30, 0, 0}; });
  TCalVrn window;
  window.show();
  EXPECT_EQ(window.windowTitle(), "Kalender");
  const auto* label = window.findChild<QLabel*>("Lbl_Date");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "08.12.2026");

  engine::SetClock([] { return engine::LocalDateTime{2027, 1, 1, 0, 0, 0, 0}; });
  window.Refresh();
  EXPECT_EQ(label->text(), "01.01.2027");
  engine::SetClock({});
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

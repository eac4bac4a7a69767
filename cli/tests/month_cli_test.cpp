// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "cli/common.h"
#include "cli/tests/cli_run.h"
#include "engine/environment.h"
#include "engine/tests/clock_scope.h"

namespace cli {
namespace {

TEST(MonthCli, SheetInAPipe) {
  const CliRun r = Cli({"monat", "10.2024", "--land", "D-NI"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Oktober 2024 - Niedersachsen\n"
            "KW   Mo  Di  Mi  Do  Fr  Sa  So\n"
            "40        1   2   3*  4   5   6 \n"
            "41    7   8   9  10  11  12  13 \n"
            "42   14  15  16  17  18  19  20 \n"
            "43   21  22  23  24  25  26  27 \n"
            "44   28  29  30  31*            \n"
            "45                              \n"
            "\n"
            "Feiertage:\n"
            "Do.03.10.2024 Tag der deutschen Einheit (gesetzl.)\n"
            "So.06.10.2024 Erntedanktag\n"
            "Do.31.10.2024 Reformationstag (gesetzl.)\n");
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
}

TEST(MonthCli, ColoursOnlyOnATerminal) {
  const engine::ClockScope clock(engine::LocalDateTime{2024, 10, 3, 12, 0, 0, 0});
  const CliRun r = Cli({"monat"}, true);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Oktober 2024 - Niedersachsen\n", 0), 0u);
  EXPECT_NE(r.out.find("\x1b[95m\x1b[7m  3*"), std::string::npos);  // today, a legal holiday
  EXPECT_NE(r.out.find("\x1b[90m 30 "), std::string::npos);         // 30 September
  EXPECT_NE(r.out.find("\x1b[91m  6 "), std::string::npos);         // a Sunday
}

}  // namespace
}  // namespace cli

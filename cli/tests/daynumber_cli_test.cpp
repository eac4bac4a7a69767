// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(DayNumberCli, Conversions) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"jd", "01.01.2000"}, "2451545\n"},
      {{"jd", "01.01.2000", "--kalender", "J"}, "2451558\n"},
      {{"jd", "04.10.1582", "-k", "J"}, "2299160\n"},
      {{"datum", "2299161"}, "15.10.1582\n"},
      {{"datum", "2299161", "--kalender=J"}, "05.10.1582\n"},
      {{"datum", "1721426", "--kalender", "J"}, "03.01.0001\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[0] << ' ' << c.args[1] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[0] << ' ' << c.args[1];
    EXPECT_EQ(r.err, "");
  }
}

}  // namespace
}  // namespace cli

// SPDX-License-Identifier: MIT
#include "launch/launch.h"

#include <gtest/gtest.h>

namespace launch {
namespace {

// The probe beside the test checks that every argument arrived as it was
// sent (blanks, quotes, umlauts, empty ones) and exits with the last one.
TEST(Launch, ArgumentsArriveWholeAndTheExitCodeComesBack) {
  const std::vector<std::string> args{"a b", "\"zitat\"", "ä § ß", "", "back\\slash\\", "7"};
  EXPECT_EQ(RunBeside("launch_probe", args), 7);
  EXPECT_EQ(RunBeside("launch_probe", {"0"}), 0);
}

TEST(Launch, AMissingProgramIsNothing) {
  EXPECT_FALSE(ProgramBeside("razaduvovi-gibt-es-nicht").has_value());
  EXPECT_FALSE(RunBeside("razaduvovi-gibt-es-nicht", {}).has_value());
}

TEST(Launch, AProgramEndedBySignalReportsItAsAShellDoes) {
#ifndef _WIN32
  EXPECT_EQ(RunBeside("launch_probe", {"--signal"}), 128 + 6);
#endif
}

}  // namespace
}  // namespace launch

// SPDX-License-Identifier: MIT
// Runs the command line in-process and keeps what it wrote.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace cli {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

inline CliRun Cli(const std::vector<std::string>& args, bool colour = false) {
  std::ostringstream out, err;
  const int code = RunCli(args, out, err, colour);
  return {code, out.str(), err.str()};
}

// A call the command line must refuse: exit 2, nothing on stdout, and the
// German message on stderr.
struct RefusedCase {
  std::vector<std::string> args;
  const char* message;
};

template <std::size_t N>
void ExpectRefused(const RefusedCase (&cases)[N]) {
  for (const RefusedCase& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace cli

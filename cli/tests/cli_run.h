// SPDX-License-Identifier: MIT
// Runs the command line in-process and keeps what it wrote.
#pragma once

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

}  // namespace cli

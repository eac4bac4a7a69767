// SPDX-License-Identifier: MIT
// razaduvovi-cli: the calendar engine for scripts and terminals. The whole
// program is one function over its arguments and two streams, so that tests
// run it in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// RunCli: parses the arguments (without the program name), runs the command
// and returns the exit code: 0 success, 2 invalid input (German message on
// err), 1 internal error.
// With colour set, out is a terminal and the month sheet marks days in colour.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool colour = false);

// IsTerminal: whether standard output is a terminal (the one question the
// command line asks the system).
bool StandardOutputIsTerminal();

}  // namespace cli

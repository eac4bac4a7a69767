// SPDX-License-Identifier: MIT
// razaduvovi-cli: the calendar engine for scripts and terminals. The whole
// program is one function over its arguments and two streams, so that tests
// run it in-process.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
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

// The year calendar is drawn with Qt by the print program installed beside
// the command line, so that no other command loads Qt. A runner starts such a
// program with its arguments and gives its exit code, or nothing when it
// cannot be started.
using ProgramRunner = std::function<std::optional<int>(std::string_view program,
                                                       const std::vector<std::string>& args)>;

// SetProgramRunner: replaces the runner, so that tests see what is handed on;
// an empty function restores the real one (launch::RunBeside).
void SetProgramRunner(ProgramRunner runner);

// The print program's name.
inline constexpr std::string_view kPrintProgram = "razaduvovi-print";

}  // namespace cli

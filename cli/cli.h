// SPDX-License-Identifier: MIT
// razaduvovi-cli: the calendar engine for scripts and terminals. The whole
// program is one function over its arguments and two streams, so that tests
// run it in-process.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <streambuf>
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

// IsTerminal: whether standard output is a terminal. This and the two
// below are the command line's own questions to the system (terminal.cpp).
bool StandardOutputIsTerminal();

// StandardStreams: readies std::cout and std::cerr for the program's UTF-8
// text while it lives, and leaves the console as it found it. Every system
// gets the same bytes: "\n" ends a line on Windows too (the streams are
// switched to binary, or the C runtime would write "\r\n"). A Windows
// console gets the text as UTF-16 through WriteConsoleW, whole characters
// at a time, so that umlauts and "§" show whatever its code page, and has
// its colour sequences switched on. Elsewhere it does nothing.
class StandardStreams {
 public:
  StandardStreams();
  ~StandardStreams();
  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;

 private:
  // On Windows: the console writers and what they replaced.
  std::unique_ptr<std::streambuf> console_out_, console_err_;
  std::streambuf* replaced_out_ = nullptr;
  std::streambuf* replaced_err_ = nullptr;
  unsigned long console_mode_ = 0;
  bool console_mode_changed_ = false;
};

// Utf8Arguments: the program's arguments without its name, in UTF-8. On
// Windows the narrow argv is in the ANSI code page, which cannot hold every
// character typed; the wide one is converted instead.
#ifdef _WIN32
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);  // (2, {L"x", L"ä"}) -> {"ä"}
#else
std::vector<std::string> Utf8Arguments(int argc, char** argv);  // (2, {"x", "ä"}) -> {"ä"}
#endif

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

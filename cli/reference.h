// SPDX-License-Identifier: MIT
// The command line's own reference: the tree of commands and options that
// RunCli parses with, one example per command and the exit codes. `--help`
// shows them, and the manual pages and the bash completion are written from
// the same tree when the program is built, so none of them can drift from
// what the program accepts.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/common.h"

namespace cli {

struct CommandExample {
  std::string_view command;  // "tag"
  std::string_view call;     // "tag 03.10.2024 --land Bayern"
  std::string_view what;     // "beschreibt den Tag der Deutschen Einheit in Bayern"
};

// Examples: one per command, in the order of the help.
std::span<const CommandExample> Examples();

struct ExitCode {
  int code;
  std::string_view meaning;
};

// ExitCodes: 0, 1, 2, 3 with what each means.
std::span<const ExitCode> ExitCodes();

// SetupCli: the whole tree of commands, with German help, each command's
// example as its footer and the exit codes as the program's.
void SetupCli(CLI::App& app, const Io& io);

// ManPageOfCli: razaduvovi-cli(1) in roff (man macros), German, from the tree.
std::string ManPageOfCli(const CLI::App& app);

// ManPageOfProgram: razaduvovi(1), the desktop program, which takes no options.
std::string ManPageOfProgram();

// BashCompletion: a bash completion script for razaduvovi-cli: the commands,
// each command's options, and the values of --land (codes and names),
// --kalender, --methode and the other options with a fixed set of values.
std::string BashCompletion(const CLI::App& app);

}  // namespace cli

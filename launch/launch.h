// SPDX-License-Identifier: MIT
// Running a program that is installed together with the running one, as git
// runs its sub-commands. The command line hands the year calendar to its
// print program this way, so that only that one command loads Qt. This and
// platform/ are the only places that ask the operating system for anything;
// this one needs no Qt.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launch {

// ProgramBeside: the path of the program `name` beside the running program
// (the build tree) or in its libexec folder ("../libexec/razaduvovi/", the
// installed tree); nothing when neither exists.
std::optional<std::filesystem::path> ProgramBeside(
    std::string_view name);  // "razaduvovi-print" -> "/usr/libexec/razaduvovi/razaduvovi-print"

// RunBeside: starts that program with the arguments (without its name), lets
// it write to this program's standard output and error, waits for it and
// gives its exit code; nothing when it is missing or cannot be started. A
// program ended by a signal gives 128 plus the signal's number, as a shell
// reports it.
std::optional<int> RunBeside(std::string_view name,
                             const std::vector<std::string>& args);  // -> 0

}  // namespace launch

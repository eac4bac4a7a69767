// SPDX-License-Identifier: MIT
// razaduvovi-print: the program that `razaduvovi-cli jahreskalender` hands
// the page to, since drawing text needs Qt and no other command should load
// it. It is called with the checked year, region code, calendar ("G" or "J")
// and file, writes the PDF and reports it as the command line would. It is
// one function over its arguments and two streams, so that tests run it
// in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace print {

// RunPrintProgram: 0 and "<title>: <file>" on out when the page is written;
// 2 and "Fehler: " with a German message on err for arguments it cannot use
// or a file it cannot write (the file then left as it was).
int RunPrintProgram(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err);  // {"2026", "D-BY", "G", "k.pdf"} -> 0

}  // namespace print

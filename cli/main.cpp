// SPDX-License-Identifier: MIT
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

// Windows hands the arguments in UTF-16 to wmain (linked with -municode);
// the narrow ones would be in the ANSI code page.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
#else
int main(int argc, char** argv) {
#endif
  std::ios::sync_with_stdio(false);
  const cli::StandardStreams streams;
  return cli::RunCli(cli::Utf8Arguments(argc, argv), std::cout, std::cerr,
                     cli::StandardOutputIsTerminal());
}

// SPDX-License-Identifier: MIT
// razaduvovi-docs OUTDIR: writes the manual pages razaduvovi-cli.1 and
// razaduvovi.1 and the bash completion razaduvovi-cli from the command
// line's own tree of commands. Run by the build; not installed.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/reference.h"

namespace {

bool Write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (!file) std::cerr << "razaduvovi-docs: " << path << " nicht geschrieben\n";
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Aufruf: razaduvovi-docs ZIELORDNER\n";
    return 2;
  }
  const std::string dir = argv[1];
  std::ostringstream out;
  std::ostringstream err;
  const cli::Io io{out, err};
  CLI::App app;
  cli::SetupCli(app, io);
  const bool written = Write(dir + "/razaduvovi-cli.1", cli::ManPageOfCli(app)) &&
                       Write(dir + "/razaduvovi.1", cli::ManPageOfProgram()) &&
                       Write(dir + "/razaduvovi-cli", cli::BashCompletion(app));
  return written ? 0 : 1;
}

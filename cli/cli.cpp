// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <algorithm>
#include <ostream>

#include "cli/common.h"
#include "cli/reference.h"

namespace cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool colour) {
  int status = 0;
  const Io io{out, err, colour, &status};
  CLI::App app;
  SetupCli(app, io);

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    const CLI::App* shown = &app;
    for (const CLI::App* command : app.get_subcommands()) shown = command;
    out << shown->help();
    return 0;
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << '\n';
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::ParseError& e) {
    err << "Fehler: ungültiger Aufruf (" << e.what() << ").\nHilfe: razaduvovi-cli --help\n";
    return 2;
  } catch (const UsageError& e) {
    err << "Fehler: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    err << "Interner Fehler: " << e.what() << '\n';
    return 1;
  }
  return status;
}

}  // namespace cli

// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <algorithm>
#include <ostream>

#include "cli/common.h"
#include "engine/version.h"

namespace cli {
namespace {

// German labels for CLI11's help texts.
void GermanHelp(CLI::App& app) {
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("SUBCOMMAND", "BEFEHL");
  formatter->label("SUBCOMMANDS", "BEFEHLE");
  formatter->label("Positionals", "Argumente");
  formatter->label("REQUIRED", "(Pflicht)");
  formatter->label("TEXT", "TEXT");
  formatter->label("INT", "ZAHL");
  formatter->label("Needs", "Benötigt");
  formatter->label("Excludes", "Schließt aus");
  formatter->column_width(34);
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Diese Hilfe anzeigen");
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool colour) {
  int status = 0;
  const Io io{out, err, colour, &status};
  CLI::App app{
      "Ra Zaduvovi: Kalender von 01.01.0001 bis 31.12.3000 (julianisch und gregorianisch).\n"
      "Datumsangaben als TT.MM.JJJJ; ungültige Eingaben enden mit Code 2, korrigierte Werte "
      "(pruefe) mit Code 3.",
      "razaduvovi-cli"};
  GermanHelp(app);
  app.set_version_flag("--version", "razaduvovi-cli " + std::string(engine::kProgramVersion),
                       "Version anzeigen");
  app.require_subcommand(1);
  SetupDayNumberCommands(app, io);
  SetupDayCommands(app, io);
  SetupCheckCommands(app, io);
  SetupHolidayCommands(app, io);
  SetupMonthCommands(app, io);
  SetupEasterCommands(app, io);
  SetupFormatCommands(app, io);
  SetupNumberCommands(app, io);
  SetupTimeCommands(app, io);
  SetupDeadlineCommands(app, io);
  SetupPeriodCommands(app, io);
  SetupClockCommands(app, io);
  SetupIsinCommands(app, io);
  SetupInterestCommands(app, io);
  SetupShiftCommands(app, io);
  SetupIcalCommands(app, io);
  SetupYearCalendarCommands(app, io);
  SetupBridgeCommands(app, io);
  SetupSchoolHolidayCommands(app, io);
  for (CLI::App* command : app.get_subcommands({})) {
    command->group("Befehle");
    GermanHelp(*command);
  }

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

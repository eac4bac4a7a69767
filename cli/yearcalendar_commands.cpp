// SPDX-License-Identifier: MIT
// jahreskalender JAHR -o DATEI.pdf: the year calendar of a region as a
// one-page landscape A4 PDF. The command line checks what was asked for;
// drawing text needs Qt, so the print program installed beside it writes the
// page and reports the file itself.
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "cli/common.h"
#include "engine/region.h"
#include "launch/launch.h"

namespace cli {
namespace {

ProgramRunner& Runner() {
  static ProgramRunner runner = launch::RunBeside;
  return runner;
}

struct YearCalendarOptions {
  std::string year;
  RegionOption region;
  CalendarOption calendar;
  std::string output;
};

int CheckedYear(const std::string& text) {
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    throw UsageError("\"" + text + "\" ist kein Jahr.");
  }
  if (year < 1 || year > 3000) {
    throw UsageError("Das Jahr " + text + " liegt nicht zwischen 1 und 3000.");
  }
  return year;
}

void RunJahreskalender(const YearCalendarOptions& options, const Io& io) {
  const int year = CheckedYear(options.year);
  const engine::Region region = options.region.Resolve();
  const engine::CalendarKind kind = options.calendar.Kind();
  if (options.output.empty()) {
    throw UsageError("Die Ausgabedatei fehlt: -o DATEI.pdf angeben.");
  }
  const std::vector<std::string> args{std::to_string(year), std::string(region.code),
                                      kind == engine::CalendarKind::Julian ? "J" : "G",
                                      options.output};
  // The print program writes to the same terminal: what this one wrote must
  // stand before it.
  io.out.flush();
  io.err.flush();
  const std::optional<int> code = Runner()(kPrintProgram, args);
  // The build for Windows has no Qt and so no print program: the same
  // message tells a user there why the command cannot be had.
  if (!code) {
    throw UsageError("Den Jahreskalender zeichnet das Programm " + std::string(kPrintProgram) +
                     ", das hier fehlt: Es braucht Qt und gehört neben razaduvovi-cli (oder "
                     "nach ../libexec/razaduvovi/); die Ausgabe für Windows hat es nicht.");
  }
  if (io.status != nullptr) *io.status = *code;
}

}  // namespace

void SetProgramRunner(ProgramRunner runner) {
  Runner() = runner ? std::move(runner) : ProgramRunner(launch::RunBeside);
}

void SetupYearCalendarCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<YearCalendarOptions>();
  CLI::App* command = app.add_subcommand(
      "jahreskalender", "Jahreskalender einer Region als PDF (eine Seite A4 quer)");
  command->add_option("JAHR", options->year, "Jahr (1 bis 3000)")->required();
  AddRegionOption(*command, options->region);
  AddCalendarOption(*command, options->calendar);
  command->add_option("-o,--ausgabe", options->output, "Die PDF-Datei, die geschrieben wird")
      ->type_name("DATEI.pdf");
  command->callback([options, io] { RunJahreskalender(*options, io); });
}

}  // namespace cli

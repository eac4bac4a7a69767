// SPDX-License-Identifier: MIT
// jahreskalender JAHR -o DATEI.pdf: the year calendar of a region as a
// one-page landscape A4 PDF. Drawing text needs Qt, so the build without Qt
// knows the command but refuses it.
#include <charconv>
#include <memory>
#include <ostream>
#include <string>

#include "cli/common.h"
#include "engine/yearpage.h"
#ifdef RAZ_WITH_PRINT
#include "print/yearpdf.h"
#endif

namespace cli {
namespace {

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
#ifdef RAZ_WITH_PRINT
  const engine::YearPage page = engine::YearPageOf(year, region, kind);
  std::string error;
  if (!print::WriteYearPagePdf(page, options.output, error)) throw UsageError(error);
  io.out << page.title << ": " << options.output << '\n';
#else
  (void)year;
  (void)region;
  (void)kind;
  (void)io;
  throw UsageError(
      "Der Jahreskalender als PDF braucht die Qt-Bibliotheken; dieses Programm wurde ohne sie "
      "gebaut.");
#endif
}

}  // namespace

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

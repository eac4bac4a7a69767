// SPDX-License-Identifier: MIT
// ical VON-BIS --land CODE: the holidays of the years as an iCalendar file
// that calendar programs import, on standard output or into a file that is
// either written whole or not at all.
#include <memory>
#include <ostream>
#include <string>

#include "cli/common.h"
#include "engine/holidayevents.h"
#include "engine/schoolholidays.h"
#include "export/icalendar.h"
#include "export/wholefile.h"

namespace cli {
namespace {

struct IcalOptions {
  std::string years;
  RegionOption region;
  bool schoolHolidays = false;
  bool legalOnly = false;
  bool weeks = false;
  std::string file;
  bool fileGiven = false;  // -o given, even with an empty name
};

void RunIcal(const IcalOptions& options, const Io& io) {
  const YearRange range = ParseYears(options.years);
  const int count = range.last - range.first + 1;
  if (count > engine::kMaxHolidayEventYears) {
    throw UsageError("Höchstens " + std::to_string(engine::kMaxHolidayEventYears) +
                     " Jahre auf einmal: \"" + options.years + "\" umfasst " +
                     std::to_string(count) + " Jahre.");
  }
  const engine::Region region = options.region.Resolve();
  const std::vector<engine::HolidayEvent> events = engine::HolidayEventsOfYears(
      range.first, range.last, region, {options.legalOnly, options.weeks, options.schoolHolidays});
  const std::string text = exports::IcalendarText(
      events, engine::HolidayCalendarName(range.first, range.last, region, options.legalOnly),
      exports::CurrentUtcStamp());
  if (options.file.empty() && !options.fileGiven) {
    io.out << text;
    return;
  }
  if (std::string why = exports::WriteFileWhole(exports::Utf8Path(options.file), text);
      !why.empty())
    throw UsageError(why);
  io.out << events.size() << " Termine in \"" << options.file << "\" gespeichert.\n";
}

}  // namespace

void SetupIcalCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<IcalOptions>();
  CLI::App* command =
      app.add_subcommand("ical", "Feiertage von Jahren als iCalendar-Datei (RFC 5545)");
  command
      ->add_option("JAHRE", options->years,
                   "Jahr oder Spanne VON-BIS (1 bis 3000, höchstens 100 Jahre)")
      ->required();
  command->add_option("-l,--land", options->region.value, "Land: Code oder Name")
      ->type_name("LAND")
      ->required();
  command->add_flag("-g,--gesetzlich", options->legalOnly, "Nur gesetzliche Feiertage");
  command->add_flag("--kw", options->weeks, "Dazu jeden Montag einen Termin \"KW nn\"");
  command->add_flag(
      "--ferien", options->schoolHolidays,
      "Dazu die Schulferien des Landes (" + std::string(engine::kSchoolHolidaySource) + ")");
  CLI::Option* output = command
                            ->add_option("-o,--ausgabe", options->file,
                                         "In diese Datei schreiben statt auf die Ausgabe")
                            ->type_name("DATEI");
  command->callback([options, output, io] {
    options->fileGiven = output->count() > 0;
    RunIcal(*options, io);
  });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// feiertage JAHR | VON-BIS: the holidays of one year or of a range of years,
// computed in one process and written as they are found.
#include <memory>
#include <ostream>
#include <string>

#include "cli/common.h"
#include "engine/daydescription.h"

namespace cli {
namespace {

struct HolidayOptions {
  std::string years;
  RegionOption region;
  CalendarOption calendar;
  bool legalOnly = false;
  bool json = false;
};

void RunFeiertage(const HolidayOptions& options, const Io& io) {
  const engine::CalendarKind kind = options.calendar.Kind();
  const engine::Region region = options.region.Resolve();
  const YearRange range = ParseYears(options.years);
  const engine::HolidaySelection selection =
      options.legalOnly ? engine::HolidaySelection::LegalOnly : engine::HolidaySelection::All;
  if (options.json) {
    // One array for all years, written a year at a time so that a long range
    // needs no more memory than one year.
    std::string text = "[";
    bool first = true;
    for (int year = range.first; year <= range.last; ++year) {
      for (const engine::HolidayRow& row :
           engine::HolidayRowsOfYear(year, region, kind, selection)) {
        text += first ? "\n  {\"datum\":" : ",\n  {\"datum\":";
        AppendJsonString(text, row.date);
        text += ",\"wochentag\":";
        text += std::to_string(row.weekdayNumber);
        text += ",\"namen\":";
        AppendJsonString(text, row.names);
        text += row.legal ? ",\"gesetzlich\":true}" : ",\"gesetzlich\":false}";
        first = false;
      }
      io.out << text;
      text.clear();
    }
    io.out << (first ? "]\n" : "\n]\n");
    return;
  }
  for (int year = range.first; year <= range.last; ++year) {
    if (options.legalOnly) {
      for (const engine::HolidayRow& row :
           engine::HolidayRowsOfYear(year, region, kind, selection)) {
        io.out << row.date << ' ' << engine::WeekDayName(row.weekdayNumber) << ' ' << row.names
               << '\n';
      }
      continue;
    }
    if (year > range.first) io.out << '\n';
    const engine::HolidayList list = engine::HolidayListOfYear(std::to_string(year), region, kind);
    for (const std::string& line : list.lines) io.out << line << '\n';
  }
}

}  // namespace

void SetupHolidayCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<HolidayOptions>();
  CLI::App* command = app.add_subcommand("feiertage", "Feiertage eines Jahres oder einer Spanne");
  command->add_option("JAHR", options->years, "Jahr (1 bis 3000) oder Spanne VON-BIS")->required();
  AddRegionOption(*command, options->region);
  AddCalendarOption(*command, options->calendar);
  command->add_flag("-g,--gesetzlich", options->legalOnly, "Nur gesetzliche Feiertage");
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunFeiertage(*options, io); });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// ferien JAHR | VON-BIS: the school holidays of a German or Austrian state,
// from the compiled-in table, with the source the licence asks to name.
#include <memory>
#include <ostream>
#include <string>

#include "cli/common.h"
#include "engine/civildate.h"
#include "engine/schoolholidays.h"

namespace cli {
namespace {

struct SchoolHolidayOptions {
  std::string years;
  RegionOption region;
  bool json = false;
};

std::string DateOf(int day) {
  return engine::JDToDate(day, engine::CalendarKind::Gregorian).date;
}

void RunFerien(const SchoolHolidayOptions& options, const Io& io) {
  const engine::Region region = options.region.Resolve();
  const YearRange range = ParseYears(options.years);
  const std::vector<engine::SchoolHoliday> holidays = engine::SchoolHolidaysBetween(
      engine::DayNumberOf({range.first, 1, 1}, engine::CalendarKind::Gregorian),
      engine::DayNumberOf({range.last, 12, 31}, engine::CalendarKind::Gregorian), region.code);
  if (options.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const engine::SchoolHoliday& h : holidays) {
      list.push_back({{"name", std::string(h.name)},
                      {"von", DateOf(h.firstDay)},
                      {"bis", DateOf(h.lastDay)},
                      {"tage", h.lastDay - h.firstDay + 1}});
    }
    PrintJson(io, {{"land", region.code},
                   {"land_name", region.DisplayName()},
                   {"von", range.first},
                   {"bis", range.last},
                   {"ferien", list},
                   {"quelle", std::string(engine::kSchoolHolidaySource)}});
    return;
  }
  if (holidays.empty()) {
    io.out << "Keine Schulferien für " << region.DisplayName() << " bekannt.\n";
    return;
  }
  for (const engine::SchoolHoliday& h : holidays) {
    io.out << engine::SchoolHolidayText(h, region.DisplayName()) << '\n';
  }
  io.out << engine::kSchoolHolidaySource << '\n';
}

}  // namespace

void SetupSchoolHolidayCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<SchoolHolidayOptions>();
  CLI::App* command =
      app.add_subcommand("ferien", "Schulferien eines deutschen oder österreichischen Landes");
  command->add_option("JAHR", options->years, "Jahr oder Jahresspanne VON-BIS (1 bis 3000)")
      ->required();
  AddRegionOption(*command, options->region);
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunFerien(*options, io); });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// brueckentage JAHR | VON-BIS: the bridge days of a region, each with the
// leave it costs and the free days it gives.
#include <memory>
#include <ostream>
#include <string>

#include "cli/common.h"
#include "engine/bridgedays.h"
#include "engine/civildate.h"

namespace cli {
namespace {

struct BridgeOptions {
  std::string years;
  RegionOption region;
  bool json = false;
};

std::string DateOf(int day) {
  return engine::JDToDate(day, engine::CalendarKind::Gregorian).date;
}

void RunBrueckentage(const BridgeOptions& options, const Io& io) {
  const engine::Region region = options.region.Resolve();
  const YearRange range = ParseYears(options.years);
  const std::vector<engine::BridgeStretch> stretches = engine::BridgeDaysBetween(
      engine::DayNumberOf({range.first, 1, 1}, engine::CalendarKind::Gregorian),
      engine::DayNumberOf({range.last, 12, 31}, engine::CalendarKind::Gregorian), region.code);
  if (options.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const engine::BridgeStretch& s : stretches) {
      list.push_back({{"urlaub_von", DateOf(s.firstLeave)},
                      {"urlaub_bis", DateOf(s.lastLeave)},
                      {"urlaubstage", s.leaveDays},
                      {"frei_von", DateOf(s.firstFree)},
                      {"frei_bis", DateOf(s.lastFree)},
                      {"freie_tage", s.freeDays},
                      {"text", s.text}});
    }
    PrintJson(io, {{"land", region.code},
                   {"land_name", region.DisplayName()},
                   {"von", range.first},
                   {"bis", range.last},
                   {"brueckentage", list}});
    return;
  }
  if (stretches.empty()) {
    io.out << "Keine Brückentage in " << region.DisplayName() << ".\n";
    return;
  }
  for (const engine::BridgeStretch& s : stretches) io.out << s.text << '\n';
}

}  // namespace

void SetupBridgeCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<BridgeOptions>();
  CLI::App* command = app.add_subcommand(
      "brueckentage", "Brückentage: Urlaubstage zwischen Feiertagen und Wochenenden");
  command->add_option("JAHR", options->years, "Jahr oder Jahresspanne VON-BIS (1 bis 3000)")
      ->required();
  AddRegionOption(*command, options->region);
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunBrueckentage(*options, io); });
}

}  // namespace cli

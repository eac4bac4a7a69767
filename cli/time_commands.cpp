// SPDX-License-Identifier: MIT
// zeit DATUM: the legal time of a day in a region, with the switch of the
// clocks on that day.
#include <memory>
#include <ostream>
#include <string_view>

#include "cli/common.h"
#include "engine/legaltime.h"

namespace cli {
namespace {

struct TimeOptions {
  std::string date;
  RegionOption region;
  CalendarOption calendar;
  bool json = false;
};

// The switch text without its line ending, for one line of terminal output.
std::string_view OneLine(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

void RunTime(const TimeOptions& options, const Io& io) {
  const engine::CalendarKind kind = options.calendar.Kind();
  const int jd = CheckedDayNumber(options.date, kind);
  const engine::DstResult legal = engine::DstState(jd, options.region.Resolve());
  if (options.json) {
    PrintJson(io, {{"zone", legal.zone},
                   {"status", legal.state},
                   {"umstellung_code", legal.switchCode},
                   {"umstellung", legal.switchText}});
    return;
  }
  const std::string_view change = OneLine(legal.switchText);
  io.out << "Zone: " << legal.zone << '\n'
         << "Status: " << legal.state << '\n'
         << "Umstellungscode: " << legal.switchCode << '\n'
         << "Umstellung: " << (change.empty() ? std::string_view("keine") : change) << '\n';
}

}  // namespace

void SetupTimeCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<TimeOptions>();
  CLI::App* command =
      app.add_subcommand("zeit", "Gesetzliche Zeit eines Tages (MEZ, MESZ, MEHSZ, MOZ, WOZ)");
  command->add_option("DATUM", options->date, "Datum TT.MM.JJJJ")->required();
  AddRegionOption(*command, options->region);
  AddCalendarOption(*command, options->calendar);
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunTime(*options, io); });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// zeitraum VON BIS: the period between two dates as text, in time years,
// weeks, days, calendar years and Roman calendar years.
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "engine/period.h"

namespace cli {
namespace {

struct PeriodOptions {
  std::string start;
  std::string end;
  std::string startFlag = "inkl";
  std::string endFlag = "exkl";
  bool json = false;
};

nlohmann::ordered_json SplitJson(const engine::PeriodSplit& split) {
  return {{"jahre", split.wholeYears},
          {"tage", split.daySum},
          {"tage_erstes_jahr", split.firstYearDays},
          {"tage_letztes_jahr", split.lastYearDays},
          {"monate", split.monthSum},
          {"monatstage", split.brokenMonthDays},
          {"monate_erstes_jahr", split.firstYearMonths},
          {"tage_anfangsmonat", split.startMonthDays},
          {"monate_letztes_jahr", split.lastYearMonths},
          {"tage_endmonat", split.endMonthDays}};
}

void RunPeriod(const PeriodOptions& options, const Io& io) {
  constexpr auto kGregorian = engine::CalendarKind::Gregorian;
  CheckedDayNumber(options.start, kGregorian);
  CheckedDayNumber(options.end, kGregorian);
  const bool startCounted = CountedFlag(options.startFlag, "--start");
  const bool endCounted = CountedFlag(options.endFlag, "--ende");
  const engine::PeriodTextResult period =
      engine::PeriodText(options.start, options.end, startCounted, endCounted);
  if (period.code == -1) throw UsageError(period.text);
  if (period.code != 1) throw std::runtime_error("Zeitraum nicht berechenbar");
  if (options.json) {
    const engine::PeriodCounts& c = period.counts;
    PrintJson(io, {{"von", options.start},
                   {"bis", options.end},
                   {"start_inklusiv", startCounted},
                   {"ende_inklusiv", endCounted},
                   {"tage", c.days},
                   {"wochen", c.weeks},
                   {"wochen_resttage", c.weekDays},
                   {"zeitjahre", c.timeYears},
                   {"tage_nach_zeitjahren", c.daysAfterYear},
                   {"zeitmonate", c.timeMonths},
                   {"tage_nach_zeitmonaten", c.daysAfterMonth},
                   {"kalenderjahre", SplitJson(c.calendar)},
                   {"roem_kalenderjahre", SplitJson(c.roman)},
                   {"zeilen", period.lines}});
    return;
  }
  for (const std::string& line : period.lines) io.out << line << '\n';
}

}  // namespace

void SetupPeriodCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<PeriodOptions>();
  CLI::App* command = app.add_subcommand(
      "zeitraum", "Zeitraum zwischen zwei Daten in Zeit-, Kalender- und Röm. Kalenderjahren");
  command->add_option("VON", options->start, "Anfangsdatum TT.MM.JJJJ")->required();
  command->add_option("BIS", options->end, "Enddatum TT.MM.JJJJ")->required();
  command
      ->add_option("--start", options->startFlag, "Anfangstag mitzählen: inkl (Vorgabe) oder exkl")
      ->type_name("inkl|exkl");
  command->add_option("--ende", options->endFlag, "Endtag mitzählen: exkl (Vorgabe) oder inkl")
      ->type_name("inkl|exkl");
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunPeriod(*options, io); });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// frist DATUM: the deadlines of the thirteen common periods after §§ 187-193
// BGB from a start date in a region; werktag DATUM: the next working day.
#include <memory>
#include <ostream>
#include <string_view>

#include "cli/common.h"
#include "engine/deadline.h"
#include "engine/numbertext.h"

namespace cli {
namespace {

constexpr auto kGregorian = engine::CalendarKind::Gregorian;

struct DeadlineOptions {
  std::string date;
  RegionOption region;
  bool json = false;
  bool text = false;
};

// A text with CR LF line ends written with the terminal's line ends.
void PrintLines(std::ostream& out, std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    out << text.substr(0, end) << '\n';
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
}

void RunDeadlines(const DeadlineOptions& options, const Io& io) {
  CheckedDayNumber(options.date, kGregorian);
  const engine::DeadlineTable table = engine::ComputeDeadlines(options.date, options.region.Code());
  if (table.code != 1) throw std::runtime_error("Fristen nicht berechenbar");
  if (options.json) {
    nlohmann::ordered_json periods = nlohmann::ordered_json::array();
    for (const engine::DeadlineRow& row : table.rows) {
      periods.push_back({{"frist", row.period.name},
                         {"rohes_ende", row.rawEnd},
                         {"fristende", row.end},
                         {"wochentag", row.weekday}});
    }
    PrintJson(io, {{"fristbeginn", table.start},
                   {"wochentag", table.startWeekday},
                   {"land", table.region},
                   {"land_name", table.regionName},
                   {"fristen", periods}});
    return;
  }
  if (options.text) {
    PrintLines(io.out, table.copyText);
    return;
  }
  io.out << "Fristbeginn: " << table.start << ", " << table.startWeekday << '\n'
         << "Land: " << table.regionName << " (" << table.region << ")\n"
         << "Frist      rohes Ende  Fristende\n";
  for (const engine::DeadlineRow& row : table.rows) {
    io.out << engine::PadLeftAligned(row.period.name, 9) << "  ";
    // An end after 31.12.3000 leaves only the raw end, without trailing blanks.
    if (row.cell.empty()) {
      io.out << row.rawEnd << '\n';
    } else {
      io.out << engine::PadLeftAligned(row.rawEnd, 10) << "  " << row.cell << '\n';
    }
  }
}

struct WorkingDayOptions {
  std::string date;
  RegionOption region;
  bool saturday = false;
  bool json = false;
};

void RunWorkingDay(const WorkingDayOptions& options, const Io& io) {
  const int jd = CheckedDayNumber(options.date, kGregorian);
  const std::string code = options.region.Code();
  const std::string day =
      options.saturday ? engine::NextWorkingDaySat(jd, code) : engine::NextWorkingDay(jd, code);
  if (day.empty()) {
    throw UsageError("Ab " + options.date + " gibt es bis 31.12.3000 keinen Werktag mehr.");
  }
  if (options.json) {
    const int weekday = engine::WeekDayOfDate(day);
    PrintJson(io, {{"datum", options.date},
                   {"land", code},
                   {"samstag_werktag", options.saturday},
                   {"werktag", day},
                   {"wochentag", engine::WeekDayAbbreviation(weekday).substr(0, 2)}});
    return;
  }
  io.out << day << '\n';
}

}  // namespace

void SetupDeadlineCommands(CLI::App& app, const Io& io) {
  auto deadline = std::make_shared<DeadlineOptions>();
  CLI::App* frist = app.add_subcommand(
      "frist",
      "Fristende der üblichen Fristen nach §§ 187-193 BGB (Tag des Ereignisses zählt nicht)");
  frist->add_option("DATUM", deadline->date, "Fristbeginn TT.MM.JJJJ (gregorianisch)")->required();
  AddRegionOption(*frist, deadline->region);
  AddJsonFlag(*frist, deadline->json);
  frist->add_flag("--text", deadline->text, "den Kopiertext der Seite ausgeben");
  frist->callback([deadline, io] { RunDeadlines(*deadline, io); });

  auto working = std::make_shared<WorkingDayOptions>();
  CLI::App* werktag = app.add_subcommand(
      "werktag", "Nächster Werktag ab einem Datum (der Tag selbst eingeschlossen)");
  werktag->add_option("DATUM", working->date, "Datum TT.MM.JJJJ (gregorianisch)")->required();
  AddRegionOption(*werktag, working->region);
  werktag->add_flag("--samstag", working->saturday, "Samstag als Werktag zählen");
  AddJsonFlag(*werktag, working->json);
  werktag->callback([working, io] { RunWorkingDay(*working, io); });
}

}  // namespace cli

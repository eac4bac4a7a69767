// SPDX-License-Identifier: MIT
// monat [MM.JJJJ]: a month sheet for the terminal: six weeks from Monday,
// week numbers, and the month's holidays below. On a terminal Saturdays,
// Sundays, legal holidays, today and the days of the neighbouring months are
// coloured; in a pipe legal holidays carry a "*" and neighbouring days stay
// blank.
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "engine/daydescription.h"
#include "engine/daynumber.h"
#include "engine/monthsheet.h"
#include "engine/region.h"

namespace cli {
namespace {

struct MonthOptions {
  std::string month;
  RegionOption region;
  CalendarOption calendar;
};

// ANSI colours near those of the month sheet on screen.
constexpr const char* kSaturday = "\x1b[31m";    // maroon
constexpr const char* kSunday = "\x1b[91m";      // red
constexpr const char* kLegal = "\x1b[95m";       // fuchsia
constexpr const char* kOtherMonth = "\x1b[90m";  // grey
constexpr const char* kToday = "\x1b[7m";        // reversed
constexpr const char* kReset = "\x1b[0m";

engine::CivilDate MonthOf(const MonthOptions& options, engine::CalendarKind kind) {
  if (options.month.empty()) {
    engine::CivilDate today =
        engine::CivilDateOf(engine::TodayJD(engine::RegionOfCode(options.region.Code())), kind);
    today.day = 1;
    return today;
  }
  const engine::DateCheck check = engine::CheckDate("01." + options.month, kind);
  const bool valid = check.ok() || check.status == engine::DateStatus::OutOfRange;
  if (options.month.size() != 7 || !valid) {
    throw UsageError("\"" + options.month + "\" ist kein Monat der Form MM.JJJJ.");
  }
  const int year = check.date.year;
  if (year < 1 || year > 3000) {
    throw UsageError("Das Jahr " + options.month.substr(3) + " liegt nicht zwischen 1 und 3000.");
  }
  return check.date;
}

void RunMonat(const MonthOptions& options, const Io& io) {
  const engine::CalendarKind kind = options.calendar.Kind();
  const std::string code = options.region.Code();
  const engine::CivilDate month = MonthOf(options, kind);
  const engine::MonthSheet sheet = engine::MonthSheetOf(
      month.year, month.month, code, kind, engine::TodayJD(engine::RegionOfCode(code)));

  io.out << sheet.monthName << ' ' << engine::FormatDateText(month).substr(6)
         << (kind == engine::CalendarKind::Julian ? " (julianisch)" : "") << " - "
         << engine::RegionDisplayName(code) << '\n';
  io.out << "KW   Mo  Di  Mi  Do  Fr  Sa  So\n";
  for (int row = 0; row < 6; ++row) {
    io.out << sheet.weeks[static_cast<std::size_t>(row)].text << "  ";
    for (int column = 0; column < 7; ++column) {
      const engine::MonthCell& cell = sheet.cells[static_cast<std::size_t>(7 * row + column)];
      if (cell.dimmed() && !io.colour) {
        io.out << "    ";
        continue;
      }
      const std::string text = ' ' + cell.text + (cell.legalHoliday ? '*' : ' ');
      if (!io.colour) {
        io.out << text;
        continue;
      }
      const char* colour = cell.dimmed()       ? kOtherMonth
                           : cell.legalHoliday ? kLegal
                           : cell.column == 7  ? kSunday
                           : cell.column == 6  ? kSaturday
                                               : "";
      io.out << colour << (cell.today ? kToday : "") << text << kReset;
    }
    io.out << '\n';
  }

  bool header = false;
  for (const engine::HolidayRow& row : engine::HolidayRowsOfYear(month.year, code, kind)) {
    if (std::stoi(row.date.substr(3, 2)) != month.month) continue;
    if (!header) io.out << "\nFeiertage:\n";
    header = true;
    io.out << row.weekday << row.date << ' ' << row.names << (row.legal ? " (gesetzl.)" : "")
           << '\n';
  }
}

}  // namespace

void SetupMonthCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<MonthOptions>();
  CLI::App* command = app.add_subcommand("monat", "Monatsblatt mit Wochen und Feiertagen");
  command->add_option("MONAT", options->month, "Monat MM.JJJJ, Vorgabe: der laufende Monat");
  AddRegionOption(*command, options->region);
  AddCalendarOption(*command, options->calendar);
  command->callback([options, io] { RunMonat(*options, io); });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// ostern JAHR: the date of Easter Sunday in one calendar.
#include <charconv>
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "engine/easter.h"

namespace cli {
namespace {

using engine::CalendarKind;

struct EasterOptions {
  std::string year;
  CalendarOption calendar;
  bool json = false;
};

// The year of the argument, or a UsageError for a text that is no whole number.
int CheckedYear(const std::string& text) {
  int year = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, year);
  if (text.empty() || error != std::errc() || rest != end) {
    throw UsageError("\"" + text + "\" ist keine ganze Jahreszahl.");
  }
  return year;
}

void RunOstern(const EasterOptions& options, const Io& io) {
  const CalendarKind kind = options.calendar.Kind();
  const int year = CheckedYear(options.year);
  // The dates beyond 3000 would leave the supported range.
  const int easter = year > 3000 ? -1 : engine::EasterDay(year, kind);
  if (easter < 1) {
    throw UsageError(
        "Für das Jahr " + options.year + " wird kein Osterdatum berechnet (" +
        (kind == CalendarKind::Julian ? "julianisch 1 bis 3000" : "gregorianisch 1583 bis 3000") +
        ").");
  }
  const std::string date = engine::YearDayToDate(easter, year, kind);
  if (options.json) {
    PrintJson(io, {{"jahr", year},
                   {"kalender", std::string(engine::CalendarCode(kind))},
                   {"ostersonntag", date},
                   {"tag_des_jahres", easter}});
  } else {
    io.out << date << '\n';
  }
}

}  // namespace

void SetupEasterCommands(CLI::App& app, const Io& io) {
  auto ostern = std::make_shared<EasterOptions>();
  CLI::App* command = app.add_subcommand("ostern", "Datum des Ostersonntags eines Jahres");
  command
      ->add_option("JAHR", ostern->year,
                   "Jahr (gregorianisch 1583 bis 3000, julianisch 1 bis 3000)")
      ->required();
  AddCalendarOption(*command, ostern->calendar);
  AddJsonFlag(*command, ostern->json);
  command->callback([ostern, io] { RunOstern(*ostern, io); });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// jd DATUM and datum JD: the day-number conversions of one calendar.
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "engine/week.h"

namespace cli {
namespace {

using engine::CalendarKind;

struct ConversionOptions {
  std::string value;
  CalendarOption calendar;
  bool json = false;
};

nlohmann::ordered_json DayJson(int jd, CalendarKind kind) {
  const engine::DateResult date = engine::JDToDate(jd, kind);
  const engine::Week week = engine::WeekOfDayNumber(jd, kind);
  const int weekday = engine::WeekDayOf(jd);
  return {{"datum", date.date},
          {"kalender", std::string(engine::CalendarCode(kind))},
          {"jd", jd},
          {"wochentag", weekday},
          {"wochentag_name", engine::WeekDayName(weekday)},
          {"tag_des_jahres", date.dayOfYear},
          {"tage_im_jahr", engine::JDToYearDay(jd, kind).leap ? 366 : 365},
          {"woche", week.week},
          {"wochenjahr", week.weekYear}};
}

void RunJd(const ConversionOptions& options, const Io& io) {
  const CalendarKind kind = options.calendar.Kind();
  const int jd = CheckedDayNumber(options.value, kind);
  if (options.json) {
    PrintJson(io, DayJson(jd, kind));
  } else {
    io.out << jd << '\n';
  }
}

void RunDatum(const ConversionOptions& options, const Io& io) {
  const CalendarKind kind = options.calendar.Kind();
  const engine::DateResult date = engine::JDToDate(options.value, kind);
  if (date.code != 1) {
    const std::string quoted = "\"" + options.value + "\"";
    if (engine::ParseDayNumber(options.value) == 0 &&
        options.value.find_first_not_of(" +0") != std::string::npos) {
      throw UsageError(quoted + " ist keine ganze Tageszahl.");
    }
    throw UsageError("Tageszahl " + quoted + " liegt außerhalb des unterstützten Bereichs " +
                     std::to_string(engine::kFirstDayNumber) + " bis " +
                     std::to_string(engine::kLastDayNumber) + ".");
  }
  if (options.json) {
    PrintJson(io, DayJson(engine::ParseDayNumber(options.value), kind));
  } else {
    io.out << date.date << '\n';
  }
}

}  // namespace

void SetupDayNumberCommands(CLI::App& app, const Io& io) {
  auto jd = std::make_shared<ConversionOptions>();
  CLI::App* jdCommand = app.add_subcommand("jd", "Julianische Tageszahl eines Datums");
  jdCommand->add_option("DATUM", jd->value, "Datum TT.MM.JJJJ")->required();
  AddCalendarOption(*jdCommand, jd->calendar);
  AddJsonFlag(*jdCommand, jd->json);
  jdCommand->callback([jd, io] { RunJd(*jd, io); });

  auto datum = std::make_shared<ConversionOptions>();
  CLI::App* datumCommand = app.add_subcommand("datum", "Datum einer julianischen Tageszahl");
  datumCommand->add_option("JD", datum->value, "Tageszahl 1721426 bis 2817152")->required();
  AddCalendarOption(*datumCommand, datum->calendar);
  AddJsonFlag(*datumCommand, datum->json);
  datumCommand->callback([datum, io] { RunDatum(*datum, io); });
}

}  // namespace cli

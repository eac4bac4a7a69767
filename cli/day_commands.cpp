// SPDX-License-Identifier: MIT
// tag DATUM: what a day is, in a region and calendar.
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "engine/civildate.h"
#include "engine/daydescription.h"
#include "engine/dayfacts.h"
#include "engine/daynumber.h"
#include "engine/region.h"
#include "engine/schoolholidays.h"

namespace cli {
namespace {

struct DayOptions {
  std::string date;
  RegionOption region;
  CalendarOption calendar;
  bool json = false;
};

// The holiday text as shown: a region without rules has none.
std::string ShownHolidays(const engine::DayFacts& facts, const engine::Region& region) {
  return region.hasRules ? facts.holidayText : std::string();
}

nlohmann::ordered_json FactsJson(const engine::DayFacts& facts, const engine::Region& region,
                                 engine::CalendarKind kind) {
  return {{"datum", facts.date},
          {"kalender", std::string(engine::CalendarCode(kind))},
          {"land", region.code},
          {"jd", facts.dayNumber},
          {"wochentag", facts.weekday},
          {"wochentag_name", facts.weekdayName},
          {"tag_des_jahres", facts.dayOfYear},
          {"tage_im_jahr", facts.daysInYear},
          {"woche", facts.week},
          {"wochenjahr", facts.weekYear},
          {"goldene_zahl", facts.goldenNumber},
          {"mondalter", facts.moonAge},
          {"mondphase", facts.moonPhase},
          {"ostertag", facts.easterDay},
          {"feiertage", ShownHolidays(facts, region)},
          {"gesetzlich", facts.holidayFlag == 1}};
}

void RunTag(const DayOptions& options, const Io& io) {
  const engine::CalendarKind kind = options.calendar.Kind();
  const engine::Region region = options.region.Resolve();
  // Without a date, today: the legal date in the region, not the machine's.
  const int today = engine::TodayJD(region);
  const int jd = options.date.empty() ? today : CheckedDayNumber(options.date, kind);
  if (!engine::IsDayNumberInRange(jd) ||
      (kind == engine::CalendarKind::Julian && jd > engine::kLastJulianDayNumber)) {
    throw UsageError("Heute liegt nicht im Bereich 01.01.0001 bis 31.12.3000.");
  }
  const engine::DayFacts facts = engine::DayFactsOfJD(jd, region, kind);
  const engine::DayDescription description = engine::DescribeDay(facts, region, kind, today);
  if (!options.json) {
    for (const std::string& line : description.lines) io.out << line << '\n';
    return;
  }
  nlohmann::ordered_json json = FactsJson(facts, region, kind);
  const engine::DayTimes times = engine::DayTimesOf(jd, region);
  json["zone"] = times.legal.zone;
  json["sommerzeit_status"] = times.legal.state;
  json["umstellung_code"] = times.legal.switchCode;
  json["umstellung"] = times.legal.switchText;
  json["sonnenaufgang"] = times.sunrise;
  json["sonnenuntergang"] = times.sunset;
  json["daemmerung_morgens"] = times.dawn;
  json["daemmerung_abends"] = times.dusk;
  json["beschreibung"] = description.lines;
  if (kind == engine::CalendarKind::Gregorian) {
    if (const std::optional<engine::SchoolHoliday> school =
            engine::SchoolHolidayOn(facts.dayNumber, region.code)) {
      json["schulferien"] = {
          {"name", std::string(school->name)},
          {"von", engine::FormatDateText(engine::CivilDateOf(school->firstDay, kind))},
          {"bis", engine::FormatDateText(engine::CivilDateOf(school->lastDay, kind))},
          {"quelle", std::string(engine::kSchoolHolidaySource)}};
    }
  }
  PrintJson(io, json);
}

}  // namespace

void SetupDayCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<DayOptions>();
  CLI::App* command = app.add_subcommand("tag", "Beschreibung eines Tages mit Feiertagen");
  command->add_option("DATUM", options->date, "Datum TT.MM.JJJJ; ohne Datum heute im Land");
  AddRegionOption(*command, options->region);
  AddCalendarOption(*command, options->calendar);
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunTag(*options, io); });
}

}  // namespace cli

// SPDX-License-Identifier: MIT
// uhr DATUM ZEIT: one moment in the zone times, mean and true local time and
// as Julian Date; arbeitszeit BEGINN ENDE|--stunden DAUER: working hours.
#include <memory>
#include <ostream>
#include <string_view>

#include "cli/common.h"
#include "engine/chosenday.h"
#include "engine/environment.h"
#include "engine/workhours.h"
#include "engine/zoneclock.h"

namespace cli {
namespace {

struct ClockOptions {
  std::string date;
  std::string time;
  std::string row;
  RegionOption region;
  bool json = false;
};

int CheckedRow(const std::string& row) {
  if (row.empty()) return 0;
  if (row.size() == 1 && row[0] >= '1' && row[0] <= '5') return row[0] - '0';
  throw UsageError("Zeile \"" + row +
                   "\" gibt es nicht (1 Moskauer Sommerzeit, 2 Moskauer Zeit, 3 MESZ, 4 MEZ, "
                   "5 UTC).");
}

// The captions of a row as one text.
std::string CaptionText(const engine::ClockRow& row) {
  const std::string& first = row.captions[0].text;
  const std::string& second = row.captions[1].text;
  if (second.empty()) return first;
  return first + (first.ends_with(' ') ? "" : " ") + second;
}

void RunUhr(const ClockOptions& options, const Io& io) {
  std::string date = options.date;
  std::string time = options.time;
  if (date.empty() && time.empty()) {
    if (!options.row.empty()) throw UsageError("--zeile gilt nur mit DATUM und ZEIT.");
    // The current moment, as legal time of the region: the same on a
    // machine set to UTC as on one set to Berlin.
    const engine::LocalDateTime now = engine::Now(options.region.Resolve());
    date = engine::FormatDateText({now.year, now.month, now.day});
    time = engine::TimeOfDayText({now.hour, now.minute, now.second});
  } else if (time.empty()) {
    throw UsageError("DATUM und ZEIT zusammen angeben, oder beide weglassen für jetzt.");
  }
  CheckedDayNumber(date, engine::CalendarKind::Gregorian);
  CheckedTime(time, "Uhrzeit");
  const int row = CheckedRow(options.row);
  const engine::ZoneClock clock = engine::ComputeZoneClock(date, options.region.Code(), time, row);
  if (clock.code != 1) throw std::runtime_error("Uhrzeit nicht berechenbar");
  if (options.json) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const engine::ClockRow& r : clock.rows) {
      rows.push_back({{"zeit", r.time},
                      {"beschriftung", CaptionText(r)},
                      {"hinweis", r.captions[0].hint},
                      {"gesetzlich", r.legal},
                      {"gebraucht", r.used}});
    }
    PrintJson(io, {{"datum", clock.date},
                   {"wochentag", clock.weekday},
                   {"datum_julianisch", clock.julianCalendarDate},
                   {"land", clock.region},
                   {"land_name", clock.regionName},
                   {"hauptstadt", clock.capital},
                   {"breite", clock.latitude},
                   {"laenge", clock.longitude},
                   {"zone", clock.usedTime},
                   {"zonenversatz", clock.zoneOffset},
                   {"gesetzliche_zeit", clock.legalTime},
                   {"utc", clock.utcTime},
                   {"utc_datum", clock.utcDate},
                   {"jd", clock.julianDate},
                   {"moz", clock.rows[5].time},
                   {"woz", clock.rows[6].time},
                   {"zeilen", rows}});
    return;
  }
  std::string_view text = clock.copyText;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    io.out << text.substr(0, end) << '\n';
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
}

struct WorkHoursOptions {
  std::string begin;
  std::string end;
  std::string hours;
  bool json = false;
};

void RunArbeitszeit(const WorkHoursOptions& options, const Io& io) {
  CheckedTime(options.begin, "Beginn");
  if (options.end.empty() == options.hours.empty()) {
    throw UsageError("Entweder ENDE oder --stunden DAUER angeben, nicht beides.");
  }
  std::string end = options.end;
  std::string hours = options.hours;
  if (!end.empty()) {
    CheckedTime(end, "Ende");
    hours = engine::HoursBetween(options.begin, end).text;
    end = engine::ClockText(*engine::ClockSeconds(end));
  } else {
    CheckedTime(hours, "Stundenzahl");
    end = engine::EndAfterHours(options.begin, hours).text;
    hours = engine::ClockText(*engine::ClockSeconds(hours));
  }
  const std::string begin = engine::ClockText(*engine::ClockSeconds(options.begin));
  if (options.json) {
    PrintJson(io, {{"beginn", begin}, {"ende", end}, {"stunden", hours}});
    return;
  }
  io.out << (options.end.empty() ? end : hours) << '\n';
}

}  // namespace

void SetupClockCommands(CLI::App& app, const Io& io) {
  auto clock = std::make_shared<ClockOptions>();
  CLI::App* uhr = app.add_subcommand(
      "uhr", "Uhrzeit in MSK, MEZ, MESZ, UTC, mittlerer und wahrer Ortszeit und als JD");
  uhr->add_option("DATUM", clock->date,
                  "Datum TT.MM.JJJJ (gregorianisch); ohne DATUM und ZEIT: jetzt im Land");
  uhr->add_option("ZEIT", clock->time, "gesetzliche Zeit hh:mm oder hh:mm:ss");
  uhr->add_option("--zeile", clock->row,
                  "ZEIT ist die Zeit der Zeile 1..5 (MSK-Sommerzeit, MSK, MESZ, MEZ, UTC)")
      ->type_name("1..5");
  AddRegionOption(*uhr, clock->region);
  AddJsonFlag(*uhr, clock->json);
  uhr->callback([clock, io] { RunUhr(*clock, io); });

  auto work = std::make_shared<WorkHoursOptions>();
  CLI::App* arbeitszeit = app.add_subcommand(
      "arbeitszeit", "Stunden zwischen zwei Uhrzeiten (auch über Mitternacht) oder das Ende");
  arbeitszeit->add_option("BEGINN", work->begin, "Uhrzeit Beginn hh:mm[:ss]")->required();
  arbeitszeit->add_option("ENDE", work->end, "Uhrzeit Ende hh:mm[:ss]");
  arbeitszeit
      ->add_option("--stunden", work->hours, "Anzahl der Stunden hh:mm[:ss]: gibt das Ende aus")
      ->type_name("DAUER");
  AddJsonFlag(*arbeitszeit, work->json);
  arbeitszeit->callback([work, io] { RunArbeitszeit(*work, io); });
}

}  // namespace cli

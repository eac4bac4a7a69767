// SPDX-License-Identifier: MIT
// formate DATUM [ZEIT]: every notation of a date and time at a zone offset,
// numeric, written out, zone date-times and the technical forms.
#include <memory>
#include <ostream>
#include <stdexcept>

#include "cli/common.h"
#include "engine/dateformat_technical.h"
#include "engine/dateformlist.h"
#include "engine/timetext.h"

namespace cli {
namespace {

struct FormatOptions {
  std::string date;
  std::string time = "00:00:00";
  std::string offset = "+01:00";
  bool json = false;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A time of day as typed; the engine would clamp 12:75 to 12:59, but a
// typed value out of range is a mistake to report.
void CheckTime(const std::string& time) {
  const std::string quoted = "\"" + time + "\"";
  const engine::TimeTextResult clock = engine::NormalizeTimeText(time);
  if (time.empty() || !IsDigit(time[0]) || !clock.ok) {
    throw UsageError(quoted + " ist keine Uhrzeit der Form hh:mm, hh:mm:ss oder hh:mm:ss.mmm.");
  }
  if (clock.text.compare(0, time.size(), time) != 0) {
    throw UsageError(quoted +
                     ": Stunden gehen von 00 bis 23 (oder 24:00), Minuten und Sekunden von 00 "
                     "bis 59.");
  }
}

void CheckOffset(const std::string& offset) {
  const std::string quoted = "\"" + offset + "\"";
  if (offset.size() != 6 || (offset[0] != '+' && offset[0] != '-') || !IsDigit(offset[1]) ||
      !IsDigit(offset[2]) || offset[3] != ':' || !IsDigit(offset[4]) || !IsDigit(offset[5])) {
    throw UsageError(quoted + " ist kein Zeitversatz der Form +hh:mm oder -hh:mm.");
  }
  if (offset.compare(1, 2, "23") > 0 || offset.compare(4, 2, "59") > 0) {
    throw UsageError(quoted + ": Der Zeitversatz muss zwischen -23:59 und +23:59 liegen.");
  }
}

void RunFormate(const FormatOptions& options, const Io& io) {
  CheckedDayNumber(options.date, engine::CalendarKind::Gregorian);
  CheckTime(options.time);
  CheckOffset(options.offset);
  const auto moment = engine::MakeZoneDateTime(options.date, options.time, options.offset);
  if (!moment) throw std::runtime_error("Datum und Uhrzeit nicht umrechenbar");
  const std::vector<engine::DateFormEntry> forms = engine::DateFormList(*moment);
  if (options.json) {
    nlohmann::json document = nlohmann::json::object();
    for (const engine::DateFormEntry& form : forms) document[std::string(form.key)] = form.text;
    document["unix"] = engine::UnixTime(engine::UtcInstantOf(*moment));
    PrintJson(io, document);
    return;
  }
  for (const engine::DateFormEntry& form : forms) io.out << form.key << ": " << form.text << '\n';
}

}  // namespace

void SetupFormatCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<FormatOptions>();
  CLI::App* command = app.add_subcommand(
      "formate", "Alle Datumsformate eines Zeitpunkts (numerisch, ausgeschrieben, technisch)");
  command->add_option("DATUM", options->date, "Datum TT.MM.JJJJ (gregorianisch)")->required();
  command->add_option("ZEIT", options->time,
                      "Uhrzeit hh:mm, hh:mm:ss oder hh:mm:ss.mmm, Vorgabe 00:00:00");
  command
      ->add_option("--offset", options->offset,
                   "Zeitversatz zu UTC, Vorgabe +01:00 (auch --offset=-03:00)")
      ->type_name("(+|-)hh:mm");
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunFormate(*options, io); });
}

}  // namespace cli

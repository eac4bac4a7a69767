// SPDX-License-Identifier: MIT
// verschiebe DATUM ±N tag|woche|monat|jahr: the move of the calendar
// pop-up's tools panel, with its fallback to the ends of the calendar's
// range.
#include <charconv>
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "dateentry/viewcheck.h"
#include "engine/daynumber.h"
#include "engine/navigation.h"

namespace cli {
namespace {

struct ShiftOptions {
  std::string date;
  std::string count;
  std::string unit;
  CalendarOption calendar;
  bool json = false;
};

constexpr long long kMaxCount = 999999;

// The signed count: digits with an optional sign, at most the panel's
// six digits.
long long CheckedCount(const std::string& text) {
  std::string_view digits = text;
  bool back = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    back = digits.front() == '-';
    digits.remove_prefix(1);
  }
  long long count = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      count > kMaxCount) {
    throw UsageError("Anzahl \"" + text + "\" ist keine ganze Zahl von -999999 bis 999999");
  }
  return back ? -count : count;
}

// The panel's unit text of a unit name, singular or plural, any case.
std::string CheckedUnit(const std::string& text) {
  std::string lower;
  for (char c : text) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  const struct {
    const char* name;
    const char* plural;
    const char* unit;
  } kUnits[] = {{"tag", "tage", "Tag"},
                {"woche", "wochen", "Woche"},
                {"monat", "monate", "Monat"},
                {"jahr", "jahre", "Jahr"}};
  for (const auto& u : kUnits) {
    if (lower == u.name || lower == u.plural) return u.unit;
  }
  throw UsageError("Einheit \"" + text + "\" ist keine von tag, woche, monat, jahr");
}

void RunVerschiebe(const ShiftOptions& options, const Io& io) {
  const engine::CalendarKind kind = options.calendar.Kind();
  const int from = CheckedDayNumber(options.date, kind);
  const long long count = CheckedCount(options.count);
  const std::string unit = CheckedUnit(options.unit);
  const bool gregorian = kind == engine::CalendarKind::Gregorian;
  const std::string command = engine::NavigationCommand(count >= 0, unit, gregorian);
  if (command.empty()) {
    throw UsageError("Im Julianischen Kalender wird nicht um Monate verschoben");
  }
  const engine::Move move = engine::Navigate(from, command, count < 0 ? -count : count, kind);
  const std::string date = engine::JDToDate(move.dayNumber, kind).date;
  const dateentry::EditMessage& message = dateentry::MessageOf(move.message);
  if (options.json) {
    nlohmann::ordered_json document = {{"von", options.date}, {"anzahl", count},
                                       {"einheit", unit},     {"kalender", options.calendar.code},
                                       {"datum", date},       {"tagnummer", move.dayNumber}};
    document["meldung"] = move.message == 0 ? nlohmann::ordered_json(nullptr)
                                            : nlohmann::ordered_json(std::string(message.text));
    PrintJson(io, document);
    return;
  }
  io.out << date << '\n';
  if (move.message != 0) io.err << "Hinweis: " << message.text << '\n';
}

}  // namespace

void SetupShiftCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<ShiftOptions>();
  CLI::App* command = app.add_subcommand(
      "verschiebe", "Datum um Tage, Wochen, Monate oder Jahre verschieben (wie im Kalender)");
  command->add_option("DATUM", options->date, "Datum TT.MM.JJJJ")->required();
  command->add_option("ANZAHL", options->count, "Anzahl mit Vorzeichen, z. B. +3 oder -2")
      ->required();
  command->add_option("EINHEIT", options->unit, "tag, woche, monat oder jahr")->required();
  AddCalendarOption(*command, options->calendar);
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunVerschiebe(*options, io); });
}

}  // namespace cli

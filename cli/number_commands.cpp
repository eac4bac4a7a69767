// SPDX-License-Identifier: MIT
// runden WERT DEZIMALEN and zinstage VON BIS: the rounding service and the
// interest day count of a day-count method.
#include <charconv>
#include <cmath>
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "engine/interestdays.h"
#include "engine/numbertext.h"
#include "engine/rounding.h"

namespace cli {
namespace {

struct RoundOptions {
  std::string value;
  std::string decimals;
  std::string mode = "german";
};

struct InterestDayOptions {
  std::string start;
  std::string end;
  std::string method;
  std::string startFlag = "exkl";
  std::string endFlag = "inkl";
  bool json = false;
};

// An amount with ',' or '.' as its separator and an optional sign.
long double ParseAmount(const std::string& text) {
  const UsageError error("\"" + text + "\" ist keine Zahl (erlaubt: Ziffern mit , oder .).");
  std::string pointed = text;
  std::size_t digits = 0;
  std::size_t separators = 0;
  for (std::size_t i = 0; i < pointed.size(); ++i) {
    char& c = pointed[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == ',' || c == '.') {
      ++separators;
      c = '.';
    } else if (!(i == 0 && (c == '-' || c == '+'))) {
      throw error;
    }
  }
  if (digits == 0 || separators > 1) throw error;
  const std::size_t first = pointed[0] == '+' ? 1 : 0;
  long double value = 0.0L;
  const auto [end, status] =
      engine::ReadLongDouble(pointed.data() + first, pointed.data() + pointed.size(), value);
  if (status != std::errc{} || end != pointed.data() + pointed.size()) throw error;
  if (std::fabs(value) > engine::kRoundLimit) {
    throw UsageError("Der Betrag " + text +
                     " liegt außerhalb des Bereichs -2147483646 bis 2147483646.");
  }
  return value;
}

int ParseWholeNumber(const std::string& text, const std::string& message) {
  int value = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || status != std::errc{} || end != text.data() + text.size()) {
    throw UsageError(message);
  }
  return value;
}

std::string_view ModeKey(const std::string& mode) {
  if (mode == "german" || mode == "math" || mode == "IEEE") return mode;
  if (mode == "cut") return "";
  throw UsageError("Rundungsmodus \"" + mode +
                   "\" ist unbekannt (german = kaufmännisch, math = mathematisch, IEEE, "
                   "cut = abschneiden).");
}

void RunRunden(const RoundOptions& options, const Io& io) {
  const long double value = ParseAmount(options.value);
  const std::string decimalsMessage =
      "Die Dezimalstellen \"" + options.decimals + "\" müssen eine ganze Zahl von 0 bis 8 sein.";
  const int decimals = ParseWholeNumber(options.decimals, decimalsMessage);
  if (decimals < 0 || decimals > 8) throw UsageError(decimalsMessage);
  const engine::RoundResult rounded = engine::RoundValue(decimals, ModeKey(options.mode), value);
  io.out << rounded.text << '\n';
}

void RunZinstage(const InterestDayOptions& options, const Io& io) {
  CheckedDayNumber(options.start, engine::CalendarKind::Gregorian);
  CheckedDayNumber(options.end, engine::CalendarKind::Gregorian);
  const std::string methodMessage =
      "Zinsmethode \"" + options.method + "\" gibt es nicht (0, 1 oder 3 bis 11).";
  const auto method =
      engine::InterestMethodOfNumber(ParseWholeNumber(options.method, methodMessage));
  if (!method) throw UsageError(methodMessage);
  const bool startCounted = CountedFlag(options.startFlag, "--start");
  const bool endCounted = CountedFlag(options.endFlag, "--ende");

  const engine::InterestDays days = engine::CountInterestDays(
      method->number, options.start, options.end, startCounted, endCounted);
  if (days.code != 1) throw std::runtime_error("Zinstage nicht berechenbar");
  const bool actual = method->number == 3 || method->number == 4;
  if (options.json) {
    PrintJson(io, {{"zinsjahre", days.years},
                   {"zinstage", days.days},
                   {"normaljahrestage", days.normalDays},
                   {"schaltjahrestage", days.leapDays},
                   {"tage_text", days.dayLabel},
                   {"schaltjahr_text", days.leapLabel}});
    return;
  }
  io.out << method->text << '\n';
  io.out << "Zinsjahre: " << days.years << '\n';
  if (actual) {
    io.out << days.dayLabel << ": " << days.normalDays << '\n';
    io.out << days.leapLabel << ": " << days.leapDays << '\n';
  } else {
    io.out << days.dayLabel << ": " << days.days << '\n';
  }
}

std::string MethodHelp() {
  std::string help = "Zinsmethode:";
  for (const engine::InterestMethod& method : engine::kInterestMethods) {
    help += "\n  " + std::to_string(method.number) + " " + std::string(method.text);
  }
  return help;
}

}  // namespace

void SetupNumberCommands(CLI::App& app, const Io& io) {
  auto runden = std::make_shared<RoundOptions>();
  CLI::App* rundenCommand =
      app.add_subcommand("runden", "Betrag auf Dezimalstellen runden (Text mit Dezimalkomma)");
  rundenCommand->add_option("WERT", runden->value, "Betrag, mit , oder . als Dezimalzeichen")
      ->required();
  rundenCommand->add_option("DEZIMALEN", runden->decimals, "Dezimalstellen 0 bis 8")->required();
  rundenCommand
      ->add_option("-m,--modus", runden->mode,
                   "german kaufmännisch (Vorgabe), math mathematisch, IEEE, cut abschneiden")
      ->type_name("german|math|IEEE|cut");
  rundenCommand->callback([runden, io] { RunRunden(*runden, io); });

  auto zinstage = std::make_shared<InterestDayOptions>();
  CLI::App* zinstageCommand =
      app.add_subcommand("zinstage", "Zinsjahre und Zinstage einer Zinsmethode");
  zinstageCommand->add_option("VON", zinstage->start, "Zinsbeginn TT.MM.JJJJ")->required();
  zinstageCommand->add_option("BIS", zinstage->end, "Zinsende TT.MM.JJJJ")->required();
  zinstageCommand->add_option("--methode", zinstage->method, MethodHelp())
      ->type_name("N")
      ->required();
  zinstageCommand
      ->add_option("--start", zinstage->startFlag, "Anfangstag mitzählen: exkl (Vorgabe) oder inkl")
      ->type_name("inkl|exkl");
  zinstageCommand
      ->add_option("--ende", zinstage->endFlag, "Endtag mitzählen: inkl (Vorgabe) oder exkl")
      ->type_name("inkl|exkl");
  AddJsonFlag(*zinstageCommand, zinstage->json);
  zinstageCommand->callback([zinstage, io] { RunZinstage(*zinstage, io); });
}

}  // namespace cli

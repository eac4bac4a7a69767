// SPDX-License-Identifier: MIT
// zins, prozent, euro and valuta: the interest statement of the interest
// window, its percentage calculator, the euro conversion of the former euro
// currencies and the value date of a pay date.
#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/common.h"
#include "engine/environment.h"
#include "engine/interest.h"
#include "engine/interestdays.h"
#include "engine/percent.h"
#include "engine/region.h"

namespace cli {
namespace {

struct InterestOptions {
  std::string capital;
  std::string rate;
  std::string start;
  std::string end;
  std::string method = "3";
  std::string startFlag = "exkl";
  std::string endFlag = "inkl";
  std::string mode = "kaufm";
  std::string intermediate = "5";
  std::string decimals = "2";
  std::string currency = std::string(engine::kDefaultCurrency);
  std::string payDate;
  RegionOption region;
  std::string valuta = "werktag-ohne-samstag";
  bool early = false;
  bool json = false;
};

struct PercentOptions {
  std::string base;
  std::string percent;
  std::string mode = "kaufm";
  std::string percentDecimals = "3";
  std::string intermediate = "5";
  std::string decimals = "2";
  bool text = false;
  bool json = false;
};

struct EuroOptions {
  std::string amount;
  std::string currency;
  std::string decimals = "2";
};

struct ValutaOptions {
  std::string date;
  RegionOption region;
  std::string kind = "werktag-ohne-samstag";
};

// An amount as the engine's fields hold it: digits and the locale's
// separator. Accepted: digits with "," or "." as the decimal separator, and
// "." between groups of three digits ("3.000.000,50", "3.000.000"); a single
// "." is a decimal point ("2.5"). An empty text is 0.
std::string AmountField(const std::string& text, const std::string& field) {
  const UsageError error(field + " \"" + text +
                         "\" ist kein Betrag (Ziffern mit , oder . als Dezimalzeichen, "
                         "z. B. 1000,50 oder 1.000.000).");
  if (text.starts_with('-')) throw UsageError(field + " \"" + text + "\" darf nicht negativ sein.");
  if (!std::all_of(text.begin(), text.end(),
                   [](char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; })) {
    throw error;
  }
  const auto commas = std::count(text.begin(), text.end(), ',');
  const auto points = std::count(text.begin(), text.end(), '.');
  if (commas > 1) throw error;
  std::string whole = text;
  std::string fraction;
  const std::size_t separator =
      commas == 1 ? text.find(',') : (points == 1 ? text.find('.') : std::string::npos);
  if (separator != std::string::npos) {
    whole = text.substr(0, separator);
    fraction = text.substr(separator + 1);
    if (fraction.find('.') != std::string::npos) throw error;
  }
  if (whole.find('.') != std::string::npos) {
    // Thousands groups: one to three digits, then groups of exactly three.
    std::size_t begin = 0;
    bool firstGroup = true;
    std::string digits;
    while (true) {
      const std::size_t point = whole.find('.', begin);
      const std::string group = whole.substr(begin, point - begin);
      if (group.empty() || group.size() > 3 || (!firstGroup && group.size() != 3)) throw error;
      digits += group;
      firstGroup = false;
      if (point == std::string::npos) break;
      begin = point + 1;
    }
    whole = digits;
  }
  if (!text.empty() && whole.empty() && fraction.empty()) throw error;
  return fraction.empty() && separator == std::string::npos
             ? whole
             : whole + engine::DecimalSeparator() + fraction;
}

int WholeNumber(const std::string& text, int low, int high, const std::string& field) {
  int value = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || status != std::errc{} || end != text.data() + text.size() || value < low ||
      value > high) {
    throw UsageError(field + " \"" + text + "\" muss eine ganze Zahl von " + std::to_string(low) +
                     " bis " + std::to_string(high) + " sein.");
  }
  return value;
}

int ModeIndex(const std::string& mode) {
  if (mode == "kaufm" || mode == "kaufm.") return 0;
  if (mode == "mathe" || mode == "mathe.") return 2;
  throw UsageError("--rundung \"" + mode +
                   "\" ist unbekannt (kaufm = kaufmännisch, mathe = mathematisch).");
}

bool DayCounted(const std::string& flag, const char* option) {
  if (flag == "inkl") return true;
  if (flag == "exkl") return false;
  throw UsageError(std::string(option) + " \"" + flag + "\" ist unbekannt (inkl oder exkl).");
}

engine::ValutaKind ValutaKindOf(const std::string& kind, const char* option) {
  if (kind == "werktag-ohne-samstag") return engine::ValutaKind::WorkdayWithoutSaturday;
  if (kind == "werktag") return engine::ValutaKind::Workday;
  if (kind == "jeder-tag") return engine::ValutaKind::EveryDay;
  throw UsageError(std::string(option) + " \"" + kind +
                   "\" ist unbekannt (werktag-ohne-samstag, werktag oder jeder-tag).");
}

std::string CurrencyCode(const std::string& text) {
  std::string code = text;
  for (char& c : code) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  for (std::string_view known : engine::kCurrencies) {
    if (known == code) return code;
  }
  std::string list;
  for (std::string_view known : engine::kCurrencies) {
    list += (list.empty() ? "" : ", ") + std::string(known);
  }
  throw UsageError("Währung \"" + text + "\" ist unbekannt (" + list + ").");
}

// The day number of a date option; the message names the field.
void CheckDateOption(const std::string& date, const std::string& field) {
  try {
    CheckedDayNumber(date, engine::CalendarKind::Gregorian);
  } catch (const UsageError& e) {
    throw UsageError(field + ": " + e.what());
  }
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

constexpr const char* kOverflowMessage =
    "Datenüberlauf: Die Summe ist für den angegebenen Zeitraum zu hoch bzw. der Zeitraum ist zu "
    "lang.";

nlohmann::ordered_json StatementJson(const engine::InterestStatement& s,
                                     const engine::InterestRequest& request) {
  const auto method = engine::InterestMethodOfNumber(request.method);
  nlohmann::ordered_json euro = nullptr;
  if (s.euro) {
    euro = {{"kurs", s.euro->rate},
            {"kapital", Trimmed(s.euro->capital)},
            {"zinsen", Trimmed(s.euro->total)},
            {"summe", Trimmed(s.euro->sum)}};
  }
  const engine::InterestHints& h = s.hints;
  return {{"kapital", Trimmed(s.capital)},
          {"zinssatz", s.rate},
          {"waehrung", request.currency},
          {"methode", request.method},
          {"methode_text", method ? std::string(method->text) : std::string()},
          {"von", s.start},
          {"bis", s.end},
          {"start", request.startCounted ? "inkl" : "exkl"},
          {"ende", request.endCounted ? "inkl" : "exkl"},
          {"faellig", s.payDate},
          {"valuta", s.valuta},
          {"valuta_art", engine::ValutaKindText(request.valutaKind)},
          {"land", request.payRegion},
          {"getauscht", s.swapped},
          {"faellig_ersetzt", s.payDateReplaced},
          {"ueberlauf", s.overflow},
          {"dezimalen", s.finalDecimals},
          {"zinsjahre", s.years},
          {"zinstage", s.days},
          {"schaltjahrestage", s.leapDays},
          {"tage_text", s.dayLabel},
          {"schaltjahr_text", s.leapLabel},
          {"zins_pro_jahr", Trimmed(s.perYear)},
          {"zinsen_jahre", Trimmed(s.forYears)},
          {"zins_pro_tag", Trimmed(s.perDay)},
          {"zinsen_tage", Trimmed(s.forDays)},
          {"zins_pro_schalttag", Trimmed(s.perLeapDay)},
          {"zinsen_schalttage", Trimmed(s.forLeapDays)},
          {"zinsen", Trimmed(s.total)},
          {"summe", Trimmed(s.sum)},
          {"markierung_von", s.startMarker},
          {"markierung_bis", s.endMarker},
          {"euro", euro},
          {"hinweise",
           {{"zinssatz", h.rate},
            {"kapital", h.capital},
            {"zinsjahre", h.years},
            {"zinstage", h.normalDays},
            {"schaltjahrestage", h.leapDays},
            {"zins_pro_jahr", h.perYear},
            {"zins_pro_tag", h.perDay},
            {"zins_pro_schalttag", h.perLeapDay},
            {"zinsen_jahre", h.forYears},
            {"zinsen_tage", h.forDays},
            {"zinsen_schalttage", h.forLeapDays},
            {"zinsen", h.total},
            {"summe", h.sum},
            {"kapital_eur", h.capitalEuro},
            {"zinsen_eur", h.totalEuro},
            {"summe_eur", h.sumEuro},
            {"anfangstag", h.startCounted},
            {"endtag", h.endCounted},
            {"markierung_von", h.startMarker},
            {"markierung_bis", h.endMarker}}},
          {"zeitdifferenz", s.periodText},
          {"zeitraum", s.periodLines},
          {"text", s.lines}};
}

void RunZins(const InterestOptions& o, const Io& io) {
  engine::InterestRequest request;
  request.capital = AmountField(o.capital, "KAPITAL");
  request.rate = AmountField(o.rate, "ZINSSATZ");
  CheckDateOption(o.start, "VON");
  CheckDateOption(o.end, "BIS");
  request.start = o.start;
  request.end = o.end;
  const std::string methodMessage =
      "--methode \"" + o.method + "\" gibt es nicht (0, 1 oder 3 bis 11).";
  int method = -1;
  const auto [end, status] =
      std::from_chars(o.method.data(), o.method.data() + o.method.size(), method);
  if (o.method.empty() || status != std::errc{} || end != o.method.data() + o.method.size() ||
      !engine::InterestMethodOfNumber(method)) {
    throw UsageError(methodMessage);
  }
  request.method = method;
  request.startCounted = DayCounted(o.startFlag, "--start");
  request.endCounted = DayCounted(o.endFlag, "--ende");
  request.modeIndex = ModeIndex(o.mode);
  request.intermediateDecimals = WholeNumber(o.intermediate, 0, 8, "--zwischen");
  request.finalDecimals = WholeNumber(o.decimals, 0, 5, "--dezimalen");
  if (request.finalDecimals > request.intermediateDecimals) {
    io.err << "Hinweis: Die Endergebnisse haben höchstens so viele Dezimalstellen wie die "
              "Zwischenergebnisse: "
           << request.intermediateDecimals << ".\n";
  }
  request.currency = CurrencyCode(o.currency);
  request.payRegion = o.region.Code();
  request.valutaKind = ValutaKindOf(o.valuta, "--valuta");
  request.earlyPayConfirmed = o.early;
  if (o.payDate.empty()) {
    // Without a pay date the sum is due at the end of the period, whichever
    // of the two dates that is.
    const int first = CheckedDayNumber(o.start, engine::CalendarKind::Gregorian);
    const int last = CheckedDayNumber(o.end, engine::CalendarKind::Gregorian);
    request.payDate = last < first ? o.start : o.end;
  } else {
    CheckDateOption(o.payDate, "--faellig");
    request.payDate = o.payDate;
  }

  const engine::InterestStatement s = engine::ComputeInterest(request);
  if (s.code != 1) throw UsageError(s.error);
  if (s.payDateReplaced) {
    io.err << "Hinweis: Das Fälligkeitsdatum " << request.payDate << " liegt vor dem Zinsende; "
           << "es wird auf das Zinsende " << s.end << " gesetzt (--vorzeitig lässt es stehen).\n";
  }
  if (o.json) {
    PrintJson(io, StatementJson(s, request));
  } else {
    for (const std::string& line : s.lines) io.out << line << '\n';
  }
  if (s.overflow) throw UsageError(kOverflowMessage);
}

nlohmann::ordered_json PercentJson(const engine::PercentResult& r) {
  return {{"prozent_grundwert", Trimmed(r.percent1)},
          {"grundwert", Trimmed(r.amount1)},
          {"prozentsatz", Trimmed(r.percent2)},
          {"anteil", Trimmed(r.amount2)},
          {"restprozent", Trimmed(r.percent3)},
          {"rest", Trimmed(r.amount3)},
          {"dezimalen", r.amountDecimals}};
}

void RunProzent(const PercentOptions& o, const Io& io) {
  engine::PercentRequest request;
  request.base = AmountField(o.base, "GRUNDWERT");
  request.percent = AmountField(o.percent, "PROZENT");
  request.modeIndex = ModeIndex(o.mode);
  request.percentDecimals = WholeNumber(o.percentDecimals, 0, 8, "--prozent-dezimalen");
  request.intermediateDecimals = WholeNumber(o.intermediate, 0, 8, "--zwischen");
  request.finalDecimals = WholeNumber(o.decimals, 0, 5, "--dezimalen");
  const engine::PercentResult intermediate =
      engine::ComputePercent(request, engine::PercentTrigger::Intermediate);
  const engine::PercentResult final =
      engine::ComputePercent(request, engine::PercentTrigger::Final);
  if (intermediate.code != 1 || final.code != 1) throw std::runtime_error("Prozentrechnung");
  if (final.overflow || intermediate.overflow) {
    throw UsageError("Datenüberlauf: Der Betrag ist zu groß (höchstens 2147483646).");
  }
  if (o.json) {
    PrintJson(io, {{"rundung", engine::PercentModeText(request.modeIndex)},
                   {"zwischenergebnis", PercentJson(intermediate)},
                   {"endergebnis", PercentJson(final)}});
  } else if (o.text) {
    for (const std::string& line : engine::TakePercent(request)) io.out << line << '\n';
  } else {
    io.out << Trimmed(final.percent1) << " % = " << Trimmed(final.amount1) << '\n'
           << Trimmed(final.percent2) << " % = " << Trimmed(final.amount2) << '\n'
           << Trimmed(final.percent3) << " % = " << Trimmed(final.amount3) << '\n';
  }
}

void RunEuro(const EuroOptions& o, const Io& io) {
  const std::string amount = AmountField(o.amount, "BETRAG");
  const std::string code = CurrencyCode(o.currency);
  const int decimals = WholeNumber(o.decimals, 0, 8, "--dezimalen");
  const std::optional<engine::RoundResult> euro =
      engine::ToEuro(code, decimals, engine::FieldAmount(amount));
  if (!euro) {
    throw UsageError("Für die Währung " + code +
                     " gibt es keinen festen Euro-Kurs (nur BEF, DEM, GRD, ESP, FRF, IEP, ITL, "
                     "LUF, NLG, ATS, PTE, FIM).");
  }
  if (euro->value < 0.0L) {
    throw UsageError("Datenüberlauf: Der Betrag in EUR wäre größer als 2147483646.");
  }
  io.out << euro->text << '\n';
}

void RunValuta(const ValutaOptions& o, const Io& io) {
  CheckDateOption(o.date, "DATUM");
  io.out << engine::ValutaDate(o.date, o.region.Code(), ValutaKindOf(o.kind, "--art")) << '\n';
}

std::string MethodHelp() {
  std::string help = "Zinsmethode (Vorgabe 3):";
  for (const engine::InterestMethod& method : engine::kInterestMethods) {
    help += "\n  " + std::to_string(method.number) + " " + std::string(method.text);
  }
  return help;
}

void AddRoundingOptions(CLI::App& command, std::string& mode, std::string& intermediate,
                        std::string& decimals) {
  command.add_option("--rundung", mode, "kaufm kaufmännisch (Vorgabe) oder mathe mathematisch")
      ->type_name("kaufm|mathe");
  command
      .add_option("--zwischen", intermediate,
                  "Dezimalstellen der Zwischenergebnisse, 0 bis 8 "
                  "(Vorgabe 5)")
      ->type_name("N");
  command
      .add_option("--dezimalen", decimals,
                  "Dezimalstellen der Endergebnisse, 0 bis 5, höchstens --zwischen (Vorgabe 2)")
      ->type_name("N");
}

}  // namespace

void SetupInterestCommands(CLI::App& app, const Io& io) {
  auto zins = std::make_shared<InterestOptions>();
  CLI::App* zinsCommand = app.add_subcommand(
      "zins", "Zinsberechnung (Wertpapiere): Zinsen, Summe, Valuta und Text der Berechnung");
  zinsCommand->add_option("KAPITAL", zins->capital, "Kapital, z. B. 1000 oder 1.000,50")
      ->required();
  zinsCommand->add_option("ZINSSATZ", zins->rate, "Zinssatz in % pro Jahr")->required();
  zinsCommand->add_option("VON", zins->start, "Zinsbeginn TT.MM.JJJJ")->required();
  zinsCommand->add_option("BIS", zins->end, "Zinsende TT.MM.JJJJ")->required();
  zinsCommand->add_option("--methode", zins->method, MethodHelp())->type_name("N");
  zinsCommand
      ->add_option("--start", zins->startFlag, "Anfangstag verzinsen: exkl (Vorgabe) oder inkl")
      ->type_name("inkl|exkl");
  zinsCommand->add_option("--ende", zins->endFlag, "Endtag verzinsen: inkl (Vorgabe) oder exkl")
      ->type_name("inkl|exkl");
  AddRoundingOptions(*zinsCommand, zins->mode, zins->intermediate, zins->decimals);
  zinsCommand->add_option("--waehrung", zins->currency, "Währung, Vorgabe SEK")->type_name("CODE");
  zinsCommand->add_option("--faellig", zins->payDate, "Fälligkeitsdatum, Vorgabe das Zinsende")
      ->type_name("DATUM");
  AddRegionOption(*zinsCommand, zins->region);
  zinsCommand
      ->add_option("--valuta", zins->valuta,
                   "Art des Valutatages: werktag-ohne-samstag (Vorgabe), werktag, jeder-tag")
      ->type_name("ART");
  zinsCommand->add_flag("--vorzeitig", zins->early,
                        "Fälligkeit vor dem Zinsende zulassen (sonst das Zinsende)");
  AddJsonFlag(*zinsCommand, zins->json);
  zinsCommand->callback([zins, io] { RunZins(*zins, io); });

  auto prozent = std::make_shared<PercentOptions>();
  CLI::App* prozentCommand =
      app.add_subcommand("prozent", "Prozentrechnung: Anteil und Rest eines Grundwerts");
  prozentCommand->add_option("GRUNDWERT", prozent->base, "Grundwert (100 %)")->required();
  prozentCommand->add_option("PROZENT", prozent->percent, "Prozentsatz")->required();
  AddRoundingOptions(*prozentCommand, prozent->mode, prozent->intermediate, prozent->decimals);
  prozentCommand
      ->add_option("--prozent-dezimalen", prozent->percentDecimals,
                   "Dezimalstellen des Prozentsatzes, 0 bis 8 (Vorgabe 3)")
      ->type_name("N");
  prozentCommand->add_flag("--text", prozent->text, "Zwischen- und Endergebnis als Text");
  AddJsonFlag(*prozentCommand, prozent->json);
  prozentCommand->callback([prozent, io] { RunProzent(*prozent, io); });

  auto euro = std::make_shared<EuroOptions>();
  CLI::App* euroCommand = app.add_subcommand(
      "euro", "Betrag einer früheren Euro-Währung zum festen Kurs in EUR umrechnen");
  euroCommand->add_option("BETRAG", euro->amount, "Betrag")->required();
  euroCommand->add_option("WAEHRUNG", euro->currency, "Währung, z. B. DEM")->required();
  euroCommand->add_option("--dezimalen", euro->decimals, "Dezimalstellen, 0 bis 8 (Vorgabe 2)")
      ->type_name("N");
  euroCommand->callback([euro, io] { RunEuro(*euro, io); });

  auto valuta = std::make_shared<ValutaOptions>();
  CLI::App* valutaCommand =
      app.add_subcommand("valuta", "Valutatag eines Fälligkeitsdatums (Werktage des Landes)");
  valutaCommand->add_option("DATUM", valuta->date, "Fälligkeitsdatum TT.MM.JJJJ")->required();
  AddRegionOption(*valutaCommand, valuta->region);
  valutaCommand
      ->add_option("--art", valuta->kind, "werktag-ohne-samstag (Vorgabe), werktag oder jeder-tag")
      ->type_name("ART");
  valutaCommand->callback([valuta, io] { RunValuta(*valuta, io); });
}

}  // namespace cli

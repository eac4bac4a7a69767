// SPDX-License-Identifier: MIT
#include "interest/zins_model.h"

#include <algorithm>

#include "engine/civildate.h"
#include "engine/daydescription.h"
#include "engine/dayfacts.h"
#include "engine/daynumber.h"
#include "engine/interestdays.h"
#include "engine/region.h"

namespace interest {
namespace {

constexpr std::string_view kRoundingHint =
    "Rundungsmethoden:\n\rkaufmännisch: 5 wird immer aufgerundet.\n\rmathematisch: 5 wird "
    "aufgerundet, besteht jedoch\n\r                           der wegzulassende Teil nur "
    "aus\n\r                           der einen Ziffer 5, wird auf die\n\r                       "
    "    nächste gerade Zahl gerundet.";

std::optional<int> DayNumberOfDate(std::string_view date) {
  const engine::DateCheck check = engine::CheckDate(date, engine::CalendarKind::Gregorian);
  if (!check.ok()) return std::nullopt;
  return check.dayNumber;
}

}  // namespace

std::vector<ListItem<int>> RoundItems() {
  return {{"kaufm.", 0}, {"mathe.", 2}};
}

std::vector<ListItem<int>> DecimalItems(int last) {
  std::vector<ListItem<int>> items;
  for (int i = 0; i <= last; ++i) items.push_back({std::to_string(i), i});
  return items;
}

std::vector<ListItem<std::string>> CurrencyItems() {
  std::vector<ListItem<std::string>> items;
  for (std::string_view code : engine::kCurrencies) {
    items.push_back({std::string(code), std::string(code)});
  }
  return items;
}

std::vector<ListItem<int>> MethodItems() {
  std::vector<ListItem<int>> items;
  for (const engine::InterestMethod& method : engine::kInterestMethods) {
    items.push_back({std::string(method.text), method.number});
  }
  return items;
}

std::vector<ListItem<std::string>> PayLandItems() {
  std::vector<ListItem<std::string>> items;
  const auto table = engine::RegionTable();
  for (std::size_t row = 1; row < table.size() && !table[row].name.empty(); ++row) {
    items.push_back({std::string(table[row].name), std::string(table[row].code)});
  }
  return items;
}

std::vector<ListItem<engine::ValutaKind>> ValutaItems() {
  std::vector<ListItem<engine::ValutaKind>> items;
  for (engine::ValutaKind kind : {engine::ValutaKind::WorkdayWithoutSaturday,
                                  engine::ValutaKind::Workday, engine::ValutaKind::EveryDay}) {
    items.push_back({std::string(engine::ValutaKindText(kind)), kind});
  }
  return items;
}

std::vector<ListItem<bool>> FlagItems() {
  return {{std::string(engine::kIncluded), true}, {std::string(engine::kExcluded), false}};
}

FinalChoice FinalDecimalsChoice(int intermediate, int selected) {
  const int last = std::clamp(intermediate, 0, kMaxFinal);
  return {last, std::clamp(selected, 0, last)};
}

const std::vector<NamedText>& Captions() {
  static const std::vector<NamedText> kCaptions = {
      {"Button1", "berechnen"},
      {"Btn_Text", "Text"},
      {"Btn_Clip", "Text in die Zwischenablage kopieren"},
      {"Btn_Percent", "% Rechnung"},
      {"Btn_info", "Hilfe"},
      {"BitBtn1", "Zinsen"},
      {"BitBtn2", "Zwischenergebnis"},
      {"BitBtn3", "Endergebnis"},
      {"BitBtn4", "Text"},
  };
  return kCaptions;
}

const std::vector<NamedText>& FirstHints() {
  static const std::vector<NamedText> kHints = {
      {"CB_Round", kRoundingHint},
      {"CB_RoundP", kRoundingHint},
      {"Edt_rent", "Zinssatz pro Jahr"},
      {"CB_Value", "Währung"},
      {"CB_Rent", "Zinsberechnungsmethode"},
      {"Edt_YearT", "Zinsjahre"},
      {"Edt_NormalYearT", "Zinstage"},
      {"Edt_LeapYearT", "Zinstage"},
      {"CB_RoundDeciPerP", "Anzahl der Dezimalstellen des Prozentsatzes"},
      {"CB_RoundDeciInt", "Anzahl der Dezimalstellen der Zwischenergebnisse"},
      {"CB_RoundDeciIntP", "Anzahl der Dezimalstellen der Zwischenergebnisse"},
      {"CB_RoundDeciExt", "Anzahl der Dezimalstellen der Endergebnisse"},
      {"CB_RoundDeciExtP", "Anzahl der Dezimalstellen der Endergebnisse"},
      {"Edt_Year", "Zins pro Jahr\n\r(auf 5 Dezimalstellen gerundet)"},
      {"Edt_NormalYear", "Zins pro Tag"},
      {"Edt_LeapYear", "Zins pro Tag"},
      {"Edt_YearSum", "Zins pro Jahr\n\r(auf 5 Dezimalstellen gerundet) x Zinsjahre"},
      {"Edt_NormalYearSum", "Zins pro Tag x Zinstage"},
      {"Edt_LeapYearSum", "Zins pro Tag x Zinstage"},
      {"Edt_RentSum",
       "Summe der Zinsbeträge\n\r= Zinsjahre x Zins pro Jahr + Zinstage x Zins pro Tag"},
      {"Edt_Capital", "zu verzinsendes Kapital"},
      {"Edt_Sum", "Summe = Kapital + Zinsbetrag"},
      {"Edt_Capital_EUR", "zu verzinsendes Kapital umgerechnet in EUR"},
      {"Edt_RentSum_EUR", "Summe der Zinsbeträge umgerechnet in EUR"},
      {"Edt_Sum_EUR", "Summe in EUR = Kapital in EUR + Zinsbetrag in EUR"},
      {"Edt_CalDiffText",
       "Zeitdifferenz zwischen dem Anfangs- und dem Enddatum in\n\rZeitjahren und Tagen sowie "
       "Kalenderjahren und Tagen\n\rsowie Römischen Kalenderjahren und Tagen\n\r\n\rClick = als "
       "Text anzeigen"},
      {"CB_PayLand", "Auswahl des Landes, in welchem der Betrag fällig ist."},
      {"CB_ValutaModus", "Auswahl der Art des Valutatages."},
      {"Btn_Text", "Ausgabe der Berechnung als Text"},
      {"Btn_info", "Programmbeschreibung"},
      {"Edt_Cap1", "Betrag (100 %)"},
  };
  return kHints;
}

const std::vector<NamedText>& AccessibleNames() {
  static const std::vector<NamedText> kNames = {
      {"Edt_Capital", "Kapital"},
      {"CB_Value", "Währung"},
      {"Edt_rent", "Zinssatz pro Jahr in Prozent"},
      {"Edt_Capital_EUR", "Kapital in EUR"},
      {"Edt_Beginn", "seit (Anfangsdatum)"},
      {"CB_Begin", "Anfangstag verzinsen"},
      {"Edt_Ende", "bis (Enddatum)"},
      {"CB_End", "Endtag verzinsen"},
      {"CB_Rent", "Zinsberechnungsmethode"},
      {"Edt_PayDate", "fällig am"},
      {"CB_PayLand", "fällig in (Land)"},
      {"CB_ValutaModus", "Art des Valutatages"},
      {"Edt_Valuta", "Valuta"},
      {"CB_Round", "Rundung"},
      {"CB_RoundDeciInt", "Dezimalstellen der Zwischenergebnisse"},
      {"CB_RoundDeciExt", "Dezimalstellen der Endergebnisse"},
      {"Edt_YearT", "Zinsjahre"},
      {"Edt_Year", "Zins pro Jahr"},
      {"Edt_YearSum", "Zins für die Zinsjahre"},
      {"Edt_NormalYearT", "Zinstage"},
      {"Edt_NormalYear", "Zins pro Tag"},
      {"Edt_NormalYearSum", "Zins für die Zinstage"},
      {"Edt_LeapYearT", "Zinstage im Schaltjahr"},
      {"Edt_LeapYear", "Zins pro Tag im Schaltjahr"},
      {"Edt_LeapYearSum", "Zins für die Zinstage im Schaltjahr"},
      {"Edt_RentSum", "Zinsen"},
      {"Edt_RentSum_EUR", "Zinsen in EUR"},
      {"Edt_Sum", "Summe"},
      {"Edt_Sum_EUR", "Summe in EUR"},
      {"Edt_CalDiffText", "Zeitdifferenz"},
      {"Memo1", "Berechnung als Text"},
      {"Memo2", "Zeitdifferenz als Text"},
      {"CB_RoundP", "Rundung"},
      {"CB_RoundDeciPerP", "Dezimalstellen des Prozentsatzes"},
      {"CB_RoundDeciIntP", "Dezimalstellen der Zwischenergebnisse"},
      {"CB_RoundDeciExtP", "Dezimalstellen der Endergebnisse"},
      {"Edt_Perc1", "Betrag in Prozent"},
      {"Edt_Cap1", "Betrag (100 %)"},
      {"Edt_Perc2", "Anteil in Prozent"},
      {"Edt_Cap2", "Anteil"},
      {"Edt_Perc3", "Rest in Prozent"},
      {"Edt_Cap3", "Rest"},
  };
  return kNames;
}

const std::vector<NamedText>& LabelledFields() {
  static const std::vector<NamedText> kLabelled = {
      {"Label1", "Edt_Capital"},     {"Label2", "Edt_rent"},         {"Label3", "Edt_Beginn"},
      {"Label4", "Edt_Ende"},        {"Label6", "Edt_PayDate"},      {"Label7", "CB_PayLand"},
      {"Label11", "CB_ValutaModus"}, {"Label8", "Edt_Valuta"},       {"Label9", "CB_Round"},
      {"Label13", "Edt_YearT"},      {"Label14", "Edt_NormalYearT"}, {"Label15", "Edt_LeapYearT"},
      {"Label10", "Edt_RentSum"},    {"Label5", "Edt_Sum"},          {"Label30", "CB_RoundP"},
  };
  return kLabelled;
}

const std::vector<std::string_view>& InterestTabOrder() {
  static const std::vector<std::string_view> kOrder = {
      "Edt_Capital",       "CB_Value",        "Edt_rent",        "Edt_Capital_EUR",
      "Edt_Beginn",        "CB_Begin",        "Edt_Ende",        "CB_End",
      "CB_Rent",           "Edt_PayDate",     "CB_PayLand",      "CB_ValutaModus",
      "Edt_Valuta",        "CB_Round",        "CB_RoundDeciInt", "CB_RoundDeciExt",
      "Button1",           "Memo1",           "Memo2",           "Edt_YearT",
      "Edt_Year",          "Edt_YearSum",     "Edt_NormalYearT", "Edt_NormalYear",
      "Edt_NormalYearSum", "Edt_LeapYearT",   "Edt_LeapYear",    "Edt_LeapYearSum",
      "Edt_RentSum",       "Edt_RentSum_EUR", "Edt_Sum",         "Edt_Sum_EUR",
      "Edt_CalDiffText",   "Btn_Text",        "Btn_Clip",        "Btn_Percent",
      "Btn_info",
  };
  return kOrder;
}

const std::vector<std::string_view>& PercentTabOrder() {
  static const std::vector<std::string_view> kOrder = {
      "CB_RoundP", "CB_RoundDeciPerP", "CB_RoundDeciIntP", "CB_RoundDeciExtP", "Edt_Perc1",
      "Edt_Cap1",  "Edt_Perc2",        "Edt_Cap2",         "Edt_Perc3",        "Edt_Cap3",
      "BitBtn2",   "BitBtn3",          "BitBtn4",          "BitBtn1",
  };
  return kOrder;
}

std::string FlagHint(bool start, bool counted) {
  if (start) return counted ? "Anfangstag wird verzinst" : "Anfangstag wird NICHT verzinst";
  return counted ? "Endtag wird verzinst" : "Endtag wird NICHT verzinst";
}

std::string DateHint(std::string_view date, std::string_view regionCode) {
  if (!DayNumberOfDate(date)) return {};
  const engine::DayFacts facts =
      engine::DayFactsOfDate(date, regionCode, engine::CalendarKind::Gregorian);
  return engine::DescribeDay(facts, regionCode, engine::CalendarKind::Gregorian, engine::TodayJD())
      .text;
}

engine::InterestRequest RequestOf(const InterestFields& fields, bool earlyPayConfirmed) {
  engine::InterestRequest r;
  r.capital = fields.capital;
  r.rate = fields.rate;
  r.currency = fields.currency;
  r.start = fields.start;
  r.end = fields.end;
  r.startCounted = fields.startCounted;
  r.endCounted = fields.endCounted;
  r.method = fields.method;
  r.modeIndex = fields.modeIndex;
  r.intermediateDecimals = fields.intermediate;
  r.finalDecimals = fields.finalDecimals;
  r.payDate = fields.payDate;
  r.payRegion = fields.payRegion.empty() ? std::string(kDefaultPayRegion) : fields.payRegion;
  r.valutaKind = fields.valuta;
  r.earlyPayConfirmed = earlyPayConfirmed;
  return r;
}

engine::PercentRequest PercentRequestOf(const PercentFields& fields) {
  engine::PercentRequest r;
  r.base = fields.base;
  r.percent = fields.percent;
  r.modeIndex = fields.modeIndex;
  r.percentDecimals = fields.percentDecimals;
  r.intermediateDecimals = fields.intermediate;
  r.finalDecimals = fields.finalDecimals;
  return r;
}

std::string EarlyPayMemory::Key(std::string_view start, std::string_view end,
                                std::string_view payDate) {
  const std::optional<int> first = DayNumberOfDate(start);
  const std::optional<int> last = DayNumberOfDate(end);
  const std::optional<int> pay = DayNumberOfDate(payDate);
  if (!first || !last || !pay) return {};
  return std::to_string(std::max(*first, *last)) + "/" + std::to_string(*pay);
}

bool EarlyPayMemory::Due(std::string_view start, std::string_view end,
                         std::string_view payDate) const {
  return engine::PayDateBeforeEnd(start, end, payDate) && !Confirmed(start, end, payDate);
}

bool EarlyPayMemory::Confirmed(std::string_view start, std::string_view end,
                               std::string_view payDate) const {
  const std::string key = Key(start, end, payDate);
  return !key.empty() && key == confirmed_;
}

void EarlyPayMemory::Confirm(std::string_view start, std::string_view end,
                             std::string_view payDate) {
  confirmed_ = Key(start, end, payDate);
}

}  // namespace interest

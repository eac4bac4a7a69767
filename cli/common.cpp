// SPDX-License-Identifier: MIT
#include "cli/common.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "engine/region.h"
#include "engine/workhours.h"

namespace cli {

using engine::CalendarKind;

CalendarKind CalendarOption::Kind() const {
  if (auto kind = engine::CalendarKindOfCode(code)) return *kind;
  throw UsageError("Kalender \"" + code + "\" ist unbekannt (G = gregorianisch, J = julianisch).");
}

void AddCalendarOption(CLI::App& command, CalendarOption& option) {
  command
      .add_option("-k,--kalender", option.code, "Kalender: G gregorianisch (Vorgabe), J julianisch")
      ->type_name("G|J");
}

engine::Region RegionOption::Resolve() const {
  if (std::optional<engine::Region> region = engine::ResolveRegion(value)) return *region;
  throw UsageError("Land \"" + value +
                   "\" ist unbekannt (ein Code wie D-BY, A-W, HR, DK oder ein Name wie Bayern).");
}

std::string RegionOption::Code() const {
  return Resolve().code;
}

void AddRegionOption(CLI::App& command, RegionOption& option) {
  command.add_option("-l,--land", option.value, "Land: Code oder Name, Vorgabe D-NI")
      ->type_name("LAND");
}

void AddJsonFlag(CLI::App& command, bool& json) {
  command.add_flag("--json", json, "Ausgabe als JSON-Dokument");
}

void PrintJson(const Io& io, const nlohmann::ordered_json& document) {
  io.out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

namespace {

int YearOf(std::string_view text, const std::string& whole) {
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    throw UsageError("\"" + whole + "\" ist kein Jahr und keine Jahresspanne VON-BIS.");
  }
  if (year < 1 || year > 3000) {
    throw UsageError("Das Jahr " + std::string(text) + " liegt nicht zwischen 1 und 3000.");
  }
  return year;
}

}  // namespace

YearRange ParseYears(const std::string& text) {
  const std::size_t dash = text.find('-', 1);
  if (dash == std::string::npos) {
    const int year = YearOf(text, text);
    return {year, year};
  }
  const YearRange range{YearOf(std::string_view(text).substr(0, dash), text),
                        YearOf(std::string_view(text).substr(dash + 1), text)};
  if (range.first > range.last) {
    throw UsageError("In \"" + text + "\" liegt das erste Jahr nach dem letzten.");
  }
  return range;
}

bool CountedFlag(const std::string& flag, const char* option) {
  if (flag == "inkl") return true;
  if (flag == "exkl") return false;
  throw UsageError(std::string(option) + " \"" + flag + "\" ist unbekannt (inkl oder exkl).");
}

int CheckedTime(const std::string& time, std::string_view what) {
  if (const std::optional<int> seconds = engine::ClockSeconds(time)) return *seconds;
  throw UsageError(std::string(what) + " \"" + time +
                   "\" ist keine Uhrzeit der Form hh:mm oder hh:mm:ss (00:00 bis 24:00).");
}

int CheckedDayNumber(const std::string& date, CalendarKind kind) {
  using engine::DateField;
  using engine::DateStatus;
  const engine::DateCheck check = engine::CheckDate(date, kind);
  if (check.ok()) return check.dayNumber;
  const std::string quoted = "\"" + date + "\"";
  if (date.size() != 10) throw UsageError(quoted + " ist kein Datum der Form TT.MM.JJJJ.");
  switch (check.status) {
    case DateStatus::OutOfRange:
      throw UsageError(quoted + " liegt außerhalb des unterstützten Bereichs " +
                       (kind == CalendarKind::Julian ? "03.01.0001 bis 10.12.3000 (julianisch)."
                                                     : "01.01.0001 bis 31.12.3000."));
    case DateStatus::YearZero:
      throw UsageError(quoted + ": Ein Jahr 0 gibt es nicht.");
    case DateStatus::BadField:
      if (check.field == DateField::Day) {
        throw UsageError(quoted + ": Der Tag muss zwischen 01 und 31 liegen.");
      }
      if (check.field == DateField::Month) {
        throw UsageError(quoted + ": Der Monat muss zwischen 01 und 12 liegen.");
      }
      throw UsageError(quoted + ": Das Jahr muss aus vier Ziffern bestehen.");
    case DateStatus::NoSuchDay:
      throw UsageError(
          quoted + ": Der " + engine::MonthName(check.date.month) + " " + date.substr(6) +
          " hat nur " +
          std::to_string(engine::DaysInMonthOf(check.date.month, check.date.year, kind)) +
          " Tage.");
    case DateStatus::Valid:
    case DateStatus::BadSeparators:
    case DateStatus::BadForm:
      break;
  }
  throw UsageError(quoted + " ist kein Datum der Form TT.MM.JJJJ.");
}

}  // namespace cli

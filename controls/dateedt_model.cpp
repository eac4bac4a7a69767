// SPDX-License-Identifier: MIT
#include "controls/dateedt_model.h"

#include <algorithm>
#include <array>

#include "engine/daynumber.h"
#include "engine/region.h"
#include "engine/week.h"

namespace controls {

namespace {

using engine::CalendarKind;

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string AcceptedLand(std::string_view code) {
  if (!code.empty() && !engine::RegionNameOfCode(code).empty()) return std::string(code);
  return "D-NI";
}

DayFont DayFontOf(int weekday, bool legalHoliday) {
  if (legalHoliday) return DayFont::LegalHoliday;
  if (weekday == 7) return DayFont::Sunday;
  if (weekday == 6) return DayFont::Saturday;
  return DayFont::WindowText;
}

DayBackground DayBackgroundOf(int dayNumber, CalendarKind kind) {
  if (kind == CalendarKind::Julian) return DayBackground::Julian;
  if (dayNumber < engine::kGregorianSwitchDay) return DayBackground::PreGregorian;
  return DayBackground::Window;
}

std::string ViewSwitchHint(std::string_view modus, bool listUnfolded) {
  std::string hint = "Umschaltung auf ";
  if (modus == "A") return hint + "Wochen des Jahres";
  if (modus == "W") return hint + "Julianisches Datum";
  if (modus == "J") return hint + "Datum";
  return hint + (listUnfolded ? "Tage des Jahres" : "Bundesländer und Feiertage");
}

std::string CalendarSwitchHint(CalendarKind kind) {
  return kind == CalendarKind::Julian ? "Umschaltung auf Gregorianischen Kalender"
                                      : "Umschaltung auf Julianischen Kalender";
}

std::string TwelveHourText(int hour, int minute, int second, bool withSeconds) {
  const int twelve = hour % 12 == 0 ? 12 : hour % 12;
  std::string text = std::to_string(twelve) + ":" + ZeroPadded(DateMode::T, 1, minute);
  if (withSeconds) text += ":" + ZeroPadded(DateMode::T, 2, second);
  return text + (hour % 24 < 12 ? " AM" : " PM");
}

std::string RegionLine(std::string_view name) {
  return std::string(name) + std::string(25, ' ') + "$";
}

std::string RegionNameOfLine(std::string_view line) {
  return Trimmed(line.substr(0, line.find('$')));
}

std::vector<std::string> GermanStateLines(int year) {
  std::vector<std::string> lines{RegionLine(engine::RegionNameOfIndex(-1)),
                                 RegionLine(engine::RegionNameOfIndex(0))};
  const bool divided = year >= 1945 && year <= 1990;
  for (int row = 1; row <= 16; ++row) {
    if (row == 3 && divided) {
      lines.push_back(RegionLine(engine::RegionNameOfIndex(17)));
      lines.push_back(RegionLine(engine::RegionNameOfIndex(18)));
    } else {
      lines.push_back(RegionLine(engine::RegionNameOfIndex(row)));
    }
  }
  return lines;
}

std::vector<std::string> RegionChoiceLines(bool back, std::string_view land, int year) {
  if (!back) {
    std::vector<std::string> lines = engine::RegionList(engine::kAllRegionsEntry);
    lines.insert(lines.begin() + (lines.empty() ? 0 : 1), std::string(engine::kAllRegionsEntry));
    return lines;
  }
  if (engine::IsGermanRegion(land)) return GermanStateLines(year);
  const std::string_view country = land.substr(0, land.find('-'));
  return engine::RegionList(engine::RegionNameOfCode(country));
}

std::vector<std::string> AllCountryLines() {
  std::vector<std::string> lines;
  for (const engine::RegionRow& row : engine::RegionTable()) {
    if (!row.code.empty() && row.code.find('-') == std::string_view::npos) {
      lines.push_back(RegionLine(row.name));
    }
  }
  return lines;
}

ListClick ClickOnLine(RegionListState state, int row, std::string_view line, int holidayRows) {
  ListClick click;
  if (row < 0) return click;
  if (row == 0) {
    if (line.find(engine::kBackEntry) != std::string_view::npos) {
      click.kind = ListClick::ShowRegionChoice;
      click.back = true;
      return click;
    }
    if (line.find(engine::kMoreRegionsEntry) != std::string_view::npos) {
      click.kind = ListClick::ShowRegionChoice;
      return click;
    }
    if (line.find('$') == std::string_view::npos && state == RegionListState::Holidays) {
      click.kind = ListClick::ShowGermanStates;
      return click;
    }
  }
  const std::string name = RegionNameOfLine(line);
  if (state == RegionListState::Holidays) {
    // Row 1 is the region's own name; the holiday rows follow in order.
    if (row >= 2 && row - 2 < holidayRows) {
      click.kind = ListClick::ChooseHoliday;
      click.holidayRow = row - 2;
    }
    return click;
  }
  if (name == engine::kAllRegionsEntry) {
    click.kind = ListClick::ShowAllCountries;
    return click;
  }
  std::string code = engine::RegionCodeOfName(name);
  if (!code.empty()) {
    click.kind = ListClick::ChooseRegion;
    click.region = std::move(code);
  }
  return click;
}

std::string HolidayArticleTitle(std::string_view line, std::string_view date) {
  if (date.starts_with("01.05.")) return "Erster Mai";
  std::string name = RegionNameOfLine(line);
  if (name.starts_with("Eishlg.")) return "Eisheilige";
  if (name.starts_with("Reformationstag")) name.resize(15);
  return name;
}

}  // namespace controls

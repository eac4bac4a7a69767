// SPDX-License-Identifier: MIT
#include "controls/regionlist_model.h"

#include <utility>

#include "engine/daydescription.h"
#include "engine/region.h"

namespace controls {

namespace {

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// A row naming an entry of the region lists. The entries that lead to other
// lists stand first in theirs and count only there; "Alle Länder" counts
// wherever it stands; any other name chooses its region, if the table has it.
RegionListRow NamedRow(std::string_view name, bool padded, bool first) {
  RegionListRow row;
  row.line = padded ? RegionLine(name) : std::string(name);
  if (first && name == engine::kBackEntry) {
    row.action = RegionRowAction::WayBack;
  } else if (first && name == engine::kMoreRegionsEntry) {
    row.action = RegionRowAction::RegionChoice;
  } else if (name == engine::kAllRegionsEntry) {
    row.action = RegionRowAction::AllCountries;
  } else {
    row.code = engine::RegionCodeOfName(name);
    if (!row.code.empty()) row.action = RegionRowAction::Region;
  }
  return row;
}

std::vector<RegionListRow> NamedRows(const std::vector<std::string>& names, bool padded) {
  std::vector<RegionListRow> rows;
  rows.reserve(names.size());
  for (const std::string& name : names) rows.push_back(NamedRow(name, padded, rows.empty()));
  return rows;
}

// "weitere Länder", "Deutschland" and the sixteen states; in a year of
// division (1945..1990) "Berlin (Ost)" and "Berlin (West)" for "Berlin".
std::vector<std::string> GermanStateNames(int year) {
  std::vector<std::string> names{engine::RegionNameOfIndex(-1), engine::RegionNameOfIndex(0)};
  const bool divided = year >= 1945 && year <= 1990;
  for (int index = 1; index <= 16; ++index) {
    if (index == 3 && divided) {
      names.push_back(engine::RegionNameOfIndex(17));
      names.push_back(engine::RegionNameOfIndex(18));
    } else {
      names.push_back(engine::RegionNameOfIndex(index));
    }
  }
  return names;
}

}  // namespace

std::string RegionLine(std::string_view name) {
  return std::string(name) + std::string(25, ' ') + "$";
}

std::string HolidayArticleTitle(std::string_view names, std::string_view date) {
  if (date.starts_with("01.05.")) return "Erster Mai";
  std::string name = Trimmed(names.substr(0, names.find('$')));
  if (name.starts_with("Eishlg.")) return "Eisheilige";
  if (name.starts_with("Reformationstag")) name.resize(15);
  return name;
}

std::string HolidayListHint(std::string_view holidayText) {
  if (holidayText.ends_with(engine::kDescriptionBreak)) {
    holidayText.remove_suffix(engine::kDescriptionBreak.size());
  }
  return std::string(holidayText);
}

void RegionListModel::SetPlace(std::string_view land, int year) {
  land_ = std::string(land);
  year_ = year;
}

void RegionListModel::ShowHolidays(const engine::HolidayList& holidays) {
  std::vector<RegionListRow> rows(2);
  rows[0].line = std::string(kUnfoldLine);
  rows[0].action = RegionRowAction::GermanStates;
  rows[1].line = engine::RegionNameOfCode(land_);
  for (const engine::HolidayRow& holiday : holidays.rows) {
    RegionListRow& row = rows.emplace_back();
    row.line = holiday.names;
    row.action = RegionRowAction::Holiday;
    row.dayNumber = holiday.dayNumber;
    row.article = HolidayArticleTitle(holiday.names, holiday.date);
  }
  hint_ = HolidayListHint(holidays.text);
  Show(RegionListState::Holidays, std::move(rows));
}

void RegionListModel::ShowGermanStates() {
  Show(RegionListState::GermanStates, NamedRows(GermanStateNames(year_), true));
}

void RegionListModel::ShowRegionChoice(bool back) {
  if (!back) {
    // The engine's list of every region, with "Alle Länder" after its way back.
    std::vector<std::string> names = engine::RegionList(engine::kAllRegionsEntry);
    names.insert(names.begin() + (names.empty() ? 0 : 1), std::string(engine::kAllRegionsEntry));
    Show(RegionListState::RegionChoice, NamedRows(names, false));
  } else if (engine::IsGermanRegion(land_)) {
    Show(RegionListState::RegionChoice, NamedRows(GermanStateNames(year_), true));
  } else {
    const std::string_view country = std::string_view(land_).substr(0, land_.find('-'));
    Show(RegionListState::RegionChoice,
         NamedRows(engine::RegionList(engine::RegionNameOfCode(country)), false));
  }
}

void RegionListModel::ShowAllCountries() {
  std::vector<std::string> names;
  for (const engine::RegionRow& row : engine::RegionTable()) {
    if (!row.code.empty() && row.code.find('-') == std::string_view::npos) {
      names.emplace_back(row.name);
    }
  }
  Show(RegionListState::AllCountries, NamedRows(names, true));
}

void RegionListModel::Show(RegionListState state, std::vector<RegionListRow> rows) {
  state_ = state;
  rows_ = std::move(rows);
}

std::vector<std::string> RegionListModel::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(rows_.size());
  for (const RegionListRow& row : rows_) lines.push_back(row.line);
  return lines;
}

RegionListClick RegionListModel::Click(int row) {
  RegionListClick click;
  if (row < 0 || row >= static_cast<int>(rows_.size())) return click;
  const RegionListRow& clicked = rows_[static_cast<std::size_t>(row)];
  switch (clicked.action) {
    case RegionRowAction::None:
      return click;
    case RegionRowAction::Region:
      click.kind = RegionListClick::Kind::Region;
      click.region = clicked.code;
      return click;
    case RegionRowAction::Holiday:
      click.kind = RegionListClick::Kind::Holiday;
      click.dayNumber = clicked.dayNumber;
      return click;
    case RegionRowAction::GermanStates:
      ShowGermanStates();
      break;
    case RegionRowAction::RegionChoice:
      ShowRegionChoice(false);
      break;
    case RegionRowAction::WayBack:
      ShowRegionChoice(true);
      break;
    case RegionRowAction::AllCountries:
      ShowAllCountries();
      break;
  }
  click.kind = RegionListClick::Kind::NewState;
  click.state = state_;
  return click;
}

std::optional<std::string> RegionListModel::ArticleTitle(int row) const {
  if (state_ != RegionListState::Holidays || row < 0 || row >= static_cast<int>(rows_.size())) {
    return std::nullopt;
  }
  const RegionListRow& holiday = rows_[static_cast<std::size_t>(row)];
  if (holiday.action != RegionRowAction::Holiday) return std::nullopt;
  return holiday.article;
}

}  // namespace controls

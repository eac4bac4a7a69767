// SPDX-License-Identifier: MIT
// The region and holiday list of the date edit without a window: what it
// shows (the region's holidays of the year, the German states, the choice of
// every region, all countries), its lines, and what a click on a row means.
// Every row keeps the value behind it, a region's code or a holiday's day
// number or the list it leads to, so that a click is answered from the row
// number alone and no shown line is ever read back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/daydescription.h"

namespace controls {

// What the list shows.
enum class RegionListState {
  Holidays,      // ">>>>>", the region's name, one line per holiday day
  GermanStates,  // "weitere Länder", "Deutschland" and the states, each with "$"
  RegionChoice,  // the engine's selection list ("<<<<<<" or "weitere Länder" first)
  AllCountries,  // every country, each with "$"
};

// The first line of the holiday list.
inline constexpr std::string_view kUnfoldLine = ">>>>>";

// What a row stands for.
enum class RegionRowAction {
  None,          // the region's own name above its holidays, a name outside the table
  GermanStates,  // ">>>>>": the German states of the year
  RegionChoice,  // "weitere Länder": every region
  WayBack,       // "<<<<<<": the German states, or the lists of the region's country
  AllCountries,  // "Alle Länder"
  Region,        // a region to choose: code
  Holiday,       // a holiday's day to show: dayNumber, article
};

struct RegionListRow {
  std::string line;  // as shown: "Bayern                         $", "Neujahr"
  RegionRowAction action = RegionRowAction::None;
  std::string code;     // Region: "D-BY"
  int dayNumber = 0;    // Holiday: the day itself
  std::string article;  // Holiday: the title of its encyclopaedia article
};

// The answer to a click on a row.
struct RegionListClick {
  enum class Kind {
    Nothing,
    NewState,  // the model shows other rows now: state
    Region,    // region: the code to choose
    Holiday,   // dayNumber: the day to show
  } kind = Kind::Nothing;
  RegionListState state = RegionListState::Holidays;
  std::string region;
  int dayNumber = 0;
};

// RegionLine: a region name padded with 25 blanks and "$".
std::string RegionLine(std::string_view name);  // "Bayern" -> "Bayern                         $"

// HolidayArticleTitle: the article name of a holiday's names on the day
// `date` (DD.MM.YYYY): the text up to "$", trimmed; on 01.05. "Erster Mai"; a
// name beginning "Eishlg." is "Eisheilige", one beginning "Reformationstag"
// is cut to that word.
std::string HolidayArticleTitle(std::string_view names,
                                std::string_view date);  // "Eishlg. Mamertus" -> "Eisheilige"

// HolidayListHint: the hint of the holiday list, the year's holiday text
// without its closing line break.
std::string HolidayListHint(std::string_view holidayText);  // "Neujahr\n\r" -> "Neujahr"

class RegionListModel {
 public:
  // SetPlace: the region and year of the shown day; the German states and
  // the way back are those of this year and region. The rows shown stay.
  void SetPlace(std::string_view land, int year);
  const std::string& Land() const { return land_; }
  int Year() const { return year_; }

  // ShowHolidays: ">>>>>", the name of the region, then one row per holiday
  // day, each with its day number; the hint becomes the year's holiday text.
  void ShowHolidays(const engine::HolidayList& holidays);
  // The other lists, as a click on their row shows them.
  void ShowGermanStates();
  void ShowRegionChoice(bool back);
  void ShowAllCountries();

  RegionListState State() const { return state_; }
  const std::vector<RegionListRow>& Rows() const { return rows_; }
  std::vector<std::string> Lines() const;
  // Hint: the holiday list's hint (the text of ShowHolidays' last list).
  const std::string& Hint() const { return hint_; }

  // Click: what a click on a row means; a row leading to another list shows
  // that list before the answer comes back. Rows outside the list do nothing.
  RegionListClick Click(int row);  // Holidays, row 2 of 2024 -> Holiday 2460311 (Neujahr)

  // ArticleTitle: the article of a holiday row, nothing for any other row.
  std::optional<std::string> ArticleTitle(int row) const;

 private:
  void Show(RegionListState state, std::vector<RegionListRow> rows);

  std::string land_ = "D-NI";
  int year_ = 0;
  RegionListState state_ = RegionListState::Holidays;
  std::vector<RegionListRow> rows_;
  std::string hint_;
};

}  // namespace controls

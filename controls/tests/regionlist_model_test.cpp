// SPDX-License-Identifier: MIT
#include "controls/regionlist_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/daydescription.h"
#include "engine/region.h"

namespace controls {
namespace {

using engine::CalendarKind;
using Action = RegionRowAction;
using Kind = RegionListClick::Kind;
using State = RegionListState;
constexpr CalendarKind G = CalendarKind::Gregorian;
constexpr CalendarKind J = CalendarKind::Julian;

// The list as the date edit fills it for a shown day: the place, then the
// holidays of its year.
RegionListModel HolidaysOf(const char* land, int year, CalendarKind kind = G) {
  RegionListModel model;
  model.SetPlace(land, year);
  model.ShowHolidays(engine::HolidayListOfYear(year, engine::RegionOfCode(land), kind));
  return model;
}

// How a case brings its list up.
enum class Shown { Holidays, GermanStates, RegionChoice, WayBack, AllCountries };

RegionListModel ListOf(Shown shown, const char* land, int year, CalendarKind kind = G) {
  RegionListModel model = HolidaysOf(land, year, kind);
  switch (shown) {
    case Shown::Holidays:
      break;
    case Shown::GermanStates:
      model.ShowGermanStates();
      break;
    case Shown::RegionChoice:
      model.ShowRegionChoice(false);
      break;
    case Shown::WayBack:
      model.ShowRegionChoice(true);
      break;
    case Shown::AllCountries:
      model.ShowAllCountries();
      break;
  }
  return model;
}

std::string Padded(const char* name) {
  return std::string(name) + std::string(25, ' ') + "$";
}

TEST(RegionListModel, HolidayRowsKeepTheirDays) {
  const struct {
    const char* land;
    int year;
    CalendarKind kind;
    const char* name;  // the second line
  } kCases[] = {
      {"D-NI", 2024, G, "Niedersachsen"}, {"D-BY", 1870, G, "Bayern"},
      {"D-OB", 1960, G, "Berlin (Ost)"},  {"A-W", 1960, G, "Wien"},
      {"D-NI", 2024, J, "Niedersachsen"}, {"CH", 2024, G, ""},  // no row, no rules
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.land) + " " + std::to_string(c.year));
    const engine::HolidayList holidays =
        engine::HolidayListOfYear(c.year, engine::RegionOfCode(c.land), c.kind);
    const RegionListModel model = HolidaysOf(c.land, c.year, c.kind);
    EXPECT_EQ(model.State(), State::Holidays);
    const std::vector<RegionListRow>& rows = model.Rows();
    ASSERT_EQ(rows.size(), 2 + holidays.rows.size());
    EXPECT_EQ(rows[0].line, ">>>>>");
    EXPECT_EQ(rows[0].action, Action::GermanStates);
    EXPECT_EQ(rows[1].line, c.name);
    EXPECT_EQ(rows[1].action, Action::None);
    for (std::size_t i = 0; i < holidays.rows.size(); ++i) {
      EXPECT_EQ(rows[i + 2].line, holidays.rows[i].names);
      EXPECT_EQ(rows[i + 2].action, Action::Holiday);
      EXPECT_EQ(rows[i + 2].dayNumber, holidays.rows[i].dayNumber);
    }
    EXPECT_EQ(model.Hint(), HolidayListHint(holidays.text));
  }
  EXPECT_EQ(HolidaysOf("CH", 2024).Rows().size(), 2u);
}

TEST(RegionListModel, RowsOfEveryList) {
  const struct {
    Shown shown;
    const char* land;
    int year;
    State state;
    std::size_t size;
    int row;
    std::string line;
    Action action;
    const char* code;
  } kCases[] = {
      // The holidays of the year, with their day numbers.
      {Shown::Holidays, "D-NI", 2024, State::Holidays, 43, 2, "Neujahr", Action::Holiday, ""},
      {Shown::Holidays, "D-BY", 1870, State::Holidays, 43, 1, "Bayern", Action::None, ""},
      {Shown::Holidays, "D-NI", 2024, State::Holidays, 43, 0, ">>>>>", Action::GermanStates, ""},
      // The German states: Berlin divided from 1945 to 1990.
      {Shown::GermanStates, "D-NI", 1960, State::GermanStates, 19, 0, Padded("weitere Länder"),
       Action::RegionChoice, ""},
      {Shown::GermanStates, "D-NI", 1960, State::GermanStates, 19, 1, Padded("Deutschland"),
       Action::Region, "D"},
      {Shown::GermanStates, "D-NI", 1960, State::GermanStates, 19, 4, Padded("Berlin (Ost)"),
       Action::Region, "D-OB"},
      {Shown::GermanStates, "D-NI", 1960, State::GermanStates, 19, 5, Padded("Berlin (West)"),
       Action::Region, "D-WB"},
      {Shown::GermanStates, "D-NI", 2024, State::GermanStates, 18, 4, Padded("Berlin"),
       Action::Region, "D-BE"},
      {Shown::GermanStates, "D-NI", 1870, State::GermanStates, 18, 3, Padded("Bayern"),
       Action::Region, "D-BY"},
      {Shown::GermanStates, "D-NI", 2024, State::GermanStates, 18, 17, Padded("Thüringen"),
       Action::Region, "D-TH"},
      // Every region, the way back first and "Alle Länder" second.
      {Shown::RegionChoice, "D-NI", 2024, State::RegionChoice, 2 + engine::kFilledRegionRows, 0,
       "<<<<<<", Action::WayBack, ""},
      {Shown::RegionChoice, "D-NI", 2024, State::RegionChoice, 2 + engine::kFilledRegionRows, 1,
       "Alle Länder", Action::AllCountries, ""},
      // The way back: the German states of the year, or the region's country.
      {Shown::WayBack, "D-BY", 1960, State::RegionChoice, 19, 0, Padded("weitere Länder"),
       Action::RegionChoice, ""},
      {Shown::WayBack, "D-BY", 1960, State::RegionChoice, 19, 5, Padded("Berlin (West)"),
       Action::Region, "D-WB"},
      {Shown::WayBack, "A-T", 2024, State::RegionChoice, 11, 0, "weitere Länder",
       Action::RegionChoice, ""},
      {Shown::WayBack, "A-T", 2024, State::RegionChoice, 11, 1, "Österreich", Action::Region, "A"},
      {Shown::WayBack, "A-T", 2024, State::RegionChoice, 11, 3, "Kärnten", Action::Region, "A-K"},
      // All countries.
      {Shown::AllCountries, "D-NI", 2024, State::AllCountries, 2, 0, Padded("Deutschland"),
       Action::Region, "D"},
      {Shown::AllCountries, "A-W", 2024, State::AllCountries, 2, 1, Padded("Österreich"),
       Action::Region, "A"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.line);
    const RegionListModel model = ListOf(c.shown, c.land, c.year);
    EXPECT_EQ(model.State(), c.state);
    ASSERT_EQ(model.Rows().size(), c.size);
    EXPECT_EQ(model.Lines().size(), c.size);
    const RegionListRow& row = model.Rows()[static_cast<std::size_t>(c.row)];
    EXPECT_EQ(row.line, c.line);
    EXPECT_EQ(model.Lines()[static_cast<std::size_t>(c.row)], c.line);
    EXPECT_EQ(row.action, c.action);
    EXPECT_EQ(row.code, c.code);
  }
}

TEST(RegionListModel, EveryRegionOfTheChoiceHasItsCode) {
  const RegionListModel model = ListOf(Shown::RegionChoice, "D-NI", 2024);
  for (std::size_t i = 2; i < model.Rows().size(); ++i) {
    const RegionListRow& row = model.Rows()[i];
    SCOPED_TRACE(row.line);
    EXPECT_EQ(row.action, Action::Region);
    EXPECT_EQ(engine::RegionNameOfCode(row.code), row.line);
  }
}

TEST(RegionListModel, ARegionWithoutRowOrRulesHasNoWayBack) {
  RegionListModel model = HolidaysOf("CH", 2024);
  EXPECT_EQ(model.Click(1).kind, Kind::Nothing);
  model.ShowRegionChoice(true);
  EXPECT_EQ(model.State(), State::RegionChoice);
  EXPECT_TRUE(model.Rows().empty());
  EXPECT_EQ(model.Click(0).kind, Kind::Nothing);
}

TEST(RegionListModel, ClicksAnswerWithTypedValues) {
  const struct {
    Shown shown;
    const char* land;
    int year;
    CalendarKind kind;
    int row;
    Kind answer;
    State state;            // after the click
    const char* firstLine;  // of the list after the click
    const char* region;
    int dayNumber;
  } kCases[] = {
      {Shown::Holidays, "D-NI", 2024, G, 0, Kind::NewState, State::GermanStates, "weitere Länder",
       "", 0},
      {Shown::Holidays, "D-NI", 2024, G, 1, Kind::Nothing, State::Holidays, ">>>>>", "", 0},
      {Shown::Holidays, "D-NI", 2024, G, 2, Kind::Holiday, State::Holidays, ">>>>>", "", 2460311},
      {Shown::Holidays, "D-NI", 2024, G, 42, Kind::Holiday, State::Holidays, ">>>>>", "", 2460676},
      {Shown::Holidays, "D-NI", 2024, G, 43, Kind::Nothing, State::Holidays, ">>>>>", "", 0},
      {Shown::Holidays, "D-NI", 2024, G, -1, Kind::Nothing, State::Holidays, ">>>>>", "", 0},
      // Julian: Neujahr of the Julian year 2024 is the Gregorian 14.01.2024.
      {Shown::Holidays, "D-NI", 2024, J, 2, Kind::Holiday, State::Holidays, ">>>>>", "", 2460324},
      {Shown::Holidays, "D-BY", 1870, G, 2, Kind::Holiday, State::Holidays, ">>>>>", "", 2404064},
      {Shown::Holidays, "CH", 2024, G, 2, Kind::Nothing, State::Holidays, ">>>>>", "", 0},
      {Shown::GermanStates, "D-NI", 1960, G, 0, Kind::NewState, State::RegionChoice, "<<<<<<", "",
       0},
      {Shown::GermanStates, "D-NI", 1960, G, 3, Kind::Region, State::GermanStates, "weitere Länder",
       "D-BY", 0},
      {Shown::GermanStates, "D-NI", 1960, G, 4, Kind::Region, State::GermanStates, "weitere Länder",
       "D-OB", 0},
      {Shown::RegionChoice, "D-BY", 1960, G, 0, Kind::NewState, State::RegionChoice,
       "weitere Länder", "", 0},
      {Shown::RegionChoice, "A-T", 2024, G, 0, Kind::NewState, State::RegionChoice,
       "weitere Länder", "", 0},
      {Shown::RegionChoice, "D-NI", 2024, G, 1, Kind::NewState, State::AllCountries, "Deutschland",
       "", 0},
      {Shown::WayBack, "A-T", 2024, G, 0, Kind::NewState, State::RegionChoice, "<<<<<<", "", 0},
      {Shown::WayBack, "A-T", 2024, G, 10, Kind::Region, State::RegionChoice, "weitere Länder",
       "A-W", 0},
      {Shown::AllCountries, "D-NI", 2024, G, 1, Kind::Region, State::AllCountries, "Deutschland",
       "A", 0},
      {Shown::AllCountries, "D-NI", 2024, G, 2, Kind::Nothing, State::AllCountries, "Deutschland",
       "", 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.land) + " " + std::to_string(c.year) + " row " +
                 std::to_string(c.row));
    RegionListModel model = ListOf(c.shown, c.land, c.year, c.kind);
    const RegionListClick click = model.Click(c.row);
    EXPECT_EQ(click.kind, c.answer);
    EXPECT_EQ(click.region, c.region);
    EXPECT_EQ(click.dayNumber, c.dayNumber);
    if (c.answer == Kind::NewState) {
      EXPECT_EQ(click.state, c.state);
    }
    EXPECT_EQ(model.State(), c.state);
    ASSERT_FALSE(model.Rows().empty());
    EXPECT_TRUE(model.Rows()[0].line.starts_with(c.firstLine)) << model.Rows()[0].line;
  }
}

// The lists a click leads to are those of the place at the click; the
// holiday rows keep the days they were shown with.
TEST(RegionListModel, ListsFollowThePlaceAndRowsKeepTheirValues) {
  RegionListModel model = HolidaysOf("D-NI", 2024);
  model.SetPlace("D-SN", 1960);
  EXPECT_EQ(model.Rows()[1].line, "Niedersachsen");
  const RegionListClick holiday = model.Click(2);
  EXPECT_EQ(holiday.kind, Kind::Holiday);
  EXPECT_EQ(holiday.dayNumber, 2460311);
  EXPECT_EQ(model.Click(0).state, State::GermanStates);
  EXPECT_EQ(model.Rows().size(), 19u);  // Berlin divided in 1960
  model.SetPlace("A-T", 2024);
  EXPECT_EQ(model.Click(0).state, State::RegionChoice);  // "weitere Länder"
  EXPECT_EQ(model.Click(0).state, State::RegionChoice);  // "<<<<<<": the way back to Austria
  EXPECT_EQ(model.Rows()[1].line, "Österreich");
  EXPECT_EQ(model.Land(), "A-T");
  EXPECT_EQ(model.Year(), 2024);
}

TEST(RegionListModel, ArticleTitlesByRow) {
  const struct {
    Shown shown;
    int row;
    std::optional<std::string> title;
  } kCases[] = {
      {Shown::Holidays, 2, "Neujahr"},
      {Shown::Holidays, 14, "Erster Mai"},
      {Shown::Holidays, 16, "Eisheilige"},
      {Shown::Holidays, 17, "Muttertag, Eishlg. Pankratius"},
      {Shown::Holidays, 27, "Reformationstag"},
      {Shown::Holidays, 40, "1. Weihnachtstag"},
      {Shown::Holidays, 0, std::nullopt},
      {Shown::Holidays, 1, std::nullopt},
      {Shown::Holidays, 43, std::nullopt},
      {Shown::Holidays, -1, std::nullopt},
      {Shown::GermanStates, 3, std::nullopt},
      {Shown::AllCountries, 0, std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(ListOf(c.shown, "D-NI", 2024).ArticleTitle(c.row), c.title);
  }
}

TEST(RegionListModel, HolidayArticleTitles) {
  const struct {
    const char* names;
    const char* date;
    const char* title;
  } kCases[] = {
      {"Neujahr", "01.01.2024", "Neujahr"},
      {"Tag der Arbeit", "01.05.2024", "Erster Mai"},
      {"Eishlg. Mamertus", "11.05.2024", "Eisheilige"},
      {"Reformationstag (500 Jahre)", "31.10.2017", "Reformationstag"},
      {"  Ostersonntag  ", "31.03.2024", "Ostersonntag"},
  };
  for (const auto& c : kCases) EXPECT_EQ(HolidayArticleTitle(c.names, c.date), c.title) << c.names;
}

TEST(RegionListModel, HolidayListHints) {
  const struct {
    const char* text;
    const char* hint;
  } kCases[] = {{"Neujahr\n\r", "Neujahr"},
                {"Neujahr", "Neujahr"},
                {"a\n\rb\n\r", "a\n\rb"},
                {"\n\r", ""},
                {"", ""},
                {"a\r\n", "a\r\n"}};
  for (const auto& c : kCases) EXPECT_EQ(HolidayListHint(c.text), c.hint) << c.text;
}

}  // namespace
}  // namespace controls

// SPDX-License-Identifier: MIT
#include "controls/dateedt_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/daynumber.h"
#include "engine/region.h"
#include "engine/week.h"

namespace controls {
namespace {

using engine::CalendarKind;
constexpr CalendarKind G = CalendarKind::Gregorian;
constexpr CalendarKind J = CalendarKind::Julian;

TEST(DateEditModel, LandCodesOutsideTheTableAreLowerSaxony) {
  const struct {
    const char* code;
    const char* land;
  } kCases[] = {{"D-BY", "D-BY"}, {"A-NÖ", "A-NÖ"}, {"D", "D"},       {"D-OB", "D-OB"},
                {"HR", "D-NI"},   {"", "D-NI"},     {"d-by", "D-NI"}, {"D-BY ", "D-NI"}};
  for (const auto& c : kCases) EXPECT_EQ(AcceptedLand(c.code), c.land) << c.code;
}

TEST(DateEditModel, ColoursOfADay) {
  EXPECT_EQ(DayFontOf(1, false), DayFont::WindowText);
  EXPECT_EQ(DayFontOf(6, false), DayFont::Saturday);
  EXPECT_EQ(DayFontOf(7, false), DayFont::Sunday);
  EXPECT_EQ(DayFontOf(7, true), DayFont::LegalHoliday);
  EXPECT_EQ(DayFontOf(3, true), DayFont::LegalHoliday);
  EXPECT_EQ(DayBackgroundOf(2299160, G), DayBackground::PreGregorian);
  EXPECT_EQ(DayBackgroundOf(2299161, G), DayBackground::Window);
  EXPECT_EQ(DayBackgroundOf(2299161, J), DayBackground::Julian);
}

TEST(DateEditModel, TwelveHourTexts) {
  const struct {
    int hour, minute, second;
    bool withSeconds;
    const char* text;
  } kCases[] = {{0, 0, 0, true, "12:00:00 AM"},    {0, 30, 5, false, "12:30 AM"},
                {11, 59, 59, true, "11:59:59 AM"}, {12, 0, 0, true, "12:00:00 PM"},
                {13, 5, 9, true, "1:05:09 PM"},    {23, 59, 0, false, "11:59 PM"}};
  for (const auto& c : kCases) {
    EXPECT_EQ(TwelveHourText(c.hour, c.minute, c.second, c.withSeconds), c.text);
  }
}

TEST(DateEditModel, SwitchHints) {
  EXPECT_EQ(ViewSwitchHint("D", false), "Umschaltung auf Bundesländer und Feiertage");
  EXPECT_EQ(ViewSwitchHint("D", true), "Umschaltung auf Tage des Jahres");
  EXPECT_EQ(ViewSwitchHint("A", false), "Umschaltung auf Wochen des Jahres");
  EXPECT_EQ(ViewSwitchHint("W", false), "Umschaltung auf Julianisches Datum");
  EXPECT_EQ(ViewSwitchHint("J", false), "Umschaltung auf Datum");
  EXPECT_EQ(CalendarSwitchHint(J), "Umschaltung auf Gregorianischen Kalender");
  EXPECT_EQ(CalendarSwitchHint(G), "Umschaltung auf Julianischen Kalender");
}

TEST(DateEditModel, GermanStatesInTheYearsOfDivision) {
  const struct {
    int year;
    bool divided;
  } kCases[] = {{1944, false}, {1945, true}, {1960, true}, {1990, true}, {1991, false}};
  for (const auto& c : kCases) {
    const std::vector<std::string> lines = GermanStateLines(c.year);
    ASSERT_EQ(lines.size(), c.divided ? 19u : 18u);
    EXPECT_EQ(RegionNameOfLine(lines[0]), "weitere Länder");
    EXPECT_EQ(RegionNameOfLine(lines[1]), "Deutschland");
    EXPECT_EQ(RegionNameOfLine(lines[4]), c.divided ? "Berlin (Ost)" : "Berlin");
    for (const std::string& line : lines) {
      EXPECT_TRUE(line.ends_with(std::string(25, ' ') + "$")) << line;
    }
  }
}

TEST(DateEditModel, ClicksOnTheList) {
  const struct {
    RegionListState state;
    int row;
    const char* line;
    ListClick::Kind kind;
    const char* region;
    int holidayRow;
    bool back;
  } kCases[] = {
      {RegionListState::Holidays, 0, ">>>>>", ListClick::ShowGermanStates, "", -1, false},
      {RegionListState::Holidays, 1, "Niedersachsen", ListClick::Nothing, "", -1, false},
      {RegionListState::Holidays, 2, "Neujahr", ListClick::ChooseHoliday, "", 0, false},
      {RegionListState::Holidays, 10, "2. Weihnachtstag", ListClick::ChooseHoliday, "", 8, false},
      {RegionListState::Holidays, 11, "", ListClick::Nothing, "", -1, false},
      // The first-line rules come before the "$" rule: never "D-NI" from "weitere Länder".
      {RegionListState::GermanStates, 0, "weitere Länder                         $",
       ListClick::ShowRegionChoice, "", -1, false},
      {RegionListState::GermanStates, 1, "Deutschland                         $",
       ListClick::ChooseRegion, "D", -1, false},
      {RegionListState::GermanStates, 3, "Bayern                         $",
       ListClick::ChooseRegion, "D-BY", -1, false},
      {RegionListState::RegionChoice, 0, "<<<<<<", ListClick::ShowRegionChoice, "", -1, true},
      {RegionListState::RegionChoice, 0, "weitere Länder", ListClick::ShowRegionChoice, "", -1,
       false},
      {RegionListState::RegionChoice, 1, "Alle Länder", ListClick::ShowAllCountries, "", -1, false},
      {RegionListState::RegionChoice, 5, "Kärnten", ListClick::ChooseRegion, "A-K", -1, false},
      {RegionListState::AllCountries, 0, "Deutschland                         $",
       ListClick::ChooseRegion, "D", -1, false},
      {RegionListState::AllCountries, 1, "Österreich                         $",
       ListClick::ChooseRegion, "A", -1, false},
      {RegionListState::RegionChoice, 3, "Atlantis", ListClick::Nothing, "", -1, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.line);
    const ListClick click = ClickOnLine(c.state, c.row, c.line, 9);
    EXPECT_EQ(click.kind, c.kind);
    EXPECT_EQ(click.region, c.region);
    EXPECT_EQ(click.holidayRow, c.holidayRow);
    EXPECT_EQ(click.back, c.back);
  }
}

TEST(DateEditModel, RegionChoiceLists) {
  const std::vector<std::string> all = RegionChoiceLines(false, "D-NI", 2003);
  ASSERT_GE(all.size(), 3u);
  EXPECT_EQ(all[0], "<<<<<<");
  EXPECT_EQ(all[1], "Alle Länder");
  EXPECT_EQ(all.size(), 2u + engine::kFilledRegionRows);
  EXPECT_EQ(RegionChoiceLines(true, "D-NI", 1960), GermanStateLines(1960));
  const std::vector<std::string> austria = RegionChoiceLines(true, "A-T", 2003);
  ASSERT_EQ(austria.size(), 11u);
  EXPECT_EQ(austria[0], "weitere Länder");
  EXPECT_EQ(austria[1], "Österreich");
  const std::vector<std::string> countries = AllCountryLines();
  ASSERT_EQ(countries.size(), 2u);
  EXPECT_EQ(RegionNameOfLine(countries[0]), "Deutschland");
  EXPECT_EQ(RegionNameOfLine(countries[1]), "Österreich");
}

TEST(DateEditModel, HolidayArticleTitles) {
  const struct {
    const char* line;
    const char* date;
    const char* title;
  } kCases[] = {
      {"Neujahr", "01.01.2024", "Neujahr"},
      {"Tag der Arbeit", "01.05.2024", "Erster Mai"},
      {"Eishlg. Mamertus", "11.05.2024", "Eisheilige"},
      {"Reformationstag (500 Jahre)", "31.10.2017", "Reformationstag"},
      {"  Ostersonntag  ", "31.03.2024", "Ostersonntag"},
  };
  for (const auto& c : kCases) EXPECT_EQ(HolidayArticleTitle(c.line, c.date), c.title) << c.line;
}

}  // namespace
}  // namespace controls

// SPDX-License-Identifier: MIT
#include "tools/beam_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/civildate.h"
#include "engine/daynumber.h"

namespace {

TEST(BeamModelTest, ProgramCycleRunsThroughEveryPageAndBackToTheCalendar) {
  const struct {
    int step;
    int progId;
    const char* caption;
    const char* command;
    const char* copy;
  } kCases[] = {
      {0, 2, "Uhrzeit", "PClock", "CC"},
      {1, 1, "Fristenberechnung nach § 187 I BGB", "PTerm", "CT"},
      {2, 3, "Zeitdifferenz (Arbeitsstunden)", "PTimeDiff", "CTimeDiff"},
      {3, 6, "Zeitdifferenz", "PDblDateDiff", "CDbl"},
      {4, 5, "Windows Info", "PWinInfo", "CWinInfo"},
      {5, 4, "WKN nach ISIN / Kurs abfragen", "PTimeDiff", "CISIN"},
      {6, 7, "Datumsformate (numerisch)", "P7", "P7"},
      {7, 8, "Datumsformate (alphanumerisch)", "P8", "P8"},
      {8, 9, "Datumsformate (IT-1)", "P9", "P9"},
      {9, 10, "Datumsformate (IT-2)", "P10", "P9"},
      {10, 11, "Datumsformate (IT-3)", "P11", "P9"},
      {11, 0, "Kalender", "P", "CK"},
      {12, 0, "Kalender", "P", "CK"},
      {-1, 0, "Kalender", "P", "CK"},
      {99, 0, "Kalender", "P", "CK"},
  };
  for (const auto& c : kCases) {
    const tools::Program& program = tools::ProgramAfterStep(c.step);
    EXPECT_EQ(program.progId, c.progId) << c.step;
    EXPECT_EQ(program.caption, c.caption) << c.step;
    EXPECT_EQ(program.command, c.command) << c.step;
    EXPECT_EQ(program.copyCommand, c.copy) << c.step;
    EXPECT_EQ(tools::ProgramOfId(c.progId).caption, c.caption) << c.step;
  }
}

TEST(BeamModelTest, ProgramMenuHasElevenEntriesAndTheDeadlineOnlyForGermany) {
  ASSERT_EQ(tools::ProgramMenuCaptions().size(), 11u);
  EXPECT_EQ(tools::ProgramMenuCaptions()[1], "Fristenberechnung");
  const struct {
    const char* region;
    bool visible;
  } kCases[] = {{"D", true},  {"D-NI", true}, {"D-BY", true}, {"A-W", false},
                {"A", false}, {"", false},    {"DK", false},  {"HR-21", false}};
  for (const auto& c : kCases)
    EXPECT_EQ(tools::DeadlineMenuVisible(c.region), c.visible) << c.region;
}

TEST(BeamModelTest, ShowProgrMapsBothWays) {
  const struct {
    const char* value;
    int step;        // written
    int readAtStep;  // read back at this position
  } kCases[] = {
      {"Calendar", 11, 0},
      {"Time", 0, 1},
      {"calcDate", 1, 2},
      {"Hours", 2, 3},
      {"DateDiff", 3, 4},
      {"Computer", 4, 5},
      {"WKN", 5, 6},
      {"NumDateForm", 6, 7},
      {"ANumDateForm", 7, 8},
      {"ITDateForm", 8, 9},
      {"SearchDateForm", 9, 10},
      {"New", 11, 11},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(tools::ShowProgrStep(c.value), c.step) << c.value;
    EXPECT_EQ(tools::ShowProgrOfStep(c.readAtStep), c.value) << c.value;
    // Writing a value and switching once reads the same value back.
    EXPECT_EQ(tools::ShowProgrOfStep(tools::ShowProgrStep(c.value).value() == 11
                                         ? 0
                                         : *tools::ShowProgrStep(c.value) + 1),
              std::string(c.value) == "New" ? "Calendar" : c.value);
  }
  for (const char* odd : {"", "abc", "calendar", "NEW", "Time "}) {
    EXPECT_FALSE(tools::ShowProgrStep(odd).has_value()) << odd;
  }
}

TEST(BeamModelTest, CommandClassification) {
  using K = tools::CommandKind;
  const struct {
    const char* command;
    K kind;
  } kCases[] = {
      {"", K::None},
      {"xyz", K::None},
      {"back", K::None},
      {"forwDays", K::None},
      {"chClock", K::ChClock},
      {"CDbl", K::CopyDateDiff},
      {"CT", K::CopyProgram},
      {"CC", K::CopyProgram},
      {"CTimeDiff", K::CopyProgram},
      {"CISIN", K::CopyProgram},
      {"CWinInfo", K::CopyProgram},
      {"CK", K::CopyCalendar},
      {"PDblDateDiff", K::OpenDateDiff},
      {"P7", K::OpenFormat},
      {"P10", K::OpenFormat},
      {"P11", K::OpenProgram},
      {"PTerm", K::OpenProgram},
      {"PClock", K::OpenProgram},
      {"P", K::OpenProgram},
      {"Change", K::Change},
      {"backDay", K::Navigation},
      {"forwYear", K::Navigation},
      {"backMonth", K::Navigation},
  };
  for (const auto& c : kCases) EXPECT_EQ(tools::ClassifyCommand(c.command), c.kind) << c.command;
}

// Guards against "\r\n" in a hint becoming "\r\r\n\n".
TEST(BeamModelTest, LineBreaksBecomeCrLfHintByHint) {
  const struct {
    const char* in;
    const char* out;
  } kCases[] = {
      {"", ""},
      {"a", "a"},
      {"a\n\rb", "a\r\nb"},
      {"a\r\nb", "a\r\nb"},
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\n\r\n\rb", "a\r\n\r\nb"},
      {"a\r\n\r\nb", "a\r\n\r\nb"},
      {"a\n\nb", "a\r\n\r\nb"},
  };
  for (const auto& c : kCases) EXPECT_EQ(tools::CrLf(c.in), c.out) << c.in;
}

TEST(BeamModelTest, CalendarCopyTextJoinsTheHintsOnLinesOfTheirOwn) {
  EXPECT_EQ(tools::CalendarCopyText("Tag\n\rZeile", "Woche\r\n", "Monat", "Oktober - 2024"),
            "Tag\r\nZeile\r\n--------------------\r\nWoche\r\n--------------------\r\n"
            "Monat\r\nOktober ");
  EXPECT_EQ(tools::CalendarCopyText("", "", "", ""),
            "\r\n--------------------\r\n\r\n--------------------\r\n\r\n");
}

// Guards against the page caption standing twice at the top of a copy.
TEST(BeamModelTest, CaptionStandsOnceAtTheTop) {
  EXPECT_EQ(tools::CaptionedCopyText("Uhrzeit", "a\r\n"), "Uhrzeit\r\na\r\n");
  EXPECT_EQ(tools::CaptionedCopyText("Uhrzeit", "Uhrzeit\r\na\r\n"), "Uhrzeit\r\na\r\n");
  EXPECT_EQ(tools::CaptionedCopyText("Uhrzeit", ""), "Uhrzeit\r\n");
  EXPECT_EQ(tools::CaptionedCopyText("Uhrzeit", "Uhrzeiten\r\n"), "Uhrzeit\r\nUhrzeiten\r\n");
}

TEST(BeamModelTest, NavigationElementsByPageOpened) {
  const struct {
    int leaving;
    int opened;
    bool before;
    bool shown;
  } kCases[] = {
      {0, 2, true, true},  {2, 1, true, false},  {1, 3, false, false}, {0, 3, true, true},
      {2, 3, true, false}, {0, 6, true, false},  {6, 0, false, true},  {5, 7, false, true},
      {0, 5, true, true},  {3, 4, false, false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(tools::NavigationShown(c.leaving, c.opened, c.before), c.shown)
        << c.leaving << "->" << c.opened;
  }
}

TEST(BeamModelTest, EveryWebEntryIsAnHttpsAddressWithItsFixedPaths) {
  std::set<std::string> captions;
  for (const tools::WebEntry& entry : tools::WebEntries()) {
    EXPECT_EQ(std::string(entry.address).rfind("https://", 0), 0u) << entry.caption;
    EXPECT_FALSE(entry.caption.empty());
    EXPECT_TRUE(captions.insert(std::string(entry.caption)).second) << entry.caption;
  }
  const struct {
    const char* caption;
    const char* part;
  } kFixed[] = {
      {"Wikipedia", "/wiki/Wikipedia:Hauptseite"},
      {"Deutsche Post AG, EPost", "/mui/login?company=0"},
      {"EuroDNS", "/appsuite"},
      {"Gelbe Seiten", "/yp/quick.yp"},
      {"   EFA Niedersachsen/Bremen", "language=de&sessionID=0"},
      {"Verkehrslage ADAC", "TL=2"},
  };
  for (const auto& fixed : kFixed) {
    bool found = false;
    for (const tools::WebEntry& entry : tools::WebEntries()) {
      if (entry.caption == fixed.caption) {
        found = true;
        EXPECT_NE(std::string(entry.address).find(fixed.part), std::string::npos) << fixed.caption;
      }
    }
    EXPECT_TRUE(found) << fixed.caption;
  }
}

TEST(BeamModelTest, RegionLinks) {
  EXPECT_EQ(tools::RegionArticleLink("D-NI"), "https://de.wikipedia.org/wiki/Niedersachsen");
  EXPECT_EQ(tools::RegionArticleLink("A-NÖ"), "https://de.wikipedia.org/wiki/Nieder%F6sterreich");
  const std::string map = tools::RegionMapLink("D-NI");
  EXPECT_EQ(map.rfind("https://", 0), 0u);
  EXPECT_NE(map.find("ll=52.3"), std::string::npos) << map;
  EXPECT_NE(map.find("&spn=0.1,1&q=52.3"), std::string::npos) << map;
  EXPECT_EQ(tools::RegionMapLink("XY").rfind("https://", 0), 0u);
}

}  // namespace

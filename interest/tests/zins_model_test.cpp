// SPDX-License-Identifier: MIT
#include "interest/zins_model.h"

#include <gtest/gtest.h>

#include "engine/environment.h"

namespace {

using interest::EarlyPayMemory;

TEST(ZinsModel, ListsHoldTheirEntriesInOrder) {
  const std::vector<std::string> currencies = interest::CurrencyItems();
  ASSERT_EQ(currencies.size(), 21u);
  EXPECT_EQ(currencies[0], "AUD");
  EXPECT_EQ(currencies[8], "SEK");
  EXPECT_EQ(currencies[20], "FIM");
  const std::vector<std::string> lands = interest::PayLandItems();
  ASSERT_GE(lands.size(), 9u);
  EXPECT_EQ(lands[8], "Niedersachsen");
  for (const std::string& land : lands) {
    EXPECT_FALSE(land.empty());
    EXPECT_NE(land, "Deutschland");
  }
  EXPECT_EQ(interest::MethodItems().size(), 11u);
  EXPECT_EQ(interest::MethodItems()[0], "actual/actual im Kalenderjahr");
  EXPECT_EQ(interest::DecimalItems(8).size(), 9u);
  EXPECT_EQ(interest::DecimalItems(0), std::vector<std::string>{"0"});
}

TEST(ZinsModel, FinalDecimalsNeverExceedTheIntermediateOnes) {
  for (int intermediate = 0; intermediate <= 8; ++intermediate) {
    for (int selected = 0; selected <= 5; ++selected) {
      const interest::FinalChoice choice = interest::FinalDecimalsChoice(intermediate, selected);
      EXPECT_EQ(choice.last, std::min(intermediate, 5));
      EXPECT_EQ(choice.selected, std::min(selected, choice.last));
    }
  }
}

TEST(ZinsModel, RoundTextsMapToModeIndexes) {
  EXPECT_EQ(interest::ModeIndexOfRoundText("kaufm."), 0);
  EXPECT_EQ(interest::ModeIndexOfRoundText("mathe."), 2);
  EXPECT_EQ(interest::ModeIndexOfRoundText(""), -2);
}

TEST(ZinsModel, RequestReadsTheListTexts) {
  interest::InterestFields f;
  f.capital = "1000";
  f.rate = "10";
  f.currency = "DEM";
  f.start = "01.01.2019";
  f.end = "01.01.2020";
  f.startFlag = "excl.";
  f.endFlag = "incl.";
  f.method = "30/360 im Kalenderjahr";
  f.round = "mathe.";
  f.intermediate = 4;
  f.finalDecimals = 3;
  f.payDate = "02.01.2020";
  f.payLand = "Bayern";
  f.valuta = "jeder Tag";
  const engine::InterestRequest r = interest::RequestOf(f, true);
  EXPECT_EQ(r.method, 0);
  EXPECT_EQ(r.modeIndex, 2);
  EXPECT_FALSE(r.startCounted);
  EXPECT_TRUE(r.endCounted);
  EXPECT_EQ(r.payRegion, "D-BY");
  EXPECT_EQ(r.valutaKind, engine::ValutaKind::EveryDay);
  EXPECT_TRUE(r.earlyPayConfirmed);
  f.method = "kein Verfahren";
  f.payLand = "Atlantis";
  const engine::InterestRequest unknown = interest::RequestOf(f, false);
  EXPECT_EQ(engine::ComputeInterest(unknown).code, 0);
  EXPECT_EQ(unknown.payRegion, "D-NI");
}

// Guards against the question coming back for dates the user already
// confirmed, and against it staying silent once either date changed.
TEST(ZinsModel, TheQuestionIsDueOncePerPayDateAndEnd) {
  EarlyPayMemory memory;
  const struct {
    const char* start;
    const char* end;
    const char* pay;
    bool dueBefore;
    bool confirm;
    bool dueAfter;
  } kSteps[] = {
      {"01.01.2019", "01.01.2020", "01.01.2020", false, false, false},
      {"01.01.2019", "01.01.2020", "31.12.2019", true, true, false},
      {"01.01.2019", "01.01.2020", "31.12.2019", false, false, false},
      // reversed dates: the same later date
      {"01.01.2020", "01.01.2019", "31.12.2019", false, false, false},
      {"15.03.2019", "01.01.2020", "31.12.2019", false, false, false},
      {"01.01.2019", "02.01.2020", "31.12.2019", true, false, true},
      {"01.01.2019", "01.01.2020", "30.12.2019", true, true, false},
      {"01.01.2019", "01.01.2020", "31.12.2019", true, false, true},
      {"01.01.2019", "kein Datum", "31.12.2019", false, false, false},
  };
  for (const auto& s : kSteps) {
    EXPECT_EQ(memory.Due(s.start, s.end, s.pay), s.dueBefore) << s.end << " " << s.pay;
    if (s.confirm) memory.Confirm(s.start, s.end, s.pay);
    EXPECT_EQ(memory.Due(s.start, s.end, s.pay), s.dueAfter) << s.end << " " << s.pay;
  }
}

TEST(ZinsModel, HintsOfTheFlagsFollowTheSelection) {
  EXPECT_EQ(interest::FlagHint(true, true), "Anfangstag wird verzinst");
  EXPECT_EQ(interest::FlagHint(true, false), "Anfangstag wird NICHT verzinst");
  EXPECT_EQ(interest::FlagHint(false, true), "Endtag wird verzinst");
  EXPECT_EQ(interest::FlagHint(false, false), "Endtag wird NICHT verzinst");
}

TEST(ZinsModel, DateHintDescribesTheDay) {
  engine::SetClock([] { return engine::LocalDateTime{2026, 12, 8, 9, 30, 15, 0}; });
  const std::string hint = interest::DateHint("03.10.2024", "D-NI");
  EXPECT_NE(hint.find("Donnerstag"), std::string::npos) << hint;
  EXPECT_NE(hint.find("Tag der deutschen Einheit"), std::string::npos) << hint;
  EXPECT_EQ(interest::DateHint("31.02.2024", "D-NI"), "");
  EXPECT_EQ(interest::DateHint("", "D-NI"), "");
  engine::SetClock({});
}

TEST(ZinsModel, PercentRequestReadsTheLists) {
  const engine::PercentRequest r = interest::PercentRequestOf({"250", "12,5", "kaufm.", 3, 5, 2});
  engine::SetDecimalSeparator(',');
  const engine::PercentResult result = engine::ComputePercent(r, engine::PercentTrigger::Final);
  EXPECT_EQ(result.amount2, "             31,25");
  EXPECT_EQ(result.amount3, "            218,75");
}

}  // namespace

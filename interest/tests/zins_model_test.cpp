// SPDX-License-Identifier: MIT
#include "interest/zins_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/daynumber.h"
#include "engine/environment.h"
#include "engine/interestdays.h"
#include "engine/region.h"

namespace {

using interest::EarlyPayMemory;

TEST(ZinsModel, ListsHoldTheirEntriesInOrder) {
  const auto currencies = interest::CurrencyItems();
  ASSERT_EQ(currencies.size(), 21u);
  EXPECT_EQ(currencies[0].text, "AUD");
  EXPECT_EQ(currencies[8].text, "SEK");
  EXPECT_EQ(currencies[20].text, "FIM");
  const auto lands = interest::PayLandItems();
  ASSERT_GE(lands.size(), 9u);
  EXPECT_EQ(lands[8].text, "Niedersachsen");
  for (const auto& land : lands) {
    EXPECT_FALSE(land.text.empty());
    EXPECT_NE(land.text, "Deutschland");
  }
  EXPECT_EQ(interest::MethodItems().size(), 11u);
  EXPECT_EQ(interest::MethodItems()[0].text, "actual/actual im Kalenderjahr");
  EXPECT_EQ(interest::DecimalItems(8).size(), 9u);
  ASSERT_EQ(interest::DecimalItems(0).size(), 1u);
  EXPECT_EQ(interest::DecimalItems(0)[0].text, "0");
}

// Guards against a line standing for another value than its text names:
// the window computes with the value and shows the text. Each pair is
// checked against the engine's own reading of the text.
TEST(ZinsModel, EveryLineCarriesTheValueItsTextNames) {
  for (const auto& item : interest::CurrencyItems()) EXPECT_EQ(item.value, item.text);
  for (const auto& item : interest::PayLandItems()) {
    EXPECT_EQ(item.value, engine::RegionCodeOfName(item.text)) << item.text;
  }
  for (const auto& item : interest::MethodItems()) {
    const auto method =
        std::find_if(engine::kInterestMethods.begin(), engine::kInterestMethods.end(),
                     [&item](const engine::InterestMethod& m) { return m.text == item.text; });
    ASSERT_NE(method, engine::kInterestMethods.end()) << item.text;
    EXPECT_EQ(item.value, method->number) << item.text;
  }
  for (const auto& item : interest::RoundItems()) {
    EXPECT_EQ(engine::PercentModeText(item.value), item.text);
  }
  for (const auto& item : interest::DecimalItems(8)) {
    EXPECT_EQ(std::to_string(item.value), item.text);
  }
  for (const auto& item : interest::ValutaItems()) {
    EXPECT_EQ(engine::ValutaKindOfText(item.text), item.value) << item.text;
  }
  for (const auto& item : interest::FlagItems()) {
    EXPECT_EQ(item.value, item.text == engine::kIncluded) << item.text;
  }
}

// The first choices of the window are lines of its lists.
TEST(ZinsModel, TheFirstChoicesAreLinesOfTheLists) {
  const interest::InterestFields first;
  const auto has = [](const auto& items, const auto& value) {
    return std::any_of(items.begin(), items.end(),
                       [&value](const auto& item) { return item.value == value; });
  };
  EXPECT_TRUE(has(interest::CurrencyItems(), first.currency));
  EXPECT_TRUE(has(interest::MethodItems(), first.method));
  EXPECT_TRUE(has(interest::RoundItems(), first.modeIndex));
  EXPECT_TRUE(has(interest::PayLandItems(), first.payRegion));
  EXPECT_TRUE(has(interest::ValutaItems(), first.valuta));
  EXPECT_TRUE(has(interest::DecimalItems(interest::kMaxIntermediate), first.intermediate));
  EXPECT_TRUE(has(interest::DecimalItems(interest::kMaxFinal), first.finalDecimals));
  const interest::PercentFields percent;
  EXPECT_TRUE(has(interest::DecimalItems(interest::kMaxIntermediate), percent.percentDecimals));
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

TEST(ZinsModel, RequestCarriesTheChosenValues) {
  interest::InterestFields f;
  f.capital = "1000";
  f.rate = "10";
  f.currency = "DEM";
  f.start = "01.01.2019";
  f.end = "01.01.2020";
  f.startCounted = false;
  f.endCounted = true;
  f.method = 0;  // 30/360 im Kalenderjahr
  f.modeIndex = 2;
  f.intermediate = 4;
  f.finalDecimals = 3;
  f.payDate = "02.01.2020";
  f.payRegion = "D-BY";
  f.valuta = engine::ValutaKind::EveryDay;
  const engine::InterestRequest r = interest::RequestOf(f, true);
  EXPECT_EQ(r.currency, "DEM");
  EXPECT_EQ(r.method, 0);
  EXPECT_EQ(r.modeIndex, 2);
  EXPECT_FALSE(r.startCounted);
  EXPECT_TRUE(r.endCounted);
  EXPECT_EQ(r.intermediateDecimals, 4);
  EXPECT_EQ(r.finalDecimals, 3);
  EXPECT_EQ(r.payRegion, "D-BY");
  EXPECT_EQ(r.valutaKind, engine::ValutaKind::EveryDay);
  EXPECT_TRUE(r.earlyPayConfirmed);
  EXPECT_EQ(engine::ComputeInterest(r).code, 1);
  // A list without a selection: refused; a region without one: the default.
  f.method = interest::kNoChoice;
  f.payRegion.clear();
  const engine::InterestRequest unknown = interest::RequestOf(f, false);
  EXPECT_EQ(engine::ComputeInterest(unknown).code, 0);
  EXPECT_EQ(unknown.payRegion, "D-NI");
  f.method = 0;
  f.modeIndex = interest::kNoChoice;
  EXPECT_EQ(engine::ComputeInterest(interest::RequestOf(f, false)).code, 0);
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
  engine::SetClock(engine::FixedLegalClock({2026, 12, 8, 9, 30, 15, 0}));
  const std::string hint = interest::DateHint("03.10.2024", "D-NI");
  EXPECT_NE(hint.find("Donnerstag"), std::string::npos) << hint;
  EXPECT_NE(hint.find("Tag der deutschen Einheit"), std::string::npos) << hint;
  EXPECT_EQ(interest::DateHint("31.02.2024", "D-NI"), "");
  EXPECT_EQ(interest::DateHint("", "D-NI"), "");
  engine::SetClock({});
}

TEST(ZinsModel, OutcomesReadTheEnginesCodes) {
  using interest::Outcome;
  EXPECT_EQ(interest::OutcomeOf(engine::JDInRange(2451545)), Outcome::Ok);
  EXPECT_EQ(interest::OutcomeOf(engine::JDInRange(-100000000)), Outcome::OutOfRange);
  interest::InterestFields f;
  f.start = "01.01.2019";
  f.end = "01.01.2020";
  f.payDate = "01.01.2020";
  EXPECT_EQ(interest::OutcomeOf(engine::ComputeInterest(interest::RequestOf(f, false)).code),
            Outcome::Ok);
  f.end = "kein Datum";
  EXPECT_EQ(interest::OutcomeOf(engine::ComputeInterest(interest::RequestOf(f, false)).code),
            Outcome::Refused);
  interest::PercentFields p{"250", "12,5"};
  p.modeIndex = interest::kNoChoice;
  EXPECT_EQ(interest::OutcomeOf(
                engine::ComputePercent(interest::PercentRequestOf(p), engine::PercentTrigger::Final)
                    .code),
            Outcome::Refused);
}

TEST(ZinsModel, PercentRequestReadsTheLists) {
  const engine::PercentRequest r = interest::PercentRequestOf({"250", "12,5", 0, 3, 5, 2});
  engine::SetDecimalSeparator(',');
  const engine::PercentResult result = engine::ComputePercent(r, engine::PercentTrigger::Final);
  EXPECT_EQ(result.amount2, "             31,25");
  EXPECT_EQ(result.amount3, "            218,75");
}

}  // namespace

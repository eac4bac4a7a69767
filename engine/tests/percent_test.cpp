// SPDX-License-Identifier: MIT
#include "engine/percent.h"

#include <gtest/gtest.h>

#include "engine/tests/separator_scope.h"

namespace engine {
namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first);
}

TEST(ComputePercent, ResultsByTrigger) {
  const struct {
    PercentRequest request;
    PercentTrigger trigger;
    const char* values[6];
    int finalDecimals;
  } kCases[] = {
      {{"250", "12,5", 0, 3, 5, 2},
       PercentTrigger::Final,
       {"100,000", "250,00", "12,500", "31,25", "87,500", "218,75"},
       2},
      {{"250", "12,5", 0, 3, 5, 2},
       PercentTrigger::Intermediate,
       {"100,000", "250,00000", "12,500", "31,25000", "87,500", "218,75000"},
       2},
      // No separator behind the 100 when the percentage has no decimals.
      {{"250", "12,5", 0, 0, 5, 2},
       PercentTrigger::Final,
       {"100", "250,00", "13", "31,25", "88", "218,75"},
       2},
      // The final decimals are lowered to the intermediate ones.
      {{"10", "33,333", 0, 3, 4, 5},
       PercentTrigger::Final,
       {"100,000", "10,0000", "33,333", "3,3333", "66,667", "6,6667"},
       4},
      // An empty base amount counts as 0.
      {{"", "12,5", 0, 3, 5, 2},
       PercentTrigger::Final,
       {"100,000", "0,00", "12,500", "0,00", "87,500", "0,00"},
       2},
      // An empty percentage counts as 0.
      {{"80", "", 2, 1, 3, 1},
       PercentTrigger::Final,
       {"100,0", "80,0", "0,0", "0,0", "100,0", "80,0"},
       1},
      // A percentage above 100 leaves a negative rest.
      {{"200", "150", 0, 0, 2, 2},
       PercentTrigger::Final,
       {"100", "200,00", "150", "300,00", "-50", "-100,00"},
       2},
      // "mathe." sends an exact half to the even neighbour.
      {{"1", "12,5", 2, 1, 2, 2},
       PercentTrigger::Final,
       {"100,0", "1,00", "12,5", "0,12", "87,5", "0,88"},
       2},
      {{"1", "12,5", 0, 1, 2, 2},
       PercentTrigger::Final,
       {"100,0", "1,00", "12,5", "0,13", "87,5", "0,87"},
       2},
  };
  for (const auto& c : kCases) {
    const PercentResult r = ComputePercent(c.request, c.trigger);
    ASSERT_EQ(r.code, 1);
    EXPECT_FALSE(r.overflow);
    const std::string* fields[] = {&r.percent1, &r.amount1,  &r.percent2,
                                   &r.amount2,  &r.percent3, &r.amount3};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(fields[i]->size(), 18u);
      EXPECT_EQ(Trim(*fields[i]), c.values[i])
          << c.request.base << " " << c.request.percent << " " << i;
    }
    EXPECT_EQ(r.finalDecimals, c.finalDecimals);
  }
}

TEST(ComputePercent, RefusesUnknownSettingsAndReportsOverflow) {
  EXPECT_EQ(ComputePercent({"1", "1", 7, 3, 5, 2}, PercentTrigger::Final).code, 0);
  EXPECT_EQ(ComputePercent({"1", "1", 0, 9, 5, 2}, PercentTrigger::Final).code, 0);
  EXPECT_EQ(ComputePercent({"1", "1", 0, 3, 9, 2}, PercentTrigger::Final).code, 0);
  EXPECT_EQ(ComputePercent({"1", "1", 0, 3, 5, 6}, PercentTrigger::Final).code, 0);
  // Guards against a base amount too large for rounding shown as a plain 0.
  const PercentResult big = ComputePercent({"3000000000", "10", 0, 3, 5, 2}, PercentTrigger::Final);
  EXPECT_TRUE(big.overflow);
  EXPECT_EQ(Trim(big.amount3), "0");
  EXPECT_TRUE(
      ComputePercent({"1", "99999999999999999999999", 0, 3, 5, 2}, PercentTrigger::Final).overflow);
}

TEST(TakePercent, TextOfBothResults) {
  const std::vector<std::string> expected = {
      "Rundung: kaufm.",
      "Anzahl der Dezimalstellen des Prozentsatzes = 3",
      "Anzahl der Dezimalstellen der Zwischenergebnisse = 5",
      "Anzahl der Dezimalstellen der Endergebnisse = 2",
      "----------------------------------------------------",
      "Zwischenergebnis:",
      "        100,000 % =       250,00000",
      "         12,500 % =        31,25000",
      "         87,500 % =       218,75000",
      "----------------------------------------------------",
      "Endergebnis:",
      "        100,000 % =          250,00",
      "         12,500 % =           31,25",
      "         87,500 % =          218,75",
  };
  EXPECT_EQ(TakePercent({"250", "12,5", 0, 3, 5, 2}), expected);
  EXPECT_EQ(TakePercent({"250", "12,5", 5, 3, 5, 2}), std::vector<std::string>{});
}

TEST(TakePercent, PointSeparator) {
  SeparatorScope point('.');
  const std::vector<std::string> lines = TakePercent({"250", "12.5", 2, 3, 5, 2});
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "Rundung: mathe.");
  EXPECT_EQ(lines[12], "         12.500 % =           31.25");
}

}  // namespace
}  // namespace engine

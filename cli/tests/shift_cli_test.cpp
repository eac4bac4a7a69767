// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(ShiftCli, MovesByEachUnitForwardAndBack) {
  const struct {
    const char* date;
    const char* count;
    const char* unit;
    const char* calendar;
    const char* out;
  } kCases[] = {
      {"31.01.2024", "+1", "monat", "G", "29.02.2024\n"},
      {"31.01.2024", "1", "Monate", "G", "29.02.2024\n"},
      {"31.01.2024", "-1", "monat", "G", "31.12.2023\n"},
      {"29.02.2024", "+1", "jahr", "G", "28.02.2025\n"},
      {"29.02.2024", "-1", "woche", "G", "22.02.2024\n"},
      {"31.01.2024", "+1", "tag", "G", "01.02.2024\n"},
      {"31.01.2024", "0", "tage", "G", "31.01.2024\n"},
      {"28.02.1500", "+1", "tag", "J", "29.02.1500\n"},
      {"29.02.1500", "+1", "jahr", "J", "28.02.1501\n"},
      {"31.12.2999", "+1", "monat", "G", "31.01.3000\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli({"verschiebe", c.date, c.count, c.unit, "--kalender", c.calendar});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << c.date << " " << c.count << " " << c.unit;
    EXPECT_EQ(r.err, "");
  }
}

// Guards against a forward move past the range ending at 01.01.0001.
TEST(ShiftCli, PastTheRangeHoldsAtItsEndWithTheMessage) {
  const struct {
    const char* date;
    const char* count;
    const char* unit;
    const char* calendar;
    const char* out;
  } kCases[] = {
      {"31.12.3000", "+1", "tag", "G", "31.12.3000\n"},
      {"01.06.2024", "+999999", "jahr", "G", "31.12.3000\n"},
      {"01.06.2024", "-999999", "monat", "G", "01.01.0001\n"},
      {"31.12.2999", "+1", "woche", "J", "31.12.2999\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli({"verschiebe", c.date, c.count, c.unit, "--kalender", c.calendar});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << c.date;
    EXPECT_EQ(r.err.rfind("Hinweis: ", 0), 0u) << r.err;
  }
}

TEST(ShiftCli, Json) {
  const CliRun r = Cli({"verschiebe", "31.12.3000", "+2", "tag", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["datum"], "31.12.3000");
  EXPECT_EQ(json["tagnummer"], 2817152);
  EXPECT_EQ(json["anzahl"], 2);
  EXPECT_TRUE(json["meldung"].is_string());
  const CliRun plain = Cli({"verschiebe", "31.01.2024", "-3", "woche", "--json"});
  ASSERT_EQ(plain.code, 0) << plain.err;
  EXPECT_TRUE(nlohmann::json::parse(plain.out)["meldung"].is_null());
}

TEST(ShiftCli, RefusesOddInput) {
  const RefusedCase kCases[] = {
      {{"verschiebe", "31.02.2024", "+1", "tag"}, "Fehler"},
      {{"verschiebe", "31.01.2024", "x", "tag"}, "Anzahl"},
      {{"verschiebe", "31.01.2024", "+", "tag"}, "Anzahl"},
      {{"verschiebe", "31.01.2024", "1000000", "tag"}, "Anzahl"},
      {{"verschiebe", "31.01.2024", "+1", "stunde"}, "Einheit"},
      {{"verschiebe", "31.01.2024", "+1", ""}, "Einheit"},
      {{"verschiebe", "31.01.2024", "+1", "monat", "--kalender", "J"}, "Julianischen"},
      {{"verschiebe", "31.01.2024", "+1", "tag", "--kalender", "X"}, "Fehler"},
  };
  ExpectRefused(kCases);
}

}  // namespace
}  // namespace cli

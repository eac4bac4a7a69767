// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(TimeCli, PrintsZoneStateAndSwitch) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"zeit", "29.03.2020"},
       "Zone: MESZ\nStatus: 2\nUmstellungscode: 3\n"
       "Umstellung: Sommerzeit: 02:00 MEZ = 03:00 MESZ\n"},
      {{"zeit", "01.07.2020", "--land", "A-W"},
       "Zone: MESZ\nStatus: 2\nUmstellungscode: 0\nUmstellung: keine\n"},
      // The default region is Lower Saxony, which had zone time from 1893.
      {{"zeit", "31.03.1893"},
       "Zone: MOZ\nStatus: 1\nUmstellungscode: 0\nUmstellung: MEZ erst ab 01.04.1893\n"},
      {{"zeit", "31.03.1893", "--land", "D-BY"},
       "Zone: MEZ\nStatus: 1\nUmstellungscode: 0\nUmstellung: keine\n"},
      // 16.03.2020 of the Julian calendar is 29.03.2020 of the Gregorian one.
      {{"zeit", "16.03.2020", "--kalender", "J", "--land", "D-BE"},
       "Zone: MESZ\nStatus: 2\nUmstellungscode: 3\n"
       "Umstellung: Sommerzeit: 02:00 MEZ = 03:00 MESZ\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[1] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
    EXPECT_EQ(r.err, "");
  }
}

TEST(TimeCli, JsonHasTheEngineTexts) {
  const CliRun r = Cli({"zeit", "24.05.1945", "--land", "D-BE", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["zone"], "MEHSZ");
  EXPECT_EQ(json["status"], 3);
  EXPECT_EQ(json["umstellung_code"], 0);
  EXPECT_EQ(json["umstellung"], "Hochsommerzeit: 02:00 MESZ = 03:00 MEHSZ\n\r");
  EXPECT_EQ(json.size(), 4u);

  const auto austria =
      nlohmann::json::parse(Cli({"zeit", "06.04.1980", "--land", "A", "--json"}).out);
  EXPECT_EQ(austria["umstellung_code"], 0);
  EXPECT_EQ(austria["umstellung"], "Sommerzeit: 00:00 MEZ = 01:00 MESZ\n\r");
}

TEST(TimeCli, InvalidInputExitsWithTwo) {
  const RefusedCase kCases[] = {
      {{"zeit", "31.04.2001"}, "Der April 2001 hat nur 30 Tage."},
      {{"zeit", "2020-03-29"}, "kein Datum der Form TT.MM.JJJJ"},
      {{"zeit", "01.01.2000", "--land", ""}, "Land \"\" ist unbekannt"},
      {{"zeit", "01.01.2000", "--land", "Atlantis"}, "Land \"Atlantis\" ist unbekannt"},
      {{"zeit", "01.01.2000", "--kalender", "X"}, "Kalender \"X\" ist unbekannt"},
      {{"zeit"}, "ungültiger Aufruf"},
  };
  ExpectRefused(kCases);
}

}  // namespace
}  // namespace cli

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(BridgeCli, StretchesOfAYearAndARange) {
  const CliRun bavaria = Cli({"brueckentage", "2026", "--land", "bayern"});
  ASSERT_EQ(bavaria.code, 0) << bavaria.err;
  EXPECT_EQ(bavaria.out,
            "Fr 02.01.2026: 1 Urlaubstag → 4 freie Tage, 01.01.–04.01.2026\n"
            "Mo 05.01.2026: 1 Urlaubstag → 4 freie Tage, 03.01.–06.01.2026\n"
            "Fr 15.05.2026: 1 Urlaubstag → 4 freie Tage, 14.05.–17.05.2026\n"
            "Fr 05.06.2026: 1 Urlaubstag → 4 freie Tage, 04.06.–07.06.2026\n");
  const CliRun range = Cli({"brueckentage", "2026-2027", "--land", "D-NI"});
  ASSERT_EQ(range.code, 0) << range.err;
  EXPECT_EQ(range.out.find("Fr 02.01.2026"), 0u);
  EXPECT_NE(range.out.find(".2027:"), std::string::npos);
  const CliRun none = Cli({"brueckentage", "1850", "--land", "D-NI"});
  EXPECT_EQ(none.code, 0);
  EXPECT_EQ(none.out, "Keine Brückentage in Niedersachsen.\n");
}

TEST(BridgeCli, Json) {
  const CliRun r = Cli({"brueckentage", "2026", "--land", "D-NI", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["land"], "D-NI");
  EXPECT_EQ(json["land_name"], "Niedersachsen");
  ASSERT_EQ(json["brueckentage"].size(), 2u);
  const auto& ascension = json["brueckentage"][1];
  EXPECT_EQ(ascension["urlaub_von"], "15.05.2026");
  EXPECT_EQ(ascension["urlaubstage"], 1);
  EXPECT_EQ(ascension["frei_von"], "14.05.2026");
  EXPECT_EQ(ascension["frei_bis"], "17.05.2026");
  EXPECT_EQ(ascension["freie_tage"], 4);
}

TEST(BridgeCli, RefusalsExitWithTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"brueckentage", "3001"}, "nicht zwischen 1 und 3000"},
      {{"brueckentage", "2027-2026"}, "erste Jahr nach dem letzten"},
      {{"brueckentage", "2026", "--land", "XY"}, "\"XY\" ist unbekannt"},
      {{"brueckentage"}, "ungültiger Aufruf"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace cli

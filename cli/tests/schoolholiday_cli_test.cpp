// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(SchoolHolidayCli, AYearOfLowerSaxonyWithItsSource) {
  const CliRun r = Cli({"ferien", "2024", "--land", "niedersachsen"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.find("Weihnachtsferien Niedersachsen 27.12.2023–05.01.2024\n"), 0u);
  EXPECT_NE(r.out.find("Herbstferien Niedersachsen 04.10.–19.10.2024\n"), std::string::npos);
  EXPECT_TRUE(
      r.out.ends_with("Weihnachtsferien Niedersachsen 23.12.2024–04.01.2025\n"
                      "Schulferien: OpenHolidays, ODbL 1.0\n"));
}

TEST(SchoolHolidayCli, JsonNamesDaysAndSource) {
  const CliRun r = Cli({"ferien", "2024", "--land", "D-NI", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["land"], "D-NI");
  EXPECT_EQ(json["quelle"], "Schulferien: OpenHolidays, ODbL 1.0");
  bool autumn = false;
  for (const auto& h : json["ferien"]) {
    if (h["name"] == "Herbstferien") {
      autumn = true;
      EXPECT_EQ(h["von"], "04.10.2024");
      EXPECT_EQ(h["bis"], "19.10.2024");
      EXPECT_EQ(h["tage"], 16);
    }
  }
  EXPECT_TRUE(autumn);
}

TEST(SchoolHolidayCli, NoDataIsNoError) {
  for (const char* region : {"D", "HR", "A-W"}) {
    const CliRun r = Cli({"ferien", "2040", "--land", region});
    EXPECT_EQ(r.code, 0) << region << r.err;
    EXPECT_EQ(r.out.rfind("Keine Schulferien für ", 0), 0u) << r.out;
  }
}

TEST(SchoolHolidayCli, RefusalsExitWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"ferien", "3001"}, {"ferien", "2026", "--land", "XY"}, {"ferien"}}) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.code, 2) << args.size();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Fehler: ", 0), 0u) << r.err;
  }
}

}  // namespace
}  // namespace cli

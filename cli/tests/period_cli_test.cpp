// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(PeriodCli, OneLinePerLineOfTheText) {
  const CliRun r =
      Cli({"zeitraum", "15.03.2023", "10.02.2025", "--start", "exkl", "--ende", "inkl"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Vom 15.03.2023 (exkl.) bis 10.02.2025 (inkl.):\n"
            "\n"
            "1 Zeitjahr, 332 Tage\n"
            "1 Zeitjahr, 10 Zeitmonate, 26 Tage\n"
            "1 Zeitjahr, 10 Zeitmonate, 3 Zeitwochen, 5 Tage\n"
            "22 Zeitmonate, 26 Tage\n"
            "22 Zeitmonate, 3 Zeitwochen, 5 Tage\n"
            "99 Zeitwochen, 5 Tage\n"
            "698 Tage\n"
            "1 Kalenderjahr, 332 Tage\n"
            "          (291 Tage in 2023, 41 Tage in 2025)\n"
            "1 Kalenderjahr, 10 Kalendermonate, 26 Tage\n"
            "          (9 Kalendermonate, 16 Tage in 2023\n"
            "           1 Kalendermonat, 10 Tage in 2025)\n"
            "0 Röm.Kalenderjahre, 698 Tage\n"
            "          (351 Tage in 2023*, 347 Tage in 2024)\n"
            "0 Röm.Kalenderjahre, 22 Röm.Kalendermonate, 26 Tage\n"
            "          (11 Röm.Kalendermonate, 16 Tage in 2023*\n"
            "           11 Röm.Kalendermonate, 10 Tage in 2024)\n");
}

TEST(PeriodCli, DefaultsAreTheToggles) {
  // Start inclusive, end exclusive: 01.01. to 01.01. of the next year is one year.
  const CliRun r = Cli({"zeitraum", "01.01.2023", "01.01.2024"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(
      r.out.starts_with("Vom 01.01.2023 (inkl.) bis 01.01.2024 (exkl.):\n\n1 Zeitjahr, 0 Tage\n"))
      << r.out;
  EXPECT_NE(r.out.find("\n1 Kalenderjahr, 0 Tage\n1 Kalenderjahr, 0 Kalendermonate, 0 Tage\n0 Röm"),
            std::string::npos)
      << r.out;
}

TEST(PeriodCli, Json) {
  const CliRun r = Cli({"zeitraum", "10.02.2025", "10.02.2025", "--start", "exkl", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["tage"], 0);
  EXPECT_EQ(json["start_inklusiv"], false);
  EXPECT_EQ(json["kalenderjahre"]["jahre"], 0);
  EXPECT_EQ(json["kalenderjahre"]["tage"], 0);
  EXPECT_EQ(json["roem_kalenderjahre"]["jahre"], 0);
  EXPECT_EQ(json["zeilen"].size(), 13u);
  EXPECT_EQ(json["zeilen"][8], "0 Tage");

  const auto year = nlohmann::json::parse(
      Cli({"zeitraum", "15.03.2023", "10.02.2025", "--start", "exkl", "--ende", "inkl", "--json"})
          .out);
  EXPECT_EQ(year["tage"], 698);
  EXPECT_EQ(year["wochen"], 99);
  EXPECT_EQ(year["wochen_resttage"], 5);
  EXPECT_EQ(year["zeitjahre"], 1);
  EXPECT_EQ(year["tage_nach_zeitjahren"], 332);
  EXPECT_EQ(year["zeitmonate"], 10);
  EXPECT_EQ(year["tage_nach_zeitmonaten"], 26);
  EXPECT_EQ(year["kalenderjahre"]["tage_erstes_jahr"], 291);
  EXPECT_EQ(year["roem_kalenderjahre"]["tage_letztes_jahr"], 347);
}

TEST(PeriodCli, InvalidInputExitsWithTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"zeitraum", "11.02.2025", "10.02.2025"},
       "Das Anfangsdatum darf NICHT größer sein als das Enddatum!"},
      {{"zeitraum", "10.02.2025", "31.02.2025"}, "Der Februar 2025 hat nur 28 Tage."},
      {{"zeitraum", "10.02.2025", "11.02.2025", "--start", "ja"}, "--start \"ja\" ist unbekannt"},
      {{"zeitraum", "10.02.2025", "11.02.2025", "--ende", ""}, "--ende \"\" ist unbekannt"},
      {{"zeitraum", "10.02.2025"}, "ungültiger Aufruf"},
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

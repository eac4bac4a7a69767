// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(DeadlineCli, Table) {
  const CliRun r = Cli({"frist", "31.01.2023"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Fristbeginn: 31.01.2023, Di\n"
            "Land: Niedersachsen (D-NI)\n"
            "Frist      rohes Ende  Fristende\n"
            "1 Woche    07.02.2023  07.02.2023, Di\n"
            "2 Wochen   14.02.2023  14.02.2023, Di\n"
            "3 Wochen   21.02.2023  21.02.2023, Di\n"
            "4 Wochen   28.02.2023  28.02.2023, Di\n"
            "1/2 Monat  15.02.2023  15.02.2023, Mi\n"
            "1 Monat    28.02.2023  28.02.2023, Di\n"
            "2 Monate   31.03.2023  31.03.2023, Fr\n"
            "3 Monate   30.04.2023  02.05.2023, Di\n"
            "6 Monate   31.07.2023  31.07.2023, Mo\n"
            "9 Monate   31.10.2023  01.11.2023, Mi\n"
            "1/4 Jahr   30.04.2023  02.05.2023, Di\n"
            "1/2 Jahr   31.07.2023  31.07.2023, Mo\n"
            "1 Jahr     31.01.2024  31.01.2024, Mi\n");
  EXPECT_EQ(r.err, "");
}

TEST(DeadlineCli, Json) {
  const CliRun r = Cli({"frist", "23.05.2024", "--land", "Nordrhein-Westfalen", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["fristbeginn"], "23.05.2024");
  EXPECT_EQ(json["wochentag"], "Do");
  EXPECT_EQ(json["land"], "D-NW");
  EXPECT_EQ(json["land_name"], "Nordrhein-Westfalen");
  ASSERT_EQ(json["fristen"].size(), 13u);
  EXPECT_EQ(json["fristen"][0], (nlohmann::json{{"frist", "1 Woche"},
                                                {"rohes_ende", "30.05.2024"},
                                                {"fristende", "31.05.2024"},
                                                {"wochentag", "Fr"}}));

  // Ends after 31.12.3000: the raw end stays, end and weekday are empty.
  const auto late = nlohmann::json::parse(Cli({"frist", "15.12.3000", "--json"}).out);
  EXPECT_EQ(late["fristen"][2]["rohes_ende"], "05.01.3001");
  EXPECT_EQ(late["fristen"][2]["fristende"], "");
  EXPECT_EQ(late["fristen"][2]["wochentag"], "");
  EXPECT_EQ(late["fristen"][1]["fristende"], "29.12.3000");

  const CliRun plain = Cli({"frist", "15.12.3000"});
  EXPECT_NE(plain.out.find("\n2 Wochen   29.12.3000  29.12.3000, Mo\n3 Wochen   05.01.3001\n"),
            std::string::npos)
      << plain.out;
}

TEST(DeadlineCli, CopyText) {
  const CliRun r = Cli({"frist", "31.01.2023", "--text"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(
      r.out.starts_with("Fristenberechnung nach § 187 I BGB\nFristbeginn: 31.01.2023, Di\n"
                        "Niedersachsen\nFrist      Fristende\n1 Woche    07.02.2023, Di\n"));
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("so sind die 15 Tage zuletzt zu zählen.\n"));
}

TEST(DeadlineCli, WorkingDay) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"werktag", "11.02.2023"}, "13.02.2023\n"},
      {{"werktag", "11.02.2023", "--samstag"}, "11.02.2023\n"},
      {{"werktag", "30.03.2024"}, "02.04.2024\n"},
      {{"werktag", "30.05.2024", "--land", "D-NW"}, "31.05.2024\n"},
      {{"werktag", "08.03.2023", "--land", "D-BE"}, "09.03.2023\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[1] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
  }
  const auto json = nlohmann::json::parse(Cli({"werktag", "11.02.2023", "--json"}).out);
  EXPECT_EQ(json["werktag"], "13.02.2023");
  EXPECT_EQ(json["wochentag"], "Mo");
}

TEST(DeadlineCli, InvalidInputExitsWithTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"frist", "31.02.2023"}, "Der Februar 2023 hat nur 28 Tage."},
      {{"frist", "01.01.3001"}, "außerhalb des unterstützten Bereichs"},
      {{"frist", "2023-01-31"}, "kein Datum der Form TT.MM.JJJJ"},
      {{"frist", "31.01.2023", "--land", "Atlantis"}, "Land \"Atlantis\" ist unbekannt"},
      {{"frist"}, "ungültiger Aufruf"},
      {{"werktag", "32.01.2023"}, "Der Tag muss zwischen 01 und 31 liegen."},
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

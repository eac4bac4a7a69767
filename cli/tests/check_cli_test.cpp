// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(CheckCli, ValuesTheDateEditChecks) {
  const struct {
    std::vector<std::string> args;
    int code;
    std::string out;
    std::vector<std::string> titles;  // the messages on stderr, in order
  } kCases[] = {
      {{"pruefe", "datum", "28.02.2003"}, 0, "28.02.2003\n", {}},
      {{"pruefe", "datum", "5.3.2003"}, 0, "05.03.2003\n", {}},
      {{"pruefe", "datum", "31.02.2003"}, 3, "28.02.2003\n", {"Ungültiges Datum"}},
      {{"pruefe", "datum", "31.13.2003"}, 3, "31.12.2003\n", {}},
      {{"pruefe", "datum", "01.01.0001", "--kalender", "J"},
       3,
       "03.01.0001\n",
       {"Außerhalb des Kalenderbereiches"}},
      {{"pruefe", "datum", "15.06.3001"}, 3, "15.06.3000\n", {"Außerhalb des Kalenderbereiches"}},
      {{"pruefe", "tag", "366.2003"}, 3, "365.2003\n", {"Ungültiges Datum"}},
      {{"pruefe", "tag", "366.2004"}, 0, "366.2004\n", {}},
      {{"pruefe", "tag", "000.2004"}, 3, "001.2004\n", {"Ungültiges Datum"}},
      {{"pruefe", "woche", "53.2021"}, 3, "52.2021\n", {"Ungültige Woche"}},
      {{"pruefe", "woche", "53.2020"}, 0, "53.2020\n", {}},
      {{"pruefe", "jd", "1000000"}, 3, "1721426\n", {"Außerhalb des Kalenderbereiches"}},
      {{"pruefe", "jd", "2900000", "--kalender", "J"},
       3,
       "2816807\n",
       {"Außerhalb des Kalenderbereiches"}},
      {{"pruefe", "jd", "2452998"}, 0, "2452998\n", {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args[1] + " " + c.args[2]);
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, c.out);
    std::size_t lines = 0;
    for (char ch : run.err) lines += ch == '\n';
    EXPECT_EQ(lines, c.titles.size()) << run.err;
    std::size_t at = 0;
    for (const std::string& title : c.titles) {
      at = run.err.find(title + ": ", at);
      EXPECT_NE(at, std::string::npos) << run.err;
    }
  }
}

TEST(CheckCli, TextThatIsNoValueIsRefused) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"pruefe", "datum", "ab.cd.efgh"},
           {"pruefe", "datum", "2412200399"},
           {"pruefe", "tag", "1.2.2003"},
           {"pruefe", "woche", ""},
           {"pruefe", "jd", "28171520"},
           {"pruefe", "monat", "12.2003"},
           {"pruefe", "datum", "01.01.2003", "--kalender", "X"},
       }) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, 2) << args[2];
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err.rfind("Fehler: ", 0), 0u) << run.err;
  }
}

TEST(CheckCli, JsonNamesEveryMessage) {
  const CliRun run = Cli({"pruefe", "datum", "29.02.3001", "--json"});
  EXPECT_EQ(run.code, 3);
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["wert"], "28.02.3000");
  EXPECT_EQ(json["jd"], 2817152 - 306);  // 306 days before 31.12.3000
  EXPECT_EQ(json["angenommen"], false);
  ASSERT_EQ(json["meldungen"].size(), 2u);
  EXPECT_EQ(json["meldungen"][0]["nummer"], 6);
  EXPECT_EQ(json["meldungen"][1]["nummer"], 9);
}

}  // namespace
}  // namespace cli

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(EasterCli, EasterSundayInTheChosenCalendar) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"ostern", "2024"}, "31.03.2024\n"},
      {{"ostern", "2000"}, "23.04.2000\n"},
      {{"ostern", "1583"}, "10.04.1583\n"},
      {{"ostern", "2299", "--kalender", "G"}, "16.04.2299\n"},
      {{"ostern", "2300"}, "08.04.2300\n"},
      {{"ostern", "2500"}, "18.04.2500\n"},
      {{"ostern", "3000"}, "13.04.3000\n"},
      {{"ostern", "1582", "--kalender", "J"}, "15.04.1582\n"},
      {{"ostern", "2024", "-k", "J"}, "22.04.2024\n"},
      {{"ostern", "1", "--kalender=J"}, "27.03.0001\n"},
      {{"ostern", "3000", "-k", "J"}, "30.03.3000\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[1] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
    EXPECT_EQ(r.err, "");
  }
}

TEST(EasterCli, Json) {
  const CliRun r = Cli({"ostern", "2024", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["jahr"], 2024);
  EXPECT_EQ(json["kalender"], "G");
  EXPECT_EQ(json["ostersonntag"], "31.03.2024");
  EXPECT_EQ(json["tag_des_jahres"], 91);
  const auto julian = nlohmann::json::parse(Cli({"ostern", "1582", "-k", "J", "--json"}).out);
  EXPECT_EQ(julian["kalender"], "J");
  EXPECT_EQ(julian["tag_des_jahres"], 105);
}

TEST(EasterCli, YearWithoutEasterExitsWithTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"ostern", "3001"}, "Für das Jahr 3001 wird kein Osterdatum berechnet"},
      {{"ostern", "1582"}, "gregorianisch 1583 bis 3000"},
      {{"ostern", "0", "-k", "J"}, "julianisch 1 bis 3000"},
      {{"ostern", "3001", "-k", "J"}, "Für das Jahr 3001 wird kein Osterdatum berechnet"},
      {{"ostern", "zwei"}, "\"zwei\" ist keine ganze Jahreszahl."},
      {{"ostern", "2024x"}, "keine ganze Jahreszahl"},
      {{"ostern", "99999999999"}, "keine ganze Jahreszahl"},
      {{"ostern", "2024", "-k", "X"}, "Kalender \"X\" ist unbekannt"},
      {{"ostern"}, "ungültiger Aufruf"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Fehler: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace cli

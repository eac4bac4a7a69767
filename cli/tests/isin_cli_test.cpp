// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(IsinCli, IsinAloneOnALine) {
  const struct {
    const char* wkn;
    const char* out;
  } kCases[] = {
      {"555750", "DE0005557508\n"},       {"514000", "DE0005140008\n"},
      {"716460", "DE0007164600\n"},       {"840400", "DE0008404005\n"},
      {"BASF11", "DE000BASF111\n"},       {"a1b2c3", "DE000A1B2C35\n"},
      {"DE0005557508", "DE0005557508\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli({"isin", c.wkn});
    EXPECT_EQ(r.code, 0) << c.wkn << r.err;
    EXPECT_EQ(r.out, c.out) << c.wkn;
  }
}

TEST(IsinCli, Json) {
  const CliRun r = Cli({"isin", "basf11", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out), (nlohmann::json{{"eingabe", "basf11"},
                                                          {"wkn", "BASF11"},
                                                          {"isin", "DE000BASF111"},
                                                          {"pruefziffer", "1"}}));
}

TEST(IsinCli, TooFewCharactersExitWithTwo) {
  const struct {
    const char* wkn;
    const char* message;
  } kCases[] = {
      {"55 750", "gelesen wurde nur \"55\""},
      {"", "gelesen wurde nur \"\""},
      {"stra\xc3\x9f"
       "e1",
       "gelesen wurde nur \"STRA\""},
      {"DE0005557507", "die Prüfziffer der ISIN ist falsch (richtig wäre DE0005557508)"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli({"isin", c.wkn});
    EXPECT_EQ(r.code, 2) << c.wkn;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace cli

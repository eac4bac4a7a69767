// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include "cli/tests/cli_run.h"

namespace cli {
namespace {

bool HasLine(const std::string& out, const std::string& line) {
  return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

TEST(FormatCli, PrintsEveryFormAsNameAndValue) {
  const CliRun r = Cli({"formate", "08.12.2026", "12:30", "--offset", "+01:00"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("DD-MM-YYYY: 08-12-2026\n", 0), 0u) << r.out;
  for (const char* line :
       {"D.M.YY: 8.12.26", "german_short: 08 Dez 2026", "french: 8 décembre 2026",
        "utc: 08.12.2026, 11:30 UTC 00:00", "xsdatetime: 2026-12-08T12:30+01:00",
        "xsdatetime_utc: 2026-12-08T11:30Z", "jd: 2461382,97917", "mjd: 61382,47917",
        "tdatetime: 46364,47917", "unix: 1796729400", "dtg: 081230Adec26",
        "timestamp_zone: 20261208123000000p0100"}) {
    EXPECT_TRUE(HasLine(r.out, line)) << line << '\n' << r.out;
  }
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 67);
}

TEST(FormatCli, DefaultsToMidnightAtPlusOneHour) {
  const CliRun r = Cli({"formate", "01.01.1970"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(HasLine(r.out, "utc: 31.12.1969, 23:00:00 UTC 00:00")) << r.out;
  EXPECT_TRUE(HasLine(r.out, "unix: -3600")) << r.out;
  EXPECT_TRUE(HasLine(r.out, "xsdatetime: 1970-01-01T00:00:00+01:00")) << r.out;
}

TEST(FormatCli, NegativeOffsetInBothSpellings) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"formate", "31.12.2026", "23:30", "--offset", "-01:00"},
        std::vector<std::string>{"formate", "31.12.2026", "23:30", "--offset=-01:00"}}) {
    const CliRun r = Cli(args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(HasLine(r.out, "utc: 01.01.2027, 00:30 UTC 00:00")) << r.out;
    EXPECT_TRUE(HasLine(r.out, "dtg: 312330Ndec26")) << r.out;
    EXPECT_TRUE(HasLine(r.out, "dtg_utc: 010030Zjan27")) << r.out;
  }
}

TEST(FormatCli, JsonHasTheFixedKeysAndOnePerForm) {
  const CliRun r = Cli({"formate", "08.12.2026", "12:00", "--offset", "+00:00", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["utc"], "08.12.2026, 12:00 UTC 00:00");
  EXPECT_EQ(json["xsdatetime"], "2026-12-08T12:00+00:00");
  EXPECT_EQ(json["xsdatetime_utc"], "2026-12-08T12:00Z");
  EXPECT_EQ(json["jd"], "2461383,0");
  EXPECT_EQ(json["mjd"], "61382,5");
  EXPECT_EQ(json["tdatetime"], "46364,5");
  EXPECT_EQ(json["unix"], 1796731200);
  EXPECT_TRUE(json["unix"].is_number_integer());
  EXPECT_EQ(json["dtg"], "081200Zdec26");
  EXPECT_EQ(json["DD.MM.YYYY"], "08.12.2026");
  EXPECT_EQ(json["spanish_yy"], "8 de diciembre de 26");
  EXPECT_EQ(json.size(), 67u);
}

TEST(FormatCli, EarlyDatesShowTheEpochTexts) {
  const auto json = nlohmann::json::parse(
      Cli({"formate", "16.11.1858", "23:00", "--offset", "+00:00", "--json"}).out);
  EXPECT_EQ(json["mjd"], "<<<17.11.1858, 00:00 UTC");
  EXPECT_EQ(json["tdatetime"], "<<<30.12.1899, 00:00 UTC");
  EXPECT_EQ(json["unix"], -3'506'720'400LL);
}

TEST(FormatCli, InvalidInputExitsWithTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"formate", "31.04.2026"}, "Der April 2026 hat nur 30 Tage."},
      {{"formate", "2026-12-08"}, "kein Datum der Form TT.MM.JJJJ"},
      {{"formate", "01.01.3001"}, "außerhalb des unterstützten Bereichs"},
      {{"formate", "08.12.2026", "12"}, "\"12\" ist keine Uhrzeit der Form hh:mm"},
      {{"formate", "08.12.2026", "+12:00"}, "ist keine Uhrzeit der Form"},
      {{"formate", "08.12.2026", "25:00"}, "\"25:00\": Stunden gehen von 00 bis 23"},
      {{"formate", "08.12.2026", "12:60:00"}, "Minuten und Sekunden von 00 bis 59"},
      {{"formate", "08.12.2026", "--offset", "+1:00"}, "\"+1:00\" ist kein Zeitversatz"},
      {{"formate", "08.12.2026", "--offset", "01:00"}, "ist kein Zeitversatz der Form"},
      {{"formate", "08.12.2026", "--offset", "+24:00"}, "zwischen -23:59 und +23:59"},
      {{"formate", "08.12.2026", "--offset=-05:60"}, "zwischen -23:59 und +23:59"},
      {{"formate"}, "ungültiger Aufruf"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_EQ(r.out, "") << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace cli

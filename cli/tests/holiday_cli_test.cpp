// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/common.h"
#include "cli/tests/cli_run.h"
#include "engine/environment.h"
#include "engine/tests/clock_scope.h"

namespace cli {
namespace {

TEST(HolidayCli, LineListOfAYear) {
  const CliRun r = Cli({"feiertage", "2024", "--land", "D-BY"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("2024\ngesetzliche Feiertage in Bayern:\nMo.01.01.2024 Neujahr,\n", 0), 0u);
  EXPECT_EQ(r.out.substr(r.out.size() - 24), "Di.31.12.2024 Silvester\n");
}

// --land takes a region name in any case and prints the region as with its code.
TEST(HolidayCli, RegionNameInAnyCase) {
  const std::string byCode = Cli({"feiertage", "2024", "--land", "D-BY"}).out;
  for (const char* name : {"Bayern", "bayern", "BAYERN", "d-by"}) {
    const CliRun r = Cli({"feiertage", "2024", "--land", name});
    ASSERT_EQ(r.code, 0) << name << r.err;
    EXPECT_EQ(r.out, byCode) << name;
  }
  const CliRun croatia = Cli({"feiertage", "2024", "--land", "hr", "--gesetzlich", "--json"});
  ASSERT_EQ(croatia.code, 0) << croatia.err;
  EXPECT_EQ(croatia.out, Cli({"feiertage", "2024", "--land", "HR", "--gesetzlich", "--json"}).out);
}

TEST(HolidayCli, LegalOnlyOverARange) {
  const CliRun r = Cli({"feiertage", "2024-2025", "--land", "D-BY", "--gesetzlich"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("01.01.2024 Montag Neujahr\n06.01.2024 Samstag Heilige Drei Könige\n", 0),
            0u);
  EXPECT_NE(r.out.find("26.12.2024 Donnerstag 2. Weihnachtstag\n01.01.2025 Mittwoch Neujahr\n"),
            std::string::npos);
  std::size_t lines = 0;
  for (char c : r.out) lines += c == '\n';
  EXPECT_EQ(lines, 28u);  // 14 legal days in each year
}

TEST(HolidayCli, JsonArrayOfDays) {
  const CliRun r = Cli({"feiertage", "2024", "--land", "D-NI", "--gesetzlich", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  ASSERT_TRUE(json.is_array());
  ASSERT_EQ(json.size(), 12u);  // 10 + Easter Sunday and Whit Sunday
  EXPECT_EQ(json[0]["datum"], "01.01.2024");
  EXPECT_EQ(json[0]["wochentag"], 1);
  EXPECT_EQ(json[0]["namen"], "Neujahr");
  EXPECT_EQ(json[0]["gesetzlich"], true);
  EXPECT_EQ(json[9]["namen"], "Reformationstag");
  const auto empty =
      nlohmann::json::parse(Cli({"feiertage", "2024", "--land", "DK", "--json"}).out);
  EXPECT_TRUE(empty.is_array());
  EXPECT_FALSE(empty.empty());
}

// The rows are written by hand; every byte must come back as it went in.
TEST(HolidayCli, JsonStringsReadBackUnchanged) {
  std::vector<std::string> texts = {"", "Mariä Lichtmeß", "a\"b\\c", "Tab\tund\nZeile\r"};
  std::string controls;
  for (char c = 1; c < 0x20; ++c) controls += c;
  texts.push_back(controls);
  texts.push_back(std::string("nul\0mitten", 11));
  for (const std::string& text : texts) {
    std::string json;
    AppendJsonString(json, text);
    EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(), text) << json;
  }
}

TEST(HolidayCli, BadYearsExitWithTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"feiertage", "3001"}, "Das Jahr 3001 liegt nicht zwischen 1 und 3000."},
      {{"feiertage", "0"}, "Das Jahr 0 liegt nicht zwischen 1 und 3000."},
      {{"feiertage", "2025-2024"}, "liegt das erste Jahr nach dem letzten"},
      {{"feiertage", "20x4"}, "ist kein Jahr und keine Jahresspanne"},
      {{"feiertage", "-5"}, "Das Jahr -5 liegt nicht zwischen 1 und 3000."},
      {{"monat", "13.2024"}, "ist kein Monat der Form MM.JJJJ"},
      {{"monat", "2024-01"}, "ist kein Monat der Form MM.JJJJ"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.args[1];
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST(MonthCli, SheetInAPipe) {
  const CliRun r = Cli({"monat", "10.2024", "--land", "D-NI"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Oktober 2024 - Niedersachsen\n"
            "KW   Mo  Di  Mi  Do  Fr  Sa  So\n"
            "40        1   2   3*  4   5   6 \n"
            "41    7   8   9  10  11  12  13 \n"
            "42   14  15  16  17  18  19  20 \n"
            "43   21  22  23  24  25  26  27 \n"
            "44   28  29  30  31*            \n"
            "45                              \n"
            "\n"
            "Feiertage:\n"
            "Do.03.10.2024 Tag der deutschen Einheit (gesetzl.)\n"
            "So.06.10.2024 Erntedanktag\n"
            "Do.31.10.2024 Reformationstag (gesetzl.)\n");
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
}

TEST(MonthCli, ColoursOnlyOnATerminal) {
  const engine::ClockScope clock(engine::LocalDateTime{2024, 10, 3, 12, 0, 0, 0});
  const CliRun r = Cli({"monat"}, true);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Oktober 2024 - Niedersachsen\n", 0), 0u);
  EXPECT_NE(r.out.find("\x1b[95m\x1b[7m  3*"), std::string::npos);  // today, a legal holiday
  EXPECT_NE(r.out.find("\x1b[90m 30 "), std::string::npos);         // 30 September
  EXPECT_NE(r.out.find("\x1b[91m  6 "), std::string::npos);         // a Sunday
}

}  // namespace
}  // namespace cli

// SPDX-License-Identifier: MIT
#include "cli/tests/cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "engine/version.h"

namespace cli {
namespace {

TEST(Cli, DayNumberConversions) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"jd", "01.01.2000"}, "2451545\n"},
      {{"jd", "01.01.2000", "--kalender", "J"}, "2451558\n"},
      {{"jd", "04.10.1582", "-k", "J"}, "2299160\n"},
      {{"datum", "2299161"}, "15.10.1582\n"},
      {{"datum", "2299161", "--kalender=J"}, "05.10.1582\n"},
      {{"datum", "1721426", "--kalender", "J"}, "03.01.0001\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[0] << ' ' << c.args[1] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[0] << ' ' << c.args[1];
    EXPECT_EQ(r.err, "");
  }
}

TEST(Cli, JsonDescribesTheDay) {
  const CliRun r = Cli({"jd", "31.12.2024", "--json"});
  ASSERT_EQ(r.code, 0);
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["jd"], 2460676);
  EXPECT_EQ(json["datum"], "31.12.2024");
  EXPECT_EQ(json["kalender"], "G");
  EXPECT_EQ(json["wochentag"], 2);
  EXPECT_EQ(json["wochentag_name"], "Dienstag");
  EXPECT_EQ(json["tag_des_jahres"], 366);
  EXPECT_EQ(json["woche"], 1);
  EXPECT_EQ(json["wochenjahr"], 2025);
}

TEST(Cli, InvalidInputExitsWithTwoAndAGermanMessage) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"jd", "31.04.2001"}, "Der April 2001 hat nur 30 Tage."},
      {{"jd", "29.02.1900"}, "Der Februar 1900 hat nur 28 Tage."},
      {{"jd", "01.13.2000"}, "Der Monat muss zwischen 01 und 12 liegen."},
      {{"jd", "32.01.2000"}, "Der Tag muss zwischen 01 und 31 liegen."},
      {{"jd", "01.01.0000"}, "Ein Jahr 0 gibt es nicht."},
      {{"jd", "01/01/2000"}, "kein Datum der Form TT.MM.JJJJ"},
      {{"jd", "1.1.2000"}, "kein Datum der Form TT.MM.JJJJ"},
      {{"jd", "01.01.0001", "--kalender", "J"}, "außerhalb des unterstützten Bereichs"},
      {{"jd", "01.01.2000", "--kalender", "X"}, "Kalender \"X\" ist unbekannt"},
      {{"datum", "abc"}, "\"abc\" ist keine ganze Tageszahl."},
      {{"datum", "2817153"}, "außerhalb des unterstützten Bereichs 1721426 bis 2817152"},
      {{"datum", "0"}, "außerhalb des unterstützten Bereichs"},
      {{"gibtsnicht"}, "ungültiger Aufruf"},
      {{}, "ungültiger Aufruf"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << (c.args.empty() ? "" : c.args[0]);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Fehler: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST(Cli, HelpIsGerman) {
  const CliRun r = Cli({"--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("Aufruf:"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Julianische Tageszahl eines Datums"), std::string::npos);
  const CliRun sub = Cli({"jd", "--help"});
  EXPECT_EQ(sub.code, 0);
  EXPECT_NE(sub.out.find("--kalender"), std::string::npos) << sub.out;
}

TEST(Cli, VersionComesFromTheProject) {
  const CliRun r = Cli({"--version"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "razaduvovi-cli " + std::string(engine::kProgramVersion) + "\n");
  EXPECT_EQ(engine::kProgramVersion, "4.284.54.16");
}

}  // namespace
}  // namespace cli

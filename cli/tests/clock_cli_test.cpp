// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"
#include "engine/environment.h"
#include "engine/tests/clock_scope.h"

namespace cli {
namespace {

TEST(ClockCli, Rows) {
  const CliRun r = Cli({"uhr", "15.01.2024", "00:30"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Uhrzeit am Mo, 15.01.2024 = 02.01.2024 jul.\n"
            "in Hannover (Niedersachsen)\n"
            "52 22 46, 9 44 30\n"
            "2460324,47917 Julianisches Datum\n"
            "03:30:00 Moskauer Sommerzeit\n"
            "02:30:00 Moskauer Zeit = Ost. Sommerzeit\n"
            "01:30:00 Mittel. Sommerzeit = Ost. Zeit\n"
            "00:30:00 Mittel. Zeit = West. Sommerzeit (gesetzl. Zeit)\n"
            "23:30:00 UTC = Westeuropäische Zeit\n"
            "00:08:58 MOZ Mittlere Ortszeit\n"
            "23:59:55 WOZ Wahre Ortszeit\n");
}

// Without date and time, the clock shows the current moment as legal time of
// the region: a machine clock at 10:00 UTC in July is 12:00 MESZ.
TEST(ClockCli, NowIsTheLegalTimeOfTheRegion) {
  const engine::ClockScope clock(engine::UtcMomentOfUtc({2026, 7, 1, 10, 0, 0, 0}));
  for (const char* region : {"D-NI", "A-W", "HR", "DK"}) {
    const CliRun now = Cli({"uhr", "--land", region});
    const CliRun given = Cli({"uhr", "01.07.2026", "12:00:00", "--land", region});
    ASSERT_EQ(now.code, 0) << now.err;
    EXPECT_EQ(now.out, given.out) << region;
  }
  const engine::ClockScope newYear(engine::UtcMomentOfUtc({2026, 12, 31, 23, 30, 0, 0}));
  const CliRun json = Cli({"uhr", "--json"});
  ASSERT_EQ(json.code, 0) << json.err;
  const auto doc = nlohmann::json::parse(json.out);
  EXPECT_EQ(doc["datum"], "01.01.2027");
  EXPECT_EQ(doc["gesetzliche_zeit"], "00:30:00");
  EXPECT_EQ(doc["utc"], "23:30:00");
  EXPECT_EQ(doc["zone"], "MEZ");
}

TEST(ClockCli, DateWithoutTimeIsRefused) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"uhr", "01.07.2026"}, {"uhr", "--zeile", "3"}}) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.code, 2) << args.back();
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("Fehler"), std::string::npos) << r.err;
  }
}

TEST(ClockCli, Json) {
  const struct {
    std::vector<std::string> args;
    const char* utc;
    const char* utcDate;
    const char* jd;
    const char* zone;
    int legalRow;  // 0-based
  } kCases[] = {
      {{"uhr", "15.01.2024", "00:30", "--json"},
       "23:30:00",
       "14.01.2024",
       "2460324,47917",
       "MEZ",
       3},
      {{"uhr", "15.01.2024", "23:30", "--zeile", "5", "--json"},
       "23:30:00",
       "14.01.2024",
       "2460324,47917",
       "MEZ",
       3},
      {{"uhr", "15.07.2024", "12:00:00", "--json"},
       "10:00:00",
       "15.07.2024",
       "2460506,91667",
       "MESZ",
       2},
      {{"uhr", "24.05.1945", "12:00", "--land", "D-BE", "--json"},
       "09:00:00",
       "24.05.1945",
       "2431599,875",
       "MEHSZ",
       1},
      {{"uhr", "31.03.1893", "12:00", "--json"},
       "11:00:00",
       "31.03.1893",
       "2412553,95833",
       "MOZ",
       3},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    ASSERT_EQ(r.code, 0) << c.args[1] << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["utc"], c.utc) << c.args[1];
    EXPECT_EQ(json["utc_datum"], c.utcDate) << c.args[1];
    EXPECT_EQ(json["jd"], c.jd) << c.args[1];
    EXPECT_EQ(json["zone"], c.zone) << c.args[1];
    ASSERT_EQ(json["zeilen"].size(), 7u);
    EXPECT_EQ(json["zeilen"][c.legalRow]["gesetzlich"], true) << c.args[1];
    EXPECT_EQ(json["moz"], json["zeilen"][5]["zeit"]);
    EXPECT_EQ(json["woz"], json["zeilen"][6]["zeit"]);
  }
}

TEST(ClockCli, WorkingHours) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"arbeitszeit", "22:00", "06:00"}, "08:00:00\n"},
      {{"arbeitszeit", "22:00:00", "06:00:00"}, "08:00:00\n"},
      {{"arbeitszeit", "08:15", "16:45:30"}, "08:30:30\n"},
      {{"arbeitszeit", "22:00", "--stunden", "08:00"}, "06:00:00\n"},
      {{"arbeitszeit", "22:00", "--stunden", "02:00"}, "00:00:00\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[1] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
  }
  const auto json = nlohmann::json::parse(Cli({"arbeitszeit", "22:00", "06:00", "--json"}).out);
  EXPECT_EQ(json, (nlohmann::json{
                      {"beginn", "22:00:00"}, {"ende", "06:00:00"}, {"stunden", "08:00:00"}}));
}

TEST(ClockCli, InvalidInputExitsWithTwo) {
  const RefusedCase kCases[] = {
      {{"uhr", "15.01.2024", "25:00"}, "Uhrzeit \"25:00\" ist keine Uhrzeit"},
      {{"uhr", "15.01.2024", "12:00", "--zeile", "6"}, "Zeile \"6\" gibt es nicht"},
      {{"uhr", "15.01.2024", "12:00", "--zeile", "x"}, "Zeile \"x\" gibt es nicht"},
      {{"uhr", "31.02.2024", "12:00"}, "Der Februar 2024 hat nur 29 Tage."},
      {{"uhr", "15.01.2024"}, "DATUM und ZEIT zusammen angeben"},
      {{"arbeitszeit", "22:00"}, "Entweder ENDE oder --stunden DAUER angeben"},
      {{"arbeitszeit", "22:00", "06:00", "--stunden", "08:00"}, "Entweder ENDE oder --stunden"},
      {{"arbeitszeit", "22:00", "6:00"}, "Ende \"6:00\" ist keine Uhrzeit"},
      {{"arbeitszeit", "22:61", "06:00"}, "Beginn \"22:61\" ist keine Uhrzeit"},
      {{"arbeitszeit", "22:00", "--stunden", "-1:00"}, "Stundenzahl \"-1:00\" ist keine Uhrzeit"},
  };
  ExpectRefused(kCases);
}

}  // namespace
}  // namespace cli

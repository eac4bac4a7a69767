// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

TEST(CliRunden, RoundsInEveryMode) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"runden", "2,345", "2"}, "2,35\n"},
      {{"runden", "2.345", "2"}, "2,35\n"},
      {{"runden", "2,345", "2", "--modus", "math"}, "2,34\n"},
      {{"runden", "2,3451", "2", "--modus", "IEEE"}, "2,34\n"},
      {{"runden", "2,39", "1", "--modus", "cut"}, "2,3\n"},
      {{"runden", "0,445", "1"}, "0,4\n"},
      {{"runden", "9,996", "2", "-m", "german"}, "10,00\n"},
      {{"runden", "17", "2"}, "17,00\n"},
      {{"runden", "-2,345", "2"}, "-2,35\n"},
      {{"runden", "+,5", "0"}, "1\n"},
      {{"runden", "0,000015", "6"}, "0,000015\n"},
      {{"runden", "2147483646", "0"}, "2147483646\n"},
      {{"runden", "0,123456789", "8"}, "0,12345678\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[1] << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
    EXPECT_EQ(r.err, "");
  }
}

TEST(CliZinstage, CountsInterestDays) {
  const CliRun actual = Cli({"zinstage", "15.03.2019", "15.03.2020", "--methode", "3"});
  EXPECT_EQ(actual.code, 0) << actual.err;
  EXPECT_EQ(actual.out,
            "actual/actual im Kalenderjahr\n"
            "Zinsjahre: 0\n"
            "Zinstage im Normaljahr 2019: 291\n"
            "Zinstage im Schaltjahr 2020: 75\n");

  const CliRun thirty = Cli({"zinstage", "31.01.2019", "28.02.2019", "--methode", "0"});
  EXPECT_EQ(thirty.code, 0) << thirty.err;
  EXPECT_EQ(thirty.out, "30/360 im Kalenderjahr\nZinsjahre: 0\nZinstage: 30\n");

  const CliRun whole = Cli({"zinstage", "01.01.2019", "31.12.2019", "--methode", "5", "--start",
                            "inkl", "--ende", "inkl"});
  EXPECT_EQ(whole.out, "actual/360 im Kalenderjahr\nZinsjahre: 1\nZinstage: 0\n");

  const CliRun one = Cli({"zinstage", "02.01.2019", "01.01.2019", "--methode", "7"});
  EXPECT_EQ(one.out, "actual/365 im Kalenderjahr\nZinsjahre: 0\nZinstag: 1\n");
}

TEST(CliZinstage, Json) {
  const CliRun r = Cli({"zinstage", "15.03.2019", "15.03.2020", "--methode", "3", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["zinsjahre"], 0);
  EXPECT_EQ(json["zinstage"], 366);
  EXPECT_EQ(json["normaljahrestage"], 291);
  EXPECT_EQ(json["schaltjahrestage"], 75);
  EXPECT_EQ(json["tage_text"], "Zinstage im Normaljahr 2019");
  EXPECT_EQ(json["schaltjahr_text"], "Zinstage im Schaltjahr 2020");

  const CliRun empty = Cli({"zinstage", "01.01.2020", "01.01.2020", "--methode", "7", "--start",
                            "exkl", "--ende", "exkl", "--json"});
  ASSERT_EQ(empty.code, 0) << empty.err;
  const auto none = nlohmann::json::parse(empty.out);
  EXPECT_EQ(none["zinsjahre"], 0);
  EXPECT_EQ(none["zinstage"], 0);
  EXPECT_EQ(none["tage_text"], "Zinstage");
  EXPECT_EQ(none["schaltjahr_text"], "");
}

TEST(CliNumbers, InvalidInputExitsWithTwoAndAGermanMessage) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"runden", "abc", "2"}, "\"abc\" ist keine Zahl"},
      {{"runden", "1,2,3", "2"}, "\"1,2,3\" ist keine Zahl"},
      {{"runden", "1,2.3", "2"}, "ist keine Zahl"},
      {{"runden", "", "2"}, "ist keine Zahl"},
      {{"runden", ",", "2"}, "ist keine Zahl"},
      {{"runden", "1e5", "2"}, "ist keine Zahl"},
      {{"runden", "2147483647", "2"}, "außerhalb des Bereichs -2147483646 bis 2147483646"},
      {{"runden", "--", "-3000000000", "2"}, "außerhalb des Bereichs"},
      {{"runden", "1", "9"}, "Die Dezimalstellen \"9\" müssen eine ganze Zahl von 0 bis 8 sein."},
      {{"runden", "1", "-1"}, "Dezimalstellen"},
      {{"runden", "1", "zwei"}, "Dezimalstellen"},
      {{"runden", "1", "2", "--modus", "kaufmännisch"}, "Rundungsmodus \"kaufmännisch\""},
      {{"runden", "1", "2", "--modus", ""}, "Rundungsmodus"},
      {{"runden", "1"}, "ungültiger Aufruf"},
      {{"zinstage", "31.02.2019", "01.03.2019", "--methode", "3"}, "hat nur 28 Tage"},
      {{"zinstage", "01.01.2019", "1.3.2019", "--methode", "3"}, "kein Datum der Form"},
      {{"zinstage", "01.01.2019", "01.01.3001", "--methode", "3"}, "außerhalb"},
      {{"zinstage", "01.01.2019", "01.03.2019", "--methode", "2"},
       "Zinsmethode \"2\" gibt es nicht (0, 1 oder 3 bis 11)."},
      {{"zinstage", "01.01.2019", "01.03.2019", "--methode", "12"}, "Zinsmethode \"12\""},
      {{"zinstage", "01.01.2019", "01.03.2019", "--methode", "drei"}, "Zinsmethode \"drei\""},
      {{"zinstage", "01.01.2019", "01.03.2019"}, "ungültiger Aufruf"},
      {{"zinstage", "01.01.2019", "01.03.2019", "--methode", "3", "--start", "ja"},
       "--start \"ja\" ist unbekannt (inkl oder exkl)."},
      {{"zinstage", "01.01.2019", "01.03.2019", "--methode", "3", "--ende", "inklusive"},
       "--ende \"inklusive\""},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.args[0] << ' ' << c.args[1];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Fehler: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace cli

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"
#include "engine/environment.h"
#include "engine/tests/clock_scope.h"

namespace cli {
namespace {

// Without a date, today: 23:30 UTC on New Year's Eve is already New Year's
// Day in Germany and Austria.
TEST(DayCli, WithoutADateTodayInTheRegion) {
  const engine::ClockScope clock(engine::UtcMomentOfUtc({2026, 12, 31, 23, 30, 0, 0}));
  for (const char* region : {"D-NI", "A-W"}) {
    const CliRun today = Cli({"tag", "--land", region});
    const CliRun given = Cli({"tag", "01.01.2027", "--land", region});
    ASSERT_EQ(today.code, 0) << today.err;
    EXPECT_EQ(today.out, given.out) << region;
    EXPECT_NE(today.out.find("01.01.2027"), std::string::npos) << today.out;
  }
  const CliRun julian = Cli({"tag", "-k", "J", "--json"});
  ASSERT_EQ(julian.code, 0) << julian.err;
  EXPECT_EQ(nlohmann::json::parse(julian.out)["datum"], "19.12.2026");
}

TEST(DayCli, JsonHoldsTheFactsOfTheDay) {
  const CliRun r = Cli({"tag", "03.10.2024", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["datum"], "03.10.2024");
  EXPECT_EQ(json["kalender"], "G");
  EXPECT_EQ(json["land"], "D-NI");
  EXPECT_EQ(json["jd"], 2460587);
  EXPECT_EQ(json["wochentag"], 4);
  EXPECT_EQ(json["wochentag_name"], "Donnerstag");
  EXPECT_EQ(json["tag_des_jahres"], 277);
  EXPECT_EQ(json["tage_im_jahr"], 366);
  EXPECT_EQ(json["woche"], 40);
  EXPECT_EQ(json["wochenjahr"], 2024);
  EXPECT_EQ(json["goldene_zahl"], 11);
  EXPECT_EQ(json["ostertag"], 91);
  EXPECT_EQ(json["feiertage"], "Tag der deutschen Einheit");
  EXPECT_EQ(json["gesetzlich"], true);
  EXPECT_TRUE(json["mondalter"].is_number());
  EXPECT_TRUE(json["mondphase"].is_string());
}

TEST(DayCli, RegionByNameAndCalendar) {
  const auto bavaria =
      nlohmann::json::parse(Cli({"tag", "15.08.2024", "--land", "Saarland", "--json"}).out);
  EXPECT_EQ(bavaria["land"], "D-SL");
  EXPECT_EQ(bavaria["gesetzlich"], true);
  const auto julian =
      nlohmann::json::parse(Cli({"tag", "01.11.1900", "--land", "d-by", "-k", "J", "--json"}).out);
  EXPECT_EQ(julian["land"], "D-BY");
  EXPECT_EQ(julian["tag_des_jahres"], 306);
  EXPECT_EQ(julian["feiertage"], "Allerheiligen");
  // A Danish code has rules of its own; an unknown country is refused.
  EXPECT_EQ(
      nlohmann::json::parse(Cli({"tag", "05.06.2024", "--land", "DK", "--json"}).out)["feiertage"],
      "Tag der dänischen Verfassung");
  const CliRun unknown = Cli({"tag", "05.06.2024", "--land", "XY"});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_NE(unknown.err.find("Land \"XY\" ist unbekannt"), std::string::npos);
}

TEST(DayCli, InvalidDateExitsWithTwo) {
  const CliRun r = Cli({"tag", "31.06.2024"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Der Juni 2024 hat nur 30 Tage."), std::string::npos) << r.err;
}

TEST(DayCli, SchoolHolidaysInTextAndJson) {
  const CliRun text = Cli({"tag", "15.10.2024", "--land", "D-NI"});
  ASSERT_EQ(text.code, 0) << text.err;
  EXPECT_NE(text.out.find("\nHerbstferien Niedersachsen 04.10.–19.10.2024\n"), std::string::npos);
  const auto json =
      nlohmann::json::parse(Cli({"tag", "15.10.2024", "--land", "D-NI", "--json"}).out);
  EXPECT_EQ(json["schulferien"]["name"], "Herbstferien");
  EXPECT_EQ(json["schulferien"]["von"], "04.10.2024");
  EXPECT_EQ(json["schulferien"]["bis"], "19.10.2024");
  EXPECT_EQ(json["schulferien"]["quelle"], "Schulferien: OpenHolidays, ODbL 1.0");
  const auto none =
      nlohmann::json::parse(Cli({"tag", "20.10.2024", "--land", "D-NI", "--json"}).out);
  EXPECT_FALSE(none.contains("schulferien"));
}

}  // namespace
}  // namespace cli

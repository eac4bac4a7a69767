// SPDX-License-Identifier: MIT
#include "interest/version_model.h"

#include <gtest/gtest.h>

#include "engine/environment.h"
#include "engine/version.h"

namespace {

TEST(VersionModel, CaptionCarriesTheProgramVersion) {
  EXPECT_EQ(interest::VersionCaption(engine::kProgramVersion), "version: 4.284.54.16");
  EXPECT_EQ(interest::VersionCaption(""), "version: ");
}

// Guards against "http://" put in front of an address that has its scheme.
TEST(VersionModel, WebAddressAddsTheSchemeOnlyWhenMissing) {
  const struct {
    const char* url;
    const char* address;
  } kCases[] = {
      {"www.razaduvovi.de", "http://www.razaduvovi.de"},
      {"razaduvovi.de/zins.html", "http://razaduvovi.de/zins.html"},
      {"https://www.razaduvovi.de", "https://www.razaduvovi.de"},
      {"http://www.razaduvovi.de", "http://www.razaduvovi.de"},
      {"HTTPS://A.DE", "HTTPS://A.DE"},
      {"  a.de  ", "http://a.de"},
      {"a.de/?next=http://b.de", "http://a.de/?next=http://b.de"},
      {"localhost:8080/x", "http://localhost:8080/x"},
      {"://a.de", "http://://a.de"},
      {"", "http://"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(interest::WebAddress(c.url), c.address) << c.url;
  }
}

// Guards against the year read from a locale's short-date text, which is
// not "DD.MM.YYYY" everywhere.
TEST(VersionModel, CurrentYearComesFromTheDate) {
  const struct {
    int year;
    int month;
    int day;
  } kCases[] = {{2026, 12, 8}, {2027, 1, 1}, {1999, 12, 31}, {2100, 2, 28}};
  for (const auto& c : kCases) {
    engine::SetClock(engine::FixedLegalClock({c.year, c.month, c.day, 12, 0, 0, 0}));
    EXPECT_EQ(interest::CurrentYear(), c.year);
    EXPECT_NE(interest::VersionHint("1", interest::CurrentYear()).find(std::to_string(c.year)),
              std::string::npos);
  }
  engine::SetClock({});
}

TEST(VersionModel, AboutNamesTheVersion) {
  EXPECT_NE(interest::AboutText().find(engine::kProgramVersion), std::string::npos);
  EXPECT_TRUE(interest::AboutText().ends_with("; Schulferien: OpenHolidays, ODbL 1.0"));
}

}  // namespace

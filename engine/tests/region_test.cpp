// SPDX-License-Identifier: MIT
#include "engine/region.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace engine {
namespace {

using Lines = std::vector<std::string>;

TEST(Region, RowsInTableOrder) {
  const struct {
    const char* name;
    const char* code;
  } kRows[] = {
      {"Deutschland", "D"},
      {"Baden-Württemberg", "D-BW"},
      {"Bayern", "D-BY"},
      {"Berlin", "D-BE"},
      {"Brandenburg", "D-BB"},
      {"Bremen", "D-HB"},
      {"Hamburg", "D-HH"},
      {"Hessen", "D-HE"},
      {"Mecklenburg-Vorpommern", "D-MV"},
      {"Niedersachsen", "D-NI"},
      {"Nordrhein-Westfalen", "D-NW"},
      {"Rheinland-Pfalz", "D-RP"},
      {"Saarland", "D-SL"},
      {"Sachsen", "D-SN"},
      {"Sachsen-Anhalt", "D-ST"},
      {"Schleswig-Holstein", "D-SH"},
      {"Thüringen", "D-TH"},
      {"Berlin (Ost)", "D-OB"},
      {"Berlin (West)", "D-WB"},
      {"Österreich", "A"},
      {"Burgenland", "A-B"},
      {"Kärnten", "A-K"},
      {"Niederösterreich", "A-NÖ"},
      {"Oberösterreich", "A-OÖ"},
      {"Salzburg", "A-S"},
      {"Steiermark", "A-ST"},
      {"Tirol", "A-T"},
      {"Vorarlberg", "A-V"},
      {"Wien", "A-W"},
  };
  static_assert(std::size(kRows) == kFilledRegionRows);
  ASSERT_EQ(RegionTable().size(), static_cast<std::size_t>(kRegionRows));
  for (int i = 0; i < kFilledRegionRows; ++i) {
    EXPECT_EQ(RegionNameOfIndex(i), kRows[i].name) << i;
    EXPECT_EQ(RegionTable()[static_cast<std::size_t>(i)].code, kRows[i].code) << i;
  }
}

TEST(Region, EveryFilledRowIsWellFormed) {
  std::set<std::string_view> codes;
  for (int i = 0; i < kFilledRegionRows; ++i) {
    const RegionRow& row = RegionTable()[static_cast<std::size_t>(i)];
    EXPECT_TRUE(codes.insert(row.code).second) << row.code;
    EXPECT_FALSE(row.capital.empty()) << row.code;
    EXPECT_EQ(row.latitude.size(), 9u) << row.code;
    EXPECT_EQ(row.longitude.size(), 9u) << row.code;
    EXPECT_EQ(row.latitude[0], ' ') << row.code;
    // Every state follows its country's row.
    EXPECT_TRUE(IsGermanRegion(row.code) ? i <= 18 : IsAustrianRegion(row.code) && i >= 19)
        << row.code;
    // The capitals lie in Germany and Austria.
    const double latitude = DegreesOfCoordinate(row.latitude);
    const double longitude = DegreesOfCoordinate(row.longitude);
    EXPECT_TRUE(latitude > 46.0 && latitude < 55.0) << row.code << ' ' << latitude;
    EXPECT_TRUE(longitude > 6.0 && longitude < 17.0) << row.code << ' ' << longitude;
  }
  for (int i = kFilledRegionRows; i < kRegionRows; ++i) {
    const RegionRow& row = RegionTable()[static_cast<std::size_t>(i)];
    EXPECT_TRUE(row.name.empty() && row.code.empty() && row.capital.empty() &&
                row.latitude.empty() && row.longitude.empty())
        << i;
  }
}

TEST(Region, NameAndCodeLookups) {
  EXPECT_EQ(RegionCodeOfName("Kärnten"), "A-K");
  // Row 0 is named "Deutschland", so "Berlin" is row 3.
  EXPECT_EQ(RegionCodeOfName("Berlin"), "D-BE");
  EXPECT_EQ(RegionCodeOfName("Berlin (West)"), "D-WB");
  EXPECT_EQ(RegionCodeOfName("Wien"), "A-W");
  EXPECT_EQ(RegionCodeOfName("bayern"), "");
  EXPECT_EQ(RegionCodeOfName("Alle Länder"), "");
  // The empty rows must not answer an empty name or code.
  EXPECT_EQ(RegionCodeOfName(""), "");
  EXPECT_EQ(RegionNameOfCode(""), "");

  EXPECT_EQ(RegionNameOfCode("D"), "Deutschland");
  EXPECT_EQ(RegionNameOfCode("A"), "Österreich");
  EXPECT_EQ(RegionNameOfCode("A-NÖ"), "Niederösterreich");
  EXPECT_EQ(RegionNameOfCode("D-OB"), "Berlin (Ost)");
  EXPECT_EQ(RegionNameOfCode("XY"), "");
  EXPECT_EQ(RegionNameOfCode("HR"), "");

  for (int i = 0; i < kFilledRegionRows; ++i) {
    EXPECT_EQ(RegionNameOfCode(RegionCodeOfName(RegionNameOfIndex(i))), RegionNameOfIndex(i));
  }
}

TEST(Region, NameOfIndexBounds) {
  const struct {
    int index;
    const char* name;
  } kCases[] = {
      {-1, "weitere Länder"},
      {-2, ""},
      {0, "Deutschland"},
      {28, "Wien"},
      {29, ""},
      {128, ""},
      {129, ""},
      {1000000, ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(RegionNameOfIndex(c.index), c.name) << c.index;
}

TEST(Region, PlaceOfCode) {
  const struct {
    const char* code;
    const char* capital;
    const char* latitude;
    const char* longitude;
  } kCases[] = {
      {"D-BY", "München", " 48 08 23", " 11 34 28"},
      {"D", "Berlin", " 52 30 59", " 13 22 39"},
      {"D-BW", "Stuttgart", " 48 46 36", "  9 10 39"},
      {"A-V", "Bregenz", " 47 30 18", " 09 44 57"},
      {"A-NÖ", "St. Pölten", " 48 12 17", " 15 37 36"},
      {"D-WB", "Berlin (West)", " 52 30 59", " 13 22 39"},
      {"XY", "", "  0 00 00", "  0 00 00"},
      {"", "", "  0 00 00", "  0 00 00"},
      {"DK", "", "  0 00 00", "  0 00 00"},
  };
  for (const auto& c : kCases) {
    const RegionPlaceResult place = RegionPlace(c.code);
    EXPECT_EQ(place.capital, c.capital) << c.code;
    EXPECT_EQ(place.latitude, c.latitude) << c.code;
    EXPECT_EQ(place.longitude, c.longitude) << c.code;
  }
}

TEST(Region, ListOfGermany) {
  EXPECT_EQ(RegionList("Deutschland"), (Lines{"weitere Länder",
                                              "Deutschland",
                                              "Baden-Württemberg",
                                              "Bayern",
                                              "Berlin",
                                              "Berlin (Ost)",
                                              "Berlin (West)",
                                              "Brandenburg",
                                              "Bremen",
                                              "Hamburg",
                                              "Hessen",
                                              "Mecklenburg-Vorpommern",
                                              "Niedersachsen",
                                              "Nordrhein-Westfalen",
                                              "Rheinland-Pfalz",
                                              "Saarland",
                                              "Sachsen",
                                              "Sachsen-Anhalt",
                                              "Schleswig-Holstein",
                                              "Thüringen"}));
}

TEST(Region, ListOfAustria) {
  EXPECT_EQ(RegionList("Österreich"),
            (Lines{"weitere Länder", "Österreich", "Burgenland", "Kärnten", "Niederösterreich",
                   "Oberösterreich", "Salzburg", "Steiermark", "Tirol", "Vorarlberg", "Wien"}));
}

TEST(Region, ListOfAllRegionsSortsUmlautsAsPlainVowels) {
  // Sorted by bytes, "Niedersachsen" would precede "Niederösterreich" and
  // "Österreich" would come last.
  EXPECT_EQ(RegionList("Alle Länder"), (Lines{"<<<<<<",
                                              "Baden-Württemberg",
                                              "Bayern",
                                              "Berlin",
                                              "Berlin (Ost)",
                                              "Berlin (West)",
                                              "Brandenburg",
                                              "Bremen",
                                              "Burgenland",
                                              "Deutschland",
                                              "Hamburg",
                                              "Hessen",
                                              "Kärnten",
                                              "Mecklenburg-Vorpommern",
                                              "Niederösterreich",
                                              "Niedersachsen",
                                              "Nordrhein-Westfalen",
                                              "Oberösterreich",
                                              "Österreich",
                                              "Rheinland-Pfalz",
                                              "Saarland",
                                              "Sachsen",
                                              "Sachsen-Anhalt",
                                              "Salzburg",
                                              "Schleswig-Holstein",
                                              "Steiermark",
                                              "Thüringen",
                                              "Tirol",
                                              "Vorarlberg",
                                              "Wien"}));
}

TEST(Region, ListEdgeCases) {
  EXPECT_EQ(RegionList(""), Lines{});
  // A state has no states of its own.
  EXPECT_EQ(RegionList("Berlin"), (Lines{"weitere Länder", "Berlin"}));
  EXPECT_EQ(RegionList("Wien"), (Lines{"weitere Länder", "Wien"}));
  // An entry that is no row name has the empty code; every state code holds "-".
  const Lines unknown = RegionList("Atlantis");
  ASSERT_EQ(unknown.size(), 2u + 18u + 9u);
  EXPECT_EQ(unknown[0], "weitere Länder");
  EXPECT_EQ(unknown[1], "Atlantis");
  EXPECT_EQ(unknown[2], "Baden-Württemberg");
  EXPECT_EQ(unknown.back(), "Wien");
  EXPECT_EQ(std::count(unknown.begin(), unknown.end(), "Deutschland"), 0);
}

TEST(Region, EraOfRegionAndYear) {
  const struct {
    const char* code;
    int year;
    int era;
  } kCases[] = {
      {"D-SN", 1960, 9}, {"D-BY", 1960, 10}, {"D-BE", 1960, 10}, {"A-W", 1960, 10},
      {"D-SN", 1945, 4}, {"D-BY", 1945, 4},  {"A-W", 1945, 4},   {"XY", 1945, 4},
      {"D-SN", 1991, 0}, {"D-BY", 1991, 0},  {"D-SN", 1932, 0},  {"D-SN", 1933, 4},
      {"D-SN", 1946, 8}, {"D-BY", 1946, 5},  {"D-OB", 1949, 8},  {"D-WB", 1949, 5},
      {"D-TH", 1950, 9}, {"D-HH", 1950, 10}, {"D-ST", 1990, 9},  {"D-NI", 1990, 10},
      {"D-MV", 1970, 9}, {"D-BB", 1970, 9},  {"D", 1970, 10},    {"D-SN", 1, 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(RegionEra(c.code, c.year), c.era) << c.code << ' ' << c.year;
    EXPECT_EQ(IsEastRegion(c.code, c.year), c.era == 8 || c.era == 9) << c.code << ' ' << c.year;
  }
}

TEST(Region, CountryValidity) {
  const struct {
    const char* code;
    int year;
    int legal;
    int expected;
  } kCases[] = {
      {"D-BY", 1870, 1, 0},
      {"D-BY", 1870, 0, 0},
      {"D-BY", 1871, 1, 1},
      {"D-BY", 1871, 0, 0},
      {"D", 1871, 1, 1},
      {"A-NÖ", 1871, 1, 1},
      {"A", 1870, 1, 0},
      {"SLO", 1990, 1, 0},
      {"SLO", 1991, 1, 1},
      {"CZ", 1992, 1, 0},
      {"CZ", 1993, 1, 1},
      {"SK", 1992, 1, 0},
      {"SK-BL", 1993, 1, 1},
      {"LT", 1899, 1, 0},
      {"LT", 1900, 1, 1},
      {"HR", 1, 1, 1},
      {"HR-21", 1100, 1, 1},
      {"DK", 1871, 1, 1},
      {"NAM", 1871, 1, 1},
      {"FL", 1870, 1, 0},
      {"CH", 2000, 1, 1},
      {"XY", 2000, 1, 0},
      {"", 2000, 1, 0},
      // "DE" and "SL" are no codes of a listed country: matching needs the whole
      // country code or the code followed by "-".
      {"DE", 2000, 1, 0},
      {"SL", 2000, 1, 0},
      {"S-AB", 2000, 1, 1},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(CountryValidFlag(c.code, c.year, c.legal), c.expected) << c.code << ' ' << c.year;
  }
}

TEST(Region, RegionSets) {
  const struct {
    const char* code;
    bool german, austrian, croatian, danish;
  } kCases[] = {
      {"D", true, false, false, false},     {"D-BY", true, false, false, false},
      {"DK", false, false, false, true},    {"DK-84", false, false, false, true},
      {"A", false, true, false, false},     {"A-NÖ", false, true, false, false},
      {"AT", false, false, false, false},   {"HR", false, false, true, false},
      {"HR-21", false, false, true, false}, {"HRV", false, false, false, false},
      {"", false, false, false, false},     {"-D", false, false, false, false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(IsGermanRegion(c.code), c.german) << c.code;
    EXPECT_EQ(IsAustrianRegion(c.code), c.austrian) << c.code;
    EXPECT_EQ(IsCroatianRegion(c.code), c.croatian) << c.code;
    EXPECT_EQ(IsDanishRegion(c.code), c.danish) << c.code;
  }
}

TEST(Region, CoordinateTextsInDegrees) {
  const struct {
    const char* text;
    double degrees;
  } kCases[] = {
      {" 52 30 59", 52.0 + 30.0 / 60 + 59.0 / 3600},
      {"  9 10 39", 9.0 + 10.0 / 60 + 39.0 / 3600},
      {" 09 44 57", 9.0 + 44.0 / 60 + 57.0 / 3600},
      {" 52 30 00", 52.5},
      {"  0 00 00", 0.0},
      {"48", 48.0},
      {"", 0.0},
      {"abc", 0.0},
      {" 52,30 59", 0.0},
      {"-52 30 59", 0.0},
      {" 1 2 3 4", 0.0},
      {"99999999999999999999", 100000.0},
  };
  for (const auto& c : kCases) EXPECT_DOUBLE_EQ(DegreesOfCoordinate(c.text), c.degrees) << c.text;
}

TEST(Region, RegionOfCodeClassifiesEveryRow) {
  using enum RulesCountry;
  const struct {
    const char* code;
    RulesCountry country;
    bool east, sovietZone;
  } kRows[] = {
      {"D", Germany, false, false},    {"D-BW", Germany, false, false},
      {"D-BY", Germany, false, false}, {"D-BE", Germany, false, true},
      {"D-BB", Germany, true, true},   {"D-HB", Germany, false, false},
      {"D-HH", Germany, false, false}, {"D-HE", Germany, false, false},
      {"D-MV", Germany, true, true},   {"D-NI", Germany, false, false},
      {"D-NW", Germany, false, false}, {"D-RP", Germany, false, false},
      {"D-SL", Germany, false, false}, {"D-SN", Germany, true, true},
      {"D-ST", Germany, true, true},   {"D-SH", Germany, false, false},
      {"D-TH", Germany, true, true},   {"D-OB", Germany, true, true},
      {"D-WB", Germany, false, true},  {"A", Austria, false, false},
      {"A-B", Austria, false, false},  {"A-K", Austria, false, false},
      {"A-NÖ", Austria, false, false}, {"A-OÖ", Austria, false, false},
      {"A-S", Austria, false, false},  {"A-ST", Austria, false, false},
      {"A-T", Austria, false, false},  {"A-V", Austria, false, false},
      {"A-W", Austria, false, false},
  };
  ASSERT_EQ(std::size(kRows), static_cast<std::size_t>(kFilledRegionRows));
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    const auto& c = kRows[i];
    const RegionRow& row = RegionTable()[i];
    const Region region = RegionOfCode(c.code);
    ASSERT_EQ(row.code, c.code);
    EXPECT_EQ(region.code, c.code);
    EXPECT_EQ(region.name, row.name) << c.code;
    EXPECT_EQ(region.capital, row.capital) << c.code;
    EXPECT_EQ(region.latitude, row.latitude) << c.code;
    EXPECT_EQ(region.longitude, row.longitude) << c.code;
    EXPECT_EQ(region.latitudeDegrees, DegreesOfCoordinate(row.latitude)) << c.code;
    EXPECT_EQ(region.longitudeDegrees, DegreesOfCoordinate(row.longitude)) << c.code;
    EXPECT_EQ(region.country, c.country) << c.code;
    EXPECT_TRUE(region.hasRules) << c.code;
    EXPECT_EQ(region.east, c.east) << c.code;
    EXPECT_EQ(region.sovietZone, c.sovietZone) << c.code;
    EXPECT_EQ(region.firstLegalYear, 1871) << c.code;
    EXPECT_EQ(region.DisplayName(), row.name) << c.code;
  }
}

TEST(Region, RegionOfCodeWithoutRow) {
  using enum RulesCountry;
  const struct {
    const char* code;
    RulesCountry country;
    int firstLegalYear;
  } kCases[] = {
      {"HR", Croatia, INT_MIN}, {"HR-21", Croatia, INT_MIN}, {"DK", Denmark, 1871},
      {"DK-84", Denmark, 1871}, {"D-XX", Germany, 1871},     {"A-X", Austria, 1871},
      {"CZ", None, 1993},       {"SLO", None, 1991},         {"XY", None, kNeverLegal},
      {"", None, kNeverLegal},  {"HRV", None, kNeverLegal},  {"-D", None, kNeverLegal},
  };
  for (const auto& c : kCases) {
    const Region region = RegionOfCode(c.code);
    EXPECT_EQ(region.code, c.code);
    EXPECT_EQ(region.name, "") << c.code;
    EXPECT_EQ(region.capital, "") << c.code;
    EXPECT_EQ(region.latitude, "  0 00 00") << c.code;
    EXPECT_EQ(region.longitude, "  0 00 00") << c.code;
    EXPECT_EQ(region.latitudeDegrees, 0.0) << c.code;
    EXPECT_EQ(region.country, c.country) << c.code;
    EXPECT_EQ(region.hasRules, c.country != None) << c.code;
    EXPECT_FALSE(region.east) << c.code;
    EXPECT_FALSE(region.sovietZone) << c.code;
    EXPECT_EQ(region.firstLegalYear, c.firstLegalYear) << c.code;
    EXPECT_EQ(region.DisplayName(), c.code);
  }
}

// The members of a looked-up region answer as the code functions do, in
// every year and for every legal flag.
TEST(Region, RegionMembersAgreeWithCodeFunctions) {
  std::vector<std::string> codes = {"HR", "HR-21", "DK", "DK-84", "CZ", "SK-BL",
                                    "LT", "SLO",   "XY", "",      "DE", "S-AB"};
  for (const RegionRow& row : RegionTable().first(kFilledRegionRows)) codes.emplace_back(row.code);
  for (const std::string& code : codes) {
    const Region region = RegionOfCode(code);
    for (int year = -5; year <= 3005; ++year) {
      ASSERT_EQ(region.EraOf(year), RegionEra(code, year)) << code << ' ' << year;
      ASSERT_EQ(region.EastIn(year), IsEastRegion(code, year)) << code << ' ' << year;
      for (int legal : {-1, 0, 1}) {
        ASSERT_EQ(region.ValidFlag(year, legal), CountryValidFlag(code, year, legal))
            << code << ' ' << year << ' ' << legal;
      }
    }
  }
}

TEST(Region, ResolveRegionAcceptsWhatAUserNames) {
  const struct {
    const char* text;
    const char* code;  // nullptr: refused
  } kCases[] = {
      {"D-BY", "D-BY"},
      {"D", "D"},
      {"A-NÖ", "A-NÖ"},
      {"d-by", "D-BY"},
      {"a-w", "A-W"},
      {"a-nö", "A-NÖ"},
      {"Bayern", "D-BY"},
      {"bayern", "D-BY"},
      {"BAYERN", "D-BY"},
      {"bAyErN", "D-BY"},
      {"Österreich", "A"},
      {"österreich", "A"},
      {"KÄRNTEN", "A-K"},
      {"berlin (ost)", "D-OB"},
      {"Deutschland", "D"},
      {"HR", "HR"},
      {"hr", "HR"},
      {"hr-21", "HR-21"},
      {"DK", "DK"},
      {"dk-84", "DK-84"},
      {"Dk-84", "DK-84"},
      {"", nullptr},
      {"XY", nullptr},
      {"Atlantis", nullptr},
      {"HRV", nullptr},
      {"DK84", nullptr},
      {"CZ", nullptr},
      {" D-BY", nullptr},
      {"D-BY ", nullptr},
      {"Bayern ", nullptr},
      {"D-XX", nullptr},
      {"weitere Länder", nullptr},
      {"Alle Länder", nullptr},
      {"<<<<<<", nullptr},
  };
  for (const auto& c : kCases) {
    const std::optional<Region> region = ResolveRegion(c.text);
    if (c.code == nullptr) {
      EXPECT_FALSE(region.has_value()) << c.text;
      continue;
    }
    ASSERT_TRUE(region.has_value()) << c.text;
    EXPECT_EQ(region->code, c.code) << c.text;
    EXPECT_EQ(region->name, RegionNameOfCode(c.code)) << c.text;
  }
}

// Every name and code of the table resolves to its own row.
TEST(Region, ResolveRegionFindsEveryRow) {
  for (const RegionRow& row : RegionTable().first(kFilledRegionRows)) {
    for (std::string_view text : {row.code, row.name}) {
      const std::optional<Region> region = ResolveRegion(text);
      ASSERT_TRUE(region.has_value()) << text;
      EXPECT_EQ(region->code, row.code) << text;
    }
  }
}

}  // namespace
}  // namespace engine

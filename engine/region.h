// SPDX-License-Identifier: MIT
// Regions: the table of countries and their states with codes, capitals and
// coordinates, the lookups on it, the lines of the region selection list, the
// political era of a region in a year, and the years from which a country's
// holidays count as legal holidays. A `Region` holds all of that for one
// region: it is looked up once (`RegionOfCode`, `ResolveRegion`) and passed to
// the holiday, time and day rules, which then never read the code again to
// classify it.
//
// The table is constant data compiled into the program: the date edits need
// not fill it when they are created, and it cannot change between two
// readings. Every lookup scans the rows in order; the empty rows after the
// 29 filled ones never match. Holidays themselves are not computed here.
#pragma once

#include <climits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One row of the region table. Coordinates are nine-character texts of
// degrees, minutes and seconds, right-aligned with blanks (" 52 30 59").
struct RegionRow {
  std::string_view name;
  std::string_view code;
  std::string_view capital;
  std::string_view latitude;   // north
  std::string_view longitude;  // east
};

inline constexpr int kRegionRows = 129;
inline constexpr int kFilledRegionRows = 29;

// RegionTable: all 129 rows; rows 29 to 128 are empty.
std::span<const RegionRow> RegionTable();  // RegionTable()[19].name == "Österreich"

// The text shown for the entry that leads to the list of all regions, the
// entry that selects that list, and the entry that leads back from it.
inline constexpr std::string_view kMoreRegionsEntry = "weitere Länder";
inline constexpr std::string_view kAllRegionsEntry = "Alle Länder";
inline constexpr std::string_view kBackEntry = "<<<<<<";

// ---- Lookups ---------------------------------------------------------------

// RegionCodeOfName: the code of the first row with that name, "" when none.
std::string RegionCodeOfName(std::string_view name);  // "Kärnten" -> "A-K"

// RegionNameOfCode: the name of the first row with that code, "" when none.
std::string RegionNameOfCode(std::string_view code);  // "D" -> "Deutschland"

// RegionNameOfIndex: the name of row 0..128; -1 gives "weitere Länder", any
// other index "".
std::string RegionNameOfIndex(int index);  // 3 -> "Berlin"

struct RegionPlaceResult {
  std::string capital;
  std::string latitude;
  std::string longitude;
};

// RegionPlace: capital and coordinates of the first row with that code; for a
// code no row has (the empty code included) the capital is "" and both
// coordinates are "  0 00 00".
RegionPlaceResult RegionPlace(
    std::string_view code);  // "D-BY" -> {"München", " 48 08 23", " 11 34 28"}

// RegionList: the lines of the region selection list for the selected entry.
// An empty entry gives no lines. "Alle Länder" gives "<<<<<<" and then every
// country and state. Any other entry gives "weitere Länder", the entry, and
// the names of the rows whose code contains the entry's code followed by "-";
// an entry that is no row name has the empty code, so every state follows it.
// Names are sorted ignoring case, with ä, ö, ü as a, o, u and ß as ss, and
// without duplicates.
std::vector<std::string> RegionList(
    std::string_view selected);  // "Österreich" -> {"weitere Länder", "Österreich", "Burgenland",
                                 //                   ..., "Wien"}

// ---- Region sets -----------------------------------------------------------

// BelongsToCountry: the code is the country code or begins with it and "-".
constexpr bool BelongsToCountry(std::string_view code, std::string_view country) {
  if (!code.starts_with(country)) return false;
  return code.size() == country.size() || code[country.size()] == '-';
}  // ("D-BY", "D") -> true

// The region sets of the holiday and time rules: "D" or "D-...", "A" or
// "A-...", "HR" or "HR-...", "DK" or "DK-...".
constexpr bool IsGermanRegion(std::string_view code) {
  return BelongsToCountry(code, "D");
}  // IsGermanRegion("DK") == false
constexpr bool IsAustrianRegion(std::string_view code) {
  return BelongsToCountry(code, "A");
}  // IsAustrianRegion("A-NÖ") == true
constexpr bool IsCroatianRegion(std::string_view code) {
  return BelongsToCountry(code, "HR");
}  // IsCroatianRegion("HR-21") == true
constexpr bool IsDanishRegion(std::string_view code) {
  return BelongsToCountry(code, "DK");
}  // IsDanishRegion("D") == false

// ---- Eras and legal validity -----------------------------------------------

// The eras of RegionEra.
inline constexpr int kEraNone = 0;
inline constexpr int kEraNs = 4;         // 1933..1945, every region
inline constexpr int kEraWestEarly = 5;  // 1946..1949, not an East region
inline constexpr int kEraEastEarly = 8;  // 1946..1949, East region
inline constexpr int kEraEast = 9;       // 1950..1990, East region
inline constexpr int kEraWest = 10;      // 1950..1990, not an East region

// RegionEra: the political era of a region in a year. East regions are
// "D-BB", "D-OB", "D-MV", "D-SN", "D-ST" and "D-TH" ("D-BE" is not one).
// Region::EraOf is the same for a looked-up region.
int RegionEra(std::string_view code, int year);  // ("D-SN", 1960) -> 9

// IsEastRegion: the East flag, set in the eras 8 and 9.
bool IsEastRegion(std::string_view code, int year);  // ("D-SN", 1946) -> true

// CountryValidFlag: the legal flag unchanged when the code belongs to a
// country whose holidays are legal in that year, else 0. Countries are tried
// in the order D, A, CH, DK, NL, B, S, L, CZ, PL, SK, HR, FL, LT, NAM, SLO.
int CountryValidFlag(std::string_view code, int year, int legal);  // ("D-BY", 1870, 1) -> 0

// ---- The region value ------------------------------------------------------

// The country whose holiday rules a region follows; None for every region
// without rules (the fixed-date part names its days "x").
enum class RulesCountry { None, Germany, Austria, Croatia, Denmark };

// The year a region whose country has no legal holidays never reaches.
inline constexpr int kNeverLegal = INT_MAX;

// A region as the rules see it. The texts of the table row are views of the
// constant table; a code without a row has an empty name and capital and the
// coordinates "  0 00 00".
struct Region {
  std::string code;              // "D-BY", "HR-21", or any code without a row
  std::string_view name;         // "Bayern"; empty without a row
  std::string_view capital;      // "München"; empty without a row
  std::string_view latitude;     // " 48 08 23", north
  std::string_view longitude;    // " 11 34 28", east
  double latitudeDegrees = 0.0;  // 48.139...
  double longitudeDegrees = 0.0;
  RulesCountry country = RulesCountry::None;
  bool hasRules = false;    // the country has holiday rules (country != None)
  bool east = false;        // an East state: "D-BB", "D-OB", "D-MV", "D-SN", "D-ST", "D-TH"
  bool sovietZone = false;  // the East states and both halves of Berlin ("D-BE", "D-WB")
  int firstLegalYear = kNeverLegal;  // the first year the country's holidays are legal

  bool german() const { return country == RulesCountry::Germany; }
  bool austrian() const { return country == RulesCountry::Austria; }

  // EraOf: the political era of the region in a year (kEraNone ... kEraWest).
  int EraOf(int year) const;  // D-SN: EraOf(1960) == kEraEast

  // EastIn: the East flag of a year, set in the eras kEraEastEarly and kEraEast.
  bool EastIn(int year) const;  // D-SN: EastIn(1946) == true, EastIn(1991) == false

  // ValidFlag: the legal flag unchanged when the country's holidays are legal
  // in that year, else 0 (what CountryValidFlag gives for the code).
  int ValidFlag(int year, int legal) const;  // D-BY: ValidFlag(1870, 1) == 0

  // DisplayName: the name, or the code when the table has no row for it.
  std::string DisplayName() const;  // "HR" -> "HR"
};

// RegionOfCode: the region of any code, classified by the same sets as the
// code functions above; a code without a row keeps its text.
Region RegionOfCode(std::string_view code);  // "D-SN" -> {"D-SN", "Sachsen", "Dresden", ...}

// ResolveRegion: the region a user names: a code of the table ("D-BY"), a
// region name in any case ("bayern"), a code of the table in any case ("d-by"),
// or a Croatian or Danish code in any case ("hr", "dk-84"); nothing for any
// other text. Codes come back in capitals.
std::optional<Region> ResolveRegion(std::string_view text);  // "BAYERN" -> D-BY

// ---- Coordinates -----------------------------------------------------------

// DegreesOfCoordinate: decimal degrees of a coordinate text of whole degrees,
// minutes and seconds separated by blanks; 0 for a text holding anything but
// digits and blanks or more than three numbers.
double DegreesOfCoordinate(std::string_view text);  // " 52 30 00" -> 52.5

}  // namespace engine

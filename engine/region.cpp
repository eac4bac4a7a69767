// SPDX-License-Identifier: MIT
#include "engine/region.h"

#include <algorithm>
#include <array>
#include <climits>

namespace engine {
namespace {

constexpr std::array<RegionRow, kRegionRows> kTable = {{
    {"Deutschland", "D", "Berlin", " 52 30 59", " 13 22 39"},
    {"Baden-Württemberg", "D-BW", "Stuttgart", " 48 46 36", "  9 10 39"},
    {"Bayern", "D-BY", "München", " 48 08 23", " 11 34 28"},
    {"Berlin", "D-BE", "Berlin", " 52 30 59", " 13 22 39"},
    {"Brandenburg", "D-BB", "Potsdam", " 52 24 00", " 13 04 00"},
    {"Bremen", "D-HB", "Bremen", " 53 04 37", "  8 48 32"},
    {"Hamburg", "D-HH", "Hamburg", " 53 33 01", "  9 59 34"},
    {"Hessen", "D-HE", "Wiesbaden", " 50 05 00", "  8 15 00"},
    {"Mecklenburg-Vorpommern", "D-MV", "Schwerin", " 53 37 33", " 11 24 49"},
    {"Niedersachsen", "D-NI", "Hannover", " 52 22 46", "  9 44 30"},
    {"Nordrhein-Westfalen", "D-NW", "Düsseldorf", " 51 13 32", "  6 46 58"},
    {"Rheinland-Pfalz", "D-RP", "Mainz", " 50 00 01", "  8 16 16"},
    {"Saarland", "D-SL", "Saarbrücken", " 49 14 00", "  7 00 00"},
    {"Sachsen", "D-SN", "Dresden", " 51 03 00", " 13 44 00"},
    {"Sachsen-Anhalt", "D-ST", "Magdeburg", " 52 08 00", " 11 37 00"},
    {"Schleswig-Holstein", "D-SH", "Kiel", " 54 20 00", " 10 08 00"},
    {"Thüringen", "D-TH", "Erfurt", " 50 58 41", " 11 01 45"},
    {"Berlin (Ost)", "D-OB", "Berlin (Ost)", " 52 30 59", " 13 22 39"},
    {"Berlin (West)", "D-WB", "Berlin (West)", " 52 30 59", " 13 22 39"},
    {"Österreich", "A", "Wien", " 48 12 00", " 16 22 00"},
    {"Burgenland", "A-B", "Eisenstadt", " 47 50 44", " 16 31 06"},
    {"Kärnten", "A-K", "Klagenfurt", " 46 37 04", " 14 18 20"},
    {"Niederösterreich", "A-NÖ", "St. Pölten", " 48 12 17", " 15 37 36"},
    {"Oberösterreich", "A-OÖ", "Linz", " 48 18 11", " 14 17 26"},
    {"Salzburg", "A-S", "Salzburg", " 47 48 00", " 13 02 00"},
    {"Steiermark", "A-ST", "Graz", " 47 04 00", " 15 26 00"},
    {"Tirol", "A-T", "Innsbruck", " 47 16 02", " 11 23 34"},
    {"Vorarlberg", "A-V", "Bregenz", " 47 30 18", " 09 44 57"},
    {"Wien", "A-W", "Wien", " 48 12 00", " 16 22 00"},
}};

static_assert(kTable[kFilledRegionRows - 1].code == "A-W" &&
              kTable[kFilledRegionRows].name.empty());

constexpr std::string_view kUnknownCoordinate = "  0 00 00";

// The East states. The Soviet occupation zone, whose clocks went their own
// way in 1945, is these and both halves of Berlin.
constexpr std::array<std::string_view, 6> kEastCodes = {"D-BB", "D-OB", "D-MV",
                                                        "D-SN", "D-ST", "D-TH"};
constexpr std::array<std::string_view, 2> kBerlinCodes = {"D-BE", "D-WB"};

struct CountryStart {
  std::string_view code;
  int firstLegalYear;
};

// The order matters only for the first match; codes are distinct countries.
constexpr std::array<CountryStart, 16> kCountries = {{
    {"D", 1871},
    {"A", 1871},
    {"CH", 1871},
    {"DK", 1871},
    {"NL", 1871},
    {"B", 1871},
    {"S", 1871},
    {"L", 1871},
    {"CZ", 1993},
    {"PL", 1871},
    {"SK", 1993},
    {"HR", INT_MIN},
    {"FL", 1871},
    {"LT", 1900},
    {"NAM", 1871},
    {"SLO", 1991},
}};

// The rows a name or code can match: the empty rows after them match no
// text that is not empty.
constexpr std::span<const RegionRow> kFilledRows{kTable.data(), kFilledRegionRows};

// Empty rows must not answer an empty name or code.
const RegionRow* RowOfName(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const RegionRow& row : kFilledRows) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

const RegionRow* RowOfCode(std::string_view code) {
  if (code.empty()) return nullptr;
  // The last letter tells most codes of one length apart before any full comparison.
  for (const RegionRow& row : kFilledRows) {
    if (row.code.size() == code.size() && row.code.back() == code.back() && row.code == code) {
      return &row;
    }
  }
  return nullptr;
}

// The sort key of a name as a German reader orders it: case ignored, ä, ö, ü
// as a, o, u and ß as ss. Other characters keep their UTF-8 bytes.
std::string SortKey(std::string_view name) {
  std::string key;
  key.reserve(name.size() + 2);
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c >= 'A' && c <= 'Z') {
      key += static_cast<char>(c - 'A' + 'a');
      continue;
    }
    if (c == 0xC3 && i + 1 < name.size()) {
      const unsigned char next = static_cast<unsigned char>(name[i + 1]);
      char plain = 0;
      switch (next) {
        case 0xA4:  // ä
        case 0x84:  // Ä
          plain = 'a';
          break;
        case 0xB6:  // ö
        case 0x96:  // Ö
          plain = 'o';
          break;
        case 0xBC:  // ü
        case 0x9C:  // Ü
          plain = 'u';
          break;
        case 0x9F:  // ß
          key += 's';
          plain = 's';
          break;
        default:
          break;
      }
      if (plain != 0) {
        key += plain;
        ++i;
        continue;
      }
    }
    key += static_cast<char>(c);
  }
  return key;
}

void SortNames(std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) keyed.emplace_back(SortKey(name), std::move(name));
  // Ties of the key fall back to the bytes, so the order never depends on the input order.
  std::sort(keyed.begin(), keyed.end());
  keyed.erase(std::unique(keyed.begin(), keyed.end()), keyed.end());
  names.clear();
  for (auto& entry : keyed) names.push_back(std::move(entry.second));
}

constexpr bool IsEastCode(std::string_view code) {
  return std::find(kEastCodes.begin(), kEastCodes.end(), code) != kEastCodes.end();
}

constexpr bool IsSovietZoneCode(std::string_view code) {
  return IsEastCode(code) ||
         std::find(kBerlinCodes.begin(), kBerlinCodes.end(), code) != kBerlinCodes.end();
}

// The value of a run of digits, saturated well above any degree or minute.
constexpr int DigitRunValue(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), 100000);
  return value;
}

constexpr double Degrees(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int count = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (end == i || count == 3) return 0.0;
    parts[count++] = DigitRunValue(text.substr(i, end - i));
    i = end;
  }
  return parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
}

constexpr RulesCountry RulesCountryOf(std::string_view code) {
  if (IsGermanRegion(code)) return RulesCountry::Germany;
  if (IsAustrianRegion(code)) return RulesCountry::Austria;
  if (IsCroatianRegion(code)) return RulesCountry::Croatia;
  if (IsDanishRegion(code)) return RulesCountry::Denmark;
  return RulesCountry::None;
}

constexpr int FirstLegalYear(std::string_view code) {
  for (const CountryStart& country : kCountries) {
    if (BelongsToCountry(code, country.code)) return country.firstLegalYear;
  }
  return kNeverLegal;
}

// What a region lookup would otherwise classify, for every row, so that
// looking up a row's region compares nothing but the code.
struct RowFacts {
  double latitude = 0.0;
  double longitude = 0.0;
  RulesCountry country = RulesCountry::None;
  bool east = false;
  bool sovietZone = false;
  int firstLegalYear = kNeverLegal;
};
constexpr std::array<RowFacts, kRegionRows> kRowFacts = [] {
  std::array<RowFacts, kRegionRows> facts{};
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    const std::string_view code = kTable[i].code;
    facts[i] = {Degrees(kTable[i].latitude), Degrees(kTable[i].longitude),
                RulesCountryOf(code),        IsEastCode(code),
                IsSovietZoneCode(code),      FirstLegalYear(code)};
  }
  return facts;
}();

int EraOfYear(bool east, int year) {
  if (year >= 1933 && year <= 1945) return kEraNs;
  if (year >= 1946 && year <= 1990) {
    const bool early = year <= 1949;
    if (east) return early ? kEraEastEarly : kEraEast;
    return early ? kEraWestEarly : kEraWest;
  }
  return kEraNone;
}

// A text for comparing without regard to case: ASCII letters and Ä, Ö, Ü
// in small letters; every other byte unchanged.
std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(folded[i]);
    if (c >= 'A' && c <= 'Z') {
      folded[i] = static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < folded.size()) {
      const unsigned char next = static_cast<unsigned char>(folded[i + 1]);
      if (next == 0x84 || next == 0x96 || next == 0x9C)
        folded[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    }
  }
  return folded;
}

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

std::span<const RegionRow> RegionTable() {
  return kTable;
}

std::string RegionCodeOfName(std::string_view name) {
  const RegionRow* row = RowOfName(name);
  return row ? std::string(row->code) : std::string();
}

std::string RegionNameOfCode(std::string_view code) {
  const RegionRow* row = RowOfCode(code);
  return row ? std::string(row->name) : std::string();
}

std::string RegionNameOfIndex(int index) {
  if (index == -1) return std::string(kMoreRegionsEntry);
  if (index < 0 || index >= kRegionRows) return {};
  return std::string(kTable[static_cast<std::size_t>(index)].name);
}

RegionPlaceResult RegionPlace(std::string_view code) {
  const RegionRow* row = RowOfCode(code);
  if (!row) return {"", std::string(kUnknownCoordinate), std::string(kUnknownCoordinate)};
  return {std::string(row->capital), std::string(row->latitude), std::string(row->longitude)};
}

std::vector<std::string> RegionList(std::string_view selected) {
  std::vector<std::string> lines;
  if (selected.empty()) return lines;
  if (selected == kAllRegionsEntry) {
    for (const RegionRow& row : kTable) {
      if (!row.name.empty()) lines.emplace_back(row.name);
    }
    SortNames(lines);
    lines.insert(lines.begin(), std::string(kBackEntry));
    return lines;
  }
  const std::string stateCode = RegionCodeOfName(selected) + "-";
  for (const RegionRow& row : kTable) {
    if (!row.name.empty() && row.code.find(stateCode) != std::string_view::npos) {
      lines.emplace_back(row.name);
    }
  }
  SortNames(lines);
  lines.insert(lines.begin(), {std::string(kMoreRegionsEntry), std::string(selected)});
  return lines;
}

int RegionEra(std::string_view code, int year) {
  return EraOfYear(IsEastCode(code), year);
}

bool IsEastRegion(std::string_view code, int year) {
  const int era = RegionEra(code, year);
  return era == kEraEastEarly || era == kEraEast;
}

int CountryValidFlag(std::string_view code, int year, int legal) {
  if (legal == 0) return 0;  // the common case: nothing to validate
  for (const CountryStart& country : kCountries) {
    if (BelongsToCountry(code, country.code) && year >= country.firstLegalYear) return legal;
  }
  return 0;
}

int Region::EraOf(int year) const {
  return EraOfYear(east, year);
}

bool Region::EastIn(int year) const {
  return east && year >= 1946 && year <= 1990;
}

int Region::ValidFlag(int year, int legal) const {
  if (legal == 0 || firstLegalYear == kNeverLegal || year < firstLegalYear) return 0;
  return legal;
}

std::string Region::DisplayName() const {
  return name.empty() ? code : std::string(name);
}

Region RegionOfCode(std::string_view code) {
  Region region;
  region.code = code;
  if (const RegionRow* row = RowOfCode(code)) {
    const RowFacts& facts = kRowFacts[static_cast<std::size_t>(row - kTable.data())];
    region.name = row->name;
    region.capital = row->capital;
    region.latitude = row->latitude;
    region.longitude = row->longitude;
    region.latitudeDegrees = facts.latitude;
    region.longitudeDegrees = facts.longitude;
    region.country = facts.country;
    region.east = facts.east;
    region.sovietZone = facts.sovietZone;
    region.firstLegalYear = facts.firstLegalYear;
  } else {
    region.latitude = kUnknownCoordinate;
    region.longitude = kUnknownCoordinate;
    region.country = RulesCountryOf(code);
    region.east = IsEastCode(code);
    region.sovietZone = IsSovietZoneCode(code);
    region.firstLegalYear = FirstLegalYear(code);
  }
  region.hasRules = region.country != RulesCountry::None;
  return region;
}

std::optional<Region> ResolveRegion(std::string_view text) {
  if (RowOfCode(text)) return RegionOfCode(text);
  if (const RegionRow* row = RowOfName(text)) return RegionOfCode(row->code);
  if (text.empty()) return std::nullopt;
  const std::string folded = FoldCase(text);
  for (const RegionRow& row : kTable) {
    if (row.name.empty()) continue;
    if (FoldCase(row.name) == folded || FoldCase(row.code) == folded) {
      return RegionOfCode(row.code);
    }
  }
  const std::string upper = AsciiUpper(text);
  if (IsCroatianRegion(upper) || IsDanishRegion(upper)) return RegionOfCode(upper);
  return std::nullopt;
}

double DegreesOfCoordinate(std::string_view text) {
  return Degrees(text);
}

}  // namespace engine

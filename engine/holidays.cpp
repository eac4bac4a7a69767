// SPDX-License-Identifier: MIT
#include "engine/holidays.h"

#include <algorithm>
#include <array>

#include "engine/region.h"
#include "engine/urlencode.h"

namespace engine {
namespace {

// The day of the year of a date in a common year; the rules are keyed by it.
constexpr int Common(int day, int month) {
  constexpr int kBefore[] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  return kBefore[month] + day;
}

bool IsOneOf(const std::string& code, std::initializer_list<std::string_view> codes) {
  for (std::string_view c : codes) {
    if (code == c) return true;
  }
  return false;
}

// Every date that a fixed-date rule of any region names.
constexpr int kFixedRuleDays[] = {
    Common(1, 1),   Common(6, 1),   Common(2, 2),  Common(8, 3),  Common(19, 3),  Common(20, 4),
    Common(1, 5),   Common(4, 5),   Common(8, 5),  Common(9, 5),  Common(11, 5),  Common(12, 5),
    Common(13, 5),  Common(14, 5),  Common(15, 5), Common(30, 5), Common(5, 6),   Common(17, 6),
    Common(22, 6),  Common(25, 6),  Common(5, 8),  Common(8, 8),  Common(15, 8),  Common(2, 9),
    Common(20, 9),  Common(24, 9),  Common(3, 10), Common(7, 10), Common(8, 10),  Common(10, 10),
    Common(26, 10), Common(31, 10), Common(1, 11), Common(2, 11), Common(9, 11),  Common(11, 11),
    Common(15, 11), Common(18, 11), Common(6, 12), Common(8, 12), Common(24, 12), Common(25, 12),
    Common(26, 12), Common(31, 12)};

// Whether a day of a common year is one of kFixedRuleDays: most days are
// none, and they need no look at the region.
constexpr std::array<bool, 366> kIsFixedRuleDay = [] {
  std::array<bool, 366> days{};
  for (int day : kFixedRuleDays) days[static_cast<std::size_t>(day)] = true;
  return days;
}();

Feast MayDay(int year, bool austrian, bool east) {
  if (year < 1919) return {};
  const auto german = [&]() -> Feast {
    if (year == 1919) return {"Tag der Arbeit", 1};
    if (year <= 1932) return {"Tag der Arbeit", 0};
    if (year == 1933) return {"Feiertag der nationalen Arbeit", 1};
    if (year <= 1945) return {"Nationaler Feiertag des deutschen Volkes", 1};
    if (east && year >= 1950 && year <= 1990) return {"Int. Kampf- u. Feiertag der Werktätigen", 1};
    return {"Tag der Arbeit", 1};
  };
  if (!austrian) return german();
  if (year >= 1938 && year <= 1945) return {german().name, 0};
  return {"Staatsfeiertag", 1};
}

Feast ReformationDay(int year, const Region& region, bool east) {
  if (year < 1667) return {};
  if (year == 2017) return {"Reformationstag (500 Jahre)", 1};
  const std::string& code = region.code;
  // From 1990 the East states, East Berlin having become part of Berlin.
  const bool legal = (east && year >= 1949 && year <= 1966 && code != "D-OB" && code != "D-ST") ||
                     (year >= 1990 && region.east && code != "D-OB") ||
                     (year >= 2018 && IsOneOf(code, {"D-SH", "D-HH", "D-NI", "D-HB"}));
  return {"Reformationstag", legal ? 1 : 0};
}

Feast GermanAustrianFixed(int day, int year, const Region& region) {
  if (!kIsFixedRuleDay[static_cast<std::size_t>(day)]) return {};
  const std::string& code = region.code;
  const bool austrian = region.austrian();
  const bool german = !austrian;
  const bool east = region.EastIn(year);
  const auto legal = [](bool condition) { return condition ? 1 : 0; };
  switch (day) {
    case Common(1, 1):
      return {"Neujahr", 1};
    case Common(6, 1):
      if (year < 101) return {};
      return {"Heilige Drei Könige",
              legal(!east && (austrian || IsOneOf(code, {"D-BW", "D-BY", "D-ST"})))};
    case Common(2, 2):
      if (year < 501) return {};
      return {"Mariä Lichtmeß", 0};
    case Common(8, 3):
      if ((code == "D-BE" && year >= 2019) || (code == "D-MV" && year >= 2023)) {
        return {"Internationaler Frauentag", 1};
      }
      return {};
    case Common(19, 3):
      if (year < 1101 || !(austrian || code == "D-BY")) return {};
      return {"Josef", legal(year >= 1950 && (IsOneOf(code, {"A-K", "A-ST", "A-T", "A-V"}) ||
                                              (code == "D-BY" && year <= 1969)))};
    case Common(20, 4):
      if (year < 1939 || year > 1945) return {};
      return {"Führergeburtstag", legal(year == 1939)};
    case Common(1, 5):
      return MayDay(year, austrian, east);
    case Common(4, 5):
      if (year < 305 || !austrian) return {};
      return {"Florian", legal(code == "A-OÖ")};
    case Common(8, 5):
      // Berlin's one-off days: the 75th and 80th anniversaries.
      if (code == "D-BE" && (year == 2020 || year == 2025)) return {"Tag der Befreiung", 1};
      if (year < 1950 || !east) return {};
      return {"Tag der Befreiung", legal(year <= 1966 || year == 1985)};
    case Common(9, 5):
      if (year < 1965 || !east) return {};
      return {"Tag des Sieges", legal(year == 1975)};
    case Common(11, 5):
      if (year < 600) return {};
      return {"Eishlg. Mamertus", 0};
    case Common(12, 5):
      if (year < 600) return {};
      return {"Eishlg. Pankratius", 0};
    case Common(13, 5):
      if (year < 600) return {};
      return {"Eishlg. Servatius", 0};
    case Common(14, 5):
      if (year < 600) return {};
      return {"Eishlg. Bonifatius", 0};
    case Common(15, 5):
      if (year < 600) return {};
      return {"Eishlg. Sophia = Kalte Sophie", 0};
    case Common(17, 6):
      if (code == "D-BE" && year == 2028) {
        return {"75. Jahrestag des Volksaufstandes vom 17. Juni 1953", 1};
      }
      if (year < 1954 || year > 1990 || !german || east) return {};
      return {"Tag der deutschen Einheit", 1};
    case Common(8, 8):
      if (year < 1650 || code != "D-BY") return {};
      return {"Augsburger Hohes Friedensfest", 0};
    case Common(15, 8):
      if (year < 814) return {};
      return {"Mariä Himmelfahrt", legal(austrian || code == "D-SL")};
    case Common(2, 9):
      if (year < 1871 || year > 1918 || !german) return {};
      return {"Sedantag", 0};
    case Common(20, 9):
      if (code != "D-TH" || year < 2019) return {};
      return {"Weltkindertag", 1};
    case Common(24, 9):
      if (year < 719 || !austrian) return {};
      return {"Rupert von Salzburg", legal(code == "A-S")};
    case Common(3, 10):
      if (year < 1990 || !german) return {};
      return {"Tag der deutschen Einheit", 1};
    case Common(7, 10):
      if (year < 1950 || year > 1989 || !east) return {};
      return {"Tag der Republik", 1};
    case Common(10, 10):
      if (year < 1920 || !austrian) return {};
      return {"Volksabstimmung 1920 in Kärnten", legal(code == "A-K")};
    case Common(26, 10):
      if (year < 1965 || !austrian) return {};
      return {"Nationalfeiertag", legal(year >= 1967)};
    case Common(31, 10):
      if (!german) return {};
      return ReformationDay(year, region, east);
    case Common(1, 11):
      if (year < 814) return {};
      return {"Allerheiligen",
              legal(austrian || IsOneOf(code, {"D-BW", "D-BY", "D-NW", "D-RP", "D-SL"}))};
    case Common(2, 11):
      if (year < 991) return {};
      return {"Allerseelen", 0};
    case Common(9, 11):
      if (year < 1939 || year > 1944) return {};
      return {"Gedenktag für die Bewegung", 1};
    case Common(11, 11):
      if (year < 401) return {};
      return {"Martinstag", legal(code == "A-B")};
    case Common(15, 11):
      if (year < 1485 || !austrian) return {};
      return {"Leopold III. (Österreich)", legal(code == "A-W" || code == "A-NÖ")};
    case Common(6, 12):
      if (year < 551) return {};
      return {"Nikolaus", 0};
    case Common(8, 12):
      if (year < 551) return {};
      return {"Mariä Empfängnis", legal(austrian)};
    case Common(24, 12):
      if (year < 336) return {};
      return {"Heiligabend", legal(austrian)};
    case Common(25, 12):
      if (year < 336) return {};
      return {"1. Weihnachtstag", 1};
    case Common(26, 12):
      if (year < 336) return {};
      return {"2. Weihnachtstag", 1};
    case Common(31, 12):
      if (year < 813) return {};
      return {"Silvester", legal(austrian)};
    default:
      return {};
  }
}

// Croatia's two days of statehood moved: 30 May until 2001, 25 June from
// 2002 to 2019, and 30 May again from 2020. The law of 2020 also made
// Independence Day (8 October) a day without legal status and the day of
// remembrance of 18 November a legal holiday.
Feast CroatianFixed(int day, int year) {
  switch (day) {
    case Common(1, 1):
      return {"Neujahr", 1};
    case Common(6, 1):
      return {"Dreikönigsfest", 1};
    case Common(1, 5):
      return {"Tag der Arbeit", 1};
    case Common(30, 5):
      if (year >= 1991 && (year <= 2001 || year >= 2020)) return {"Tag der Staatlichkeit", 1};
      return {};
    case Common(22, 6):
      if (year >= 1991) return {"Tag des antifaschistischen Kampfes", 1};
      return {};
    case Common(25, 6):
      if (year >= 2002 && year <= 2019) return {"Tag der Staatlichkeit", 1};
      return {};
    case Common(5, 8):
      return {"Tag des Sieges und der heimatlichen Dankbarkeit", 1};
    case Common(15, 8):
      if (year < 814) return {};
      return {"Mariä Himmelfahrt", 1};
    case Common(8, 10):
      return {"Unabhängigkeitstag", year <= 2019 ? 1 : 0};
    case Common(1, 11):
      if (year < 814) return {};
      return {"Allerheiligen", 1};
    case Common(18, 11):
      if (year < 2020) return {};
      return {"Tag des Gedenkens an die Opfer des Heimatkrieges", 1};
    case Common(25, 12):
      if (year < 336) return {};
      return {"1. Weihnachtstag", 1};
    case Common(26, 12):
      if (year < 336) return {};
      return {"2. Weihnachtstag", 1};
    default:
      return {};
  }
}

Feast DanishFixed(int day, int year) {
  switch (day) {
    case Common(1, 1):
      return {"Neujahr", 1};
    case Common(5, 6):
      if (year < 336) return {};
      return {"Tag der dänischen Verfassung", 0};
    case Common(24, 12):
      if (year < 336) return {};
      return {"Heiligabend", 0};
    case Common(25, 12):
      if (year < 336) return {};
      return {"1. Weihnachtstag", 1};
    case Common(26, 12):
      if (year < 336) return {};
      return {"2. Weihnachtstag", 1};
    case Common(31, 12):
      return {"Silvester", 0};
    default:
      return {};
  }
}

// The first character of a UTF-8 text that is position `index` (0-based),
// or 0 when the text is shorter.
char CharacterAt(std::string_view text, std::size_t index) {
  std::size_t position = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
    if (position++ == index) return text[i];
  }
  return 0;
}

// Every distance from Easter Sunday at which a movable feast of any region lies.
constexpr int kEasterOffsets[] = {-48, -46, -35, -7, -3, -2, -1, 0, 1, 7, 26, 39, 49, 50, 60};

// Every distance from the fourth Sunday of Advent at which a feast lies.
constexpr int kAdventOffsets[] = {-35, -32, -28, -21, -14, -7, 0};

}  // namespace

std::vector<int> HolidayCandidateDays(int year, const Region& region, CalendarKind kind) {
  const bool leap = IsLeapYear(year, kind);
  const int daysInYear = leap ? 366 : 365;
  std::vector<int> days;
  days.reserve(80);
  for (int day : kFixedRuleDays) days.push_back(leap && day >= 60 ? day + 1 : day);
  const int easter = EasterDay(year, kind);
  if (easter >= 1) {
    for (int offset : kEasterOffsets) days.push_back(easter + offset);
    const int advent = FourthAdventDay(easter, leap);
    for (int offset : kAdventOffsets) days.push_back(advent + offset);
    days.push_back(HarvestSundayDay(easter, leap));
    days.push_back(HeroesSundayDay(easter, leap));
  }
  if (region.german() || region.austrian()) {
    // Mother's Day of the Gregorian years this year's days can fall in.
    const int first = DayNumberOf({year, 1, 1}, kind);
    for (int gregorianYear = year - 1; gregorianYear <= year + 1; ++gregorianYear) {
      const int firstOfMay = DayNumberOf({gregorianYear, 5, 1}, CalendarKind::Gregorian);
      const int mothersDay = firstOfMay + (7 - WeekDayOf(firstOfMay)) % 7 + 7;
      days.push_back(mothersDay - first + 1);
    }
  }
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  days.erase(std::remove_if(days.begin(), days.end(),
                            [&](int day) { return day < 1 || day > daysInYear; }),
             days.end());
  return days;
}

namespace {

constexpr int kFirstEasterOffset = kEasterOffsets[0];
constexpr int kLastEasterOffset = kEasterOffsets[std::size(kEasterOffsets) - 1];

constexpr std::array<bool, kLastEasterOffset - kFirstEasterOffset + 1> kIsEasterOffset = [] {
  std::array<bool, kLastEasterOffset - kFirstEasterOffset + 1> offsets{};
  for (int offset : kEasterOffsets)
    offsets[static_cast<std::size_t>(offset - kFirstEasterOffset)] = true;
  return offsets;
}();

// Whether a day lies in the week from 8 to 14 May of its Gregorian year from
// 1934, where Mother's Day falls; a Julian day is taken as the same physical
// day.
bool InMothersDayWeek(int dayOfYear, int year, bool leap, CalendarKind kind) {
  if (kind == CalendarKind::Julian) {
    const int jd = DayNumberOf({year, 1, 1}, kind) + dayOfYear - 1;
    const YearDay gregorian = JDToYearDay(jd, CalendarKind::Gregorian);
    dayOfYear = gregorian.dayOfYear;
    year = gregorian.year;
    leap = gregorian.leap;
  }
  if (year <= 1933) return false;
  const int firstOfMay = Common(1, 5) + (leap ? 1 : 0);
  return dayOfYear >= firstOfMay + 7 && dayOfYear <= firstOfMay + 13;
}

}  // namespace

std::vector<int> HolidayCandidateDays(int year, std::string_view code, CalendarKind kind) {
  return HolidayCandidateDays(year, RegionOfCode(code), kind);
}

bool MayBeHoliday(int dayOfYear, int easterDay, int year, const Region& region, bool leap,
                  CalendarKind kind) {
  if (!region.hasRules) return true;
  const bool germanOrAustrian = region.german() || region.austrian();
  if (dayOfYear < 1 || dayOfYear > (leap ? 366 : 365)) return false;
  const int common = leap && dayOfYear > 60 ? dayOfYear - 1 : dayOfYear;
  if (!(leap && dayOfYear == 60) && kIsFixedRuleDay[static_cast<std::size_t>(common)]) return true;
  if (easterDay >= 1) {
    const int offset = dayOfYear - easterDay;
    if (offset >= kFirstEasterOffset && offset <= kLastEasterOffset &&
        kIsEasterOffset[static_cast<std::size_t>(offset - kFirstEasterOffset)]) {
      return true;
    }
    const int beforeAdvent = FourthAdventDay(easterDay, leap) - dayOfYear;
    if (std::find(std::begin(kAdventOffsets), std::end(kAdventOffsets), -beforeAdvent) !=
        std::end(kAdventOffsets)) {
      return true;
    }
    if (dayOfYear == HarvestSundayDay(easterDay, leap) ||
        dayOfYear == HeroesSundayDay(easterDay, leap)) {
      return true;
    }
  }
  return germanOrAustrian && InMothersDayWeek(dayOfYear, year, leap, kind);
}

bool MayBeHoliday(int dayOfYear, int easterDay, int year, std::string_view code, bool leap,
                  CalendarKind kind) {
  return MayBeHoliday(dayOfYear, easterDay, year, RegionOfCode(code), leap, kind);
}

Feast FixedHoliday(int dayOfYear, int year, bool leap, const Region& region) {
  if (!region.hasRules) return {std::string(kNoRulesName), 0};
  if (dayOfYear < 1 || dayOfYear > (leap ? 366 : 365) || (leap && dayOfYear == 60)) return {};
  const int day = leap && dayOfYear > 60 ? dayOfYear - 1 : dayOfYear;
  switch (region.country) {
    case RulesCountry::Croatia:
      return CroatianFixed(day, year);
    case RulesCountry::Denmark:
      return DanishFixed(day, year);
    default:
      return GermanAustrianFixed(day, year, region);
  }
}

Feast FixedHoliday(int dayOfYear, int year, bool leap, std::string_view code) {
  return FixedHoliday(dayOfYear, year, leap, RegionOfCode(code));
}

bool IsMothersDay(int dayOfYear, int year, const Region& region, CalendarKind kind) {
  if (!region.german() && !region.austrian()) return false;
  if (!InMothersDayWeek(dayOfYear, year, IsLeapYear(year, kind), kind)) return false;
  // The second Sunday of May is the Sunday of that week.
  return WeekDayOf(DayNumberOf({year, 1, 1}, kind) + dayOfYear - 1) == 7;
}

bool IsMothersDay(int dayOfYear, int year, std::string_view code, CalendarKind kind) {
  return IsMothersDay(dayOfYear, year, RegionOfCode(code), kind);
}

std::string MothersDay(int dayOfYear, int year, const Region& region, std::string name,
                       CalendarKind kind) {
  if (!IsMothersDay(dayOfYear, year, region, kind)) return name;
  if (name.empty()) return "Muttertag";
  return name + ", Muttertag";
}

std::string MothersDay(int dayOfYear, int year, std::string_view code, std::string name,
                       CalendarKind kind) {
  return MothersDay(dayOfYear, year, RegionOfCode(code), std::move(name), kind);
}

std::string JoinHolidayNames(std::string_view movable, std::string_view fixed) {
  std::string text;
  text.reserve(movable.size() + fixed.size() + 2);
  text += movable;
  if (!movable.empty() && !fixed.empty()) text += ", ";
  text += fixed;
  return text;
}

HolidayParts HolidayPartsOfDay(int dayOfYear, int easterDay, int year, const Region& region,
                               bool leap, CalendarKind kind) {
  HolidayParts parts{MovableFeast(dayOfYear, easterDay, year, region, leap),
                     FixedHoliday(dayOfYear, year, leap, region)};
  parts.movable.name = MothersDay(dayOfYear, year, region, std::move(parts.movable.name), kind);
  parts.movable.legal = region.ValidFlag(year, parts.movable.legal);
  parts.fixed.legal = region.ValidFlag(year, parts.fixed.legal);
  return parts;
}

HolidayParts HolidayPartsOfDay(int dayOfYear, int easterDay, int year, std::string_view code,
                               bool leap, CalendarKind kind) {
  return HolidayPartsOfDay(dayOfYear, easterDay, year, RegionOfCode(code), leap, kind);
}

Holiday HolidayOfDay(int dayOfYear, int easterDay, int year, const Region& region, bool leap,
                     CalendarKind kind) {
  if (!MayBeHoliday(dayOfYear, easterDay, year, region, leap, kind)) return {};
  const HolidayParts parts = HolidayPartsOfDay(dayOfYear, easterDay, year, region, leap, kind);
  return {JoinHolidayNames(parts.movable.name, parts.fixed.name),
          parts.movable.legal > 0 || parts.fixed.legal > 0 ? 1 : 0};
}

Holiday HolidayOfDay(int dayOfYear, int easterDay, int year, std::string_view code, bool leap,
                     CalendarKind kind) {
  return HolidayOfDay(dayOfYear, easterDay, year, RegionOfCode(code), leap, kind);
}

std::string HolidayArticleLink(std::string_view holidayText) {
  if (holidayText.empty() || holidayText.substr(0, 1) == kNoRulesName) return "";
  const std::string_view first = holidayText.substr(0, holidayText.find(','));
  std::string_view title = first;
  if (CharacterAt(first, 3) == 'A') {
    title = "Adventssonntag";
  } else if (first.substr(0, 4) == "1. W") {
    title = "Weihnachten";
  }
  return std::string(kEncyclopaediaArticleBase) + UrlEncode(title);
}

}  // namespace engine

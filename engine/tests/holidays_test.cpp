// SPDX-License-Identifier: MIT
#include "engine/holidays.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>

#include "engine/region.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

// The holidays of a date text, computed as the day facts do.
Holiday On(const std::string& date, std::string_view code, CalendarKind kind = G) {
  const ParsedDate parsed = ParseDateText(date, kind);
  EXPECT_EQ(parsed.code, 1) << date;
  const int year = parsed.date.year;
  return HolidayOfDay(DayOfYear(date, kind), EasterDay(year, kind), year, code,
                      IsLeapYear(year, kind), kind);
}

// A date in a region with the holiday text and legal flag it must have.
struct HolidayCase {
  const char* date;
  const char* code;
  const char* text;
  int flag;
};

void ExpectHolidays(std::span<const HolidayCase> cases) {
  for (const HolidayCase& c : cases) {
    EXPECT_EQ(On(c.date, c.code), (Holiday{c.text, c.flag})) << c.date << ' ' << c.code;
  }
}

TEST(Holidays, EdgeCases) {
  const HolidayCase kCases[] = {
      {"03.10.2024", "D-NI", "Tag der deutschen Einheit", 1},
      {"03.10.1989", "D-NI", "", 0},
      {"17.06.1970", "D-HE", "Tag der deutschen Einheit", 1},
      {"17.06.1970", "D-SN", "", 0},
      {"31.10.2017", "D-BY", "Reformationstag (500 Jahre)", 1},
      {"31.10.2018", "D-BY", "Reformationstag", 0},
      {"31.10.2018", "D-NI", "Reformationstag", 1},
      {"01.05.1936", "D-BY", "Nationaler Feiertag des deutschen Volkes", 1},
      {"01.05.1936", "A-W", "Staatsfeiertag", 1},
      {"01.05.1940", "A-W", "Nationaler Feiertag des deutschen Volkes", 0},
      {"12.05.2024", "D-BE", "Muttertag, Eishlg. Pankratius", 0},
      {"09.05.1937", "D-BE", "Muttertag", 0},
      {"14.05.1933", "D-BE", "Eishlg. Bonifatius", 0},  // Mother's Day only from 1934
      {"01.05.2008", "D-BW", "Himmelfahrt, Tag der Arbeit", 1},
      {"19.03.1960", "D-BY", "Josef", 1},
      {"19.03.1970", "D-BY", "Josef", 0},
      {"19.03.1960", "D-BW", "", 0},
      {"24.12.2024", "A-T", "Heiligabend", 1},
      {"24.12.2024", "D-HH", "Heiligabend", 0},
      {"25.12.1870", "D-BY", "1. Weihnachtstag", 0},  // no legal holidays before 1871
      {"25.12.1871", "D-BY", "1. Weihnachtstag", 1},
      {"01.01.2400", "D-NI", "Neujahr", 1},
      {"25.05.2400", "D-NI", "Himmelfahrt", 1},  // Easter 16.04.2400
      {"01.05.1955", "D-SN", "Int. Kampf- u. Feiertag der Werktätigen", 1},
      {"01.05.1991", "D-SN", "Tag der Arbeit", 1},
      {"01.05.1925", "D-NI", "Tag der Arbeit", 0},
      {"01.05.1933", "D-NI", "Feiertag der nationalen Arbeit", 1},
      {"31.10.1955", "D-SN", "Reformationstag", 1},
      {"31.10.1955", "D-ST", "Reformationstag", 0},
      {"31.10.1955", "D-OB", "Reformationstag", 0},
      {"31.10.1967", "D-SN", "Reformationstag", 0},
      {"31.10.1990", "D-TH", "Reformationstag", 1},
      {"31.10.2024", "A-W", "", 0},
      {"06.01.1960", "D-ST", "Heilige Drei Könige", 0},  // never legal under the East flag
      {"06.01.1995", "D-ST", "Heilige Drei Könige", 1},
      {"06.01.2024", "A", "Heilige Drei Könige", 1},
      {"15.11.2024", "A-NÖ", "Leopold III. (Österreich)", 1},
      {"15.11.2024", "A-T", "Leopold III. (Österreich)", 0},
      {"15.11.2024", "D-BY", "", 0},
      {"26.10.1966", "A-W", "Nationalfeiertag", 0},
      {"26.10.1967", "A-W", "Nationalfeiertag", 1},
      {"08.05.1985", "D-BB", "Tag der Befreiung", 1},
      {"08.05.1984", "D-BB", "Tag der Befreiung", 0},
      {"09.05.1975", "D-MV", "Tag des Sieges", 1},
      {"07.10.1989", "D-OB", "Tag der Republik", 1},
      {"07.10.1989", "D-WB", "", 0},
      {"20.04.1939", "D-NI", "Führergeburtstag", 1},
      {"20.04.1940", "D-NI", "Führergeburtstag", 0},
      {"09.11.1940", "A-W", "Gedenktag für die Bewegung", 1},
      {"15.08.2024", "D-SL", "Mariä Himmelfahrt", 1},
      {"15.08.2024", "D-BY", "Mariä Himmelfahrt", 0},
      {"30.05.2024", "A-W", "Fronleichnam", 1},  // Corpus Christi is legal in all of Austria
      {"01.01.2024", "XY", "x", 0},              // a region without rules
      {"25.12.2024", "", "x", 0},
      {"01.01.1800", "D-NI", "Neujahr", 0},
  };
  ExpectHolidays(kCases);
}

TEST(Holidays, CroatiaAndDenmark) {
  const HolidayCase kCases[] = {
      {"01.01.2024", "HR", "Neujahr", 1},
      {"06.01.2024", "HR-21", "Dreikönigsfest", 1},
      {"01.04.2024", "HR", "Ostermontag", 1},
      {"30.05.2024", "HR", "Fronleichnam, Tag der Staatlichkeit", 1},
      // The day of statehood moved: 30 May until 2001, 25 June 2002..2019, 30 May from 2020.
      {"30.05.2001", "HR", "Tag der Staatlichkeit", 1},
      {"30.05.2002", "HR", "Fronleichnam", 1},
      {"25.06.2002", "HR", "Tag der Staatlichkeit", 1},
      {"25.06.2019", "HR", "Tag der Staatlichkeit", 1},
      {"25.06.2020", "HR", "", 0},
      {"30.05.2020", "HR", "Tag der Staatlichkeit", 1},
      {"30.05.1990", "HR", "", 0},
      {"22.06.1991", "HR", "Tag des antifaschistischen Kampfes", 1},
      {"22.06.1990", "HR", "", 0},
      {"22.05.2024", "HR", "", 0},
      {"25.05.2024", "HR", "", 0},
      {"05.08.2024", "HR", "Tag des Sieges und der heimatlichen Dankbarkeit", 1},
      // The holiday law of 2020: 8 October no longer legal, 18 November legal.
      {"08.10.2019", "HR", "Unabhängigkeitstag", 1},
      {"08.10.2020", "HR", "Unabhängigkeitstag", 0},
      {"08.10.2024", "HR", "Unabhängigkeitstag", 0},
      {"18.11.2019", "HR", "", 0},
      {"18.11.2020", "HR", "Tag des Gedenkens an die Opfer des Heimatkrieges", 1},
      {"12.05.2024", "HR", "", 0},  // no Mother's Day outside the German/Austrian set
      {"05.06.2024", "DK", "Tag der dänischen Verfassung", 0},
      {"24.12.2024", "DK-84", "Heiligabend", 0},
      {"26.12.2024", "DK", "2. Weihnachtstag", 1},
      {"31.12.2024", "DK", "Silvester", 0},
      {"26.04.2024", "DK", "Buß- und Bettag", 0},  // abolished from 2024
      {"12.05.2023", "DK", "", 0},
  };
  ExpectHolidays(kCases);
}

// The state holidays enacted since 2019, at the year before and their first
// year; they extend the historical table.
TEST(Holidays, RecentStateHolidays) {
  const HolidayCase kCases[] = {
      {"08.03.2018", "D-BE", "", 0},
      {"08.03.2019", "D-BE", "Internationaler Frauentag", 1},
      {"08.03.2024", "D-BE", "Internationaler Frauentag", 1},
      {"08.03.2022", "D-MV", "", 0},
      {"08.03.2023", "D-MV", "Internationaler Frauentag", 1},
      {"08.03.2023", "D-BB", "", 0},
      {"20.09.2018", "D-TH", "", 0},
      {"20.09.2019", "D-TH", "Weltkindertag", 1},
      {"20.09.2019", "D-SN", "", 0},
      // Berlin's one-off days.
      {"08.05.2019", "D-BE", "", 0},
      {"08.05.2020", "D-BE", "Tag der Befreiung", 1},
      {"08.05.2021", "D-BE", "", 0},
      {"08.05.2025", "D-BE", "Tag der Befreiung", 1},
      {"08.05.2025", "D-BB", "", 0},
      {"17.06.2027", "D-BE", "", 0},
      {"17.06.2028", "D-BE", "75. Jahrestag des Volksaufstandes vom 17. Juni 1953", 1},
      {"17.06.2029", "D-BE", "", 0},
      {"17.06.2028", "D-NI", "", 0},
      {"17.06.1970", "D-WB", "Tag der deutschen Einheit", 1},
  };
  ExpectHolidays(kCases);
}

// Each fixed-date rule at its first year, the year before, its last year and
// the year after, in a region it applies to and one it does not.
TEST(Holidays, FixedRulesAtTheirFirstAndLastYears) {
  const struct {
    const char* dayMonth;
    const char* name;
    int first;
    int last;  // 0: no last year
    const char* inRegion;
    const char* outRegion;
  } kRules[] = {
      {"06.01.", "Heilige Drei Könige", 101, 0, "D-NI", "DK"},
      {"02.02.", "Mariä Lichtmeß", 501, 0, "A-W", "HR"},
      {"19.03.", "Josef", 1101, 0, "A-T", "D-BW"},
      {"20.04.", "Führergeburtstag", 1939, 1945, "D-NI", "HR"},
      {"04.05.", "Florian", 305, 0, "A-OÖ", "D-BY"},
      {"08.05.", "Tag der Befreiung", 1950, 1990, "D-SN", "D-BY"},
      {"09.05.", "Tag des Sieges", 1965, 1990, "D-TH", "D-HE"},
      {"11.05.", "Eishlg. Mamertus", 600, 0, "D-NI", "HR"},
      {"15.05.", "Eishlg. Sophia = Kalte Sophie", 600, 0, "A-B", "DK"},
      {"17.06.", "Tag der deutschen Einheit", 1954, 1990, "D-HE", "D-SN"},
      {"08.08.", "Augsburger Hohes Friedensfest", 1650, 0, "D-BY", "D-BW"},
      {"15.08.", "Mariä Himmelfahrt", 814, 0, "D-SL", "DK"},
      {"02.09.", "Sedantag", 1871, 1918, "D-NI", "A-W"},
      {"24.09.", "Rupert von Salzburg", 719, 0, "A-S", "D-BY"},
      {"03.10.", "Tag der deutschen Einheit", 1990, 0, "D-SN", "A-W"},
      {"07.10.", "Tag der Republik", 1950, 1989, "D-OB", "D-WB"},
      {"10.10.", "Volksabstimmung 1920 in Kärnten", 1920, 0, "A-K", "D-BY"},
      {"26.10.", "Nationalfeiertag", 1965, 0, "A-W", "D-BY"},
      {"31.10.", "Reformationstag", 1667, 0, "D-NI", "A-W"},
      {"01.11.", "Allerheiligen", 814, 0, "D-BW", "DK"},
      {"02.11.", "Allerseelen", 991, 0, "D-NI", "HR"},
      {"09.11.", "Gedenktag für die Bewegung", 1939, 1944, "D-NI", "HR"},
      {"11.11.", "Martinstag", 401, 0, "A-B", "HR"},
      {"15.11.", "Leopold III. (Österreich)", 1485, 0, "A-W", "D-BY"},
      {"06.12.", "Nikolaus", 551, 0, "D-NI", "HR"},
      {"08.12.", "Mariä Empfängnis", 551, 0, "A-W", "HR"},
      {"24.12.", "Heiligabend", 336, 0, "D-NI", "HR"},
      {"25.12.", "1. Weihnachtstag", 336, 0, "A-W", "XY"},
      {"31.12.", "Silvester", 813, 0, "A-W", "HR"},
  };
  const auto fixedName = [](const std::string& dayMonth, int year, const char* code) {
    const std::string date = dayMonth + FormatDateText({year, 1, 1}).substr(6);
    const int dayOfYear = DayOfYear(date, G);
    return FixedHoliday(dayOfYear, year, IsLeapYear(year, G), code).name;
  };
  for (const auto& r : kRules) {
    EXPECT_EQ(fixedName(r.dayMonth, r.first, r.inRegion), r.name) << r.dayMonth << r.first;
    EXPECT_NE(fixedName(r.dayMonth, r.first - 1, r.inRegion), r.name) << r.dayMonth << r.first;
    EXPECT_NE(fixedName(r.dayMonth, r.first, r.outRegion), r.name) << r.dayMonth << r.outRegion;
    const int last = r.last != 0 ? r.last : 3000;
    EXPECT_EQ(fixedName(r.dayMonth, last, r.inRegion), r.name) << r.dayMonth << last;
    if (r.last != 0) {
      EXPECT_NE(fixedName(r.dayMonth, r.last + 1, r.inRegion), r.name) << r.dayMonth << r.last;
    }
  }
}

TEST(Holidays, LeapDayAndMarchFirst) {
  for (int year : {2023, 2024, 1900, 2000}) {
    const bool leap = IsLeapYear(year, G);
    const std::string y = std::to_string(year);
    if (leap) {
      EXPECT_EQ(FixedHoliday(60, year, true, "D-NI"), (Feast{})) << "29.02." << y;
    }
    // The 01.03 rule day (none) and the days around it stay in place.
    EXPECT_EQ(On("01.03." + y, "D-NI").text, "") << y;
    EXPECT_EQ(On("19.03." + y, "A-T").text, "Josef") << y;
  }
  // 1900 is a leap year only in the Julian calendar: 19.03.1900 is day 79 there.
  EXPECT_EQ(DayOfYear("19.03.1900", J), 79);
  EXPECT_EQ(DayOfYear("19.03.1900", G), 78);
  EXPECT_EQ(On("19.03.1900", "A-T", J).text, "Josef");
  EXPECT_EQ(On("01.11.1900", "D-BY", J), (Holiday{"Allerheiligen", 1}));
}

TEST(Holidays, MothersDayIsTheSamePhysicalDayInTheJulianCalendar) {
  // 12.05.2024 Gregorian is 29.04.2024 Julian, a week after Julian Easter.
  EXPECT_EQ(On("29.04.2024", "D-BE", J).text, "Weißer Sonntag, Muttertag");
  EXPECT_EQ(On("12.05.2024", "D-BE", J).text, "Eishlg. Pankratius");
  // 14.05.1939 Gregorian is 01.05.1939 Julian: both days of the joined text.
  EXPECT_EQ(On("01.05.1939", "D-BE", J).text,
            "Muttertag, Nationaler Feiertag des deutschen Volkes");
  for (int year = 1934; year <= 2100; ++year) {
    int count = 0;
    for (int day = 1; day <= DaysInYear(year, G); ++day) {
      if (IsMothersDay(day, year, "A-W", G)) {
        ++count;
        const int jd = DayNumberOf({year, 1, 1}, G) + day - 1;
        EXPECT_EQ(WeekDayOf(jd), 7);
        const CivilDate date = CivilDateOf(jd, G);
        EXPECT_EQ(date.month, 5);
        EXPECT_TRUE(date.day >= 8 && date.day <= 14);
        const YearDay julian = JDToYearDay(jd, J);
        EXPECT_TRUE(IsMothersDay(julian.dayOfYear, julian.year, "A-W", J)) << year;
      }
    }
    EXPECT_EQ(count, 1) << year;
  }
}

// Easter Sunday by the anonymous Gregorian algorithm, as day of the year.
int IndependentEaster(int year) {
  const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
  return DaysBeforeMonth(month, IsLeapYear(year, G)) + day;
}

// The legal holidays of every German state from 1995 to 2030, written down
// state by state rather than taken from the rules under test.
TEST(Holidays, LegalHolidaysOfEveryGermanState1995To2030) {
  const struct {
    const char* code;
    bool epiphany, corpusChristi, assumption, allSaints, repentance;
    int reformationFrom;   // 0: only in 2017
    int womensDayFrom;     // 8 March; 0: never
    int childrensDayFrom;  // 20 September; 0: never
  } kStates[] = {
      {"D-BW", true, true, false, true, false, 0, 0, 0},
      {"D-BY", true, true, false, true, false, 0, 0, 0},
      {"D-BE", false, false, false, false, false, 0, 2019, 0},
      {"D-BB", false, false, false, false, false, 1990, 0, 0},
      {"D-HB", false, false, false, false, false, 2018, 0, 0},
      {"D-HH", false, false, false, false, false, 2018, 0, 0},
      {"D-HE", false, true, false, false, false, 0, 0, 0},
      {"D-MV", false, false, false, false, false, 1990, 2023, 0},
      {"D-NI", false, false, false, false, false, 2018, 0, 0},
      {"D-NW", false, true, false, true, false, 0, 0, 0},
      {"D-RP", false, true, false, true, false, 0, 0, 0},
      {"D-SL", false, true, true, true, false, 0, 0, 0},
      {"D-SN", false, false, false, false, true, 1990, 0, 0},
      {"D-ST", true, false, false, false, false, 1990, 0, 0},
      {"D-SH", false, false, false, false, false, 2018, 0, 0},
      {"D-TH", false, false, false, false, false, 1990, 0, 2019},
  };
  for (const auto& state : kStates) {
    for (int year = 1995; year <= 2030; ++year) {
      const bool leap = IsLeapYear(year, G);
      const auto doy = [&](int day, int month) { return DaysBeforeMonth(month, leap) + day; };
      const int easter = IndependentEaster(year);
      std::set<int> expected = {doy(1, 1),  easter - 2,  easter,      easter + 1,
                                doy(1, 5),  easter + 39, easter + 49, easter + 50,
                                doy(3, 10), doy(25, 12), doy(26, 12)};
      if (state.epiphany) expected.insert(doy(6, 1));
      if (state.corpusChristi) expected.insert(easter + 60);
      if (state.assumption) expected.insert(doy(15, 8));
      if (state.allSaints) expected.insert(doy(1, 11));
      if (state.reformationFrom != 0 ? year >= state.reformationFrom : year == 2017) {
        expected.insert(doy(31, 10));
      }
      if (year == 2017) expected.insert(doy(31, 10));
      if (state.womensDayFrom != 0 && year >= state.womensDayFrom) expected.insert(doy(8, 3));
      if (state.childrensDayFrom != 0 && year >= state.childrensDayFrom) {
        expected.insert(doy(20, 9));
      }
      if (std::string_view(state.code) == "D-BE") {
        if (year == 2020 || year == 2025) expected.insert(doy(8, 5));
        if (year == 2028) expected.insert(doy(17, 6));
      }
      if (state.repentance) {  // the Wednesday before 23 November
        int day = doy(22, 11);
        while (WeekDayOf(DayNumberOf({year, 1, 1}, G) + day - 1) != 3) --day;
        expected.insert(day);
      }
      std::set<int> actual;
      for (int day = 1; day <= DaysInYear(year, G); ++day) {
        if (HolidayOfDay(day, EasterDay(year, G), year, state.code, leap).flag == 1) {
          actual.insert(day);
        }
      }
      EXPECT_EQ(actual, expected) << state.code << ' ' << year;
    }
  }
}

TEST(Holidays, ArticleLinks) {
  const struct {
    const char* text;
    const char* link;
  } kCases[] = {
      {"", ""},
      {"x", ""},
      {"Mariä Himmelfahrt", "https://de.wikipedia.org/wiki/Mari%E4%20Himmelfahrt"},
      {"Himmelfahrt, Tag der Arbeit", "https://de.wikipedia.org/wiki/Himmelfahrt"},
      {"3. Advent", "https://de.wikipedia.org/wiki/Adventssonntag"},
      {"4. Advent, Heiligabend", "https://de.wikipedia.org/wiki/Adventssonntag"},
      {"1. Weihnachtstag", "https://de.wikipedia.org/wiki/Weihnachten"},
      {"2. Weihnachtstag", "https://de.wikipedia.org/wiki/2.%20Weihnachtstag"},
      {"Muttertag, Eishlg. Pankratius", "https://de.wikipedia.org/wiki/Muttertag"},
  };
  for (const auto& c : kCases) EXPECT_EQ(HolidayArticleLink(c.text), c.link) << c.text;
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

// The holiday list visits only the candidate days; no other day of any year
// of the range may have a holiday in any region set, nor any day that the
// single-day shortcut passes over.
TEST(Holidays, CandidateDaysHoldEveryHolidayOfEveryYear) {
  for (CalendarKind kind : {G, J}) {
    for (const char* code : {"D-BY", "D-SN", "A-W", "HR", "DK"}) {
      for (int year = 1; year <= 3000; ++year) {
        const std::vector<int> candidates = HolidayCandidateDays(year, code, kind);
        const bool leap = IsLeapYear(year, kind);
        const int easter = EasterDay(year, kind);
        std::size_t next = 0;
        for (int day = 1; day <= DaysInYear(year, kind); ++day) {
          const bool candidate = next < candidates.size() && candidates[next] == day;
          if (candidate) ++next;
          // A day is skipped by the list when no candidate, by the single-day
          // shortcut when MayBeHoliday says so; either way it has no holiday.
          if (candidate && MayBeHoliday(day, easter, year, code, leap, kind)) continue;
          const HolidayParts parts = HolidayPartsOfDay(day, easter, year, code, leap, kind);
          ASSERT_TRUE(parts.movable.name.empty() && parts.fixed.name.empty())
              << code << ' ' << year << ' ' << day << ' ' << parts.movable.name << parts.fixed.name;
        }
        ASSERT_EQ(next, candidates.size());
      }
    }
  }
}

TEST(Holidays, ShortcutKeepsTheMarkOfRegionsWithoutRules) {
  EXPECT_TRUE(MayBeHoliday(100, 99, 2024, "XY", true, G));
  EXPECT_EQ(HolidayOfDay(100, 99, 2024, "XY", true, G).text, kNoRulesName);
  EXPECT_FALSE(MayBeHoliday(0, 99, 2024, "D-BY", true, G));
  EXPECT_FALSE(MayBeHoliday(367, 99, 2024, "D-BY", true, G));
  EXPECT_TRUE(HolidayOfDay(200, 99, 2024, "D-BY", true, G).text.empty());
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/daydescription.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;
constexpr int kToday = 2461383;  // 08.12.2026

std::vector<std::string> Lines(const char* date, const char* code, CalendarKind kind) {
  return DescribeDay(DayFactsOfDate(date, code, kind), code, kind, kToday).lines;
}

using Strings = std::vector<std::string>;

// The sun lines come from the sun formulas at the capital; everything else
// is written down from the rules of the day.
TEST(DayDescription, LegalHolidayInSummerTime) {
  EXPECT_EQ(Lines("03.10.2024", "D-NI", G), (Strings{"Niedersachsen",
                                                     "Donnerstag, 03.10.2024",
                                                     "03. Oktober 2024",
                                                     "Tag der deutschen Einheit",
                                                     "gesetzl. Feiertag",
                                                     "277. Tag des Jahres 2024",
                                                     "89 Tage bis Ende 2024",
                                                     "40. Woche des Jahres 2024",
                                                     "2024 ist ein Schaltjahr",
                                                     "JD: 2460587 ab 14:00 MESZ",
                                                     "11. Jahr im Mondzyklus",
                                                     "zunehmender Mond, 0 d alt",
                                                     "Zeitgleichung +11,8 min",
                                                     "Sonnendeklination: -5,99°",
                                                     "in Hannover:",
                                                     "07:01 MESZ bürgl. Dämmerung ",
                                                     "07:35 MESZ Sonnenaufgang",
                                                     "18:43 MESZ Sonnenuntergang",
                                                     "19:17 MESZ bürgl. Dämmerung",
                                                     "UTC = MESZ -02:00",
                                                     "MOZ = MESZ -01:21",
                                                     "WOZ ~ MESZ -01:09"}));
}

TEST(DayDescription, JulianSaturdayBeforeZoneTime) {
  EXPECT_EQ(Lines("15.03.1880", "D-BY", J),
            (Strings{"Julianischer Kalender:",     "Bayern",
                     "Samstag, 15.03.1880",        "15. März 1880",
                     "75. Tag des Jahres 1880",    "291 Tage bis Ende 1880",
                     "11. Woche des Jahres 1880",  "1880 ist ein Schaltjahr",
                     "JD: 2407802 ab 13:00 MEZ",   "19. Jahr im Mondzyklus",
                     "abnehmender Mond, 16 d alt", "Zeitgleichung -5,2 min",
                     "Sonnendeklination: 3,08°",   "in München:",
                     "MEZ erst ab 01.04.1892",     "05:29 MEZ bürgl. Dämmerung ",
                     "06:00 MEZ Sonnenaufgang",    "18:38 MEZ Sonnenuntergang",
                     "19:09 MEZ bürgl. Dämmerung", "UTC = MEZ -01:00",
                     "MOZ = MEZ -00:14",           "WOZ ~ MEZ -00:19"}));
  const DayDescription d = DescribeDay(DayFactsOfDate("15.03.1880", "D-BY", J), "D-BY", J, kToday);
  EXPECT_EQ(d.text.rfind("Jul. Kalender:\n\rBayern\n\rSamstag, 15.03.1880\n\r", 0), 0u);
  EXPECT_EQ(d.text.find("Vom "), std::string::npos);  // no distance in the Julian calendar
}

TEST(DayDescription, ProlepticGregorianDayInTrueLocalTime) {
  const Strings lines = Lines("24.12.1200", "D-NI", G);
  EXPECT_EQ(lines.front(), "Vor-Gregorianischer Kalender:");
  EXPECT_EQ(
      Strings(lines.begin() + 1, lines.begin() + 12),
      (Strings{"Niedersachsen", "Sonntag, 24.12.1200", "24. Dezember 1200", "Heiligabend",
               "359. Tag des Jahres 1200", "7 Tage bis Ende 1200", "51. Woche des Jahres 1200",
               "1200 ist ein Schaltjahr", "JD: 2159709 ab 13:00 MEZ", "4. Jahr im Mondzyklus",
               "zunehmender Mond, 9 d alt"}));
  // Before zone time the time lines count in MEZ, the Julian Day start line
  // included.
  EXPECT_EQ(lines.back(), "WOZ ~ MEZ -00:21");
  const DayDescription d = DescribeDay(DayFactsOfDate("24.12.1200", "D-NI", G), "D-NI", G, kToday);
  EXPECT_EQ(d.text.rfind("Vor-Greg. Kalender:\n\rNiedersachsen\n\r", 0), 0u);
}

TEST(DayDescription, DoubleSummerTime) {
  const Strings june = Lines("01.06.1947", "D-BE", G);
  EXPECT_EQ(june[0], "Berlin");
  EXPECT_EQ(june[6], "1947 ist ein Normaljahr");
  EXPECT_EQ(june[7], "JD: 2432338 ab 15:00 MEHSZ");
  EXPECT_EQ(june[13], "05:00 MEHSZ bürgl. Dämmerung ");
  EXPECT_EQ(june[17], "UTC = MEHSZ -03:00");
  EXPECT_EQ(june[18], "MOZ = MEHSZ -02:06");
  // Double summer time ended on 29.06.1947: July is back on MESZ.
  const Strings july = Lines("01.07.1947", "D-BE", G);
  EXPECT_EQ(july[7], "JD: 2432368 ab 14:00 MESZ");
  EXPECT_EQ(july[17], "UTC = MESZ -02:00");
}

TEST(DayDescription, SwitchDayCarriesTheZoneText) {
  const Strings lines = Lines("31.03.2024", "D-NI", G);
  EXPECT_EQ(Strings(lines.begin() + 3, lines.begin() + 5),
            (Strings{"Ostersonntag", "gesetzl. Feiertag"}));
  EXPECT_EQ(lines[15], "Sommerzeit: 02:00 MEZ = 03:00 MESZ");
  EXPECT_EQ(lines[16], "06:20 MESZ bürgl. Dämmerung ");
  const DayDescription d = DescribeDay(DayFactsOfDate("31.03.2024", "D-NI", G), "D-NI", G, kToday);
  EXPECT_NE(d.text.find("in Hannover:\n\rSommerzeit: 02:00 MEZ = 03:00 MESZ\n\r06:20 MESZ"),
            std::string::npos);
}

TEST(DayDescription, BeforeZoneTimeTheTextTellsItsIntroduction) {
  const Strings lines = Lines("14.03.1880", "D-NI", G);
  EXPECT_EQ(lines[12], "in Hannover:");
  EXPECT_EQ(lines[13], "MEZ erst ab 01.04.1893");
  EXPECT_EQ(lines[19], "MOZ = MEZ -00:21");
}

// Regression: days in local mean or true local time lacked the Julian Day
// start line, although every line below the zone is written in MEZ.
TEST(DayDescription, LocalMeanTimeDaysStartTheJulianDayAtThirteenMez) {
  const Strings lines = Lines("26.05.1874", "D-NW", G);
  EXPECT_EQ(lines[7], "JD: 2405670 ab 13:00 MEZ");
}

TEST(DayDescription, OneTextFormJoinsWithBreaks) {
  const DayDescription d = DescribeDay(DayFactsOfDate("03.10.2024", "D-NI", G), "D-NI", G, kToday);
  EXPECT_EQ(d.text.rfind("Niedersachsen\n\rDonnerstag, 03.10.2024\n\r03. Oktober 2024\n\r"
                         "Tag der deutschen Einheit\n\rgesetzl. Feiertag\n\r277. Tag des Jahres "
                         "2024\n\r",
                         0),
            0u);
  EXPECT_NE(d.text.find("2024 ist ein Schaltjahr\n\rJD: 2460587 ab 14:00 MESZ\n\r11. Jahr im "),
            std::string::npos);
  EXPECT_NE(d.text.find("Sonnendeklination: -5,99°\n\rin Hannover:\n\r07:01 MESZ"),
            std::string::npos);
  EXPECT_NE(d.text.find("MOZ = MESZ -01:21\n\rWOZ ~ MESZ -01:09\n\rVom 03.10.2024 (incl.)"),
            std::string::npos);
}

TEST(DayDescription, RegionWithoutRulesDropsTheHolidayText) {
  const Strings lines = Lines("25.12.2024", "HR", G);
  EXPECT_EQ(lines[0], "HR");
  EXPECT_EQ(lines[3], "1. Weihnachtstag");
  const Strings none = Lines("25.12.2024", "XY", G);
  EXPECT_EQ(none[3], "360. Tag des Jahres 2024");  // the "x" of no rules is not shown
}

TEST(DayDescription, DistanceToToday) {
  const struct {
    int jd;
    const char* tail;
  } kCases[] = {
      {kToday - 1,
       "\n\rVom 07.12.2026 (incl.)\n\rbis 08.12.2026 (heute, excl.):\n\r1 Tag bzw.\n\r0 Zeitjahre "
       "1 Tag"},
      {kToday + 1,
       "\n\rVom 08.12.2026 (heute, incl.)\n\rbis 09.12.2026 (excl.):\n\r1 Tag bzw.\n\r0 Zeitjahre "
       "1 Tag"},
      {kToday - 366,
       "\n\rVom 07.12.2025 (incl.)\n\rbis 08.12.2026 (heute, excl.):\n\r366 Tage bzw.\n\r1 "
       "Zeitjahr 1 Tag"},
      {kToday + 731,
       "\n\rVom 08.12.2026 (heute, incl.)\n\rbis 08.12.2028 (excl.):\n\r731 Tage bzw.\n\r2 "
       "Zeitjahre 0 Tage"},
      {kToday - 2,
       "\n\rVom 06.12.2026 (incl.)\n\rbis 08.12.2026 (heute, excl.):\n\r2 Tage bzw.\n\r0 Zeitjahre "
       "2 Tage"},
  };
  for (const auto& c : kCases) {
    const std::string text = DescribeDay(DayFactsOfJD(c.jd, "D-NI", G), "D-NI", G, kToday).text;
    const std::string tail = c.tail;
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << c.jd;
    EXPECT_EQ(text.find("\n\rVom"), text.size() - tail.size());
  }
  const std::string today = DescribeDay(DayFactsOfJD(kToday, "D-NI", G), "D-NI", G, kToday).text;
  EXPECT_EQ(today.find("Vom "), std::string::npos);
  EXPECT_EQ(today.substr(today.rfind("\n\r") + 2, 6), "WOZ ~ ");
}

// A clock far outside the range once overflowed the day count.
TEST(DayDescription, NoDistanceFromATodayOutsideTheRange) {
  for (int today : {0, -2146140032, 2147483647}) {
    const std::string text = DescribeDay(DayFactsOfJD(1724760, "D-NI", G), "D-NI", G, today).text;
    EXPECT_EQ(text.find("Vom "), std::string::npos);
  }
}

// A 29 February has its anniversary on 28 February in a common year.
TEST(DayDescription, DistanceFromALeapDay) {
  const int leapDay = DayNumberOf({2024, 2, 29}, G);
  const std::string text =
      DescribeDay(DayFactsOfJD(leapDay, "D-NI", G), "D-NI", G, leapDay + 366).text;
  EXPECT_NE(text.find("366 Tage bzw.\n\r1 Zeitjahr 1 Tag"), std::string::npos) << text;
}

TEST(HolidayList, BavariaIn2024) {
  const HolidayList list = HolidayListOfYear("2024", "D-BY", G);
  const Strings& l = list.lines;
  ASSERT_GT(l.size(), 20u);
  EXPECT_EQ(l[0], "2024");
  EXPECT_EQ(l[1], "gesetzliche Feiertage in Bayern:");
  EXPECT_EQ(l[2], "Mo.01.01.2024 Neujahr,");
  EXPECT_EQ(l[3], "Sa.06.01.2024 Heilige Drei Könige,");
  EXPECT_EQ(l[4], "Fr.29.03.2024 Karfreitag,");
  // Legal in Bavaria: 01.01, 06.01, Good Friday, Easter Sunday and Monday, 01.05,
  // Ascension, Whit Sunday and Monday, Corpus Christi, 03.10, 01.11, 25.12, 26.12.
  const auto separator = std::find(l.begin(), l.end(), std::string(47, '-'));
  ASSERT_NE(separator, l.end());
  EXPECT_EQ(separator - l.begin(), 2 + 14);
  EXPECT_EQ(*(separator - 1), "Do.26.12.2024 2. Weihnachtstag");  // no "," on the last line
  EXPECT_EQ(*(separator + 1), "2024");
  EXPECT_EQ(*(separator + 2), "alle Feiertage in Bayern:");
  EXPECT_EQ(*(separator + 3), "Mo.01.01.2024 Neujahr (gesetzl.),");
  EXPECT_EQ(*(separator + 4), "Sa.06.01.2024 Heilige Drei Könige (gesetzl.),");
  EXPECT_EQ(*(separator + 5), "Fr.02.02.2024 Mariä Lichtmeß,");
  EXPECT_EQ(l.back(), "Di.31.12.2024 Silvester");
  EXPECT_NE(std::find(l.begin(), l.end(), "So.12.05.2024 Muttertag, Eishlg. Pankratius,"), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "Do.15.08.2024 Mariä Himmelfahrt,"), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "Do.08.08.2024 Augsburger Hohes Friedensfest,"), l.end());
  EXPECT_EQ(list.text.substr(0, 38), "2024\n\rgesetzliche Feiertage in Bayern:");

  const HolidayRow& first = list.rows.front();
  EXPECT_EQ(first.weekday, "Mo.");
  EXPECT_EQ(first.date, "01.01.2024");
  EXPECT_EQ(first.names, "Neujahr");
  EXPECT_EQ(first.legalText, "gesetzl. Feiertag");
  EXPECT_EQ(first.calendarText, "greg.");
  EXPECT_EQ(list.rows[2].legalText, "");  // Mariä Lichtmeß
}

TEST(HolidayList, BeforeLegalHolidaysAndInTheJulianCalendar) {
  const HolidayList old = HolidayListOfYear("1850", "D-NI", G);
  EXPECT_EQ(old.lines[0], "1850");
  EXPECT_EQ(old.lines[1], "Feiertage in Niedersachsen:");
  EXPECT_EQ(old.lines[2], "Di.01.01.1850 Neujahr,");
  for (const std::string& line : old.lines) EXPECT_EQ(line.find("gesetzl"), std::string::npos);

  const HolidayList julian = HolidayListOfYear("2024", "D-BY", J);
  EXPECT_EQ(julian.lines[0], "2024 Julianischer Kalender");
  EXPECT_EQ(julian.lines[1], "Feiertage in Bayern:");
  EXPECT_EQ(julian.lines[2], "So.01.01.2024 Neujahr (gesetzl.),");  // 14.01.2024 Gregorian
  EXPECT_EQ(julian.rows[0].legalText, "Feiertag");
  EXPECT_EQ(julian.rows[0].calendarText, "jul.");
  EXPECT_EQ(julian.text.find("-----"), std::string::npos);
}

TEST(HolidayList, RegionWithoutRulesAndInvalidYears) {
  const HolidayList none = HolidayListOfYear("2024", "XY", G);
  EXPECT_EQ(none.lines, (Strings{"2024", "gesetzliche Feiertage in XY:", std::string(47, '-'),
                                 "2024", "alle Feiertage in XY:"}));
  EXPECT_TRUE(none.rows.empty());
  for (const char* year : {"0", "3001", "abc", "", "-5"}) {
    const HolidayList bad = HolidayListOfYear(year, "D-NI", G);
    EXPECT_EQ(bad.text, std::string("Fehler: ") + year + " ist kein gültiges Kalenderjahr!");
    EXPECT_EQ(bad.lines.size(), 1u);
    EXPECT_TRUE(bad.rows.empty());
  }
  // The year as a number gives what its text gives, in both calendars.
  for (const int year : {1, 33, 999, 1870, 1871, 1990, 2024, 3000}) {
    for (const CalendarKind kind : {G, J}) {
      const HolidayList byNumber = HolidayListOfYear(year, RegionOfCode("D-BY"), kind);
      const HolidayList byText = HolidayListOfYear(std::to_string(year), "D-BY", kind);
      EXPECT_EQ(byNumber.text, byText.text) << year;
      EXPECT_EQ(byNumber.rows.size(), byText.rows.size()) << year;
    }
  }
  EXPECT_EQ(HolidayListOfYear(3001, RegionOfCode("D-NI"), G).text,
            "Fehler: 3001 ist kein gültiges Kalenderjahr!");
  // The first Julian days of the year 1 lie before the supported range.
  EXPECT_EQ(HolidayListOfYear("1", "D-NI", J).rows.size(), HolidayRowsOfYear(1, "D-NI", J).size());
  for (const HolidayRow& row : HolidayRowsOfYear(1, "D-NI", J)) EXPECT_NE(row.date, "01.01.0001");
}

// The legal selection skips the texts of the other rows; it must keep exactly
// the legal rows of the full list, in every year and region set.
TEST(HolidayList, LegalSelectionIsTheLegalPartOfAllRows) {
  const auto same = [](const HolidayRow& a, const HolidayRow& b) {
    return a.date == b.date && a.names == b.names && a.weekday == b.weekday &&
           a.weekdayNumber == b.weekdayNumber && a.legalText == b.legalText &&
           a.calendarText == b.calendarText && a.legal == b.legal;
  };
  for (CalendarKind kind : {G, J}) {
    for (const char* code : {"D-BY", "D-ST", "A-W", "HR", "DK"}) {
      for (int year = 1; year <= 3000; ++year) {
        std::vector<HolidayRow> legal;
        for (const HolidayRow& row : HolidayRowsOfYear(year, code, kind)) {
          if (row.legal) legal.push_back(row);
        }
        const std::vector<HolidayRow> selected =
            HolidayRowsOfYear(year, code, kind, HolidaySelection::LegalOnly);
        ASSERT_EQ(selected.size(), legal.size()) << code << ' ' << year;
        for (std::size_t i = 0; i < legal.size(); ++i) {
          ASSERT_TRUE(same(selected[i], legal[i])) << code << ' ' << year << ' ' << legal[i].date;
        }
      }
    }
  }
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

TEST(DayDescription, SchoolHolidaysHaveTheirLine) {
  const auto lines = [](const char* date, const char* region, CalendarKind kind) {
    const DayFacts facts = DayFactsOfDate(date, region, kind);
    return DescribeDay(facts, region, kind, 0).lines;
  };
  const auto has = [](const std::vector<std::string>& all, const std::string& line) {
    return std::find(all.begin(), all.end(), line) != all.end();
  };
  const std::string autumn = "Herbstferien Niedersachsen 04.10.–19.10.2024";
  EXPECT_TRUE(has(lines("15.10.2024", "D-NI", CalendarKind::Gregorian), autumn));
  EXPECT_FALSE(has(lines("20.10.2024", "D-NI", CalendarKind::Gregorian), autumn));
  // Another state, no data, and the Julian calendar name none.
  for (const auto& all : {lines("15.10.2024", "D-BY", CalendarKind::Gregorian),
                          lines("15.10.2024", "XY", CalendarKind::Gregorian),
                          lines("02.10.2024", "D-NI", CalendarKind::Julian)}) {
    for (const std::string& line : all) EXPECT_EQ(line.find("ferien"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace engine

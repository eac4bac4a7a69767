// SPDX-License-Identifier: MIT
#include "app/tray_model.h"

#include <gtest/gtest.h>

#include <ostream>

#include "engine/dayfacts.h"
#include "engine/daynumber.h"

namespace app {

void PrintTo(const TrayHoliday& holiday, std::ostream* out) {
  *out << holiday.name << (holiday.legal ? " (legal)" : "");
}

namespace {

TEST(TrayModel, TheWeekOfADayAtTheEndsOfTheYear) {
  const struct {
    const char* date;
    const char* weekday;
    int week;
    int weekYear;
    const char* weekText;
  } kCases[] = {
      {"28.12.2026", "Montag", 53, 2026, "KW 53"},  {"31.12.2026", "Donnerstag", 53, 2026, "KW 53"},
      {"01.01.2027", "Freitag", 53, 2026, "KW 53"}, {"03.01.2027", "Sonntag", 53, 2026, "KW 53"},
      {"04.01.2027", "Montag", 1, 2027, "KW 1"},    {"29.12.2025", "Montag", 1, 2026, "KW 1"},
      {"31.12.2024", "Dienstag", 1, 2025, "KW 1"},  {"08.12.2026", "Dienstag", 50, 2026, "KW 50"},
      {"01.01.2021", "Freitag", 53, 2020, "KW 53"}, {"01.01.0001", "Montag", 1, 1, "KW 1"},
      {"31.12.3000", "Mittwoch", 1, 3001, "KW 1"},
  };
  for (const auto& c : kCases) {
    const TrayDay day = TrayDayOf(c.date, "D-NI");
    EXPECT_TRUE(day.valid) << c.date;
    EXPECT_EQ(day.date, c.date);
    EXPECT_EQ(day.weekday, c.weekday) << c.date;
    EXPECT_EQ(day.week, c.week) << c.date;
    EXPECT_EQ(day.weekYear, c.weekYear) << c.date;
    EXPECT_EQ(day.weekText, c.weekText) << c.date;
    EXPECT_EQ(day.digits, std::to_string(c.week)) << c.date;
  }
}

TEST(TrayModel, TheToolTipNamesTheDayTheWeekAndTheHolidaysOfTheRegion) {
  const struct {
    const char* date;
    const char* region;
    const char* toolTip;
  } kCases[] = {
      {"09.12.2026", "D-NI", "Mittwoch, 09.12.2026\nKW 50"},
      {"08.12.2026", "D-NI", "Dienstag, 08.12.2026\nKW 50\nNiedersachsen:\nMariä Empfängnis"},
      {"03.10.2026", "D-NI",
       "Samstag, 03.10.2026\nKW 40\nNiedersachsen:\nTag der deutschen Einheit (gesetzl. Feiertag)"},
      {"01.01.2027", "D-NI",
       "Freitag, 01.01.2027\nKW 53\nNiedersachsen:\nNeujahr (gesetzl. Feiertag)\n"
       "Weihnachtsferien Niedersachsen 23.12.2026–09.01.2027"},
      // School holidays alone, without a holiday of the day.
      {"15.10.2024", "D-NI",
       "Dienstag, 15.10.2024\nKW 42\nHerbstferien Niedersachsen 04.10.–19.10.2024"},
      {"06.01.2026", "D-BY",
       "Dienstag, 06.01.2026\nKW 2\nBayern:\nHeilige Drei Könige (gesetzl. Feiertag)"},
      {"24.12.2026", "D-NI",
       "Donnerstag, 24.12.2026\nKW 52\nNiedersachsen:\nHeiligabend\n"
       "Weihnachtsferien Niedersachsen 23.12.2026–09.01.2027"},
      {"08.12.2026", "A",
       "Dienstag, 08.12.2026\nKW 50\nÖsterreich:\nMariä Empfängnis (gesetzl. Feiertag)"},
      {"03.10.2026", "XY", "Samstag, 03.10.2026\nKW 40"},  // a region without holiday rules
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TrayDayOf(c.date, c.region).toolTip, c.toolTip) << c.date << " " << c.region;
  }
}

// The day's one legal flag made Mother's Day beside a legal Whit Sunday legal too.
TEST(TrayModel, EachHolidayOfADayCarriesItsOwnLegalMark) {
  const TrayDay day = TrayDayOf("11.05.2008", "D-BB");
  EXPECT_EQ(day.holidays,
            (std::vector<TrayHoliday>{
                {"Pfingstsonntag", true}, {"Muttertag", false}, {"Eishlg. Mamertus", false}}));
  EXPECT_EQ(day.toolTip,
            "Sonntag, 11.05.2008\nKW 19\nBrandenburg:\nPfingstsonntag (gesetzl. Feiertag)\n"
            "Muttertag\nEishlg. Mamertus");
}

TEST(TrayModel, AnotherTextThanADateGivesNoDay) {
  for (const char* text : {"", "31.02.2026", "abc", "1.1.2026", "01.13.2026", "00.01.2026",
                           "01.01.2026x", "\xff\xfe"}) {
    const TrayDay day = TrayDayOf(text, "D-NI");
    EXPECT_FALSE(day.valid) << text;
    EXPECT_EQ(day.toolTip, "") << text;
    EXPECT_EQ(day.weekText, "") << text;
  }
}

// The holidays one by one are exactly the engine's holiday text of the day
// and its legal flag: none lost, none invented, on every day of two centuries.
TEST(TrayModel, TheHolidaysOfEveryDayAgreeWithTheDaysHolidayText) {
  const int first = std::stoi(engine::DateToJD("01.01.1900", engine::CalendarKind::Gregorian).jd);
  const int last = std::stoi(engine::DateToJD("31.12.2100", engine::CalendarKind::Gregorian).jd);
  for (const char* region : {"D-NI", "D-BB", "D-BY", "D-SN", "A-T"}) {
    for (int jd = first; jd <= last; ++jd) {
      const std::string date = engine::JDToDate(jd, engine::CalendarKind::Gregorian).date;
      const engine::DayFacts facts =
          engine::DayFactsOfDate(date, region, engine::CalendarKind::Gregorian);
      const TrayDay day = TrayDayOf(date, region);
      ASSERT_EQ(TrayDayOf(jd, region).toolTip, day.toolTip) << date << " " << region;
      std::string joined;
      bool legal = false;
      for (const TrayHoliday& holiday : day.holidays) {
        joined += (joined.empty() ? "" : ", ") + holiday.name;
        legal = legal || holiday.legal;
      }
      ASSERT_EQ(joined, facts.holidayText) << date << " " << region;
      ASSERT_EQ(legal, facts.holidayFlag == 1) << date << " " << region;
      ASSERT_EQ(day.week, facts.week) << date;
    }
  }
}

}  // namespace
}  // namespace app

// SPDX-License-Identifier: MIT
#include "engine/schoolholidays.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/region.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;

int Day(const char* text) {
  const DateCheck check = CheckDate(text, G);
  EXPECT_TRUE(check.ok()) << text;
  return check.dayNumber;
}

std::string Text(int day) {
  return FormatDateText(CivilDateOf(day, G));
}

// A stretch as the data files write it.
struct Stretch {
  std::string name;
  std::string first;
  std::string last;
  friend bool operator==(const Stretch&, const Stretch&) = default;
};

std::ostream& operator<<(std::ostream& out, const Stretch& s) {
  return out << s.name << ' ' << s.first << ".." << s.last;
}

Stretch StretchOf(const SchoolHoliday& h) {
  return {std::string(h.name), Text(h.firstDay), Text(h.lastDay)};
}

// The school year from (1 September of) `year` to the end of the following
// summer holidays, as the rows that begin from 1 September to 31 August.
struct SchoolYearCase {
  const char* region;
  int year;
  std::vector<Stretch> stretches;
};

std::vector<Stretch> SchoolYear(const char* region, int year) {
  const int first = DayNumberOf({year, 9, 1}, G);
  const int last = DayNumberOf({year + 1, 8, 31}, G);
  std::vector<Stretch> found;
  for (const SchoolHoliday& h : SchoolHolidaysBetween(first, last, region)) {
    if (h.firstDay >= first) found.push_back(StretchOf(h));
  }
  return found;
}

// The rows of the data files (de-holidays.school.ni.csv, .by.csv, .nw.csv and
// at-holidays.school.csv with its national rows and those naming WI), written
// out by hand from the files; an empty end there is a single day here.
const std::vector<SchoolYearCase>& SchoolYearCases() {
  static const std::vector<SchoolYearCase> cases = {
      {"D-NI",
       2021,
       {
           {"Herbstferien", "18.10.2021", "29.10.2021"},
           {"Weihnachtsferien", "23.12.2021", "07.01.2022"},
           {"Halbjahresferien", "31.01.2022", "01.02.2022"},
           {"Osterferien", "04.04.2022", "19.04.2022"},
           {"Tag nach Himmelfahrt", "27.05.2022", "27.05.2022"},
           {"Pfingstferien", "07.06.2022", "07.06.2022"},
           {"Sommerferien", "14.07.2022", "24.08.2022"},
       }},
      {"D-NI",
       2022,
       {
           {"Herbstferien", "17.10.2022", "28.10.2022"},
           {"Weihnachtsferien", "23.12.2022", "06.01.2023"},
           {"Halbjahresferien", "30.01.2023", "31.01.2023"},
           {"Osterferien", "27.03.2023", "11.04.2023"},
           {"Tag nach Himmelfahrt", "19.05.2023", "19.05.2023"},
           {"Pfingstferien", "30.05.2023", "30.05.2023"},
           {"Sommerferien", "06.07.2023", "16.08.2023"},
       }},
      {"D-NI",
       2023,
       {
           {"Tag vor dem 3. Oktober", "02.10.2023", "02.10.2023"},
           {"Herbstferien", "16.10.2023", "30.10.2023"},
           {"Weihnachtsferien", "27.12.2023", "05.01.2024"},
           {"Halbjahresferien", "01.02.2024", "02.02.2024"},
           {"Osterferien", "18.03.2024", "28.03.2024"},
           {"Tag nach Himmelfahrt", "10.05.2024", "10.05.2024"},
           {"Pfingstferien", "21.05.2024", "21.05.2024"},
           {"Sommerferien", "24.06.2024", "03.08.2024"},
       }},
      {"D-NI",
       2024,
       {
           {"Herbstferien", "04.10.2024", "19.10.2024"},
           {"Tag nach dem Reformationstag", "01.11.2024", "01.11.2024"},
           {"Weihnachtsferien", "23.12.2024", "04.01.2025"},
           {"Halbjahresferien", "03.02.2025", "04.02.2025"},
           {"Osterferien", "07.04.2025", "19.04.2025"},
           {"Kirchentag", "30.04.2025", "30.04.2025"},
           {"Tag nach dem 1. Mai", "02.05.2025", "02.05.2025"},
           {"Tag nach Himmelfahrt", "30.05.2025", "30.05.2025"},
           {"Pfingstferien", "10.06.2025", "10.06.2025"},
           {"Sommerferien", "03.07.2025", "13.08.2025"},
       }},
      {"D-NI",
       2025,
       {
           {"Herbstferien", "13.10.2025", "25.10.2025"},
           {"Weihnachtsferien", "22.12.2025", "05.01.2026"},
           {"Halbjahresferien", "02.02.2026", "03.02.2026"},
           {"Osterferien", "23.03.2026", "07.04.2026"},
           {"Tag nach Himmelfahrt", "15.05.2026", "15.05.2026"},
           {"Pfingstferien", "26.05.2026", "26.05.2026"},
           {"Sommerferien", "02.07.2026", "12.08.2026"},
       }},
      {"D-BY",
       2021,
       {
           {"Herbstferien", "02.11.2021", "05.11.2021"},
           {"Buß- und Bettag", "17.11.2021", "17.11.2021"},
           {"Weihnachtsferien", "24.12.2021", "08.01.2022"},
           {"Frühjahrsferien", "28.02.2022", "04.03.2022"},
           {"Osterferien", "11.04.2022", "23.04.2022"},
           {"Pfingstferien", "07.06.2022", "18.06.2022"},
           {"Sommerferien", "01.08.2022", "12.09.2022"},
       }},
      {"D-BY",
       2022,
       {
           {"Herbstferien", "31.10.2022", "04.11.2022"},
           {"Buß- und Bettag", "16.11.2022", "16.11.2022"},
           {"Weihnachtsferien", "24.12.2022", "07.01.2023"},
           {"Frühjahrsferien", "20.02.2023", "24.02.2023"},
           {"Osterferien", "03.04.2023", "15.04.2023"},
           {"Pfingstferien", "30.05.2023", "09.06.2023"},
           {"Sommerferien", "31.07.2023", "11.09.2023"},
       }},
      {"D-BY",
       2023,
       {
           {"Herbstferien", "30.10.2023", "04.11.2023"},
           {"Buß- und Bettag", "22.11.2023", "22.11.2023"},
           {"Weihnachtsferien", "23.12.2023", "05.01.2024"},
           {"Frühjahrsferien", "12.02.2024", "16.02.2024"},
           {"Osterferien", "25.03.2024", "06.04.2024"},
           {"Pfingstferien", "21.05.2024", "01.06.2024"},
           {"Sommerferien", "29.07.2024", "09.09.2024"},
       }},
      {"D-BY",
       2024,
       {
           {"Herbstferien", "28.10.2024", "31.10.2024"},
           {"Buß- und Bettag", "20.11.2024", "20.11.2024"},
           {"Weihnachtsferien", "23.12.2024", "03.01.2025"},
           {"Frühjahrsferien", "03.03.2025", "07.03.2025"},
           {"Osterferien", "14.04.2025", "25.04.2025"},
           {"Pfingstferien", "10.06.2025", "20.06.2025"},
           {"Sommerferien", "01.08.2025", "15.09.2025"},
       }},
      {"D-BY",
       2025,
       {
           {"Herbstferien", "03.11.2025", "07.11.2025"},
           {"Buß- und Bettag", "19.11.2025", "19.11.2025"},
           {"Weihnachtsferien", "22.12.2025", "05.01.2026"},
           {"Frühjahrsferien", "16.02.2026", "20.02.2026"},
           {"Osterferien", "30.03.2026", "10.04.2026"},
           {"Pfingstferien", "26.05.2026", "05.06.2026"},
           {"Sommerferien", "03.08.2026", "14.09.2026"},
       }},
      {"D-NW",
       2021,
       {
           {"Herbstferien", "11.10.2021", "23.10.2021"},
           {"Weihnachtsferien", "24.12.2021", "08.01.2022"},
           {"Osterferien", "11.04.2022", "23.04.2022"},
           {"Sommerferien", "27.06.2022", "09.08.2022"},
       }},
      {"D-NW",
       2022,
       {
           {"Herbstferien", "04.10.2022", "15.10.2022"},
           {"Weihnachtsferien", "23.12.2022", "06.01.2023"},
           {"Osterferien", "03.04.2023", "15.04.2023"},
           {"Pfingstferien", "30.05.2023", "30.05.2023"},
           {"Sommerferien", "22.06.2023", "04.08.2023"},
       }},
      {"D-NW",
       2023,
       {
           {"Herbstferien", "02.10.2023", "14.10.2023"},
           {"Weihnachtsferien", "21.12.2023", "05.01.2024"},
           {"Osterferien", "25.03.2024", "06.04.2024"},
           {"Pfingstferien", "21.05.2024", "21.05.2024"},
           {"Sommerferien", "08.07.2024", "20.08.2024"},
       }},
      {"D-NW",
       2024,
       {
           {"Herbstferien", "14.10.2024", "26.10.2024"},
           {"Weihnachtsferien", "23.12.2024", "06.01.2025"},
           {"Osterferien", "14.04.2025", "26.04.2025"},
           {"Pfingstferien", "10.06.2025", "10.06.2025"},
           {"Sommerferien", "14.07.2025", "26.08.2025"},
       }},
      {"D-NW",
       2025,
       {
           {"Herbstferien", "13.10.2025", "25.10.2025"},
           {"Weihnachtsferien", "22.12.2025", "06.01.2026"},
           {"Osterferien", "30.03.2026", "11.04.2026"},
           {"Pfingstferien", "26.05.2026", "26.05.2026"},
           {"Sommerferien", "20.07.2026", "01.09.2026"},
       }},
      {"A-W",
       2021,
       {
           {"Herbstferien", "27.10.2021", "31.10.2021"},
           {"Allerseelen", "02.11.2021", "02.11.2021"},
           {"St. Leopold", "15.11.2021", "15.11.2021"},
           {"Weihnachtsferien", "24.12.2021", "06.01.2022"},
           {"Semesterferien", "07.02.2022", "12.02.2022"},
           {"Osterferien", "09.04.2022", "18.04.2022"},
           {"Pfingstferien", "04.06.2022", "06.06.2022"},
           {"Sommerferien", "02.07.2022", "04.09.2022"},
       }},
      {"A-W",
       2022,
       {
           {"Herbstferien", "27.10.2022", "31.10.2022"},
           {"Allerseelen", "02.11.2022", "02.11.2022"},
           {"St. Leopold", "15.11.2022", "15.11.2022"},
           {"Weihnachtsferien", "24.12.2022", "06.01.2023"},
           {"Semesterferien", "06.02.2023", "11.02.2023"},
           {"Osterferien", "01.04.2023", "10.04.2023"},
           {"Pfingstferien", "27.05.2023", "29.05.2023"},
           {"Sommerferien", "01.07.2023", "03.09.2023"},
       }},
      {"A-W",
       2023,
       {
           {"Herbstferien", "27.10.2023", "31.10.2023"},
           {"Allerseelen", "02.11.2023", "02.11.2023"},
           {"St. Leopold", "15.11.2023", "15.11.2023"},
           {"Weihnachtsferien", "23.12.2023", "06.01.2024"},
           {"Semesterferien", "05.02.2024", "10.02.2024"},
           {"Osterferien", "23.03.2024", "01.04.2024"},
           {"Pfingstferien", "18.05.2024", "20.05.2024"},
           {"Sommerferien", "29.06.2024", "01.09.2024"},
       }},
      {"A-W",
       2024,
       {
           {"Herbstferien", "27.10.2024", "31.10.2024"},
           {"Allerseelen", "02.11.2024", "02.11.2024"},
           {"St. Leopold", "15.11.2024", "15.11.2024"},
           {"Weihnachtsferien", "24.12.2024", "06.01.2025"},
           {"Semesterferien", "03.02.2025", "08.02.2025"},
           {"Osterferien", "12.04.2025", "21.04.2025"},
           {"Pfingstferien", "07.06.2025", "09.06.2025"},
           {"Sommerferien", "28.06.2025", "31.08.2025"},
       }},
      {"A-W",
       2025,
       {
           {"Herbstferien", "27.10.2025", "31.10.2025"},
           {"Allerseelen", "02.11.2025", "02.11.2025"},
           {"St. Leopold", "15.11.2025", "15.11.2025"},
           {"Weihnachtsferien", "24.12.2025", "06.01.2026"},
           {"Semesterferien", "02.02.2026", "07.02.2026"},
           {"Osterferien", "28.03.2026", "06.04.2026"},
           {"Pfingstferien", "23.05.2026", "25.05.2026"},
           {"Sommerferien", "04.07.2026", "06.09.2026"},
       }},
  };
  return cases;
}

TEST(SchoolHolidays, FiveSchoolYearsAsTheDataGiveThem) {
  for (const SchoolYearCase& c : SchoolYearCases()) {
    EXPECT_EQ(SchoolYear(c.region, c.year), c.stretches) << c.region << ' ' << c.year;
  }
}

TEST(SchoolHolidays, EveryDayOfAStretchFindsIt) {
  for (const SchoolYearCase& c : SchoolYearCases()) {
    for (const Stretch& s : c.stretches) {
      const int first = Day(s.first.c_str());
      const int last = Day(s.last.c_str());
      for (int day = first; day <= last; ++day) {
        const std::optional<SchoolHoliday> found = SchoolHolidayOn(day, c.region);
        ASSERT_TRUE(found.has_value()) << c.region << ' ' << Text(day);
        EXPECT_EQ(StretchOf(*found), s) << c.region << ' ' << Text(day);
      }
      // The stretches are the data's rows; a neighbour may follow directly,
      // but never the same row.
      for (const int outside : {first - 1, last + 1}) {
        const std::optional<SchoolHoliday> found = SchoolHolidayOn(outside, c.region);
        if (found) {
          EXPECT_NE(StretchOf(*found), s) << c.region << ' ' << Text(outside);
        }
      }
    }
  }
}

TEST(SchoolHolidays, SchoolDaysHaveNone) {
  struct Case {
    const char* date;
    const char* region;
  };
  for (const Case& c :
       {Case{"03.10.2024", "D-NI"}, Case{"20.10.2024", "D-NI"}, Case{"08.01.2025", "D-NW"},
        Case{"07.01.2026", "A-W"}, Case{"16.09.2025", "D-BY"}}) {
    EXPECT_FALSE(SchoolHolidayOn(Day(c.date), c.region).has_value()) << c.date << ' ' << c.region;
  }
}

TEST(SchoolHolidays, YearHoldsEveryStretchThatTouchesIt) {
  std::vector<Stretch> found;
  for (const SchoolHoliday& h : SchoolHolidaysOfYear(2025, "D-NI")) found.push_back(StretchOf(h));
  EXPECT_EQ(found, (std::vector<Stretch>{
                       {"Weihnachtsferien", "23.12.2024", "04.01.2025"},
                       {"Halbjahresferien", "03.02.2025", "04.02.2025"},
                       {"Osterferien", "07.04.2025", "19.04.2025"},
                       {"Kirchentag", "30.04.2025", "30.04.2025"},
                       {"Tag nach dem 1. Mai", "02.05.2025", "02.05.2025"},
                       {"Tag nach Himmelfahrt", "30.05.2025", "30.05.2025"},
                       {"Pfingstferien", "10.06.2025", "10.06.2025"},
                       {"Sommerferien", "03.07.2025", "13.08.2025"},
                       {"Herbstferien", "13.10.2025", "25.10.2025"},
                       {"Weihnachtsferien", "22.12.2025", "05.01.2026"},
                   }));

  // A span in the middle of a stretch gives that stretch.
  const std::vector<SchoolHoliday> inside =
      SchoolHolidaysBetween(Day("10.10.2024"), Day("11.10.2024"), "D-NI");
  ASSERT_EQ(inside.size(), 1u);
  EXPECT_EQ(StretchOf(inside[0]), (Stretch{"Herbstferien", "04.10.2024", "19.10.2024"}));
  EXPECT_TRUE(SchoolHolidaysBetween(Day("11.10.2024"), Day("10.10.2024"), "D-NI").empty());
}

TEST(SchoolHolidays, NothingWithoutData) {
  // A state in a year the data do not reach.
  EXPECT_TRUE(SchoolHolidaysOfYear(2035, "D-NI").empty());
  EXPECT_FALSE(SchoolHolidayOn(Day("01.08.2035"), "D-NI").has_value());
  EXPECT_FALSE(HasSchoolHolidayData("D-NI", 2035));
  EXPECT_FALSE(HasSchoolHolidayData("D-NI", 2010));
  EXPECT_TRUE(HasSchoolHolidayData("D-NI", 2025));
  EXPECT_TRUE(HasSchoolHolidayData("A-W", 2017));
  EXPECT_FALSE(HasSchoolHolidayData("A-W", 2015));
  // Regions without data: a country, another country, no region, a history.
  for (const char* region : {"D", "A", "CH", "XY", "", "D-OB", "d-ni"}) {
    EXPECT_TRUE(SchoolHolidaysOfYear(2025, region).empty()) << region;
    EXPECT_FALSE(SchoolHolidayOn(Day("01.08.2025"), region).has_value()) << region;
    EXPECT_FALSE(HasSchoolHolidayData(region, 2025)) << region;
  }
  // Years and days far outside.
  EXPECT_TRUE(SchoolHolidaysOfYear(0, "D-NI").empty());
  EXPECT_TRUE(SchoolHolidaysOfYear(-5, "D-NI").empty());
  EXPECT_TRUE(SchoolHolidaysOfYear(2147483647, "D-NI").empty());
  EXPECT_FALSE(HasSchoolHolidayData("D-NI", -2147483647 - 1));
  EXPECT_FALSE(SchoolHolidayOn(kFirstDayNumber, "D-NI").has_value());
  EXPECT_FALSE(SchoolHolidayOn(kLastDayNumber, "D-NI").has_value());
}

TEST(SchoolHolidays, MecklenburgVorpommernShowsTheGeneralSchools) {
  // The vocational schools have 14.07.–30.08.2025 and 15.07.–31.08.2024.
  struct Case {
    const char* day;
    Stretch summer;
  };
  for (const Case& c : {Case{"01.08.2025", {"Sommerferien", "28.07.2025", "06.09.2025"}},
                        Case{"01.08.2024", {"Sommerferien", "22.07.2024", "31.08.2024"}},
                        Case{"01.08.2026", {"Sommerferien", "13.07.2026", "22.08.2026"}}}) {
    const std::optional<SchoolHoliday> found = SchoolHolidayOn(Day(c.day), "D-MV");
    ASSERT_TRUE(found.has_value()) << c.day;
    EXPECT_EQ(StretchOf(*found), c.summer);
  }
  EXPECT_FALSE(SchoolHolidayOn(Day("14.07.2025"), "D-MV").has_value());
  EXPECT_FALSE(SchoolHolidayOn(Day("25.08.2026"), "D-MV").has_value());
}

TEST(SchoolHolidays, TextNamesStretchRegionAndDays) {
  struct Case {
    const char* name;
    const char* first;
    const char* last;
    const char* region;
    const char* text;
  };
  const Case cases[] = {
      {"Herbstferien", "04.10.2024", "19.10.2024", "Niedersachsen",
       "Herbstferien Niedersachsen 04.10.–19.10.2024"},
      {"Weihnachtsferien", "23.12.2024", "04.01.2025", "Niedersachsen",
       "Weihnachtsferien Niedersachsen 23.12.2024–04.01.2025"},
      {"Buß- und Bettag", "20.11.2024", "20.11.2024", "Bayern",
       "Buß- und Bettag Bayern 20.11.2024"},
      {"Semesterferien", "02.02.2026", "07.02.2026", "", "Semesterferien 02.02.–07.02.2026"},
  };
  for (const Case& c : cases) {
    const SchoolHoliday holiday{c.name, Day(c.first), Day(c.last)};
    EXPECT_EQ(SchoolHolidayText(holiday, c.region), c.text);
  }
  // From the table, with the region's name from the region table.
  const std::optional<SchoolHoliday> autumn = SchoolHolidayOn(Day("10.10.2024"), "D-NI");
  ASSERT_TRUE(autumn.has_value());
  EXPECT_EQ(SchoolHolidayText(*autumn, RegionNameOfCode("D-NI")),
            "Herbstferien Niedersachsen 04.10.–19.10.2024");
}

// Every row of the table lies in 2011..2031, belongs to a region of the
// region table, and shares no day with another row of its region; each
// region's rows come back from the lookups as they stand in the table.
TEST(SchoolHolidays, EveryRowInsideItsYearsAndAlone) {
  const int first = DayNumberOf({2011, 1, 1}, G);
  const int last = DayNumberOf({2031, 12, 31}, G);
  const std::size_t count = detail::SchoolHolidayRowCount();
  ASSERT_GT(count, 2000u);
  std::map<std::string, std::vector<SchoolHoliday>> byRegion;
  for (std::size_t i = 0; i < count; ++i) {
    const detail::SchoolHolidayRow row = detail::SchoolHolidayRowAt(i);
    const SchoolHoliday& h = row.holiday;
    ASSERT_GE(h.firstDay, first) << row.region << ' ' << Text(h.firstDay);
    ASSERT_LE(h.lastDay, last) << row.region << ' ' << Text(h.lastDay);
    ASSERT_LE(h.firstDay, h.lastDay) << row.region << ' ' << Text(h.firstDay);
    ASSERT_FALSE(h.name.empty());
    ASSERT_FALSE(RegionNameOfCode(row.region).empty()) << row.region;
    std::vector<SchoolHoliday>& rows = byRegion[std::string(row.region)];
    if (!rows.empty()) {
      ASSERT_LT(rows.back().lastDay, h.firstDay) << row.region << ' ' << Text(h.firstDay);
    }
    rows.push_back(h);
  }
  // The sixteen German states and the nine Austrian states.
  EXPECT_EQ(byRegion.size(), 25u);
  for (const auto& [region, rows] : byRegion) {
    EXPECT_EQ(SchoolHolidaysBetween(first, last, region), rows) << region;
    for (const SchoolHoliday& h : rows) {
      ASSERT_EQ(SchoolHolidayOn(h.firstDay, region), h) << region;
      ASSERT_EQ(SchoolHolidayOn(h.lastDay, region), h) << region;
    }
  }
}

}  // namespace
}  // namespace engine

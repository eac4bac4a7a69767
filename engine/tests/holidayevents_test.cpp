// SPDX-License-Identifier: MIT
#include "engine/holidayevents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/daydescription.h"
#include "engine/daynumber.h"
#include "engine/week.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
using Kind = HolidayEventKind;

// Every code the command line accepts: the table's rows, Croatia and Denmark.
std::vector<std::string> AllCodes() {
  std::vector<std::string> codes;
  for (int i = 0; i < kFilledRegionRows; ++i) codes.emplace_back(RegionTable()[i].code);
  codes.insert(codes.end(), {"HR", "HR-21", "DK", "DK-84"});
  return codes;
}

std::vector<HolidayEvent> EventsOn(const std::vector<HolidayEvent>& events, const CivilDate& d) {
  std::vector<HolidayEvent> on;
  for (const HolidayEvent& e : events) {
    if (e.date == d) on.push_back(e);
  }
  return on;
}

TEST(HolidayEvents, HolidaysOfRegionAndYear) {
  // absent: no event of that name on that day.
  enum Expect { Legal, Named, Absent };
  const struct {
    const char* code;
    CivilDate date;
    const char* name;
    Expect expect;
  } kCases[] = {
      {"D-BY", {2026, 6, 4}, "Fronleichnam", Legal},
      {"D-NI", {2026, 6, 4}, "Fronleichnam", Named},
      {"D-NI", {2018, 10, 31}, "Reformationstag", Legal},
      {"D-NI", {2017, 10, 31}, "Reformationstag (500 Jahre)", Legal},
      {"D-NI", {2016, 10, 31}, "Reformationstag", Named},
      {"D-BY", {2018, 10, 31}, "Reformationstag", Named},
      {"D-SN", {2026, 11, 18}, "Buß- und Bettag", Legal},
      {"D-BY", {2026, 8, 8}, "Augsburger Hohes Friedensfest", Named},
      {"D-NI", {2026, 8, 8}, "Augsburger Hohes Friedensfest", Absent},
      {"D-NI", {2026, 10, 3}, "Tag der deutschen Einheit", Legal},
      {"D-NI", {1989, 10, 3}, "Tag der deutschen Einheit", Absent},
      {"A-W", {2026, 11, 15}, "Leopold III. (Österreich)", Legal},
      {"A-T", {2026, 11, 15}, "Leopold III. (Österreich)", Named},
      {"D-BE", {2025, 5, 8}, "Tag der Befreiung", Legal},
      {"HR", {2026, 5, 30}, "Tag der Staatlichkeit", Legal},
      {"D-NI", {1850, 1, 1}, "Neujahr", Named},  // before legal holidays existed
      {"D-NI", {1871, 1, 1}, "Neujahr", Legal},
  };
  for (const auto& c : kCases) {
    const Region region = RegionOfCode(c.code);
    const std::vector<HolidayEvent> on =
        EventsOn(HolidayEventsOfYears(c.date.year, c.date.year, region), c.date);
    const auto it = std::find_if(on.begin(), on.end(),
                                 [&](const HolidayEvent& e) { return e.summary == c.name; });
    const std::string where = std::string(c.code) + ' ' + FormatDateText(c.date) + ' ' + c.name;
    if (c.expect == Absent) {
      EXPECT_EQ(it, on.end()) << where;
      continue;
    }
    ASSERT_NE(it, on.end()) << where;
    const bool legal = c.expect == Legal;
    EXPECT_EQ(it->kind, legal ? Kind::LegalHoliday : Kind::NamedDay) << where;
    EXPECT_EQ(it->category, legal ? kLegalHolidayCategory : kNamedDayCategory) << where;
    EXPECT_EQ(it->description,
              "In " + region.DisplayName() +
                  (legal ? " gesetzlicher Feiertag." : " kein gesetzlicher Feiertag."))
        << where;
  }
}

// A day with two holidays gives one event for each, each with its own flag.
TEST(HolidayEvents, OneEventPerHolidayOfADay) {
  const struct {
    const char* code;
    CivilDate date;
    std::vector<std::pair<std::string, Kind>> events;
  } kCases[] = {
      {"D-BW",
       {2008, 5, 1},
       {{"Himmelfahrt", Kind::LegalHoliday}, {"Tag der Arbeit", Kind::LegalHoliday}}},
      {"D-BE",
       {2024, 5, 12},
       {{"Muttertag", Kind::NamedDay}, {"Eishlg. Pankratius", Kind::NamedDay}}},
      {"D-NI", {2026, 12, 25}, {{"1. Weihnachtstag", Kind::LegalHoliday}}},
  };
  for (const auto& c : kCases) {
    const auto on =
        EventsOn(HolidayEventsOfYears(c.date.year, c.date.year, RegionOfCode(c.code)), c.date);
    std::vector<std::pair<std::string, Kind>> got;
    for (const HolidayEvent& e : on) got.emplace_back(e.summary, e.kind);
    EXPECT_EQ(got, c.events) << c.code << ' ' << FormatDateText(c.date);
  }
}

// Joined per day, the events are the holiday list of the year: the same days,
// the same names in the same order, and legal where the list marks the day legal.
TEST(HolidayEvents, AgreeWithTheHolidayListOfEveryRegion) {
  for (const std::string& code : AllCodes()) {
    const Region region = RegionOfCode(code);
    for (int year = 1; year <= 3000; year += 7) {
      for (const bool legalOnly : {false, true}) {
        const auto events = HolidayEventsOfYears(year, year, region, {legalOnly, false});
        std::vector<std::pair<std::string, bool>> days;  // date text + names, legal
        std::string lastDate;
        for (const HolidayEvent& e : events) {
          const std::string date = FormatDateText(e.date);
          const bool legal = e.kind == Kind::LegalHoliday;
          if (date == lastDate) {
            days.back().first += ", " + e.summary;
            days.back().second = days.back().second || legal;
          } else {
            days.emplace_back(date + ' ' + e.summary, legal);
          }
          lastDate = date;
        }
        std::vector<std::pair<std::string, bool>> rows;
        for (const HolidayRow& row :
             HolidayRowsOfYear(year, region, G,
                               legalOnly ? HolidaySelection::LegalOnly : HolidaySelection::All)) {
          if (!legalOnly) {
            rows.emplace_back(row.date + ' ' + row.names, row.legal);
            continue;
          }
          // Only the legal holidays of a day stay; a named day beside a
          // legal one drops out of the names.
          rows.emplace_back(row.date, true);
        }
        if (legalOnly) {
          for (auto& day : days) day.first.resize(10);
          days.erase(std::unique(days.begin(), days.end()), days.end());
        }
        EXPECT_EQ(days, rows) << code << ' ' << year << (legalOnly ? " legal" : "");
      }
    }
  }
}

TEST(HolidayEvents, LegalOnlyKeepsOnlyLegalHolidays) {
  const Region bavaria = RegionOfCode("D-BY");
  const auto all = HolidayEventsOfYears(2026, 2027, bavaria);
  const auto legal = HolidayEventsOfYears(2026, 2027, bavaria, {true, false});
  std::vector<HolidayEvent> expected;
  for (const HolidayEvent& e : all) {
    if (e.kind == Kind::LegalHoliday) expected.push_back(e);
  }
  ASSERT_EQ(legal.size(), expected.size());
  for (std::size_t i = 0; i < legal.size(); ++i) EXPECT_EQ(legal[i].uid, expected[i].uid);
  EXPECT_EQ(legal.size(), 28u);  // 14 legal holidays in Bavaria each year
}

TEST(HolidayEvents, UidsAreStableAndUnique) {
  EXPECT_EQ(HolidayEventUid({2026, 10, 3}, "D-NI", "Tag der deutschen Einheit"),
            "20261003-d-ni-tag-der-deutschen-einheit@razaduvovi");
  EXPECT_EQ(HolidayEventUid({2026, 11, 15}, "A-NÖ", "Leopold III. (Österreich)"),
            "20261115-a-noe-leopold-iii-oesterreich@razaduvovi");
  EXPECT_EQ(HolidayEventUid({1, 1, 1}, "kw", "KW 01"), "00010101-kw-kw-01@razaduvovi");
  EXPECT_EQ(HolidayEventUid({2026, 5, 15}, "D-BY", "Eishlg. Sophia = Kalte Sophie"),
            "20260515-d-by-eishlg-sophia-kalte-sophie@razaduvovi");
  EXPECT_EQ(HolidayEventUid({2026, 1, 1}, "D-BY", "Mariä Lichtmeß ÄÖÜ"),
            "20260101-d-by-mariae-lichtmess-aeoeue@razaduvovi");

  // Two regions, a day, a holiday: one identifier each, over two centuries
  // and every region, and the same whichever range the year was exported in.
  std::set<std::string> seen;
  std::size_t count = 0;
  for (const std::string& code : AllCodes()) {
    const Region region = RegionOfCode(code);
    for (int first = 1901; first <= 2001; first += kMaxHolidayEventYears) {
      const auto events = HolidayEventsOfYears(first, first + kMaxHolidayEventYears - 1, region,
                                               {false, code == "D-NI"});
      for (const HolidayEvent& e : events) {
        ++count;
        EXPECT_TRUE(seen.insert(e.uid).second || e.kind == Kind::Week) << e.uid;
        EXPECT_TRUE(std::all_of(e.uid.begin(), e.uid.end(), [](char c) {
          return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '@';
        })) << e.uid;
      }
    }
    const auto alone = HolidayEventsOfYears(2026, 2026, region);
    const auto within = HolidayEventsOfYears(1990, 2089, region);
    std::vector<std::string> fromWithin;
    for (const HolidayEvent& e : within) {
      if (e.date.year == 2026) fromWithin.push_back(e.uid);
    }
    std::vector<std::string> fromAlone;
    for (const HolidayEvent& e : alone) fromAlone.push_back(e.uid);
    EXPECT_EQ(fromAlone, fromWithin) << code;
  }
  EXPECT_GT(count, 100000u);
}

TEST(HolidayEvents, WeeksOnTheirMondays) {
  const struct {
    int year;
    int weeks;
    CivilDate firstMonday;
  } kCases[] = {
      {2026, 53, {2025, 12, 29}}, {2020, 53, {2019, 12, 30}}, {2015, 53, {2014, 12, 29}},
      {2021, 52, {2021, 1, 4}},   {2027, 52, {2027, 1, 4}},   {2004, 53, {2003, 12, 29}},
      {1, 52, {1, 1, 1}},         {3000, 52, {2999, 12, 30}},
  };
  const Region region = RegionOfCode("D-NI");
  for (const auto& c : kCases) {
    std::vector<HolidayEvent> weeks;
    for (HolidayEvent& e : HolidayEventsOfYears(c.year, c.year, region, {false, true})) {
      if (e.kind == Kind::Week) weeks.push_back(std::move(e));
    }
    ASSERT_EQ(static_cast<int>(weeks.size()), c.weeks) << c.year;
    EXPECT_EQ(weeks.front().date, c.firstMonday) << c.year;
    EXPECT_EQ(weeks.front().summary, "KW 01") << c.year;
    char last[8];
    std::snprintf(last, sizeof last, "KW %02d", c.weeks);
    EXPECT_EQ(weeks.back().summary, last) << c.year;
    for (std::size_t i = 0; i < weeks.size(); ++i) {
      const int jd = DayNumberOf(weeks[i].date, G);
      EXPECT_EQ(WeekDayOf(jd), 1) << weeks[i].uid;
      EXPECT_EQ(WeekOfDayNumber(jd, G), (Week{static_cast<int>(i) + 1, c.year})) << weeks[i].uid;
      EXPECT_EQ(weeks[i].category, kWeekCategory);
    }
  }
  const auto events = HolidayEventsOfYears(2026, 2026, region, {false, true});
  const auto week53 = EventsOn(events, {2026, 12, 28});
  ASSERT_FALSE(week53.empty());
  EXPECT_EQ(week53[0].summary, "KW 53");
  EXPECT_EQ(week53[0].uid, "20261228-kw-kw-53@razaduvovi");
  EXPECT_EQ(week53[0].description, "Kalenderwoche 53 des Jahres 2026: 28.12.2026 bis 03.01.2027");
}

// Weeks and holidays come in date order, a week before the holidays of its Monday.
TEST(HolidayEvents, DateOrder) {
  for (const char* code : {"D-BY", "A-W", "HR", "DK"}) {
    const auto events = HolidayEventsOfYears(2019, 2031, RegionOfCode(code), {false, true});
    for (std::size_t i = 1; i < events.size(); ++i) {
      const int before = DayNumberOf(events[i - 1].date, G);
      const int jd = DayNumberOf(events[i].date, G);
      EXPECT_LE(before, jd) << code << ' ' << events[i].uid;
      if (before == jd) {
        EXPECT_NE(events[i].kind, Kind::Week) << events[i].uid;
      }
    }
  }
}

TEST(HolidayEvents, YearsOutsideTheRangeGiveNothing) {
  const struct {
    int first;
    int last;
    bool empty;
  } kCases[] = {
      {0, 5, true},    {2026, 2025, true},  {2999, 3001, true},
      {1, 100, false}, {1, 101, true},      {2901, 3000, false},
      {-5, -1, true},  {3000, 3000, false}, {2026, 2026, false},
  };
  const Region region = RegionOfCode("D-BY");
  for (const auto& c : kCases) {
    EXPECT_EQ(HolidayEventsOfYears(c.first, c.last, region, {false, true}).empty(), c.empty)
        << c.first << '-' << c.last;
  }
}

TEST(HolidayEvents, RegionWithoutRulesHasOnlyWeeks) {
  const Region none = RegionOfCode("CH");
  ASSERT_FALSE(none.hasRules);
  EXPECT_TRUE(HolidayEventsOfYears(2026, 2026, none).empty());
  const auto weeks = HolidayEventsOfYears(2026, 2026, none, {false, true});
  EXPECT_EQ(weeks.size(), 53u);
}

TEST(HolidayEvents, CalendarName) {
  EXPECT_EQ(HolidayCalendarName(2026, 2027, RegionOfCode("D-BY"), false),
            "Feiertage in Bayern 2026-2027");
  EXPECT_EQ(HolidayCalendarName(2026, 2026, RegionOfCode("A-NÖ"), true),
            "Gesetzliche Feiertage in Niederösterreich 2026");
  EXPECT_EQ(HolidayCalendarName(2026, 2026, RegionOfCode("HR"), false), "Feiertage in HR 2026");
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

TEST(HolidayEvents, SchoolHolidaysSpanTheirDaysInDateOrder) {
  const Region region = RegionOfCode("D-NI");
  const std::vector<HolidayEvent> without = HolidayEventsOfYears(2024, 2024, region);
  HolidayEventOptions options;
  options.schoolHolidays = true;
  const std::vector<HolidayEvent> with = HolidayEventsOfYears(2024, 2024, region, options);
  std::size_t school = 0;
  for (std::size_t i = 0; i < with.size(); ++i) {
    if (i > 0) {
      ASSERT_LE(DayNumberOf(with[i - 1].date, CalendarKind::Gregorian),
                DayNumberOf(with[i].date, CalendarKind::Gregorian));
    }
    if (with[i].kind != HolidayEventKind::SchoolHoliday) continue;
    ++school;
    EXPECT_EQ(with[i].category, kSchoolHolidayCategory);
    EXPECT_EQ(with[i].date.year, 2024);  // the Christmas holidays of 2023/24 began in 2023
    if (with[i].summary == "Herbstferien Niedersachsen") {
      EXPECT_EQ(with[i].date, (CivilDate{2024, 10, 4}));
      EXPECT_EQ(with[i].days, 16);
      EXPECT_EQ(with[i].description,
                "Herbstferien Niedersachsen 04.10.–19.10.2024. Quelle: OpenHolidays, ODbL 1.0");
    }
  }
  EXPECT_EQ(school, 8u);
  EXPECT_EQ(with.size(), without.size() + school);
  for (const HolidayEvent& event : without) EXPECT_EQ(event.days, 1);
  EXPECT_EQ(HolidayEventsOfYears(2024, 2024, RegionOfCode("HR"), options).size(),
            HolidayEventsOfYears(2024, 2024, RegionOfCode("HR")).size());
}

}  // namespace
}  // namespace engine

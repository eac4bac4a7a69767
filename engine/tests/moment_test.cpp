// SPDX-License-Identifier: MIT
#include "engine/moment.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/daynumber.h"
#include "engine/environment.h"
#include "engine/legaltime.h"
#include "engine/tests/clock_scope.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kHour = 3600 * kSecond;

UtcMoment Utc(int year, int month, int day, int hour, int minute = 0, int second = 0) {
  return UtcMomentOfUtc({year, month, day, hour, minute, second, 0});
}

UtcMoment Plus(UtcMoment moment, std::int64_t milliseconds) {
  return {moment.milliseconds + milliseconds};
}

std::string Text(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

std::string LegalText(UtcMoment moment, std::string_view region) {
  return Text(LegalTimeAt(moment, RegionOfCode(region)));
}

TEST(Moment, UtcDateTimeRoundTripsOverTheWholeRange) {
  EXPECT_EQ(Text(UtcDateTimeOf({0})), "1970-01-01 00:00:00");
  EXPECT_EQ(Text(UtcDateTimeOf({-1})), "1969-12-31 23:59:59");
  EXPECT_EQ(UtcDateTimeOf({-1}).millisecond, 999);
  EXPECT_EQ(Text(UtcDateTimeOf(Utc(1, 1, 1, 0))), "0001-01-01 00:00:00");
  EXPECT_EQ(Text(UtcDateTimeOf(Plus(Utc(3000, 12, 31, 23, 59, 59), 999))), "3000-12-31 23:59:59");
  for (int jd = kFirstDayNumber; jd <= kLastDayNumber; jd += 997) {
    const CivilDate date = CivilDateOf(jd, G);
    const LocalDateTime t{date.year, date.month, date.day, 13, 7, 59, 321};
    EXPECT_EQ(UtcDateTimeOf(UtcMomentOfUtc(t)), t) << jd;
  }
}

// The same moments in every zone of central European time of today.
class TodaysZones : public testing::TestWithParam<const char*> {};

TEST_P(TodaysZones, ReadTheClockAsTheirLegalTime) {
  const char* region = GetParam();
  EXPECT_EQ(LegalText(Utc(2026, 7, 1, 10), region), "2026-07-01 12:00:00");
  EXPECT_EQ(LegalText(Utc(2026, 12, 31, 23, 30), region), "2027-01-01 00:30:00");
  EXPECT_EQ(LegalText(Utc(2026, 3, 29, 0, 59, 59), region), "2026-03-29 01:59:59");
  EXPECT_EQ(LegalText(Utc(2026, 3, 29, 1), region), "2026-03-29 03:00:00");
  EXPECT_EQ(LegalText(Utc(2026, 10, 25, 0, 59, 59), region), "2026-10-25 02:59:59");
  EXPECT_EQ(LegalText(Utc(2026, 10, 25, 1), region), "2026-10-25 02:00:00");
  EXPECT_EQ(LegalOffsetAt(Utc(2026, 7, 1, 10), RegionOfCode(region)), 2);
  EXPECT_EQ(LegalOffsetAt(Utc(2026, 12, 9, 19, 30), RegionOfCode(region)), 1);
}

INSTANTIATE_TEST_SUITE_P(Regions, TodaysZones,
                         testing::Values("D-NI", "D", "D-BY", "A-W", "A", "HR", "DK"));

TEST(Moment, TodayAndNowFollowTheRegionNotTheMachine) {
  const ClockScope clock(Utc(2026, 12, 31, 23, 30));
  for (const char* region : {"D-NI", "A-W", "HR", "DK"}) {
    EXPECT_EQ(FormatDateText(CivilDateOf(TodayJD(RegionOfCode(region)), G)), "01.01.2027");
    EXPECT_EQ(Text(Now(RegionOfCode(region))), "2027-01-01 00:30:00");
  }
  EXPECT_EQ(TodayText(G), "01.01.2027");
}

TEST(Moment, HistoricSwitchesAtTheirOwnHour) {
  struct Case {
    const char* region;
    UtcMoment moment;
    const char* legal;
  };
  const Case cases[] = {
      // 1916: summer time began at 23:00 on the eve of 01.05.
      {"D-NI", Utc(1916, 4, 30, 21, 59, 59), "1916-04-30 22:59:59"},
      {"D-NI", Utc(1916, 4, 30, 22), "1916-05-01 00:00:00"},
      // 1916: and ended at 01:00 MESZ.
      {"D-NI", Utc(1916, 9, 30, 22, 59, 59), "1916-10-01 00:59:59"},
      {"D-NI", Utc(1916, 9, 30, 23), "1916-10-01 00:00:00"},
      // 1947: double summer time from 03:00 MESZ, back at 03:00 MEHSZ.
      {"D-NI", Utc(1947, 5, 11, 0, 59, 59), "1947-05-11 02:59:59"},
      {"D-NI", Utc(1947, 5, 11, 1), "1947-05-11 04:00:00"},
      {"D-NI", Utc(1947, 6, 29, 0), "1947-06-29 02:00:00"},
      // 1945: the Soviet zone's double summer time, not in the West.
      {"D-SN", Utc(1945, 7, 1, 12), "1945-07-01 15:00:00"},
      {"D-NW", Utc(1945, 7, 1, 12), "1945-07-01 14:00:00"},
      // Austria 1980 switched at midnight both ways.
      {"A-W", Utc(1980, 4, 5, 22, 59, 59), "1980-04-05 23:59:59"},
      {"A-W", Utc(1980, 4, 5, 23), "1980-04-06 01:00:00"},
      {"A-W", Utc(1980, 9, 27, 21, 59, 59), "1980-09-27 23:59:59"},
      {"A-W", Utc(1980, 9, 27, 22), "1980-09-27 23:00:00"},
      {"D-BY", Utc(1980, 4, 6, 1), "1980-04-06 03:00:00"},
      // 1940 to 1942: one summer time through both winters.
      {"D", Utc(1941, 1, 15, 12), "1941-01-15 14:00:00"},
      // Croatia and Denmark: no summer time before 1980 in these rules.
      {"HR", Utc(1947, 7, 1, 12), "1947-07-01 13:00:00"},
      // Before zone time a day still counts as MEZ here, as on the zone clock.
      {"D-NI", Utc(1890, 6, 1, 12), "1890-06-01 13:00:00"},
      // The ends of the range.
      {"D", Utc(1, 1, 1, 0), "0001-01-01 01:00:00"},
      {"D", Utc(3000, 12, 31, 22, 59, 59), "3000-12-31 23:59:59"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LegalText(c.moment, c.region), c.legal) << c.region << ' ' << c.legal;
  }
}

int OffsetOfZone(std::string_view zone) {
  if (zone == "MEZ") return 1;
  if (zone == "MESZ") return 2;
  if (zone == "MEHSZ") return 3;
  return 0;
}

// Every switch a day description tells, in every region, is the moment the
// clock changes: one second before it the old time shows, at it the new one.
TEST(Moment, EverySwitchHappensWhenTheDayDescriptionSaysIt) {
  int switches = 0;
  for (const RegionRow& row : RegionTable().first(kFilledRegionRows)) {
    const Region region = RegionOfCode(row.code);
    for (int year = 1890; year <= 2030; ++year) {
      const int first = DayNumberOf({year, 1, 1}, G);
      const int last = DayNumberOf({year, 12, 31}, G);
      for (int jd = first; jd <= last; ++jd) {
        const std::string text = DstState(jd, region).switchText;
        // "Sommerzeit: 02:00 MEZ = 03:00 MESZ\n\r"
        const std::size_t colon = text.find(": ");
        if (colon == std::string::npos || text.find(" = ") == std::string::npos) continue;
        const std::string_view rest = std::string_view(text).substr(colon + 2);
        const int fromHour = std::stoi(std::string(rest.substr(0, 2)));
        const std::string_view fromZone = rest.substr(6, rest.find(" = ") - 6);
        const std::string_view to = rest.substr(rest.find(" = ") + 3);
        const int toHour = std::stoi(std::string(to.substr(0, 2)));
        const std::string_view toZone = to.substr(6, to.find('\n') - 6);
        ASSERT_GT(OffsetOfZone(fromZone), 0) << text;
        ASSERT_GT(OffsetOfZone(toZone), 0) << text;
        const CivilDate date = CivilDateOf(jd, G);
        const UtcMoment at = Plus(Utc(date.year, date.month, date.day, 0),
                                  (fromHour - OffsetOfZone(fromZone)) * kHour);
        const LocalDateTime before = LegalTimeAt(Plus(at, -kSecond), region);
        const LocalDateTime after = LegalTimeAt(at, region);
        EXPECT_EQ((before.hour + 1) % 24, fromHour % 24) << row.code << ' ' << text << year;
        EXPECT_EQ(before.minute * 100 + before.second, 5959) << row.code << ' ' << text;
        EXPECT_EQ(after.hour, toHour % 24) << row.code << ' ' << text << year;
        EXPECT_EQ(after.minute * 100 + after.second, 0) << row.code << ' ' << text;
        EXPECT_EQ(LegalOffsetAt(at, region), OffsetOfZone(toZone)) << row.code << ' ' << text;
        ++switches;
      }
    }
  }
  EXPECT_GT(switches, 29 * 2 * 45);
}

// At noon UTC no switch is near: the offset is the state of the local day,
// on every day of the range, in a German, an Austrian and an eastern region.
TEST(Moment, NoonFollowsTheStateOfEveryDay) {
  for (const char* code : {"D-NI", "A-W", "D-SN"}) {
    const Region region = RegionOfCode(code);
    for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
      const CivilDate date = CivilDateOf(jd, G);
      const int offset = LegalOffsetAt(Utc(date.year, date.month, date.day, 12), region);
      const int state = DstState(jd, region).state;
      if (offset != state) {
        ADD_FAILURE() << code << ' ' << FormatDateText(date) << ' ' << offset << ' ' << state;
        break;
      }
    }
  }
}

// From legal time back to the moment: every half hour of the years with
// switches gives its moment back, except the hour the clocks repeat, whose
// second round names the first.
TEST(Moment, LegalTimeLeadsBackToItsMoment) {
  for (const char* code : {"D-NI", "A-W", "D-SN"}) {
    const Region region = RegionOfCode(code);
    for (UtcMoment m = Utc(1915, 1, 1, 0); m < Utc(1990, 1, 1, 0); m = Plus(m, kHour / 2)) {
      const LocalDateTime legal = LegalTimeAt(m, region);
      const UtcMoment back = UtcMomentOfLegal(legal, region);
      if (back == m) continue;
      // The repeated hour: the same legal time an offset step earlier.
      const std::int64_t step = m.milliseconds - back.milliseconds;
      ASSERT_TRUE(step == kHour || step == 2 * kHour) << code << ' ' << Text(legal);
      EXPECT_EQ(LegalTimeAt(back, region), legal) << code << ' ' << Text(legal);
    }
  }
  // A time the clocks skipped names the moment of the time an hour later.
  const Region ni = RegionOfCode("D-NI");
  EXPECT_EQ(UtcMomentOfLegal({2026, 3, 29, 2, 30, 0, 0}, ni),
            UtcMomentOfLegal({2026, 3, 29, 3, 30, 0, 0}, ni));
  EXPECT_EQ(UtcMomentOfLegal({2026, 10, 25, 2, 30, 0, 0}, ni), Utc(2026, 10, 25, 0, 30));
}

TEST(Moment, HomeRegionIsWhereNowIsRead) {
  const ClockScope clock(Utc(2026, 6, 1, 10));
  const std::string saved = HomeRegion();
  SetHomeRegion("A-W");
  EXPECT_EQ(Text(Now()), "2026-06-01 12:00:00");
  SetHomeRegion("");  // an empty code keeps the region
  EXPECT_EQ(HomeRegion(), "A-W");
  SetHomeRegion(saved);
}

}  // namespace
}  // namespace engine

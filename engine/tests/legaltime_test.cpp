// SPDX-License-Identifier: MIT
#include "engine/legaltime.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;

constexpr const char* kBegin0203 = "Sommerzeit: 02:00 MEZ = 03:00 MESZ\n\r";
constexpr const char* kBegin0304 = "Sommerzeit: 03:00 MEZ = 04:00 MESZ\n\r";
constexpr const char* kBegin2300 = "Sommerzeit: 23:00 MEZ = 00:00 MESZ\n\r";
constexpr const char* kEnd0201 = "Winterzeit: 02:00 MESZ = 01:00 MEZ\n\r";
constexpr const char* kEnd0302 = "Winterzeit: 03:00 MESZ = 02:00 MEZ\n\r";
constexpr const char* kEnd0100 = "Winterzeit: 01:00 MESZ = 00:00 MEZ\n\r";
constexpr const char* kDouble0203 = "Hochsommerzeit: 02:00 MESZ = 03:00 MEHSZ\n\r";
constexpr const char* kDouble0304 = "Hochsommerzeit: 03:00 MESZ = 04:00 MEHSZ\n\r";
constexpr const char* kDoubleEnd = "Sommerzeit: 03:00 MEHSZ = 02:00 MESZ\n\r";

const char* kAllRegions[] = {"D",    "D-BW", "D-BY", "D-BE", "D-BB", "D-HB", "D-HH", "D-HE",
                             "D-MV", "D-NI", "D-NW", "D-RP", "D-SL", "D-SN", "D-ST", "D-SH",
                             "D-TH", "D-OB", "D-WB", "A",    "A-B",  "A-K",  "A-NÖ", "A-OÖ",
                             "A-S",  "A-ST", "A-T",  "A-V",  "A-W"};

int Jd(int day, int month, int year) {
  return DayNumberOf({year, month, day}, G);
}

std::string DateOf(int jd) {
  return FormatDateText(CivilDateOf(jd, G));
}

const char* ZoneOfState(int state) {
  return state == 3 ? "MEHSZ" : state == 2 ? "MESZ" : "MEZ";
}

std::vector<std::string> Words(const char* text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// ---- Weekdays of a month ----------------------------------------------------

TEST(WeekdayOfMonth, EdgeCases) {
  EXPECT_EQ(NthWeekdayOfMonth(4, 1940, 1, 1), Jd(1, 4, 1940));
  EXPECT_EQ(NthWeekdayOfMonth(3, 2020, 5, 7), Jd(29, 3, 2020));
  EXPECT_EQ(NthWeekdayOfMonth(2, 2021, 5, 1), 0);  // four Mondays only
  EXPECT_EQ(NthWeekdayOfMonth(2, 2021, 4, 1), Jd(22, 2, 2021));
  EXPECT_EQ(LastWeekdayOfMonth(3, 2020, 7), Jd(29, 3, 2020));
  EXPECT_EQ(LastWeekdayOfMonth(10, 2020, 7), Jd(25, 10, 2020));
  EXPECT_EQ(LastWeekdayOfMonth(2, 2024, 4), Jd(29, 2, 2024));
  for (auto [month, n, weekday] :
       {std::tuple{0, 1, 1}, {13, 1, 1}, {1, 0, 1}, {1, 6, 1}, {1, 1, 0}, {1, 1, 8}}) {
    EXPECT_EQ(NthWeekdayOfMonth(month, 2000, n, weekday), 0) << month << ' ' << n << ' ' << weekday;
  }
  EXPECT_EQ(LastWeekdayOfMonth(3, 2020, 0), 0);
  EXPECT_EQ(LastWeekdayOfMonth(3, 2020, 8), 0);
  EXPECT_EQ(LastWeekdayOfMonth(0, 2020, 7), 0);
}

TEST(WeekdayOfMonth, ClosedFormEqualsWalkingTheMonth) {
  for (int year = 1; year <= 3000; ++year) {
    for (int month = 1; month <= 12; ++month) {
      std::vector<int> hits[8];
      const int first = Jd(1, month, year);
      for (int jd = first; jd < first + DaysInMonth(month, year); ++jd) {
        hits[WeekDayOf(jd)].push_back(jd);
      }
      for (int weekday = 1; weekday <= 7; ++weekday) {
        ASSERT_EQ(LastWeekdayOfMonth(month, year, weekday), hits[weekday].back());
        for (int n = 1; n <= 5; ++n) {
          const int expected =
              n <= static_cast<int>(hits[weekday].size()) ? hits[weekday][n - 1] : 0;
          ASSERT_EQ(NthWeekdayOfMonth(month, year, n, weekday), expected)
              << month << '.' << year << ' ' << n << ' ' << weekday;
        }
      }
    }
  }
}

// ---- DstState ----------------------------------------------------------------

struct DstCase {
  const char* date;
  const char* regions;  // blank-separated
  int state;
  int code;
  const char* text;
  const char* zone;
};

void ExpectDst(const DstCase& c) {
  const int jd = ParseDayNumber(DateToJD(c.date, G).jd);
  for (const std::string& region : Words(c.regions)) {
    const DstResult r = DstState(jd, region);
    EXPECT_EQ(r.state, c.state) << c.date << ' ' << region;
    EXPECT_EQ(r.switchCode, c.code) << c.date << ' ' << region;
    EXPECT_EQ(r.switchText, c.text) << c.date << ' ' << region;
    EXPECT_EQ(r.zone, c.zone) << c.date << ' ' << region;
  }
}

TEST(DstState, EdgeCases) {
  const DstCase kCases[] = {
      {"30.04.1916", "D", 1, 0, kBegin2300, "MEZ"},
      {"01.05.1916", "D", 2, 0, "", "MESZ"},
      {"01.10.1916", "D", 1, 25, kEnd0100, "MEZ"},
      {"24.05.1945", "D-BE", 3, 0, kDouble0203, "MEHSZ"},
      {"24.05.1945", "D-NW", 2, 0, "", "MESZ"},
      {"18.11.1945", "D-SN", 1, 2, kEnd0302, "MEZ"},
      {"16.09.1945", "D-NW", 1, 1, kEnd0201, "MEZ"},
      {"29.03.2020", "D D-NI D-SN A HR DK XY", 2, 3, kBegin0203, "MESZ"},
      {"29.03.2020", "A-W A-NÖ", 2, 0, kBegin0203, "MESZ"},
      {"25.10.2020", "D D-NI D-SN A HR DK XY", 1, 2, kEnd0302, "MEZ"},
      {"25.10.2020", "A-W A-NÖ", 1, 0, kEnd0302, "MEZ"},
      {"31.03.1893", "D-NW", 1, 0, "MEZ erst ab 01.04.1893\n\r", "MOZ"},
      {"31.03.1893", "D-BY D-BW A", 1, 0, "", "MEZ"},
      {"01.04.1893", "D-NW D", 1, 0, "", "MEZ"},
      {"31.03.1892", "D-BY D-BW HR", 1, 0, "MEZ erst ab 01.04.1892\n\r", "MOZ"},
      {"01.04.1892", "D-BY D-BW HR", 1, 0, "", "MEZ"},
      {"31.03.1892", "D-NW D-BE", 1, 0, "MEZ erst ab 01.04.1893\n\r", "MOZ"},
      {"31.12.1890", "A A-W", 1, 0, "MEZ erst ab 01.01.1891\n\r", "MOZ"},
      // Austria had zone time from 1891: the rule of 1892 is not Austria's.
      {"01.01.1891", "A A-W", 1, 0, "", "MEZ"},
      {"31.03.1892", "A A-T", 1, 0, "", "MEZ"},
      {"31.12.1499", "D-NW", 1, 0, "MEZ erst ab 01.04.1893\n\r", "WOZ"},
      {"01.01.1500", "D-NW", 1, 0, "MEZ erst ab 01.04.1893\n\r", "MOZ"},
      {"01.01.0001", "A", 1, 0, "MEZ erst ab 01.01.1891\n\r", "WOZ"},
      {"01.01.0001", "D-BY", 1, 0, "MEZ erst ab 01.04.1892\n\r", "WOZ"},
      {"06.04.1980", "A A-W", 2, 0, "Sommerzeit: 00:00 MEZ = 01:00 MESZ\n\r", "MESZ"},
      {"06.04.1980", "D D-NI", 2, 3, kBegin0203, "MESZ"},
      {"27.09.1980", "A A-W", 2, 0, "Winterzeit: 24:00 MESZ = 23:00 MEZ\n\r", "MESZ"},
      {"27.09.1980", "D D-NI", 2, 0, "", "MESZ"},
      {"28.09.1980", "A A-W", 1, 0, "", "MEZ"},
      {"28.09.1980", "D D-NI", 1, 2, kEnd0302, "MEZ"},
      {"31.12.3000", "D", 1, 0, "", "MEZ"},
  };
  for (const auto& c : kCases) ExpectDst(c);
}

TEST(DstState, OutsideTheRangeIsInvalid) {
  for (int jd : {kFirstDayNumber - 1, kLastDayNumber + 1, 0}) {
    const DstResult r = DstState(jd, "D");
    EXPECT_EQ(r.state, 0);
    EXPECT_EQ(r.switchCode, 0);
    EXPECT_EQ(r.switchText, "");
    EXPECT_EQ(r.zone, "");
  }
}

// Every switch of 1916 to 1949 in the western, the Berlin and the Austrian
// rules, and the days next to them where the rules tell the regions apart.
const DstCase kSwitchDays[] = {
    {"30.04.1916", "D D-BE A", 1, 0, kBegin2300, "MEZ"},
    {"01.05.1916", "D D-BE A", 2, 0, "", "MESZ"},
    {"01.10.1916", "D D-BE A", 1, 25, kEnd0100, "MEZ"},
    {"16.04.1917", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    {"17.09.1917", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    {"15.04.1918", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    {"16.09.1918", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    {"05.04.1920", "A", 2, 3, kBegin0203, "MESZ"},
    {"13.09.1920", "A", 1, 2, kEnd0302, "MEZ"},
    {"01.04.1940", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    {"02.11.1942", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    {"29.03.1943", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    {"04.10.1943", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    {"03.04.1944", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    {"02.10.1944", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    // One switch at 02:00 MEZ everywhere: the Soviet zone came later.
    {"02.04.1945", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    {"12.04.1945", "A", 1, 1, kEnd0201, "MEZ"},
    {"24.05.1945", "D-BE", 3, 0, kDouble0203, "MEHSZ"},
    {"16.09.1945", "D", 1, 1, kEnd0201, "MEZ"},
    {"16.09.1945", "D-BE", 3, 0, "", "MEHSZ"},
    {"24.09.1945", "D-BE", 2, 0, kDoubleEnd, "MESZ"},
    {"18.11.1945", "D-BE", 1, 2, kEnd0302, "MEZ"},
    {"14.04.1946", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    // Summer time of 1946 lasted until Monday 07.10., not Sunday 06.10.
    {"06.10.1946", "D D-BE A", 2, 0, "", "MESZ"},
    {"07.10.1946", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    {"06.04.1947", "D D-BE", 2, 4, kBegin0304, "MESZ"},
    {"06.04.1947", "A", 2, 3, kBegin0203, "MESZ"},
    {"11.05.1947", "D D-BE", 3, 0, kDouble0304, "MEHSZ"},
    {"11.05.1947", "A", 2, 0, "", "MESZ"},
    {"29.06.1947", "D D-BE", 2, 0, kDoubleEnd, "MESZ"},
    // Austria had no double summer time, so nothing ended there on 29.06.
    {"29.06.1947", "A", 2, 0, "", "MESZ"},
    {"05.10.1947", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    {"18.04.1948", "D D-BE A", 2, 3, kBegin0203, "MESZ"},
    {"03.10.1948", "D D-BE A", 1, 2, kEnd0302, "MEZ"},
    {"10.04.1949", "D D-BE", 2, 3, kBegin0203, "MESZ"},
    {"02.10.1949", "D D-BE", 1, 2, kEnd0302, "MEZ"},
    // Austria had no summer time in 1949.
    {"10.04.1949", "A", 1, 0, "", "MEZ"},
};

TEST(DstState, SwitchDaysOf1916To1949) {
  for (const auto& c : kSwitchDays) ExpectDst(c);
}

TEST(DstState, NoOtherSwitchesFrom1916To1949) {
  std::set<std::pair<std::string, std::string>> listed;
  for (const auto& c : kSwitchDays) {
    for (const std::string& region : Words(c.regions)) listed.insert({c.date, region});
  }
  for (const char* region : {"D", "D-BE", "A"}) {
    int previous = DstState(Jd(31, 12, 1915), region).state;
    for (int jd = Jd(1, 1, 1916); jd <= Jd(31, 12, 1949); ++jd) {
      const DstResult r = DstState(jd, region);
      ASSERT_EQ(r.zone, ZoneOfState(r.state)) << DateOf(jd) << ' ' << region;
      if (r.state != previous || r.switchCode != 0 || !r.switchText.empty()) {
        EXPECT_TRUE(listed.count({DateOf(jd), region}))
            << "unlisted switch " << DateOf(jd) << ' ' << region;
      }
      previous = r.state;
    }
  }
}

TEST(DstState, RegionsFollowTheirCountryAndZone) {
  // From the introduction of zone time on: every German region keeps the
  // clocks of "D" or, in the Soviet zone set, of "D-BE"; every Austrian state
  // those of "A" with the switch told in words only.
  const std::set<std::string> soviet = {"D-BE", "D-BB", "D-MV", "D-SN",
                                        "D-ST", "D-TH", "D-WB", "D-OB"};
  for (int jd = Jd(1, 4, 1893); jd <= Jd(31, 12, 2030); ++jd) {
    const DstResult west = DstState(jd, "D");
    const DstResult east = DstState(jd, "D-BE");
    const DstResult austria = DstState(jd, "A");
    for (const std::string region : kAllRegions) {
      const DstResult r = DstState(jd, region);
      const DstResult& expected = region[0] == 'A' ? austria : soviet.count(region) ? east : west;
      ASSERT_EQ(r.state, expected.state) << DateOf(jd) << ' ' << region;
      ASSERT_EQ(r.switchText, expected.switchText) << DateOf(jd) << ' ' << region;
      ASSERT_EQ(r.zone, expected.zone) << DateOf(jd) << ' ' << region;
      const int code = region.size() > 1 && region[0] == 'A' ? 0 : expected.switchCode;
      ASSERT_EQ(r.switchCode, code) << DateOf(jd) << ' ' << region;
    }
  }
}

TEST(DstState, NoSummerTimeInYearsWithoutARule) {
  for (int year : {1915, 1919, 1921, 1939, 1950, 1960, 1979}) {
    for (int jd = Jd(1, 1, year); jd < Jd(1, 1, year + 1); ++jd) {
      for (const char* region : {"D", "D-BE", "A", "A-W", "HR"}) {
        const DstResult r = DstState(jd, region);
        ASSERT_EQ(r.state, 1) << DateOf(jd) << ' ' << region;
        ASSERT_EQ(r.switchCode, 0) << DateOf(jd) << ' ' << region;
        ASSERT_EQ(r.switchText, "") << DateOf(jd) << ' ' << region;
      }
    }
  }
  // Only Germany and Austria had the wartime rules.
  EXPECT_EQ(DstState(Jd(1, 7, 1941), "HR").state, 1);
  EXPECT_EQ(DstState(Jd(1, 7, 1941), "D-NI").state, 2);
}

// The Sunday among the last seven days of a month.
int LastSunday(int month, int year) {
  int jd = Jd(DaysInMonth(month, year), month, year);
  while (WeekDayOf(jd) != 7) --jd;
  return jd;
}

int FirstSunday(int month, int year) {
  int jd = Jd(1, month, year);
  while (WeekDayOf(jd) != 7) ++jd;
  return jd;
}

void ExpectSummerTimeShape(int year, int begin, int end) {
  for (const char* region : {"D-NW", "D-SN", "A-W", "A"}) {
    const bool austria = region[0] == 'A';
    const bool quiet = std::string(region) == "A-W" || (austria && year == 1980);
    for (int jd = Jd(1, 1, year); jd < Jd(1, 1, year + 1); ++jd) {
      const DstResult r = DstState(jd, region);
      const int state = begin <= jd && jd < end ? 2 : 1;
      ASSERT_EQ(r.state, state) << DateOf(jd) << ' ' << region;
      ASSERT_EQ(r.zone, ZoneOfState(state)) << DateOf(jd) << ' ' << region;
      std::string text;
      int code = 0;
      if (jd == begin) {
        code = 3;
        text = austria && year == 1980 ? "Sommerzeit: 00:00 MEZ = 01:00 MESZ\n\r" : kBegin0203;
      } else if (jd == end) {
        code = 2;
        text = austria && year == 1980 ? "" : kEnd0302;
      } else if (austria && year == 1980 && jd == end - 1) {
        text = "Winterzeit: 24:00 MESZ = 23:00 MEZ\n\r";
      }
      ASSERT_EQ(r.switchCode, quiet ? 0 : code) << DateOf(jd) << ' ' << region;
      ASSERT_EQ(r.switchText, text) << DateOf(jd) << ' ' << region;
    }
  }
}

TEST(DstState, SummerTimeFrom1996To3000) {
  for (int year = 1996; year <= 3000; ++year) {
    ExpectSummerTimeShape(year, LastSunday(3, year), LastSunday(10, year));
  }
}

TEST(DstState, SummerTimeFrom1980To1995) {
  ExpectSummerTimeShape(1980, FirstSunday(4, 1980), LastSunday(9, 1980));
  for (int year = 1981; year <= 1995; ++year) {
    ExpectSummerTimeShape(year, LastSunday(3, year), LastSunday(9, year));
  }
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/legaltime.h"

#include "engine/daynumber.h"
#include "engine/region.h"

namespace engine {
namespace {

constexpr auto kGregorian = CalendarKind::Gregorian;
constexpr int kMonday = 1;
constexpr int kThursday = 4;
constexpr int kSunday = 7;

// What the rules need to know about a region.
struct RegionFacts {
  bool german = false;
  bool austrian = false;
  bool austrianState = false;  // "A-..." (not "A" itself)
  bool sovietZone = false;     // followed the Soviet occupation zone's clocks in 1945
  bool earlyZoneTime = false;  // Baden and Bavaria had zone time a year before the others
};

RegionFacts FactsOf(const Region& region) {
  RegionFacts facts;
  facts.german = region.german();
  facts.austrian = region.austrian();
  facts.austrianState = facts.austrian && region.code != "A";
  facts.sovietZone = region.sovietZone;
  facts.earlyZoneTime = facts.german && (region.code == "D-BW" || region.code == "D-BY");
  return facts;
}

int Nth(int month, int year, int n, int weekday) {
  return NthWeekdayOfMonth(month, year, n, weekday);
}

int Last(int month, int year, int weekday) {
  return LastWeekdayOfMonth(month, year, weekday);
}

int Day(int day, int month, int year) {
  return DayNumberOf({year, month, day}, kGregorian);
}

constexpr bool Before(const CivilDate& date, int day, int month, int year) {
  if (date.year != year) return date.year < year;
  if (date.month != month) return date.month < month;
  return date.day < day;
}

// The summer time of one year in one region, as day numbers. Summer time is
// begin <= d < end, double summer time doubleBegin <= d < doubleEnd; begin 0
// means none that year.
struct SummerTime {
  int begin = 0;
  int end = 0;
  int beginCode = kSwitchNone;
  int endCode = kSwitchNone;
  int doubleBegin = 0;
  int doubleEnd = 0;
};

SummerTime SummerTimeOf(int year, const RegionFacts& region) {
  if (year >= 1996) return {Last(3, year, kSunday), Last(10, year, kSunday), 3, 2};
  if (year >= 1981) return {Last(3, year, kSunday), Last(9, year, kSunday), 3, 2};
  if (year == 1980) return {Nth(4, 1980, 1, kSunday), Last(9, 1980, kSunday), 3, 2};
  if (!region.german && !region.austrian) return {};
  if (year >= 1940 && year <= 1942) {
    // One summer time from April 1940 to November 1942, through both winters.
    return {Nth(4, 1940, 1, kMonday), Nth(11, 1942, 1, kMonday), 3, 2};
  }
  switch (year) {
    case 1916:
      // The clocks went forward at 23:00 on 30.04., so 01.05. is the first
      // whole day of summer time and has no switch of its own.
      return {Nth(5, 1916, 1, kMonday), Nth(10, 1916, 1, kSunday), kSwitchNone, 25};
    case 1917:
    case 1918:
      return {Nth(4, year, 3, kMonday), Nth(9, year, 3, kMonday), 3, 2};
    case 1920:
      if (region.austrian) return {Day(5, 4, 1920), Day(13, 9, 1920), 3, 2};
      return {};
    case 1943:
      return {Last(3, 1943, kMonday), Nth(10, 1943, 1, kMonday), 3, 2};
    case 1944:
      return {Nth(4, 1944, 1, kMonday), Nth(10, 1944, 1, kMonday), 3, 2};
    case 1945: {
      // 02.04.1945 was one switch at 02:00 everywhere; the Soviet zone, which
      // did not exist yet, went its own way only from May.
      const int begin = Nth(4, 1945, 1, kMonday);
      if (region.sovietZone) {
        return {.begin = begin,
                .end = Nth(11, 1945, 3, kSunday),
                .beginCode = 3,
                .endCode = 2,
                .doubleBegin = Nth(5, 1945, 4, kThursday),
                .doubleEnd = Last(9, 1945, kMonday)};
      }
      if (region.austrian) return {begin, Day(12, 4, 1945), 3, 1};
      return {begin, Nth(9, 1945, 3, kSunday), 3, 1};
    }
    case 1946:
      // Summer time ended on Monday 07.10.1946 in both countries.
      if (region.austrian) return {Day(14, 4, 1946), Day(7, 10, 1946), 3, 2};
      return {Nth(4, 1946, 2, kSunday), Day(7, 10, 1946), 3, 2};
    case 1947:
      if (region.austrian) return {Day(6, 4, 1947), Day(5, 10, 1947), 3, 2};
      return {.begin = Nth(4, 1947, 1, kSunday),
              .end = Nth(10, 1947, 1, kSunday),
              .beginCode = 4,
              .endCode = 2,
              .doubleBegin = Nth(5, 1947, 2, kSunday),
              .doubleEnd = Last(6, 1947, kSunday)};
    case 1948:
      if (region.austrian) return {Day(18, 4, 1948), Day(3, 10, 1948), 3, 2};
      return {Nth(4, 1948, 3, kSunday), Nth(10, 1948, 1, kSunday), 3, 2};
    case 1949:
      // Austria had no summer time between 1948 and 1980.
      if (region.austrian) return {};
      return {Nth(4, 1949, 2, kSunday), Nth(10, 1949, 1, kSunday), 3, 2};
    default:
      return {};
  }
}

const char* SwitchTextOf(int state, int code) {
  if (state == kDstSummer) {
    if (code == kSwitchBegin0203) return "Sommerzeit: 02:00 MEZ = 03:00 MESZ\n\r";
    if (code == kSwitchBegin0304) return "Sommerzeit: 03:00 MEZ = 04:00 MESZ\n\r";
  } else if (state == kDstStandard) {
    if (code == kSwitchEnd0201) return "Winterzeit: 02:00 MESZ = 01:00 MEZ\n\r";
    if (code == kSwitchEnd0302) return "Winterzeit: 03:00 MESZ = 02:00 MEZ\n\r";
    if (code == kSwitchEnd0100) return "Winterzeit: 01:00 MESZ = 00:00 MEZ\n\r";
  }
  return "";
}

}  // namespace

int SwitchSecondOfDay(int jd, const Region& where) {
  constexpr int kHour = 3600;
  const CivilDate date = CivilDateOf(jd, kGregorian);
  const RegionFacts region = FactsOf(where);
  // Summer time of 1916 began at 23:00 on 30.04., the eve of its first day.
  if (date.year == 1916 && date.month == 5 && date.day == 1) return -kHour;
  // Austria changed its clocks at midnight in 1980, both ways.
  if (region.austrian && date.year == 1980) return 0;
  const SummerTime summer = SummerTimeOf(date.year, region);
  if (jd == summer.doubleBegin) return (date.year == 1947 ? 3 : 2) * kHour;
  if (jd == summer.doubleEnd) return 3 * kHour;
  const int code = jd == summer.begin ? summer.beginCode : jd == summer.end ? summer.endCode : 0;
  switch (code) {
    case kSwitchEnd0302:
    case kSwitchBegin0304:
      return 3 * kHour;
    case kSwitchEnd0100:
      return kHour;
    default:  // 02:00 -> 01:00, 02:00 -> 03:00
      return 2 * kHour;
  }
}

int NthWeekdayOfMonth(int month, int year, int n, int weekday) {
  if (month < 1 || month > 12 || n < 1 || n > 5 || weekday < 1 || weekday > 7) return 0;
  const int first = Day(1, month, year);
  const int day = 1 + (weekday - WeekDayOf(first) + 7) % 7 + 7 * (n - 1);  // [1, 35]
  if (day > DaysInMonth(month, year)) return 0;
  return first + day - 1;
}

int LastWeekdayOfMonth(int month, int year, int weekday) {
  if (month < 1 || month > 12 || weekday < 1 || weekday > 7) return 0;
  const int last = Day(DaysInMonth(month, year), month, year);
  return last - (WeekDayOf(last) - weekday + 7) % 7;
}

DstResult DstState(int jd, std::string_view code) {
  return DstState(jd, RegionOfCode(code));
}

DstResult DstState(int jd, const Region& where) {
  DstResult result;
  if (JDInRange(jd) != 1) return result;
  const CivilDate date = CivilDateOf(jd, kGregorian);
  const RegionFacts region = FactsOf(where);
  const SummerTime summer = SummerTimeOf(date.year, region);

  int state = kDstStandard;
  int switchCode = kSwitchNone;
  if (summer.begin != 0) {
    if (summer.begin <= jd && jd < summer.end) state = kDstSummer;
    if (summer.doubleBegin <= jd && jd < summer.doubleEnd) state = kDstDoubleSummer;
    if (jd == summer.begin) switchCode = summer.beginCode;
    if (jd == summer.end) switchCode = summer.endCode;
  }

  // Austria switched at midnight in 1980 and tells its switches in words only.
  const bool austria1980 = region.austrian && date.year == 1980;
  const char* text = "";
  if (state == kDstDoubleSummer) {
    result.zone = "MEHSZ";
    if (jd == summer.doubleBegin) {
      text = date.year == 1947 ? "Hochsommerzeit: 03:00 MESZ = 04:00 MEHSZ\n\r"
                               : "Hochsommerzeit: 02:00 MESZ = 03:00 MEHSZ\n\r";
    }
  } else if (state == kDstSummer) {
    result.zone = "MESZ";
    if (jd == summer.doubleEnd) {
      text = "Sommerzeit: 03:00 MEHSZ = 02:00 MESZ\n\r";
    } else if (austria1980 && date.month == 4 && date.day == 6) {
      text = "Sommerzeit: 00:00 MEZ = 01:00 MESZ\n\r";
    } else if (austria1980 && date.month == 9 && date.day == 27) {
      text = "Winterzeit: 24:00 MESZ = 23:00 MEZ\n\r";
    } else {
      text = SwitchTextOf(state, switchCode);
    }
  } else {
    result.zone = "MEZ";
    // 28.09.1980 in Austria: the switch was told the evening before.
    if (!(austria1980 && date.month == 9 && date.day == 28)) text = SwitchTextOf(state, switchCode);
  }
  if (region.austrianState || austria1980) switchCode = kSwitchNone;

  if (date.year == 1916 && date.month == 4 && date.day == 30 &&
      (region.german || region.austrian)) {
    text = "Sommerzeit: 23:00 MEZ = 00:00 MESZ\n\r";
  }

  if (date.year < 1893 || (date.year == 1893 && date.month < 4)) {
    // Zone time came to Austria on 01.01.1891, to Baden and Bavaria on
    // 01.04.1892 and to the rest of Germany on 01.04.1893.
    if (!region.austrian && Before(date, 1, 4, 1892)) {
      result.zone = "MOZ";
      text = "MEZ erst ab 01.04.1892\n\r";
    }
    if (region.german && !region.earlyZoneTime && Before(date, 1, 4, 1893)) {
      result.zone = "MOZ";
      text = "MEZ erst ab 01.04.1893\n\r";
    }
    if (region.austrian && Before(date, 1, 1, 1891)) {
      result.zone = "MOZ";
      text = "MEZ erst ab 01.01.1891\n\r";
    }
    if (Before(date, 1, 1, 1500)) result.zone = "WOZ";
  }

  result.state = state;
  result.switchCode = switchCode;
  result.switchText = text;
  return result;
}

}  // namespace engine

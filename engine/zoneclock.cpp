// SPDX-License-Identifier: MIT
#include "engine/zoneclock.h"

#include <cmath>
#include <initializer_list>

#include "engine/civildate.h"
#include "engine/dateformat_technical.h"
#include "engine/daynumber.h"
#include "engine/legaltime.h"
#include "engine/moonsun.h"
#include "engine/region.h"
#include "engine/workhours.h"

namespace engine {
namespace {

constexpr CalendarKind kGregorian = CalendarKind::Gregorian;
constexpr int kDaySeconds = 86400;
constexpr std::string_view kBreak = "\r\n";
constexpr std::string_view kSunTime = "\r\nrechte Maustaste = Initiative Sonnenzeit";

// ---- The calls into the date core, in one place ------------------------------

// The day number of a Gregorian date text of the supported range, or 0.
int ReadDate(std::string_view text) {
  const DateCheck check = CheckDate(text, kGregorian);
  return check.ok() ? check.dayNumber : 0;
}

std::string DateTextOf(int jd, CalendarKind kind = kGregorian) {
  return FormatDateText(CivilDateOf(jd, kind));
}

int YearOf(int jd) {
  return CivilDateOf(jd, kGregorian).year;
}

// ---------------------------------------------------------------------------------

std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

int Wrap(int seconds) {
  return ((seconds % kDaySeconds) + kDaySeconds) % kDaySeconds;
}

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// A signed difference of seconds as "+hh:mm:ss" or "-hh:mm:ss".
std::string SignedClock(int seconds) {
  return Join({seconds < 0 ? "-" : "+", ClockText(std::abs(seconds) % kDaySeconds)});
}

// The hints of the captions of rows 1..5 (row 1 has one caption), in the
// order row 1, row 2 first and second, ... row 5 second, for each legal time.
std::array<std::string, 9> ZoneHints(int zoneOffset, std::string_view regionName) {
  const std::string legal = Join({"gesetzliche Zeit in ", regionName});
  switch (zoneOffset) {
    case 2:
      return {"MST = MESZ +02:00",     "MSK = MESZ +01:00", "OESZ = MSK",
              Join({legal, kSunTime}), "OEZ = MESZ",        "MEZ = MESZ -01:00",
              "WESZ = MESZ -01:00",    "UTC = MESZ -02:00", "WEZ = MESZ -02:00"};
    case 3:
      return {"MST = MEHSZ +01:00",  Join({"MSK = MEHSZ = MEZ +02:00, ", legal, kSunTime}),
              "OESZ = MSK",          "MEHSZ = MESZ +01:00",
              "OEZ = MEHSZ -01:00",  "MEZ = MEHSZ -02:00",
              "WESZ = MEHSZ -02:00", "UTC = MEHSZ -03:00",
              "WEZ = MEHSZ -03:00"};
    default:
      return {"MST = MEZ +03:00", "MSK = MEZ +02:00",
              "OESZ = MSK",       Join({"MESZ = MEZ +01:00", kSunTime}),
              "OEZ = MEZ +01:00", Join({legal, "\r\nMEZ = 15 Grad östliche Länge (MOZ Görlitz)"}),
              "WESZ = MEZ",       "UTC = MEZ -01:00",
              "WEZ = MEZ -01:00"};
  }
}

// The captions and articles of the seven rows.
struct RowCaptions {
  std::string_view first;
  std::string_view firstArticle;
  std::string_view second;
  std::string_view secondArticle;
};

constexpr std::array<RowCaptions, 7> kRowCaptions = {{
    {"Moskauer Sommerzeit", "/wiki/UTC%2B4", "", ""},
    {"Moskauer Zeit ", "/wiki/Moskauer_Zeit", "= Ost. Sommerzeit", "/wiki/UTC%2B3"},
    {"Mittel. Sommerzeit ", "", "= Ost. Zeit", "/wiki/Osteurop%C3%A4ische_Zeit"},
    {"Mittel. Zeit ", "/wiki/MEZ", "= West. Sommerzeit", "/wiki/Westeurop%C3%A4ische_Zeit"},
    {"UTC ", "/wiki/UTC", "= Westeuropäische Zeit", "/wiki/Westeurop%C3%A4ische_Zeit"},
    {"MOZ", "/wiki/Ortszeit#Die_mittlere_Ortszeit_.28MOZ.29", "Mittlere Ortszeit",
     "/wiki/Ortszeit#Die_mittlere_Ortszeit_.28MOZ.29"},
    {"WOZ", "/wiki/Ortszeit#Die_wahre_Ortszeit_.28WOZ.29", "Wahre Ortszeit",
     "/wiki/Ortszeit#Die_wahre_Ortszeit_.28WOZ.29"},
}};

// The legal time's zone name of a state.
std::string_view ZoneName(int zoneOffset) {
  return zoneOffset == 3 ? "MEHSZ" : zoneOffset == 2 ? "MESZ" : "MEZ";
}

// The day numbers of the hints that history fixes: the Soviet zone time of
// 1945, the first year of zone time in Baden and Bavaria.
constexpr int kSovietZoneTimeFirst = 2431600;    // 24.05.1945
constexpr int kSovietZoneTimeEnd = 2431779;      // 19.11.1945, not included
constexpr int kSouthZoneTimeFirst = 2412190;     // 01.04.1892
constexpr int kSouthZoneTimeLast = 2412554;      // 31.03.1893
constexpr int kAustrianZoneTimeFirst = 2411734;  // 01.01.1891
constexpr int kMoscowSummerFirstYear = 2011;
constexpr int kMoscowSummerLastYear = 2014;

// The clock of a time given in seconds since midnight (0 .. 86400).
ZoneClock ClockAt(int dayNumber, std::string_view region, int entered, int row) {
  ZoneClock clock;
  const int jd = IsDayNumberInRange(dayNumber) ? dayNumber : 0;
  if (jd == 0 || row < 0 || row > 5) return clock;
  const DstResult legalTime = DstState(jd, region);
  if (legalTime.state == kDstInvalid) return clock;
  clock.zoneOffset = legalTime.state;
  clock.usedTime = legalTime.zone;
  const int offsetSeconds = 3600 * clock.zoneOffset;

  // The legal time of the date; a time on a zone row gives UTC first.
  int legalSeconds = entered;
  if (row >= 1) {
    const int utc = Wrap(entered - 3600 * kClockRowOffsets[static_cast<std::size_t>(row - 1)]);
    legalSeconds = Wrap(utc + offsetSeconds);
  }
  const int utcTotal = legalSeconds - offsetSeconds;  // -10800 .. 86400
  const int utcDay = jd + (utcTotal < 0 ? -1 : utcTotal >= kDaySeconds ? 1 : 0);
  const int utc = Wrap(utcTotal);

  clock.code = 1;
  clock.date = DateTextOf(jd);
  clock.weekday = WeekDayAbbreviation(WeekDayOf(jd)).substr(0, 2);
  clock.julianCalendarDate = DateTextOf(jd, CalendarKind::Julian);
  clock.region = region;
  clock.regionName = RegionNameOfCode(region);
  if (clock.regionName.empty()) clock.regionName = region;
  const RegionPlaceResult place = RegionPlace(region);
  clock.capital = place.capital;
  clock.latitude = TrimLeft(place.latitude);
  clock.longitude = TrimLeft(place.longitude);
  clock.legalTime = ClockText(legalSeconds);
  clock.legal = TimeOfDayOfSeconds(legalSeconds);
  clock.utcTime = ClockText(utc);
  clock.utcDate = DateTextOf(utcDay);
  clock.julianDate = JulianDateText(UtcInstant{utcDay, utc * 1000});

  // Mean local time: 4 minutes per degree east; true local time adds the
  // equation of time of the date.
  const int meanOffset =
      static_cast<int>(std::lround(DegreesOfCoordinate(place.longitude) * 240.0));
  const int trueOffset = meanOffset + static_cast<int>(std::lround(EquationOfTime(jd) * 60.0));

  const std::array<std::string, 9> hints = ZoneHints(clock.zoneOffset, clock.regionName);
  for (std::size_t i = 0; i < clock.rows.size(); ++i) {
    ClockRow& r = clock.rows[i];
    const RowCaptions& captions = kRowCaptions[i];
    r.captions[0] = {std::string(captions.first), "", std::string(captions.firstArticle)};
    r.captions[1] = {std::string(captions.second), "", std::string(captions.secondArticle)};
    if (i < 5) {
      r.time = ClockText(Wrap(utc + 3600 * kClockRowOffsets[i]));
      r.captions[0].hint = hints[i == 0 ? 0 : 2 * i - 1];
      if (i > 0) r.captions[1].hint = hints[2 * i];
      r.legal = static_cast<int>(i) == 4 - clock.zoneOffset;
    }
  }
  ClockRow& moscow = clock.rows[1];
  ClockRow& legalRow = clock.rows[static_cast<std::size_t>(4 - clock.zoneOffset)];
  ClockRow& centralRow = clock.rows[3];
  ClockRow& meanRow = clock.rows[5];
  ClockRow& trueRow = clock.rows[6];
  meanRow.time = ClockText(Wrap(utc + meanOffset));
  trueRow.time = ClockText(Wrap(utc + trueOffset));
  meanRow.captions[0].hint = meanRow.captions[1].hint =
      Join({"Mittlere Ortzeit in ", clock.capital});
  trueRow.captions[0].hint = trueRow.captions[1].hint = Join({"Wahre Ortzeit in ", clock.capital});

  // Hints that history fixes.
  if (jd >= kSovietZoneTimeFirst && jd < kSovietZoneTimeEnd) {
    const std::string in = Join({"gesetzliche Zeit in ", clock.regionName});
    legalRow.captions[0].hint = clock.zoneOffset == 1 ? Join({"MEZ = ", in})
                                : clock.zoneOffset == 2
                                    ? Join({"MESZ = MEZ +01:00, ", in, kSunTime})
                                    : Join({"MSK = MEHSZ = MEZ +02:00, ", in, kSunTime});
  }
  if ((region == "D-BW" || region == "D-BY") && jd >= kSouthZoneTimeFirst &&
      jd <= kSouthZoneTimeLast) {
    centralRow.captions[0].hint = Join({"MEZ = gesetzliche Zeit in ", clock.regionName});
  }
  // Austria has kept zone time since 1891; the hint names it while it is in
  // force, not on a day of summer time.
  if (IsAustrianRegion(region) && jd >= kAustrianZoneTimeFirst && clock.zoneOffset == 1) {
    centralRow.captions[0].hint = Join({"MEZ = Zeit in ", clock.regionName});
  }
  const int year = YearOf(jd);
  if (year >= kMoscowSummerFirstYear && year <= kMoscowSummerLastYear) {
    moscow.captions[0].hint +=
        "\r\nvom 27.03.2011 02:00 MSK bis 26.10.2014 ganzjährig Moskauer Sommerzeit,"
        "\r\nseitdem ganzjährig Moskauer Zeit";
  }
  if (clock.usedTime == "MOZ" || clock.usedTime == "WOZ") {
    const std::string_view zone = ZoneName(clock.zoneOffset);
    ClockRow& used = clock.usedTime == "MOZ" ? meanRow : trueRow;
    used.used = true;
    meanRow.captions[0].hint = Join({"MOZ = ", zone, " ", SignedClock(meanOffset - offsetSeconds),
                                     kBreak, meanRow.captions[0].hint});
    trueRow.captions[0].hint = Join({"WOZ ~ ", zone, " ", SignedClock(trueOffset - offsetSeconds),
                                     kBreak, trueRow.captions[0].hint});
  }

  std::string& copy = clock.copyText;
  copy = Join({"Uhrzeit am ",
               clock.weekday,
               ", ",
               clock.date,
               " = ",
               clock.julianCalendarDate,
               " jul.",
               kBreak,
               "in ",
               clock.capital,
               " (",
               clock.regionName,
               ")",
               kBreak,
               clock.latitude,
               ", ",
               clock.longitude,
               kBreak,
               clock.julianDate,
               " Julianisches Datum",
               kBreak});
  for (const ClockRow& r : clock.rows) {
    const std::string_view first = r.captions[0].text;
    const std::string_view second = r.captions[1].text;
    const bool space = !second.empty() && !first.ends_with(' ');
    copy += Join({r.time, " ", first, space ? " " : "", second, r.legal ? " (gesetzl. Zeit)" : "",
                  r.used ? " (gebr. Zeit)" : "", kBreak});
  }
  return clock;
}

}  // namespace

ZoneClock ComputeZoneClock(std::string_view date, std::string_view region, std::string_view time,
                           int row) {
  return ComputeZoneClock(ReadDate(date), region, time, row);
}

ZoneClock ComputeZoneClock(int dayNumber, std::string_view region, std::string_view time, int row) {
  const std::optional<int> entered = ClockSeconds(time);
  if (!entered) return {};
  return ClockAt(dayNumber, region, *entered, row);
}

ZoneClock ComputeZoneClock(int dayNumber, std::string_view region, TimeOfDay time, int row) {
  return ClockAt(dayNumber, region, 3600 * time.hour + 60 * time.minute + time.second, row);
}

}  // namespace engine

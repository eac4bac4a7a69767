// SPDX-License-Identifier: MIT
#include "engine/dateformat_technical.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/dateformlist.h"
#include "engine/daynumber.h"
#include "engine/environment.h"

namespace engine {
namespace {

constexpr int kDay2026_12_08 = 2461383;

UtcInstant Utc(std::string_view date, std::string_view time) {
  const auto moment = MakeZoneDateTime(date, time, "+00:00");
  EXPECT_TRUE(moment) << date << ' ' << time;
  return moment ? UtcInstantOf(*moment) : UtcInstant{};
}

// A decimal text in units of 1e-5 ("2461383,5" -> 246138350000).
std::int64_t Units(const std::string& text) {
  const std::size_t comma = text.find(',');
  std::int64_t units = std::stoll(text.substr(0, comma)) * 100000;
  if (comma != std::string::npos) {
    std::string decimals = text.substr(comma + 1);
    decimals.resize(5, '0');
    units += std::stoll(decimals);
  }
  return units;
}

// n / 864 to the nearest whole number, a tie to the even one: a count of
// milliseconds in units of 1e-5 days.
std::int64_t NearestEvenUnits(std::int64_t millis) {
  const std::int64_t q = millis / 864;
  const std::int64_t r = millis % 864;
  return r > 432 || (r == 432 && q % 2 == 1) ? q + 1 : q;
}

TEST(DateFormatTechnical, EpochEdgeCases) {
  const UtcInstant unixEpoch = Utc("01.01.1970", "00:00:00");
  EXPECT_EQ(UnixTime(unixEpoch), 0);
  EXPECT_EQ(JulianDateText(unixEpoch), "2440587,5");
  EXPECT_EQ(JulianDateText("01.01.1970", "00:00:00"), "2440587,5");
  EXPECT_EQ(ModifiedJulianDateText(unixEpoch), "40587");
  EXPECT_EQ(SerialDateText(unixEpoch), "25569");

  const UtcInstant noon = Utc("08.12.2026", "12:00:00");
  EXPECT_EQ(JulianDateText(noon), "2461383,0");
  EXPECT_EQ(JulianDateSecondsText(noon), "2461383s0");
  EXPECT_EQ(JulianDateMillisText(noon), "2461383m0000");
  EXPECT_EQ(ModifiedJulianDateText(noon), "61382,5");

  for (const char* time : {"00:00", "12:00:00", "23:59:59.999"}) {
    const UtcInstant before = Utc("16.11.1858", time);
    EXPECT_EQ(ModifiedJulianDateText(before), "<<<17.11.1858, 00:00 UTC") << time;
    EXPECT_EQ(ModifiedJulianDateSecondsText(before), kBeforeMjdEpoch) << time;
    EXPECT_EQ(ModifiedJulianDateMillisText(before), kBeforeMjdEpoch) << time;
    EXPECT_EQ(SerialDateText(before), kBeforeSerialEpoch) << time;
  }
  EXPECT_EQ(ModifiedJulianDateText(Utc("17.11.1858", "00:00")), "0");
  EXPECT_EQ(ModifiedJulianDateSecondsText(Utc("17.11.1858", "00:00")), "0s0");

  EXPECT_EQ(SerialDateText(Utc("30.12.1899", "00:00")), "0");
  EXPECT_EQ(SerialDateText(Utc("30.12.1899", "18:00")), "0,75");
  EXPECT_EQ(SerialDateText(Utc("29.12.1899", "23:59:59.999")), "<<<30.12.1899, 00:00 UTC");
}

TEST(DateFormatTechnical, JulianAndModifiedWithSecondsAndMillis) {
  const UtcInstant morning = Utc("08.12.2026", "11:30:15.250");  // before noon: the day before
  EXPECT_EQ(JulianDateText(morning), "2461382,97934");
  EXPECT_EQ(JulianDateSecondsText(morning), "2461382s84615");
  EXPECT_EQ(JulianDateMillisText(morning), "2461382m84615250");
  EXPECT_EQ(ModifiedJulianDateText(morning), "61382,47934");
  EXPECT_EQ(ModifiedJulianDateSecondsText(morning), "61382s41415");
  EXPECT_EQ(ModifiedJulianDateMillisText(morning), "61382m41415250");
  EXPECT_EQ(SerialDateText(morning), "46364,47934");

  const UtcInstant afternoon = Utc("08.12.2026", "12:30:00.007");
  EXPECT_EQ(JulianDateSecondsText(afternoon), "2461383s1800");
  EXPECT_EQ(JulianDateMillisText(afternoon), "2461383m1800007");
  EXPECT_EQ(ModifiedJulianDateMillisText(afternoon), "61382m45000007");

  // The last millisecond of a day rounds up to the next whole day.
  const UtcInstant last = Utc("08.12.2026", "23:59:59.999");
  EXPECT_EQ(ModifiedJulianDateText(last), "61383");
  EXPECT_EQ(JulianDateText(Utc("08.12.2026", "11:59:59.999")), "2461383,0");
}

TEST(DateFormatTechnical, TheJulianDayBeginsAtNoonExactly) {
  // Comparing a floating day fraction with 0.5 put 12:00:00.000 UTC on the
  // previous Julian day (80-bit 43200 x 1.1574074074074073e-05 < 0.5), and
  // Unix time a day low.
  const NoonSplit atNoon = SplitAtNoon({kDay2026_12_08, 43'200'000});
  EXPECT_EQ(atNoon.julianDay, kDay2026_12_08);
  EXPECT_EQ(atNoon.secondsSinceNoon, 0);
  const NoonSplit before = SplitAtNoon({kDay2026_12_08, 43'199'999});
  EXPECT_EQ(before.julianDay, kDay2026_12_08 - 1);
  EXPECT_EQ(before.secondsSinceNoon, 86399);
  EXPECT_EQ(before.millis, 999);
  EXPECT_EQ(UnixTime({kDay2026_12_08, 43'200'000}), 1'796'731'200);
  EXPECT_EQ(UnixTime({kDay2026_12_08, 43'199'999}), 1'796'731'199);
  for (int jd = kFirstDayNumber; jd <= kLastDayNumber; ++jd) {
    ASSERT_EQ(SplitAtNoon({jd, 43'200'000}).julianDay, jd);
    ASSERT_EQ(UnixTime({jd, 43'200'000}), (jd - 2440588LL) * 86400 + 43200);
  }
}

TEST(DateFormatTechnical, DayFractionsAreRoundedOnceAtEveryTie) {
  // A tie is exactly 432 mod 864 milliseconds. Each tie and both its
  // neighbours must give the nearest five decimals, the tie the even one;
  // rounding to six decimals first would push 0,0000149988 up to 0,00002.
  for (std::int64_t tie = 432; tie < 86'400'000; tie += 864) {
    for (std::int64_t millis = tie - 1; millis <= tie + 1; ++millis) {
      const UtcInstant instant{kDay2026_12_08, static_cast<int>(millis)};
      const std::int64_t mjdDay = kDay2026_12_08 - 2400001;
      ASSERT_EQ(Units(ModifiedJulianDateText(instant)), mjdDay * 100000 + NearestEvenUnits(millis))
          << millis;
      const std::int64_t sinceNoon = millis + 43'200'000;  // morning: from the day before's noon
      if (millis < 43'200'000) {
        ASSERT_EQ(Units(JulianDateText(instant)),
                  (kDay2026_12_08 - 1LL) * 100000 + NearestEvenUnits(sinceNoon))
            << millis;
      }
    }
  }
  EXPECT_EQ(ModifiedJulianDateText({kDay2026_12_08, 432}), "61382");
  EXPECT_EQ(ModifiedJulianDateText({kDay2026_12_08, 1296}), "61382,00002");
  EXPECT_EQ(ModifiedJulianDateText({kDay2026_12_08, 1295}), "61382,00001");
}

TEST(DateFormatTechnical, TextsUseTheLocaleSeparator) {
  SetDecimalSeparator('.');
  EXPECT_EQ(JulianDateText(Utc("08.12.2026", "12:00")), "2461383.0");
  EXPECT_EQ(SerialDateText(Utc("30.12.1899", "18:00")), "0.75");
  SetDecimalSeparator(',');
}

// The date text DD.MM.YYYY and the ISO date of a chrono date.
std::string GermanText(const std::chrono::year_month_day& ymd) {
  return FormatDateText({static_cast<int>(ymd.year()),
                         static_cast<int>(static_cast<unsigned>(ymd.month())),
                         static_cast<int>(static_cast<unsigned>(ymd.day()))});
}

std::string IsoText(const std::chrono::year_month_day& ymd) {
  const std::string german = GermanText(ymd);
  return german.substr(6, 4) + '-' + german.substr(3, 2) + '-' + german.substr(0, 2);
}

std::string ClockText(std::chrono::milliseconds sinceMidnight) {
  const std::chrono::hh_mm_ss<std::chrono::milliseconds> clock{sinceMidnight};
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()),
                static_cast<int>(clock.subseconds().count()));
  return text;
}

TEST(DateFormatTechnical, SweepAgreesWithChrono) {
  using namespace std::chrono;
  const struct {
    const char* text;
    int minutes;
  } kOffsets[] = {
      {"+01:00", 60}, {"+02:00", 120}, {"-03:00", -180}, {"+05:30", 330}, {"+00:00", 0}};
  const char* kTimes[] = {"00:00",        "00:00:00.000", "11:59:59.999", "12:00:00.000",
                          "12:00:00.001", "23:59:59.999", "06:07:08.009", "18:30",
                          "02:59:59",     "21:00:00.500"};
  const sys_days first = sys_days{year{1858} / January / 1};
  const sys_days last = sys_days{year{2100} / December / 31};
  for (sys_days day = first; day <= last; day += days{17}) {
    const year_month_day ymd{day};
    const std::string date = GermanText(ymd);
    for (const char* time : kTimes) {
      const milliseconds clock{std::stoi(std::string(time, 0, 2)) * 3'600'000 +
                               std::stoi(std::string(time, 3, 2)) * 60'000 +
                               (time[5] ? std::stoi(std::string(time, 6, 2)) * 1000 : 0) +
                               (time[5] && time[8] ? std::stoi(std::string(time, 9, 3)) : 0)};
      const std::string timeText(time);
      for (const auto& offset : kOffsets) {
        const auto moment = MakeZoneDateTime(date, time, offset.text);
        ASSERT_TRUE(moment) << date << ' ' << time;
        const sys_time<milliseconds> utc = day + clock - minutes{offset.minutes};
        const sys_days utcDay = floor<days>(utc);
        const year_month_day utcYmd{utcDay};
        const std::string utcClock = ClockText(utc - utcDay).substr(0, timeText.size());
        const std::string where = date + ' ' + time + ' ' + offset.text;

        const UtcInstant instant = UtcInstantOf(*moment);
        ASSERT_EQ(UnixTime(instant), floor<seconds>(utc).time_since_epoch().count()) << where;
        ASSERT_EQ(ZoneDateTimeText(*moment, ZoneForm::ToUtc),
                  GermanText(utcYmd) + ", " + utcClock + " UTC 00:00")
            << where;
        ASSERT_EQ(ZoneDateTimeText(*moment, ZoneForm::XsDateTimeUtc),
                  IsoText(utcYmd) + 'T' + utcClock + 'Z')
            << where;
        ASSERT_EQ(ZoneDateTimeText(*moment, ZoneForm::XsDateTime),
                  IsoText(ymd) + 'T' + timeText + offset.text)
            << where;

        // JD from the count of milliseconds since JD 0, rounded in whole numbers.
        const std::int64_t unixMillis = utc.time_since_epoch().count();
        const std::int64_t jdUnits = NearestEvenUnits(unixMillis + 2'440'587'5LL * 8'640'000);
        ASSERT_EQ(Units(JulianDateText(instant)), jdUnits) << where;
        const std::string mjd = ModifiedJulianDateText(instant);
        if (mjd[0] != '<') {
          ASSERT_EQ(jdUnits - Units(mjd), 240000050000LL) << where;
        }
        const std::string serial = SerialDateText(instant);
        if (serial[0] != '<') {
          ASSERT_EQ(Units(serial), NearestEvenUnits(unixMillis + 25569LL * 86'400'000)) << where;
        }
        ASSERT_EQ(serial[0] == '<', utc < sys_days{year{1899} / December / 30}) << where;
      }
    }
  }
}

TEST(DateFormatTechnical, ZoneSerialValueIsTheLocalTime) {
  EXPECT_DOUBLE_EQ(ZoneSerialValue("30.12.1899", "06:00", "+00:00"), 0.25);
  EXPECT_DOUBLE_EQ(ZoneSerialValue("01.01.1970", "00:00", "+01:00"), 25569.0);
  EXPECT_DOUBLE_EQ(ZoneSerialValue("01.01.1970", "00:00", "-03:00"), 25569.0);
  EXPECT_DOUBLE_EQ(ZoneSerialValue("08.12.2026", "12:30", "-03:30"), 46364.52083);
  EXPECT_DOUBLE_EQ(ZoneSerialValue("30.12.1899", "00:00", "-01:00"), 0.0);
  // The UTC moment is before the epoch.
  EXPECT_EQ(ZoneSerialValue("30.12.1899", "00:30", "+01:00"), -1.0);
  // The UTC moment is after it, the local time before.
  EXPECT_EQ(ZoneSerialValue("29.12.1899", "23:30", "-01:00"), -1.0);
  EXPECT_EQ(ZoneSerialValue("31.04.2026", "12:00", "+01:00"), -1.0);
  EXPECT_EQ(ZoneSerialValue("08.12.2026", "12:00", "01:00"), -1.0);

  const auto moment = MakeZoneDateTime("01.01.1970", "06:00", "+06:00");
  ASSERT_TRUE(moment);
  EXPECT_EQ(ZoneSerialText(*moment), "25569,25");
  EXPECT_EQ(ZoneSerialText(*MakeZoneDateTime("30.12.1899", "00:30", "+01:00")), kBeforeSerialEpoch);
}

TEST(DateFormatTechnical, ZoneSerialValueOfANegativeOffsetAgreesWithTheUtcConversion) {
  // Adding the offset's parts without its sign put a local time west of UTC
  // twice the offset ahead of itself.
  for (const char* offset : {"-03:00", "-03:30", "-11:45", "+05:30", "+01:00", "-00:30"}) {
    for (const char* time : {"00:00", "02:15:30", "12:00", "23:59:59.999"}) {
      const auto moment = MakeZoneDateTime("08.12.2026", time, offset);
      ASSERT_TRUE(moment);
      const std::string utcSerial = SerialDateText(UtcInstantOf(*moment));
      const double expected =
          static_cast<double>(Units(utcSerial)) / 100000.0 + moment->offsetMillis / 86'400'000.0;
      EXPECT_NEAR(ZoneSerialValue("08.12.2026", time, offset), expected, 0.000006)
          << time << ' ' << offset;
      EXPECT_DOUBLE_EQ(ZoneSerialValue("08.12.2026", time, offset),
                       ZoneSerialValue("08.12.2026", time, "+00:00"))
          << time << ' ' << offset;
    }
  }
}

TEST(DateFormatTechnical, ZoneLetters) {
  const struct {
    const char* offset;
    const char* letter;
  } kCases[] = {
      {"+05:30", "E*"}, {"-03:00", "P"},  {"+00:00", "Z"},   {"+13:00", "M*"},    {"+14:00", "M+"},
      {"+01:00", "A"},  {"+09:00", "I"},  {"+10:00", "K"},   {"+11:00", "L"},     {"+12:00", "M"},
      {"+12:45", "M#"}, {"+05:45", "E#"}, {"+13:45", "M#*"}, {"-01:00", "N"},     {"-12:00", "Y"},
      {"-09:30", "V*"}, {"-00:30", "Z*"}, {"+12:30", "J"},   {"-12:30", "J"},     {"+14:30", "J"},
      {"+15:00", "J"},  {"-13:00", "J"},  {"+01:15", "J"},   {"01:00", "J"},      {"+01-00", "J"},
      {"+1:00", "J"},   {"", "J"},        {"+ab:cd", "J"},   {"+05:30:00", "E*"},
  };
  for (const auto& c : kCases) EXPECT_EQ(ZoneLetter(c.offset), c.letter) << c.offset;
}

TEST(DateFormatTechnical, DateTimeGroupsAndTimeStamps) {
  const auto moment = MakeZoneDateTime("08.12.2026", "12:30", "+01:00");
  ASSERT_TRUE(moment);
  EXPECT_EQ(DateTimeGroup(*moment), "081230Adec26");
  EXPECT_EQ(UtcDateTimeGroup(*moment), "081130Zdec26");
  EXPECT_EQ(ZoneTimeStamp(*moment), "20261208123000000p0100");
  EXPECT_EQ(UtcTimeStamp(*moment), "20261208113000000z");

  const auto west = MakeZoneDateTime("31.12.2026", "23:30:15.125", "-03:30");
  ASSERT_TRUE(west);
  EXPECT_EQ(DateTimeGroup(*west), "312330P*dec26");
  EXPECT_EQ(UtcDateTimeGroup(*west), "010300Zjan27");
  EXPECT_EQ(ZoneTimeStamp(*west), "20261231233015125m0330");
  EXPECT_EQ(UtcTimeStamp(*west), "20270101030015125z");
  EXPECT_EQ(ZoneTimeStamp("31.12.2026", "23:30:15.125", "-03:30"), "20261231233015125m0330");

  for (const auto& [date, time, offset] :
       {std::tuple{"31.02.2026", "12:00", "+01:00"}, std::tuple{"08.12.2026", "1200", "+01:00"},
        std::tuple{"08.12.2026", "12:00", "0100"}}) {
    EXPECT_EQ(ZoneTimeStamp(date, time, offset), "ZoneDateTimeMToYYYYMMDD_HHMMSSMMM");
    EXPECT_EQ(UtcTimeStamp(date, time, offset), "ZoneDateTimeMToUTCYYYYMMDD_HHMMSSMMM");
  }
}

TEST(DateFormatTechnical, XsDateToGerman) {
  const struct {
    const char* xs;
    const char* german;
  } kCases[] = {
      {"2026-12-08", "08.12.2026"}, {"0001-01-01", "01.01.0001"},
      {"0000-12-08", ""},           {"2026-00-08", ""},
      {"2026-12-00", ""},           {"2026-12-8", ""},
      {"2026/12/08", ""},           {"2026-12-08T", ""},
      {"abcd-ef-gh", ""},           {"", ""},
      {"26-12-0008", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(XsDateToGerman(c.xs), c.german) << c.xs;
}

TEST(DateFormatTechnical, ParseXsDateTimeReadsTheZone) {
  const struct {
    const char* text;
    const char* date;
    const char* time;
    const char* offset;
    const char* german;
  } kCases[] = {
      {"2026-12-08T12:30:00Z", "08.12.2026", "12:30:00", "00:00", "08.12.2026, 12:30:00 UTC 00:00"},
      {"2026-12-08T12:30:00+01:00", "08.12.2026", "12:30:00", "+01:00",
       "08.12.2026, 12:30:00 UTC+01:00"},
      {"2026-12-08T12:30:00.250-0330", "08.12.2026", "12:30:00.250", "-03:30",
       "08.12.2026, 12:30:00.250 UTC-03:30"},
      {"2026-12-08T12:30:00+0100", "08.12.2026", "12:30:00", "+01:00",
       "08.12.2026, 12:30:00 UTC+01:00"},
      {"2026-12-08T12:30:00-03:30", "08.12.2026", "12:30:00", "-03:30",
       "08.12.2026, 12:30:00 UTC-03:30"},
      {"2024-02-29T00:00:00.000+00:00", "29.02.2024", "00:00:00.000", "00:00",
       "29.02.2024, 00:00:00.000 UTC 00:00"},
      {"2026-12-08T23:59:59-0000", "08.12.2026", "23:59:59", "00:00",
       "08.12.2026, 23:59:59 UTC 00:00"},
  };
  for (const auto& c : kCases) {
    const XsDateTimeParts parts = ParseXsDateTime(c.text);
    EXPECT_TRUE(parts.ok) << c.text;
    EXPECT_EQ(parts.date, c.date) << c.text;
    EXPECT_EQ(parts.time, c.time) << c.text;
    EXPECT_EQ(parts.offset, c.offset) << c.text;
    EXPECT_EQ(parts.text, c.german) << c.text;
  }
}

TEST(DateFormatTechnical, ParseXsDateTimeRefusesMalformedTexts) {
  for (const char* bad : {"",
                          "2026-12-08",
                          "2026-12-08T12:30Z",
                          "2026-12-08 12:30:00Z",
                          "2026-12-08T12:30:00",
                          "2026-12-08T12:30:00+01",
                          "2026-12-08T12:30:00+1:00",
                          "2026-12-08T12:30:00+01:0",
                          "2026-12-08T12:30:00 +01:00",
                          "2026-12-08T12:30:00+01:00x",
                          "2026-12-08T25:30:00Z",
                          "2026-12-08T12:60:00Z",
                          "2026-02-30T12:00:00Z",
                          "0000-12-08T12:00:00Z",
                          "2026-12-08T12:30:00.25Z",
                          "2026-12-08T12:30:00.Z",
                          "2026-12-08T12:30:00ZZ",
                          "2026-12-08T12:30:00z",
                          "2026-12-08T12:30:00+24:00",
                          "2026-12-08T12:30:00+01:60",
                          "2026-12-08T12:30:00*01:00",
                          "2026-12-08T12:30:00+01-00",
                          "2026-12-08T+2:30:00Z",
                          "XXXX-12-08T12:30:00Z"}) {
    const XsDateTimeParts parts = ParseXsDateTime(bad);
    EXPECT_FALSE(parts.ok) << bad;
    EXPECT_EQ(parts.date, "") << bad;
    EXPECT_EQ(parts.time, "") << bad;
    EXPECT_EQ(parts.offset, "") << bad;
    EXPECT_EQ(parts.text, "") << bad;
  }
}

TEST(DateFormList, EveryFormOnceUnderAStableKey) {
  const auto moment = MakeZoneDateTime("08.12.2026", "12:30", "+01:00");
  ASSERT_TRUE(moment);
  const std::vector<DateFormEntry> list = DateFormList(*moment);
  std::set<std::string_view> keys;
  for (const DateFormEntry& entry : list) {
    EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
    EXPECT_FALSE(entry.text.empty()) << entry.key;
  }
  EXPECT_EQ(list.size(), 23u + 16u + 15u + 13u);
  const auto text = [&](std::string_view key) {
    for (const DateFormEntry& entry : list) {
      if (entry.key == key) return entry.text;
    }
    return std::string("(missing)");
  };
  EXPECT_EQ(text("utc"), "08.12.2026, 11:30 UTC 00:00");
  EXPECT_EQ(text("xsdatetime"), "2026-12-08T12:30+01:00");
  EXPECT_EQ(text("xsdatetime_utc"), "2026-12-08T11:30Z");
  EXPECT_EQ(text("jd"), "2461382,97917");
  EXPECT_EQ(text("mjd"), "61382,47917");
  EXPECT_EQ(text("tdatetime"), "46364,47917");
  EXPECT_EQ(text("tdatetime_zone"), "46364,52083");
  EXPECT_EQ(text("unix"), "1796729400");
  EXPECT_EQ(text("dtg"), "081230Adec26");
  EXPECT_EQ(text("DD.MM.YYYY"), "08.12.2026");
  EXPECT_EQ(text("YYMMDD"), "261208");
  EXPECT_EQ(text("spanish"), "8 de diciembre de 2026");
  EXPECT_EQ(text("mdy_12h_utc"), "11:30 AM 12/08/2026 UTC");
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/zoneclock.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/environment.h"

namespace engine {
namespace {

std::array<std::string, 7> Times(const ZoneClock& clock) {
  std::array<std::string, 7> times;
  for (std::size_t i = 0; i < 7; ++i) times[i] = clock.rows[i].time;
  return times;
}

int LegalRow(const ZoneClock& clock) {
  for (int i = 0; i < 7; ++i) {
    if (clock.rows[static_cast<std::size_t>(i)].legal) return i + 1;
  }
  return 0;
}

TEST(ZoneClock, LegalTimeOfTheDay) {
  const struct {
    const char* date;
    const char* region;
    const char* time;
    int offset;
    const char* utc;
    const char* utcDate;
    const char* moscowSummer;
    const char* julianDate;
  } kCases[] = {
      // MESZ: UTC two hours back, the row of central European summer time red.
      {"15.07.2024", "D-NI", "12:00:00", 2, "10:00:00", "15.07.2024", "14:00:00", "2460506,91667"},
      // Double summer time of 1947 (11.05. to 28.06.); 01.07.1947 was summer time again.
      {"15.06.1947", "D-NI", "12:00:00", 3, "09:00:00", "15.06.1947", "13:00:00", "2432351,875"},
      {"01.07.1947", "D-NI", "12:00:00", 2, "10:00:00", "01.07.1947", "14:00:00", "2432367,91667"},
      {"24.05.1945", "D-BE", "12:00", 3, "09:00:00", "24.05.1945", "13:00:00", "2431599,875"},
      // MEZ shortly after midnight: UTC and the Julian Date on the day before.
      {"15.01.2024", "D-NI", "00:30:00", 1, "23:30:00", "14.01.2024", "03:30:00", "2460324,47917"},
      {"01.01.2000", "D-NI", "13:00:00", 1, "12:00:00", "01.01.2000", "16:00:00", "2451545,0"},
      {"01.01.2000", "D-NI", "01:00:00", 1, "00:00:00", "01.01.2000", "04:00:00", "2451544,5"},
      {"01.01.2000", "D-NI", "19:00:00", 1, "18:00:00", "01.01.2000", "22:00:00", "2451545,25"},
      // The end of the day: 24:00 is midnight after it.
      {"01.01.2000", "D-NI", "24:00:00", 1, "23:00:00", "01.01.2000", "03:00:00", "2451545,45833"},
  };
  for (const auto& c : kCases) {
    const ZoneClock clock = ComputeZoneClock(c.date, c.region, c.time);
    ASSERT_EQ(clock.code, 1) << c.date;
    EXPECT_EQ(clock.zoneOffset, c.offset) << c.date;
    EXPECT_EQ(clock.utcTime, c.utc) << c.date;
    EXPECT_EQ(clock.rows[4].time, c.utc) << c.date;
    EXPECT_EQ(clock.utcDate, c.utcDate) << c.date;
    EXPECT_EQ(clock.rows[0].time, c.moscowSummer) << c.date;
    EXPECT_EQ(clock.julianDate, c.julianDate) << c.date;
    EXPECT_EQ(LegalRow(clock), 5 - c.offset) << c.date;
  }
}

TEST(ZoneClock, RowsOfAWinterNight) {
  const ZoneClock clock = ComputeZoneClock("15.01.2024", "D-NI", "00:30:00");
  // Hannover lies 9° 44' 30" east: mean local time is UTC + 38:58; the
  // equation of time of mid-January is about -9 minutes.
  EXPECT_EQ(Times(clock),
            (std::array<std::string, 7>{"03:30:00", "02:30:00", "01:30:00", "00:30:00", "23:30:00",
                                        "00:08:58", "23:59:55"}));
  EXPECT_EQ(clock.copyText,
            "Uhrzeit am Mo, 15.01.2024 = 02.01.2024 jul.\r\n"
            "in Hannover (Niedersachsen)\r\n"
            "52 22 46, 9 44 30\r\n"
            "2460324,47917 Julianisches Datum\r\n"
            "03:30:00 Moskauer Sommerzeit\r\n"
            "02:30:00 Moskauer Zeit = Ost. Sommerzeit\r\n"
            "01:30:00 Mittel. Sommerzeit = Ost. Zeit\r\n"
            "00:30:00 Mittel. Zeit = West. Sommerzeit (gesetzl. Zeit)\r\n"
            "23:30:00 UTC = Westeuropäische Zeit\r\n"
            "00:08:58 MOZ Mittlere Ortszeit\r\n"
            "23:59:55 WOZ Wahre Ortszeit\r\n");
  EXPECT_EQ(clock.rows[3].captions[0].hint,
            "gesetzliche Zeit in Niedersachsen\r\nMEZ = 15 Grad östliche Länge (MOZ Görlitz)");
  EXPECT_EQ(clock.rows[4].captions[0].hint, "UTC = MEZ -01:00");
  EXPECT_EQ(clock.rows[0].captions[0].hint, "MST = MEZ +03:00");
  EXPECT_EQ(clock.rows[0].captions[1].text, "");
}

TEST(ZoneClock, TimeEnteredOnARow) {
  // 23:30 UTC on the row of UTC is 00:30 MEZ of the date.
  const ZoneClock utc = ComputeZoneClock("15.01.2024", "D-NI", "23:30:00", 5);
  EXPECT_EQ(utc.legalTime, "00:30:00");
  EXPECT_EQ(utc.utcDate, "14.01.2024");
  EXPECT_EQ(utc.julianDate, "2460324,47917");
  // 14:00 Moscow summer time in July is 12:00 MESZ.
  const ZoneClock moscow = ComputeZoneClock("15.07.2024", "D-NI", "14:00", 1);
  EXPECT_EQ(moscow.legalTime, "12:00:00");
  EXPECT_EQ(moscow.utcTime, "10:00:00");
  for (int row : {-1, 6, 7})
    EXPECT_EQ(ComputeZoneClock("15.07.2024", "D-NI", "14:00", row).code, 0);
}

TEST(ZoneClock, HintsOfDoubleSummerTime) {
  const ZoneClock clock = ComputeZoneClock("24.05.1945", "D-BE", "12:00:00");
  EXPECT_EQ(clock.usedTime, "MEHSZ");
  EXPECT_EQ(LegalRow(clock), 2);
  EXPECT_EQ(clock.rows[1].captions[0].hint,
            "MSK = MEHSZ = MEZ +02:00, gesetzliche Zeit in Berlin\r\n"
            "rechte Maustaste = Initiative Sonnenzeit");
  EXPECT_EQ(clock.rows[2].captions[1].hint, "OEZ = MEHSZ -01:00");
  EXPECT_EQ(clock.rows[4].captions[0].hint, "UTC = MEHSZ -03:00");
  // The same hint outside the Soviet zone's months, in 1947.
  const ZoneClock later = ComputeZoneClock("15.06.1947", "D-NI", "12:00:00");
  EXPECT_EQ(later.rows[1].captions[0].hint,
            "MSK = MEHSZ = MEZ +02:00, gesetzliche Zeit in Niedersachsen\r\n"
            "rechte Maustaste = Initiative Sonnenzeit");
  EXPECT_EQ(later.rows[2].captions[1].hint, "OEZ = MEHSZ -01:00");
}

TEST(ZoneClock, HistoricalHints) {
  // Summer time in the Soviet zone of 1945, after its double summer time.
  const ZoneClock summer = ComputeZoneClock("01.10.1945", "D-BE", "12:00:00");
  EXPECT_EQ(summer.zoneOffset, 2);
  EXPECT_EQ(summer.rows[2].captions[0].hint,
            "MESZ = MEZ +01:00, gesetzliche Zeit in Berlin\r\nrechte Maustaste = Initiative "
            "Sonnenzeit");
  const ZoneClock bavaria = ComputeZoneClock("01.06.1892", "D-BY", "12:00:00");
  EXPECT_EQ(bavaria.rows[3].captions[0].hint, "MEZ = gesetzliche Zeit in Bayern");
  const ZoneClock vienna = ComputeZoneClock("15.01.2024", "A-W", "12:00:00");
  EXPECT_EQ(vienna.rows[3].captions[0].hint, "MEZ = Zeit in Wien");
  const ZoneClock moscow = ComputeZoneClock("15.01.2012", "D-NI", "12:00:00");
  EXPECT_TRUE(moscow.rows[1].captions[0].hint.ends_with(
      "\r\nvom 27.03.2011 02:00 MSK bis 26.10.2014 ganzjährig Moskauer Sommerzeit,\r\n"
      "seitdem ganzjährig Moskauer Zeit"));
  EXPECT_EQ(ComputeZoneClock("15.01.2015", "D-NI", "12:00").rows[1].captions[0].hint,
            "MSK = MEZ +02:00");
}

// Before zone time: the day's time is local mean time, the MOZ row the one used.
TEST(ZoneClock, LocalMeanTimeBefore1893) {
  const ZoneClock clock = ComputeZoneClock("31.03.1893", "D-NI", "12:00:00");
  ASSERT_EQ(clock.code, 1);
  EXPECT_EQ(clock.usedTime, "MOZ");
  EXPECT_EQ(clock.zoneOffset, 1);
  EXPECT_TRUE(clock.rows[5].used);
  EXPECT_FALSE(clock.rows[6].used);
  EXPECT_EQ(clock.rows[5].time, "11:38:58");
  EXPECT_EQ(clock.rows[5].captions[0].hint, "MOZ = MEZ -00:21:02\r\nMittlere Ortzeit in Hannover");
  EXPECT_NE(clock.copyText.find("11:38:58 MOZ Mittlere Ortszeit (gebr. Zeit)\r\n"),
            std::string::npos);
  EXPECT_NE(clock.copyText.find("(gesetzl. Zeit)"), std::string::npos);
  // Bavaria had zone time a year earlier.
  EXPECT_EQ(ComputeZoneClock("31.03.1893", "D-BY", "12:00:00").usedTime, "MEZ");
}

TEST(ZoneClock, InvalidInput) {
  const struct {
    const char* date;
    const char* time;
  } kCases[] = {{"31.02.2024", "12:00"}, {"01.01.3001", "12:00"}, {"15.01.2024", "25:00"},
                {"15.01.2024", ""},      {"", "12:00"},           {"15.01.2024", "12:00:00.5"}};
  for (const auto& c : kCases) {
    const ZoneClock clock = ComputeZoneClock(c.date, "D-NI", c.time);
    EXPECT_EQ(clock.code, 0) << c.date << ' ' << c.time;
    EXPECT_EQ(clock.copyText, "");
  }
}

TEST(ZoneClock, DecimalSeparatorOfTheLocale) {
  SetDecimalSeparator('.');
  EXPECT_EQ(ComputeZoneClock("15.01.2024", "D-NI", "00:30").julianDate, "2460324.47917");
  SetDecimalSeparator(',');
}

}  // namespace
}  // namespace engine

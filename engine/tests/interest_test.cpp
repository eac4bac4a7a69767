// SPDX-License-Identifier: MIT
#include "engine/interest.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/daynumber.h"
#include "engine/interestdays.h"
#include "engine/tests/separator_scope.h"

namespace engine {
namespace {

InterestRequest Request(std::string capital, std::string rate, std::string currency,
                        std::string start, std::string end, bool startCounted, int method,
                        std::string payDate, std::string region = "D-NI") {
  InterestRequest r;
  r.capital = std::move(capital);
  r.rate = std::move(rate);
  r.currency = std::move(currency);
  r.start = std::move(start);
  r.end = std::move(end);
  r.startCounted = startCounted;
  r.method = method;
  r.payDate = std::move(payDate);
  r.payRegion = std::move(region);
  return r;
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first);
}

int Jd(const char* date) {
  return ParseDayNumber(DateToJD(date, CalendarKind::Gregorian).jd);
}

const std::vector<std::string> kOverflowLines = {
    "",
    "",
    "",
    "          Datenüberlauf!",
    "",
    "              Die von Ihnen eingegebene Summe ist für den angegebenen",
    "              Zeitraum zu hoch bzw. der Zeitraum ist zu lang."};

// Whole statements, line by line: actual/actual over a year end with DEM,
// actual/360, 30/360 with a 31st at start and end, reversed dates, a
// Saturday pay date in Niedersachsen and in Bayern, ITL and IEP, an empty
// capital and rate, and the whole supported range.
TEST(ComputeInterest, StatementLines) {
  const struct {
    InterestRequest request;
    std::vector<std::string> lines;
  } kCases[] = {
      {Request("1000", "10", "DEM", "15.03.2019", "15.03.2020", false, 3, "16.03.2020", "D-NI"),
       {
           "",
           "                                      Kapital            1000,00 DEM",
           "10 % Zinsen",
           "actual/actual im Kalenderjahr",
           "vom 15.03.2019 (excl.) bis 15.03.2020 (incl.)             100,22 DEM",
           "                                              ----------------------",
           "Fällig am 16.03.2020:                 Summe              1100,22 DEM",
           "                                              ======================",
           "",
           "10,000 % Zinsen auf 1000,00 DEM",
           "actual/actual im Kalenderjahr",
           "vom 15.03.2019 (excl.) bis 15.03.2020 (incl.)",
           "0 Zinsjahre mit",
           "   jeweils            100,00000 DEM  =            0,00000 DEM",
           "291 Zinstage im Normaljahr 2019 mit",
           "   jeweils              0,27397 DEM  =           79,72527 DEM",
           "75 Zinstage im Schaltjahr 2020 mit",
           "   jeweils              0,27322 DEM  =           20,49150 DEM",
           "                                           ------------------",
           "             Zinsen insgesamt:                  100,21677 DEM",
           "                                           ==================",
           "",
           "",
           "Kapital und Zinsbetrag jeweils einzeln umgerechnet von DEM in EUR",
           "zum Kurs von 1 EUR = 1,95583 DEM und dann addiert:",
           "",
           "                                      Kapital             511,29 EUR",
           "10 % Zinsen",
           "actual/actual im Kalenderjahr",
           "vom 15.03.2019 (excl.) bis 15.03.2020 (incl.)              51,24 EUR",
           "                                              ----------------------",
           "Fällig am 16.03.2020:                 Summe               562,53 EUR",
           "                                              ======================",
       }},
      {Request("1000", "10", "SEK", "01.01.2019", "01.01.2020", false, 5, "02.01.2020", "D-NI"),
       {
           "",
           "                                      Kapital            1000,00 SEK",
           "10 % Zinsen",
           "actual/360 im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.)             100,28 SEK",
           "                                              ----------------------",
           "Fällig am 02.01.2020:                 Summe              1100,28 SEK",
           "                                              ======================",
           "",
           "10,000 % Zinsen auf 1000,00 SEK",
           "actual/360 im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.)",
           "0 Zinsjahre mit",
           "   jeweils            100,00000 SEK  =            0,00000 SEK",
           "361 Zinstage mit",
           "   jeweils              0,27778 SEK  =          100,27858 SEK",
           "                                           ------------------",
           "             Zinsen insgesamt:                  100,27858 SEK",
           "                                           ==================",
           "",
       }},
      {Request("1000", "10", "SEK", "31.01.2019", "31.03.2019", false, 0, "01.04.2019", "D-NI"),
       {
           "",
           "                                      Kapital            1000,00 SEK",
           "10 % Zinsen",
           "30/360 im Kalenderjahr",
           "vom 31.01.2019 = 30.01.2019 (excl.)",
           "bis 31.03.2019 = 30.03.2019 (incl.)                        16,67 SEK",
           "                                              ----------------------",
           "Fällig am 01.04.2019:                 Summe              1016,67 SEK",
           "                                              ======================",
           "",
           "10,000 % Zinsen auf 1000,00 SEK",
           "30/360 im Kalenderjahr",
           "vom 31.01.2019 = 30.01.2019 (excl.)",
           "bis 31.03.2019 = 30.03.2019 (incl.)",
           "0 Zinsjahre mit",
           "   jeweils            100,00000 SEK  =            0,00000 SEK",
           "60 Zinstage mit",
           "   jeweils              0,27778 SEK  =           16,66680 SEK",
           "                                           ------------------",
           "             Zinsen insgesamt:                   16,66680 SEK",
           "                                           ==================",
           "",
       }},
      {Request("1000", "10", "SEK", "01.01.2020", "01.01.2019", false, 7, "02.01.2020", "D-NI"),
       {
           "",
           "                                      Kapital            1000,00 SEK",
           "10 % Zinsen",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.)             100,00 SEK",
           "                                              ----------------------",
           "Fällig am 02.01.2020:                 Summe              1100,00 SEK",
           "                                              ======================",
           "",
           "10,000 % Zinsen auf 1000,00 SEK",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.)",
           "0 Zinsjahre mit",
           "   jeweils            100,00000 SEK  =            0,00000 SEK",
           "365 Zinstage mit",
           "   jeweils              0,27397 SEK  =           99,99905 SEK",
           "                                           ------------------",
           "             Zinsen insgesamt:                   99,99905 SEK",
           "                                           ==================",
           "",
       }},
      {Request("1000", "10", "SEK", "01.01.2019", "31.12.2019", false, 3, "04.01.2020", "D-NI"),
       {
           "",
           "                                      Kapital            1000,00 SEK",
           "10 % Zinsen",
           "actual/actual im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 31.12.2019 (incl.)              99,73 SEK",
           "                                              ----------------------",
           "Fällig am 06.01.2020:                 Summe              1099,73 SEK",
           "                                              ======================",
           "",
           "10,000 % Zinsen auf 1000,00 SEK",
           "actual/actual im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 31.12.2019 (incl.)",
           "0 Zinsjahre mit",
           "   jeweils            100,00000 SEK  =            0,00000 SEK",
           "364 Zinstage im Normaljahr 2019 mit",
           "   jeweils              0,27397 SEK  =           99,72508 SEK",
           "0 Zinstage im Schaltjahr mit",
           "   jeweils              0,27322 SEK  =            0,00000 SEK",
           "                                           ------------------",
           "             Zinsen insgesamt:                   99,72508 SEK",
           "                                           ==================",
           "",
           "Die Summe wäre am 04.01.2020 fällig; dieser Tag ist",
           "aber kein Werktag ohne Samstag in Niedersachsen,",
           "deshalb ist das Fälligkeitsdatum der 06.01.2020.",
       }},
      {Request("1000", "10", "SEK", "01.01.2019", "31.12.2019", false, 3, "04.01.2020", "D-BY"),
       {
           "",
           "                                      Kapital            1000,00 SEK",
           "10 % Zinsen",
           "actual/actual im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 31.12.2019 (incl.)              99,73 SEK",
           "                                              ----------------------",
           "Fällig am 07.01.2020:                 Summe              1099,73 SEK",
           "                                              ======================",
           "",
           "10,000 % Zinsen auf 1000,00 SEK",
           "actual/actual im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 31.12.2019 (incl.)",
           "0 Zinsjahre mit",
           "   jeweils            100,00000 SEK  =            0,00000 SEK",
           "364 Zinstage im Normaljahr 2019 mit",
           "   jeweils              0,27397 SEK  =           99,72508 SEK",
           "0 Zinstage im Schaltjahr mit",
           "   jeweils              0,27322 SEK  =            0,00000 SEK",
           "                                           ------------------",
           "             Zinsen insgesamt:                   99,72508 SEK",
           "                                           ==================",
           "",
           "Die Summe wäre am 04.01.2020 fällig; dieser Tag ist",
           "aber kein Werktag ohne Samstag in Bayern,",
           "deshalb ist das Fälligkeitsdatum der 07.01.2020.",
       }},
      {Request("1000000", "5", "ITL", "01.01.2019", "31.12.2019", true, 7, "02.01.2020", "D-NI"),
       {
           "",
           "                                      Kapital         1000000,00 ITL",
           "5 % Zinsen",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (incl.) bis 31.12.2019 (incl.)           50000,00 ITL",
           "                                              ----------------------",
           "Fällig am 02.01.2020:                 Summe           1050000,00 ITL",
           "                                              ======================",
           "",
           "5,000 % Zinsen auf 1000000,00 ITL",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (incl.) bis 31.12.2019 (incl.)",
           "1 Zinsjahr mit",
           "   jeweils          50000,00000 ITL  =        50000,00000 ITL",
           "0 Zinstage mit",
           "   jeweils            136,98630 ITL  =            0,00000 ITL",
           "                                           ------------------",
           "             Zinsen insgesamt:                50000,00000 ITL",
           "                                           ==================",
           "",
           "",
           "Kapital und Zinsbetrag jeweils einzeln umgerechnet von ITL in EUR",
           "zum Kurs von 1 EUR = 1936,27 ITL und dann addiert:",
           "",
           "                                      Kapital             516,46 EUR",
           "5 % Zinsen",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (incl.) bis 31.12.2019 (incl.)              25,82 EUR",
           "                                              ----------------------",
           "Fällig am 02.01.2020:                 Summe               542,28 EUR",
           "                                              ======================",
       }},
      {Request("1000", "5", "IEP", "01.01.2019", "31.12.2019", true, 7, "02.01.2020", "D-NI"),
       {
           "",
           "                                      Kapital            1000,00 IEP",
           "5 % Zinsen",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (incl.) bis 31.12.2019 (incl.)              50,00 IEP",
           "                                              ----------------------",
           "Fällig am 02.01.2020:                 Summe              1050,00 IEP",
           "                                              ======================",
           "",
           "5,000 % Zinsen auf 1000,00 IEP",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (incl.) bis 31.12.2019 (incl.)",
           "1 Zinsjahr mit",
           "   jeweils             50,00000 IEP  =           50,00000 IEP",
           "0 Zinstage mit",
           "   jeweils              0,13699 IEP  =            0,00000 IEP",
           "                                           ------------------",
           "             Zinsen insgesamt:                   50,00000 IEP",
           "                                           ==================",
           "",
           "",
           "Kapital und Zinsbetrag jeweils einzeln umgerechnet von IEP in EUR",
           "zum Kurs von 1 EUR = 0,787564 IEP und dann addiert:",
           "",
           "                                      Kapital            1269,74 EUR",
           "5 % Zinsen",
           "actual/365 im Kalenderjahr",
           "vom 01.01.2019 (incl.) bis 31.12.2019 (incl.)              63,49 EUR",
           "                                              ----------------------",
           "Fällig am 02.01.2020:                 Summe              1333,23 EUR",
           "                                              ======================",
       }},
      {Request("", "", "SEK", "01.01.2019", "31.12.2019", false, 5, "31.12.2019", "D-NI"),
       {
           "",
           "                                      Kapital               0,00 SEK",
           "0 % Zinsen",
           "actual/360 im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 31.12.2019 (incl.)               0,00 SEK",
           "                                              ----------------------",
           "Fällig am 31.12.2019:                 Summe                 0,00 SEK",
           "                                              ======================",
           "",
           "0,000 % Zinsen auf 0,00 SEK",
           "actual/360 im Kalenderjahr",
           "vom 01.01.2019 (excl.) bis 31.12.2019 (incl.)",
           "0 Zinsjahre mit",
           "   jeweils              0,00000 SEK  =            0,00000 SEK",
           "360 Zinstage mit",
           "   jeweils              0,00000 SEK  =            0,00000 SEK",
           "                                           ------------------",
           "             Zinsen insgesamt:                    0,00000 SEK",
           "                                           ==================",
           "",
       }},
      {Request("1000", "10", "SEK", "01.01.0001", "31.12.3000", false, 3, "31.12.3000", "D-NI"),
       {
           "",
           "                                      Kapital            1000,00 SEK",
           "10 % Zinsen",
           "actual/actual im Kalenderjahr",
           "vom 01.01.0001 (excl.) bis 31.12.3000 (incl.)          299999,73 SEK",
           "                                              ----------------------",
           "Fällig am 31.12.3000:                 Summe            300999,73 SEK",
           "                                              ======================",
           "",
           "10,000 % Zinsen auf 1000,00 SEK",
           "actual/actual im Kalenderjahr",
           "vom 01.01.0001 (excl.) bis 31.12.3000 (incl.)",
           "2999 Zinsjahre mit",
           "   jeweils            100,00000 SEK  =       299900,00000 SEK",
           "364 Zinstage im Normaljahr 0001 und 3000 mit",
           "   jeweils              0,27397 SEK  =           99,72508 SEK",
           "0 Zinstage im Schaltjahr mit",
           "   jeweils              0,27322 SEK  =            0,00000 SEK",
           "                                           ------------------",
           "             Zinsen insgesamt:               299999,72508 SEK",
           "                                           ==================",
           "",
       }},
  };
  for (const auto& c : kCases) {
    const InterestStatement s = ComputeInterest(c.request);
    ASSERT_EQ(s.code, 1) << s.error;
    EXPECT_FALSE(s.overflow);
    EXPECT_EQ(s.lines, c.lines) << c.request.start << " " << c.request.end << " "
                                << c.request.currency;
  }
}

TEST(ComputeInterest, FieldsAndHintsOfOneYear) {
  const InterestStatement s = ComputeInterest(
      Request("1000", "10", "SEK", "01.01.2019", "01.01.2020", false, 3, "01.01.2020"));
  ASSERT_EQ(s.code, 1);
  EXPECT_EQ(s.capital, "           1000,00");
  EXPECT_EQ(s.rate, "10,000");
  EXPECT_EQ(s.years, 0);
  EXPECT_EQ(s.days, 364);
  EXPECT_EQ(s.leapDays, 1);
  EXPECT_TRUE(s.leapRow);
  EXPECT_EQ(s.dayLabel, "Zinstage im Normaljahr 2019");
  EXPECT_EQ(s.leapLabel, "Zinstag im Schaltjahr 2020");
  const struct {
    const std::string& field;
    const char* text;
  } kFields[] = {
      {s.perYear, "100,00000"}, {s.forYears, "0,00000"},   {s.perDay, "0,27397"},
      {s.forDays, "99,72508"},  {s.perLeapDay, "0,27322"}, {s.forLeapDays, "0,27322"},
      {s.total, "100,00"},      {s.sum, "1100,00"},
  };
  for (const auto& f : kFields) {
    EXPECT_EQ(f.field.size(), 18u) << f.text;
    EXPECT_EQ(Trim(f.field), f.text);
  }
  // Neujahr is a legal holiday in Niedersachsen: due on the next working day.
  EXPECT_EQ(s.payDate, "01.01.2020");
  EXPECT_EQ(s.valuta, "02.01.2020");
  EXPECT_FALSE(s.euro.has_value());
  const InterestHints& h = s.hints;
  EXPECT_EQ(h.rate, "Zinssatz pro Jahr (auf 3 Dezimalstellen gerundet)");
  EXPECT_EQ(h.capital, "zu verzinsendes Kapital (auf 2 Dezimalstellen gerundet)");
  EXPECT_EQ(h.normalDays, "Zinstage im Normaljahr 2019");
  EXPECT_EQ(h.leapDays, "Zinstag im Schaltjahr 2020");
  EXPECT_EQ(h.perYear, "Zins pro Jahr\n\r(auf 5 Dezimalstellen gerundet)");
  EXPECT_EQ(h.perDay, "Zins pro Tag im Normaljahr 2019\n\r(auf 5 Dezimalstellen gerundet)");
  // Guards against the missing blank and the doubled blank after "Tag".
  EXPECT_EQ(h.perLeapDay, "Zins pro Tag im Schaltjahr 2020\n\r(auf 5 Dezimalstellen gerundet)");
  EXPECT_EQ(h.forYears, "Zins pro Jahr\n\r(auf 5 Dezimalstellen gerundet) x 0 Zinsjahre");
  EXPECT_EQ(h.forLeapDays,
            "Zins pro Tag im Schaltjahr 2020\n\r(auf 5 Dezimalstellen gerundet) x 1 Zinstag im "
            "Schaltjahr 2020");
  EXPECT_EQ(h.total,
            "Summe der Zinsbeträge (auf 2 Dezimalstellen gerundet)\n\r= Zinsjahre x Zins pro Jahr "
            "+ Zinstage x Zins pro Tag");
  EXPECT_EQ(h.capitalEuro, "zu verzinsendes Kapital umgerechnet in EUR");
  EXPECT_EQ(h.startCounted, "Anfangstag wird NICHT verzinst");
  EXPECT_EQ(h.endCounted, "Endtag wird verzinst");
  EXPECT_EQ(s.periodText,
            "1 Zeitjahr, 0 Tage  oder  0 Kalenderjahre, 365 Tage  oder  0 Röm. Kalenderjahre, 365 "
            "Tage");
}

TEST(ComputeInterest, ShortLabelsAndSingularYear) {
  // Guards against taking a label from its ninth character on when the
  // label is "Zinstag", and against "1 Zinsjahre".
  const InterestStatement s = ComputeInterest(
      Request("1000", "10", "SEK", "01.01.2019", "01.01.2020", true, 7, "02.01.2020"));
  ASSERT_EQ(s.code, 1);
  EXPECT_EQ(s.years, 1);
  EXPECT_EQ(s.days, 1);
  EXPECT_EQ(s.dayLabel, "Zinstag");
  EXPECT_EQ(s.hints.perDay, "Zins pro Tag\n\r(auf 5 Dezimalstellen gerundet)");
  EXPECT_EQ(s.hints.forDays, "Zins pro Tag\n\r(auf 5 Dezimalstellen gerundet) x 1 Zinstag");
  EXPECT_EQ(s.hints.forYears, "Zins pro Jahr\n\r(auf 5 Dezimalstellen gerundet) x 1 Zinsjahr");
  EXPECT_FALSE(s.leapRow);
  EXPECT_EQ(Trim(s.forLeapDays), "0");
  ASSERT_GT(s.lines.size(), 14u);
  EXPECT_EQ(s.lines[12], "1 Zinsjahr mit");
  EXPECT_EQ(s.lines[14], "1 Zinstag mit");

  // A singular normal-year label after "Zins pro Tag".
  const InterestStatement one = ComputeInterest(
      Request("1000", "10", "SEK", "30.12.2019", "31.12.2019", false, 3, "31.12.2019"));
  EXPECT_EQ(one.dayLabel, "Zinstag im Normaljahr 2019");
  EXPECT_EQ(one.hints.perDay, "Zins pro Tag im Normaljahr 2019\n\r(auf 5 Dezimalstellen gerundet)");
}

TEST(ComputeInterest, MarksTheThirtyFirst) {
  const InterestStatement s = ComputeInterest(
      Request("1000", "10", "SEK", "31.01.2019", "31.03.2019", false, 0, "01.04.2019"));
  EXPECT_EQ(s.startMarker, "= 30.");
  EXPECT_EQ(s.endMarker, "= 30.");
  EXPECT_EQ(s.hints.startMarker,
            "weil in dieser Zinsmethode\n\rder 31. nicht existiert.\n\r31.01.2019 = 30.01.2019");
  EXPECT_EQ(s.hints.endMarker,
            "weil in dieser Zinsmethode\n\rder 31. nicht existiert.\n\r31.03.2019 = 30.03.2019");
  const InterestStatement end = ComputeInterest(
      Request("1000", "10", "SEK", "15.01.2019", "31.03.2019", false, 1, "01.04.2019"));
  EXPECT_EQ(end.startMarker, "");
  EXPECT_EQ(end.endMarker, "= 30.");
  ASSERT_GT(end.lines.size(), 5u);
  EXPECT_EQ(end.lines[4], "vom 15.01.2019 (excl.)");
  EXPECT_EQ(end.lines[5], "bis 31.03.2019 = 30.03.2019 (incl.)                        20,83 SEK");
  const InterestStatement start = ComputeInterest(
      Request("1000", "10", "SEK", "31.01.2019", "15.03.2019", false, 0, "15.03.2019"));
  ASSERT_GT(start.lines.size(), 5u);
  EXPECT_EQ(start.lines[4], "vom 31.01.2019 = 30.01.2019 (excl.)");
  EXPECT_EQ(start.lines[5], "bis 15.03.2019 (incl.)" + std::string(37, ' ') + "12,50 SEK");
  // The methods with a 31st mark nothing.
  const InterestStatement with = ComputeInterest(
      Request("1000", "10", "SEK", "31.01.2019", "31.03.2019", false, 9, "01.04.2019"));
  EXPECT_EQ(with.startMarker, "");
  EXPECT_EQ(with.endMarker, "");
  EXPECT_EQ(with.hints.startMarker, "");
}

TEST(ComputeInterest, EuroPartAndHints) {
  const InterestStatement s = ComputeInterest(
      Request("1000", "10", "DEM", "15.03.2019", "15.03.2020", false, 3, "16.03.2020"));
  ASSERT_TRUE(s.euro.has_value());
  EXPECT_EQ(s.euro->rate, "1,95583");
  EXPECT_EQ(s.euro->capital, "            511,29");
  EXPECT_EQ(Trim(s.euro->total), "51,24");
  EXPECT_EQ(Trim(s.euro->sum), "562,53");
  // Guards against the closing bracket without an opening one.
  EXPECT_EQ(s.hints.capitalEuro,
            "zu verzinsendes Kapital umgerechnet in EUR\n\r( 1 EUR = 1,95583 DEM )\n\r(und auf 2 "
            "Dezimalstellen gerundet)");
  EXPECT_EQ(s.hints.totalEuro,
            "Summe der Zinsbeträge umgerechnet in EUR\n\r( 1 EUR = 1,95583 DEM )\n\r(und auf 2 "
            "Dezimalstellen gerundet)");
  EXPECT_EQ(s.hints.sumEuro, "Summe in EUR = Kapital in EUR + Zinsbetrag in EUR");
}

// Any rounding that meets the limit makes the whole result an overflow.
TEST(ComputeInterest, Overflow) {
  const struct {
    InterestRequest request;
    const char* capital;  // the capital field afterwards
  } kCases[] = {
      // The interest per year.
      {Request("1000000000", "300", "SEK", "01.01.2019", "31.12.2021", true, 3, "31.12.2021"),
       "1000000000,00"},
      // Only the interest for the days.
      {Request("2000000000", "100", "SEK", "02.01.2019", "30.12.2020", false, 7, "30.12.2020"),
       "2000000000,00"},
      // Only the sum.
      {Request("2100000000", "3", "SEK", "01.01.2019", "01.01.2020", false, 7, "02.01.2020"),
       "2100000000,00"},
      // The capital itself keeps the text as typed.
      {Request("3000000000", "3", "DEM", "01.01.2019", "01.01.2020", false, 7, "02.01.2020"),
       "3000000000"},
      {Request("99999999999999999999999999", "3", "SEK", "01.01.2019", "01.01.2020", false, 7,
               "02.01.2020"),
       "99999999999999999999999999"},
      // The rate.
      {Request("1", "9999999999", "SEK", "01.01.2019", "01.01.2020", false, 7, "02.01.2020"),
       "1,00"},
      // The euro conversion: 2 000 000 000 IEP are more than the limit in EUR.
      {Request("2000000000", "0", "IEP", "01.01.2019", "01.01.2020", false, 7, "02.01.2020"),
       "2000000000,00"},
  };
  for (const auto& c : kCases) {
    const InterestStatement s = ComputeInterest(c.request);
    ASSERT_EQ(s.code, 1) << s.error;
    EXPECT_TRUE(s.overflow) << c.request.capital << " " << c.request.rate;
    EXPECT_EQ(s.lines, kOverflowLines);
    EXPECT_EQ(s.total, "                 0");
    EXPECT_EQ(s.sum, "                 0");
    EXPECT_EQ(Trim(s.capital), c.capital);
    if (s.euro) {
      EXPECT_EQ(Trim(s.euro->capital), "0");
      EXPECT_EQ(Trim(s.euro->total), "0");
      EXPECT_EQ(Trim(s.euro->sum), "0");
    }
    EXPECT_FALSE(s.periodText.empty());
  }
  // Just below the limit is still computed.
  const InterestStatement edge = ComputeInterest(
      Request("2147483646", "0", "SEK", "01.01.2019", "01.01.2020", false, 7, "02.01.2020"));
  EXPECT_FALSE(edge.overflow);
  EXPECT_EQ(Trim(edge.sum), "2147483646,00");
}

TEST(ComputeInterest, DatesInOrderBeforeThePayDateIsChecked) {
  // Guards against comparing the pay date with the unexchanged end date.
  EXPECT_TRUE(PayDateBeforeEnd("31.12.2019", "01.01.2019", "15.06.2019"));
  EXPECT_FALSE(PayDateBeforeEnd("31.12.2019", "01.01.2019", "31.12.2019"));
  EXPECT_FALSE(PayDateBeforeEnd("01.01.2019", "31.12.2019", "xx"));
  InterestRequest request =
      Request("1000", "10", "SEK", "31.12.2019", "01.01.2019", false, 7, "15.06.2019");
  const InterestStatement s = ComputeInterest(request);
  EXPECT_TRUE(s.swapped);
  EXPECT_EQ(s.start, "01.01.2019");
  EXPECT_EQ(s.end, "31.12.2019");
  EXPECT_TRUE(s.payDateReplaced);
  EXPECT_EQ(s.payDate, "31.12.2019");
  EXPECT_EQ(s.valuta, "31.12.2019");
  request.earlyPayConfirmed = true;
  const InterestStatement early = ComputeInterest(request);
  EXPECT_FALSE(early.payDateReplaced);
  EXPECT_EQ(early.payDate, "15.06.2019");
  // A Saturday: the statement is built with the value date and explains it.
  EXPECT_EQ(early.valuta, "17.06.2019");
  ASSERT_GT(early.lines.size(), 6u);
  EXPECT_EQ(early.lines[6], "Fällig am 17.06.2019:                 Summe              1099,73 SEK");
}

// Guards against whole years appearing in a period that holds no day.
TEST(ComputeInterest, EmptyPeriodIsZeroInEveryMethod) {
  for (const char* date : {"01.01.2020", "01.03.2020", "01.01.2019", "01.03.2019", "29.02.2020"}) {
    for (const InterestMethod& method : kInterestMethods) {
      InterestRequest request =
          Request("1000", "10", "SEK", date, date, false, method.number, date);
      request.endCounted = false;
      const InterestStatement s = ComputeInterest(request);
      ASSERT_EQ(s.code, 1);
      EXPECT_EQ(s.years, 0) << date << " " << method.number;
      EXPECT_EQ(s.days, 0) << date << " " << method.number;
      EXPECT_EQ(s.leapDays, 0) << date << " " << method.number;
      EXPECT_EQ(Trim(s.total), "0,00");
      EXPECT_EQ(s.periodText,
                "0 Zeitjahre, 0 Tage  oder  0 Kalenderjahre, 0 Tage  oder  0 Röm. Kalenderjahre, "
                "0 Tage");
    }
  }
}

TEST(ComputeInterest, RefusesWhatItCannotRead) {
  const struct {
    InterestRequest request;
    const char* error;
  } kCases[] = {
      {Request("1", "1", "SEK", "01.01.2019", "01.01.2020", false, 2, "01.01.2020"),
       "Die Zinsmethode 2 gibt es nicht."},
      {Request("1", "1", "SEK", "31.02.2019", "01.01.2020", false, 3, "01.01.2020"),
       "Das Anfangsdatum \"31.02.2019\" ist kein gültiges Datum."},
      {Request("1", "1", "SEK", "01.01.2019", "", false, 3, "01.01.2020"),
       "Das Enddatum \"\" ist kein gültiges Datum."},
      {Request("1", "1", "SEK", "01.01.2019", "01.01.2020", false, 3, "01.01.3001"),
       "Das Fälligkeitsdatum \"01.01.3001\" ist kein gültiges Datum."},
  };
  for (const auto& c : kCases) {
    const InterestStatement s = ComputeInterest(c.request);
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.error, c.error);
    EXPECT_TRUE(s.lines.empty());
  }
  InterestRequest request =
      Request("1", "1", "SEK", "01.01.2019", "01.01.2020", false, 3, "01.01.2020");
  request.modeIndex = 3;
  EXPECT_EQ(ComputeInterest(request).code, 0);
  request.modeIndex = 0;
  request.intermediateDecimals = 9;
  EXPECT_EQ(ComputeInterest(request).code, 0);
  request.intermediateDecimals = 1;
  request.finalDecimals = 3;
  const InterestStatement lowered = ComputeInterest(request);
  ASSERT_EQ(lowered.code, 1);
  EXPECT_EQ(lowered.finalDecimals, 1);
  EXPECT_EQ(Trim(lowered.capital), "1,0");
  // Odd amount texts are read as the window reads them.
  request.capital = "1.234,5 EUR";
  request.rate = "abc";
  const InterestStatement odd = ComputeInterest(request);
  EXPECT_EQ(Trim(odd.capital), "1234,5");
  EXPECT_EQ(odd.rate, "0,000");
}

TEST(FieldAmount, ReadsLikeTheWindow) {
  EXPECT_EQ(FieldAmount("1.234,5 EUR"), 1234.5L);
  EXPECT_EQ(FieldAmount(""), 0.0L);
  EXPECT_EQ(FieldAmount(","), 0.0L);
  EXPECT_EQ(FieldAmount(",5"), 0.5L);
  EXPECT_EQ(FieldAmount("-7"), 7.0L);
  EXPECT_TRUE(std::isinf(FieldAmount(std::string(6000, '9'))));
}

TEST(InterestAmounts, MethodsOfThePeriod) {
  const InterestAmounts act = InterestActAct(0, 5, 2, 0, 364, 1, 10, 1000);
  EXPECT_EQ(act.perDay.text, "0,27397");
  EXPECT_EQ(act.perLeapDay.text, "0,27322");
  EXPECT_EQ(act.forDays.text, "99,72508");
  EXPECT_EQ(act.total.text, "100,00");
  EXPECT_EQ(act.sum.text, "1100,00");
  const InterestAmounts a360 = Interest360(0, 5, 2, 0, 361, 10, 1000);
  EXPECT_EQ(a360.perDay.text, "0,27778");
  EXPECT_EQ(a360.forDays.text, "100,27858");
  EXPECT_EQ(a360.total.text, "100,28");
  const InterestAmounts a365 = Interest365(2, 2, 0, 1, 0, 10, 1000);
  EXPECT_EQ(a365.forYears.text, "100,00");
  EXPECT_EQ(a365.total.text, "100");
  EXPECT_EQ(a365.perLeapDay.text, "0");
  // "mathe.": 0,125 per day goes to 0,12.
  EXPECT_EQ(Interest360(2, 2, 2, 0, 1, 4.5, 1000).perDay.text, "0,12");
  EXPECT_EQ(Interest360(0, 2, 2, 0, 1, 4.5, 1000).perDay.text, "0,13");
  // An unknown mode rounds nothing.
  EXPECT_EQ(Interest360(5, 2, 2, 0, 1, 4.5, 1000).perDay.text, "0");
  const InterestAmounts big = Interest365(0, 5, 2, 0, 728, 100, 2000000000);
  EXPECT_TRUE(big.overflow);
  EXPECT_EQ(big.total.text, "0");
}

TEST(EuroRate, TextsAndConversions) {
  const struct {
    const char* code;
    const char* text;
  } kRates[] = {
      {"BEF", "40,3399"}, {"DEM", "1,95583"},  {"GRD", "340,750"}, {"ESP", "166,386"},
      {"FRF", "6,55957"}, {"IEP", "0,787564"}, {"ITL", "1936,27"}, {"LUF", "40,3399"},
      {"NLG", "2,20371"}, {"ATS", "13,7603"},  {"PTE", "200,482"}, {"FIM", "5,94573"},
      {"SEK", "-1"},      {"EUR", "-1"},       {"", "-1"},         {"dem", "-1"},
  };
  for (const auto& c : kRates) EXPECT_EQ(EuroRateText(c.code), c.text) << c.code;
  {
    SeparatorScope point('.');
    EXPECT_EQ(EuroRateText("IEP"), "0.787564");
    EXPECT_EQ(ToEuro("DEM", 2, 1000)->text, "511.29");
  }
  EXPECT_EQ(ToEuro("DEM", 2, 1000)->text, "511,29");
  EXPECT_EQ(ToEuro("ITL", 2, 1000000)->text, "516,46");
  EXPECT_EQ(ToEuro("IEP", 2, 1000)->text, "1269,74");
  EXPECT_EQ(ToEuro("GRD", 0, 340.75L)->text, "1");
  EXPECT_FALSE(ToEuro("USD", 2, 1000).has_value());
  EXPECT_EQ(ToEuro("IEP", 2, 2000000000)->value, kRoundTooLarge);
}

TEST(ValutaDay, WorkingDaysOfThePayRegion) {
  const struct {
    const char* pay;
    const char* region;
    ValutaKind kind;
    const char* valuta;
  } kCases[] = {
      {"04.01.2020", "D-NI", ValutaKind::WorkdayWithoutSaturday, "06.01.2020"},
      {"04.01.2020", "D-BY", ValutaKind::WorkdayWithoutSaturday, "07.01.2020"},  // Dreikönig
      {"04.01.2020", "D-BY", ValutaKind::Workday, "04.01.2020"},
      {"05.01.2020", "D-NI", ValutaKind::Workday, "06.01.2020"},
      {"05.01.2020", "D-NI", ValutaKind::EveryDay, "05.01.2020"},
      {"25.12.2021", "D-NI", ValutaKind::Workday, "27.12.2021"},
      {"24.12.2021", "D-NI", ValutaKind::WorkdayWithoutSaturday, "24.12.2021"},
      {"10.04.2020", "D-NI", ValutaKind::WorkdayWithoutSaturday, "14.04.2020"},  // Easter
      {"31.10.2019", "D-BY", ValutaKind::WorkdayWithoutSaturday, "31.10.2019"},
      {"31.10.2019", "D-SN", ValutaKind::WorkdayWithoutSaturday, "01.11.2019"},
      {"08.12.2019", "A-W", ValutaKind::Workday, "09.12.2019"},
      {"31.12.3000", "D-NI", ValutaKind::WorkdayWithoutSaturday, "31.12.3000"},
      {"01.01.0001", "D-NI", ValutaKind::WorkdayWithoutSaturday, "01.01.0001"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ValutaDate(c.pay, c.region, c.kind), c.valuta) << c.pay << " " << c.region;
    EXPECT_EQ(ValutaDay(Jd(c.pay), c.region, c.kind), Jd(c.valuta));
  }
  EXPECT_EQ(ValutaDate("32.01.2020", "D-NI", ValutaKind::Workday), "");
  EXPECT_EQ(ValutaDate("", "D-NI", ValutaKind::Workday), "");
  EXPECT_EQ(ValutaKindText(ValutaKind::Workday), "Werktag");
  EXPECT_EQ(ValutaKindOfText("jeder Tag"), ValutaKind::EveryDay);
  EXPECT_EQ(ValutaKindOfText("Werktage"), std::nullopt);
  EXPECT_TRUE(IsLegalHolidayIn(Jd("03.10.2024"), "D-NI"));
  EXPECT_FALSE(IsLegalHolidayIn(Jd("06.01.2024"), "D-NI"));
}

TEST(InterestPeriodLines, DaysWeeksAndYears) {
  const std::vector<std::string> expected = {
      "", "Vom 01.01.2020 (excl.) bis zum 01.01.2021 (incl.) sind vergangen:",
      "", "366 Tage",
      "", "52 Zeitwochen, 2 Tage ",
      "", "1 Zeitjahr, 0 Tage",
      "", "0 Kalenderjahre, 366 Tage",
      "", "0 Röm. Kalenderjahre, 366 Tage",
  };
  EXPECT_EQ(InterestPeriodLines("01.01.2020", "01.01.2021", false, true), expected);
  EXPECT_EQ(InterestPeriodLines("01.01.2021", "01.01.2020", false, true), expected);
  const std::vector<std::string> one = InterestPeriodLines("01.03.2019", "29.02.2020", true, true);
  ASSERT_EQ(one.size(), 12u);
  EXPECT_EQ(one[3], "366 Tage");
  EXPECT_EQ(one[5], "52 Zeitwochen, 2 Tage ");
  EXPECT_EQ(one[11], "1 Röm. Kalenderjahr, 0 Tage");
  const std::vector<std::string> day = InterestPeriodLines("07.01.2020", "08.01.2020", false, true);
  EXPECT_EQ(day[3], "1 Tag");
  EXPECT_EQ(day[5], "0 Zeitwochen, 1 Tag ");
  const std::vector<std::string> equal =
      InterestPeriodLines("07.01.2020", "07.01.2020", true, true);
  EXPECT_EQ(equal[3], "1 Tag");
  EXPECT_TRUE(InterestPeriodLines("x", "07.01.2020", true, true).empty());
  EXPECT_EQ(InterestPeriodText("x", "", true, true), "");
}

}  // namespace
}  // namespace engine

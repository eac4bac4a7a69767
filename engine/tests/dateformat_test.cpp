// SPDX-License-Identifier: MIT
#include "engine/dateformat.h"

#include <gtest/gtest.h>

#include "engine/daynumber.h"

namespace engine {
namespace {

TEST(DateFormat, MonthNamesOfEveryLanguage) {
  EXPECT_EQ(MonthNameIn(Language::German, 3), "März");
  EXPECT_EQ(MonthNameIn(Language::English, 5), "May");
  EXPECT_EQ(MonthNameIn(Language::French, 2), "février");
  EXPECT_EQ(MonthNameIn(Language::French, 8), "août");
  EXPECT_EQ(MonthNameIn(Language::Spanish, 9), "septiembre");
  EXPECT_EQ(ShortMonthName(Language::German, 3), "Mrz");
  EXPECT_EQ(ShortMonthName(Language::German, 5), "Mai");
  EXPECT_EQ(ShortMonthName(Language::German, 10), "Okt");
  EXPECT_EQ(ShortMonthName(Language::English, 9), "Sep");
  EXPECT_EQ(ShortMonthName(Language::French, 9), "");
  for (Language language :
       {Language::German, Language::English, Language::French, Language::Spanish}) {
    EXPECT_EQ(MonthNameIn(language, 0), "");
    EXPECT_EQ(MonthNameIn(language, 13), "");
    EXPECT_EQ(ShortMonthName(language, -1), "");
  }
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(MonthNameIn(Language::German, month), MonthName(month));
    EXPECT_EQ(ShortMonthName(Language::English, month).size(), 3u);
    EXPECT_EQ(ShortMonthName(Language::German, month).size(), 3u);
  }
}

TEST(DateFormat, SplitDateTextTakesThePositions) {
  const DateFields date = SplitDateText("08.02.2026");
  EXPECT_EQ(date.dd, "08");
  EXPECT_EQ(date.mm, "02");
  EXPECT_EQ(date.yyyy, "2026");
  EXPECT_EQ(date.Yy(), "26");
  EXPECT_EQ(date.D(), "8");
  EXPECT_EQ(date.M(), "2");
  EXPECT_EQ(date.Month(), 2);
  EXPECT_EQ(SplitDateText("31.12.0999").D(), "31");
  EXPECT_EQ(SplitDateText("31.12.0999").Yy(), "99");

  // Short or odd texts give short or empty fields, never a crash.
  const DateFields shortText = SplitDateText("08.1");
  EXPECT_EQ(shortText.dd, "08");
  EXPECT_EQ(shortText.mm, "1");
  EXPECT_EQ(shortText.yyyy, "");
  EXPECT_EQ(shortText.Yy(), "");
  EXPECT_EQ(shortText.Month(), 0);
  EXPECT_EQ(SplitDateText("").dd, "");
  EXPECT_EQ(WrittenDateText(SplitDateText("x"), WrittenForm::EnglishMonthFirst), " xth, ");
}

TEST(DateFormat, NumericFormsOfEveryOrderAndSeparator) {
  const DateFields date = SplitDateText("08.02.2026");
  const struct {
    DateOrder order;
    const char* separator;
    NumericStyle style;
    const char* text;
  } kCases[] = {
      {DateOrder::DayMonthYear, "-", NumericStyle::Full, "08-02-2026"},
      {DateOrder::DayMonthYear, "-", NumericStyle::ShortYear, "08-02-26"},
      {DateOrder::DayMonthYear, "-", NumericStyle::Unpadded, "8-2-26"},
      {DateOrder::DayMonthYear, "/", NumericStyle::Full, "08/02/2026"},
      {DateOrder::DayMonthYear, "/", NumericStyle::ShortYear, "08/02/26"},
      {DateOrder::DayMonthYear, "/", NumericStyle::Unpadded, "8/2/26"},
      {DateOrder::DayMonthYear, ".", NumericStyle::Full, "08.02.2026"},
      {DateOrder::DayMonthYear, ".", NumericStyle::ShortYear, "08.02.26"},
      {DateOrder::DayMonthYear, ".", NumericStyle::Unpadded, "8.2.26"},
      {DateOrder::YearMonthDay, "-", NumericStyle::Full, "2026-02-08"},
      {DateOrder::YearMonthDay, "-", NumericStyle::ShortYear, "26-02-08"},
      {DateOrder::YearMonthDay, "-", NumericStyle::Unpadded, "26-2-8"},
      {DateOrder::YearMonthDay, "/", NumericStyle::Full, "2026/02/08"},
      {DateOrder::YearMonthDay, "/", NumericStyle::ShortYear, "26/02/08"},
      {DateOrder::YearMonthDay, "/", NumericStyle::Unpadded, "26/2/8"},
      {DateOrder::YearMonthDay, "", NumericStyle::Full, "20260208"},
      {DateOrder::YearMonthDay, "", NumericStyle::ShortYear, "260208"},
      {DateOrder::MonthDayYear, "-", NumericStyle::Full, "02-08-2026"},
      {DateOrder::MonthDayYear, "-", NumericStyle::ShortYear, "02-08-26"},
      {DateOrder::MonthDayYear, "-", NumericStyle::Unpadded, "2-8-26"},
      {DateOrder::MonthDayYear, "/", NumericStyle::Full, "02/08/2026"},
      {DateOrder::MonthDayYear, "/", NumericStyle::ShortYear, "02/08/26"},
      {DateOrder::MonthDayYear, "/", NumericStyle::Unpadded, "2/8/26"},
      {DateOrder::DayMonthYear, "\\", NumericStyle::Full, "08\\02\\2026"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(NumericDateText(date, c.order, c.separator, c.style), c.text) << c.text;
  }
  // Two-digit days and months keep both digits when unpadded.
  EXPECT_EQ(NumericDateText(SplitDateText("10.11.2000"), DateOrder::DayMonthYear, ".",
                            NumericStyle::Unpadded),
            "10.11.00");
}

TEST(DateFormat, WrittenFormsInFourLanguages) {
  const DateFields december = SplitDateText("08.12.2026");
  const struct {
    WrittenForm form;
    const char* text;
  } kCases[] = {
      {WrittenForm::GermanLong, "8. Dezember 2026"},
      {WrittenForm::GermanLongShortYear, "8. Dezember 26"},
      {WrittenForm::GermanShort, "08 Dez 2026"},
      {WrittenForm::EnglishLong, "8. December 2026"},
      {WrittenForm::EnglishLongShortYear, "8. December 26"},
      {WrittenForm::EnglishShort, "08 Dec 2026"},
      {WrittenForm::French, "8 décembre 2026"},
      {WrittenForm::FrenchShortYear, "8 décembre 26"},
      {WrittenForm::Spanish, "8 de diciembre de 2026"},
      {WrittenForm::SpanishShortYear, "8 de diciembre de 26"},
      {WrittenForm::EnglishYearFirst, "2026 December 08"},
      {WrittenForm::EnglishYearFirstShortMonth, "2026 Dec 08"},
      {WrittenForm::EnglishMonthFirst, "December 08th, 2026"},
      {WrittenForm::EnglishMonthFirstUnpadded, "December 8th, 26"},
      {WrittenForm::EnglishShortMonthFirst, "Dec 08 2026"},
      {WrittenForm::EnglishShortMonthPunctuated, "Dec. 08, 2026"},
  };
  for (const auto& c : kCases) EXPECT_EQ(WrittenDateText(december, c.form), c.text) << c.text;

  EXPECT_EQ(WrittenDateText(SplitDateText("01.03.2026"), WrittenForm::GermanShort), "01 Mrz 2026");
  EXPECT_EQ(WrittenDateText(SplitDateText("01.03.2026"), WrittenForm::GermanLong), "1. März 2026");
  // "th" for every day, as the form is used.
  EXPECT_EQ(WrittenDateText(SplitDateText("01.08.2026"), WrittenForm::EnglishMonthFirstUnpadded),
            "August 1th, 26");
  EXPECT_EQ(WrittenDateText(SplitDateText("22.08.2026"), WrittenForm::FrenchShortYear),
            "22 août 26");
}

TEST(DateFormat, MakeZoneDateTimeConvertsToUtcWithTheDayCarry) {
  const struct {
    const char* date;
    const char* time;
    const char* offset;
    const char* utcDate;
    const char* utcTime;
    int utcMillis;
  } kCases[] = {
      {"31.12.2026", "23:30", "-01:00", "01.01.2027", "00:30", 1'800'000},
      {"01.01.2027", "00:30", "+01:00", "31.12.2026", "23:30", 84'600'000},
      {"08.12.2026", "12:30:15", "+01:00", "08.12.2026", "11:30:15", 41'415'000},
      {"08.12.2026", "12:30:15.250", "+05:30", "08.12.2026", "07:00:15.250", 25'215'250},
      {"28.02.2024", "22:00", "-03:00", "29.02.2024", "01:00", 3'600'000},
      {"01.03.2023", "01:00", "+02:00", "28.02.2023", "23:00", 82'800'000},
      {"08.12.2026", "24:00", "+00:00", "09.12.2026", "00:00", 0},
      {"08.12.2026", "24:00", "-24:00", "10.12.2026", "00:00", 0},
      {"01.01.0001", "00:00", "+01:00", "31.12.0000", "23:00", 82'800'000},
      {"31.12.3000", "23:00:00", "-02:00", "01.01.3001", "01:00:00", 3'600'000},
  };
  for (const auto& c : kCases) {
    const auto moment = MakeZoneDateTime(c.date, c.time, c.offset);
    ASSERT_TRUE(moment) << c.date << ' ' << c.time;
    EXPECT_EQ(NumericDateText(moment->utcDate, DateOrder::DayMonthYear, ".", NumericStyle::Full),
              c.utcDate)
        << c.date << ' ' << c.time << ' ' << c.offset;
    EXPECT_EQ(moment->utcTime, c.utcTime) << c.date << ' ' << c.time;
    EXPECT_EQ(moment->utcMillis, c.utcMillis) << c.date << ' ' << c.time;
    EXPECT_EQ(FormatDateText(CivilDateOf(moment->utcDayNumber, CalendarKind::Gregorian)),
              c.utcDate);
  }
}

TEST(DateFormat, MakeZoneDateTimeNormalisesTheOffset) {
  const auto moment = MakeZoneDateTime("08.12.2026", "12:30", "+05:45:30");
  ASSERT_TRUE(moment);
  EXPECT_EQ(moment->offset, "+05:45");
  EXPECT_EQ(moment->offsetMillis, 20'700'000);
  EXPECT_EQ(moment->utcTime, "06:45");
  const auto negative = MakeZoneDateTime("08.12.2026", "12:30", "-03:30");
  ASSERT_TRUE(negative);
  EXPECT_EQ(negative->offsetMillis, -12'600'000);
  EXPECT_EQ(negative->utcTime, "16:00");
  // Clamped like every time text: minutes above 59 become 59.
  const auto clamped = MakeZoneDateTime("08.12.2026", "12:75", "+01:00");
  ASSERT_TRUE(clamped);
  EXPECT_EQ(clamped->time, "12:59");
}

TEST(DateFormat, MakeZoneDateTimeRefusesBadInput) {
  const struct {
    const char* date;
    const char* time;
    const char* offset;
  } kCases[] = {
      {"31.04.2026", "12:00", "+01:00"},
      {"8.12.2026", "12:00", "+01:00"},
      {"08.12.26", "12:00", "+01:00"},
      {"08.12.-026", "12:00", "+01:00"},
      {"08.12.3001", "12:00", "+01:00"},
      {"08.12.2026x", "12:00", "+01:00"},
      {"", "12:00", "+01:00"},
      {"08.12.2026", "12", "+01:00"},
      {"08.12.2026", "+12:00", "+01:00"},
      {"08.12.2026", "12:00:0", "+01:00"},
      {"08.12.2026", "12:00", "01:00"},
      {"08.12.2026", "12:00", "+1:00"},
      {"08.12.2026", "12:00", ""},
      {"08.12.2026", "", "+01:00"},
  };
  for (const auto& c : kCases) {
    EXPECT_FALSE(MakeZoneDateTime(c.date, c.time, c.offset))
        << c.date << ' ' << c.time << ' ' << c.offset;
    EXPECT_EQ(ToUtc(c.date, c.time, c.offset), "");
  }
}

TEST(DateFormat, TwelveHourTimeKeepsTheLength) {
  const struct {
    const char* time;
    const char* text;
  } kCases[] = {
      {"13:30:00", "01:30:00 PM"},
      {"00:15", "12:15 AM"},
      {"11:59:59.999", "11:59:59.999 AM"},
      {"12:00", "12:00 PM"},
      {"23:59", "11:59 PM"},
      {"09:05:07", "09:05:07 AM"},
      {"bad", ""},
      {"", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(TwelveHourTime(c.time), c.text) << c.time;
}

TEST(DateFormat, ZoneFormsWithOffsetAndInUtc) {
  const auto moment = MakeZoneDateTime("08.12.2026", "12:30", "+01:00");
  ASSERT_TRUE(moment);
  const struct {
    ZoneForm form;
    const char* text;
  } kCases[] = {
      {ZoneForm::ToUtc, "08.12.2026, 11:30 UTC 00:00"},
      {ZoneForm::XsDateTime, "2026-12-08T12:30+01:00"},
      {ZoneForm::XsDateTimeUtc, "2026-12-08T11:30Z"},
      {ZoneForm::GermanNumeric, "08.12.2026, 12:30, UTC+01:00"},
      {ZoneForm::GermanNumericUtc, "08.12.2026, 11:30, UTC"},
      {ZoneForm::GermanShortMonth, "08 Dez 2026 12:30 UTC+01:00"},
      {ZoneForm::IsoDate, "2026-12-08 12:30 UTC+01:00"},
      {ZoneForm::IsoDateUtc, "2026-12-08 11:30 UTC"},
      {ZoneForm::EnglishYearFirst, "2026 Dec 08 12:30 UTC+01:00"},
      {ZoneForm::MonthDayYear, "12-08-2026 12:30 UTC+01:00"},
      {ZoneForm::MonthDayYearUtc, "12-08-2026 11:30 UTC"},
      {ZoneForm::ShortMonthFirst, "Dec 08 2026 12:30 UTC+01:00"},
      {ZoneForm::TwelveHour, "12:30 PM 12/08/2026 UTC+01:00"},
      {ZoneForm::TwelveHourShortMonth, "12:30 PM Dec 08 2026 UTC+01:00"},
      {ZoneForm::TwelveHourUtc, "11:30 AM 12/08/2026 UTC"},
  };
  for (const auto& c : kCases) EXPECT_EQ(ZoneDateTimeText(*moment, c.form), c.text) << c.text;
}

TEST(DateFormat, UtcFormsFollowTheCarriedDate) {
  const auto moment = MakeZoneDateTime("31.12.2026", "23:30:00.000", "-01:00");
  ASSERT_TRUE(moment);
  EXPECT_EQ(ZoneDateTimeText(*moment, ZoneForm::ToUtc), "01.01.2027, 00:30:00.000 UTC 00:00");
  EXPECT_EQ(ZoneDateTimeText(*moment, ZoneForm::XsDateTime), "2026-12-31T23:30:00.000-01:00");
  EXPECT_EQ(ZoneDateTimeText(*moment, ZoneForm::XsDateTimeUtc), "2027-01-01T00:30:00.000Z");
  EXPECT_EQ(ZoneDateTimeText(*moment, ZoneForm::TwelveHourUtc), "12:30:00.000 AM 01/01/2027 UTC");
  EXPECT_EQ(ToUtc("31.12.2026", "23:30", "-01:00"), "01.01.2027, 00:30 UTC 00:00");
}

}  // namespace
}  // namespace engine

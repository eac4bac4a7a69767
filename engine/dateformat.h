// SPDX-License-Identifier: MIT
// Date notations for people: one Gregorian date in the numeric orders and
// separators, written out in German, English, French and Spanish, and one
// date and time of day in a zone offset as the zone date-time forms, the
// "UTC" forms among them converted to universal time with the day carry.
//
// Every step takes what it needs as values: `SplitDateText` gives the fields
// of a date, `MakeZoneDateTime` checks a date, time and offset and gives both
// the local and the UTC fields. Nothing is kept between calls. The technical
// notations (Julian Date, serial date, Unix time, time stamps, date-time
// group, xs:dateTime parsing) are in dateformat_technical.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

enum class Language { German, English, French, Spanish };

// MonthNameIn: the month name (1..12) in the language; "" for any other month.
std::string MonthNameIn(Language language, int month);  // (French, 8) -> "août"

// ShortMonthName: the three-letter month of German ("Mrz" for March) or
// English; "" for French, Spanish and any month outside 1..12.
std::string ShortMonthName(Language language, int month);  // (German, 3) -> "Mrz"

// The fields of a date text DD.MM.YYYY, as the digits stand there.
struct DateFields {
  std::string dd;
  std::string mm;
  std::string yyyy;

  // The year's last two digits, as the third and fourth characters of YYYY.
  std::string Yy() const;  // {"08", "12", "2026"} -> "26"
  // Day and month without a leading zero.
  std::string D() const;  // {"08", "12", "2026"} -> "8"
  std::string M() const;  // {"08", "02", "2026"} -> "2"
  // The month number of MM, 0 when unreadable.
  int Month() const;  // {"08", "12", "2026"} -> 12
};

// SplitDateText: DD, MM and YYYY from the characters 1-2, 4-5 and 7-10 of the
// date, without checking it; a field beyond the end of the text is empty.
DateFields SplitDateText(std::string_view date);  // "08.12.2026" -> {"08", "12", "2026"}

// ---- Numeric dates -----------------------------------------------------------

enum class DateOrder { DayMonthYear, YearMonthDay, MonthDayYear };
enum class NumericStyle {
  Full,       // DD-MM-YYYY
  ShortYear,  // DD-MM-YY
  Unpadded,   // D-M-YY
};

// NumericDateText: the fields in the order, joined by the separator ("" for
// none), in the style.
std::string NumericDateText(const DateFields& date, DateOrder order, std::string_view separator,
                            NumericStyle style);  // YearMonthDay, "/", Unpadded -> "26/12/8"

// ---- Written-out dates ---------------------------------------------------------

enum class WrittenForm {
  GermanLong,                   // 8. Dezember 2026
  GermanLongShortYear,          // 8. Dezember 26
  GermanShort,                  // 08 Dez 2026
  EnglishLong,                  // 8. December 2026
  EnglishLongShortYear,         // 8. December 26
  EnglishShort,                 // 08 Dec 2026
  French,                       // 8 décembre 2026
  FrenchShortYear,              // 8 décembre 26
  Spanish,                      // 8 de diciembre de 2026
  SpanishShortYear,             // 8 de diciembre de 26
  EnglishYearFirst,             // 2026 December 08
  EnglishYearFirstShortMonth,   // 2026 Dec 08
  EnglishMonthFirst,            // December 08th, 2026
  EnglishMonthFirstUnpadded,    // December 8th, 26
  EnglishShortMonthFirst,       // Dec 08 2026
  EnglishShortMonthPunctuated,  // Dec. 08, 2026
};

// WrittenDateText: the date in the written-out form; month names of a month
// outside 1..12 are empty. Every day gets the suffix "th".
std::string WrittenDateText(const DateFields& date,
                            WrittenForm form);  // {"01","03","2026"}, GermanShort -> "01 Mrz 2026"

// ---- Zone date-times -------------------------------------------------------------

// A date and time of day at a zone offset and the same moment in UTC: the
// values every zone and technical form is built from.
struct ZoneDateTime {
  DateFields date;       // the local date
  std::string time;      // hh:mm, hh:mm:ss or hh:mm:ss.mmm, as long as the input
  std::string offset;    // +hh:mm or -hh:mm
  DateFields utcDate;    // may lie a day before or after the local date
  std::string utcTime;   // as long as `time`
  int utcDayNumber = 0;  // Gregorian day number of the UTC date
  int utcMillis = 0;     // milliseconds of the UTC time of day, 0..86399999
  int offsetMillis = 0;  // the offset with its sign
};

// MakeZoneDateTime: nullopt unless the date is a Gregorian DD.MM.YYYY in the
// supported range, the time has one of the three forms, and the offset is a
// signed time text (normalised by NormalizeTimeText, minutes and seconds
// above 59 and hours above 24 clamped, and cut to +hh:mm). UTC is the time
// minus the offset, moved by its day carry.
//   MakeZoneDateTime("31.12.2026", "23:30", "-01:00")
//       -> utcDate {"01", "01", "2027"}, utcTime "00:30"
std::optional<ZoneDateTime> MakeZoneDateTime(std::string_view date, std::string_view time,
                                             std::string_view offset);

// TwelveHourTime: the time on the 12-hour clock, as long as the input, with
// " AM" below 12 hours and " PM" from 12 on; "" for a time that is not
// hh:mm, hh:mm:ss or hh:mm:ss.mmm.
std::string TwelveHourTime(std::string_view time);  // "13:30:00" -> "01:30:00 PM"

enum class ZoneForm {
  ToUtc,                 // 08.12.2026, 11:30 UTC 00:00
  XsDateTime,            // 2026-12-08T12:30+01:00
  XsDateTimeUtc,         // 2026-12-08T11:30Z
  GermanNumeric,         // 08.12.2026, 12:30, UTC+01:00
  GermanNumericUtc,      // 08.12.2026, 11:30, UTC
  GermanShortMonth,      // 08 Dez 2026 12:30 UTC+01:00
  IsoDate,               // 2026-12-08 12:30 UTC+01:00
  IsoDateUtc,            // 2026-12-08 11:30 UTC
  EnglishYearFirst,      // 2026 Dec 08 12:30 UTC+01:00
  MonthDayYear,          // 12-08-2026 12:30 UTC+01:00
  MonthDayYearUtc,       // 12-08-2026 11:30 UTC
  ShortMonthFirst,       // Dec 08 2026 12:30 UTC+01:00
  TwelveHour,            // 12:30 PM 12/08/2026 UTC+01:00
  TwelveHourShortMonth,  // 12:30 PM Dec 08 2026 UTC+01:00
  TwelveHourUtc,         // 11:30 AM 12/08/2026 UTC
};

// ZoneDateTimeText: the moment in the zone form.
std::string ZoneDateTimeText(const ZoneDateTime& moment,
                             ZoneForm form);  // 08.12.2026 12:30 +01:00, IsoDateUtc
                                              //   -> "2026-12-08 11:30 UTC"

// ToUtc: the UTC form of a date, time and offset; "" when MakeZoneDateTime
// refuses them.
std::string ToUtc(std::string_view date, std::string_view time,
                  std::string_view offset);  // ("31.12.2026", "23:30", "-01:00")
                                             //   -> "01.01.2027, 00:30 UTC 00:00"

}  // namespace engine

// SPDX-License-Identifier: MIT
// Date notations for programs and instruments: Julian Date and Modified
// Julian Date (also as whole day plus seconds or milliseconds), the serial
// date counted from 30.12.1899, Unix time, the compact time stamps, the NATO
// date-time group with its zone letters, and the reading of xs:dateTime
// texts.
//
// All of them are computed from a UTC moment in whole numbers: a Gregorian
// day number and the milliseconds since midnight. The Julian day begins at
// noon, and which day a moment belongs to is decided on those integers, never
// on a floating fraction of the day. Day fractions are rounded once, in mode
// "math" to five decimals, from the exact milliseconds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/dateformat.h"

namespace engine {

// A moment in UTC: the Gregorian day number of the date and the milliseconds
// since its midnight, 0..86399999.
struct UtcInstant {
  int dayNumber = 0;
  int millis = 0;
};

// UtcInstantOf: the UTC moment of a zone date-time.
UtcInstant UtcInstantOf(const ZoneDateTime& moment);

// The Julian day of a moment and the time since its noon.
struct NoonSplit {
  int julianDay = 0;         // the day number, or the one before it in the morning
  int secondsSinceNoon = 0;  // 0..86399
  int millis = 0;            // of the second, 0..999
};

// SplitAtNoon: a moment from 12:00:00.000 UTC on belongs to its own day
// number, a moment before noon to the one before.
NoonSplit SplitAtNoon(UtcInstant instant);  // {2461383, 45000000} -> {2461383, 1800, 0}

// The texts for moments before the epochs of the MJD and the serial date.
inline constexpr std::string_view kBeforeMjdEpoch = "<<<17.11.1858, 00:00 UTC";
inline constexpr std::string_view kBeforeSerialEpoch = "<<<30.12.1899, 00:00 UTC";

// JulianDateText: the Julian Date with up to five decimals; a whole result
// gets the decimal separator and "0".
std::string JulianDateText(UtcInstant instant);  // {2461383, 43200000} -> "2461383,0"

// JulianDateText: the same of a UTC date DD.MM.YYYY and time hh:mm[:ss[.mmm]];
// "" when either is invalid.
std::string JulianDateText(std::string_view utcDate,
                           std::string_view utcTime);  // ("01.01.1970", "00:00") -> "2440587,5"

// JulianDateSecondsText: the Julian day, "s" and the seconds since noon.
std::string JulianDateSecondsText(UtcInstant instant);  // {2461383, 45000000} -> "2461383s1800"

// JulianDateMillisText: the Julian day, "m", the seconds since noon and three
// digits of milliseconds.
std::string JulianDateMillisText(UtcInstant instant);  // {2461383, 45000250} -> "2461383m1800250"

// ModifiedJulianDateText: JD - 2400000.5 with up to five decimals;
// kBeforeMjdEpoch before 17.11.1858 00:00 UTC.
std::string ModifiedJulianDateText(UtcInstant instant);  // {2461383, 43200000} -> "61382,5"

// ModifiedJulianDateSecondsText, ModifiedJulianDateMillisText: the whole MJD,
// "s" or "m", the seconds since midnight (and three digits of milliseconds);
// kBeforeMjdEpoch before the epoch.
std::string ModifiedJulianDateSecondsText(
    UtcInstant instant);  // {2461383, 45000000} -> "61382s45000"
std::string ModifiedJulianDateMillisText(
    UtcInstant instant);  // {2461383, 45000250} -> "61382m45000250"

// SerialDateText: days since 30.12.1899 00:00 UTC (MJD - 15018) with up to
// five decimals; kBeforeSerialEpoch before that moment.
std::string SerialDateText(UtcInstant instant);  // {2440588, 0} -> "25569"

// UnixTime: whole seconds since 01.01.1970 00:00 UTC, negative before.
std::int64_t UnixTime(UtcInstant instant);  // {2440588, 1500} -> 1

// ZoneSerialValue: the serial date of the local time (the UTC moment plus the
// signed offset), rounded in mode "math" to five decimals; -1 when the UTC
// moment or the local time lies before 30.12.1899 00:00, or the inputs are
// refused by MakeZoneDateTime.
double ZoneSerialValue(std::string_view date, std::string_view time,
                       std::string_view offset);  // ("30.12.1899", "06:00", "+00:00") -> 0.25
double ZoneSerialValue(const ZoneDateTime& moment);

// ZoneSerialText: ZoneSerialValue as a decimal text, kBeforeSerialEpoch for -1.
std::string ZoneSerialText(const ZoneDateTime& moment);  // 01.01.1970 06:00 +06:00 -> "25569,25"

// The texts the time stamps hold before a date-time could be built.
inline constexpr std::string_view kZoneStampName = "ZoneDateTimeMToYYYYMMDD_HHMMSSMMM";
inline constexpr std::string_view kUtcStampName = "ZoneDateTimeMToUTCYYYYMMDD_HHMMSSMMM";

// ZoneTimeStamp: YYYYMMDDhhmmssmmm of the local time, "p" or "m" for the
// offset's sign and its hhmm; always all fields, whatever the input's length.
std::string ZoneTimeStamp(const ZoneDateTime& moment);  // -> "20261208123000000p0100"
// UtcTimeStamp: YYYYMMDDhhmmssmmm of the UTC time and "z".
std::string UtcTimeStamp(const ZoneDateTime& moment);  // -> "20261208113000000z"
// The same of texts; kZoneStampName or kUtcStampName when MakeZoneDateTime
// refuses them.
std::string ZoneTimeStamp(std::string_view date, std::string_view time, std::string_view offset);
std::string UtcTimeStamp(std::string_view date, std::string_view time, std::string_view offset);

// ZoneLetter: the military zone letter of an offset +hh:mm or -hh:mm with
// its suffix ("*" for 30 minutes and for +13 hours, "#" for 45 minutes, "+"
// for +14 hours); "J" (local time) for an offset without sign or colon, with
// minutes other than 0, 30 and 45, outside -12:00..+14:00, or +12:30.
std::string ZoneLetter(std::string_view offset);  // "+05:30" -> "E*"

// DateTimeGroup: DD, hhmm, the zone letter, the lower-case English month and
// YY of the local date-time.
std::string DateTimeGroup(const ZoneDateTime& moment);  // 08.12.2026 12:30 +01:00 -> "081230Adec26"
// UtcDateTimeGroup: the same of the UTC date-time with the letter "Z".
std::string UtcDateTimeGroup(const ZoneDateTime& moment);  // -> "081130Zdec26"

// XsDateToGerman: DD.MM.YYYY of a date YYYY-MM-DD; "" for a text of another
// length or layout, or with a zero year, month or day.
std::string XsDateToGerman(std::string_view date);  // "2026-12-08" -> "08.12.2026"

// The parts of an xs:dateTime text; all empty unless ok.
struct XsDateTimeParts {
  bool ok = false;
  std::string date;    // DD.MM.YYYY
  std::string time;    // hh:mm:ss or hh:mm:ss.mmm, as given
  std::string offset;  // "00:00" for "Z" and a zero offset, else "+hh:mm" or "-hh:mm"
  std::string text;    // date + ", " + time + " UTC" + " 00:00" or the signed offset
};

// ParseXsDateTime: reads YYYY-MM-DDThh:mm:ss[.mmm] followed by "Z", +hh:mm,
// -hh:mm, +hhmm or -hhmm, of an existing date and time of day.
//   ParseXsDateTime("2026-12-08T12:30:00+0100")
//       -> {true, "08.12.2026", "12:30:00", "+01:00", "08.12.2026, 12:30:00 UTC+01:00"}
XsDateTimeParts ParseXsDateTime(std::string_view text);

}  // namespace engine

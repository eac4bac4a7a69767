// SPDX-License-Identifier: MIT
#include "engine/dateformat_technical.h"

#include <charconv>
#include <optional>

#include "engine/daynumber.h"
#include "engine/environment.h"
#include "engine/numbertext.h"
#include "engine/rounding.h"
#include "engine/timetext.h"

namespace engine {
namespace {

constexpr int kMillisPerDay = 86'400'000;
constexpr int kSecondsPerDay = 86'400;
constexpr int kSecondsAtNoon = 43'200;
constexpr int kMjdEpochDay = 2'400'001;         // 17.11.1858
constexpr int kSerialEpochDay = 2'415'019;      // 30.12.1899
constexpr int kUnixEpochJulianDay = 2'440'587;  // noon of 31.12.1969, half a day before 1970

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool DigitsAt(std::string_view text, std::size_t pos, std::size_t count) {
  if (pos + count > text.size()) return false;
  for (std::size_t i = pos; i < pos + count; ++i) {
    if (!IsDigit(text[i])) return false;
  }
  return true;
}

int TwoDigits(std::string_view text, std::size_t pos) {
  return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

// A day count with a rounded fraction: the whole days (after a carry from
// the rounding) and the decimals without trailing zeros.
struct DayValue {
  long long whole = 0;
  std::string decimals;
};

// Rounds millis / 86400000 once to five decimals in mode "math". The quotient
// of whole milliseconds is written exactly to the eight digits the rounding
// reads, and no millisecond count lies so near a tie that cutting there
// could make or hide one: ties are exactly the counts 432 mod 864.
DayValue RoundedDayValue(long long whole, int millis) {
  const RoundResult rounded =
      RoundMath(5, static_cast<long double>(millis) / static_cast<long double>(kMillisPerDay));
  DayValue value{whole, {}};
  if (rounded.text.size() < 3) return value;  // cannot happen for a value in [0, 1)
  if (rounded.text[0] == '1') ++value.whole;
  value.decimals = rounded.text.substr(2);
  while (!value.decimals.empty() && value.decimals.back() == '0') value.decimals.pop_back();
  return value;
}

// The general form of the value; `markWhole` writes a whole value with the
// separator and "0".
std::string DecimalText(const DayValue& value, bool markWhole) {
  std::string text = std::to_string(value.whole);
  if (!value.decimals.empty() || markWhole) {
    text += DecimalSeparator();
    text += value.decimals.empty() ? "0" : value.decimals;
  }
  return text;
}

std::string SecondsText(long long whole, char mark, int seconds) {
  return std::to_string(whole) + mark + std::to_string(seconds);
}

std::string MillisText(long long whole, char mark, int seconds, int millis) {
  std::string text = SecondsText(whole, mark, seconds);
  AppendZeroPadded(text, millis, 3);
  return text;
}

// YYYYMMDDhhmmssmmm of date fields and milliseconds of the day (86400000 is
// 24:00:00.000).
std::string StampDigits(const DateFields& date, int millis) {
  std::string text;
  text.reserve(22);
  text += date.yyyy;
  text += date.mm;
  text += date.dd;
  AppendZeroPadded(text, millis / 3'600'000, 2);
  AppendZeroPadded(text, millis / 60'000 % 60, 2);
  AppendZeroPadded(text, millis / 1000 % 60, 2);
  AppendZeroPadded(text, millis % 1000, 3);
  return text;
}

// The milliseconds of the local time of day, 24:00 included.
int LocalMillis(const ZoneDateTime& moment) {
  const TimeTextResult clock = NormalizeTimeText(moment.time);
  if (!clock.ok) return 0;
  const std::string_view c = clock.text;
  return ((TwoDigits(c, 0) * 60 + TwoDigits(c, 3)) * 60 + TwoDigits(c, 6)) * 1000 +
         TwoDigits(c, 9) * 10 + (c[11] - '0');
}

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string GroupText(const DateFields& date, std::string_view time, std::string_view letter) {
  std::string text;
  text.reserve(16);
  text += date.dd;
  text.append(time.substr(0, 2)).append(time.substr(3, 2));
  text += letter;
  text += LowerCase(ShortMonthName(Language::English, date.Month()));
  text += date.Yy();
  return text;
}

// The serial day count of the local time in milliseconds, nullopt before
// the epoch.
std::optional<long long> LocalSerialMillis(const ZoneDateTime& moment) {
  if (moment.utcDayNumber < kSerialEpochDay) return std::nullopt;
  const long long total =
      static_cast<long long>(moment.utcDayNumber - kSerialEpochDay) * kMillisPerDay +
      moment.utcMillis + moment.offsetMillis;
  if (total < 0) return std::nullopt;
  return total;
}

DayValue LocalSerialValue(long long total) {
  return RoundedDayValue(total / kMillisPerDay, static_cast<int>(total % kMillisPerDay));
}

// An offset of an xs:dateTime: +hh:mm, -hh:mm, +hhmm or -hhmm.
std::optional<std::string> XsOffset(std::string_view text) {
  if (text == "Z") return "00:00";
  if (text.size() != 5 && text.size() != 6) return std::nullopt;
  if (text[0] != '+' && text[0] != '-') return std::nullopt;
  const std::size_t minutes = text.size() == 6 ? 4 : 3;
  if ((text.size() == 6 && text[3] != ':') || !DigitsAt(text, 1, 2) || !DigitsAt(text, minutes, 2))
    return std::nullopt;
  const int h = TwoDigits(text, 1);
  const int m = TwoDigits(text, minutes);
  if (h > 23 || m > 59) return std::nullopt;
  if (h == 0 && m == 0) return "00:00";
  std::string offset(1, text[0]);
  AppendZeroPadded(offset, h, 2);
  offset += ':';
  AppendZeroPadded(offset, m, 2);
  return offset;
}

}  // namespace

UtcInstant UtcInstantOf(const ZoneDateTime& moment) {
  return {moment.utcDayNumber, moment.utcMillis};
}

NoonSplit SplitAtNoon(UtcInstant instant) {
  const int seconds = instant.millis / 1000;
  if (seconds >= kSecondsAtNoon) {
    return {instant.dayNumber, seconds - kSecondsAtNoon, instant.millis % 1000};
  }
  return {instant.dayNumber - 1, seconds + kSecondsAtNoon, instant.millis % 1000};
}

std::string JulianDateText(UtcInstant instant) {
  const NoonSplit split = SplitAtNoon(instant);
  const int sinceNoon = split.secondsSinceNoon * 1000 + split.millis;
  return DecimalText(RoundedDayValue(split.julianDay, sinceNoon), true);
}

std::string JulianDateText(std::string_view utcDate, std::string_view utcTime) {
  const std::optional<ZoneDateTime> moment = MakeZoneDateTime(utcDate, utcTime, "+00:00");
  return moment ? JulianDateText(UtcInstantOf(*moment)) : std::string();
}

std::string JulianDateSecondsText(UtcInstant instant) {
  const NoonSplit split = SplitAtNoon(instant);
  return SecondsText(split.julianDay, 's', split.secondsSinceNoon);
}

std::string JulianDateMillisText(UtcInstant instant) {
  const NoonSplit split = SplitAtNoon(instant);
  return MillisText(split.julianDay, 'm', split.secondsSinceNoon, split.millis);
}

std::string ModifiedJulianDateText(UtcInstant instant) {
  if (instant.dayNumber < kMjdEpochDay) return std::string(kBeforeMjdEpoch);
  return DecimalText(RoundedDayValue(instant.dayNumber - kMjdEpochDay, instant.millis), false);
}

std::string ModifiedJulianDateSecondsText(UtcInstant instant) {
  if (instant.dayNumber < kMjdEpochDay) return std::string(kBeforeMjdEpoch);
  return SecondsText(instant.dayNumber - kMjdEpochDay, 's', instant.millis / 1000);
}

std::string ModifiedJulianDateMillisText(UtcInstant instant) {
  if (instant.dayNumber < kMjdEpochDay) return std::string(kBeforeMjdEpoch);
  return MillisText(instant.dayNumber - kMjdEpochDay, 'm', instant.millis / 1000,
                    instant.millis % 1000);
}

std::string SerialDateText(UtcInstant instant) {
  if (instant.dayNumber < kSerialEpochDay) return std::string(kBeforeSerialEpoch);
  return DecimalText(RoundedDayValue(instant.dayNumber - kSerialEpochDay, instant.millis), false);
}

std::int64_t UnixTime(UtcInstant instant) {
  const NoonSplit split = SplitAtNoon(instant);
  return (static_cast<std::int64_t>(split.julianDay) - kUnixEpochJulianDay) * kSecondsPerDay -
         kSecondsAtNoon + split.secondsSinceNoon;
}

double ZoneSerialValue(const ZoneDateTime& moment) {
  const std::optional<long long> total = LocalSerialMillis(moment);
  if (!total) return -1.0;
  const DayValue value = LocalSerialValue(*total);
  // Read back from the decimal text, so that the number is the double
  // nearest to the rounded value rather than a sum of two inexact parts.
  std::string pointed = std::to_string(value.whole);
  if (!value.decimals.empty()) pointed += '.' + value.decimals;
  double number = -1.0;
  std::from_chars(pointed.data(), pointed.data() + pointed.size(), number);
  return number;
}

double ZoneSerialValue(std::string_view date, std::string_view time, std::string_view offset) {
  const std::optional<ZoneDateTime> moment = MakeZoneDateTime(date, time, offset);
  return moment ? ZoneSerialValue(*moment) : -1.0;
}

std::string ZoneSerialText(const ZoneDateTime& moment) {
  const std::optional<long long> total = LocalSerialMillis(moment);
  if (!total) return std::string(kBeforeSerialEpoch);
  return DecimalText(LocalSerialValue(*total), false);
}

std::string ZoneTimeStamp(const ZoneDateTime& moment) {
  std::string text = StampDigits(moment.date, LocalMillis(moment));
  text += moment.offset[0] == '-' ? 'm' : 'p';
  text.append(moment.offset, 1, 2).append(moment.offset, 4, 2);
  return text;
}

std::string UtcTimeStamp(const ZoneDateTime& moment) {
  return StampDigits(moment.utcDate, moment.utcMillis) + 'z';
}

std::string ZoneTimeStamp(std::string_view date, std::string_view time, std::string_view offset) {
  const std::optional<ZoneDateTime> moment = MakeZoneDateTime(date, time, offset);
  return moment ? ZoneTimeStamp(*moment) : std::string(kZoneStampName);
}

std::string UtcTimeStamp(std::string_view date, std::string_view time, std::string_view offset) {
  const std::optional<ZoneDateTime> moment = MakeZoneDateTime(date, time, offset);
  return moment ? UtcTimeStamp(*moment) : std::string(kUtcStampName);
}

std::string ZoneLetter(std::string_view offset) {
  const std::string local = "J";
  if (offset.size() < 6 || (offset[0] != '+' && offset[0] != '-') || offset[3] != ':' ||
      !DigitsAt(offset, 1, 2) || !DigitsAt(offset, 4, 2)) {
    return local;
  }
  const int h = offset[0] == '-' ? -TwoDigits(offset, 1) : TwoDigits(offset, 1);
  const int m = TwoDigits(offset, 4);
  if (h < -12 || h > 14 || offset.substr(0, 6) == "+12:30" || ((h == -12 || h == 14) && m != 0)) {
    return local;
  }
  if (m != 0 && m != 30 && m != 45) return local;

  std::string letter;
  if (h == 0) {
    letter = "Z";
  } else if (h >= 1 && h <= 9) {
    letter = static_cast<char>('A' + h - 1);  // J, local time, is left out
  } else if (h == 10 || h == 11) {
    letter = static_cast<char>('K' + h - 10);
  } else if (h >= 12) {
    letter = "M";
  } else {
    letter = static_cast<char>('N' - h - 1);  // -1 N .. -12 Y
  }
  if (m == 30) letter += '*';
  if (m == 45) letter += '#';
  if (h == 13) letter += '*';
  if (h == 14) letter += '+';
  return letter;
}

std::string DateTimeGroup(const ZoneDateTime& moment) {
  return GroupText(moment.date, moment.time, ZoneLetter(moment.offset));
}

std::string UtcDateTimeGroup(const ZoneDateTime& moment) {
  return GroupText(moment.utcDate, moment.utcTime, "Z");
}

std::string XsDateToGerman(std::string_view date) {
  if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !DigitsAt(date, 0, 4) ||
      !DigitsAt(date, 5, 2) || !DigitsAt(date, 8, 2)) {
    return {};
  }
  if (date.substr(0, 4) == "0000" || date.substr(5, 2) == "00" || date.substr(8, 2) == "00") {
    return {};
  }
  std::string text;
  text.reserve(10);
  text.append(date.substr(8, 2)).append(".").append(date.substr(5, 2)).append(".");
  text.append(date.substr(0, 4));
  return text;
}

XsDateTimeParts ParseXsDateTime(std::string_view text) {
  if (text.size() < 20 || text[10] != 'T') return {};
  const std::string date = XsDateToGerman(text.substr(0, 10));
  if (date.empty() || ParseDateText(date, CalendarKind::Gregorian).code != 1) return {};

  const std::size_t timeLength = text[19] == '.' ? 12 : 8;
  if (text.size() <= 11 + timeLength) return {};
  const std::string_view time = text.substr(11, timeLength);
  if (!IsDigit(time[0])) return {};  // a time of day has no sign
  // The time must be a time of day as written, not one that normalising
  // would clamp.
  const TimeTextResult clock = NormalizeTimeText(time);
  if (!clock.ok || clock.text.compare(0, time.size(), time) != 0) return {};

  const std::optional<std::string> offset = XsOffset(text.substr(11 + timeLength));
  if (!offset) return {};

  XsDateTimeParts parts{true, date, std::string(time), *offset, {}};
  parts.text = date + ", " + parts.time + " UTC" + (*offset == "00:00" ? " 00:00" : *offset);
  return parts;
}

}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/civildate.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace engine {
namespace {

constexpr std::array<int, 13> kDaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};
constexpr std::array<int, 13> kDaysInMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int FloorDiv(int a, int b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Value of a text of one to four digits, -1 when a character is no digit.
int DigitsValue(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Day number of 01.01.0001 of each calendar.
constexpr int kJulianEpoch = 1721424;
constexpr int kGregorianEpoch = 1721426;

// Day numbers from which the March-based count runs on unsigned values:
// 1 March of the year 0 of each calendar.
constexpr int kJulianMarchZero = kJulianEpoch - 306;
constexpr int kGregorianMarchZero = kGregorianEpoch - 306;
// Far above the range of the system, and still without overflow of 4 * n + 3.
constexpr int kMarchCountLimit = 500'000'000;

int LastDayOf(int month, int year, CalendarKind kind) {
  return month == 2 && IsLeapYear(year, kind) ? 29 : kDaysInMonth[static_cast<std::size_t>(month)];
}

// Month and day of the day `fromMarch` days after 1 March (0..365). Counted
// from 1 March, the months repeat a 153-day pattern of five months (31, 30,
// 31, 30, 31), so month and day follow without a search.
CivilDate MonthDayFromMarch(int fromMarch, int year) {
  const int monthFromMarch = (5 * fromMarch + 2) / 153;  // [0, 11]: 0 = March, 11 = February
  const int day = fromMarch - (153 * monthFromMarch + 2) / 5 + 1;  // [1, 31]
  return CivilDate{year, monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9, day};
}

// The day number of an existing date of a year from 1. Years counted from
// 1 March put the leap day last, so the year's days are a whole-number
// function of the year and the months repeat a 153-day pattern of five.
int DayNumberFromYearOne(const CivilDate& date, CalendarKind kind) {
  const bool janOrFeb = date.month <= 2;
  const unsigned y = static_cast<unsigned>(date.year - (janOrFeb ? 1 : 0));  // [0, ..]
  const unsigned monthFromMarch = static_cast<unsigned>(date.month + (janOrFeb ? 9 : -3));
  unsigned days =
      365 * y + y / 4 + (153 * monthFromMarch + 2) / 5 + static_cast<unsigned>(date.day) - 1;
  if (kind == CalendarKind::Julian) return static_cast<int>(days) + kJulianMarchZero;
  days = days - y / 100 + y / 400;
  return static_cast<int>(days) + kGregorianMarchZero;
}

// The March-based count of DayNumberFromYearOne run backwards, for day
// numbers from 1 March of the year 0.
CivilDate CivilDateFromMarchZero(int dayNumber, CalendarKind kind) {
  unsigned year = 0;
  unsigned fromMarch = 0;  // days since 1 March of the year, [0, 365]
  if (kind == CalendarKind::Julian) {
    const unsigned scaled = 4 * static_cast<unsigned>(dayNumber - kJulianMarchZero) + 3;
    year = scaled / 1461;
    fromMarch = scaled % 1461 / 4;
  } else {
    const unsigned scaled = 4 * static_cast<unsigned>(dayNumber - kGregorianMarchZero) + 3;
    const unsigned century = scaled / 146097;
    const unsigned dayOfCentury = scaled % 146097 / 4;  // [0, 36524]
    const unsigned scaledDay = 4 * dayOfCentury + 3;
    year = 100 * century + scaledDay / 1461;
    fromMarch = scaledDay % 1461 / 4;
  }
  CivilDate date = MonthDayFromMarch(static_cast<int>(fromMarch), static_cast<int>(year));
  if (date.month <= 2) ++date.year;  // January and February belong to the next year
  return date;
}

// The date of a complete "DD.MM.YYYY" text with an existing day of a year
// from 1, or nullopt for any other text, which CheckFieldByField then judges.
// Nearly every text arriving here is complete, so its first eight characters
// are judged at once: each byte taken xor its expected '0' or '.' must leave
// a digit value 0..9 and the dots 0.
std::uint64_t LowFirstWord(const char* at) {
  std::uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&word, at, sizeof word);
  } else {
    for (int i = 7; i >= 0; --i) word = word << 8 | static_cast<unsigned char>(at[i]);
  }
  return word;
}

inline std::optional<CivilDate> ReadCompleteDate(std::string_view text, CalendarKind kind) {
  if (text.size() != 10) return std::nullopt;
  constexpr std::uint64_t kForm = 0x3030'2E30'302E'3030;  // "00.00.00", lowest byte first
  constexpr std::uint64_t kHighNibbles = 0xF0F0'F0F0'F0F0'F0F0;
  constexpr std::uint64_t kPlusSix = 0x0606'0606'0606'0606;  // 10..15 reach the high nibble
  constexpr std::uint64_t kDots = 0x0000'FF00'00FF'0000;
  const std::uint64_t head = LowFirstWord(text.data()) ^ kForm;
  if (((head | (head + kPlusSix)) & kHighNibbles) != 0 || (head & kDots) != 0) return std::nullopt;
  const unsigned y2 = static_cast<unsigned char>(text[8]) - unsigned{'0'};
  const unsigned y3 = static_cast<unsigned char>(text[9]) - unsigned{'0'};
  if (y2 > 9 || y3 > 9) return std::nullopt;  // a character below '0' wraps around as well
  const auto byte = [&](int index) { return static_cast<int>(head >> (8 * index) & 0xFF); };
  const int day = byte(0) * 10 + byte(1);
  const int month = byte(3) * 10 + byte(4);
  if (day < 1 || month < 1 || month > 12) return std::nullopt;
  const int year = (byte(6) * 10 + byte(7)) * 100 + static_cast<int>(y2 * 10 + y3);
  if (year == 0 || day > LastDayOf(month, year, kind)) return std::nullopt;
  return CivilDate{year, month, day};
}

// The value of a day or month field: two digits 1..max, or one digit from
// `incompleteBelow` on; -1 otherwise.
int FieldValue(std::string_view field, char incompleteBelow, int max) {
  if (field.size() == 1)
    return IsDigit(field[0]) && field[0] >= incompleteBelow ? field[0] - '0' : -1;
  if (field.size() != 2 || !IsDigit(field[0]) || !IsDigit(field[1])) return -1;
  const int value = (field[0] - '0') * 10 + (field[1] - '0');
  return value >= 1 && value <= max ? value : -1;
}

// The general checks, field by field, for the texts that ReadCompleteDate
// leaves: incomplete fields, negative years, other separators in the Julian
// calendar. The range is judged by the caller.
DateCheck CheckFieldByField(std::string_view text, CalendarKind kind) {
  DateCheck check;
  // Trailing characters would silently be dropped by the positional fields.
  if (text.size() > 10) return check;
  if (kind == CalendarKind::Gregorian && (text.size() < 6 || text[2] != '.' || text[5] != '.')) {
    check.status = DateStatus::BadSeparators;
    return check;
  }
  const auto field = [&](std::size_t pos, std::size_t len) {
    return pos < text.size() ? text.substr(pos, len) : std::string_view{};
  };
  check.status = DateStatus::BadField;
  const int day = ReadDayField(field(0, 2));
  if (day < 0) {
    check.field = DateField::Day;
    return check;
  }
  const int month = ReadMonthField(field(3, 2));
  if (month < 0) {
    check.field = DateField::Month;
    return check;
  }
  std::string_view yearField = field(6, 4);
  const bool negative = !yearField.empty() && yearField[0] == '-';
  if (negative) yearField.remove_prefix(1);
  const int year = yearField.empty() ? -1 : DigitsValue(yearField);
  if (year < 0) {
    check.field = DateField::Year;
    return check;
  }
  check.field = DateField::None;
  if (year == 0) {
    check.status = DateStatus::YearZero;
    return check;
  }
  check.date = CivilDate{negative ? -year : year, month, day};
  check.status =
      day > LastDayOf(month, check.date.year, kind) ? DateStatus::NoSuchDay : DateStatus::Valid;
  return check;
}

}  // namespace

std::string_view CalendarCode(CalendarKind kind) {
  return kind == CalendarKind::Julian ? "J" : "G";
}

std::optional<CalendarKind> CalendarKindOfCode(std::string_view code) {
  if (code == "J" || code == "j") return CalendarKind::Julian;
  if (code == "G" || code == "g") return CalendarKind::Gregorian;
  return std::nullopt;
}

int DaysBeforeMonth(int month, bool leap) {
  if (month < 1 || month > 12) return 0;
  return kDaysBeforeMonth[static_cast<std::size_t>(month)] + (leap && month > 2 ? 1 : 0);
}

int DaysInMonthOf(int month, int year, CalendarKind kind) {
  if (month < 1 || month > 12) return 0;
  return LastDayOf(month, year, kind);
}

int DayNumberOf(const CivilDate& date, CalendarKind kind) {
  if (date.year >= 1) return DayNumberFromYearOne(date, kind);
  const int y = date.year - 1;
  const int dayOfYear = DaysBeforeMonth(date.month, IsLeapYear(date.year, kind)) + date.day;
  const int days = dayOfYear + 365 * y + FloorDiv(y, 4);  // [.., 3652425] for |year| <= 9999
  if (kind == CalendarKind::Julian) return days + kJulianEpoch - 1;
  return days - FloorDiv(y, 100) + FloorDiv(y, 400) + kGregorianEpoch - 1;
}

YearDay YearDayOf(int dayNumber, CalendarKind kind) {
  YearDay result;
  if (kind == CalendarKind::Julian) {
    const int n = dayNumber - kJulianEpoch;             // days since 01.01.0001 Julian
    const int cycle = FloorDiv(n, 1461);                // four-year cycles
    const int r = n - cycle * 1461;                     // [0, 1460]
    const int yearInCycle = r / 365 < 3 ? r / 365 : 3;  // [0, 3], the fourth year is leap
    result.year = 4 * cycle + yearInCycle + 1;
    result.dayOfYear = r - 365 * yearInCycle + 1;  // [1, 366]
  } else {
    const int n = dayNumber - kGregorianEpoch;  // days since 01.01.0001 Gregorian
    const int q400 = FloorDiv(n, 146097);
    int r = n - q400 * 146097;                       // [0, 146096]
    const int q100 = r / 36524 < 3 ? r / 36524 : 3;  // [0, 3]
    r -= q100 * 36524;                               // [0, 36524]
    const int q4 = r / 1461;                         // [0, 24]
    r -= q4 * 1461;                                  // [0, 1460]
    const int q1 = r / 365 < 3 ? r / 365 : 3;        // [0, 3]
    r -= q1 * 365;                                   // [0, 365]
    result.year = 400 * q400 + 100 * q100 + 4 * q4 + q1 + 1;
    result.dayOfYear = r + 1;  // [1, 366]
  }
  result.leap = IsLeapYear(result.year, kind);
  return result;
}

CivilDate CivilDateOf(int dayNumber, CalendarKind kind) {
  const int marchZero = kind == CalendarKind::Julian ? kJulianMarchZero : kGregorianMarchZero;
  if (dayNumber >= marchZero && dayNumber <= kMarchCountLimit) {
    return CivilDateFromMarchZero(dayNumber, kind);
  }
  // Far days: the closed cycle formulas, which hold for every int.
  const YearDay yd = YearDayOf(dayNumber, kind);
  const int beforeMarch = yd.leap ? 60 : 59;
  return MonthDayFromMarch(
      yd.dayOfYear > beforeMarch ? yd.dayOfYear - beforeMarch - 1 : yd.dayOfYear + 305, yd.year);
}

int ReadDayField(std::string_view field) {
  return FieldValue(field, '4', 31);
}

int ReadMonthField(std::string_view field) {
  return FieldValue(field, '2', 12);
}

DateCheck CheckDate(std::string_view text, CalendarKind kind) {
  DateCheck check;
  if (const std::optional<CivilDate> date = ReadCompleteDate(text, kind)) {
    check.status = DateStatus::Valid;
    check.date = *date;
  } else {
    check = CheckFieldByField(text, kind);
    if (check.status != DateStatus::Valid) return check;
  }
  check.dayNumber = DayNumberOf(check.date, kind);
  if (!IsDayNumberInRange(check.dayNumber)) check.status = DateStatus::OutOfRange;
  return check;
}

}  // namespace engine

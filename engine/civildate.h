// SPDX-License-Identifier: MIT
// The typed date core: a civil date of the Julian or the (proleptic)
// Gregorian calendar, its chronological Julian Day number (the "day number"),
// the two conversions between them, leap years, weekdays, month lengths, and
// the check of a date text that says which part of it is wrong.
//
// Every date computation of the engine works on these values; texts are read
// once at the edge (CheckDate) and written once (daynumber.h). The text
// functions the controls call (DateToJD, JDToDate, ...) are thin adapters over
// this file and live in daynumber.h. Nothing here decides which calendar a
// date belongs to: the caller passes the kind.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace engine {

enum class CalendarKind { Julian, Gregorian };

// The control codes of the calendar kinds: "J" and "G".
std::string_view CalendarCode(CalendarKind kind);  // CalendarCode(Julian) == "J"
// CalendarKindOfCode: "J" or "j" is Julian, "G" or "g" Gregorian, else nullopt.
std::optional<CalendarKind> CalendarKindOfCode(std::string_view code);

// The supported range of day numbers, both ends included:
// 01.01.0001 to 31.12.3000 Gregorian, 03.01.0001 to 10.12.3000 Julian.
inline constexpr int kFirstDayNumber = 1721426;
inline constexpr int kLastDayNumber = 2817152;
// The last day the Julian calendar is shown to: 31.12.2999 (Jul.), the end of
// the last Julian year wholly inside the range.
inline constexpr int kLastJulianDayNumber = 2816807;
// First day of the Gregorian calendar, Friday 15.10.1582 (= 05.10.1582 Jul.).
inline constexpr int kGregorianSwitchDay = 2299161;

// A date of either calendar. Years before 1 are counted astronomically
// (0 is the year before 1); the range of the system begins in year 1.
struct CivilDate {
  int year = 0;
  int month = 0;  // [1, 12]
  int day = 0;    // [1, 31]
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// IsDayNumberInRange: whether the day lies in the supported range.
constexpr bool IsDayNumberInRange(long long dayNumber) {
  return dayNumber >= kFirstDayNumber && dayNumber <= kLastDayNumber;
}  // IsDayNumberInRange(1721425) == false

// IsLeapYear: Julian every fourth year; Gregorian without the century years
// not divisible by 400.
constexpr bool IsLeapYear(int year, CalendarKind kind) {
  if (kind == CalendarKind::Julian) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}  // IsLeapYear(1900, Julian) == true

// IsNextYearLeap: whether year + 1 is a Gregorian leap year (interest counting).
constexpr bool IsNextYearLeap(int year) {
  return IsLeapYear(year + 1, CalendarKind::Gregorian);
}

// DaysInYear: 365 or 366.
constexpr int DaysInYear(int year, CalendarKind kind) {
  return IsLeapYear(year, kind) ? 366 : 365;
}

// DaysBeforeMonth: days of the year before the first of the month (1..12);
// 0 for another month.
constexpr int DaysBeforeMonth(int month, bool leap) {
  if (month < 1 || month > 12) return 0;
  // Counted from 1 March the months repeat a 153-day pattern of five.
  const int fromMarch = month <= 2 ? month + 9 : month - 3;     // [0, 11]
  const int days = (153 * fromMarch + 2) / 5;                   // [0, 337], from 1 March
  return month <= 2 ? days - 306 : days + 59 + (leap ? 1 : 0);  // [0, 335]
}  // DaysBeforeMonth(3, true) == 60

// DaysInMonthOf: 28..31 by the leap rule of the kind, 0 for a month outside 1..12.
constexpr int DaysInMonthOf(int month, int year, CalendarKind kind) {
  if (month < 1 || month > 12) return 0;
  if (month == 2) return IsLeapYear(year, kind) ? 29 : 28;
  // 31 for odd months up to July and even ones from August, without a branch
  // that random months would mispredict.
  return 30 + ((month ^ (month >> 3)) & 1);
}  // (2, 1900, Julian) -> 29

// WeekDayOf: 1 = Monday ... 7 = Sunday.
constexpr int WeekDayOf(int dayNumber) {
  return (dayNumber % 7 + 7) % 7 + 1;
}  // WeekDayOf(2451545) == 6

namespace detail {

// Day numbers of 1 March of the year 0 of each calendar: from there the
// years are counted from 1 March, which puts the leap day last, so a year's
// days are a whole-number function of the year and the months repeat a
// 153-day pattern of five (31, 30, 31, 30, 31).
inline constexpr int kJulianMarchZero = 1721424 - 306;
inline constexpr int kGregorianMarchZero = 1721426 - 306;
// Far above the range of the system, and still without overflow of 4 * n + 3.
inline constexpr int kMarchCountLimit = 500'000'000;

int DayNumberBeforeYearOne(const CivilDate& date, CalendarKind kind);
CivilDate CivilDateOfFarDay(int dayNumber, CalendarKind kind);

}  // namespace detail

// DayNumberOf: the day number of an existing date, for any year.
constexpr int DayNumberOf(const CivilDate& date, CalendarKind kind) {
  if (date.year < 1) return detail::DayNumberBeforeYearOne(date, kind);
  const bool janOrFeb = date.month <= 2;
  const unsigned y = static_cast<unsigned>(date.year - (janOrFeb ? 1 : 0));            // [0, ..]
  const unsigned fromMarch = static_cast<unsigned>(date.month + (janOrFeb ? 9 : -3));  // [0, 11]
  unsigned days = 365 * y + y / 4 + (153 * fromMarch + 2) / 5 + static_cast<unsigned>(date.day) - 1;
  if (kind == CalendarKind::Julian) return static_cast<int>(days) + detail::kJulianMarchZero;
  days = days - y / 100 + y / 400;
  return static_cast<int>(days) + detail::kGregorianMarchZero;
}  // {2000, 1, 1}, Gregorian -> 2451545

// CivilDateOf: the date of any day number.
constexpr CivilDate CivilDateOf(int dayNumber, CalendarKind kind) {
  const bool julian = kind == CalendarKind::Julian;
  const int marchZero = julian ? detail::kJulianMarchZero : detail::kGregorianMarchZero;
  if (dayNumber < marchZero || dayNumber > detail::kMarchCountLimit) {
    return detail::CivilDateOfFarDay(dayNumber, kind);
  }
  unsigned year = 0;
  unsigned fromMarch = 0;  // days since 1 March of the year, [0, 365]
  const unsigned scaled = 4 * static_cast<unsigned>(dayNumber - marchZero) + 3;
  if (julian) {
    year = scaled / 1461;
    fromMarch = scaled % 1461 / 4;
  } else {
    const unsigned century = scaled / 146097;
    const unsigned scaledDay = scaled % 146097 / 4 * 4 + 3;  // day of the century, scaled
    year = 100 * century + scaledDay / 1461;
    fromMarch = scaledDay % 1461 / 4;
  }
  const unsigned monthFromMarch = (5 * fromMarch + 2) / 153;  // [0, 11]: 0 = March
  const int day = static_cast<int>(fromMarch - (153 * monthFromMarch + 2) / 5) + 1;  // [1, 31]
  const bool janOrFeb = monthFromMarch >= 10;  // these belong to the next year
  return CivilDate{static_cast<int>(year) + (janOrFeb ? 1 : 0),
                   static_cast<int>(janOrFeb ? monthFromMarch - 9 : monthFromMarch + 3), day};
}  // 2299160, Julian -> {1582, 10, 4}

static_assert(DayNumberOf({2000, 1, 1}, CalendarKind::Gregorian) == 2451545);
static_assert(DayNumberOf({1582, 10, 15}, CalendarKind::Gregorian) == kGregorianSwitchDay);
static_assert(CivilDateOf(kGregorianSwitchDay - 1, CalendarKind::Julian) == CivilDate{1582, 10, 4});
static_assert(CivilDateOf(kLastDayNumber, CalendarKind::Gregorian) == CivilDate{3000, 12, 31});

// Year, leap flag and day of the year (1..366) of a day number. The code is
// always 1; it stays for the callers of JDToYearDay.
struct YearDay {
  int code = 1;
  int year = 0;
  bool leap = false;
  int dayOfYear = 0;
};

// YearDayOf: the year and the day of the year of any day number, by the
// closed four-year and 400-year cycle formulas.
YearDay YearDayOf(int dayNumber, CalendarKind kind);  // 2451545, G -> {1, 2000, true, 1}

// DayOfYearOf: 1..366 for a date that exists.
inline int DayOfYearOf(const CivilDate& date, CalendarKind kind) {
  return DaysBeforeMonth(date.month, IsLeapYear(date.year, kind)) + date.day;
}  // {2024, 3, 1}, G -> 61

// ---- Checking a date text --------------------------------------------------

// What CheckDate found. A text is read as DD.MM.YYYY: day and month of two
// digits (a lone day digit 4..9 or month digit 2..9 stands for itself), the
// year from the seventh character on, up to four digits with an optional "-".
enum class DateStatus {
  Valid,          // an existing date inside the supported range
  BadSeparators,  // Gregorian only: no "." at the third and sixth character
  BadForm,        // longer than ten characters
  BadField,       // the field named by DateCheck::field is no number of its range
  YearZero,       // the year is 0, which neither calendar has
  NoSuchDay,      // the day is beyond the length of its month
  OutOfRange,     // an existing date outside the supported range
};

enum class DateField { None, Day, Month, Year };

struct DateCheck {
  DateStatus status = DateStatus::BadForm;
  DateField field = DateField::None;  // the wrong field of BadField
  CivilDate date;                     // the fields read, from NoSuchDay on
  int dayNumber = 0;                  // set for Valid and OutOfRange
  bool ok() const { return status == DateStatus::Valid; }
};

namespace detail {

// The eight bytes from `at` as a word whose lowest byte is at[0], on any
// machine; compilers read it with one load where the order fits.
inline std::uint64_t LowFirstWord(const char* at) {
  std::uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&word, at, sizeof word);
  } else {
    for (int i = 7; i >= 0; --i) word = word << 8 | static_cast<unsigned char>(at[i]);
  }
  return word;
}

// The date of a complete "DD.MM.YYYY" text with an existing day of a year
// from 1, or nullopt for any other text, which CheckFieldByField then judges.
// Nearly every text arriving here is complete, so its first eight characters
// are judged at once: each byte taken xor its expected '0' or '.' must leave
// a digit value 0..9 and the dots 0. Forced inline: as a call, its optional
// result halves the speed of the text conversions.
[[gnu::always_inline]] inline std::optional<CivilDate> ReadCompleteDate(std::string_view text,
                                                                        CalendarKind kind) {
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
  if (year == 0 || day > DaysInMonthOf(month, year, kind)) return std::nullopt;
  return CivilDate{year, month, day};
}

DateCheck CheckDateByFields(std::string_view text, CalendarKind kind);

}  // namespace detail

// CheckDate: the date of a text, or the first thing wrong with it, the fields
// judged in the order day, month, year. Inline, since every date text of the
// system passes here and nearly all of them take the complete-text path.
inline DateCheck CheckDate(std::string_view text, CalendarKind kind) {
  const std::optional<CivilDate> date = detail::ReadCompleteDate(text, kind);
  if (!date) return detail::CheckDateByFields(text, kind);
  DateCheck check;
  check.date = *date;
  check.dayNumber = DayNumberOf(check.date, kind);
  check.status = IsDayNumberInRange(check.dayNumber) ? DateStatus::Valid : DateStatus::OutOfRange;
  return check;
}  // "29.02.1900", Gregorian -> NoSuchDay

// ReadDayField, ReadMonthField: the value of a typed day (month) field: two
// digits 01..31 (01..12), or a single digit that cannot begin a longer value
// (4..9 for the day, 2..9 for the month); -1 for anything else.
int ReadDayField(std::string_view field);    // "07" -> 7, "3" -> -1, "5" -> 5
int ReadMonthField(std::string_view field);  // "12" -> 12, "1" -> -1

}  // namespace engine

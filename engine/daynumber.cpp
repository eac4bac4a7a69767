// SPDX-License-Identifier: MIT
#include "engine/daynumber.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "engine/environment.h"

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

// Days between 01.01.0001 of the calendar and 01.01.0001 Gregorian.
constexpr int kJulianEpoch = 1721424;     // 01.01.0001 Julian
constexpr int kGregorianEpoch = 1721426;  // 01.01.0001 Gregorian

// "00" to "99" in one row: date and day-number texts are written two digits
// per step, since every date passing through the system is formatted here.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

void PutTwoDigits(char* out, int value) {  // value in [0, 99]
  const std::size_t at = static_cast<std::size_t>(value) * 2;
  out[0] = kDigitPairs[at];
  out[1] = kDigitPairs[at + 1];
}

// "DD.MM.YYYY" of a day 1..31, a month 1..12 and a year 0..9999.
std::string FourDigitYearDateText(const DateTriple& date) {
  std::string text(10, '.');
  char* out = text.data();
  PutTwoDigits(out, date.day);
  PutTwoDigits(out + 3, date.month);
  const unsigned year = static_cast<unsigned>(date.year);
  PutTwoDigits(out + 6, static_cast<int>(year / 100));
  PutTwoDigits(out + 8, static_cast<int>(year % 100));
  return text;
}

std::string TwoDigits(int value) {
  std::string text(2, '0');
  PutTwoDigits(text.data(), (value % 100 + 100) % 100);
  return text;
}

// Day and month of the day `fromMarch` days after 1 March (0..365). Counted
// from 1 March, the months repeat a 153-day pattern of five months (31, 30,
// 31, 30, 31), so month and day follow without a search.
DateTriple DayMonthFromMarch(int fromMarch, int year) {
  const int monthFromMarch = (5 * fromMarch + 2) / 153;  // 0 = March ... 11 = February
  const int day = fromMarch - (153 * monthFromMarch + 2) / 5 + 1;
  return DateTriple{day, monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9, year};
}

// Day and month of a day of the year; dayOfYear must exist in the year.
DateTriple DayMonthOf(int dayOfYear, int year, bool leap) {
  const int beforeMarch = leap ? 60 : 59;
  return DayMonthFromMarch(dayOfYear > beforeMarch ? dayOfYear - beforeMarch - 1 : dayOfYear + 305,
                           year);
}

// The day number of an existing date of a year from 1. Years counted from
// 1 March put the leap day last, so the year's days are a whole-number
// function of the year and the months repeat a 153-day pattern of five.
int DayNumberFromYearOne(const DateTriple& date, CalendarKind kind) {
  const bool janOrFeb = date.month <= 2;
  const unsigned y = static_cast<unsigned>(date.year - (janOrFeb ? 1 : 0));
  const unsigned monthFromMarch = static_cast<unsigned>(date.month + (janOrFeb ? 9 : -3));
  unsigned days =
      365 * y + y / 4 + (153 * monthFromMarch + 2) / 5 + static_cast<unsigned>(date.day) - 1;
  if (kind == CalendarKind::Julian) return static_cast<int>(days) + kJulianEpoch - 306;
  days = days - y / 100 + y / 400;
  return static_cast<int>(days) + kGregorianEpoch - 306;
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
  return kDaysBeforeMonth[month] + (leap && month > 2 ? 1 : 0);
}

int DayNumberOfTriple(const DateTriple& date, CalendarKind kind) {
  if (date.year >= 1) return DayNumberFromYearOne(date, kind);
  const int y = date.year - 1;
  const int dayOfYear = DaysBeforeMonth(date.month, IsLeapYear(date.year, kind)) + date.day;
  const int days = dayOfYear + 365 * y + FloorDiv(y, 4);  // [.., 3652425] for |year| <= 9999
  if (kind == CalendarKind::Julian) return days + kJulianEpoch - 1;
  return days - FloorDiv(y, 100) + FloorDiv(y, 400) + kGregorianEpoch - 1;
}

YearDay JDToYearDay(int jd, CalendarKind kind) {
  YearDay result;
  if (kind == CalendarKind::Julian) {
    const int n = jd - kJulianEpoch;                    // days since 01.01.0001 Julian
    const int cycle = FloorDiv(n, 1461);                // four-year cycles
    const int r = n - cycle * 1461;                     // [0, 1460]
    const int yearInCycle = r / 365 < 3 ? r / 365 : 3;  // [0, 3], the fourth year is leap
    result.year = 4 * cycle + yearInCycle + 1;
    result.dayOfYear = r - 365 * yearInCycle + 1;  // [1, 366]
  } else {
    const int n = jd - kGregorianEpoch;  // days since 01.01.0001 Gregorian
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

DateTriple TripleOfDayNumber(int jd, CalendarKind kind) {
  const YearDay yd = JDToYearDay(jd, kind);
  return DayMonthOf(yd.dayOfYear, yd.year, yd.leap);
}

std::string FormatDateText(const DateTriple& date) {
  if (date.year >= 0 && date.year <= 9999 && date.day >= 0 && date.day <= 99 && date.month >= 0 &&
      date.month <= 99) {
    return FourDigitYearDateText(date);
  }
  std::string text = TwoDigits(date.day) + '.' + TwoDigits(date.month) + '.';
  const int magnitude = date.year < 0 ? -date.year : date.year;
  std::string year = std::to_string(magnitude);
  const std::size_t width = date.year < 0 ? 3 : 4;
  if (year.size() < width) year.insert(0, width - year.size(), '0');
  if (date.year < 0) year.insert(0, 1, '-');
  return text + year;
}

namespace {

// The value of a day or month field as ValidateDayText and ValidateMonthText
// judge it, without building their texts: -1 unless the field is complete
// and valid.
int FieldValue(std::string_view field, char incompleteBelow, int max) {
  if (field.size() == 1)
    return IsDigit(field[0]) && field[0] >= incompleteBelow ? field[0] - '0' : -1;
  if (field.size() != 2 || !IsDigit(field[0]) || !IsDigit(field[1])) return -1;
  const int value = (field[0] - '0') * 10 + (field[1] - '0');
  return value >= 1 && value <= max ? value : -1;
}

// A day or month field as typed: a single digit below `incompleteBelow` may
// still get a second one (code 0), a higher one gets a leading zero.
FieldResult ValidateTwoDigitField(std::string_view field, char incompleteBelow, int max) {
  if (field.empty() || field.size() > 2 || DigitsValue(field) < 0) return {-1, ""};
  if (field.size() == 1 && field[0] < incompleteBelow) return {0, std::string(field)};
  if (FieldValue(field, incompleteBelow, max) < 0) return {-1, ""};
  return {1, field.size() == 1 ? std::string("0") + field[0] : std::string(field)};
}

}  // namespace

FieldResult ValidateDayText(std::string_view field) {
  return ValidateTwoDigitField(field, '4', 31);
}

FieldResult ValidateMonthText(std::string_view field) {
  return ValidateTwoDigitField(field, '2', 12);
}

FieldResult ValidateYearText(std::string_view field) {
  const bool negative = !field.empty() && field[0] == '-';
  if (negative) field.remove_prefix(1);
  field = field.substr(0, 4);
  const int value = DigitsValue(field);
  // An empty field is nothing typed yet, not the year 0.
  if (field.empty() || value < 0) return {-1, ""};
  if (value == 0) return {-2, ""};
  std::string text(field);
  text.insert(0, 4 - text.size(), '0');
  if (negative) text.insert(0, 1, '-');
  return {1, text};
}

namespace {

// The eight bytes from `at` as a word whose lowest byte is at[0], on any
// machine; compilers read it with one load where the order fits.
std::uint64_t LowFirstWord(const char* at) {
  std::uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&word, at, sizeof word);
  } else {
    for (int i = 7; i >= 0; --i) word = word << 8 | static_cast<unsigned char>(at[i]);
  }
  return word;
}

// The date of a complete "DD.MM.YYYY" text with an existing day of a year
// from 1, or a code of 0 for any other text, which ParseFieldByField then
// judges. Nearly every text arriving here is complete, so
// its first eight characters are judged at once: each byte taken xor its
// expected '0' or '.' must leave a digit value 0..9 and the dots 0.
inline ParsedDate ParseCompleteDate(std::string_view date, CalendarKind kind) {
  ParsedDate parsed;
  if (date.size() != 10) return parsed;
  constexpr std::uint64_t kForm = 0x3030'2E30'302E'3030;  // "00.00.00", lowest byte first
  constexpr std::uint64_t kHighNibbles = 0xF0F0'F0F0'F0F0'F0F0;
  constexpr std::uint64_t kPlusSix = 0x0606'0606'0606'0606;  // 10..15 reach the high nibble
  constexpr std::uint64_t kDots = 0x0000'FF00'00FF'0000;
  const std::uint64_t head = LowFirstWord(date.data()) ^ kForm;
  if (((head | (head + kPlusSix)) & kHighNibbles) != 0 || (head & kDots) != 0) return parsed;
  const unsigned y2 = static_cast<unsigned char>(date[8]) - unsigned{'0'};
  const unsigned y3 = static_cast<unsigned char>(date[9]) - unsigned{'0'};
  if (y2 > 9 || y3 > 9) return parsed;  // a character below '0' wraps around as well
  const auto byte = [&](int index) { return static_cast<int>(head >> (8 * index) & 0xFF); };
  const int day = byte(0) * 10 + byte(1);
  const int month = byte(3) * 10 + byte(4);
  if (day < 1 || month < 1 || month > 12) return parsed;
  const int year = (byte(6) * 10 + byte(7)) * 100 + static_cast<int>(y2 * 10 + y3);
  const int lastDay = month == 2 ? (IsLeapYear(year, kind) ? 29 : 28)
                                 : kDaysInMonth[static_cast<std::size_t>(month)];
  if (year == 0 || day > lastDay) return parsed;
  parsed.code = 1;
  parsed.date = DateTriple{day, month, year};
  return parsed;
}

// The general checks of ParseDateText, field by field, for the texts that
// ParseCompleteDate leaves: incomplete fields, negative years, other
// separators in the Julian calendar.
ParsedDate ParseFieldByField(std::string_view date, CalendarKind kind) {
  ParsedDate parsed;
  // Trailing characters would silently be dropped by the positional fields.
  if (date.size() > 10) return parsed;
  if (kind == CalendarKind::Gregorian && (date.size() < 6 || date[2] != '.' || date[5] != '.')) {
    parsed.code = -2;
    return parsed;
  }
  const auto field = [&](std::size_t pos, std::size_t len) {
    return pos < date.size() ? date.substr(pos, len) : std::string_view{};
  };
  const int day = FieldValue(field(0, 2), '4', 31);
  if (day < 0) return parsed;
  const int month = FieldValue(field(3, 2), '2', 12);
  if (month < 0) return parsed;
  std::string_view yearField = field(6, 4);
  const bool negative = !yearField.empty() && yearField[0] == '-';
  if (negative) yearField.remove_prefix(1);
  const int year = yearField.empty() ? -1 : DigitsValue(yearField);
  if (year < 0) return parsed;
  if (year == 0) {
    parsed.code = -2;
    return parsed;
  }
  const DateTriple triple{day, month, negative ? -year : year};
  const int lastDay = month == 2 && IsLeapYear(triple.year, kind)
                          ? 29
                          : kDaysInMonth[static_cast<std::size_t>(month)];
  if (day > lastDay) return parsed;
  parsed.code = 1;
  parsed.date = triple;
  return parsed;
}

}  // namespace

ParsedDate ParseDateText(std::string_view date, CalendarKind kind) {
  const ParsedDate parsed = ParseCompleteDate(date, kind);
  return parsed.code == 1 ? parsed : ParseFieldByField(date, kind);
}

JdResult DateToJD(std::string_view date, CalendarKind kind) {
  // ParseDateText by its two parts, so that the compiler sees the whole way
  // of a complete text.
  ParsedDate parsed = ParseCompleteDate(date, kind);
  if (parsed.code != 1) parsed = ParseFieldByField(date, kind);
  if (parsed.code != 1) return {parsed.code, "0"};
  const int jd = DayNumberOfTriple(parsed.date, kind);
  if (kind == CalendarKind::Julian && JDInRange(jd) != 1) return {-1, "0"};
  return {1, DayNumberText(jd)};
}

std::string DayNumberText(int jd) {
  // Seven digits: every day number from 01.01.0001 to 31.12.9999.
  if (jd < 1000000 || jd > 9999999) return std::to_string(jd);
  std::string text(7, '0');
  char* out = text.data();
  PutTwoDigits(out, jd / 100000);
  const int rest = jd % 100000;
  out[2] = static_cast<char>('0' + rest / 10000);
  PutTwoDigits(out + 3, rest % 10000 / 100);
  PutTwoDigits(out + 5, rest % 100);
  return text;
}

int ParseDayNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return 0;
  return value;
}

namespace {

// Day, month, year and day of the year of a day number in the supported
// range, in the March-based count of DayNumberFromYearOne run backwards. It
// stands beside JDToYearDay on purpose: the date of every shown day comes
// from here, and the tests hold the two against each other for every day.
struct CivilDay {
  DateTriple date;
  int dayOfYear = 0;
};

CivilDay CivilDayOf(int jd, CalendarKind kind) {
  unsigned year = 0;
  unsigned fromMarch = 0;  // days since 1 March of the year
  if (kind == CalendarKind::Julian) {
    const unsigned scaled = 4 * static_cast<unsigned>(jd - (kJulianEpoch - 306)) + 3;
    year = scaled / 1461;
    fromMarch = scaled % 1461 / 4;
  } else {
    const unsigned scaled = 4 * static_cast<unsigned>(jd - (kGregorianEpoch - 306)) + 3;
    const unsigned century = scaled / 146097;
    const unsigned dayOfCentury = scaled % 146097 / 4;
    const unsigned scaledDay = 4 * dayOfCentury + 3;
    year = 100 * century + scaledDay / 1461;
    fromMarch = scaledDay % 1461 / 4;
  }
  DateTriple date = DayMonthFromMarch(static_cast<int>(fromMarch), static_cast<int>(year));
  const bool janOrFeb = date.month <= 2;  // these belong to the next year
  if (janOrFeb) ++date.year;
  const int dayOfYear = janOrFeb
                            ? static_cast<int>(fromMarch) - 305
                            : static_cast<int>(fromMarch) + (IsLeapYear(date.year, kind) ? 61 : 60);
  return {date, dayOfYear};
}

}  // namespace

DateResult JDToDate(int jd, CalendarKind kind) {
  if (JDInRange(jd) != 1) return {-1, "", 0};
  const CivilDay civil = CivilDayOf(jd, kind);
  return {1, FourDigitYearDateText(civil.date), civil.dayOfYear};
}

DateResult JDToDate(std::string_view jd, CalendarKind kind) {
  return JDToDate(ParseDayNumber(jd), kind);
}

std::string YearDayToDate(int dayOfYear, int year, CalendarKind kind) {
  return FormatDateText(DayMonthOf(dayOfYear, year, IsLeapYear(year, kind)));
}

DayMonth DayOfYearToDayMonth(int dayOfYear, bool leap) {
  if (dayOfYear < 1 || dayOfYear > (leap ? 366 : 365)) return {0, 0, 0};
  const DateTriple date = DayMonthOf(dayOfYear, 0, leap);
  return {1, date.day, date.month};
}

int WeekDayOfDate(std::string_view date) {
  const ParsedDate parsed = ParseDateText(date, CalendarKind::Gregorian);
  return parsed.code == 1 ? WeekDayOf(DayNumberOfTriple(parsed.date, CalendarKind::Gregorian)) : 0;
}

std::string WeekDayName(int weekday) {
  static constexpr std::array<std::string_view, 8> kNames = {
      "", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
  return weekday >= 1 && weekday <= 7 ? std::string(kNames[static_cast<std::size_t>(weekday)])
                                      : std::string();
}

std::string_view WeekDayAbbreviation(int weekday) {
  static constexpr std::array<std::string_view, 8> kAbbreviations = {"",    "Mo.", "Di.", "Mi.",
                                                                     "Do.", "Fr.", "Sa.", "So."};
  return weekday >= 1 && weekday <= 7 ? kAbbreviations[static_cast<std::size_t>(weekday)] : "";
}

std::string MonthName(int month) {
  static constexpr std::array<std::string_view, 13> kNames = {
      "",     "Januar", "Februar",   "März",    "April",    "Mai",     "Juni",
      "Juli", "August", "September", "Oktober", "November", "Dezember"};
  return month >= 1 && month <= 12 ? std::string(kNames[static_cast<std::size_t>(month)])
                                   : std::string();
}

int DayOfYear(std::string_view date, CalendarKind kind) {
  const ParsedDate parsed = ParseDateText(date, kind);
  if (parsed.code != 1) return parsed.code;
  if (kind == CalendarKind::Julian && JDInRange(DayNumberOfTriple(parsed.date, kind)) != 1) {
    return -1;
  }
  return DaysBeforeMonth(parsed.date.month, IsLeapYear(parsed.date.year, kind)) + parsed.date.day;
}

int DaysInMonth(int month, int year) {
  return DaysInMonthOf(month, year, CalendarKind::Gregorian);
}

int DaysInMonthOf(int month, int year, CalendarKind kind) {
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year, kind)) return 29;
  return kDaysInMonth[static_cast<std::size_t>(month)];
}

int TodayJD() {
  const LocalDateTime now = Now();
  return DayNumberOfTriple(DateTriple{now.day, now.month, now.year}, CalendarKind::Gregorian);
}

std::string TodayText(CalendarKind kind) {
  return FormatDateText(TripleOfDayNumber(TodayJD(), kind));
}

std::string ConvertCalendar(std::string_view date, CalendarKind from) {
  const JdResult jd = DateToJD(date, from);
  if (jd.code != 1) return "";
  const CalendarKind to =
      from == CalendarKind::Julian ? CalendarKind::Gregorian : CalendarKind::Julian;
  return JDToDate(jd.jd, to).date;
}

std::string DateToJDText(std::string_view date, CalendarKind kind) {
  JdResult jd = DateToJD(date, kind);
  return jd.code == 1 ? std::move(jd.jd) : std::string();
}

std::string JDToDateText(std::string_view jd, CalendarKind kind) {
  DateResult date = JDToDate(jd, kind);
  return date.code == 1 ? std::move(date.date) : std::string();
}

}  // namespace engine

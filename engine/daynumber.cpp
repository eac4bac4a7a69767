// SPDX-License-Identifier: MIT
#include "engine/daynumber.h"

#include <array>
#include <charconv>

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

std::string TwoDigits(int value) {
  std::string text(2, '0');
  text[0] = static_cast<char>('0' + value / 10 % 10);
  text[1] = static_cast<char>('0' + value % 10);
  return text;
}

// Day and month of a day of the year; dayOfYear must exist in the year.
DateTriple DayMonthOf(int dayOfYear, int year, bool leap) {
  int month = dayOfYear > 31 ? 2 + (dayOfYear - 32) / 31 : 1;  // never past the right month
  while (month < 12 && dayOfYear > DaysBeforeMonth(month + 1, leap)) ++month;
  return DateTriple{dayOfYear - DaysBeforeMonth(month, leap), month, year};
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
  if (date.year >= 0 && date.year <= 9999) {
    char text[10] = {'0', '0', '.', '0', '0', '.', '0', '0', '0', '0'};
    text[0] = static_cast<char>('0' + date.day / 10 % 10);
    text[1] = static_cast<char>('0' + date.day % 10);
    text[3] = static_cast<char>('0' + date.month / 10 % 10);
    text[4] = static_cast<char>('0' + date.month % 10);
    text[6] = static_cast<char>('0' + date.year / 1000);
    text[7] = static_cast<char>('0' + date.year / 100 % 10);
    text[8] = static_cast<char>('0' + date.year / 10 % 10);
    text[9] = static_cast<char>('0' + date.year % 10);
    return std::string(text, 10);
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

ParsedDate ParseDateText(std::string_view date, CalendarKind kind) {
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

JdResult DateToJD(std::string_view date, CalendarKind kind) {
  const ParsedDate parsed = ParseDateText(date, kind);
  if (parsed.code != 1) return {parsed.code, "0"};
  const int jd = DayNumberOfTriple(parsed.date, kind);
  if (kind == CalendarKind::Julian && JDInRange(jd) != 1) return {-1, "0"};
  return {1, std::to_string(jd)};
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

DateResult JDToDate(int jd, CalendarKind kind) {
  if (JDInRange(jd) != 1) return {-1, "", 0};
  const YearDay yd = JDToYearDay(jd, kind);
  return {1, FormatDateText(DayMonthOf(yd.dayOfYear, yd.year, yd.leap)), yd.dayOfYear};
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

// SPDX-License-Identifier: MIT
#include "engine/civildate.h"

namespace engine {
namespace {

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

// Month and day of the day `fromMarch` days after 1 March (0..365).
CivilDate MonthDayFromMarch(int fromMarch, int year) {
  const int monthFromMarch = (5 * fromMarch + 2) / 153;            // [0, 11]: 0 = March
  const int day = fromMarch - (153 * monthFromMarch + 2) / 5 + 1;  // [1, 31]
  return CivilDate{year, monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9, day};
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
      day > DaysInMonthOf(month, check.date.year, kind) ? DateStatus::NoSuchDay : DateStatus::Valid;
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

namespace detail {

int DayNumberBeforeYearOne(const CivilDate& date, CalendarKind kind) {
  const int y = date.year - 1;
  const int dayOfYear = DaysBeforeMonth(date.month, IsLeapYear(date.year, kind)) + date.day;
  const int days = dayOfYear + 365 * y + FloorDiv(y, 4);  // [.., 3652425] for |year| <= 9999
  if (kind == CalendarKind::Julian) return days + kJulianEpoch - 1;
  return days - FloorDiv(y, 100) + FloorDiv(y, 400) + kGregorianEpoch - 1;
}

CivilDate CivilDateOfFarDay(int dayNumber, CalendarKind kind) {
  // The closed cycle formulas of YearDayOf hold for every int.
  const YearDay yd = YearDayOf(dayNumber, kind);
  const int beforeMarch = yd.leap ? 60 : 59;
  return MonthDayFromMarch(
      yd.dayOfYear > beforeMarch ? yd.dayOfYear - beforeMarch - 1 : yd.dayOfYear + 305, yd.year);
}

}  // namespace detail

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

int ReadDayField(std::string_view field) {
  return FieldValue(field, '4', 31);
}

int ReadMonthField(std::string_view field) {
  return FieldValue(field, '2', 12);
}

namespace detail {

DateCheck CheckDateByFields(std::string_view text, CalendarKind kind) {
  DateCheck check = CheckFieldByField(text, kind);
  if (check.status != DateStatus::Valid) return check;
  check.dayNumber = DayNumberOf(check.date, kind);
  if (!IsDayNumberInRange(check.dayNumber)) check.status = DateStatus::OutOfRange;
  return check;
}

}  // namespace detail

}  // namespace engine

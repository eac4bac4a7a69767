// SPDX-License-Identifier: MIT
#include "engine/daynumber.h"

#include <array>
#include <charconv>

#include "engine/environment.h"

namespace engine {
namespace {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

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
std::string FourDigitYearDateText(const CivilDate& date) {
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

// A day or month field as typed: a single digit below `incompleteBelow` may
// still get a second one (code 0), a higher one gets a leading zero.
FieldResult ValidateTwoDigitField(std::string_view field, char incompleteBelow, int value) {
  if (field.empty() || field.size() > 2 || !IsDigit(field[0]) ||
      (field.size() == 2 && !IsDigit(field[1]))) {
    return {-1, ""};
  }
  if (field.size() == 1 && field[0] < incompleteBelow) return {0, std::string(field)};
  if (value < 0) return {-1, ""};
  return {1, field.size() == 1 ? std::string("0") + field[0] : std::string(field)};
}

}  // namespace

int DateCode(const DateCheck& check, CalendarKind kind) {
  switch (check.status) {
    case DateStatus::Valid:
      return 1;
    case DateStatus::OutOfRange:
      return kind == CalendarKind::Julian ? -1 : 1;
    case DateStatus::BadSeparators:
    case DateStatus::YearZero:
      return -2;
    case DateStatus::BadForm:
    case DateStatus::BadField:
    case DateStatus::NoSuchDay:
      return 0;
  }
  return 0;
}

std::string FormatDateText(const CivilDate& date) {
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

std::string DaySpanText(int firstDay, int lastDay) {
  const CivilDate from = CivilDateOf(firstDay, CalendarKind::Gregorian);
  const CivilDate to = CivilDateOf(lastDay, CalendarKind::Gregorian);
  if (firstDay == lastDay) return FormatDateText(to);
  const std::string start = FormatDateText(from);
  return (from.year == to.year ? start.substr(0, 6) : start) + "–" + FormatDateText(to);
}

FieldResult ValidateDayText(std::string_view field) {
  return ValidateTwoDigitField(field, '4', ReadDayField(field));
}

FieldResult ValidateMonthText(std::string_view field) {
  return ValidateTwoDigitField(field, '2', ReadMonthField(field));
}

FieldResult ValidateYearText(std::string_view field) {
  const bool negative = !field.empty() && field[0] == '-';
  if (negative) field.remove_prefix(1);
  field = field.substr(0, 4);
  for (char c : field) {
    if (!IsDigit(c)) return {-1, ""};
  }
  // An empty field is nothing typed yet, not the year 0.
  if (field.empty()) return {-1, ""};
  if (field.find_first_not_of('0') == std::string_view::npos) return {-2, ""};
  std::string text(field);
  text.insert(0, 4 - text.size(), '0');
  if (negative) text.insert(0, 1, '-');
  return {1, text};
}

ParsedDate ParseDateText(std::string_view date, CalendarKind kind) {
  const DateCheck check = CheckDate(date, kind);
  ParsedDate parsed;
  parsed.code = check.status == DateStatus::OutOfRange ? 1 : DateCode(check, kind);
  if (parsed.code == 1) parsed.date = check.date;
  return parsed;
}

JdResult DateToJD(std::string_view date, CalendarKind kind) {
  // The complete-text path by itself: nearly every text is complete, and
  // this keeps the whole way of such a text in view of the compiler.
  if (const std::optional<CivilDate> complete = detail::ReadCompleteDate(date, kind)) {
    const int dayNumber = DayNumberOf(*complete, kind);
    if (kind == CalendarKind::Julian && !IsDayNumberInRange(dayNumber)) return {-1, "0"};
    return {1, DayNumberText(dayNumber)};
  }
  const DateCheck check = detail::CheckDateByFields(date, kind);
  const int code = DateCode(check, kind);
  if (code != 1) return {code, "0"};
  return {1, DayNumberText(check.dayNumber)};
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

DateResult JDToDate(int jd, CalendarKind kind) {
  if (!IsDayNumberInRange(jd)) return {-1, "", 0};
  const CivilDate date = CivilDateOf(jd, kind);
  return {1, FourDigitYearDateText(date), DayOfYearOf(date, kind)};
}

DateResult JDToDate(std::string_view jd, CalendarKind kind) {
  return JDToDate(ParseDayNumber(jd), kind);
}

std::string YearDayToDate(int dayOfYear, int year, CalendarKind kind) {
  const int first = DayNumberOf(CivilDate{year, 1, 1}, kind);
  return FormatDateText(CivilDateOf(first + dayOfYear - 1, kind));
}

DayMonth DayOfYearToDayMonth(int dayOfYear, bool leap) {
  if (dayOfYear < 1 || dayOfYear > (leap ? 366 : 365)) return {0, 0, 0};
  int month = 12;
  while (DaysBeforeMonth(month, leap) >= dayOfYear) --month;
  return {1, dayOfYear - DaysBeforeMonth(month, leap), month};
}

int WeekDayOfDate(std::string_view date) {
  const DateCheck check = CheckDate(date, CalendarKind::Gregorian);
  return DateCode(check, CalendarKind::Gregorian) == 1 ? WeekDayOf(check.dayNumber) : 0;
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
  const DateCheck check = CheckDate(date, kind);
  const int code = DateCode(check, kind);
  return code == 1 ? DayOfYearOf(check.date, kind) : code;
}

int DaysInMonth(int month, int year) {
  return DaysInMonthOf(month, year, CalendarKind::Gregorian);
}

namespace {

int DayNumberOfNow(const LocalDateTime& now) {
  return DayNumberOf(CivilDate{now.year, now.month, now.day}, CalendarKind::Gregorian);
}

}  // namespace

int TodayJD() {
  return DayNumberOfNow(Now());
}

int TodayJD(const Region& region) {
  return DayNumberOfNow(Now(region));
}

std::string TodayText(CalendarKind kind) {
  return FormatDateText(CivilDateOf(TodayJD(), kind));
}

std::string ConvertCalendar(std::string_view date, CalendarKind from) {
  const DateCheck check = CheckDate(date, from);
  if (DateCode(check, from) != 1) return "";
  const CalendarKind to =
      from == CalendarKind::Julian ? CalendarKind::Gregorian : CalendarKind::Julian;
  return JDToDate(check.dayNumber, to).date;
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

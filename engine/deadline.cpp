// SPDX-License-Identifier: MIT
#include "engine/deadline.h"

#include <algorithm>
#include <limits>

#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/easter.h"
#include "engine/holidays.h"
#include "engine/numbertext.h"
#include "engine/region.h"

namespace engine {
namespace {

constexpr CalendarKind kGregorian = CalendarKind::Gregorian;

// ---- The calls into the date core, in one place ------------------------------

// 01.01.0001 and 31.12.9999: the dates the arithmetic may reach.
constexpr int kFirstArithmeticDay = kFirstDayNumber;
constexpr int kLastArithmeticDay = 5373484;
constexpr int kLastArithmeticYear = 9999;

int DayNumberOfDate(const CivilDate& date) {
  return DayNumberOf(date, kGregorian);
}

CivilDate DateOfDayNumber(int jd) {
  return CivilDateOf(jd, kGregorian);
}

int DaysInMonthOfYear(int month, int year) {
  return DaysInMonthOf(month, year, kGregorian);
}

std::string DateTextOf(int jd) {
  return FormatDateText(CivilDateOf(jd, kGregorian));
}

// The day number of a Gregorian date text of the years 1..9999.
std::optional<int> ReadDate(std::string_view text) {
  const DateCheck check = CheckDate(text, kGregorian);
  if (check.status != DateStatus::Valid && check.status != DateStatus::OutOfRange) {
    return std::nullopt;
  }
  if (check.date.year < 1 || check.date.year > kLastArithmeticYear) return std::nullopt;
  return check.dayNumber;
}

bool IsLegalHolidayOfDay(int jd, std::string_view region) {
  const YearDay yd = YearDayOf(jd, kGregorian);
  const int easter = EasterDay(yd.year, kGregorian);
  if (!MayBeHoliday(yd.dayOfYear, easter, yd.year, region, yd.leap, kGregorian)) return false;
  return HolidayOfDay(yd.dayOfYear, easter, yd.year, region, yd.leap, kGregorian).flag == 1;
}

// ---------------------------------------------------------------------------------

std::optional<int> ShiftMonths(const CivilDate& date, long long months) {
  const long long total = static_cast<long long>(date.year) * 12 + (date.month - 1) + months;
  if (total < 12 || total >= (kLastArithmeticYear + 1LL) * 12) return std::nullopt;
  const int year = static_cast<int>(total / 12);
  const int month = static_cast<int>(total % 12) + 1;
  return DayNumberOfDate({year, month, std::min(date.day, DaysInMonthOfYear(month, year))});
}

std::optional<int> ShiftYears(const CivilDate& date, long long years) {
  // Forward the year stops at 9999; backward a year below 1 cannot be formed.
  const long long target = std::min<long long>(date.year + years, kLastArithmeticYear);
  if (target < 1) return std::nullopt;
  const int year = static_cast<int>(target);
  return DayNumberOfDate(
      {year, date.month, std::min(date.day, DaysInMonthOfYear(date.month, year))});
}

std::string ShiftText(std::string_view date, PeriodUnit unit, long long count) {
  const std::optional<int> jd = ReadDate(date);
  if (!jd) return "";
  const std::optional<int> result = ShiftDayNumber(*jd, unit, count);
  return result ? DateTextOf(*result) : "";
}

// The negative of a count, without overflow for the smallest one.
long long Negated(long long n) {
  return n == std::numeric_limits<long long>::min() ? std::numeric_limits<long long>::max() : -n;
}

std::string_view WeekdayLetters(int jd) {
  return WeekDayAbbreviation(WeekDayOf(jd)).substr(0, 2);
}

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::optional<int> ShiftDayNumber(int jd, PeriodUnit unit, long long count) {
  if (jd < kFirstArithmeticDay || jd > kLastArithmeticDay) return std::nullopt;
  switch (unit) {
    case PeriodUnit::Day:
    case PeriodUnit::Week: {
      // Any count beyond the span of the years 1..9999 leaves them.
      constexpr long long kSpan = kLastArithmeticDay - kFirstArithmeticDay;
      if (count > kSpan || count < -kSpan) return std::nullopt;
      const long long result = jd + (unit == PeriodUnit::Week ? 7 * count : count);
      if (result < kFirstArithmeticDay || result > kLastArithmeticDay) return std::nullopt;
      return static_cast<int>(result);
    }
    case PeriodUnit::Month: {
      constexpr long long kMonths = 12LL * kLastArithmeticYear;
      if (count > kMonths || count < -kMonths) return std::nullopt;
      return ShiftMonths(DateOfDayNumber(jd), count);
    }
    case PeriodUnit::Year: {
      const long long years =
          std::clamp<long long>(count, -kLastArithmeticYear, kLastArithmeticYear);
      return ShiftYears(DateOfDayNumber(jd), years);
    }
  }
  return std::nullopt;
}

std::string AddDays(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Day, n);
}
std::string AddWeeks(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Week, n);
}
std::string AddMonths(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Month, n);
}
std::string AddYears(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Year, n);
}
std::string SubDays(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Day, Negated(n));
}
std::string SubWeeks(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Week, Negated(n));
}
std::string SubMonths(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Month, Negated(n));
}
std::string SubYears(std::string_view date, long long n) {
  return ShiftText(date, PeriodUnit::Year, Negated(n));
}

bool IsLegalHolidayOn(int jd, std::string_view region) {
  return IsDayNumberInRange(jd) && IsLegalHolidayOfDay(jd, region);
}

std::optional<int> NextWorkingDayNumber(int jd, std::string_view region, bool saturdayWorks) {
  if (!IsDayNumberInRange(jd)) return std::nullopt;
  for (int day = jd; day <= kLastDayNumber; ++day) {
    const int weekday = WeekDayOf(day);
    if (weekday == 7 || (weekday == 6 && !saturdayWorks)) continue;
    if (!IsLegalHolidayOfDay(day, region)) return day;
  }
  return std::nullopt;
}

std::string NextWorkingDay(int jd, std::string_view region) {
  const std::optional<int> day = NextWorkingDayNumber(jd, region, false);
  return day ? DateTextOf(*day) : "";
}

std::string NextWorkingDaySat(int jd, std::string_view region) {
  const std::optional<int> day = NextWorkingDayNumber(jd, region, true);
  return day ? DateTextOf(*day) : "";
}

const std::string_view kStatute187 =
    "§ 187 BGB Fristbeginn\r\n"
    "\r\n"
    "(1) Ist für den Anfang einer Frist ein Ereignis oder\r\n"
    "ein in den Lauf eines Tages fallender Zeitpunkt maßgebend,\r\n"
    "so wird bei der Berechnung der Frist der Tag nicht mitgerechnet,\r\n"
    "in welchen das Ereignis oder der Zeitpunkt fällt.\r\n"
    "\r\n"
    "(2) Ist der Beginn eines Tages der für den Anfang einer Frist\r\n"
    "maßgebende Zeitpunkt, so wird dieser Tag bei der Berechnung\r\n"
    "der Frist mitgerechnet. Das Gleiche gilt von dem Tag der Geburt\r\n"
    "bei der Berechnung des Lebensalters.\r\n";

const std::string_view kStatute188And193 =
    "§ 188 BGB Fristende\r\n"
    "\r\n"
    "(1) Eine nach Tagen bestimmte Frist endigt mit dem Ablauf des\r\n"
    "letzten Tages der Frist.\r\n"
    "\r\n"
    "(2) Eine Frist, die nach Wochen, nach Monaten oder nach einem\r\n"
    "mehrere Monate umfassenden Zeitraum - Jahr, halbes Jahr,\r\n"
    "Vierteljahr - bestimmt ist, endigt im Falle des § 187 Abs. 1\r\n"
    "mit dem Ablauf desjenigen Tages der letzten Woche oder des\r\n"
    "letzten Monats, welcher durch seine Benennung oder seine Zahl\r\n"
    "dem Tag entspricht, in den das Ereignis oder der Zeitpunkt fällt,\r\n"
    "im Falle des § 187 Abs. 2 mit dem Ablauf desjenigen Tages der\r\n"
    "letzten Woche oder des letzten Monats, welcher dem Tage vorhergeht,\r\n"
    "der durch seine Benennung oder seine Zahl dem Anfangstag der Frist\r\n"
    "entspricht.\r\n"
    "\r\n"
    "(3) Fehlt bei einer nach Monaten bestimmten Frist in dem letzten\r\n"
    "Monat der für ihren Ablauf maßgebende Tag, so endigt die Frist mit\r\n"
    "dem Ablauf des letzten Tages dieses Monats.\r\n"
    "\r\n"
    "§ 193 BGB Sonn- und Feiertag; Sonnabend\r\n"
    "\r\n"
    "Ist an einem bestimmten Tag oder innerhalb einer Frist eine\r\n"
    "Willenserklärung abzugeben oder eine Leistung zu bewirken\r\n"
    "und fällt der bestimmte Tag oder der letzte Tag der Frist\r\n"
    "auf einen Sonntag, einen am Erklärungs- oder Leistungsorte\r\n"
    "staatlich anerkannten allgemeinen Feiertag oder einen Sonnabend,\r\n"
    "so tritt an die Stelle eines solchen Tages der nächste Werktag.\r\n";

const std::string_view kStatute189 =
    "§ 189 BGB Berechnung einzelner Fristen\r\n"
    "\r\n"
    "(1) Unter einem halben Jahr wird eine Frist von sechs Monaten, unter\r\n"
    "einem Vierteljahr eine Frist von drei Monaten, unter einem halben Monat\r\n"
    "eine Frist von 15 Tagen verstanden.\r\n"
    "\r\n"
    "(2) Ist eine Frist auf einen oder mehrere ganze Monate und einen halben\r\n"
    "Monat gestellt, so sind die 15 Tage zuletzt zu zählen.\r\n";

std::string DeadlineStartHint() {
  std::string hint(kStatute187);
  hint += "\r\n\r\nAchtung!\r\nHier wird nach Absatz 1 gerechnet!";
  return hint;
}

DeadlineTable ComputeDeadlines(std::string_view start, std::string_view region) {
  const std::optional<int> jd = ReadDate(start);
  return ComputeDeadlines(jd ? *jd : 0, region);
}

DeadlineTable ComputeDeadlines(int startDayNumber, std::string_view region) {
  DeadlineTable table;
  for (std::size_t i = 0; i < kDeadlinePeriods.size(); ++i)
    table.rows[i].period = kDeadlinePeriods[i];
  const std::optional<int> jd =
      IsDayNumberInRange(startDayNumber) ? std::optional<int>(startDayNumber) : std::nullopt;
  if (!jd) return table;
  table.code = 1;
  table.start = DateTextOf(*jd);
  table.startWeekday = WeekdayLetters(*jd);
  table.region = region;
  table.regionName = RegionNameOfCode(region);
  if (table.regionName.empty()) table.regionName = region;

  std::string& copy = table.copyText;
  copy.reserve(4096);
  copy.append(kDeadlineCaption).append(kLineBreak);
  copy.append(kDeadlineStartHeading).append(": ").append(table.start).append(", ");
  copy.append(table.startWeekday).append(kLineBreak);
  copy.append(table.regionName).append(kLineBreak);
  copy.append("Frist      Fristende").append(kLineBreak);
  for (DeadlineRow& row : table.rows) {
    const std::optional<int> raw = ShiftDayNumber(*jd, row.period.unit, row.period.count);
    if (raw) {
      row.rawEnd = DateTextOf(*raw);
      if (const std::optional<int> end = NextWorkingDayNumber(*raw, region, false)) {
        row.end = DateTextOf(*end);
        row.weekday = WeekdayLetters(*end);
        row.cell = row.end + ", " + row.weekday;
      }
    }
    copy.append(PadLeftAligned(row.period.name, 9)).append("  ").append(row.cell);
    copy.append(kLineBreak);
  }
  copy.append(DeadlineStartHint()).append(kLineBreak).append(kLineBreak);
  copy.append(kStatute188And193).append(kLineBreak);
  copy.append(kStatute189);
  return table;
}

}  // namespace engine

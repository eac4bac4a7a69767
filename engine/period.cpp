// SPDX-License-Identifier: MIT
#include "engine/period.h"

#include <algorithm>
#include <initializer_list>

#include "engine/civildate.h"
#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr CalendarKind kGregorian = CalendarKind::Gregorian;
constexpr std::string_view kBreak = "\r\n";

// ---- The calls into the date core, in one place ------------------------------

// The date of a Gregorian date text of the supported range.
std::optional<CivilDate> ReadDate(std::string_view text) {
  const DateCheck check = CheckDate(text, kGregorian);
  if (!check.ok()) return std::nullopt;
  return check.date;
}

int DayNumberOfDate(const CivilDate& date) {
  return DayNumberOf(date, kGregorian);
}

bool IsLeap(int year) {
  return IsLeapYear(year, kGregorian);
}

// ---------------------------------------------------------------------------------

// The Roman year of a date: January and February belong to the year before.
int RomanYear(const CivilDate& date) {
  return date.month <= 2 ? date.year - 1 : date.year;
}

std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

// " in 2023" and "*" when the year of the frame has 366 days.
std::string InYear(int year, bool leap) {
  return Join({" in ", std::to_string(year), leap ? "*" : ""});
}

// The two bracket lines of one year frame.
struct Brackets {
  std::string days;    // after the line of years and days
  std::string months;  // after the line of years, months and days
};

Brackets BracketLines(const PeriodSplit& split, std::string_view monthUnit, int startYear,
                      bool startLeap, int endYear, bool endLeap) {
  const std::string startIn = InYear(startYear, startLeap);
  const std::string endIn = InYear(endYear, endLeap);
  Brackets brackets;
  brackets.days = Join({"          (", CountText(split.firstYearDays, "Tag"), startIn, ", ",
                        CountText(split.lastYearDays, "Tag"), endIn, ")"});
  brackets.months = Join({"          (", CountText(split.firstYearMonths, monthUnit), ", ",
                          CountText(split.startMonthDays, "Tag"), startIn, kBreak, "           ",
                          CountText(split.lastYearMonths, monthUnit), ", ",
                          CountText(split.endMonthDays, "Tag"), endIn, ")"});
  return brackets;
}

}  // namespace

std::string CountText(int count, std::string_view unit) {
  std::string text = std::to_string(count);
  text += ' ';
  text += unit;
  if (count != 1) text += unit == "Zeitwoche" ? "n" : "e";
  return text;
}

PeriodTextResult PeriodText(int startDayNumber, int endDayNumber, bool startInclusive,
                            bool endInclusive) {
  if (!IsDayNumberInRange(startDayNumber) || !IsDayNumberInRange(endDayNumber)) return {};
  // The counts read the dates' fields, as they read a typed period.
  const auto text = [](int day) {
    return FormatDateText(CivilDateOf(day, CalendarKind::Gregorian));
  };
  return PeriodText(text(startDayNumber), text(endDayNumber), startInclusive, endInclusive);
}

PeriodTextResult PeriodText(std::string_view start, std::string_view end, bool startInclusive,
                            bool endInclusive) {
  PeriodTextResult result;
  const std::optional<CivilDate> from = ReadDate(start);
  const std::optional<CivilDate> to = ReadDate(end);
  if (!from || !to) return result;
  const int fromJd = DayNumberOfDate(*from);
  const int toJd = DayNumberOfDate(*to);
  if (fromJd > toJd) {
    result.code = -1;
    result.text = std::string(kStartAfterEndMessage);
    result.lines = {result.text};
    return result;
  }
  result.code = 1;

  PeriodCounts& c = result.counts;
  c.days = std::max(0, toJd - fromJd + (startInclusive ? 1 : 0) - (endInclusive ? 0 : 1));
  // A period without a day (equal dates not both counted) is 0 in every
  // count; the splits would otherwise turn the day before round.
  if (c.days > 0) {
    const TimeSplit time = SplitTimeYears(start, end, startInclusive, endInclusive);
    c.timeYears = time.years;
    c.daysAfterYear = time.days;
    c.timeMonths = time.months;
    c.daysAfterMonth = time.daysAfterMonth;
    c.calendar = SplitCalendarYears(start, end, startInclusive, endInclusive).split;
    c.roman = SplitRomanYears(start, end, startInclusive, endInclusive).split;
  }
  c.weeks = c.days / 7;
  c.weekDays = c.days % 7;

  std::vector<std::string>& lines = result.lines;
  const auto inclusion = [](bool inclusive) { return inclusive ? "inkl" : "exkl"; };
  lines.push_back(Join({"Vom ", start, " (", inclusion(startInclusive), ".) bis ", end, " (",
                        inclusion(endInclusive), ".):"}));
  lines.emplace_back();
  const std::string years = CountText(c.timeYears, "Zeitjahr");
  const std::string months = CountText(c.timeMonths, "Zeitmonat");
  const std::string monthDays = CountText(c.daysAfterMonth, "Tag");
  const std::string monthWeeks = CountText(c.daysAfterMonth / 7, "Zeitwoche");
  const std::string monthWeekDays = CountText(c.daysAfterMonth % 7, "Tag");
  lines.push_back(Join({years, ", ", CountText(c.daysAfterYear, "Tag")}));
  lines.push_back(Join({years, ", ", months, ", ", monthDays}));
  lines.push_back(Join({years, ", ", months, ", ", monthWeeks, ", ", monthWeekDays}));
  const std::string allMonths = CountText(12 * c.timeYears + c.timeMonths, "Zeitmonat");
  lines.push_back(Join({allMonths, ", ", monthDays}));
  lines.push_back(Join({allMonths, ", ", monthWeeks, ", ", monthWeekDays}));
  lines.push_back(Join({CountText(c.weeks, "Zeitwoche"), ", ", CountText(c.weekDays, "Tag")}));
  lines.push_back(CountText(c.days, "Tag"));

  // A bracket line tells the parts in the first and the last year of the
  // frame; there is none when both dates lie in one year of the frame, or
  // when the end is the uncounted first day of the year after the start's.
  const bool endsAtNextCalendarYear =
      !endInclusive && to->day == 1 && to->month == 1 && to->year == from->year + 1;
  const bool calendarBrackets = from->year != to->year && !endsAtNextCalendarYear;
  const int romanFrom = RomanYear(*from);
  const int romanTo = RomanYear(*to);
  const bool endsAtNextRomanYear =
      !endInclusive && to->day == 1 && to->month == 3 && romanTo == romanFrom + 1;
  const bool romanBrackets = romanFrom != romanTo && !endsAtNextRomanYear;

  const auto addFrame = [&](const PeriodSplit& split, std::string_view yearUnit,
                            std::string_view monthUnit, bool withBrackets, int startYear,
                            bool startLeap, int endYear, bool endLeap) {
    const std::string wholeYears = CountText(split.wholeYears, yearUnit);
    lines.push_back(Join({wholeYears, ", ", CountText(split.daySum, "Tag")}));
    const Brackets brackets =
        BracketLines(split, monthUnit, startYear, startLeap, endYear, endLeap);
    if (withBrackets) lines.push_back(brackets.days);
    lines.push_back(Join({wholeYears, ", ", CountText(split.monthSum, monthUnit), ", ",
                          CountText(split.brokenMonthDays, "Tag")}));
    if (withBrackets) {
      const std::size_t cut = brackets.months.find(kBreak);
      lines.push_back(brackets.months.substr(0, cut));
      lines.push_back(brackets.months.substr(cut + kBreak.size()));
    }
  };
  addFrame(c.calendar, "Kalenderjahr", "Kalendermonat", calendarBrackets, from->year,
           IsLeap(from->year), to->year, IsLeap(to->year));
  // A Roman year has 366 days when the February it ends with has 29.
  addFrame(c.roman, "Röm.Kalenderjahr", "Röm.Kalendermonat", romanBrackets, romanFrom,
           IsLeap(romanFrom + 1), romanTo, IsLeap(romanTo + 1));

  for (const std::string& line : lines) {
    result.text += line;
    result.text += kBreak;
  }
  return result;
}

}  // namespace engine

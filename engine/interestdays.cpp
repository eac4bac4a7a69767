// SPDX-License-Identifier: MIT
#include "engine/interestdays.h"

#include <algorithm>
#include <utility>

#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr CalendarKind kGregorian = CalendarKind::Gregorian;

enum class Frame { Calendar, Roman };

// Days of the Roman year before the first of a Roman month; February, the
// last month, never has a 29th before it.
constexpr std::array<int, 13> kRomanDaysBeforeMonth = {0,   0,   31,  61,  92,  122, 153,
                                                       184, 214, 245, 275, 306, 337};

bool FrameLeap(int year, Frame frame) {
  return frame == Frame::Calendar ? IsLeapYear(year, kGregorian) : IsNextYearLeap(year);
}

int FrameYearLength(int year, Frame frame) {
  return FrameLeap(year, frame) ? 366 : 365;
}

int FrameMonthLength(int month, int year, Frame frame) {
  if (frame == Frame::Calendar) return DaysInMonth(month, year);
  return month <= 10 ? DaysInMonth(month + 2, year) : DaysInMonth(month - 10, year + 1);
}

CivilDate ToFrame(int jd, Frame frame) {
  CivilDate date = CivilDateOf(jd, kGregorian);
  if (frame == Frame::Roman) {
    if (date.month <= 2) {
      date.month += 10;
      --date.year;
    } else {
      date.month -= 2;
    }
  }
  return date;
}

int FrameDayOfYear(const CivilDate& date, Frame frame) {
  if (frame == Frame::Calendar) {
    return DaysBeforeMonth(date.month, IsLeapYear(date.year, kGregorian)) + date.day;
  }
  return kRomanDaysBeforeMonth[static_cast<std::size_t>(date.month)] + date.day;
}

// The day numbers of a period after the exchange and the inclusion moves;
// the period is the days after `start` up to and including `end`.
struct Period {
  int start = 0;
  int end = 0;
};

// Two readable Gregorian dates, the earlier first.
struct DatePair {
  bool valid = false;
  int start = 0;
  int end = 0;
};

DatePair ReadPair(std::string_view start, std::string_view end) {
  const ParsedDate a = ParseDateText(start, kGregorian);
  const ParsedDate b = ParseDateText(end, kGregorian);
  if (a.code != 1 || b.code != 1 || a.date.year < 1 || b.date.year < 1) return {};
  int first = DayNumberOf(a.date, kGregorian);
  int last = DayNumberOf(b.date, kGregorian);
  if (last < first) std::swap(first, last);
  return {true, first, last};
}

Period Moved(const DatePair& dates, bool startCounted, bool endCounted) {
  Period period{dates.start - (startCounted ? 1 : 0), dates.end - (endCounted ? 0 : 1)};
  // Equal dates with neither day counted hold no day at all; left as they
  // are, the end would fall before the start, possibly into the year before.
  if (period.end < period.start) period.end = period.start;
  return period;
}

PeriodSplit SplitFrame(const Period& period, Frame frame) {
  const CivilDate a = ToFrame(period.start, frame);
  const CivilDate b = ToFrame(period.end, frame);
  PeriodSplit s;
  s.firstYear = a.year;
  s.lastYear = b.year;
  s.firstYearLeap = FrameLeap(a.year, frame);
  s.lastYearLeap = FrameLeap(b.year, frame);
  const bool endMonthComplete = b.day == FrameMonthLength(b.month, b.year, frame);
  if (a.year != b.year) {
    s.firstYearDays = FrameYearLength(a.year, frame) - FrameDayOfYear(a, frame);
    s.lastYearDays = FrameDayOfYear(b, frame);
    s.wholeYears = std::max(b.year - a.year - 1, 0);
    s.firstYearMonths = 12 - a.month;
    s.startMonthDays = FrameMonthLength(a.month, a.year, frame) - a.day;
    s.lastYearMonths = b.month - 1;
    s.endMonthDays = b.day;
    if (endMonthComplete) {
      ++s.lastYearMonths;
      s.endMonthDays = 0;
    }
    if (FrameDayOfYear(b, frame) == FrameYearLength(b.year, frame)) {
      ++s.wholeYears;
      s.lastYearDays = 0;
      s.lastYearMonths = 0;
      s.endMonthDays = 0;
    }
  } else {
    s.lastYearDays = std::max(FrameDayOfYear(b, frame) - FrameDayOfYear(a, frame), 0);
    if (a.month != b.month) {
      s.startMonthDays = FrameMonthLength(a.month, a.year, frame) - a.day;
      s.lastYearMonths = b.month - a.month - 1;
      s.endMonthDays = b.day;
      if (endMonthComplete) {
        ++s.lastYearMonths;
        s.endMonthDays = 0;
      }
    } else {
      s.endMonthDays = b.day - a.day;
    }
  }
  s.daySum = s.firstYearDays + s.lastYearDays;
  s.monthSum = s.firstYearMonths + s.lastYearMonths;
  s.brokenMonthDays = s.startMonthDays + s.endMonthDays;
  return s;
}

SplitResult SplitDates(std::string_view start, std::string_view end, bool startCounted,
                       bool endCounted, Frame frame) {
  const DatePair dates = ReadPair(start, end);
  if (!dates.valid) return {};
  return {1, SplitFrame(Moved(dates, startCounted, endCounted), frame)};
}

// 30/360 without a 31st day, on the unmoved dates of the frame.
InterestDays ThirtyWithout31st(const DatePair& dates, bool startCounted, bool endCounted,
                               Frame frame) {
  InterestDays result;
  result.code = 1;
  const CivilDate a = ToFrame(dates.start, frame);
  const CivilDate b = ToFrame(dates.end, frame);
  const int counted = startCounted ? 1 : 0;
  if (a.month != b.month || a.year != b.year) {
    // The 31st does not exist: counted it is one day, uncounted none.
    const int startMonthDays = a.day == 31 ? counted : std::min(30 - a.day + counted, 30);
    const int nextMonthFirst = dates.start - a.day + FrameMonthLength(a.month, a.year, frame) + 1;
    const DatePair rest{true, nextMonthFirst, dates.end};
    const PeriodSplit split = SplitFrame(Moved(rest, true, endCounted), frame);
    result.years = split.wholeYears;
    result.days = startMonthDays + 30 * split.monthSum + split.endMonthDays;
  } else {
    const bool either = startCounted || endCounted;
    if (either && (a.day == b.day || (a.day == 30 && b.day == 31))) {
      result.days = 1;
    } else {
      const int days = std::min(b.day, 30) - a.day + counted - (endCounted ? 0 : 1);
      result.days = std::clamp(days, 0, 30);
    }
  }
  return result;
}

std::string YearText(int year) {
  std::string text = std::to_string(year);
  if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
  return text;
}

// The label prefix followed by the frame years of the given length.
std::string WithYears(std::string label, int length, const NormalLeapDays& lengths,
                      const PeriodSplit& split) {
  const bool first = lengths.firstYearLength == length;
  const bool last = lengths.lastYearLength == length;
  if (first && last && split.firstYear != split.lastYear) {
    return label + ' ' + YearText(split.firstYear) + " und " + YearText(split.lastYear);
  }
  if (last) return label + ' ' + YearText(split.lastYear);
  if (first) return label + ' ' + YearText(split.firstYear);
  return label;
}

}  // namespace

std::optional<InterestMethod> InterestMethodOfNumber(int number) {
  for (const InterestMethod& method : kInterestMethods) {
    if (method.number == number) return method;
  }
  return std::nullopt;
}

SplitResult SplitCalendarYears(std::string_view start, std::string_view end, bool startCounted,
                               bool endCounted) {
  return SplitDates(start, end, startCounted, endCounted, Frame::Calendar);
}

SplitResult SplitRomanYears(std::string_view start, std::string_view end, bool startCounted,
                            bool endCounted) {
  return SplitDates(start, end, startCounted, endCounted, Frame::Roman);
}

TimeSplit SplitTimeYears(std::string_view start, std::string_view end, bool startCounted,
                         bool endCounted) {
  const DatePair dates = ReadPair(start, end);
  if (!dates.valid) return {};
  // A counted first of a month starts at the end of the month before, and
  // its anniversaries are month ends, so that whole calendar months result.
  const bool monthEnds = startCounted && CivilDateOf(dates.start, kGregorian).day == 1;
  const Period period = Moved(dates, startCounted, endCounted);
  const CivilDate s = CivilDateOf(period.start, kGregorian);
  const CivilDate e = CivilDateOf(period.end, kGregorian);

  // The anniversary of the start in the month of a month index (12 * year +
  // month - 1, never negative: the earliest moved start is 31.12.0000); a
  // day the month lacks falls back to its last day.
  const auto anniversary = [&](int monthIndex) {
    const int year = monthIndex / 12;
    const int month = monthIndex % 12 + 1;
    const int length = DaysInMonth(month, year);
    const int day = monthEnds ? length : std::min(s.day, length);
    return DayNumberOf(CivilDate{year, month, day}, kGregorian);
  };
  const int startIndex = 12 * s.year + s.month - 1;

  TimeSplit result;
  result.code = 1;
  result.years = e.year - s.year;
  if (result.years > 0 && anniversary(startIndex + 12 * result.years) > period.end) --result.years;
  const int yearIndex = startIndex + 12 * result.years;
  result.days = period.end - anniversary(yearIndex);

  result.months = 12 * e.year + e.month - 1 - yearIndex;
  if (result.months > 0 && anniversary(yearIndex + result.months) > period.end) --result.months;
  result.daysAfterMonth = period.end - anniversary(yearIndex + result.months);
  return result;
}

NormalLeapDays SplitNormalLeapDays(int firstYearDays, int lastYearDays, bool firstLeap,
                                   bool lastLeap) {
  NormalLeapDays result;
  result.firstYearLength = firstLeap ? 366 : 365;
  result.lastYearLength = lastLeap ? 366 : 365;
  (firstLeap ? result.leapDays : result.normalDays) += firstYearDays;
  (lastLeap ? result.leapDays : result.normalDays) += lastYearDays;
  return result;
}

std::string ToRomanDate(std::string_view date) {
  const ParsedDate parsed = ParseDateText(date, kGregorian);
  if (parsed.code != 1 || parsed.date.year < 1) return "";
  const int jd = DayNumberOf(parsed.date, kGregorian);
  return FormatDateText(ToFrame(jd, Frame::Roman));
}

std::string FromRomanDate(std::string_view romanDate) {
  if (romanDate.size() != 10 || romanDate[2] != '.' || romanDate[5] != '.') return "";
  int fields[3] = {0, 0, 0};
  const std::string_view texts[3] = {romanDate.substr(0, 2), romanDate.substr(3, 2),
                                     romanDate.substr(6, 4)};
  for (int i = 0; i < 3; ++i) {
    for (char c : texts[i]) {
      if (c < '0' || c > '9') return "";
      fields[i] = fields[i] * 10 + (c - '0');
    }
  }
  CivilDate date{fields[2], fields[1], fields[0]};
  if (date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > FrameMonthLength(date.month, date.year, Frame::Roman)) {
    return "";
  }
  if (date.month > 10) {
    date.month -= 10;
    ++date.year;
  } else {
    date.month += 2;
  }
  if (date.year < 1 || date.year > 9999) return "";
  return FormatDateText(date);
}

InterestDays CountInterestDays(int method, std::string_view start, std::string_view end,
                               bool startCounted, bool endCounted) {
  const DatePair dates = ReadPair(start, end);
  if (!dates.valid || !InterestMethodOfNumber(method)) return {};
  const Frame frame = (method == 1 || method == 4 || method == 6 || method == 8 || method == 10)
                          ? Frame::Roman
                          : Frame::Calendar;

  InterestDays result;
  if (method == 0 || method == 1) {
    result = ThirtyWithout31st(dates, startCounted, endCounted, frame);
  } else if (method == 11) {
    const TimeSplit split = SplitTimeYears(start, end, startCounted, endCounted);
    result.code = split.code;
    result.years = split.years;
    result.days = 30 * split.months + split.daysAfterMonth;
  } else {
    const PeriodSplit split = SplitFrame(Moved(dates, startCounted, endCounted), frame);
    result.code = 1;
    result.years = split.wholeYears;
    switch (method) {
      case 3:
      case 4: {
        const NormalLeapDays parts = SplitNormalLeapDays(split.firstYearDays, split.lastYearDays,
                                                         split.firstYearLeap, split.lastYearLeap);
        result.normalDays = parts.normalDays;
        result.leapDays = parts.leapDays;
        result.days = parts.normalDays + parts.leapDays;
        result.dayLabel =
            WithYears(parts.normalDays == 1 ? "Zinstag im Normaljahr" : "Zinstage im Normaljahr",
                      365, parts, split);
        result.leapLabel =
            WithYears(parts.leapDays == 1 ? "Zinstag im Schaltjahr" : "Zinstage im Schaltjahr", 366,
                      parts, split);
        return result;
      }
      case 5:
      case 6:
        if (split.firstYear == split.lastYear && split.daySum > 360) {
          result.days = 360;
        } else {
          result.days = std::min(split.firstYearDays, 360) + std::min(split.lastYearDays, 360);
        }
        break;
      case 9:
      case 10:
        result.days = 30 * split.monthSum + split.brokenMonthDays;
        break;
      default:  // 7, 8
        result.days = split.daySum;
        break;
    }
  }
  result.dayLabel = result.days == 1 ? "Zinstag" : "Zinstage";
  return result;
}

}  // namespace engine

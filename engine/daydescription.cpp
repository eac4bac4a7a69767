// SPDX-License-Identifier: MIT
#include "engine/daydescription.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/environment.h"
#include "engine/holidays.h"
#include "engine/moonsun.h"
#include "engine/numbertext.h"
#include "engine/region.h"
#include "engine/schoolholidays.h"

namespace engine {
namespace {

constexpr std::string_view kBreak = kDescriptionBreak;

// hh:mm of clock hours, rounded to the minute and taken into the day.
std::string ClockText(double hours) {
  long minutes = std::lround(hours * 60.0);
  minutes = ((minutes % 1440) + 1440) % 1440;
  std::string text;
  AppendZeroPadded(text, minutes / 60, 2);
  text += ':';
  AppendZeroPadded(text, minutes % 60, 2);
  return text;
}

// +hh:mm or -hh:mm of signed hours, rounded to the minute.
std::string SignedClockText(double hours) {
  long minutes = std::lround(hours * 60.0);
  std::string text(1, minutes < 0 ? '-' : '+');
  minutes = std::labs(minutes) % (100 * 60);
  AppendZeroPadded(text, minutes / 60, 2);
  text += ':';
  AppendZeroPadded(text, minutes % 60, 2);
  return text;
}

// A measured quantity with a fixed number of decimals (1 or 2) and the
// locale's separator. These are readings of formulas, not amounts, so they
// need none of the exactness of the rounding service.
std::string FixedText(double value, int decimals) {
  const long scale = decimals == 1 ? 10 : 100;
  const long scaled = std::lround(value * static_cast<double>(scale));
  std::string text = scaled < 0 ? "-" : "";
  const long magnitude = std::labs(scaled);
  text += std::to_string(magnitude / scale);
  text += DecimalSeparator();
  if (decimals == 2) {
    AppendZeroPadded(text, magnitude % scale, 2);
  } else {
    text += static_cast<char>('0' + magnitude % scale);
  }
  return text;
}

int ZoneOffsetHours(std::string_view zone) {
  if (zone == "MESZ") return 2;
  if (zone == "MEHSZ") return 3;
  return 1;
}

// The whole years (anniversary to anniversary) and the days after the last
// anniversary from the earlier day to the later one.
struct YearsAndDays {
  int years = 0;
  int days = 0;
};

YearsAndDays YearsAndDaysBetween(int from, int to) {
  const CivilDate start = CivilDateOf(from, CalendarKind::Gregorian);
  const CivilDate end = CivilDateOf(to, CalendarKind::Gregorian);
  const auto anniversary = [&](int years) {
    CivilDate date{start.year + years, start.month, start.day};
    // A 29 February has its anniversary on 28 February of a common year.
    if (date.month == 2 && date.day == 29 && !IsLeapYear(date.year, CalendarKind::Gregorian)) {
      date.day = 28;
    }
    return DayNumberOf(date, CalendarKind::Gregorian);
  };
  int years = end.year - start.year;
  if (years > 0 && anniversary(years) > to) --years;
  return {years, to - anniversary(years)};
}

// The pieces one after the other, at their final size in one allocation: a
// month sheet builds some thousand such lines.
inline std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string text;
  text.reserve(size);
  for (std::string_view piece : pieces) text += piece;
  return text;
}

void Append(std::string& text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) text += piece;
}

void AppendDistanceToToday(std::string& text, int jd, int todayJd, std::string_view date) {
  // A clock outside the calendar's range has no date to count from.
  if (jd == todayJd || JDInRange(todayJd) != 1) return;
  const std::string today = JDToDate(todayJd, CalendarKind::Gregorian).date;
  if (jd < todayJd) {
    Append(text, {kBreak, "Vom ", date, " (incl.)", kBreak, "bis ", today, " (heute, excl.):"});
  } else {
    Append(text, {kBreak, "Vom ", today, " (heute, incl.)", kBreak, "bis ", date, " (excl.):"});
  }
  const int days = jd < todayJd ? todayJd - jd : jd - todayJd;
  const YearsAndDays split =
      jd < todayJd ? YearsAndDaysBetween(jd, todayJd) : YearsAndDaysBetween(todayJd, jd);
  Append(text, {kBreak, std::to_string(days), days == 1 ? " Tag bzw." : " Tage bzw."});
  Append(text,
         {kBreak, std::to_string(split.years), split.years == 1 ? " Zeitjahr " : " Zeitjahre ",
          std::to_string(split.days), split.days == 1 ? " Tag" : " Tage"});
}

// A line of the one-text form without its break, for the list form.
std::string WithoutBreaks(std::string_view text) {
  std::string line(text);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

}  // namespace

std::string RegionDisplayName(std::string_view code) {
  std::string name = RegionNameOfCode(code);
  return name.empty() ? std::string(code) : name;
}

DayTimes DayTimesOf(int jd, std::string_view code) {
  return DayTimesOf(jd, RegionOfCode(code));
}

DayTimes DayTimesOf(int jd, const Region& region) {
  DayTimes times;
  times.legal = DstState(jd, region);
  const std::string_view zone = times.legal.zone;
  times.zone = zone == "MESZ" || zone == "MEHSZ" ? std::string(zone) : std::string("MEZ");
  times.offsetHours = ZoneOffsetHours(times.zone);
  times.capital = region.capital;
  const double latitude = region.latitudeDegrees;
  const double longitude = region.longitudeDegrees;
  const SunTimes sun = SunTimesInZone(jd, longitude, latitude, times.offsetHours);
  times.dawn = ClockText(sun.dawn);
  times.sunrise = ClockText(sun.sunrise);
  times.sunset = ClockText(sun.sunset);
  times.dusk = ClockText(sun.dusk);
  const double equation = EquationOfTime(jd);
  const double meanLocal = longitude / 15.0 - times.offsetHours;
  times.meanLocalTime = SignedClockText(meanLocal);
  times.trueLocalTime = SignedClockText(meanLocal + equation / 60.0);
  times.equationOfTime = FixedText(equation, 1);
  times.equationPositive = std::lround(equation * 10.0) > 0;
  times.declination = FixedText(RadToDeg(SunDeclination(jd)), 2);
  return times;
}

DayDescription DescribeDay(const DayFacts& facts, std::string_view code, CalendarKind kind,
                           int todayJd) {
  return DescribeDay(facts, RegionOfCode(code), kind, todayJd);
}

DayDescription DescribeDay(const DayFacts& facts, const Region& region, CalendarKind kind,
                           int todayJd) {
  DayDescription description;
  if (facts.result != 1) return description;
  const DayTimes times = DayTimesOf(facts.dayNumber, region);
  const std::string_view date = facts.date;
  const std::string_view year = date.substr(6);
  const int month = facts.civil.month;
  const std::string_view zone = times.zone;
  std::vector<std::string>& lines = description.lines;
  std::string& text = description.text;
  text.reserve(1024);
  lines.reserve(32);
  const auto line = [&](std::initializer_list<std::string_view> pieces) -> const std::string& {
    lines.push_back(Concat(pieces));
    return lines.back();
  };
  const auto add = [&](std::initializer_list<std::string_view> pieces) {
    text += line(pieces);
    text += kBreak;
  };

  if (kind == CalendarKind::Julian) {
    text += "Jul. Kalender:";
    text += kBreak;
    lines.emplace_back("Julianischer Kalender:");
  } else if (facts.dayNumber < kGregorianSwitchDay) {
    text += "Vor-Greg. Kalender:";
    text += kBreak;
    lines.emplace_back("Vor-Gregorianischer Kalender:");
  }
  add({region.DisplayName()});
  add({facts.weekdayName, ", ", date});
  add({date.substr(0, 2), ". ", MonthName(month), " ", year});
  if (region.hasRules && !facts.holidayText.empty()) {
    add({facts.holidayText});
    if (facts.holidayFlag == 1) add({"gesetzl. Feiertag"});
  }
  // School holidays are known for the German and Austrian states of recent
  // years; the line names them with their first and last day.
  if (kind == CalendarKind::Gregorian) {
    if (const std::optional<SchoolHoliday> school = SchoolHolidayOn(facts.dayNumber, region.code)) {
      add({SchoolHolidayText(*school, region.DisplayName())});
    }
  }
  add({std::to_string(facts.dayOfYear), ". Tag des Jahres ", year});
  add({std::to_string(facts.daysInYear - facts.dayOfYear), " Tage bis Ende ", year});
  add({std::to_string(facts.week), ". Woche des Jahres ", std::to_string(facts.weekYear)});
  add({year, " ist ein ", facts.daysInYear == 366 ? "Schaltjahr" : "Normaljahr"});
  // Local mean and true local time are written as MEZ on every line below
  // the zone, so the Julian Day starts at 13:00 "MEZ" on those days too.
  if (zone == "MEZ" || zone == "MESZ" || zone == "MEHSZ") {
    const std::string_view start = zone == "MEZ"    ? " ab 13:00 "
                                   : zone == "MESZ" ? " ab 14:00 "
                                                    : " ab 15:00 ";
    add({"JD: ", facts.jd, start, zone});
  }
  add({std::to_string(facts.goldenNumber), ". Jahr im Mondzyklus"});
  add({facts.moonPhase});
  add({times.equationPositive ? "Zeitgleichung +" : "Zeitgleichung ", times.equationOfTime,
       " min"});
  add({"Sonnendeklination: ", times.declination, "°"});
  add({"in ", times.capital, ":"});
  if (!times.legal.switchText.empty()) {
    text += times.legal.switchText;
    lines.push_back(WithoutBreaks(times.legal.switchText));
  }
  add({times.dawn, " ", zone, " bürgl. Dämmerung "});
  add({times.sunrise, " ", zone, " Sonnenaufgang"});
  add({times.sunset, " ", zone, " Sonnenuntergang"});
  add({times.dusk, " ", zone, " bürgl. Dämmerung"});
  add({"UTC = ", zone, " -0", std::to_string(times.offsetHours), ":00"});
  add({"MOZ = ", zone, " ", times.meanLocalTime});
  text += line({"WOZ ~ ", zone, " ", times.trueLocalTime});
  if (kind == CalendarKind::Gregorian) AppendDistanceToToday(text, facts.dayNumber, todayJd, date);
  return description;
}

std::vector<HolidayRow> HolidayRowsOfYear(int year, std::string_view code, CalendarKind kind,
                                          HolidaySelection selection) {
  return HolidayRowsOfYear(year, RegionOfCode(code), kind, selection);
}

std::vector<HolidayRow> HolidayRowsOfYear(int year, const Region& region, CalendarKind kind,
                                          HolidaySelection selection) {
  std::vector<HolidayRow> rows;
  // A region without rules has no holiday on any day.
  if (year < 1 || year > 3000 || !region.hasRules) return rows;
  rows.reserve(selection == HolidaySelection::LegalOnly ? 20 : 64);
  const bool leap = IsLeapYear(year, kind);
  const int easter = EasterDay(year, kind);
  const int first = DayNumberOf({year, 1, 1}, kind);
  for (int day : HolidayCandidateDays(year, region, kind)) {
    const int jd = first + day - 1;
    if (JDInRange(jd) != 1) continue;
    HolidayParts parts = HolidayPartsOfDay(day, easter, year, region, leap, kind);
    const bool legal = parts.movable.legal == 1 || parts.fixed.legal == 1;
    if (!legal && selection == HolidaySelection::LegalOnly) continue;
    std::string names = JoinHolidayNames(parts.movable.name, parts.fixed.name);
    if (names.empty()) continue;
    HolidayRow row;
    row.weekdayNumber = WeekDayOf(jd);
    row.weekday = WeekDayAbbreviation(row.weekdayNumber);
    row.dayNumber = jd;
    row.date = FormatDateText(CivilDateOf(jd, kind));
    row.names = std::move(names);
    row.legal = legal;
    if (row.legal) row.legalText = kind == CalendarKind::Julian ? "Feiertag" : "gesetzl. Feiertag";
    row.calendarText = kind == CalendarKind::Julian ? "jul." : "greg.";
    rows.push_back(std::move(row));
  }
  return rows;
}

HolidayList HolidayListOfYear(std::string_view yearText, std::string_view code, CalendarKind kind) {
  return HolidayListOfYear(yearText, RegionOfCode(code), kind);
}

namespace {

HolidayList YearError(std::string_view yearText) {
  HolidayList list;
  list.text = "Fehler: " + std::string(yearText) + " ist kein gültiges Kalenderjahr!";
  list.lines.push_back(list.text);
  return list;
}

}  // namespace

HolidayList HolidayListOfYear(std::string_view yearText, const Region& region, CalendarKind kind) {
  const FieldResult field = ValidateYearText(yearText);
  const int year = field.code == 1 ? std::atoi(field.text.c_str()) : 0;
  if (year < 1 || year > 3000) return YearError(yearText);
  return HolidayListOfYear(year, region, kind);
}

HolidayList HolidayListOfYear(int year, const Region& region, CalendarKind kind) {
  if (year < 1 || year > 3000) return YearError(std::to_string(year));
  HolidayList list;
  std::string yearName = std::to_string(year);
  yearName.insert(0, 4 - yearName.size(), '0');
  const std::string regionName = region.DisplayName();
  list.rows = HolidayRowsOfYear(year, region, kind);
  std::vector<std::string>& lines = list.lines;
  lines.reserve(list.rows.size() + 24);
  // "Mo.01.01.2024 Neujahr" and what follows the names.
  const auto rowLine = [](const HolidayRow& row, std::string_view tail) {
    return Concat({row.weekday, row.date, " ", row.names, tail});
  };
  // Ends a section: its last line loses the final ",".
  const auto closeSection = [&](std::size_t firstLine) {
    if (lines.size() > firstLine && !lines.back().empty() && lines.back().back() == ',') {
      lines.back().pop_back();
    }
  };

  const bool legalSection = kind == CalendarKind::Gregorian && year >= 1871;
  if (legalSection) {
    lines.push_back(yearName);
    lines.push_back("gesetzliche Feiertage in " + regionName + ":");
    const std::size_t firstLine = lines.size();
    for (const HolidayRow& row : list.rows) {
      if (row.legal) lines.push_back(rowLine(row, ","));
    }
    closeSection(firstLine);
    lines.emplace_back(47, '-');
    lines.push_back(yearName);
    lines.push_back("alle Feiertage in " + regionName + ":");
  } else if (kind == CalendarKind::Julian) {
    lines.push_back(yearName + " Julianischer Kalender");
    lines.push_back("Feiertage in " + regionName + ":");
  } else {
    lines.push_back(yearName);
    lines.push_back("Feiertage in " + regionName + ":");
  }
  const std::size_t firstLine = lines.size();
  for (const HolidayRow& row : list.rows) {
    lines.push_back(rowLine(row, row.legal ? " (gesetzl.)," : ","));
  }
  closeSection(firstLine);

  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + kBreak.size();
  list.text.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) list.text += kBreak;
    list.text += lines[i];
  }
  return list;
}

}  // namespace engine

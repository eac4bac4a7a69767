// SPDX-License-Identifier: MIT
#include "engine/holidayevents.h"

#include <algorithm>

#include <cstdio>

#include "engine/daynumber.h"
#include "engine/easter.h"
#include "engine/holidays.h"
#include "engine/schoolholidays.h"
#include "engine/week.h"

namespace engine {
namespace {

constexpr auto kGregorian = CalendarKind::Gregorian;

// "20261003".
std::string CompactDate(const CivilDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
  return text;
}

// The ASCII spelling of a German letter in UTF-8 (the second byte after
// 0xC3), or nullptr for any other.
const char* GermanLetter(unsigned char second) {
  switch (second) {
    case 0xA4:  // ä
    case 0x84:  // Ä
      return "ae";
    case 0xB6:  // ö
    case 0x96:  // Ö
      return "oe";
    case 0xBC:  // ü
    case 0x9C:  // Ü
      return "ue";
    case 0x9F:  // ß
      return "ss";
    default:
      return nullptr;
  }
}

// Appends text in lower-case letters and digits, every other run of
// characters as one "-", without "-" at either end of the part.
void AppendSlug(std::string& out, std::string_view text) {
  bool gap = false;
  const auto append = [&](std::string_view part) {
    if (gap && !out.empty() && out.back() != '-') out += '-';
    gap = false;
    out += part;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 'a' && c <= 'z') {
      append(std::string_view(&text[i], 1));
    } else if (c >= 'A' && c <= 'Z') {
      const char lower = static_cast<char>(c - 'A' + 'a');
      append(std::string_view(&lower, 1));
    } else if (c >= '0' && c <= '9') {
      append(std::string_view(&text[i], 1));
    } else if (c == 0xC3 && i + 1 < text.size() &&
               GermanLetter(static_cast<unsigned char>(text[i + 1])) != nullptr) {
      append(GermanLetter(static_cast<unsigned char>(text[++i])));
    } else {
      gap = true;
    }
  }
}

HolidayEvent HolidayEventOf(const CivilDate& date, const Region& region, std::string name,
                            bool legal) {
  HolidayEvent event;
  event.date = date;
  event.kind = legal ? HolidayEventKind::LegalHoliday : HolidayEventKind::NamedDay;
  event.uid = HolidayEventUid(date, region.code, name);
  event.summary = std::move(name);
  event.category = legal ? kLegalHolidayCategory : kNamedDayCategory;
  event.description = "In " + region.DisplayName() +
                      (legal ? " gesetzlicher Feiertag." : " kein gesetzlicher Feiertag.");
  return event;
}

HolidayEvent WeekEventOf(int mondayJd) {
  const Week week = WeekOfDayNumber(mondayJd, kGregorian);
  const CivilDate monday = CivilDateOf(mondayJd, kGregorian);
  char summary[8];
  std::snprintf(summary, sizeof summary, "KW %02d", week.week);
  HolidayEvent event;
  event.date = monday;
  event.kind = HolidayEventKind::Week;
  event.uid = HolidayEventUid(monday, "kw", summary);
  event.summary = summary;
  event.category = kWeekCategory;
  event.description = "Kalenderwoche " + std::to_string(week.week) + " des Jahres " +
                      std::to_string(week.weekYear) + ": " + FormatDateText(monday) + " bis " +
                      FormatDateText(CivilDateOf(mondayJd + 6, kGregorian));
  return event;
}

// The day number of the Monday of week 1 of a week-year: the Monday on or
// before 4 January.
int FirstMondayOfWeekYear(int year) {
  const int fourth = DayNumberOf({year, 1, 4}, kGregorian);
  return fourth - (WeekDayOf(fourth) - 1);
}

// Appends the holiday events of one year, in day order, and before a
// Monday's holidays the week that begins on it when weeks are wanted.
void AppendHolidaysOfYear(std::vector<HolidayEvent>& events, int year, const Region& region,
                          bool legalOnly) {
  if (!region.hasRules) return;
  const bool leap = IsLeapYear(year, kGregorian);
  const int easter = EasterDay(year, kGregorian);
  const int first = DayNumberOf({year, 1, 1}, kGregorian);
  for (const int day : HolidayCandidateDays(year, region, kGregorian)) {
    const int jd = first + day - 1;
    if (JDInRange(jd) != 1) continue;
    const CivilDate date = CivilDateOf(jd, kGregorian);
    // The holidays of the day in the order of the day's holiday text: the
    // movable feast, Mother's Day, the fixed-date holiday.
    const auto add = [&](std::string name, int legalFlag) {
      const bool legal = region.ValidFlag(year, legalFlag) == 1;
      if (name.empty() || (legalOnly && !legal)) return;
      events.push_back(HolidayEventOf(date, region, std::move(name), legal));
    };
    Feast movable = MovableFeast(day, easter, year, region, leap);
    add(std::move(movable.name), movable.legal);
    if (IsMothersDay(day, year, region, kGregorian)) add("Muttertag", 0);
    Feast fixed = FixedHoliday(day, year, leap, region);
    add(std::move(fixed.name), fixed.legal);
  }
}

}  // namespace

std::string HolidayEventUid(const CivilDate& date, std::string_view scope, std::string_view name) {
  std::string uid = CompactDate(date);
  uid += '-';
  AppendSlug(uid, scope);
  uid += '-';
  AppendSlug(uid, name);
  uid += "@razaduvovi";
  return uid;
}

namespace {

// The school holidays that begin in the years, merged in date order after the
// other events of their first day.
std::vector<HolidayEvent> WithSchoolHolidays(std::vector<HolidayEvent> events, int firstYear,
                                             int lastYear, const Region& region,
                                             const HolidayEventOptions& options) {
  if (!options.schoolHolidays) return events;
  const int first = DayNumberOf({firstYear, 1, 1}, kGregorian);
  const int last = DayNumberOf({lastYear, 12, 31}, kGregorian);
  const std::size_t before = events.size();
  for (const SchoolHoliday& school : SchoolHolidaysBetween(first, last, region.code)) {
    if (school.firstDay < first) continue;  // it began the year before
    HolidayEvent event;
    event.date = CivilDateOf(school.firstDay, kGregorian);
    event.days = school.lastDay - school.firstDay + 1;
    event.kind = HolidayEventKind::SchoolHoliday;
    event.summary = std::string(school.name) + " " + region.DisplayName();
    event.uid = HolidayEventUid(event.date, region.code, "schulferien " + std::string(school.name));
    event.category = kSchoolHolidayCategory;
    event.description =
        SchoolHolidayText(school, region.DisplayName()) + ". Quelle: OpenHolidays, ODbL 1.0";
    events.push_back(std::move(event));
  }
  if (events.size() == before) return events;
  std::stable_sort(events.begin(), events.end(), [](const HolidayEvent& a, const HolidayEvent& b) {
    return DayNumberOf(a.date, kGregorian) < DayNumberOf(b.date, kGregorian);
  });
  return events;
}

}  // namespace

std::vector<HolidayEvent> HolidayEventsOfYears(int firstYear, int lastYear, const Region& region,
                                               HolidayEventOptions options) {
  std::vector<HolidayEvent> events;
  if (firstYear < 1 || lastYear > 3000 || firstYear > lastYear ||
      lastYear - firstYear >= kMaxHolidayEventYears) {
    return events;
  }
  std::vector<HolidayEvent> holidays;
  for (int year = firstYear; year <= lastYear; ++year) {
    AppendHolidaysOfYear(holidays, year, region, options.legalOnly);
  }
  if (!options.weeks)
    return WithSchoolHolidays(std::move(holidays), firstYear, lastYear, region, options);

  // Merges the Mondays of the week-years into the holidays, both in date order.
  const int lastMonday = FirstMondayOfWeekYear(lastYear + 1) - 7;
  events.reserve(holidays.size() + static_cast<std::size_t>(lastYear - firstYear + 1) * 53);
  std::size_t next = 0;
  for (int monday = FirstMondayOfWeekYear(firstYear); monday <= lastMonday; monday += 7) {
    if (JDInRange(monday) != 1) continue;
    const CivilDate date = CivilDateOf(monday, kGregorian);
    const auto before = [&](const CivilDate& d) {
      return d.year != date.year
                 ? d.year < date.year
                 : (d.month != date.month ? d.month < date.month : d.day < date.day);
    };
    while (next < holidays.size() && before(holidays[next].date)) {
      events.push_back(std::move(holidays[next++]));
    }
    events.push_back(WeekEventOf(monday));
  }
  while (next < holidays.size()) events.push_back(std::move(holidays[next++]));
  return WithSchoolHolidays(std::move(events), firstYear, lastYear, region, options);
}

std::string HolidayCalendarName(int firstYear, int lastYear, const Region& region, bool legalOnly) {
  std::string name = legalOnly ? "Gesetzliche Feiertage in " : "Feiertage in ";
  name += region.DisplayName();
  name += ' ';
  name += std::to_string(firstYear);
  if (lastYear != firstYear) name += '-' + std::to_string(lastYear);
  return name;
}

}  // namespace engine

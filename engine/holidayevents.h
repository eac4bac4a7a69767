// SPDX-License-Identifier: MIT
// Holiday events: the holidays of a region over whole years as all-day
// events of an appointment calendar, one per holiday and day, each with what
// a calendar program keeps of it (a stable identifier, a title, a category
// and a description), and the calendar weeks as events on their Mondays.
// Dates are Gregorian, as calendar programs count them. The file format is
// the command line's business; nothing here knows its syntax.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/civildate.h"
#include "engine/region.h"

namespace engine {

enum class HolidayEventKind { LegalHoliday, NamedDay, Week, SchoolHoliday };

// The categories of the three kinds.
inline constexpr std::string_view kLegalHolidayCategory = "Gesetzlicher Feiertag";
inline constexpr std::string_view kNamedDayCategory = "Gedenktag";
inline constexpr std::string_view kWeekCategory = "Kalenderwoche";
inline constexpr std::string_view kSchoolHolidayCategory = "Schulferien";

// The most years one call turns into events.
inline constexpr int kMaxHolidayEventYears = 100;

// One all-day event over `days` days; it ends before the day after them.
struct HolidayEvent {
  CivilDate date;  // Gregorian, the first day
  int days = 1;
  HolidayEventKind kind = HolidayEventKind::NamedDay;
  std::string uid;            // "20261003-d-ni-tag-der-deutschen-einheit@razaduvovi"
  std::string summary;        // "Tag der deutschen Einheit", "KW 53"
  std::string_view category;  // one of the three above
  std::string description;    // "In Niedersachsen gesetzlicher Feiertag."
};

struct HolidayEventOptions {
  bool legalOnly = false;  // only the legal holidays
  bool weeks = false;      // an event "KW nn" on the Monday of every week
  // the school holidays that begin in the years, each one event over its days
  bool schoolHolidays = false;
};

// HolidayEventsOfYears: the events of the years first..last (both in 1..3000,
// at most kMaxHolidayEventYears of them, else none) in the region, in date
// order, a week's event before the holidays of its Monday. A day with two
// holidays gives two events; Mother's Day is one of its own. The weeks are
// those of the week-years first..last, so the first Monday may lie in the
// December before. A region without holiday rules has only weeks.
std::vector<HolidayEvent> HolidayEventsOfYears(
    int firstYear, int lastYear, const Region& region,
    HolidayEventOptions options = {});  // (2026, 2026, Bavaria) -> 1 Jan "Neujahr", ...

// HolidayEventUid: the identifier of an event from its date, a scope (the
// region code, or "kw" for the weeks) and its name, in lower-case ASCII, the
// same in every export.
std::string HolidayEventUid(const CivilDate& date, std::string_view scope,
                            std::string_view name);  // ({2026,10,3}, "A-NÖ", "Tag X") ->
                                                     // "20261003-a-noe-tag-x@razaduvovi"

// HolidayCalendarName: the calendar's name for a calendar program's list.
std::string HolidayCalendarName(int firstYear, int lastYear, const Region& region,
                                bool legalOnly);  // (2026, 2027, Bavaria, false) ->
                                                  // "Feiertage in Bayern 2026-2027"

}  // namespace engine

// SPDX-License-Identifier: MIT
// School holidays of the German states and the Austrian states: the stretches
// of days without school, with the name the state gives them ("Herbstferien",
// "Semesterferien", "Buß- und Bettag", ...), for the calendar years the
// compiled-in table holds (Germany from the school year 2011/12, Austria from
// 2016/17, both as far as the states have decided them).
//
// The table is generated from the OpenHolidays data by
// scripts/gen_school_holidays.py into schoolholidays_data.inc, which stays
// under the Open Database License ("Schulferien: OpenHolidays, ODbL 1.0", see
// schoolholidays_data.NOTICE.md). Mecklenburg-Vorpommern shows the general
// schools, Schleswig-Holstein the mainland. The days of one region never
// overlap, so a day has at most one school holiday.
//
// Regions are the codes of the region table ("D-NI", "A-W"); a code without
// data (a country, "D-OB", "CH", any other text) and a year without data give
// nothing, never an error. Every lookup is a binary search over the sorted
// table, so a month sheet may ask each of its 42 days.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The source the table's licence (ODbL 1.0) asks to name wherever the school
// holidays are shown or passed on.
inline constexpr std::string_view kSchoolHolidaySource = "Schulferien: OpenHolidays, ODbL 1.0";

// One stretch of school holidays of a region, both days included; a single
// free day has firstDay == lastDay. The name views the constant table.
struct SchoolHoliday {
  std::string_view name;  // "Herbstferien"
  int firstDay = 0;       // day numbers (civildate.h), Gregorian
  int lastDay = 0;
  friend bool operator==(const SchoolHoliday&, const SchoolHoliday&) = default;
};

// SchoolHolidayOn: the school holiday a day lies in, nullopt for a school day
// and for a region or day without data.
std::optional<SchoolHoliday> SchoolHolidayOn(int dayNumber, std::string_view region);
// (DayNumberOf({2024, 10, 10}, Gregorian), "D-NI") -> {"Herbstferien", 04.10.2024, 19.10.2024}

// SchoolHolidaysBetween: every stretch of the region that shares at least one
// day with first..last (both included), in day order; none when first > last.
std::vector<SchoolHoliday> SchoolHolidaysBetween(int first, int last, std::string_view region);

// SchoolHolidaysOfYear: every stretch that touches the Gregorian year, the
// Christmas holidays from the year before and into the next one included.
std::vector<SchoolHoliday> SchoolHolidaysOfYear(int year, std::string_view region);
// (2025, "D-NI") -> {"Weihnachtsferien" 23.12.2024–04.01.2025, "Halbjahresferien", ...}

// HasSchoolHolidayData: whether the table holds a stretch of the region that
// touches the year; a view can tell "no data" from "no holidays" with it.
bool HasSchoolHolidayData(std::string_view region, int year);  // ("D-NI", 2035) -> false

// SchoolHolidayText: name, region name and the days, "Herbstferien
// Niedersachsen 04.10.–19.10.2024"; across a year's end both dates in full
// ("23.12.2024–04.01.2025"), a single day as one date. An empty region name
// leaves it out.
std::string SchoolHolidayText(const SchoolHoliday& holiday, std::string_view regionName);

namespace detail {

// The rows of the table in its order, for the checks of the tests.
struct SchoolHolidayRow {
  std::string_view region;
  SchoolHoliday holiday;
};
std::size_t SchoolHolidayRowCount();
SchoolHolidayRow SchoolHolidayRowAt(std::size_t index);  // index < SchoolHolidayRowCount()

}  // namespace detail

}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/schoolholidays.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

#include "engine/civildate.h"
#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr auto kGregorian = CalendarKind::Gregorian;

// The form the generator writes: dates as the data give them.
struct SchoolHolidayDataRow {
  std::string_view region;
  CivilDate first;
  CivilDate last;
  int name = 0;
};

#include "engine/schoolholidays_data.inc"

// The rows as the lookups read them: day numbers, computed by the compiler.
struct Entry {
  std::string_view region;
  int firstDay = 0;
  int lastDay = 0;
  int name = 0;
};

constexpr auto kEntries = [] {
  std::array<Entry, std::size(kSchoolHolidayData)> entries{};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SchoolHolidayDataRow& row = kSchoolHolidayData[i];
    entries[i] = {row.region, DayNumberOf(row.first, kGregorian), DayNumberOf(row.last, kGregorian),
                  row.name};
  }
  return entries;
}();

// The lookups rely on this order: regions in byte order, and within a region
// stretches that follow each other without a shared day, so that first and
// last days both ascend. A table that breaks it does not compile.
constexpr bool IsOrderedAndDisjoint() {
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    const Entry& e = kEntries[i];
    if (e.lastDay < e.firstDay) return false;
    if (e.name < 0 || static_cast<std::size_t>(e.name) >= std::size(kSchoolHolidayNames)) {
      return false;
    }
    if (i == 0) continue;
    const Entry& before = kEntries[i - 1];
    if (before.region > e.region) return false;
    if (before.region == e.region && before.lastDay >= e.firstDay) return false;
  }
  return true;
}
static_assert(IsOrderedAndDisjoint());

std::span<const Entry> RowsOf(std::string_view region) {
  // The classic algorithms: the fuzz build's clang 14 rejects the ranges::subrange
  // that std::ranges::equal_range returns with libstdc++ 12.
  const auto begin =
      std::lower_bound(kEntries.begin(), kEntries.end(), region,
                       [](const Entry& e, std::string_view r) { return e.region < r; });
  const auto end =
      std::upper_bound(begin, kEntries.end(), region,
                       [](std::string_view r, const Entry& e) { return r < e.region; });
  return {begin, end};
}

SchoolHoliday HolidayOf(const Entry& e) {
  return {kSchoolHolidayNames[e.name], e.firstDay, e.lastDay};
}

// The first stretch of the region that ends on or after the day: the only
// one that can hold it, and the first one a span from it touches.
auto FirstEndingFrom(std::span<const Entry> rows, int day) {
  return std::lower_bound(rows.begin(), rows.end(), day,
                          [](const Entry& e, int d) { return e.lastDay < d; });
}

// Day numbers of 1 January and 31 December, for the years the day numbers reach.
bool YearBounds(int year, int& first, int& last) {
  if (year < 1 || year > 3000) return false;
  first = DayNumberOf({year, 1, 1}, kGregorian);
  last = DayNumberOf({year, 12, 31}, kGregorian);
  return true;
}

}  // namespace

std::optional<SchoolHoliday> SchoolHolidayOn(int dayNumber, std::string_view region) {
  const std::span<const Entry> rows = RowsOf(region);
  const auto it = FirstEndingFrom(rows, dayNumber);
  if (it == rows.end() || it->firstDay > dayNumber) return std::nullopt;
  return HolidayOf(*it);
}

std::vector<SchoolHoliday> SchoolHolidaysBetween(int first, int last, std::string_view region) {
  std::vector<SchoolHoliday> holidays;
  if (first > last) return holidays;
  const std::span<const Entry> rows = RowsOf(region);
  for (auto it = FirstEndingFrom(rows, first); it != rows.end() && it->firstDay <= last; ++it) {
    holidays.push_back(HolidayOf(*it));
  }
  return holidays;
}

std::vector<SchoolHoliday> SchoolHolidaysOfYear(int year, std::string_view region) {
  int first = 0;
  int last = 0;
  if (!YearBounds(year, first, last)) return {};
  return SchoolHolidaysBetween(first, last, region);
}

bool HasSchoolHolidayData(std::string_view region, int year) {
  int first = 0;
  int last = 0;
  if (!YearBounds(year, first, last)) return false;
  const std::span<const Entry> rows = RowsOf(region);
  const auto it = FirstEndingFrom(rows, first);
  return it != rows.end() && it->firstDay <= last;
}

std::string SchoolHolidayText(const SchoolHoliday& holiday, std::string_view regionName) {
  std::string text(holiday.name);
  if (!regionName.empty()) {
    text += ' ';
    text += regionName;
  }
  text += ' ';
  text += DaySpanText(holiday.firstDay, holiday.lastDay);
  return text;
}

namespace detail {

std::size_t SchoolHolidayRowCount() {
  return kEntries.size();
}

SchoolHolidayRow SchoolHolidayRowAt(std::size_t index) {
  return {kEntries.at(index).region, HolidayOf(kEntries.at(index))};
}

}  // namespace detail

}  // namespace engine

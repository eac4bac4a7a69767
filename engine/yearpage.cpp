// SPDX-License-Identifier: MIT
#include "engine/yearpage.h"

#include <algorithm>

#include "engine/bridgedays.h"
#include "engine/daydescription.h"
#include "engine/daynumber.h"
#include "engine/monthsheet.h"
#include "engine/moonsun.h"

namespace engine {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

YearPageMonth MonthOf(int year, int month, const Region& region, CalendarKind kind) {
  const MonthSheet sheet = MonthSheetOf(year, month, region.code, kind, 0);
  YearPageMonth result;
  result.month = month;
  result.name = sheet.monthName;
  for (std::size_t i = 0; i < sheet.cells.size(); ++i) {
    const MonthCell& cell = sheet.cells[i];
    YearPageDay& day = result.days[i];
    day.day = cell.date.day;
    day.inMonth = !cell.dimmed();
    day.saturday = cell.column == 6;
    day.sunday = cell.column == 7;
    if (!day.inMonth) continue;
    day.legalHoliday = cell.legalHoliday;
    day.schoolHoliday = !cell.schoolHoliday.empty();
    // The moon marks go on the one day of each month on which the phase is
    // reached, the same day the day description names.
    const std::string_view phase = cell.facts.moonPhase;
    day.newMoon = StartsWith(phase, "Neumond");
    day.fullMoon = StartsWith(phase, "Vollmond");
    result.rows = static_cast<int>(i / 7) + 1;
  }
  for (std::size_t row = 0; row < sheet.weeks.size(); ++row) {
    result.weeks[row] = sheet.weeks[row].week;
  }
  return result;
}

}  // namespace

YearPage YearPageOf(int year, const Region& region, CalendarKind kind) {
  YearPage page;
  page.year = std::clamp(year, 1, 3000);
  page.kind = kind;
  page.regionCode = region.code;
  page.regionName = region.DisplayName();
  page.title = "Jahreskalender " + std::to_string(page.year) + " – " + page.regionName;
  if (kind == CalendarKind::Julian) page.title += " (julianischer Kalender)";
  for (int month = 1; month <= 12; ++month) {
    YearPageMonth& shown = page.months[static_cast<std::size_t>(month - 1)];
    shown = MonthOf(page.year, month, region, kind);
    for (const YearPageDay& day : shown.days) page.schoolHolidays |= day.schoolHoliday;
  }
  for (const HolidayRow& row : HolidayRowsOfYear(page.year, region, kind)) {
    page.holidays.push_back({row.date, std::string(row.weekday), row.names, row.legal});
  }
  if (kind == CalendarKind::Gregorian) {
    for (const BridgeStretch& bridge : BridgeDaysOfYear(page.year, region.code)) {
      // The page is of one year: the free days without their years.
      const auto day = [](int dayNumber) {
        return FormatDateText(CivilDateOf(dayNumber, CalendarKind::Gregorian));
      };
      page.bridges.push_back({day(bridge.firstLeave), std::string(bridge.weekday),
                              bridge.gain + " (" + day(bridge.firstFree).substr(0, 6) + "–" +
                                  day(bridge.lastFree).substr(0, 6) + ")"});
    }
  }
  return page;
}

YearPage YearPageOf(int year, std::string_view code, CalendarKind kind) {
  return YearPageOf(year, RegionOfCode(code), kind);
}

}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/monthsheet.h"

#include <algorithm>

#include "engine/bridgedays.h"
#include "engine/period.h"
#include "engine/schoolholidays.h"
#include "engine/week.h"

namespace engine {
namespace {

std::string TwoCharacterNumber(int value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 1, ' ');
  return text;
}

void Count(WorkingDayCounts& counts, const MonthCell& cell) {
  if (cell.legalHoliday) {
    if (cell.column != 7) ++counts.holidaysOffSunday;
    return;
  }
  if (cell.column <= 6) ++counts.mondayToSaturday;
  if (cell.column <= 5) ++counts.mondayToFriday;
}

// The working-day lines shared by the week and the month hints; legal
// holidays are counted only where the sheet knows legal holidays, after 1870.
std::string CountLines(const WorkingDayCounts& counts, int year, std::string_view saturdays) {
  std::string text = CountText(counts.mondayToSaturday, "Werktag");
  text += "\r\n";
  text += CountText(counts.mondayToFriday, "Werktag");
  text += saturdays;
  if (year > 1870) {
    text += "\r\n";
    text += CountText(counts.holidaysOffSunday, "Feiertag");
    text += " nicht auf Sonntag fallend";
  }
  return text;
}

}  // namespace

MonthSheet MonthSheetOf(int year, int month, std::string_view code, CalendarKind kind, int today,
                        int selected) {
  MonthSheet sheet;
  year = std::clamp(year, 1, 3000);
  month = std::clamp(month, 1, 12);
  sheet.year = year;
  sheet.month = month;
  sheet.monthName = MonthName(month);
  sheet.daysInMonth = DaysInMonthOf(month, year, kind);

  const int first = DayNumberOf(CivilDate{year, month, 1}, kind);
  const int sheetDay = selected != 0 ? selected : first;
  const auto calendarOf = [kind](int dayNumber) {
    if (kind == CalendarKind::Julian) return SheetCalendar::Julian;
    return dayNumber < kGregorianSwitchDay ? SheetCalendar::PreGregorian : SheetCalendar::Gregorian;
  };
  sheet.calendar = calendarOf(sheetDay);

  const int monday = first - WeekDayOf(first) + 1;
  for (int i = 0; i < 42; ++i) {
    MonthCell& cell = sheet.cells[static_cast<std::size_t>(i)];
    cell.dayNumber = monday + i;
    cell.clickDayNumber = std::clamp(cell.dayNumber, kFirstDayNumber, kLastDayNumber);
    cell.date = CivilDateOf(cell.dayNumber, kind);
    cell.text = TwoCharacterNumber(cell.date.day);
    cell.column = i % 7 + 1;
    cell.inMonth = cell.date.month == month && cell.date.year == year;
    cell.inRange = IsDayNumberInRange(cell.dayNumber);
    cell.selected = cell.dayNumber == sheetDay;
    cell.today = cell.dayNumber == today;
    cell.background = calendarOf(cell.dayNumber);
    if (cell.inRange) {
      cell.facts = DayFactsOfJD(cell.dayNumber, code, kind);
      cell.legalHoliday = cell.facts.holidayFlag == 1;
      if (kind == CalendarKind::Gregorian) {
        if (const std::optional<SchoolHoliday> school = SchoolHolidayOn(cell.dayNumber, code)) {
          cell.schoolHoliday = school->name;
        }
      }
    }
    if (cell.inMonth && !cell.schoolHoliday.empty()) ++sheet.schoolHolidayDays;
    if (cell.inMonth) Count(sheet.monthCounts, cell);
  }

  // Bridge days are a matter of the legal holidays, so of Gregorian weeks.
  const std::vector<BridgeStretch> bridges = kind == CalendarKind::Gregorian
                                                 ? BridgeDaysBetween(monday, monday + 41, code)
                                                 : std::vector<BridgeStretch>{};
  for (int row = 0; row < 6; ++row) {
    MonthWeek& week = sheet.weeks[static_cast<std::size_t>(row)];
    const MonthCell& mondayCell = sheet.cells[static_cast<std::size_t>(7 * row)];
    const Week number = WeekOfDay(mondayCell.dayNumber, mondayCell.date, kind);
    week.week = number.week;
    week.weekYear = number.weekYear;
    week.text = TwoCharacterNumber(number.week);
    for (int column = 0; column < 7; ++column) {
      Count(week.counts, sheet.cells[static_cast<std::size_t>(7 * row + column)]);
    }
    if (calendarOf(mondayCell.dayNumber) != SheetCalendar::Gregorian) {
      week.hint = "Kalenderwoche";
    } else {
      week.hint = std::to_string(week.week) + ". Kalenderwoche " + std::to_string(week.weekYear) +
                  ":\r\n" + CountLines(week.counts, week.weekYear, " ohne den Samstag");
      const int weekMonday = monday + 7 * row;
      for (const BridgeStretch& bridge : bridges) {
        if (bridge.firstLeave < weekMonday || bridge.firstLeave > weekMonday + 6) continue;
        if (!week.hint.ends_with("\r\n")) week.hint += "\r\n";
        week.hint += "Brückentag: " + bridge.text;
      }
    }
  }

  switch (sheet.calendar) {
    case SheetCalendar::Julian:
      sheet.monthHint = "Julianischer Kalender";
      break;
    case SheetCalendar::PreGregorian:
      sheet.monthHint = "Vor-Gregorianischer Kalender";
      break;
    case SheetCalendar::Gregorian:
      sheet.monthHint = sheet.monthName + " " + std::to_string(year) + ":\r\n" +
                        std::to_string(sheet.daysInMonth) + " Tage\r\n" +
                        CountLines(sheet.monthCounts, year, " ohne die Samstage");
      if (sheet.schoolHolidayDays > 0) {
        sheet.monthHint += "\r\n" + CountText(sheet.schoolHolidayDays, "Schulferientag");
      }
      break;
  }
  return sheet;
}

MonthSheet MonthSheetOfDay(int dayNumber, std::string_view code, CalendarKind kind, int today) {
  dayNumber = std::clamp(dayNumber, kFirstDayNumber, kLastDayNumber);
  const CivilDate date = CivilDateOf(dayNumber, kind);
  return MonthSheetOf(date.year, date.month, code, kind, today, dayNumber);
}

}  // namespace engine

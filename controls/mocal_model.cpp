// SPDX-License-Identifier: MIT
#include "controls/mocal_model.h"

#include <algorithm>

#include "engine/civildate.h"
#include "engine/daydescription.h"
#include "engine/daynumber.h"
#include "engine/region.h"
#include "engine/urlencode.h"
#include "engine/week.h"

namespace controls {
namespace {

using engine::CalendarKind;
using engine::SheetCalendar;

constexpr std::string_view kLeftButtonLine = "\n\rlinke Maustaste = Jahr ";
constexpr std::string_view kRightButtonLine = "\n\rrechte Maustaste = Auswahl";

std::string Article(std::string_view encodedTitle) {
  std::string link(kEncyclopediaBase);
  link += encodedTitle;
  return link;
}

std::string TwoDigits(int value) {
  const int rest = ((value % 100) + 100) % 100;
  return {static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10)};
}

// The day article of the encyclopedia: "3._M%E4rz".
std::string DayArticleTitle(const engine::CivilDate& date) {
  return std::to_string(date.day) + "._" + engine::UrlEncode(engine::MonthName(date.month));
}

std::string AucText(int year) {
  return "a.u.c. " + std::to_string(year + 753);
}

std::string ButtonLines(int year) {
  std::string text(kLeftButtonLine);
  text += std::to_string(year);
  text += kRightButtonLine;
  return text;
}

SheetCalendar CalendarOfDay(int dayNumber, CalendarKind kind) {
  if (kind == CalendarKind::Julian) return SheetCalendar::Julian;
  return dayNumber < engine::kGregorianSwitchDay ? SheetCalendar::PreGregorian
                                                 : SheetCalendar::Gregorian;
}

// The school years whose documents the ministers' conference does not hold.
bool SchoolYearMissing(int schoolYear) {
  constexpr int kMissing[] = {1956, 1958, 1961, 1962, 1964, 1965};
  return std::find(std::begin(kMissing), std::end(kMissing), schoolYear) != std::end(kMissing);
}

// Whether a region's schools had documents of the conference in a year:
// German regions only, the Saarland from 1959, the East from 1990.
bool RegionHasSchoolDocuments(std::string_view code, int year) {
  if (!engine::IsGermanRegion(code)) return false;
  if (code == "D-SL" && year < 1959) return false;
  if (engine::RegionEra(code, year) == engine::kEraEast && year < 1990) return false;
  return true;
}

std::string SchoolYearCaption(int from) {
  return "im Schuljahr " + std::to_string(from) + "/" + std::to_string(from + 1);
}

CellView CellViewOf(const engine::MonthCell& cell, std::string_view code, CalendarKind kind,
                    int today, std::string_view tour) {
  CellView view;
  view.text = cell.text;
  if (cell.column == 7) {
    view.ink = CellInk::Sunday;
    view.bold = true;
  } else if (cell.column == 6) {
    view.ink = CellInk::Saturday;
  }
  if (cell.legalHoliday) {
    view.ink = CellInk::LegalHoliday;
    view.bold = true;
  }
  if (cell.dimmed()) view.ink = CellInk::Grey;
  view.schoolHoliday = !cell.schoolHoliday.empty() && !cell.dimmed();
  if (cell.inRange) view.hint = engine::DescribeDay(cell.facts, code, kind, 0).text;
  view.link = CellLink(cell, today, tour);
  view.accessibleName = AccessibleCellName(cell, kind);
  return view;
}

}  // namespace

std::string LowerCapital(std::string_view code) {
  std::string capital = engine::RegionPlace(code).capital;
  for (std::size_t i = 0; i < capital.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(capital[i]);
    if (byte >= 'A' && byte <= 'Z') {
      capital[i] = static_cast<char>(byte - 'A' + 'a');
    } else if (byte == 0xC3 && i + 1 < capital.size()) {
      // UTF-8 capitals À..Þ (but ×) are C3 80..9E; their small letters lie 0x20 higher.
      const unsigned char next = static_cast<unsigned char>(capital[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) {
        capital[i + 1] = static_cast<char>(next + 0x20);
      }
      ++i;
    }
  }
  return capital;
}

std::string CellLink(const engine::MonthCell& cell, int today, std::string_view tour) {
  if (!cell.inRange) return {};
  if (!tour.empty() && tour != "no" && cell.dayNumber > today) {
    std::string link(kTourBase);
    link += engine::UrlEncode(tour);
    link += "/reisekal.html#";
    link += TwoDigits(cell.date.year) + TwoDigits(cell.date.month) + TwoDigits(cell.date.day);
    return link;
  }
  return Article(DayArticleTitle(cell.date));
}

std::string AccessibleCellName(const engine::MonthCell& cell, CalendarKind kind) {
  std::string name = engine::WeekDayName(engine::WeekDayOf(cell.dayNumber));
  name += ", ";
  name += std::to_string(cell.date.day) + ". " + engine::MonthName(cell.date.month) + " " +
          std::to_string(cell.date.year);
  if (!cell.inRange) return name + ", außerhalb des Kalenderbereichs";
  const std::string& holidays = cell.facts.holidayText;
  if (!holidays.empty() && holidays.front() != 'x') name += ", " + holidays;
  if (cell.legalHoliday) name += ", gesetzlicher Feiertag";
  if (!cell.schoolHoliday.empty()) name += ", " + std::string(cell.schoolHoliday);
  if (kind == CalendarKind::Julian) {
    name += ", Julianischer Kalender";
  } else if (cell.background == SheetCalendar::PreGregorian) {
    name += ", Vor-Gregorianischer Kalender";
  }
  return name;
}

std::array<MenuItem, 8> DayMenuOf(const engine::MonthCell& cell, std::string_view code,
                                  std::string_view timeText, int today) {
  const engine::CivilDate gregorian = engine::CivilDateOf(cell.dayNumber, CalendarKind::Gregorian);
  const std::string date = engine::FormatDateText(gregorian);
  const std::string hour(timeText.substr(0, std::min<std::size_t>(2, timeText.size())));
  const std::string minute(timeText.size() > 3 ? timeText.substr(3, 2) : std::string_view{});
  const std::string at = date + "+" + hour + "%3A" + minute;
  const std::string place = engine::UrlEncode(LowerCapital(code)) + "+germany";
  const auto lookUp = [](const std::string& query) {
    return std::string(kKnowledgeEngineBase) + query;
  };
  const std::string dayArticle = Article(DayArticleTitle(gregorian));

  std::array<MenuItem, 8> items;
  items[0] = {"Wetter", "", lookUp(date + "+weather+in+" + place), true};
  items[1] = {"Tide in Cuxhaven", "", lookUp(date + "+tide+in+cuxhaven"), true};
  items[2] = {"Sonne", "", lookUp(at + "+sun+in+" + place), true};
  items[3] = {"Mond", "", lookUp(at + "+moon+in+" + place), true};
  items[4] = {"Sterne", "", lookUp(at + "+skychart+for+" + place), true};
  items[5] = {"Gedenktag", "", dayArticle + "#Feier-_und_Gedenktage", true};
  items[6] = {"Zeitgeschehen", "", dayArticle, true};
  items[7] = {"DER SPIEGEL", "", "", false};
  if (cell.dayNumber >= kFirstMagazineDay && cell.dayNumber <= today) {
    const engine::Week week = engine::WeekOfDayNumber(cell.dayNumber, CalendarKind::Gregorian);
    items[7].caption =
        "DER SPIEGEL " + std::to_string(week.week) + "/" + std::to_string(week.weekYear);
    items[7].link = std::string(kMagazineIndexBase) + std::to_string(week.weekYear) + "-" +
                    std::to_string(week.week) + ".html";
    items[7].visible = true;
  }
  if (!cell.inRange) {
    for (MenuItem& item : items) item.visible = false;
  }
  return items;
}

std::string SchoolHolidayDocument(int schoolYear) {
  const int next = schoolYear + 1;
  std::string name;
  if (schoolYear >= 2017) {
    name = "FER" + TwoDigits(schoolYear) + "_" + TwoDigits(next);
  } else if (schoolYear >= 2010) {
    name = "FER" + std::to_string(schoolYear) + "_" + TwoDigits(next);
    if (schoolYear == 2016) name += "_-_NEU";
  } else {
    name = "Ferien" + TwoDigits(schoolYear) + "_" + TwoDigits(next);
  }
  for (std::string_view dashed : {"80_81", "84_85", "87_88", "91_92", "93_94"}) {
    if (name.find(dashed) != std::string::npos) {
      std::replace(name.begin(), name.end(), '_', '-');
      break;
    }
  }
  return name + ".pdf";
}

std::array<MenuItem, 6> YearMenuOf(int sheetDay, CalendarKind kind, std::string_view code) {
  const int year = engine::CivilDateOf(sheetDay, kind).year;
  const SheetCalendar calendar = CalendarOfDay(sheetDay, kind);
  const bool counted = kind == CalendarKind::Gregorian ? calendar == SheetCalendar::Gregorian
                                                       : sheetDay < engine::kGregorianSwitchDay;
  const std::string yearText = std::to_string(year);

  std::array<MenuItem, 6> items;
  items[0] = {"Jahr ", "", Article("Jahr"), true};
  items[1] = {yearText, "", Article(yearText), true};
  // The caption is built from its base "a.u.c." every time, so it never grows.
  items[2] = {counted ? AucText(year) : std::string("a.u.c."), "Ab urbe condita",
              Article("Ab_urbe_condita_(Chronologie)"), true};
  items[3] = {"Schulferien", "", "", false};
  items[4] = {SchoolYearCaption(year - 1), "", "", false};
  items[5] = {SchoolYearCaption(year), "", "", false};
  if (calendar != SheetCalendar::Gregorian) return items;

  if (year >= 1890) items[3] = {"Schulferien", "", Article("Schulferien"), true};
  if (RegionHasSchoolDocuments(code, year)) {
    const int earlier = year - 1;
    if (earlier >= 1964 && earlier <= 2020 && !SchoolYearMissing(earlier)) {
      items[4].link = std::string(kSchoolHolidayFolder) + SchoolHolidayDocument(earlier);
      items[4].visible = true;
    }
    if (year >= 1952 && year <= 2024 && !SchoolYearMissing(year)) {
      items[5].link = std::string(kSchoolHolidayFolder) +
                      (year > 2020 ? std::string("Sommerferienregelung_2018-2024.pdf")
                                   : SchoolHolidayDocument(year));
      items[5].visible = true;
    }
  }
  return items;
}

std::string CellStateWords(const engine::MonthCell& cell) {
  std::string words;
  if (cell.today) words += ", heute";
  if (cell.selected) words += ", ausgewählt";
  if (!cell.inMonth) words += ", nicht in diesem Monat";
  return words;
}

std::string WeekRowName(std::string_view weekText) {
  std::size_t first = weekText.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = weekText.find_last_not_of(' ');
  return std::string(weekText.substr(first, last - first + 1)) + ". Kalenderwoche";
}

SheetView SheetViewOf(int dayNumber, std::string_view code, CalendarKind kind, int today,
                      std::string_view tour) {
  SheetView view;
  dayNumber = std::clamp(dayNumber, engine::kFirstDayNumber, engine::kLastDayNumber);
  view.sheet = engine::MonthSheetOfDay(dayNumber, code, kind, today);
  view.code = std::string(code);
  view.kind = kind;
  view.selected = dayNumber;
  const engine::MonthSheet& sheet = view.sheet;
  const int year = sheet.year;

  for (std::size_t i = 0; i < sheet.cells.size(); ++i) {
    view.cells[i] = CellViewOf(sheet.cells[i], code, kind, today, tour);
  }
  for (std::size_t row = 0; row < sheet.weeks.size(); ++row) {
    view.weeks[row] = {sheet.weeks[row].text, sheet.weeks[row].hint, Article("woche")};
  }
  for (int weekday = 1; weekday <= 7; ++weekday) {
    const std::string name = engine::WeekDayName(weekday);
    view.weekdays[static_cast<std::size_t>(weekday - 1)] = {name.substr(0, 2), name,
                                                            Article(engine::UrlEncode(name))};
  }

  view.month = {sheet.monthName, sheet.monthHint, Article(engine::UrlEncode(sheet.monthName))};
  view.year.text = std::to_string(year);
  view.year.link = Article(view.year.text);
  switch (sheet.calendar) {
    case SheetCalendar::Julian:
      view.headPaper = SheetPaper::Julian;
      view.mark = {"(Jul.)", "Julianischer Kalender", Article("Julianischer_Kalender")};
      view.year.hint = "Julianischer Kalender";
      if (dayNumber < engine::kGregorianSwitchDay) view.year.hint += "\n\r" + AucText(year);
      view.year.hint += ButtonLines(year);
      break;
    case SheetCalendar::Gregorian:
      view.headPaper = SheetPaper::Window;
      view.mark = {std::string(22, ' '),
                   "Gregorianischer Kalender\n\r" + AucText(year) + ButtonLines(year),
                   Article("Gregorianischer_Kalender")};
      view.year.hint = view.mark.hint;
      break;
    case SheetCalendar::PreGregorian:
      view.headPaper = SheetPaper::PreGregorian;
      view.mark = {"(V-G.)",
                   "Vor-Gregorianischer Kalender\n\rDer Gregorianische Kalender ist "
                   "ausdrücklich nicht proleptisch!\n\rNur zu Vergleichszwecken wird hier "
                   "proleptisch gerechnet.",
                   Article("Proleptisch")};
      view.year.hint = "Vor-Gregorianischer Kalender" + ButtonLines(year);
      break;
  }
  view.yearMenu = YearMenuOf(dayNumber, kind, code);
  return view;
}

void SelectDay(SheetView& view, int dayNumber) {
  view.selected = dayNumber;
  for (engine::MonthCell& cell : view.sheet.cells) cell.selected = cell.dayNumber == dayNumber;
}

SheetPaper CellPaper(const SheetView& view, int cell) {
  const engine::MonthCell& day = view.sheet.cells[static_cast<std::size_t>(cell)];
  if (day.selected) return SheetPaper::Selected;
  switch (day.background) {
    case SheetCalendar::Julian:
      return SheetPaper::Julian;
    case SheetCalendar::PreGregorian:
      return SheetPaper::PreGregorian;
    case SheetCalendar::Gregorian:
      break;
  }
  return SheetPaper::Window;
}

std::string TodayHint(std::string_view todayText, std::string_view timeText) {
  std::string hint = "aktuelles Datum: ";
  hint += todayText;
  hint += ", ";
  hint += timeText;
  hint += "\r\nlinke Maustaste = in das Datumsfeld\r\nrechte Maustaste = auf das Kalenderblatt";
  return hint;
}

int SteppedDay(int dayNumber, DayStep step, CalendarKind kind) {
  long long next = dayNumber;
  switch (step) {
    case DayStep::PreviousDay:
      next -= 1;
      break;
    case DayStep::NextDay:
      next += 1;
      break;
    case DayStep::PreviousWeek:
      next -= 7;
      break;
    case DayStep::NextWeek:
      next += 7;
      break;
    case DayStep::PreviousMonth:
    case DayStep::NextMonth: {
      engine::CivilDate date = engine::CivilDateOf(
          std::clamp(dayNumber, engine::kFirstDayNumber, engine::kLastDayNumber), kind);
      date.month += step == DayStep::NextMonth ? 1 : -1;
      if (date.month == 0) {
        date.month = 12;
        --date.year;
      } else if (date.month == 13) {
        date.month = 1;
        ++date.year;
      }
      if (date.year < 1) return engine::kFirstDayNumber;
      if (date.year > 3000) return engine::kLastDayNumber;
      date.day = std::min(date.day, engine::DaysInMonthOf(date.month, date.year, kind));
      next = engine::DayNumberOf(date, kind);
      break;
    }
  }
  return static_cast<int>(
      std::clamp<long long>(next, engine::kFirstDayNumber, engine::kLastDayNumber));
}

}  // namespace controls

// SPDX-License-Identifier: MIT
#include "controls/mocal_model.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/civildate.h"
#include "engine/daydescription.h"
#include "engine/daynumber.h"

namespace controls {
namespace {

constexpr engine::CalendarKind G = engine::CalendarKind::Gregorian;
constexpr engine::CalendarKind J = engine::CalendarKind::Julian;

int Day(int year, int month, int day, engine::CalendarKind kind = G) {
  return engine::DayNumberOf(engine::CivilDate{year, month, day}, kind);
}

// Tuesday 08.12.2026, the fixed "today" of the controls' tests.
const int kToday = Day(2026, 12, 8);

SheetView ViewOf(int dayNumber, std::string_view code = "D-NI", engine::CalendarKind kind = G,
                 std::string_view tour = "no") {
  return SheetViewOf(dayNumber, code, kind, kToday, tour);
}

const engine::MonthCell& CellOf(const SheetView& view, int dayNumber) {
  for (const engine::MonthCell& cell : view.sheet.cells) {
    if (cell.dayNumber == dayNumber) return cell;
  }
  ADD_FAILURE() << dayNumber << " not on the sheet";
  return view.sheet.cells[0];
}

bool EndsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(MoCalModel, FirstOfTheMonthStandsInTheColumnOfItsWeekday) {
  const struct {
    int year, month;
    int firstCell;  // 0-based
    const char* before;
  } kCases[] = {
      {2023, 10, 6, "25 26 27 28 29 30"},  // a Sunday: cells 1..6 are 25..30.09.
      {2025, 9, 0, ""},                    // a Monday
      {2024, 10, 1, "30"},
      {2026, 2, 6, "26 27 28 29 30 31"},
  };
  for (const auto& c : kCases) {
    const SheetView view = ViewOf(Day(c.year, c.month, 1));
    std::string before;
    for (int i = 0; i < c.firstCell; ++i) {
      const CellView& cell = view.cells[static_cast<std::size_t>(i)];
      EXPECT_EQ(cell.ink, CellInk::Grey) << c.year << "-" << c.month << " cell " << i;
      if (!before.empty()) before += ' ';
      before += cell.text;
    }
    EXPECT_EQ(before, c.before) << c.year << "-" << c.month;
    EXPECT_EQ(view.cells[static_cast<std::size_t>(c.firstCell)].text, " 1");
    EXPECT_NE(view.cells[static_cast<std::size_t>(c.firstCell)].ink, CellInk::Grey);
  }
}

TEST(MoCalModel, InkAndWeightFollowWeekdayHolidayAndMonth) {
  // October 2024 in Niedersachsen: cell 1 is 30.09., 03.10. a legal holiday.
  const SheetView view = ViewOf(Day(2024, 10, 17));
  const struct {
    int cell;
    const char* text;
    CellInk ink;
    bool bold;
  } kCases[] = {
      {0, "30", CellInk::Grey, false},         // Monday of September
      {1, " 1", CellInk::WindowText, false},   // Tuesday
      {3, " 3", CellInk::LegalHoliday, true},  // Tag der deutschen Einheit
      {5, " 5", CellInk::Saturday, false},
      {6, " 6", CellInk::Sunday, true},
      {31, "31", CellInk::LegalHoliday, true},  // Reformationstag
      {32, " 1", CellInk::Grey, false},         // Friday 01.11., no holiday in Niedersachsen
      {33, " 2", CellInk::Grey, false},
      {34, " 3", CellInk::Grey, true},  // Sunday of November: grey wins, bold stays
  };
  for (const auto& c : kCases) {
    const CellView& cell = view.cells[static_cast<std::size_t>(c.cell)];
    EXPECT_EQ(cell.text, c.text) << c.cell;
    EXPECT_EQ(cell.ink, c.ink) << c.cell;
    EXPECT_EQ(cell.bold, c.bold) << c.cell;
  }
  EXPECT_EQ(CellPaper(view, 17), SheetPaper::Selected);
  EXPECT_EQ(CellPaper(view, 18), SheetPaper::Window);
  EXPECT_EQ(view.headPaper, SheetPaper::Window);
}

TEST(MoCalModel, SelectDayMovesTheLimeCell) {
  SheetView view = ViewOf(Day(2024, 10, 17));
  SelectDay(view, Day(2024, 10, 3));
  int selected = 0;
  for (int i = 0; i < 42; ++i) selected += CellPaper(view, i) == SheetPaper::Selected;
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(CellPaper(view, 3), SheetPaper::Selected);
  EXPECT_EQ(view.selected, Day(2024, 10, 3));
}

TEST(MoCalModel, CellHintIsTheDayDescriptionWithoutTheDistanceToToday) {
  const SheetView view = ViewOf(Day(2024, 10, 17));
  const engine::MonthCell& cell = view.sheet.cells[3];
  EXPECT_EQ(
      view.cells[3].hint,
      engine::DescribeDay(engine::DayFactsOfJD(cell.dayNumber, "D-NI", G), "D-NI", G, 0).text);
  EXPECT_EQ(view.cells[3].hint.find("Vom "), std::string::npos);
  EXPECT_NE(view.cells[3].hint.find("Donnerstag, 03.10.2024"), std::string::npos);
}

TEST(MoCalModel, CellHintNamesTheCalendarLikeTheDateEdit) {
  const struct {
    int dayNumber;
    engine::CalendarKind kind;
    const char* start;
  } kCases[] = {
      {Day(1582, 10, 14), G, "Vor-Greg. Kalender:\n\rNiedersachsen\n\rDonnerstag, 14.10.1582"},
      {Day(1582, 10, 15), G, "Niedersachsen\n\rFreitag, 15.10.1582"},
      {Day(2024, 10, 17, J), J, "Jul. Kalender:\n\rNiedersachsen\n\r"},
  };
  for (const auto& c : kCases) {
    const SheetView view = ViewOf(c.dayNumber, "D-NI", c.kind);
    std::string hint;
    for (std::size_t i = 0; i < 42; ++i) {
      if (view.sheet.cells[i].dayNumber == c.dayNumber) hint = view.cells[i].hint;
    }
    EXPECT_TRUE(hint.starts_with(c.start)) << hint.substr(0, 60);
  }
}

// Guards against the Julian January of year 1 turning cells 1..8 lime and
// showing " 1" twice: every cell keeps its true day.
TEST(MoCalModel, JulianJanuaryOfYearOneShowsTrueDaysAndSelectsOnlyItsDay) {
  const SheetView view = ViewOf(engine::kFirstDayNumber, "D-NI", J);
  const char* kTexts[] = {"27", "28", "29", "30", "31", " 1", " 2", " 3", " 4"};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(view.cells[static_cast<std::size_t>(i)].text, kTexts[i]) << i;
    EXPECT_EQ(CellPaper(view, i) == SheetPaper::Selected, i == 7) << i;
  }
  for (int i = 0; i < 7; ++i) {
    const engine::MonthCell& cell = view.sheet.cells[static_cast<std::size_t>(i)];
    EXPECT_EQ(cell.clickDayNumber, engine::kFirstDayNumber) << i;
    EXPECT_EQ(view.cells[static_cast<std::size_t>(i)].ink, CellInk::Grey) << i;
    EXPECT_TRUE(view.cells[static_cast<std::size_t>(i)].hint.empty()) << i;
    EXPECT_TRUE(view.cells[static_cast<std::size_t>(i)].link.empty()) << i;
  }
  EXPECT_EQ(view.cells[7].ink, CellInk::WindowText);
  EXPECT_EQ(view.sheet.cells[7].dayNumber, engine::kFirstDayNumber);
  EXPECT_EQ(view.mark.text, "(Jul.)");
  EXPECT_EQ(view.weeks[0].text, "53");  // year 0 is a Julian leap year
  EXPECT_EQ(view.year.hint,
            "Julianischer Kalender\n\ra.u.c. 754\n\rlinke Maustaste = Jahr 1\n\rrechte Maustaste = "
            "Auswahl");
}

// Guards against the cells after 31.12.3000 reading an empty date text.
TEST(MoCalModel, DecemberThreeThousandDimsTheDaysAfterTheRange) {
  const SheetView view = ViewOf(engine::kLastDayNumber);
  int after = 0;
  for (std::size_t i = 0; i < 42; ++i) {
    const engine::MonthCell& cell = view.sheet.cells[i];
    EXPECT_LE(cell.clickDayNumber, engine::kLastDayNumber);
    if (cell.dayNumber <= engine::kLastDayNumber) continue;
    ++after;
    EXPECT_EQ(view.cells[i].ink, CellInk::Grey) << i;
    EXPECT_FALSE(view.cells[i].text.empty()) << i;
    EXPECT_TRUE(view.cells[i].hint.empty()) << i;
    EXPECT_TRUE(view.cells[i].link.empty()) << i;
    EXPECT_NE(view.cells[i].accessibleName.find("außerhalb"), std::string::npos);
    for (const MenuItem& item : DayMenuOf(cell, "D-NI", "09:30:15", kToday)) {
      EXPECT_FALSE(item.visible) << i;
    }
  }
  EXPECT_GT(after, 0);
  EXPECT_EQ(view.sheet.cells[0].text, " 1");  // 01.12.3000 is a Monday
  EXPECT_EQ(after, 11);
}

TEST(MoCalModel, OctoberFifteenEightyTwoGregorianMarksTheProlepticDays) {
  const SheetView before = ViewOf(Day(1582, 10, 14));
  EXPECT_EQ(before.mark.text, "(V-G.)");
  EXPECT_EQ(before.mark.link, "https://de.wikipedia.org/wiki/Proleptisch");
  EXPECT_EQ(before.headPaper, SheetPaper::PreGregorian);
  EXPECT_EQ(before.month.hint, "Vor-Gregorianischer Kalender");
  EXPECT_EQ(before.year.hint,
            "Vor-Gregorianischer Kalender\n\rlinke Maustaste = Jahr 1582\n\rrechte Maustaste = "
            "Auswahl");
  // 01.10.1582 was a Friday: cell 18 is the 14th, cell 19 the 15th.
  EXPECT_EQ(before.cells[17].text, "14");
  EXPECT_EQ(CellPaper(before, 17), SheetPaper::Selected);
  EXPECT_EQ(CellPaper(before, 16), SheetPaper::PreGregorian);
  EXPECT_EQ(CellPaper(before, 18), SheetPaper::Window);
  EXPECT_EQ(before.yearMenu[2].caption, "a.u.c.");

  const SheetView after = ViewOf(Day(1582, 10, 15));
  EXPECT_EQ(after.mark.text, std::string(22, ' '));
  EXPECT_EQ(after.headPaper, SheetPaper::Window);
  EXPECT_EQ(after.mark.hint,
            "Gregorianischer Kalender\n\ra.u.c. 2335\n\rlinke Maustaste = Jahr 1582\n\rrechte "
            "Maustaste = Auswahl");
  EXPECT_EQ(CellPaper(after, 17), SheetPaper::PreGregorian);
  EXPECT_EQ(CellPaper(after, 18), SheetPaper::Selected);
}

TEST(MoCalModel, JulianMonthIsYellowAndHasNoSchoolItems) {
  const SheetView view = ViewOf(Day(2024, 10, 17, J), "D-NI", J);
  EXPECT_EQ(view.mark.text, "(Jul.)");
  EXPECT_EQ(view.mark.hint, "Julianischer Kalender");
  EXPECT_EQ(view.month.hint, "Julianischer Kalender");
  EXPECT_EQ(view.headPaper, SheetPaper::Julian);
  EXPECT_EQ(CellPaper(view, 0), SheetPaper::Julian);
  EXPECT_FALSE(view.yearMenu[3].visible);
  EXPECT_FALSE(view.yearMenu[4].visible);
  EXPECT_FALSE(view.yearMenu[5].visible);
  EXPECT_EQ(view.yearMenu[2].caption, "a.u.c.");  // a Julian date after 1582 is not counted
  EXPECT_EQ(view.year.hint,
            "Julianischer Kalender\n\rlinke Maustaste = Jahr 2024\n\rrechte Maustaste = Auswahl");
}

// Guards against "a.u.c." growing by one year number per redraw.
TEST(MoCalModel, CaptionsAreRebuiltFromTheirBaseOnEveryRedraw) {
  SheetView view = ViewOf(Day(2024, 6, 1));
  view = ViewOf(Day(2024, 6, 1));
  EXPECT_EQ(view.yearMenu[2].caption, "a.u.c. 2777");
  EXPECT_EQ(view.yearMenu[2].hint, "Ab urbe condita");
  EXPECT_EQ(view.mark.hint.find("a.u.c."), view.mark.hint.rfind("a.u.c."));
}

TEST(MoCalModel, HeadsLeadToTheirArticles) {
  const SheetView view = ViewOf(Day(2025, 3, 3));
  EXPECT_EQ(view.month.text, "März");
  EXPECT_EQ(view.month.link, "https://de.wikipedia.org/wiki/M%E4rz");
  EXPECT_EQ(view.year.text, "2025");
  EXPECT_EQ(view.year.link, "https://de.wikipedia.org/wiki/2025");
  EXPECT_EQ(view.weeks[0].link, "https://de.wikipedia.org/wiki/woche");
  EXPECT_EQ(view.weekdays[0].text, "Mo");
  EXPECT_EQ(view.weekdays[0].hint, "Montag");
  EXPECT_EQ(view.weekdays[6].text, "So");
  EXPECT_EQ(view.weekdays[6].link, "https://de.wikipedia.org/wiki/Sonntag");
  EXPECT_EQ(view.mark.link, "https://de.wikipedia.org/wiki/Gregorianischer_Kalender");
  EXPECT_EQ(view.month.hint,
            "März 2025:\r\n31 Tage\r\n26 Werktage\r\n21 Werktage ohne die Samstage\r\n0 Feiertage "
            "nicht auf Sonntag fallend");
}

TEST(MoCalModel, WeekHintsCountWorkingDaysAndHolidays) {
  const SheetView december = ViewOf(Day(2024, 12, 23));
  // Row 4 is the week of Monday 23.12.2024, row 5 the week of 30.12.2024.
  EXPECT_EQ(december.sheet.cells[28].dayNumber, Day(2024, 12, 23));
  EXPECT_EQ(december.weeks[4].hint,
            "52. Kalenderwoche 2024:\r\n4 Werktage\r\n3 Werktage ohne den Samstag\r\n2 Feiertage "
            "nicht auf Sonntag fallend\r\n"
            "Brückentag: Mo 23.12.2024 und Di 24.12.2024: 2 Urlaubstage → 6 freie Tage, "
            "21.12.–26.12.2024\r\n"
            "Brückentag: Fr 27.12.2024: 1 Urlaubstag → 5 freie Tage, 25.12.–29.12.2024");
  EXPECT_EQ(december.weeks[5].text, " 1");
  EXPECT_TRUE(december.weeks[5].hint.starts_with("1. Kalenderwoche 2025:\r\n"));
  EXPECT_EQ(ViewOf(Day(2024, 12, 23), "D-NI", J).weeks[4].hint, "Kalenderwoche");
}

TEST(MoCalModel, DayMenuLooksUpTheDayAtTheCapital) {
  const SheetView view = ViewOf(Day(2025, 3, 3));
  const auto items = DayMenuOf(CellOf(view, Day(2025, 3, 3)), "D-NI", "09:30:15", kToday);
  const struct {
    int item;
    const char* caption;
    const char* link;
  } kCases[] = {
      {0, "Wetter", "https://www.wolframalpha.com/input/?i=03.03.2025+weather+in+hannover+germany"},
      {1, "Tide in Cuxhaven", "https://www.wolframalpha.com/input/?i=03.03.2025+tide+in+cuxhaven"},
      {2, "Sonne",
       "https://www.wolframalpha.com/input/?i=03.03.2025+09%3A30+sun+in+hannover+germany"},
      {3, "Mond",
       "https://www.wolframalpha.com/input/?i=03.03.2025+09%3A30+moon+in+hannover+germany"},
      {4, "Sterne",
       "https://www.wolframalpha.com/input/?i=03.03.2025+09%3A30+skychart+for+hannover+germany"},
      {5, "Gedenktag", "https://de.wikipedia.org/wiki/3._M%E4rz#Feier-_und_Gedenktage"},
      {6, "Zeitgeschehen", "https://de.wikipedia.org/wiki/3._M%E4rz"},
      {7, "DER SPIEGEL 10/2025", "https://www.spiegel.de/spiegel/print/index-2025-10.html"},
  };
  for (const auto& c : kCases) {
    const MenuItem& item = items[static_cast<std::size_t>(c.item)];
    EXPECT_EQ(item.caption, c.caption) << c.item;
    EXPECT_EQ(item.link, c.link) << c.item;
    EXPECT_TRUE(item.visible) << c.item;
  }
}

// Guards against a capital with a blank or umlaut breaking the look-up address.
TEST(MoCalModel, CapitalIsLowerCaseAndPercentEncoded) {
  EXPECT_EQ(LowerCapital("A-NÖ"), "st. pölten");
  EXPECT_EQ(LowerCapital("D-NW"), "düsseldorf");
  EXPECT_EQ(LowerCapital("D-OB"), "berlin (ost)");
  EXPECT_EQ(LowerCapital(""), "");
  const SheetView view = ViewOf(Day(2025, 3, 3), "A-NÖ");
  EXPECT_TRUE(EndsWith(DayMenuOf(CellOf(view, Day(2025, 3, 3)), "A-NÖ", "09:30:15", kToday)[0].link,
                       "+weather+in+st.%20p%F6lten+germany"));
}

TEST(MoCalModel, JulianDayMenuNamesTheGregorianDate) {
  // 20.02.2025 Julian is 05.03.2025 Gregorian.
  const SheetView view = ViewOf(Day(2025, 2, 20, J), "D-NI", J);
  const engine::MonthCell* cell = nullptr;
  for (const engine::MonthCell& c : view.sheet.cells) {
    if (c.dayNumber == Day(2025, 2, 20, J)) cell = &c;
  }
  ASSERT_NE(cell, nullptr);
  const auto items = DayMenuOf(*cell, "D-NI", "09:30:15", kToday);
  EXPECT_EQ(items[0].link,
            "https://www.wolframalpha.com/input/?i=05.03.2025+weather+in+hannover+germany");
  EXPECT_EQ(items[6].link, "https://de.wikipedia.org/wiki/5._M%E4rz");
}

TEST(MoCalModel, MagazineItemFromItsFirstIssueUntilToday) {
  const struct {
    int dayNumber;
    bool visible;
    const char* caption;
    const char* link;
  } kCases[] = {
      {Day(1946, 12, 31), false, "DER SPIEGEL", ""},
      {Day(1946, 6, 1), false, "DER SPIEGEL", ""},
      {Day(1947, 1, 4), true, "DER SPIEGEL 1/1947",
       "https://www.spiegel.de/spiegel/print/index-1947-1.html"},
      {kToday, true, "DER SPIEGEL 50/2026",
       "https://www.spiegel.de/spiegel/print/index-2026-50.html"},
      {kToday + 1, false, "DER SPIEGEL", ""},
      {Day(2021, 1, 1), true, "DER SPIEGEL 53/2020",
       "https://www.spiegel.de/spiegel/print/index-2020-53.html"},
  };
  for (const auto& c : kCases) {
    const SheetView view = ViewOf(c.dayNumber);
    const engine::MonthCell* cell = nullptr;
    for (const engine::MonthCell& each : view.sheet.cells) {
      if (each.dayNumber == c.dayNumber) cell = &each;
    }
    ASSERT_NE(cell, nullptr);
    const MenuItem item = DayMenuOf(*cell, "D-NI", "09:30:15", kToday)[7];
    EXPECT_EQ(item.visible, c.visible) << c.caption;
    EXPECT_EQ(item.caption, c.caption);
    EXPECT_EQ(item.link, c.link);
  }
}

TEST(MoCalModel, SchoolHolidayDocumentNames) {
  const struct {
    int schoolYear;
    const char* name;
  } kCases[] = {
      {2017, "FER17_18.pdf"},         {2018, "FER18_19.pdf"},    {2020, "FER20_21.pdf"},
      {2016, "FER2016_17_-_NEU.pdf"}, {2015, "FER2015_16.pdf"},  {2010, "FER2010_11.pdf"},
      {2009, "Ferien09_10.pdf"},      {1999, "Ferien99_00.pdf"}, {1984, "Ferien84-85.pdf"},
      {1980, "Ferien80-81.pdf"},      {1987, "Ferien87-88.pdf"}, {1991, "Ferien91-92.pdf"},
      {1993, "Ferien93-94.pdf"},      {1985, "Ferien85_86.pdf"}, {1952, "Ferien52_53.pdf"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SchoolHolidayDocument(c.schoolYear), c.name);
}

// Guards against stale or empty school-holiday links: an item is visible
// exactly when it has its address.
TEST(MoCalModel, SchoolHolidayItemsOfTheYearMenu) {
  const std::string kFolder(kSchoolHolidayFolder);
  const struct {
    int year;
    const char* code;
    const char* earlier;  // YearMenu4's link, "" hidden
    const char* later;    // YearMenu5's link, "" hidden
  } kCases[] = {
      {2018, "D-NI", "FER17_18.pdf", "FER18_19.pdf"},
      {2017, "D-BY", "FER2016_17_-_NEU.pdf", "FER17_18.pdf"},
      {1985, "D-NI", "Ferien84-85.pdf", "Ferien85_86.pdf"},
      {2021, "D-NI", "FER20_21.pdf", "Sommerferienregelung_2018-2024.pdf"},
      {2024, "D-NI", "", "Sommerferienregelung_2018-2024.pdf"},
      {2025, "D-NI", "", ""},
      {2025, "A-W", "", ""},
      {2018, "A-W", "", ""},
      {2018, "DK", "", ""},
      {2018, "", "", ""},
      {1958, "D-SL", "", ""},
      {1959, "D-SL", "", "Ferien59_60.pdf"},
      {1985, "D-SN", "", ""},
      {1990, "D-SN", "Ferien89_90.pdf", "Ferien90_91.pdf"},
      {1952, "D-NI", "", "Ferien52_53.pdf"},
      {1951, "D-NI", "", ""},
      {1965, "D-NI", "", ""},
      {1967, "D-NI", "Ferien66_67.pdf", "Ferien67_68.pdf"},
      {1966, "D-NI", "", "Ferien66_67.pdf"},  // no document for 1965/66
      {1964, "D-NI", "", ""},
  };
  for (const auto& c : kCases) {
    const auto items = YearMenuOf(Day(c.year, 6, 1), G, c.code);
    const std::string where = std::to_string(c.year) + " " + c.code;
    EXPECT_EQ(items[4].caption,
              "im Schuljahr " + std::to_string(c.year - 1) + "/" + std::to_string(c.year))
        << where;
    EXPECT_EQ(items[5].caption,
              "im Schuljahr " + std::to_string(c.year) + "/" + std::to_string(c.year + 1))
        << where;
    EXPECT_EQ(items[4].visible, *c.earlier != '\0') << where;
    EXPECT_EQ(items[5].visible, *c.later != '\0') << where;
    EXPECT_EQ(items[4].link, *c.earlier ? kFolder + c.earlier : "") << where;
    EXPECT_EQ(items[5].link, *c.later ? kFolder + c.later : "") << where;
  }
}

TEST(MoCalModel, EveryYearMenuItemIsVisibleExactlyWhenItHasAnAddress) {
  for (engine::CalendarKind kind : {G, J}) {
    for (const char* code : {"D-NI", "D-SL", "D-SN", "A-W", "D"}) {
      for (int year = 1; year <= 3000; ++year) {
        const auto items = YearMenuOf(Day(year, 7, 1, kind), kind, code);
        for (std::size_t i = 0; i < items.size(); ++i) {
          EXPECT_EQ(items[i].visible, !items[i].link.empty()) << year << code << i;
          if (items[i].visible) {
            EXPECT_TRUE(items[i].link.starts_with("https://")) << year << code << i;
            EXPECT_EQ(items[i].link.find(' '), std::string::npos);
          }
        }
        EXPECT_EQ(items[3].visible, kind == G && year >= 1890) << year;
        if (kind == J || year < 1890) {
          EXPECT_FALSE(items[4].visible || items[5].visible) << year;
        }
      }
    }
  }
}

TEST(MoCalModel, YearMenuCaptionsAndArticles) {
  const auto items = YearMenuOf(Day(2024, 6, 1), G, "D-NI");
  EXPECT_EQ(items[0].caption, "Jahr ");
  EXPECT_EQ(items[0].link, "https://de.wikipedia.org/wiki/Jahr");
  EXPECT_EQ(items[1].caption, "2024");
  EXPECT_EQ(items[1].link, "https://de.wikipedia.org/wiki/2024");
  EXPECT_EQ(items[2].caption, "a.u.c. 2777");
  EXPECT_EQ(items[2].link, "https://de.wikipedia.org/wiki/Ab_urbe_condita_(Chronologie)");
  EXPECT_EQ(items[3].caption, "Schulferien");
  EXPECT_EQ(items[3].link, "https://de.wikipedia.org/wiki/Schulferien");
  EXPECT_EQ(YearMenuOf(Day(1000, 6, 1, J), J, "D-NI")[2].caption, "a.u.c. 1753");
}

TEST(MoCalModel, CellLinkLeadsToTheTourOnlyForLaterDays) {
  const SheetView plain = ViewOf(Day(2026, 12, 8));
  const SheetView tour = ViewOf(Day(2026, 12, 8), "D-NI", G, "grafic");
  // 01.12.2026 is a Tuesday: cell 2 is the 1st, cell 9 the 8th (today), cell 10 the 9th.
  EXPECT_EQ(plain.cells[9].link, "https://de.wikipedia.org/wiki/9._Dezember");
  EXPECT_EQ(tour.cells[8].link, "https://de.wikipedia.org/wiki/8._Dezember");
  EXPECT_EQ(tour.cells[9].link, "https://reisen.razaduvovi.de/grafic/reisekal.html#261209");
  EXPECT_EQ(ViewOf(Day(2026, 12, 8), "D-NI", G, "").cells[9].link, plain.cells[9].link);
}

TEST(MoCalModel, EveryLinkOfManySheetsIsAWebAddressWithoutBlanks) {
  const int kDays[] = {engine::kFirstDayNumber, Day(1582, 10, 4), Day(1582, 10, 15),
                       Day(1947, 1, 4),         Day(2024, 10, 3), kToday,
                       engine::kLastDayNumber};
  for (engine::CalendarKind kind : {G, J}) {
    for (const char* code : {"D-NI", "A-NÖ", "D-OB", "xx"}) {
      for (int day : kDays) {
        const SheetView view = ViewOf(day, code, kind, "text");
        auto check = [&](const std::string& link) {
          if (link.empty()) return;
          EXPECT_TRUE(link.starts_with("https://")) << link;
          for (char c : link) EXPECT_GT(static_cast<unsigned char>(c), 0x20) << link;
        };
        for (const CellView& cell : view.cells) check(cell.link);
        for (const engine::MonthCell& cell : view.sheet.cells) {
          for (const MenuItem& item : DayMenuOf(cell, code, "09:30:15", kToday)) check(item.link);
        }
        for (const SheetLabel& label : view.weekdays) check(label.link);
        check(view.month.link);
        check(view.year.link);
        check(view.mark.link);
      }
    }
  }
}

TEST(MoCalModel, AccessibleNameSaysTheFullDate) {
  const SheetView view = ViewOf(Day(2025, 10, 3));
  // 01.10.2025 is a Wednesday: cell 5 is Friday the 3rd.
  EXPECT_EQ(view.cells[4].accessibleName,
            "Freitag, 3. Oktober 2025, Tag der deutschen Einheit, gesetzlicher Feiertag");
  EXPECT_EQ(view.cells[5].accessibleName, "Samstag, 4. Oktober 2025");
  EXPECT_EQ(ViewOf(Day(1582, 10, 1)).cells[4].accessibleName,
            "Freitag, 1. Oktober 1582, Vor-Gregorianischer Kalender");
}

TEST(MoCalModel, CellStateWordsSayWhatTheColoursSay) {
  engine::MonthCell cell;
  cell.inMonth = true;
  EXPECT_EQ(CellStateWords(cell), "");
  cell.today = true;
  cell.selected = true;
  EXPECT_EQ(CellStateWords(cell), ", heute, ausgewählt");
  cell.today = false;
  cell.selected = false;
  cell.inMonth = false;
  EXPECT_EQ(CellStateWords(cell), ", nicht in diesem Monat");
  // A sheet: the first cell of October 2025 is Monday 29 September.
  const SheetView view = ViewOf(Day(2025, 10, 3));
  EXPECT_EQ(CellStateWords(view.sheet.cells[0]), ", nicht in diesem Monat");
  EXPECT_EQ(CellStateWords(view.sheet.cells[4]), ", ausgewählt");
}

TEST(MoCalModel, WeekRowNameReadsTheWeekNumber) {
  EXPECT_EQ(WeekRowName("49"), "49. Kalenderwoche");
  EXPECT_EQ(WeekRowName(" 1"), "1. Kalenderwoche");
  EXPECT_EQ(WeekRowName(""), "");
  EXPECT_EQ(WeekRowName("   "), "");
}

TEST(MoCalModel, TodayHint) {
  EXPECT_EQ(TodayHint("08.12.2026", "09:30:15"),
            "aktuelles Datum: 08.12.2026, 09:30:15\r\nlinke Maustaste = in das Datumsfeld\r\n"
            "rechte Maustaste = auf das Kalenderblatt");
}

TEST(MoCalModel, SteppedDayStaysInTheMonthsAndTheRange) {
  const struct {
    int from;
    DayStep step;
    engine::CalendarKind kind;
    int to;
  } kCases[] = {
      {Day(2024, 1, 31), DayStep::NextMonth, G, Day(2024, 2, 29)},
      {Day(2023, 3, 31), DayStep::PreviousMonth, G, Day(2023, 2, 28)},
      {Day(2024, 12, 15), DayStep::NextMonth, G, Day(2025, 1, 15)},
      {Day(2025, 1, 15), DayStep::PreviousMonth, G, Day(2024, 12, 15)},
      {Day(1900, 1, 31, J), DayStep::NextMonth, J, Day(1900, 2, 29, J)},
      {Day(2024, 12, 31), DayStep::NextDay, G, Day(2025, 1, 1)},
      {Day(2024, 12, 31), DayStep::NextWeek, G, Day(2025, 1, 7)},
      {Day(2024, 1, 3), DayStep::PreviousWeek, G, Day(2023, 12, 27)},
      {engine::kFirstDayNumber, DayStep::PreviousDay, J, engine::kFirstDayNumber},
      {engine::kFirstDayNumber, DayStep::PreviousMonth, G, engine::kFirstDayNumber},
      {engine::kLastDayNumber, DayStep::NextWeek, G, engine::kLastDayNumber},
      {engine::kLastDayNumber, DayStep::NextMonth, G, engine::kLastDayNumber},
      {Day(3000, 12, 1), DayStep::NextMonth, J, engine::kLastDayNumber},
  };
  for (const auto& c : kCases) EXPECT_EQ(SteppedDay(c.from, c.step, c.kind), c.to) << c.from;
}

}  // namespace
}  // namespace controls

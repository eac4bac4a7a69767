// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "controls/colors.h"
#include "controls/mocal.h"
#include "engine/civildate.h"
#include "platform/openurl.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"

namespace {

constexpr engine::CalendarKind G = engine::CalendarKind::Gregorian;
constexpr engine::CalendarKind J = engine::CalendarKind::Julian;

int Day(int year, int month, int day, engine::CalendarKind kind = G) {
  return engine::DayNumberOf(engine::CivilDate{year, month, day}, kind);
}

QLabel* Label(const TMoCal& sheet, const QString& name) {
  return sheet.findChild<QLabel*>(name);
}
QLabel* Cell(const TMoCal& sheet, int n) {
  return Label(sheet, QStringLiteral("Lbl_Day%1").arg(n));
}
QColor Paper(const QWidget* widget) {
  return widget->palette().color(QPalette::Window);
}
QColor Ink(const QWidget* widget) {
  return widget->palette().color(QPalette::WindowText);
}
QAction* Item(const QMenu* menu, const QString& name) {
  return menu->findChild<QAction*>(name);
}

void RightClick(QWidget* widget) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3),
                          widget->mapToGlobal(QPoint(3, 3)));
  QApplication::sendEvent(widget, &event);
}

}  // namespace

class TMoCalTest : public QObject {
  Q_OBJECT

  testsupport::OpenedAddresses opened_;

 private slots:
  void init() { opened_.clear(); }

  void subControlsCarryTheirNamesAndPlaces() {
    TMoCal sheet;
    QCOMPARE(sheet.size(), QSize(249, 217));
    const struct {
      const char* name;
      QRect place;
    } kPanels[] = {{"CalPanel1", {40, 56, 201, 153}},
                   {"CalPanelTop0", {8, 8, 233, 25}},
                   {"CalPanelTop", {40, 32, 201, 25}},
                   {"CalPanelLeftTop", {8, 32, 33, 25}},
                   {"CalPanelLeft", {8, 56, 33, 153}}};
    for (const auto& panel : kPanels) {
      QWidget* widget = sheet.findChild<QWidget*>(panel.name);
      QVERIFY2(widget != nullptr, panel.name);
      QCOMPARE(widget->geometry(), panel.place);
    }
    QCOMPARE(Label(sheet, "Lbl_ShowMonth")->text(), QString("Monat"));
    QCOMPARE(Label(sheet, "Lbl_ShowYear")->text(), QString("   Jahr"));
    QCOMPARE(Label(sheet, "Lbl_ShowCal")->text(), QString("(Greg.)"));
    for (int n = 1; n <= 42; ++n) QVERIFY(Cell(sheet, n) != nullptr);
    for (int n = 1; n <= 7; ++n) QVERIFY(Label(sheet, QStringLiteral("Lbl_WeekDay%1").arg(n)));
    for (int n = 1; n <= 6; ++n) {
      QCOMPARE(Label(sheet, QStringLiteral("Lbl_Week%1").arg(n))->toolTip(),
               QString("Kalenderwoche"));
    }
    for (int n = 0; n <= 7; ++n) QVERIFY(Item(sheet.DayMenu(), QStringLiteral("DayMenu%1").arg(n)));
    for (int n = 0; n <= 5; ++n) {
      QVERIFY(Item(sheet.YearMenu(), QStringLiteral("YearMenu%1").arg(n)));
    }
    QCOMPARE(sheet.TimeText(), QString("09:30:15"));
    // Cells follow each other without a gap inside the panel's bevels.
    QCOMPARE(Cell(sheet, 1)->geometry().topLeft(), QPoint(2, 2));
    QCOMPARE(Cell(sheet, 42)->geometry().bottomRight(), QPoint(198, 150));
    QCOMPARE(Cell(sheet, 2)->geometry().left(), Cell(sheet, 1)->geometry().right() + 1);
  }

  void firstDayStandsInItsColumn_data() {
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<QString>("before");
    QTest::newRow("October 2023 begins on a Sunday")
        << Day(2023, 10, 1) << 7 << QString("25 26 27 28 29 30");
    QTest::newRow("September 2025 begins on a Monday") << Day(2025, 9, 1) << 1 << QString();
  }

  void firstDayStandsInItsColumn() {
    QFETCH(int, dayNumber);
    QFETCH(int, firstCell);
    QFETCH(QString, before);
    TMoCal sheet;
    sheet.ShowMonth(dayNumber, true, "D-NI");
    QStringList texts;
    for (int n = 1; n < firstCell; ++n) {
      texts << Cell(sheet, n)->text();
      QCOMPARE(Ink(Cell(sheet, n)), controls::kGreyColor);
    }
    QCOMPARE(texts.join(' '), before);
    QCOMPARE(Cell(sheet, firstCell)->text(), QString(" 1"));
    QCOMPARE(Paper(Cell(sheet, firstCell)), controls::kSelectedColor);
  }

  void coloursOfWeekdaysHolidaysAndSelection() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 10, 17), true, "D-NI");
    const QColor window = sheet.palette().color(QPalette::Base);
    const QColor text = sheet.palette().color(QPalette::Text);
    const struct {
      int cell;
      QColor ink;
      QColor paper;
      bool bold;
    } kCases[] = {
        {1, controls::kGreyColor, window, false},         // 30.09.
        {2, text, window, false},                         // Tuesday 01.10.
        {4, controls::kLegalHolidayColor, window, true},  // 03.10.
        {6, controls::kSaturdayColor, window, false},     // Saturday
        {7, controls::kSundayColor, window, true},        // Sunday
        {18, text, controls::kSelectedColor, false},      // 17.10., the sheet's day
        {35, controls::kGreyColor, window, true},         // Sunday 03.11.: grey wins
    };
    for (const auto& c : kCases) {
      QLabel* cell = Cell(sheet, c.cell);
      QCOMPARE(Ink(cell), c.ink);
      QCOMPARE(Paper(cell), c.paper);
      QCOMPARE(cell->font().bold(), c.bold);
    }
    QCOMPARE(Ink(Label(sheet, "Lbl_WeekDay6")), controls::kSaturdayColor);
    QCOMPARE(Ink(Label(sheet, "Lbl_WeekDay7")), controls::kSundayColor);
    QCOMPARE(Label(sheet, "Lbl_WeekDay1")->text(), QString("Mo"));
    QCOMPARE(Label(sheet, "Lbl_WeekDay1")->toolTip(), QString("Montag"));
    QCOMPARE(Label(sheet, "Lbl_ShowMonth")->text(), QString("Oktober"));
    QCOMPARE(Label(sheet, "Lbl_ShowYear")->text(), QString("2024"));
    QCOMPARE(Label(sheet, "Lbl_ShowYear")->x(),
             Label(sheet, "Lbl_ShowMonth")->geometry().right() + 1 + 10);
    QCOMPARE(Label(sheet, "Lbl_ShowCal")->text(), QString(22, ' '));
  }

  void clickSelectsTheDayAndReportsIt() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 10, 17), true, "D-NI");
    QSignalSpy clicks(&sheet, &TMoCal::OnClick);
    QTest::mouseClick(Cell(sheet, 4), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(sheet.SelectedDay(), Day(2024, 10, 3));
    QCOMPARE(Paper(Cell(sheet, 4)), controls::kSelectedColor);
    QCOMPARE(Paper(Cell(sheet, 18)), sheet.palette().color(QPalette::Base));
    // A grey day of the next month is selected where it stands.
    QTest::mouseClick(Cell(sheet, 33), Qt::LeftButton);
    QCOMPARE(sheet.SelectedDay(), Day(2024, 11, 1));
    QCOMPARE(Label(sheet, "Lbl_ShowMonth")->text(), QString("Oktober"));
    QVERIFY(opened_.empty());
  }

  // Guards against the Julian January of year 1 marking cells 1..8 lime and
  // showing " 1" twice.
  void julianJanuaryOfYearOne() {
    TMoCal sheet;
    sheet.ShowMonth(engine::kFirstDayNumber, false, "D-NI");
    const QStringList kTexts = {"27", "28", "29", "30", "31", " 1", " 2", " 3"};
    for (int n = 1; n <= 8; ++n) {
      QCOMPARE(Cell(sheet, n)->text(), kTexts[n - 1]);
      const QColor expected = n == 8 ? controls::kSelectedColor : controls::kJulianColor;
      QCOMPARE(Paper(Cell(sheet, n)), expected);
    }
    QVERIFY(Cell(sheet, 1)->toolTip().isEmpty());
    QSignalSpy clicks(&sheet, &TMoCal::OnClick);
    QTest::mouseClick(Cell(sheet, 1), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(sheet.SelectedDay(), engine::kFirstDayNumber);
    QCOMPARE(Paper(Cell(sheet, 8)), controls::kSelectedColor);
    QCOMPARE(Paper(Cell(sheet, 1)), controls::kJulianColor);
  }

  // Guards against the days after 31.12.3000 reading an empty date text.
  void decemberThreeThousand() {
    TMoCal sheet;
    sheet.ShowMonth(engine::kLastDayNumber, true, "D-NI");
    for (int n = 32; n <= 42; ++n) {
      QCOMPARE(Ink(Cell(sheet, n)), controls::kGreyColor);
      QVERIFY(Cell(sheet, n)->toolTip().isEmpty());
      QVERIFY(!Cell(sheet, n)->text().trimmed().isEmpty());
    }
    QTest::mouseClick(Cell(sheet, 42), Qt::LeftButton);
    QCOMPARE(sheet.SelectedDay(), engine::kLastDayNumber);
    QTest::mouseDClick(Cell(sheet, 40), Qt::LeftButton);
    QCOMPARE(sheet.SelectedDay(), engine::kLastDayNumber);
    RightClick(Cell(sheet, 40));
    QVERIFY(!sheet.DayMenu()->isVisible());
    QVERIFY(opened_.empty());
  }

  void octoberFifteenEightyTwoGregorian() {
    TMoCal sheet;
    sheet.ShowMonth(Day(1582, 10, 10), true, "D-NI");
    QCOMPARE(Label(sheet, "Lbl_ShowCal")->text(), QString("(V-G.)"));
    QCOMPARE(Paper(sheet.findChild<QWidget*>("CalPanelTop0")), controls::kPreGregorianColor);
    QCOMPARE(Label(sheet, "Lbl_ShowMonth")->toolTip(), QString("Vor-Gregorianischer Kalender"));
    QCOMPARE(Cell(sheet, 18)->text(), QString("14"));
    QCOMPARE(Paper(Cell(sheet, 18)), controls::kPreGregorianColor);
    QCOMPARE(Paper(Cell(sheet, 19)), sheet.palette().color(QPalette::Base));
    QCOMPARE(Label(sheet, "Lbl_Week1")->toolTip(), QString("Kalenderwoche"));

    sheet.ShowMonth(Day(1582, 10, 20), true, "D-NI");
    QCOMPARE(Label(sheet, "Lbl_ShowCal")->text(), QString(22, ' '));
    QCOMPARE(Paper(sheet.findChild<QWidget*>("CalPanelTop0")),
             sheet.palette().color(QPalette::Base));
    QTest::mouseClick(Label(sheet, "Lbl_ShowCal"), Qt::LeftButton);
    QCOMPARE(opened_.list(),
             std::vector<std::string>{"https://de.wikipedia.org/wiki/Gregorianischer_Kalender"});
  }

  void julianMonthHidesTheSchoolItems() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 10, 10, J), false, "D-NI");
    QCOMPARE(Label(sheet, "Lbl_ShowCal")->text(), QString("(Jul.)"));
    QCOMPARE(Paper(sheet.findChild<QWidget*>("CalPanelTop0")), controls::kJulianColor);
    RightClick(Label(sheet, "Lbl_ShowYear"));
    QVERIFY(sheet.YearMenu()->isVisible());
    for (const char* name : {"YearMenu3", "YearMenu4", "YearMenu5"}) {
      QVERIFY2(!Item(sheet.YearMenu(), name)->isVisible(), name);
    }
    sheet.YearMenu()->hide();
  }

  void schoolHolidayDocuments_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("land");
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("later");
    QTest::newRow("2018") << 2018 << "D-NI"
                          << "FER17_18.pdf"
                          << "FER18_19.pdf";
    QTest::newRow("2017") << 2017 << "D-NI"
                          << "FER2016_17_-_NEU.pdf"
                          << "FER17_18.pdf";
    QTest::newRow("1985") << 1985 << "D-NI"
                          << "Ferien84-85.pdf"
                          << "Ferien85_86.pdf";
    QTest::newRow("2025") << 2025 << "D-NI"
                          << ""
                          << "";
    QTest::newRow("Wien") << 2018 << "A-W"
                          << ""
                          << "";
    QTest::newRow("Saarland 1958") << 1958 << "D-SL"
                                   << ""
                                   << "";
    QTest::newRow("Sachsen 1985") << 1985 << "D-SN"
                                  << ""
                                  << "";
  }

  void schoolHolidayDocuments() {
    QFETCH(int, year);
    QFETCH(QString, land);
    QFETCH(QString, earlier);
    QFETCH(QString, later);
    TMoCal sheet;
    sheet.ShowMonth(Day(year, 6, 1), true, land);
    RightClick(Label(sheet, "Lbl_ShowYear"));
    const QString folder = QString::fromUtf8(controls::kSchoolHolidayFolder.data());
    QAction* four = Item(sheet.YearMenu(), "YearMenu4");
    QAction* five = Item(sheet.YearMenu(), "YearMenu5");
    // The menus give their entries underlined letters; the text is the caption.
    QCOMPARE(four->text().remove('&'),
             QStringLiteral("im Schuljahr %1/%2").arg(year - 1).arg(year));
    QCOMPARE(four->isVisible(), !earlier.isEmpty());
    QCOMPARE(five->isVisible(), !later.isEmpty());
    if (!earlier.isEmpty()) {
      four->trigger();
      QCOMPARE(QString::fromStdString(opened_.back()), folder + earlier);
    }
    if (!later.isEmpty()) {
      five->trigger();
      QCOMPARE(QString::fromStdString(opened_.back()), folder + later);
    }
    sheet.YearMenu()->hide();
  }

  // Guards against "a.u.c." growing by one year number per redraw.
  void yearMenuCaptionDoesNotGrow() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 3, 1), true, "D-NI");
    sheet.ShowMonth(Day(2024, 4, 1), true, "D-NI");
    RightClick(Label(sheet, "Lbl_ShowYear"));
    RightClick(Label(sheet, "Lbl_ShowYear"));
    QCOMPARE(Item(sheet.YearMenu(), "YearMenu2")->text().remove('&'), QString("a.u.c. 2777"));
    QCOMPARE(Item(sheet.YearMenu(), "YearMenu2")->toolTip(), QString("Ab urbe condita"));
    QCOMPARE(Label(sheet, "Lbl_ShowYear")->toolTip().count("a.u.c."), 1);
    sheet.YearMenu()->hide();
  }

  void dayMenu_data() {
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<bool>("magazine");
    QTest::addColumn<QString>("caption");
    QTest::newRow("31.12.1946") << Day(1946, 12, 31) << false << "DER SPIEGEL";
    QTest::newRow("04.01.1947") << Day(1947, 1, 4) << true << "DER SPIEGEL 1/1947";
    QTest::newRow("tomorrow") << Day(2026, 12, 9) << false << "DER SPIEGEL";
    QTest::newRow("today") << Day(2026, 12, 8) << true << "DER SPIEGEL 50/2026";
  }

  void dayMenu() {
    QFETCH(int, dayNumber);
    QFETCH(bool, magazine);
    QFETCH(QString, caption);
    TMoCal sheet;
    sheet.ShowMonth(dayNumber, true, "D-NI");
    QLabel* cell = nullptr;
    for (int n = 1; n <= 42 && cell == nullptr; ++n) {
      if (Paper(Cell(sheet, n)) == controls::kSelectedColor) cell = Cell(sheet, n);
    }
    QVERIFY(cell != nullptr);
    RightClick(cell);
    QVERIFY(sheet.DayMenu()->isVisible());
    QAction* item = Item(sheet.DayMenu(), "DayMenu7");
    QCOMPARE(item->isVisible(), magazine);
    QCOMPARE(item->text().remove('&'), caption);
    sheet.DayMenu()->hide();
  }

  void dayMenuLinks() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2025, 3, 3), true, "A-NÖ");
    RightClick(Cell(sheet, 8));  // Monday 03.03.2025: March begins on a Saturday
    QAction* memorial = Item(sheet.DayMenu(), "DayMenu5");
    QCOMPARE(memorial->text().remove('&'), QString("Gedenktag"));
    memorial->trigger();
    Item(sheet.DayMenu(), "DayMenu0")->trigger();
    sheet.DayMenu()->hide();
    QCOMPARE(opened_.size(), std::size_t{2});
    QVERIFY(QString::fromStdString(opened_[0]).endsWith("3._M%E4rz#Feier-_und_Gedenktage"));
    QVERIFY(QString::fromStdString(opened_[1]).endsWith("+weather+in+st.%20p%F6lten+germany"));
  }

  // Days in the region's school holidays carry the bar and say so to
  // assistive technology; the property takes the bars away.
  void schoolHolidaysAreMarked() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 10, 17), true, "D-NI");
    for (int i = 0; i < 42; ++i) {
      const int day = sheet.View().sheet.cells[static_cast<std::size_t>(i)].dayNumber;
      const bool autumn = day >= Day(2024, 10, 4) && day <= Day(2024, 10, 19);
      QCOMPARE(sheet.SchoolHolidayMarked(i), autumn);
      QCOMPARE(Cell(sheet, i + 1)->accessibleName().endsWith(QStringLiteral(", Herbstferien")),
               autumn);
    }
    QVERIFY(sheet.ShowSchoolHolidays());
    sheet.SetShowSchoolHolidays(false);
    for (int i = 0; i < 42; ++i) QVERIFY(!sheet.SchoolHolidayMarked(i));
    sheet.ShowMonth(Day(2024, 10, 17), true, "D-NI");
    for (int i = 0; i < 42; ++i) QVERIFY(!sheet.SchoolHolidayMarked(i));
    sheet.SetShowSchoolHolidays(true);
    QVERIFY(sheet.SchoolHolidayMarked(10));  // Friday 11.10.
    // Another state, other holidays: Bavaria has none in mid-October.
    sheet.ShowMonth(Day(2024, 10, 17), true, "D-BY");
    QVERIFY(!sheet.SchoolHolidayMarked(10));
  }

  void weekHints() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 12, 23), true, "D-NI");
    QCOMPARE(Label(sheet, "Lbl_Week5")->text(), QString("52"));
    QCOMPARE(Label(sheet, "Lbl_Week5")->toolTip(),
             QString("52. Kalenderwoche 2024:\r\n4 Werktage\r\n3 Werktage ohne den Samstag\r\n2 "
                     "Feiertage nicht auf Sonntag fallend\r\n"
                     "Brückentag: Mo 23.12.2024 und Di 24.12.2024: 2 Urlaubstage → 6 freie "
                     "Tage, 21.12.–26.12.2024\r\n"
                     "Brückentag: Fr 27.12.2024: 1 Urlaubstag → 5 freie Tage, "
                     "25.12.–29.12.2024"));
    QCOMPARE(Label(sheet, "Lbl_Week6")->text(), QString(" 1"));
    QVERIFY(Label(sheet, "Lbl_Week6")->toolTip().startsWith("1. Kalenderwoche 2025:\r\n"));
    QTest::mouseClick(Label(sheet, "Lbl_Week6"), Qt::LeftButton);
    QCOMPARE(opened_.list(), std::vector<std::string>{"https://de.wikipedia.org/wiki/woche"});
  }

  void doubleClick_data() {
    QTest::addColumn<bool>("gregorian");
    QTest::addColumn<int>("opened");
    QTest::newRow("Gregorian opens the day article") << true << 1;
    QTest::newRow("Julian opens nothing") << false << 0;
  }

  void doubleClick() {
    QFETCH(bool, gregorian);
    QFETCH(int, opened);
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 10, 17, gregorian ? G : J), gregorian, "D-NI");
    QSignalSpy clicks(&sheet, &TMoCal::OnClick);
    QTest::mouseDClick(Cell(sheet, 10), Qt::LeftButton);
    QVERIFY(clicks.count() >= 1);
    QCOMPARE(static_cast<int>(opened_.size()), opened);
    if (opened == 1) {
      QCOMPARE(QString::fromStdString(opened_[0]),
               QString("https://de.wikipedia.org/wiki/9._Oktober"));
    }
  }

  void everyLinkGoesThroughTheOpener() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 10, 3), true, "D-NI");
    int expected = 0;
    for (const char* name : {"Lbl_ShowMonth", "Lbl_ShowYear", "Lbl_ShowCal", "Lbl_WeekDay1",
                             "Lbl_WeekDay6", "Lbl_Week3"}) {
      QTest::mouseClick(Label(sheet, name), Qt::LeftButton);
      ++expected;
    }
    RightClick(Cell(sheet, 4));
    for (QAction* action : sheet.DayMenu()->actions()) {
      if (!action->isVisible()) continue;
      action->trigger();
      ++expected;
    }
    sheet.DayMenu()->hide();
    RightClick(Label(sheet, "Lbl_ShowYear"));
    for (QAction* action : sheet.YearMenu()->actions()) {
      if (!action->isVisible()) continue;
      action->trigger();
      ++expected;
    }
    sheet.YearMenu()->hide();
    QCOMPARE(static_cast<int>(opened_.size()), expected);
    for (const std::string& address : opened_) {
      QVERIFY2(platform::IsWebAddress(address), address.c_str());
    }
    QCOMPARE(QString::fromStdString(opened_[0]), QString("https://de.wikipedia.org/wiki/Oktober"));
    QCOMPARE(QString::fromStdString(opened_[1]), QString("https://de.wikipedia.org/wiki/2024"));
    QCOMPARE(QString::fromStdString(opened_[3]), QString("https://de.wikipedia.org/wiki/Montag"));
  }

  void keyboardMovesTheSelection() {
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* sheet = new TMoCal(&window);
    sheet->move(0, 30);
    window.resize(sheet->width(), sheet->height() + 30);
    sheet->ShowMonth(Day(2024, 10, 17), true, "D-NI");
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    // The sheet is one Tab stop: its selected cell.
    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(Cell(*sheet, 18)->hasFocus());
    QSignalSpy clicks(sheet, &TMoCal::OnClick);
    const struct {
      Qt::Key key;
      int day;
      const char* month;
    } kSteps[] = {
        {Qt::Key_Right, Day(2024, 10, 18), "Oktober"},
        {Qt::Key_Down, Day(2024, 10, 25), "Oktober"},
        {Qt::Key_Down, Day(2024, 11, 1), "November"},
        {Qt::Key_Left, Day(2024, 10, 31), "Oktober"},
        {Qt::Key_PageDown, Day(2024, 11, 30), "November"},
        {Qt::Key_PageUp, Day(2024, 10, 30), "Oktober"},
        {Qt::Key_Up, Day(2024, 10, 23), "Oktober"},
        {Qt::Key_Home, Day(2026, 12, 8), "Dezember"},
    };
    for (const auto& step : kSteps) {
      QTest::keyClick(QApplication::focusWidget(), step.key);
      QCOMPARE(sheet->SelectedDay(), step.day);
      QCOMPARE(Label(*sheet, "Lbl_ShowMonth")->text(), QString(step.month));
      // The keyboard stays on the selected cell.
      auto* focus = qobject_cast<QLabel*>(QApplication::focusWidget());
      QVERIFY(focus != nullptr);
      QCOMPARE(Paper(focus), controls::kSelectedColor);
    }
    QCOMPARE(clicks.count(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
  }

  void cellsAreAnnouncedAsDates() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2025, 10, 3), true, "D-NI");
    const QString name =
        "Freitag, 3. Oktober 2025, Tag der deutschen Einheit, gesetzlicher Feiertag";
    QCOMPARE(Cell(sheet, 5)->accessibleName(), name);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(Cell(sheet, 5));
    QVERIFY(cell != nullptr);
    // The selected day says so after its name.
    QCOMPARE(cell->text(QAccessible::Name), name + ", ausgewählt");
    QCOMPARE(cell->role(), QAccessible::Cell);
    QVERIFY(cell->state().selected);
    QAccessibleInterface* saturday = QAccessible::queryAccessibleInterface(Cell(sheet, 6));
    QCOMPARE(saturday->text(QAccessible::Name), QString("Samstag, 4. Oktober 2025"));
    QVERIFY(!saturday->state().selected);
  }

  void todayButton() {
    TMoCal sheet;
    sheet.ShowMonth(Day(2024, 10, 17), true, "D-NI");
    QWidget* today = sheet.findChild<QWidget*>("CalPanelLeftTop");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(today, &enter);
    QCOMPARE(today->toolTip(),
             QString("aktuelles Datum: 08.12.2026, 09:30:15\r\nlinke Maustaste = in das "
                     "Datumsfeld\r\nrechte Maustaste = auf das Kalenderblatt"));
    QSignalSpy clicks(&sheet, &TMoCal::OnClick);
    QTest::mouseClick(today, Qt::RightButton);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(Label(sheet, "Lbl_ShowMonth")->text(), QString("Dezember"));
    sheet.ShowMonth(Day(2024, 10, 17), true, "D-NI");
    QTest::mouseClick(today, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(sheet.SelectedDay(), Day(2026, 12, 8));
  }
};

RAZ_WIDGET_TEST(TMoCalTest);

#include "mocal_test.moc"

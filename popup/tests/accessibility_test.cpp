// SPDX-License-Identifier: MIT
// The calendar pop-up as a screen reader reads it: every control named,
// the month sheet a table with its heads, each page of the tools panel.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <memory>

#include "controls/mocal.h"
#include "engine/civildate.h"
#include "popup/dateca.h"
#include "popup/kalender.h"
#include "testsupport/accessibility.h"
#include "testsupport/widget_test_main.h"
#include "tools/beam.h"

namespace {

using widget_tests::Outline;
using widget_tests::Unnamed;

QAccessibleInterface* Grid(TDateCal& cal) {
  return QAccessible::queryAccessibleInterface(cal.MoCal()->findChild<QWidget*>("CalPanel1"));
}

}  // namespace

class TPopupAccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryControlOfTheCalendarPageIsNamed() {
    TDateCal cal;
    cal.show();
    const QStringList unnamed = Unnamed(&cal);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n') + "\n" + Outline(&cal)));
  }

  void EveryPageOfTheToolsPanelIsNamed() {
    TDateCal cal;
    cal.show();
    for (int step = 0; step <= 10; ++step) {
      cal.Beam()->SetProgStep(step);
      cal.Beam()->SwitchProgram();
      const QStringList unnamed = Unnamed(&cal);
      QVERIFY2(unnamed.isEmpty(), qPrintable(cal.Beam()->ProgCaption() + ":\n" +
                                             unnamed.join('\n') + "\n" + Outline(cal.Beam())));
    }
  }

  void TheBarsButtonsAreNamedByTheirDeedAndPressable() {
    TDateCal cal;
    cal.show();
    const struct {
      const char* object;
      const char* name;
    } kButtons[] = {{"Back", "vorher"},
                    {"Forw", "später"},
                    {"Search", "Suche im Internet"},
                    {"Copy", "Kopieren"},
                    {"Progr", "Nächste Funktion"}};
    for (const auto& button : kButtons) {
      QAccessibleInterface* node =
          QAccessible::queryAccessibleInterface(cal.Beam()->findChild<QWidget*>(button.object));
      QVERIFY(node != nullptr);
      QCOMPARE(node->role(), QAccessible::Button);
      QCOMPARE(node->text(QAccessible::Name), QString::fromUtf8(button.name));
      QVERIFY(node->actionInterface()->actionNames().contains(
          QAccessibleActionInterface::pressAction()));
    }
    // Pressing "Nächste Funktion" opens the next program, as a click does.
    QAccessibleInterface* next =
        QAccessible::queryAccessibleInterface(cal.Beam()->findChild<QWidget*>("Progr"));
    const int before = cal.Beam()->ProgId();
    next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(cal.Beam()->ProgId() != before);
  }

  void TheMonthSheetIsATableOfSixWeeksBySevenDays() {
    TDateCal cal;
    cal.show();
    QAccessibleInterface* grid = Grid(cal);
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->role(), QAccessible::Table);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Tage des Monats, Dezember 2026"));
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table != nullptr);
    QCOMPARE(table->rowCount(), 6);
    QCOMPARE(table->columnCount(), 7);
    QCOMPARE(table->columnDescription(0), QStringLiteral("Montag"));
    QCOMPARE(table->columnDescription(6), QStringLiteral("Sonntag"));
    // December 2026 starts on a Tuesday, in week 49.
    QCOMPARE(table->rowDescription(0), QStringLiteral("49. Kalenderwoche"));
    QVERIFY(table->cellAt(6, 0) == nullptr);
    QVERIFY(table->cellAt(0, 7) == nullptr);
    QVERIFY(table->cellAt(-1, 0) == nullptr);

    // The fixed today, 08.12.2026, is selected: row 1, Tuesday.
    QCOMPARE(table->selectedCellCount(), 1);
    QAccessibleInterface* today = table->cellAt(1, 1);
    QCOMPARE(table->selectedCells().value(0), today);
    QCOMPARE(today->role(), QAccessible::Cell);
    // Named as before, with what its colours say after it.
    QVERIFY(
        today->text(QAccessible::Name).startsWith(QStringLiteral("Dienstag, 8. Dezember 2026, ")));
    QVERIFY(today->text(QAccessible::Name).endsWith(QStringLiteral(", heute, ausgewählt")));
    QVERIFY(today->state().selected);
    QAccessibleTableCellInterface* cell = today->tableCellInterface();
    QVERIFY(cell != nullptr);
    QCOMPARE(cell->rowIndex(), 1);
    QCOMPARE(cell->columnIndex(), 1);
    QCOMPARE(cell->table(), grid);
    QCOMPARE(cell->columnHeaderCells().value(0)->role(), QAccessible::ColumnHeader);
    QCOMPARE(cell->columnHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("Dienstag"));
    QCOMPARE(cell->rowHeaderCells().value(0)->role(), QAccessible::RowHeader);
    QCOMPARE(cell->rowHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("50. Kalenderwoche"));

    // Monday 30 November stands before the month.
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name),
             QStringLiteral("Montag, 30. November 2026, nicht in diesem Monat"));
    QVERIFY(table->cellAt(3, 4)
                ->text(QAccessible::Name)
                .startsWith(QStringLiteral(
                    "Freitag, 25. Dezember 2026, 1. Weihnachtstag, gesetzlicher Feiertag")));
  }

  void PressingACellChoosesItsDayAndTellsTheScreenReader() {
    TDateCal cal;
    cal.show();
    QAccessibleTableInterface* table = Grid(cal)->tableInterface();
    QAccessibleInterface* christmas = table->cellAt(3, 4);
    QVERIFY(christmas->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    christmas->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(cal.MoCal()->SelectedDay(),
             engine::DayNumberOf({2026, 12, 25}, engine::CalendarKind::Gregorian));
    QVERIFY(christmas->state().selected);
    QVERIFY(christmas->text(QAccessible::Name).endsWith(QStringLiteral(", ausgewählt")));
    QVERIFY(!table->cellAt(1, 1)->state().selected);
    QCOMPARE(table->selectedCells().value(0), christmas);
  }

  void EveryNodeOfTheSheetIsReachedFromTheWindow() {
    // The outline is what a screen reader walks; it starts at the window
    // and reaches the table, its heads and the bar.
    QWidget host;
    auto* kal = new TKalender(&host);
    host.show();
    kal->Open();
    const QString outline = Outline(kal->CalendarPopup());
    QVERIFY2(outline.contains(QStringLiteral("Table \"Tage des Monats, Dezember 2026\"")),
             qPrintable(outline));
    QVERIFY2(outline.contains(QStringLiteral("ColumnHeader \"Montag\"")), qPrintable(outline));
    QVERIFY2(outline.contains(QStringLiteral("RowHeader \"49. Kalenderwoche\"")),
             qPrintable(outline));
    QVERIFY2(outline.contains(QStringLiteral("Button \"Kopieren\" [Press")), qPrintable(outline));
    const QStringList unnamed = Unnamed(kal->CalendarPopup());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n') + "\n" + outline));
    if (qEnvironmentVariableIsSet("RAZ_A11Y_OUTLINE")) qInfo().noquote() << outline;
    kal->Close();
  }

  void AKeyboardMoveMovesTheTablesSelection() {
    // The move's announcement (state and selection events) reaches only a
    // running screen reader: Qt drops events while no platform
    // accessibility is active, as on the offscreen platform. What the
    // screen reader then reads is the table's new state.
    TDateCal cal;
    cal.show();
    QAccessibleTableInterface* table = Grid(cal)->tableInterface();
    QWidget* today = cal.MoCal()->findChild<QWidget*>("Lbl_Day9");
    QTest::keyClick(today, Qt::Key_Right);
    QCOMPARE(cal.MoCal()->SelectedDay(),
             engine::DayNumberOf({2026, 12, 9}, engine::CalendarKind::Gregorian));
    QCOMPARE(table->selectedCells().value(0), table->cellAt(1, 2));
    QVERIFY(table->cellAt(1, 2)->text(QAccessible::Name).endsWith(QStringLiteral(", ausgewählt")));
    QVERIFY(table->cellAt(1, 1)->text(QAccessible::Name).endsWith(QStringLiteral(", heute")));
    // A page down shows January; the table reads the new month.
    QTest::keyClick(cal.MoCal()->findChild<QWidget*>("Lbl_Day10"), Qt::Key_PageDown);
    QCOMPARE(Grid(cal)->text(QAccessible::Name), QStringLiteral("Tage des Monats, Januar 2027"));
    QVERIFY(table->selectedCells()
                .value(0)
                ->text(QAccessible::Name)
                .startsWith(QStringLiteral("Samstag, 9. Januar 2027")));
  }
};

RAZ_WIDGET_TEST(TPopupAccessibilityTest);
#include "accessibility_test.moc"

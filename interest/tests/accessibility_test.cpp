// SPDX-License-Identifier: MIT
// The interest window as a screen reader and the keyboard meet it: every
// field and list named by its label, every field reached with Tab in
// reading order, the dates opened and the faces computed from the keyboard.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "controls/date.h"
#include "controls/dateedt.h"
#include "interest/qvzins.h"
#include "popup/dateca.h"
#include "popup/kalender.h"
#include "testsupport/accessibility.h"
#include "testsupport/widget_test_main.h"

namespace {

using widget_tests::ObjectNames;
using widget_tests::Outline;
using widget_tests::TabStops;
using widget_tests::Unnamed;

struct Window {
  Window() {
    w = new TQvZins;
    w->SetQuestion([](const QString&, const QString&) { return false; });
    w->show();
  }
  ~Window() { delete w; }
  QAccessibleInterface* Node(const char* name) const {
    return QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(QString::fromLatin1(name)));
  }
  TQvZins* w;
};

}  // namespace

class TQvZinsAccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryFieldAndListOfBothFacesIsNamed() {
    Window window;
    window.w->RentClick();
    QStringList unnamed = Unnamed(window.w);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n') + "\n" + Outline(window.w)));
    if (qEnvironmentVariableIsSet("RAZ_A11Y_OUTLINE")) qInfo().noquote() << Outline(window.w);
    window.w->Btn_PercentClick();
    unnamed = Unnamed(window.w);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n') + "\n" + Outline(window.w)));
    if (qEnvironmentVariableIsSet("RAZ_A11Y_OUTLINE")) qInfo().noquote() << Outline(window.w);
  }

  void AFieldIsNamedByItsLabelAndReadsItsValue() {
    Window window;
    QAccessibleInterface* capital = window.Node("Edt_Capital");
    QCOMPARE(capital->role(), QAccessible::EditableText);
    QCOMPARE(capital->text(QAccessible::Name), QStringLiteral("Kapital"));
    QCOMPARE(capital->text(QAccessible::Value), window.w->Edit("Edt_Capital")->text());
    // Qt names the relation from the field's side "Label": the other object
    // is its label; AT-SPI reports it as "labelled by".
    const auto labels = capital->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object()->objectName(), QStringLiteral("Label1"));
    QCOMPARE(window.Node("Edt_Beginn")
                 ->relations(QAccessible::Label)
                 .value(0)
                 .first->text(QAccessible::Name),
             QStringLiteral("seit"));
  }

  void AListIsNamedByWhatItChoosesNotByItsLine() {
    Window window;
    const struct {
      const char* list;
      const char* name;
    } kLists[] = {{"CB_Value", "Währung"},
                  {"CB_Begin", "Anfangstag verzinsen"},
                  {"CB_End", "Endtag verzinsen"},
                  {"CB_Rent", "Zinsberechnungsmethode"},
                  {"CB_RoundDeciInt", "Dezimalstellen der Zwischenergebnisse"}};
    for (const auto& list : kLists) {
      QAccessibleInterface* node = window.Node(list.list);
      QCOMPARE(node->role(), QAccessible::ComboBox);
      QCOMPARE(node->text(QAccessible::Name), QString::fromUtf8(list.name));
      QCOMPARE(node->text(QAccessible::Value), window.w->List(list.list)->currentText());
      QVERIFY(node->actionInterface()->actionNames().contains(
          QAccessibleActionInterface::showMenuAction()));
    }
    // The lines stay readable: the popup's list is the list box's child.
    QAccessibleInterface* currency = window.Node("CB_Value");
    QCOMPARE(currency->childCount(), 1);
    QCOMPARE(currency->child(0)->object(), window.w->List("CB_Value")->view());
    QCOMPARE(currency->indexOfChild(currency->child(0)), 0);
  }

  void TabVisitsEveryFieldInReadingOrder() {
    Window window;
    window.w->RentClick();
    const QStringList expected = {
        "Edt_Capital",     "CB_Value",          "Edt_rent",        "Edt_Beginn",
        "CB_Begin",        "Edt_Ende",          "CB_End",          "CB_Rent",
        "Edt_PayDate",     "CB_PayLand",        "CB_ValutaModus",  "Edt_Valuta",
        "CB_Round",        "CB_RoundDeciInt",   "CB_RoundDeciExt", "Button1",
        "Edt_YearT",       "Edt_Year",          "Edt_YearSum",     "Edt_NormalYearT",
        "Edt_NormalYear",  "Edt_NormalYearSum", "Edt_LeapYearT",   "Edt_LeapYear",
        "Edt_LeapYearSum", "Edt_RentSum",       "Edt_Sum",         "Edt_CalDiffText",
        "Btn_Text",        "Btn_Percent",       "Btn_info"};
    const QStringList stops = ObjectNames(TabStops(window.w));
    QVERIFY2(stops == expected, qPrintable(stops.join(' ')));

    window.w->Btn_PercentClick();
    const QStringList percent = {
        "CB_RoundP", "CB_RoundDeciPerP", "CB_RoundDeciIntP", "CB_RoundDeciExtP", "Edt_Perc1",
        "Edt_Cap1",  "Edt_Perc2",        "Edt_Cap2",         "Edt_Perc3",        "Edt_Cap3",
        "BitBtn2",   "BitBtn3",          "BitBtn4",          "BitBtn1"};
    const QStringList percentStops = ObjectNames(TabStops(window.w));
    QVERIFY2(percentStops == percent, qPrintable(percentStops.join(' ')));
  }

  void EnterOnADateOpensItsEditor() {
    Window window;
    QLineEdit* start = window.w->Edit("Edt_Beginn");
    QTest::keyClick(start, Qt::Key_Return);
    QVERIFY(!start->isVisible());
    TKalender* kal = window.w->findChild<TKalender*>("Kalender1");
    QVERIFY(kal->DateCal()->DateEdt()->DateField()->isVisible());
  }

  void EnterOnAListOrAResultComputesTheFace() {
    Window window;
    window.w->Edit("Edt_Capital")->setText("1000");
    window.w->Edit("Edt_Sum")->clear();
    QTest::keyClick(window.w->List("CB_Rent"), Qt::Key_Return);
    QVERIFY(!window.w->Edit("Edt_Sum")->text().trimmed().isEmpty());

    window.w->Edit("Edt_Sum")->clear();
    QTest::keyClick(window.w->Edit("Edt_YearT"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!window.w->Edit("Edt_Sum")->text().trimmed().isEmpty());
  }

  void EnterPressesAButton() {
    Window window;
    QTest::keyClick(window.w->findChild<QPushButton*>("Btn_Percent"), Qt::Key_Return);
    QCOMPARE(window.w->Mode(), QStringLiteral("%"));
  }
};

RAZ_WIDGET_TEST(TQvZinsAccessibilityTest);
#include "accessibility_test.moc"

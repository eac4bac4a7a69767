// SPDX-License-Identifier: MIT
// What assistive technology learns of the controls' own widgets: spin
// halves and drawn buttons are pressable buttons, a list box is named by its
// label and reads its line as its value, a backdrop is no field.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "controls/accessible.h"
#include "controls/date.h"
#include "controls/dblbtn.h"
#include "controls/spinhalf.h"
#include "testsupport/widget_test_main.h"

namespace {

void Press(QWidget* widget) {
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
  node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class TAccessibleTest : public QObject {
  Q_OBJECT

 private slots:
  void ASpinHalfIsAButtonNamedByItsHint() {
    TSpinHalf half;
    half.SetHint(QStringLiteral("Kalender\n\rwechseln"));
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&half);
    QCOMPARE(node->role(), QAccessible::Button);
    // The hint keeps its line break; the name is one line.
    QCOMPARE(half.toolTip(), QStringLiteral("Kalender\n\rwechseln"));
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Kalender wechseln"));
    QVERIFY(
        node->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  }

  void PressingASpinHalfIsOneWholeClick() {
    TSpinHalf half;
    QStringList order;
    connect(&half, &TSpinHalf::Pressed, this, [&order] { order << "Pressed"; });
    connect(&half, &TSpinHalf::Stepped, this, [&order] { order << "Stepped"; });
    connect(&half, &TSpinHalf::Released, this, [&order] { order << "Released"; });
    connect(&half, &TSpinHalf::Clicked, this, [&order] { order << "Clicked"; });
    Press(&half);
    QCOMPARE(order, QStringList({"Pressed", "Stepped", "Released", "Clicked"}));
    QVERIFY(!half.Lowered());
    // A disabled half does nothing.
    order.clear();
    half.setEnabled(false);
    Press(&half);
    QVERIFY(order.isEmpty());
  }

  void PressingADateFieldsHalfStepsItOnce() {
    TDate date;
    date.SetModus(QStringLiteral("D"));
    QVERIFY(date.SetDateText(QStringLiteral("30.12.2026")));
    Press(date.SwitchAsc(0));
    QCOMPARE(date.Date(), QStringLiteral("31.12.2026"));
    // The field spins each sub-field in its own range, as a held button does.
    Press(date.SwitchAsc(0));
    QCOMPARE(date.Date(), QStringLiteral("01.12.2026"));
    Press(date.SwitchDesc(2));
    QCOMPARE(date.Date(), QStringLiteral("01.12.2025"));
    QCOMPARE(QAccessible::queryAccessibleInterface(date.Edt(2))->text(QAccessible::Name),
             QStringLiteral("Jahr"));
  }

  void TheSubFieldsAreNamedByTheModesUnits() {
    TDate date;
    date.SetModus(QStringLiteral("T"));
    QCOMPARE(date.Edt(0)->accessibleName(), QStringLiteral("Stunde"));
    QCOMPARE(date.Edt(2)->accessibleName(), QStringLiteral("Sekunde"));
    date.SetModus(QStringLiteral("W"));
    QCOMPARE(date.Edt(1)->accessibleName(), QStringLiteral("Woche"));
  }

  void TheDoubleButtonsBackdropIsNoField() {
    TDblBtn button;
    QAccessibleInterface* backdrop =
        QAccessible::queryAccessibleInterface(button.findChild<QLineEdit*>("SwitchEdt"));
    QCOMPARE(backdrop->role(), QAccessible::Border);
  }

  void AListBoxIsNamedByItsLabelAndReadsItsLine() {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Währung"), &window);
    auto* list = new QComboBox(&window);
    list->addItems({QStringLiteral("EUR"), QStringLiteral("SEK")});
    list->setCurrentIndex(1);
    controls::InstallAccessibility();
    label->setBuddy(list);
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(node->role(), QAccessible::ComboBox);
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Währung"));
    QCOMPARE(node->text(QAccessible::Value), QStringLiteral("SEK"));
    QCOMPARE(node->relations(QAccessible::Label).value(0).first->object(), label);
    list->setAccessibleName(QStringLiteral("Währung des Kapitals"));
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Währung des Kapitals"));
  }

  void AMarkedWidgetIsNamedByItsHintWhenUnnamed() {
    QWidget panel;
    int presses = 0;
    controls::MarkAsButton(&panel, [&presses] { ++presses; });
    panel.setToolTip(QStringLiteral("in Normalgröße anzeigen,\r\nauch dort Kalender schließen"));
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&panel);
    QCOMPARE(node->role(), QAccessible::Button);
    QCOMPARE(node->text(QAccessible::Name),
             QStringLiteral("in Normalgröße anzeigen, auch dort Kalender schließen"));
    Press(&panel);
    QCOMPARE(presses, 1);
  }

  void EveryMenuEntryGetsItsOwnLetter() {
    QMenu menu;
    QAction* first = menu.addAction(QStringLiteral("Datum kopieren"));
    QAction* second = menu.addAction(QStringLiteral("Drucken"));
    QAction* own = menu.addAction(QStringLiteral("&Kopieren"));
    QAction* third = menu.addAction(QStringLiteral("KW kopieren"));
    QAction* ampersand = menu.addAction(QStringLiteral("Sonne & Mond"));
    menu.addSeparator();
    QAction* hidden = menu.addAction(QStringLiteral("Summe"));
    hidden->setVisible(false);
    QMenu* sub = menu.addMenu(QStringLiteral("weitere"));
    QAction* inner = sub->addAction(QStringLiteral("Datum"));
    controls::AddMnemonics(&menu);
    QCOMPARE(first->text(), QStringLiteral("&Datum kopieren"));
    QCOMPARE(second->text(), QStringLiteral("D&rucken"));
    QCOMPARE(own->text(), QStringLiteral("&Kopieren"));
    QCOMPARE(third->text(), QStringLiteral("K&W kopieren"));
    QCOMPARE(ampersand->text(), QStringLiteral("&Sonne && Mond"));
    QCOMPARE(hidden->text(), QStringLiteral("Summe"));
    QCOMPARE(sub->menuAction()->text(), QStringLiteral("w&eitere"));
    // A sub-menu has letters of its own.
    QCOMPARE(inner->text(), QStringLiteral("&Datum"));
    // A second pass changes nothing.
    controls::AddMnemonics(&menu);
    QCOMPARE(second->text(), QStringLiteral("D&rucken"));
  }

  void AccessibleTextIsOneLine() {
    QCOMPARE(controls::AccessibleText(QStringLiteral("a\r\nb\n\rc\nd")), QStringLiteral("a b c d"));
    QCOMPARE(controls::AccessibleText(QStringLiteral("  a  ")), QStringLiteral("a"));
    QCOMPARE(controls::AccessibleText(QString()), QString());
  }
};

RAZ_WIDGET_TEST(TAccessibleTest);
#include "accessible_test.moc"

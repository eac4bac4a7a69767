// SPDX-License-Identifier: MIT
// The main window as a screen reader and the keyboard meet it: the date's
// fields named "Tag", "Monat", "Jahr", their spin halves buttons that step
// them, the settings named, a title of its own.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/calvrn.h"
#include "controls/date.h"
#include "controls/dateedt.h"
#include "controls/spinhalf.h"
#include "platform/keyvalue_store.h"
#include "popup/dateca.h"
#include "popup/kalender.h"
#include "testsupport/accessibility.h"
#include "testsupport/widget_test_main.h"

namespace {

using widget_tests::ObjectNames;
using widget_tests::Outline;
using widget_tests::TabStops;
using widget_tests::Unnamed;

std::unique_ptr<TCalVrn> MakeWindow(platform::KeyValueStore& store) {
  auto window = std::make_unique<TCalVrn>(store);
  window->SetScreenSize({1920, 1080});
  window->SetProgramPath(QStringLiteral("/usr/bin/razaduvovi"));
  window->SetMessageSink([](const QString&, const QString&) {});
  return window;
}

TDate* DateField(TCalVrn& window) {
  return window.findChild<TKalender*>("Kalender1")->DateCal()->DateEdt()->DateField();
}

}  // namespace

class TCalVrnAccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryControlIsNamed() {
    platform::MemoryStore store;
    auto window = MakeWindow(store);
    window->show();
    QStringList unnamed = Unnamed(window.get());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n') + "\n" + Outline(window.get())));
    window->Btn_SetClick();
    unnamed = Unnamed(window.get());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n') + "\n" + Outline(window.get())));
    if (qEnvironmentVariableIsSet("RAZ_A11Y_OUTLINE")) qInfo().noquote() << Outline(window.get());
  }

  void TheDateFieldsAreNamedAndReadTheirDigits() {
    platform::MemoryStore store;
    auto window = MakeWindow(store);
    window->show();
    TDate* date = DateField(*window);
    const char* kNames[] = {"Tag", "Monat", "Jahr"};
    for (int f = 0; f < 3; ++f) {
      QAccessibleInterface* field = QAccessible::queryAccessibleInterface(date->Edt(f));
      QCOMPARE(field->role(), QAccessible::EditableText);
      QCOMPARE(field->text(QAccessible::Name), QString::fromLatin1(kNames[f]));
      QCOMPARE(field->text(QAccessible::Value), date->Edt(f)->text());
    }
  }

  void ASpinHalfIsAButtonThatStepsItsField() {
    platform::MemoryStore store;
    auto window = MakeWindow(store);
    window->show();
    TDate* date = DateField(*window);
    QAccessibleInterface* later = QAccessible::queryAccessibleInterface(date->SwitchAsc(0));
    QCOMPARE(later->role(), QAccessible::Button);
    QCOMPARE(later->text(QAccessible::Name), QStringLiteral("Tag später"));
    QAccessibleInterface* earlier = QAccessible::queryAccessibleInterface(date->SwitchDesc(1));
    QCOMPARE(earlier->text(QAccessible::Name), QStringLiteral("Monat vorher"));
    QVERIFY(later->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    QCOMPARE(date->Date(), QStringLiteral("08.12.2026"));
    later->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(date->Date(), QStringLiteral("09.12.2026"));
    earlier->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(date->Date(), QStringLiteral("09.11.2026"));
  }

  void TheWindowHasATitleOfItsOwn() {
    platform::MemoryStore store;
    auto window = MakeWindow(store);
    window->show();
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(window.get());
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Ra Zaduvovi – Datum"));
    QVERIFY(window->windowTitle() != TKalender::kPopupTitle);
    QVERIFY(window->windowTitle() != QStringLiteral("Kalender"));
  }

  void TabVisitsTheDateAndEveryButton() {
    platform::MemoryStore store;
    auto window = MakeWindow(store);
    window->show();
    const QStringList stops = ObjectNames(TabStops(window.get()));
    for (const char* name :
         {"Edt1", "Edt2", "Edt3", "Btn_OpenCal", "Btn_Zins", "Btn_Set", "Btn_Web"}) {
      QVERIFY2(stops.contains(QString::fromLatin1(name)), qPrintable(stops.join(' ')));
    }
  }
};

RAZ_WIDGET_TEST(TCalVrnAccessibilityTest);
#include "accessibility_test.moc"

// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "controls/dateedt.h"
#include "testsupport/days.h"
#include "testsupport/widget_test_main.h"
#include "tools/workhourspage.h"

class TWorkHoursPageTest : public QObject {
  Q_OBJECT

 private slots:
  void hoursFromBeginAndEnd_data() {
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("hours");
    QTest::newRow("night shift") << "22:00:00"
                                 << "06:00:00"
                                 << "08:00:00";
    QTest::newRow("one second over midnight") << "23:59:59"
                                              << "00:00:00"
                                              << "00:00:01";
    QTest::newRow("same time") << "07:15:00"
                               << "07:15:00"
                               << "00:00:00";
    QTest::newRow("borrows") << "08:45:50"
                             << "17:10:05"
                             << "08:24:15";
  }
  void hoursFromBeginAndEnd() {
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(QString, hours);
    TWorkHoursPage page;
    QSignalSpy changed(&page, &TBeamPage::TextChanged);
    page.Begin()->SetTime(begin);
    page.End()->SetTime(end);
    QCOMPARE(page.Hours()->K_Time(), hours);
    QVERIFY(changed.count() >= 1);
  }

  void endFromHours() {
    TWorkHoursPage page;
    page.Begin()->SetTime("20:00:00");
    page.Hours()->SetTime("06:30:00");
    QCOMPARE(page.End()->K_Time(), QString("02:30:00"));
    // Writing the end did not count as editing it: the hours stay.
    QCOMPARE(page.Hours()->K_Time(), QString("06:30:00"));
  }

  void captionsAndCopyText() {
    TWorkHoursPage page;
    QCOMPARE(page.findChild<QLabel*>("Lbl_Begin")->text(), QString("Uhrzeit Beginn"));
    QCOMPARE(page.findChild<QLabel*>("Lbl_End")->text(), QString("Uhrzeit Ende"));
    QCOMPARE(page.findChild<QLabel*>("Lbl_Hours")->text(), QString("Anzahl der Stunden"));
    page.Begin()->SetTime("22:00:00");
    page.End()->SetTime("06:00:00");
    QCOMPARE(page.CopyBody(), QString("22:00:00 Uhrzeit Beginn\r\n06:00:00 Uhrzeit Ende\r\n"
                                      "--------\r\n08:00:00 Anzahl der Stunden\r\n========\r\n"));
    page.findChild<QCheckBox*>("CBSek")->setChecked(true);
    QCOMPARE(page.Begin()->Modus(), QString("TM"));
    QCOMPARE(page.CopyBody(), QString("22:00 Uhrzeit Beginn\r\n06:00 Uhrzeit Ende\r\n"
                                      "-----\r\n08:00 Anzahl der Stunden\r\n=====\r\n"));
  }

  void secondsHiddenByThePanel() {
    TWorkHoursPage page;
    page.Begin()->SetTime("22:00:00");
    page.End()->SetTime("06:00:00");
    page.SetSecondsHidden(true);
    QVERIFY(page.findChild<QCheckBox*>("CBSek")->isChecked());
    QCOMPARE(page.Hours()->K_Time(), QString("08:00"));
    page.SetSecondsHidden(false);
    QCOMPARE(page.Hours()->Modus(), QString("T"));
    QCOMPARE(page.Hours()->K_Time(), QString("08:00:00"));
  }

  // The day of the panel does not touch the user's times.
  void refreshKeepsTheTimes() {
    TWorkHoursPage page;
    page.Begin()->SetTime("22:00:00");
    page.End()->SetTime("06:00:00");
    page.Refresh(testsupport::DayOf("08.12.2026", "D-NI", "12:00:00"));
    QCOMPARE(page.Begin()->K_Time(), QString("22:00:00"));
    QCOMPARE(page.Hours()->K_Time(), QString("08:00:00"));
  }
};

RAZ_WIDGET_TEST(TWorkHoursPageTest);
#include "workhourspage_test.moc"

// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "controls/date.h"
#include "controls/hints.h"
#include "controls/spinhalf.h"
#include "dateentry/fieldrules.h"
#include "testsupport/widget_test_main.h"

namespace {

// A window holding a TDate and, after it in the Tab order, another field.
struct Host {
  explicit Host(const QString& modus, int editHeight = 24) {
    date = new TDate(&window);
    date->SetModus(modus);
    date->SetEditHeight(editHeight);
    after = new QLineEdit(&window);
    after->setObjectName("after");
    after->setGeometry(0, 40, 100, 24);
    window.resize(160, 80);
    window.show();
    window.activateWindow();
  }
  bool Active() { return QTest::qWaitForWindowActive(&window); }
  QLineEdit* Edt(int n) { return date->findChild<QLineEdit*>(QStringLiteral("Edt%1").arg(n)); }
  TSpinHalf* Asc(int n) {
    return date->findChild<TSpinHalf*>(QStringLiteral("Switch%1Asc").arg(n));
  }
  TSpinHalf* Desc(int n) {
    return date->findChild<TSpinHalf*>(QStringLiteral("Switch%1Desc").arg(n));
  }
  QTimer* Timer() { return date->findChild<QTimer*>("Timer_Dc"); }
  void Tick() { QMetaObject::invokeMethod(Timer(), "timeout"); }

  QWidget window;
  TDate* date = nullptr;
  QLineEdit* after = nullptr;
};

}  // namespace

class TDateTest : public QObject {
  Q_OBJECT

 private slots:
  void subControlsCarryTheirNames() {
    TDate date;
    QVERIFY(date.findChild<QObject*>("PM_Dc") != nullptr);
    QTimer* timer = date.findChild<QTimer*>("Timer_Dc");
    QVERIFY(timer != nullptr);
    QVERIFY(!timer->isActive());
    for (int n = 1; n <= 3; ++n) {
      QVERIFY(date.findChild<QLineEdit*>(QStringLiteral("Edt%1").arg(n)) != nullptr);
      QVERIFY(date.findChild<TSpinHalf*>(QStringLiteral("Switch%1Asc").arg(n)) != nullptr);
      QVERIFY(date.findChild<TSpinHalf*>(QStringLiteral("Switch%1Desc").arg(n)) != nullptr);
    }
    QCOMPARE(date.Modus(), QString("D"));
    QCOMPARE(date.EditHeight(), 24);
    QCOMPARE(date.Date(), QString("01.01.2003"));
  }

  void geometry_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<int>("height");
    for (const char* modus : {"D", "T", "TM", "W", "A", "J"}) {
      for (int height : {24, 21}) {
        QTest::addRow("%s at %d", modus, height) << QString(modus) << height;
      }
    }
  }

  void geometry() {
    QFETCH(QString, modus);
    QFETCH(int, height);
    Host host(modus, height);
    const controls::DateMode mode = controls::ModeOfCode(modus.toStdString());
    const controls::DateGeometry g = controls::GeometryOf(mode, height);
    QCOMPARE(host.date->size(), QSize(g.width, height));
    const int half = height / 2;
    for (int f = 0; f < 3; ++f) {
      QLineEdit* edit = host.Edt(f + 1);
      const bool used = controls::RuleOf(mode, f).used;
      QCOMPARE(edit->isVisible(), used);
      QCOMPARE(host.Asc(f + 1)->isVisible(), used);
      QCOMPARE(host.Desc(f + 1)->isVisible(), used);
      if (!used) continue;
      QCOMPARE(edit->geometry(), QRect(g.fieldLeft[f], 0, g.fieldWidth[f], height));
      // "Desc" (earlier) is the upper half, "Asc" (later) the lower one.
      QCOMPARE(host.Desc(f + 1)->geometry(), QRect(g.buttonLeft[f], 0, 8, half));
      QCOMPARE(host.Asc(f + 1)->geometry(), QRect(g.buttonLeft[f], half, 8, half));
    }
  }

  void geometryOfTheDateModeInPixels() {
    Host host("D", 24);
    QCOMPARE(host.date->width(), 114);
    QCOMPARE(host.Edt(3)->geometry(), QRect(64, 0, 49, 24));
    QCOMPARE(host.Asc(3)->geometry(), QRect(104, 12, 8, 12));
    host.date->SetEditHeight(21);
    QCOMPARE(host.date->width(), 89);
    QCOMPARE(host.Edt(3)->geometry(), QRect(50, 0, 40, 21));
    QCOMPARE(host.Desc(3)->geometry(), QRect(80, 0, 8, 10));
  }

  void modusWritesAndInitialTexts_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");
    QTest::newRow("D") << "D"
                       << "D"
                       << "Date"
                       << "01.01.2003";
    QTest::newRow("T") << "T"
                       << "T"
                       << "Time"
                       << "00:00:00";
    QTest::newRow("TM") << "TM"
                        << "TM"
                        << "Time"
                        << "00:00";
    QTest::newRow("W") << "W"
                       << "W"
                       << "Week"
                       << "01.2003";
    QTest::newRow("A") << "A"
                       << "A"
                       << "Day"
                       << "001.2003";
    QTest::newRow("J") << "J"
                       << "J"
                       << "JD"
                       << "2452975";
    QTest::newRow("X is D") << "X"
                            << "D"
                            << "Date"
                            << "01.01.2003";
    QTest::newRow("empty is D") << ""
                                << "D"
                                << "Date"
                                << "01.01.2003";
  }

  void modusWritesAndInitialTexts() {
    QFETCH(QString, written);
    QFETCH(QString, stored);
    QFETCH(QString, property);
    QFETCH(QString, value);
    TDate date;
    date.SetModus("J");
    QVERIFY(date.setProperty("Modus", written));
    QCOMPARE(date.property("Modus").toString(), stored);
    QCOMPARE(date.property(property.toLatin1()).toString(), value);
    // The other value properties are empty.
    for (const char* other : {"Date", "Time", "Day", "Week", "JD"}) {
      if (property != other) QCOMPARE(date.property(other).toString(), QString());
    }
  }

  void everyButtonHintOfEveryMode_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("asc");
    QTest::addColumn<QString>("desc");
    const struct {
      const char* modus;
      int field;
      const char* unit;
    } kRows[] = {
        {"D", 1, "Tag"},
        {"D", 2, "Monat"},
        {"D", 3, "Jahr"},
        {"T", 1, "Stunde"},
        {"T", 2, "Minute"},
        {"T", 3, "Sekunde"},
        {"TM", 1, "Stunde"},
        {"TM", 2, "Minute"},
        {"W", 2, "Woche"},
        {"W", 3, "Jahr"},
        {"A", 2, "Tag des Jahres"},
        {"A", 3, "Jahr"},
        {"J", 3, "Julianisches Datum"},
    };
    for (const auto& row : kRows) {
      QTest::addRow("%s Edt%d", row.modus, row.field)
          << QString(row.modus) << row.field << QString::fromUtf8(row.unit) + " später"
          << QString::fromUtf8(row.unit) + " vorher";
    }
  }

  void everyButtonHintOfEveryMode() {
    QFETCH(QString, modus);
    QFETCH(int, field);
    QFETCH(QString, asc);
    QFETCH(QString, desc);
    Host host(modus);
    QCOMPARE(host.Asc(field)->toolTip(), asc);
    QCOMPARE(host.Desc(field)->toolTip(), desc);
    QCOMPARE(host.Asc(field)->accessibleName(), asc);
    QCOMPARE(host.Desc(field)->accessibleName(), desc);
    QVERIFY(!(host.Asc(field)->focusPolicy() & Qt::TabFocus));
    QVERIFY(!(host.Desc(field)->focusPolicy() & Qt::TabFocus));
  }

  void hintLineBreaksAreShownNotStored() {
    QCOMPARE(controls::ShownHint("Stunden\r\n09:30 AM"), QString("Stunden\n09:30 AM"));
    QCOMPARE(controls::ShownHint("a\n\rb"), QString("a\nb"));
    QCOMPARE(controls::ShownHint("Tag später"), QString("Tag später"));
  }

  void hintsShowTheirLineBreaksAsTooltips() {
    Host host("T");
    QVERIFY(host.Active());
    QLineEdit* hour = host.Edt(1);
    hour->setToolTip("Stunden\r\n09 AM");
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), hour->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(hour, &help);
    QCOMPARE(QToolTip::text(), QString("Stunden\n09 AM"));
    QCOMPARE(hour->toolTip(), QString("Stunden\r\n09 AM"));
    QToolTip::hideText();
  }

  void typing45IntoTheDayGives31AndMovesOn() {
    Host host("D");
    QVERIFY(host.Active());
    host.Edt(1)->setFocus();
    QCOMPARE(host.Edt(1)->selectedText(), QString("01"));
    QTest::keyClicks(host.Edt(1), "45");
    QCOMPARE(host.Edt(1)->text(), QString("31"));
    QCOMPARE(QApplication::focusWidget(), host.Edt(2));
    QCOMPARE(host.Edt(2)->selectedText(), QString("01"));
  }

  void typing5ThenLeavingGives05() {
    Host host("D");
    QVERIFY(host.Active());
    host.Edt(1)->setFocus();
    QTest::keyClicks(host.Edt(1), "5");
    QCOMPARE(host.Edt(1)->text(), QString("5"));
    QCOMPARE(QApplication::focusWidget(), host.Edt(1));
    QTest::keyClick(host.Edt(1), Qt::Key_Tab);
    QCOMPARE(host.Edt(1)->text(), QString("05"));
    QCOMPARE(QApplication::focusWidget(), host.Edt(2));
  }

  void month00Gives01() {
    Host host("D");
    QVERIFY(host.Active());
    host.Edt(2)->setFocus();
    QTest::keyClicks(host.Edt(2), "00");
    QCOMPARE(host.Edt(2)->text(), QString("01"));
    QCOMPARE(QApplication::focusWidget(), host.Edt(3));
  }

  void fullYearMovesOutOfTheControl() {
    Host host("D");
    QVERIFY(host.Active());
    host.Edt(3)->setFocus();
    QTest::keyClicks(host.Edt(3), "3001");
    QCOMPARE(host.Edt(3)->text(), QString("3001"));  // one past the range stays
    QCOMPARE(QApplication::focusWidget(), host.after);
  }

  // Regression: a full minute in "TM" sent the focus to the hidden seconds.
  void fullMinuteInTimeWithoutSecondsMovesOutOfTheControl() {
    Host host("TM");
    QVERIFY(host.Active());
    host.Edt(2)->setFocus();
    QTest::keyClicks(host.Edt(2), "30");
    QCOMPARE(host.Edt(2)->text(), QString("30"));
    QCOMPARE(QApplication::focusWidget(), host.after);
    QCOMPARE(host.date->Time(), QString("00:30"));
  }

  void modeJ123Gives0000123() {
    Host host("J");
    QVERIFY(host.Active());
    host.Edt(3)->setFocus();
    QCOMPARE(host.Edt(3)->selectedText(), QString("2452975"));
    QTest::keyClicks(host.Edt(3), "123");
    QCOMPARE(host.Edt(3)->text(), QString("123"));
    host.after->setFocus();
    QCOMPARE(host.Edt(3)->text(), QString("0000123"));
    QCOMPARE(host.date->JD(), QString("0000123"));
  }

  void enterMovesOnLikeTab() {
    Host host("D");
    QVERIFY(host.Active());
    host.Edt(1)->setFocus();
    QTest::keyClick(host.Edt(1), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), host.Edt(2));
    QTest::keyClick(host.Edt(2), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), host.Edt(3));
    QTest::keyClick(host.Edt(3), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), host.after);
  }

  void backspaceSelectsInsteadOfDeleting_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("selected");
    QTest::newRow("D day") << "D" << 1 << "01";
    QTest::newRow("D month") << "D" << 2 << "01";
    QTest::newRow("D year") << "D" << 3 << "2003";
    QTest::newRow("T second") << "T" << 3 << "00";
    QTest::newRow("A day of year") << "A" << 2 << "001";
    QTest::newRow("W year: nothing") << "W" << 3 << "";
    QTest::newRow("J number: nothing") << "J" << 3 << "";
  }

  void backspaceSelectsInsteadOfDeleting() {
    QFETCH(QString, modus);
    QFETCH(int, field);
    QFETCH(QString, selected);
    Host host(modus);
    QVERIFY(host.Active());
    QLineEdit* edit = host.Edt(field);
    edit->setFocus();
    const QString before = edit->text();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), before);
    QCOMPARE(edit->selectedText(), selected);
    if (selected.isEmpty()) QCOMPARE(edit->cursorPosition(), 0);
  }

  void onlyDigitsReachASubField() {
    Host host("D");
    QVERIFY(host.Active());
    QLineEdit* edit = host.Edt(3);
    edit->setFocus();
    QTest::keyClicks(edit, "a-,.x ");
    QCOMPARE(edit->text(), QString("2003"));
    QTest::keyClicks(edit, "19");
    QCOMPARE(edit->text(), QString("19"));
  }

  // Regression: pasted and dropped text went in unfiltered.
  void pastedTextIsFilteredLikeTypedText() {
    Host host("D");
    QVERIFY(host.Active());
    QLineEdit* edit = host.Edt(3);
    edit->setFocus();
    edit->selectAll();
    edit->insert("2.0x2");
    QCOMPARE(edit->text(), QString("202"));
    edit->selectAll();
    edit->insert("24.12.2003");  // more digits than the year takes
    QCOMPARE(edit->text(), QString("202"));
  }

  // Regression: only the third sub-field was capped when left.
  void everySubFieldIsClampedWhenLeft_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("day 99") << "D" << 1 << "99"
                            << "31";
    QTest::newRow("month 40") << "D" << 2 << "40"
                              << "12";
    QTest::newRow("hour 77") << "T" << 1 << "77"
                             << "23";
    QTest::newRow("week 60") << "W" << 2 << "60"
                             << "53";
    QTest::newRow("day of year 0") << "A" << 2 << "0"
                                   << "001";
    QTest::newRow("year empty") << "D" << 3 << ""
                                << "0001";
  }

  void everySubFieldIsClampedWhenLeft() {
    QFETCH(QString, modus);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    Host host(modus);
    QVERIFY(host.Active());
    QLineEdit* edit = host.Edt(field);
    edit->setFocus();
    edit->setText(typed);  // as an owner or a paste might leave it
    host.after->setFocus();
    QCOMPARE(edit->text(), left);
  }

  void aShortClickChangesNothing() {
    Host host("D");
    QVERIFY(host.Active());
    QTest::mousePress(host.Asc(1), Qt::LeftButton);
    QVERIFY(host.Asc(1)->Lowered());
    QVERIFY(host.Timer()->isActive());
    QCOMPARE(host.Timer()->interval(), 150);
    QTest::mouseRelease(host.Asc(1), Qt::LeftButton);
    QCOMPARE(host.Edt(1)->text(), QString("01"));
    QVERIFY(!host.Timer()->isActive());
    QVERIFY(!host.Asc(1)->Lowered());
    QCOMPARE(QApplication::focusWidget(), host.Edt(1));
  }

  void eachTickSpinsOnceAndReleaseStopsAndRefocuses() {
    Host host("D");
    QVERIFY(host.Active());
    host.Edt(2)->setFocus();
    QTest::mousePress(host.Asc(1), Qt::LeftButton);
    host.Tick();
    QCOMPARE(host.Edt(1)->text(), QString("02"));
    host.Tick();
    QCOMPARE(host.Edt(1)->text(), QString("03"));
    QTest::mouseRelease(host.Asc(1), Qt::LeftButton);
    QVERIFY(!host.Timer()->isActive());
    QCOMPARE(QApplication::focusWidget(), host.Edt(1));
    QCOMPARE(host.Edt(1)->selectedText(), QString("03"));
    QCOMPARE(host.Edt(2)->text(), QString("01"));  // no carry between date sub-fields
  }

  void intervalDropsTo50AfterTenTicks() {
    Host host("D");
    QVERIFY(host.Active());
    QTest::mousePress(host.Desc(3), Qt::LeftButton);
    for (int i = 0; i < 10; ++i) host.Tick();
    QCOMPARE(host.Timer()->interval(), 150);
    QCOMPARE(host.Edt(3)->text(), QString("1993"));
    host.Tick();
    QCOMPARE(host.Timer()->interval(), 50);
    QVERIFY(host.Timer()->isActive());
    QTest::mouseRelease(host.Desc(3), Qt::LeftButton);
    QVERIFY(!host.Timer()->isActive());
    QCOMPARE(host.Edt(3)->text(), QString("1992"));
  }

  void spinWraps_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::newRow("23:59:59 plus a second") << "T"
                                            << "23:59:59" << 3 << true << "00:00:00";
    QTest::newRow("00:00:00 minus a second") << "T"
                                             << "00:00:00" << 3 << false << "23:59:59";
    QTest::newRow("23:59 plus a minute") << "TM"
                                         << "23:59" << 2 << true << "00:00";
    QTest::newRow("year 0001 down") << "D"
                                    << "01.01.0001" << 3 << false << "01.01.3001";
    QTest::newRow("year 3001 up") << "D"
                                  << "01.01.3001" << 3 << true << "01.01.0001";
    QTest::newRow("day 31 up, month stays") << "D"
                                            << "31.05.2003" << 1 << true << "01.05.2003";
    QTest::newRow("month 1 down") << "D"
                                  << "15.01.2003" << 2 << false << "15.12.2003";
    QTest::newRow("JD top up") << "J"
                               << "9999999" << 3 << true << "0000000";
  }

  void spinWraps() {
    QFETCH(QString, modus);
    QFETCH(QString, start);
    QFETCH(int, field);
    QFETCH(bool, up);
    QFETCH(QString, result);
    Host host(modus);
    QVERIFY(host.Active());
    if (modus == "J") {
      QVERIFY(host.date->SetJDText(start));
    } else if (modus == "D") {
      QVERIFY(host.date->SetDateText(start));
    } else {
      QVERIFY(host.date->SetTimeText(start));
    }
    TSpinHalf* half = up ? host.Asc(field) : host.Desc(field);
    QTest::mousePress(half, Qt::LeftButton);
    host.Tick();
    QTest::mouseRelease(half, Qt::LeftButton);
    const QString value = modus == "J"   ? host.date->JD()
                          : modus == "D" ? host.date->Date()
                                         : host.date->Time();
    QCOMPARE(value, result);
  }

  void setTextsTakeOrRefuse() {
    TDate date;
    QVERIFY(date.SetDateText("24.12.2003"));
    QCOMPARE(date.Date(), QString("24.12.2003"));
    QVERIFY(!date.SetDateText("1.1.2003"));
    QVERIFY(!date.SetDateText("24.12.20031"));
    QCOMPARE(date.Date(), QString("24.12.2003"));
    QVERIFY(!date.SetJDText("2452975"));  // not in mode "J"
    QVERIFY(!date.SetTimeText("12:00"));

    date.SetModus("J");
    QVERIFY(!date.SetJDText("28171520"));
    QCOMPARE(date.JD(), QString("2452975"));
    QVERIFY(date.SetJDText("2817152"));
    QCOMPARE(date.JD(), QString("2817152"));

    date.SetModus("T");
    QVERIFY(!date.SetTimeText("12:3:45"));
    QCOMPARE(date.Time(), QString("00:00:00"));
    QVERIFY(date.SetTimeText("12:34"));
    QCOMPARE(date.Time(), QString("12:34:00"));
    QVERIFY(date.SetTimeText("25:60:61"));
    QCOMPARE(date.Time(), QString("23:59:59"));
    QVERIFY(!date.SetDateText("24.12.2003"));
  }

  void setTimeNowReadsTheEngineClock() {
    TDate date;
    date.SetModus("T");
    date.SetTimeNow(engine::RegionOfCode("D-NI"));
    QCOMPARE(date.Time(), QString("09:30:15"));
  }

  void fieldColoursReachAllSubFields() {
    TDate date;
    date.SetFieldFontColor(QColor(128, 0, 0));
    date.SetFieldColor(QColor(255, 255, 0));
    for (int n = 1; n <= 3; ++n) {
      auto* edit = date.findChild<QLineEdit*>(QStringLiteral("Edt%1").arg(n));
      QCOMPARE(edit->palette().color(QPalette::Text), QColor(128, 0, 0));
      QCOMPARE(edit->palette().color(QPalette::Base), QColor(255, 255, 0));
    }
  }

  // A key release that reaches the next sub-field after the focus moved on
  // must not count as typing there.
  void aStrayDigitReleaseDoesNotMoveOn() {
    Host host("D");
    QVERIFY(host.Active());
    host.Edt(2)->setFocus();
    QTest::keyRelease(host.Edt(2), Qt::Key_5);
    QCOMPARE(QApplication::focusWidget(), host.Edt(2));
  }
};

RAZ_WIDGET_TEST(TDateTest);

#include "date_test.moc"

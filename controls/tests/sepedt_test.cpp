// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <cmath>
#include <limits>

#include "controls/sepedt.h"
#include "engine/environment.h"
#include "testsupport/widget_test_main.h"

namespace {

// A window holding a TSepEdt and, after it in the Tab order, another field.
struct Host {
  Host() {
    edit = new TSepEdt(&window);
    after = new QLineEdit(&window);
    after->setGeometry(0, 30, 100, 21);
    window.resize(160, 60);
    window.show();
    window.activateWindow();
  }
  bool Active() { return QTest::qWaitForWindowActive(&window); }
  // Gives the edit the focus with its whole text selected.
  void Enter() {
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
  }

  QWidget window;
  TSepEdt* edit = nullptr;
  QLineEdit* after = nullptr;
};

const long double kNan = std::numeric_limits<long double>::quiet_NaN();

}  // namespace

class TSepEdtTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { engine::SetDecimalSeparator(','); }

  void defaults() {
    TSepEdt edit;
    QCOMPARE(edit.size(), QSize(120, 21));
    QCOMPARE(edit.property("FloatValue").toDouble(), 0.0);
    QCOMPARE(edit.property("Digits").toInt(), 2);
    QCOMPARE(edit.property("FieldLength").toInt(), 12);
    QCOMPARE(edit.property("IntegerOnly").toBool(), false);
    QCOMPARE(edit.property("RoundModus").toString(), QString());
    QCOMPARE(edit.property("RoundAtOnce").toBool(), true);
    QCOMPARE(edit.property("MaxValue").toDouble(), 2147483646.0);
    QCOMPARE(edit.property("With1000Sep").toBool(), true);
    QCOMPARE(edit.text(), QString("        0,00"));
    QCOMPARE(edit.TextValue(), QString("0,00"));
    QVERIFY(QFontInfo(edit.font()).fixedPitch());
    QVERIFY(edit.font().bold());
    QCOMPARE(edit.font().pointSize(), 10);
  }

  void typingRoundsAtOnceAndFormatsOnLeaving() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetRoundModus("math");
    host.Enter();
    QTest::keyClicks(host.edit, "1234567,8");
    QCOMPARE(host.edit->text(), QString("1.234.567,8"));
    QTest::keyClicks(host.edit, "91");
    QCOMPARE(host.edit->text(), QString("1.234.567,89"));
    QCOMPARE(static_cast<double>(host.edit->FloatValue()), 1234567.89);
    QTest::keyClick(host.edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), host.after);
    QCOMPARE(host.edit->text(), QString("1.234.567,89"));
    QCOMPARE(host.edit->text().size(), 12);
    QCOMPARE(host.edit->IntValue(), 1234567);
    host.edit->SetFloatValue(5.5L);
    QCOMPARE(host.edit->text(), QString("        5,50"));
  }

  void secondSeparatorAndMinusAreRefused() {
    Host host;
    QVERIFY(host.Active());
    host.Enter();
    QTest::keyClicks(host.edit, "1,5,");
    QCOMPARE(host.edit->text(), QString("1,5"));
    host.edit->selectAll();
    QTest::keyClicks(host.edit, "-5x+e");
    QCOMPARE(host.edit->text(), QString("5"));
  }

  void aSelectedSeparatorMayBeTypedOver() {
    Host host;
    QVERIFY(host.Active());
    host.Enter();
    QTest::keyClicks(host.edit, "12,5");
    host.edit->setSelection(2, 1);
    QTest::keyClicks(host.edit, ",");
    QCOMPARE(host.edit->text(), QString("12,5"));
  }

  void integerOnlyRefusesTheSeparator() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetDigits(4);
    host.edit->SetIntegerOnly(true);
    QCOMPARE(host.edit->Digits(), 0);
    QCOMPARE(host.edit->text(), QString("           0"));
    host.Enter();
    QTest::keyClicks(host.edit, "12,5");
    QCOMPARE(host.edit->text(), QString("125"));
    host.edit->SetIntegerOnly(false);
    QCOMPARE(host.edit->Digits(), 2);
  }

  void maxValueWrites_data() {
    QTest::addColumn<double>("written");
    QTest::addColumn<double>("stored");
    QTest::newRow("0") << 0.0 << 2147483646.0;
    QTest::newRow("-5") << -5.0 << 2147483646.0;
    QTest::newRow("NaN") << std::nan("") << 2147483646.0;
    QTest::newRow("above") << 3e9 << 2147483646.0;
    QTest::newRow("1000") << 1000.0 << 1000.0;
  }

  void maxValueWrites() {
    QFETCH(double, written);
    QFETCH(double, stored);
    TSepEdt edit;
    edit.setProperty("MaxValue", written);
    QCOMPARE(edit.property("MaxValue").toDouble(), stored);
  }

  void typingAboveMaxValueShowsMaxValue() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetMaxValue(1000.0L);
    host.Enter();
    QTest::keyClicks(host.edit, "1001");
    QCOMPARE(host.edit->text(), QString("1.000"));
    QCOMPARE(static_cast<double>(host.edit->FloatValue()), 1000.0);
  }

  // Regression: FloatValue writes were neither clamped to 0..MaxValue nor
  // safe from values above the rounding limit (read back as -1).
  void floatValueWritesAreClamped_data() {
    QTest::addColumn<double>("written");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << -5.0 << 0.0 << "        0,00";
    QTest::newRow("NaN") << std::nan("") << 0.0 << "        0,00";
    QTest::newRow("above the limit") << 1e12 << 2147483646.0 << "2.147.483.646,00";
    QTest::newRow("plain") << 1234.5 << 1234.5 << "    1.234,50";
  }

  void floatValueWritesAreClamped() {
    QFETCH(double, written);
    QFETCH(double, value);
    QFETCH(QString, text);
    TSepEdt edit;
    edit.setProperty("FloatValue", written);
    QCOMPARE(edit.property("FloatValue").toDouble(), value);
    QCOMPARE(edit.text(), text);
  }

  void clampedSettings() {
    TSepEdt edit;
    edit.SetFieldLength(40);
    QCOMPARE(edit.FieldLength(), 30);
    QCOMPARE(edit.text().size(), 30);
    edit.SetDigits(9);
    QCOMPARE(edit.Digits(), 8);
    QCOMPARE(edit.TextValue(), QString("0,00000000"));
    edit.SetRoundModus("IEEE");
    QCOMPARE(edit.RoundModus(), QString());
    edit.SetRoundModus("german");
    QCOMPARE(edit.RoundModus(), QString("german"));
  }

  void anEmptiedFieldShowsZeroAgain() {
    Host host;
    QVERIFY(host.Active());
    host.Enter();
    QTest::keyClicks(host.edit, "42");
    host.edit->selectAll();
    QTest::keyClick(host.edit, Qt::Key_Backspace);
    QCOMPARE(host.edit->text(), QString("0"));
    QCOMPARE(static_cast<double>(host.edit->FloatValue()), 0.0);
    host.after->setFocus();
    QCOMPARE(host.edit->text(), QString("        0,00"));
  }

  void enterMovesOn() {
    Host host;
    QVERIFY(host.Active());
    host.Enter();
    QTest::keyClick(host.edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), host.after);
  }

  void theFirstClickAfterFormattingSelectsAllLaterOnesDoNot() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetFloatValue(12.5L);
    QTest::mouseClick(host.edit, Qt::LeftButton, {}, QPoint(100, 10));
    QCOMPARE(host.edit->text(), QString("12,50"));  // alignment blanks gone
    QCOMPARE(host.edit->selectedText(), QString("12,50"));
    QTest::mouseClick(host.edit, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(host.edit->selectedText(), QString());
    host.after->setFocus();
    QTest::mouseClick(host.edit, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(host.edit->selectedText(), QString("12,50"));
  }

  // Regression: the thousands were grouped with "." also beside the decimal
  // separator ".", so a shown value changed when read back.
  void groupingWithThePointAsDecimalSeparator() {
    engine::SetDecimalSeparator('.');
    TSepEdt edit;
    edit.SetFloatValue(1234567.5L);
    QCOMPARE(edit.text(), QString("1,234,567.50"));
    edit.SetDigits(3);
    QCOMPARE(edit.text(), QString("1,234,567.500"));
    QCOMPARE(static_cast<double>(edit.FloatValue()), 1234567.5);
  }

  void withoutGrouping() {
    TSepEdt edit;
    edit.SetWith1000Sep(false);
    edit.SetFloatValue(1234567.5L);
    QCOMPARE(edit.TextValue(), QString("1234567,50"));
  }
};

RAZ_WIDGET_TEST(TSepEdtTest);

#include "sepedt_test.moc"

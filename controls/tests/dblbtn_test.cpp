// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "controls/dblbtn.h"
#include "controls/spinhalf.h"
#include "testsupport/widget_test_main.h"

class TDblBtnTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutFollowsEditHeight_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("half");
    QTest::newRow("21: halves of 10") << 21 << 10;
    QTest::newRow("24") << 24 << 12;
    QTest::newRow("25: the default") << 25 << 12;
    QTest::newRow("30") << 30 << 15;
  }

  void layoutFollowsEditHeight() {
    QFETCH(int, height);
    QFETCH(int, half);
    TDblBtn button;
    button.setProperty("EditHeight", height);
    QCOMPARE(button.property("EditHeight").toInt(), height);
    QCOMPARE(button.size(), QSize(9, height));
    auto* edit = button.findChild<QLineEdit*>("SwitchEdt");
    QVERIFY(edit != nullptr);
    QVERIFY(!edit->isEnabled());
    QCOMPARE(edit->geometry(), QRect(0, 0, 9, height));
    QCOMPARE(button.Switch1Desc()->geometry(), QRect(0, 0, 8, half));
    QCOMPARE(button.Switch1Asc()->geometry(), QRect(0, half, 8, half));
  }

  void defaultHeightIs25() {
    TDblBtn button;
    QCOMPARE(button.EditHeight(), 25);
    QCOMPARE(button.findChild<TSpinHalf*>("Switch1Asc"), button.Switch1Asc());
    QCOMPARE(button.findChild<TSpinHalf*>("Switch1Desc"), button.Switch1Desc());
  }

  void pressedLooks_data() {
    QTest::addColumn<int>("height");
    QTest::newRow("EditHeight 21") << 21;
    QTest::newRow("EditHeight 25") << 25;
  }

  void pressedLooks() {
    QFETCH(int, height);
    TDblBtn button;
    button.SetEditHeight(height);
    button.show();
    TSpinHalf* asc = button.Switch1Asc();
    TSpinHalf* desc = button.Switch1Desc();
    QSignalSpy ascClicks(asc, &TSpinHalf::Clicked);
    QSignalSpy descClicks(desc, &TSpinHalf::Clicked);

    QTest::mousePress(asc, Qt::LeftButton);
    QVERIFY(asc->Lowered());
    QVERIFY(!desc->Lowered());
    QTest::mouseRelease(asc, Qt::LeftButton);
    QVERIFY(!asc->Lowered());
    QVERIFY(!desc->Lowered());
    QCOMPARE(ascClicks.count(), 1);

    QTest::mousePress(desc, Qt::LeftButton);
    QVERIFY(desc->Lowered());
    QVERIFY(!asc->Lowered());
    QTest::mouseRelease(desc, Qt::LeftButton);
    QVERIFY(!asc->Lowered());
    QVERIFY(!desc->Lowered());
    QCOMPARE(descClicks.count(), 1);
    QCOMPARE(ascClicks.count(), 1);
  }

  // A click on a half nobody bound shows the pressed look and nothing else.
  void unboundClickOnlyShowsThePressedLook() {
    TDblBtn button;
    button.show();
    QTest::mouseClick(button.Switch1Asc(), Qt::LeftButton);
    QVERIFY(!button.Switch1Asc()->Lowered());
  }

  void halvesTakeNoTabStopAndNameThemselvesByHint() {
    TDblBtn button;
    for (TSpinHalf* half : {button.Switch1Asc(), button.Switch1Desc()}) {
      QVERIFY(!(half->focusPolicy() & Qt::TabFocus));
    }
    button.Switch1Desc()->SetHint("Kalender\n\rwechseln");
    QCOMPARE(button.Switch1Desc()->toolTip(), QString("Kalender\n\rwechseln"));
    QCOMPARE(button.Switch1Desc()->accessibleName(), QString("Kalender\n\rwechseln"));
  }
};

RAZ_WIDGET_TEST(TDblBtnTest);

#include "dblbtn_test.moc"

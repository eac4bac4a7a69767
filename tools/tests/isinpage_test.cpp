// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/openurl.h"
#include "testsupport/widget_test_main.h"
#include "tools/isinpage.h"
#include "tools/pagewidgets.h"

class TIsinPageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { platform::SetUrlOpener({}); }

  void typedNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("wkn");
    QTest::addColumn<QString>("isin");
    QTest::addColumn<QString>("check");
    QTest::addColumn<bool>("pasted");
    QTest::newRow("555750") << "555750"
                            << "555750"
                            << "DE0005557508"
                            << "8" << false;
    QTest::newRow("514000") << "514000"
                            << "514000"
                            << "DE0005140008"
                            << "8" << false;
    QTest::newRow("lower case") << "a1b2c3"
                                << "A1B2C3"
                                << "DE000A1B2C35"
                                << "5" << false;
    QTest::newRow("blank cuts") << "55 750"
                                << "55"
                                << ""
                                << "" << true;
    // Only ASCII letters count: "ß" is no letter of a WKN (and no "SS").
    QTest::newRow("sharp s") << "ß55750"
                             << ""
                             << ""
                             << "" << true;
    QTest::newRow("umlaut inside") << "55ä750"
                                   << "55"
                                   << ""
                                   << "" << true;
    QTest::newRow("too long") << "5557501"
                              << "555750"
                              << "DE0005557508"
                              << "8" << false;
    // A pasted German ISIN gives its WKN back.
    QTest::newRow("pasted ISIN") << " de0005557508 "
                                 << "555750"
                                 << "DE0005557508"
                                 << "8" << true;
  }
  void typedNumbers() {
    QFETCH(QString, typed);
    QFETCH(QString, wkn);
    QFETCH(QString, isin);
    QFETCH(QString, check);
    QFETCH(bool, pasted);
    TIsinPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy changed(&page, &TBeamPage::TextChanged);
    page.Wkn()->setFocus();
    if (pasted) {
      QGuiApplication::clipboard()->setText(typed);
      page.Wkn()->paste();
    } else {
      QTest::keyClicks(page.Wkn(), typed);
    }
    QCOMPARE(page.Wkn()->text(), wkn);
    QCOMPARE(page.Isin()->text(), isin);
    QCOMPARE(page.Check()->text(), check);
    QCOMPARE(page.Wkn()->cursorPosition(), static_cast<int>(wkn.size()));
    QVERIFY(changed.count() >= 1);
  }

  void copyTextAndDoubleClicks() {
    std::vector<std::string> opened;
    platform::SetUrlOpener([&opened](const std::string& address) {
      opened.push_back(address);
      return true;
    });
    TIsinPage page;
    QTest::mouseDClick(page.Isin(), Qt::LeftButton);
    QVERIFY(opened.empty());  // nothing to look up yet
    page.Wkn()->setText("555750");
    emit page.Wkn()->textEdited("555750");
    QCOMPARE(page.CopyBody(), QString("WKN: 555750 = ISIN: DE0005557508\r\n"));
    QTest::mouseDClick(page.Isin(), Qt::LeftButton);
    QCOMPARE(opened,
             std::vector<std::string>{"https://finance.yahoo.com/q?d=v1&s=DE0005557508&m=a"});
    QSignalSpy changed(&page, &TBeamPage::TextChanged);
    QTest::mouseDClick(page.Check(), Qt::LeftButton);
    QCOMPARE(page.Wkn()->text(), QString());
    QCOMPARE(page.Isin()->text(), QString());
    QCOMPARE(page.Check()->text(), QString());
    QCOMPARE(changed.count(), 1);
  }

  void labelsAndHints() {
    TIsinPage page;
    QCOMPARE(page.findChild<TLinkLabel*>("Lbl_WKN")->text(), QString("WKN"));
    QCOMPARE(page.findChild<TLinkLabel*>("Lbl_WKN")->Address(),
             QString("https://de.wikipedia.org/wiki/WKN"));
    QCOMPARE(page.Wkn()->toolTip(), QString("deutsche Wertpapierkennnummer\n\r\n\rz.B.: 555750"));
    QCOMPARE(page.Check()->toolTip(), QString("Prüfziffer"));
    QVERIFY(page.Check()->font().bold());
    QVERIFY(page.Isin()->isReadOnly());
    QVERIFY(page.Check()->isReadOnly());
  }
};

RAZ_WIDGET_TEST(TIsinPageTest);
#include "isinpage_test.moc"

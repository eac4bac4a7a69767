// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include "platform/systeminfo.h"
#include "testsupport/widget_test_main.h"
#include "tools/pagewidgets.h"
#include "tools/sysinfopage.h"

class TSysInfoPageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { platform::SetSystemFactsReader({}); }

  void fixedFacts() {
    platform::SetSystemFactsReader([] {
      return platform::SystemFacts{"anna", "pc1", "",     "", "Debian GNU/Linux 12 (bookworm)",
                                   1920,   1080,  8388608};
    });
    TSysInfoPage page;
    QCOMPARE(page.findChild<TCopyField*>("Edt_User")->text(), QString("anna"));
    QCOMPARE(page.findChild<TCopyField*>("Edt_Screen")->text(), QString("1920 x 1080 Pixel"));
    QCOMPARE(page.findChild<QLabel*>("Lbl_StackSize")->text(), QString("Stack Size:"));
    QCOMPARE(page.CopyBody(), QString("User: anna\r\nComputer: pc1\r\nOwner: \r\nWindows: 0\r\n"
                                      "System: Debian GNU/Linux 12 (bookworm)\r\n"
                                      "Screen: 1920 x 1080 Pixel\r\nStack Size: 8388608\r\n"));
  }

  // Whatever this computer says, every line has its form.
  void thisComputer() {
    TSysInfoPage page;
    const QStringList lines = page.CopyBody().split("\r\n");
    QCOMPARE(lines.size(), 8);
    const QRegularExpression kPatterns[] = {
        QRegularExpression("^User: .+$"),
        QRegularExpression("^Computer: .+$"),
        QRegularExpression("^Owner: .*$"),
        QRegularExpression("^Windows: .+$"),
        QRegularExpression("^System: .+$"),
        QRegularExpression("^Screen: ([0-9]+ x [0-9]+ Pixel|unbekannt)$"),
        QRegularExpression("^Stack Size: [0-9]+$"),
    };
    for (int i = 0; i < 7; ++i) {
      QVERIFY2(kPatterns[i].match(lines[i]).hasMatch(), qPrintable(lines[i]));
    }
    QCOMPARE(lines[7], QString());
  }
};

RAZ_WIDGET_TEST(TSysInfoPageTest);
#include "sysinfopage_test.moc"

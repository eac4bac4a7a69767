// SPDX-License-Identifier: MIT
#include <QTest>
#include <string>
#include <vector>

#include "engine/version.h"
#include "interest/qvversion.h"
#include "platform/openurl.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"

class TQvVersionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { opened_.clear(); }

  void captionShowsTheProgramVersion() {
    TQvVersion label;
    QCOMPARE(label.text(), QString("version: 4.284.54.16"));
    QCOMPARE(label.text(), QString("version: ") + QString::fromUtf8(engine::kProgramVersion));
    QVERIFY(label.toolTip().contains("2026"));
    QVERIFY(label.width() > 0);
  }

  void aboutRefusesWrites() {
    TQvVersion label;
    const QString about = label.About();
    QVERIFY(about.contains("4.284.54.16"));
    label.setProperty("About", "anders");
    QCOMPARE(label.property("About").toString(), about);
    label.SetAbout(QString());
    QCOMPARE(label.About(), about);
  }

  // Guards against "http://" put in front of an address with a scheme.
  void clicksOpenThroughTheOpener_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("opened");
    QTest::newRow("left, default")
        << QString() << int(Qt::LeftButton) << "http://www.razaduvovi.de";
    QTest::newRow("left, own host")
        << "example.org/zins" << int(Qt::LeftButton) << "http://example.org/zins";
    QTest::newRow("left, https") << "https://example.org/" << int(Qt::LeftButton)
                                 << "https://example.org/";
    QTest::newRow("right") << "https://example.org/" << int(Qt::RightButton)
                           << "http://www.razaduvovi.de";
    QTest::newRow("middle") << "example.org" << int(Qt::MiddleButton) << "http://www.razaduvovi.de";
  }
  void clicksOpenThroughTheOpener() {
    QFETCH(QString, url);
    QFETCH(int, button);
    QFETCH(QString, opened);
    TQvVersion label;
    if (!url.isEmpty()) label.setProperty("Url", url);
    QTest::mousePress(&label, static_cast<Qt::MouseButton>(button));
    QCOMPARE(opened_.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(opened_[0]), opened);
  }

 private:
  testsupport::OpenedAddresses opened_;
};

RAZ_WIDGET_TEST(TQvVersionTest);
#include "qvversion_test.moc"

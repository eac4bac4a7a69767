// SPDX-License-Identifier: MIT
#include "controls/regionlist.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "engine/daydescription.h"
#include "engine/region.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"

namespace {

// A window holding the list at the date edit's size, filled with the
// holidays of a year, and a field to move the focus to.
struct Host {
  Host(const char* land, int year) {
    list = new TRegionList(&window);
    list->setGeometry(0, 24, 123, 76);
    list->SetPlace(land, year);
    list->ShowHolidays(engine::HolidayListOfYear(year, engine::RegionOfCode(land),
                                                 engine::CalendarKind::Gregorian));
    list->show();
    other = new QLineEdit(&window);
    other->setGeometry(0, 0, 100, 24);
    window.resize(200, 120);
    window.show();
    window.activateWindow();
  }
  bool Active() { return QTest::qWaitForWindowActive(&window); }
  QPoint At(int row) {
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
  }
  void Click(int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, At(row)); }
  void DoubleClick(int row) {
    const QPoint at = At(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }
  int RowOf(const QString& start) const {
    for (int row = 0; row < list->count(); ++row) {
      if (list->item(row)->text().startsWith(start)) return row;
    }
    return -1;
  }

  QWidget window;
  TRegionList* list = nullptr;
  QLineEdit* other = nullptr;
};

}  // namespace

class TRegionListTest : public QObject {
  Q_OBJECT

 private slots:
  void looksAsTheDateEditsList() {
    Host host("D-NI", 2024);
    QCOMPARE(host.list->objectName(), QString("LB_Land"));
    QCOMPARE(host.list->font().pixelSize(), 11);
    QCOMPARE(host.list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(host.list->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(host.list->actions().contains(host.list->IcalAction()));
    QCOMPARE(host.list->IcalAction()->objectName(), QString("IcalAction"));
    QCOMPARE(host.list->State(), controls::RegionListState::Holidays);
    QCOMPARE(host.list->item(0)->text(), QString(">>>>>"));
    QCOMPARE(host.list->item(1)->text(), QString("Niedersachsen"));
    QVERIFY(host.list->toolTip().startsWith("2024\n\rgesetzliche Feiertage in Niedersachsen:"));
  }

  void aHolidayLineTellsItsDayNumber_data() {
    QTest::addColumn<QString>("land");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("dayNumber");
    QTest::newRow("Neujahr 2024") << "D-NI" << 2024 << "Neujahr" << 2460311;
    QTest::newRow("Silvester 2024") << "D-NI" << 2024 << "Silvester" << 2460676;
    QTest::newRow("Heilige Drei Könige 1870") << "D-BY" << 1870 << "Heilige Drei Könige" << 2404069;
  }
  void aHolidayLineTellsItsDayNumber() {
    QFETCH(QString, land);
    QFETCH(int, year);
    QFETCH(QString, line);
    QFETCH(int, dayNumber);
    Host host(land.toUtf8().constData(), year);
    QSignalSpy holidays(host.list, &TRegionList::holidayChosen);
    QSignalSpy regions(host.list, &TRegionList::regionChosen);
    const int row = host.RowOf(line);
    QVERIFY(row > 1);
    host.Click(row);
    QTRY_COMPARE(holidays.count(), 1);
    QCOMPARE(holidays.first().first().toInt(), dayNumber);
    QCOMPARE(regions.count(), 0);
    QCOMPARE(host.list->currentRow(), row);
    QCOMPARE(host.list->toolTip(), line);
  }

  void aRegionLineTellsItsCode_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("path");  // the lines clicked before the region
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("code");
    QTest::newRow("Bayern") << 2024 << QStringList{">>>>>"} << "Bayern"
                            << "D-BY";
    QTest::newRow("Berlin (Ost) 1960") << 1960 << QStringList{">>>>>"} << "Berlin (Ost)"
                                       << "D-OB";
    QTest::newRow("Kärnten") << 2024 << QStringList{">>>>>", "weitere Länder"} << "Kärnten"
                             << "A-K";
    QTest::newRow("Österreich") << 2024 << QStringList{">>>>>", "weitere Länder", "Alle Länder"}
                                << "Österreich"
                                << "A";
  }
  void aRegionLineTellsItsCode() {
    QFETCH(int, year);
    QFETCH(QStringList, path);
    QFETCH(QString, region);
    QFETCH(QString, code);
    Host host("D-NI", year);
    QSignalSpy regions(host.list, &TRegionList::regionChosen);
    QSignalSpy holidays(host.list, &TRegionList::holidayChosen);
    for (const QString& line : path) {
      const QString first = host.list->item(0)->text();
      host.Click(host.RowOf(line));
      QTRY_VERIFY(host.list->item(0)->text() != first);
    }
    const controls::RegionListState state = host.list->State();
    host.Click(host.RowOf(region));
    QTRY_COMPARE(regions.count(), 1);
    QCOMPARE(regions.first().first().toString(), code);
    QCOMPARE(holidays.count(), 0);
    // The owner decides what follows; the list stays as it is.
    QCOMPARE(host.list->State(), state);
  }

  void holidaysOnlyShowWhenDaysCannotBeChosen() {
    Host host("D-NI", 2024);
    host.list->SetDaysChoosable(false);
    QSignalSpy holidays(host.list, &TRegionList::holidayChosen);
    QSignalSpy regions(host.list, &TRegionList::regionChosen);
    host.Click(2);
    host.Click(0);  // handled after the holiday's click
    QTRY_COMPARE(host.list->State(), controls::RegionListState::GermanStates);
    QCOMPARE(holidays.count(), 0);
    QCOMPARE(regions.count(), 0);
  }

  void aDoubleClickOpensTheHolidaysArticle() {
    testsupport::OpenedAddresses opened;
    Host host("D-NI", 2024);
    host.DoubleClick(host.RowOf("Tag der Arbeit"));
    QTRY_COMPARE(opened.size(), std::size_t{1});
    QVERIFY2(opened[0].ends_with("/wiki/Erster%20Mai"), opened[0].c_str());
    host.DoubleClick(1);  // the region's name has no article
    host.DoubleClick(host.RowOf("Neujahr"));
    QTRY_COMPARE(opened.size(), std::size_t{2});
    QVERIFY2(opened[1].ends_with("/wiki/Neujahr"), opened[1].c_str());
  }

  void leavingTheListIsTold() {
    Host host("D-NI", 2024);
    QVERIFY(host.Active());
    QSignalSpy left(host.list, &TRegionList::focusLeft);
    host.list->setFocus(Qt::OtherFocusReason);
    QVERIFY(host.list->hasFocus());
    host.other->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(left.count(), 1);
    // Focus that leaves and comes back before it settles is no leaving.
    host.list->setFocus(Qt::OtherFocusReason);
    host.other->setFocus(Qt::TabFocusReason);
    host.list->setFocus(Qt::OtherFocusReason);
    QTest::qWait(0);
    QCOMPARE(left.count(), 1);
  }

  void theCalendarFileIsOfThePlace() {
    Host host("D-NI", 2024);
    host.list->SetPlace("A-W", 1990);
    QStringList asked;
    host.list->SetSaveFileAsker([&](const QString&, const QString& suggested, const QString&) {
      asked << suggested;
      return QString();  // cancelled: nothing written, nothing told
    });
    testsupport::ShownMessages shown;
    host.list->SetMessageSink(shown.Sink());
    host.list->IcalAction()->trigger();
    QCOMPARE(asked, QStringList{"Feiertage_A-W_1990.ics"});
    QVERIFY(shown.empty());
  }
};

RAZ_WIDGET_TEST(TRegionListTest);

#include "regionlist_test.moc"

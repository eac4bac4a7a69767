// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "controls/date.h"
#include "controls/dateedt.h"
#include "platform/openurl.h"
#include "testsupport/days.h"
#include "testsupport/widget_test_main.h"
#include "testsupport/zone_scope.h"
#include "tools/clockpage.h"
#include "tools/pagewidgets.h"

namespace {

QString Caption(const TClockPage& page, int row, char which) {
  auto* label = page.findChild<TLinkLabel*>(QStringLiteral("Lbl_Zone%1%2").arg(row).arg(which));
  return label != nullptr ? label->text() : QStringLiteral("<none>");
}

QString Hint(const TClockPage& page, int row, char which) {
  auto* label = page.findChild<TLinkLabel*>(QStringLiteral("Lbl_Zone%1%2").arg(row).arg(which));
  return label != nullptr ? label->toolTip() : QStringLiteral("<none>");
}

bool Red(const TClockPage& page, int row) {
  auto* label = page.findChild<TLinkLabel*>(QStringLiteral("Lbl_Zone%1a").arg(row));
  return label->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

QString Text(const TClockPage& page, const char* name) {
  auto* label = page.findChild<TLinkLabel*>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QStringLiteral("<none>");
}

// The start-date edit and the panel's part of the round trip: a time the
// page chooses goes into the date edit when it differs, and every change of
// the date edit refreshes the page.
struct RoundTrip {
  explicit RoundTrip(const char* date, const char* region, const char* time) {
    edit.SetChosen(testsupport::DayOf(date, region, time));
    QObject::connect(&page, &TBeamPage::TimeChosen, &edit, [this](engine::TimeOfDay chosen) {
      if (edit.Chosen().time != chosen) edit.SetTimeOfDay(chosen);
    });
    QObject::connect(&edit, &TDateEdt::dayChanged, &page,
                     [this](const engine::ChosenDay& day) { page.Refresh(day); });
    page.Refresh(edit.Chosen());
  }
  TDateEdt edit;
  TClockPage page;
};

}  // namespace

class TClockPageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { platform::SetUrlOpener({}); }

  void rowsOfTheDay_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("jd");
    QTest::addColumn<int>("redRow");
    QTest::newRow("Niedersachsen in summer")
        << "15.07.2024"
        << "D-NI"
        << "12:00:00" << QStringList{"14:00:00", "13:00:00", "12:00:00", "11:00:00",
                                     "10:00:00", "10:38:58", "10:32:49"}
        << "2460506,91667" << 3;
    // The UTC moment lies on the day before: so do its Julian Date.
    QTest::newRow("half past midnight in winter")
        << "15.01.2024"
        << "D-NI"
        << "00:30:00" << QStringList{"03:30:00", "02:30:00", "01:30:00", "00:30:00",
                                     "23:30:00", "00:08:58", "23:59:55"}
        << "2460324,47917" << 4;
    QTest::newRow("Berlin in double summer time")
        << "24.05.1945"
        << "D-BE"
        << "12:00:00" << QStringList{"13:00:00", "12:00:00", "11:00:00", "10:00:00",
                                     "09:00:00", "09:53:31", "09:56:47"}
        << "2431599,875" << 2;
  }
  void rowsOfTheDay() {
    QFETCH(QString, date);
    QFETCH(QString, region);
    QFETCH(QString, time);
    QFETCH(QStringList, rows);
    QFETCH(QString, jd);
    QFETCH(int, redRow);
    TClockPage page;
    QSignalSpy chosen(&page, &TBeamPage::TimeChosen);
    page.Refresh(testsupport::DayOf(date.toStdString(), region.toStdString(), time.toStdString()));
    QStringList shown;
    for (int row = 1; row <= 7; ++row) shown << page.Row(row)->K_Time();
    QCOMPARE(shown, rows);
    QCOMPARE(Text(page, "Lbl_JD"), jd);
    for (int row = 1; row <= 5; ++row) QCOMPARE(Red(page, row), row == redRow);
    QCOMPARE(chosen.count(), 0);
  }

  void placeAndCaptions() {
    TClockPage page;
    page.Refresh(testsupport::DayOf("15.07.2024", "D-NI", "12:00:00"));
    QCOMPARE(Text(page, "Lbl_Region"), QString("Niedersachsen"));
    QCOMPARE(Text(page, "Lbl_Capital"), QString("Hannover"));
    QCOMPARE(Text(page, "Lbl_Latitude"), QString("52 22 46"));
    QCOMPARE(Text(page, "Lbl_Longitude"), QString("9 44 30"));
    QCOMPARE(Text(page, "Lbl_JDCaption"), QString("Julianisches Datum"));
    QCOMPARE(Text(page, "Lbl_ClockShow"), QString("Wie spät ist es?"));
    QCOMPARE(Caption(page, 1, 'a'), QString("Moskauer Sommerzeit"));
    QVERIFY(!page.findChild<TLinkLabel*>("Lbl_Zone1b")->isVisibleTo(&page));
    QCOMPARE(Caption(page, 2, 'a'), QString("Moskauer Zeit "));
    QCOMPARE(Caption(page, 2, 'b'), QString("= Ost. Sommerzeit"));
    QCOMPARE(Caption(page, 5, 'b'), QString("= Westeuropäische Zeit"));
    QCOMPARE(Caption(page, 6, 'b'), QString("Mittlere Ortszeit"));
    QCOMPARE(
        Hint(page, 3, 'a'),
        QString("gesetzliche Zeit in Niedersachsen\r\nrechte Maustaste = Initiative Sonnenzeit"));
    QCOMPARE(Hint(page, 5, 'a'), QString("UTC = MESZ -02:00"));
    QCOMPARE(Hint(page, 6, 'a'), QString("Mittlere Ortzeit in Hannover"));
    auto* seconds = page.findChild<QCheckBox*>("CBSek");
    QCOMPARE(seconds->text(), QString("Sekunden ausblenden"));
    QCOMPARE(seconds->toolTip(), QString("Sekunden werden auf 00 gesetzt, nicht gerundet!"));
    QVERIFY(seconds->width() >= 126);  // wider only where the font needs it
  }

  // The hints name the double summer time as MEZ +02:00 and eastern
  // European time as one hour behind it; Moscow's all-year summer time
  // began on 27.03.2011.
  void correctedHints() {
    TClockPage page;
    page.Refresh(testsupport::DayOf("24.05.1945", "D-BE", "12:00:00"));
    QCOMPARE(Hint(page, 2, 'a'), QString("MSK = MEHSZ = MEZ +02:00, gesetzliche Zeit in Berlin\r\n"
                                         "rechte Maustaste = Initiative Sonnenzeit"));
    QCOMPARE(Hint(page, 3, 'b'), QString("OEZ = MEHSZ -01:00"));
    QCOMPARE(Hint(page, 5, 'a'), QString("UTC = MEHSZ -03:00"));
    page.Refresh(testsupport::DayOf("15.07.2012", "D-NI", "12:00:00"));
    QCOMPARE(Hint(page, 2, 'a'),
             QString("MSK = MESZ +01:00\r\nvom 27.03.2011 02:00 MSK bis 26.10.2014 ganzjährig "
                     "Moskauer Sommerzeit,\r\nseitdem ganzjährig Moskauer Zeit"));
  }

  void meanLocalTimeBeforeZoneTime() {
    TClockPage page;
    page.Refresh(testsupport::DayOf("15.06.1890", "D-NI", "12:00:00"));
    QCOMPARE(page.Clock().usedTime, std::string("MOZ"));
    QVERIFY(Hint(page, 6, 'a').startsWith("MOZ = MEZ "));
    QVERIFY(Hint(page, 6, 'a').endsWith("\r\nMittlere Ortzeit in Hannover"));
    QVERIFY(Hint(page, 7, 'a').startsWith("WOZ ~ MEZ "));
    QVERIFY(page.CopyBody().contains(" MOZ Mittlere Ortszeit (gebr. Zeit)\r\n"));
  }

  void copyBody() {
    TClockPage page;
    page.Refresh(testsupport::DayOf("15.01.2024", "D-NI", "00:30:00"));
    QCOMPARE(page.CopyBody(), QString("Uhrzeit am Mo, 15.01.2024 = 02.01.2024 jul.\r\n"
                                      "in Hannover (Niedersachsen)\r\n"
                                      "52 22 46, 9 44 30\r\n"
                                      "2460324,47917 Julianisches Datum\r\n"
                                      "03:30:00 Moskauer Sommerzeit\r\n"
                                      "02:30:00 Moskauer Zeit = Ost. Sommerzeit\r\n"
                                      "01:30:00 Mittel. Sommerzeit = Ost. Zeit\r\n"
                                      "00:30:00 Mittel. Zeit = West. Sommerzeit (gesetzl. Zeit)\r\n"
                                      "23:30:00 UTC = Westeuropäische Zeit\r\n"
                                      "00:08:58 MOZ Mittlere Ortszeit\r\n"
                                      "23:59:55 WOZ Wahre Ortszeit\r\n"));
    QVERIFY(!page.CopyBody().startsWith("Uhrzeit\r\n"));
  }

  // Editing a zone row reaches the date edit once and stays: the date edit
  // changes once, its refresh of the page changes nothing more.
  void rowEditReachesTheDateEditOnce() {
    RoundTrip trip("15.07.2024", "D-NI", "12:00:00");
    QSignalSpy changes(&trip.edit, &TDateEdt::OnChange);
    QSignalSpy chosen(&trip.page, &TBeamPage::TimeChosen);
    trip.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trip.page));
    QLineEdit* hours = trip.page.Row(5)->TimeField()->Edt(0);
    hours->setFocus(Qt::TabFocusReason);
    hours->selectAll();
    QTest::keyClicks(hours, "08");
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().value<engine::TimeOfDay>(), (engine::TimeOfDay{10, 0, 0}));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(trip.edit.K_Time(), QString("10:00:00"));
    QCOMPARE(trip.page.Row(3)->K_Time(), QString("10:00:00"));
    QCOMPARE(trip.page.Row(5)->K_Time(), QString("08:00:00"));
    QCOMPARE(trip.page.Row(1)->K_Time(), QString("12:00:00"));
    // The same time again is no change.
    trip.page.Refresh(testsupport::DayOf("15.07.2024", "D-NI", "10:00:00"));
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(changes.count(), 1);
  }

  // Rows 6 and 7 show, they do not feed back.
  void localTimeRowsDoNotFeedBack() {
    TClockPage page;
    page.Refresh(testsupport::DayOf("15.07.2024", "D-NI", "12:00:00"));
    QSignalSpy chosen(&page, &TBeamPage::TimeChosen);
    page.Row(6)->SetTime("05:00:00");
    page.Row(7)->SetTime("05:00:00");
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(page.Clock().legalTime, std::string("12:00:00"));
  }

  void clockShowTakesTheSystemTime() {
    RoundTrip trip("08.12.2026", "D-NI", "12:00:00");
    QSignalSpy chosen(&trip.page, &TBeamPage::TimeChosen);
    QSignalSpy changes(&trip.edit, &TDateEdt::OnChange);
    auto* show = trip.page.findChild<TLinkLabel*>("Lbl_ClockShow");
    QTest::mouseClick(show, Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().value<engine::TimeOfDay>(), (engine::TimeOfDay{9, 30, 15}));
    QCOMPARE(trip.edit.K_Time(), QString("09:30:15"));
    QCOMPARE(trip.page.Row(4)->K_Time(), QString("09:30:15"));
    QCOMPARE(trip.page.Row(5)->K_Time(), QString("08:30:15"));
    QVERIFY(changes.count() >= 1);
    // Asked again at the same second, nothing changes.
    QTest::mouseClick(show, Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
  }

  // The page reads the clock as UTC and shows the region's legal time: the
  // same page whatever zone the machine is set to.
  void clockShowIsTheSameInEveryMachineZone() {
    testsupport::ZoneScope machineZone;
    engine::SetClock([] { return engine::UtcMomentOfUtc({2026, 7, 1, 10, 0, 0, 0}); });
    for (const char* zone : {"UTC", "America/New_York", "Europe/Berlin"}) {
      machineZone.Set(zone);
      for (const char* region : {"D-NI", "A-W"}) {
        RoundTrip trip("01.07.2026", region, "08:00:00");
        QTest::mouseClick(trip.page.findChild<TLinkLabel*>("Lbl_ClockShow"), Qt::LeftButton);
        QCOMPARE(trip.edit.K_Time(), QString("12:00:00"));
        QCOMPARE(trip.page.Row(3)->K_Time(), QString("12:00:00"));  // MESZ, the legal time
        QCOMPARE(trip.page.Row(5)->K_Time(), QString("10:00:00"));  // UTC
        QVERIFY(Red(trip.page, 3));
      }
    }
    engine::SetClock(engine::FixedLegalClock(widget_tests::kTestNow));
  }

  void secondsCheckBoxCutsAndRestores() {
    TClockPage page;
    page.Refresh(testsupport::DayOf("15.07.2024", "D-NI", "12:34:56"));
    auto* seconds = page.findChild<QCheckBox*>("CBSek");
    seconds->setChecked(true);
    for (int row = 1; row <= 7; ++row) QCOMPARE(page.Row(row)->Modus(), QString("TM"));
    QCOMPARE(page.Row(3)->K_Time(), QString("12:34"));
    QCOMPARE(page.Row(5)->K_Time(), QString("10:34"));
    QCOMPARE(page.Clock().legalTime, std::string("12:34:00"));
    seconds->setChecked(false);
    QCOMPARE(page.Row(3)->K_Time(), QString("12:34:56"));
    QCOMPARE(page.Clock().legalTime, std::string("12:34:56"));
    page.SetSecondsHidden(true);
    QVERIFY(seconds->isChecked());
    QCOMPARE(page.Row(7)->Modus(), QString("TM"));
  }

  void linksOpenTheArticles() {
    std::vector<std::string> opened;
    platform::SetUrlOpener([&opened](const std::string& address) {
      opened.push_back(address);
      return true;
    });
    TClockPage page;
    page.Refresh(testsupport::DayOf("15.07.2024", "D-NI", "12:00:00"));
    for (const char* name :
         {"Lbl_Region", "Lbl_Capital", "Lbl_Latitude", "Lbl_JD", "Lbl_Zone4a", "Lbl_Zone6b"}) {
      QTest::mouseClick(page.findChild<TLinkLabel*>(name), Qt::LeftButton);
    }
    QTest::mouseClick(page.findChild<TLinkLabel*>("Lbl_Zone3a"), Qt::LeftButton);
    QTest::mouseClick(page.findChild<TLinkLabel*>("Lbl_Zone3a"), Qt::RightButton);
    const std::vector<std::string> expected = {
        "https://de.wikipedia.org/wiki/Niedersachsen",
        "https://de.wikipedia.org/wiki/Hannover",
        "https://de.wikipedia.org/wiki/Geographische_Breite",
        "https://de.wikipedia.org/wiki/Julianisches_Datum",
        "https://de.wikipedia.org/wiki/MEZ",
        "https://de.wikipedia.org/wiki/Ortszeit#Die_mittlere_Ortszeit_.28MOZ.29",
        "https://de.wikipedia.org/wiki/MESZ#Mitteleurop.C3.A4ische_Sommerzeit",
        TClockPage::kSunTimeAddress,
    };
    QCOMPARE(opened, expected);
  }

  void invalidInputKeepsThePage() {
    TClockPage page;
    page.Refresh(testsupport::DayOf("15.07.2024", "D-NI", "12:00:00"));
    const engine::ChosenDay summer = testsupport::DayOf("15.07.2024", "D-NI", "08:00:00");
    engine::ChosenDay before = summer;
    before.dayNumber = engine::kFirstDayNumber - 1;
    engine::ChosenDay after = summer;
    after.dayNumber = engine::kLastDayNumber + 1;
    engine::ChosenDay julian = summer;
    julian.calendar = engine::CalendarKind::Julian;
    engine::ChosenDay none;
    none.dayNumber = 0;
    for (const engine::ChosenDay& day : {before, after, julian, none}) {
      page.Refresh(day);
      QCOMPARE(page.Row(3)->K_Time(), QString("12:00:00"));
    }
  }
};

RAZ_WIDGET_TEST(TClockPageTest);
#include "clockpage_test.moc"

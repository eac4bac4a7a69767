// SPDX-License-Identifier: MIT
#include <libical/ical.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "controls/colors.h"
#include "controls/date.h"
#include "controls/dateedt.h"
#include "controls/dateedt_model.h"
#include "controls/dblbtn.h"
#include "controls/regionlist_model.h"
#include "controls/spinhalf.h"
#include "engine/daydescription.h"
#include "engine/daynumber.h"
#include "engine/holidayevents.h"
#include "engine/region.h"
#include "platform/openurl.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"

namespace {

// A window holding a date edit with its messages as events and, after it in
// the Tab order, another field to leave to.
struct Host {
  explicit Host(int editHeight = 24) {
    edit = new TDateEdt(&window);
    edit->SetMessagesAsEvent(true);
    edit->SetEditHeight(editHeight);
    after = new QLineEdit(&window);
    after->setObjectName("after");
    after->setGeometry(0, 120, 100, 24);
    window.resize(200, 160);
    window.show();
    window.activateWindow();
    messages = std::make_unique<QSignalSpy>(edit, &TDateEdt::OnMess);
    QObject::connect(edit, &TDateEdt::OnMess, edit, [this] {
      titles.push_back(edit->MessageTitle());
      texts.push_back(edit->MessageText());
    });
  }
  bool Active() { return QTest::qWaitForWindowActive(&window); }
  QLineEdit* Edt(TDate* field, int n) { return field->Edt(n - 1); }
  // Type: the texts into the sub-fields of a view, one after the other.
  void Type(TDate* field, int first, const QStringList& parts) {
    Edt(field, first)->setFocus();
    for (int i = 0; i < parts.size(); ++i) {
      QLineEdit* sub = Edt(field, first + i);
      if (!sub->hasFocus()) sub->setFocus();
      sub->selectAll();
      QTest::keyClicks(sub, parts[i]);
    }
  }
  void Leave() { after->setFocus(); }
  QColor Font(TDate* field) { return field->Edt(2)->palette().color(QPalette::Text); }
  QColor Back(TDate* field) { return field->Edt(2)->palette().color(QPalette::Base); }
  void ClickLine(int row, bool twice = false) {
    QListWidget* list = edit->LB_Land();
    const QPoint at = list->visualItemRect(list->item(row)).center();
    if (twice) {
      // A real double click: press, release, then the second press as a double click.
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
  }
  QStringList Lines() {
    QStringList lines;
    for (int i = 0; i < edit->LB_Land()->count(); ++i) lines << edit->LB_Land()->item(i)->text();
    return lines;
  }
  int RowOf(const QString& start) {
    const QStringList lines = Lines();
    for (int i = 0; i < lines.size(); ++i) {
      if (lines[i].startsWith(start)) return i;
    }
    return -1;
  }

  QWidget window;
  TDateEdt* edit = nullptr;
  QLineEdit* after = nullptr;
  std::unique_ptr<QSignalSpy> messages;
  QStringList titles;
  QStringList texts;
};

QString Text(int message) {
  const controls::EditMessage& m = controls::MessageOf(message);
  return QString::fromUtf8(m.text.data(), static_cast<qsizetype>(m.text.size()));
}

}  // namespace

// The summaries and categories of the VEVENTs of an iCalendar file, read
// back with libical; false when it does not parse or has errors.
struct ReadEvent {
  QString summary;
  QString category;
};
bool ReadIcalendar(const QString& file, std::vector<ReadEvent>& events) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return false;
  const QByteArray text = in.readAll();
  icalcomponent* calendar = icalparser_parse_string(text.constData());
  if (calendar == nullptr) return false;
  const bool clean = icalcomponent_count_errors(calendar) == 0;
  for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
       event != nullptr;
       event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    ReadEvent read;
    read.summary = QString::fromUtf8(icalcomponent_get_summary(event));
    if (icalproperty* category =
            icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY)) {
      read.category = QString::fromUtf8(icalproperty_get_categories(category));
    }
    events.push_back(read);
  }
  icalcomponent_free(calendar);
  return clean;
}

class TDateEdtTest : public QObject {
  Q_OBJECT

 private slots:
  void createdWithTodayAndTheDefaults() {
    TDateEdt edit;
    QCOMPARE(edit.Land(), QString("D-NI"));
    QCOMPARE(edit.Modus(), QString("D"));
    QCOMPARE(edit.Calendar(), QString("G"));
    QCOMPARE(edit.EditHeight(), 21);
    QVERIFY(edit.CalEnabled());
    QVERIFY(!edit.K_HolidayVis());
    QCOMPARE(edit.K_Date(), QString("08.12.2026"));
    QCOMPARE(edit.K_JD(), QString::fromStdString(engine::DayNumberText(engine::TodayJD())));
    QCOMPARE(edit.K_iMoonPhase(), 0);
    QCOMPARE(edit.K_HolidayInLand(), QString());
    for (const char* name : {"Date", "Day", "Week", "JD", "Time"}) {
      QVERIFY2(edit.findChild<TDate*>(name) != nullptr, name);
    }
    QVERIFY(edit.findChild<TDblBtn*>("SwitchBtn") == edit.SwitchBtn());
    QVERIFY(edit.findChild<QListWidget*>("LB_Land") == edit.LB_Land());
  }

  void layoutNormalAndCompact_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("jd");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("button");
    QTest::newRow("normal") << 24 << 123 << 41 << 32 << 24 << 114;
    // The compact switch button closes the 97-pixel control at 88.
    QTest::newRow("compact") << 21 << 97 << 32 << 25 << 19 << 88;
  }

  void layoutNormalAndCompact() {
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(int, jd);
    QFETCH(int, week);
    QFETCH(int, day);
    QFETCH(int, button);
    TDateEdt edit;
    edit.setProperty("EditHeight", height);
    QCOMPARE(edit.size(), QSize(width, height));
    QCOMPARE(edit.JDField()->x(), jd);
    QCOMPARE(edit.WeekField()->x(), week);
    QCOMPARE(edit.DayField()->x(), day);
    QCOMPARE(edit.SwitchBtn()->geometry(), QRect(button, 0, 9, height));
    QCOMPARE(edit.SwitchBtn()->x() + edit.SwitchBtn()->width(), width);
    edit.SetModus("T");
    QCOMPARE(edit.width(), edit.TimeField()->width());
    QVERIFY(edit.SwitchBtn()->isHidden());
  }

  void typingAnImpossibleDateGivesOneM9() {
    Host host;
    QVERIFY(host.Active());
    host.Type(host.edit->DateField(), 1, {"31", "02", "2003"});
    host.Leave();
    QTRY_COMPARE(host.messages->count(), 1);
    QCOMPARE(host.titles[0], QString("Ungültiges Datum"));
    QCOMPARE(host.texts[0], Text(9));
    QCOMPARE(host.edit->K_Date(), QString("28.02.2003"));
    QCOMPARE(host.edit->DateField()->Date(), QString("28.02.2003"));
  }

  void setDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("shown");
    QTest::newRow("29.02.2003 corrected") << "29.02.2003" << false << "28.02.2003";
    QTest::newRow("28.02.2003") << "28.02.2003" << true << "28.02.2003";
    QTest::newRow("no digits") << "ab.cd.efgh" << false << "24.12.2003";
    // Each of these once never ended its correction loop.
    QTest::newRow("month 13") << "31.13.2003" << false << "31.12.2003";
    QTest::newRow("ten digits") << "2412200399" << false << "24.12.2003";
    QTest::newRow("day 00") << "00.02.2003" << false << "01.02.2003";
    QTest::newRow("year 3001") << "31.12.3001" << false << "31.12.3000";
  }

  void setDate() {
    QFETCH(QString, text);
    QFETCH(bool, result);
    QFETCH(QString, shown);
    Host host;
    QVERIFY(host.edit->SetDate("24.12.2003"));
    QCOMPARE(host.edit->SetDate(text), result);
    QCOMPARE(host.edit->K_Date(), shown);
    QCOMPARE(host.messages->count(), 0);  // quiet
  }

  // Without MessagesAsEvent the message goes to the box (here the injected
  // sink), once per correction, and OnMess stays silent.
  void messagesGoToTheSinkOnce() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetMessagesAsEvent(false);
    testsupport::ShownMessages shown;
    host.edit->SetMessageSink(shown.Sink());
    host.Type(host.edit->DateField(), 1, {"31", "04", "2024"});
    host.Leave();
    QTRY_COMPARE(shown.size(), 1u);
    QTest::qWait(20);
    QCOMPARE(shown.Titles(), QStringList{"Ungültiges Datum"});
    QCOMPARE(host.messages->count(), 0);
    QCOMPARE(host.edit->MessageTitle(), QString("Ungültiges Datum"));
  }

  // Quiet must end with the set that asked for it.
  void messagesComeBackAfterAQuietSet() {
    Host host;
    QVERIFY(host.Active());
    QVERIFY(!host.edit->SetDate("29.02.2003"));
    QVERIFY(host.edit->SetDate("28.02.2003"));  // accepted again
    host.Type(host.edit->DateField(), 1, {"31", "04", "2024"});
    host.Leave();
    QTRY_COMPARE(host.messages->count(), 1);
    QCOMPARE(host.edit->K_Date(), QString("30.04.2024"));
  }

  // A day "0" and a right click: normalised, checked, and done.
  void rightClickOnADayZeroEnds() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetDate("15.06.2003");
    QLineEdit* day = host.edit->DateField()->Edt(0);
    day->setFocus();
    day->selectAll();
    QTest::keyClicks(day, "0");
    QTest::mouseClick(day, Qt::RightButton);
    QCOMPARE(host.edit->K_Date(), QString("01.06.2003"));
    QCOMPARE(host.messages->count(), 0);
  }

  void setJDColoursTheDay_data() {
    QTest::addColumn<QString>("jd");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("silver");
    QTest::newRow("14.10.1582") << "2299160"
                                << "14.10.1582" << true;
    QTest::newRow("15.10.1582") << "2299161"
                                << "15.10.1582" << false;
  }

  void setJDColoursTheDay() {
    QFETCH(QString, jd);
    QFETCH(QString, date);
    QFETCH(bool, silver);
    Host host;
    QVERIFY(host.edit->SetJD(jd));
    QCOMPARE(host.edit->K_Date(), date);
    const QColor window = host.edit->palette().color(QPalette::Base);
    QCOMPARE(host.Back(host.edit->DateField()), silver ? controls::kPreGregorianColor : window);
    QCOMPARE(host.Back(host.edit->DayField()), silver ? controls::kPreGregorianColor : window);
  }

  void typedChecks_data() {
    QTest::addColumn<QString>("calendar");
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QList<int>>("messages");
    QTest::addColumn<QString>("view");  // the view's text afterwards
    QTest::addColumn<QString>("date");
    QTest::newRow("JD 1000000") << "G"
                                << "J" << QStringList{"1000000"} << QList<int>{1} << "1721426"
                                << "01.01.0001";
    QTest::newRow("Julian 01.01.0001")
        << "J"
        << "D" << QStringList{"01", "01", "0001"} << QList<int>{7} << "03.01.0001"
        << "03.01.0001";
    QTest::newRow("Julian JD 2900000")
        << "J"
        << "J" << QStringList{"2900000"} << QList<int>{4} << "2816807"
        << "31.12.2999";
    QTest::newRow("year 3001 G") << "G"
                                 << "D" << QStringList{"15", "06", "3001"} << QList<int>{6}
                                 << "15.06.3000"
                                 << "15.06.3000";
    QTest::newRow("year 3000 J") << "J"
                                 << "D" << QStringList{"15", "06", "3000"} << QList<int>{5}
                                 << "15.06.2999"
                                 << "15.06.2999";
    QTest::newRow("day 366.2003") << "G"
                                  << "A" << QStringList{"366", "2003"} << QList<int>{10}
                                  << "365.2003"
                                  << "31.12.2003";
    QTest::newRow("day 366.2004") << "G"
                                  << "A" << QStringList{"366", "2004"} << QList<int>{} << "366.2004"
                                  << "31.12.2004";
    QTest::newRow("day 000") << "G"
                             << "A" << QStringList{"000", "2004"} << QList<int>{12} << "001.2004"
                             << "01.01.2004";
    QTest::newRow("week 53.2021") << "G"
                                  << "W" << QStringList{"53", "2021"} << QList<int>{14} << "52.2021"
                                  << "27.12.2021";
    QTest::newRow("Julian week in year 1")
        << "J"
        << "W" << QStringList{"10", "0001"} << QList<int>{13} << "01.0002"
        << "02.01.0002";
  }

  void typedChecks() {
    QFETCH(QString, calendar);
    QFETCH(QString, modus);
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, messages);
    QFETCH(QString, view);
    QFETCH(QString, date);
    Host host;
    QVERIFY(host.Active());
    host.edit->SetCalendar(calendar);
    host.edit->SetDate("15.03.2010");
    host.edit->SetModus(modus);
    host.messages->clear();
    host.texts.clear();
    TDate* field = modus == "D"   ? host.edit->DateField()
                   : modus == "A" ? host.edit->DayField()
                   : modus == "W" ? host.edit->WeekField()
                                  : host.edit->JDField();
    const int first = modus == "D" ? 1 : modus == "J" ? 3 : 2;
    host.Type(field, first, typed);
    host.Leave();
    QTRY_COMPARE(host.edit->K_Date(), date);
    QCOMPARE(host.messages->count(), messages.size());
    for (int i = 0; i < messages.size(); ++i) QCOMPARE(host.texts[i], Text(messages[i]));
    const QString shown = modus == "D"   ? field->Date()
                          : modus == "A" ? field->Day()
                          : modus == "W" ? field->Week()
                                         : field->JD();
    QCOMPARE(shown, view);
  }

  void calendarSwitchKeepsTheDayNumber() {
    Host host;
    QVERIFY(host.edit->SetDate("24.12.2003"));
    TSpinHalf* calendarSwitch = host.edit->SwitchBtn()->Switch1Desc();
    QCOMPARE(calendarSwitch->toolTip(), QString("Umschaltung auf Julianischen Kalender"));
    QTest::mouseClick(calendarSwitch, Qt::LeftButton);
    QCOMPARE(host.edit->Calendar(), QString("J"));
    QCOMPARE(host.edit->K_JD(), QString("2452998"));
    QCOMPARE(host.edit->K_Date(), QString("11.12.2003"));
    QCOMPARE(host.Back(host.edit->DateField()), controls::kJulianColor);
    QCOMPARE(host.Back(host.edit->WeekField()), controls::kJulianColor);
    QCOMPARE(calendarSwitch->toolTip(), QString("Umschaltung auf Gregorianischen Kalender"));
    QTest::mouseClick(calendarSwitch, Qt::LeftButton);
    QCOMPARE(host.edit->Calendar(), QString("G"));
    QCOMPARE(host.edit->K_JD(), QString("2452998"));
    QCOMPARE(host.edit->K_Date(), QString("24.12.2003"));
    QCOMPARE(host.Back(host.edit->DateField()), host.edit->palette().color(QPalette::Base));
  }

  // Typed text not yet confirmed is checked before the calendar switches.
  void calendarSwitchChecksTypedTextFirst() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetDate("24.12.2003");
    QLineEdit* year = host.edit->DateField()->Edt(2);
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, "201");  // not full: the focus stays
    QVERIFY(year->hasFocus());
    QTest::mouseClick(host.edit->SwitchBtn()->Switch1Desc(), Qt::LeftButton);
    QCOMPARE(host.edit->Calendar(), QString("J"));
    // 24.12.0201 Gregorian is 23.12.0201 Julian.
    QCOMPARE(
        host.edit->K_JD(),
        QString::fromStdString(engine::DateToJD("24.12.0201", engine::CalendarKind::Gregorian).jd));
  }

  void fontColoursOfTheDay_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QColor>("font");
    QTest::newRow("Christmas: legal holiday") << "25.12.2024" << controls::kLegalHolidayColor;
    QTest::newRow("Saturday") << "28.12.2024" << controls::kSaturdayColor;
    QTest::newRow("Sunday") << "29.12.2024" << controls::kSundayColor;
  }

  void fontColoursOfTheDay() {
    QFETCH(QString, date);
    QFETCH(QColor, font);
    Host host;
    QVERIFY(host.edit->SetDate(date));
    QCOMPARE(host.Font(host.edit->DateField()), font);
    QCOMPARE(host.Font(host.edit->DayField()), font);
    QCOMPARE(host.Font(host.edit->JDField()), font);
    QCOMPARE(host.Font(host.edit->WeekField()), host.edit->palette().color(QPalette::Text));
  }

  void typingTurnsTheFieldGrey() {
    Host host;
    QVERIFY(host.Active());
    QSignalSpy clicks(host.edit, &TDateEdt::OnClick);
    host.edit->DateField()->Edt(0)->setFocus();
    QTest::keyClicks(host.edit->DateField()->Edt(0), "1");
    QCOMPARE(host.Font(host.edit->DateField()), controls::kGreyColor);
    QVERIFY(host.edit->Typing());
    QVERIFY(clicks.count() >= 1);
  }

  // Leaving the week view untouched keeps the day, also where the week
  // belongs to the next year.
  void leavingTheWeekViewUneditedChangesNothing_data() {
    QTest::addColumn<QString>("calendar");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("week");
    QTest::newRow("29.12.3000") << "G"
                                << "29.12.3000"
                                << "01.3001";
    QTest::newRow("31.12.3000") << "G"
                                << "31.12.3000"
                                << "01.3001";
    QTest::newRow("31.12.2999 Jul.") << "J"
                                     << "31.12.2999"
                                     << "01.3000";
    QTest::newRow("03.01.0001 Jul.") << "J"
                                     << "03.01.0001"
                                     << "01.0001";
    QTest::newRow("09.01.0001 Jul.") << "J"
                                     << "09.01.0001"
                                     << "01.0001";
  }

  void leavingTheWeekViewUneditedChangesNothing() {
    QFETCH(QString, calendar);
    QFETCH(QString, date);
    QFETCH(QString, week);
    Host host;
    QVERIFY(host.Active());
    host.edit->SetCalendar(calendar);
    QVERIFY(host.edit->SetDate(date));
    host.edit->SetModus("W");
    QCOMPARE(host.edit->K_Week(), week);
    host.edit->WeekField()->Edt(1)->setFocus();
    host.Leave();
    QTest::qWait(20);  // the check on leaving runs once the focus has settled
    QCOMPARE(host.edit->K_Date(), date);
    QTest::mouseClick(host.edit->WeekField()->Edt(2), Qt::RightButton);
    QCOMPARE(host.edit->K_Date(), date);
    QCOMPARE(host.messages->count(), 0);
  }

  void theListUnfoldsAndChoosesARegion() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetDate("15.06.1960");
    TSpinHalf* viewSwitch = host.edit->SwitchBtn()->Switch1Asc();
    QCOMPARE(viewSwitch->toolTip(), QString("Umschaltung auf Bundesländer und Feiertage"));
    QTest::mouseClick(viewSwitch, Qt::LeftButton);
    QVERIFY(host.edit->K_HolidayVis());
    QCOMPARE(host.edit->height(), 100);
    QVERIFY(host.edit->LB_Land()->isVisible());
    QCOMPARE(viewSwitch->toolTip(), QString("Umschaltung auf Tage des Jahres"));
    QCOMPARE(host.Lines().value(0), QString(">>>>>"));
    QCOMPARE(host.Lines().value(1), QString("Niedersachsen"));

    // The region's own name does nothing.
    host.ClickLine(1);
    QTest::qWait(0);
    QCOMPARE(host.edit->ListState(), controls::RegionListState::Holidays);

    host.ClickLine(0);
    QTRY_COMPARE(host.edit->ListState(), controls::RegionListState::GermanStates);
    QVERIFY(host.RowOf("Berlin (Ost)") > 0);
    QVERIFY(host.RowOf("Berlin (West)") > 0);
    QVERIFY(!host.Lines().contains(QString::fromStdString(controls::RegionLine("Berlin"))));

    host.ClickLine(host.RowOf("Bayern"));
    QTRY_COMPARE(host.edit->Land(), QString("D-BY"));
    QTRY_COMPARE(host.edit->ListState(), controls::RegionListState::Holidays);
    QVERIFY(host.edit->K_HolidayVis());
    QCOMPARE(host.Lines().value(1), QString("Bayern"));
    QCOMPARE(host.edit->K_Date(), QString("15.06.1960"));

    // "weitere Länder" leads on and never makes the region "D-NI".
    host.ClickLine(0);
    QTRY_COMPARE(host.edit->ListState(), controls::RegionListState::GermanStates);
    host.ClickLine(0);
    QTRY_COMPARE(host.edit->ListState(), controls::RegionListState::RegionChoice);
    QCOMPARE(host.edit->Land(), QString("D-BY"));
    QCOMPARE(host.Lines().value(0), QString("<<<<<<"));

    host.ClickLine(host.RowOf("Alle Länder"));
    QTRY_COMPARE(host.edit->ListState(), controls::RegionListState::AllCountries);
    QCOMPARE(host.Lines().size(), 2);
    host.ClickLine(host.RowOf("Österreich"));
    QTRY_COMPARE(host.edit->Land(), QString("A"));
    QVERIFY(host.edit->K_HolidayVis());
  }

  // Every change reaches dayChanged as a value; only the user's own reach
  // dayEntered; a region is its own signal.
  void signalsCarryTheDayAndTellTheUsersChanges() {
    Host host;
    QVERIFY(host.Active());
    QSignalSpy changed(host.edit, &TDateEdt::dayChanged);
    QSignalSpy entered(host.edit, &TDateEdt::dayEntered);
    QSignalSpy regions(host.edit, &TDateEdt::regionChanged);
    QSignalSpy typing(host.edit, &TDateEdt::typingStarted);

    // The program's changes.
    QVERIFY(host.edit->SetDate("03.10.2024"));
    QCOMPARE(changed.count(), 1);
    const auto day = changed.last().first().value<engine::ChosenDay>();
    QCOMPARE(day.dayNumber, 2460587);
    QCOMPARE(day.calendar, engine::CalendarKind::Gregorian);
    QCOMPARE(day.region, std::string("D-NI"));
    QCOMPARE(host.edit->Chosen().dayNumber, 2460587);
    QVERIFY(host.edit->SetDayNumber(2460588));
    host.edit->SetLand("D-BY");
    QCOMPARE(regions.count(), 1);
    QCOMPARE(regions.last().first().toString(), QString("D-BY"));
    QCOMPARE(host.edit->Chosen().region, std::string("D-BY"));
    host.edit->SetLand("D-BY");
    QCOMPARE(regions.count(), 1);
    QCOMPARE(entered.count(), 0);
    QCOMPARE(typing.count(), 0);

    // The user's: typed and checked on leaving.
    host.Type(host.edit->DateField(), 1, {"24", "12", "2003"});
    QCOMPARE(typing.count(), 1);
    QVERIFY(host.edit->Typing());
    host.Leave();
    QTRY_COMPARE(entered.count(), 1);
    QVERIFY(!host.edit->Typing());
    const auto typed = entered.last().first().value<engine::ChosenDay>();
    QCOMPARE(engine::DateTextOf(typed), std::string("24.12.2003"));
    QCOMPARE(typed.region, std::string("D-BY"));
    QCOMPARE(changed.last().first().value<engine::ChosenDay>(), typed);

    // The calendar switch is the user's too; the day number stays.
    QTest::mouseClick(host.edit->SwitchBtn()->Switch1Desc(), Qt::LeftButton);
    QTRY_COMPARE(entered.count(), 2);
    const auto julian = entered.last().first().value<engine::ChosenDay>();
    QCOMPARE(julian.calendar, engine::CalendarKind::Julian);
    QCOMPARE(julian.dayNumber, typed.dayNumber);
  }

  // The enum properties stand behind the text ones, both ways.
  void enumPropertiesMirrorTheCodes() {
    Host host;
    const struct {
      TDateEdt::EditMode mode;
      const char* code;
    } kModes[] = {{TDateEdt::EditMode::Date, "D"}, {TDateEdt::EditMode::DayOfYear, "A"},
                  {TDateEdt::EditMode::Week, "W"}, {TDateEdt::EditMode::JulianDay, "J"},
                  {TDateEdt::EditMode::Time, "T"}, {TDateEdt::EditMode::TimeWithoutSeconds, "TM"}};
    for (const auto& m : kModes) {
      QVERIFY(host.edit->setProperty("editMode", QVariant::fromValue(m.mode)));
      QCOMPARE(host.edit->Modus(), QString(m.code));
      host.edit->SetModus(QString(m.code));
      QCOMPARE(host.edit->property("editMode").value<TDateEdt::EditMode>(), m.mode);
    }
    host.edit->SetModus("X");
    QCOMPARE(host.edit->Mode(), TDateEdt::EditMode::Date);
    QVERIFY(host.edit->setProperty("calendarSystem",
                                   QVariant::fromValue(TDateEdt::CalendarSystem::Julian)));
    QCOMPARE(host.edit->Calendar(), QString("J"));
    QCOMPARE(host.edit->Chosen().calendar, engine::CalendarKind::Julian);
    host.edit->SetCalendar("G");
    QCOMPARE(host.edit->property("calendarSystem").value<TDateEdt::CalendarSystem>(),
             TDateEdt::CalendarSystem::Gregorian);
    QCOMPARE(host.edit->MessageKind(), 0);
    QCOMPARE(host.edit->Level(), TDateEdt::MessageLevel::Information);
  }

  // A day set as a value comes with its calendar, region and time, and a
  // day outside its calendar's range changes nothing.
  void setChosenTakesTheWholeValue() {
    Host host;
    QSignalSpy changed(host.edit, &TDateEdt::dayChanged);
    QSignalSpy regions(host.edit, &TDateEdt::regionChanged);
    engine::ChosenDay day;
    day.dayNumber = 2460587;
    day.calendar = engine::CalendarKind::Julian;
    day.region = "A-W";
    day.time = {9, 30, 15};
    QVERIFY(host.edit->SetChosen(day));
    QCOMPARE(host.edit->Chosen(), day);
    QCOMPARE(host.edit->Calendar(), QString("J"));
    QCOMPARE(host.edit->Land(), QString("A-W"));
    QCOMPARE(host.edit->K_Date(), QString("20.09.2024"));
    QCOMPARE(host.edit->K_Time(), QString("09:30:15"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(regions.count(), 1);
    QCOMPARE(host.messages->count(), 0);

    for (const int dayNumber : {0, engine::kFirstDayNumber - 1, engine::kLastJulianDayNumber + 1}) {
      engine::ChosenDay outside = day;
      outside.dayNumber = dayNumber;
      QVERIFY(!host.edit->SetChosen(outside));
    }
    QCOMPARE(host.edit->Chosen(), day);
    QCOMPARE(changed.count(), 1);
    // An unknown region is Lower Saxony, as for Land.
    day.region = "XY";
    QVERIFY(host.edit->SetChosen(day));
    QCOMPARE(host.edit->Chosen().region, std::string("D-NI"));
  }

  // The K_ texts come from the day's facts, in every view and calendar.
  void factTextsFollowTheDay() {
    Host host;
    const struct {
      int dayNumber;
      engine::CalendarKind calendar;
      const char* date;
      const char* day;
      const char* week;
    } kCases[] = {
        {2460587, engine::CalendarKind::Gregorian, "03.10.2024", "277.2024", "40.2024"},
        {2460676, engine::CalendarKind::Gregorian, "31.12.2024", "366.2024", "01.2025"},
        {engine::kFirstDayNumber, engine::CalendarKind::Gregorian, "01.01.0001", "001.0001",
         "01.0001"},
        {engine::kLastDayNumber, engine::CalendarKind::Gregorian, "31.12.3000", "365.3000",
         "01.3001"},
        {2460587, engine::CalendarKind::Julian, "20.09.2024", "264.2024", "38.2024"},
    };
    for (const auto& c : kCases) {
      engine::ChosenDay day;
      day.dayNumber = c.dayNumber;
      day.calendar = c.calendar;
      QVERIFY(host.edit->SetChosen(day));
      QCOMPARE(host.edit->K_Date(), QString(c.date));
      QCOMPARE(host.edit->K_Day(), QString(c.day));
      QCOMPARE(host.edit->K_Week(), QString(c.week));
      QCOMPARE(host.edit->K_JD(), QString::number(c.dayNumber));
      QCOMPARE(host.edit->DateField()->Date(), QString(c.date));
      QCOMPARE(host.edit->DayField()->Day(), QString(c.day));
      QCOMPARE(host.edit->WeekField()->Week(), QString(c.week));
      QCOMPARE(host.edit->JDField()->JD(), QString::number(c.dayNumber));
    }
  }

  void aHolidayLineSetsTheDateAndOpensItsArticle() {
    testsupport::OpenedAddresses opened;
    Host host;
    QVERIFY(host.Active());
    host.edit->SetDate("15.06.2024");
    QTest::mouseClick(host.edit->SwitchBtn()->Switch1Asc(), Qt::LeftButton);
    const int row = host.RowOf("1. Weihnachtstag");
    QVERIFY(row > 1);
    host.ClickLine(row);
    QTRY_COMPARE(host.edit->K_Date(), QString("25.12.2024"));
    QVERIFY(host.edit->K_HolidayVis());
    QCOMPARE(host.edit->LB_Land()->toolTip(), QString("1. Weihnachtstag"));
    host.ClickLine(host.RowOf("Neujahr"), true);
    QTRY_COMPARE(opened.size(), std::size_t{1});
    QVERIFY2(opened[0].ends_with("/wiki/Neujahr"), opened[0].c_str());
  }

  void readOnlyFieldsDoNotSetTheDateFromTheList() {
    Host host;
    QVERIFY(host.Active());
    host.edit->SetDate("15.06.2024");
    host.edit->SetCalEnabled(false);
    QTest::mouseClick(host.edit->SwitchBtn()->Switch1Asc(), Qt::LeftButton);
    host.ClickLine(host.RowOf("Neujahr"));
    QTest::qWait(0);
    QCOMPARE(host.edit->K_Date(), QString("15.06.2024"));
  }

  // Writing EditHeight lays the fields out again: read-only stays read-only.
  void editHeightKeepsCalEnabled() {
    TDateEdt edit;
    edit.SetCalEnabled(false);
    edit.SetEditHeight(24);
    QVERIFY(!edit.CalEnabled());
    for (TDate* field : {edit.DateField(), edit.DayField(), edit.WeekField(), edit.JDField()}) {
      for (int f = 0; f < 3; ++f) QVERIFY(field->Edt(f)->isReadOnly());
      QVERIFY(!field->SwitchAsc(2)->isEnabled());
    }
  }

  void landOutsideTheTableIsLowerSaxony() {
    TDateEdt edit;
    edit.SetLand("A-NÖ");
    QCOMPARE(edit.Land(), QString("A-NÖ"));
    edit.setProperty("Land", "XY");
    QCOMPARE(edit.Land(), QString("D-NI"));
  }

  void dateTextIsTheEngineDescription() {
    TDateEdt edit;
    edit.SetLand("D-BY");
    QVERIFY(edit.SetDate("03.10.2024"));
    const engine::DayFacts facts =
        engine::DayFactsOfDate("03.10.2024", "D-BY", engine::CalendarKind::Gregorian);
    const engine::DayDescription description =
        engine::DescribeDay(facts, "D-BY", engine::CalendarKind::Gregorian, engine::TodayJD());
    QStringList lines;
    for (const std::string& line : description.lines) lines << QString::fromStdString(line);
    QCOMPARE(edit.K_slDateText(), lines);
    QCOMPARE(edit.K_DateText(), QString::fromStdString(description.text));
    QCOMPARE(edit.K_Holiday(), QString("Tag der deutschen Einheit"));
    QCOMPARE(edit.K_iHoliday(), 1);
    QCOMPARE(edit.K_iWeekDay(), 4);
    QCOMPARE(edit.K_dtWochentag(), QString("Donnerstag"));
    QCOMPARE(edit.K_iLeapYear(), 366);
    QCOMPARE(edit.K_Day(), QString("277.2024"));
    QCOMPARE(edit.K_Week(), QString("40.2024"));
    QVERIFY(!edit.K_slHolidayText().isEmpty());
  }

  void viewSwitchWalksTheViews() {
    Host host;
    TSpinHalf* viewSwitch = host.edit->SwitchBtn()->Switch1Asc();
    QTest::mouseClick(viewSwitch, Qt::LeftButton);  // unfold
    QTest::mouseClick(viewSwitch, Qt::LeftButton);
    QCOMPARE(host.edit->Modus(), QString("A"));
    QVERIFY(!host.edit->K_HolidayVis());
    QCOMPARE(viewSwitch->toolTip(), QString("Umschaltung auf Wochen des Jahres"));
    QTest::mouseClick(viewSwitch, Qt::LeftButton);
    QCOMPARE(host.edit->Modus(), QString("W"));
    QTest::mouseClick(viewSwitch, Qt::LeftButton);
    QCOMPARE(host.edit->Modus(), QString("J"));
    QCOMPARE(viewSwitch->toolTip(), QString("Umschaltung auf Datum"));
    QTest::mouseClick(viewSwitch, Qt::LeftButton);
    QCOMPARE(host.edit->Modus(), QString("D"));
    QVERIFY(host.edit->DateField()->isVisible());
    QVERIFY(!host.edit->JDField()->isVisible());
  }

  void placeOnShowsTheFieldsElsewhere() {
    QWidget other;
    auto* edit = new TDateEdt(&other);
    QWidget target;
    edit->PlaceOn(&target, 10, 5);
    QCOMPARE(edit->size(), QSize(0, 0));
    QCOMPARE(edit->DateField()->window(), &target);
    QCOMPARE(edit->DateField()->mapTo(&target, QPoint(0, 0)), QPoint(10, 5));
    QVERIFY(edit->SetDate("01.05.2024"));
    delete edit;  // takes its fields along
    QVERIFY(target.findChild<TDate*>("Date") == nullptr);
  }

  // The window the fields were placed on may go before the date edit, its
  // children in its own order: the focused field's last event then came to
  // the edit while the other fields were gone or half gone. The edit lives
  // on without fields.
  void theFieldsMayGoWithTheWindowTheyWerePlacedOn() {
    QWidget owner;
    auto* edit = new TDateEdt(&owner);
    auto target = std::make_unique<QWidget>();
    target->resize(200, 60);
    edit->PlaceOn(target.get(), 10, 5);
    target->show();
    target->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target.get()));
    QLineEdit* day = edit->DateField()->Edt(0);
    day->setFocus();
    QVERIFY(day->hasFocus());
    QSignalSpy changes(edit, &TDateEdt::OnChange);
    target.reset();
    QVERIFY(!edit->SetDate("01.05.2024"));
    QCOMPARE(edit->K_Time(), QString());
    edit->SetModus("J");
    edit->PlaceOn(&owner, 0, 0);
    QCOMPARE(changes.count(), 0);
    delete edit;
  }

  // Spinning the day past the month's end and leaving corrects it once.
  void spinningPastTheMonthsEndIsCorrectedOnLeaving() {
    Host host;
    QVERIFY(host.Active());
    QVERIFY(host.edit->SetDate("27.02.2003"));
    TDate* field = host.edit->DateField();
    QTest::mousePress(field->SwitchAsc(0), Qt::LeftButton);
    auto* timer = field->findChild<QTimer*>("Timer_Dc");
    for (int i = 0; i < 3; ++i) QMetaObject::invokeMethod(timer, "timeout");
    QTest::mouseRelease(field->SwitchAsc(0), Qt::LeftButton);
    QCOMPARE(field->Date(), QString("30.02.2003"));
    QCOMPARE(host.Font(field), controls::kGreyColor);
    host.Leave();
    QTRY_COMPARE(host.messages->count(), 1);
    QCOMPARE(host.edit->K_Date(), QString("28.02.2003"));
    QCOMPARE(host.Font(field), host.edit->palette().color(QPalette::Text));
  }

  void doubleClickChecksAndReportsTheDay() {
    Host host;
    QVERIFY(host.Active());
    QVERIFY(host.edit->SetDate("24.12.2003"));
    QSignalSpy clicks(host.edit, &TDateEdt::OnClick);
    QLineEdit* day = host.edit->DateField()->Edt(0);
    day->setFocus();
    day->selectAll();
    QTest::keyClicks(day, "3");
    QTest::mouseDClick(day, Qt::LeftButton);
    QCOMPARE(host.edit->K_Date(), QString("03.12.2003"));
    QCOMPARE(host.edit->ClickJD(), host.edit->K_JD());
    QVERIFY(host.edit->GregorianDate());
    QVERIFY(clicks.count() >= 2);  // the typing and the double click
  }

  void focusFirstFieldTakesTheShownView_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("sub");
    QTest::newRow("D") << "D"
                       << "Date" << 0;
    QTest::newRow("A") << "A"
                       << "Day" << 1;
    QTest::newRow("W") << "W"
                       << "Week" << 1;
    QTest::newRow("T") << "T"
                       << "Time" << 0;
    QTest::newRow("J") << "J"
                       << "JD" << 2;
  }

  void focusFirstFieldTakesTheShownView() {
    QFETCH(QString, modus);
    QFETCH(QString, field);
    QFETCH(int, sub);
    Host host;
    QVERIFY(host.Active());
    host.edit->SetModus(modus);
    host.edit->FocusFirstField();
    QVERIFY(host.edit->findChild<TDate*>(field)->Edt(sub)->hasFocus());
  }

  void listMenuSavesTheShownYearAsIcalendar() {
    const struct {
      const char* land;
      const char* date;
      int year;
      const char* legalHoliday;  // a legal holiday of that year and region
    } kCases[] = {
        {"D-NI", "15.06.2026", 2026, "Reformationstag"},
        {"D-BY", "03.10.2024", 2024, "Heilige Drei Könige"},
        {"A-W", "01.01.1990", 1990, "Mariä Empfängnis"},
    };
    for (const auto& c : kCases) {
      QTemporaryDir folder;
      QVERIFY(folder.isValid());
      TDateEdt edit;
      edit.SetLand(c.land);
      QVERIFY(edit.SetDate(c.date));
      QStringList asked;
      const QString file = folder.filePath("feiertage.ics");
      edit.SetSaveFileAsker(
          [&](const QString& title, const QString& suggested, const QString& filter) {
            asked << title << suggested << filter;
            return file;
          });
      QStringList messages;
      edit.SetMessageSink([&](const QString&, const QString& text) { messages << text; });
      QAction* action = edit.IcalAction();
      QVERIFY(edit.LB_Land()->actions().contains(action));
      QCOMPARE(edit.LB_Land()->contextMenuPolicy(), Qt::ActionsContextMenu);
      QCOMPARE(action->text(), QString("Als iCalendar speichern …"));
      action->trigger();
      QCOMPARE(asked, (QStringList{"Feiertage als iCalendar speichern",
                                   QString("Feiertage_%1_%2.ics").arg(c.land).arg(c.year),
                                   "iCalendar (*.ics)"}));
      QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
      std::vector<ReadEvent> read;
      QVERIFY(ReadIcalendar(file, read));
      const std::vector<engine::HolidayEvent> expected =
          engine::HolidayEventsOfYears(c.year, c.year, engine::RegionOfCode(c.land));
      QVERIFY(!expected.empty());
      QCOMPARE(read.size(), expected.size());
      bool found = false;
      for (const ReadEvent& event : read) {
        if (event.summary == QString(c.legalHoliday)) {
          found = true;
          QCOMPARE(event.category, QString("Gesetzlicher Feiertag"));
        }
      }
      QVERIFY2(found, c.legalHoliday);
      QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"feiertage.ics"});
    }
  }

  void cancelledIcalendarDialogWritesNothing() {
    TDateEdt edit;
    int asked = 0;
    edit.SetSaveFileAsker([&](const QString&, const QString&, const QString&) {
      ++asked;
      return QString();
    });
    QStringList messages;
    edit.SetMessageSink([&](const QString&, const QString& text) { messages << text; });
    edit.IcalAction()->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(messages.isEmpty());
  }

  void unwritableIcalendarFileIsToldAndKeepsTheOldFile() {
    QTemporaryDir folder;
    const struct {
      QString file;
      QString message;
    } kCases[] = {
        {folder.filePath("fehlt/x.ics"), "Die Datei \"" + folder.filePath("fehlt/x.ics") +
                                             "\" kann nicht geschrieben werden (den Ordner \"" +
                                             folder.filePath("fehlt") + "\" gibt es nicht)."},
        {folder.path(),
         "Die Datei \"" + folder.path() + "\" kann nicht geschrieben werden (das ist ein Ordner)."},
    };
    for (const auto& c : kCases) {
      TDateEdt edit;
      edit.SetSaveFileAsker([&](const QString&, const QString&, const QString&) { return c.file; });
      QStringList titles, messages;
      edit.SetMessageSink([&](const QString& title, const QString& text) {
        titles << title;
        messages << text;
      });
      edit.IcalAction()->trigger();
      QCOMPARE(titles, QStringList{"Feiertage als iCalendar speichern"});
      QCOMPARE(messages, QStringList{c.message});
    }
    QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  }

  void setTimeAndK_Time() {
    TDateEdt edit;
    QVERIFY(edit.SetTime("25:10"));
    QCOMPARE(edit.K_Time(), QString("23:10:00"));
    QVERIFY(!edit.SetTime("x"));
    edit.SetModus("TM");
    QCOMPARE(edit.K_Time(), QString("23:10"));
  }
};

RAZ_WIDGET_TEST(TDateEdtTest);

#include "dateedt_test.moc"

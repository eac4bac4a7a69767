// SPDX-License-Identifier: MIT
#include "app/calvrn.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "controls/date.h"
#include "controls/dateedt.h"
#include "controls/dblbtn.h"
#include "controls/mocal.h"
#include "engine/environment.h"
#include "platform/keyvalue_store.h"
#include "platform/openurl.h"
#include "platform/settings_store.h"
#include "platform/single_instance.h"
#include "popup/dateca.h"
#include "popup/kalender.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"
#include "testsupport/zone_scope.h"

namespace {

constexpr QSize kScreen{1920, 1080};

// A main window over a store, on a 1920 x 1080 screen.
std::unique_ptr<TCalVrn> MakeWindow(platform::KeyValueStore& store) {
  auto window = std::make_unique<TCalVrn>(store);
  window->SetScreenSize(kScreen);
  window->SetProgramPath(QStringLiteral("/usr/bin/razaduvovi"));
  return window;
}

// A store as a save with these ticks leaves it.
platform::MemoryStore StoreWith(int small, int front, int date1h, int clock00, int landSave,
                                app::WindowPositions positions = {100, 200, 1500, 10}) {
  platform::MemoryStore store;
  store.Replace({{"", std::string("/usr/bin/razaduvovi")},
                 {"smal", small},
                 {"Front", front},
                 {"Date1h", date1h},
                 {"Clock00", clock00},
                 {"LandSave", landSave},
                 {"x_B", positions.xB},
                 {"y_B", positions.yB},
                 {"x_S", positions.xS},
                 {"y_S", positions.yS}});
  return store;
}

using testsupport::Child;

void Tick(QTimer* timer) {
  QMetaObject::invokeMethod(timer, "timeout");
}

void ClickPanel(QLabel* panel) {
  QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(4, 4));
}

TKalender* Kalender(const QWidget& window) {
  return Child<TKalender>(window, "Kalender1");
}

// The day field of the date edit, wherever the component put it.
QLineEdit* DayField(const QWidget& window) {
  return Kalender(window)->DateCal()->DateEdt()->DateField()->Edt(0);
}

// Closes the pop-up as its title bar's close button does.
void ClosePopup(const QWidget& window) {
  QCloseEvent close;
  QCoreApplication::sendEvent(Kalender(window)->CalendarPopup(), &close);
}

}  // namespace

class TCalVrnTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    engine::SetClock(engine::FixedLegalClock(widget_tests::kTestNow));
    platform::SetUrlOpener({});
  }

  void controlsCarryTheirTextsAndHints() {
    platform::MemoryStore store;
    const auto window = MakeWindow(store);
    window->show();
    QCOMPARE(window->windowTitle(), QStringLiteral("Ra Zaduvovi – Datum"));
    const struct {
      const char* name;
      const char* text;
      const char* hint;
    } kCases[] = {
        {"Btn_OpenCal", "Kalenderblatt", "Kalenderblatt öffnen"},
        {"Btn_Zins", "Zinsen", "Zinsen öffnen, \r\nmehrere Instanzen möglich!"},
        {"Btn_Set", "Einstellungen",
         "Einstellung und Speicherung bzw. Löschung des Anzeigeverhaltens"},
        {"Btn_Back", "zurück", "zurück, keine Änderung"},
        {"Btn_Save", "Speichern",
         "Diese Einstellungen speichern bzw. löschen (keine Haken) und ausführen"},
        {"CB_small", "nur Datumsfeld anzeigen",
         "Es wird nur das Datumsfeld angezeigt, DblClick in das Datumsfeld"},
        {"CB_Front", "     immer im Vordergrund", "Datumsfeld immer im Vordergrund"},
        {"CB_Date1h", "nach 1 h aktuallisieren",
         "1 h nach Datumsänderung automatisch aktualisieren"},
        {"CB_Clock00", "um 00:00 Uhr aktualisieren",
         "Datum und Uhrzeit jeweils um 00:00 Uhr aktualisieren"},
        {"CB_Land", "Land speichern", "Einstellung des Landes speichern "},
    };
    for (const auto& c : kCases) {
      const auto* widget = Child<QAbstractButton>(*window, c.name);
      QCOMPARE(widget->text(), QString::fromUtf8(c.text));
      QCOMPARE(widget->toolTip(), QString::fromUtf8(c.hint));
    }
    for (const char* name : {"CB_small", "CB_Front", "CB_Date1h", "CB_Clock00", "CB_Land"}) {
      const auto* box = Child<QCheckBox>(*window, name);
      QCOMPARE(box->x(), 16);
      QCOMPARE(box->width(), 172);
    }
    QCOMPARE(Child<QLabel>(*window, "Lbl_Set")->text(), QStringLiteral("Einstellungen:"));
    QCOMPARE(Child<QLabel>(*window, "Pnl_Hide")->toolTip(),
             QStringLiteral("nur Datumsfeld anzeigen"));
    QCOMPARE(Child<QLabel>(*window, "Pnl_Big")->toolTip(),
             QStringLiteral("in Normalgröße anzeigen,\r\nauch dort Kalender schließen"));
    QVERIFY(Child<QPlainTextEdit>(*window, "Memo1")
                ->toolTip()
                .endsWith(QStringLiteral("\r\nDoppelclick auf das Datum,\r\nKalenderblatt öffnet "
                                         "sich,\r\nUnd vieles anderes mehr, clicken Sie ...")));
    QVERIFY(Child<QPlainTextEdit>(*window, "Memo1")->toolTip().startsWith("version: 4.284.54.16"));
  }

  // The school holidays' tick switches the sheet's bars and is stored.
  void schoolHolidaysTickReachesTheSheetAndTheStore() {
    platform::MemoryStore store;
    const auto window = MakeWindow(store);
    window->show();
    auto* tick = window->findChild<QCheckBox*>("CB_Ferien");
    QVERIFY(tick != nullptr);
    QCOMPARE(tick->text(), QStringLiteral("Schulferien anzeigen"));
    QVERIFY(tick->isChecked());
    TMoCal* sheet = window->findChild<TMoCal*>();
    QVERIFY(sheet != nullptr);
    QVERIFY(sheet->ShowSchoolHolidays());
    tick->setChecked(false);
    QVERIFY(!sheet->ShowSchoolHolidays());
    QTest::mouseClick(window->findChild<QPushButton*>("Btn_Save"), Qt::LeftButton);
    QCOMPARE(store.ReadInt("Schulferien"), 0);
  }

  void firstStartCentresTheWindowAndWritesTheKey() {
    platform::MemoryStore store;
    const auto window = MakeWindow(store);
    window->show();
    QCOMPARE(window->Positions(), (app::WindowPositions{864, 414, 1440, 0}));
    QCOMPARE(window->pos(), QPoint(864, 414));
    QVERIFY(window->BigMode());
    QCOMPARE(window->size(), QSize(192, 252));
    QVERIFY(store.Exists());
    QCOMPARE(store.ReadInt("x_S"), std::optional<std::int32_t>(1440));
    QCOMPARE(store.ReadText(""), std::optional<std::string>("/usr/bin/razaduvovi"));
    QCOMPARE(window->ShownDate(), QStringLiteral("08.12.2026"));
  }

  // The key was deleted by "Speichern" and came back at once when read back.
  void speichernWithoutTicksDeletesTheKeyAndTheNextStartIsAFirstStart() {
    platform::MemoryStore store = StoreWith(1, 1, 1, 1, 1);
    {
      const auto window = MakeWindow(store);
      window->show();
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
      for (const char* name : {"CB_small", "CB_Date1h", "CB_Clock00", "CB_Land"}) {
        Child<QCheckBox>(*window, name)->setChecked(false);
      }
      QVERIFY(Child<QCheckBox>(*window, "CB_Front")->isChecked());
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
      QVERIFY(!store.Exists());
      QVERIFY(window->BigMode());
      window->close();
      QVERIFY(!store.Exists());
    }
    const auto next = MakeWindow(store);
    next->show();
    QCOMPARE(next->pos(), QPoint(864, 414));
    QVERIFY(store.Exists());
  }

  void storedPositionsAreHeldOnTheScreen() {
    const struct {
      int xB;
      QPoint expected;
    } kCases[] = {{-5, {0, 200}}, {1891, {0, 200}}, {1890, {1890, 200}}};
    for (const auto& c : kCases) {
      platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0, {c.xB, 200, 10, 10});
      const auto window = MakeWindow(store);
      window->show();
      QCOMPARE(window->pos(), c.expected);
    }
  }

  void theSmallWindowIsAFramelessStripOnTopWithImmerImVordergrund() {
    for (const bool front : {true, false}) {
      platform::MemoryStore store = StoreWith(1, front ? 1 : 0, 0, 0, 0);
      const auto window = MakeWindow(store);
      window->show();
      QVERIFY(!window->BigMode());
      QCOMPARE(window->size(), QSize(88, 20));
      QCOMPARE(window->pos(), QPoint(1500, 10));
      QVERIFY((window->windowFlags() & Qt::FramelessWindowHint) != 0);
      QCOMPARE(window->OnTop(), front);
      QVERIFY(window->isVisible());
      QVERIFY(Child<QLabel>(*window, "Pnl_Btn")->isVisible());
      QCOMPARE(Child<QLabel>(*window, "Pnl_Btn")->pos(), QPoint(90, 0));
    }
  }

  void theNormalWindowIsNeverOnTop() {
    platform::MemoryStore store = StoreWith(0, 1, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    QVERIFY(window->BigMode());
    QVERIFY(!window->OnTop());
    QVERIFY((window->windowFlags() & Qt::FramelessWindowHint) == 0);
    QVERIFY(!Child<QCheckBox>(*window, "CB_Front")->isEnabled());
    QVERIFY(!Child<QLabel>(*window, "Pnl_Btn")->isVisible());
  }

  void vMovesDMakesCompactAndGMakesNormal() {
    platform::MemoryStore store = StoreWith(1, 1, 0, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    window->Kalender1ChangeVis(true);
    auto* contr = Child<QLabel>(*window, "Pnl_Contr");
    QVERIFY(contr->isVisible());
    QCOMPARE(Child<QLabel>(*window, "Pnl_Hide1")->text(), QStringLiteral("V"));
    QCOMPARE(Child<QLabel>(*window, "Pnl_Big1")->text(), QStringLiteral("G"));
    ClickPanel(Child<QLabel>(*window, "Pnl_Hide1"));
    QVERIFY(window->MoveMode() || window->size() == QSize(130, 46));
    QCOMPARE(window->size(), QSize(130, 46));
    QCOMPARE(window->windowTitle(), QStringLiteral("verschieben"));
    QVERIFY((window->windowFlags() & Qt::FramelessWindowHint) == 0);
    window->Kalender1ChangeVis(false);
    ClickPanel(Child<QLabel>(*window, "Pnl_Hide"));
    QCOMPARE(window->size(), QSize(88, 20));
    QVERIFY(window->OnTop());
    QVERIFY(!window->MoveMode());
    ClickPanel(Child<QLabel>(*window, "Pnl_Big"));
    QVERIFY(window->BigMode());
    QCOMPARE(window->size(), QSize(192, 252));
    QCOMPARE(window->pos(), QPoint(100, 200));
    QVERIFY(!window->OnTop());
    // Normal size until the next save or start: the stored "smal" stays.
    QCOMPARE(store.ReadInt("smal"), std::optional<std::int32_t>(1));
  }

  void landSpeichernKeepsTheRegionAcrossARestart() {
    for (const bool keep : {true, false}) {
      platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
      {
        const auto window = MakeWindow(store);
        window->show();
        window->SetLand(QStringLiteral("D-BY"));
        QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
        Child<QCheckBox>(*window, "CB_Land")->setChecked(keep);
        QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
        window->close();
      }
      QCOMPARE(store.ReadText("Land").has_value(), keep);
      const auto next = MakeWindow(store);
      next->show();
      QCOMPARE(next->Land(), keep ? QStringLiteral("D-BY") : QStringLiteral("D-NI"));
    }
  }

  // "zurück" stored the ticks it was meant to throw away.
  void zurueckRestoresTheStoredTicksAndStoresNothing() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    const int writes = store.writes;
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
    QVERIFY(Child<QWidget>(*window, "Pnl_Set")->isVisible());
    QVERIFY(!Child<QPushButton>(*window, "Btn_Set")->isVisible());
    QTest::mouseClick(Child<QCheckBox>(*window, "CB_small"), Qt::LeftButton);
    QVERIFY(Child<QCheckBox>(*window, "CB_Front")->isEnabled());
    QTest::mouseClick(Child<QCheckBox>(*window, "CB_Date1h"), Qt::LeftButton);
    QTest::mouseClick(Child<QCheckBox>(*window, "CB_Clock00"), Qt::LeftButton);
    QVERIFY(Child<QTimer>(*window, "Timer3")->isActive());
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Back"), Qt::LeftButton);
    QVERIFY(!Child<QWidget>(*window, "Pnl_Set")->isVisible());
    QVERIFY(Child<QPushButton>(*window, "Btn_Set")->isVisible());
    QVERIFY(!Child<QCheckBox>(*window, "CB_small")->isChecked());
    QVERIFY(!Child<QCheckBox>(*window, "CB_Front")->isEnabled());
    QVERIFY(Child<QCheckBox>(*window, "CB_Date1h")->isChecked());
    QVERIFY(!Child<QCheckBox>(*window, "CB_Clock00")->isChecked());
    QVERIFY(!Child<QTimer>(*window, "Timer3")->isActive());
    QCOMPARE(store.writes, writes);
    QVERIFY(window->BigMode());
  }

  void timer1FiresOnceAfterTwoSecondsAndSettlesTheSmallWindow() {
    platform::MemoryStore store = StoreWith(1, 0, 0, 0, 0);
    const auto window = MakeWindow(store);
    auto* timer = Child<QTimer>(*window, "Timer1");
    QCOMPARE(timer->interval(), 2000);
    QVERIFY(timer->isSingleShot());
    QVERIFY(timer->isActive());
    window->show();
    const int writes = store.writes;
    Tick(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(store.writes, writes + 1);
    QCOMPARE(window->size(), QSize(88, 20));
  }

  void timer1LeavesTheNormalWindowAlone() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    const int writes = store.writes;
    Tick(Child<QTimer>(*window, "Timer1"));
    QCOMPARE(store.writes, writes);
  }

  // A running hourly timer is not restarted by a further change.
  void theHourlyRefreshKeepsItsFirstDeadline() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    auto* timer = Child<QTimer>(*window, "Timer2");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3600000);
    const int id = timer->timerId();
    Kalender(*window)->SetDate(QStringLiteral("01.05.2026"));
    QCOMPARE(timer->timerId(), id);
    Tick(timer);
    QCOMPARE(window->ShownDate(), QStringLiteral("08.12.2026"));
    Child<QCheckBox>(*window, "CB_Date1h")->setChecked(false);
    window->Kalender1Change();
    QVERIFY(!timer->isActive());
  }

  void theMidnightTimerRefreshesInTheFirstTenSeconds() {
    platform::MemoryStore store = StoreWith(0, 0, 0, 1, 0);
    const auto window = MakeWindow(store);
    window->show();
    auto* timer = Child<QTimer>(*window, "Timer3");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    TKalender* kalender = Kalender(*window);
    const struct {
      engine::LocalDateTime now;
      const char* shown;
      const char* sec;
      const char* lblNow;
    } kCases[] = {
        {{2026, 12, 9, 0, 0, 5, 0}, "09.12.2026", "5 sek", "09.12.2026, 00:00:05"},
        {{2026, 12, 9, 0, 0, 9, 0}, "09.12.2026", "9 sek", "09.12.2026, 00:00:09"},
        {{2026, 12, 9, 0, 0, 10, 0}, "01.05.2026", "10 sek", "09.12.2026, 00:00:10"},
        {{2026, 12, 9, 9, 30, 0, 0}, "01.05.2026", "34200 sek", "09.12.2026, 09:30:00"},
    };
    for (const auto& c : kCases) {
      // The day of the last refresh is today, so only the first seconds count.
      engine::SetClock(engine::FixedLegalClock({2026, 12, 9, 0, 0, 1, 0}));
      Tick(timer);
      kalender->SetDate(QStringLiteral("01.05.2026"));
      engine::SetClock(engine::FixedLegalClock(c.now));
      Tick(timer);
      QCOMPARE(window->ShownDate(), QString::fromUtf8(c.shown));
      QCOMPARE(Child<QLabel>(*window, "Lbl_Sec")->text(), QString::fromUtf8(c.sec));
      QCOMPARE(Child<QLabel>(*window, "Lbl_Now")->text(), QString::fromUtf8(c.lblNow));
    }
  }

  // A machine asleep over midnight missed the refresh for the whole next day.
  void theMidnightTimerRefreshesOnWakingOnALaterDay() {
    platform::MemoryStore store = StoreWith(0, 0, 0, 1, 0);
    const auto window = MakeWindow(store);
    window->show();
    QCOMPARE(window->ShownDate(), QStringLiteral("08.12.2026"));
    engine::SetClock(engine::FixedLegalClock({2026, 12, 10, 7, 45, 0, 0}));
    Tick(Child<QTimer>(*window, "Timer3"));
    QCOMPARE(window->ShownDate(), QStringLiteral("10.12.2026"));
  }

  // Midnight is Germany's, not the machine's: a machine clock at 23:30 UTC
  // on New Year's Eve is already New Year's Day, under any TZ setting.
  void theDayTurnsAtMidnightOfTheRegion() {
    testsupport::ZoneScope machineZone;
    for (const char* zone : {"UTC", "America/New_York", "Europe/Berlin"}) {
      machineZone.Set(zone);
      platform::MemoryStore store = StoreWith(0, 0, 0, 1, 0);
      const auto window = MakeWindow(store);
      window->show();
      engine::SetClock([] { return engine::UtcMomentOfUtc({2026, 12, 31, 22, 59, 59, 0}); });
      Tick(Child<QTimer>(*window, "Timer3"));
      QCOMPARE(Child<QLabel>(*window, "Lbl_Now")->text(), QStringLiteral("31.12.2026, 23:59:59"));
      engine::SetClock([] { return engine::UtcMomentOfUtc({2026, 12, 31, 23, 30, 0, 0}); });
      Tick(Child<QTimer>(*window, "Timer3"));
      QCOMPARE(window->ShownDate(), QStringLiteral("01.01.2027"));
      QCOMPARE(Child<QLabel>(*window, "Lbl_Now")->text(), QStringLiteral("01.01.2027, 00:30:00"));
      engine::SetClock(engine::FixedLegalClock(widget_tests::kTestNow));
    }
  }

  void theMidnightTimerRunsOnlyWithItsTick() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    QVERIFY(!Child<QTimer>(*window, "Timer3")->isActive());
    QVERIFY(!Child<QLabel>(*window, "Lbl_Now")->isVisible());
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
    QTest::mouseClick(Child<QCheckBox>(*window, "CB_Clock00"), Qt::LeftButton);
    QVERIFY(Child<QTimer>(*window, "Timer3")->isActive());
    QVERIFY(Child<QLabel>(*window, "Lbl_Now")->isVisible());
    QVERIFY(Child<QLabel>(*window, "Lbl_Sec")->isVisible());
  }

  void zinsenOpensThroughItsHookOncePerClick() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    int interests = 0;
    window->SetInterestOpener([&] { ++interests; });
    window->show();
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Zins"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Zins"), Qt::LeftButton);
    QCOMPARE(interests, 2);
    QVERIFY(!Kalender(*window)->CalOpen());
  }

  void theComponentStartsAsTheMainWindowSetsIt() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    TKalender* kal = Kalender(*window);
    QCOMPARE(kal->parentWidget(), Child<QLabel>(*window, "Pnl_Kal"));
    QCOMPARE(kal->size(), QSize(0, 0));
    QVERIFY(!kal->CalOpen());
    QCOMPARE(kal->Modus(), QStringLiteral("D"));
    QCOMPARE(kal->Calendar(), QStringLiteral("G"));
    QCOMPARE(kal->Land(), QStringLiteral("D-NI"));
    QCOMPARE(kal->ShowTour(), QStringLiteral("no"));
    QCOMPARE(kal->ShowProgr(), QStringLiteral("Calendar"));
    QCOMPARE(kal->Date(), QStringLiteral("08.12.2026"));
    // The date field is live in the window, at the component's place.
    QLineEdit* day = DayField(*window);
    QVERIFY(Child<QLabel>(*window, "Pnl_Kal")->isAncestorOf(day));
    QVERIFY(day->isVisible());
    QCOMPARE(day->text(), QStringLiteral("08"));
  }

  void kalenderblattOpensThePopUpAndClosingPutsTheDateBack() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    TKalender* kal = Kalender(*window);
    QSignalSpy vis(kal, &TKalender::OnChangeVis);
    auto* button = Child<QPushButton>(*window, "Btn_OpenCal");
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(kal->CalOpen());
    QVERIFY(kal->CalendarPopup()->isVisible());
    QVERIFY(kal->DateCal()->MoCal()->isVisible());
    QVERIFY(kal->CalendarPopup()->isAncestorOf(DayField(*window)));
    QVERIFY(!button->isVisible());
    QCOMPARE(Child<QLabel>(*window, "Pnl_Kal")->width(), 0);
    QCOMPARE(vis.count(), 1);
    ClosePopup(*window);
    QVERIFY(!kal->CalOpen());
    QVERIFY(!kal->CalendarPopup()->isVisible());
    QCOMPARE(vis.count(), 2);
    QVERIFY(button->isVisible());
    QVERIFY(Child<QLabel>(*window, "Pnl_Kal")->isAncestorOf(DayField(*window)));
    QVERIFY(DayField(*window)->isVisible());
    QCOMPARE(Child<QLabel>(*window, "Pnl_Kal")->width(), 88);
    QVERIFY(!Child<QLabel>(*window, "Pnl_Contr")->isVisible());
    // Closed, the date field shows the date alone, without its button.
    QCOMPARE(kal->Modus(), QStringLiteral("D"));
    QVERIFY(!kal->ShowBtn());
    QVERIFY(!kal->DateCal()->DateEdt()->SwitchBtn()->isVisible());
    // It opens again, once more from the button.
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(kal->CalOpen());
    QCOMPARE(vis.count(), 3);
    ClosePopup(*window);
  }

  void openingAndClosingSwitchTheStripsGAndV() {
    const struct {
      int small;
      bool contrShown;  // the "G" and "V" over the date field while open
      const char* big1;
      const char* hide1;
    } kCases[] = {{1, true, "G", "V"}, {0, true, "", ""}};
    for (const auto& c : kCases) {
      platform::MemoryStore store = StoreWith(c.small, 1, 0, 0, 0);
      const auto window = MakeWindow(store);
      window->show();
      QCOMPARE(window->BigMode(), c.small == 0);
      auto* contr = Child<QLabel>(*window, "Pnl_Contr");
      QVERIFY(!contr->isVisible());
      Kalender(*window)->Open();
      QCOMPARE(contr->isVisible(), c.contrShown);
      QCOMPARE(Child<QLabel>(*window, "Pnl_Big1")->text(), QString::fromUtf8(c.big1));
      QCOMPARE(Child<QLabel>(*window, "Pnl_Hide1")->text(), QString::fromUtf8(c.hide1));
      QCOMPARE(Child<QLabel>(*window, "Pnl_Kal")->width(), 0);
      ClosePopup(*window);
      QVERIFY(!contr->isVisible());
      QCOMPARE(Child<QLabel>(*window, "Pnl_Kal")->width(), 88);
      QVERIFY(DayField(*window)->isVisible());
      if (c.small == 1) {
        QCOMPARE(window->size(), QSize(88, 20));
        QVERIFY(window->OnTop());
      }
    }
  }

  // The green "G" shown while the pop-up is open brings the normal window back.
  void theGreenPanelOfTheOpenPopUpGivesTheNormalWindow() {
    platform::MemoryStore store = StoreWith(1, 0, 0, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    QTest::mouseDClick(DayField(*window), Qt::LeftButton);
    QVERIFY(Kalender(*window)->CalOpen());
    ClickPanel(Child<QLabel>(*window, "Pnl_Big1"));
    QVERIFY(window->BigMode());
    QCOMPARE(window->size(), QSize(192, 252));
    ClosePopup(*window);
    QVERIFY(Child<QPushButton>(*window, "Btn_OpenCal")->isVisible());
  }

  void aDayPickedInThePopUpShowsInTheWindow() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    TKalender* kal = Kalender(*window);
    QVERIFY(kal->SetDate(QStringLiteral("17.10.2024")));
    auto* timer = Child<QTimer>(*window, "Timer2");
    timer->stop();
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_OpenCal"), Qt::LeftButton);
    QSignalSpy changes(kal, &TKalender::OnChange);
    QTest::mouseClick(kal->DateCal()->MoCal()->findChild<QWidget*>("Lbl_Day4"), Qt::LeftButton);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(window->ShownDate(), QStringLiteral("03.10.2024"));
    // The change reached the window: "nach 1 h aktuallisieren" runs again.
    QVERIFY(timer->isActive());
    ClosePopup(*window);
    QCOMPARE(DayField(*window)->text(), QStringLiteral("03"));
    QCOMPARE(kal->DateCal()->DateEdt()->DateField()->Edt(1)->text(), QStringLiteral("10"));
    // The hourly refresh brings today back into the field.
    Tick(timer);
    QCOMPARE(window->ShownDate(), QStringLiteral("08.12.2026"));
    QCOMPARE(DayField(*window)->text(), QStringLiteral("08"));
  }

  void aStoredRegionReachesTheComponent() {
    const struct {
      int landSave;
      const char* stored;
      const char* land;
      const char* name;
    } kCases[] = {
        {1, "A-W", "A-W", "Wien"},
        {1, "A-NÖ", "A-NÖ", "Niederösterreich"},
        {1, "D-BY", "D-BY", "Bayern"},
        // Without "Land speichern" the key keeps no region.
        {0, nullptr, "D-NI", "Niedersachsen"},
    };
    for (const auto& c : kCases) {
      platform::MemoryStore store = StoreWith(0, 0, 1, 0, c.landSave);
      if (c.stored != nullptr) store.Set("Land", std::string(c.stored));
      const auto window = MakeWindow(store);
      window->show();
      TKalender* kal = Kalender(*window);
      QCOMPARE(kal->Land(), QString::fromUtf8(c.land));
      QCOMPARE(kal->DateCal()->DateLand(),
               QStringLiteral("08.12.2026") + QString::fromUtf8(c.land));
      kal->Open();
      QCOMPARE(kal->DateCal()->LblLand()->text(), QString::fromUtf8(c.name));
      ClosePopup(*window);
    }
  }

  void aDoubleClickOnTheDateOpensThePopUpAndTypingDoesNot() {
    platform::MemoryStore store = StoreWith(1, 0, 0, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    TKalender* kal = Kalender(*window);
    QLineEdit* day = DayField(*window);
    QTest::keyClicks(day, "1");
    QVERIFY(!kal->CalOpen());
    QTest::mouseDClick(day, Qt::LeftButton);
    QVERIFY(kal->CalOpen());
    QVERIFY(Child<QLabel>(*window, "Pnl_Contr")->isVisible());
    ClosePopup(*window);
  }

  void theWebSiteOpensFromTheButtonAndTheMemo() {
    testsupport::OpenedAddresses opened;
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Web"), Qt::LeftButton);
    QTest::mouseDClick(Child<QPlainTextEdit>(*window, "Memo1")->viewport(), Qt::LeftButton);
    QCOMPARE(opened.size(), size_t{2});
    QCOMPARE(opened[0], std::string(TCalVrn::kWebSite));
    QCOMPARE(Child<QPlainTextEdit>(*window, "Memo1")->focusPolicy(), Qt::NoFocus);
  }

  void closingSavesThePlaceAndSaysSo() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->show();
    window->move(300, 310);
    QSignalSpy closed(window.get(), &TCalVrn::Closed);
    window->close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(store.ReadInt("x_B"), std::optional<std::int32_t>(300));
    QCOMPARE(store.ReadInt("y_B"), std::optional<std::int32_t>(310));
  }

  // The real store under the window: a hand-edited file and a region with an umlaut.
  void aHandEditedSettingsFileIsReadAsFarAsItCanBe() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString file = directory.filePath("RaZaduvovi.conf");
    {
      QFile conf(file);
      QVERIFY(conf.open(QIODevice::WriteOnly));
      conf.write(
          "[General]\nsmal=2\nFront=0\nDate1h=0\nClock00=0\nLandSave=1\nx_B=abc\n"
          "y_B=5\nx_S=600\ny_S=7\nLand=A-W\n");
    }
    platform::SettingsStore store(file);
    {
      const auto window = MakeWindow(store);
      window->show();
      QVERIFY(!window->BigMode());
      QCOMPARE(window->size(), QSize(88, 20));
      // Reading stopped at x_B: the positions are the window's own, held on the screen.
      QCOMPARE(window->Positions(), (app::WindowPositions{0, 0, 0, 0}));
      QCOMPARE(window->Land(), QStringLiteral("D-NI"));
      window->SetLand(QStringLiteral("A-NÖ"));
      window->move(600, 7);
      window->close();
    }
    // "abc" is no number: the file is the user's until he saves.
    QCOMPARE(store.ReadText("x_B"), std::optional<std::string>("abc"));
    {
      const auto window = MakeWindow(store);
      window->show();
      window->SetLand(QStringLiteral("A-NÖ"));
      window->move(600, 7);
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
    }
    QCOMPARE(store.ReadText("Land"), std::optional<std::string>("A-NÖ"));
    const auto next = MakeWindow(store);
    next->show();
    QCOMPARE(next->Land(), QStringLiteral("A-NÖ"));
    QCOMPARE(next->pos(), QPoint(600, 7));
  }

  // A store with a value of another type was written over by Timer1, the
  // strip's panels and closing, before the user had saved anything.
  void aDamagedStoreIsWrittenOnlyBySpeichern() {
    platform::MemoryStore store = StoreWith(1, 1, 0, 0, 0);
    store.Set("x_B", std::string("abc"));
    const int writes = store.writes;
    {
      const auto window = MakeWindow(store);
      window->show();
      QVERIFY(!window->BigMode());  // "smal" came before the damage and counts
      Tick(Child<QTimer>(*window, "Timer1"));
      window->Kalender1ChangeVis(true);
      ClickPanel(Child<QLabel>(*window, "Pnl_Hide1"));
      window->Kalender1ChangeVis(false);
      ClickPanel(Child<QLabel>(*window, "Pnl_Hide"));
      ClickPanel(Child<QLabel>(*window, "Pnl_Big"));
      QVERIFY(window->BigMode());
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Back"), Qt::LeftButton);
      window->close();
    }
    {
      const auto window = MakeWindow(store);
      window->show();
      // Going away with the session, without a close.
    }
    QCOMPARE(store.writes, writes);
    QCOMPARE(store.removals, 0);
    QCOMPARE(store.ReadText("x_B"), std::optional<std::string>("abc"));

    const auto window = MakeWindow(store);
    window->show();
    window->move(300, 310);
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
    QCOMPARE(store.writes, writes + 1);
    QCOMPARE(store.ReadInt("x_S"), std::optional<std::int32_t>(300));
    // Saved once, the key is the program's again and follows the window.
    window->move(320, 330);
    window->close();
    QCOMPARE(store.writes, writes + 2);
    QCOMPARE(store.ReadInt("y_S"), std::optional<std::int32_t>(330));
  }

  // A settings file that does not parse was taken for no file: the first
  // start wrote its defaults over it, or closing did.
  void anUnreadableSettingsFileStaysByteForByteUntilSpeichern() {
    const QByteArray kContents[] = {
        QByteArray("\xff\xfe\x00\x01[[[\n=\n", 9),
        QByteArray("[General\nsmal=1\nx_B=5\n"),
        QByteArray("\xef\xbb\xbf[General]\nsmal=1\nFront=0\nDate1h=0\nClock00=0\nLandSave=0\n"
                   "x_B=5\ny_B=6\nx_S=7\ny_S=8\n"),
        QByteArray("[General]\nsmal=ja\nFront=0\n"),
    };
    for (const QByteArray& content : kContents) {
      QTemporaryDir directory;
      QVERIFY(directory.isValid());
      const QString file = directory.filePath("RaZaduvovi.conf");
      {
        QFile conf(file);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(content);
      }
      const auto bytes = [&file] {
        QFile conf(file);
        return conf.open(QIODevice::ReadOnly) ? conf.readAll() : QByteArray("(fehlt)");
      };
      platform::SettingsStore store(file);
      for (const bool close : {true, false}) {
        const auto window = MakeWindow(store);
        window->show();
        QVERIFY(window->BigMode());
        Tick(Child<QTimer>(*window, "Timer1"));
        window->move(300, 310);
        if (close) window->close();
      }
      QCOMPARE(bytes(), content);

      const auto window = MakeWindow(store);
      window->show();
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
      Child<QCheckBox>(*window, "CB_Date1h")->setChecked(true);
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
      QVERIFY(bytes() != content);
      QCOMPARE(store.ReadInt("Date1h"), std::optional<std::int32_t>(1));
      QVERIFY(!store.Unreadable());
    }
  }

  // A refused save passed without a word, as if the settings were kept.
  void aRefusedSaveIsReported() {
    struct RefusingStore : platform::MemoryStore {
      bool Replace(const std::vector<platform::StoredEntry>&) override { return false; }
      bool Remove() override { return false; }
    };
    for (const bool tick : {true, false}) {
      RefusingStore store;
      store.Set("smal", 0);
      const auto window = MakeWindow(store);
      QStringList messages;
      window->SetMessageSink(
          [&](const QString& title, const QString& text) { messages << title + ": " + text; });
      window->show();
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
      Child<QCheckBox>(*window, "CB_Date1h")->setChecked(tick);
      QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
      QCOMPARE(messages.size(), 1);
      QVERIFY(messages[0].startsWith(
          "Einstellungen: Die Einstellungen konnten nicht gespeichert werden."));
    }
  }

  void aRequestFromOutsideRestoresAMinimisedWindow() {
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    window->showMinimized();
    QVERIFY(window->isMinimized());
    window->ShowFromOutside();
    QVERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());
  }

  // The program itself as the second start: it asks this process, the first
  // instance, to show its minimised window and ends without a setting.
  void aSecondStartOfTheProgramRaisesTheFirst() {
    QTemporaryDir runtime;
    QTemporaryDir config;
    QVERIFY(runtime.isValid() && config.isValid());
    platform::SingleInstance first(runtime.path());
    QCOMPARE(first.Claim(), platform::SingleInstance::Start::First);
    platform::MemoryStore store = StoreWith(0, 0, 1, 0, 0);
    const auto window = MakeWindow(store);
    connect(&first, &platform::SingleInstance::ShowRequested, window.get(),
            &TCalVrn::ShowFromOutside);
    window->showMinimized();
    QSignalSpy shown(&first, &platform::SingleInstance::ShowRequested);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(RAZ_PROGRAM_FILE), {});
    QVERIFY(shown.wait(10000));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
    QVERIFY(QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
  }
};

RAZ_WIDGET_TEST(TCalVrnTest);

#include "calvrn_test.moc"

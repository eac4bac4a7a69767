// SPDX-License-Identifier: MIT
// Widget tests of the calendar component: the pop-up opening and closing,
// the date edit's place in the host, the relayed properties and services.
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "controls/date.h"
#include "controls/mocal.h"
#include "platform/openurl.h"
#include "popup/dateca.h"
#include "popup/kalender.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"
#include "tools/beam.h"

namespace {

// The window the start-date edit's fields stand in.
QWidget* FieldsHost(TKalender& kal) {
  return kal.DateCal()->DateEdt()->DateField()->parentWidget()->parentWidget();
}

QPoint FieldsPos(TKalender& kal) {
  return kal.DateCal()->DateEdt()->DateField()->parentWidget()->pos();
}

class TKalenderTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { urls.clear(); }

  void StartsClosedWithTheDateEditInTheHost() {
    QWidget host;
    auto* kal = new TKalender(&host);
    kal->move(20, 30);
    host.show();
    QVERIFY(!kal->CalOpen());
    QCOMPARE(kal->size(), QSize(0, 0));
    QCOMPARE(FieldsHost(*kal), &host);
    QCOMPARE(FieldsPos(*kal), QPoint(20, 30));
    QWidget* popup = kal->findChild<QWidget*>("CalendarPopup");
    QVERIFY(popup != nullptr);
    QCOMPARE(popup, kal->CalendarPopup());
    QVERIFY(popup->isWindow());
    QVERIFY(popup->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(popup->size(), QSize(268, 320));
    QCOMPARE(popup->windowTitle(), QStringLiteral("Kalender"));
    QCOMPARE(kal->Version(), QStringLiteral("4.284.54.16"));
    QVERIFY(kal->About().startsWith("4.284.54.16 "));
    kal->SetAbout("x");
    QVERIFY(kal->About().startsWith("4.284.54.16 "));
  }

  void OpenAndCloseFireOnceAndPutTheEditBack() {
    QWidget host;
    host.resize(300, 200);
    auto* kal = new TKalender(&host);
    kal->move(40, 50);
    host.show();
    QSignalSpy vis(kal, &TKalender::OnChangeVis);
    QSignalSpy changes(kal, &TKalender::OnChange);
    kal->Open();
    QVERIFY(kal->CalOpen());
    QVERIFY(kal->CalendarPopup()->isVisible());
    QCOMPARE(FieldsHost(*kal), kal->DateCal()->DateEdt());
    QVERIFY(kal->DateCal()->MoCal()->isVisible());
    kal->Open();
    QCOMPARE(vis.count(), 1);
    kal->Close();
    QVERIFY(!kal->CalOpen());
    QVERIFY(!kal->CalendarPopup()->isVisible());
    kal->Close();
    QCOMPARE(vis.count(), 2);
    QCOMPARE(FieldsHost(*kal), &host);
    QCOMPARE(FieldsPos(*kal), QPoint(40, 50));
    // Opening and closing change no date.
    QCOMPARE(changes.count(), 0);
    QCOMPARE(kal->size(), QSize(0, 0));
    QVERIFY(!kal->DateCal()->MoCal()->isVisibleTo(kal->DateCal()));
    // Moved while closed, the edit follows the component's place.
    kal->move(60, 70);
    QCOMPARE(FieldsPos(*kal), QPoint(60, 70));
    host.move(host.pos() + QPoint(10, 10));
    QCOMPARE(FieldsHost(*kal), &host);
    QCOMPARE(FieldsPos(*kal), QPoint(60, 70));
  }

  void EscapeCloseButtonAndDeactivationClose() {
    QWidget host;
    auto* kal = new TKalender(&host);
    host.show();
    QSignalSpy vis(kal, &TKalender::OnChangeVis);
    kal->Open();
    QVERIFY(kal->CalendarPopup()->close() == false);
    QVERIFY(!kal->CalOpen());
    kal->Open();
    QVERIFY(QTest::qWaitForWindowActive(kal->CalendarPopup()));
    QTest::keyClick(kal->CalendarPopup()->focusWidget() != nullptr
                        ? kal->CalendarPopup()->focusWidget()
                        : kal->CalendarPopup(),
                    Qt::Key_Escape);
    QVERIFY(!kal->CalOpen());
    kal->Open();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(kal->CalendarPopup(), &deactivate);
    QVERIFY(kal->CalOpen());  // deferred and checked again
    QTRY_VERIFY(!kal->CalOpen());
    QCOMPARE(vis.count(), 6);
  }

  // A window of the pop-up's own, such as the print preview, takes the
  // activation without closing the pop-up; the pop-up closes once another
  // window is active.
  void OwnWindowKeepsThePopupOpen() {
    QWidget host;
    auto* kal = new TKalender(&host);
    host.show();
    kal->Open();
    QVERIFY(QTest::qWaitForWindowActive(kal->CalendarPopup()));
    auto* preview = new QDialog(kal->CalendarPopup()->findChild<QWidget*>());
    preview->setModal(true);
    preview->show();
    preview->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(preview));
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(kal->CalendarPopup(), &deactivate);
    QTest::qWait(20);
    QVERIFY(kal->CalOpen());
    delete preview;
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QCoreApplication::sendEvent(kal->CalendarPopup(), &deactivate);
    QTRY_VERIFY(!kal->CalOpen());
  }

  // Guards against closing with typed text losing the date check.
  void CloseChecksTypedText() {
    QWidget host;
    auto* kal = new TKalender(&host);
    host.show();
    kal->Open();
    TDate* field = kal->DateCal()->DateEdt()->DateField();
    const struct {
      int index;
      const char* text;
    } kTyped[] = {{0, "31"}, {1, "02"}, {2, "2003"}};
    for (const auto& typed : kTyped) {
      field->Edt(typed.index)->selectAll();
      QTest::keyClicks(field->Edt(typed.index), typed.text);
    }
    QSignalSpy changes(kal, &TKalender::OnChange);
    kal->Close();
    QCOMPARE(kal->Date(), QStringLiteral("28.02.2003"));
    QVERIFY(changes.count() >= 1);
  }

  // Guards against corrections of a date typed in the host window going to
  // the closed pop-up's message panel, where nobody sees them.
  void CorrectionWhileClosedIsAMessageBox() {
    QWidget host;
    auto* kal = new TKalender(&host);
    host.show();
    testsupport::ShownMessages shown;
    kal->DateCal()->SetMessageSink(shown.Sink());
    TDate* field = kal->DateCal()->DateEdt()->DateField();
    const struct {
      int index;
      const char* text;
    } kTyped[] = {{0, "31"}, {1, "02"}, {2, "2003"}};
    for (const auto& typed : kTyped) {
      field->Edt(typed.index)->selectAll();
      QTest::keyClicks(field->Edt(typed.index), typed.text);
    }
    kal->DateCal()->DateEdt()->CheckTyped();
    QCOMPARE(kal->Date(), QStringLiteral("28.02.2003"));
    QCOMPARE(shown.size(), 1u);
    QVERIFY(!kal->DateCal()->Mess()->isVisibleTo(kal->DateCal()));
  }

  void ShowProgrMapsBothWays() {
    TKalender kal;
    kal.SetShowProgr("SearchDateForm");
    QCOMPARE(kal.DateCal()->ProgCaption(), QStringLiteral("Datumsformate (IT-2)"));
    QCOMPARE(kal.CalendarPopup()->windowTitle(), QStringLiteral("Datumsformate (IT-2)"));
    QCOMPARE(kal.ShowProgr(), QStringLiteral("SearchDateForm"));
    kal.DateCal()->Beam()->SwitchProgram();
    QCOMPARE(kal.DateCal()->ProgCaption(), QStringLiteral("Datumsformate (IT-3)"));
    QCOMPARE(kal.ShowProgr(), QStringLiteral("New"));
    kal.SetShowProgr("New");
    QCOMPARE(kal.DateCal()->ProgCaption(), QStringLiteral("Kalender"));
    QCOMPARE(kal.ShowProgr(), QStringLiteral("Calendar"));
    kal.SetShowProgr("calcDate");
    QCOMPARE(kal.DateCal()->Beam()->ProgId(), 1);
    kal.SetShowProgr("abc");
    QCOMPARE(kal.DateCal()->Beam()->ProgId(), 1);
    kal.SetShowProgr("Calendar");
    QCOMPARE(kal.DateCal()->Beam()->ProgId(), 0);
  }

  void JulianCalendarKeepsTheCalendarPage() {
    TKalender kal;
    kal.SetCalendar("J");
    kal.SetShowProgr("Time");
    QCOMPARE(kal.DateCal()->ProgCaption(), QStringLiteral("Kalender"));
    QCOMPARE(kal.DateCal()->Beam()->ProgId(), 0);
  }

  void RelayedProperties() {
    TKalender kal;
    kal.SetShowBtn(true);
    kal.SetModus("TM");
    QVERIFY(!kal.ShowBtn());
    QCOMPARE(kal.Modus(), QStringLiteral("TM"));
    kal.SetShowTour("grafic");
    QCOMPARE(kal.ShowTour(), QStringLiteral("grafic"));
    QCOMPARE(kal.DateCal()->MoCal()->Tour(), QStringLiteral("grafic"));
    kal.SetShowTour("no");
    kal.SetShowTour("abc");
    QCOMPARE(kal.ShowTour(), QStringLiteral("no"));
    QCOMPARE(kal.DateCal()->MoCal()->Tour(), QStringLiteral("no"));
    kal.SetLand("D-BY");
    QCOMPARE(kal.Land(), QStringLiteral("D-BY"));
    QVERIFY(kal.setProperty("Visible", false));
    QVERIFY(!kal.property("Visible").toBool());
    QVERIFY(!kal.DateCal()->Visible());
  }

  // Guards against a non-numeric day-number text reading as a day.
  void ServicesReadOddTextsSafely() {
    TKalender kal;
    QVERIFY(kal.SetDate("24.12.2003"));
    QCOMPARE(kal.iJD(), 2452998);
    QVERIFY(!kal.SetDate("29.02.2023"));
    QVERIFY(!kal.SetDate(""));
    QVERIFY(!kal.SetDate("1.1"));
    QCOMPARE(kal.Date(), QStringLiteral("24.12.2003"));
    QVERIFY(!kal.SetDateJD("abc"));
    QVERIFY(!kal.SetDateJD(""));
    QVERIFY(!kal.SetDateJD("99999999"));
    QVERIFY(kal.SetDateJD("2451545"));
    QCOMPARE(kal.Date(), QStringLiteral("01.01.2000"));
    QCOMPARE(kal.DateToJD("01.01.2000"), QStringLiteral("2451545"));
    QCOMPARE(kal.JDToDate("2451545"), QStringLiteral("01.01.2000"));
    QCOMPARE(kal.TodayText(), QStringLiteral("08.12.2026"));
    QCOMPARE(kal.RegionName("D-NI"), QStringLiteral("Niedersachsen"));
    QCOMPARE(kal.NextWorkingDay("2459987", "D-NI"), QStringLiteral("13.02.2023"));
    QCOMPARE(kal.NextWorkingDaySat("2459987", "D-NI"), QStringLiteral("11.02.2023"));
    QCOMPARE(kal.NextWorkingDay("abc", "D-NI"), QString());
    QVERIFY(kal.ScreenSize().endsWith(" Pixel"));
    QVERIFY(kal.PeriodText("01.01.2023", "01.01.2024", true, false).startsWith("Vom 01.01.2023"));
  }

  // Guards against OpenUrl handing a local file or program to the system.
  void OpenUrlOpensOnlyWebAddresses() {
    TKalender kal;
    QCOMPARE(kal.OpenUrl("https://de.wikipedia.org/wiki/Kalender"), 1);
    QCOMPARE(kal.OpenUrl("file:///etc/passwd"), 0);
    QCOMPARE(kal.OpenUrl("/bin/sh"), 0);
    QCOMPARE(kal.OpenUrl(""), 0);
    QCOMPARE(urls.list(), std::vector<std::string>{"https://de.wikipedia.org/wiki/Kalender"});
  }

  void ChangeRelayFiresOnChange() {
    TKalender kal;
    QSignalSpy changes(&kal, &TKalender::OnChange);
    QVERIFY(kal.SetDate("03.10.2024"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(kal.DateCal()->Beam()->DateLand(), QStringLiteral("03.10.2024") + kal.Land());
  }

  // Guards against the date edit's fields calling back into the half-destroyed
  // date edit while the host goes (an error of the sanitizer build).
  void HostDestroyedWithThePopUpOpenOrClosed() {
    for (bool open : {true, false}) {
      auto host = std::make_unique<QWidget>();
      auto* kal = new TKalender(host.get());
      host->show();
      if (open) kal->Open();
      QPointer<QWidget> popup = kal->CalendarPopup();
      QPointer<QWidget> fields = kal->DateCal()->DateEdt()->DateField();
      host.reset();
      QVERIFY(popup.isNull());
      QVERIFY(fields.isNull());
    }
  }

 private:
  testsupport::OpenedAddresses urls;
};

}  // namespace

RAZ_WIDGET_TEST(TKalenderTest);
#include "kalender_test.moc"

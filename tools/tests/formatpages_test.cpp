// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "controls/dateedt.h"
#include "platform/clipboard.h"
#include "platform/openurl.h"
#include "testsupport/days.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"
#include "tools/beampage.h"
#include "tools/formatpages.h"
#include "tools/pagewidgets.h"

namespace {

QString Value(const QWidget& page, const QString& name) {
  auto* field = page.findChild<TCopyField*>(name);
  return field != nullptr ? field->text() : QStringLiteral("<none>");
}

}  // namespace

class TFormatPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    platform::SetClipboardWriter({});
    platform::SetUrlOpener({});
  }

  void everyProgramHasItsPage() {
    QWidget parent;
    const struct {
      int progId;
      const char* name;
    } kPages[] = {{2, "PageClock"},     {3, "PageWorkHours"},  {4, "PageIsin"},
                  {5, "PageSysInfo"},   {7, "PageFormatP7"},   {8, "PageFormatP8"},
                  {9, "PageFormatIT1"}, {10, "PageFormatIT2"}, {11, "PageFormatIT3"}};
    for (const auto& p : kPages) {
      TBeamPage* page = CreateBeamPage(p.progId, &parent);
      QVERIFY(page != nullptr);
      QCOMPARE(page->objectName(), QString(p.name));
      QCOMPARE(page->parent(), &parent);
      QCOMPARE(page->size(), QSize(249, 217));
    }
    for (int progId : {-1, 0, 1, 6, 12}) QVERIFY(CreateBeamPage(progId, &parent) == nullptr);
  }

  // Every page's copy text is its own lines, each ended by CR LF, without the
  // caption line the panel puts in front once.
  void copyTextsEndEveryLineWithCrLf() {
    QWidget parent;
    const struct {
      int progId;
      const char* caption;
    } kPages[] = {{2, "Uhrzeit"},
                  {3, "Zeitdifferenz (Arbeitsstunden)"},
                  {4, "WKN nach ISIN / Kurs abfragen"},
                  {5, "Windows Info"},
                  {7, "Datumsformate (numerisch)"},
                  {8, "Datumsformate (alphanumerisch)"},
                  {9, "Datumsformate (IT-1)"},
                  {10, "Datumsformate (IT-2)"},
                  {11, "Datumsformate (IT-3)"}};
    for (const auto& p : kPages) {
      TBeamPage* page = CreateBeamPage(p.progId, &parent);
      page->Refresh(testsupport::DayOf("08.12.2026", "D-NI", "12:30:00"));
      const QString body = page->CopyBody();
      QVERIFY2(!body.isEmpty(), p.caption);
      QVERIFY2(body.endsWith("\r\n"), p.caption);
      QVERIFY2(!body.startsWith(QString(p.caption) + "\r\n"), p.caption);
      QCOMPARE(body.count('\n'), body.count("\r\n"));
      QCOMPARE(body.count('\r'), body.count("\r\n"));
    }
  }

  void numericPage() {
    TNumericFormatPage page;
    page.Refresh(testsupport::DayOf("08.12.2026", "D-NI", "12:30:00"));
    QCOMPARE(page.findChildren<TCopyField*>().size(), 23);
    QCOMPARE(Value(page, "Fmt_DD.MM.YYYY"), QString("08.12.2026"));
    QCOMPARE(Value(page, "Fmt_YY-M-D"), QString("26-12-8"));
    QCOMPARE(Value(page, "Fmt_M/D/YY"), QString("12/8/26"));
    QVERIFY(page.CopyBody().startsWith("DDMMYYYY\r\nTag Monat Jahr\r\n--------------\r\n"));
    QSignalSpy changed(&page, &TBeamPage::TextChanged);
    page.Refresh(testsupport::DayOf("01.03.2026", "D-NI", "12:30:00"));
    QCOMPARE(Value(page, "Fmt_D.M.YY"), QString("1.3.26"));
    QCOMPARE(changed.count(), 0);  // a date change is the panel's own news
    auto* countries = page.findChild<TLinkLabel*>("Lbl_Countries");
    QCOMPARE(countries->property("Caption").toString(),
             QString("Wo werden welche\r\nDatumsformate verwendet?"));
    QCOMPARE(countries->toolTip(), QString("linke Maustaste = Länderliste "));
    QCOMPARE(countries->Address(), QString("https://en.wikipedia.org/wiki/Date_format_by_country"));
  }

  void writtenPage() {
    TWrittenFormatPage page;
    page.Refresh(testsupport::DayOf("01.03.2026", "D-NI", "12:30:00"));
    QCOMPARE(page.findChildren<TCopyField*>().size(), 16);
    QCOMPARE(Value(page, "Fmt_german_short"), QString("01 Mrz 2026"));
    QCOMPARE(Value(page, "Fmt_english_month_first"), QString("March 01th, 2026"));
    QCOMPARE(page.Field("Fmt_spanish")->toolTip(),
             QString("spanisch\n\rDblClick = in die Zwischenablage"));
    QVERIFY(page.CopyBody().startsWith("Tag Monat Jahr\r\n--------------\r\n1. März 2026\r\n"));
  }

  void doubleClickCopiesTheValue() {
    testsupport::CopiedTexts copied;
    TWrittenFormatPage page;
    page.Refresh(testsupport::DayOf("08.12.2026", "D-NI", "12:30:00"));
    QTest::mouseDClick(page.Field("Fmt_french"), Qt::LeftButton);
    QCOMPARE(copied.list(), std::vector<std::string>{"8 décembre 2026"});
  }

  // The technical pages start from the start date, the date edit's time and
  // that day's legal offset, on every refresh.
  void technicalPagesFollowTheDay() {
    TTechFormatPage it2(2);
    it2.Refresh(testsupport::DayOf("08.12.2026", "D-NI", "12:30:00"));
    QCOMPARE(it2.OffsetEdit()->text(), QString("+01:00"));
    QCOMPARE(Value(it2, "Edt_IT2_11"), QString("081230Adec26"));
    QCOMPARE(Value(it2, "Edt_IT2_12"), QString("081130Zdec26"));
    QCOMPARE(Value(it2, "Edt_IT2_1"), QString("1796729400"));
    QVERIFY(!it2.findChild<TCopyField*>("Edt_IT2_2")->isVisibleTo(&it2));
    it2.Refresh(testsupport::DayOf("15.07.2024", "D-NI", "12:00:00"));
    QCOMPARE(it2.OffsetEdit()->text(), QString("+02:00"));
    QCOMPARE(Value(it2, "Edt_IT2_11"), QString("151200Bjul24"));
    QCOMPARE(Value(it2, "Edt_IT2_12"), QString("151000Zjul24"));
  }

  void technicalPageWithItsOwnOffset() {
    TTechFormatPage it1(1);
    it1.Refresh(testsupport::DayOf("01.01.1970", "D-NI", "00:00:00"));
    QSignalSpy changed(&it1, &TBeamPage::TextChanged);
    it1.OffsetEdit()->setText("+00:00");
    emit it1.OffsetEdit()->textEdited("+00:00");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(Value(it1, "Edt_IT1_1"), QString("1970-01-01T00:00:00+00:00"));
    QCOMPARE(Value(it1, "Edt_IT1_5"), QString("2440587,5"));
    QVERIFY(it1.CopyBody().startsWith(
        "XSDateTime\r\n1970-01-01T00:00:00+00:00\r\n--------------\r\n"
        "XSDateTimeMSec\r\n1970-01-01T00:00:00.000+00:00\r\n--------------\r\n"));
    // A half-typed offset is none: the values go empty, nothing is guessed.
    it1.OffsetEdit()->setText("+1");
    emit it1.OffsetEdit()->textEdited("+1");
    QCOMPARE(Value(it1, "Edt_IT1_5"), QString());
  }

  // A day the page's date edit shows in the Julian calendar is still the
  // same moment: the forms read it by its day number.
  void technicalPageWithAJulianDay() {
    TTechFormatPage it1(1);
    it1.Refresh(testsupport::DayOf("08.12.2026", "D-NI", "12:30:00"));
    it1.DateEdit()->SetCalendar("J");
    QCOMPARE(it1.DateEdit()->K_Date(), QString("25.11.2026"));
    QCOMPARE(Value(it1, "Edt_IT1_1"), QString("2026-12-08T12:30:00+01:00"));
  }

  void technicalCaptionsOpenTheirReferences() {
    testsupport::OpenedAddresses opened;
    TTechFormatPage it3(3);
    it3.Refresh(testsupport::DayOf("08.12.2026", "D-NI", "12:30:00"));
    QCOMPARE(Value(it3, "Edt_IT3_10"), QString("12:30:00.000 PM 12/08/2026 UTC+01:00"));
    auto* caption = it3.findChild<TLinkLabel*>("Lbl_IT3_10");
    QCOMPARE(caption->text(), QString("MDY 12h"));
    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(opened.list(),
             std::vector<std::string>{"https://en.wikipedia.org/wiki/Date_format_by_country"});
  }
};

RAZ_WIDGET_TEST(TFormatPagesTest);
#include "formatpages_test.moc"

// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "controls/date.h"
#include "controls/dateedt.h"
#include "controls/mocal.h"
#include "engine/interest.h"
#include "interest/qvversion.h"
#include "interest/qvzins.h"
#include "platform/openurl.h"
#include "popup/dateca.h"
#include "popup/kalender.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"
#include "tools/beam.h"

namespace {

// An amount as the result fields show it: right-aligned to 18 characters.
QString Pad(const QString& text) {
  return text.rightJustified(18, QLatin1Char(' '));
}

// A window as the main window opens it, with the question answered by the
// test.
struct Window {
  Window() {
    w = new TQvZins;
    w->SetQuestion([this](const QString& title, const QString& text) {
      asked << title + "|" + text;
      return answer;
    });
    w->show();
  }
  ~Window() { delete w; }

  QLineEdit* E(const char* name) const { return w->Edit(name); }
  QComboBox* L(const char* name) const { return w->List(name); }
  QString T(const char* name) const { return E(name)->text(); }
  QString Hint(const char* name) const {
    return w->findChild<QWidget*>(QString::fromLatin1(name))->toolTip();
  }
  QLabel* Label(const char* name) const { return w->findChild<QLabel*>(QString::fromLatin1(name)); }
  QPushButton* Button(const char* name) const {
    return w->findChild<QPushButton*>(QString::fromLatin1(name));
  }
  QPlainTextEdit* Memo(const char* name) const {
    return w->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
  }
  TKalender* Kalender() const { return w->findChild<TKalender*>("Kalender1"); }
  // The calendar component's date edit, its fields and whether they show.
  TDateEdt* Editor() const { return Kalender()->DateCal()->DateEdt(); }
  QWidget* EditorFields() const { return Editor()->DateField()->parentWidget(); }
  bool EditorShown() const { return Editor()->DateField()->isVisible(); }
  // Whether a widget belongs to the component: its pop-up or its date edit.
  bool OfComponent(const QWidget* widget) const {
    for (const QWidget* p = widget; p != nullptr; p = p->parentWidget()) {
      if (p == Kalender() || p == EditorFields()) return true;
    }
    return false;
  }
  // Clicks the day of the shown month in the pop-up's month sheet.
  void PickInSheet(int day) {
    TMoCal* sheet = Kalender()->DateCal()->MoCal();
    QVERIFY(sheet->isVisible());
    const auto& cells = sheet->View().cells;
    for (int i = 0; i < 42; ++i) {
      // Days from 15 on occur once on a sheet.
      if (QString::fromStdString(cells[i].text).trimmed().toInt() != day) continue;
      QTest::mouseClick(sheet->findChild<QWidget*>(QStringLiteral("Lbl_Day%1").arg(i + 1)),
                        Qt::LeftButton);
      return;
    }
    QFAIL("day not on the sheet");
  }
  QStringList Lines(const char* memo) const { return Memo(memo)->toPlainText().split('\n'); }

  // Clicks a date field and picks the day in the editor that opens over it.
  void SetDate(const char* field, const char* date) {
    QTest::mouseClick(E(field), Qt::LeftButton);
    QVERIFY(EditorShown());
    QCOMPARE(EditorFields()->parentWidget(), E(field)->parentWidget());
    QCOMPARE(EditorFields()->pos(), E(field)->pos());
    QVERIFY(Kalender()->SetDate(date));
  }
  void Select(const char* list, const char* text) {
    const int index = L(list)->findText(QString::fromUtf8(text));
    QVERIFY2(index >= 0, text);
    L(list)->setCurrentIndex(index);
  }
  // Selects the line of a list by the value behind it.
  void Choose(const char* list, const QVariant& value) {
    const int index = L(list)->findData(value);
    QVERIFY2(index >= 0, list);
    L(list)->setCurrentIndex(index);
  }
  // 1000 at 10 % from 01.01.2019 (excl.) to 01.01.2020 (incl.).
  void Example(const char* currency) {
    Select("CB_Value", currency);
    SetDate("Edt_Beginn", "01.01.2019");
    SetDate("Edt_Ende", "01.01.2020");
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
  }

  QPointer<TQvZins> w;
  QStringList asked;
  bool answer = false;
};

const char kQuestion[] = "Achtung|Soll der Betrag wirklich schon vor dem Zinsende valutieren?";

}  // namespace

class TQvZinsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    platform::SetUrlOpener([](const std::string&) { return true; });
    QGuiApplication::clipboard()->clear();
  }
  void cleanup() { platform::SetUrlOpener({}); }

  void opensWithItsDefaults() {
    Window win;
    QCOMPARE(win.w->windowTitle(), QString("Zinsen berechnen (Wertpapiere)"));
    QCOMPARE(win.w->size(), QSize(790, 497));
    QCOMPARE(win.w->Mode(), QString("Z"));
    // Each list shows its first line and holds the value behind it.
    const struct {
      const char* list;
      const char* text;
      int count;
      QVariant value;
    } kLists[] = {{"CB_Value", "SEK", 21, "SEK"},
                  {"CB_Rent", "actual/actual im Kalenderjahr", 11, 3},
                  {"CB_Begin", "excl.", 2, false},
                  {"CB_End", "incl.", 2, true},
                  {"CB_Round", "kaufm.", 2, 0},
                  {"CB_RoundDeciInt", "5", 9, 5},
                  {"CB_RoundDeciExt", "2", 6, 2},
                  {"CB_PayLand", "Niedersachsen", -1, "D-NI"},
                  {"CB_ValutaModus", "Werktag ohne Samstag", 3,
                   QVariant::fromValue(engine::ValutaKind::WorkdayWithoutSaturday)},
                  {"CB_RoundP", "kaufm.", 2, 0},
                  {"CB_RoundDeciPerP", "3", 9, 3},
                  {"CB_RoundDeciIntP", "5", 9, 5},
                  {"CB_RoundDeciExtP", "2", 6, 2}};
    for (const auto& list : kLists) {
      QCOMPARE(win.L(list.list)->currentText(), QString::fromUtf8(list.text));
      QCOMPARE(win.L(list.list)->currentData(), list.value);
      if (list.count > 0) QCOMPARE(win.L(list.list)->count(), list.count);
    }
    QCOMPARE(win.L("CB_PayLand")->currentIndex(), 8);
    QCOMPARE(win.L("CB_PayLand")->itemText(0), QString("Baden-Württemberg"));
    for (const char* date : {"Edt_Beginn", "Edt_Ende", "Edt_PayDate"}) {
      QCOMPARE(win.T(date), QString("08.12.2026"));
      QVERIFY(win.Hint(date).contains("Dienstag"));
    }
    QCOMPARE(win.T("Edt_Capital"), QString("1000"));
    QCOMPARE(win.T("Edt_rent"), QString("10"));
    QCOMPARE(win.T("Edt_Sum"), QString());
    QVERIFY(!win.E("Edt_Capital_EUR")->isVisible());
    QVERIFY(!win.Label("Label24")->isVisible());
    // Only the four amount inputs are typed in; the others, read-only, are
    // reached with Tab alone, so that a click leaves the focus where it is.
    for (QLineEdit* edit : win.w->findChildren<QLineEdit*>()) {
      if (win.OfComponent(edit)) continue;
      const QString name = edit->objectName();
      const bool input =
          name == "Edt_Capital" || name == "Edt_rent" || name == "Edt_Cap1" || name == "Edt_Perc2";
      QVERIFY2(edit->isReadOnly() != input, qPrintable(name));
      QVERIFY2(edit->focusPolicy() == (input ? Qt::StrongFocus : Qt::TabFocus), qPrintable(name));
      QCOMPARE(edit->height(), 21);
    }
    const struct {
      const char* name;
      const char* text;
    } kCaptions[] = {{"Label1", "Kapital"},
                     {"Label6", "fällig am"},
                     {"Label9", "Rundung (Dezimalstellen)"},
                     {"Label15", "Zinstage im Schaltjahr"},
                     {"Label27", "% ="},
                     {"Label17", "SEK"}};
    for (const auto& caption : kCaptions) {
      QCOMPARE(win.Label(caption.name)->text(), QString::fromUtf8(caption.text));
    }
    QCOMPARE(win.Button("Btn_Clip")->text(), QString("Text in die Zwischenablage kopieren"));
    QCOMPARE(win.Hint("Btn_Text"), QString("Ausgabe der Berechnung als Text"));
    QCOMPARE(win.Hint("CB_Begin"), QString("Anfangstag wird NICHT verzinst"));
    QCOMPARE(win.Hint("Edt_Cap1"), QString("Betrag (100 %)"));
    QVERIFY(win.Hint("CB_Round").startsWith("Rundungsmethoden:\n\rkaufmännisch:"));
    auto* version = win.w->findChild<TQvVersion*>("QvVersion1");
    QVERIFY(version != nullptr && version->isVisible());
    QCOMPARE(version->text(), QString("version: 4.284.54.16"));
  }

  void computesEveryFieldTheStatementAndTheEuroBlock() {
    Window win;
    win.Example("DEM");
    QVERIFY(win.asked.isEmpty());
    const struct {
      const char* field;
      QString text;
    } kFields[] = {
        {"Edt_Beginn", "01.01.2019"},
        {"Edt_Ende", "01.01.2020"},
        {"Edt_PayDate", "08.12.2026"},
        {"Edt_Valuta", "08.12.2026"},
        {"Edt_Capital", "1000,00"},
        {"Edt_rent", "10,000"},
        {"Edt_YearT", "0"},
        {"Edt_NormalYearT", "364"},
        {"Edt_LeapYearT", "1"},
        {"Edt_Year", Pad("100,00000")},
        {"Edt_NormalYear", Pad("0,27397")},
        {"Edt_LeapYear", Pad("0,27322")},
        {"Edt_YearSum", Pad("0,00000")},
        {"Edt_NormalYearSum", Pad("99,72508")},
        {"Edt_LeapYearSum", Pad("0,27322")},
        {"Edt_RentSum", Pad("100,00")},
        {"Edt_Sum", Pad("1100,00")},
        {"Edt_Capital_EUR", Pad("511,29")},
        {"Edt_RentSum_EUR", Pad("51,13")},
        {"Edt_Sum_EUR", Pad("562,42")},
        {"Edt_CalDiffText",
         "1 Zeitjahr, 0 Tage  oder  0 Kalenderjahre, 365 Tage  oder  0 Röm. "
         "Kalenderjahre, 365 Tage"},
    };
    for (const auto& f : kFields) QCOMPARE(win.T(f.field), f.text);
    QVERIFY(win.E("Edt_LeapYear")->isVisible());
    QVERIFY(win.E("Edt_Sum_EUR")->isVisible());
    QCOMPARE(win.Label("Label14")->text(), QString("Zinstage im Normaljahr 2019"));
    QCOMPARE(win.Label("Label15")->text(), QString("Zinstag im Schaltjahr 2020"));
    QCOMPARE(win.Label("Label21")->text(), QString("DEM"));
    QCOMPARE(win.Label("Label24")->text(), QString("EUR"));
    QCOMPARE(win.Hint("Edt_Capital"),
             QString("zu verzinsendes Kapital (auf 2 Dezimalstellen gerundet)"));
    QCOMPARE(win.Hint("Edt_Capital_EUR"),
             QString("zu verzinsendes Kapital umgerechnet in EUR\n\r( 1 EUR = 1,95583 DEM "
                     ")\n\r(und auf 2 Dezimalstellen gerundet)"));
    const QStringList lines = win.Lines("Memo1");
    const QStringList expected = {
        "",
        "                                      Kapital " + Pad("1000,00") + " DEM",
        "10 % Zinsen",
        "actual/actual im Kalenderjahr",
        "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.) " + Pad("100,00") + " DEM",
        "                                              ----------------------",
        "Fällig am 08.12.2026:                 Summe   " + Pad("1100,00") + " DEM",
        "                                              ======================",
        "",
        "10,000 % Zinsen auf 1000,00 DEM",
        "actual/actual im Kalenderjahr",
        "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.)",
        "0 Zinsjahre mit",
        "   jeweils   " + Pad("100,00000") + " DEM  = " + Pad("0,00000") + " DEM",
        "364 Zinstage im Normaljahr 2019 mit",
        "   jeweils   " + Pad("0,27397") + " DEM  = " + Pad("99,72508") + " DEM",
        "1 Zinstag im Schaltjahr 2020 mit",
        "   jeweils   " + Pad("0,27322") + " DEM  = " + Pad("0,27322") + " DEM",
        QString(43, ' ') + "------------------",
        QString(13, ' ') + "Zinsen insgesamt:         " + Pad("99,99830") + " DEM",
        QString(43, ' ') + "==================",
        "",
        "",
        "Kapital und Zinsbetrag jeweils einzeln umgerechnet von DEM in EUR",
        "zum Kurs von 1 EUR = 1,95583 DEM und dann addiert:",
        "",
        "                                      Kapital " + Pad("511,29") + " EUR",
        "10 % Zinsen",
        "actual/actual im Kalenderjahr",
        "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.) " + Pad("51,13") + " EUR",
        "                                              ----------------------",
        "Fällig am 08.12.2026:                 Summe   " + Pad("562,42") + " EUR",
        "                                              ======================",
    };
    QCOMPARE(lines, expected);
    // Computing again names the rate as typed, not as the window rounded it.
    QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
    QCOMPARE(win.Lines("Memo1"), expected);
    win.E("Edt_rent")->setText("10,50");
    QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
    QCOMPARE(win.Lines("Memo1")[2], QString("10,5 % Zinsen"));
    QCOMPARE(win.Lines("Memo1")[9], QString("10,500 % Zinsen auf 1000,00 DEM"));
  }

  // Guards against a pay date before the end being asked about again and
  // again, and against it being asked about when the window closes.
  void theQuestionIsAskedOncePerPayDateAndEnd() {
    Window win;
    win.SetDate("Edt_Beginn", "01.01.2019");
    win.SetDate("Edt_Ende", "01.01.2020");
    QVERIFY(win.asked.isEmpty());
    // "Nein": the pay date becomes the end date; 01.01. is a holiday.
    win.SetDate("Edt_PayDate", "31.12.2019");
    QCOMPARE(win.asked, QStringList{kQuestion});
    QCOMPARE(win.T("Edt_PayDate"), QString("01.01.2020"));
    QCOMPARE(win.T("Edt_Valuta"), QString("02.01.2020"));
    // "Ja": the pay date stands, and is not asked about again.
    win.answer = true;
    win.SetDate("Edt_PayDate", "31.12.2019");
    QCOMPARE(win.asked.size(), 2);
    QCOMPARE(win.T("Edt_PayDate"), QString("31.12.2019"));
    QCOMPARE(win.T("Edt_Valuta"), QString("31.12.2019"));
    QVERIFY(win.Lines("Memo1").contains("Fällig am 31.12.2019:                 Summe   " +
                                        Pad("1100,00") + " SEK"));
    QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
    win.Select("CB_Rent", "actual/365 im Kalenderjahr");
    win.Select("CB_Value", "EUR");
    QCOMPARE(win.asked.size(), 2);
    QCOMPARE(win.T("Edt_PayDate"), QString("31.12.2019"));
    // Another end date asks again.
    win.SetDate("Edt_Ende", "02.01.2020");
    QCOMPARE(win.asked.size(), 3);
    // Closing asks nothing, even with a text shown.
    win.answer = false;
    win.SetDate("Edt_PayDate", "30.12.2019");
    QCOMPARE(win.asked.size(), 4);
    QTest::mouseClick(win.Button("Btn_Text"), Qt::LeftButton);
    win.w->setAttribute(Qt::WA_DeleteOnClose, false);
    win.w->close();
    QCOMPARE(win.asked.size(), 4);
    QCOMPARE(win.w->Mode(), QString("Z"));
    QVERIFY(!win.w->findChild<QWidget*>("Pnl_Text")->isVisibleTo(win.w));
  }

  void methodsCountTheirDays_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("perDay");
    QTest::addColumn<QString>("forDays");
    QTest::addColumn<QString>("total");
    QTest::newRow("actual/actual") << "actual/actual im Kalenderjahr"
                                   << "364" << Pad("0,27397") << Pad("99,72508") << Pad("100,00");
    QTest::newRow("actual/360") << "actual/360 im Kalenderjahr"
                                << "361" << Pad("0,27778") << Pad("100,27858") << Pad("100,28");
    QTest::newRow("actual/365") << "actual/365 im Kalenderjahr"
                                << "365" << Pad("0,27397") << Pad("99,99905") << Pad("100,00");
    QTest::newRow("30/360") << "30/360 im Kalenderjahr"
                            << "360" << Pad("0,27778") << Pad("100,00080") << Pad("100,00");
  }
  void methodsCountTheirDays() {
    QFETCH(QString, method);
    QFETCH(QString, days);
    QFETCH(QString, perDay);
    QFETCH(QString, forDays);
    QFETCH(QString, total);
    Window win;
    win.Example("SEK");
    win.Select("CB_Rent", method.toUtf8().constData());
    QCOMPARE(win.T("Edt_NormalYearT"), days);
    QCOMPARE(win.T("Edt_NormalYear"), perDay);
    QCOMPARE(win.T("Edt_NormalYearSum"), forDays);
    QCOMPARE(win.T("Edt_RentSum"), total);
    QVERIFY(win.Lines("Memo1").contains(method));
  }

  // Guards against a window kept and shown again staying dead after a close.
  void aKeptWindowComputesAgainWhenShownAgain() {
    Window win;
    win.w->setAttribute(Qt::WA_DeleteOnClose, false);
    win.w->close();
    win.w->show();
    win.Example("SEK");
    QCOMPARE(win.T("Edt_Sum"), Pad("1100,00"));
  }

  void reversedDatesAreSwapped() {
    Window win;
    win.SetDate("Edt_Beginn", "01.01.2020");
    win.SetDate("Edt_Ende", "01.01.2019");
    QCOMPARE(win.T("Edt_Beginn"), QString("01.01.2019"));
    QCOMPARE(win.T("Edt_Ende"), QString("01.01.2020"));
    QCOMPARE(win.T("Edt_RentSum"), Pad("100,00"));
    QVERIFY(win.Hint("Edt_Beginn").contains("Dienstag, 01.01.2019"));
  }

  void aSaturdayPayDateMovesToTheNextValueDay_data() {
    QTest::addColumn<QString>("land");
    QTest::addColumn<QString>("valuta");
    QTest::newRow("Niedersachsen") << "Niedersachsen"
                                   << "06.01.2020";
    QTest::newRow("Bayern, Epiphany") << "Bayern"
                                      << "07.01.2020";
  }
  void aSaturdayPayDateMovesToTheNextValueDay() {
    QFETCH(QString, land);
    QFETCH(QString, valuta);
    Window win;
    win.SetDate("Edt_Beginn", "01.01.2019");
    win.SetDate("Edt_Ende", "01.01.2020");
    win.SetDate("Edt_PayDate", "04.01.2020");
    QCOMPARE(win.T("Edt_Valuta"), QString("06.01.2020"));
    // The region changes the value date at once.
    win.Select("CB_PayLand", land.toUtf8().constData());
    QCOMPARE(win.T("Edt_Valuta"), valuta);
    const QStringList lines = win.Lines("Memo1");
    const int at = lines.indexOf("Die Summe wäre am 04.01.2020 fällig; dieser Tag ist");
    QVERIFY(at > 0);
    QCOMPARE(lines[at + 1], "aber kein Werktag ohne Samstag in " + land + ",");
    QCOMPARE(lines[at + 2], "deshalb ist das Fälligkeitsdatum der " + valuta + ".");
    QVERIFY(win.Lines("Memo1").contains("Fällig am " + valuta + ":                 Summe   " +
                                        Pad("1100,00") + " SEK"));
    // "Werktag" takes the Saturday itself.
    win.Select("CB_ValutaModus", "Werktag");
    QCOMPARE(win.T("Edt_Valuta"), QString("04.01.2020"));
    QVERIFY(!win.Memo("Memo1")->toPlainText().contains("Die Summe wäre"));
    QVERIFY(win.asked.isEmpty());
  }

  // Guards against a list's line and the value the window computes with
  // parting: each choice is made by its value and found in the results.
  void choicesByValueReachTheComputation() {
    Window win;
    win.SetDate("Edt_Beginn", "01.01.2019");
    win.SetDate("Edt_Ende", "01.01.2020");
    win.SetDate("Edt_PayDate", "04.01.2020");
    QCOMPARE(win.T("Edt_Valuta"), QString("06.01.2020"));
    // Bayern keeps Epiphany, Monday 06.01.2020.
    win.Choose("CB_PayLand", "D-BY");
    QCOMPARE(win.L("CB_PayLand")->currentText(), QString("Bayern"));
    QCOMPARE(win.T("Edt_Valuta"), QString("07.01.2020"));
    QVERIFY(win.Lines("Memo1").contains("aber kein Werktag ohne Samstag in Bayern,"));
    win.Choose("CB_ValutaModus", QVariant::fromValue(engine::ValutaKind::EveryDay));
    QCOMPARE(win.L("CB_ValutaModus")->currentText(), QString("jeder Tag"));
    QCOMPARE(win.T("Edt_Valuta"), QString("04.01.2020"));
    win.Choose("CB_Value", "DEM");
    QCOMPARE(win.Label("Label21")->text(), QString("DEM"));
    QCOMPARE(win.T("Edt_Sum_EUR"), Pad("562,42"));
    win.Choose("CB_Begin", true);
    QCOMPARE(win.L("CB_Begin")->currentText(), QString("incl."));
    QVERIFY(win.Lines("Memo1").contains("vom 01.01.2019 (incl.) bis 01.01.2020 (incl.) " +
                                        Pad("100,27") + " DEM"));
    win.Choose("CB_Rent", 7);
    QCOMPARE(win.L("CB_Rent")->currentText(), QString("actual/365 im Kalenderjahr"));
    // 366 days with both ends counted: a year and a day.
    QCOMPARE(win.T("Edt_YearT"), QString("1"));
    QCOMPARE(win.T("Edt_NormalYearT"), QString("1"));
    QVERIFY(!win.E("Edt_LeapYearT")->isVisible());
    win.Choose("CB_RoundDeciExt", 0);
    QCOMPARE(win.T("Edt_Sum"), Pad("1100"));
    win.Choose("CB_Round", 2);
    QCOMPARE(win.L("CB_Round")->currentText(), QString("mathe."));
    QVERIFY(win.asked.isEmpty());
  }

  // The percentage text names the settings the computation used.
  void percentChoicesByValueReachTheText() {
    Window win;
    QTest::mouseClick(win.Button("Btn_Percent"), Qt::LeftButton);
    win.E("Edt_Cap1")->setText("250");
    win.E("Edt_Perc2")->setText("12,5");
    win.Choose("CB_RoundP", 2);
    win.Choose("CB_RoundDeciPerP", 1);
    win.Choose("CB_RoundDeciIntP", 4);
    win.Choose("CB_RoundDeciExtP", 3);
    QTest::mouseClick(win.Button("BitBtn4"), Qt::LeftButton);
    QCOMPARE(win.Lines("Memo1").mid(0, 4),
             QStringList({"Rundung: mathe.", "Anzahl der Dezimalstellen des Prozentsatzes = 1",
                          "Anzahl der Dezimalstellen der Zwischenergebnisse = 4",
                          "Anzahl der Dezimalstellen der Endergebnisse = 3"}));
    QCOMPARE(win.T("Edt_Cap2"), Pad("31,250"));
  }

  void thirtyDayMethodsMarkThe31st() {
    Window win;
    win.Select("CB_Rent", "30/360 im Kalenderjahr");
    win.SetDate("Edt_Beginn", "31.01.2019");
    win.SetDate("Edt_Ende", "31.03.2019");
    QCOMPARE(win.Label("Label25")->text(), QString("= 30."));
    QCOMPARE(win.Label("Label26")->text(), QString("= 30."));
    QCOMPARE(win.Label("Label25")->toolTip(),
             QString("weil in dieser Zinsmethode\n\rder 31. nicht existiert.\n\r31.01.2019 = "
                     "30.01.2019"));
    QCOMPARE(win.Label("Label26")->toolTip(),
             QString("weil in dieser Zinsmethode\n\rder 31. nicht existiert.\n\r31.03.2019 = "
                     "30.03.2019"));
    QCOMPARE(win.T("Edt_NormalYearT"), QString("60"));
    QVERIFY(!win.E("Edt_LeapYearT")->isVisible());
    QCOMPARE(win.T("Edt_LeapYearSum"), Pad("0"));
    const QStringList lines = win.Lines("Memo1");
    QCOMPARE(lines[4], QString("vom 31.01.2019 = 30.01.2019 (excl.)"));
    QCOMPARE(lines[5], "bis 31.03.2019 = 30.03.2019 (incl.)           " + Pad("16,67") + " SEK");
    // Another method takes the markers away at once.
    win.Select("CB_Rent", "30/360 im Kalenderjahr (mit 31.)");
    QCOMPARE(win.Label("Label25")->text(), QString());
    QCOMPARE(win.Label("Label26")->toolTip(), QString());
  }

  void overflowShowsTheMessageAndZeros_data() {
    QTest::addColumn<QString>("capital");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("end");
    QTest::newRow("per year") << "1000000000"
                              << "300"
                              << "actual/actual im Kalenderjahr"
                              << "31.12.2021";
    QTest::newRow("days") << "2000000000"
                          << "100"
                          << "actual/365 im Kalenderjahr"
                          << "30.12.2020";
    QTest::newRow("sum") << "2100000000"
                         << "3"
                         << "actual/365 im Kalenderjahr"
                         << "01.01.2020";
  }
  void overflowShowsTheMessageAndZeros() {
    QFETCH(QString, capital);
    QFETCH(QString, rate);
    QFETCH(QString, method);
    QFETCH(QString, end);
    Window win;
    win.E("Edt_Capital")->setText(capital);
    win.E("Edt_rent")->setText(rate);
    win.Select("CB_Rent", method.toUtf8().constData());
    win.Select("CB_Value", "DEM");
    win.SetDate("Edt_Beginn", "01.01.2019");
    win.SetDate("Edt_Ende", end.toUtf8().constData());
    QCOMPARE(win.T("Edt_RentSum"), Pad("0"));
    QCOMPARE(win.T("Edt_Sum"), Pad("0"));
    QCOMPARE(win.T("Edt_Sum_EUR"), Pad("0"));
    QCOMPARE(win.Lines("Memo1"),
             QStringList({"", "", "", "          Datenüberlauf!", "",
                          "              Die von Ihnen eingegebene Summe ist für den angegebenen",
                          "              Zeitraum zu hoch bzw. der Zeitraum ist zu lang."}));
  }

  void percentFaceComputesAndCopiesItsText() {
    Window win;
    QTest::mouseClick(win.Button("Btn_Percent"), Qt::LeftButton);
    QCOMPARE(win.w->Mode(), QString("%"));
    QCOMPARE(win.w->windowTitle(), QString("Prozentrechnung"));
    QCOMPARE(win.w->size(), QSize(485, 199));
    // The inputs are typed in and reached with Tab, like the capital.
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w));
    win.E("Edt_Cap1")->setFocus(Qt::TabFocusReason);
    win.E("Edt_Cap1")->selectAll();
    QTest::keyClicks(win.E("Edt_Cap1"), "250");
    QTest::keyClick(win.E("Edt_Cap1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), win.E("Edt_Perc2"));
    win.E("Edt_Perc2")->selectAll();
    QTest::keyClicks(win.E("Edt_Perc2"), "12,5");
    QTest::mouseClick(win.Button("BitBtn3"), Qt::LeftButton);
    const struct {
      const char* field;
      QString text;
    } kFields[] = {{"Edt_Perc1", Pad("100,000")}, {"Edt_Cap1", "250,00"},
                   {"Edt_Perc2", "12,500"},       {"Edt_Cap2", Pad("31,25")},
                   {"Edt_Perc3", Pad("87,500")},  {"Edt_Cap3", Pad("218,75")}};
    for (const auto& f : kFields) QCOMPARE(win.T(f.field), f.text);
    // "Zwischenergebnis" rounds the amounts to the intermediate decimals.
    QTest::mouseClick(win.Button("BitBtn2"), Qt::LeftButton);
    QCOMPARE(win.T("Edt_Cap2"), Pad("31,25000"));
    // A click on a result copies it.
    QTest::mouseClick(win.E("Edt_Perc3"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), Pad("87,500"));
    // The text, then the clipboard.
    QTest::mouseClick(win.Button("BitBtn4"), Qt::LeftButton);
    QCOMPARE(win.w->Mode(), QString("%T"));
    QCOMPARE(win.w->size(), QSize(790, 497));
    QVERIFY(win.Memo("Memo1")->isVisible());
    QVERIFY(win.Button("Btn_Clip")->isVisible());
    QTest::mouseClick(win.Button("Btn_Clip"), Qt::LeftButton);
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
    const QString dashes(52, '-');
    const auto line = [](const char* percent, const char* amount) {
      return QString(percent).rightJustified(15) + " % = " + QString(amount).rightJustified(15);
    };
    QCOMPARE(
        copied,
        QStringList({"Rundung: kaufm.", "Anzahl der Dezimalstellen des Prozentsatzes = 3",
                     "Anzahl der Dezimalstellen der Zwischenergebnisse = 5",
                     "Anzahl der Dezimalstellen der Endergebnisse = 2", dashes,
                     "Zwischenergebnis:", line("100,000", "250,00000"), line("12,500", "31,25000"),
                     line("87,500", "218,75000"), dashes, "Endergebnis:", line("100,000", "250,00"),
                     line("12,500", "31,25"), line("87,500", "218,75")}));
    // "berechnen" leaves the text for the percentage face, and so does "Text".
    win.w->RentClick();
    QCOMPARE(win.w->Mode(), QString("%"));
    QCOMPARE(win.w->size(), QSize(485, 199));
    QVERIFY(!win.Memo("Memo1")->isVisible());
    QTest::mouseClick(win.Button("BitBtn4"), Qt::LeftButton);
    QCOMPARE(win.w->Mode(), QString("%T"));
    QTest::mouseClick(win.Button("BitBtn4"), Qt::LeftButton);
    QCOMPARE(win.w->Mode(), QString("%"));
    QCOMPARE(win.w->size(), QSize(485, 199));
    QVERIFY(!win.Button("Btn_Clip")->isVisible());
    // Back to the interest face, which computes.
    QTest::mouseClick(win.Button("BitBtn1"), Qt::LeftButton);
    QCOMPARE(win.w->Mode(), QString("Z"));
    QCOMPARE(win.w->windowTitle(), QString("Zinsen berechnen (Wertpapiere)"));
    QCOMPARE(win.w->size(), QSize(790, 497));
    QCOMPARE(win.T("Edt_Sum"), Pad("1000,00"));
  }

  void doubleClickMakesThePartTheBase() {
    Window win;
    QTest::mouseClick(win.Button("Btn_Percent"), Qt::LeftButton);
    win.E("Edt_Cap1")->setText("250");
    win.E("Edt_Perc2")->setText("12,5");
    QTest::mouseClick(win.Button("BitBtn3"), Qt::LeftButton);
    QTest::mouseDClick(win.E("Edt_Cap2"), Qt::LeftButton);
    QCOMPARE(win.T("Edt_Cap1"), QString("31,25"));
    QCOMPARE(win.T("Edt_Cap2"), Pad("3,91"));
    QCOMPARE(win.T("Edt_Cap3"), Pad("27,34"));
  }

  // Guards against the rebuilt final-decimals list raising its own change
  // handling, and against final decimals above the intermediate ones.
  void finalDecimalsFollowTheIntermediateOnes() {
    Window win;
    win.Example("SEK");
    win.Select("CB_RoundDeciExt", "5");
    QCOMPARE(win.T("Edt_Sum"), Pad("1099,99830"));
    QSignalSpy finalChanged(win.L("CB_RoundDeciExt"), &QComboBox::currentIndexChanged);
    win.Select("CB_RoundDeciInt", "4");
    QCOMPARE(win.L("CB_RoundDeciExt")->count(), 5);
    QCOMPARE(win.L("CB_RoundDeciExt")->currentText(), QString("4"));
    QCOMPARE(finalChanged.count(), 0);
    QCOMPARE(win.T("Edt_Sum"), Pad("1100,0092"));
    QCOMPARE(win.T("Edt_NormalYear"), Pad("0,2740"));
    QTest::mouseClick(win.Button("Btn_Percent"), Qt::LeftButton);
    win.Select("CB_RoundDeciExtP", "5");
    QSignalSpy finalP(win.L("CB_RoundDeciExtP"), &QComboBox::currentIndexChanged);
    win.Select("CB_RoundDeciIntP", "4");
    QCOMPARE(win.L("CB_RoundDeciExtP")->currentText(), QString("4"));
    QCOMPARE(finalP.count(), 0);
  }

  // Guards against old results standing beside changed inputs.
  void everyInputChangeRecomputesOrClears() {
    Window win;
    win.Example("SEK");
    QVERIFY(!win.E("Edt_Sum_EUR")->isVisible());
    win.Select("CB_Value", "ATS");
    QVERIFY(win.E("Edt_Sum_EUR")->isVisible());
    QCOMPARE(win.T("Edt_Capital_EUR"), Pad("72,67"));
    win.Select("CB_Begin", "incl.");
    QCOMPARE(win.T("Edt_YearT"), QString("1"));
    QCOMPARE(win.T("Edt_NormalYearT"), QString("0"));
    QCOMPARE(win.T("Edt_LeapYearT"), QString("1"));
    QCOMPARE(win.Hint("CB_Begin"), QString("Anfangstag wird verzinst"));
    win.Select("CB_End", "excl.");
    QCOMPARE(win.T("Edt_LeapYearT"), QString("0"));
    QCOMPARE(win.T("Edt_Sum"), Pad("1100,00"));
    win.Select("CB_Rent", "actual/360 im Kalenderjahr");
    QVERIFY(!win.E("Edt_LeapYearT")->isVisible());
    QCOMPARE(win.Label("Label14")->text(), QString("Zinstage"));
    win.Select("CB_Round", "mathe.");
    QCOMPARE(win.L("CB_Round")->currentText(), QString("mathe."));
    QVERIFY(win.Lines("Memo1").contains("actual/360 im Kalenderjahr"));
    // Typing an amount clears the results until the field is left.
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w));
    win.E("Edt_Capital")->setFocus(Qt::MouseFocusReason);
    win.E("Edt_Capital")->selectAll();
    QTest::keyClicks(win.E("Edt_Capital"), "2a0x00,5,0");
    QCOMPARE(win.T("Edt_Capital"), QString("2000,50"));
    QCOMPARE(win.T("Edt_Sum"), QString());
    QCOMPARE(win.Memo("Memo1")->toPlainText(), QString());
    QTest::keyClick(win.E("Edt_Capital"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), win.L("CB_Value"));
    QTRY_COMPARE(win.T("Edt_Capital"), QString("2000,50"));
    QTRY_VERIFY(!win.T("Edt_Sum").isEmpty());
    // An empty rate is 0 at the next computation.
    win.E("Edt_rent")->clear();
    QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
    QCOMPARE(win.T("Edt_rent"), QString("0,000"));
    QCOMPARE(win.T("Edt_Sum"), Pad("2000,50"));
  }

  void theEditorTakesATypedDate() {
    Window win;
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w));
    QTest::mouseClick(win.E("Edt_Beginn"), Qt::LeftButton);
    QVERIFY(win.EditorShown());
    QVERIFY(!win.E("Edt_Beginn")->isVisible());
    QVERIFY(win.E("Edt_Ende")->isVisible());
    QCOMPARE(win.Kalender()->Date(), QString("08.12.2026"));
    // Each full sub-field moves the focus on by itself.
    for (const char digit : std::string("01012019")) {
      QTest::keyClick(QApplication::focusWidget(), digit);
    }
    win.E("Edt_Capital")->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(win.T("Edt_Beginn"), QString("01.01.2019"));
    QTRY_VERIFY(!win.EditorShown());
    QVERIFY(win.E("Edt_Beginn")->isVisible());
    QVERIFY(win.Hint("Edt_Beginn").contains("Dienstag, 01.01.2019"));
    QTRY_VERIFY(!win.T("Edt_Sum").isEmpty());
  }

  void theEditorCorrectsAnImpossibleDate() {
    Window win;
    // With the pop-up closed the correction is a message box, never the
    // hidden pop-up's message panel.
    testsupport::ShownMessages shown;
    win.Kalender()->DateCal()->SetMessageSink(shown.Sink());
    auto* messageCaption = win.Kalender()->DateCal()->findChild<QLabel*>("MessCaption");
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w));
    QTest::mouseClick(win.E("Edt_Ende"), Qt::LeftButton);
    for (const char digit : std::string("31022027")) {
      QTest::keyClick(QApplication::focusWidget(), digit);
    }
    win.E("Edt_Capital")->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(win.T("Edt_Ende"), QString("28.02.2027"));
    QCOMPARE(shown.size(), 1u);
    QVERIFY(messageCaption->text().isEmpty());
    QTRY_VERIFY(!win.EditorShown());
    QTRY_COMPARE(win.T("Edt_NormalYearT"), QString("82"));
    // The new end lies after today's pay date: asked, "Nein", due at the end.
    QCOMPARE(win.asked, QStringList{kQuestion});
    QCOMPARE(win.T("Edt_PayDate"), QString("28.02.2027"));
    QCOMPARE(win.T("Edt_Valuta"), QString("01.03.2027"));
  }

  // Guards against the window's reset emptying the calendar component's own
  // fields: its pop-up's tools panel and its date edit.
  void theResetLeavesTheComponentsFieldsAlone() {
    Window win;
    auto* period = win.Kalender()->DateCal()->Beam()->findChild<QLineEdit*>("Edt_Period");
    QVERIFY(period != nullptr);
    QCOMPARE(period->text(), QString("Monat"));
    QTest::mouseClick(win.E("Edt_Beginn"), Qt::LeftButton);
    QCOMPARE(win.Editor()->DateField()->Edt(0)->text(), QString("08"));
    QCOMPARE(win.Editor()->DateField()->Edt(2)->text(), QString("2026"));
  }

  // Guards against a date set on the calendar component waiting for another
  // action before it reaches its field and the results.
  void aDateSetOnTheComponentReachesTheFieldAtOnce() {
    const struct {
      const char* field;
      const char* date;
      const char* weekday;
      const char* result;  // the result field that follows the date
      const char* value;
    } kCases[] = {
        {"Edt_Beginn", "01.07.2019", "Montag", "Edt_NormalYearT", "183"},
        {"Edt_Ende", "31.03.2020", "Dienstag", "Edt_LeapYearT", "91"},
        {"Edt_PayDate", "04.01.2020", "Samstag", "Edt_Valuta", "06.01.2020"},
    };
    for (const auto& c : kCases) {
      Window win;
      win.answer = true;
      win.SetDate("Edt_Beginn", "01.01.2019");
      win.SetDate("Edt_Ende", "01.01.2020");
      QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
      const QString sum = win.T("Edt_Sum");
      QTest::mouseClick(win.E(c.field), Qt::LeftButton);
      QVERIFY(win.Kalender()->SetDate(c.date));
      QCOMPARE(win.T(c.field), QString(c.date));
      QVERIFY2(win.Hint(c.field).contains(QString(c.weekday) + ", " + c.date), c.field);
      QCOMPARE(win.T(c.result), QString(c.value));
      if (QByteArray(c.field) != "Edt_PayDate") QVERIFY(win.T("Edt_Sum") != sum);
      // The editor stays over the field for the next change.
      QVERIFY(win.EditorShown());
      QVERIFY(!win.E(c.field)->isVisible());
    }
  }

  void aDayPickedInThePopUpsMonthSheetReachesTheField() {
    Window win;
    win.SetDate("Edt_Beginn", "01.01.2019");
    win.SetDate("Edt_Ende", "01.01.2020");
    QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
    QTest::mouseClick(win.E("Edt_Ende"), Qt::LeftButton);
    // A double click on the date opens the pop-up with the end date's month.
    QTest::mouseDClick(win.Editor()->DateField()->Edt(0), Qt::LeftButton);
    QVERIFY(win.Kalender()->CalOpen());
    QVERIFY(win.Kalender()->CalendarPopup()->isVisible());
    QCOMPARE(win.Kalender()->DateCal()->MoCal()->SelectedDay(), 2458850);  // 01.01.2020
    // Its date edit is in the pop-up now; the field shows the date meanwhile.
    QVERIFY(win.E("Edt_Ende")->isVisible());
    win.PickInSheet(15);
    QCOMPARE(win.T("Edt_Ende"), QString("15.01.2020"));
    QVERIFY(win.Hint("Edt_Ende").contains("Mittwoch, 15.01.2020"));
    QCOMPARE(win.T("Edt_NormalYearT"), QString("364"));
    QCOMPARE(win.T("Edt_LeapYearT"), QString("15"));
    QVERIFY(win.Lines("Memo1").join('\n').contains("15.01.2020"));
    QVERIFY(win.Kalender()->CalOpen());
    // Closed, the date edit stands over the field again, with the picked day.
    win.Kalender()->Close();
    QVERIFY(win.EditorShown());
    QVERIFY(!win.E("Edt_Ende")->isVisible());
    QCOMPARE(win.EditorFields()->parentWidget(), win.E("Edt_Ende")->parentWidget());
    QCOMPARE(win.EditorFields()->pos(), win.E("Edt_Ende")->pos());
    QCOMPARE(win.Kalender()->Date(), QString("15.01.2020"));
    QCOMPARE(win.T("Edt_Beginn"), QString("01.01.2019"));
  }

  // Guards against the pop-up, closing because the user went on to another
  // field, taking the focus back to the date.
  void goingOnToAnotherFieldClosesThePopUpAndTheEditor() {
    Window win;
    win.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(win.w));
    QTest::mouseClick(win.E("Edt_Ende"), Qt::LeftButton);
    QTest::mouseDClick(win.Editor()->DateField()->Edt(0), Qt::LeftButton);
    QVERIFY(win.Kalender()->CalOpen());
    QVERIFY(QTest::qWaitForWindowActive(win.Kalender()->CalendarPopup()));
    win.w->activateWindow();
    win.E("Edt_Capital")->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(!win.Kalender()->CalOpen());
    QTRY_VERIFY(!win.EditorShown());
    QCOMPARE(QApplication::focusWidget(), win.E("Edt_Capital"));
    QVERIFY(win.E("Edt_Ende")->isVisible());
    QCOMPARE(win.T("Edt_Ende"), QString("08.12.2026"));
  }

  // Guards against opening or closing the pop-up recomputing by itself, which
  // would take an amount typed but not yet confirmed.
  void openingAndClosingThePopUpComputesNothing() {
    Window win;
    win.SetDate("Edt_Beginn", "01.01.2019");
    win.SetDate("Edt_Ende", "01.01.2020");
    QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
    const QString sum = win.T("Edt_Sum");
    const QString memo = win.Memo("Memo1")->toPlainText();
    win.E("Edt_Capital")->setText("2000");
    QSignalSpy changes(win.Kalender(), &TKalender::OnChange);
    QSignalSpy vis(win.Kalender(), &TKalender::OnChangeVis);
    for (const char* field : {"Edt_Beginn", "Edt_PayDate"}) {
      QTest::mouseClick(win.E(field), Qt::LeftButton);
      const QString date = win.T(field);
      QTest::mouseDClick(win.Editor()->DateField()->Edt(0), Qt::LeftButton);
      QVERIFY(win.Kalender()->CalOpen());
      // The double click checks the shown day again, which announces the same
      // day; opening and closing announce none.
      changes.clear();
      win.Kalender()->Close();
      win.Kalender()->Open();
      // The pop-up's close button.
      QVERIFY(!win.Kalender()->CalendarPopup()->close());
      QVERIFY(!win.Kalender()->CalOpen());
      QCOMPARE(changes.count(), 0);
      QCOMPARE(win.T(field), date);
    }
    QCOMPARE(vis.count(), 8);
    QCOMPARE(win.T("Edt_Sum"), sum);
    QCOMPARE(win.Memo("Memo1")->toPlainText(), memo);
    QVERIFY(win.asked.isEmpty());
    // Computing is what takes the new amount.
    QTest::mouseClick(win.Button("Button1"), Qt::LeftButton);
    QVERIFY(win.T("Edt_Sum") != sum);
    // "berechnen" ends the editing; the field is clickable again.
    QVERIFY(!win.EditorShown());
    QVERIFY(win.E("Edt_PayDate")->isVisible());
    QTest::mouseClick(win.E("Edt_PayDate"), Qt::LeftButton);
    QVERIFY(win.EditorShown());
  }

  void periodTextsShowInBothForms() {
    Window win;
    win.SetDate("Edt_Beginn", "01.01.2020");
    win.SetDate("Edt_Ende", "01.01.2021");
    QCOMPARE(win.T("Edt_CalDiffText"),
             QString("1 Zeitjahr, 0 Tage  oder  0 Kalenderjahre, 366 Tage  oder  0 Röm. "
                     "Kalenderjahre, 366 Tage"));
    QTest::mouseClick(win.E("Edt_CalDiffText"), Qt::LeftButton);
    QVERIFY(win.Memo("Memo2")->isVisible());
    QVERIFY(!win.Memo("Memo1")->isVisible());
    const QStringList lines = win.Lines("Memo2");
    QCOMPARE(lines[1],
             QString("Vom 01.01.2020 (excl.) bis zum 01.01.2021 (incl.) sind vergangen:"));
    QCOMPARE(lines[3], QString("366 Tage"));
    QCOMPARE(lines[5], QString("52 Zeitwochen, 2 Tage "));
    testsupport::CopiedTexts copied;
    QTest::mouseClick(win.Button("Btn_Clip"), Qt::LeftButton);
    QCOMPARE(copied.size(), 1u);
    QCOMPARE(QString::fromStdString(copied[0]), win.Memo("Memo2")->toPlainText());
    QTest::mouseClick(win.E("Edt_CalDiffText"), Qt::LeftButton);
    QVERIFY(!win.Memo("Memo2")->isVisible());
  }

  void textButtonThenClipCopiesExactlyTheStatement() {
    Window win;
    win.Example("SEK");
    QTest::mouseClick(win.Button("Btn_Text"), Qt::LeftButton);
    QVERIFY(win.Memo("Memo1")->isVisible());
    QVERIFY(!win.Button("Btn_Percent")->isVisible());
    QVERIFY(win.Button("Btn_Clip")->isVisible());
    QTest::mouseClick(win.Button("Btn_Clip"), Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, win.Memo("Memo1")->toPlainText());
    QVERIFY(copied.startsWith("\n                                      Kapital "));
    QVERIFY(copied.endsWith(QString(43, ' ') + "==================\n"));
    QCOMPARE(copied.count('\n'), 21);
    QTest::mouseClick(win.Button("Btn_Text"), Qt::LeftButton);
    QVERIFY(!win.Memo("Memo1")->isVisible());
    QVERIFY(win.Button("Btn_Percent")->isVisible());
  }

  void helpOpensTheDescription() {
    testsupport::OpenedAddresses opened;
    Window win;
    QTest::mouseClick(win.Button("Btn_info"), Qt::LeftButton);
    QCOMPARE(opened.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(opened[0]).startsWith("https://"));
  }

  // Guards against closed windows piling up hidden.
  void aClosedWindowIsFreed() {
    QPointer<TQvZins> window = new TQvZins;
    window->show();
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
  }
};

RAZ_WIDGET_TEST(TQvZinsTest);
#include "qvzins_test.moc"

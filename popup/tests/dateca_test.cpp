// SPDX-License-Identifier: MIT
// Widget tests of the calendar pop-up's content: moves, copies, the date
// difference, the calendar switch and the messages.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "controls/date.h"
#include "controls/dblbtn.h"
#include "controls/mocal.h"
#include "controls/sepedt.h"
#include "controls/spinhalf.h"
#include "engine/civildate.h"
#include "engine/period.h"
#include "platform/openurl.h"
#include "popup/dateca.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"
#include "tools/beam.h"
#include "tools/beam_model.h"

namespace {

int Jd(int year, int month, int day) {
  return engine::DayNumberOf({year, month, day}, engine::CalendarKind::Gregorian);
}

// Sets the unit of the panel's moves by cycling it.
void SetUnit(TBeam* beam, const QString& unit) {
  for (int i = 0; i < 4 && !beam->Period().startsWith(unit); ++i) {
    beam->findChild<TDblBtn*>("DblBtn")->Switch1Asc()->Clicked();
  }
}

void SetCount(TBeam* beam, int count) {
  beam->findChild<TSepEdt*>("SE_Count")->SetFloatValue(count);
}

void ClickBar(TBeam* beam, const char* name) {
  QTest::mouseClick(beam->findChild<QWidget*>(name), Qt::LeftButton);
}

// A clock page that chooses a time.
class ClockPage : public TBeamPage {
 public:
  using TBeamPage::TBeamPage;
  void Refresh(const engine::ChosenDay& day) override { last = day; }
  QString CopyBody() const override { return QStringLiteral("12:00:00 MEZ\r\n"); }
  void Choose(engine::TimeOfDay time) { emit TimeChosen(time); }
  engine::ChosenDay last;
};

class TDateCalTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    urls.clear();
    tools::SetCopyRequested(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
  }

  void StartsWithTheSheetAndTheCalendarBar() {
    TDateCal cal;
    QCOMPARE(cal.width(), 249);
    QCOMPARE(cal.height(), 289);
    QCOMPARE(cal.ProgCaption(), QStringLiteral("Kalender"));
    QCOMPARE(cal.Beam()->pos(), QPoint(0, 26));
    QCOMPARE(cal.MoCal()->pos(), QPoint(0, 50));
    QVERIFY(!cal.DateEdtE()->isVisibleTo(&cal));
    QVERIFY(!cal.Mess()->isVisibleTo(&cal));
    QCOMPARE(cal.DateLand(), cal.K_Date() + cal.Land());
    QCOMPARE(cal.MoCal()->SelectedDay(), cal.K_JD().toInt());
  }

  void PrintsTheYearOfTheSheet_data() {
    QTest::addColumn<QString>("calendar");
    QTest::addColumn<QString>("land");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("nextMonth");
    QTest::addColumn<int>("year");
    const struct {
      const char* calendar;
      const char* land;
      const char* date;
      bool nextMonth;
      int year;
    } kCases[] = {
        {"G", "D-BY", "04.06.2026", false, 2026}, {"G", "A-W", "31.12.2025", false, 2025},
        {"G", "D-NI", "31.12.2025", true, 2026},  // the sheet moved into the next year
        {"J", "D-NI", "10.01.1500", false, 1500}, {"G", "D-SN", "01.01.0001", false, 1},
    };
    for (const auto& c : kCases) {
      QTest::addRow("%s %s %s%s", c.calendar, c.land, c.date, c.nextMonth ? " +1 Monat" : "")
          << c.calendar << c.land << c.date << c.nextMonth << c.year;
    }
  }

  // Guards against the print entry printing another year, region or
  // calendar than the sheet shows.
  void PrintsTheYearOfTheSheet() {
    QFETCH(QString, calendar);
    QFETCH(QString, land);
    QFETCH(QString, date);
    QFETCH(bool, nextMonth);
    QFETCH(int, year);
    TDateCal cal;
    struct Call {
      int year;
      QString land, calendar;
      QWidget* parent;
    };
    std::vector<Call> calls;
    cal.SetYearPrinter([&calls](int y, const QString& l, const QString& k, QWidget* parent) {
      calls.push_back({y, l, k, parent});
    });
    cal.SetCalendar(calendar);
    cal.SetLand(land);
    QVERIFY(cal.SetDateText(date));
    cal.ShowSheet();
    if (nextMonth) {
      SetUnit(cal.Beam(), QStringLiteral("Monat"));
      ClickBar(cal.Beam(), "Forw");
    }
    QVERIFY(cal.MoCal()->YearMenu()->actions().contains(cal.PrintAction()));
    QCOMPARE(cal.PrintAction()->text(), QStringLiteral("Drucken …"));
    cal.PrintAction()->trigger();
    QCOMPARE(calls.size(), std::size_t{1});
    QCOMPARE(calls[0].year, year);
    QCOMPARE(calls[0].land, land);
    QCOMPARE(calls[0].calendar, calendar);
    QCOMPARE(calls[0].parent, cal.window());
  }

  void MovesByEachUnitOnTheCalendarPage_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("to");
    const struct {
      const char* from;
      const char* unit;
      bool forward;
      const char* to;
    } kCases[] = {
        {"31.01.2024", "Tag", true, "01.02.2024"},   {"31.01.2024", "Tag", false, "30.01.2024"},
        {"31.01.2024", "Woche", true, "07.02.2024"}, {"31.01.2024", "Woche", false, "24.01.2024"},
        {"31.01.2024", "Monat", true, "29.02.2024"}, {"31.01.2024", "Monat", false, "31.12.2023"},
        {"31.01.2024", "Jahr", true, "31.01.2025"},  {"31.01.2024", "Jahr", false, "31.01.2023"},
        {"29.02.2024", "Tag", true, "01.03.2024"},   {"29.02.2024", "Tag", false, "28.02.2024"},
        {"29.02.2024", "Woche", true, "07.03.2024"}, {"29.02.2024", "Woche", false, "22.02.2024"},
        {"29.02.2024", "Monat", true, "29.03.2024"}, {"29.02.2024", "Monat", false, "29.01.2024"},
        {"29.02.2024", "Jahr", true, "28.02.2025"},  {"29.02.2024", "Jahr", false, "28.02.2023"},
        {"31.12.2999", "Monat", true, "31.01.3000"},
    };
    for (const auto& c : kCases) {
      QTest::addRow("%s %s %s", c.from, c.unit, c.forward ? "vor" : "zurück")
          << c.from << c.unit << c.forward << c.to;
    }
  }

  // Guards against the move leaving the selected day and the date edit apart.
  void MovesByEachUnitOnTheCalendarPage() {
    QFETCH(QString, from);
    QFETCH(QString, unit);
    QFETCH(bool, forward);
    QFETCH(QString, to);
    TDateCal cal;
    QVERIFY(cal.SetDateText(from));
    SetUnit(cal.Beam(), unit);
    QSignalSpy changes(&cal, &TDateCal::OnChange);
    ClickBar(cal.Beam(), forward ? "Forw" : "Back");
    QCOMPARE(cal.K_Date(), to);
    QCOMPARE(cal.MoCal()->SelectedDay(), cal.K_JD().toInt());
    QCOMPARE(changes.count(), 1);
    QVERIFY(!cal.Mess()->isVisibleTo(&cal));
    QCOMPARE(cal.Beam()->Command(), QString());
  }

  // Guards against a forward move past the range ending at 01.01.0001.
  void MovesPastTheRangeStopAtItsEndsWithTheMessage() {
    const struct {
      const char* from;
      const char* unit;
      int count;
      bool forward;
      const char* to;
    } kCases[] = {
        {"31.12.3000", "Tag", 1, true, "31.12.3000"},
        {"01.06.2024", "Jahr", 999999, true, "31.12.3000"},
        {"01.01.0001", "Tag", 1, false, "01.01.0001"},
        {"01.06.2024", "Monat", 999999, false, "01.01.0001"},
    };
    for (const auto& c : kCases) {
      TDateCal cal;
      cal.show();  // the message panel is used only while it is in sight
      QVERIFY(cal.SetDateText(c.from));
      SetUnit(cal.Beam(), c.unit);
      SetCount(cal.Beam(), c.count);
      ClickBar(cal.Beam(), c.forward ? "Forw" : "Back");
      QCOMPARE(cal.K_Date(), QString::fromUtf8(c.to));
      QVERIFY2(cal.Mess()->isVisibleTo(&cal), c.from);
      QVERIFY(!cal.Mess()->findChild<QLabel*>("MessCaption")->text().isEmpty());
      QTest::mouseClick(cal.Mess()->findChild<QWidget*>("MessBtn"), Qt::LeftButton);
      QVERIFY(!cal.Mess()->isVisibleTo(&cal));
    }
  }

  void ProgramPageMovesTheStartDate() {
    TDateCal cal;
    QVERIFY(cal.SetDateText("15.03.2024"));
    cal.Beam()->SetProgStep(0);
    cal.Beam()->SwitchProgram();
    QCOMPARE(cal.ProgCaption(), QStringLiteral("Uhrzeit"));
    SetUnit(cal.Beam(), "Tag");
    ClickBar(cal.Beam(), "Forw");
    QCOMPARE(cal.K_Date(), QStringLiteral("16.03.2024"));
    // The page keeps its command, so the next change still recomputes it.
    QCOMPARE(cal.Beam()->Command(), QStringLiteral("PClock"));
  }

  // Guards against the calendar copy reading a cell colour and doubling breaks.
  void CopiesTheCalendarPageFromTheSelectedCell() {
    TDateCal cal;
    cal.SetLand("D-NI");
    QVERIFY(cal.SetDateText("03.10.2024"));
    const controls::SheetView& view = cal.MoCal()->View();
    int cell = -1;
    for (int i = 0; i < 42; ++i) {
      if (view.sheet.cells[static_cast<std::size_t>(i)].dayNumber == Jd(2024, 10, 3)) cell = i;
    }
    QVERIFY(cell >= 0);
    const auto at = static_cast<std::size_t>(cell);
    const QString expected = QString::fromStdString(tools::CalendarCopyText(
        view.cells[at].hint, view.weeks[at / 7].hint, view.month.hint, "Gregorianischer Kalender"));
    ClickBar(cal.Beam(), "Copy");
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, expected);
    QVERIFY2(copied.contains("Einheit"), qPrintable(copied));
    QVERIFY(!copied.contains("\r\r"));
    QVERIFY(!copied.contains("\n\n"));
    QVERIFY(copied.contains("\r\n--------------------\r\n"));
    QVERIFY(copied.endsWith("16 Schulferientage\r\nGregorianischer Kalender"));
    QCOMPARE(cal.Beam()->Command(), QStringLiteral("P"));
    QVERIFY(!tools::CopyRequested());
    QCOMPARE(cal.K_slProgText().first(), copied.split("\r\n").first());
  }

  void CopiesTheDeadlineTable() {
    TDateCal cal;
    cal.SetLand("D-NI");
    QVERIFY(cal.SetDateText("31.01.2023"));
    cal.Beam()->SetProgStep(1);
    cal.Beam()->SwitchProgram();
    QCOMPARE(cal.ProgCaption(), QStringLiteral("Fristenberechnung nach § 187 I BGB"));
    ClickBar(cal.Beam(), "Copy");
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(
        copied.startsWith("Fristenberechnung nach § 187 I BGB\r\nFristbeginn: 31.01.2023, Di\r\n"));
    QVERIFY(copied.contains("1 Monat    28.02.2023, Di\r\n"));
    QCOMPARE(copied.count("Fristenberechnung nach"), 1);
    QCOMPARE(cal.Beam()->Command(), QStringLiteral("PTerm"));
    QVERIFY(!tools::CopyRequested());
    QVERIFY(cal.K_slProgText().contains("1 Monat    28.02.2023, Di"));
    // A date change recomputes the open table.
    QVERIFY(cal.SetDateText("29.02.2024"));
    ClickBar(cal.Beam(), "Copy");
    QVERIFY(QGuiApplication::clipboard()->text().contains("1 Jahr     28.02.2025, Fr\r\n"));
  }

  void DeadlineTableFollowsTheRegion() {
    TDateCal cal;
    cal.SetLand("D-NI");
    QVERIFY(cal.SetDateText("16.05.2024"));
    cal.Beam()->SetProgStep(1);
    cal.Beam()->SwitchProgram();
    QLabel* twoWeeks = cal.Beam()->OpenPage()->findChild<QLabel*>("Lbl_Term6");
    QCOMPARE(twoWeeks->text(), QStringLiteral("30.05.2024, Do"));
    cal.SetLand("D-BY");  // Corpus Christi is a legal holiday there
    QCOMPARE(twoWeeks->text(), QStringLiteral("31.05.2024, Fr"));
  }

  // Guards against a stale copy flag overwriting the clipboard unasked.
  void NoCopyWithoutTheCopyButton() {
    TDateCal cal;
    cal.Beam()->SetProgStep(1);
    cal.Beam()->SwitchProgram();
    ClickBar(cal.Beam(), "Copy");
    QGuiApplication::clipboard()->setText(QStringLiteral("fremd"));
    cal.Beam()->SetCommand("CT");
    emit cal.Beam()->OnChange(tools::BeamSender::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("fremd"));
  }

  void DateDifferenceWritesThePeriodText() {
    TDateCal cal;
    QVERIFY(cal.SetDateText("01.01.2023"));
    cal.Beam()->SetProgStep(3);
    cal.Beam()->SwitchProgram();
    QCOMPARE(cal.ProgCaption(), QStringLiteral("Zeitdifferenz"));
    QVERIFY(cal.DateEdtE()->isVisibleTo(&cal));
    QVERIFY(!cal.LblLand()->isVisibleTo(&cal));
    QSignalSpy changes(&cal, &TDateCal::OnChange);
    QVERIFY(cal.DateEdtE()->SetDate("01.01.2024"));
    // The end date's change is a change of the composite too.
    QCOMPARE(changes.count(), 1);
    const engine::PeriodTextResult period =
        engine::PeriodText("01.01.2023", "01.01.2024", true, false);
    QCOMPARE(cal.K_slProgText().first(), QString::fromStdString(period.lines.front()));
    ClickBar(cal.Beam(), "Copy");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Zeitdifferenz\r\n" + QString::fromStdString(period.text));
    QCOMPARE(cal.Beam()->Command(), QStringLiteral("PDblDateDiff"));
  }

  // Guards against the start-after-end message naming the wrong relation.
  void PeriodTextOfAStartAfterTheEnd() {
    QCOMPARE(TDateCal::PeriodText("02.01.2024", "01.01.2024", true, true),
             QStringLiteral("Das Anfangsdatum darf NICHT größer sein als das Enddatum!"));
    QVERIFY(TDateCal::PeriodText("01.01.2024", "01.01.2024", true, true).startsWith("Vom "));
    QVERIFY(TDateCal::PeriodText("", "x", true, true).isEmpty());
  }

  // Guards against a program page staying open over a Julian date.
  void JulianCalendarClosesAnOpenProgramPage() {
    TDateCal cal;
    QSignalSpy captions(&cal, &TDateCal::OnProgChange);
    cal.Beam()->SetProgStep(1);
    cal.Beam()->SwitchProgram();
    SetUnit(cal.Beam(), "Jahr");
    cal.SetCalendar("J");
    QCOMPARE(cal.Beam()->ProgId(), 0);
    QCOMPARE(cal.ProgCaption(), QStringLiteral("Kalender"));
    QCOMPARE(cal.Beam()->Period(), QStringLiteral("Tag"));
    QVERIFY(!cal.Beam()->findChild<QWidget*>("Progr")->isVisibleTo(cal.Beam()));
    QCOMPARE(captions.count(), 2);
    // The sheet shows the same day in the Julian calendar.
    QCOMPARE(cal.MoCal()->View().kind, engine::CalendarKind::Julian);
    QCOMPARE(cal.MoCal()->SelectedDay(), cal.K_JD().toInt());
    ClickBar(cal.Beam(), "Progr");
    QCOMPARE(cal.Beam()->ProgId(), 0);
  }

  // Guards against the end date's corrections being lost.
  void EndDateCorrectionsReachTheMessagePanel() {
    TDateCal cal;
    cal.show();
    cal.Beam()->SetProgStep(3);
    cal.Beam()->SwitchProgram();
    TDate* field = cal.DateEdtE()->DateField();
    field->Edt(0)->setFocus();
    field->Edt(0)->selectAll();
    QTest::keyClicks(field->Edt(0), "31");
    field->Edt(1)->selectAll();
    QTest::keyClicks(field->Edt(1), "02");
    field->Edt(2)->selectAll();
    QTest::keyClicks(field->Edt(2), "2023");
    cal.DateEdtE()->CheckTyped();
    QVERIFY(cal.Mess()->isVisibleTo(&cal));
    QCOMPARE(cal.Mess()->findChild<QLabel*>("MessCaption")->text(), cal.DateEdtE()->MessageTitle());
    QCOMPARE(cal.DateEdtE()->K_Date(), QStringLiteral("28.02.2023"));
  }

  // Guards against empty or unknown commands moving or copying anything.
  void EmptyAndUnknownCommandsDoNothing() {
    TDateCal cal;
    QVERIFY(cal.SetDateText("31.01.2024"));
    QSignalSpy changes(&cal, &TDateCal::OnChange);
    for (const char* command : {"", "xyz", "forwDays", "back"}) {
      cal.Beam()->SetCommand(command);
      emit cal.Beam()->OnChange(tools::BeamSender::Back);
    }
    QCOMPARE(cal.K_Date(), QStringLiteral("31.01.2024"));
    QCOMPARE(changes.count(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("vorher"));
    // A month move in the Julian calendar is dropped.
    cal.SetCalendar("J");
    const QString julian = cal.K_Date();
    cal.Beam()->SetCommand("forwMonth");
    emit cal.Beam()->OnChange(tools::BeamSender::Forw);
    QCOMPARE(cal.K_Date(), julian);
  }

  void SheetClickSetsTheStartDate() {
    TDateCal cal;
    cal.show();
    QVERIFY(cal.SetDateText("17.10.2024"));
    QSignalSpy changes(&cal, &TDateCal::OnChange);
    QTest::mouseClick(cal.MoCal()->findChild<QWidget*>("Lbl_Day4"), Qt::LeftButton);
    QCOMPARE(cal.K_Date(), QStringLiteral("03.10.2024"));
    QCOMPARE(changes.count(), 1);
  }

  // The sheet and the panel's moves are the user's own changes; the
  // program's are not.
  void UserMovesAreEnteredProgramSetsOnlyChanged() {
    TDateCal cal;
    cal.show();
    QSignalSpy changed(&cal, &TDateCal::dayChanged);
    QSignalSpy entered(&cal, &TDateCal::dayEntered);
    QVERIFY(cal.SetDateText("17.10.2024"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(entered.count(), 0);
    QTest::mouseClick(cal.MoCal()->findChild<QWidget*>("Lbl_Day4"), Qt::LeftButton);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(engine::DateTextOf(entered.last().first().value<engine::ChosenDay>()),
             std::string("03.10.2024"));
    ClickBar(cal.Beam(), "Forw");
    QCOMPARE(entered.count(), 2);
    QCOMPARE(cal.K_Date(), QStringLiteral("03.11.2024"));  // a month on
    QCOMPARE(changed.count(), 3);
  }

  // A region chosen in the date edit's list reaches the sheet's colours,
  // the region's name and the open deadline page by its own signal: no
  // click and no request for the sheet.
  void RegionFromTheListReachesSheetAndPage() {
    TDateCal cal;
    cal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cal));
    QVERIFY(cal.SetDateText("01.11.2024"));
    cal.ShowSheet();
    cal.Beam()->SetProgStep(1);
    cal.Beam()->SwitchProgram();
    QCOMPARE(cal.MoCal()->View().code, std::string("D-NI"));
    QSignalSpy requests(&cal, &TDateCal::OnCalRequest);
    QSignalSpy regions(&cal, &TDateCal::regionChanged);
    QTest::mouseClick(cal.DateEdt()->SwitchBtn()->Switch1Asc(), Qt::LeftButton);
    QListWidget* list = cal.DateEdt()->LB_Land();
    // The unfolded list lies over the tools bar, its first line in sight.
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QCOMPARE(cal.childAt(list->viewport()->mapTo(&cal, first)), list->viewport());
    const auto click = [list](const QString& start) {
      for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().startsWith(start)) {
          const QPoint at = list->visualItemRect(list->item(row)).center();
          QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
          return true;
        }
      }
      return false;
    };
    QVERIFY(click(">>>>>"));
    QTRY_COMPARE(cal.DateEdt()->ListState(), controls::RegionListState::GermanStates);
    QVERIFY(click("Bayern"));
    QTRY_COMPARE(regions.count(), 1);
    QCOMPARE(regions.last().first().toString(), QStringLiteral("D-BY"));
    QCOMPARE(cal.MoCal()->View().code, std::string("D-BY"));
    QCOMPARE(cal.LblLand()->text(), QStringLiteral("Bayern"));
    QCOMPARE(cal.Beam()->Land(), QStringLiteral("D-BY"));
    // All Saints' Day is legal in Bavaria, not in Lower Saxony.
    QCOMPARE(cal.K_iHoliday(), 1);
    QVERIFY(cal.Beam()->CopyText().contains(QStringLiteral("Bayern")));
    QCOMPARE(requests.count(), 0);
  }

  void RegionNameOpensArticleAndMap() {
    TDateCal cal;
    cal.SetLand("D-NI");
    QCOMPARE(cal.LblLand()->text(), QStringLiteral("Niedersachsen"));
    QTest::mouseClick(cal.LblLand(), Qt::LeftButton);
    QTest::mouseClick(cal.LblLand(), Qt::RightButton);
    QCOMPARE(urls.size(), 2u);
    QCOMPARE(urls[0], std::string("https://de.wikipedia.org/wiki/Niedersachsen"));
    QVERIFY(platform::IsWebAddress(urls[1]));
    QVERIFY(urls[1].find("&spn=0.1,1&q=") != std::string::npos);
  }

  void ChosenClockTimeBecomesTheStartTime() {
    TDateCal cal;
    ClockPage* page = nullptr;
    cal.Beam()->SetPageFactory([&page](int progId, QWidget* parent) -> TBeamPage* {
      if (progId != 2) return nullptr;
      return page = new ClockPage(parent);
    });
    QVERIFY(cal.SetDateText("08.12.2026"));
    cal.Beam()->SetProgStep(0);
    cal.Beam()->SwitchProgram();
    QVERIFY(page != nullptr);
    QCOMPARE(engine::DateTextOf(page->last), std::string("08.12.2026"));
    QSignalSpy changes(&cal, &TDateCal::OnChange);
    page->Choose({17, 45, 30});
    QCOMPARE(cal.DateEdt()->TimeField()->Time(), QStringLiteral("17:45:30"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(page->last.time, (engine::TimeOfDay{17, 45, 30}));
    testsupport::CopiedTexts copied;
    ClickBar(cal.Beam(), "Copy");
    QCOMPARE(copied.list(), std::vector<std::string>{"Uhrzeit\r\n12:00:00 MEZ\r\n"});
  }

  void TypingResetsTheDeadlineCells() {
    TDateCal cal;
    cal.show();
    cal.Beam()->SetProgStep(1);
    cal.Beam()->SwitchProgram();
    QLineEdit* day = cal.DateEdt()->DateField()->Edt(0);
    day->setFocus();
    day->selectAll();
    QTest::keyClicks(day, "1");
    QCOMPARE(cal.Beam()->OpenPage()->findChild<QLabel*>("Lbl_Term4")->text(),
             QStringLiteral("----"));
    // The flag stands for the unchecked text and falls with its check.
    QVERIFY(cal.DateEdt()->Typing());
    cal.CheckTyped();
    QVERIFY(!cal.DateEdt()->Typing());
    QVERIFY(cal.Beam()->OpenPage()->findChild<QLabel*>("Lbl_Term4")->text() !=
            QStringLiteral("----"));
  }

 private:
  testsupport::OpenedAddresses urls;
};

}  // namespace

RAZ_WIDGET_TEST(TDateCalTest);
#include "dateca_test.moc"

// SPDX-License-Identifier: MIT
// Widget tests of the tools panel: the program cycle, units, moves, copy,
// the hosting of program pages and the web menu.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "controls/dblbtn.h"
#include "controls/sepedt.h"
#include "controls/spinhalf.h"
#include "platform/openurl.h"
#include "testsupport/days.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"
#include "tools/beam.h"
#include "tools/beam_model.h"
#include "tools/datediffpage.h"
#include "tools/deadlinepage.h"

namespace {

// A page that records what the panel hands it.
class FakePage : public TBeamPage {
 public:
  using TBeamPage::TBeamPage;
  void Refresh(const engine::ChosenDay& day) override {
    inputs.push_back(day);
    if (answerWithTime) emit TimeChosen({12, 0, 0});
  }
  QString CopyBody() const override { return body; }
  QStringList ResultText() const override { return {QStringLiteral("Ergebnis")}; }
  void SetSecondsHidden(bool hidden) override { secondsHidden = hidden; }
  void ChooseTime(engine::TimeOfDay time) { emit TimeChosen(time); }
  void ChangeText(const QString& text) {
    body = text;
    emit TextChanged();
  }

  std::vector<engine::ChosenDay> inputs;
  QString body = QStringLiteral("Zeile\r\n");
  bool answerWithTime = false;
  bool secondsHidden = false;
};

struct Seen {
  tools::BeamSender sender;
  QString command;
  bool copyRequested;
};

// Records every change event with the command it carried.
std::vector<Seen>* Record(TBeam& beam) {
  auto* seen = new std::vector<Seen>;
  QObject::connect(&beam, &TBeam::OnChange, &beam, [seen, &beam](tools::BeamSender sender) {
    seen->push_back({sender, beam.Command(), tools::CopyRequested()});
  });
  QObject::connect(&beam, &QObject::destroyed, [seen] { delete seen; });
  return seen;
}

TBeamButton* Button(TBeam& beam, const char* name) {
  auto* button = beam.findChild<TBeamButton*>(name);
  Q_ASSERT(button != nullptr);
  return button;
}

void Click(TBeam& beam, const char* name, Qt::MouseButton mouse = Qt::LeftButton) {
  QTest::mouseClick(Button(beam, name), mouse);
}

class TBeamTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    urls.clear();
    tools::SetCopyRequested(false);
  }

  void StartsOnTheCalendarBar() {
    TBeam beam;
    QCOMPARE(beam.ProgCaption(), QStringLiteral("Kalender"));
    QCOMPARE(beam.ProgStep(), 0);
    QCOMPARE(beam.ProgId(), 0);
    QCOMPARE(beam.height(), 24);
    QCOMPARE(beam.Period(), QStringLiteral("Monat"));
    QCOMPARE(beam.findChild<TSepEdt*>("SE_Count")->IntValue(), 1);
    QCOMPARE(beam.findChild<QLabel*>("BackLbl")->text(), QStringLiteral("<"));
    QCOMPARE(beam.findChild<QLabel*>("ProgrLbl")->text(), QStringLiteral("P"));
  }

  void ProgramCycleRunsThroughEveryPage() {
    TBeam beam;
    beam.SetPageFactory([](int, QWidget* parent) { return new FakePage(parent); });
    beam.SetDateLand("31.01.2023D-NI");
    beam.SetLand("D-NI");
    auto* seen = Record(beam);
    const struct {
      const char* caption;
      const char* command;
      int progId;
      int height;
    } kSteps[] = {
        {"Uhrzeit", "PClock", 2, 241},
        {"Fristenberechnung nach § 187 I BGB", "PTerm", 1, 241},
        {"Zeitdifferenz (Arbeitsstunden)", "PTimeDiff", 3, 241},
        {"Zeitdifferenz", "PDblDateDiff", 6, 241},
        {"Windows Info", "PWinInfo", 5, 241},
        {"WKN nach ISIN / Kurs abfragen", "PTimeDiff", 4, 241},
        {"Datumsformate (numerisch)", "P7", 7, 241},
        {"Datumsformate (alphanumerisch)", "P8", 8, 241},
        {"Datumsformate (IT-1)", "P9", 9, 241},
        {"Datumsformate (IT-2)", "P10", 10, 241},
        {"Datumsformate (IT-3)", "P11", 11, 241},
        {"Kalender", "P", 0, 24},
        {"Uhrzeit", "PClock", 2, 241},
    };
    int step = 0;
    for (const auto& s : kSteps) {
      Click(beam, "Progr");
      QCOMPARE(beam.ProgCaption(), QString::fromUtf8(s.caption));
      QCOMPARE(beam.Command(), QString::fromUtf8(s.command));
      QCOMPARE(beam.ProgId(), s.progId);
      QCOMPARE(beam.height(), s.height);
      QCOMPARE(seen->size(), static_cast<std::size_t>(++step));
      QCOMPARE(seen->back().sender, tools::BeamSender::Progr);
      QCOMPARE(seen->back().command, QString::fromUtf8(s.command));
      QCOMPARE(beam.FormatPage(), s.progId >= 7 ? QString::fromUtf8(s.command) : QString());
      QCOMPARE(Button(beam, "Kal")->isVisibleTo(&beam), s.progId != 0 && s.progId != 6);
      QCOMPARE(Button(beam, "Search")->isVisibleTo(&beam), s.progId == 0);
    }
  }

  void JulianStaysOnTheCalendar() {
    TBeam beam;
    beam.SetGregorianMode(false);
    Click(beam, "Progr");
    QCOMPARE(beam.ProgCaption(), QStringLiteral("Kalender"));
    QCOMPARE(beam.ProgId(), 0);
    beam.SetProgStep(0);
    beam.SwitchProgram();
    QCOMPARE(beam.ProgId(), 0);
  }

  void KalButtonReturnsToTheCalendar() {
    TBeam beam;
    beam.SetDateLand("31.01.2023D-NI");
    beam.SetProgStep(1);
    beam.SwitchProgram();
    QCOMPARE(beam.ProgId(), 1);
    auto* seen = Record(beam);
    Click(beam, "Kal");
    QCOMPARE(beam.ProgId(), 0);
    QCOMPARE(beam.ProgStep(), 0);
    QCOMPARE(beam.Command(), QStringLiteral("P"));
    QCOMPARE(beam.height(), 24);
    QCOMPARE(seen->size(), 1u);
    QCOMPARE(seen->back().sender, tools::BeamSender::None);
  }

  void UnitCyclesAndKeepsItsEndingWithTheCount() {
    TBeam beam;
    TDblBtn* dbl = beam.findChild<TDblBtn*>("DblBtn");
    auto* count = beam.findChild<TSepEdt*>("SE_Count");
    QStringList units;
    for (int i = 0; i < 4; ++i) {
      dbl->Switch1Asc()->Clicked();
      units << beam.Period();
    }
    QCOMPARE(units, (QStringList{"Jahr", "Tag", "Woche", "Monat"}));
    const struct {
      int count;
      const char* unit;
    } kCounts[] = {{1, "Monat"}, {2, "Monate"}, {1, "Monat"}, {3, "Monate"}};
    for (const auto& c : kCounts) {
      count->SetFloatValue(c.count);
      QCOMPARE(beam.Period(), QString::fromUtf8(c.unit));
    }
    dbl->Switch1Desc()->Clicked();
    QCOMPARE(beam.Period(), QStringLiteral("Jahre"));
    beam.SetGregorianMode(false);
    beam.ApplyCalendarUnit();
    QCOMPARE(beam.Period(), QStringLiteral("Tage"));
    dbl->Switch1Asc()->Clicked();
    QCOMPARE(beam.Period(), QStringLiteral("Wochen"));
    dbl->Switch1Asc()->Clicked();
    QCOMPARE(beam.Period(), QStringLiteral("Tage"));
  }

  void MovesRaiseTheirCommandsAndJulianMonthsAreDropped() {
    TBeam beam;
    auto* seen = Record(beam);
    beam.findChild<TSepEdt*>("SE_Count")->SetFloatValue(3);
    Click(beam, "Forw");
    Click(beam, "Back");
    QCOMPARE(seen->size(), 2u);
    QCOMPARE(seen->at(0).command, QStringLiteral("forwMonth"));
    QCOMPARE(seen->at(0).sender, tools::BeamSender::Forw);
    QCOMPARE(seen->at(1).command, QStringLiteral("backMonth"));
    QCOMPARE(beam.Count(), 3);
    beam.SetGregorianMode(false);
    Click(beam, "Forw");
    QCOMPARE(seen->back().command, QString());
  }

  void BarButtonsReactToSpaceAndEnter() {
    TBeam beam;
    auto* seen = Record(beam);
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
      QTest::keyClick(Button(beam, "Back"), static_cast<Qt::Key>(key));
    }
    QCOMPARE(seen->size(), 3u);
    QCOMPARE(seen->back().command, QStringLiteral("backMonth"));
    QCOMPARE(Button(beam, "Back")->focusPolicy(), Qt::StrongFocus);
  }

  void DeadlinePageShowsTheTableAndCopiesIt() {
    TBeam beam;
    beam.SetDateLand("31.01.2023D-NI");
    beam.SetLand("D-NI");
    beam.SetProgStep(1);
    beam.SwitchProgram();
    auto* page = qobject_cast<TDeadlinePage*>(beam.OpenPage());
    QVERIFY(page != nullptr);
    QCOMPARE(page->Cell(1)->text(), QStringLiteral("Fristbeginn"));
    QCOMPARE(page->Cell(2)->text(), QStringLiteral("Fristende"));
    QCOMPARE(page->Cell(11)->text(), QStringLiteral("1/2 Monat"));
    QCOMPARE(page->Cell(12)->text(), QStringLiteral("15.02.2023, Mi"));
    QCOMPARE(page->Cell(14)->text(), QStringLiteral("28.02.2023, Di"));
    QVERIFY(page->Cell(1)->toolTip().endsWith(
        "\r\n\r\nAchtung!\r\nHier wird nach Absatz 1 gerechnet!"));
    // The move elements are hidden on the deadline page.
    QVERIFY(!beam.findChild<QWidget*>("Back")->isVisibleTo(&beam));

    auto* seen = Record(beam);
    Click(beam, "Copy");
    QCOMPARE(seen->size(), 1u);
    QCOMPARE(seen->back().command, QStringLiteral("CT"));
    QCOMPARE(seen->back().sender, tools::BeamSender::Copy);
    QVERIFY(seen->back().copyRequested);
    QCOMPARE(beam.Command(), QStringLiteral("PTerm"));
    QVERIFY(!tools::CopyRequested());
    const QString copy = beam.CopyText();
    QVERIFY(
        copy.startsWith("Fristenberechnung nach § 187 I BGB\r\nFristbeginn: 31.01.2023, Di\r\n"
                        "Niedersachsen\r\n"));
    // The caption stands once.
    QCOMPARE(copy.count("Fristenberechnung nach § 187 I BGB"), 1);
    QVERIFY(copy.contains("1 Monat    28.02.2023, Di\r\n"));

    beam.ResetDeadlineCells();
    QCOMPARE(page->Cell(14)->text(), QStringLiteral("----"));
    beam.SetDateLand("29.02.2024D-NI");
    beam.RecomputeOpenPage();
    QCOMPARE(page->Cell(28)->text(), QStringLiteral("28.02.2025, Fr"));
  }

  void DeadlineHeadingsOpenTheArticle() {
    TBeam beam;
    beam.SetDateLand("31.01.2023D-NI");
    beam.SetProgStep(1);
    beam.SwitchProgram();
    auto* page = qobject_cast<TDeadlinePage*>(beam.OpenPage());
    QTest::mouseClick(page->Cell(1), Qt::LeftButton);
    QTest::mouseClick(page->Cell(2), Qt::LeftButton);
    QCOMPARE(urls.list(), (std::vector<std::string>{"https://de.wikipedia.org/wiki/Frist",
                                                    "https://de.wikipedia.org/wiki/Frist"}));
  }

  void AustrianRegionHidesTheDeadlineEntryButTheCycleReachesIt() {
    TBeam beam;
    beam.SetLand("A-W");
    beam.SetDateLand("31.01.2023A-W");
    QAction* entry = nullptr;
    for (QAction* action : beam.SearchMenu()->findChildren<QAction*>()) {
      if (QString(action->text()).remove('&') == "Fristenberechnung") entry = action;
    }
    QVERIFY(entry != nullptr);
    QVERIFY(!entry->isVisible());
    Click(beam, "Progr");
    Click(beam, "Progr");
    QCOMPARE(beam.ProgId(), 1);
    beam.SetLand("D-BY");
    QVERIFY(entry->isVisible());
  }

  void MenuEntriesChooseTheirProgram() {
    TBeam beam;
    beam.SetPageFactory([](int, QWidget* parent) { return new FakePage(parent); });
    const QList<QAction*> programs =
        beam.SearchMenu()->findChild<QMenu*>("SearchMenu_weitere")->actions();
    QCOMPARE(programs.size(), 11);
    const int kIds[] = {2, 1, 3, 6, 5, 4, 7, 8, 9, 10, 11};
    for (int i = 0; i < 11; ++i) {
      programs[i]->trigger();
      QCOMPARE(beam.ProgId(), kIds[i]);
      QCOMPARE(beam.ProgStep(), i + 1);
    }
  }

  void HostsPagesThroughTheContract() {
    TBeam beam;
    FakePage* fake = nullptr;
    beam.SetPageFactory([&fake](int progId, QWidget* parent) -> TBeamPage* {
      if (progId != 2) return nullptr;
      fake = new FakePage(parent);
      return fake;
    });
    beam.SetChosen(testsupport::DayOf("08.12.2026", "D-BY", "09:30:15"));
    auto* seen = Record(beam);
    Click(beam, "Progr");
    QVERIFY(fake != nullptr);
    QCOMPARE(beam.OpenPage(), fake);
    QVERIFY(fake->isVisibleTo(&beam));
    QCOMPARE(fake->inputs.size(), 1u);
    QCOMPARE(fake->inputs[0], testsupport::DayOf("08.12.2026", "D-BY", "09:30:15"));
    QCOMPARE(beam.CopyText(), QStringLiteral("Uhrzeit\r\nZeile\r\n"));
    QCOMPARE(beam.ResultText(), QStringList{"Ergebnis"});

    // A date change refreshes the clock; a chosen time goes to the owner.
    beam.SetDateLand("09.12.2026D-BY");
    beam.RecomputeOpenPage();
    QCOMPARE(fake->inputs.size(), 2u);
    QCOMPARE(engine::DateTextOf(fake->inputs[1]), std::string("09.12.2026"));
    seen->clear();
    fake->ChooseTime({17, 45, 0});
    QCOMPARE(seen->size(), 2u);
    QCOMPARE(seen->at(0).command, QStringLiteral("chClock"));
    QCOMPARE(seen->at(1).command, QStringLiteral("Change"));
    QCOMPARE(beam.ClockTime(), (engine::TimeOfDay{17, 45, 0}));
    QCOMPARE(beam.Command(), QStringLiteral("PClock"));

    // A page that answers its refresh with a time raises no change.
    fake->answerWithTime = true;
    seen->clear();
    beam.RecomputeOpenPage();
    QCOMPARE(seen->size(), 0u);
    QCOMPARE(beam.ClockTime(), (engine::TimeOfDay{12, 0, 0}));

    fake->ChangeText("Neu\r\n");
    QCOMPARE(beam.CopyText(), QStringLiteral("Uhrzeit\r\nNeu\r\n"));

    // The copy carries the page's text under the caption once.
    seen->clear();
    Click(beam, "Copy");
    QCOMPARE(seen->back().command, QStringLiteral("CC"));
    QCOMPARE(beam.CopyText(), QStringLiteral("Uhrzeit\r\nNeu\r\n"));

    // The next program has no page yet: its caption stands alone.
    Click(beam, "Progr");
    Click(beam, "Progr");
    QCOMPARE(beam.ProgId(), 3);
    auto* caption = beam.OpenPage()->findChild<QLabel*>("Lbl_Caption");
    QVERIFY(caption != nullptr);
    QCOMPARE(caption->text(), QStringLiteral("Zeitdifferenz (Arbeitsstunden)"));
    QCOMPARE(beam.CopyText(), QStringLiteral("Zeitdifferenz (Arbeitsstunden)\r\n"));
    QVERIFY(!fake->isVisibleTo(&beam));
  }

  void DateDifferencePageAsksForTheComputation() {
    TBeam beam;
    beam.SetProgStep(3);
    beam.SwitchProgram();
    auto* page = qobject_cast<TDateDiffPage*>(beam.OpenPage());
    QVERIFY(page != nullptr);
    QVERIFY(beam.StartInclusive());
    QVERIFY(!beam.EndInclusive());
    QVERIFY(!beam.findChild<QWidget*>("Back")->isVisibleTo(&beam));
    auto* seconds = beam.findChild<QWidget*>("CBSek");
    QVERIFY(seconds->isVisibleTo(&beam));
    QCOMPARE(seconds->width(), 80);
    auto* seen = Record(beam);
    page->findChild<TDblBtn*>("Edt_End_Btn")->Switch1Asc()->Clicked();
    QVERIFY(beam.EndInclusive());
    QCOMPARE(page->Edt_End()->text(), QStringLiteral("inklusiv"));
    QTest::mouseClick(page->Btn_Compute(), Qt::LeftButton);
    QCOMPARE(seen->size(), 2u);
    QCOMPARE(seen->back().command, QStringLiteral("PDblDateDiff"));
    QCOMPARE(seen->back().sender, tools::BeamSender::Page);
    beam.SetDateDiffResult("Vom a\r\n\r\n1 Tag\r\n");
    QCOMPARE(beam.CopyText(), QStringLiteral("Zeitdifferenz\r\nVom a\r\n\r\n1 Tag\r\n"));
    QCOMPARE(beam.ResultText(), (QStringList{"Vom a", "", "1 Tag"}));
  }

  void EveryWebEntryGoesThroughTheOpener() {
    TBeam beam;
    std::vector<QAction*> web;
    std::vector<QMenu*> menus{beam.SearchMenu()};
    for (std::size_t i = 0; i < menus.size(); ++i) {
      for (QAction* action : menus[i]->actions()) {
        if (action->menu() != nullptr) {
          if (action->menu()->objectName() != "SearchMenu_weitere") menus.push_back(action->menu());
        } else if (!action->isSeparator()) {
          web.push_back(action);
        }
      }
    }
    QCOMPARE(web.size(), tools::WebEntries().size());
    for (QAction* action : web) action->trigger();
    QCOMPARE(urls.size(), web.size());
    for (const std::string& url : urls) QVERIFY2(platform::IsWebAddress(url), url.c_str());

    urls.clear();
    QTest::mouseClick(beam.findChild<QWidget*>("PnlSpr"), Qt::LeftButton);
    QCOMPARE(urls.list(), std::vector<std::string>{std::string(tools::kSayingAuthorArticle)});
    urls.clear();
    Click(beam, "Search");
    QTRY_COMPARE(urls.size(), 1u);
    QCOMPARE(urls[0], std::string(tools::kMetaSearchAddress));
  }

  void SecondsBoxReachesThePages() {
    TBeam beam;
    FakePage* fake = nullptr;
    beam.SetPageFactory([&fake](int, QWidget* parent) { return fake = new FakePage(parent); });
    Click(beam, "Progr");
    beam.findChild<QCheckBox*>("CBSek")->setChecked(true);
    QVERIFY(fake->secondsHidden);
  }

 private:
  testsupport::OpenedAddresses urls;
};

}  // namespace

RAZ_WIDGET_TEST(TBeamTest);
#include "beam_test.moc"

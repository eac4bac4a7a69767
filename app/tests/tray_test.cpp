// SPDX-License-Identifier: MIT
#include "app/tray.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/calvrn.h"
#include "engine/environment.h"
#include "platform/clipboard.h"
#include "platform/keyvalue_store.h"
#include "platform/systray.h"
#include "popup/kalender.h"
#include "testsupport/days.h"
#include "testsupport/recorders.h"
#include "testsupport/widget_test_main.h"

namespace {

// A store as a save with these ticks leaves it, the tray's last.
platform::MemoryStore StoreWith(int clock00, int tray, const char* land = nullptr) {
  platform::MemoryStore store;
  std::vector<platform::StoredEntry> entries{{"", std::string("/usr/bin/razaduvovi")},
                                             {"smal", 0},
                                             {"Front", 0},
                                             {"Date1h", 0},
                                             {"Clock00", clock00},
                                             {"LandSave", land != nullptr ? 1 : 0},
                                             {"x_B", 100},
                                             {"y_B", 200},
                                             {"x_S", 1500},
                                             {"y_S", 10}};
  if (land != nullptr) entries.push_back({"Land", std::string(land)});
  entries.push_back({"Tray", tray});
  store.Replace(entries);
  return store;
}

std::unique_ptr<TCalVrn> MakeWindow(platform::KeyValueStore& store) {
  auto window = std::make_unique<TCalVrn>(store);
  window->SetScreenSize({1920, 1080});
  window->SetProgramPath(QStringLiteral("/usr/bin/razaduvovi"));
  return window;
}

using testsupport::Child;

QAction* Action(const TTray& tray, const char* name) {
  return Child<QAction>(*tray.Menu(), name);
}

void Tick(QTimer* timer) {
  QMetaObject::invokeMethod(timer, "timeout");
}

void SetNow(engine::LocalDateTime now) {
  engine::SetClock(engine::FixedLegalClock(now));
}

// Relative luminance of a colour after WCAG 2.
double Luminance(const QColor& colour) {
  const auto channel = [](double value) {
    value /= 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
         0.0722 * channel(colour.blue());
}

// What a picture is made of: its opaque badge colour, the share of its
// nearly white pixels, and how tall the white digits stand.
struct PictureParts {
  QColor badge;
  double whiteShare = 0;
  double digitHeight = 0;  // of the side
  int cornerAlpha = 0;
};

PictureParts PartsOf(const QImage& image) {
  PictureParts parts;
  const QImage picture = image.convertToFormat(QImage::Format_ARGB32);
  const int side = picture.width();
  int whites = 0;
  int top = side;
  int bottom = -1;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const QColor colour = picture.pixelColor(x, y);
      if (colour.alpha() == 255 && colour.red() > 230 && colour.green() > 230 &&
          colour.blue() > 230) {
        ++whites;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  // The badge colour: the most frequent opaque one.
  std::map<QRgb, int> counts;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (qAlpha(picture.pixel(x, y)) == 255) ++counts[picture.pixel(x, y)];
    }
  }
  const auto most =
      std::max_element(counts.begin(), counts.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  if (most != counts.end()) parts.badge = QColor::fromRgba(most->first);
  parts.whiteShare = static_cast<double>(whites) / (side * side);
  parts.digitHeight = bottom < 0 ? 0 : static_cast<double>(bottom - top + 1) / side;
  parts.cornerAlpha = picture.pixelColor(0, 0).alpha();
  return parts;
}

}  // namespace

class TTrayTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    engine::SetClock(engine::FixedLegalClock(widget_tests::kTestNow));
    platform::SetSystemTrayProbe({});
    platform::SetClipboardWriter({});
  }

  void thePictureIsSharpAtEverySizeAndReadsOnAnyPanel() {
    for (const int size : {16, 20, 22, 24, 32, 40, 48, 64}) {
      for (const qreal ratio : {1.0, 1.5, 2.0}) {
        for (const char* digits : {"1", "7", "22", "53"}) {
          const QPixmap picture = WeekPicture(QString::fromLatin1(digits), size, ratio);
          const QString what = QStringLiteral("%1 px x %2, %3").arg(size).arg(ratio).arg(digits);
          // Drawn for the device pixels, not scaled from another size.
          QCOMPARE(picture.width(), qRound(size * ratio));
          QCOMPARE(picture.height(), qRound(size * ratio));
          QCOMPARE(picture.devicePixelRatio(), ratio);
          const PictureParts parts = PartsOf(picture.toImage());
          // A filled badge that hides the panel behind it, light or dark,
          // with rounded corners.
          QVERIFY2(parts.badge.alpha() == 255, qPrintable(what));
          QVERIFY2(parts.cornerAlpha < 200, qPrintable(what));
          // White digits on it in strong contrast, at least half the side tall.
          const double contrast = (1.0 + 0.05) / (Luminance(parts.badge) + 0.05);
          QVERIFY2(contrast >= 4.5, qPrintable(what));
          QVERIFY2(parts.whiteShare > 0.04 && parts.whiteShare < 0.5, qPrintable(what));
          QVERIFY2(parts.digitHeight >= 0.5, qPrintable(what));
        }
      }
    }
    // Every week has a picture of its own.
    QVERIFY(WeekPicture(QStringLiteral("52"), 22, 1).toImage() !=
            WeekPicture(QStringLiteral("53"), 22, 1).toImage());
  }

  void theIconDrawsEveryAskedSizeItself() {
    const QIcon icon = WeekIcon(QStringLiteral("53"));
    QVERIFY(!icon.isNull());
    for (const int size : TTray::kSizes) {
      QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    }
    for (const int size : {16, 22, 27, 64}) {
      for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
        QCOMPARE(pixmap.size(), QSize(size, size) * ratio);
        QCOMPARE(pixmap.toImage(), WeekPicture(QStringLiteral("53"), size, ratio).toImage());
      }
    }
    // A disabled symbol is grey, and so no longer in contrast to its digits' colour alone.
    const QColor grey = PartsOf(icon.pixmap(QSize(32, 32), 1, QIcon::Disabled).toImage()).badge;
    QCOMPARE(grey.red(), grey.blue());
  }

  void theTrayShowsTheDayItsWeekAndHolidays() {
    TTray tray;
    const struct {
      const char* date;
      const char* region;
      const char* toolTip;
      const char* digits;
    } kCases[] = {
        {"28.12.2026", "D-NI",
         "Montag, 28.12.2026\nKW 53\nWeihnachtsferien Niedersachsen 23.12.2026–09.01.2027", "53"},
        {"01.01.2027", "D-NI",
         "Freitag, 01.01.2027\nKW 53\nNiedersachsen:\nNeujahr (gesetzl. Feiertag)\n"
         "Weihnachtsferien Niedersachsen 23.12.2026–09.01.2027",
         "53"},
        {"04.01.2027", "D-NI",
         "Montag, 04.01.2027\nKW 1\nWeihnachtsferien Niedersachsen 23.12.2026–09.01.2027", "1"},
        {"03.10.2026", "D-BY",
         "Samstag, 03.10.2026\nKW 40\nBayern:\nTag der deutschen Einheit (gesetzl. Feiertag)",
         "40"},
    };
    for (const auto& c : kCases) {
      tray.ShowDay(testsupport::DayOf(c.date, c.region, "00:00").dayNumber,
                   QString::fromLatin1(c.region));
      QCOMPARE(tray.Icon()->toolTip(), QString::fromUtf8(c.toolTip));
      QCOMPARE(tray.Icon()->icon().pixmap(QSize(22, 22), 2).toImage(),
               WeekPicture(QString::fromLatin1(c.digits), 22, 2).toImage());
    }
    // A day outside the range leaves the day as it was.
    for (const int outside : {0, engine::kFirstDayNumber - 1, engine::kLastDayNumber + 1}) {
      tray.ShowDay(outside, QStringLiteral("D-NI"));
      QCOMPARE(QString::fromStdString(tray.Day().date), QStringLiteral("03.10.2026"));
    }
  }

  void theMenuOffersItsEntriesAndCopiesTheDayAndTheWeek() {
    TTray tray;
    QCOMPARE(tray.Icon()->contextMenu(), tray.Menu());
    QStringList texts;
    for (const QAction* action : tray.Menu()->actions()) {
      if (!action->isSeparator()) texts << action->text();
    }
    // Each entry has its own underlined letter for the keyboard.
    QCOMPARE(texts, (QStringList{QStringLiteral("&Kalenderblatt öffnen"), QStringLiteral("&Zinsen"),
                                 QStringLiteral("&Datum kopieren"), QStringLiteral("K&W kopieren"),
                                 QStringLiteral("&Beenden")}));
    testsupport::CopiedTexts copied;
    // Nothing to copy before a day is shown.
    Action(tray, "Act_CopyDate")->trigger();
    tray.ShowDay(testsupport::DayOf("01.01.2027", "D-NI", "00:00").dayNumber,
                 QStringLiteral("D-NI"));
    Action(tray, "Act_CopyDate")->trigger();
    Action(tray, "Act_CopyWeek")->trigger();
    QCOMPARE(copied.list(), (std::vector<std::string>{"01.01.2027", "KW 53"}));

    QSignalSpy open(&tray, &TTray::OpenCalendarRequested);
    QSignalSpy interest(&tray, &TTray::InterestRequested);
    QSignalSpy quit(&tray, &TTray::QuitRequested);
    QSignalSpy toggle(&tray, &TTray::ToggleRequested);
    Action(tray, "Act_OpenCal")->trigger();
    Action(tray, "Act_Zins")->trigger();
    Action(tray, "Act_Quit")->trigger();
    QCOMPARE(open.count(), 1);
    QCOMPARE(interest.count(), 1);
    QCOMPARE(quit.count(), 1);
    // Only the left click toggles; the right one opens the menu, a double
    // click follows a click that already toggled.
    emit tray.Icon()->activated(QSystemTrayIcon::Trigger);
    emit tray.Icon()->activated(QSystemTrayIcon::Context);
    emit tray.Icon()->activated(QSystemTrayIcon::DoubleClick);
    emit tray.Icon()->activated(QSystemTrayIcon::MiddleClick);
    QCOMPARE(toggle.count(), 1);
  }

  void withoutATrayTheTickIsDisabledAndSaysWhy() {
    platform::SetSystemTrayProbe([] { return false; });
    platform::MemoryStore store = StoreWith(0, 1);
    const auto window = MakeWindow(store);
    window->show();
    auto* box = Child<QCheckBox>(*window, "CB_Tray");
    QCOMPARE(box->text(), QStringLiteral("Symbol im Infobereich"));
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->toolTip(),
             QStringLiteral("Diese Arbeitsoberfläche hat keinen Infobereich (System-Tray) für "
                            "Symbole."));
    QVERIFY(window->Tray() == nullptr);
    QVERIFY(!Child<QTimer>(*window, "Timer3")->isActive());
    // The stored tick survives a session without a tray.
    QVERIFY(box->isChecked());
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
    QCOMPARE(store.ReadInt("Tray"), 1);
    QVERIFY(window->Tray() == nullptr);
  }

  void theTickShowsAndHidesTheSymbol() {
    platform::SetSystemTrayProbe([] { return true; });
    platform::MemoryStore store = StoreWith(0, 0);
    const auto window = MakeWindow(store);
    window->show();
    auto* box = Child<QCheckBox>(*window, "CB_Tray");
    QVERIFY(box->isEnabled());
    QCOMPARE(box->toolTip(),
             QStringLiteral("Kalenderwoche als Symbol im Infobereich der Taskleiste anzeigen"));
    QVERIFY(window->Tray() == nullptr);
    auto* timer3 = Child<QTimer>(*window, "Timer3");
    QVERIFY(!timer3->isActive());
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
    // The new tick stands in the panel's column, clear of the clock's labels.
    QCOMPARE(box->x(), 16);
    QVERIFY(box->isVisible());
    QVERIFY(box->geometry().bottom() < Child<QLabel>(*window, "Lbl_Now")->geometry().top());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(window->Tray() != nullptr);
    QVERIFY(window->Tray()->IsVisible());
    QCOMPARE(window->Tray()->Icon()->toolTip(),
             QStringLiteral("Dienstag, 08.12.2026\nKW 50\nNiedersachsen:\nMariä Empfängnis"));
    // Timer3 keeps the day, but the clock's labels stay hidden.
    QVERIFY(timer3->isActive());
    QVERIFY(Child<QLabel>(*window, "Lbl_Now")->isHidden());
    // "zurück" returns to the stored tick, and the symbol goes.
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Back"), Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QVERIFY(!window->Tray()->IsVisible());
    QVERIFY(!timer3->isActive());
    // "Speichern" with the tick alone keeps it.
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
    QCOMPARE(store.ReadInt("Tray"), 1);
    QVERIFY(window->Tray()->IsVisible());
  }

  void theWeekFollowsMidnightAndWakingWithoutMovingTheDateField() {
    platform::SetSystemTrayProbe([] { return true; });
    platform::MemoryStore store = StoreWith(0, 1);
    const auto window = MakeWindow(store);
    window->show();
    TTray* tray = window->Tray();
    QVERIFY(tray != nullptr && tray->IsVisible());
    auto* timer3 = Child<QTimer>(*window, "Timer3");
    QVERIFY(timer3->isActive());
    const struct {
      engine::LocalDateTime now;
      const char* date;
      const char* week;
    } kCases[] = {
        {{2026, 12, 8, 23, 59, 59, 0}, "08.12.2026", "KW 50"},
        {{2026, 12, 28, 0, 0, 1, 0}, "28.12.2026", "KW 53"},  // midnight
        {{2027, 1, 1, 0, 0, 0, 0}, "01.01.2027", "KW 53"},
        {{2027, 1, 4, 7, 45, 0, 0}, "04.01.2027", "KW 1"},  // woken on a later day
    };
    for (const auto& c : kCases) {
      SetNow(c.now);
      Tick(timer3);
      QCOMPARE(QString::fromStdString(tray->Day().date), QString::fromLatin1(c.date));
      QCOMPARE(QString::fromStdString(tray->Day().weekText), QString::fromLatin1(c.week));
      QVERIFY(tray->Icon()->toolTip().contains(QString::fromLatin1(c.date)));
    }
    // Without "um 00:00 Uhr aktualisieren" the date field keeps its day.
    QCOMPARE(window->ShownDate(), QStringLiteral("08.12.2026"));
  }

  void withTheClockTickBothTheFieldAndTheTrayMoveOn() {
    platform::SetSystemTrayProbe([] { return true; });
    platform::MemoryStore store = StoreWith(1, 1);
    const auto window = MakeWindow(store);
    window->show();
    SetNow({2027, 1, 4, 0, 0, 3, 0});
    Tick(Child<QTimer>(*window, "Timer3"));
    QCOMPARE(window->ShownDate(), QStringLiteral("04.01.2027"));
    QCOMPARE(QString::fromStdString(window->Tray()->Day().weekText), QStringLiteral("KW 1"));
    QVERIFY(!Child<QLabel>(*window, "Lbl_Now")->isHidden());
  }

  void theTrayNamesTheHolidaysOfTheStoredRegion() {
    platform::SetSystemTrayProbe([] { return true; });
    SetNow({2026, 1, 6, 12, 0, 0, 0});
    platform::MemoryStore store = StoreWith(0, 1, "D-BY");
    const auto window = MakeWindow(store);
    window->show();
    QCOMPARE(window->TrayLand(), QStringLiteral("D-BY"));
    QCOMPARE(window->Tray()->Icon()->toolTip(),
             QStringLiteral("Dienstag, 06.01.2026\nKW 2\nBayern:\nHeilige Drei Könige (gesetzl. "
                            "Feiertag)"));
    // A region only looked at in the pop-up is not the stored one.
    window->SetLand(QStringLiteral("D-NI"));
    SetNow({2026, 1, 7, 0, 0, 1, 0});
    Tick(Child<QTimer>(*window, "Timer3"));
    QCOMPARE(window->Tray()->Region(), QStringLiteral("D-BY"));
    // Saved with "Land speichern", it is.
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Set"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*window, "Btn_Save"), Qt::LeftButton);
    QCOMPARE(window->TrayLand(), QStringLiteral("D-NI"));
    QCOMPARE(window->Tray()->Region(), QStringLiteral("D-NI"));
  }

  void aClickOpensAndClosesThePopUpAndTheMenuReachesTheWindow() {
    platform::SetSystemTrayProbe([] { return true; });
    platform::MemoryStore store = StoreWith(0, 1);
    const auto window = MakeWindow(store);
    int interests = 0;
    window->SetInterestOpener([&] { ++interests; });
    window->show();
    TTray* tray = window->Tray();
    TKalender* kalender = Child<TKalender>(*window, "Kalender1");
    emit tray->Icon()->activated(QSystemTrayIcon::Trigger);
    QVERIFY(kalender->CalOpen());
    QVERIFY(kalender->CalendarPopup()->isVisible());
    emit tray->Icon()->activated(QSystemTrayIcon::Trigger);
    QVERIFY(!kalender->CalOpen());
    QVERIFY(!kalender->CalendarPopup()->isVisible());
    Action(*tray, "Act_OpenCal")->trigger();
    QVERIFY(kalender->CalOpen());
    // Asked again while open, it stays open.
    Action(*tray, "Act_OpenCal")->trigger();
    QVERIFY(kalender->CalOpen());
    kalender->Close();
    Action(*tray, "Act_Zins")->trigger();
    QCOMPARE(interests, 1);
    // "Beenden" ends the program as closing the window does: settings saved,
    // symbol gone.
    QSignalSpy closed(window.get(), &TCalVrn::Closed);
    store.writes = 0;
    Action(*tray, "Act_Quit")->trigger();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(store.writes, 1);
    QVERIFY(!tray->IsVisible());
    QVERIFY(!window->isVisible());
  }
};

RAZ_WIDGET_TEST(TTrayTest);

#include "tray_test.moc"

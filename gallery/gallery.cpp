// SPDX-License-Identifier: MIT
// The picture gallery: renders every control in its named states to PNG
// files, one per state, so that a change of look is seen before it ships.
// scripts/gallery.sh runs it at the scale factors 1 and 2.
//   gallery OUTPUT_DIR
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/calvrn.h"
#include "app/tray.h"
#include "controls/colors.h"
#include "controls/date.h"
#include "controls/dateedt.h"
#include "controls/dblbtn.h"
#include "controls/hints.h"
#include "controls/mocal.h"
#include "controls/sepedt.h"
#include "controls/spinhalf.h"
#include "engine/civildate.h"
#include "engine/environment.h"
#include "interest/qvversion.h"
#include "interest/qvzins.h"
#include "platform/keyvalue_store.h"
#include "platform/systeminfo.h"
#include "platform/systray.h"
#include "popup/dateca.h"
#include "popup/kalender.h"
#include "tools/beam.h"
#include "tools/clockpage.h"
#include "tools/formatpages.h"
#include "tools/isinpage.h"
#include "tools/sysinfopage.h"
#include "tools/workhourspage.h"

namespace {

struct State {
  QString name;
  std::function<QWidget*(QWidget* host)> make;  // the control, a child of host
  bool settle = false;  // the control defers work to the event loop (a list refill)
};

TDate* MakeDate(QWidget* host, const char* modus, int height) {
  auto* date = new TDate(host);
  date->SetModus(modus);
  date->SetEditHeight(height);
  return date;
}

TMoCal* MakeMoCal(QWidget* host, engine::CivilDate date, bool gregorian, const char* land) {
  auto* sheet = new TMoCal(host);
  const engine::CalendarKind kind =
      gregorian ? engine::CalendarKind::Gregorian : engine::CalendarKind::Julian;
  sheet->ShowMonth(engine::DayNumberOf(date, kind), gregorian, QString::fromUtf8(land));
  return sheet;
}

// A picture of a month-sheet menu as it pops up over the cell or year head.
QWidget* MoCalMenu(QWidget* host, const char* target) {
  TMoCal sheet;
  sheet.ShowMonth(engine::DayNumberOf({2024, 10, 3}, engine::CalendarKind::Gregorian), true,
                  "D-NI");
  auto* widget = sheet.findChild<QWidget*>(QString::fromLatin1(target));
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                          widget->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(widget, &event);
  QMenu* menu = QString(target) == "Lbl_ShowYear" ? sheet.YearMenu() : sheet.DayMenu();
  auto* picture = new QLabel(host);
  picture->setPixmap(menu->grab());
  picture->adjustSize();
  menu->hide();
  return picture;
}

// A picture of a month-sheet hint as its tooltip shows it.
QWidget* MoCalHint(QWidget* host, engine::CivilDate date, const char* target) {
  TMoCal sheet;
  sheet.ShowMonth(engine::DayNumberOf(date, engine::CalendarKind::Gregorian), true, "D-NI");
  auto* hint = new QLabel(
      controls::ShownHint(sheet.findChild<QWidget*>(QString::fromLatin1(target))->toolTip()), host);
  hint->setPalette(QToolTip::palette());
  hint->setAutoFillBackground(true);
  hint->setFrameShape(QFrame::Box);
  hint->setMargin(3);
  hint->adjustSize();
  return hint;
}

TDateEdt* MakeDateEdt(QWidget* host, const char* modus, int height, const char* date,
                      const char* calendar = "G") {
  auto* edit = new TDateEdt(host);
  edit->SetMessagesAsEvent(true);
  edit->SetEditHeight(height);
  edit->SetCalendar(calendar);
  edit->SetDate(date);
  edit->SetModus(modus);
  return edit;
}

void AddDateEdtStates(std::vector<State>& states) {
  for (const auto& [look, height] : {std::pair{"normal", 24}, std::pair{"compact", 21}}) {
    for (const char* modus : {"D", "A", "W", "J", "T", "TM"}) {
      states.push_back(
          {QStringLiteral("TDateEdt_%1_%2").arg(modus, look), [modus, height](QWidget* host) {
             TDateEdt* edit = MakeDateEdt(host, modus, height, "03.12.2026");
             edit->SetTime("14:05:09");
             return edit;
           }});
    }
    const struct {
      const char* name;
      const char* date;
      const char* calendar;
    } kDays[] = {{"saturday", "28.12.2024", "G"},      {"sunday", "29.12.2024", "G"},
                 {"holiday", "25.12.2024", "G"},       {"julian", "11.12.2003", "J"},
                 {"julian_sunday", "14.12.2003", "J"}, {"pregregorian", "14.10.1582", "G"}};
    for (const auto& day : kDays) {
      const QString name = QStringLiteral("TDateEdt_D_%1_%2").arg(day.name, look);
      states.push_back({name, [day, height](QWidget* host) {
                          return MakeDateEdt(host, "D", height, day.date, day.calendar);
                        }});
    }
    states.push_back({QStringLiteral("TDateEdt_A_julian_%1").arg(look), [height](QWidget* host) {
                        return MakeDateEdt(host, "A", height, "11.12.2003", "J");
                      }});
    states.push_back(
        {QStringLiteral("TDateEdt_W_pregregorian_%1").arg(look),
         [height](QWidget* host) { return MakeDateEdt(host, "W", height, "14.10.1582"); }});
    states.push_back({QStringLiteral("TDateEdt_D_typing_%1").arg(look), [height](QWidget* host) {
                        TDateEdt* edit = MakeDateEdt(host, "D", height, "03.12.2026");
                        edit->DateField()->Edt(0)->setText("3");
                        edit->DateField()->SetFieldFontColor(controls::kGreyColor);
                        return edit;
                      }});
    // Unfolded: the holidays of the year, then the German states of 1960.
    states.push_back({QStringLiteral("TDateEdt_D_unfolded_%1").arg(look), [height](QWidget* host) {
                        TDateEdt* edit = MakeDateEdt(host, "D", height, "03.10.2024");
                        edit->SwitchBtn()->Switch1Asc()->Clicked();
                        return edit;
                      }});
    // The German states of a year of division; the click is handled once
    // the gallery lets the events settle.
    states.push_back({QStringLiteral("TDateEdt_D_states_1960_%1").arg(look),
                      [height](QWidget* host) {
                        TDateEdt* edit = MakeDateEdt(host, "D", height, "15.06.1960");
                        edit->SwitchBtn()->Switch1Asc()->Clicked();
                        emit edit->LB_Land()->clicked(edit->LB_Land()->model()->index(0, 0));
                        return edit;
                      },
                      true});
    states.push_back(
        {QStringLiteral("TDateEdt_D_unfolded_julian_%1").arg(look), [height](QWidget* host) {
           TDateEdt* edit = MakeDateEdt(host, "D", height, "25.12.2003", "J");
           edit->SwitchBtn()->Switch1Asc()->Clicked();
           return edit;
         }});
  }
}

// The interest window as a child of the gallery's host, answering "Ja" to
// its question, its dates set on its calendar component as a user picks them.
TQvZins* MakeZins(QWidget* host, const char* currency, const char* start, const char* end,
                  const char* payDate, const char* capital = "1000", const char* rate = "10") {
  auto* window = new TQvZins(host);
  window->setWindowFlags(Qt::Widget);
  window->Edit("Edt_Capital")->setText(capital);
  window->Edit("Edt_rent")->setText(rate);
  window->SetQuestion([](const QString&, const QString&) { return true; });
  auto* editor = window->findChild<TKalender*>("Kalender1");
  window->List("CB_Value")->setCurrentIndex(window->List("CB_Value")->findText(currency));
  const struct {
    const char* field;
    const char* date;
  } kDates[] = {{"Edt_Beginn", start}, {"Edt_Ende", end}, {"Edt_PayDate", payDate}};
  for (const auto& d : kDates) {
    if (d.date == nullptr) continue;
    QTest::mouseClick(window->Edit(d.field), Qt::LeftButton);
    editor->SetDate(d.date);
  }
  window->findChild<QPushButton*>("Button1")->click();
  return window;
}

void AddInterestStates(std::vector<State>& states) {
  states.push_back({"TQvZins_open", [](QWidget* host) {
                      auto* window = new TQvZins(host);
                      window->setWindowFlags(Qt::Widget);
                      return window;
                    }});
  states.push_back({"TQvZins_DEM_saturday", [](QWidget* host) {
                      return MakeZins(host, "DEM", "01.01.2019", "01.01.2020", "04.01.2020");
                    }});
  states.push_back({"TQvZins_DEM_text", [](QWidget* host) {
                      TQvZins* window =
                          MakeZins(host, "DEM", "01.01.2019", "01.01.2020", "04.01.2020");
                      window->Btn_TextClick();
                      return window;
                    }});
  states.push_back({"TQvZins_30360_markers", [](QWidget* host) {
                      auto* window = new TQvZins(host);
                      window->setWindowFlags(Qt::Widget);
                      window->List("CB_Rent")->setCurrentIndex(9);
                      auto* editor = window->findChild<TKalender*>("Kalender1");
                      QTest::mouseClick(window->Edit("Edt_Beginn"), Qt::LeftButton);
                      editor->SetDate("31.01.2019");
                      QTest::mouseClick(window->Edit("Edt_Ende"), Qt::LeftButton);
                      editor->SetDate("31.03.2019");
                      window->findChild<QPushButton*>("Button1")->click();
                      return window;
                    }});
  states.push_back({"TQvZins_period_text", [](QWidget* host) {
                      TQvZins* window = MakeZins(host, "SEK", "01.01.2020", "01.01.2021", nullptr);
                      window->Edt_CalDiffTextClick();
                      return window;
                    }});
  states.push_back({"TQvZins_overflow", [](QWidget* host) {
                      return MakeZins(host, "SEK", "01.01.2019", "31.12.2021", nullptr,
                                      "1000000000", "300");
                    }});
  // The calendar component's date edit over the end date, with its button.
  states.push_back({"TQvZins_date_editor", [](QWidget* host) {
                      TQvZins* window = MakeZins(host, "SEK", "01.01.2019", "01.01.2020", nullptr);
                      QTest::mouseClick(window->Edit("Edt_Ende"), Qt::LeftButton);
                      return window;
                    }});
  // Its pop-up, opened from the end date, the 15th picked in the month
  // sheet: the field and the results show the picked day at once. The
  // pop-up is a window of its own; its picture lies beside the window.
  states.push_back({"TQvZins_date_popup", [](QWidget* host) {
                      auto* frame = new QWidget(host);
                      TQvZins* window = MakeZins(frame, "SEK", "01.01.2019", "01.01.2020", nullptr);
                      auto* kal = window->findChild<TKalender*>("Kalender1");
                      QTest::mouseClick(window->Edit("Edt_Ende"), Qt::LeftButton);
                      kal->Open();
                      TMoCal* sheet = kal->DateCal()->MoCal();
                      const auto& cells = sheet->View().cells;
                      for (int i = 0; i < 42; ++i) {
                        if (QString::fromStdString(cells[i].text).trimmed() != "15") continue;
                        QTest::mouseClick(
                            sheet->findChild<QWidget*>(QStringLiteral("Lbl_Day%1").arg(i + 1)),
                            Qt::LeftButton);
                        break;
                      }
                      auto* picture = new QLabel(frame);
                      picture->setFrameStyle(QFrame::Box | QFrame::Plain);
                      picture->setPixmap(kal->CalendarPopup()->grab());
                      picture->adjustSize();
                      picture->move(window->width() + 8, 0);
                      frame->resize(picture->x() + picture->width(), window->height());
                      return frame;
                    }});
  states.push_back({"TQvZins_percent", [](QWidget* host) {
                      auto* window = new TQvZins(host);
                      window->setWindowFlags(Qt::Widget);
                      window->Btn_PercentClick();
                      window->Edit("Edt_Cap1")->setText("250");
                      window->Edit("Edt_Perc2")->setText("12,5");
                      window->findChild<QPushButton*>("BitBtn3")->click();
                      return window;
                    }});
  states.push_back({"TQvZins_percent_text", [](QWidget* host) {
                      auto* window = new TQvZins(host);
                      window->setWindowFlags(Qt::Widget);
                      window->Btn_PercentClick();
                      window->Edit("Edt_Cap1")->setText("250");
                      window->Edit("Edt_Perc2")->setText("12,5");
                      window->BitBtn4Click();
                      return window;
                    }});
  states.push_back({"TQvVersion", [](QWidget* host) { return new TQvVersion(host); }});
}

// A picture of the main window, a top-level window of its own, in a state
// its stored ticks (and region) and a few clicks give it; with the calendar
// pop-up open, the pop-up stands beside it.
QWidget* CalVrnPicture(QWidget* host, int small, int front, int clock00,
                       const std::function<void(TCalVrn&)>& act, const char* land = nullptr) {
  platform::MemoryStore store;
  store.Replace({{"smal", small},
                 {"Front", front},
                 {"Date1h", 0},
                 {"Clock00", clock00},
                 {"LandSave", land != nullptr ? 1 : 0},
                 {"x_B", 10},
                 {"y_B", 10},
                 {"x_S", 10},
                 {"y_S", 10}});
  if (land != nullptr) store.Set("Land", std::string(land));
  TCalVrn window(store);
  window.SetScreenSize(QSize(1920, 1080));
  window.show();
  if (act) act(window);
  auto* frame = new QWidget(host);
  auto* picture = new QLabel(frame);
  picture->setPixmap(window.grab());
  picture->adjustSize();
  int width = picture->width();
  int height = picture->height();
  auto* kal = window.findChild<TKalender*>("Kalender1");
  if (kal != nullptr && kal->CalOpen()) {
    auto* popup = new QLabel(frame);
    popup->setPixmap(kal->CalendarPopup()->grab());
    popup->adjustSize();
    popup->move(width + 8, 0);
    width += 8 + popup->width();
    height = std::max(height, popup->height());
    kal->Close();
  }
  frame->resize(width, height);
  return frame;
}

// A double click on the date field, as the user opens the pop-up from the strip.
void DoubleClickDate(TCalVrn& window) {
  auto* kal = window.findChild<TKalender*>("Kalender1");
  QTest::mouseDClick(kal->DateCal()->DateEdt()->DateField()->Edt(0), Qt::LeftButton);
}

// A day picked on the pop-up's month sheet (the fourth cell of the sheet).
void PickDay(TCalVrn& window, const char* date) {
  auto* kal = window.findChild<TKalender*>("Kalender1");
  kal->SetDate(QString::fromLatin1(date));
  window.Btn_OpenCalClick();
  QTest::mouseClick(kal->DateCal()->MoCal()->findChild<QWidget*>("Lbl_Day4"), Qt::LeftButton);
}

void AddCalVrnStates(std::vector<State>& states) {
  states.push_back(
      {"TCalVrn_normal", [](QWidget* host) { return CalVrnPicture(host, 0, 0, 0, {}); }});
  states.push_back({"TCalVrn_settings", [](QWidget* host) {
                      return CalVrnPicture(host, 1, 1, 1, [](TCalVrn& window) {
                        window.Pnl_BigClick();
                        window.Btn_SetClick();
                        window.Timer3Timer();
                      });
                    }});
  states.push_back(
      {"TCalVrn_small", [](QWidget* host) { return CalVrnPicture(host, 1, 1, 0, {}); }});
  states.push_back({"TCalVrn_normal_calendar_open", [](QWidget* host) {
                      return CalVrnPicture(host, 0, 0, 0,
                                           [](TCalVrn& window) { window.Btn_OpenCalClick(); });
                    }});
  states.push_back({"TCalVrn_small_calendar_open",
                    [](QWidget* host) { return CalVrnPicture(host, 1, 1, 0, DoubleClickDate); }});
  states.push_back({"TCalVrn_move", [](QWidget* host) {
                      return CalVrnPicture(host, 1, 1, 0, [](TCalVrn& window) {
                        DoubleClickDate(window);
                        window.Pnl_Hide1Click();
                        window.findChild<TKalender*>("Kalender1")->Close();
                      });
                    }});
  // A day picked in the pop-up, which then closed: the window shows it.
  states.push_back({"TCalVrn_picked_day", [](QWidget* host) {
                      return CalVrnPicture(host, 0, 0, 0, [](TCalVrn& window) {
                        PickDay(window, "17.10.2024");
                        window.findChild<TKalender*>("Kalender1")->Close();
                      });
                    }});
  // The stored region reaches the pop-up's region name.
  states.push_back({"TCalVrn_calendar_open_Wien", [](QWidget* host) {
                      return CalVrnPicture(
                          host, 0, 0, 0, [](TCalVrn& window) { window.Btn_OpenCalClick(); }, "A-W");
                    }});
}

// The week symbol of the tray at the sizes desktops ask for, on a light, a
// mid and a dark panel, drawn for the screen's pixel ratio.
QWidget* TrayPictures(QWidget* host) {
  auto* frame = new QWidget(host);
  constexpr int kSizes[] = {16, 20, 22, 24, 32, 48, 64};
  const QColor panels[] = {QColor(240, 240, 240), QColor(0, 90, 158), QColor(32, 32, 32)};
  const qreal ratio = host->devicePixelRatioF();
  int top = 0;
  for (const QColor& panel : panels) {
    for (const char* digits : {"1", "9", "53"}) {
      auto* row = new QWidget(frame);
      QPalette palette = row->palette();
      palette.setColor(QPalette::Window, panel);
      row->setPalette(palette);
      row->setAutoFillBackground(true);
      int left = 4;
      for (const int size : kSizes) {
        auto* picture = new QLabel(row);
        picture->setPixmap(WeekPicture(QString::fromLatin1(digits), size, ratio));
        picture->setGeometry(left, 4 + (64 - size) / 2, size, size);
        left += size + 8;
      }
      row->setGeometry(0, top, left, 72);
      top += 72;
      frame->resize(left, top);
    }
  }
  return frame;
}

// The tray's tooltip for a day, as a tooltip shows it.
QWidget* TrayToolTip(QWidget* host, const char* date, const char* region) {
  TTray tray;
  tray.ShowDay(engine::CheckDate(date, engine::CalendarKind::Gregorian).dayNumber,
               QString::fromUtf8(region));
  auto* hint = new QLabel(tray.Icon()->toolTip(), host);
  hint->setPalette(QToolTip::palette());
  hint->setAutoFillBackground(true);
  hint->setFrameShape(QFrame::Box);
  hint->setMargin(3);
  hint->adjustSize();
  return hint;
}

void AddTrayStates(std::vector<State>& states) {
  states.push_back({"TTray_pictures", TrayPictures});
  states.push_back({"TTray_tooltip_2026-10-03_NI",
                    [](QWidget* host) { return TrayToolTip(host, "03.10.2026", "D-NI"); }});
  states.push_back({"TTray_tooltip_2027-01-01_BY",
                    [](QWidget* host) { return TrayToolTip(host, "01.01.2027", "D-BY"); }});
  states.push_back({"TTray_tooltip_2008-05-11_BB",
                    [](QWidget* host) { return TrayToolTip(host, "11.05.2008", "D-BB"); }});
  states.push_back({"TTray_menu", [](QWidget* host) {
                      TTray tray;
                      tray.Menu()->adjustSize();
                      auto* picture = new QLabel(host);
                      picture->setPixmap(tray.Menu()->grab());
                      picture->adjustSize();
                      return picture;
                    }});
  // The settings panel with the tray's tick, on a desktop with a tray and
  // on one without (the tick disabled, its hint says why).
  for (const bool available : {true, false}) {
    states.push_back({available ? "TCalVrn_settings_tray" : "TCalVrn_settings_no_tray",
                      [available](QWidget* host) {
                        platform::SetSystemTrayProbe([available] { return available; });
                        QWidget* picture = CalVrnPicture(host, 0, 0, 1, [](TCalVrn& window) {
                          window.Btn_SetClick();
                          auto* box = window.findChild<QCheckBox*>("CB_Tray");
                          if (box->isEnabled()) QTest::mouseClick(box, Qt::LeftButton);
                          window.Timer3Timer();
                        });
                        platform::SetSystemTrayProbe({});
                        return picture;
                      }});
  }
}

// The program pages of the tools panel, each on its 249 x 217 place.
void AddToolsPageStates(std::vector<State>& states) {
  const struct {
    const char* name;
    const char* date;
    const char* region;
    const char* time;
    bool noSeconds;
  } kClocks[] = {{"summer", "15.07.2024", "D-NI", "12:00:00", false},
                 {"winter_midnight", "15.01.2024", "D-NI", "00:30:00", false},
                 {"double_summer", "24.05.1945", "D-BE", "12:00:00", false},
                 {"mean_local_time", "15.06.1890", "D-NI", "12:00:00", false},
                 {"austria_no_seconds", "08.12.2026", "A-W", "09:30:15", true}};
  for (const auto& c : kClocks) {
    states.push_back({QStringLiteral("Tools_Clock_%1").arg(c.name), [c](QWidget* host) {
                        auto* page = new TClockPage(host);
                        if (c.noSeconds) page->findChild<QCheckBox*>("CBSek")->setChecked(true);
                        page->Refresh(*engine::ReadChosenDay(c.date, c.region, c.time));
                        return page;
                      }});
  }
  // The hints of the clock's legal rows, as their tooltips show them.
  const struct {
    const char* name;
    const char* date;
    const char* region;
    const char* caption;
  } kClockHints[] = {{"summer_legal", "15.07.2024", "D-NI", "Lbl_Zone3a"},
                     {"double_summer_legal", "24.05.1945", "D-BE", "Lbl_Zone2a"},
                     {"moscow_2012", "15.07.2012", "D-NI", "Lbl_Zone2a"},
                     {"mean_local_time", "15.06.1890", "D-NI", "Lbl_Zone6a"}};
  for (const auto& h : kClockHints) {
    states.push_back({QStringLiteral("Tools_Clock_hint_%1").arg(h.name), [h](QWidget* host) {
                        TClockPage page;
                        page.Refresh(*engine::ReadChosenDay(h.date, h.region, "12:00:00"));
                        auto* hint = new QLabel(
                            controls::ShownHint(page.findChild<QWidget*>(h.caption)->toolTip()),
                            host);
                        hint->setPalette(QToolTip::palette());
                        hint->setAutoFillBackground(true);
                        hint->setFont(QToolTip::font());
                        hint->setMargin(2);
                        hint->adjustSize();
                        return hint;
                      }});
  }
  states.push_back({"Tools_WorkHours_night", [](QWidget* host) {
                      auto* page = new TWorkHoursPage(host);
                      page->Begin()->SetTime("22:00:00");
                      page->End()->SetTime("06:00:00");
                      return page;
                    }});
  const struct {
    const char* name;
    const char* typed;
  } kNumbers[] = {{"555750", "555750"}, {"lower_case", "a1b2c3"}, {"cut", "55 750"}};
  for (const auto& n : kNumbers) {
    states.push_back({QStringLiteral("Tools_Isin_%1").arg(n.name), [n](QWidget* host) {
                        auto* page = new TIsinPage(host);
                        emit page->Wkn()->textEdited(QString::fromUtf8(n.typed));
                        return page;
                      }});
  }
  states.push_back({"Tools_SysInfo", [](QWidget* host) {
                      platform::SetSystemFactsReader([] {
                        return platform::SystemFacts{"anna",
                                                     "buero-pc",
                                                     "Anna Muster",
                                                     "00330-80000-00000-AA123",
                                                     "Windows 11 Version 23H2",
                                                     1920,
                                                     1080,
                                                     1048576};
                      });
                      auto* page = new TSysInfoPage(host);
                      platform::SetSystemFactsReader({});
                      return page;
                    }});
  states.push_back({"Tools_SysInfo_missing_facts", [](QWidget* host) {
                      platform::SetSystemFactsReader([] { return platform::SystemFacts{}; });
                      auto* page = new TSysInfoPage(host);
                      platform::SetSystemFactsReader({});
                      return page;
                    }});
  for (const char* date : {"08.12.2026", "01.03.2026"}) {
    const QString day = QString::fromLatin1(date).replace('.', '_');
    states.push_back({QStringLiteral("Tools_P7_%1").arg(day), [date](QWidget* host) {
                        auto* page = new TNumericFormatPage(host);
                        page->Refresh(*engine::ReadChosenDay(date, "D-NI", "12:30:00"));
                        return page;
                      }});
    states.push_back({QStringLiteral("Tools_P8_%1").arg(day), [date](QWidget* host) {
                        auto* page = new TWrittenFormatPage(host);
                        page->Refresh(*engine::ReadChosenDay(date, "D-NI", "12:30:00"));
                        return page;
                      }});
  }
  for (int it = 1; it <= 3; ++it) {
    states.push_back({QStringLiteral("Tools_IT%1").arg(it), [it](QWidget* host) {
                        auto* page = new TTechFormatPage(it, host);
                        page->Refresh(*engine::ReadChosenDay("08.12.2026", "D-NI", "12:30:00"));
                        return page;
                      }});
  }
  states.push_back({"Tools_IT2_before_1899", [](QWidget* host) {
                      auto* page = new TTechFormatPage(2, host);
                      page->Refresh(*engine::ReadChosenDay("01.01.1899", "D-NI", "00:00:00"));
                      return page;
                    }});
}

// The tools panel, the pop-up's content and the open pop-up window.
void AddPopupStates(std::vector<State>& states) {
  states.push_back({"TBeam_bar", [](QWidget* host) { return new TBeam(host); }});
  const auto beamOn = [](QWidget* host, int step) {
    auto* beam = new TBeam(host);
    beam->SetDateLand("31.01.2023D-NI");
    beam->SetLand("D-NI");
    beam->SetProgStep(step);
    beam->SwitchProgram();
    return beam;
  };
  states.push_back({"TBeam_deadline", [beamOn](QWidget* host) { return beamOn(host, 1); }});
  states.push_back({"TBeam_datediff", [beamOn](QWidget* host) {
                      TBeam* beam = beamOn(host, 3);
                      beam->SetDateDiffResult(
                          TDateCal::PeriodText("15.03.2023", "10.02.2025", true, false));
                      return beam;
                    }});
  // Fixed facts, so that the picture does not change with the machine (the
  // stack size of the running thread differs from run to run).
  states.push_back({"TBeam_WinInfo", [beamOn](QWidget* host) {
                      platform::SetSystemFactsReader([] {
                        return platform::SystemFacts{
                            "anna", "buero-pc", "",     "", "Debian GNU/Linux 12 (bookworm)",
                            800,    800,        8388608};
                      });
                      TBeam* beam = beamOn(host, 4);
                      platform::SetSystemFactsReader({});
                      return beam;
                    }});
  const auto dateCal = [](QWidget* host, int step) {
    auto* cal = new TDateCal(host);
    cal->SetLand("D-NI");
    cal->SetDateText("03.10.2024");
    if (step >= 0) {
      cal->Beam()->SetProgStep(step);
      cal->Beam()->SwitchProgram();
    }
    return cal;
  };
  states.push_back({"TDateCal_kalender", [dateCal](QWidget* host) { return dateCal(host, -1); }});
  states.push_back({"TDateCal_deadline", [dateCal](QWidget* host) { return dateCal(host, 1); }});
  states.push_back({"TDateCal_datediff", [dateCal](QWidget* host) {
                      TDateCal* cal = dateCal(host, 3);
                      cal->DateEdtE()->SetDate("24.12.2024");
                      return cal;
                    }});
  states.push_back({"TDateCal_julian", [dateCal](QWidget* host) {
                      TDateCal* cal = dateCal(host, -1);
                      cal->SetCalendar("J");
                      return cal;
                    }});
  states.push_back({"TDateCal_message", [dateCal](QWidget* host) {
                      TDateCal* cal = dateCal(host, -1);
                      // The message panel takes corrections only while it is in
                      // sight, as in the open pop-up.
                      host->show();
                      cal->SetDateText("31.12.3000");
                      cal->Beam()->SetCommand("forwDay");
                      emit cal->Beam()->OnChange(tools::BeamSender::Forw);
                      return cal;
                    }});
  // The pop-up window itself, on the calendar, deadline and clock pages.
  for (const char* progr : {"Calendar", "calcDate", "Time"}) {
    states.push_back({QStringLiteral("TKalender_popup_%1").arg(progr), [progr](QWidget* host) {
                        // The component lives in a window of its own, so that the
                        // edit it puts back on closing does not show in the picture.
                        QWidget owner;
                        auto* kal = new TKalender(&owner);
                        kal->SetLand("D-NI");
                        kal->SetDate("03.10.2024");
                        kal->SetShowProgr(progr);
                        kal->Open();
                        auto* picture = new QLabel(host);
                        picture->setPixmap(kal->CalendarPopup()->grab());
                        picture->adjustSize();
                        kal->Close();
                        return picture;
                      }});
  }
  states.push_back({"TKalender_closed_in_host", [](QWidget* host) {
                      auto* frame = new QWidget(host);
                      frame->resize(140, 40);
                      auto* kal = new TKalender(frame);
                      kal->move(8, 8);
                      kal->SetDate("03.10.2024");
                      return frame;
                    }});
}

std::vector<State> States() {
  std::vector<State> states;
  AddInterestStates(states);
  AddCalVrnStates(states);
  AddTrayStates(states);
  AddDateEdtStates(states);
  AddToolsPageStates(states);
  AddPopupStates(states);
  const struct {
    const char* name;
    engine::CivilDate date;
    bool gregorian;
    const char* land;
  } kSheets[] = {
      {"TMoCal_2024-10_NI", {2024, 10, 17}, true, "D-NI"},
      {"TMoCal_2025-01_BY", {2025, 1, 6}, true, "D-BY"},
      {"TMoCal_1582-10_pregregorian", {1582, 10, 10}, true, "D-NI"},
      {"TMoCal_1582-10_gregorian", {1582, 10, 20}, true, "D-NI"},
      {"TMoCal_1582-10_julian", {1582, 10, 4}, false, "D-NI"},
      {"TMoCal_0001-01_julian", {1, 1, 3}, false, "D-NI"},
      {"TMoCal_3000-12", {3000, 12, 31}, true, "D-NI"},
      {"TMoCal_2026-12_today_W", {2026, 12, 8}, true, "A-W"},
  };
  for (const auto& sheet : kSheets) {
    states.push_back({sheet.name, [sheet](QWidget* host) {
                        return MakeMoCal(host, sheet.date, sheet.gregorian, sheet.land);
                      }});
  }
  states.push_back({"TMoCal_keyboard_focus", [](QWidget* host) {
                      TMoCal* sheet = MakeMoCal(host, {2024, 10, 17}, true, "D-NI");
                      host->show();
                      host->activateWindow();
                      if (!QTest::qWaitForWindowActive(host))
                        std::fprintf(stderr, "Fenster nicht aktiv\n");
                      sheet->findChild<QWidget*>("Lbl_Day18")->setFocus();
                      return sheet;
                    }});
  states.push_back({"TMoCal_hint_day", [](QWidget* host) {
                      return MoCalHint(host, {2024, 10, 17}, "Lbl_Day4");
                    }});
  states.push_back({"TMoCal_hint_week", [](QWidget* host) {
                      return MoCalHint(host, {2024, 12, 23}, "Lbl_Week5");
                    }});
  states.push_back({"TMoCal_hint_month", [](QWidget* host) {
                      return MoCalHint(host, {2024, 12, 23}, "Lbl_ShowMonth");
                    }});
  states.push_back({"TMoCal_hint_year", [](QWidget* host) {
                      return MoCalHint(host, {2024, 12, 23}, "Lbl_ShowYear");
                    }});
  states.push_back({"TMoCal_DayMenu", [](QWidget* host) { return MoCalMenu(host, "Lbl_Day4"); }});
  states.push_back(
      {"TMoCal_YearMenu", [](QWidget* host) { return MoCalMenu(host, "Lbl_ShowYear"); }});
  for (const char* modus : {"D", "T", "TM", "W", "A", "J"}) {
    for (const auto& [look, height] : {std::pair{"normal", 24}, std::pair{"compact", 21}}) {
      states.push_back({QStringLiteral("TDate_%1_%2").arg(modus, look),
                        [modus, height](QWidget* host) { return MakeDate(host, modus, height); }});
    }
  }
  states.push_back({"TDate_D_julian_grey", [](QWidget* host) {
                      TDate* date = MakeDate(host, "D", 24);
                      date->SetDateText("04.10.1582");
                      date->SetFieldColor(controls::kJulianColor);
                      date->SetFieldFontColor(controls::kGreyColor);
                      return date;
                    }});
  states.push_back({"TDate_D_sunday_pregregorian", [](QWidget* host) {
                      TDate* date = MakeDate(host, "D", 24);
                      date->SetDateText("24.12.1500");
                      date->SetFieldColor(controls::kPreGregorianColor);
                      date->SetFieldFontColor(controls::kSundayColor);
                      return date;
                    }});
  states.push_back({"TDate_T_desc_pressed", [](QWidget* host) {
                      TDate* date = MakeDate(host, "T", 24);
                      date->SetTimeText("23:59:59");
                      date->SwitchDesc(1)->SetLowered(true);
                      return date;
                    }});
  for (int height : {21, 25}) {
    for (const char* pressed : {"released", "asc_pressed", "desc_pressed"}) {
      states.push_back({QStringLiteral("TDblBtn_%1_%2").arg(height).arg(pressed),
                        [height, pressed](QWidget* host) {
                          auto* button = new TDblBtn(host);
                          button->SetEditHeight(height);
                          if (QString(pressed) == "asc_pressed")
                            button->Switch1Asc()->SetLowered(true);
                          if (QString(pressed) == "desc_pressed")
                            button->Switch1Desc()->SetLowered(true);
                          return button;
                        }});
    }
  }
  states.push_back({"TSepEdt_amount", [](QWidget* host) {
                      auto* edit = new TSepEdt(host);
                      edit->SetRoundModus("math");
                      edit->SetFloatValue(1234567.89L);
                      return edit;
                    }});
  states.push_back({"TSepEdt_integer", [](QWidget* host) {
                      auto* edit = new TSepEdt(host);
                      edit->SetIntegerOnly(true);
                      edit->SetFloatValue(4711.0L);
                      return edit;
                    }});
  states.push_back({"TSepEdt_typing", [](QWidget* host) {
                      auto* edit = new TSepEdt(host);
                      edit->setText("1234567,8");
                      return edit;
                    }});
  return states;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: gallery AUSGABEORDNER\n");
    return 2;
  }
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  engine::SetDecimalSeparator(',');
  engine::SetClock(engine::FixedLegalClock({2026, 12, 8, 9, 30, 15, 0}));
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(".")) {
    std::fprintf(stderr, "Fehler: Ordner %s nicht anlegbar\n", argv[1]);
    return 1;
  }
  constexpr int kMargin = 4;
  for (const State& state : States()) {
    QWidget host;
    QWidget* control = state.make(&host);
    control->move(kMargin, kMargin);
    host.resize(control->width() + 2 * kMargin, control->height() + 2 * kMargin);
    host.show();
    if (state.settle) {
      QEventLoop settle;
      QTimer::singleShot(0, &settle, &QEventLoop::quit);
      settle.exec();
    }
    const QString file = out.filePath(state.name + ".png");
    if (!host.grab().save(file)) {
      std::fprintf(stderr, "Fehler: %s nicht geschrieben\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}

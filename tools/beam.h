// SPDX-License-Identifier: MIT
// TBeam: the tools panel of the calendar pop-up. Closed it is one bar, 24
// pixels high: `Back`/`Forw` move the date by `SE_Count` units of
// `Edt_Period` (cycled by `DblBtn`), `Copy` copies, `Search` and `Kal`
// share a place (web search on the calendar page, back to the calendar on a
// program page), `Progr` steps through the programs, and the right button
// on `Search` or `Progr` opens `SearchMenu` with the program menu and the
// web entries. With a program open the panel is 241 pixels high and shows
// the program's page (a TBeamPage) below the bar.
//
// The panel never changes the date itself: it sets `Command` and raises
// `OnChange` with the element that asked; its owner acts on the command
// (tools/beam_model.h classifies it) and hands back the chosen day (day
// number, calendar, region and the date edit's time) as one value.
#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>

#include "engine/chosenday.h"
#include "tools/beampage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class TDblBtn;
class TSepEdt;

namespace tools {

// The element of the panel that raised a change.
enum class BeamSender { None, Progr, Back, Forw, Copy, Page };

// CopyRequested: the application-wide flag that a copy to the clipboard
// was asked for; whoever copies clears it.
bool CopyRequested();
void SetCopyRequested(bool requested);

}  // namespace tools

// TBeamButton: a small bevelled panel with a one-letter label that acts as
// a button: pressed it is shown lowered with the label one pixel down and
// right. It takes the focus and reacts to Space and Enter like a click.
class TBeamButton : public QFrame {
  Q_OBJECT

 public:
  TBeamButton(const QString& name, const QString& letter, QWidget* parent);

  QLabel* Label() const { return label_; }
  // SetLowered: shows the pressed or the released look.
  void SetLowered(bool lowered);

 signals:
  // Clicked: released over the panel, or Space/Enter; with the mouse button.
  void Clicked(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* label_ = nullptr;
  bool lowered_ = false;
};

class TBeam : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int ProgStep READ ProgStep WRITE SetProgStep)
  Q_PROPERTY(int ProgId READ ProgId)
  Q_PROPERTY(QString Command READ Command WRITE SetCommand)
  Q_PROPERTY(QString ProgCaption READ ProgCaption)
  Q_PROPERTY(QString FormatPage READ FormatPage)
  Q_PROPERTY(QString CopyText READ CopyText)
  Q_PROPERTY(QString DateLand READ DateLand WRITE SetDateLand)
  Q_PROPERTY(QString Land READ Land WRITE SetLand)
  Q_PROPERTY(bool GregorianMode READ GregorianMode WRITE SetGregorianMode)
  Q_PROPERTY(int Count READ Count)
  Q_PROPERTY(Program openProgram READ OpenProgram)

 public:
  static constexpr int kWidth = 249;

  // The programs by their numbers (ProgId), for owners that name them.
  enum class Program {
    Calendar = 0,
    Deadlines = 1,
    Clock = 2,
    WorkingHours = 3,
    SecuritiesNumber = 4,
    SystemInformation = 5,
    DateDifference = 6,
    NumericFormats = 7,
    WrittenFormats = 8,
    TechnicalFormats1 = 9,
    TechnicalFormats2 = 10,
    TechnicalFormats3 = 11,
  };
  Q_ENUM(Program)

  explicit TBeam(QWidget* parent = nullptr);

  // ProgStep: the cycle position 0..12; writing stores it as given (the
  // switch reads positions outside 0..10 as the calendar).
  int ProgStep() const { return progStep_; }
  void SetProgStep(int step) { progStep_ = step; }
  int ProgId() const { return progId_; }
  // OpenProgram: ProgId as a Program.
  Program OpenProgram() const { return static_cast<Program>(progId_); }
  // Command: the request the owner reads after OnChange.
  QString Command() const { return command_; }
  void SetCommand(const QString& command) { command_ = command; }
  QString ProgCaption() const { return caption_; }
  QString FormatPage() const { return formatPage_; }
  QString CopyText() const { return copyText_; }
  // Chosen: the chosen day the pages compute on; writing it stores it (the
  // owner refreshes the open page with RecomputeOpenPage).
  const engine::ChosenDay& Chosen() const { return day_; }
  void SetChosen(const engine::ChosenDay& day);
  // DateLand: the date DD.MM.YYYY in the day's calendar followed by the
  // region code. Writing reads such a text from an owner into the day; a
  // text whose date is no date of the calendar changes nothing.
  QString DateLand() const;
  void SetDateLand(const QString& dateLand);
  // Land: the region code; it decides whether the deadline entry is offered.
  QString Land() const;
  void SetLand(const QString& land);
  // GregorianMode: programs are offered only while it is set.
  bool GregorianMode() const { return day_.gregorian(); }
  void SetGregorianMode(bool gregorian);
  // Count: the value of SE_Count at the last move.
  int Count() const { return count_; }

  // ClockTime: the time a page chose last (the day's time until then).
  engine::TimeOfDay ClockTime() const { return day_.time; }

  // SwitchProgram: shows the program after ProgStep (the calendar outside
  // the Gregorian calendar), raises OnChange and recomputes the page.
  void SwitchProgram();
  // ShowCalendarPage: closes the program page and shows the bar alone.
  void ShowCalendarPage();
  // Move: a move back or forward by SE_Count units of Edt_Period.
  void Move(bool forward);
  // CycleUnit: the next unit of Edt_Period.
  void CycleUnit();
  // Copy: assembles the copy text and raises OnChange with the copy
  // command; CopyRequested is cleared afterwards and Command restored.
  void Copy();
  // AssembleCopyText: the caption line and the open page's text.
  void AssembleCopyText();
  // RecomputeOpenPage: refreshes the open deadline, clock or date-format
  // page for the panel's day, then assembles the copy text.
  void RecomputeOpenPage();
  // ResetDeadlineCells: the deadline page's end cells show "----".
  void ResetDeadlineCells();
  // ApplyCalendarUnit: a month or year unit becomes a day unit outside the
  // Gregorian calendar.
  void ApplyCalendarUnit();
  // SetProgrVisible: shows or hides the program button.
  void SetProgrVisible(bool visible);

  // ResultText: the open page's result lines.
  QStringList ResultText() const;
  // The date-difference page: its inclusion toggles and its result.
  bool StartInclusive() const;
  bool EndInclusive() const;
  void SetDateDiffResult(const QString& text);

  // The page of a program once it was opened; nullptr before.
  TBeamPage* Page(int progId) const;
  TBeamPage* OpenPage() const { return Page(progId_); }
  QMenu* SearchMenu() const { return searchMenu_; }
  QString Period() const;

  // PageFactory: makes the page of a program the panel does not build
  // itself (CreateBeamPage); replaced by tests. nullptr shows the caption.
  using PageFactory = std::function<TBeamPage*(int progId, QWidget* parent)>;
  void SetPageFactory(PageFactory factory) { factory_ = std::move(factory); }

 signals:
  // OnChange: Command is set; the sender names the element that asked.
  void OnChange(tools::BeamSender sender);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateBar();
  void CreateMenu();
  void HidePages(int leavingProgId);
  TBeamPage* PageFor(int progId);
  void RefreshPage(TBeamPage* page);
  void PageTimeChosen(engine::TimeOfDay time);
  void CountChanged();
  void SetNavigationVisible(bool visible);
  void ButtonClicked(TBeamButton* button, Qt::MouseButton mouse);
  void MenuProgram(int step);

  int progStep_ = 0;
  int progId_ = 0;
  QString command_ = QStringLiteral("P");
  QString caption_;
  QString formatPage_;
  QString copyText_;
  engine::ChosenDay day_;
  int count_ = 1;
  bool navigationShown_ = true;
  bool refreshing_ = false;

  TBeamButton* back_ = nullptr;
  TBeamButton* forw_ = nullptr;
  TBeamButton* search_ = nullptr;
  TBeamButton* kal_ = nullptr;
  TBeamButton* copy_ = nullptr;
  TBeamButton* progr_ = nullptr;
  TSepEdt* count_edit_ = nullptr;
  QLineEdit* period_ = nullptr;
  TDblBtn* dblBtn_ = nullptr;
  QFrame* saying_ = nullptr;
  QCheckBox* seconds_ = nullptr;
  QMenu* searchMenu_ = nullptr;
  QMenu* emptyMenu_ = nullptr;
  QAction* deadlineItem_ = nullptr;
  std::map<int, QPointer<TBeamPage>> pages_;
  PageFactory factory_ = CreateBeamPage;
};

// SPDX-License-Identifier: MIT
// What the tools panel TBeam knows without a window: the program table of
// its cycle with captions, commands and copy commands, the program menu and
// the names the calendar component reads and writes for a program
// (`ShowProgr`), the unit of a move and its plural ending, the commands the
// panel raises and how the calendar classifies them, the navigation
// arithmetic with its fallback to the ends of the calendar's range, the
// copy texts, and the panel's web addresses.
//
// Every address is a complete https address; opening it is the platform's
// business (platform/openurl.h).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/civildate.h"
#include "engine/navigation.h"

namespace tools {

// The moves of the panel are the engine's, shared with the command line.
using engine::CalendarUnit;
using engine::Move;
using engine::Navigate;
using engine::NavigationCommand;
using engine::NextUnit;
using engine::UnitForCount;

// ---- Programs ------------------------------------------------------------------

// One program of the panel: its id, caption, the command raised when it
// opens and the command of its copy.
struct Program {
  int progId = 0;
  std::string_view caption;
  std::string_view command;
  std::string_view copyCommand;
};

// The cycle position after which the program switch shows "Kalender".
inline constexpr int kCalendarProgStep = 11;
inline constexpr int kDeadlineProgId = 1;
inline constexpr int kClockProgId = 2;
inline constexpr int kDateDiffProgId = 6;
inline constexpr int kCalendarPageHeight = 24;
inline constexpr int kProgramPageHeight = 241;

// ProgramAfterStep: the program the switch shows from a cycle position;
// "Kalender" for 11, 12 and any position outside 0..10.
const Program& ProgramAfterStep(int progStep);  // 1 -> {1, "Fristenberechnung ...", "PTerm", "CT"}

// ProgramOfId: the program of an id; "Kalender" for an unknown id.
const Program& ProgramOfId(int progId);  // 6 -> {6, "Zeitdifferenz", "PDblDateDiff", "CDbl"}

// The caption of the "Kalender" page.
inline constexpr std::string_view kCalendarCaption = "Kalender";

// The entries of the program menu "weitere", in the order of their cycle
// positions 0..10.
std::span<const std::string_view> ProgramMenuCaptions();  // [1] == "Fristenberechnung"

// DeadlineMenuVisible: the deadline entry is offered for German regions only.
bool DeadlineMenuVisible(std::string_view region);  // "D-NI" -> true, "A-W" -> false

// NavigationShown: whether the move elements are shown after a page opens,
// from the program being left and the one opened: the calendar, clock and
// date-format pages show them, the deadline and date-difference pages hide
// them, the other pages keep them as the page that was left had them,
// hidden when that was a program page.
bool NavigationShown(int leavingProgId, int openedProgId,
                     bool shownBefore);  // (0, 3, true) -> true, (2, 3, true) -> false

// ShowProgrStep: the cycle position a `ShowProgr` value writes; nothing for
// a value that is no program name.
std::optional<int> ShowProgrStep(std::string_view value);  // "SearchDateForm" -> 9
// ShowProgrOfStep: the `ShowProgr` value read back from a cycle position.
std::string_view ShowProgrOfStep(int progStep);  // 11 -> "New", 0 -> "Calendar"

// ---- Commands ----------------------------------------------------------------

enum class CommandKind {
  None,          // empty or unknown: nothing happens
  ChClock,       // "chClock": take the clock's time
  CopyDateDiff,  // "CDbl"
  CopyProgram,   // "CT", "CC", "CTimeDiff", "CISIN", "CWinInfo"
  CopyCalendar,  // "CK"
  OpenDateDiff,  // "PDbl..."
  OpenFormat,    // "P7" .. "P10"
  OpenProgram,   // any other "P..."
  Change,        // "Change": a start-date change
  Navigation,    // "backDay" .. "forwYear"
};

// ClassifyCommand: what the calendar does for a command of the panel.
CommandKind ClassifyCommand(std::string_view command);  // "CTimeDiff" -> CopyProgram

// ---- Copy texts -------------------------------------------------------------

// CrLf: the text with every line break ("\r\n", "\n\r", "\n", "\r") written
// as CR LF, and no break doubled.
std::string CrLf(std::string_view text);  // "a\n\rb\r\nc" -> "a\r\nb\r\nc"

// CaptionedCopyText: the caption and CR LF, then the body; a body that
// already opens with the caption line keeps it once.
std::string CaptionedCopyText(std::string_view caption,
                              std::string_view body);  // ("Uhrzeit", "x\r\n") -> "Uhrzeit\r\nx\r\n"

// CalendarCopyText: the copy of the calendar page: the day's hint, a line of
// 20 hyphens, the week's hint, a line of hyphens, the month's hint, each on
// lines of its own, then the caption up to its first "-".
std::string CalendarCopyText(std::string_view dayHint, std::string_view weekHint,
                             std::string_view monthHint, std::string_view caption);

// ---- Web ------------------------------------------------------------------------

// One entry of the web menu; `submenu` is empty for the top level.
struct WebEntry {
  std::string_view submenu;
  std::string_view caption;
  std::string_view address;
  bool separatorBefore = false;
};

// WebEntries: the web part of the search menu, in menu order.
std::span<const WebEntry> WebEntries();

inline constexpr std::string_view kMetaSearchAddress = "https://metager.de/";
// The saying shown as the hint of `PnlSpr`, and its author's article.
inline constexpr std::string_view kSayingHint =
    "\"Die Zeit ist eine Illusion, wenn auch eine hartnäckige.\"\n\r(Albert Einstein)";
inline constexpr std::string_view kSayingAuthorArticle =
    "https://de.wikipedia.org/wiki/Albert_Einstein";
// The encyclopaedia article on periods, opened from the deadline headings.
inline constexpr std::string_view kDeadlineArticle = "https://de.wikipedia.org/wiki/Frist";

// RegionArticleLink: the encyclopaedia article named after the region.
std::string RegionArticleLink(std::string_view region);  // "D-NI" -> ".../wiki/Niedersachsen"
// RegionMapLink: a web map centred on the region's capital.
std::string RegionMapLink(std::string_view region);  // "D-NI" -> "...?ll=52.374444,9.738611&..."

}  // namespace tools

// SPDX-License-Identifier: MIT
#include "tools/beam_model.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "controls/mocal_model.h"
#include "engine/navigation.h"
#include "engine/region.h"
#include "engine/urlencode.h"

namespace tools {
namespace {

constexpr Program kCalendarProgram{0, kCalendarCaption, "P", "CK"};

// The cycle: the program shown after each position 0..10.
constexpr std::array<Program, 11> kCycle = {{
    {2, "Uhrzeit", "PClock", "CC"},
    {1, "Fristenberechnung nach § 187 I BGB", "PTerm", "CT"},
    {3, "Zeitdifferenz (Arbeitsstunden)", "PTimeDiff", "CTimeDiff"},
    {6, "Zeitdifferenz", "PDblDateDiff", "CDbl"},
    {5, "Windows Info", "PWinInfo", "CWinInfo"},
    {4, "WKN nach ISIN / Kurs abfragen", "PTimeDiff", "CISIN"},
    {7, "Datumsformate (numerisch)", "P7", "P7"},
    {8, "Datumsformate (alphanumerisch)", "P8", "P8"},
    {9, "Datumsformate (IT-1)", "P9", "P9"},
    {10, "Datumsformate (IT-2)", "P10", "P9"},
    {11, "Datumsformate (IT-3)", "P11", "P9"},
}};

constexpr std::array<std::string_view, 11> kProgramMenu = {
    "Uhrzeit",
    "Fristenberechnung",
    "Zeitdifferenz (Stunden)",
    "Zeitdifferenz (Tage)",
    "Computer",
    "WKN",
    "Datumsformate (numerisch)",
    "Datumsformate (alphanumerisch)",
    "Datumsformate (IT-1)",
    "Datumsformate (IT-2)",
    "Datumsformate (IT-3)",
};

// The ShowProgr names in the order of the positions they write (0..9), then
// the two names that write the calendar's position.
constexpr std::array<std::string_view, 10> kShowProgrNames = {
    "Time", "calcDate",    "Hours",        "DateDiff",   "Computer",
    "WKN",  "NumDateForm", "ANumDateForm", "ITDateForm", "SearchDateForm",
};

constexpr std::string_view kHyphenLine = "--------------------";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string Coordinate(double degrees) {
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees,
                                          std::chars_format::fixed, 6);
  if (error != std::errc()) return "0.000000";
  return std::string(buffer.data(), end);
}

constexpr WebEntry kWebEntries[] = {
    {"", "MetaGer UNI Hannover", kMetaSearchAddress, false},
    {"", "Wikipedia", "https://de.wikipedia.org/wiki/Wikipedia:Hauptseite", false},
    {"", "DER SPIEGEL", "https://www.spiegel.de/", false},
    {"", "Wolfram Alpha", "https://www.wolframalpha.com/", false},
    {"", "www.google.de", "https://www.google.de/", false},
    {"", "Übersetzungen", "https://www.deepl.com/translator", false},
    {"Mail", "Deutsche Post AG, EPost", "https://portal.epost.de/mui/login?company=0", true},
    {"Mail", "EuroDNS", "https://webmail.eurodns.com/appsuite", false},
    {"Mail", "AOL mail", "https://mail.aol.com/", false},
    {"Zeitungen", "Berliner Zeitung", "https://www.berliner-zeitung.de/", true},
    {"Zeitungen", "Frankfurter Allgemeine", "https://www.faz.net/", false},
    {"Zeitungen", "Hannoversche Allgemeine", "https://www.haz.de/", false},
    {"Zeitungen", "Neue Presse", "https://www.neuepresse.de/", false},
    {"Zeitungen", "Reuters", "https://www.reuters.com/", false},
    {"Zeitungen", "Süddeutsche Zeitung", "https://www.sueddeutsche.de/", false},
    {"Zeitungen", "Welt", "https://www.welt.de/", false},
    {"Zeitungen", "Westdeutsche Allgemeine", "https://www.waz.de/", false},
    {"Zeitungen", "Zeit", "https://www.zeit.de/", false},
    {"Radio", "Deutschlandfunk", "https://www.radio.de/s/dlf", true},
    {"Radio", "Bayern 3", "https://www.radio.de/s/bayern3", false},
    {"Radio", "Hessen 3", "https://www.radio.de/s/hr3", false},
    {"Radio", "NDR Info", "https://www.radio.de/s/ndrinfo", false},
    {"Radio", "NDR 1 Niedersachsen", "https://www.radio.de/s/ndr1niedersachsen", false},
    {"Radio", "NDR 2", "https://www.radio.de/s/ndr2", false},
    {"Radio", "SWR 4 Baden-Württemberg", "https://www.radio.de/s/swr4bw", false},
    {"Radio", "WDR 4", "https://www.radio.de/s/wdr4", false},
    {"Radio", "FFN", "https://www.radio.de/s/ffn", false},
    {"Radio", "Oldies", "https://www.radio.de/s/oldiestar", false},
    {"Fernsehen", "Al Jazeera", "https://www.aljazeera.com/", true},
    {"Fernsehen", "ARD", "https://www.ard.de/", false},
    {"Fernsehen", "BBC", "https://www.bbc.com/", false},
    {"Fernsehen", "Tagesschau", "https://www.tagesschau.de/", false},
    {"Fernsehen", "Voice of America", "https://www.voanews.com/", false},
    {"Fernsehen", "ZDF", "https://www.zdf.de/", false},
    {"", "Das Telefonbuch", "https://www.dastelefonbuch.de/", true},
    {"", "Gelbe Seiten", "https://www.gelbeseiten.de/yp/quick.yp", false},
    {"", "Postleitzahlen", "https://www.postdirekt.de/plzserver/", false},
    {"Fahrpläne:", "   EFA Niedersachsen/Bremen",
     "https://efa.vbn.de/vbn/XSLT_TRIP_REQUEST2?language=de&sessionID=0", true},
    {"Fahrpläne:", "   Eisenbahn", "https://www.bahn.de/", false},
    {"Fahrpläne:", "   Fernbuslinien", "https://www.busliniensuche.de/", false},
    {"Fahrpläne:", "   Verbindungen ab Bahnhof", "https://www.bahn.de/buchung/abfahrten", false},
    {"", "Flugplandaten", "https://www.flightradar24.com/data/airports/germany", true},
    {"", "Verkehrslage ADAC", "https://www.adac.de/verkehr/?TL=2", true},
    {"", "Verkehrsinfo", "https://www.verkehrsinfo.de/", false},
    {"", "www.youtube.com", "https://www.youtube.com/", true},
    {"", "www.amazon.de", "https://www.amazon.de/", false},
    {"", "www.ebay.de", "https://www.ebay.de/", false},
};

}  // namespace

const Program& ProgramAfterStep(int progStep) {
  if (progStep < 0 || progStep >= static_cast<int>(kCycle.size())) return kCalendarProgram;
  return kCycle[static_cast<std::size_t>(progStep)];
}

const Program& ProgramOfId(int progId) {
  for (const Program& program : kCycle) {
    if (program.progId == progId) return program;
  }
  return kCalendarProgram;
}

std::span<const std::string_view> ProgramMenuCaptions() {
  return kProgramMenu;
}

bool DeadlineMenuVisible(std::string_view region) {
  return region == "D" || StartsWith(region, "D-");
}

bool NavigationShown(int leavingProgId, int openedProgId, bool shownBefore) {
  switch (openedProgId) {
    case 0:
    case kClockProgId:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
      return true;
    case kDeadlineProgId:
    case kDateDiffProgId:
      return false;
    default:
      return shownBefore && leavingProgId <= 0;
  }
}

std::optional<int> ShowProgrStep(std::string_view value) {
  if (value == "Calendar" || value == "New") return kCalendarProgStep;
  for (std::size_t i = 0; i < kShowProgrNames.size(); ++i) {
    if (kShowProgrNames[i] == value) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string_view ShowProgrOfStep(int progStep) {
  if (progStep >= 1 && progStep <= static_cast<int>(kShowProgrNames.size())) {
    return kShowProgrNames[static_cast<std::size_t>(progStep - 1)];
  }
  if (progStep == kCalendarProgStep) return "New";
  return "Calendar";
}

CommandKind ClassifyCommand(std::string_view command) {
  if (command.empty()) return CommandKind::None;
  if (command == "chClock") return CommandKind::ChClock;
  if (StartsWith(command, "CDbl")) return CommandKind::CopyDateDiff;
  for (std::string_view copy : {"CT", "CC", "CISIN", "CWinInfo"}) {
    if (StartsWith(command, copy)) return CommandKind::CopyProgram;
  }
  if (StartsWith(command, "CK")) return CommandKind::CopyCalendar;
  if (StartsWith(command, "PDbl")) return CommandKind::OpenDateDiff;
  for (std::string_view format : {"P7", "P8", "P9", "P10"}) {
    if (command == format) return CommandKind::OpenFormat;
  }
  if (StartsWith(command, "P")) return CommandKind::OpenProgram;
  if (command == "Change") return CommandKind::Change;
  if (engine::IsNavigationCommand(command)) return CommandKind::Navigation;
  return CommandKind::None;
}

std::string CrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    const char other = c == '\r' ? '\n' : '\r';
    if (i + 1 < text.size() && text[i + 1] == other) ++i;
    out += "\r\n";
  }
  return out;
}

std::string CaptionedCopyText(std::string_view caption, std::string_view body) {
  std::string head(caption);
  head += "\r\n";
  if (StartsWith(body, head)) return std::string(body);
  return head + std::string(body);
}

std::string CalendarCopyText(std::string_view dayHint, std::string_view weekHint,
                             std::string_view monthHint, std::string_view caption) {
  std::string text;
  const auto addLines = [&text](std::string_view hint) {
    const std::string lines = CrLf(hint);
    text += lines;
    if (lines.size() < 2 || lines.compare(lines.size() - 2, 2, "\r\n") != 0) text += "\r\n";
  };
  addLines(dayHint);
  addLines(kHyphenLine);
  addLines(weekHint);
  addLines(kHyphenLine);
  addLines(monthHint);
  text += caption.substr(0, caption.find('-'));
  return text;
}

std::span<const WebEntry> WebEntries() {
  return kWebEntries;
}

std::string RegionArticleLink(std::string_view region) {
  return std::string(controls::kEncyclopediaBase) +
         engine::UrlEncode(engine::RegionNameOfCode(region));
}

std::string RegionMapLink(std::string_view region) {
  const engine::Region place = engine::RegionOfCode(region);
  const std::string at =
      Coordinate(place.latitudeDegrees) + "," + Coordinate(place.longitudeDegrees);
  return "https://www.openstreetmap.org/search?ll=" + at + "&spn=0.1,1&q=" + at;
}

}  // namespace tools

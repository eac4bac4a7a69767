// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/tests/cli_run.h"
#include "engine/holidayevents.h"
#include "export/icalendar.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

struct ComponentDeleter {
  void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// What libical reads back from one event.
struct ReadEvent {
  std::string uid;
  std::string summary;
  std::string category;
  std::string description;
  icaltimetype start;
  icaltimetype end;
};

struct ReadCalendar {
  std::string productId;
  std::string version;
  std::string name;
  std::vector<ReadEvent> events;
};

std::string TextOf(const char* text) {
  return text == nullptr ? "" : text;
}

// Parses a file with libical, which must find no error in it, and keeps its events.
ReadCalendar ReadBack(const std::string& text) {
  ReadCalendar read;
  Component calendar(icalparser_parse_string(text.c_str()));
  EXPECT_NE(calendar, nullptr);
  if (!calendar) return read;
  EXPECT_EQ(icalcomponent_isa(calendar.get()), ICAL_VCALENDAR_COMPONENT);
  if (icalcomponent_count_errors(calendar.get()) != 0) {
    // The errors libical found, as it marks them in the parsed calendar.
    char* parsed = icalcomponent_as_ical_string_r(calendar.get());
    std::string errors;
    std::istringstream lines(parsed);
    for (std::string line; std::getline(lines, line);) {
      if (line.find("X-LIC-ERROR") != std::string::npos) errors += line + '\n';
    }
    icalmemory_free_buffer(parsed);
    ADD_FAILURE() << "libical finds errors:\n" << errors;
  }
  for (icalproperty* p = icalcomponent_get_first_property(calendar.get(), ICAL_ANY_PROPERTY);
       p != nullptr; p = icalcomponent_get_next_property(calendar.get(), ICAL_ANY_PROPERTY)) {
    switch (icalproperty_isa(p)) {
      case ICAL_PRODID_PROPERTY:
        read.productId = TextOf(icalproperty_get_prodid(p));
        break;
      case ICAL_VERSION_PROPERTY:
        read.version = TextOf(icalproperty_get_version(p));
        break;
      case ICAL_X_PROPERTY:
        if (TextOf(icalproperty_get_x_name(p)) == "X-WR-CALNAME") {
          read.name = TextOf(icalproperty_get_x(p));
        }
        break;
      default:
        break;
    }
  }
  EXPECT_EQ(icalcomponent_count_components(calendar.get(), ICAL_ANY_COMPONENT),
            icalcomponent_count_components(calendar.get(), ICAL_VEVENT_COMPONENT));
  for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
       e != nullptr; e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
    ReadEvent event;
    event.uid = TextOf(icalcomponent_get_uid(e));
    event.summary = TextOf(icalcomponent_get_summary(e));
    event.description = TextOf(icalcomponent_get_description(e));
    icalproperty* categories = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
    if (categories != nullptr) event.category = TextOf(icalproperty_get_categories(categories));
    event.start = icalcomponent_get_dtstart(e);
    event.end = icalcomponent_get_dtend(e);
    EXPECT_NE(icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY), nullptr) << event.uid;
    read.events.push_back(std::move(event));
  }
  return read;
}

// The physical lines of a file, each without its CRLF; a bare LF or CR
// anywhere fails the test.
std::vector<std::string> PhysicalLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = text.find("\r\n", begin);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CRLF: " << text.substr(begin);
      break;
    }
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 2;
  }
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
  return lines;
}

// Every line ends in CRLF and holds at most 75 octets, and no fold splits a
// UTF-8 character.
void ExpectRfcLines(const std::string& text) {
  for (const std::string& line : PhysicalLines(text)) {
    EXPECT_LE(line.size(), 75u) << line;
    if (line.size() > 1 && line[0] == ' ') {
      const auto first = static_cast<unsigned char>(line[1]);
      EXPECT_NE(first & 0xC0, 0x80) << "fold inside a character: " << line;
    }
    if (!line.empty()) {
      // A line may not end within a character either.
      std::size_t i = line.size();
      std::size_t trailing = 0;
      while (i > 0 && (static_cast<unsigned char>(line[i - 1]) & 0xC0) == 0x80) {
        --i;
        ++trailing;
      }
      if (i > 0) {
        const auto lead = static_cast<unsigned char>(line[i - 1]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        EXPECT_EQ(trailing + 1, length) << "line ends inside a character: " << line;
      }
    }
  }
}

std::size_t CountOf(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

std::string DateText(const icaltimetype& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", t.year, t.month, t.day);
  return text;
}

std::string DateText(const engine::CivilDate& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
  return text;
}

// Reads a file back and finds exactly the engine's events in it.
void ExpectEvents(const std::string& text, const std::vector<engine::HolidayEvent>& events) {
  ExpectRfcLines(text);
  EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  EXPECT_EQ(CountOf(text, "\r\nDTSTART;VALUE=DATE:"), events.size());
  EXPECT_EQ(CountOf(text, "\r\nDTEND;VALUE=DATE:"), events.size());
  const ReadCalendar read = ReadBack(text);
  EXPECT_EQ(read.productId, exports::kIcalProductId);
  EXPECT_EQ(read.version, "2.0");
  ASSERT_EQ(read.events.size(), events.size());
  for (std::size_t i = 0; i < events.size(); ++i) {
    const ReadEvent& got = read.events[i];
    const engine::HolidayEvent& want = events[i];
    EXPECT_EQ(got.uid, want.uid);
    EXPECT_EQ(got.summary, want.summary) << want.uid;
    EXPECT_EQ(got.category, want.category) << want.uid;
    EXPECT_EQ(got.description, want.description) << want.uid;
    EXPECT_TRUE(got.start.is_date) << want.uid;
    EXPECT_TRUE(got.end.is_date) << want.uid;
    EXPECT_EQ(DateText(got.start), DateText(want.date)) << want.uid;
    icaltimetype next = got.start;
    icaltime_adjust(&next, want.days, 0, 0, 0);
    EXPECT_EQ(DateText(got.end), DateText(next)) << want.uid;
  }
}

constexpr exports::UtcStamp kStamp{2026, 12, 9, 6, 15, 0};

TEST(IcalWriter, EngineEventsReadBack) {
  const struct {
    int first;
    int last;
    const char* code;
    engine::HolidayEventOptions options;
  } kCases[] = {
      {2026, 2027, "D-BY", {false, false}}, {2026, 2026, "D-NI", {true, true}},
      {2026, 2030, "A-NÖ", {false, true}},  {1, 3, "D-BE", {false, true}},
      {2998, 3000, "HR", {false, true}},    {1933, 1945, "A-K", {false, false}},
  };
  for (const auto& c : kCases) {
    const engine::Region region = engine::RegionOfCode(c.code);
    const auto events = engine::HolidayEventsOfYears(c.first, c.last, region, c.options);
    ASSERT_FALSE(events.empty()) << c.code;
    const std::string name = engine::HolidayCalendarName(c.first, c.last, region, false);
    const std::string text = exports::IcalendarText(events, name, kStamp);
    ExpectEvents(text, events);
    EXPECT_EQ(ReadBack(text).name, name);
    EXPECT_EQ(CountOf(text, "\r\nDTSTAMP:20261209T061500Z\r\n"), events.size());
  }
}

// Texts that need escaping or folding come back unchanged: commas,
// semicolons, backslashes and line breaks, and long umlaut texts folded at
// every position of a character.
TEST(IcalWriter, EscapedAndFoldedTextsReadBack) {
  std::vector<engine::HolidayEvent> events;
  const std::vector<std::string> texts = {
      "Eishlg. Sophia = Kalte Sophie, Muttertag; Nikolaus",
      "a\\b,c;d:e\nzweite Zeile",
      "Tag des Gedenkens an die Opfer des Heimatkrieges und der heimatlichen Dankbarkeit",
      "",
  };
  for (std::size_t i = 0; i < texts.size(); ++i) {
    engine::HolidayEvent e;
    e.date = {2026, 1, static_cast<int>(i) + 1};
    e.uid = "text-" + std::to_string(i) + "@razaduvovi";
    e.summary = texts[i];
    e.description = texts[i] + texts[i];
    e.category = engine::kNamedDayCategory;
    events.push_back(std::move(e));
  }
  // Every offset of a two-octet and a three-octet character against the fold.
  for (int shift = 0; shift < 80; ++shift) {
    for (const char* letter : {"ä", "€"}) {
      engine::HolidayEvent e;
      e.date = {2027, 1 + shift / 28, 1 + shift % 28};
      e.uid = "fold-" + std::to_string(shift) + letter + "@razaduvovi";
      e.summary = std::string(static_cast<std::size_t>(shift), 'x');
      for (int n = 0; n < 60; ++n) e.summary += letter;
      e.description = "Ö" + e.summary;
      e.category = engine::kLegalHolidayCategory;
      events.push_back(std::move(e));
    }
  }
  const std::string text = exports::IcalendarText(events, "Feiertage in A, B; C", kStamp);
  ExpectEvents(text, events);
  EXPECT_EQ(ReadBack(text).name, "Feiertage in A, B; C");
  EXPECT_NE(text.find("a\\\\b\\,c\\;d:e\\nzweite Zeile"), std::string::npos);
}

TEST(IcalWriter, EmptyCalendarIsValid) {
  const std::string text = exports::IcalendarText({}, "Feiertage", kStamp);
  ExpectEvents(text, {});
}

// A scratch folder of its own for each test, removed afterwards.
class IcalCli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("razaduvovi-ical-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

// The time stamp is the moment of writing; two runs differ only in it.
std::string WithoutStamps(const std::string& text) {
  std::string out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("DTSTAMP:", 0) != 0) out += line + '\n';
  }
  return out;
}

TEST_F(IcalCli, WritesTheRegionsHolidaysToStandardOutput) {
  const struct {
    std::vector<std::string> args;
    int first;
    int last;
    const char* code;
    engine::HolidayEventOptions options;
  } kCases[] = {
      {{"ical", "2026-2027", "--land", "D-BY"}, 2026, 2027, "D-BY", {false, false}},
      {{"ical", "2026", "--land", "niedersachsen", "--kw"}, 2026, 2026, "D-NI", {false, true}},
      {{"ical", "2026-2026", "-l", "A-W", "-g"}, 2026, 2026, "A-W", {true, false}},
      {{"ical", "2024", "--land", "D-NI", "--ferien", "--kw"},
       2024,
       2024,
       "D-NI",
       {false, true, true}},
      {{"ical", "2025-2026", "--land", "A-W", "-g", "--ferien"},
       2025,
       2026,
       "A-W",
       {true, false, true}},
      {{"ical", "2020-2119", "--land", "dk", "--gesetzlich", "--kw"},
       2020,
       2119,
       "DK",
       {true, true}},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const engine::Region region = engine::RegionOfCode(c.code);
    ExpectEvents(r.out, engine::HolidayEventsOfYears(c.first, c.last, region, c.options));
    EXPECT_EQ(ReadBack(r.out).name,
              engine::HolidayCalendarName(c.first, c.last, region, c.options.legalOnly));
  }
}

TEST_F(IcalCli, FronleichnamLegalInBavariaOnly) {
  const ReadCalendar bavaria = ReadBack(Cli({"ical", "2026", "--land", "D-BY"}).out);
  const ReadCalendar saxony = ReadBack(Cli({"ical", "2026", "--land", "D-NI"}).out);
  const auto find = [](const ReadCalendar& calendar, const std::string& summary) {
    for (const ReadEvent& e : calendar.events) {
      if (e.summary == summary) return e;
    }
    return ReadEvent{};
  };
  const ReadEvent corpusChristi = find(bavaria, "Fronleichnam");
  EXPECT_EQ(corpusChristi.uid, "20260604-d-by-fronleichnam@razaduvovi");
  EXPECT_EQ(corpusChristi.category, "Gesetzlicher Feiertag");
  EXPECT_EQ(corpusChristi.description, "In Bayern gesetzlicher Feiertag.");
  EXPECT_EQ(find(saxony, "Fronleichnam").category, "Gedenktag");
  EXPECT_EQ(find(saxony, "Fronleichnam").description,
            "In Niedersachsen kein gesetzlicher Feiertag.");
  EXPECT_EQ(find(saxony, "Reformationstag").category, "Gesetzlicher Feiertag");
  // Only legal holidays with --gesetzlich.
  for (const ReadEvent& e : ReadBack(Cli({"ical", "2026", "--land", "D-NI", "-g"}).out).events) {
    EXPECT_EQ(e.category, "Gesetzlicher Feiertag") << e.summary;
  }
}

TEST_F(IcalCli, WritesAFile) {
  const fs::path file = folder_ / "feiertage.ics";
  const CliRun r = Cli({"ical", "2026-2027", "--land", "D-NI", "--kw", "-o", file.string()});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto events =
      engine::HolidayEventsOfYears(2026, 2027, engine::RegionOfCode("D-NI"), {false, true});
  EXPECT_EQ(r.out,
            std::to_string(events.size()) + " Termine in \"" + file.string() + "\" gespeichert.\n");
  const std::string text = Read(file);
  ExpectEvents(text, events);
  EXPECT_EQ(WithoutStamps(text),
            WithoutStamps(Cli({"ical", "2026-2027", "--land", "D-NI", "--kw"}).out));
  EXPECT_EQ(Files(), std::vector<std::string>{"feiertage.ics"});

  // An existing file is replaced whole.
  const CliRun again = Cli({"ical", "2030", "--land", "D-BY", "--ausgabe", file.string()});
  ASSERT_EQ(again.code, 0) << again.err;
  ExpectEvents(Read(file), engine::HolidayEventsOfYears(2030, 2030, engine::RegionOfCode("D-BY")));
  EXPECT_EQ(Files(), std::vector<std::string>{"feiertage.ics"});
}

TEST_F(IcalCli, RefusesBadInput) {
  const std::string missingFolder = (folder_ / "fehlt" / "x.ics").string();
  const struct {
    std::vector<std::string> args;
    std::string message;
  } kCases[] = {
      {{"ical", "2027-2026", "--land", "D-BY"},
       "In \"2027-2026\" liegt das erste Jahr nach dem letzten."},
      {{"ical", "0-2026", "--land", "D-BY"}, "Das Jahr 0 liegt nicht zwischen 1 und 3000."},
      {{"ical", "2990-3001", "--land", "D-BY"}, "Das Jahr 3001 liegt nicht zwischen 1 und 3000."},
      {{"ical", "zwanzig", "--land", "D-BY"}, "\"zwanzig\" ist kein Jahr und keine Jahresspanne"},
      {{"ical", "1900-2100", "--land", "D-BY"},
       "Höchstens 100 Jahre auf einmal: \"1900-2100\" umfasst 201 Jahre."},
      {{"ical", "2026", "--land", "Atlantis"}, "Land \"Atlantis\" ist unbekannt"},
      {{"ical", "2026"}, "ungültiger Aufruf"},
      {{"ical", "--land", "D-BY"}, "ungültiger Aufruf"},
      {{"ical", "2026", "--land", "D-BY", "--json"}, "ungültiger Aufruf"},
      {{"ical", "2026", "--land", "D-BY", "-o", missingFolder},
       "Die Datei \"" + missingFolder + "\" kann nicht geschrieben werden (den Ordner"},
      {{"ical", "2026", "--land", "D-BY", "-o", folder_.string()},
       "kann nicht geschrieben werden (das ist ein Ordner)."},
      {{"ical", "2026", "--land", "D-BY", "-o", ""},
       "Die Datei \"\" kann nicht geschrieben werden."},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_EQ(r.out, "") << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_TRUE(Files().empty());
}

// A refused call leaves an existing file as it was.
TEST_F(IcalCli, RefusedCallKeepsTheFile) {
  const fs::path file = folder_ / "alt.ics";
  std::ofstream(file) << "alter Inhalt";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"ical", "2026", "--land", "Atlantis", "-o", file.string()},
           {"ical", "1000-1200", "--land", "D-BY", "-o", file.string()},
       }) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.code, 2) << r.err;
    EXPECT_EQ(Read(file), "alter Inhalt");
  }
  EXPECT_EQ(Files(), std::vector<std::string>{"alt.ics"});
}

TEST_F(IcalCli, ListedInTheHelp) {
  const CliRun help = Cli({"--help"});
  EXPECT_NE(help.out.find("ical"), std::string::npos);
  const CliRun own = Cli({"ical", "--help"});
  ASSERT_EQ(own.code, 0);
  for (const char* option : {"--land", "--gesetzlich", "--kw", "--ausgabe"}) {
    EXPECT_NE(own.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace cli

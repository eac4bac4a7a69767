// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/tests/cli_run.h"
#ifdef RAZ_WITH_PRINT
#include "print/tests/pdftext.h"
#endif

namespace cli {
namespace {

namespace fs = std::filesystem;

struct TempDir {
  fs::path path;
  TempDir() {
    path = fs::temp_directory_path() / ("raz_jahreskalender_" + std::to_string(::getpid()));
    fs::create_directories(path);
  }
  ~TempDir() { fs::remove_all(path); }
};

TEST(YearCalendarCli, BadInputIsRefused) {
  const TempDir dir;
  const std::string pdf = (dir.path / "k.pdf").string();
  const RefusedCase kCases[] = {
      {{"jahreskalender", "0", "-o", pdf}, "Das Jahr 0 liegt nicht zwischen 1 und 3000."},
      {{"jahreskalender", "3001", "-o", pdf}, "Das Jahr 3001 liegt nicht zwischen 1 und 3000."},
      {{"jahreskalender", "20x6", "-o", pdf}, "\"20x6\" ist kein Jahr."},
      {{"jahreskalender", "", "-o", pdf}, "\"\" ist kein Jahr."},
      {{"jahreskalender", "2026", "--land", "Atlantis", "-o", pdf}, "Atlantis"},
      {{"jahreskalender", "2026", "--kalender", "X", "-o", pdf}, "X"},
      {{"jahreskalender", "2026", "--land", "D-BY"}, "Die Ausgabedatei fehlt"},
  };
  ExpectRefused(kCases);
  EXPECT_FALSE(fs::exists(pdf));
}

#ifdef RAZ_WITH_PRINT

TEST(YearCalendarCli, WritesTheYearPage) {
  const TempDir dir;
  const struct {
    std::vector<std::string> args;
    const char* title;
    std::vector<std::string> texts;
  } kCases[] = {
      {{"jahreskalender", "2026", "--land", "D-BY"},
       "Jahreskalender 2026 – Bayern",
       {"Januar", "Dezember", "KW", "Fronleichnam", "Allerheiligen"}},
      {{"jahreskalender", "1500", "--land", "D-NI", "--kalender", "J"},
       "Jahreskalender 1500 – Niedersachsen (julianischer Kalender)",
       {"Februar", "Ostersonntag"}},
  };
  for (const auto& c : kCases) {
    const std::string pdf = (dir.path / "seite.pdf").string();
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", pdf});
    const CliRun r = Cli(args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, std::string(c.title) + ": " + pdf + "\n");
    EXPECT_EQ(print::PdfPages(pdf), 1);
    const std::string text = print::PdfText(pdf);
    EXPECT_NE(text.find(c.title), std::string::npos) << text;
    for (const std::string& part : c.texts) {
      EXPECT_NE(text.find(part), std::string::npos) << part;
    }
  }
}

// Guards against a failed write being reported as success or leaving a file.
TEST(YearCalendarCli, UnwritablePathIsRefused) {
  const TempDir dir;
  const RefusedCase kCases[] = {
      {{"jahreskalender", "2026", "-o", (dir.path / "fehlt" / "k.pdf").string()},
       "existiert nicht."},
      {{"jahreskalender", "2026", "-o", dir.path.string()}, "ist keine Datei"},
  };
  ExpectRefused(kCases);
  EXPECT_FALSE(fs::exists(dir.path / "fehlt"));
}

#else

TEST(YearCalendarCli, BuildWithoutQtRefusesThePdf) {
  const TempDir dir;
  const RefusedCase kCases[] = {
      {{"jahreskalender", "2026", "-o", (dir.path / "k.pdf").string()},
       "Der Jahreskalender als PDF braucht die Qt-Bibliotheken"},
  };
  ExpectRefused(kCases);
}

#endif

}  // namespace
}  // namespace cli

// SPDX-License-Identifier: MIT
#include "print/printprogram.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "print/tests/pdftext.h"

namespace print {
namespace {

namespace fs = std::filesystem;

struct TempDir {
  fs::path path;
  TempDir() {
    path = fs::temp_directory_path() / ("raz_printprogram_" + std::to_string(::getpid()));
    fs::create_directories(path);
  }
  ~TempDir() { fs::remove_all(path); }
};

struct PrintRun {
  int code;
  std::string out;
  std::string err;
};

PrintRun Print(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunPrintProgram(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(PrintProgram, WritesTheYearPageAndReportsIt) {
  const TempDir dir;
  const struct {
    std::vector<std::string> args;
    const char* title;
    std::vector<std::string> texts;
  } kCases[] = {
      {{"2026", "D-BY", "G"},
       "Jahreskalender 2026 – Bayern",
       {"Januar", "Dezember", "KW", "Fronleichnam", "Allerheiligen"}},
      {{"1500", "D-NI", "J"},
       "Jahreskalender 1500 – Niedersachsen (julianischer Kalender)",
       {"Februar", "Ostersonntag"}},
  };
  for (const auto& c : kCases) {
    const std::string pdf = (dir.path / "seite.pdf").string();
    std::vector<std::string> args = c.args;
    args.push_back(pdf);
    const PrintRun r = Print(args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, std::string(c.title) + ": " + pdf + "\n");
    EXPECT_EQ(PdfPages(pdf), 1);
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find(c.title), std::string::npos) << text;
    for (const std::string& part : c.texts) {
      EXPECT_NE(text.find(part), std::string::npos) << part;
    }
  }
}

// Guards against a failed write being reported as success or leaving a file.
TEST(PrintProgram, AnUnwritablePathIsRefused) {
  const TempDir dir;
  const struct {
    std::string path;
    const char* message;
  } kCases[] = {
      {(dir.path / "fehlt" / "k.pdf").string(), "existiert nicht."},
      {dir.path.string(), "ist keine Datei"},
  };
  for (const auto& c : kCases) {
    const PrintRun r = Print({"2026", "D-NI", "G", c.path});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Fehler: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(fs::exists(dir.path / "fehlt"));
}

// Called by hand, the program answers in German instead of drawing nothing.
TEST(PrintProgram, ArgumentsItCannotUseAreRefused) {
  const TempDir dir;
  const std::string pdf = (dir.path / "k.pdf").string();
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{}, "Aufruf: razaduvovi-print JAHR LAND G|J DATEI.pdf"},
      {{"2026", "D-NI", "G"}, "Aufruf:"},
      {{"0", "D-NI", "G", pdf}, "\"0\" ist kein Jahr zwischen 1 und 3000."},
      {{"3001", "D-NI", "G", pdf}, "\"3001\" ist kein Jahr"},
      {{"20x6", "D-NI", "G", pdf}, "\"20x6\" ist kein Jahr"},
      {{"2026", "Atlantis", "G", pdf}, "\"Atlantis\" ist keine bekannte Region."},
      {{"2026", "D-NI", "X", pdf}, "\"X\" ist kein Kalender (G oder J)."},
  };
  for (const auto& c : kCases) {
    const PrintRun r = Print(c.args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace print

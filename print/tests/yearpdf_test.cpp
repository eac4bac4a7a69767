// SPDX-License-Identifier: MIT
#include "print/yearpdf.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <string>

#include "print/tests/pdftext.h"

namespace print {
namespace {

namespace fs = std::filesystem;
constexpr auto G = engine::CalendarKind::Gregorian;
constexpr auto J = engine::CalendarKind::Julian;

struct TempDir {
  fs::path path;
  TempDir() {
    path = fs::temp_directory_path() / ("raz_print_" + std::to_string(::getpid()));
    fs::create_directories(path);
  }
  ~TempDir() { fs::remove_all(path); }
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(YearPdf, PageShowsMonthsWeeksAndHolidays) {
  const struct {
    int year;
    const char* code;
    engine::CalendarKind kind;
    std::vector<std::string> texts;
  } kCases[] = {
      {2026,
       "D-BY",
       G,
       {"Jahreskalender 2026 – Bayern",
        "Januar",
        "Februar",
        "März",
        "April",
        "Mai",
        "Juni",
        "Juli",
        "August",
        "September",
        "Oktober",
        "November",
        "Dezember",
        "KW",
        "53",
        "Fronleichnam",
        "Heilige Drei Könige",
        "Mariä Himmelfahrt",
        "04.06.",
        "gesetzlicher Feiertag",
        "Vollmond"}},
      {1500,
       "D-NI",
       J,
       {"Jahreskalender 1500 – Niedersachsen (julianischer Kalender)", "Ostersonntag"}},
      {2024, "A-W", G, {"Jahreskalender 2024 – Wien", "Mariä Empfängnis", "Staatsfeiertag"}},
  };
  const TempDir dir;
  for (const auto& c : kCases) {
    const std::string path = (dir.path / (std::to_string(c.year) + ".pdf")).string();
    std::string error;
    ASSERT_TRUE(WriteYearPagePdf(engine::YearPageOf(c.year, c.code, c.kind), path, error)) << error;
    EXPECT_EQ(PdfPages(path), 1) << c.year;
    const std::string text = PdfText(path);
    for (const std::string& part : c.texts) {
      EXPECT_TRUE(Contains(text, part)) << c.year << ": " << part;
    }
  }
}

// Guards against week numbers missing from the week column: every week of
// 2026 (1 to 53) must be printed.
TEST(YearPdf, EveryWeekNumberIsPrinted) {
  const TempDir dir;
  const std::string path = (dir.path / "weeks.pdf").string();
  std::string error;
  const engine::YearPage page = engine::YearPageOf(2026, "D-NI", G);
  ASSERT_TRUE(WriteYearPagePdf(page, path, error)) << error;
  const std::string text = PdfText(path);
  for (int week = 1; week <= 53; ++week) {
    EXPECT_TRUE(Contains(text, std::to_string(week))) << week;
  }
}

// Guards against a failed write leaving a damaged file under the target name.
TEST(YearPdf, UnwritablePathIsRefusedAndLeavesNoFile) {
  const TempDir dir;
  const struct {
    std::string path;
  } kCases[] = {
      {(dir.path / "missing" / "page.pdf").string()},
      {dir.path.string()},
      {""},
  };
  const engine::YearPage page = engine::YearPageOf(2026, "D-NI", G);
  for (const auto& c : kCases) {
    std::string error;
    EXPECT_FALSE(WriteYearPagePdf(page, c.path, error)) << c.path;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_FALSE(fs::exists(dir.path / "missing"));
}

TEST(YearPdf, ExistingFileIsReplacedWhole) {
  const TempDir dir;
  const std::string path = (dir.path / "old.pdf").string();
  std::ofstream(path) << "alt";
  std::string error;
  ASSERT_TRUE(WriteYearPagePdf(engine::YearPageOf(2026, "D-NI", G), path, error)) << error;
  EXPECT_TRUE(Contains(PdfText(path), "Niedersachsen"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator{}), 1);
}

// The print program has no application of its own: the one that loads the
// fonts lives only while a page is drawn, so that it ends before Qt's font
// caches do and gives their fonts back. A second page gets a new one.
TEST(YearPdf, TheApplicationForTheFontsEndsWithTheDrawing) {
  ASSERT_EQ(QCoreApplication::instance(), nullptr);
  const TempDir dir;
  for (const char* name : {"first.pdf", "second.pdf"}) {
    const std::string path = (dir.path / name).string();
    std::string error;
    ASSERT_TRUE(WriteYearPagePdf(engine::YearPageOf(2027, "D-BY", G), path, error)) << error;
    EXPECT_EQ(QCoreApplication::instance(), nullptr) << name;
    EXPECT_TRUE(Contains(PdfText(path), "Bayern")) << name;
  }
}

}  // namespace
}  // namespace print

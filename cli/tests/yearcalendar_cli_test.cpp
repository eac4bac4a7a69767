// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/tests/cli_run.h"

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

// The page is the print program's: the command line hands it the checked
// year, the region's code, the calendar and the file, and keeps its exit code.
struct RunnerCalls {
  std::vector<std::string> program;
  std::vector<std::vector<std::string>> args;
  std::optional<int> answer = 0;
  RunnerCalls() {
    SetProgramRunner([this](std::string_view name, const std::vector<std::string>& a) {
      program.emplace_back(name);
      args.push_back(a);
      return answer;
    });
  }
  ~RunnerCalls() { SetProgramRunner({}); }
};

TEST(YearCalendarCli, BadInputIsRefused) {
  const RunnerCalls calls;
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
  EXPECT_TRUE(calls.args.empty());
}

TEST(YearCalendarCli, HandsTheCheckedValuesToThePrintProgram) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> handed;
  } kCases[] = {
      {{"jahreskalender", "2026", "--land", "Bayern", "-o", "k.pdf"},
       {"2026", "D-BY", "G", "k.pdf"}},
      {{"jahreskalender", "1500", "--land", "d-ni", "--kalender", "J", "-o", "ä b.pdf"},
       {"1500", "D-NI", "J", "ä b.pdf"}},
      {{"jahreskalender", "0999", "-o", "/tmp/x.pdf"}, {"999", "D-NI", "G", "/tmp/x.pdf"}},
  };
  for (const auto& c : kCases) {
    RunnerCalls calls;
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    ASSERT_EQ(calls.args.size(), 1u);
    EXPECT_EQ(calls.program[0], "razaduvovi-print");
    EXPECT_EQ(calls.args[0], c.handed);
  }
}

TEST(YearCalendarCli, ThePrintProgramsExitCodeIsKept) {
  RunnerCalls calls;
  calls.answer = 2;
  EXPECT_EQ(Cli({"jahreskalender", "2026", "-o", "k.pdf"}).code, 2);
  calls.answer = 1;
  EXPECT_EQ(Cli({"jahreskalender", "2026", "-o", "k.pdf"}).code, 1);
}

TEST(YearCalendarCli, AMissingPrintProgramIsSaidInGerman) {
  RunnerCalls calls;
  calls.answer = std::nullopt;
  const RefusedCase kCases[] = {
      {{"jahreskalender", "2026", "-o", "k.pdf"},
       "Fehler: Den Jahreskalender zeichnet das Programm razaduvovi-print, das hier fehlt: Es "
       "braucht Qt und gehört neben razaduvovi-cli (oder nach ../libexec/razaduvovi/); die "
       "Ausgabe für Windows hat es nicht.\n"},
  };
  ExpectRefused(kCases);
}

}  // namespace
}  // namespace cli

// SPDX-License-Identifier: MIT
// Files named on the command line: the arguments are UTF-8 on every system,
// and a file is written under the name that was typed (on Windows the name
// must not pass through the ANSI code page, where "ö" became "Ã¶").
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

class FileCli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("razaduvovi-file-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The names in the folder, in UTF-8.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(Utf8(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

TEST_F(FileCli, AFileIsWrittenUnderTheNameTyped) {
  const std::string name = "Feiertage ö § ß Ärger.ics";
  const std::string target = Utf8(folder_) + "/" + name;
  const CliRun r = Cli({"ical", "2026", "--land", "D-BY", "-o", target});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("in \"" + target + "\" gespeichert."), std::string::npos) << r.out;
  EXPECT_EQ(Files(), std::vector<std::string>{name});
  {
    std::ifstream in(folder_ / fs::path(std::u8string(name.begin(), name.end())), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\n", 0), 0u) << text.substr(0, 40);
  }

  // Written again, the file is replaced, not doubled (closed before: Windows
  // does not rename over a file that is open).
  const CliRun again = Cli({"ical", "2027", "--land", "D-BY", "-o", target});
  ASSERT_EQ(again.code, 0) << again.err;
  EXPECT_EQ(Files(), std::vector<std::string>{name});
}

TEST_F(FileCli, AMissingFolderIsNamedAsTyped) {
  const std::string target = Utf8(folder_) + "/Ördner/x.ics";
  const CliRun r = Cli({"ical", "2026", "--land", "D-BY", "-o", target});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Die Datei \"" + target + "\" kann nicht geschrieben werden (den Ordner \"" +
                       Utf8(folder_) + "/Ördner\" gibt es nicht)."),
            std::string::npos)
      << r.err;
  EXPECT_TRUE(Files().empty());
}

}  // namespace
}  // namespace cli

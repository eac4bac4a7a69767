// SPDX-License-Identifier: MIT
#include "tools/sysinfo_model.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemInfoModel, RowsOfReadFacts) {
  const auto rows = tools::SystemInfoRows(
      {"anna", "pc1", "Anna Muster", "00330-80000-00000-AA000", "Windows 11", 1920, 1080, 1048576});
  const struct {
    const char* name;
    const char* label;
    const char* value;
  } kRows[] = {
      {"Edt_User", "User:", "anna"},
      {"Edt_Computer", "Computer:", "pc1"},
      {"Edt_Owner", "Owner:", "Anna Muster"},
      {"Edt_Windows", "Windows:", "00330-80000-00000-AA000"},
      {"Edt_System", "System:", "Windows 11"},
      {"Edt_Screen", "Screen:", "1920 x 1080 Pixel"},
      {"Edt_StackSize", "Stack Size:", "1048576"},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].name, kRows[i].name);
    EXPECT_EQ(rows[i].label, kRows[i].label);
    EXPECT_EQ(rows[i].value, kRows[i].value);
  }
  EXPECT_EQ(tools::SystemInfoCopyText(rows),
            "User: anna\r\nComputer: pc1\r\nOwner: Anna Muster\r\nWindows: "
            "00330-80000-00000-AA000\r\nSystem: Windows 11\r\nScreen: 1920 x 1080 Pixel\r\nStack "
            "Size: 1048576\r\n");
}

// No user name (no terminal, no passwd entry), no screen, no stack size:
// every fact still has a text.
TEST(SystemInfoModel, MissingFactsGetFallbacks) {
  const auto rows = tools::SystemInfoRows({});
  const char* kValues[] = {"unbekannt", "unbekannt", "",         "0",
                           "unbekannt", "unbekannt", "unbekannt"};
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].value, kValues[i]) << i;
  const auto halfScreen = tools::SystemInfoRows({"", "", "", "", "", 1920, 0, -1});
  EXPECT_EQ(halfScreen[5].value, "unbekannt");
  EXPECT_EQ(halfScreen[6].value, "unbekannt");
}

}  // namespace

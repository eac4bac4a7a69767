// SPDX-License-Identifier: MIT
#include "tools/sysinfo_model.h"

namespace tools {
namespace {

// The text of a fact, or the fallback when it is empty.
std::string OrUnknown(const std::string& text) {
  return text.empty() ? std::string(kUnknownFact) : text;
}

}  // namespace

std::array<SystemInfoRow, kSystemInfoRowCount> SystemInfoRows(const SystemInfoFacts& facts) {
  const bool screen = facts.screenWidth > 0 && facts.screenHeight > 0;
  return {{
      {"Edt_User", "User:", OrUnknown(facts.user)},
      {"Edt_Computer", "Computer:", OrUnknown(facts.computer)},
      {"Edt_Owner", "Owner:", facts.owner},
      {"Edt_Windows", "Windows:", facts.productId.empty() ? "0" : facts.productId},
      {"Edt_System", "System:", OrUnknown(facts.os)},
      {"Edt_Screen", "Screen:",
       screen ? std::to_string(facts.screenWidth) + " x " + std::to_string(facts.screenHeight) +
                    " Pixel"
              : std::string(kUnknownFact)},
      {"Edt_StackSize", "Stack Size:",
       facts.stackSize > 0 ? std::to_string(facts.stackSize) : std::string(kUnknownFact)},
  }};
}

std::string SystemInfoCopyText(const std::array<SystemInfoRow, kSystemInfoRowCount>& rows) {
  std::string text;
  for (const SystemInfoRow& row : rows) text += row.label + " " + row.value + "\r\n";
  return text;
}

}  // namespace tools

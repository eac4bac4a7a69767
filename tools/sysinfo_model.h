// SPDX-License-Identifier: MIT
// The system-information page without a window: the labels "User:" ..
// "Stack Size:" with the value texts of the computer's facts, a fallback
// text for every fact that could not be read, and the copy text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tools {

// The facts as read (empty texts and zero numbers when unknown).
struct SystemInfoFacts {
  std::string user;
  std::string computer;
  std::string owner;
  std::string productId;
  std::string os;
  int screenWidth = 0;
  int screenHeight = 0;
  std::int64_t stackSize = 0;
};

// The text shown for a fact that could not be read.
inline constexpr std::string_view kUnknownFact = "unbekannt";

struct SystemInfoRow {
  std::string name;   // object name of the value, "Edt_User"
  std::string label;  // "User:"
  std::string value;  // "anna"
};

inline constexpr int kSystemInfoRowCount = 7;

// SystemInfoRows: the page's rows; the owner is empty and the product id
// "0" when the registry has none, the system row names the operating system.
std::array<SystemInfoRow, kSystemInfoRowCount> SystemInfoRows(const SystemInfoFacts& facts);
// {.., 1920, 1080, 8388608} -> row "Screen:" "1920 x 1080 Pixel", "Stack Size:" "8388608"

// SystemInfoCopyText: one line per row, label, blank and value, ended by CR LF.
std::string SystemInfoCopyText(const std::array<SystemInfoRow, kSystemInfoRowCount>& rows);
// -> "User: anna\r\nComputer: pc1\r\n..."

}  // namespace tools

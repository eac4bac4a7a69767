// SPDX-License-Identifier: MIT
// The version label without a window: its caption from the program's one
// version number (engine/version.h), its fixed About text, its hint with the
// current year, and the web addresses its clicks open.
#pragma once

#include <string>
#include <string_view>

namespace interest {

// The program's web site, without a scheme.
inline constexpr std::string_view kProgramSite = "www.razaduvovi.de";

// VersionCaption: "version: " followed by the version text.
std::string VersionCaption(std::string_view version);  // "4.284.54.16" -> "version: 4.284.54.16"

// AboutText: the label's own version, the maker's notice and the source of
// the school holiday table.
std::string AboutText();  // "TQvVersion 4.284.54.16 ..."

// CurrentYear: the year of today's date (the engine's clock).
int CurrentYear();  // 2026

// VersionHint: the hint of the label for a year.
std::string VersionHint(std::string_view version, int year);

// HasScheme: whether an address begins with a scheme and "://".
bool HasScheme(std::string_view address);  // "https://a.de" -> true, "a.de" -> false

// WebAddress: the address with "http://" in front unless it has a scheme;
// surrounding blanks are dropped.
std::string WebAddress(std::string_view url);  // "a.de/x" -> "http://a.de/x"

}  // namespace interest

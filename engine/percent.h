// SPDX-License-Identifier: MIT
// The percentage calculator of the interest window: a part of a base amount
// by a percentage and the rest, rounded with the window's mode index (0
// "kaufm." = "german", 2 "mathe." = "math"), and the worded text of both
// results. Texts use the locale's decimal separator (environment.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The inputs of the percentage face. Amount texts are read as the window's
// fields are (NumericCharsOnly; an empty field is 0).
struct PercentRequest {
  std::string base;     // Edt_Cap1, the amount that is 100 %
  std::string percent;  // Edt_Perc2
  int modeIndex = 0;
  int percentDecimals = 3;       // 0..8
  int intermediateDecimals = 5;  // 0..8
  int finalDecimals = 2;         // 0..5, lowered to the intermediate decimals
};

// Which button asked: "Endergebnis" rounds the amounts to the final
// decimals, every other trigger to the intermediate decimals.
enum class PercentTrigger { Intermediate, Final };

// The results, each right-aligned to 18 characters.
struct PercentResult {
  int code = 0;            // 1, or 0 for an unknown mode or decimals out of range
  bool overflow = false;   // a value is too large to be rounded; its text is "0"
  int finalDecimals = 2;   // the final decimals selection after lowering
  int amountDecimals = 2;  // the decimals the amounts were rounded to
  std::string percent1;    // Edt_Perc1, 100 %
  std::string amount1;     // Edt_Cap1, the base amount
  std::string percent2;    // Edt_Perc2
  std::string amount2;     // Edt_Cap2, the part
  std::string percent3;    // Edt_Perc3, 100 minus the percentage
  std::string amount3;     // Edt_Cap3, the rest
};

// ComputePercent: the percentage face after one trigger. The user's final
// decimals are only lowered to the intermediate ones, never raised.
PercentResult ComputePercent(const PercentRequest& request, PercentTrigger trigger);
// ({"250", "12,5", 0, 3, 5, 2}, Final) -> "100,000" "250,00" "12,500" "31,25" "87,500" "218,75"

// PercentModeText: the text of a mode index: "kaufm." (0), "IEEE" (1),
// "mathe." (2), else "".
std::string_view PercentModeText(int modeIndex);  // 2 -> "mathe."

// TakePercent: the percentage text: the settings, then the intermediate and
// the final results; empty when the request is refused.
std::vector<std::string> TakePercent(const PercentRequest& request);
// -> {"Rundung: kaufm.", "Anzahl der Dezimalstellen des Prozentsatzes = 3", ...}

}  // namespace engine

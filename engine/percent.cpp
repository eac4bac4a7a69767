// SPDX-License-Identifier: MIT
#include "engine/percent.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/environment.h"
#include "engine/interest.h"
#include "engine/numbertext.h"
#include "engine/rounding.h"

namespace engine {
namespace {

constexpr int kFieldWidth = 18;
constexpr int kTextWidth = 15;

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Line(const std::string& percent, const std::string& amount) {
  return PadRightAligned(Trimmed(percent), kTextWidth) +
         " % = " + PadRightAligned(Trimmed(amount), kTextWidth);
}

}  // namespace

PercentResult ComputePercent(const PercentRequest& request, PercentTrigger trigger) {
  PercentResult r;
  const int intermediate = request.intermediateDecimals;
  if (!RoundByIndex(request.modeIndex, 0, 0.0L) || request.percentDecimals < 0 ||
      request.percentDecimals > 8 || intermediate < 0 || intermediate > 8 ||
      request.finalDecimals < 0 || request.finalDecimals > 5) {
    return r;
  }
  r.code = 1;
  r.finalDecimals = std::min(request.finalDecimals, intermediate);
  // Only this computation uses the intermediate decimals for the amounts;
  // the selection of the final decimals stays as the user made it.
  const int decimals = trigger == PercentTrigger::Final ? r.finalDecimals : intermediate;
  r.amountDecimals = decimals;
  const auto round = [&](int places, long double x) {
    std::optional<RoundResult> rounded = RoundByIndex(request.modeIndex, places, x);
    if (!(std::fabs(x) <= kRoundLimit) || (x >= 0.0L && rounded->value < 0.0L)) {
      r.overflow = true;
      return RoundResult{};
    }
    return *rounded;
  };
  const long double base = FieldAmount(request.base);
  const long double percent = FieldAmount(request.percent);

  std::string hundred = "100";
  if (request.percentDecimals > 0) {
    hundred += DecimalSeparator();
    hundred.append(static_cast<std::size_t>(request.percentDecimals), '0');
  }
  const RoundResult amount1 = round(decimals, base);
  const RoundResult percent2 = round(request.percentDecimals, percent);
  const RoundResult part = round(decimals, base * percent * 0.01L);
  const RoundResult percent3 = round(request.percentDecimals, 100.0L - percent);
  const RoundResult rest = round(decimals, base - part.value);
  r.percent1 = PadRightAligned(hundred, kFieldWidth);
  r.amount1 = PadRightAligned(amount1.text, kFieldWidth);
  r.percent2 = PadRightAligned(percent2.text, kFieldWidth);
  r.amount2 = PadRightAligned(part.text, kFieldWidth);
  r.percent3 = PadRightAligned(percent3.text, kFieldWidth);
  r.amount3 = PadRightAligned(r.overflow ? "0" : rest.text, kFieldWidth);
  return r;
}

std::string_view PercentModeText(int modeIndex) {
  switch (modeIndex) {
    case 0:
      return "kaufm.";
    case 1:
      return "IEEE";
    case 2:
      return "mathe.";
    default:
      return "";
  }
}

std::vector<std::string> TakePercent(const PercentRequest& request) {
  const PercentResult intermediate = ComputePercent(request, PercentTrigger::Intermediate);
  if (intermediate.code != 1) return {};
  const PercentResult final = ComputePercent(request, PercentTrigger::Final);
  const std::string dashes(52, '-');
  std::vector<std::string> lines = {
      "Rundung: " + std::string(PercentModeText(request.modeIndex)),
      "Anzahl der Dezimalstellen des Prozentsatzes = " + std::to_string(request.percentDecimals),
      "Anzahl der Dezimalstellen der Zwischenergebnisse = " +
          std::to_string(request.intermediateDecimals),
      "Anzahl der Dezimalstellen der Endergebnisse = " + std::to_string(final.finalDecimals),
      dashes,
  };
  const auto results = [&](const char* title, const PercentResult& r) {
    lines.emplace_back(title);
    lines.push_back(Line(r.percent1, r.amount1));
    lines.push_back(Line(r.percent2, r.amount2));
    lines.push_back(Line(r.percent3, r.amount3));
  };
  results("Zwischenergebnis:", intermediate);
  lines.push_back(dashes);
  results("Endergebnis:", final);
  return lines;
}

}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/isin.h"

namespace engine {
namespace {

bool IsLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n')) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::string CleanWkn(std::string_view typed) {
  std::string wkn;
  // Every byte of a character beyond ASCII is outside A-Z and 0-9, so the
  // first such byte ends the WKN as its character would.
  for (char c : typed) {
    if (wkn.size() == 6) break;
    c = Upper(c);
    if (!IsLetterOrDigit(c)) break;
    wkn += c;
  }
  return wkn;
}

int IsinCheckDigit(std::string_view base) {
  if (base.size() != 11) return -1;
  std::string digits;
  for (char c : base) {
    if (!IsLetterOrDigit(c)) return -1;
    if (c <= '9') {
      digits += c;
    } else {
      digits += std::to_string(c - 'A' + 10);
    }
  }
  // From the last digit on, doubled and single alternately; the digits of
  // the products are summed.
  int sum = 0;
  bool doubled = true;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    int value = (*it - '0') * (doubled ? 2 : 1);
    sum += value / 10 + value % 10;
    doubled = !doubled;
  }
  return (10 - sum % 10) % 10;
}

IsinResult IsinOfWkn(std::string_view typed) {
  IsinResult result;
  const std::string_view trimmed = TrimBlanks(typed);
  std::string upper;
  for (char c : trimmed.substr(0, 12)) upper += Upper(c);
  if (trimmed.size() == 12 && upper.starts_with("DE000") &&
      IsinCheckDigit(upper.substr(0, 11)) >= 0 && upper[11] >= '0' && upper[11] <= '9') {
    result.wkn = upper.substr(5, 6);
    if (IsinCheckDigit(upper.substr(0, 11)) != upper[11] - '0') {
      result.code = -1;
      return result;
    }
  } else {
    result.wkn = CleanWkn(typed);
    if (result.wkn.size() != 6) return result;
  }
  const std::string base = "DE000" + result.wkn;
  result.checkDigit = std::to_string(IsinCheckDigit(base));
  result.isin = base + result.checkDigit;
  result.code = 1;
  return result;
}

std::string IsinCopyText(const IsinResult& result) {
  return "WKN: " + result.wkn + " = ISIN: " + result.isin;
}

}  // namespace engine

// SPDX-License-Identifier: MIT
// German securities numbers: the cleaning of a typed WKN (Wertpapierkenn-
// nummer), the ISIN "DE000" + WKN with its check digit, and the recognition
// of a pasted German ISIN.
//
// Letters and digits are the ASCII ones only: a "ß", an umlaut or a
// full-width digit ends a WKN like any other character outside A-Z and 0-9.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// CleanWkn: the typed text with ASCII letters upper-cased, cut at six
// characters and before its first character that is no letter A-Z or digit.
std::string CleanWkn(std::string_view typed);  // "a1b2c3d" -> "A1B2C3"; "55 750" -> "55"

// IsinCheckDigit: the check digit 0..9 of the first eleven characters of an
// ISIN (letters A = 10 ... Z = 35, the doubled digits from the right); -1
// for a text that is not eleven characters of A-Z and 0-9.
int IsinCheckDigit(std::string_view base);  // "DE000555750" -> 8

struct IsinResult {
  int code = 0;            // 1; 0 fewer than six usable characters; -1 a German ISIN with a
                           // wrong check digit
  std::string wkn;         // the cleaned WKN (what was read, also when code is 0)
  std::string isin;        // "DE0005557508"; empty unless code is 1
  std::string checkDigit;  // "8"; empty unless code is 1
};

// IsinOfWkn: the ISIN of a typed WKN. A pasted German ISIN (twelve
// characters "DE000", the WKN and the check digit, blanks around it and
// lower case allowed) gives its WKN back with the ISIN.
IsinResult IsinOfWkn(std::string_view typed);  // "555750" -> {1, "555750", "DE0005557508", "8"}

// IsinCopyText: the page's copy line "WKN: ... = ISIN: ...".
std::string IsinCopyText(const IsinResult& result);  // -> "WKN: 555750 = ISIN: DE0005557508"

}  // namespace engine

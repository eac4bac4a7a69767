// SPDX-License-Identifier: MIT
#include "engine/urlencode.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(UrlEncode, Examples) {
  const struct {
    const char* text;
    const char* encoded;
  } kCases[] = {
      {"", ""},
      {"Mariä Himmelfahrt", "Mari%E4%20Himmelfahrt"},
      {"Tag & Nacht", "Tag%20&amp;%20Nacht"},
      {"März", "M%E4rz"},
      {"Baden-Württemberg", "Baden-W%FCrttemberg"},
      {"Straße", "Stra%DFe"},
      {"Österreich", "%D6sterreich"},
      {"a\tb\r\nc", "abc"},  // control bytes are dropped
      {"!#%*<>", "%21%23%25%2A%3C%3E"},
      {"\"$'()+,-./:;=?@[\\]^_`{|}~", "\"$'()+,-./:;=?@[\\]^_`{|}~"},
      {"\x7F", "\x7F"},
      {"1. Weihnachtstag", "1.%20Weihnachtstag"},
      {"€ und „Zitat“", "%80%20und%20%84Zitat%93"},        // the Windows-1252 punctuation
      {"\xE4", "%E4"},                                     // a lone Latin-1 byte stays that byte
      {"Москва", "%D0%9C%D0%BE%D1%81%D0%BA%D0%B2%D0%B0"},  // no Windows-1252 form: UTF-8 bytes
  };
  for (const auto& c : kCases) EXPECT_EQ(UrlEncode(c.text), c.encoded) << c.text;
}

// Every byte of the Windows-1252 range is handled by exactly one rule, and an
// encoded text never holds a raw blank or a control byte.
TEST(UrlEncode, EveryByteOnce) {
  for (int b = 0; b < 0x80; ++b) {
    const std::string encoded = UrlEncode(std::string(1, static_cast<char>(b)));
    if (b < 0x20) {
      EXPECT_EQ(encoded, "") << b;
    } else if (b == '&') {
      EXPECT_EQ(encoded, "&amp;");
    } else if (encoded.size() == 3) {
      EXPECT_EQ(encoded[0], '%') << b;
      EXPECT_EQ(std::stoi(encoded.substr(1), nullptr, 16), b);
    } else {
      EXPECT_EQ(encoded, std::string(1, static_cast<char>(b)));
    }
    EXPECT_EQ(encoded.find(' '), std::string::npos);
  }
}

}  // namespace
}  // namespace engine

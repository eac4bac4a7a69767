// SPDX-License-Identifier: MIT
#include "engine/isin.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(Isin, CleaningOfTheTypedText) {
  const struct {
    const char* typed;
    const char* wkn;
  } kCases[] = {
      {"555750", "555750"},
      {"a1b2c3", "A1B2C3"},
      {"a1b2c3d4", "A1B2C3"},  // cut at six characters
      {"55 750", "55"},        // cut before the blank
      {" 555750", ""},
      {"", ""},
      {"55-750", "55"},
      {"basf11", "BASF11"},
      {"stra\xc3\x9f"
       "e1",
       "STRA"},  // "ß" is no letter here
      {"\xef\xbc\x95"
       "55750",
       ""},  // nor is a full-width digit
      {"\xc3\xa4"
       "bcdef",
       ""},  // nor "ä"
      {"12345\xc3\xa4", "12345"},
  };
  for (const auto& c : kCases) EXPECT_EQ(CleanWkn(c.typed), c.wkn) << c.typed;
}

TEST(Isin, RealSecurities) {
  const struct {
    const char* wkn;
    const char* isin;
    const char* digit;
  } kCases[] = {
      {"555750", "DE0005557508", "8"},  // Deutsche Telekom
      {"514000", "DE0005140008", "8"},  // Deutsche Bank
      {"716460", "DE0007164600", "0"},  // SAP
      {"840400", "DE0008404005", "5"},  // Allianz
      {"BASF11", "DE000BASF111", "1"},  // BASF
      {"a1b2c3", "DE000A1B2C35", "5"},
  };
  for (const auto& c : kCases) {
    const IsinResult r = IsinOfWkn(c.wkn);
    EXPECT_EQ(r.code, 1) << c.wkn;
    EXPECT_EQ(r.isin, c.isin) << c.wkn;
    EXPECT_EQ(r.checkDigit, c.digit) << c.wkn;
    EXPECT_EQ(IsinCheckDigit(std::string(c.isin).substr(0, 11)), c.digit[0] - '0');
  }
  // Foreign ISINs follow the same rule.
  EXPECT_EQ(IsinCheckDigit("US037833100"), 5);  // US0378331005
  EXPECT_EQ(IsinCheckDigit("DE000555750"), 8);
  EXPECT_EQ(IsinCheckDigit("DE00055575"), -1);
  EXPECT_EQ(IsinCheckDigit("de000555750"), -1);
}

TEST(Isin, ShortOrPastedInput) {
  const IsinResult shortWkn = IsinOfWkn("55 750");
  EXPECT_EQ(shortWkn.code, 0);
  EXPECT_EQ(shortWkn.wkn, "55");
  EXPECT_EQ(shortWkn.isin, "");
  EXPECT_EQ(shortWkn.checkDigit, "");

  const IsinResult pasted = IsinOfWkn(" de0005557508 ");
  EXPECT_EQ(pasted.code, 1);
  EXPECT_EQ(pasted.wkn, "555750");
  EXPECT_EQ(pasted.isin, "DE0005557508");

  const IsinResult wrong = IsinOfWkn("DE0005557507");
  EXPECT_EQ(wrong.code, -1);
  EXPECT_EQ(wrong.wkn, "555750");
  EXPECT_EQ(wrong.isin, "");

  // A twelve-character text that is no German ISIN is read as a WKN.
  EXPECT_EQ(IsinOfWkn("US0378331005").isin, "DE000US03787");
}

TEST(Isin, CopyText) {
  EXPECT_EQ(IsinCopyText(IsinOfWkn("555750")), "WKN: 555750 = ISIN: DE0005557508");
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/numbertext.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/environment.h"
#include "engine/tests/separator_scope.h"

namespace engine {
namespace {

TEST(PadLeftAligned, TrimsPadsAndCutsByCharacters) {
  const struct {
    const char* text;
    int width;
    std::string expected;
  } kCases[] = {
      {"2 Tage", 9, "2 Tage   "},
      {"  2 Tage  ", 9, "2 Tage   "},
      {"Fristbeginn", 9, "Fristbegi"},
      {"Größe", 3, "Grö"},  // an umlaut is one character
      {"Größe", 7, "Größe  "},
      {"", 3, "   "},
      {"   ", 2, "  "},
      {"x", 0, ""},
      {"x", -4, ""},
      {"x", 200, "x" + std::string(148, ' ')},  // at most 148 blanks
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PadLeftAligned(c.text, c.width), c.expected) << c.text << ' ' << c.width;
  }
}

TEST(PadRightAligned, EndsAtTheWidth) {
  const struct {
    const char* text;
    int width;
    std::string expected;
  } kCases[] = {
      {"12,50", 7, "  12,50"}, {"12,50", 5, "12,50"},
      {"12,50", 2, "12,50"},                                    // a longer text stays as it is
      {" 1", 3, "  1"},                                         // no trimming
      {"5 €", 4, " 5 €"},      {"", 50, std::string(44, ' ')},  // at most 44 blanks
      {"1", -1, "1"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PadRightAligned(c.text, c.width), c.expected) << c.text << ' ' << c.width;
  }
}

TEST(ZeroFill, FillsWithZeros) {
  EXPECT_EQ(ZeroFill("42", 4), "0042");
  EXPECT_EQ(ZeroFill("4242", 4), "4242");
  EXPECT_EQ(ZeroFill("424242", 4), "424242");
  EXPECT_EQ(ZeroFill("", 2), "00");
  EXPECT_EQ(ZeroFill("7", 60), std::string(44, '0') + "7");
}

TEST(TrimZeroDecimals, KeepsOneDigitOnEachSide) {
  const SeparatorScope comma(',');
  const struct {
    const char* text;
    const char* expected;
  } kCases[] = {
      {"12,500", "12,5"}, {"12,000", "12,0"},   {",5", "0,5"},  {"12,", "12,0"},
      {",000", "0,0"},    {"10,10", "10,1"},    {"100", "100"}, {"12,05", "12,05"},
      {"", ""},           {"12.500", "12.500"},  // the point is no separator here
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TrimZeroDecimals(c.text), c.expected) << c.text;
  }
  const SeparatorScope point('.');
  EXPECT_EQ(TrimZeroDecimals("12.500"), "12.5");
  EXPECT_EQ(TrimZeroDecimals(".5"), "0.5");
  EXPECT_EQ(TrimZeroDecimals("12,500"), "12,500");
}

TEST(BlankLeadingZeros, KeepsTheZeroBeforeTheSeparatorAndTheLastCharacter) {
  const SeparatorScope comma(',');
  const struct {
    const char* text;
    const char* expected;
  } kCases[] = {
      {"0012", "  12"}, {"000", "  0"}, {"00,5", " 0,5"}, {"0,05", "0,05"},
      {"0", "0"},       {"", ""},       {"1200", "1200"}, {"01", " 1"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(BlankLeadingZeros(c.text), c.expected) << c.text;
  }
  const SeparatorScope point('.');
  EXPECT_EQ(BlankLeadingZeros("00.5"), " 0.5");
  EXPECT_EQ(BlankLeadingZeros("00,5"), "  ,5");
}

TEST(NumericCharsOnly, KeepsDigitsAndTheFirstSeparator) {
  const SeparatorScope comma(',');
  const struct {
    const char* text;
    const char* expected;
  } kCases[] = {
      {"1.234,5 EUR", "1234,5"}, {"abc", "0"}, {"", "0"},
      {"1,2,3", "1,23"},         {"-5", "5"},  {",5", ",5"},
      {"12 345", "12345"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(NumericCharsOnly(c.text), c.expected) << c.text;
  }
  const SeparatorScope point('.');
  EXPECT_EQ(NumericCharsOnly("1.234,5"), "1.2345");
  EXPECT_EQ(NumericCharsOnly("1,234.5.6"), "1234.56");
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/numbertext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cstring>
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

// Every bit of a long double, as the rounding and the interest fields need
// them: read through a double, 1.9996 would not be 19996/10000.
TEST(ReadLongDouble, ReadsEveryBitAsFromCharsDoes) {
  const auto read = [](const char* text, long double& value) {
    return ReadLongDouble(text, text + std::strlen(text), value);
  };
  long double value = -1.0L;
  auto result = read("1.9996", value);
  EXPECT_EQ(result.ec, std::errc{});
  EXPECT_EQ(value, 19996.0L / 10000.0L);
  read("0.123456789", value);
  EXPECT_EQ(value, 123456789.0L / 1000000000.0L);
  read("-2.35", value);
  EXPECT_EQ(value, -235.0L / 100.0L);
  read("755844499e-5", value);
  EXPECT_EQ(value, 755844499.0L / 100000.0L);
  read("2147483646.5", value);
  EXPECT_EQ(value, 4294967293.0L / 2.0L);
  if (LDBL_MAX_EXP > DBL_MAX_EXP) {
    // Beyond a double, within a long double.
    EXPECT_EQ(read("1e400", value).ec, std::errc{});
    EXPECT_GT(value, 1e300L);
  }

  // What from_chars takes: where the pattern ends, and nothing but a pattern.
  const char* text = "12.5x";
  result = ReadLongDouble(text, text + 5, value);
  EXPECT_EQ(result.ec, std::errc{});
  EXPECT_EQ(result.ptr, text + 4);
  EXPECT_EQ(value, 12.5L);
  text = "0x10";
  result = ReadLongDouble(text, text + 4, value);
  EXPECT_EQ(result.ptr, text + 1);
  EXPECT_EQ(value, 0.0L);
  value = 7.0L;
  for (const char* bad : {"", "abc", "+1", " 1", ",5", "-"}) {
    EXPECT_EQ(read(bad, value).ec, std::errc::invalid_argument) << '"' << bad << '"';
    EXPECT_EQ(value, 7.0L) << '"' << bad << '"';
  }
  EXPECT_EQ(read("1e99999", value).ec, std::errc::result_out_of_range);
  EXPECT_EQ(value, 7.0L);
}

// A program may have set a locale with a decimal comma (a desktop toolkit
// does); the point stays the decimal point.
TEST(ReadLongDouble, TheLocaleDoesNotChangeThePoint) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  const bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr ||
                     std::setlocale(LC_NUMERIC, "German_Germany.1252") != nullptr;
  long double value = 0.0L;
  const char* text = "2.5";
  const auto result = ReadLongDouble(text, text + 3, value);
  std::setlocale(LC_NUMERIC, before.c_str());
  if (!comma) GTEST_SKIP() << "no German locale on this system";
  EXPECT_EQ(result.ptr, text + 3);
  EXPECT_EQ(value, 2.5L);
}

}  // namespace
}  // namespace engine

// SPDX-License-Identifier: MIT
#include "controls/sepedt_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/environment.h"

namespace controls {
namespace {

class SepEdtModel : public ::testing::Test {
 protected:
  void SetUp() override { engine::SetDecimalSeparator(','); }
  void TearDown() override { engine::SetDecimalSeparator(','); }
};

TEST_F(SepEdtModel, StoredSettings) {
  EXPECT_EQ(StoredDigits(9), 8);
  EXPECT_EQ(StoredDigits(-1), 0);
  EXPECT_EQ(StoredDigits(3), 3);
  EXPECT_EQ(StoredFieldLength(40), 30);
  EXPECT_EQ(StoredFieldLength(-3), 0);
  EXPECT_EQ(StoredRoundModus("IEEE"), "");
  EXPECT_EQ(StoredRoundModus("german"), "german");
  EXPECT_EQ(StoredRoundModus("math"), "math");
  EXPECT_EQ(StoredRoundModus("Math"), "");
  const long double kNan = std::numeric_limits<long double>::quiet_NaN();
  const struct {
    long double written;
    long double stored;
  } kMaxCases[] = {
      {0.0L, kDefaultMaxValue},
      {-5.0L, kDefaultMaxValue},
      {kNan, kDefaultMaxValue},
      {3e9L, kDefaultMaxValue},
      {1000.0L, 1000.0L},
      {0.5L, 0.5L},
      {kDefaultMaxValue, kDefaultMaxValue},
  };
  for (const auto& c : kMaxCases) EXPECT_EQ(StoredMaxValue(c.written), c.stored);
}

TEST_F(SepEdtModel, ClampedValues) {
  EXPECT_EQ(ClampedValue(-5.0L, 10.0L), 0.0L);
  EXPECT_EQ(ClampedValue(std::numeric_limits<long double>::quiet_NaN(), 10.0L), 0.0L);
  EXPECT_EQ(ClampedValue(11.0L, 10.0L), 10.0L);
  EXPECT_EQ(ClampedValue(std::numeric_limits<long double>::infinity(), 10.0L), 10.0L);
  EXPECT_EQ(ClampedValue(7.5L, 10.0L), 7.5L);
}

TEST_F(SepEdtModel, GroupingAndReadingWithBothSeparators) {
  const struct {
    char separator;
    const char* plain;
    const char* grouped;
  } kCases[] = {
      {',', "1234567,89", "1.234.567,89"}, {',', "123", "123"},    {',', "1234", "1.234"},
      {',', "123456", "123.456"},          {',', "0,5", "0,5"},    {',', "1234,", "1.234,"},
      {'.', "1234567.89", "1,234,567.89"}, {'.', "1000", "1,000"}, {',', "", ""},
  };
  for (const auto& c : kCases) {
    engine::SetDecimalSeparator(c.separator);
    EXPECT_EQ(GroupThousands(c.plain), c.grouped);
    EXPECT_EQ(CleanNumberText(c.grouped), *c.plain ? c.plain : "0");
  }
}

// Regression: the thousands separator was removed as "." whatever the
// decimal separator was, so 1,234.5 shown with "." decimals read as 1.2345.
TEST_F(SepEdtModel, ShowingAValueNeverChangesIt) {
  for (char separator : {',', '.'}) {
    engine::SetDecimalSeparator(separator);
    SepEdtSettings settings;
    settings.roundModus = "math";
    for (long double v : {0.0L, 0.5L, 1234.5L, 1234567.89L, 999999.99L, 2147483646.0L}) {
      const ShownNumber shown = FormattedNumber(v, settings);
      const ShownNumber again = FormattedText(shown.text, settings);
      EXPECT_EQ(again.value, shown.value) << separator << " " << shown.text;
      EXPECT_EQ(again.text, shown.text);
    }
  }
}

TEST_F(SepEdtModel, EveryAmountUpToTenThousandReadsBackUnchanged) {
  for (char separator : {',', '.'}) {
    engine::SetDecimalSeparator(separator);
    SepEdtSettings settings;
    for (long cents = 0; cents <= 1000000; cents += 37) {
      const long double value = static_cast<long double>(cents) / 100.0L;
      const ShownNumber shown = FormattedNumber(value, settings);
      const ShownNumber typed = TypedNumber(shown.text, settings);
      ASSERT_EQ(typed.value, shown.value) << separator << " " << shown.text;
      ASSERT_EQ(FormattedText(typed.text, settings).text, shown.text);
    }
  }
}

TEST_F(SepEdtModel, TypingRoundsAtOnceAndGroups) {
  SepEdtSettings settings;
  settings.roundModus = "math";
  const struct {
    const char* typed;
    const char* shown;
  } kCases[] = {
      {"1", "1"},
      {"1234", "1.234"},
      {"1234567", "1.234.567"},
      {"1234567,", "1.234.567,"},
      {"1234567,8", "1.234.567,8"},
      {"1234567,89", "1.234.567,89"},
      {"1.234.567,891", "1.234.567,89"},
      {"1.234.567,895", "1.234.567,90"},  // "math": a lone 5 to the even neighbour
      {"", "0"},
      {"05", "5"},
      {"000", "0"},
      {",5", "0,5"},
      {"12a3", "123"},
      {"1,2,3", "1,23"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TypedNumber(c.typed, settings).text, c.shown) << c.typed;
  }
}

TEST_F(SepEdtModel, TypingAboveTheCapShowsTheCap) {
  SepEdtSettings settings;
  settings.maxValue = 1000.0L;
  ShownNumber shown = TypedNumber("1001", settings);
  EXPECT_EQ(shown.text, "1.000");
  EXPECT_EQ(shown.value, 1000.0L);
  settings.maxValue = kDefaultMaxValue;
  shown = TypedNumber(std::string(400, '9'), settings);  // too long for any number
  EXPECT_EQ(shown.text, "2.147.483.646");
  // Regression: a tiny cap was written as "1E-9".
  settings.maxValue = 1e-9L;
  settings.roundAtOnce = false;
  EXPECT_EQ(TypedNumber("5", settings).text, "0,000000001");
  EXPECT_EQ(NumberText(1e-9L), "0,000000001");
}

TEST_F(SepEdtModel, NoSeparatorWhereNoDecimalsAreAllowed) {
  SepEdtSettings settings;
  settings.integerOnly = true;
  EXPECT_EQ(TypedNumber("12,75", settings).text, "12");
  settings.integerOnly = false;
  settings.digits = 0;
  EXPECT_EQ(TypedNumber("1234,5", settings).text, "1.234");
}

TEST_F(SepEdtModel, WithoutRoundAtOnceDecimalsWaitForFormatting) {
  SepEdtSettings settings;
  settings.roundAtOnce = false;
  settings.roundModus = "german";
  EXPECT_EQ(TypedNumber("1,2345", settings).text, "1,2345");
  EXPECT_EQ(FormattedText("1,2345", settings).text, "        1,23");
  EXPECT_EQ(FormattedText("1,235", settings).text, "        1,24");
}

TEST_F(SepEdtModel, FormattingRightAlignsAndClamps) {
  SepEdtSettings settings;
  settings.roundModus = "math";
  const struct {
    long double value;
    const char* text;
    long double stored;
  } kCases[] = {
      {1234567.891L, "1.234.567,89", 1234567.89L},
      {5.0L, "        5,00", 5.0L},
      {-5.0L, "        0,00", 0.0L},
      {std::numeric_limits<long double>::quiet_NaN(), "        0,00", 0.0L},
      // Regression: a value above the rounding limit read back as -1.
      {1e12L, "2.147.483.646,00", 2147483646.0L},
      {std::numeric_limits<long double>::infinity(), "2.147.483.646,00", 2147483646.0L},
  };
  for (const auto& c : kCases) {
    const ShownNumber shown = FormattedNumber(c.value, settings);
    EXPECT_EQ(shown.text, c.text);
    EXPECT_EQ(shown.value, c.stored);
  }
  settings.with1000Sep = false;
  settings.fieldLength = 5;
  EXPECT_EQ(FormattedNumber(1234.5L, settings).text, "1234,50");
  settings.integerOnly = true;
  EXPECT_EQ(FormattedNumber(1234.5L, settings).text, " 1234");  // "math": to the even neighbour
  settings.maxValue = 2.5L;
  settings.roundModus = "german";
  // Rounding up would pass the cap: the value is cut instead.
  EXPECT_EQ(FormattedNumber(2.5L, settings).value, 2.0L);
}

TEST_F(SepEdtModel, ReadingOddTexts) {
  EXPECT_EQ(ReadNumber("0"), 0.0L);
  EXPECT_EQ(ReadNumber(","), 0.0L);
  EXPECT_EQ(ReadNumber("12,"), 12.0L);
  EXPECT_TRUE(std::isinf(ReadNumber(std::string(5000, '9'))));
  EXPECT_EQ(CleanNumberText(" - 12 "), "12");
  EXPECT_EQ(CleanNumberText("abc"), "0");
}

}  // namespace
}  // namespace controls

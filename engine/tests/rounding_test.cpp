// SPDX-License-Identifier: MIT
#include "engine/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "engine/environment.h"
#include "engine/tests/separator_scope.h"

namespace engine {
namespace {

TEST(RoundValue, EdgeCases) {
  const SeparatorScope comma(',');
  const struct {
    long double x;
    int decimals;
    const char* mode;
    const char* text;
    long double value;
  } kCases[] = {
      {2.345L, 2, "german", "2,35", 2.35L},
      {2.345L, 2, "math", "2,34", 2.34L},  // the dropped 5 alone: to the even 4
      {2.345L, 2, "IEEE", "2,34", 2.34L},
      {2.355L, 2, "german", "2,36", 2.36L},
      {2.355L, 2, "math", "2,36", 2.36L},
      {2.355L, 2, "IEEE", "2,36", 2.36L},
      {2.3451L, 2, "german", "2,35", 2.35L},
      {2.3451L, 2, "math", "2,35", 2.35L},  // 51 is more than a half
      {2.3451L, 2, "IEEE", "2,34", 2.34L},  // only the digit 5 itself is looked at
      {0.445L, 1, "IEEE", "0,4", 0.4L},
      {0.5L, 0, "german", "1", 1.0L},
      {0.5L, 0, "math", "0", 0.0L},  // integer part 0 is even
      {0.5L, 0, "IEEE", "0", 0.0L},
      {1.5L, 0, "german", "2", 2.0L},
      {1.5L, 0, "math", "2", 2.0L},
      {1.5L, 0, "IEEE", "2", 2.0L},
      {9.996L, 2, "german", "10,00", 10.0L},  // carry into the integer part
      {9.996L, 2, "math", "10,00", 10.0L},
      {9.996L, 2, "IEEE", "10,00", 10.0L},
      {0.96L, 1, "german", "1,0", 1.0L},
      {99.5L, 0, "german", "100", 100.0L},
      {17.0L, 2, "german", "17,00", 17.0L},
      {17.0L, 0, "german", "17", 17.0L},
      {-2.345L, 2, "german", "-2,35", -2.35L},
      {-2.345L, 2, "math", "-2,34", -2.34L},
      {-0.5L, 0, "german", "-1", -1.0L},  // a negative half rounds away from zero
      {0.000015L, 6, "german", "0,000015", 0.000015L},
      {0.000015L, 5, "german", "0,00002", 0.00002L},
      {0.000015L, 5, "math", "0,00002", 0.00002L},
      {2147483646.0L, 2, "german", "2147483646,00", 2147483646.0L},
      {2147483645.5L, 0, "german", "2147483646", 2147483646.0L},
      {2.39L, 1, "", "2,3", 2.3L},
      {2.39L, 5, "", "2,39000", 2.39L},
      {0.123456789L, 8, "german", "0,12345678", 0.12345678L},
      {0.123456789L, 8, "math", "0,12345678", 0.12345678L},
      {0.123456789L, 8, "IEEE", "0,12345678", 0.12345678L},
      {0.123456789L, 7, "german", "0,1234568", 0.1234568L},
      {0.0L, 2, "german", "0,00", 0.0L},
      {12.5L, 29, "german", "12,50000000000000000000000000000", 12.5L},
      {12.5L, 40, "german", "12,50000000000000000000000000000", 12.5L},  // 29 at most
      {12.5L, -3, "german", "13", 13.0L},                                // as 0 decimals
      {2.35L, 1, "unbekannt", "2,3", 2.3L},                              // cuts
      {-1e20L, 2, "german", "-100000000000000000000,00", -1e20L},
  };
  for (const auto& c : kCases) {
    const RoundResult r = RoundValue(c.decimals, c.mode, c.x);
    EXPECT_EQ(r.text, c.text) << static_cast<double>(c.x) << ' ' << c.decimals << ' ' << c.mode;
    EXPECT_EQ(r.value, c.value) << static_cast<double>(c.x) << ' ' << c.decimals << ' ' << c.mode;
  }
}

// Guards against double rounding: the digit loop used to round 0,445 to
// 0,45 and then to 0,5, and 2,3449 to 2,345 and then to 2,35.
TEST(RoundValue, DroppedPartDecidesOnceInGermanAndMath) {
  const SeparatorScope comma(',');
  const struct {
    long double x;
    int decimals;
    const char* german;
    const char* math;
  } kCases[] = {
      {0.445L, 1, "0,4", "0,4"}, {0.445L, 0, "0", "0"},         {2.3449L, 2, "2,34", "2,34"},
      {0.4999999L, 0, "0", "0"}, {1.44445L, 1, "1,4", "1,4"},   {1.44445L, 4, "1,4445", "1,4444"},
      {0.45L, 0, "0", "0"},      {2.345L, 2, "2,35", "2,34"},   {2.355L, 2, "2,36", "2,36"},
      {0.5L, 0, "1", "0"},       {9.996L, 2, "10,00", "10,00"}, {2.5L, 0, "3", "2"},
      {0.05L, 1, "0,1", "0,0"},  {0.15L, 1, "0,2", "0,2"},      {0.25000001L, 1, "0,3", "0,3"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(RoundGerman(c.decimals, c.x).text, c.german) << static_cast<double>(c.x);
    EXPECT_EQ(RoundMath(c.decimals, c.x).text, c.math) << static_cast<double>(c.x);
  }
}

// Guards against zeros left from digits beyond the eighth hiding a tie.
TEST(RoundValue, DigitsBeyondTheEighthNeverDecide) {
  const SeparatorScope comma(',');
  EXPECT_EQ(RoundMath(2, 2.34500000001L).text, "2,34");
  EXPECT_EQ(RoundMath(2, 2.345L).text, "2,34");
  EXPECT_EQ(RoundValue(2, "IEEE", 2.34500000001L).text, "2,34");
  EXPECT_EQ(RoundGerman(0, 0.499999999L).text, "0");
}

TEST(RoundValue, ErrorValuesCarryTheTextZero) {
  const SeparatorScope comma(',');
  const long double inf = std::numeric_limits<long double>::infinity();
  const struct {
    long double x;
    int decimals;
    const char* mode;
    long double value;
  } kCases[] = {
      {2147483647.0L, 2, "german", kRoundTooLarge},
      {2147483646.5L, 0, "", kRoundTooLarge},
      {1e300L, 2, "math", kRoundTooLarge},
      {inf, 2, "german", kRoundTooLarge},
      {-inf, 2, "german", kRoundTooLarge},
      {std::numeric_limits<long double>::quiet_NaN(), 2, "german", kRoundTooLarge},
      // The limit is tested on the signed value; the integer part of a large
      // negative value cannot be read when the even neighbour or a carry needs it.
      {-3000000000.5L, 0, "math", kRoundPartUnreadable},
      {-3000000000.5L, 0, "IEEE", kRoundPartUnreadable},
      {-3000000000.5L, 0, "german", kRoundCarryUnreadable},
      {-2147483647.5L, 0, "german", kRoundCarryUnreadable},
  };
  for (const auto& c : kCases) {
    const RoundResult r = RoundValue(c.decimals, c.mode, c.x);
    EXPECT_EQ(r.value, c.value) << static_cast<double>(c.x) << ' ' << c.mode;
    EXPECT_EQ(r.text, "0") << static_cast<double>(c.x) << ' ' << c.mode;
  }
  EXPECT_EQ(RoundValue(0, "math", -3000000000.4L).text, "-3000000000");
  EXPECT_EQ(RoundValue(0, "german", -2147483646.5L).text, "-2147483647");
}

TEST(RoundValue, PointSeparator) {
  const SeparatorScope point('.');
  EXPECT_EQ(RoundGerman(2, 2.345L).text, "2.35");
  EXPECT_EQ(RoundGerman(2, 17.0L).text, "17.00");
  EXPECT_EQ(RoundGerman(6, 0.000015L).text, "0.000015");
  EXPECT_EQ(RoundGerman(2, -9.996L).text, "-10.00");
  EXPECT_EQ(RoundGerman(2, 2147483647.0L).text, "0");
}

TEST(RoundByIndex, MapsTheListIndexToTheMode) {
  const SeparatorScope comma(',');
  const struct {
    int index;
    const char* half;    // 0,5 to 0 decimals
    const char* above;   // 2,3451 to 2 decimals
    const char* cutOff;  // 2,39 to 1 decimal
  } kCases[] = {
      {-1, "0", "2,34", "2,3"},  // cut
      {0, "1", "2,35", "2,4"},   // german
      {1, "0", "2,34", "2,4"},   // IEEE
      {2, "0", "2,35", "2,4"},   // math
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(RoundByIndex(c.index, 0, 0.5L)->text, c.half) << c.index;
    EXPECT_EQ(RoundByIndex(c.index, 2, 2.3451L)->text, c.above) << c.index;
    EXPECT_EQ(RoundByIndex(c.index, 1, 2.39L)->text, c.cutOff) << c.index;
  }
  EXPECT_FALSE(RoundByIndex(3, 2, 2.345L).has_value());
  EXPECT_FALSE(RoundByIndex(-2, 2, 2.345L).has_value());
}

TEST(ExpandExponent, WritesSmallMagnitudesOut) {
  const SeparatorScope comma(',');
  const struct {
    const char* text;
    const char* expanded;
  } kCases[] = {
      {"1,5E-5", "0,000015"},
      {"1,5e-05", "0,000015"},
      {"-1,5E-5", "-0,000015"},
      {"1,25E-7", "0,000000125"},
      {"0,0001", "0,0001"},
      {"12,50", "12,5"},
      {" 17 ", "17"},
      {"1E20", "100000000000000000000"},
      {"1,5E2", "150"},
      {"abc", "abc"},
      {"1.5", "1.5"},  // no number where the separator is a comma
      {"", ""},
      // At most 47 zeros after the separator, as far as any caller looks.
      {"1E-60", "0,000000000000000000000000000000000000000000000001"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ExpandExponent(c.text), c.expanded) << c.text;
  }
  const SeparatorScope point('.');
  EXPECT_EQ(ExpandExponent("1.5E-5"), "0.000015");
  EXPECT_EQ(ExpandExponent("1,5E-5"), "1,5E-5");
}

// ---- The independent model ------------------------------------------------

enum class Mode { German, Math, Ieee };

constexpr std::uint64_t Pow10(int n) {
  std::uint64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// The value units / 10^scale rounded to `decimals` places by the rule of the
// mode, in whole numbers: the result in units of 10^-decimals.
std::uint64_t ModelRound(std::uint64_t units, int scale, int decimals, Mode mode) {
  if (decimals >= scale) return units * Pow10(decimals - scale);
  const std::uint64_t unit = Pow10(scale - decimals);
  const std::uint64_t kept = units / unit;
  const std::uint64_t dropped = units % unit;
  const std::uint64_t half = unit / 2;
  switch (mode) {
    case Mode::German:
      return kept + (dropped >= half ? 1 : 0);
    case Mode::Math:  // half to even; the dropped part is exactly a half only as the digit 5
      return dropped == half ? kept + kept % 2 : kept + (dropped > half ? 1 : 0);
    case Mode::Ieee: {
      // Place by place from the right: a digit of 5 or more raises the
      // places before it, to the even neighbour when it was a 5 originally.
      std::uint64_t value = units;
      for (int place = scale; place > decimals; --place) {
        const std::uint64_t digit = value % 10;
        const std::uint64_t before = value / 10;
        const std::uint64_t original = units / Pow10(scale - place) % 10;
        const bool raise = digit >= 5 && (original != 5 || before % 2 == 1);
        value = before + (raise ? 1 : 0);
      }
      return value;
    }
  }
  return 0;
}

std::string ModelText(std::uint64_t units, int decimals, char separator) {
  std::string text = std::to_string(units / Pow10(decimals));
  if (decimals > 0) {
    std::string fraction = std::to_string(units % Pow10(decimals));
    text += separator;
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

struct ModelValue {
  std::uint64_t units;
  int scale;  // 0..8, no trailing zero in the fraction
};

void ExpectModel(const ModelValue& v, char separator) {
  const long double x =
      static_cast<long double>(v.units) / static_cast<long double>(Pow10(v.scale));
  static constexpr struct {
    Mode mode;
    const char* key;
  } kModes[] = {{Mode::German, "german"}, {Mode::Math, "math"}, {Mode::Ieee, "IEEE"}};
  for (const auto& m : kModes) {
    for (int decimals = 0; decimals <= 8; ++decimals) {
      const std::uint64_t rounded = ModelRound(v.units, v.scale, decimals, m.mode);
      const std::string text = ModelText(rounded, decimals, separator);
      const long double value =
          static_cast<long double>(rounded) / static_cast<long double>(Pow10(decimals));
      const RoundResult positive = RoundValue(decimals, m.key, x);
      const RoundResult negative = RoundValue(decimals, m.key, -x);
      ASSERT_EQ(positive.text, text)
          << v.units << "e-" << v.scale << ' ' << m.key << ' ' << decimals;
      ASSERT_EQ(positive.value, value) << v.units << "e-" << v.scale << ' ' << m.key;
      ASSERT_EQ(negative.text, (x == 0.0L ? "" : "-") + text) << v.units << "e-" << v.scale;
      ASSERT_EQ(negative.value, -value) << v.units << "e-" << v.scale;
    }
  }
}

ModelValue Normalised(std::uint64_t units, int scale) {
  while (scale > 0 && units % 10 == 0) {
    units /= 10;
    --scale;
  }
  return {units, scale};
}

TEST(RoundValue, MatchesTheWholeNumberModelOnAllFourDigitFractions) {
  const SeparatorScope comma(',');
  for (std::uint64_t units = 0; units < 20000; ++units) {
    ExpectModel(Normalised(units, 4), ',');
  }
}

TEST(RoundValue, MatchesTheWholeNumberModelOnRandomValues) {
  // Digits 4, 5 and 9 are favoured: they make the ties, the cascades and
  // the carries.
  std::mt19937_64 random(20260108);
  const auto digit = [&] {
    static constexpr char kFavoured[] = {4, 5, 9};
    return random() % 2 == 0 ? static_cast<std::uint64_t>(kFavoured[random() % 3]) : random() % 10;
  };
  for (const char separator : {',', '.'}) {
    const SeparatorScope scope(separator);
    int checked = 0;
    while (checked < 4000) {
      const int scale = static_cast<int>(random() % 9);
      const int integerDigits = static_cast<int>(random() % 11);
      if (integerDigits + scale > 15) continue;  // the decimal text holds 15 digits
      std::uint64_t units = 0;
      for (int i = 0; i < integerDigits + scale; ++i) units = units * 10 + digit();
      if (units / Pow10(scale) > 2147483646) continue;
      ExpectModel(Normalised(units, scale), separator);
      ++checked;
    }
  }
}

}  // namespace
}  // namespace engine

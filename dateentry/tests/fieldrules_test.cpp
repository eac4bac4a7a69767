// SPDX-License-Identifier: MIT
#include "dateentry/fieldrules.h"

#include <gtest/gtest.h>

#include <string>

namespace dateentry {
namespace {

constexpr DateMode kAllModes[] = {DateMode::D, DateMode::T, DateMode::TM,
                                  DateMode::W, DateMode::A, DateMode::J};

TEST(DateModel, ModeCodesRoundTripAndUnknownCodesAreTheDateMode) {
  for (DateMode mode : kAllModes) EXPECT_EQ(ModeOfCode(CodeOfMode(mode)), mode);
  for (const char* code : {"X", "", "d", "t", "TMX", "DD", " D"}) {
    EXPECT_EQ(ModeOfCode(code), DateMode::D) << code;
  }
}

TEST(DateModel, GeometryOfEveryModeNormalAndCompact) {
  const struct {
    DateMode mode;
    int height;
    DateGeometry expected;
  } kCases[] = {
      {DateMode::T, 24, {98, {33, 33, 33}, {0, 32, 64}, {24, 56, 88}}},
      {DateMode::TM, 24, {65, {33, 33, 0}, {0, 32, -1}, {24, 56, -1}}},
      {DateMode::D, 24, {114, {33, 33, 49}, {0, 32, 64}, {24, 56, 104}}},
      {DateMode::W, 24, {82, {0, 33, 49}, {-1, 0, 32}, {-1, 24, 72}}},
      {DateMode::A, 24, {90, {0, 41, 49}, {-1, 0, 40}, {-1, 32, 80}}},
      {DateMode::J, 24, {73, {0, 0, 73}, {-1, -1, 0}, {-1, -1, 64}}},
      {DateMode::T, 21, {77, {28, 28, 27}, {0, 25, 50}, {18, 43, 68}}},
      {DateMode::TM, 21, {52, {28, 28, 0}, {0, 25, -1}, {18, 43, -1}}},
      {DateMode::D, 21, {89, {28, 28, 40}, {0, 25, 50}, {18, 43, 80}}},
      {DateMode::W, 21, {64, {0, 28, 40}, {-1, 0, 25}, {-1, 18, 55}}},
      {DateMode::A, 21, {69, {0, 33, 50}, {-1, 0, 31}, {-1, 24, 61}}},
      {DateMode::J, 21, {56, {0, 0, 58}, {-1, -1, 0}, {-1, -1, 48}}},
      {DateMode::D, 22, {114, {33, 33, 49}, {0, 32, 64}, {24, 56, 104}}},  // 22 is not compact
      {DateMode::D, 10, {89, {28, 28, 40}, {0, 25, 50}, {18, 43, 80}}},
  };
  for (const auto& c : kCases) {
    const DateGeometry g = GeometryOf(c.mode, c.height);
    SCOPED_TRACE(std::string(CodeOfMode(c.mode)) + " " + std::to_string(c.height));
    EXPECT_EQ(g.width, c.expected.width);
    EXPECT_EQ(g.fieldWidth, c.expected.fieldWidth);
    EXPECT_EQ(g.fieldLeft, c.expected.fieldLeft);
    EXPECT_EQ(g.buttonLeft, c.expected.buttonLeft);
  }
}

TEST(DateModel, EveryUsedSubFieldHasAButtonColumnInsideTheControl) {
  for (DateMode mode : kAllModes) {
    for (int height : {21, 24}) {
      const DateGeometry g = GeometryOf(mode, height);
      for (int f = 0; f < kFieldCount; ++f) {
        const bool used = RuleOf(mode, f).used;
        EXPECT_EQ(used, g.fieldLeft[f] >= 0) << CodeOfMode(mode) << f;
        if (!used) continue;
        // The buttons overlap the right end of their own sub-field.
        EXPECT_GT(g.buttonLeft[f], g.fieldLeft[f]);
        EXPECT_LE(g.buttonLeft[f] + kSpinButtonWidth, g.fieldLeft[f] + g.fieldWidth[f]);
        EXPECT_LE(g.buttonLeft[f] + kSpinButtonWidth, g.width);
      }
    }
  }
}

TEST(DateModel, RangesLengthsAndInitialTexts) {
  const struct {
    DateMode mode;
    int field;
    int minimum, maximum, maxLength;
    const char* initial;
  } kCases[] = {
      {DateMode::D, 0, 1, 31, 2, "01"},           {DateMode::D, 1, 1, 12, 2, "01"},
      {DateMode::D, 2, 1, 3001, 4, "2003"},       {DateMode::T, 0, 0, 23, 2, "00"},
      {DateMode::T, 1, 0, 59, 2, "00"},           {DateMode::T, 2, 0, 59, 2, "00"},
      {DateMode::TM, 0, 0, 23, 2, "00"},          {DateMode::TM, 1, 0, 59, 2, "00"},
      {DateMode::W, 1, 1, 53, 2, "01"},           {DateMode::W, 2, 1, 3001, 4, "2003"},
      {DateMode::A, 1, 1, 366, 3, "001"},         {DateMode::A, 2, 1, 3001, 4, "2003"},
      {DateMode::J, 2, 0, 9999999, 7, "2452975"},
  };
  for (const auto& c : kCases) {
    const FieldRule& rule = RuleOf(c.mode, c.field);
    SCOPED_TRACE(std::string(CodeOfMode(c.mode)) + std::to_string(c.field));
    EXPECT_TRUE(rule.used);
    EXPECT_EQ(rule.minimum, c.minimum);
    EXPECT_EQ(rule.maximum, c.maximum);
    EXPECT_EQ(rule.maxLength, c.maxLength);
    EXPECT_EQ(rule.initial, c.initial);
  }
  EXPECT_FALSE(RuleOf(DateMode::TM, 2).used);
  EXPECT_FALSE(RuleOf(DateMode::W, 0).used);
  EXPECT_FALSE(RuleOf(DateMode::A, 0).used);
  EXPECT_FALSE(RuleOf(DateMode::J, 0).used);
  EXPECT_FALSE(RuleOf(DateMode::J, 1).used);
  EXPECT_FALSE(RuleOf(DateMode::D, 3).used);  // out of range asks for nothing
}

TEST(DateModel, ButtonHints) {
  const struct {
    DateMode mode;
    int field;
    const char* asc;
    const char* desc;
  } kCases[] = {
      {DateMode::D, 0, "Tag später", "Tag vorher"},
      {DateMode::D, 1, "Monat später", "Monat vorher"},
      {DateMode::D, 2, "Jahr später", "Jahr vorher"},
      {DateMode::T, 0, "Stunde später", "Stunde vorher"},
      {DateMode::T, 1, "Minute später", "Minute vorher"},
      {DateMode::T, 2, "Sekunde später", "Sekunde vorher"},
      {DateMode::TM, 0, "Stunde später", "Stunde vorher"},
      {DateMode::TM, 1, "Minute später", "Minute vorher"},
      {DateMode::TM, 2, "", ""},
      {DateMode::W, 1, "Woche später", "Woche vorher"},
      {DateMode::W, 2, "Jahr später", "Jahr vorher"},
      {DateMode::A, 1, "Tag des Jahres später", "Tag des Jahres vorher"},
      {DateMode::A, 2, "Jahr später", "Jahr vorher"},
      {DateMode::J, 2, "Julianisches Datum später", "Julianisches Datum vorher"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AscHint(c.mode, c.field), c.asc);
    EXPECT_EQ(DescHint(c.mode, c.field), c.desc);
  }
}

TEST(DateModel, DigitReleaseCapsAndMovesOnWhenFull) {
  const struct {
    DateMode mode;
    int field;
    const char* typed;
    const char* text;
    bool moveOn;
  } kCases[] = {
      {DateMode::D, 0, "45", "31", true},
      {DateMode::D, 0, "5", "5", false},
      {DateMode::D, 0, "00", "01", true},  // raised to the minimum once full
      {DateMode::D, 1, "00", "01", true},
      {DateMode::D, 1, "13", "12", true},
      {DateMode::D, 1, "0", "0", false},       // not full: the minimum waits for leaving
      {DateMode::D, 2, "3001", "3001", true},  // one year past the range stays
      {DateMode::D, 2, "9999", "3001", true},
      {DateMode::D, 2, "0000", "0001", true},
      {DateMode::D, 2, "200", "200", false},
      {DateMode::T, 0, "24", "23", true},
      {DateMode::T, 1, "60", "59", true},
      {DateMode::T, 2, "99", "59", true},
      {DateMode::TM, 1, "75", "59", true},
      {DateMode::A, 1, "367", "366", true},
      {DateMode::A, 1, "37", "37", false},
      {DateMode::A, 1, "000", "001", true},
      {DateMode::W, 1, "54", "53", true},
      {DateMode::J, 2, "123", "123", false},
      {DateMode::J, 2, "9999999", "9999999", true},
      {DateMode::J, 2, "0000000", "0000000", true},
      {DateMode::D, 0, "", "", false},
  };
  for (const auto& c : kCases) {
    const TypedField typed = AfterDigitTyped(c.mode, c.field, c.typed);
    EXPECT_EQ(typed.text, c.text) << CodeOfMode(c.mode) << c.field << " " << c.typed;
    EXPECT_EQ(typed.moveOn, c.moveOn) << CodeOfMode(c.mode) << c.field << " " << c.typed;
  }
}

TEST(DateModel, LeavingClampsAndPadsEverySubField) {
  const struct {
    DateMode mode;
    int field;
    const char* text;
    const char* left;
  } kCases[] = {
      {DateMode::D, 0, "5", "05"},
      {DateMode::D, 0, "", "01"},
      {DateMode::D, 0, "0", "01"},
      // Regression: only the third sub-field was capped on leaving.
      {DateMode::D, 0, "99", "31"},
      {DateMode::D, 1, "13", "12"},
      {DateMode::T, 0, "24", "23"},
      {DateMode::D, 2, "", "0001"},
      {DateMode::D, 2, "3", "0003"},
      {DateMode::D, 2, "9999", "3001"},
      {DateMode::T, 2, "", "00"},
      {DateMode::T, 2, "7", "07"},
      {DateMode::A, 1, "59", "059"},
      {DateMode::A, 1, "0", "001"},
      {DateMode::W, 2, "12", "0012"},
      {DateMode::J, 2, "123", "0000123"},
      {DateMode::J, 2, "", "0000000"},
      {DateMode::D, 1, "1x", "01"},  // a stray character never reaches a number
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(NormalisedOnLeave(c.mode, c.field, c.text), c.left)
        << CodeOfMode(c.mode) << c.field << " " << c.text;
  }
}

TEST(DateModel, LeavingEveryValueOfEverySubFieldStaysInRange) {
  for (DateMode mode : kAllModes) {
    for (int f = 0; f < kFieldCount; ++f) {
      const FieldRule& rule = RuleOf(mode, f);
      if (!rule.used || rule.maxLength > 4) continue;
      for (int v = 0; v < 10000; ++v) {
        const std::string typed = DigitsOnly(std::to_string(v), rule.maxLength);
        const std::string left = NormalisedOnLeave(mode, f, typed);
        const int value = std::stoi(left);
        ASSERT_GE(value, rule.minimum) << typed;
        ASSERT_LE(value, rule.maximum) << typed;
        ASSERT_EQ(static_cast<int>(left.size()), rule.padWidth) << typed;
      }
    }
  }
}

TEST(DateModel, DigitsOnlyFiltersPastedText) {
  EXPECT_EQ(DigitsOnly("2a4.x", 2), "24");
  EXPECT_EQ(DigitsOnly("12.34", 7), "1234");
  EXPECT_EQ(DigitsOnly("", 2), "");
  EXPECT_EQ(DigitsOnly("ä½ 9", 2), "9");
  EXPECT_EQ(FieldNumber("", 7), 7);
  EXPECT_EQ(FieldNumber("12345678901234", 3), 3);  // never overflows
}

TEST(DateModel, SpinWrapsEachSubFieldAndCarriesOnlyTime) {
  const struct {
    const char* name;
    DateMode mode;
    int field;
    bool up;
    FieldValues before;
    FieldValues after;
  } kCases[] = {
      {"day 31 up to 1, month stays", DateMode::D, 0, true, {31, 5, 2003}, {1, 5, 2003}},
      {"day 1 down to 31", DateMode::D, 0, false, {1, 5, 2003}, {31, 5, 2003}},
      {"month 12 up to 1, year stays", DateMode::D, 1, true, {31, 12, 2003}, {31, 1, 2003}},
      {"month 1 down to 12", DateMode::D, 1, false, {1, 1, 2003}, {1, 12, 2003}},
      {"year 3001 up to 1", DateMode::D, 2, true, {1, 1, 3001}, {1, 1, 1}},
      {"year 1 down to 3001", DateMode::D, 2, false, {1, 1, 1}, {1, 1, 3001}},
      {"week 53 up to 1", DateMode::W, 1, true, {0, 53, 2003}, {0, 1, 2003}},
      {"week 1 down to 53", DateMode::W, 1, false, {0, 1, 2003}, {0, 53, 2003}},
      {"day of year 366 up to 1", DateMode::A, 1, true, {0, 366, 2003}, {0, 1, 2003}},
      {"day of year 1 down", DateMode::A, 1, false, {0, 1, 2003}, {0, 366, 2003}},
      {"JD top up to 0", DateMode::J, 2, true, {0, 0, 9999999}, {0, 0, 0}},
      {"JD 0 down to top", DateMode::J, 2, false, {0, 0, 0}, {0, 0, 9999999}},
      {"second carries to hour and day", DateMode::T, 2, true, {23, 59, 59}, {0, 0, 0}},
      {"second borrows", DateMode::T, 2, false, {0, 0, 0}, {23, 59, 59}},
      {"second carries into minute", DateMode::T, 2, true, {10, 20, 59}, {10, 21, 0}},
      {"minute carries into hour", DateMode::T, 1, true, {22, 59, 30}, {23, 0, 30}},
      {"minute 23:59 up", DateMode::TM, 1, true, {23, 59, 0}, {0, 0, 0}},
      {"minute 0 down", DateMode::TM, 1, false, {5, 0, 0}, {4, 59, 0}},
      {"hour wraps alone", DateMode::T, 0, true, {23, 59, 59}, {0, 59, 59}},
      {"month 0 up is 1", DateMode::D, 1, true, {1, 0, 2003}, {1, 1, 2003}},
      {"month 0 down is 12", DateMode::D, 1, false, {1, 0, 2003}, {1, 12, 2003}},
      {"plain step", DateMode::D, 2, true, {1, 1, 2003}, {1, 1, 2004}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(SpinTick(c.mode, c.field, c.up, c.before), c.after) << c.name;
  }
}

TEST(DateModel, SpinningAFullRoundComesBackForEverySubField) {
  for (DateMode mode : kAllModes) {
    for (int f = 0; f < kFieldCount; ++f) {
      const FieldRule& rule = RuleOf(mode, f);
      if (!rule.used || rule.maximum > 5000) continue;
      for (bool up : {true, false}) {
        FieldValues values{RuleOf(mode, 0).minimum, RuleOf(mode, 1).minimum,
                           RuleOf(mode, 2).minimum};
        const FieldValues start = values;
        const int steps = rule.maximum - rule.minimum + 1;
        for (int i = 0; i < steps; ++i) {
          const FieldValues next = SpinTick(mode, f, up, values);
          ASSERT_GE(next[f], rule.minimum);
          ASSERT_LE(next[f], rule.maximum);
          values = next;
        }
        EXPECT_EQ(values[f], start[f]) << CodeOfMode(mode) << f;
      }
    }
  }
}

TEST(DateModel, SpinIntervalDropsAfterTenTicks) {
  EXPECT_EQ(SpinInterval(0), 150);
  EXPECT_EQ(SpinInterval(10), 150);
  EXPECT_EQ(SpinInterval(11), 50);
}

TEST(DateModel, DateTextsTakenAndRefused) {
  const struct {
    const char* text;
    bool taken;
    const char* day;
    const char* month;
    const char* year;
  } kCases[] = {
      {"24.12.2003", true, "24", "12", "2003"},
      {"24/12/2003", true, "24", "12", "2003"},
      {"24.12.2003 Mittwoch", true, "24", "12", "2003"},
      {"24.12.203", false, "", "", ""},
      {"24.12.20031", false, "", "", ""},  // regression: a fifth year digit was dropped
      {"2412.2003x", false, "", "", ""},
      {"", false, "", "", ""},
      {"ab.cd.efgh", false, "", "", ""},
      {"1.1.2003", false, "", "", ""},
  };
  for (const auto& c : kCases) {
    const auto fields = DateFields(c.text);
    ASSERT_EQ(fields.has_value(), c.taken) << c.text;
    if (!fields) continue;
    EXPECT_EQ((*fields)[0], c.day);
    EXPECT_EQ((*fields)[1], c.month);
    EXPECT_EQ((*fields)[2], c.year);
  }
}

TEST(DateModel, JDTextsTakenAndRefused) {
  EXPECT_EQ(JDFields("2452975")->at(2), "2452975");
  EXPECT_EQ(JDFields("2452975 JD")->at(2), "2452975");
  // Regression: "28171520" was read as 2817152.
  EXPECT_FALSE(JDFields("28171520"));
  EXPECT_FALSE(JDFields("245297"));
  EXPECT_FALSE(JDFields("245a975"));
  EXPECT_FALSE(JDFields(""));
}

TEST(DateModel, TimeTextsTakenCappedAndRefused) {
  const struct {
    const char* text;
    bool taken;
    const char* hour;
    const char* minute;
    const char* second;
  } kCases[] = {
      {"12:34", true, "12", "34", "00"},
      {"12:34:56", true, "12", "34", "56"},
      {"12.34.56 Uhr", true, "12", "34", "56"},
      {"25:61", true, "23", "59", "00"},
      {"24:00:60", true, "23", "00", "59"},
      {"12:3:45", false, "", "", ""},  // regression: taken as hour 12, minute "3:"
      {"12:34:5", false, "", "", ""},
      {"12:345", false, "", "", ""},
      {"12:34:567", false, "", "", ""},
      {"1234", false, "", "", ""},
      {"12:3", false, "", "", ""},
      {"", false, "", "", ""},
  };
  for (const auto& c : kCases) {
    const auto fields = TimeFields(c.text);
    ASSERT_EQ(fields.has_value(), c.taken) << c.text;
    if (!fields) continue;
    EXPECT_EQ((*fields)[0], c.hour) << c.text;
    EXPECT_EQ((*fields)[1], c.minute) << c.text;
    EXPECT_EQ((*fields)[2], c.second) << c.text;
  }
}

TEST(DateModel, ShortAndOddTextsNeverCrash) {
  for (const char* text : {"", "1", "12", "12:", "12:3", "1.", "\xff\xfe", "1234567"}) {
    (void)DateFields(text);
    (void)JDFields(text);
    (void)TimeFields(text);
    for (DateMode mode : kAllModes) {
      for (int f = 0; f < kFieldCount; ++f) {
        (void)AfterDigitTyped(mode, f, text);
        (void)NormalisedOnLeave(mode, f, text);
      }
    }
  }
}

}  // namespace
}  // namespace dateentry

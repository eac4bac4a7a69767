// SPDX-License-Identifier: MIT
#include "dateentry/fieldrules.h"

#include <algorithm>
#include <charconv>

namespace dateentry {

namespace {

constexpr FieldRule kUnused{false, 0, 99, 2, 2, 2, "00", ""};

constexpr FieldRule kDay{true, 1, 31, 2, 2, 2, "01", "Tag"};
constexpr FieldRule kMonth{true, 1, 12, 2, 2, 2, "01", "Monat"};
constexpr FieldRule kYearD{true, 1, 3001, 4, 4, 4, "2003", "Jahr"};
// Backspace selects nothing in the year of the week and day-of-year modes.
constexpr FieldRule kYear{true, 1, 3001, 4, 4, 0, "2003", "Jahr"};
constexpr FieldRule kHour{true, 0, 23, 2, 2, 2, "00", "Stunde"};
constexpr FieldRule kMinute{true, 0, 59, 2, 2, 2, "00", "Minute"};
constexpr FieldRule kSecond{true, 0, 59, 2, 2, 2, "00", "Sekunde"};
constexpr FieldRule kWeek{true, 1, 53, 2, 2, 2, "01", "Woche"};
constexpr FieldRule kDayOfYear{true, 1, 366, 3, 3, 3, "001", "Tag des Jahres"};
constexpr FieldRule kDayNumber{true, 0, 9999999, 7, 7, 0, "2452975", "Julianisches Datum"};

struct ModeRow {
  DateMode mode;
  std::string_view code;
  std::array<FieldRule, kFieldCount> rules;
  DateGeometry normal;
  DateGeometry compact;
};

// Index order equals the enum's order.
constexpr ModeRow kModes[] = {
    {DateMode::D,
     "D",
     {kDay, kMonth, kYearD},
     {114, {33, 33, 49}, {0, 32, 64}, {24, 56, 104}},
     {89, {28, 28, 40}, {0, 25, 50}, {18, 43, 80}}},
    {DateMode::T,
     "T",
     {kHour, kMinute, kSecond},
     {98, {33, 33, 33}, {0, 32, 64}, {24, 56, 88}},
     {77, {28, 28, 27}, {0, 25, 50}, {18, 43, 68}}},
    {DateMode::TM,
     "TM",
     {kHour, kMinute, kUnused},
     {65, {33, 33, 0}, {0, 32, -1}, {24, 56, -1}},
     {52, {28, 28, 0}, {0, 25, -1}, {18, 43, -1}}},
    {DateMode::W,
     "W",
     {kUnused, kWeek, kYear},
     {82, {0, 33, 49}, {-1, 0, 32}, {-1, 24, 72}},
     {64, {0, 28, 40}, {-1, 0, 25}, {-1, 18, 55}}},
    {DateMode::A,
     "A",
     {kUnused, kDayOfYear, kYear},
     {90, {0, 41, 49}, {-1, 0, 40}, {-1, 32, 80}},
     {69, {0, 33, 50}, {-1, 0, 31}, {-1, 24, 61}}},
    {DateMode::J,
     "J",
     {kUnused, kUnused, kDayNumber},
     {73, {0, 0, 73}, {-1, -1, 0}, {-1, -1, 64}},
     {56, {0, 0, 58}, {-1, -1, 0}, {-1, -1, 48}}},
};

const ModeRow& RowOf(DateMode mode) {
  return kModes[static_cast<int>(mode)];
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool DigitAt(std::string_view text, std::size_t index) {
  return index < text.size() && IsDigit(text[index]);
}

bool IsTimeMode(DateMode mode) {
  return mode == DateMode::T || mode == DateMode::TM;
}

std::string Capped(std::string_view digits, int maximum) {
  return FieldNumber(digits, 0) > maximum ? std::to_string(maximum) : std::string(digits);
}

}  // namespace

DateMode ModeOfCode(std::string_view code) {
  for (const ModeRow& row : kModes) {
    if (row.code == code) return row.mode;
  }
  return DateMode::D;
}

std::string_view CodeOfMode(DateMode mode) {
  return RowOf(mode).code;
}

const FieldRule& RuleOf(DateMode mode, int field) {
  if (field < 0 || field >= kFieldCount) return kUnused;
  return RowOf(mode).rules[static_cast<std::size_t>(field)];
}

DateGeometry GeometryOf(DateMode mode, int editHeight) {
  return editHeight <= 21 ? RowOf(mode).compact : RowOf(mode).normal;
}

std::string AscHint(DateMode mode, int field) {
  const FieldRule& rule = RuleOf(mode, field);
  return rule.used ? std::string(rule.unit) + " später" : std::string();
}

std::string DescHint(DateMode mode, int field) {
  const FieldRule& rule = RuleOf(mode, field);
  return rule.used ? std::string(rule.unit) + " vorher" : std::string();
}

std::string DigitsOnly(std::string_view text, int maxLength) {
  std::string digits;
  for (char c : text) {
    if (IsDigit(c) && static_cast<int>(digits.size()) < maxLength) digits.push_back(c);
  }
  return digits;
}

int FieldNumber(std::string_view text, int fallback) {
  // Sub-fields hold at most seven digits; anything longer is no field value.
  if (text.empty() || text.size() > 9) return fallback;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

TypedField AfterDigitTyped(DateMode mode, int field, std::string_view text) {
  const FieldRule& rule = RuleOf(mode, field);
  TypedField result{Capped(DigitsOnly(text, rule.maxLength), rule.maximum), false};
  if (static_cast<int>(result.text.size()) >= rule.maxLength) {
    if (FieldNumber(result.text, 0) < rule.minimum)
      result.text = ZeroPadded(mode, field, rule.minimum);
    result.moveOn = true;
  }
  return result;
}

std::string NormalisedOnLeave(DateMode mode, int field, std::string_view text) {
  const FieldRule& rule = RuleOf(mode, field);
  const int value = FieldNumber(DigitsOnly(text, rule.maxLength), 0);
  return ZeroPadded(mode, field, std::clamp(value, rule.minimum, rule.maximum));
}

std::string ZeroPadded(DateMode mode, int field, int value) {
  const FieldRule& rule = RuleOf(mode, field);
  std::string digits = std::to_string(std::max(value, 0));
  if (static_cast<int>(digits.size()) < rule.padWidth) {
    digits.insert(0, static_cast<std::size_t>(rule.padWidth) - digits.size(), '0');
  }
  return digits;
}

FieldValues SpinTick(DateMode mode, int field, bool up, FieldValues values) {
  // Walks from `field` towards the hour while a time sub-field wraps.
  for (int f = field; f >= 0; --f) {
    const FieldRule& rule = RuleOf(mode, f);
    int& v = values[static_cast<std::size_t>(f)];
    bool wrapped = false;
    if (up) {
      if (v >= rule.maximum) {
        v = rule.minimum;
        wrapped = true;
      } else {
        v = v < rule.minimum ? rule.minimum : v + 1;
      }
    } else {
      if (v <= rule.minimum) {
        v = rule.maximum;
        wrapped = true;
      } else {
        v = v > rule.maximum ? rule.maximum : v - 1;
      }
    }
    if (!wrapped || !IsTimeMode(mode)) break;
  }
  return values;
}

std::optional<FieldTexts> DateFields(std::string_view text) {
  for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
    if (!DigitAt(text, i)) return std::nullopt;
  }
  if (IsDigit(text[2]) || IsDigit(text[5]) || DigitAt(text, 10)) return std::nullopt;
  return FieldTexts{std::string(text.substr(0, 2)), std::string(text.substr(3, 2)),
                    std::string(text.substr(6, 4))};
}

std::optional<FieldTexts> JDFields(std::string_view text) {
  for (std::size_t i = 0; i < 7; ++i) {
    if (!DigitAt(text, i)) return std::nullopt;
  }
  if (DigitAt(text, 7)) return std::nullopt;
  return FieldTexts{"", "", std::string(text.substr(0, 7))};
}

std::optional<FieldTexts> TimeFields(std::string_view text) {
  for (std::size_t i : {0, 1, 3, 4}) {
    if (!DigitAt(text, i)) return std::nullopt;
  }
  if (IsDigit(text[2]) || DigitAt(text, 5)) return std::nullopt;
  FieldTexts fields{Capped(text.substr(0, 2), 23), Capped(text.substr(3, 2), 59), "00"};
  const bool second1 = DigitAt(text, 6);
  const bool second2 = DigitAt(text, 7);
  if (second1 && second2) {
    if (DigitAt(text, 8)) return std::nullopt;
    fields[2] = Capped(text.substr(6, 2), 59);
  } else if (second1 || second2) {
    return std::nullopt;  // a lone seconds digit is neither form
  }
  return fields;
}

}  // namespace dateentry

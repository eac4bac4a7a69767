// SPDX-License-Identifier: MIT
#include "controls/dateedt_model.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/daynumber.h"
#include "engine/week.h"

namespace controls {
namespace {

using engine::CalendarKind;
constexpr CalendarKind G = CalendarKind::Gregorian;
constexpr CalendarKind J = CalendarKind::Julian;

TEST(DateEditModel, LandCodesOutsideTheTableAreLowerSaxony) {
  const struct {
    const char* code;
    const char* land;
  } kCases[] = {{"D-BY", "D-BY"}, {"A-NÖ", "A-NÖ"}, {"D", "D"},       {"D-OB", "D-OB"},
                {"HR", "D-NI"},   {"", "D-NI"},     {"d-by", "D-NI"}, {"D-BY ", "D-NI"}};
  for (const auto& c : kCases) EXPECT_EQ(AcceptedLand(c.code), c.land) << c.code;
}

TEST(DateEditModel, ColoursOfADay) {
  EXPECT_EQ(DayFontOf(1, false), DayFont::WindowText);
  EXPECT_EQ(DayFontOf(6, false), DayFont::Saturday);
  EXPECT_EQ(DayFontOf(7, false), DayFont::Sunday);
  EXPECT_EQ(DayFontOf(7, true), DayFont::LegalHoliday);
  EXPECT_EQ(DayFontOf(3, true), DayFont::LegalHoliday);
  EXPECT_EQ(DayBackgroundOf(2299160, G), DayBackground::PreGregorian);
  EXPECT_EQ(DayBackgroundOf(2299161, G), DayBackground::Window);
  EXPECT_EQ(DayBackgroundOf(2299161, J), DayBackground::Julian);
}

TEST(DateEditModel, TwelveHourTexts) {
  const struct {
    int hour, minute, second;
    bool withSeconds;
    const char* text;
  } kCases[] = {{0, 0, 0, true, "12:00:00 AM"},    {0, 30, 5, false, "12:30 AM"},
                {11, 59, 59, true, "11:59:59 AM"}, {12, 0, 0, true, "12:00:00 PM"},
                {13, 5, 9, true, "1:05:09 PM"},    {23, 59, 0, false, "11:59 PM"}};
  for (const auto& c : kCases) {
    EXPECT_EQ(TwelveHourText(c.hour, c.minute, c.second, c.withSeconds), c.text);
  }
}

TEST(DateEditModel, SwitchHints) {
  EXPECT_EQ(ViewSwitchHint("D", false), "Umschaltung auf Bundesländer und Feiertage");
  EXPECT_EQ(ViewSwitchHint("D", true), "Umschaltung auf Tage des Jahres");
  EXPECT_EQ(ViewSwitchHint("A", false), "Umschaltung auf Wochen des Jahres");
  EXPECT_EQ(ViewSwitchHint("W", false), "Umschaltung auf Julianisches Datum");
  EXPECT_EQ(ViewSwitchHint("J", false), "Umschaltung auf Datum");
  EXPECT_EQ(CalendarSwitchHint(J), "Umschaltung auf Gregorianischen Kalender");
  EXPECT_EQ(CalendarSwitchHint(G), "Umschaltung auf Julianischen Kalender");
}

}  // namespace
}  // namespace controls

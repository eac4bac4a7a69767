// SPDX-License-Identifier: MIT
#include "engine/civildate.h"

#include <gtest/gtest.h>

#include <climits>

namespace engine {
namespace {

constexpr auto G = CalendarKind::Gregorian;
constexpr auto J = CalendarKind::Julian;

static_assert(IsDayNumberInRange(kFirstDayNumber) && IsDayNumberInRange(kLastDayNumber));
static_assert(!IsDayNumberInRange(kFirstDayNumber - 1) && !IsDayNumberInRange(kLastDayNumber + 1));

TEST(CivilDate, CheckDateNamesWhatIsWrong) {
  const struct {
    const char* text;
    CalendarKind kind;
    DateStatus status;
    DateField field;
  } kCases[] = {
      {"01.01.2000", G, DateStatus::Valid, DateField::None},
      {"31.12.3000", G, DateStatus::Valid, DateField::None},
      {"01.01.3001", G, DateStatus::OutOfRange, DateField::None},
      {"01.01.0001", J, DateStatus::OutOfRange, DateField::None},
      {"03.01.0001", J, DateStatus::Valid, DateField::None},
      {"01.01.-200", J, DateStatus::OutOfRange, DateField::None},
      {"01.01.200", J, DateStatus::Valid, DateField::None},
      {"01/01/2000", J, DateStatus::Valid, DateField::None},
      {"01/01/2000", G, DateStatus::BadSeparators, DateField::None},
      {"1.1.2000", G, DateStatus::BadSeparators, DateField::None},
      {"", G, DateStatus::BadSeparators, DateField::None},
      {"", J, DateStatus::BadField, DateField::Day},
      {"01.01.20001", G, DateStatus::BadForm, DateField::None},
      {"32.01.2000", G, DateStatus::BadField, DateField::Day},
      {"3.01.2000", J, DateStatus::BadField, DateField::Day},
      {"01.13.2000", G, DateStatus::BadField, DateField::Month},
      {"01.00.2000", G, DateStatus::BadField, DateField::Month},
      {"01.01.20a0", G, DateStatus::BadField, DateField::Year},
      {"01.01.", G, DateStatus::BadField, DateField::Year},
      {"01.01.0000", G, DateStatus::YearZero, DateField::None},
      {"29.02.1900", G, DateStatus::NoSuchDay, DateField::None},
      {"29.02.1900", J, DateStatus::Valid, DateField::None},
      {"31.04.2024", G, DateStatus::NoSuchDay, DateField::None},
      // The first wrong field in reading order is named, not the worst one.
      {"32.13.0000", G, DateStatus::BadField, DateField::Day},
  };
  for (const auto& c : kCases) {
    const DateCheck check = CheckDate(c.text, c.kind);
    EXPECT_EQ(check.status, c.status) << c.text;
    EXPECT_EQ(check.field, c.field) << c.text;
    if (check.status == DateStatus::Valid || check.status == DateStatus::OutOfRange) {
      EXPECT_EQ(check.dayNumber, DayNumberOf(check.date, c.kind)) << c.text;
    }
  }
  const DateCheck noSuchDay = CheckDate("31.04.2024", G);
  EXPECT_EQ(noSuchDay.date, (CivilDate{2024, 4, 31}));
}

// CivilDateOf takes the March-based count near the range and the closed
// cycle formulas far from it; both must join without a gap at the seams.
TEST(CivilDate, FarDayNumbersRoundTripAcrossThePathSeams) {
  for (CalendarKind kind : {G, J}) {
    for (int seam : {1721118, 1721120, 500'000'000, -1'000'000, 0}) {
      CivilDate previous = CivilDateOf(seam - 401, kind);
      for (int n = seam - 400; n <= seam + 400; ++n) {
        const CivilDate date = CivilDateOf(n, kind);
        ASSERT_EQ(DayNumberOf(date, kind), n) << n;
        ASSERT_GE(date.day, 1);
        ASSERT_LE(date.day, DaysInMonthOf(date.month, date.year, kind));
        const bool nextDay = date.day == previous.day + 1 && date.month == previous.month;
        const bool nextMonth =
            date.day == 1 && (date.month == previous.month + 1 ||
                              (date.month == 1 && date.year == previous.year + 1));
        ASSERT_TRUE(nextDay || nextMonth) << n;
        previous = date;
      }
    }
  }
}

TEST(CivilDate, SwitchOverAnchors) {
  EXPECT_EQ(CivilDateOf(kGregorianSwitchDay, G), (CivilDate{1582, 10, 15}));
  EXPECT_EQ(CivilDateOf(kGregorianSwitchDay - 1, J), (CivilDate{1582, 10, 4}));
  EXPECT_EQ(CivilDateOf(kFirstDayNumber, J), (CivilDate{1, 1, 3}));
  EXPECT_EQ(CivilDateOf(kLastDayNumber, G), (CivilDate{3000, 12, 31}));
  EXPECT_EQ(DayNumberOf({2000, 1, 1}, G), 2451545);
  EXPECT_EQ(DayOfYearOf({2024, 12, 31}, G), 366);
}

}  // namespace
}  // namespace engine

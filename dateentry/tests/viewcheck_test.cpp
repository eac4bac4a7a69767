// SPDX-License-Identifier: MIT
#include "dateentry/viewcheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/daynumber.h"
#include "engine/week.h"

namespace dateentry {
namespace {

using engine::CalendarKind;
constexpr CalendarKind G = CalendarKind::Gregorian;
constexpr CalendarKind J = CalendarKind::Julian;

std::string DateOf(const EditCheck& check) {
  return engine::FormatDateText(check.date);
}
TEST(DateEntryViewCheck, MessagesKeepTheirWording) {
  EXPECT_EQ(MessageOf(9).title, "Ungültiges Datum");
  EXPECT_EQ(MessageOf(14).title, "Ungültige Woche");
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 13}) {
    EXPECT_EQ(MessageOf(n).title, "Außerhalb des Kalenderbereiches") << n;
  }
  EXPECT_NE(MessageOf(13).text.find("auf auf die 1. Woche des Jahres 2"), std::string_view::npos);
  EXPECT_NE(MessageOf(5).text.find("dieser software"), std::string_view::npos);
  EXPECT_NE(MessageOf(6).text.find("dieser software"), std::string_view::npos);
  for (int n = 1; n <= 14; ++n) EXPECT_EQ(MessageOf(n).number, n);
  EXPECT_TRUE(MessageOf(0).text.empty());
  EXPECT_TRUE(MessageOf(15).text.empty());
}

TEST(DateEntryViewCheck, DateChecks) {
  const struct {
    const char* day;
    const char* month;
    const char* year;
    CalendarKind kind;
    const char* date;
    bool accepted;
    std::vector<int> messages;
  } kCases[] = {
      {"31", "02", "2003", G, "28.02.2003", false, {9}},
      {"29", "02", "2003", G, "28.02.2003", false, {9}},
      {"28", "02", "2003", G, "28.02.2003", true, {}},
      {"29", "02", "2004", G, "29.02.2004", true, {}},
      {"29", "02", "1900", G, "28.02.1900", false, {9}},
      {"29", "02", "1900", J, "29.02.1900", true, {}},
      {"31", "04", "2024", G, "30.04.2024", false, {9}},
      {"01", "01", "0001", J, "03.01.0001", false, {7}},
      {"02", "01", "0001", J, "03.01.0001", false, {7}},
      {"03", "01", "0001", J, "03.01.0001", true, {}},
      {"01", "01", "0001", G, "01.01.0001", true, {}},
      {"01", "01", "3001", G, "01.01.3000", false, {6}},
      {"31", "12", "3000", G, "31.12.3000", true, {}},
      {"01", "01", "3000", J, "01.01.2999", false, {5}},
      {"31", "12", "2999", J, "31.12.2999", true, {}},
      {"29", "02", "3001", G, "28.02.3000", false, {6, 9}},  // 3000 is a common year
      {"29", "02", "3000", J, "28.02.2999", false, {5, 9}},  // 2999 is common in both
      // Fields are normalised as on leaving before the check.
      {"31", "13", "2003", G, "31.12.2003", false, {}},
      {"0", "02", "2003", G, "01.02.2003", false, {}},
      {"", "", "", G, "01.01.0001", false, {}},
      {"5", "3", "2003", G, "05.03.2003", true, {}},  // padding only
      {"99", "99", "9999", G, "31.12.3000", false, {6}},
      {"24", "12", "0000", G, "24.12.0001", false, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.day) + "." + c.month + "." + c.year);
    const EditCheck check = CheckDateView({c.day, c.month, c.year}, c.kind);
    EXPECT_EQ(DateOf(check), c.date);
    EXPECT_EQ(check.fields[0] + "." + check.fields[1] + "." + check.fields[2], c.date);
    EXPECT_EQ(check.accepted, c.accepted);
    EXPECT_EQ(check.messages, c.messages);
    EXPECT_EQ(check.dayNumber, engine::DayNumberOf(check.date, c.kind));
  }
}

// Guards against the correction loop that never ended: every day 0..99 of every
// month field 0..99 ends on an existing date with at most one M9.
TEST(DateEntryViewCheck, EveryFieldCombinationEndsOnAnExistingDateInRange) {
  for (CalendarKind kind : {G, J}) {
    for (int year : {1, 2, 4, 1582, 1900, 2000, 2003, 2024, 2999, 3000, 3001}) {
      for (int month = 0; month <= 99; ++month) {
        for (int day = 0; day <= 99; ++day) {
          const EditCheck check = CheckDateView(
              {std::to_string(day), std::to_string(month), std::to_string(year)}, kind);
          ASSERT_EQ(engine::CivilDateOf(check.dayNumber, kind), check.date);
          ASSERT_TRUE(engine::IsDayNumberInRange(check.dayNumber));
          if (kind == J) {
            ASSERT_LE(check.dayNumber, engine::kLastJulianDayNumber);
          }
          ASSERT_LE(std::count(check.messages.begin(), check.messages.end(), 9), 1);
          const bool exists = day >= 1 && day <= engine::DaysInMonthOf(month, year, kind);
          ASSERT_EQ(check.accepted, exists && check.messages.empty() && month >= 1 && month <= 12 &&
                                        (kind == G ? year <= 3000 : year <= 2999))
              << day << "." << month << "." << year;
        }
      }
    }
  }
}

TEST(DateEntryViewCheck, JulianDayChecks) {
  const struct {
    const char* jd;
    CalendarKind kind;
    const char* field;
    const char* date;
    std::vector<int> messages;
  } kCases[] = {
      {"2299160", G, "2299160", "14.10.1582", {}},  {"2299161", G, "2299161", "15.10.1582", {}},
      {"1000000", G, "1721426", "01.01.0001", {1}}, {"0000000", G, "1721426", "01.01.0001", {1}},
      {"1721425", J, "1721426", "03.01.0001", {2}}, {"2817153", G, "2817152", "31.12.3000", {3}},
      {"9999999", G, "2817152", "31.12.3000", {3}}, {"2900000", J, "2816807", "31.12.2999", {4}},
      {"2816808", J, "2816807", "31.12.2999", {4}}, {"2816807", J, "2816807", "31.12.2999", {}},
      {"2452998", J, "2452998", "11.12.2003", {}},  {"2452998", G, "2452998", "24.12.2003", {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.jd);
    const EditCheck check = CheckJDView({"", "", c.jd}, c.kind);
    EXPECT_EQ(check.fields[2], c.field);
    EXPECT_EQ(DateOf(check), c.date);
    EXPECT_EQ(check.messages, c.messages);
    EXPECT_EQ(check.accepted, c.messages.empty());
  }
}

// Every day of the range reads back as itself in both calendars, silently.
TEST(DateEntryViewCheck, EveryDayNumberOfTheRangeIsAcceptedUnchanged) {
  for (CalendarKind kind : {G, J}) {
    const int last = kind == J ? engine::kLastJulianDayNumber : engine::kLastDayNumber;
    for (int jd = engine::kFirstDayNumber; jd <= last; ++jd) {
      const EditCheck check = CheckJDView({"", "", engine::DayNumberText(jd)}, kind);
      ASSERT_TRUE(check.accepted) << jd;
      ASSERT_EQ(check.dayNumber, jd);
    }
  }
  EXPECT_EQ(engine::FormatDateText(engine::CivilDateOf(engine::kLastJulianDayNumber, J)),
            "31.12.2999");
}

TEST(DateEntryViewCheck, DayOfYearChecks) {
  const struct {
    const char* day;
    const char* year;
    CalendarKind kind;
    const char* field;
    const char* date;
    std::vector<int> messages;
  } kCases[] = {
      {"366", "2003", G, "365", "31.12.2003", {10}},
      {"366", "2004", G, "366", "31.12.2004", {}},
      {"999", "2004", G, "366", "31.12.2004", {11}},
      {"000", "2003", G, "001", "01.01.2003", {12}},
      {"", "2003", G, "001", "01.01.2003", {12}},
      {"060", "2024", G, "060", "29.02.2024", {}},
      {"001", "0001", J, "003", "03.01.0001", {8}},
      {"002", "0001", J, "003", "03.01.0001", {8}},
      {"000", "0001", J, "003", "03.01.0001", {12, 8}},
      {"366", "1900", J, "366", "31.12.1900", {}},
      {"366", "1900", G, "365", "31.12.1900", {10}},
      {"100", "3001", G, "100", "10.04.3000", {6}},
      {"366", "3000", J, "365", "31.12.2999", {5, 10}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.day) + "." + c.year);
    const EditCheck check = CheckDayView({"", c.day, c.year}, c.kind);
    EXPECT_EQ(check.fields[1], c.field);
    EXPECT_EQ(DateOf(check), c.date);
    EXPECT_EQ(check.messages, c.messages);
  }
}

TEST(DateEntryViewCheck, WeekChecks) {
  const struct {
    const char* week;
    const char* year;
    CalendarKind kind;
    const char* fields;
    const char* monday;
    std::vector<int> messages;
  } kCases[] = {
      {"53", "2021", G, "52.2021", "27.12.2021", {14}},
      {"53", "2020", G, "53.2020", "28.12.2020", {}},
      {"01", "2026", G, "01.2026", "29.12.2025", {}},
      {"01", "0001", G, "01.0001", "01.01.0001", {}},
      {"10", "0001", J, "01.0002", "02.01.0002", {13}},
      {"01", "3001", G, "01.3000", "30.12.2999", {6}},
      {"53", "3001", G, "52.3000", "22.12.3000", {6, 14}},
      {"05", "3000", J, "05.2999", "29.01.2999", {5}},
      {"00", "2003", G, "01.2003", "30.12.2002", {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.week) + "." + c.year);
    const EditCheck check = CheckWeekView({"", c.week, c.year}, c.kind);
    EXPECT_EQ(check.fields[1] + "." + check.fields[2], c.fields);
    EXPECT_EQ(DateOf(check), c.monday);
    EXPECT_EQ(check.messages, c.messages);
    EXPECT_EQ(engine::WeekDayOf(check.dayNumber), 1);
  }
}

// Every week of every year lands on its own Monday; a week the year lacks
// ends on week 52 with one M14.
TEST(DateEntryViewCheck, EveryWeekOfEveryYearLandsOnItsMonday) {
  for (CalendarKind kind : {G, J}) {
    for (int year = kind == J ? 2 : 1; year <= (kind == J ? 2999 : 3000); ++year) {
      for (int week = 1; week <= 53; ++week) {
        const EditCheck check = CheckWeekView(
            {"", ZeroPadded(DateMode::W, 1, week), ZeroPadded(DateMode::W, 2, year)}, kind);
        const engine::Week shown = engine::WeekOfDayNumber(check.dayNumber, kind);
        ASSERT_EQ(shown.weekYear, year) << week << "." << year;
        if (check.messages.empty()) {
          ASSERT_EQ(shown.week, week) << week << "." << year;
        } else {
          ASSERT_EQ(check.messages, std::vector<int>{14}) << week << "." << year;
          ASSERT_EQ(week, 53);
          ASSERT_EQ(shown.week, 52);
        }
      }
    }
  }
}

TEST(DateEntryViewCheck, ViewTextsOfTheCommandLine) {
  const struct {
    CheckView view;
    const char* text;
    bool read;
  } kCases[] = {
      {CheckView::Date, "31.02.2003", true},
      {CheckView::Date, "1.2.3", true},
      {CheckView::Date, "ab.cd.efgh", false},
      {CheckView::Date, "31.02.20031", false},
      {CheckView::Date, "31..02.2003", false},
      {CheckView::Date, "", false},
      {CheckView::DayOfYear, "366.2003", true},
      {CheckView::DayOfYear, "3666.2003", false},
      {CheckView::Week, "53.2021", true},
      {CheckView::Week, "53", false},
      {CheckView::JD, "2452998", true},
      {CheckView::JD, "28171520", false},
      {CheckView::JD, "12a", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ViewFields(c.view, c.text).has_value(), c.read) << c.text;
  }
  const auto week = ViewFields(CheckView::Week, "53.2021");
  ASSERT_TRUE(week);
  EXPECT_EQ(ViewText(CheckView::Week, CheckViewFields(CheckView::Week, *week, G).fields),
            "52.2021");
}

}  // namespace
}  // namespace dateentry

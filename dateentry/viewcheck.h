// SPDX-License-Identifier: MIT
// The checks of the date edit's four views (date, day of the year, calendar
// week, Julian Day) without a window: each takes the sub-field texts as typed,
// corrects them into the calendar's range and names the messages M1..M14 it
// gave. The command line reads whole texts of a view with the same rules, so
// a value it accepts is one the date edit accepts. Every check works on the
// typed date core (engine/civildate.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dateentry/fieldrules.h"
#include "engine/civildate.h"

namespace dateentry {

// ---- Messages ----------------------------------------------------------------

// A correction message: its number 1..14 (M1..M14), title and text.
struct EditMessage {
  int number = 0;
  std::string_view title;
  std::string_view text;
};

// MessageOf: the message M<number>; an empty message outside 1..14.
const EditMessage& MessageOf(int number);  // 9 -> {"Ungültiges Datum", "Das von Ihnen ..."}

// ---- The checks of the views -----------------------------------------------

// What a check leaves: the checked view's sub-field texts after correction
// (Edt1..Edt3, unused ones empty), the date and day number the view now
// stands for, whether the input stood as it was, and the messages given, in
// order. A sub-field clamped to its range or a filled-in empty one counts as
// a correction without a message; zero padding alone does not.
struct EditCheck {
  FieldTexts fields;
  engine::CivilDate date;
  int dayNumber = 0;
  bool accepted = true;
  std::vector<int> messages;
};

// CheckDateView: day, month and year of the date view: the year kept inside
// the calendar's range (M5, M6), the Julian days before 03.01.0001 (M7), and
// a day beyond its month lowered to the month's last day with one M9.
EditCheck CheckDateView(const FieldTexts& fields,
                        engine::CalendarKind kind);  // ("31", "02", "2003"), G -> 28.02.2003, M9

// CheckDayView: day of the year and year: year range (M5, M6), a day below 1
// (M12), Julian days 1 and 2 of the year 1 (M8), beyond the year's length
// (M10, M11); then the date of that day through CheckDateView.
EditCheck CheckDayView(const FieldTexts& fields,
                       engine::CalendarKind kind);  // ("", "366", "2003"), G -> 365, M10

// CheckWeekView: week and year: year range (M5, M6), the Julian year 1 (M13:
// week 01 of the year 2), a week the year lacks lowered to 52 (M14); the day
// is the Monday of that week, through CheckDateView.
EditCheck CheckWeekView(const FieldTexts& fields,
                        engine::CalendarKind kind);  // ("", "53", "2021"), G -> 52, M14

// CheckJDView: the Julian Day number held inside the calendar's range (M1 to
// M4), then its date in the calendar through CheckDateView.
EditCheck CheckJDView(const FieldTexts& fields,
                      engine::CalendarKind kind);  // ("", "", "1000000"), G -> 1721426, M1

// CheckDayNumber: a day number the program holds, checked as the Julian Day
// view checks a typed one: held inside the calendar's range (M1 to M4).
EditCheck CheckDayNumber(int dayNumber,
                         engine::CalendarKind kind);  // (2817152, J) -> 2816807, M4

// ---- Reading whole texts (the command line) --------------------------------

enum class CheckView { Date, DayOfYear, Week, JD };

// ViewFields: the sub-field texts of a whole text of a view: "DD.MM.YYYY",
// "DDD.YYYY", "WW.YYYY" or up to seven digits; each part of at most its
// sub-field's length, parts separated by one non-digit. Nothing when the text
// is no value of the view.
std::optional<FieldTexts> ViewFields(CheckView view, std::string_view text);  // Week, "53.2021"

// ViewText: the sub-field texts of a view joined as the view shows them.
std::string ViewText(CheckView view, const FieldTexts& fields);  // Week -> "52.2021"

// CheckView: the check of a view.
EditCheck CheckViewFields(CheckView view, const FieldTexts& fields, engine::CalendarKind kind);

}  // namespace dateentry

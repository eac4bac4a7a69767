// SPDX-License-Identifier: MIT
#include "dateentry/viewcheck.h"

#include <algorithm>
#include <array>

#include "engine/daynumber.h"
#include "engine/week.h"

namespace dateentry {

namespace {

using engine::CalendarKind;

constexpr std::string_view kRangeTitle = "Außerhalb des Kalenderbereiches";
constexpr std::string_view kDateTitle = "Ungültiges Datum";

const std::array<EditMessage, 15> kMessages{{
    {0, "", ""},
    {1, kRangeTitle,
     "Das von Ihnen ausgewählte Julianische Datum liegt vor dem 01.01.01 (Greg.). Es wird jetzt "
     "auf den 01.01.01 (Greg.) gesetzt."},
    {2, kRangeTitle,
     "Das von Ihnen ausgewählte Julianische Datum liegt vor dem 03.01.01 (Jul.). Es wird jetzt "
     "auf den 03.01.01 (Jul.) gesetzt."},
    {3, kRangeTitle,
     "Das von Ihnen ausgewählte Julianische Datum liegt nach dem 31.12.3000 (Greg.). Es wird "
     "jetzt auf den 31.12.3000 (Greg.) gesetzt."},
    {4, kRangeTitle,
     "Das von Ihnen ausgewählte Julianische Datum liegt nach dem 31.12.2999 (Jul.). Es wird "
     "jetzt auf den 31.12.2999 (Jul.) gesetzt."},
    {5, kRangeTitle,
     "Der Kalenderbereich dieser software ist auf den Zeitraum vom 03.01.01 bis 31.12.2999 des "
     "Julianischen Kalenders begrenzt. Die Jahreszahl wird jetzt auf 2999 (Jul.) gesetzt."},
    {6, kRangeTitle,
     "Der Kalenderbereich dieser software ist auf den Zeitraum vom 01.01.01 bis 31.12.3000 des "
     "Gregorianischen Kalenders begrenzt. Die Jahreszahl wird jetzt auf 3000 (Greg.) gesetzt."},
    {7, kRangeTitle,
     "Der Kalenderbereich des Julianischen Kalenders beginnt am 03.01.01. Das Datum wird jetzt "
     "auf den 03.01.01 (Jul.) gesetzt."},
    {8, kRangeTitle,
     "Der Kalenderbereich des Julianischen Kalenders beginnt am 03.01.01. Die Tageszahl wird "
     "jetzt auf 3 gesetzt."},
    {9, kDateTitle,
     "Das von Ihnen ausgewählte Datum existiert im Kalender nicht. Es wird jetzt auf das nächst "
     "frühere gültige Datum zurückgesetzt."},
    {10, kDateTitle,
     "Das von Ihnen ausgewählte Jahr hat nur 365 Tage, die fortlaufende Tages-Nr. wird jetzt auf "
     "365 zurückgesetzt."},
    {11, kDateTitle,
     "Das von Ihnen ausgewählte Jahr hat nur 366 Tage, die fortlaufende Tages-Nr. wird jetzt auf "
     "366 zurückgesetzt."},
    {12, kDateTitle,
     "Die Tageszählung beginnt immer mit dem Tag 1, die fortlaufende Tages-Nr. wird jetzt auf 1 "
     "gesetzt."},
    {13, kRangeTitle,
     "Im Jahre 1 des Julianischen Kalenders ist eine Suche nach der Kalenderwoche nicht möglich. "
     "Die Woche wird jetzt auf auf die 1. Woche des Jahres 2 gesetzt."},
    {14, "Ungültige Woche",
     "Das von Ihnen ausgewählte Jahr besitzt die ausgewählte Woche nicht, die fortlaufende "
     "Wochen-Nr. wird jetzt auf die nächst frühere gültige Woche zurückgesetzt."},
}};

// The value a sub-field's raw text stands for, the digits cut to its length;
// `fallback` when it holds none.
int RawValue(DateMode mode, int field, std::string_view text, int fallback) {
  return FieldNumber(DigitsOnly(text, RuleOf(mode, field).maxLength), fallback);
}

// Normalised: the sub-field as on leaving it; a changed value (not mere
// padding) clears `accepted`.
std::string Normalised(DateMode mode, int field, std::string_view text, bool& accepted) {
  std::string normal = NormalisedOnLeave(mode, field, text);
  if (RawValue(mode, field, text, -1) != FieldNumber(normal, -1)) accepted = false;
  return normal;
}

void Say(EditCheck& check, int number) {
  check.messages.push_back(number);
  check.accepted = false;
}

// KeepYearInRange: M5 (Julian, 3000 and later) or M6 (Gregorian, after 3000).
int KeepYearInRange(EditCheck& check, int year, CalendarKind kind) {
  if (kind == CalendarKind::Julian && year >= 3000) {
    Say(check, 5);
    return 2999;
  }
  if (kind == CalendarKind::Gregorian && year >= 3001) {
    Say(check, 6);
    return 3000;
  }
  return std::max(year, 1);
}

// Merge: the date check of the day a view stands for, after the view's own.
void Merge(EditCheck& check, const engine::CivilDate& date, CalendarKind kind) {
  const FieldTexts fields{ZeroPadded(DateMode::D, 0, date.day),
                          ZeroPadded(DateMode::D, 1, date.month),
                          ZeroPadded(DateMode::D, 2, date.year)};
  const EditCheck dated = CheckDateView(fields, kind);
  check.date = dated.date;
  check.dayNumber = dated.dayNumber;
  check.accepted = check.accepted && dated.accepted;
  check.messages.insert(check.messages.end(), dated.messages.begin(), dated.messages.end());
}

}  // namespace

const EditMessage& MessageOf(int number) {
  if (number < 1 || number > 14) return kMessages[0];
  return kMessages[static_cast<std::size_t>(number)];
}

EditCheck CheckDateView(const FieldTexts& fields, CalendarKind kind) {
  EditCheck check;
  const int day0 = FieldNumber(Normalised(DateMode::D, 0, fields[0], check.accepted), 1);
  const int month = FieldNumber(Normalised(DateMode::D, 1, fields[1], check.accepted), 1);
  int year = FieldNumber(Normalised(DateMode::D, 2, fields[2], check.accepted), 1);
  year = KeepYearInRange(check, year, kind);
  int day = day0;
  if (kind == CalendarKind::Julian && year == 1 && month == 1 && day <= 2) {
    Say(check, 7);
    day = 3;
  }
  // One step to the month's last day: the old loop lowered the day one at a
  // time, which never ended for a day that the month cannot reach.
  const int last = engine::DaysInMonthOf(month, year, kind);
  if (day > last) {
    Say(check, 9);
    day = last;
  }
  check.date = {year, month, day};
  check.dayNumber = engine::DayNumberOf(check.date, kind);
  check.fields = {ZeroPadded(DateMode::D, 0, day), ZeroPadded(DateMode::D, 1, month),
                  ZeroPadded(DateMode::D, 2, year)};
  return check;
}

EditCheck CheckDayView(const FieldTexts& fields, CalendarKind kind) {
  EditCheck check;
  int year = FieldNumber(Normalised(DateMode::A, 2, fields[2], check.accepted), 1);
  year = KeepYearInRange(check, year, kind);
  // The day is read raw: the field's own minimum would hide a typed 000.
  int day = RawValue(DateMode::A, 1, fields[1], 0);
  if (day < 1) {
    Say(check, 12);
    day = 1;
  }
  if (kind == CalendarKind::Julian && year == 1 && day <= 2) {
    Say(check, 8);
    day = 3;
  }
  const bool leap = engine::IsLeapYear(year, kind);
  if (!leap && day >= 366) {
    Say(check, 10);
    day = 365;
  } else if (leap && day >= 367) {
    Say(check, 11);
    day = 366;
  }
  check.fields = {"", ZeroPadded(DateMode::A, 1, day), ZeroPadded(DateMode::A, 2, year)};
  const int first = engine::DayNumberOf({year, 1, 1}, kind);
  Merge(check, engine::CivilDateOf(first + day - 1, kind), kind);
  return check;
}

EditCheck CheckWeekView(const FieldTexts& fields, CalendarKind kind) {
  EditCheck check;
  int year = FieldNumber(Normalised(DateMode::W, 2, fields[2], check.accepted), 1);
  int week = FieldNumber(Normalised(DateMode::W, 1, fields[1], check.accepted), 1);
  year = KeepYearInRange(check, year, kind);
  if (kind == CalendarKind::Julian && year == 1) {
    Say(check, 13);
    week = 1;
    year = 2;
  }
  using engine::WeekMondayStatus;
  engine::WeekMonday monday = engine::MondayOfWeekNumber(week, year, kind);
  if (monday.status == WeekMondayStatus::NoSuchWeek) {
    Say(check, 14);
    // Every year has 52 weeks, so the search ends there.
    week = std::min(week, 54);
    while (week > 52 && monday.status != WeekMondayStatus::Found) {
      --week;
      monday = engine::MondayOfWeekNumber(week, year, kind);
    }
  }
  check.fields = {"", ZeroPadded(DateMode::W, 1, week), ZeroPadded(DateMode::W, 2, year)};
  const int dayNumber = monday.status == WeekMondayStatus::Found
                            ? monday.dayNumber
                            : engine::DayNumberOf({year, 1, 1}, kind);
  Merge(check, engine::CivilDateOf(dayNumber, kind), kind);
  return check;
}

EditCheck CheckJDView(const FieldTexts& fields, CalendarKind kind) {
  bool accepted = true;
  const int jd = FieldNumber(Normalised(DateMode::J, 2, fields[2], accepted), 0);
  EditCheck check = CheckDayNumber(jd, kind);
  check.accepted = check.accepted && accepted;
  return check;
}

EditCheck CheckDayNumber(int jd, CalendarKind kind) {
  EditCheck check;
  const bool julian = kind == CalendarKind::Julian;
  const int last = julian ? engine::kLastJulianDayNumber : engine::kLastDayNumber;
  if (jd < engine::kFirstDayNumber) {
    Say(check, julian ? 2 : 1);
    jd = engine::kFirstDayNumber;
  } else if (jd > last) {
    Say(check, julian ? 4 : 3);
    jd = last;
  }
  check.fields = {"", "", ZeroPadded(DateMode::J, 2, jd)};
  Merge(check, engine::CivilDateOf(jd, kind), kind);
  return check;
}

std::optional<FieldTexts> ViewFields(CheckView view, std::string_view text) {
  std::vector<std::size_t> lengths;
  std::array<int, kFieldCount> targets{};
  switch (view) {
    case CheckView::Date:
      lengths = {2, 2, 4};
      targets = {0, 1, 2};
      break;
    case CheckView::DayOfYear:
      lengths = {3, 4};
      targets = {1, 2, 0};
      break;
    case CheckView::Week:
      lengths = {2, 4};
      targets = {1, 2, 0};
      break;
    case CheckView::JD:
      lengths = {7};
      targets = {2, 0, 0};
      break;
  }
  FieldTexts fields;
  std::size_t at = 0;
  for (std::size_t part = 0; part < lengths.size(); ++part) {
    if (part > 0) {
      if (at >= text.size() || (text[at] >= '0' && text[at] <= '9')) return std::nullopt;
      ++at;
    }
    const std::size_t begin = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    if (at == begin || at - begin > lengths[part]) return std::nullopt;
    fields[static_cast<std::size_t>(targets[part])] = std::string(text.substr(begin, at - begin));
  }
  if (at != text.size()) return std::nullopt;
  return fields;
}

std::string ViewText(CheckView view, const FieldTexts& fields) {
  switch (view) {
    case CheckView::Date:
      return fields[0] + "." + fields[1] + "." + fields[2];
    case CheckView::DayOfYear:
    case CheckView::Week:
      return fields[1] + "." + fields[2];
    case CheckView::JD:
      return fields[2];
  }
  return {};
}

EditCheck CheckViewFields(CheckView view, const FieldTexts& fields, CalendarKind kind) {
  switch (view) {
    case CheckView::Date:
      return CheckDateView(fields, kind);
    case CheckView::DayOfYear:
      return CheckDayView(fields, kind);
    case CheckView::Week:
      return CheckWeekView(fields, kind);
    case CheckView::JD:
      return CheckJDView(fields, kind);
  }
  return {};
}

}  // namespace dateentry

// SPDX-License-Identifier: MIT
// The date-format pages of the tools panel without a window: which notation
// stands in which field, under which caption and hint, what a click on a
// caption opens, and the copy texts. "P7" shows the numeric dates of the
// start date in three groups, "P8" the written-out dates in four
// languages, and the three technical pages "IT-1".."IT-3" twelve rows each
// of one date, time and offset from UTC.
//
// Field names are stable object names for the widgets and the tests: the
// numeric ones are "Fmt_" and their layout ("Fmt_DD.MM.YYYY"), the written
// ones "Fmt_" and their form key ("Fmt_german_long"), the technical rows
// "Edt_IT" + page + "_" + row ("Edt_IT1_5").
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/civildate.h"

namespace tools {

// The hint part of every value field that copies on a double click.
inline constexpr std::string_view kDblClickHint = "DblClick = in die Zwischenablage";

// One value field of the numeric or written-out page.
struct FormatField {
  std::string name;  // object name, "Fmt_DD.MM.YYYY"
  std::string text;  // "08.12.2026"
  std::string hint;  // "DD.MM.YYYY\n\rDblClick = in die Zwischenablage"
};

// One group of fields under a label.
struct FormatGroup {
  std::string caption;  // label caption, "Tag Monat Jahr"
  std::string hint;     // label hint, "DDMMYYYY"
  std::vector<FormatField> fields;
};

// NumericGroups: the 23 numeric forms of a date DD.MM.YYYY in the groups
// day-month-year (9), year-month-day (8) and month-day-year (6); empty
// texts for a date that is not DD.MM.YYYY.
std::array<FormatGroup, 3> NumericGroups(std::string_view date);
std::array<FormatGroup, 3> NumericGroups(const engine::CivilDate& date);
// "08.12.2026" -> {{"Tag Monat Jahr", "DDMMYYYY", {{"Fmt_DD-MM-YYYY", "08-12-2026", ...}, ...}},
// ...}

// NumericCopyText: per group its hint, caption, 14 hyphens, the values and
// 14 "=", every line ended by CR LF.
std::string NumericCopyText(const std::array<FormatGroup, 3>& groups);
// -> "DDMMYYYY\r\nTag Monat Jahr\r\n--------------\r\n08-12-2026\r\n..."

// WrittenGroups: the written-out forms in the page's order: day-month-year
// (German, English, French, Spanish: 10), month-day-year ("USA": 4),
// year-month-day (English: 2). Captions are the layouts, hints the orders.
std::array<FormatGroup, 3> WrittenGroups(std::string_view date);
std::array<FormatGroup, 3> WrittenGroups(const engine::CivilDate& date);
// "08.12.2026" -> {{"DDMMYYYY", "Tag Monat Jahr", {{"Fmt_german_long", "8. Dezember 2026"}, ...

// WrittenCopyText: per group its hint, 14 hyphens, the values and 14 "=".
std::string WrittenCopyText(const std::array<FormatGroup, 3>& groups);
// -> "Tag Monat Jahr\r\n--------------\r\n8. Dezember 2026\r\n..."

// The link of the numeric page's fourth label.
inline constexpr std::string_view kDateFormatByCountry =
    "https://en.wikipedia.org/wiki/Date_format_by_country";

// ---- The technical pages ------------------------------------------------------

inline constexpr int kTechRowCount = 12;

// One row of a technical page.
struct TechRow {
  bool used = false;    // "IT-2" leaves seven of its twelve places empty
  std::string name;     // "Edt_IT1_5"
  std::string caption;  // "JD"
  std::string hint;     // "Julianisches Datum\r\n0 = 01.01.-4712, 12:00:00 UTC"
  std::string article;  // the reference a click on the caption opens
  std::string text;     // "2461383,02083"
};

// TechRows: the rows of page 1..3 ("IT-1".."IT-3") for a date DD.MM.YYYY, a
// time hh:mm[:ss[.mmm]] and an offset +hh:mm or -hh:mm. A page other than
// 1..3 has no used row; inputs the engine refuses leave the values empty
// (the time stamps keep their names).
std::array<TechRow, kTechRowCount> TechRows(int page, std::string_view date, std::string_view time,
                                            std::string_view offset);
std::array<TechRow, kTechRowCount> TechRows(int page, const engine::CivilDate& date,
                                            std::string_view time, std::string_view offset);
// (2, "08.12.2026", "12:30:00", "+01:00") -> row 12 text "081130Zdec26"

// TechCopyText: per used row the first line of its hint, its value and 14
// hyphens.
std::string TechCopyText(const std::array<TechRow, kTechRowCount>& rows);
// -> "Date Time Group (Datumsangaben mit Uhrzeit in der NATO)\r\n081230Adec26\r\n---..."

// LegalOffsetText: the offset from UTC of the legal time of a day in a
// region, "+01:00", "+02:00" or "+03:00"; "+01:00" for a day the engine
// does not know (days of local time count as central European time).
std::string LegalOffsetText(std::string_view date, std::string_view region);
std::string LegalOffsetText(int dayNumber, std::string_view region);
// ("15.07.2024", "D-NI") -> "+02:00"

}  // namespace tools

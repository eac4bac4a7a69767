// SPDX-License-Identifier: MIT
#include "engine/dateformlist.h"

#include "engine/dateformat_technical.h"

namespace engine {
namespace {

constexpr auto kDmy = DateOrder::DayMonthYear;
constexpr auto kYmd = DateOrder::YearMonthDay;
constexpr auto kMdy = DateOrder::MonthDayYear;
constexpr auto kFull = NumericStyle::Full;
constexpr auto kShort = NumericStyle::ShortYear;
constexpr auto kUnpadded = NumericStyle::Unpadded;

constexpr NumericLayout kNumericRows[] = {
    {"DD-MM-YYYY", kDmy, "-", kFull}, {"DD-MM-YY", kDmy, "-", kShort},
    {"D-M-YY", kDmy, "-", kUnpadded}, {"DD/MM/YYYY", kDmy, "/", kFull},
    {"DD/MM/YY", kDmy, "/", kShort},  {"D/M/YY", kDmy, "/", kUnpadded},
    {"DD.MM.YYYY", kDmy, ".", kFull}, {"DD.MM.YY", kDmy, ".", kShort},
    {"D.M.YY", kDmy, ".", kUnpadded}, {"YYYY-MM-DD", kYmd, "-", kFull},
    {"YY-MM-DD", kYmd, "-", kShort},  {"YY-M-D", kYmd, "-", kUnpadded},
    {"YYYY/MM/DD", kYmd, "/", kFull}, {"YY/MM/DD", kYmd, "/", kShort},
    {"YY/M/D", kYmd, "/", kUnpadded}, {"YYYYMMDD", kYmd, "", kFull},
    {"YYMMDD", kYmd, "", kShort},     {"MM-DD-YYYY", kMdy, "-", kFull},
    {"MM-DD-YY", kMdy, "-", kShort},  {"M-D-YY", kMdy, "-", kUnpadded},
    {"MM/DD/YYYY", kMdy, "/", kFull}, {"MM/DD/YY", kMdy, "/", kShort},
    {"M/D/YY", kMdy, "/", kUnpadded},
};

struct WrittenRow {
  std::string_view key;
  WrittenForm form;
};

constexpr WrittenRow kWrittenRows[] = {
    {"german_long", WrittenForm::GermanLong},
    {"german_long_yy", WrittenForm::GermanLongShortYear},
    {"german_short", WrittenForm::GermanShort},
    {"english_long", WrittenForm::EnglishLong},
    {"english_long_yy", WrittenForm::EnglishLongShortYear},
    {"english_short", WrittenForm::EnglishShort},
    {"french", WrittenForm::French},
    {"french_yy", WrittenForm::FrenchShortYear},
    {"spanish", WrittenForm::Spanish},
    {"spanish_yy", WrittenForm::SpanishShortYear},
    {"english_month_first", WrittenForm::EnglishMonthFirst},
    {"english_month_first_unpadded", WrittenForm::EnglishMonthFirstUnpadded},
    {"english_short_month_first", WrittenForm::EnglishShortMonthFirst},
    {"english_short_month_first_dot", WrittenForm::EnglishShortMonthPunctuated},
    {"english_year_first", WrittenForm::EnglishYearFirst},
    {"english_year_first_short", WrittenForm::EnglishYearFirstShortMonth},
};

struct ZoneRow {
  std::string_view key;
  ZoneForm form;
};

constexpr ZoneRow kZoneRows[] = {
    {"utc", ZoneForm::ToUtc},
    {"xsdatetime", ZoneForm::XsDateTime},
    {"xsdatetime_utc", ZoneForm::XsDateTimeUtc},
    {"german_zone", ZoneForm::GermanNumeric},
    {"german_utc", ZoneForm::GermanNumericUtc},
    {"german_short_zone", ZoneForm::GermanShortMonth},
    {"iso_zone", ZoneForm::IsoDate},
    {"iso_utc", ZoneForm::IsoDateUtc},
    {"english_year_first_zone", ZoneForm::EnglishYearFirst},
    {"mdy_zone", ZoneForm::MonthDayYear},
    {"mdy_utc", ZoneForm::MonthDayYearUtc},
    {"english_short_month_first_zone", ZoneForm::ShortMonthFirst},
    {"mdy_12h_zone", ZoneForm::TwelveHour},
    {"english_short_month_first_12h_zone", ZoneForm::TwelveHourShortMonth},
    {"mdy_12h_utc", ZoneForm::TwelveHourUtc},
};

}  // namespace

std::span<const NumericLayout> NumericLayouts() {
  return kNumericRows;
}

std::vector<DateFormEntry> DateFormList(const ZoneDateTime& moment) {
  std::vector<DateFormEntry> list;
  list.reserve(std::size(kNumericRows) + std::size(kWrittenRows) + std::size(kZoneRows) + 13);
  for (const NumericLayout& row : kNumericRows) {
    list.push_back({row.layout, NumericDateText(moment.date, row.order, row.separator, row.style)});
  }
  for (const WrittenRow& row : kWrittenRows) {
    list.push_back({row.key, WrittenDateText(moment.date, row.form)});
  }
  for (const ZoneRow& row : kZoneRows) {
    list.push_back({row.key, ZoneDateTimeText(moment, row.form)});
  }
  const UtcInstant utc = UtcInstantOf(moment);
  list.push_back({"jd", JulianDateText(utc)});
  list.push_back({"jd_s", JulianDateSecondsText(utc)});
  list.push_back({"jd_ms", JulianDateMillisText(utc)});
  list.push_back({"mjd", ModifiedJulianDateText(utc)});
  list.push_back({"mjd_s", ModifiedJulianDateSecondsText(utc)});
  list.push_back({"mjd_ms", ModifiedJulianDateMillisText(utc)});
  list.push_back({"tdatetime", SerialDateText(utc)});
  list.push_back({"tdatetime_zone", ZoneSerialText(moment)});
  list.push_back({"unix", std::to_string(UnixTime(utc))});
  list.push_back({"timestamp_zone", ZoneTimeStamp(moment)});
  list.push_back({"timestamp_utc", UtcTimeStamp(moment)});
  list.push_back({"dtg", DateTimeGroup(moment)});
  list.push_back({"dtg_utc", UtcDateTimeGroup(moment)});
  return list;
}

}  // namespace engine

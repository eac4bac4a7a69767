// SPDX-License-Identifier: MIT
#include "tools/formatpages_model.h"

#include <optional>

#include "engine/civildate.h"
#include "engine/dateformat.h"
#include "engine/dateformat_technical.h"
#include "engine/dateformlist.h"
#include "engine/daynumber.h"
#include "engine/legaltime.h"

namespace tools {
namespace {

constexpr std::string_view kHyphens = "--------------";
constexpr std::string_view kEquals = "==============";
constexpr std::string_view kBreak = "\r\n";
constexpr std::string_view kHintBreak = "\n\r";

// The three groups of the numeric page: caption, hint and the order of the
// engine's layouts they show.
struct NumericGroupRow {
  std::string_view caption;
  std::string_view hint;
  engine::DateOrder order;
};

const NumericGroupRow kNumericGroups[3] = {
    {"Tag Monat Jahr", "DDMMYYYY", engine::DateOrder::DayMonthYear},
    {"Jahr Monat Tag", "YYYYMMDD", engine::DateOrder::YearMonthDay},
    {"Monat Tag Jahr", "MMDDYYYY", engine::DateOrder::MonthDayYear},
};

struct WrittenFormRow {
  std::string_view key;
  std::string_view language;
  engine::WrittenForm form;
};

struct WrittenGroupRow {
  std::string_view caption;
  std::string_view hint;
  std::initializer_list<WrittenFormRow> forms;
};

using engine::WrittenForm;
const WrittenGroupRow kWrittenGroups[3] = {
    {"DDMMYYYY",
     "Tag Monat Jahr",
     {{"german_long", "deutsch", WrittenForm::GermanLong},
      {"german_long_yy", "deutsch", WrittenForm::GermanLongShortYear},
      {"german_short", "deutsch", WrittenForm::GermanShort},
      {"english_long", "englisch", WrittenForm::EnglishLong},
      {"english_long_yy", "englisch", WrittenForm::EnglishLongShortYear},
      {"english_short", "englisch", WrittenForm::EnglishShort},
      {"french", "französisch", WrittenForm::French},
      {"french_yy", "französisch", WrittenForm::FrenchShortYear},
      {"spanish", "spanisch", WrittenForm::Spanish},
      {"spanish_yy", "spanisch", WrittenForm::SpanishShortYear}}},
    {"MMDDYYYY",
     "Monat Tag Jahr",
     {{"english_month_first", "USA", WrittenForm::EnglishMonthFirst},
      {"english_month_first_unpadded", "USA", WrittenForm::EnglishMonthFirstUnpadded},
      {"english_short_month_first", "USA", WrittenForm::EnglishShortMonthFirst},
      {"english_short_month_first_dot", "USA", WrittenForm::EnglishShortMonthPunctuated}}},
    {"YYYYMMDD",
     "Jahr Monat Tag",
     {{"english_year_first", "englisch", WrittenForm::EnglishYearFirst},
      {"english_year_first_short", "englisch", WrittenForm::EnglishYearFirstShortMonth}}},
};

std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

// The fields of a date that has the DD.MM.YYYY layout, else nothing.
std::optional<engine::DateFields> FieldsOf(std::string_view date) {
  if (date.size() != 10 || date[2] != '.' || date[5] != '.') return std::nullopt;
  for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u}) {
    if (date[i] < '0' || date[i] > '9') return std::nullopt;
  }
  return engine::SplitDateText(date);
}

std::string Padded(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// The fields of a date of the range, written as DD, MM and YYYY.
engine::DateFields FieldsOf(const engine::CivilDate& date) {
  return {Padded(date.day, 2), Padded(date.month, 2), Padded(date.year, 4)};
}

std::array<FormatGroup, 3> NumericGroupsOf(const std::optional<engine::DateFields>& fields);
std::array<FormatGroup, 3> WrittenGroupsOf(const std::optional<engine::DateFields>& fields);

// ---- The technical rows ------------------------------------------------------

constexpr std::string_view kXsdArticle = "https://www.w3.org/TR/xmlschema-2/#dateTime";
constexpr std::string_view kJdArticle = "https://de.wikipedia.org/wiki/Julianisches_Datum";
constexpr std::string_view kMjdArticle =
    "https://de.wikipedia.org/wiki/Modifiziertes_Julianisches_Datum";
constexpr std::string_view kStampArticle = "https://de.wikipedia.org/wiki/Zeitstempel";
constexpr std::string_view kUnixArticle = "https://de.wikipedia.org/wiki/Unixzeit";
constexpr std::string_view kDtgArticle = "https://de.wikipedia.org/wiki/Datum/Zeit-Gruppe";
constexpr std::string_view kSerialArticle =
    "https://docwiki.embarcadero.com/Libraries/de/System.TDateTime";

constexpr std::string_view kJdEpoch = "\r\n0 = 01.01.-4712, 12:00:00 UTC";
constexpr std::string_view kMjdEpoch = "\r\n0 = 17.11.1858, 00:00:00 UTC";
constexpr std::string_view kDtgName = "Date Time Group (Datumsangaben mit Uhrzeit in der NATO)";

// What a row shows, computed from the moment with seconds or with
// milliseconds.
enum class Value {
  None,
  XsDateTime,
  XsDateTimeMillis,
  XsDateTimeUtc,
  XsDateTimeUtcMillis,
  Jd,
  JdSeconds,
  JdMillis,
  Mjd,
  MjdSeconds,
  MjdMillis,
  ZoneStamp,
  UtcStamp,
  Unix,
  ZoneSerial,
  UtcSerial,
  Dtg,
  DtgUtc,
  Zone,  // a zone date-time form with milliseconds
};

struct TechSpec {
  std::string_view caption;
  std::string_view hint;
  std::string_view article;
  Value value = Value::None;
  engine::ZoneForm form = engine::ZoneForm::ToUtc;
};

using engine::ZoneForm;
constexpr std::string_view kNoArticle = "";

const TechSpec kIt1[kTechRowCount] = {
    {"XSDateTime", "XSDateTime", kXsdArticle, Value::XsDateTime},
    {"XSDTMSec", "XSDateTimeMSec", kXsdArticle, Value::XsDateTimeMillis},
    {"XSDT UTC", "XSDateTime UTC", kXsdArticle, Value::XsDateTimeUtc},
    {"XSDTM UTC", "XSDateTimeMSec UTC", kXsdArticle, Value::XsDateTimeUtcMillis},
    {"JD", "Julianisches Datum\r\n0 = 01.01.-4712, 12:00:00 UTC", kJdArticle, Value::Jd},
    {"JD Sec", "Julianisches Datum (Nachkommastellen in Sekunden)\r\n0 = 01.01.-4712, 12:00:00 UTC",
     kJdArticle, Value::JdSeconds},
    {"JD MSec",
     "Julianisches Datum (Nachkommastellen in Millisekunden)\r\n0 = 01.01.-4712, 12:00:00 UTC",
     kJdArticle, Value::JdMillis},
    {"MJD", "Modifiziertes Julianisches Datum\r\n0 = 17.11.1858, 00:00:00 UTC", kMjdArticle,
     Value::Mjd},
    {"MJD Sec",
     "Modifiziertes Julianisches Datum (Nachkommastellen in Sekunden)\r\n0 = 17.11.1858, 00:00:00 "
     "UTC",
     kMjdArticle, Value::MjdSeconds},
    {"MJD MSec",
     "Modifiziertes Julianisches Datum (Nachkommastellen in Millisekunden)\r\n0 = 17.11.1858, "
     "00:00:00 UTC",
     kMjdArticle, Value::MjdMillis},
    {"Ts Zone", "Timestamp YYYYMMDDHHMMSSMMM Zone\r\nTimestamp Zone", kStampArticle,
     Value::ZoneStamp},
    {"Ts UTC", "Timestamp YYYYMMDDHHMMSSMMM UTC\r\nTimestamp UTC", kStampArticle, Value::UtcStamp},
};

const TechSpec kIt2[kTechRowCount] = {
    {"UNIX Zeit", "UNIX Zeit\r\n0 = 01.01.1970, 00:00:00 UTC", kUnixArticle, Value::Unix},
    {},
    {"TDateTime", "TDateTime Zonetime\r\n0 = 30.12.1899, 00:00:00  UTC", kSerialArticle,
     Value::ZoneSerial},
    {"TDateT UTC", "TDateTime UTC\r\n0 = 30.12.1899, 00:00:00 UTC", kSerialArticle,
     Value::UtcSerial},
    {},
    {},
    {},
    {},
    {},
    {},
    {"DTG Zone", "Date Time Group (Datumsangaben mit Uhrzeit in der NATO)\r\nDDHHMM(Zone,Month)YY",
     kDtgArticle, Value::Dtg},
    {"DTG UTC", "Date Time Group (Datumsangaben mit Uhrzeit in der NATO)\r\nDDHHMM(Z=UTC,Month)YY",
     kDtgArticle, Value::DtgUtc},
};

constexpr std::string_view kByCountry = kDateFormatByCountry;
const TechSpec kIt3[kTechRowCount] = {
    {"DMY", "Tag.Monat.Jahr", kByCountry, Value::Zone, ZoneForm::GermanNumeric},
    {"DMY", "Tag Monat Jahr", kByCountry, Value::Zone, ZoneForm::GermanShortMonth},
    {"DMY UTC", "Tag.Monat.Jahr UTC", kByCountry, Value::Zone, ZoneForm::GermanNumericUtc},
    {"YMD", "Jahr-Monat-Tag", kByCountry, Value::Zone, ZoneForm::IsoDate},
    {"YMD", "Jahr Monat Tag", kByCountry, Value::Zone, ZoneForm::EnglishYearFirst},
    {"YMD UTC", "Jahr-Monat-Tag UTC", kByCountry, Value::Zone, ZoneForm::IsoDateUtc},
    {"MDY", "Monat-Tag-Jahr", kByCountry, Value::Zone, ZoneForm::MonthDayYear},
    {"MDY", "Monat Tag Jahr", kByCountry, Value::Zone, ZoneForm::ShortMonthFirst},
    {"MDY UTC", "Monat-Tag-Jahr UTC", kByCountry, Value::Zone, ZoneForm::MonthDayYearUtc},
    {"MDY 12h", "Monat/Tag/Jahr 12h (AM/PM)", kByCountry, Value::Zone, ZoneForm::TwelveHour},
    {"MDY 12h", "Monat Tag Jahr 12h (AM/PM)", kByCountry, Value::Zone,
     ZoneForm::TwelveHourShortMonth},
    {"MDY 12hUTC", "Monat/Tag/Jahr 12h (AM/PM) UTC", kByCountry, Value::Zone,
     ZoneForm::TwelveHourUtc},
};

// The time with seconds and with milliseconds, cut or filled from hh:mm,
// hh:mm:ss or hh:mm:ss.mmm.
std::string WithSeconds(std::string_view time) {
  if (time.size() == 5) return Join({time, ":00"});
  return std::string(time.substr(0, 8));
}

std::string WithMillis(std::string_view time) {
  if (time.size() >= 12) return std::string(time.substr(0, 12));
  return Join({WithSeconds(time), ".000"});
}

std::string ValueText(Value value, engine::ZoneForm form,
                      const std::optional<engine::ZoneDateTime>& seconds,
                      const std::optional<engine::ZoneDateTime>& millis) {
  if (value == Value::ZoneStamp && !millis) return std::string(engine::kZoneStampName);
  if (value == Value::UtcStamp && !millis) return std::string(engine::kUtcStampName);
  if (!seconds || !millis) return {};
  const engine::UtcInstant utc = engine::UtcInstantOf(*millis);
  switch (value) {
    case Value::None:
      return {};
    case Value::XsDateTime:
      return engine::ZoneDateTimeText(*seconds, ZoneForm::XsDateTime);
    case Value::XsDateTimeMillis:
      return engine::ZoneDateTimeText(*millis, ZoneForm::XsDateTime);
    case Value::XsDateTimeUtc:
      return engine::ZoneDateTimeText(*seconds, ZoneForm::XsDateTimeUtc);
    case Value::XsDateTimeUtcMillis:
      return engine::ZoneDateTimeText(*millis, ZoneForm::XsDateTimeUtc);
    case Value::Jd:
      return engine::JulianDateText(utc);
    case Value::JdSeconds:
      return engine::JulianDateSecondsText(utc);
    case Value::JdMillis:
      return engine::JulianDateMillisText(utc);
    case Value::Mjd:
      return engine::ModifiedJulianDateText(utc);
    case Value::MjdSeconds:
      return engine::ModifiedJulianDateSecondsText(utc);
    case Value::MjdMillis:
      return engine::ModifiedJulianDateMillisText(utc);
    case Value::ZoneStamp:
      return engine::ZoneTimeStamp(*millis);
    case Value::UtcStamp:
      return engine::UtcTimeStamp(*millis);
    case Value::Unix:
      return std::to_string(engine::UnixTime(utc));
    case Value::ZoneSerial:
      return engine::ZoneSerialText(*seconds);
    case Value::UtcSerial:
      return engine::SerialDateText(utc);
    case Value::Dtg:
      return engine::DateTimeGroup(*seconds);
    case Value::DtgUtc:
      return engine::UtcDateTimeGroup(*seconds);
    case Value::Zone:
      return engine::ZoneDateTimeText(*millis, form);
  }
  return {};
}

}  // namespace

std::array<FormatGroup, 3> NumericGroups(std::string_view date) {
  return NumericGroupsOf(FieldsOf(date));
}

std::array<FormatGroup, 3> NumericGroups(const engine::CivilDate& date) {
  return NumericGroupsOf(FieldsOf(date));
}

std::array<FormatGroup, 3> WrittenGroups(std::string_view date) {
  return WrittenGroupsOf(FieldsOf(date));
}

std::array<FormatGroup, 3> WrittenGroups(const engine::CivilDate& date) {
  return WrittenGroupsOf(FieldsOf(date));
}

namespace {

std::array<FormatGroup, 3> NumericGroupsOf(const std::optional<engine::DateFields>& fields) {
  std::array<FormatGroup, 3> groups;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const NumericGroupRow& row = kNumericGroups[g];
    groups[g].caption = row.caption;
    groups[g].hint = row.hint;
    for (const engine::NumericLayout& form : engine::NumericLayouts()) {
      if (form.order != row.order) continue;
      groups[g].fields.push_back(
          {Join({"Fmt_", form.layout}),
           fields ? engine::NumericDateText(*fields, form.order, form.separator, form.style)
                  : std::string(),
           Join({form.layout, kHintBreak, kDblClickHint})});
    }
  }
  return groups;
}

}  // namespace

std::string NumericCopyText(const std::array<FormatGroup, 3>& groups) {
  std::string text;
  for (const FormatGroup& group : groups) {
    text += Join({group.hint, kBreak, group.caption, kBreak, kHyphens, kBreak});
    for (const FormatField& field : group.fields) text += Join({field.text, kBreak});
    text += Join({kEquals, kBreak});
  }
  return text;
}

namespace {

std::array<FormatGroup, 3> WrittenGroupsOf(const std::optional<engine::DateFields>& fields) {
  std::array<FormatGroup, 3> groups;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const WrittenGroupRow& row = kWrittenGroups[g];
    groups[g].caption = row.caption;
    groups[g].hint = row.hint;
    for (const WrittenFormRow& form : row.forms) {
      groups[g].fields.push_back(
          {Join({"Fmt_", form.key}),
           fields ? engine::WrittenDateText(*fields, form.form) : std::string(),
           Join({form.language, kHintBreak, kDblClickHint})});
    }
  }
  return groups;
}

}  // namespace

std::string WrittenCopyText(const std::array<FormatGroup, 3>& groups) {
  std::string text;
  for (const FormatGroup& group : groups) {
    text += Join({group.hint, kBreak, kHyphens, kBreak});
    for (const FormatField& field : group.fields) text += Join({field.text, kBreak});
    text += Join({kEquals, kBreak});
  }
  return text;
}

std::array<TechRow, kTechRowCount> TechRows(int page, std::string_view date, std::string_view time,
                                            std::string_view offset) {
  std::array<TechRow, kTechRowCount> rows;
  if (page < 1 || page > 3) return rows;
  const TechSpec* specs = page == 1 ? kIt1 : page == 2 ? kIt2 : kIt3;
  const bool timeForm = time.size() == 5 || time.size() == 8 || time.size() == 12;
  std::optional<engine::ZoneDateTime> seconds;
  std::optional<engine::ZoneDateTime> millis;
  if (timeForm && !offset.empty() && (offset[0] == '+' || offset[0] == '-')) {
    seconds = engine::MakeZoneDateTime(date, WithSeconds(time), offset);
    millis = engine::MakeZoneDateTime(date, WithMillis(time), offset);
  }
  for (int i = 0; i < kTechRowCount; ++i) {
    const TechSpec& spec = specs[i];
    TechRow& row = rows[static_cast<std::size_t>(i)];
    row.name = Join({"Edt_IT", std::to_string(page), "_", std::to_string(i + 1)});
    if (spec.value == Value::None) continue;
    row.used = true;
    row.caption = spec.caption;
    row.hint = spec.hint;
    row.article = spec.article;
    row.text = ValueText(spec.value, spec.form, seconds, millis);
  }
  return rows;
}

std::array<TechRow, kTechRowCount> TechRows(int page, const engine::CivilDate& date,
                                            std::string_view time, std::string_view offset) {
  const engine::DateFields fields = FieldsOf(date);
  return TechRows(page, Join({fields.dd, ".", fields.mm, ".", fields.yyyy}), time, offset);
}

std::string TechCopyText(const std::array<TechRow, kTechRowCount>& rows) {
  std::string text;
  for (const TechRow& row : rows) {
    if (!row.used) continue;
    const std::string_view hint = row.hint;
    text += Join({hint.substr(0, hint.find('\r')), kBreak, row.text, kBreak, kHyphens, kBreak});
  }
  return text;
}

std::string LegalOffsetText(std::string_view date, std::string_view region) {
  const engine::DateCheck check = engine::CheckDate(date, engine::CalendarKind::Gregorian);
  return LegalOffsetText(check.ok() ? check.dayNumber : 0, region);
}

std::string LegalOffsetText(int dayNumber, std::string_view region) {
  const int state =
      engine::IsDayNumberInRange(dayNumber) ? engine::DstState(dayNumber, region).state : 0;
  return state == engine::kDstSummer         ? "+02:00"
         : state == engine::kDstDoubleSummer ? "+03:00"
                                             : "+01:00";
}

}  // namespace tools

// SPDX-License-Identifier: MIT
#include "engine/dateformat.h"

#include <array>

#include "engine/daynumber.h"
#include "engine/timetext.h"

namespace engine {
namespace {

using Names = std::array<std::string_view, 13>;

constexpr Names kEnglishMonths = {"",        "January",  "February", "March",  "April",
                                  "May",     "June",     "July",     "August", "September",
                                  "October", "November", "December"};
constexpr Names kFrenchMonths = {"",        "janvier",  "février", "mars", "avril",
                                 "mai",     "juin",     "juillet", "août", "septembre",
                                 "octobre", "novembre", "décembre"};
constexpr Names kSpanishMonths = {"",        "enero",     "febrero",  "marzo",  "abril",
                                  "mayo",    "junio",     "julio",    "agosto", "septiembre",
                                  "octubre", "noviembre", "diciembre"};
// The first three letters, except March: "Mär" would split the umlaut's
// bytes and read oddly, so the German short form is "Mrz".
constexpr Names kGermanShortMonths = {"",    "Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                      "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

constexpr bool ValidMonth(int month) {
  return month >= 1 && month <= 12;
}

std::string_view NameAt(const Names& names, int month) {
  return ValidMonth(month) ? names[static_cast<std::size_t>(month)] : std::string_view{};
}

std::string_view Field(std::string_view text, std::size_t pos, std::size_t count) {
  return pos < text.size() ? text.substr(pos, count) : std::string_view{};
}

std::string WithoutLeadingZero(const std::string& field) {
  if (field.size() == 2 && field[0] == '0') return field.substr(1);
  return field;
}

// Joins the parts with the separator between them.
std::string Join(std::string_view a, std::string_view b, std::string_view c,
                 std::string_view separator) {
  std::string text;
  text.reserve(a.size() + b.size() + c.size() + 2 * separator.size());
  text.append(a).append(separator).append(b).append(separator).append(c);
  return text;
}

std::string ShortMonthOf(const DateFields& date, Language language) {
  return ShortMonthName(language, date.Month());
}

int TwoDigits(std::string_view text, std::size_t pos) {
  return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

// The milliseconds of a normalised "hh:mm:ss.mmm" text (no sign).
int MillisOfClock(std::string_view clock) {
  const int millis = TwoDigits(clock, 9) * 10 + (clock[11] - '0');
  return ((TwoDigits(clock, 0) * 60 + TwoDigits(clock, 3)) * 60 + TwoDigits(clock, 6)) * 1000 +
         millis;
}

}  // namespace

std::string MonthNameIn(Language language, int month) {
  switch (language) {
    case Language::German:
      return MonthName(month);
    case Language::English:
      return std::string(NameAt(kEnglishMonths, month));
    case Language::French:
      return std::string(NameAt(kFrenchMonths, month));
    case Language::Spanish:
      return std::string(NameAt(kSpanishMonths, month));
  }
  return {};
}

std::string ShortMonthName(Language language, int month) {
  if (language == Language::German) return std::string(NameAt(kGermanShortMonths, month));
  if (language == Language::English) return std::string(NameAt(kEnglishMonths, month).substr(0, 3));
  return {};
}

std::string DateFields::Yy() const {
  return std::string(Field(yyyy, 2, 2));
}

std::string DateFields::D() const {
  return WithoutLeadingZero(dd);
}

std::string DateFields::M() const {
  return WithoutLeadingZero(mm);
}

int DateFields::Month() const {
  if (mm.size() != 2 || mm[0] < '0' || mm[0] > '9' || mm[1] < '0' || mm[1] > '9') return 0;
  return (mm[0] - '0') * 10 + (mm[1] - '0');
}

DateFields SplitDateText(std::string_view date) {
  return {std::string(Field(date, 0, 2)), std::string(Field(date, 3, 2)),
          std::string(Field(date, 6, 4))};
}

std::string NumericDateText(const DateFields& date, DateOrder order, std::string_view separator,
                            NumericStyle style) {
  const bool full = style == NumericStyle::Full;
  const bool padded = style != NumericStyle::Unpadded;
  const std::string year = full ? date.yyyy : date.Yy();
  const std::string day = padded ? date.dd : date.D();
  const std::string month = padded ? date.mm : date.M();
  switch (order) {
    case DateOrder::DayMonthYear:
      return Join(day, month, year, separator);
    case DateOrder::YearMonthDay:
      return Join(year, month, day, separator);
    case DateOrder::MonthDayYear:
      return Join(month, day, year, separator);
  }
  return {};
}

std::string WrittenDateText(const DateFields& date, WrittenForm form) {
  const int month = date.Month();
  const std::string english = MonthNameIn(Language::English, month);
  switch (form) {
    case WrittenForm::GermanLong:
      return date.D() + ". " + MonthNameIn(Language::German, month) + " " + date.yyyy;
    case WrittenForm::GermanLongShortYear:
      return date.D() + ". " + MonthNameIn(Language::German, month) + " " + date.Yy();
    case WrittenForm::GermanShort:
      return date.dd + " " + ShortMonthOf(date, Language::German) + " " + date.yyyy;
    case WrittenForm::EnglishLong:
      return date.D() + ". " + english + " " + date.yyyy;
    case WrittenForm::EnglishLongShortYear:
      return date.D() + ". " + english + " " + date.Yy();
    case WrittenForm::EnglishShort:
      return date.dd + " " + ShortMonthOf(date, Language::English) + " " + date.yyyy;
    case WrittenForm::French:
      return date.D() + " " + MonthNameIn(Language::French, month) + " " + date.yyyy;
    case WrittenForm::FrenchShortYear:
      return date.D() + " " + MonthNameIn(Language::French, month) + " " + date.Yy();
    case WrittenForm::Spanish:
      return date.D() + " de " + MonthNameIn(Language::Spanish, month) + " de " + date.yyyy;
    case WrittenForm::SpanishShortYear:
      return date.D() + " de " + MonthNameIn(Language::Spanish, month) + " de " + date.Yy();
    case WrittenForm::EnglishYearFirst:
      return date.yyyy + " " + english + " " + date.dd;
    case WrittenForm::EnglishYearFirstShortMonth:
      return date.yyyy + " " + ShortMonthOf(date, Language::English) + " " + date.dd;
    case WrittenForm::EnglishMonthFirst:
      return english + " " + date.dd + "th, " + date.yyyy;
    case WrittenForm::EnglishMonthFirstUnpadded:
      return english + " " + date.D() + "th, " + date.Yy();
    case WrittenForm::EnglishShortMonthFirst:
      return ShortMonthOf(date, Language::English) + " " + date.dd + " " + date.yyyy;
    case WrittenForm::EnglishShortMonthPunctuated:
      return ShortMonthOf(date, Language::English) + ". " + date.dd + ", " + date.yyyy;
  }
  return {};
}

std::optional<ZoneDateTime> MakeZoneDateTime(std::string_view date, std::string_view time,
                                             std::string_view offset) {
  if (date.size() != 10 || date[6] == '-') return std::nullopt;
  const ParsedDate parsed = ParseDateText(date, CalendarKind::Gregorian);
  if (parsed.code != 1) return std::nullopt;
  const int dayNumber = DayNumberOf(parsed.date, CalendarKind::Gregorian);
  if (JDInRange(dayNumber) != 1) return std::nullopt;

  // A time of day has no sign; an offset must have one.
  if (!time.empty() && (time[0] == '+' || time[0] == '-')) return std::nullopt;
  const TimeTextResult clock = NormalizeTimeText(time);
  if (!clock.ok) return std::nullopt;
  if (offset.empty() || (offset[0] != '+' && offset[0] != '-')) return std::nullopt;
  const TimeTextResult shift = NormalizeTimeText(offset);
  if (!shift.ok) return std::nullopt;

  ZoneDateTime moment;
  moment.date = SplitDateText(date);
  moment.time = clock.text.substr(0, time.size());
  moment.offset = shift.text.substr(0, 6);
  const int offsetMagnitude =
      (TwoDigits(moment.offset, 1) * 60 + TwoDigits(moment.offset, 4)) * 60'000;
  moment.offsetMillis = moment.offset[0] == '-' ? -offsetMagnitude : offsetMagnitude;

  std::string inverted = moment.offset;
  inverted[0] = inverted[0] == '-' ? '+' : '-';
  const TimeSum utc = AddTimeTexts(clock.text, inverted);
  if (!utc.ok) return std::nullopt;
  const std::string_view utcClock =
      std::string_view(utc.text).substr(utc.dayCarry != 0 ? 1 : 0);  // "hh:mm:ss.mmm"
  moment.utcTime = std::string(utcClock.substr(0, moment.time.size()));
  moment.utcMillis = MillisOfClock(utcClock);
  moment.utcDayNumber = dayNumber + utc.dayCarry;
  moment.utcDate =
      SplitDateText(FormatDateText(CivilDateOf(moment.utcDayNumber, CalendarKind::Gregorian)));
  return moment;
}

std::string TwelveHourTime(std::string_view time) {
  const TimeTextResult clock = NormalizeTimeText(time);
  if (!clock.ok || clock.text.size() != 12) return {};
  const int hours = (clock.text[0] - '0') * 10 + (clock.text[1] - '0');
  int shown = hours > 12 ? hours - 12 : hours;
  if (shown == 0) shown = 12;
  std::string text = clock.text.substr(0, time.size());
  text[0] = static_cast<char>('0' + shown / 10);
  text[1] = static_cast<char>('0' + shown % 10);
  text += hours < 12 ? " AM" : " PM";
  return text;
}

std::string ZoneDateTimeText(const ZoneDateTime& moment, ZoneForm form) {
  const DateFields& local = moment.date;
  const DateFields& utc = moment.utcDate;
  const auto dmy = [](const DateFields& d) {
    return NumericDateText(d, DateOrder::DayMonthYear, ".", NumericStyle::Full);
  };
  const auto ymd = [](const DateFields& d) {
    return NumericDateText(d, DateOrder::YearMonthDay, "-", NumericStyle::Full);
  };
  const auto mdy = [](const DateFields& d, std::string_view separator) {
    return NumericDateText(d, DateOrder::MonthDayYear, separator, NumericStyle::Full);
  };
  const std::string zone = " UTC" + moment.offset;
  switch (form) {
    case ZoneForm::ToUtc:
      return dmy(utc) + ", " + moment.utcTime + " UTC 00:00";
    case ZoneForm::XsDateTime:
      return ymd(local) + "T" + moment.time + moment.offset;
    case ZoneForm::XsDateTimeUtc:
      return ymd(utc) + "T" + moment.utcTime + "Z";
    case ZoneForm::GermanNumeric:
      return dmy(local) + ", " + moment.time + "," + zone;
    case ZoneForm::GermanNumericUtc:
      return dmy(utc) + ", " + moment.utcTime + ", UTC";
    case ZoneForm::GermanShortMonth:
      return WrittenDateText(local, WrittenForm::GermanShort) + " " + moment.time + zone;
    case ZoneForm::IsoDate:
      return ymd(local) + " " + moment.time + zone;
    case ZoneForm::IsoDateUtc:
      return ymd(utc) + " " + moment.utcTime + " UTC";
    case ZoneForm::EnglishYearFirst:
      return WrittenDateText(local, WrittenForm::EnglishYearFirstShortMonth) + " " + moment.time +
             zone;
    case ZoneForm::MonthDayYear:
      return mdy(local, "-") + " " + moment.time + zone;
    case ZoneForm::MonthDayYearUtc:
      return mdy(utc, "-") + " " + moment.utcTime + " UTC";
    case ZoneForm::ShortMonthFirst:
      return WrittenDateText(local, WrittenForm::EnglishShortMonthFirst) + " " + moment.time + zone;
    case ZoneForm::TwelveHour:
      return TwelveHourTime(moment.time) + " " + mdy(local, "/") + zone;
    case ZoneForm::TwelveHourShortMonth:
      return TwelveHourTime(moment.time) + " " +
             WrittenDateText(local, WrittenForm::EnglishShortMonthFirst) + zone;
    case ZoneForm::TwelveHourUtc:
      return TwelveHourTime(moment.utcTime) + " " + mdy(utc, "/") + " UTC";
  }
  return {};
}

std::string ToUtc(std::string_view date, std::string_view time, std::string_view offset) {
  const std::optional<ZoneDateTime> moment = MakeZoneDateTime(date, time, offset);
  return moment ? ZoneDateTimeText(*moment, ZoneForm::ToUtc) : std::string();
}

}  // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/interest.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/easter.h"
#include "engine/holidays.h"
#include "engine/interestdays.h"
#include "engine/numbertext.h"
#include "engine/region.h"

namespace engine {
namespace {

constexpr CalendarKind kGregorian = CalendarKind::Gregorian;
constexpr int kFieldWidth = 18;

// The factors of the formulas, multiplied, never divided by.
constexpr long double kPercent = 0.01L;
constexpr long double kPer360 = 1.0L / 360.0L;
constexpr long double kPer365 = 1.0L / 365.0L;
constexpr long double kPer366 = 1.0L / 366.0L;

// The only two calls into the date core.
std::optional<int> DayNumberOfDate(std::string_view date) {
  const DateCheck check = CheckDate(date, kGregorian);
  if (!check.ok()) return std::nullopt;
  return check.dayNumber;
}

std::string DateOfDayNumber(int jd) {
  return FormatDateText(CivilDateOf(jd, kGregorian));
}

// Rounds with the window's mode and remembers a rounding that met the
// limit; such a rounding and an unknown mode give value 0 and text "0".
class Rounder {
 public:
  explicit Rounder(int modeIndex) : mode_(modeIndex) {}

  RoundResult operator()(int decimals, long double x) {
    std::optional<RoundResult> rounded = RoundByIndex(mode_, decimals, x);
    if (!rounded) return {};
    if (!(std::fabs(x) <= kRoundLimit) || (x >= 0.0L && rounded->value < 0.0L)) {
      overflow_ = true;
      return {};
    }
    return *std::move(rounded);
  }

  bool Overflow() const { return overflow_; }

 private:
  int mode_;
  bool overflow_ = false;
};

// The amounts of every method: leapFactor 0 for the methods without
// leap-year days.
InterestAmounts Amounts(int modeIndex, int intermediate, int finalDecimals, int years, int days,
                        int leapDays, long double rate, long double capital, long double dayFactor,
                        long double leapFactor) {
  Rounder round(modeIndex);
  InterestAmounts a;
  const long double yearly = capital * rate * kPercent;
  a.perYear = round(intermediate, yearly);
  a.forYears = round(intermediate, years * a.perYear.value);
  a.perDay = round(intermediate, yearly * dayFactor);
  a.forDays = round(intermediate, days * a.perDay.value);
  if (leapFactor != 0.0L) {
    a.perLeapDay = round(intermediate, yearly * leapFactor);
    a.forLeapDays = round(intermediate, leapDays * a.perLeapDay.value);
  }
  a.total = round(finalDecimals, a.forYears.value + a.forDays.value + a.forLeapDays.value);
  a.sum = round(finalDecimals, capital + a.total.value);
  a.overflow = round.Overflow();
  if (a.overflow) {
    a.total = {};
    a.sum = {};
  }
  return a;
}

std::string Padded(std::string_view text) {
  return PadRightAligned(text, kFieldWidth);
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string_view FlagText(bool counted) {
  return counted ? kIncluded : kExcluded;
}

// "1 Tag" or "n Tage" and the like: the singular exactly for 1.
std::string Counted(int n, std::string_view one, std::string_view many) {
  return std::to_string(n) + std::string(n == 1 ? one : many);
}

// A day label after its first word ("Zinstage im Normaljahr 2019" ->
// "im Normaljahr 2019"); "" for a label of one word or none.
std::string_view LabelTail(std::string_view label) {
  const std::size_t blank = label.find(' ');
  if (blank == std::string_view::npos) return {};
  return label.substr(blank + 1);
}

std::string RoundingNote(int decimals) {
  return "(auf " + std::to_string(decimals) + " Dezimalstellen gerundet)";
}

// The statement's date with the "= 30." marker of a 31st.
std::string MarkedDate(const std::string& date, bool marked) {
  return marked ? date + " = 30." + date.substr(3) : date;
}

const std::vector<std::string>& OverflowLines() {
  static const std::vector<std::string> kLines = {
      "",
      "",
      "",
      "          Datenüberlauf!",
      "",
      "              Die von Ihnen eingegebene Summe ist für den angegebenen",
      "              Zeitraum zu hoch bzw. der Zeitraum ist zu lang."};
  return kLines;
}

constexpr std::string_view kCapitalLead = "                                      Kapital ";
constexpr std::string_view kSingleLine =
    "                                              ----------------------";
constexpr std::string_view kDoubleLine =
    "                                              ======================";
constexpr std::string_view kEach = "   jeweils   ";

std::string DueLine(const std::string& valuta, const std::string& sum, std::string_view cur) {
  return "Fällig am " + valuta + ":                 Summe   " + sum + " " + std::string(cur);
}

std::string EuroHintTail(const std::string& rate, std::string_view currency, int decimals) {
  return "\n\r( 1 EUR = " + rate + " " + std::string(currency) + " )\n\r(und auf " +
         std::to_string(decimals) + " Dezimalstellen gerundet)";
}

// The statement lines of a computed result (Memo1); interest is the
// intermediate sum of the interest rows, right-aligned.
std::vector<std::string> StatementLines(const InterestStatement& s, const InterestRequest& request,
                                        std::string_view methodName, bool startMarked,
                                        bool endMarked, const std::string& interest,
                                        bool valutaDiffers) {
  const std::string& cur = request.currency;
  const std::string startFlag(FlagText(request.startCounted));
  const std::string endFlag(FlagText(request.endCounted));
  const std::string methodText(methodName);
  const std::string rateLine = TrimZeroDecimals(NumericCharsOnly(request.rate)) + " % Zinsen";
  const bool twoLinePeriod = startMarked || endMarked;
  const std::string from = "vom " + MarkedDate(s.start, startMarked) + " (" + startFlag + ")";
  const std::string to = "bis " + MarkedDate(s.end, endMarked) + " (" + endFlag + ")";
  const std::string period =
      "vom " + s.start + " (" + startFlag + ") bis " + s.end + " (" + endFlag + ")";
  std::vector<std::string> l;
  l.push_back("");
  l.push_back(std::string(kCapitalLead) + s.capital + " " + cur);
  l.push_back(rateLine);
  l.push_back(methodText);
  if (twoLinePeriod) {
    l.push_back(from);
    l.push_back(to + (endMarked ? "           " : "                        ") + s.total + " " +
                cur);
  } else {
    l.push_back(period + " " + s.total + " " + cur);
  }
  l.push_back(std::string(kSingleLine));
  l.push_back(DueLine(s.valuta, s.sum, cur));
  l.push_back(std::string(kDoubleLine));
  l.push_back("");
  l.push_back(s.rate + " % Zinsen auf " + Trimmed(s.capital) + " " + cur);
  l.push_back(methodText);
  if (twoLinePeriod) {
    l.push_back(from);
    l.push_back(to);
  } else {
    l.push_back(period);
  }
  const auto each = [&](const std::string& perUnit, const std::string& amount) {
    return std::string(kEach) + perUnit + " " + cur + "  = " + amount + " " + cur;
  };
  l.push_back(Counted(s.years, " Zinsjahr mit", " Zinsjahre mit"));
  l.push_back(each(s.perYear, s.forYears));
  l.push_back(std::to_string(s.days) + " " + s.dayLabel + " mit");
  l.push_back(each(s.perDay, s.forDays));
  if (s.leapRow) {
    l.push_back(std::to_string(s.leapDays) + " " + s.leapLabel + " mit");
    l.push_back(each(s.perLeapDay, s.forLeapDays));
  }
  l.push_back(std::string(43, ' ') + "------------------");
  l.push_back(std::string(13, ' ') + "Zinsen insgesamt:         " + interest + " " + cur);
  l.push_back(std::string(43, ' ') + "==================");
  l.push_back("");
  if (valutaDiffers) {
    std::string region = RegionNameOfCode(request.payRegion);
    if (region.empty()) region = request.payRegion;
    l.push_back("Die Summe wäre am " + s.payDate + " fällig; dieser Tag ist");
    l.push_back("aber kein " + std::string(ValutaKindText(request.valutaKind)) + " in " + region +
                ",");
    l.push_back("deshalb ist das Fälligkeitsdatum der " + s.valuta + ".");
  }
  if (s.euro) {
    const EuroPart& euro = *s.euro;
    l.push_back("");
    l.push_back("Kapital und Zinsbetrag jeweils einzeln umgerechnet von " + cur + " in EUR");
    l.push_back("zum Kurs von 1 EUR = " + euro.rate + " " + cur + " und dann addiert:");
    l.push_back("");
    l.push_back(std::string(kCapitalLead) + euro.capital + " EUR");
    l.push_back(rateLine);
    l.push_back(methodText);
    l.push_back(period + " " + euro.total + " EUR");
    l.push_back(std::string(kSingleLine));
    l.push_back(DueLine(s.valuta, euro.sum, "EUR"));
    l.push_back(std::string(kDoubleLine));
  }
  return l;
}

// The hints of the fields after a computation.
void FillHints(InterestStatement& s, const InterestRequest& request, int intermediate) {
  const std::string& cur = request.currency;
  const int finalDecimals = s.finalDecimals;
  InterestHints& h = s.hints;
  const std::string note = "\n\r" + RoundingNote(intermediate);
  const auto perDayHint = [](std::string_view label) {
    const std::string_view tail = LabelTail(label);
    return "Zins pro Tag" + (tail.empty() ? std::string() : " " + std::string(tail));
  };
  h.rate = "Zinssatz pro Jahr (auf 3 Dezimalstellen gerundet)";
  h.capital = "zu verzinsendes Kapital " + RoundingNote(finalDecimals);
  h.years = "Zinsjahre";
  h.normalDays = s.dayLabel;
  h.leapDays = s.leapLabel.empty() ? "Zinstage" : s.leapLabel;
  h.perYear = "Zins pro Jahr" + note;
  h.perDay = perDayHint(s.dayLabel) + note;
  h.perLeapDay = perDayHint(s.leapLabel.empty() ? "Zinstage im Schaltjahr" : s.leapLabel) + note;
  h.forYears = h.perYear + " x " + Counted(s.years, " Zinsjahr", " Zinsjahre");
  h.forDays = h.perDay + " x " + std::to_string(s.days) + " " + s.dayLabel;
  h.forLeapDays = h.perLeapDay + " x " + std::to_string(s.leapDays) + " " + h.leapDays;
  h.total = "Summe der Zinsbeträge " + RoundingNote(finalDecimals) +
            "\n\r= Zinsjahre x Zins pro Jahr + Zinstage x Zins pro Tag";
  h.sum = "Summe = Kapital + Zinsbetrag";
  h.capitalEuro = "zu verzinsendes Kapital umgerechnet in EUR";
  h.totalEuro = "Summe der Zinsbeträge umgerechnet in EUR";
  if (s.euro) {
    const std::string tail = EuroHintTail(s.euro->rate, cur, finalDecimals);
    h.capitalEuro += tail;
    h.totalEuro += tail;
  }
  h.sumEuro = "Summe in EUR = Kapital in EUR + Zinsbetrag in EUR";
  h.startCounted =
      request.startCounted ? "Anfangstag wird verzinst" : "Anfangstag wird NICHT verzinst";
  h.endCounted = request.endCounted ? "Endtag wird verzinst" : "Endtag wird NICHT verzinst";
}

InterestStatement Refused(std::string error) {
  InterestStatement s;
  s.error = std::move(error);
  return s;
}

}  // namespace

long double FieldAmount(std::string_view text) {
  std::string digits = NumericCharsOnly(text);
  std::replace(digits.begin(), digits.end(), ',', '.');
  long double value = 0.0L;
  const auto [end, status] = ReadLongDouble(digits.data(), digits.data() + digits.size(), value);
  if (status == std::errc::result_out_of_range) return HUGE_VALL;
  if (status != std::errc{}) return 0.0L;
  return value;
}

// ---- Euro rates ------------------------------------------------------------

std::optional<EuroRate> EuroRateOf(std::string_view code) {
  for (const EuroRate& rate : kEuroRates) {
    if (rate.code == code) return rate;
  }
  return std::nullopt;
}

std::string EuroRateText(std::string_view code) {
  const std::optional<EuroRate> rate = EuroRateOf(code);
  if (!rate) return "-1";
  return RoundGerman(rate->decimals, rate->unitsPerEuro).text;
}

std::optional<RoundResult> ToEuro(std::string_view code, int decimals, long double amount) {
  const std::optional<EuroRate> rate = EuroRateOf(code);
  if (!rate) return std::nullopt;
  return RoundGerman(decimals, amount / rate->unitsPerEuro);
}

// ---- Value days ------------------------------------------------------------

std::string_view ValutaKindText(ValutaKind kind) {
  return kValutaKindTexts[static_cast<std::size_t>(kind)];
}

std::optional<ValutaKind> ValutaKindOfText(std::string_view text) {
  for (std::size_t i = 0; i < kValutaKindTexts.size(); ++i) {
    if (kValutaKindTexts[i] == text) return static_cast<ValutaKind>(i);
  }
  return std::nullopt;
}

bool IsLegalHolidayIn(int jd, std::string_view regionCode) {
  const YearDay day = YearDayOf(jd, kGregorian);
  return HolidayOfDay(day.dayOfYear, EasterDay(day.year, kGregorian), day.year, regionCode,
                      day.leap, kGregorian)
             .flag == 1;
}

int ValutaDay(int payDay, std::string_view regionCode, ValutaKind kind) {
  if (kind == ValutaKind::EveryDay) return payDay;
  // No region has more than a few free days in a row; the bound only keeps
  // the loop finite whatever the rules say.
  int jd = payDay;
  for (int step = 0; step < 31; ++step, ++jd) {
    const int weekday = WeekDayOf(jd);
    if (weekday == 7 || (weekday == 6 && kind == ValutaKind::WorkdayWithoutSaturday)) continue;
    if (!IsLegalHolidayIn(jd, regionCode)) return jd;
  }
  return jd;
}

std::string ValutaDate(std::string_view payDate, std::string_view regionCode, ValutaKind kind) {
  const std::optional<int> pay = DayNumberOfDate(payDate);
  if (!pay) return {};
  return DateOfDayNumber(ValutaDay(*pay, regionCode, kind));
}

// ---- Interest amounts ------------------------------------------------------

InterestAmounts InterestActAct(int modeIndex, int intermediateDecimals, int finalDecimals,
                               int years, int normalDays, int leapDays, long double rate,
                               long double capital) {
  return Amounts(modeIndex, intermediateDecimals, finalDecimals, years, normalDays, leapDays, rate,
                 capital, kPer365, kPer366);
}

InterestAmounts Interest365(int modeIndex, int intermediateDecimals, int finalDecimals, int years,
                            int days, long double rate, long double capital) {
  return Amounts(modeIndex, intermediateDecimals, finalDecimals, years, days, 0, rate, capital,
                 kPer365, 0.0L);
}

InterestAmounts Interest360(int modeIndex, int intermediateDecimals, int finalDecimals, int years,
                            int days, long double rate, long double capital) {
  return Amounts(modeIndex, intermediateDecimals, finalDecimals, years, days, 0, rate, capital,
                 kPer360, 0.0L);
}

// ---- Period texts ----------------------------------------------------------

std::vector<std::string> InterestPeriodLines(std::string_view start, std::string_view end,
                                             bool startCounted, bool endCounted) {
  std::optional<int> first = DayNumberOfDate(start);
  std::optional<int> last = DayNumberOfDate(end);
  if (!first || !last) return {};
  if (*last < *first) std::swap(first, last);
  const std::string from = DateOfDayNumber(*first);
  const std::string to = DateOfDayNumber(*last);
  const int days = std::max(0, *last - *first + (startCounted ? 1 : 0) - (endCounted ? 0 : 1));
  const TimeSplit time = SplitTimeYears(from, to, startCounted, endCounted);
  const PeriodSplit calendar = SplitCalendarYears(from, to, startCounted, endCounted).split;
  const PeriodSplit roman = SplitRomanYears(from, to, startCounted, endCounted).split;
  return {
      "",
      "Vom " + from + " (" + std::string(FlagText(startCounted)) + ") bis zum " + to + " (" +
          std::string(FlagText(endCounted)) + ") sind vergangen:",
      "",
      Counted(days, " Tag", " Tage"),
      "",
      Counted(days / 7, " Zeitwoche", " Zeitwochen") + ", " + Counted(days % 7, " Tag ", " Tage "),
      "",
      Counted(time.years, " Zeitjahr, ", " Zeitjahre, ") + Counted(time.days, " Tag", " Tage"),
      "",
      Counted(calendar.wholeYears, " Kalenderjahr, ", " Kalenderjahre, ") +
          Counted(calendar.daySum, " Tag", " Tage"),
      "",
      Counted(roman.wholeYears, " Röm. Kalenderjahr, ", " Röm. Kalenderjahre, ") +
          Counted(roman.daySum, " Tag", " Tage"),
  };
}

std::string InterestPeriodText(std::string_view start, std::string_view end, bool startCounted,
                               bool endCounted) {
  const std::vector<std::string> lines = InterestPeriodLines(start, end, startCounted, endCounted);
  if (lines.size() < 12) return {};
  return lines[7] + "  oder  " + lines[9] + "  oder  " + lines[11];
}

// ---- One computation -------------------------------------------------------

bool PayDateBeforeEnd(std::string_view start, std::string_view end, std::string_view payDate) {
  const std::optional<int> first = DayNumberOfDate(start);
  const std::optional<int> last = DayNumberOfDate(end);
  const std::optional<int> pay = DayNumberOfDate(payDate);
  if (!first || !last || !pay) return false;
  return *pay < std::max(*first, *last);
}

InterestStatement ComputeInterest(const InterestRequest& request) {
  const std::optional<InterestMethod> method = InterestMethodOfNumber(request.method);
  if (!method)
    return Refused("Die Zinsmethode " + std::to_string(request.method) + " gibt es nicht.");
  if (!RoundByIndex(request.modeIndex, 0, 0.0L))
    return Refused("Die Rundungsmethode ist unbekannt.");
  if (request.intermediateDecimals < 0 || request.intermediateDecimals > 8) {
    return Refused("Die Dezimalstellen der Zwischenergebnisse müssen zwischen 0 und 8 liegen.");
  }
  if (request.finalDecimals < 0 || request.finalDecimals > 5) {
    return Refused("Die Dezimalstellen der Endergebnisse müssen zwischen 0 und 5 liegen.");
  }
  const std::optional<int> startDay = DayNumberOfDate(request.start);
  if (!startDay) {
    return Refused("Das Anfangsdatum \"" + request.start + "\" ist kein gültiges Datum.");
  }
  const std::optional<int> endDay = DayNumberOfDate(request.end);
  if (!endDay) return Refused("Das Enddatum \"" + request.end + "\" ist kein gültiges Datum.");
  const std::optional<int> payDay = DayNumberOfDate(request.payDate);
  if (!payDay) {
    return Refused("Das Fälligkeitsdatum \"" + request.payDate + "\" ist kein gültiges Datum.");
  }
  // Plain values from here: the optionals, swapped, confuse the compiler's
  // initialisation analysis in sanitizer builds.
  int first = *startDay;
  int last = *endDay;
  int pay = *payDay;

  InterestStatement s;
  s.code = 1;
  // The dates are put in order before the pay date is held against the end.
  if (last < first) {
    std::swap(first, last);
    s.swapped = true;
  }
  if (pay < last && !request.earlyPayConfirmed) {
    pay = last;
    s.payDateReplaced = true;
  }
  s.start = DateOfDayNumber(first);
  s.end = DateOfDayNumber(last);
  s.payDate = DateOfDayNumber(pay);
  const int valutaDay = ValutaDay(pay, request.payRegion, request.valutaKind);
  s.valuta = DateOfDayNumber(valutaDay);
  const int intermediate = request.intermediateDecimals;
  const int finalDecimals = std::min(request.finalDecimals, intermediate);
  s.finalDecimals = finalDecimals;
  const std::string cur = request.currency;

  const InterestDays days =
      CountInterestDays(method->number, s.start, s.end, request.startCounted, request.endCounted);
  const bool actual = method->number == 3 || method->number == 4;
  s.years = days.years;
  s.days = actual ? days.normalDays : days.days;
  s.leapDays = actual ? days.leapDays : 0;
  s.leapRow = actual;
  s.dayLabel = days.dayLabel;
  s.leapLabel = days.leapLabel;

  // The capital and the rate are rewritten rounded; a value too large for
  // that keeps the text as typed, so that nothing the user entered is lost.
  Rounder roundCapital(request.modeIndex);
  Rounder roundRate(request.modeIndex);
  const std::string typedCapital = NumericCharsOnly(request.capital);
  const std::string typedRate = NumericCharsOnly(request.rate);
  const RoundResult capital = roundCapital(finalDecimals, FieldAmount(typedCapital));
  const RoundResult rate = roundRate(3, FieldAmount(typedRate));
  const bool inputOverflow = roundCapital.Overflow() || roundRate.Overflow();
  s.capital = Padded(roundCapital.Overflow() ? typedCapital : capital.text);
  s.rate = roundRate.Overflow() ? typedRate : rate.text;

  InterestAmounts amounts;
  if (!inputOverflow) {
    if (actual) {
      amounts = InterestActAct(request.modeIndex, intermediate, finalDecimals, days.years,
                               days.normalDays, days.leapDays, rate.value, capital.value);
    } else if (method->number == 7 || method->number == 8) {
      amounts = Interest365(request.modeIndex, intermediate, finalDecimals, days.years, days.days,
                            rate.value, capital.value);
    } else {
      amounts = Interest360(request.modeIndex, intermediate, finalDecimals, days.years, days.days,
                            rate.value, capital.value);
    }
  }
  s.overflow = inputOverflow || amounts.overflow;
  s.perYear = Padded(amounts.perYear.text);
  s.forYears = Padded(amounts.forYears.text);
  s.perDay = Padded(amounts.perDay.text);
  s.forDays = Padded(amounts.forDays.text);
  s.perLeapDay = Padded(amounts.perLeapDay.text);
  s.forLeapDays = Padded(amounts.forLeapDays.text);
  s.total = Padded(amounts.total.text);
  s.sum = Padded(amounts.sum.text);

  // The euro part, only from a result without overflow.
  const std::optional<EuroRate> euroRate = EuroRateOf(cur);
  if (euroRate) {
    EuroPart euro{EuroRateText(cur), Padded("0"), Padded("0"), Padded("0")};
    if (!s.overflow) {
      const RoundResult capitalEuro = *ToEuro(cur, finalDecimals, capital.value);
      const RoundResult totalEuro = *ToEuro(cur, finalDecimals, amounts.total.value);
      const RoundResult sumEuro = RoundGerman(finalDecimals, capitalEuro.value + totalEuro.value);
      if (capitalEuro.value < 0.0L || totalEuro.value < 0.0L || sumEuro.value < 0.0L) {
        s.overflow = true;
      } else {
        euro.capital = Padded(capitalEuro.text);
        euro.total = Padded(totalEuro.text);
        euro.sum = Padded(sumEuro.text);
      }
    }
    s.euro = std::move(euro);
  }
  if (s.overflow) {
    s.total = Padded("0");
    s.sum = Padded("0");
  }

  // The 30/360 methods without a 31st show a 31st as the 30th.
  const bool thirty = method->number == 0 || method->number == 1;
  const bool startMarked = thirty && s.start.starts_with("31");
  const bool endMarked = thirty && s.end.starts_with("31");
  const std::string markerHint = "weil in dieser Zinsmethode\n\rder 31. nicht existiert.\n\r";
  if (startMarked) {
    s.startMarker = "= 30.";
    s.hints.startMarker = markerHint + MarkedDate(s.start, true);
  }
  if (endMarked) {
    s.endMarker = "= 30.";
    s.hints.endMarker = markerHint + MarkedDate(s.end, true);
  }

  const RoundResult interest = Rounder(request.modeIndex)(
      intermediate, amounts.forYears.value + amounts.forDays.value + amounts.forLeapDays.value);
  s.lines = s.overflow ? OverflowLines()
                       : StatementLines(s, request, method->text, startMarked, endMarked,
                                        Padded(interest.text), valutaDay != pay);
  FillHints(s, request, intermediate);

  s.periodLines = InterestPeriodLines(s.start, s.end, request.startCounted, request.endCounted);
  s.periodText = InterestPeriodText(s.start, s.end, request.startCounted, request.endCounted);
  return s;
}

}  // namespace engine

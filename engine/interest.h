// SPDX-License-Identifier: MIT
// Interest computation: simple interest on a capital at a yearly rate over a
// period by one of the eleven day-count methods (interestdays.h), the value
// date on which the sum falls due (working days of a pay region), the fixed
// euro rates of the former euro currencies, and the whole result of one
// computation as the interest window shows it: every field text, label and
// hint, the worded statement and the period texts.
//
// Amounts are rounded by RoundByIndex (rounding.h) with the mode index of
// the window's list (0 "kaufm." = "german", 2 "mathe." = "math"); every
// rounded value replaces the unrounded one before it is used further. A
// rounding that meets the rounding limit makes the whole result an overflow.
// Texts use the locale's decimal separator (environment.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/rounding.h"

namespace engine {

// FieldAmount: an amount field read as the window reads it: only the digits
// and the first decimal separator count (NumericCharsOnly), nothing left is
// 0, digits beyond the range of the extended type are infinite.
long double FieldAmount(std::string_view text);  // "1.234,5 EUR" -> 1234.5L

// ---- Euro rates ------------------------------------------------------------

// One fixed conversion rate: units of the currency per 1 EUR, and the
// decimals the rate is written with (340,750 keeps its zero).
struct EuroRate {
  std::string_view code;
  long double unitsPerEuro = 0.0L;
  int decimals = 0;
};

inline constexpr std::array<EuroRate, 12> kEuroRates = {{
    {"BEF", 40.3399L, 4},
    {"DEM", 1.95583L, 5},
    {"GRD", 340.750L, 3},
    {"ESP", 166.386L, 3},
    {"FRF", 6.55957L, 5},
    {"IEP", 0.787564L, 6},
    {"ITL", 1936.27L, 2},
    {"LUF", 40.3399L, 4},
    {"NLG", 2.20371L, 5},
    {"ATS", 13.7603L, 4},
    {"PTE", 200.482L, 3},
    {"FIM", 5.94573L, 5},
}};

// The currency list of the interest window, in order; "SEK" is the default.
inline constexpr std::array<std::string_view, 21> kCurrencies = {
    "AUD", "CAD", "CHF", "EUR", "GBP", "TRL", "USD", "DKK", "SEK", "BEF", "DEM",
    "GRD", "ESP", "FRF", "IEP", "ITL", "LUF", "NLG", "ATS", "PTE", "FIM"};
inline constexpr std::string_view kDefaultCurrency = "SEK";

// EuroRateOf: the fixed rate of a currency code, nullopt when it has none.
std::optional<EuroRate> EuroRateOf(std::string_view code);  // "DEM" -> {"DEM", 1.95583L, 5}

// EuroRateText: the rate with the locale's separator, or "-1" for a code
// without a fixed rate.
std::string EuroRateText(std::string_view code);  // "GRD" -> "340,750"

// ToEuro: the amount divided by the currency's rate, rounded "german" to the
// decimals; nullopt for a code without a fixed rate. An amount too large for
// rounding gives the value kRoundTooLarge and the text "0".
std::optional<RoundResult> ToEuro(std::string_view code, int decimals,
                                  long double amount);  // ("DEM", 2, 1000) -> {511.29L, "511,29"}

// ---- Value days ------------------------------------------------------------

// The kinds of value day of the window's list, in its order.
enum class ValutaKind { WorkdayWithoutSaturday, Workday, EveryDay };
inline constexpr std::array<std::string_view, 3> kValutaKindTexts = {"Werktag ohne Samstag",
                                                                     "Werktag", "jeder Tag"};

// ValutaKindText, ValutaKindOfText: the list text of a kind and back.
std::string_view ValutaKindText(ValutaKind kind);                   // Workday -> "Werktag"
std::optional<ValutaKind> ValutaKindOfText(std::string_view text);  // "jeder Tag" -> EveryDay

// IsLegalHolidayIn: whether a Gregorian day number is a legal holiday of the
// region.
bool IsLegalHolidayIn(int jd, std::string_view regionCode);  // (2460587, "D-NI") -> true

// ValutaDay: the first day from the pay day on that counts as a value day of
// the kind: no Sunday, no legal holiday of the region and, without
// Saturday, no Saturday; "jeder Tag" is the pay day itself.
int ValutaDay(int payDay, std::string_view regionCode,
              ValutaKind kind);  // (Sat 04.01.2020, "D-NI", WorkdayWithoutSaturday) -> Mon 06.01.

// ValutaDate: the same on a Gregorian date text; "" for a text that is no
// date of the supported range.
std::string ValutaDate(std::string_view payDate, std::string_view regionCode,
                       ValutaKind kind);  // ("04.01.2020", "D-NI", Workday) -> "06.01.2020"

// ---- Interest amounts ------------------------------------------------------

// The rounded amounts of one computation. For the methods that know no
// leap-year days the leap-day amounts are 0.
struct InterestAmounts {
  bool overflow = false;  // a rounding met the limit; its text is then "0"
  RoundResult perYear;    // capital x rate
  RoundResult forYears;   // years x perYear
  RoundResult perDay;     // per day (of a normal year for actual/actual)
  RoundResult forDays;
  RoundResult perLeapDay;  // actual/actual only
  RoundResult forLeapDays;
  RoundResult total;  // at the final decimals
  RoundResult sum;    // capital + total, at the final decimals
};

// InterestActAct: the amounts of actual/actual, with 1/365 per normal-year
// day and 1/366 per leap-year day. An unknown mode index rounds nothing and
// leaves every text "0".
InterestAmounts InterestActAct(int modeIndex, int intermediateDecimals, int finalDecimals,
                               int years, int normalDays, int leapDays, long double rate,
                               long double capital);
// (0, 5, 2, 0, 364, 1, 10, 1000) -> perDay "0,27397", perLeapDay "0,27322", total "100,00"

// Interest365: the amounts of actual/365 (1/365 per day).
InterestAmounts Interest365(int modeIndex, int intermediateDecimals, int finalDecimals, int years,
                            int days, long double rate,
                            long double capital);  // (0, 5, 2, 1, 0, 10, 1000) -> total "100,00"

// Interest360: the amounts of actual/360 and the 30/360 methods (1/360 per day).
InterestAmounts Interest360(int modeIndex, int intermediateDecimals, int finalDecimals, int years,
                            int days, long double rate,
                            long double capital);  // (0, 5, 2, 0, 361, 10, 1000) -> "100,28"

// ---- One computation -------------------------------------------------------

// The inputs of the interest window. Amount texts are read as the window's
// fields are (NumericCharsOnly: digits and the first decimal separator; an
// empty field is 0). Dates are Gregorian DD.MM.YYYY texts.
struct InterestRequest {
  std::string capital = "1000";
  std::string rate = "10";
  std::string currency = std::string(kDefaultCurrency);
  std::string start;
  std::string end;
  bool startCounted = false;  // "incl." / "excl."
  bool endCounted = true;
  int method = 3;                // method number of kInterestMethods
  int modeIndex = 0;             // 0 "kaufm.", 2 "mathe."
  int intermediateDecimals = 5;  // 0..8
  int finalDecimals = 2;         // 0..5, lowered to the intermediate decimals
  std::string payDate;
  std::string payRegion = "D-NI";  // region code
  ValutaKind valutaKind = ValutaKind::WorkdayWithoutSaturday;
  // Whether a pay date before the end date stands (the user confirmed it);
  // otherwise it is replaced by the end date.
  bool earlyPayConfirmed = false;
};

// The hints of the fields after a computation ("\n\r" breaks lines).
struct InterestHints {
  std::string rate;          // Edt_rent
  std::string capital;       // Edt_Capital
  std::string years;         // Edt_YearT
  std::string normalDays;    // Edt_NormalYearT
  std::string leapDays;      // Edt_LeapYearT
  std::string perYear;       // Edt_Year
  std::string perDay;        // Edt_NormalYear
  std::string perLeapDay;    // Edt_LeapYear
  std::string forYears;      // Edt_YearSum
  std::string forDays;       // Edt_NormalYearSum
  std::string forLeapDays;   // Edt_LeapYearSum
  std::string total;         // Edt_RentSum
  std::string sum;           // Edt_Sum
  std::string capitalEuro;   // Edt_Capital_EUR
  std::string totalEuro;     // Edt_RentSum_EUR
  std::string sumEuro;       // Edt_Sum_EUR
  std::string startCounted;  // CB_Begin
  std::string endCounted;    // CB_End
  std::string startMarker;   // Label25, "" without a marker
  std::string endMarker;     // Label26
};

// The euro part of a result with a fixed rate.
struct EuroPart {
  std::string rate;     // "1,95583"
  std::string capital;  // right-aligned to 18, "0" on an overflow
  std::string total;
  std::string sum;
};

// The result of one computation: what the window writes into its fields.
// Amount texts are right-aligned to 18 characters.
struct InterestStatement {
  int code = 0;                  // 1, or 0 for an unreadable date, method, mode or decimals
  std::string error;             // German, names the field when code is 0
  bool overflow = false;         // the statement is the overflow message
  bool swapped = false;          // the end lay before the start: the dates were exchanged
  bool payDateReplaced = false;  // an early pay date became the end date
  std::string start;             // after the exchange
  std::string end;
  std::string payDate;
  std::string valuta;  // the value date
  int finalDecimals = 2;
  std::string capital;   // Edt_Capital rewritten: the rounded capital, right-aligned
  std::string rate;      // Edt_rent rewritten: the rate at 3 decimals
  int years = 0;         // Edt_YearT
  int days = 0;          // Edt_NormalYearT: the interest days, or the normal-year days
  int leapDays = 0;      // Edt_LeapYearT
  bool leapRow = false;  // the leap-year row is shown (actual/actual)
  std::string dayLabel;
  std::string leapLabel;
  std::string perYear;  // Edt_Year ...
  std::string perDay;
  std::string perLeapDay;
  std::string forYears;
  std::string forDays;
  std::string forLeapDays;
  std::string total;        // Edt_RentSum
  std::string sum;          // Edt_Sum
  std::string startMarker;  // "= 30." beside a 31st in the 30/360 methods without it
  std::string endMarker;
  std::optional<EuroPart> euro;
  InterestHints hints;
  std::vector<std::string> lines;        // Memo1
  std::vector<std::string> periodLines;  // Memo2
  std::string periodText;                // Edt_CalDiffText
};

// The texts of the day-inclusion lists.
inline constexpr std::string_view kIncluded = "incl.";
inline constexpr std::string_view kExcluded = "excl.";

// PayDateBeforeEnd: whether the pay date lies before the later of the two
// dates, so that the window asks before it lets it stand; false when a date
// cannot be read.
bool PayDateBeforeEnd(std::string_view start, std::string_view end,
                      std::string_view payDate);  // ("01.01.2020", "01.01.2019", "31.12.2019")
                                                  // -> true

// ComputeInterest: the whole computation after the window's question.
InterestStatement ComputeInterest(const InterestRequest& request);
// {"1000", "10", "SEK", "01.01.2019", "01.01.2020", ...} -> total "100,00", sum "1100,00"

// InterestPeriodLines: the period text of the window in its long form (Memo2).
std::vector<std::string> InterestPeriodLines(std::string_view start, std::string_view end,
                                             bool startCounted, bool endCounted);
// ("01.01.2020", "01.01.2021", false, true) -> {"", "Vom 01.01.2020 (excl.) ...", "", "366 Tage",
// ...}

// InterestPeriodText: the one-line period text (Edt_CalDiffText): time years,
// calendar years and Roman calendar years joined by "  oder  ".
std::string InterestPeriodText(std::string_view start, std::string_view end, bool startCounted,
                               bool endCounted);
// -> "1 Zeitjahr, 0 Tage  oder  0 Kalenderjahre, 366 Tage  oder  0 Röm. Kalenderjahre, 366 Tage"

}  // namespace engine

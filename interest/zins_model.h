// SPDX-License-Identifier: MIT
// The interest window without a window: the entries and defaults of its
// lists, its captions and first hints, the reading of its fields into the
// engine's requests (interest.h, percent.h), the final-decimals choice, the
// long date hints, and the memory of the one question the window asks: a
// pay date before the end of the interest stands once the user said "Ja"
// for that pay date and that end.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/interest.h"
#include "engine/percent.h"

namespace interest {

// ---- Lists -----------------------------------------------------------------

// The rounding modes of CB_Round and CB_RoundP; "kaufm." rounds "german"
// (mode index 0), "mathe." "math" (mode index 2).
inline constexpr std::array<std::string_view, 2> kRoundItems = {"kaufm.", "mathe."};

// ModeIndexOfRoundText: the engine's mode index of a rounding list text; -2
// for a text that is none.
int ModeIndexOfRoundText(std::string_view text);  // "mathe." -> 2

// DecimalItems: "0" up to the last decimals ("0" to "8" and so on).
std::vector<std::string> DecimalItems(int last);  // 2 -> {"0", "1", "2"}

// CurrencyItems, MethodItems: the currency codes and the day-count methods
// in list order.
std::vector<std::string> CurrencyItems();  // [8] == "SEK"
std::vector<std::string> MethodItems();    // [0] == "actual/actual im Kalenderjahr"

// PayLandItems: the names of the region table from its second row up to the
// first empty one.
std::vector<std::string> PayLandItems();  // [8] == "Niedersachsen"

// The kinds of value day and the day-inclusion texts, in list order.
std::vector<std::string> ValutaItems();  // {"Werktag ohne Samstag", "Werktag", "jeder Tag"}
std::vector<std::string> FlagItems();    // {"incl.", "excl."}

// The defaults of the lists and fields when the window opens.
inline constexpr std::string_view kDefaultCapital = "1000";
inline constexpr std::string_view kDefaultRate = "10";
inline constexpr std::string_view kDefaultPayLand = "Niedersachsen";
inline constexpr int kDefaultIntermediate = 5;
inline constexpr int kDefaultFinal = 2;
inline constexpr int kDefaultPercentDecimals = 3;
inline constexpr int kMaxIntermediate = 8;
inline constexpr int kMaxFinal = 5;

// The final decimals on offer and the selection after the intermediate
// decimals changed: the final ones never exceed the intermediate ones.
struct FinalChoice {
  int last = 0;      // the list holds "0" to last
  int selected = 0;  // the selected value, lowered to last
};

// FinalDecimalsChoice: the choice for the intermediate decimals and the
// selected final decimals.
FinalChoice FinalDecimalsChoice(int intermediate, int selected);  // (4, 5) -> {4, 4}

// ---- Captions and hints ----------------------------------------------------

// One fixed text of a sub-control, found by its object name.
struct NamedText {
  std::string_view name;
  std::string_view text;
};

// The captions of the buttons.
const std::vector<NamedText>& Captions();  // {"Button1", "berechnen"}, ...

// The hints the window shows before any computation.
const std::vector<NamedText>& FirstHints();  // {"CB_Value", "Währung"}, ...

// FlagHint: the hint of CB_Begin or CB_End for its selection.
std::string FlagHint(bool start,
                     bool counted);  // (true, false) -> "Anfangstag wird NICHT verzinst"

// DateHint: the long day description of a Gregorian date in a region, as the
// date fields show it; "" for a text that is no date.
std::string DateHint(std::string_view date, std::string_view regionCode);

// ---- Reading the fields ------------------------------------------------------

// The interest face's inputs as the window shows them.
struct InterestFields {
  std::string capital;
  std::string rate;
  std::string currency;
  std::string start;
  std::string end;
  std::string startFlag;  // "incl." or "excl."
  std::string endFlag;
  std::string method;  // a text of MethodItems
  std::string round;   // a text of kRoundItems
  int intermediate = kDefaultIntermediate;
  int finalDecimals = kDefaultFinal;
  std::string payDate;
  std::string payLand;  // a region name
  std::string valuta;   // a text of ValutaItems
};

// RequestOf: the engine request of the fields; an unknown method or mode
// gives a number the engine refuses, an unknown region the default's code.
engine::InterestRequest RequestOf(const InterestFields& fields, bool earlyPayConfirmed);

// The percentage face's inputs.
struct PercentFields {
  std::string base;     // Edt_Cap1
  std::string percent;  // Edt_Perc2
  std::string round;
  int percentDecimals = kDefaultPercentDecimals;
  int intermediate = kDefaultIntermediate;
  int finalDecimals = kDefaultFinal;
};

// PercentRequestOf: the engine request of the percentage fields.
engine::PercentRequest PercentRequestOf(const PercentFields& fields);

// ---- The question ------------------------------------------------------------

inline constexpr std::string_view kQuestionTitle = "Achtung";
inline constexpr std::string_view kQuestionText =
    "Soll der Betrag wirklich schon vor dem Zinsende valutieren?";

// EarlyPayMemory: which pay date the user let stand before which end date.
// The question is due when the pay date lies before the later of the two
// dates and the user has not said "Ja" to exactly that pay date and end.
class EarlyPayMemory {
 public:
  // Due: whether the window must ask for these dates.
  bool Due(std::string_view start, std::string_view end,
           std::string_view payDate) const;  // no answer yet, pay before end -> true
  // Confirmed: whether "Ja" was said to this pay date and end.
  bool Confirmed(std::string_view start, std::string_view end, std::string_view payDate) const;
  // Confirm: remembers "Ja" for these dates; a later change of either asks again.
  void Confirm(std::string_view start, std::string_view end, std::string_view payDate);

 private:
  static std::string Key(std::string_view start, std::string_view end, std::string_view payDate);
  std::string confirmed_;
};

}  // namespace interest

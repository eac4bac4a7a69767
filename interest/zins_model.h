// SPDX-License-Identifier: MIT
// The interest window without a window: the lines of its lists with the
// value behind each, their defaults, its button captions and first hints,
// its inputs as typed values and their engine requests (interest.h,
// percent.h), the engine's answers, the final-decimals choice, the long
// date hints, and the memory of the one question the window asks: a pay
// date before the end of the interest stands once the user said "Ja" for
// that pay date and that end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/interest.h"
#include "engine/outcome.h"
#include "engine/percent.h"

namespace interest {

// ---- Lists -----------------------------------------------------------------

// One line of a list: the text it shows and the value behind it. The window
// reads and selects its lists by the value, never by the text.
template <typename Value>
struct ListItem {
  std::string text;
  Value value{};
};

// The value read from a list without a selection: a method number, rounding
// mode and number of decimals the engine refuses.
inline constexpr int kNoChoice = -2;

// RoundItems: the rounding modes of both faces with the engine's mode index:
// "kaufm." rounds "german" (0), "mathe." "math" (2).
std::vector<ListItem<int>> RoundItems();  // [1] == {"mathe.", 2}

// DecimalItems: "0" up to the last decimals, each with its number.
std::vector<ListItem<int>> DecimalItems(int last);  // 2 -> {"0", 0}, {"1", 1}, {"2", 2}

// CurrencyItems: the currency codes in list order; each line is its code.
std::vector<ListItem<std::string>> CurrencyItems();  // [8] == {"SEK", "SEK"}

// MethodItems: the day-count methods in list order with their method numbers.
std::vector<ListItem<int>> MethodItems();  // [0] == {"actual/actual im Kalenderjahr", 3}

// PayLandItems: the names of the region table from its second row up to the
// first empty one, with their region codes.
std::vector<ListItem<std::string>> PayLandItems();  // [8] == {"Niedersachsen", "D-NI"}

// ValutaItems: the kinds of value day in list order.
std::vector<ListItem<engine::ValutaKind>> ValutaItems();  // [1] == {"Werktag", Workday}

// FlagItems: whether a day of the period earns interest: "incl." it does,
// "excl." it does not.
std::vector<ListItem<bool>> FlagItems();  // {{"incl.", true}, {"excl.", false}}

// The defaults of the lists and fields when the window opens.
inline constexpr std::string_view kDefaultCapital = "1000";
inline constexpr std::string_view kDefaultRate = "10";
inline constexpr int kDefaultMethod = 3;                       // actual/actual im Kalenderjahr
inline constexpr int kDefaultRoundMode = 0;                    // kaufm.
inline constexpr std::string_view kDefaultPayRegion = "D-NI";  // Niedersachsen
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

// The names a screen reader says for the fields and lists of both faces,
// which on the window stand beside a short label or none; the field's
// value is read after the name.
const std::vector<NamedText>& AccessibleNames();  // {"Edt_Capital", "Kapital"}, ...

// The labels that stand for a field or list (label name, field name): the
// label is the field's buddy, so assistive technology links the two.
const std::vector<NamedText>& LabelledFields();  // {"Label1", "Edt_Capital"}, ...

// TabOrder: the fields, lists and buttons of each face in reading order,
// row by row from the left, the results included.
const std::vector<std::string_view>& InterestTabOrder();  // "Edt_Capital", "CB_Value", ...
const std::vector<std::string_view>& PercentTabOrder();   // "CB_RoundP", ...

// FlagHint: the hint of the list that says whether the first (start) or the
// last day earns interest, for its selection.
std::string FlagHint(bool start,
                     bool counted);  // (true, false) -> "Anfangstag wird NICHT verzinst"

// DateHint: the long day description of a Gregorian date in a region, as the
// date fields show it; "" for a text that is no date.
std::string DateHint(std::string_view date, std::string_view regionCode);

// ---- Reading the fields ------------------------------------------------------

// The interest face's inputs: the amounts and dates as typed or picked, the
// lists' choices as their values. A default object holds the window's
// first choices.
struct InterestFields {
  std::string capital{kDefaultCapital};
  std::string rate{kDefaultRate};
  std::string currency{engine::kDefaultCurrency};  // a currency code
  std::string start;                               // Gregorian DD.MM.YYYY
  std::string end;
  bool startCounted = false;    // whether the first day earns interest
  bool endCounted = true;       // whether the last day earns interest
  int method = kDefaultMethod;  // a method number of MethodItems
  int modeIndex = kDefaultRoundMode;
  int intermediate = kDefaultIntermediate;
  int finalDecimals = kDefaultFinal;
  std::string payDate;
  std::string payRegion{kDefaultPayRegion};  // a region code
  engine::ValutaKind valuta = engine::ValutaKind::WorkdayWithoutSaturday;
};

// RequestOf: the engine request of the fields; a list without a selection
// gives kNoChoice, which the engine refuses, a region without a code the
// default region.
engine::InterestRequest RequestOf(const InterestFields& fields, bool earlyPayConfirmed);

// The percentage face's inputs; a default object holds its first choices.
struct PercentFields {
  std::string base;     // the amount that is 100 %
  std::string percent;  // the percentage of the part
  int modeIndex = kDefaultRoundMode;
  int percentDecimals = kDefaultPercentDecimals;
  int intermediate = kDefaultIntermediate;
  int finalDecimals = kDefaultFinal;
};

// PercentRequestOf: the engine request of the percentage fields.
engine::PercentRequest PercentRequestOf(const PercentFields& fields);

// ---- The engine's answers ----------------------------------------------------

// How the engine answered a computation or a range check (engine/outcome.h).
using engine::Outcome;
using engine::OutcomeOf;

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

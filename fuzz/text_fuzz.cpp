// SPDX-License-Identifier: MIT
// Time texts, rounding, number texts, interest days, working hours, the zone
// clock, WKN texts, the date arithmetic, the interest computation and the
// percentage calculator from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/dateformat_technical.h"
#include "engine/deadline.h"
#include "engine/interest.h"
#include "engine/interestdays.h"
#include "engine/isin.h"
#include "engine/numbertext.h"
#include "engine/period.h"
#include "engine/percent.h"
#include "engine/rounding.h"
#include "engine/timetext.h"
#include "engine/workhours.h"
#include "engine/zoneclock.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const int decimals = input.Int();
  const int method = input.Int();
  const bool startCounted = input.Bool();
  const bool endCounted = input.Bool();
  const std::string a = input.Text();
  const std::string b = input.Text();

  (void)engine::NormalizeTimeText(a);
  (void)engine::AddTimeTexts(a, b);
  (void)engine::OffsetHours(a);
  (void)engine::ShiftHours(a, decimals % 30);
  long double value = 0;
  if (b.size() >= sizeof value) std::memcpy(&value, b.data(), sizeof value);
  for (const char* mode : {"german", "math", "IEEE", ""})
    (void)engine::RoundValue(decimals, mode, value);
  (void)engine::RoundByIndex(method, decimals, value);
  (void)engine::ExpandExponent(a);
  (void)engine::PadLeftAligned(a, decimals % 100);
  (void)engine::PadRightAligned(a, decimals % 100);
  (void)engine::ZeroFill(a, decimals % 100);
  (void)engine::TrimZeroDecimals(a);
  (void)engine::BlankLeadingZeros(a);
  (void)engine::NumericCharsOnly(a);
  (void)engine::ToRomanDate(a);
  (void)engine::FromRomanDate(a);
  (void)engine::CountInterestDays(method % 16, a, b, startCounted, endCounted);
  engine::InterestRequest request;
  request.capital = a;
  request.rate = b;
  request.currency = b.substr(0, 3);
  request.start = a.substr(0, 10);
  request.end = b.substr(0, 10);
  request.payDate = a.size() > 10 ? a.substr(10, 10) : b;
  request.startCounted = startCounted;
  request.endCounted = endCounted;
  request.method = method % 13;
  request.modeIndex = decimals % 4;
  request.intermediateDecimals = decimals % 10;
  request.finalDecimals = method % 7;
  request.payRegion = a.substr(0, 4);
  request.earlyPayConfirmed = startCounted != endCounted;
  (void)engine::ComputeInterest(request);
  // The same with a valid period, so that the amounts are computed from the texts.
  request.start = "01.01.2019";
  request.end = "31.12.2019";
  request.payDate = "04.01.2020";
  (void)engine::ComputeInterest(request);
  (void)engine::InterestPeriodLines(a, b, startCounted, endCounted);
  (void)engine::ValutaDate(a, b, static_cast<engine::ValutaKind>((method % 3 + 3) % 3));
  (void)engine::EuroRateText(a);
  (void)engine::ToEuro(b.substr(0, 3), decimals % 30, value);
  const engine::PercentRequest percent{a, b, decimals % 4, method % 10, decimals % 10, method % 7};
  (void)engine::ComputePercent(percent, engine::PercentTrigger::Final);
  (void)engine::TakePercent(percent);
  (void)engine::XsDateToGerman(a);
  (void)engine::ParseXsDateTime(a);
  (void)engine::ClockSeconds(a);
  (void)engine::HoursBetween(a, b, startCounted);
  (void)engine::EndAfterHours(a, b, endCounted);
  (void)engine::ComputeZoneClock(a, "D-NI", b, method % 8 - 1);
  (void)engine::ComputeZoneClock("15.01.2024", a, b, decimals % 8 - 1);
  (void)engine::CleanWkn(a);
  (void)engine::IsinOfWkn(a);
  (void)engine::IsinCheckDigit(a);
  (void)engine::AddMonths(a, decimals);
  (void)engine::SubYears(a, method);
  (void)engine::ComputeDeadlines(a, b);
  (void)engine::PeriodText(a, b, startCounted, endCounted);
  return 0;
}

// SPDX-License-Identifier: MIT
// Time texts, rounding, number texts, interest days, working hours, the zone
// clock, WKN texts and the date arithmetic from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/dateformat_technical.h"
#include "engine/deadline.h"
#include "engine/interestdays.h"
#include "engine/isin.h"
#include "engine/numbertext.h"
#include "engine/period.h"
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
  (void)engine::ComputeDeadlines(a);
  (void)engine::PeriodText(a, b, startCounted, endCounted);
  return 0;
}

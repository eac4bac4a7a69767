// SPDX-License-Identifier: MIT
// Date texts, day-number texts, typed fields and weeks from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/daynumber.h"
#include "engine/urlencode.h"
#include "engine/week.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const auto kind = input.Bool() ? engine::CalendarKind::Julian : engine::CalendarKind::Gregorian;
  const std::string text = input.Text();

  const engine::JdResult jd = engine::DateToJD(text, kind);
  if (jd.code == 1 && engine::JDInRange(engine::ParseDayNumber(jd.jd)) == 1) {
    // A valid date in the range converts back to itself once normalised.
    const engine::DateResult back = engine::JDToDate(jd.jd, kind);
    if (back.code != 1 || engine::DateToJD(back.date, kind).jd != jd.jd) __builtin_trap();
  }
  (void)engine::JDToDate(text, kind);
  (void)engine::ValidateDayText(text);
  (void)engine::ValidateMonthText(text);
  (void)engine::ValidateYearText(text);
  (void)engine::DayOfYear(text, kind);
  (void)engine::WeekDayOfDate(text);
  (void)engine::WeekOf(text, kind);
  (void)engine::ConvertCalendar(text, kind);
  (void)engine::MondayOfWeek(input.Int(), input.Int(), kind);
  (void)engine::DayOfYearToDayMonth(input.Int(), input.Bool());
  (void)engine::UrlEncode(text);
  return 0;
}

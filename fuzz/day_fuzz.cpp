// SPDX-License-Identifier: MIT
// What a day is: facts, description, legal time and the holiday list of a
// year, for arbitrary dates, day numbers and region codes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/daydescription.h"
#include "engine/dayfacts.h"
#include "engine/holidays.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const auto kind = input.Bool() ? engine::CalendarKind::Julian : engine::CalendarKind::Gregorian;
  const int jd = input.Int();
  const int today = input.Int();
  const std::string code = input.Text();
  const std::string text = input.Text();

  const engine::DayFacts byJd = engine::DayFactsOfJD(
      engine::kFirstDayNumber + (jd % 1095727 + 1095727) % 1095727, code, kind);
  if (byJd.result != 1) __builtin_trap();  // every day of the range has facts
  (void)engine::DescribeDay(byJd, code, kind, today);
  const engine::DayFacts byText = engine::DayFactsOfDate(text, code, kind);
  if (byText.result == 1 && engine::JDInRange(byText.dayNumber) == 1) {
    (void)engine::DescribeDay(byText, code, kind, today);
  }
  (void)engine::DayFactsOfJD(text, code, kind);
  (void)engine::DstState(jd, code);
  (void)engine::HolidayListOfYear(text, code, kind);
  (void)engine::HolidayArticleLink(text);
  return 0;
}

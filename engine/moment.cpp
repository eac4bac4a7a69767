// SPDX-License-Identifier: MIT
#include "engine/moment.h"

#include "engine/civildate.h"
#include "engine/legaltime.h"

namespace engine {
namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kMillisecondsPerDay = kSecondsPerDay * kMillisecondsPerSecond;
constexpr std::int64_t kMillisecondsPerHour = 3600 * kMillisecondsPerSecond;
constexpr int kEpochDayNumber = 2440588;  // 01.01.1970

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The offset of a whole day, as its state says; days outside the range keep
// the offset of the range's nearest end.
int StateOfDay(long long jd, const Region& region) {
  const long long clamped = jd < kFirstDayNumber  ? kFirstDayNumber
                            : jd > kLastDayNumber ? kLastDayNumber
                                                  : jd;
  const int state = DstState(static_cast<int>(clamped), region).state;
  return state == kDstInvalid ? kDstStandard : state;
}

// The moment a local day begins in a given offset.
std::int64_t DayStart(long long jd, int offsetHours) {
  return (jd - kEpochDayNumber) * kMillisecondsPerDay - offsetHours * kMillisecondsPerHour;
}

}  // namespace

LocalDateTime UtcDateTimeOf(UtcMoment moment) {
  const std::int64_t day = FloorDiv(moment.milliseconds, kMillisecondsPerDay);
  const std::int64_t inDay = moment.milliseconds - day * kMillisecondsPerDay;
  const CivilDate date =
      CivilDateOf(static_cast<int>(day + kEpochDayNumber), CalendarKind::Gregorian);
  const auto seconds = static_cast<int>(inDay / kMillisecondsPerSecond);
  return {date.year,
          date.month,
          date.day,
          seconds / 3600,
          seconds / 60 % 60,
          seconds % 60,
          static_cast<int>(inDay % kMillisecondsPerSecond)};
}

UtcMoment UtcMomentOfUtc(const LocalDateTime& utc) {
  const std::int64_t day =
      DayNumberOf(CivilDate{utc.year, utc.month, utc.day}, CalendarKind::Gregorian);
  const std::int64_t seconds = utc.hour * 3600LL + utc.minute * 60LL + utc.second;
  return {(day - kEpochDayNumber) * kMillisecondsPerDay + seconds * kMillisecondsPerSecond +
          utc.millisecond};
}

int LegalOffsetAt(UtcMoment moment, const Region& region) {
  // The moment lies on UTC day u. With an offset of one to three hours its
  // local day is u or u + 1, so only the switches of those two days can
  // fall between the end of local day u - 1 and the moment.
  const long long u = FloorDiv(moment.milliseconds, kMillisecondsPerDay) + kEpochDayNumber;
  int offset = StateOfDay(u - 1, region);
  for (long long jd = u; jd <= u + 1; ++jd) {
    const int after = StateOfDay(jd, region);
    if (after == offset) continue;
    const std::int64_t switchAt =
        DayStart(jd, offset) +
        SwitchSecondOfDay(static_cast<int>(jd), region) * kMillisecondsPerSecond;
    if (moment.milliseconds < switchAt) break;
    offset = after;
  }
  return offset;
}

LocalDateTime LegalTimeAt(UtcMoment moment, const Region& region) {
  const int offset = LegalOffsetAt(moment, region);
  return UtcDateTimeOf({moment.milliseconds + offset * kMillisecondsPerHour});
}

UtcMoment UtcMomentOfLegal(const LocalDateTime& legal, const Region& region) {
  // Read as UTC, the legal time is its moment plus the offset; of the
  // offsets of the day and the day before, the first that gives itself back
  // is the one in force.
  const UtcMoment asUtc = UtcMomentOfUtc(legal);
  const long long jd =
      DayNumberOf(CivilDate{legal.year, legal.month, legal.day}, CalendarKind::Gregorian);
  const int before = StateOfDay(jd - 1, region);
  for (const int offset : {before, StateOfDay(jd, region)}) {
    const UtcMoment candidate{asUtc.milliseconds - offset * kMillisecondsPerHour};
    if (LegalOffsetAt(candidate, region) == offset) return candidate;
  }
  return {asUtc.milliseconds - before * kMillisecondsPerHour};
}

}  // namespace engine

// SPDX-License-Identifier: MIT
// The writer against libical: the same events written by both must give the
// same bytes, for every holiday the engine knows and for texts full of the
// characters that need escaping or folding.
#include "export/icalendar.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/region.h"

namespace exports {
namespace {

// The file as libical writes it from the same events.
std::string LibicalText(const std::vector<engine::HolidayEvent>& events, std::string_view name,
                        const UtcStamp& stamp) {
  icalcomponent* calendar = icalcomponent_new_vcalendar();
  icalcomponent_add_property(calendar,
                             icalproperty_new_prodid(std::string(kIcalProductId).c_str()));
  icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));
  icalproperty* calendarName = icalproperty_new_x(std::string(name).c_str());
  icalproperty_set_x_name(calendarName, "X-WR-CALNAME");
  icalcomponent_add_property(calendar, calendarName);
  icaltimetype dtstamp = icaltime_null_time();
  dtstamp.year = stamp.year;
  dtstamp.month = stamp.month;
  dtstamp.day = stamp.day;
  dtstamp.hour = stamp.hour;
  dtstamp.minute = stamp.minute;
  dtstamp.second = stamp.second;
  dtstamp.zone = icaltimezone_get_utc_timezone();
  const auto text = [](icalcomponent* event, std::string_view value,
                       icalproperty* (*make)(const char*)) {
    if (!value.empty()) icalcomponent_add_property(event, make(std::string(value).c_str()));
  };
  for (const engine::HolidayEvent& e : events) {
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_component(calendar, event);
    icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
    icaltimetype start = icaltime_null_date();
    start.year = e.date.year;
    start.month = e.date.month;
    start.day = e.date.day;
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);
    icalproperty* dtstart = icalproperty_new_dtstart(start);
    icalproperty_add_parameter(dtstart, icalparameter_new_value(ICAL_VALUE_DATE));
    icalcomponent_add_property(event, dtstart);
    icalproperty* dtend = icalproperty_new_dtend(end);
    icalproperty_add_parameter(dtend, icalparameter_new_value(ICAL_VALUE_DATE));
    icalcomponent_add_property(event, dtend);
    text(event, e.summary, icalproperty_new_summary);
    text(event, e.category, icalproperty_new_categories);
    text(event, e.description, icalproperty_new_description);
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  }
  char* written = icalcomponent_as_ical_string_r(calendar);
  std::string result = written;
  icalmemory_free_buffer(written);
  icalcomponent_free(calendar);
  return result;
}

constexpr UtcStamp kStamp{2026, 12, 9, 6, 15, 0};

TEST(Icalendar, EveryHolidayOfEveryYearIsWrittenAsLibicalWritesIt) {
  const struct {
    const char* code;
    engine::HolidayEventOptions options;
  } kRegions[] = {{"D-BY", {false, true}},
                  {"D-NI", {true, false}},
                  {"A-W", {false, false}},
                  {"D-SN", {false, false}}};
  std::size_t compared = 0;
  for (const auto& r : kRegions) {
    const engine::Region region = engine::RegionOfCode(r.code);
    // The last year apart: libical has no day after 31.12.3000.
    for (int first = 1; first < 3000; first += 100) {
      const int last = std::min(first + 99, 2999);
      const auto events = engine::HolidayEventsOfYears(first, last, region, r.options);
      ASSERT_EQ(IcalendarText(events, "Feiertage in A, B; C\\", kStamp),
                LibicalText(events, "Feiertage in A, B; C\\", kStamp))
          << r.code << " " << first;
      compared += events.size();
    }
  }
  EXPECT_GT(compared, 200000u);
}

// Guards against the day after the last one: libical writes "00000000T000000"
// there, which no reader takes for a date.
TEST(Icalendar, TheLastDayEndsOnTheFirstOfTheYear3001) {
  const auto events = engine::HolidayEventsOfYears(3000, 3000, engine::RegionOfCode("D-BY"), {});
  ASSERT_FALSE(events.empty());
  ASSERT_EQ(events.back().date, (engine::CivilDate{3000, 12, 31}));
  const std::string text = IcalendarText(events, "Feiertage", kStamp);
  EXPECT_NE(text.find("DTSTART;VALUE=DATE:30001231\r\nDTEND;VALUE=DATE:30010101\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("00000000"), std::string::npos);
}

TEST(Icalendar, AnyTextIsEscapedAndFoldedAsLibicalDoes) {
  // Characters that are escaped, dropped or break a line, and UTF-8 of one to
  // four octets, so that folds fall inside and beside every kind.
  const std::vector<std::string> pieces{
      "a",  "Z",  " ",    ";", ",", ":", "\\", "\n",      "\r",
      "\t", "\"", "\x01", "ä", "ß", "€", "𝄞",  "Neujahr", "Tag der Deutschen Einheit",
      "  "};
  std::mt19937 random(20261209);
  const auto text = [&](std::size_t most) {
    std::string t;
    const std::size_t count = random() % most;
    for (std::size_t i = 0; i < count; ++i) t += pieces[random() % pieces.size()];
    return t;
  };
  std::vector<std::string> categories;
  for (int i = 0; i < 50; ++i) categories.push_back(text(40));
  int splitCrLf = 0;
  for (int round = 0; round < 2000; ++round) {
    std::vector<engine::HolidayEvent> events(10);
    for (engine::HolidayEvent& e : events) {
      e.date = {1 + static_cast<int>(random() % 2999), 1 + static_cast<int>(random() % 12),
                1 + static_cast<int>(random() % 28)};
      e.uid = text(30);
      e.summary = text(60);
      e.category = categories[random() % categories.size()];
      e.description = text(120);
    }
    const std::string name = text(60);
    const std::string ours = IcalendarText(events, name, kStamp);
    const std::string libical = LibicalText(events, name, kStamp);
    // Where libical would split a line's CRLF into "\r" and a continuation
    // "\n", the writer breaks before the CR instead.
    if (libical.find("\r\r\n \n") != std::string::npos) {
      EXPECT_EQ(ours.find("\r\r"), std::string::npos);
      ++splitCrLf;
      continue;
    }
    ASSERT_EQ(ours, libical) << "round " << round;
  }
}

}  // namespace
}  // namespace exports

// SPDX-License-Identifier: MIT
#include "export/icalendar.h"

#include <libical/ical.h>

#include <chrono>
#include <memory>
#include <stdexcept>

namespace cli {
namespace {

struct ComponentDeleter {
  void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct BufferDeleter {
  void operator()(char* buffer) const { icalmemory_free_buffer(buffer); }
};

icaltimetype DateValue(const engine::CivilDate& date) {
  icaltimetype value = icaltime_null_date();
  value.year = date.year;
  value.month = date.month;
  value.day = date.day;
  return value;
}

void Add(icalcomponent* component, icalproperty* property) {
  if (property == nullptr) throw std::runtime_error("libical: Eigenschaft nicht angelegt");
  icalcomponent_add_property(component, property);
}

// Adds a text property unless the text is empty, which readers refuse as a
// property without value; libical escapes the text when it writes it.
void AddText(icalcomponent* component, std::string_view text, icalproperty* (*make)(const char*)) {
  if (!text.empty()) Add(component, make(std::string(text).c_str()));
}

// A DTSTART or DTEND of a whole day. The VALUE=DATE parameter is given
// explicitly: libical leaves it out for 01.01.0001, which then reads as a
// malformed date-time.
icalproperty* WithDateValue(icalproperty* property) {
  if (property != nullptr)
    icalproperty_add_parameter(property, icalparameter_new_value(ICAL_VALUE_DATE));
  return property;
}

}  // namespace

UtcStamp CurrentUtcStamp() {
  // The calendar types of <chrono> read the clock in UTC on every system, so
  // no system call differs between them.
  using namespace std::chrono;
  const sys_seconds now = floor<seconds>(system_clock::now());
  const sys_days day = floor<days>(now);
  const year_month_day date{day};
  const hh_mm_ss time{now - day};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()),
          static_cast<int>(time.seconds().count())};
}

std::string IcalendarText(const std::vector<engine::HolidayEvent>& events,
                          std::string_view calendarName, const UtcStamp& stamp) {
  Component calendar(icalcomponent_new_vcalendar());
  const std::string productId(kIcalProductId);
  Add(calendar.get(), icalproperty_new_prodid(productId.c_str()));
  Add(calendar.get(), icalproperty_new_version("2.0"));
  Add(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  // Calendar programs show this name in their list of calendars.
  icalproperty* name = icalproperty_new_x(std::string(calendarName).c_str());
  icalproperty_set_x_name(name, "X-WR-CALNAME");
  Add(calendar.get(), name);

  icaltimetype dtstamp = icaltime_null_time();
  dtstamp.year = stamp.year;
  dtstamp.month = stamp.month;
  dtstamp.day = stamp.day;
  dtstamp.hour = stamp.hour;
  dtstamp.minute = stamp.minute;
  dtstamp.second = stamp.second;
  dtstamp.zone = icaltimezone_get_utc_timezone();

  for (const engine::HolidayEvent& event : events) {
    icalcomponent* vevent = icalcomponent_new_vevent();
    icalcomponent_add_component(calendar.get(), vevent);
    Add(vevent, icalproperty_new_uid(event.uid.c_str()));
    Add(vevent, icalproperty_new_dtstamp(dtstamp));
    const icaltimetype start = DateValue(event.date);
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);
    Add(vevent, WithDateValue(icalproperty_new_dtstart(start)));
    Add(vevent, WithDateValue(icalproperty_new_dtend(end)));
    AddText(vevent, event.summary, icalproperty_new_summary);
    AddText(vevent, event.category, icalproperty_new_categories);
    AddText(vevent, event.description, icalproperty_new_description);
    // A holiday is a fact of the day, not an appointment: free time.
    Add(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  }
  const std::unique_ptr<char, BufferDeleter> text(icalcomponent_as_ical_string_r(calendar.get()));
  if (!text) throw std::runtime_error("libical: Kalender nicht geschrieben");
  return text.get();
}

}  // namespace cli

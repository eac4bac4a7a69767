// SPDX-License-Identifier: MIT
#include "export/icalendar.h"

#include <chrono>

#include "engine/civildate.h"
#include "engine/numbertext.h"

namespace exports {
namespace {

// A content line is at most 75 octets with its CRLF; longer ones continue on
// lines that begin with a blank. The breaks are where libical puts them, so
// that files stay the same as those written before: the CRLF counts, a break
// comes after the last ';', ':' or blank within the first 74 octets, else
// before the last character that begins within the first 75, so that no
// UTF-8 sequence is split. Unlike libical it never splits the CRLF itself.
constexpr std::size_t kLineOctets = 75;

// The end of the segment that begins at `start` of `line` (CRLF included).
std::size_t BreakAfter(std::string_view line, std::size_t start) {
  const std::size_t left = line.size() - start;
  if (left < kLineOctets) return line.size();
  for (std::size_t pos = start + kLineOctets - 2; pos > start; --pos) {
    const char c = line[pos];
    if (c == ';' || c == ':' || c == ' ') return pos + 1;
  }
  for (std::size_t pos = start + kLineOctets - 1; pos > start; --pos) {
    const auto octet = static_cast<unsigned char>(line[pos]);
    if ((octet & 0x80) == 0 || (octet & 0xC0) == 0xC0) {
      return pos == line.size() - 1 ? pos - 1 : pos;  // before the CR, not between CR and LF
    }
  }
  return start + kLineOctets - 1;
}

// Appends one content line, folded, with its CRLF.
void AppendLine(std::string& out, std::string_view content) {
  std::string line(content);
  line += "\r\n";
  std::size_t start = 0;
  bool first = true;
  while (start < line.size()) {
    const std::size_t end = BreakAfter(line, start);
    if (!first) out += "\r\n ";
    first = false;
    out.append(line, start, end - start);
    start = end;
  }
}

enum class Escape {
  Text,      // TEXT values: backslash, ';', ',' and line breaks
  Listless,  // CATEGORIES and X- values: backslash and line breaks only
};

// The value as written: a line feed as "\n", a carriage return left out.
std::string Escaped(std::string_view text, Escape escape) {
  std::string out;
  out.reserve(text.size() + 8);
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        break;
      case ';':
      case ',':
        if (escape == Escape::Text) out += '\\';
        out += c;
        break;
      default:
        out += c;
    }
  }
  return out;
}

void AppendProperty(std::string& out, std::string_view name, std::string_view value) {
  std::string line(name);
  line += ':';
  line += value;
  AppendLine(out, line);
}

// A text property is left out when empty: readers refuse a property without
// a value.
void AppendText(std::string& out, std::string_view name, std::string_view text, Escape escape) {
  if (!text.empty()) AppendProperty(out, name, Escaped(text, escape));
}

std::string DateValue(const engine::CivilDate& date) {
  std::string text;
  engine::AppendZeroPadded(text, date.year, 4);
  engine::AppendZeroPadded(text, date.month, 2);
  engine::AppendZeroPadded(text, date.day, 2);
  return text;
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
  std::string out;
  out.reserve(512 + events.size() * 320);
  AppendLine(out, "BEGIN:VCALENDAR");
  AppendProperty(out, "PRODID", Escaped(kIcalProductId, Escape::Text));
  AppendLine(out, "VERSION:2.0");
  AppendLine(out, "CALSCALE:GREGORIAN");
  // Calendar programs show this name in their list of calendars.
  AppendProperty(out, "X-WR-CALNAME", Escaped(calendarName, Escape::Listless));

  std::string dtstamp = DateValue({stamp.year, stamp.month, stamp.day});
  dtstamp += 'T';
  engine::AppendZeroPadded(dtstamp, stamp.hour, 2);
  engine::AppendZeroPadded(dtstamp, stamp.minute, 2);
  engine::AppendZeroPadded(dtstamp, stamp.second, 2);
  dtstamp += 'Z';

  constexpr auto kGregorian = engine::CalendarKind::Gregorian;
  for (const engine::HolidayEvent& event : events) {
    AppendLine(out, "BEGIN:VEVENT");
    AppendProperty(out, "UID", Escaped(event.uid, Escape::Text));
    AppendProperty(out, "DTSTAMP", dtstamp);
    // The end is the next day, also after 31.12.3000: a date of RFC 5545
    // reaches to the year 9999.
    const engine::CivilDate end =
        engine::CivilDateOf(engine::DayNumberOf(event.date, kGregorian) + event.days, kGregorian);
    AppendProperty(out, "DTSTART;VALUE=DATE", DateValue(event.date));
    AppendProperty(out, "DTEND;VALUE=DATE", DateValue(end));
    AppendText(out, "SUMMARY", event.summary, Escape::Text);
    AppendText(out, "CATEGORIES", event.category, Escape::Listless);
    AppendText(out, "DESCRIPTION", event.description, Escape::Text);
    // A holiday is a fact of the day, not an appointment: free time.
    AppendLine(out, "TRANSP:TRANSPARENT");
    AppendLine(out, "END:VEVENT");
  }
  AppendLine(out, "END:VCALENDAR");
  return out;
}

}  // namespace exports

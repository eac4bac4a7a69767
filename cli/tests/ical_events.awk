# ical_events.awk FILE.ics: the all-day events of an iCalendar file as a
# calendar program must show them, read independently of the writer: content
# lines unfolded, texts unescaped, DTEND (or one day without it) exclusive.
#   view=stored (default): one line per VEVENT:
#     first day TAB last day TAB summary TAB description
#   view=days: one line per day of each VEVENT: day TAB summary
# Days are written YYYY-MM-DD. Anything the comparison cannot hold (an event
# that is not all-day, a text with a tab or line break, a summary with "|",
# which parts the fields of khal's lines, no events at all) ends the program
# with status 2 and a message on standard error.

function fail(why) {
  print FILENAME ": " why > "/dev/stderr"
  failed = 1
  exit 2
}

# Day numbers of the proleptic Gregorian calendar, for the exclusive end.
function day_number(y, m, d,    era, yoe, doy, doe) {
  if (m <= 2) y -= 1
  era = int(y / 400)
  yoe = y - era * 400
  doy = int((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5) + d - 1
  doe = yoe * 365 + int(yoe / 4) - int(yoe / 100) + doy
  return era * 146097 + doe
}

function day_text(n,    era, doe, yoe, doy, mp, d, m, y) {
  era = int(n / 146097)
  doe = n - era * 146097
  yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
  doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100))
  mp = int((5 * doy + 2) / 153)
  d = doy - int((153 * mp + 2) / 5) + 1
  m = mp + (mp < 10 ? 3 : -9)
  y = yoe + era * 400 + (m <= 2 ? 1 : 0)
  return sprintf("%04d-%02d-%02d", y, m, d)
}

# A DATE value YYYYMMDD as its day number; a day the month does not have is
# no date (a program might roll it over into the next month).
function date_value(text, what,    n) {
  if (text !~ /^[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]$/)
    fail(what " ist kein Datum: " text)
  n = day_number(substr(text, 1, 4) + 0, substr(text, 5, 2) + 0, substr(text, 7, 2) + 0)
  if (day_text(n) != substr(text, 1, 4) "-" substr(text, 5, 2) "-" substr(text, 7, 2))
    fail(what " ist kein Datum: " text)
  return n
}

# TEXT values: \\ \; \, and \n (or \N) stand for \ ; , and a line break.
function unescaped(text,    out, i, c, next_c) {
  out = ""
  for (i = 1; i <= length(text); i++) {
    c = substr(text, i, 1)
    if (c == "\\" && i < length(text)) {
      next_c = substr(text, ++i, 1)
      out = out ((next_c == "n" || next_c == "N") ? "\n" : next_c)
    } else {
      out = out c
    }
  }
  return out
}

# One unfolded content line: name, parameters (upper case, ";"-joined) and
# value, the value after the first colon outside quoted parameter values.
function take(line,    i, c, quoted, head) {
  quoted = 0
  for (i = 1; i <= length(line); i++) {
    c = substr(line, i, 1)
    if (c == "\"") quoted = !quoted
    else if (c == ":" && !quoted) break
  }
  head = substr(line, 1, i - 1)
  value = substr(line, i + 1)
  name = toupper(head)
  params = ""
  if (index(head, ";")) {
    name = toupper(substr(head, 1, index(head, ";") - 1))
    params = ";" toupper(substr(head, index(head, ";") + 1)) ";"
  }
}

function content_line(line) {
  take(line)
  if (name == "BEGIN") {
    if (in_event) depth++
    else if (toupper(value) == "VEVENT") {
      in_event = 1; depth = 0; start = ""; end = ""; summary = ""; has_summary = 0
      description = ""
    }
    return
  }
  if (name == "END" && in_event) {
    if (depth > 0) { depth--; return }
    finish_event()
    in_event = 0
    return
  }
  if (!in_event || depth > 0) return
  if (name == "DTSTART") {
    if (params !~ /;VALUE=DATE;/) fail("Termin nicht ganztägig: DTSTART" params ":" value)
    start = date_value(value, "DTSTART")
  } else if (name == "DTEND") {
    if (params !~ /;VALUE=DATE;/) fail("Ende nicht ganztägig: DTEND" params ":" value)
    end = date_value(value, "DTEND")
  } else if (name == "SUMMARY") {
    summary = unescaped(value)
    has_summary = 1
  } else if (name == "DESCRIPTION") {
    description = unescaped(value)
  }
}

function finish_event(    day) {
  if (start == "") fail("VEVENT ohne DTSTART")
  if (!has_summary) fail("VEVENT ohne SUMMARY")
  if (summary ~ /[\t\n|]/) fail("Titel mit Tabulator, Zeilenwechsel oder |: " summary)
  if (description ~ /[\t\n]/) fail("Beschreibung mit Tabulator oder Zeilenwechsel: " description)
  if (end == "") end = start + 1
  if (end <= start) fail("Ende nicht nach dem Anfang: " day_text(start))
  events++
  if (view == "days") {
    for (day = start; day < end; day++) print day_text(day) "\t" summary
  } else {
    print day_text(start) "\t" day_text(end - 1) "\t" summary "\t" description
  }
}

{
  sub(/\r$/, "")
  if ($0 ~ /^[ \t]/) {  # a folded line goes on after its first character
    pending = pending substr($0, 2)
    next
  }
  if (have_pending) content_line(pending)
  pending = $0
  have_pending = 1
}

END {
  if (failed) exit 2
  if (have_pending) content_line(pending)
  if (in_event) fail("VEVENT ohne END")
  if (events == 0) fail("keine Termine")
}

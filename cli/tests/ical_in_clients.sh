#!/usr/bin/env bash
# ical_in_clients.sh CLI CLIENT YEARS LAND [OPTION...]: writes the holidays of
# YEARS in LAND with `CLI ical`, imports the file into the calendar program
# CLIENT (khal or calcurse) and reads every event back from what it stored:
# each VEVENT of the file (first day, last day, title, description) must come
# back exactly once, nothing may be skipped, and the program may not warn. For a single
# year the program's day view must also show each event on its days only.
# Status 77 (skipped) when CLIENT is not installed. Everything the program
# writes stays in a temporary folder; HOME, the XDG folders and TMPDIR point
# there.
set -euo pipefail
cli="$1" client="$2" years="$3" land="$4"
shift 4
here="$(cd "$(dirname "$0")" && pwd)"
call="ical $years --land $land${*:+ $*}"

if ! command -v "$client" >/dev/null; then
  echo "$client ist nicht installiert: Test übersprungen (scripts/install-deps.sh installiert es)"
  exit 77
fi

# khal writes and syncs one file per event: on a disk a century takes a
# minute, in memory a few seconds.
parent="${TMPDIR:-/tmp}"
[[ -d /dev/shm && -w /dev/shm ]] && parent=/dev/shm
work="$(mktemp -d "$parent/raz-ical-$client.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/tmp"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache" TMPDIR="$work/tmp"
# All-day dates float; in UTC every program's day is the file's day.
# khal cuts its lines at the terminal's width, which a pipe does not have.
export TZ=UTC LC_ALL=C.UTF-8 COLUMNS=10000

"$cli" ical "$years" --land "$land" "$@" -o "$work/ours.ics" >/dev/null
events="$here/ical_events.awk"
awk -f "$events" "$work/ours.ics" | LC_ALL=C sort >"$work/expected"
count=$(wc -l <"$work/expected")
if [[ " $* " == *" --kw "* ]] && (($(cut -f3 "$work/expected" | grep -c '^KW [0-5][0-9]$') < 52)); then
  echo "\"$call\" schreibt keine 52 Wochentermine" >&2
  exit 1
fi
# The day views (khal list, calcurse -Q) walk every day past every event:
# seconds for a year, minutes for a century. Only a single year is also read
# by day.
by_day=false
if [[ "$years" =~ ^[0-9]+$ ]]; then
  by_day=true
  awk -v view=days -f "$events" "$work/ours.ics" | LC_ALL=C sort >"$work/expected-days"
  first=$(head -n1 "$work/expected-days" | cut -f1)
  last=$(tail -n1 "$work/expected-days" | cut -f1)
fi

# run WHAT OUT COMMAND...: COMMAND's output into OUT; it must succeed and
# write nothing to standard error.
run() {
  local what="$1" out="$2" status=0
  shift 2
  "$@" >"$out" 2>"$work/err" || status=$?
  if ((status != 0)) || [[ -s "$work/err" ]]; then
    echo "$client $what (Status $status) zu \"$call\":" >&2
    cat "$work/err" >&2
    head -n 20 "$out" >&2
    cat "$work/tmp"/calcurse_log.* >&2 2>/dev/null || true
    exit 1
  fi
}

# same WHAT EXPECTED GOT: the lists, sorted, must be equal, counts included.
same() {
  LC_ALL=C sort "$3" -o "$3"
  if ! diff -u "$2" "$3" >"$work/diff"; then
    echo "$client $1 zeigt andere Termine als \"$call\" schreibt" \
      "($(wc -l <"$2") erwartet, $(wc -l <"$3") gelesen):" >&2
    head -n 40 "$work/diff" >&2
    exit 1
  fi
}

case "$client" in
  khal)
    cat >"$work/khal.conf" <<EOF
[calendars]
[[feiertage]]
path = $work/calendar
type = calendar

[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = UTC
default_timezone = UTC

[sqlite]
path = $work/data/khal.db
EOF
    mkdir "$work/calendar"
    khal=(khal -c "$work/khal.conf")
    run "import" "$work/out" "${khal[@]}" import --batch -a feiertage "$work/ours.ics"
    # One file per stored event, named after its UID: fewer files would mean
    # that two events share one and the second replaced the first.
    files=$(find "$work/calendar" -name '*.ics' | wc -l)
    if ((files != count)); then
      echo "khal hat $files von $count Terminen aus \"$call\" gespeichert" >&2
      exit 1
    fi
    # search '' finds every stored event once; the end-date of an all-day
    # event is its last day. khal turns tabs into blanks: "|" parts the
    # fields (no title has one), the description last.
    run "search" "$work/search" "${khal[@]}" search \
      -f '{start-date}|{end-date}|{title}|{description}' ''
    sed -E 's/^([0-9-]+)\|([0-9-]+)\|([^|]*)\|/\1\t\2\t\3\t/' "$work/search" >"$work/got"
    same "search" "$work/expected" "$work/got"
    if $by_day; then
      run "list" "$work/list" "${khal[@]}" list -df '={date}' -f '>{title}' "$first" "$last"
      awk '/^=/ { day = substr($0, 2); next } /^>/ { print day "\t" substr($0, 2); next }
        { print "unerwartete Zeile: " $0 }' "$work/list" >"$work/got-days"
      same "list" "$work/expected-days" "$work/got-days"
    fi
    ;;
  calcurse)
    data="$work/calcurse"
    mkdir "$data"
    run "-i" "$work/out" calcurse -D "$data" -i "$work/ours.ics"
    # "0 apps / 98 events / 0 todos / 0 skipped": all-day events are events.
    want="0 apps / $count events / 0 todos / 0 skipped"
    ((count == 1)) && want="0 apps / 1 event / 0 todos / 0 skipped"
    if ! grep -qxF "$want" "$work/out"; then
      echo "calcurse -i zu \"$call\": erwartet \"$want\", gemeldet:" >&2
      cat "$work/out" "$work/tmp"/calcurse_log.* >&2 2>/dev/null || true
      exit 1
    fi
    # -G prints every stored item in calcurse's file format: "MM/DD/YYYY
    # [1] >NOTE TITLE"; an event over several days repeats daily: "[1]
    # {1D -> MM/DD/YYYY} ...". The file notes/NOTE holds the description,
    # and after a line "-- " what calcurse remarks on the import.
    run "-G" "$work/grep" calcurse -D "$data" -G
    awk -v notes="$data/notes" '
         function iso(d) { return substr(d, 7, 4) "-" substr(d, 1, 2) "-" substr(d, 4, 2) }
         function note(hash,    file, line, text, lines) {
           file = notes "/" hash
           text = ""; lines = 0
           while ((getline line <file) > 0 && line != "-- ") text = text (lines++ ? "\n" : "") line
           close(file)
           return text
         }
         match($0, /^[0-9][0-9]\/[0-9][0-9]\/[0-9][0-9][0-9][0-9] \[1\] /) {
           first = iso($0); last = first
           rest = substr($0, RLENGTH + 1)
           if (match(rest, /^\{1D -> [0-9][0-9]\/[0-9][0-9]\/[0-9][0-9][0-9][0-9]\} /)) {
             last = iso(substr(rest, 8, 10))
             rest = substr(rest, RLENGTH + 1)
           }
           description = ""
           if (match(rest, /^>[0-9a-f]+ /)) {
             description = note(substr(rest, 2, RLENGTH - 2))
             rest = substr(rest, RLENGTH + 1)
           }
           print first "\t" last "\t" rest "\t" description
           next
         }
         { print "unerwartete Zeile: " $0 }' "$work/grep" >"$work/got"
    same "-G" "$work/expected" "$work/got"
    if $by_day; then
      run "-Q" "$work/query" calcurse -D "$data" -Q --input-datefmt 4 --output-datefmt '%Y-%m-%d' \
        --from "$first" --to "$last" --format-event $'>%m\n' --format-recur-event $'>%m\n'
      awk '/^[0-9]+-[0-9]+-[0-9]+:$/ { day = substr($0, 1, length($0) - 1); next } /^$/ { next }
        /^>/ { print day "\t" substr($0, 2); next } { print "unerwartete Zeile: " $0 }' \
        "$work/query" >"$work/got-days"
      same "-Q" "$work/expected-days" "$work/got-days"
    fi
    ;;
  *)
    echo "unbekanntes Kalenderprogramm: $client" >&2
    exit 2
    ;;
esac
echo "$client: alle $count Termine aus \"$call\" gelesen"

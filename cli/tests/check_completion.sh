#!/usr/bin/env bash
# Drives the generated bash completion as bash would on Tab: the words of
# the line in COMP_WORDS, the function, then what it offers in COMPREPLY.
set -euo pipefail
completion="$1"

offers() {
  bash --norc --noprofile -c '
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    _razaduvovi_cli
    ((${#COMPREPLY[@]} == 0)) || printf "%s\n" "${COMPREPLY[@]}"' bash "$completion" "$@" | sort | tr '\n' ' '
}

failures=0
expect() {
  local want="$1"; shift
  local got
  got="$(offers "$@")"
  if [[ "$got" != "$want" ]]; then
    echo "razaduvovi-cli ${*:2} <Tab>: erwartet \"$want\", erhalten \"$got\"" >&2
    failures=$((failures + 1))
  fi
}

# The completion is registered for the program.
bash --norc --noprofile -c 'source "$1"; complete -p razaduvovi-cli' bash "$completion" |
  grep -q -- '-F _razaduvovi_cli razaduvovi-cli'

expect "tag " razaduvovi-cli ta                          # a command
expect "uhr " razaduvovi-cli u
expect "--methode " razaduvovi-cli zins 1000 4,5 --me   # an option of that command
expect "--ausgabe --ferien --gesetzlich --help --kw --land " razaduvovi-cli ical 2026 -l D-BY --
expect "Bayern " razaduvovi-cli tag --land Bay          # a region name
expect "D-BB D-BE D-BW D-BY " razaduvovi-cli tag -l D-B  # region codes
expect 'Berlin Berlin\ \(Ost\) Berlin\ \(West\) ' razaduvovi-cli feiertage 2026 --land Ber
expect "0 1 10 11 3 4 5 6 7 8 9 " razaduvovi-cli zinstage 01.01.2026 01.07.2026 --methode ""
expect "G J " razaduvovi-cli tag -k ""
expect "" razaduvovi-cli isin 5557                       # free values get nothing
exit $((failures > 0))

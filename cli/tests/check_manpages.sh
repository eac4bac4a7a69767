#!/usr/bin/env bash
# The generated manual pages render without a warning, as lintian and man
# read them, and name every command the program's help lists.
set -euo pipefail
docs="$1"
cli="$2"
if ! command -v man >/dev/null || ! command -v groff >/dev/null; then
  echo "man oder groff ist nicht installiert: Test übersprungen (scripts/install-deps.sh)"
  exit 77
fi
for page in "$docs"/razaduvovi-cli.1.gz "$docs"/razaduvovi.1.gz; do
  warnings="$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  warnings+="$(zcat "$page" | preconv | groff -ww -man -Tutf8 -z 2>&1)"
  if [[ -n "$warnings" ]]; then
    echo "$page: $warnings" >&2
    exit 1
  fi
  # The whatis line: what apropos and lintian read from the NAME section.
  lexgrog "$page" | grep -q ' - ' || { echo "$page: kein NAME-Eintrag" >&2; exit 1; }
done
text="$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$docs/razaduvovi-cli.1.gz" 2>/dev/null)"
missing=0
while read -r command; do
  if ! grep -q "razaduvovi-cli $command \[OPTIONEN\]" <<<"$text"; then
    echo "Befehl $command fehlt in razaduvovi-cli(1)" >&2
    missing=1
  fi
done < <("$cli" --help | sed -n '/^Befehle:/,$p' | awk 'NR > 1 && /^  [a-z]/ {print $1}')
exit "$missing"

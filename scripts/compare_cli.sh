#!/usr/bin/env bash
# compare_cli.sh ALT NEU: whether two razaduvovi-cli binaries answer the fixed
# questions of cli_answers.sh byte for byte alike. Prints "N Aufrufe, keine
# Abweichung" and exits 0, or the first lines of the difference and exits 1.
set -euo pipefail

if (($# != 2)); then
  echo "Aufruf: $0 ALTES-RAZADUVOVI-CLI NEUES-RAZADUVOVI-CLI" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# answers BIN FILE: cli_answers.sh's record; its last line on stderr is the
# count "N Aufrufe", anything else there is a reason to stop.
answers() {
  if ! "$here/cli_answers.sh" "$1" "$2" 2>"$2.log" || [[ $(wc -l <"$2.log") != 1 ]]; then
    cat "$2.log" >&2
    exit 2
  fi
  read -r calls _ <"$2.log"
}
answers "$1" "$work/alt"
answers "$2" "$work/neu"

if cmp -s "$work/alt" "$work/neu"; then
  echo "$calls Aufrufe, keine Abweichung"
  exit 0
fi
echo "$calls Aufrufe, Abweichungen (die ersten 50 Zeilen):"
diff -u --label "$1" --label "$2" "$work/alt" "$work/neu" | head -n 50 || true
exit 1

#!/usr/bin/env bash
# The clock and "today" of the command line are the legal time of the region,
# whatever zone the machine is set to: the same answers under three TZ
# settings, and UTC as the machine's clock tells it.
set -euo pipefail
cli="$1"
zones=(UTC America/New_York Europe/Berlin Asia/Tokyo)

answers() {
  for zone in "${zones[@]}"; do
    TZ="$zone" "$cli" "$@"
    echo "--"
  done
}

same_in_every_zone() {
  # A second may turn between two calls; three tries are plenty.
  for _ in 1 2 3; do
    local all first
    all="$(answers "$@")"
    first="$(TZ=UTC "$cli" "$@")"
    if [[ "$all" == "$(for _ in "${zones[@]}"; do echo "$first"; echo "--"; done)" ]]; then
      return 0
    fi
  done
  echo "Unterschiedliche Antworten je TZ für: $*" >&2
  answers "$@" >&2
  return 1
}

same_in_every_zone uhr --land D-NI
same_in_every_zone uhr --land A-W --json
same_in_every_zone tag --land D-BY
same_in_every_zone monat

# The UTC row is the machine's UTC, the legal time one or two hours later.
for _ in 1 2 3; do
  json="$(TZ=America/New_York "$cli" uhr --json)"
  utc="$(date -u +%H:%M:%S)"
  [[ "$json" == *"\"utc\": \"$utc\""* ]] && exit 0
done
echo "UTC der Uhr weicht von der Systemuhr ab ($utc): $json" >&2
exit 1

#!/usr/bin/env bash
# Whole process against whole process: the legal holidays of Bavaria for
# 1600..3000 from razaduvovi-cli, from Debian's python3-holidays and from the
# npm package date-holidays, and the description of one day; each time the
# median of RUNS runs (default 10), with the peak resident size of both
# razaduvovi-cli calls and the goals they are held to. Installs the two peers
# and GNU time on first use (the npm package into build/peers, never into the
# project).
#
# CLI=path/to/razaduvovi-cli measures that binary and builds nothing, so that
# an older build can be measured beside the current one.
set -euo pipefail
if [[ -n ${CLI:-} ]]; then
  [[ -f $CLI && -x $CLI ]] || { echo "CLI=\"$CLI\" ist kein ausführbares Programm." >&2; exit 2; }
  cli=$(realpath "$CLI")
fi
cd "$(dirname "$0")/.."
if [[ -z ${CLI:-} ]]; then
  scripts/build.sh >/dev/null
  cli=$PWD/build/bin/razaduvovi-cli
fi
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
for package in python3-holidays time; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    "${sudo[@]}" apt-get install -y -qq "$package" >/dev/null
done
mkdir -p build/peers
[[ -d build/peers/node_modules/date-holidays ]] ||
  npm install --prefix build/peers --silent --no-audit --no-fund date-holidays >/dev/null

runs="${RUNS:-10}"
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 1)); then
  echo "RUNS=\"$runs\" ist keine Anzahl." >&2
  exit 2
fi
runs=$((10#$runs))
export LC_ALL=C  # a point in EPOCHREALTIME and in the printed figures

# measure NAME COMMAND...: the median wall time of $runs runs in microseconds
# into median[NAME], read from the shell's own clock (EPOCHREALTIME), so that
# no process is started around the one measured. The first run is not
# counted: it only fills the caches.
declare -A median
measure() {
  local name=$1 start end times=() sorted
  shift
  "$@" >/dev/null
  for ((run = 0; run < runs; ++run)); do
    start=${EPOCHREALTIME//[!0-9]/}
    "$@" >/dev/null
    end=${EPOCHREALTIME//[!0-9]/}
    times+=($((10#$end - 10#$start)))
  done
  mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
  local middle=$((runs / 2))
  if ((runs % 2)); then
    median[$name]=${sorted[middle]}
  else
    median[$name]=$(((sorted[middle - 1] + sorted[middle]) / 2))
  fi
}

ms() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }  # microseconds as milliseconds
verdict() { if (($1)); then echo erreicht; else echo verfehlt; fi; }

holidays=(feiertage 1600-3000 --land D-BY --gesetzlich --json)
day=(tag 09.12.2026)
measure tag "$cli" "${day[@]}"
measure razaduvovi "$cli" "${holidays[@]}"
measure python-holidays /usr/bin/python3 -c \
  "import holidays; h = holidays.DE(prov='BY', years=range(1600, 3001)); print(len(h))"
measure date-holidays node -e "
  const Holidays = require('$PWD/build/peers/node_modules/date-holidays');
  const hd = new Holidays('DE', 'BY'); let n = 0;
  for (let y = 1600; y <= 3000; ++y) n += hd.getHolidays(y).filter(h => h.type === 'public').length;
  console.log(n);"

# Peak resident size in kB, the largest of three runs.
peak_kb() {
  local best=0 kb
  for _ in 1 2 3; do
    kb=$(/usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1)
    ((kb > best)) && best=$kb
  done
  echo "$best"
}
rss_tag=$(peak_kb "$cli" "${day[@]}")
rss_holidays=$(peak_kb "$cli" "${holidays[@]}")

tag_us=${median[tag]}
holidays_us=${median[razaduvovi]}
echo "razaduvovi-cli: $cli"
echo "Median aus $runs Läufen je Aufruf (ganzer Prozess):"
printf '  %-68s %10s ms   Ziel <= 5 ms: %s\n' "razaduvovi-cli ${day[*]}" \
  "$(ms "$tag_us")" "$(verdict $((tag_us <= 5000)))"
printf '  %-68s %10s ms   Ziel <= 10 ms: %s\n' "razaduvovi-cli ${holidays[*]}" \
  "$(ms "$holidays_us")" "$(verdict $((holidays_us <= 10000)))"
printf '  %-68s %10s ms\n' "python-holidays (DE, BY, 1600-3000)" "$(ms "${median[python-holidays]}")"
printf '  %-68s %10s ms\n' "date-holidays (DE, BY, 1600-3000)" "$(ms "${median[date-holidays]}")"
ours=$((holidays_us > 0 ? holidays_us : 1))
for peer in python-holidays date-holidays; do
  peer_us=${median[$peer]}
  ratio=$((peer_us * 10 / ours))  # in tenths
  goal=""
  [[ $peer == python-holidays ]] && goal="   Ziel >= 10x: $(verdict $((ratio >= 100)))"
  printf '  %-68s %8d.%dx%s\n' "$peer / razaduvovi" $((ratio / 10)) $((ratio % 10)) "$goal"
done
echo "Höchster belegter Speicher (peak RSS):"
printf '  %-68s %10s kB   Ziel <= 8192 kB: %s\n' "razaduvovi-cli ${day[*]}" "$rss_tag" \
  "$(verdict $((rss_tag <= 8192)))"
printf '  %-68s %10s kB   Ziel <= 8192 kB: %s\n' "razaduvovi-cli ${holidays[*]}" "$rss_holidays" \
  "$(verdict $((rss_holidays <= 8192)))"

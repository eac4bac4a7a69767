#!/usr/bin/env bash
# Whole process against whole process: the legal holidays of Bavaria for
# 1600..3000 from razaduvovi-cli, from Debian's python3-holidays and from the
# npm package date-holidays. Installs the two peers on first use (the npm
# package into build/peers, never into the project).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
dpkg-query -W -f='${Status}' python3-holidays 2>/dev/null | grep -q 'install ok installed' ||
  "${sudo[@]}" apt-get install -y -qq python3-holidays >/dev/null
mkdir -p build/peers
[[ -d build/peers/node_modules/date-holidays ]] ||
  npm install --prefix build/peers --silent --no-audit --no-fund date-holidays >/dev/null

runs="${RUNS:-5}"
measure() {  # name, command...: the best wall time of $runs runs in seconds
  local name="$1" best="" t
  shift
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    if [[ -z "$best" ]] || (( $(echo "$t < $best" | bc -l) )); then best="$t"; fi
  done
  printf '%-16s %8.3f s\n' "$name" "$best"
  echo "$best" >"build/peers/$name.time"
}

measure razaduvovi build/bin/razaduvovi-cli feiertage 1600-3000 --land D-BY --gesetzlich --json
measure python-holidays /usr/bin/python3 -c \
  "import holidays; h = holidays.DE(prov='BY', years=range(1600, 3001)); print(len(h))"
measure date-holidays node -e "
  const Holidays = require('$PWD/build/peers/node_modules/date-holidays');
  const hd = new Holidays('DE', 'BY'); let n = 0;
  for (let y = 1600; y <= 3000; ++y) n += hd.getHolidays(y).filter(h => h.type === 'public').length;
  console.log(n);"
ours=$(cat build/peers/razaduvovi.time)
for peer in python-holidays date-holidays; do
  printf '%s / razaduvovi: %.1f times\n' "$peer" "$(echo "$(cat "build/peers/$peer.time") / $ours" | bc -l)"
done
echo "peak resident size of razaduvovi-cli:"
/usr/bin/time -f '%M kB' build/bin/razaduvovi-cli feiertage 1600-3000 --land D-BY --gesetzlich --json 2>&1 >/dev/null

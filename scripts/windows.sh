#!/usr/bin/env bash
# windows.sh [ANZAHL]: the engine and the command line for 64-bit Windows.
#
# Cross-builds in build-windows/ (MinGW-w64, cmake/mingw-w64-x86_64.cmake,
# statically linked) the engine's, the date entry's, the launcher's and the
# command line's GoogleTest programs and razaduvovi-cli.exe, and runs them
# under Wine in a prefix of its own:
#   - every GoogleTest program;
#   - scripts/cli_answers.sh against the .exe and against the native
#     razaduvovi-cli of build/: both files must be equal byte for byte (exit
#     codes, stdout, stderr, written files). The rule for line ends: the
#     command line writes "\n" on every system, also on Windows, where its
#     streams are binary; nothing is normalised;
#   - two answers through cmd.exe and in a console (a pseudo terminal),
#     whose code page (437) would show the UTF-8 bytes of "§" and umlauts
#     as "┬º" and "├ñ": the program writes UTF-16 to a console instead.
# ANZAHL: only the first ANZAHL calls of cli_answers.sh (all when not given).
# The year calendar needs the Qt print program, which the Windows build does
# not have: both programs are asked without it and refuse alike.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
limit=${1:-}
started=$SECONDS
elapsed() { echo "$((SECONDS - started)) s"; }

# ---------------------------------------------------------------- the builds

# The toolchain is given to a new folder only: CMake keeps it and warns when
# it is given again.
toolchain=()
[[ -f build-windows/CMakeCache.txt ]] || toolchain=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake)
cmake -S . -B build-windows -G Ninja "${toolchain[@]}" -DRAZ_ENGINE_ONLY=ON -DRAZ_BENCH=OFF \
  -DRAZ_WERROR=ON >/dev/null
tests=(engine_tests dateentry_tests launch_tests cli_tests)
cmake --build build-windows -j "$(nproc)" --target razaduvovi-cli launch_probe "${tests[@]}"
# The native program to compare with, in build/ as scripts/build.sh makes
# it (in CI scripts/test.sh has built it already).
cmake -S . -B build -G Ninja -DRAZ_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target razaduvovi-cli
echo "Gebaut nach $(elapsed)."

exe=$root/build-windows/bin/razaduvovi-cli.exe
# Nothing but the system's own DLLs: the program runs on a bare Windows.
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort -u)
for dll in $imports; do
  case ${dll,,} in
    kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll | shell32.dll | api-ms-win-*) ;;
    *)
      echo "razaduvovi-cli.exe braucht $dll, das ein Windows nicht mitbringt." >&2
      exit 1
      ;;
  esac
done

# ---------------------------------------------------------------- Wine

wine=$(command -v wine64 || true)
[[ -z $wine && -x /usr/lib/wine/wine64 ]] && wine=/usr/lib/wine/wine64
[[ -z $wine ]] && wine=$(command -v wine || true)
if [[ -z $wine ]]; then
  echo "Wine fehlt (scripts/install-deps.sh --dev installiert es)." >&2
  exit 1
fi
wineserver=$(command -v wineserver || echo "$(dirname "$wine")/wineserver")
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64
# No Mono and no Gecko: their installers would be offered at the first start.
export WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
before=$SECONDS
# One server for the whole run rather than one started for each call.
mkdir -p "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot --init >/dev/null 2>&1
echo "Wine-Umgebung angelegt in $((SECONDS - before)) s."

# ---------------------------------------------------------------- the tests

passed=0
for t in "${tests[@]}"; do
  log=$work/$t.log
  # A start that Wine ended before the program wrote a line is tried again
  # (see the answers below).
  for try in 1 2 3; do
    rc=0
    "$wine" "$root/build-windows/bin/$t.exe" --gtest_brief=1 >"$log" 2>&1 || rc=$?
    [[ $rc -ne 1 || -s $log ]] && break
  done
  if ((rc != 0)); then
    cat "$log"
    echo "$t.exe ist unter Wine gescheitert." >&2
    exit 1
  fi
  count=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log" | tr -d '\r')
  if [[ -z $count ]]; then
    cat "$log"
    echo "$t.exe hat keine Zahl bestandener Tests gemeldet." >&2
    exit 1
  fi
  echo "$t.exe: $count Tests bestanden."
  passed=$((passed + count))
done
echo "Unter Wine: $passed Tests bestanden ($(elapsed))."

# ---------------------------------------------------------------- the answers

# Each program alone in a folder: neither finds a print program beside it.
mkdir -p "$work/linux" "$work/windows"
cp build/bin/razaduvovi-cli "$work/linux/razaduvovi-cli"
cp "$exe" "$work/windows/razaduvovi-cli.exe"
# Wine now and then ends a start with exit code 1 before the program ran,
# having written nothing (the program itself never exits with 1 silently: it
# says "Interner Fehler"). Such a start is tried again, at most twice, and
# counted; more than a few of them fail the run.
cat >"$work/windows/razaduvovi-cli" <<EOF
#!/bin/sh
for try in 1 2 3; do
  "$wine" "$work/windows/razaduvovi-cli.exe" "\$@" >"$work/windows/o" 2>"$work/windows/e"
  rc=\$?
  if [ \$rc -ne 1 ] || [ -s "$work/windows/o" ] || [ -s "$work/windows/e" ]; then break; fi
  echo "\$*" >>"$work/windows/retried"
done
cat "$work/windows/o"
cat "$work/windows/e" >&2
exit \$rc
EOF
chmod +x "$work/windows/razaduvovi-cli"

# answers PROGRAM FILE: cli_answers.sh's record (the first ANZAHL calls).
answers() {
  local program=$1
  if [[ -n $limit ]]; then
    # A program that answers the first calls and then only "gezählt".
    cat >"$program.limited" <<EOF
#!/bin/sh
n=\$(cat "$program.count" 2>/dev/null || echo 0)
echo \$((n + 1)) >"$program.count"
[ "\$n" -lt $limit ] && exec "$program" "\$@"
echo gezählt
EOF
    chmod +x "$program.limited"
    program=$program.limited
  fi
  if ! scripts/cli_answers.sh "$program" "$2" 2>"$2.log"; then
    cat "$2.log" >&2
    exit 1
  fi
}
before=$SECONDS
answers "$work/linux/razaduvovi-cli" "$work/linux.txt"
answers "$work/windows/razaduvovi-cli" "$work/windows.txt"
calls=$(grep -c '^=== razaduvovi-cli' "$work/linux.txt")
[[ -n $limit ]] && ((calls > limit)) && calls=$limit
if ! cmp -s "$work/linux.txt" "$work/windows.txt"; then
  echo "Die Antworten unter Windows weichen ab (die ersten 60 Zeilen):" >&2
  diff -u --label Linux --label Windows "$work/linux.txt" "$work/windows.txt" | head -n 60 >&2
  exit 1
fi
if ((calls < 200)); then
  echo "Nur $calls Antworten verglichen, zu wenige." >&2
  exit 1
fi
retried=0
[[ -f $work/windows/retried ]] && retried=$(wc -l <"$work/windows/retried")
if ((retried > 5)); then
  echo "Wine hat $retried Starts ohne Ausgabe mit 1 beendet:" >&2
  head "$work/windows/retried" >&2
  exit 1
fi
echo "$calls Antworten von Linux und Windows verglichen, keine Abweichung ($((SECONDS - before)) s;" \
  "von Wine $retried Starts wiederholt)."
((retried == 0)) || sed 's/^/  wiederholt: razaduvovi-cli /' "$work/windows/retried"

# ---------------------------------------------------------------- cmd.exe and a console

# The deadline text has "§" and umlauts; the holidays of a century are
# written in many pieces, umlauts among them.
probes=("frist 31.01.2023 --land D-BY --text" "feiertage 1600-1700 --land D-BY")
cd "$work/windows"
for probe in "${probes[@]}"; do
  # shellcheck disable=SC2086 # the probe is split into its arguments
  expected=$("$work/linux/razaduvovi-cli" $probe)
  grep -q '[äöüÄÖÜ]' <<<"$expected" || { echo "Die Probe \"$probe\" hat keine Umlaute." >&2; exit 1; }
  through_cmd=$("$wine" cmd /c "razaduvovi-cli.exe $probe" 2>&1)
  if [[ $through_cmd != "$expected" ]]; then
    diff -u --label Linux --label cmd.exe <(echo "$expected") <(echo "$through_cmd") | head -n 20 >&2
    echo "Durch cmd.exe weicht die Antwort auf \"$probe\" ab." >&2
    exit 1
  fi
  # In a pseudo terminal Wine gives the program a console, which turns bytes
  # into characters by its code page, 437: "§" and "ä" arrive whole only
  # because the program writes UTF-16 to a console. The terminal ends lines
  # with "\r\n" and Wine's console adds control sequences of its own: both
  # are removed before comparing.
  console=$(script -qec "\"$wine\" razaduvovi-cli.exe $probe" /dev/null </dev/null |
    sed -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\x1b\][^\x07]*\x07//g' | tr -d '\r')
  if [[ $console != "$expected" ]]; then
    diff -u --label Linux --label Konsole <(echo "$expected") <(echo "$console") | head -n 20 >&2
    echo "In der Konsole weicht die Antwort auf \"$probe\" ab." >&2
    exit 1
  fi
done
echo "Durch cmd.exe und in einer Konsole gleich, \"§\" und Umlaute wie unter Linux."
echo "Windows: $passed Tests, $calls Antworten gleich, in $(elapsed)."

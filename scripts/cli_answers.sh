#!/usr/bin/env bash
# cli_answers.sh RAZADUVOVI-CLI AUSGABEDATEI
#
# Asks a razaduvovi-cli the same fixed list of questions, every command with
# most of its options, good and bad input, and writes each answer (arguments,
# exit code, stdout, stderr, byte for byte) into one file. Two binaries that
# give the same file answer alike, so a rebuild or a restructuring of the
# sources can be checked against the program before it (compare_cli.sh).
#
# The file does not depend on the clock: every date is given, "monat" always
# gets its month and "uhr" its day, the DTSTAMP lines of iCalendar output are
# normalised, and the temporary folder of the calls that write files shows as
# @TMP@.
set -uo pipefail

if (($# != 2)); then
  echo "Aufruf: $0 RAZADUVOVI-CLI AUSGABEDATEI" >&2
  exit 2
fi
bin=$1
out=$2
if [[ ! -x $bin ]]; then
  echo "\"$bin\" ist kein ausführbares Programm." >&2
  exit 2
fi
[[ $bin == */* ]] || bin=./$bin

# Bash itself counts bytes (C locale); the program gets a fixed UTF-8 locale and
# zone, so that the answers depend on nothing but the binary.
export LC_ALL=C
unset LANG LANGUAGE
export TZ=Europe/Berlin

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$out" || exit 2
calls=0

# The contents of a file into the variable text, byte for byte; a NUL byte,
# which no text answer should hold, is shown escaped rather than lost.
slurp() {
  if IFS= read -r -d '' text <"$1"; then
    text=$(od -An -c -v "$1")
    text="(enthält NUL-Bytes)"$'\n'"$text"$'\n'
  fi
}

# record SHOWN EXIT: the record of the call just made, from $work/o and $work/e.
record() {
  local shown=$1 rc=$2 stdout stderr
  slurp "$work/o"
  stdout=${text//"$work"/@TMP@}
  slurp "$work/e"
  stderr=${text//"$work"/@TMP@}
  printf '=== razaduvovi-cli %s\n--- Exit %d\n--- stdout %d Bytes\n%s\n--- stderr %d Bytes\n%s\n' \
    "$shown" "$rc" "${#stdout}" "$stdout" "${#stderr}" "$stderr" >>"$out"
  calls=$((calls + 1))
}

# quote ARGS...: the arguments as a shell would take them, into shown;
# umlauts stay readable.
quote() {
  local LC_ALL=C.UTF-8
  printf -v shown '%q ' "$@"
  shown=${shown% }
}

# c ARGS...: one call. The token @TMP@ in an argument stands for the
# temporary folder; the record shows the token, not the folder.
c() {
  local args=("$@") shown i
  for i in "${!args[@]}"; do args[i]=${args[i]//@TMP@/$work}; done
  quote "$@"
  LC_ALL=C.UTF-8 "$bin" "${args[@]}" >"$work/o" 2>"$work/e"
  record "$shown" $?
}

# The iCalendar stamp is the moment of writing; everything else is fixed.
normalise_stamp() {
  sed -E 's/^DTSTAMP[^\r]*/DTSTAMP:normalisiert/' "$1" >"$1.n" && mv "$1.n" "$1"
}

# ci ARGS...: an ical call to standard output.
ci() {
  local shown
  quote "$@"
  LC_ALL=C.UTF-8 "$bin" "$@" >"$work/o" 2>"$work/e"
  local rc=$?
  normalise_stamp "$work/o"
  record "$shown" "$rc"
}

# cf FILE ARGS...: a call that writes FILE (a name inside @TMP@); its content
# follows the record, the DTSTAMP lines normalised.
cf() {
  local file=$1
  shift
  rm -f "${work:?}/$file"
  c "$@"
  if [[ -f $work/$file ]]; then
    normalise_stamp "$work/$file"
    slurp "$work/$file"
    printf -- '--- Datei @TMP@/%s %d Bytes\n%s\n' "$file" "${#text}" "$text" >>"$out"
  else
    printf -- '--- Datei @TMP@/%s fehlt\n' "$file" >>"$out"
  fi
}

# ---------------------------------------------------------------- the tables

good_dates=(01.01.0001 02.01.0001 03.01.0001 29.02.0004 01.03.0004 15.03.0044 31.12.0099
  01.03.0325 25.12.0800 01.01.1000 29.02.1500 04.10.1582 05.10.1582 14.10.1582 15.10.1582
  24.02.1700 29.02.1700 01.03.1700 01.04.1893 31.12.1899 01.01.1900 30.04.1916 01.04.1940
  24.05.1945 11.05.1947 18.06.1949 06.04.1980 03.10.1990 29.02.2000 30.03.2024 31.03.2024
  03.10.2024 31.12.2024 09.12.2026 29.02.2100 31.12.2299 01.01.2300 29.02.2400 31.12.2999
  01.01.3000 10.12.3000 11.12.3000 31.12.3000)
bad_dates=(00.01.2000 32.01.2000 31.02.2003 29.02.2023 29.02.1900 31.04.2024 01.13.2000
  01.00.2000 01.01.0000 31.12.0000 01.01.3001 31.12.9999 1.1.2000 01.1.2000 2000-01-01
  01-01-2000 01/01/2000 01.01.20 01.01.02000 '' abc 'ä.ö.ü' 'Mä.rz.2024' 01.01.2000x
  ' 01.01.2000' '01.01.2000 ' +1.01.2000 -1.01.2000 TT.MM.JJJJ)
# Dates the working-day and deadline pages care for: weekends, Easter,
# regional holidays, the ends of months and of the range.
work_dates=(01.01.2024 04.01.2020 29.03.2024 30.03.2024 31.03.2024 30.04.2024 08.05.2024
  15.08.2024 31.10.2024 01.11.2024 20.11.2024 24.12.2024 31.01.2023 28.02.2023 31.08.2026
  06.01.1950 17.06.1960 31.12.2999 30.12.3000 31.12.3000 01.01.1583 15.10.1582 01.01.0001)
regions=(D-BW D-BY D-BE D-BB D-HB D-HH D-HE D-MV D-NI D-NW D-RP D-SL D-SN D-ST D-SH D-TH
  D-OB D-WB A-B A-K A-NÖ A-OÖ A-S A-ST A-T A-V A-W Bayern Niedersachsen bayern NIEDERSACHSEN
  Baden-Württemberg Thüringen THÜRINGEN Kärnten Niederösterreich Wien 'Berlin (Ost)'
  'berlin (west)' d-by a-w a-nö HR hr HR-21 HR-01 DK dk DK-84 DK-81)
bad_regions=('' X D D-XX D-NIE A-NO A-OE Bavaria Thueringen CH NL 'Bayern ' ' D-BY' Ö D_BY
  HRX DKK)
years=(1 2 100 325 1000 1582 1583 1700 1871 1900 1918 1933 1945 1946 1949 1950 1990 1991
  1995 2024 2026 2299 2300 2999 3000)
bad_years=(0 3001 -1 abc '' 2024- -2024 2026-2024 0-10 1-3001 '2024 - 2026' 2024-2026-2028
  1e3 20.24 +2024 2024x ' 2024' ä)
# every STEP FIRST VALUES...: every STEP-th of the values from the FIRST-th
# (counted from 0) into the array picked.
every() {
  local step=$1 first=$2 k
  shift 2
  local values=("$@")
  picked=()
  for ((k = first; k < ${#values[@]}; k += step)); do picked+=("${values[k]}"); done
}
# A region for the i-th call of a loop, so that loops over dates also walk
# through the regions.
region_at() { r=${regions[$(($1 % ${#regions[@]}))]}; }

# ---------------------------------------------------------------- the program

c
c --help
c -h
c --version
c --help-all
c gibtsnicht
c ''
c --json
c --land D-BY
c Jd 01.01.2000
c JD 01.01.2000
c jd --version
commands=(jd datum tag pruefe feiertage monat ostern formate runden zinstage zeit frist
  werktag zeitraum uhr arbeitszeit isin zins prozent euro valuta verschiebe ical
  jahreskalender)
for command in "${commands[@]}"; do
  c "$command" --help
  c "$command" -h
  # "monat" alone is the month of today, "uhr" alone the clock to the second.
  [[ $command != monat && $command != uhr ]] && c "$command"
  c "$command" --gibtsnicht
done

# ---------------------------------------------------------------- jd, datum

i=0
for d in "${good_dates[@]}"; do
  c jd "$d"
  c jd "$d" -k J
  if ((i % 2 == 0)); then c jd "$d" --json; else c jd "$d" --kalender J --json; fi
  i=$((i + 1))
done
for d in "${bad_dates[@]}"; do c jd "$d"; done
for d in "${bad_dates[@]:0:6}"; do c jd "$d" --kalender J --json; done
c jd 01.01.2000 --kalender X
c jd 01.01.2000 --kalender ''
c jd 01.01.2000 --kalender g
c jd 01.01.2000 --kalender j
c jd 01.01.2000 --kalender gregorianisch
c jd 01.01.2000 --kalender=J
c jd 01.01.2000 -kJ
c jd 01.01.2000 --kalender
c jd 01.01.2000 --json --json
c jd 01.01.2000 --json=true
c jd 01.01.2000 02.01.2000
c jd --json 01.01.2000 --kalender J
c jd -- 01.01.2000

# shellcheck disable=SC2054 # decimal commas belong to the input
jds=(1721424 1721425 1721426 1721427 1721788 1722000 2000000 2299159 2299160 2299161 2451545
  2460000 2461384 2817150 2817151 2817152 2817153 3000000 0 -1 -2451545 +2451545 02451545
  2451545.0 2,451545 abc '' ' 2451545' 99999999999 1e6)
i=0
for j in "${jds[@]}"; do
  c datum "$j"
  c datum "$j" --kalender J
  if ((i % 2 == 0)); then c datum "$j" --json; else c datum "$j" -k J --json; fi
  i=$((i + 1))
done
c datum 2451545 --kalender X
c datum 2451545 2451546

# ---------------------------------------------------------------- tag

i=0
for d in "${good_dates[@]}"; do
  region_at $i
  c tag "$d" --land "$r"
  ((i % 2 == 0)) && c tag "$d" --land "$r" --kalender J
  if ((i % 4 == 0)); then
    region_at $((i + 7))
    c tag "$d" --land "$r" --json
    c tag "$d" -l "$r" -k J --json
  fi
  i=$((i + 1))
done
i=0
for r in "${regions[@]}"; do
  c tag 03.10.2024 --land "$r"
  ((i % 3 == 0)) && c tag 01.11.2026 --land "$r" --json
  i=$((i + 1))
done
for r in "${bad_regions[@]:0:8}"; do c tag 01.01.2026 --land "$r"; done
for d in "${bad_dates[@]:0:15}"; do c tag "$d"; done
c tag 09.12.2026
c tag 09.12.2026 --json
c tag 09.12.2026 --land
c tag 09.12.2026 --land=D-BY
c tag 09.12.2026 -lD-BY
c tag 09.12.2026 --kalender X
c tag 09.12.2026 --land X --kalender X
c tag 29.02.2023 --land X

# ---------------------------------------------------------------- pruefe

views=(datum tag woche jd)
check_values=(31.02.2003 29.02.2024 29.02.2023 01.01.0001 31.12.3000 00.00.0000 99.99.9999
  01.01.0000 366.2024 366.2023 000.2024 001.0001 365.3000 367.2024 53.2021 53.2020 01.2024
  00.2024 54.2024 52.3000 1721426 2451545 0 9999999 12345678 2817152 2817153 abc '' 1.1.2000
  31.12 ä)
for v in "${views[@]}"; do
  for value in "${check_values[@]}"; do c pruefe "$v" "$value"; done
done
for v in "${views[@]}"; do
  c pruefe "$v" 31.02.2003 --json
  c pruefe "$v" 53.2021 --json --kalender J
  c pruefe "$v" 2299160 --kalender J
done
c pruefe datum 29.02.1700 --kalender J
c pruefe datum 29.02.1700 --kalender G --json
c pruefe datum 05.10.1582 --json
c pruefe datum 10.10.1582 --kalender J
c pruefe Datum 01.01.2000
c pruefe monat 01.2000
c pruefe '' 01.01.2000
c pruefe datum
c pruefe datum 01.01.2000 --kalender X

# ---------------------------------------------------------------- feiertage

i=0
for y in "${years[@]}"; do
  c feiertage "$y" --land D-BY
  ((i % 2 == 0)) && c feiertage "$y" --land A-W --kalender J
  region_at $i
  c feiertage "$y" --land "$r" --gesetzlich --json
  i=$((i + 3))
done
i=0
for r in "${regions[@]}"; do
  c feiertage 2026 --land "$r"
  ((i % 3 == 0)) && c feiertage 1950 --land "$r" -g
  i=$((i + 1))
done
for r in "${bad_regions[@]:0:6}"; do c feiertage 2026 --land "$r"; done
for y in "${bad_years[@]}"; do c feiertage "$y"; done
c feiertage 2024-2026 --land D-NI
c feiertage 2024-2026 --land D-NI --json
c feiertage 1582-1583 --land D-BY --kalender J
c feiertage 1582-1583 --land D-BY
c feiertage 1944-1950 --land D-OB -g
c feiertage 1989-1991 --land D-WB --json -g
c feiertage 2999-3000 --land HR --json
c feiertage 1-3 --land DK
c feiertage 2026-2026 --land A-T
c feiertage 1600-3000 --land D-BY --gesetzlich --json
c feiertage 1600-3000 --land D-BY --gesetzlich
c feiertage 2026 --kalender X
c feiertage 2026 --gesetzlich --gesetzlich
c feiertage 2026 2027

# ---------------------------------------------------------------- monat

months=(01.0001 02.0004 10.1582 02.1700 09.1752 02.1900 05.1945 10.1990 02.2000 03.2024
  12.2026 02.2100 12.2299 02.2400 11.3000 12.3000)
i=0
for m in "${months[@]}"; do
  for k in G J; do
    region_at $i
    c monat "$m" --land "$r" --kalender "$k"
    i=$((i + 5))
  done
done
for r in "${regions[@]:0:27}"; do c monat 05.2026 --land "$r"; done
for r in "${bad_regions[@]:0:4}"; do c monat 05.2026 --land "$r"; done
for m in 13.2026 00.2026 1.2026 2026-12 01.0000 01.3001 12.26 abc ä.2026 12.2026x 12.02026 \
  ' 12.2026' 12/2026 01.01.2026; do
  c monat "$m"
done
c monat 12.2026 --kalender X
c monat 12.2026 --json
c monat 12.2026 01.2027

# ---------------------------------------------------------------- ostern

easter_years=(0 1 2 325 1000 1582 1583 1818 1900 1954 2000 2024 2025 2026 2285 2299 2300 2999
  3000 3001 -1 -2024 +2024 abc '' 2024.5 ' 2024' 02024 99999999999)
i=0
for y in "${easter_years[@]}"; do
  c ostern "$y"
  c ostern "$y" --kalender J
  if ((i % 2 == 0)); then c ostern "$y" --json; else c ostern "$y" -k J --json; fi
  i=$((i + 1))
done
c ostern 2024 --kalender X
c ostern 2024 2025

# ---------------------------------------------------------------- brueckentage

for r in D-NI D-BY D-SN A-W HR XY; do
  c brueckentage 2026 --land "$r"
done
c brueckentage 2024 --land D-NI --json
c brueckentage 1870-1872 --land D-BY
c brueckentage 2999-3000 --land D-NW
c brueckentage 3001
c brueckentage 2027-2026
c brueckentage

# ---------------------------------------------------------------- ferien

for r in D-NI D-BY D-MV D-SH A-W D HR XY; do
  c ferien 2024 --land "$r"
done
c ferien 2025-2026 --land D-NW --json
c ferien 2040 --land D-NI
ci ical 2024 --land D-NI --ferien
ci ical 2025-2026 --land A-W -g --ferien --kw
c ferien 3001
c ferien

# ---------------------------------------------------------------- formate

every 2 0 "${good_dates[@]}"
for d in "${picked[@]}"; do c formate "$d"; done
for d in "${bad_dates[@]:0:6}"; do c formate "$d" 12:00; done
for t in 00:00 00:00:00 12:30 12:30:15 12:30:15.250 23:59:59 23:59:59.999 24:00 24:00:00 24:01 \
  25:00 12:60 12:75 12 7:30 '' abc 12:30:15.2 12:30:15.2500 -1:00 ü; do
  c formate 09.12.2026 "$t"
done
for o in +01:00 +02:00 -03:00 +00:00 -00:00 +05:30 +23:59 -23:59 +24:00 +01:60 01:00 +1:00 \
  '' +01:00x ü; do
  c formate 09.12.2026 12:30 --offset "$o"
done
c formate 09.12.2026 12:30 --offset=-03:00
c formate 09.12.2026 --offset -03:00
for d in 01.01.0001 15.10.1582 01.01.1970 19.01.2038 09.12.2026 31.12.3000; do
  c formate "$d" 23:59:59.999 --offset -12:00 --json
  c formate "$d" 00:00 --offset +14:00 --json
done
c formate 09.12.2026 12:30 13:30

# ---------------------------------------------------------------- runden

# shellcheck disable=SC2054 # decimal commas belong to the input
round_values=(2,345 2.345 -2,345 0 0,5 1,5 2,5 -0,5 -1,5 1.000,50 1000000,125 0,0000000049
  123456789,987654321 abc '' 1e5 ,5 5, 2,3,4 ' 2,5' 999999999999999 -0 1,005 2,675 ä)
for v in "${round_values[@]}"; do
  for m in german math IEEE cut; do c runden "$v" 2 --modus "$m"; done
done
for n in 0 1 2 8 9 -1 x '' 2,5 +2 02; do c runden 2,345678 "$n"; done
for m in foo '' GERMAN Math ieee; do c runden 2,345 2 -m "$m"; done
c runden 2,345
c runden 2,345 2 3

# ---------------------------------------------------------------- zinstage

interest_pairs=("15.03.2019 15.03.2020" "31.01.2019 31.03.2019" "28.02.2020 31.03.2020"
  "01.01.2024 31.12.2024" "31.12.2023 31.12.2024" "15.03.2020 15.03.2019"
  "01.01.2000 01.01.2000" "29.02.2000 28.02.2001" "01.01.1582 31.12.1582"
  "31.01.0001 28.02.0001" "30.06.2999 31.12.3000")
i=0
for pair in "${interest_pairs[@]}"; do
  read -r from to <<<"$pair"
  if ((i < 4)); then methods=(0 1 2 3 4 5 6 7 8 9 10 11 12); else methods=(0 3 5 8 11); fi
  for m in "${methods[@]}"; do c zinstage "$from" "$to" --methode "$m"; done
  i=$((i + 1))
done
for s in inkl exkl; do
  for e in inkl exkl; do
    c zinstage 15.03.2019 15.03.2020 --methode 3 --start "$s" --ende "$e"
    c zinstage 31.01.2019 31.03.2019 --methode 11 --start "$s" --ende "$e" --json
  done
done
for m in -1 x '' 3,5 ' 3' 03; do c zinstage 15.03.2019 15.03.2020 --methode "$m"; done
c zinstage 15.03.2019 15.03.2020
c zinstage 15.03.2019 15.03.2020 --methode 3 --start foo
c zinstage 15.03.2019 15.03.2020 --methode 3 --ende ''
c zinstage 31.02.2019 15.03.2020 --methode 3
c zinstage 15.03.2019 01.01.3001 --methode 3 --json

# ---------------------------------------------------------------- zins

for m in 0 1 3 4 5 6 7 8 9 10 11; do
  c zins 1000 10 15.03.2019 15.03.2020 --methode "$m"
  c zins 1.000,50 4,5 31.01.2019 31.03.2019 --methode "$m" --json
done
c zins 1000 10 15.03.2019 15.03.2020 --waehrung DEM
c zins 1000 10 15.03.2019 15.03.2020 --waehrung EUR --json
c zins 1.000,50 4,5 31.01.2019 31.03.2019 --methode 0 --land Bayern --json
for cur in SEK USD '' dem ÄÖÜ; do c zins 1000 10 15.03.2019 15.03.2020 --waehrung "$cur"; done
for capital in 0 -100 abc '' 99999999999 1.000.000,00 0,01 2147483646; do
  c zins "$capital" 5 01.01.2024 31.12.2024
done
for rate in 0 -1 abc '' 1000 0,001 100; do c zins 1000 "$rate" 01.01.2024 31.12.2024; done
for v in werktag-ohne-samstag werktag jeder-tag foo ''; do
  c zins 1000 5 01.01.2024 30.03.2024 --valuta "$v" --land D-BY --json
done
for f in 30.03.2024 01.02.2024 31.12.2024 31.02.2024 ''; do
  c zins 1000 5 01.01.2024 30.03.2024 --faellig "$f"
  c zins 1000 5 01.01.2024 30.03.2024 --faellig "$f" --vorzeitig --json
done
for mode in kaufm mathe foo; do c zins 1234,5678 3,333 01.01.2024 15.07.2024 --rundung "$mode"; done
for z in 0 5 8 9 x; do c zins 1234,5678 3,333 01.01.2024 15.07.2024 --zwischen "$z"; done
for n in 0 2 5 6 x; do c zins 1234,5678 3,333 01.01.2024 15.07.2024 --dezimalen "$n" --json; done
c zins 1234,5678 3,333 01.01.2024 15.07.2024 --zwischen 1 --dezimalen 2
for s in inkl exkl foo; do
  for e in inkl exkl; do c zins 1000 5 01.01.2024 01.02.2024 --start "$s" --ende "$e"; done
done
for r in D-NI A-W HR DK X; do c zins 1000 5 01.01.2024 29.03.2024 --land "$r" --json; done
c zins 1000 5 31.12.2024 01.01.2024
c zins 1000 5 01.01.2024 31.02.2024
c zins 1000 5 01.01.2024
c zins 1000 5 01.01.0001 31.12.3000 --json

# ---------------------------------------------------------------- prozent

for base in 250 1.000,50 0 -80 99999999999 abc '' 0,001; do
  for p in 12,5 0 100 -5 150 33,333333 abc; do c prozent "$base" "$p"; done
done
c prozent 250 12,5 --text
c prozent 250 12,5 --json
c prozent 250 12,5 --text --json
for n in 0 3 8 9 x; do c prozent 1234,5678 12,3456789 --prozent-dezimalen "$n" --json; done
for mode in kaufm mathe foo; do c prozent 1234,5678 12,3456789 --rundung "$mode" --text; done
for z in 0 5 8 9; do c prozent 1234,5678 12,3456789 --zwischen "$z" --dezimalen 0; done
c prozent 250

# ---------------------------------------------------------------- euro

for cur in BEF DEM GRD ESP FRF IEP ITL LUF NLG ATS PTE FIM EUR USD dem '' DM 'DEM ' ÖS; do
  c euro 1000 "$cur"
done
for amount in 1000 1.000,50 0 -5 abc '' 99999999999 4294967295 0,005 1e3; do
  c euro "$amount" DEM
done
for n in 0 8 9 x -1; do c euro 1000 ITL --dezimalen "$n"; done
c euro 1000

# ---------------------------------------------------------------- valuta

i=0
for d in "${work_dates[@]}"; do
  region_at $i
  c valuta "$d" --land "$r"
  c valuta "$d" --land "$r" --art werktag
  ((i % 4 == 0)) && c valuta "$d" --land "$r" --art jeder-tag
  i=$((i + 2))
done
every 3 0 "${regions[@]}"
for r in "${picked[@]}"; do c valuta 04.01.2020 --land "$r"; done
for r in "${bad_regions[@]:0:5}"; do c valuta 04.01.2020 --land "$r"; done
for d in "${bad_dates[@]:0:10}"; do c valuta "$d"; done
c valuta 04.01.2020 --art foo
c valuta 04.01.2020 --art ''
c valuta 04.01.2020 --json

# ---------------------------------------------------------------- zeit

time_dates=(01.04.1893 30.04.1916 01.10.1916 16.04.1917 17.09.1917 15.04.1918 01.04.1940
  02.11.1942 24.05.1945 11.05.1947 29.06.1947 18.06.1949 06.04.1980 28.09.1980 31.03.1996
  27.10.1996 29.03.2026 25.10.2026 01.01.1500 31.12.3000)
i=0
for d in "${time_dates[@]}"; do
  c zeit "$d" --land D-BE
  c zeit "$d" --land D-OB
  region_at $i
  c zeit "$d" --land "$r"
  ((i % 2 == 0)) && c zeit "$d" --land D-NI --json
  i=$((i + 5))
done
c zeit 24.05.1945 --land D-BE --kalender J
c zeit 24.05.1945 --land D-BE --kalender J --json
for r in DK-84 Ö X; do c zeit 24.05.1945 --land "$r"; done
for d in "${bad_dates[@]:0:8}"; do c zeit "$d"; done

# ---------------------------------------------------------------- frist, werktag

i=0
for d in "${work_dates[@]}"; do
  region_at $i
  c frist "$d" --land "$r"
  c werktag "$d" --land "$r"
  c werktag "$d" --land "$r" --samstag
  if ((i % 2 == 0)); then
    c frist "$d" --land "$r" --json
    c frist "$d" --land "$r" --text
    c werktag "$d" --land "$r" --samstag --json
  fi
  i=$((i + 1))
done
for r in D-NI D-BY A-W HR DK; do c frist 31.01.2023 --land "$r" --text --json; done
for d in "${bad_dates[@]:0:8}"; do
  c frist "$d"
  c werktag "$d"
done
c frist 31.01.2023 --land X
c werktag 30.03.2024 --land X
c frist 31.01.2023 --kalender J
c werktag 30.03.2024 --kalender J

# ---------------------------------------------------------------- zeitraum

period_pairs=("15.03.2023 10.02.2025" "01.01.2024 01.01.2024" "01.01.2024 02.01.2024"
  "31.12.2024 01.01.2024" "29.02.2000 28.02.2001" "31.01.2024 29.02.2024"
  "01.01.0001 31.12.3000" "04.10.1582 15.10.1582" "09.12.2026 09.12.2027")
for pair in "${period_pairs[@]}"; do
  read -r from to <<<"$pair"
  for s in inkl exkl; do
    for e in inkl exkl; do c zeitraum "$from" "$to" --start "$s" --ende "$e"; done
  done
  c zeitraum "$from" "$to" --json
done
c zeitraum 15.03.2023 10.02.2025 --start foo
c zeitraum 15.03.2023 10.02.2025 --ende ''
c zeitraum 31.02.2023 10.02.2025
c zeitraum 15.03.2023 abc
c zeitraum 15.03.2023

# ---------------------------------------------------------------- verschiebe

for d in 31.01.2024 29.02.2024 31.12.3000 01.01.0001 04.10.1582; do
  for n in +1 -1 0 -13 +999999; do
    for unit in tag woche monat jahr; do
      c verschiebe "$d" "$n" "$unit"
    done
  done
done
for d in 31.01.2024 29.02.2024 04.10.1582; do
  for unit in tag woche monat jahr; do
    c verschiebe "$d" +1 "$unit" --kalender J
    c verschiebe "$d" -1 "$unit" --kalender J --json
  done
done
for unit in Tage WOCHEN Monate jahre stunde '' Tag ä; do c verschiebe 31.01.2024 2 "$unit"; done
for n in 1000000 -1000000 abc '' 1,5 ++1 +-1 ' 1' 1e3 '+'; do c verschiebe 31.01.2024 "$n" tag; done
c verschiebe 31.01.2024 +1 monat --json
c verschiebe 31.12.3000 +1 tag --json
c verschiebe 31.02.2024 +1 tag
c verschiebe 31.01.2024 +1

# ---------------------------------------------------------------- uhr

clock_dates=(15.01.2024 31.03.2024 27.10.2024 24.05.1945 01.07.1916 01.01.0001 31.12.3000
  09.12.2026)
clock_times=(00:00 00:30 02:30 12:00 23:59:59 24:00 03:00:01)
i=0
for d in "${clock_dates[@]}"; do
  every 2 $((i % 2)) "${clock_times[@]}"
  for t in "${picked[@]}"; do
    region_at $i
    c uhr "$d" "$t" --land "$r"
    i=$((i + 1))
  done
  c uhr "$d" 12:00 --json
done
for z in 1 2 3 4 5; do
  c uhr 15.01.2024 00:30 --zeile "$z"
  c uhr 24.05.1945 12:00 --zeile "$z" --land D-BE --json
done
for z in 0 6 x '' 12; do c uhr 15.01.2024 00:30 --zeile "$z"; done
for t in 24:01 25:00 12:60 12 '' abc 7:30 12:30:60; do c uhr 15.01.2024 "$t"; done
for d in "${bad_dates[@]:0:6}"; do c uhr "$d" 12:00; done
c uhr 15.01.2024 12:00 --land X
c uhr 15.01.2024

# ---------------------------------------------------------------- arbeitszeit

for pair in "22:00 06:00" "08:00 16:30" "00:00 24:00" "24:00 00:00" "12:00 12:00" \
  "07:15:30 16:45:15" "23:59:59 00:00:01" "06:00 22:00"; do
  read -r begin end <<<"$pair"
  c arbeitszeit "$begin" "$end"
  c arbeitszeit "$begin" "$end" --json
done
for h in 08:00 00:00 24:00 12:30:30 23:59:59 24:01 abc ''; do
  c arbeitszeit 22:00 --stunden "$h"
  c arbeitszeit 22:00 --stunden "$h" --json
done
c arbeitszeit 22:00
c arbeitszeit 22:00 06:00 --stunden 08:00
for t in 25:00 12:60 abc '' 7:30 -1:00; do c arbeitszeit "$t" 06:00; done
c arbeitszeit 22:00 06:00 07:00

# ---------------------------------------------------------------- isin

for w in 555750 DE0005557508 DE0005557509 de0005557508 840400 A1EWWW a1ewww 716460 ABCDEF \
  12345 1234567 '' ÄÖÜ123 55575ü ' 555750' 555750x US0378331005 DE000555750 000000 ZZZZZZ; do
  c isin "$w"
  c isin "$w" --json
done
c isin 555750 840400

# ---------------------------------------------------------------- ical

i=0
for y in 2026 1946 1583 1 3000 2024-2026; do
  region_at $((i * 4))
  ci ical "$y" --land "$r"
  ci ical "$y" --land "$r" --gesetzlich
  ci ical "$y" --land "$r" --kw
  ci ical "$y" --land "$r" -g --kw
  i=$((i + 1))
done
ci ical 2026 --land Niedersachsen --gesetzlich --kw
for r in D-BY A-W HR DK-84 Thüringen; do ci ical 2025 --land "$r" -g; done
ci ical 1901-2000 --land D-BY -g
ci ical 2901-3000 --land A-W -g
ci ical 1900-2000 --land D-BY
ci ical 2026
ci ical 2026 --land X
ci ical 2026 --land ''
for y in "${bad_years[@]}"; do ci ical "$y" --land D-BY; done
ci ical 2026 --land D-BY --kalender J
ci ical 2026 --land D-BY -o /nonexistent-razaduvovi/feiertage.ics
ci ical 2026 --land D-BY -o ''
ci ical 2026 --land D-BY -o /
ci ical 2026 --land D-BY -o
cf feiertage.ics ical 2026-2027 --land D-BY -o @TMP@/feiertage.ics
cf kw.ics ical 2026 --land Niedersachsen --gesetzlich --kw --ausgabe @TMP@/kw.ics
cf ö.ics ical 1945 --land D-OB -o @TMP@/ö.ics
cf nicht.ics ical 3001 --land D-BY -o @TMP@/nicht.ics

# ---------------------------------------------------------------- jahreskalender
# The PDF itself is not compared (its bytes are the printing library's); the
# refusals are, and one written calendar by its messages alone.

for y in 0 3001 -1 abc '' 2026x; do c jahreskalender "$y" -o @TMP@/jahr.pdf; done
c jahreskalender 2026
c jahreskalender 2026 --land D-BY
c jahreskalender 2026 -o ''
c jahreskalender 2026 --land X -o @TMP@/jahr.pdf
c jahreskalender 2026 --kalender X -o @TMP@/jahr.pdf
c jahreskalender 2026 -o /nonexistent-razaduvovi/jahr.pdf
c jahreskalender 2026 -o
c jahreskalender 2026 2027 -o @TMP@/jahr.pdf
rm -f "$work/jahr.pdf"
c jahreskalender 2026 --land D-BY -o @TMP@/jahr.pdf
if [[ $(head -c 5 "$work/jahr.pdf" 2>/dev/null) == %PDF- ]]; then
  printf -- '--- Datei @TMP@/jahr.pdf ist ein PDF\n' >>"$out"
else
  printf -- '--- Datei @TMP@/jahr.pdf fehlt oder ist kein PDF\n' >>"$out"
fi

echo "$calls Aufrufe" >&2

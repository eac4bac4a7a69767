#!/bin/sh
# razaduvovi-cli jahreskalender through the print program beside it: the
# page is written and reported as before, a refusal of the print program
# keeps its exit code, and the command line never loads Qt itself.
set -eu
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
out="$("$cli" jahreskalender 2026 --land Bayern -o "$dir/k.pdf")"
[ "$out" = "Jahreskalender 2026 – Bayern: $dir/k.pdf" ] || { echo "Ausgabe: $out"; exit 1; }
pdftotext "$dir/k.pdf" - | grep -q "Fronleichnam" || { echo "Seite ohne Fronleichnam"; exit 1; }
set +e
err="$("$cli" jahreskalender 2026 -o "$dir/fehlt/k.pdf" 2>&1 >/dev/null)"
code=$?
set -e
[ $code -eq 2 ] || { echo "Exit-Code $code"; exit 1; }
case "$err" in "Fehler: Der Ordner "*"existiert nicht.") ;; *) echo "Meldung: $err"; exit 1 ;; esac
[ ! -e "$dir/fehlt" ]

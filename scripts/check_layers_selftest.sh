#!/usr/bin/env bash
# check_layers_selftest.sh ROOT: the layering check must find an include that
# crosses the table and a folder the table does not know, name file and line,
# and pass a tree that keeps to the table.
set -euo pipefail
root="$1"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/docs" "$tree/engine" "$tree/controls/tests"
cp "$root/docs/ARCHITECTURE.md" "$tree/docs/"
printf '#include "engine/civildate.h"\n' >"$tree/engine/ok.cpp"
printf '#include "engine/civildate.h"\n#include "testsupport/recorders.h"\n' >"$tree/controls/tests/ok_test.cpp"
"$root/scripts/check_layers.sh" "$tree" || { echo "ein sauberer Baum wurde abgelehnt"; exit 1; }

printf '// a comment\n#include <string>\n#include "controls/mocal.h"\n' >"$tree/engine/planted.cpp"
if out="$("$root/scripts/check_layers.sh" "$tree")"; then
  echo "das eingepflanzte #include wurde nicht gefunden"
  exit 1
fi
grep -q '^engine/planted.cpp:3: #include "controls/...' <<<"$out" || { echo "falsch benannt: $out"; exit 1; }

rm "$tree/engine/planted.cpp"
mkdir -p "$tree/nowhere"
printf 'int x;\n' >"$tree/nowhere/x.cpp"
if "$root/scripts/check_layers.sh" "$tree" >/dev/null; then
  echo "ein Ordner außerhalb der Tabelle wurde nicht gefunden"
  exit 1
fi
echo "Schichtenprüfung findet Verstöße"

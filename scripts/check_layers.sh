#!/usr/bin/env bash
# check_layers.sh [ROOT]: every `#include "folder/..."` in the sources under
# ROOT names the file's own folder or one that the arrow table of
# ROOT/docs/ARCHITECTURE.md lets that folder include. A crossing is named
# with file and line, and so is a folder with sources the table does not
# know. Test files (folder/tests/) may include the test support too.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
table="$root/docs/ARCHITECTURE.md"
[[ -f "$table" ]] || { echo "keine Pfeiltabelle: $table fehlt" >&2; exit 2; }

# The rows of the table under the heading "## Arrows": | `folder` | `a`, `b` |
declare -A allowed=()
while IFS='|' read -r _ folder targets _; do
  folder="$(tr -d ' `' <<<"$folder")"
  targets="$(tr -d '`' <<<"$targets" | tr ',' ' ' | tr -s ' ')"
  [[ "$targets" == *—* ]] && targets=""
  allowed["$folder"]=" $folder $targets "
done < <(awk '/^## /{inside = ($0 ~ /^## Arrows/)} inside && /^\| `/' "$table")
[[ ${#allowed[@]} -gt 0 ]] || { echo "keine Zeilen unter \"## Arrows\" in $table" >&2; exit 2; }

status=0
while IFS= read -r -d '' file; do
  relative="${file#"$root"/}"
  folder="${relative%%/*}"
  if [[ -z "${allowed[$folder]+set}" ]]; then
    echo "$relative: der Ordner $folder fehlt in der Pfeiltabelle"
    status=1
    continue
  fi
  permitted="${allowed[$folder]}"
  [[ "$relative" == */tests/* ]] && permitted+=" testsupport "
  while IFS=: read -r line target; do
    [[ "$permitted" == *" $target "* ]] && continue
    echo "$relative:$line: #include \"$target/...\" – $folder darf $target nicht einbinden"
    status=1
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[A-Za-z_][A-Za-z0-9_]*/' "$file" |
             sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([A-Za-z_][A-Za-z0-9_]*)\/.*/\1:\2/')
done < <(find "$root" -mindepth 2 \( -path "$root/build*" -o -path "$root/.*" \) -prune -o \
           -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) -print0 | sort -z)
exit $status

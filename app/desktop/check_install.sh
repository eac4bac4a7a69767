#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop program's
# parts: program, command line and its print program, desktop entry,
# AppStream metainfo and icons in their standard places; the installed
# command line finds its print program; the entry and the metainfo pass
# their validators where those are installed (desktop-file-utils, appstream).
#   check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=de.razaduvovi.RaZaduvovi
expected=(
  bin/razaduvovi
  bin/razaduvovi-cli
  libexec/razaduvovi/razaduvovi-print
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expected[@]}"; do
  if [[ ! -s "$prefix/$file" ]]; then
    echo "fehlt: $file"
    status=1
  fi
done

if ! QT_QPA_PLATFORM=offscreen "$prefix/bin/razaduvovi-cli" jahreskalender 2026 --land D-BY \
  -o "$prefix/k.pdf" >/dev/null || [[ ! -s "$prefix/k.pdf" ]]; then
  echo "razaduvovi-cli findet razaduvovi-print nicht"
  status=1
fi

checked=0
if command -v desktop-file-validate >/dev/null; then
  # A hint is no failure; errors and warnings are.
  out="$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1 || true)"
  if grep -qE 'error:|warning:' <<<"$out"; then
    echo "$out"
    status=1
  fi
  checked=$((checked + 1))
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || status=1
  checked=$((checked + 1))
fi
[[ $checked -lt 2 ]] && echo "Hinweis: desktop-file-validate oder appstreamcli fehlt (scripts/install-deps.sh --dev)"
exit $status

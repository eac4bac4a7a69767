#!/usr/bin/env bash
# Installs the Debian packages the build needs; does nothing when all are present.
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev
  libbenchmark-dev libcli11-dev nlohmann-json3-dev libical-dev pkg-config fonts-dejavu-core)
# libical-dev: the tests read every iCalendar file back and hold the writer against libical's
packages+=(lintian man-db groff-base) # the Debian package checked as Debian checks it; manual pages rendered
packages+=(poppler-utils) # pdftotext, pdfinfo, pdftoppm: the year calendar's PDF read back in tests and the gallery
packages+=(khal calcurse) # two calendar programs import the iCalendar files in tests, as users' programs would
case "${1:-}" in
  --dev)
    packages+=(clang libclang-rt-14-dev desktop-file-utils appstream) # sanitizer and fuzzing builds, desktop-file validators
    # scripts/random_use.sh: the program under its own X display, driven by
    # xdotool from the system's python3; imagemagick's import takes the
    # screenshot of a failed run.
    packages+=(xvfb xdotool python3 imagemagick)
    # scripts/windows.sh: the engine and the command line cross-built for Windows
    # (MinGW-w64, posix threads; GoogleTest from its sources) and run under Wine
    packages+=(g++-mingw-w64-x86-64-posix googletest wine64)
    ;;
  --screenshot) packages+=(xvfb x11-apps imagemagick) ;; # pictures of the real windows
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installiere: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Builds the Debian package razaduvovi_<version>_amd64.deb in build/ with
# CPack from the same build the tests run on (cmake/Packaging.cmake says why
# CPack), and checks it.
#   scripts/package.sh            build the package, print its path
#   scripts/package.sh --check    also check it: every file where Debian
#                                 expects it, lintian without errors or
#                                 warnings, its programs run from the package
#   scripts/package.sh --install  also install it with apt-get, look at what
#                                 came, and remove it again without a trace
# BUILD=dir builds elsewhere; NO_BUILD=1 packs an existing build as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build}"
mode="${1:-}"

if [[ -z "${NO_BUILD:-}" ]]; then
  cmake -S . -B "$build" -G Ninja -DRAZ_WERROR=ON >/dev/null
  cmake --build "$build" -j "$(nproc)"
fi
(cd "$build" && cpack -G DEB >/dev/null 2>&1) || { echo "cpack scheiterte" >&2; exit 1; }
version="$(sed -n 's/^project(RaZaduvovi VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
arch="$(dpkg --print-architecture)"
deb="$build/razaduvovi_${version}_${arch}.deb"
[[ -s "$deb" ]] || { echo "Paket fehlt: $deb" >&2; exit 1; }
echo "$deb"
[[ -z "$mode" ]] && exit 0

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
  echo "FEHLER: $*" >&2
  status=1
}

# ---- where every file lies ---------------------------------------------
id=de.razaduvovi.RaZaduvovi
expected=(
  ./usr/bin/razaduvovi
  ./usr/bin/razaduvovi-cli
  ./usr/libexec/razaduvovi/razaduvovi-print
  "./usr/share/applications/$id.desktop"
  "./usr/share/metainfo/$id.metainfo.xml"
  "./usr/share/icons/hicolor/scalable/apps/$id.svg"
  ./usr/share/man/man1/razaduvovi.1.gz
  ./usr/share/man/man1/razaduvovi-cli.1.gz
  ./usr/share/bash-completion/completions/razaduvovi-cli
  ./usr/share/doc/razaduvovi/copyright
  ./usr/share/doc/razaduvovi/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '/$' | sort >"$scratch/files"
printf '%s\n' "${expected[@]}" | sort >"$scratch/expected"
if ! diff -u "$scratch/expected" "$scratch/files" >"$scratch/diff"; then
  fail "Dateien im Paket weichen ab (- erwartet, + im Paket):"
  cat "$scratch/diff" >&2
fi
# Owned by root, no file writable by others, programs executable.
dpkg-deb --contents "$deb" | awk '$2 != "root/root" {print "Besitzer: " $0}' >"$scratch/owners"
[[ -s "$scratch/owners" ]] && fail "$(cat "$scratch/owners")"

# ---- control data -----------------------------------------------------
field() { dpkg-deb --field "$deb" "$1"; }
[[ "$(field Version)" == "$version" ]] || fail "Version $(field Version) statt $version"
[[ "$(field Depends)" == *libqt6widgets6* ]] || fail "Depends ohne Qt (shlibdeps?): $(field Depends)"
[[ "$(field Depends)" == *libc6* ]] || fail "Depends ohne libc6: $(field Depends)"
# Read whole before grep: grep -q ends early, and a writer that loses its
# pipe would fail the pipeline.
packaged() { dpkg-deb --fsys-tarfile "$deb" | tar -xO "$1"; }
changelog="$(packaged ./usr/share/doc/razaduvovi/changelog.gz | zcat)"
[[ "$changelog" == "razaduvovi ($version)"* ]] || fail "changelog nennt nicht Version $version"
grep -q '^License: ODbL-1.0' <<<"$(packaged ./usr/share/doc/razaduvovi/copyright)" ||
  fail "copyright ohne ODbL der Schulferien"

# ---- lintian ------------------------------------------------------------
if command -v lintian >/dev/null; then
  # Errors and warnings fail; the README names what lintian only mentions.
  lintian --no-tag-display-limit "$deb" 2>/dev/null | grep -E '^(E|W):' >"$scratch/lintian" || true
  [[ -s "$scratch/lintian" ]] && fail "lintian: $(cat "$scratch/lintian")"
else
  fail "lintian ist nicht installiert (scripts/install-deps.sh)"
fi

# ---- the packaged programs run ----------------------------------------------
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
[[ "$("$root/usr/bin/razaduvovi-cli" --version)" == "razaduvovi-cli $version" ]] ||
  fail "razaduvovi-cli --version"
[[ "$("$root/usr/bin/razaduvovi-cli" tag 03.10.2024 --land D-BY)" == *"Tag der deutschen Einheit"* ]] ||
  fail "razaduvovi-cli tag"
# The command line finds its print program beside it in the unpacked tree.
"$root/usr/bin/razaduvovi-cli" jahreskalender 2026 --land D-BY -o "$scratch/2026.pdf" >/dev/null &&
  [[ -s "$scratch/2026.pdf" ]] || fail "razaduvovi-cli jahreskalender"
home="$scratch/home"
mkdir -p "$home"
set +e
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
  timeout 2 "$root/usr/bin/razaduvovi" >"$scratch/gui.log" 2>&1
gui=$?
set -e
# timeout's 124: the program was still running after two seconds, as it should.
[[ $gui -eq 124 ]] || fail "razaduvovi endete nach weniger als 2 s mit $gui: $(cat "$scratch/gui.log")"

if [[ "$mode" == --install ]]; then
  sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get install -y -qq "./$deb" >/dev/null
  dpkg -L razaduvovi | sort >"$scratch/installed"
  for file in "${expected[@]}"; do
    [[ -e "${file#.}" ]] || fail "nach apt-get install fehlt ${file#.}"
  done
  command -v razaduvovi-cli >/dev/null || fail "razaduvovi-cli nicht im PATH"
  [[ "$(razaduvovi-cli ostern 2027)" == *28.03.2027* ]] || fail "installiertes razaduvovi-cli"
  man -w razaduvovi-cli >/dev/null || fail "man razaduvovi-cli findet keine Seite"
  bash -c 'source /usr/share/bash-completion/completions/razaduvovi-cli && complete -p razaduvovi-cli' \
    >/dev/null || fail "Vervollständigung"
  "${sudo[@]}" apt-get remove -y -qq razaduvovi >/dev/null
  dpkg -s razaduvovi >/dev/null 2>&1 && fail "nach apt-get remove noch installiert"
  while read -r path; do
    [[ -f "$path" || -L "$path" ]] && fail "nach apt-get remove übrig: $path"
    [[ -d "$path" && "$path" == */razaduvovi* ]] && fail "nach apt-get remove übrig: $path"
  done <"$scratch/installed"
fi

if [[ $status -eq 0 ]]; then
  echo "Paket geprüft: $deb"
fi
exit $status

#!/usr/bin/env bash
# Builds the gallery program and renders every control in its named states
# to build/gallery/x1 and build/gallery/x2 (scale factors 1 and 2, offscreen).
# With ImageMagick installed (install-deps.sh --screenshot) each scale also
# gets a contact sheet, build/gallery/sheet-x1.png and sheet-x2.png.
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/install-deps.sh"
cmake -S . -B build -G Ninja -DRAZ_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target gallery
for scale in 1 2; do
  out="build/gallery/x$scale"
  rm -rf "$out"
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale build/bin/gallery "$out"
  if command -v montage >/dev/null; then
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "$((150 * scale))x$((112 * scale))>+$((4 * scale))+$((4 * scale))" \
      -tile 6x "$out"/*.png "build/gallery/sheet-x$scale.png"
  fi
done
echo "Bilder in build/gallery/"

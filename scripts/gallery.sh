#!/usr/bin/env bash
# Builds the gallery program and renders every control in its named states
# to build/gallery/x1 and build/gallery/x2 (scale factors 1 and 2, offscreen).
# With ImageMagick installed (install-deps.sh --screenshot) each scale also
# gets contact sheets, build/gallery/sheet-x1.png and sheet-x2.png, and the
# month sheet's own, sheet-mocal-x1.png and sheet-mocal-x2.png, and the main
# window's, sheet-calvrn-x1.png and sheet-calvrn-x2.png, and the tray's,
# sheet-tray-x1.png and sheet-tray-x2.png. The printable year
# calendar is written as PDF and drawn as Jahreskalender_*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DRAZ_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target gallery razaduvovi-print
for scale in 1 2; do
  out="build/gallery/x$scale"
  rm -rf "$out"
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale build/bin/gallery "$out"
  if command -v montage >/dev/null; then
    # The small fields share one sheet; the month sheet and its menus and
    # hints, and the date edit with its unfolded list, are too large for its
    # tiles and get their own.
    small=()
    for picture in "$out"/*.png; do
      case "$(basename "$picture")" in TMoCal_* | TDateEdt_* | TQvZins_* | TCalVrn_* | Tools_* | TBeam_* | TDateCal_* | TKalender_* | TTray_*) ;; *) small+=("$picture") ;; esac
    done
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "$((150 * scale))x$((36 * scale))>+$((4 * scale))+$((4 * scale))" \
      -tile 6x "${small[@]}" "build/gallery/sheet-x$scale.png"
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "$((260 * scale))x$((340 * scale))>+$((4 * scale))+$((4 * scale))" \
      -tile 4x "$out"/TMoCal_*.png "build/gallery/sheet-mocal-x$scale.png"
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "$((150 * scale))x$((112 * scale))>+$((4 * scale))+$((4 * scale))" \
      -tile 6x "$out"/TDateEdt_*.png "build/gallery/sheet-dateedt-x$scale.png"
    # The pages of the tools panel, each 249 x 217.
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "$((260 * scale))x$((228 * scale))>+$((4 * scale))+$((4 * scale))" \
      -tile 4x "$out"/Tools_*.png "build/gallery/sheet-tools-x$scale.png"
    # The interest window, both faces, one tile each.
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "$((800 * scale))x$((510 * scale))>+$((4 * scale))+$((4 * scale))" \
      -tile 3x "$out"/TQvZins_*.png "build/gallery/sheet-interest-x$scale.png"
    # The main window in its sizes and states.
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "+$((4 * scale))+$((4 * scale))" \
      -tile 5x "$out"/TCalVrn_*.png "build/gallery/sheet-calvrn-x$scale.png"
    # The tools panel and the calendar pop-up.
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "$((280 * scale))x$((340 * scale))>+$((4 * scale))+$((4 * scale))" \
      -tile 4x "$out"/TBeam_*.png "$out"/TDateCal_*.png "$out"/TKalender_*.png "build/gallery/sheet-popup-x$scale.png"
    # The tray's week symbol, its tooltips and its menu.
    montage -font DejaVu-Sans -label '%t' -pointsize $((9 * scale)) -background '#e0e0e0' -geometry "+$((4 * scale))+$((4 * scale))" \
      -tile 3x "$out"/TTray_*.png "build/gallery/sheet-tray-x$scale.png"
  fi
done
# The printable year calendar: pages written by the command line, as pictures.
cmake --build build -j "$(nproc)" --target razaduvovi-cli
for page in "2026 D-BY G" "1500 D-NI J"; do
  read -r year land calendar <<<"$page"
  pdf="build/gallery/Jahreskalender_${year}_${land}_${calendar}.pdf"
  build/bin/razaduvovi-cli jahreskalender "$year" --land "$land" --kalender "$calendar" -o "$pdf" 2>/dev/null
  pdftoppm -png -r 100 -singlefile "$pdf" "${pdf%.pdf}"
done
echo "Bilder in build/gallery/"

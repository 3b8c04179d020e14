#!/usr/bin/env bash
# Draws the pictures in docs/screenshots at 100 % and 200 % in a virtual X display:
# the editor windows with kvr27-editor-shots, the main window from the program itself
# (through the splash and the start window), and the printed report's pages (poppler-utils).
# Needs xvfb, xdotool, imagemagick, openbox.
# Usage: tools/shots/take-screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
out=docs/screenshots
mkdir -p "$out"
for scale in 1 2; do
    suffix=""; [ "$scale" = 2 ] && suffix="-200"
    for window in frmVfo frmMem frmMem-menu frmMemSub-LPD frmMemSub-PMR; do
        QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 2400x2000x24" \
            "$build/tools/shots/kvr27-editor-shots" "$window" "$out/$window$suffix.png"
    done
    QT_SCALE_FACTOR=$scale OUT="$out/frmMain$suffix.png" PROGRAM="$build/kvr27-clone" \
        xvfb-run -a -s "-screen 0 2400x2000x24" bash -c '
        openbox >/dev/null 2>&1 & wm=$!
        sleep 0.5
        "$PROGRAM" & pid=$!
        sleep 4; xdotool key Return; sleep 2
        import -window "$(xdotool search --name "^KV-R27PA Clone Utility$" | head -1)" -frame "$OUT"
        kill $pid $wm'
done
# The printed settings report of a sample radio: its two pages as pictures.
QT_QPA_PLATFORM=offscreen "$build/tools/shots/kvr27-report-shots" "$out/report.pdf"
pdftoppm -r 90 -gray -png "$out/report.pdf" "$out/report-page"
rm "$out/report.pdf"

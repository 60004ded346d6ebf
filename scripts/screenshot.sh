#!/usr/bin/env bash
# Takes pictures under a virtual X server into BUILD_DIR/artifacts: the main window after a
# 5-year MACRS calculation (main-window.png), then with the focus on a button
# (focus-on-button.png), Mid Quarter chosen from the keyboard (mid-quarter.png), and the limit
# editor opened from the Tools menu (limit-editor.png), the help window that F1 opens in the
# cost field (help-window.png) and the About box (about.png); and the printed page of a replacement
# asset with the 30% allowance, as Qt's PDF output (orvane-cli --print-pdf) rendered by
# pdftoppm (printed-page.png). Without BUILD_DIR it builds into build/ first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ge 1 ]; then
    dir=$1
else
    scripts/build.sh >/dev/null
    dir=build
fi
mkdir -p "$dir/artifacts"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$dir/bin/orvane-screenshot" "$dir/artifacts"
"$dir/bin/orvane-cli" --today 2024-06-15 --asset-type replacement \
    --description "Delivery van, replacing the 1998 truck" --cost 25000 --method MACRS --life 5 \
    --in-service 032004 --sales-price 6000 --adj-tax-basis 4000 --allowance 30 --calculate \
    --print-pdf "$dir/artifacts/printed-page.pdf" >/dev/null
pdftoppm -png -r 80 -singlefile "$dir/artifacts/printed-page.pdf" "$dir/artifacts/printed-page"

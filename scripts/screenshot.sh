#!/usr/bin/env bash
# Takes pictures under a virtual X server: the main window after a 5-year MACRS calculation,
# BUILD_DIR/artifacts/main-window.png, and the limit editor opened from the Tools menu,
# BUILD_DIR/artifacts/limit-editor.png. Without BUILD_DIR it builds into build/ first.
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
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$dir/bin/orvane-screenshot" \
    "$dir/artifacts/main-window.png" "$dir/artifacts/limit-editor.png"

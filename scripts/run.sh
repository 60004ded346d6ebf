#!/usr/bin/env bash
# Builds and starts the program's main window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: run the command-line tool instead, e.g. build/bin/orvane-cli --method MACRS --life 5 --cost 10000 --in-service 012024 (see build/bin/orvane-cli --help), or start the window with QT_QPA_PLATFORM=offscreen build/bin/orvane"
    exit 0
fi
if [ ! -x build/bin/orvane ]; then
    echo "The window is not built on this machine; use build/bin/orvane-cli (see --help)." >&2
    exit 1
fi
exec build/bin/orvane "$@"

#!/usr/bin/env bash
# Installs what the program needs to build, run and test on Debian 12 (run as root).
set -euo pipefail
# fonts-liberation2: the printed page's "Courier New" (Liberation Mono, the same widths);
# lintian checks the Debian packages (scripts/package.sh), groff reads the manual pages back.
packages=(
    build-essential cmake clang-format pkg-config
    clang libclang-rt-14-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev libxxhash-dev libxlsxwriter-dev
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools libqt6help6 libgl-dev qt6-charts-dev
    libqt6opengl6-dev
    fonts-liberation2 xvfb xauth xdotool imagemagick
    poppler-utils cups-daemon cups-client printer-driver-cups-pdf
    libreoffice-calc-nogui libreoffice-dev gnumeric
    desktop-file-utils lintian groff-base
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: please run as root to install: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

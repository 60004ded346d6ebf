#!/usr/bin/env bash
# Builds and runs every test; with --sanitize, under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh "$@"
dir=build
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"

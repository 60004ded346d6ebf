#!/usr/bin/env bash
# A packager's build: Release without tests or benchmarks into build-release/ (warnings are
# errors here as in CI), then the Debian packages build-release/orvane_<version>_<arch>.deb and,
# when the LibreOffice SDK is there, build-release/orvane-export_<version>_<arch>.deb (the
# export's helper), checked with lintian: an error fails the build, warnings are shown.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-release -j"$(nproc)"
rm -f build-release/orvane_*.deb build-release/orvane-export_*.deb
(cd build-release && cpack -G DEB >/dev/null)
debs=(build-release/orvane_*.deb)
if compgen -G "build-release/orvane-export_*.deb" >/dev/null; then
    debs+=(build-release/orvane-export_*.deb)
fi
ls "${debs[@]}"
lintian --fail-on error --tag-display-limit 0 "${debs[@]}"
echo "lintian: no errors"

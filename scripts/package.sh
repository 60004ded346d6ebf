#!/usr/bin/env bash
# A packager's build: Release without tests or benchmarks into build-release/ (warnings are
# errors here as in CI), then the Debian package build-release/orvane_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-release -j"$(nproc)"
(cd build-release && cpack -G DEB >/dev/null)
ls build-release/orvane_*.deb

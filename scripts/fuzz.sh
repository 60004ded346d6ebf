#!/usr/bin/env bash
# Builds every libFuzzer target with clang into build-fuzz/ and runs each for SECONDS (default
# 60) from its corpus in build-fuzz/corpus/NAME. A crash or a failed check stops with the
# fuzzer's report and a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=build-fuzz
CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_FUZZ=ON \
    -DBUILD_TESTING=OFF -DORVANE_BUILD_GUI=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
targets=$(sed -n 's/^orvane_fuzz(\([a-z_]*\) .*/\1/p' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
cmake --build "$dir" -j"$(nproc)" --target $targets
for t in $targets; do
    mkdir -p "$dir/corpus/$t"
    echo "fuzz: $t for ${seconds}s"
    "$dir/bin/$t" -max_total_time="$seconds" -print_final_stats=1 "$dir/corpus/$t" \
        2>"$dir/$t.log" || { tail -n 60 "$dir/$t.log"; exit 1; }
    grep -E '^stat::number_of_executed_units' "$dir/$t.log" | sed "s/^/fuzz: $t /"
done

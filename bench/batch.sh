#!/usr/bin/env bash
# Batch throughput: 100,000 scripted assets through orvane-cli --batch on one core, against the
# bare schedule computation of the same mix measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
n=${N:-100000}
file=$(mktemp /tmp/orvane-batch.XXXXXX)
trap 'rm -f "$file" "$file.out"' EXIT
"$build/bin/orvane-bench" --write-batch "$file" "$n"
best=
for run in 1 2 3; do
    start=$(date +%s%N)
    taskset -c 0 "$build/bin/orvane-cli" --today 2024-06-15 --batch "$file" > "$file.out"
    end=$(date +%s%N)
    ns=$((end - start))
    if [ -z "$best" ] || [ "$ns" -lt "$best" ]; then best=$ns; fi
done
lines=$(wc -l < "$file.out")
bare_ns=$(taskset -c 0 "$build/bin/orvane-bench" --benchmark_filter=BM_BareScheduleOfTheBatchMix \
    --benchmark_format=csv 2>/dev/null | awk -F, '/BM_Bare/ {print $4}')
awk -v ns="$best" -v n="$n" -v lines="$lines" -v bare="$bare_ns" 'BEGIN {
    per = ns / n
    printf "assets: %d (output lines %d)\n", n, lines
    printf "batch: %.3f s, %.0f assets/s, %.2f us per asset\n", ns / 1e9, n / (ns / 1e9), per / 1000
    printf "bare schedule of the same mix: %.2f us per asset\n", bare / 1000
    printf "ratio batch / bare: %.1f\n", per / bare
}'

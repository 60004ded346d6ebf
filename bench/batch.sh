#!/usr/bin/env bash
# Batch throughput of orvane-cli --batch over N assets of the benchmark mix, typed three ways:
# plainly (the direct road), each with an oddity that needs the window, and mixed (7 plain,
# 2 odd and 1 bad line in 10); each on one core, as assets/s and as a ratio to the bare
# schedule of the same mix measured in the same run; then the --jobs 2 speed-up on two cores.
# Medians of RUNS runs with their spread. With CALLGRIND=1 also the instructions per asset
# (callgrind's total over 2,001 lines less that over 1 line, divided by 2,000), which the load
# of the machine does not move.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
n=${N:-100000}
runs=${RUNS:-5}
cli=$build/bin/orvane-cli
dir=$(mktemp -d /tmp/orvane-batch.XXXXXX)
trap 'rm -rf "$dir"' EXIT
for kind in plain odd mixed; do
    "$build/bin/orvane-bench" --write-batch "$dir/$kind" "$n" "$kind"
done

source bench/timing.sh
batch=("$cli" --today 2024-06-15)

bare_ns=$(taskset -c 0 "$build/bin/orvane-bench" --benchmark_filter=BM_BareScheduleOfTheBatchMix \
    --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | awk -F, '/_median/ {print $3}')
echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; $n assets, $runs runs each"
awk -v bare="$bare_ns" 'BEGIN {
    printf "bare schedule of the mix: %.2f us per asset, %.0f assets/s\n", bare / 1000, 1e9 / bare }'

report() { # LABEL MEDIAN MIN MAX
    awk -v label="$1" -v m="$2" -v lo="$3" -v hi="$4" -v n="$n" -v bare="$bare_ns" 'BEGIN {
        printf "%-26s %9.0f assets/s (%.0f to %.0f), %.2f us per asset, %.1f x bare\n",
            label, n / (m / 1e9), n / (hi / 1e9), n / (lo / 1e9), m / n / 1000, m / n / bare }'
}

for kind in plain odd mixed; do
    read -r m lo hi < <(time_runs 0 "$dir/out.1" "${batch[@]}" --jobs 1 --batch "$dir/$kind" |
    spread)
    report "$kind, one core:" "$m" "$lo" "$hi"
done

read -r m1 lo1 hi1 < <(time_runs 0,1 "$dir/out.1" "${batch[@]}" --jobs 1 --batch "$dir/plain" |
    spread)
read -r m2 lo2 hi2 < <(time_runs 0,1 "$dir/out.2" "${batch[@]}" --jobs 2 --batch "$dir/plain" |
    spread)
report "plain, two cores, 1 job:" "$m1" "$lo1" "$hi1"
report "plain, two cores, 2 jobs:" "$m2" "$lo2" "$hi2"
awk -v a="$m1" -v b="$m2" 'BEGIN { printf "--jobs 2 speed-up: %.2f\n", a / b }'
if cmp -s "$dir/out.1" "$dir/out.2"; then echo "output of 2 jobs: the same bytes"; else
    echo "output of 2 jobs: DIFFERENT"
    exit 1
fi

if [ "${CALLGRIND:-0}" = 1 ]; then
    instructions() {
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$cli" --today 2024-06-15 \
            --jobs 1 --batch "$1" 2>&1 > /dev/null | awk '/Collected/ {print $NF}' || true
    }
    for kind in plain odd mixed; do
        head -n 2001 "$dir/$kind" > "$dir/$kind.2001"
        head -n 1 "$dir/$kind" > "$dir/$kind.1"
        a=$(instructions "$dir/$kind.2001")
        b=$(instructions "$dir/$kind.1")
        echo "$kind: $(((a - b) / 2000)) instructions per asset"
    done
fi

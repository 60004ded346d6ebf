#!/usr/bin/env bash
# The register's workbook: orvane-cli register --workbook FILE.xlsx over a register of N
# generated assets (default 10,000) on one core, against the command's own CSV report of the
# same file; medians of RUNS runs with their spread, and the ratio. Fails when the workbook's
# median takes a second or more.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
n=${N:-10000}
runs=${RUNS:-5}
cli=$build/bin/orvane-cli
dir=$(mktemp -d /tmp/orvane-workbook.XXXXXX)
trap 'rm -rf "$dir"' EXIT
"$build/bin/orvane-register-gen" "$n" "$dir/register.csv"

source bench/timing.sh
# "median min max" in milliseconds of RUNS runs of COMMAND... on the first processor.
time_ms() {
    time_runs 0 /dev/null "$@" | awk '{ print int($1 / 1000000) }' | spread
}

echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; $n assets, $runs runs each"
register=("$cli" register "$dir/register.csv" --year 2025)
read -r cm clo chi < <(time_ms "${register[@]}" --jobs 1 --format csv)
read -r wm wlo whi < <(time_ms "${register[@]}" --workbook "$dir/register.xlsx")
echo "CSV report:     ${cm} ms (${clo} to ${chi})"
echo "workbook .xlsx: ${wm} ms (${wlo} to ${whi}), $(du -k "$dir/register.xlsx" | cut -f1) KB"
awk -v w="$wm" -v c="$cm" 'BEGIN { printf "workbook / CSV report: %.1f\n", w / c }'
if ((wm >= 1000)); then
    echo "the workbook takes a second or more"
    exit 1
fi

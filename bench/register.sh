#!/usr/bin/env bash
# The register's speed and size: orvane-cli register over a register of N generated assets of
# every kind (default 1,000,000), on one core, written as the CSV report on the standard output
# and as the four files of --out; as assets/s and as a ratio to the batch's plain lines
# (orvane-cli --batch, B of them) measured in the same run, medians of RUNS runs with their
# spread. Then --jobs 2 on two cores (the same bytes), and the peak resident size at 20,000,
# 200,000 and N rows with the bytes each asset adds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
n=${N:-1000000}
b=${B:-100000}
runs=${RUNS:-5}
cli=$build/bin/orvane-cli
dir=$(mktemp -d /tmp/orvane-register.XXXXXX)
trap 'rm -rf "$dir"' EXIT
"$build/bin/orvane-register-gen" "$n" "$dir/register.csv"
"$build/bin/orvane-bench" --write-batch "$dir/plain" "$b" plain

source bench/timing.sh
batch=("$cli" --today 2024-06-15)

echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; $n assets, $b batch lines, $runs runs each"
read -r bm blo bhi < <(time_runs 0 "$dir/stdout" "${batch[@]}" --jobs 1 --batch "$dir/plain" |
    spread)
report() { # LABEL COUNT MEDIAN MIN MAX
    awk -v label="$1" -v n="$2" -v m="$3" -v lo="$4" -v hi="$5" -v bn="$b" -v bm="$bm" 'BEGIN {
        rate = n / (m / 1e9); batch = bn / (bm / 1e9)
        printf "%-30s %9.0f assets/s (%.0f to %.0f), %.2f x the batch'"'"'s plain lines\n",
            label, rate, n / (hi / 1e9), n / (lo / 1e9), rate / batch }'
}
report "batch, plain lines, one core:" "$b" "$bm" "$blo" "$bhi"
register=("$cli" register "$dir/register.csv" --year 2025)
read -r m lo hi < <(time_runs 0 "$dir/stdout" "${register[@]}" --jobs 1 --format csv | spread)
report "register, CSV report, 1 core:" "$n" "$m" "$lo" "$hi"
read -r m lo hi < <(time_runs 0 "$dir/stdout" "${register[@]}" --jobs 1 --out "$dir/out" | spread)
report "register, --out, one core:" "$n" "$m" "$lo" "$hi"
cp "$dir/stdout" "$dir/one"
read -r m1 lo1 hi1 < <(time_runs 0,1 "$dir/stdout" "${register[@]}" --jobs 1 --format csv | spread)
cp "$dir/stdout" "$dir/one"
read -r m2 lo2 hi2 < <(time_runs 0,1 "$dir/stdout" "${register[@]}" --jobs 2 --format csv | spread)
report "register, two cores, 1 job:" "$n" "$m1" "$lo1" "$hi1"
report "register, two cores, 2 jobs:" "$n" "$m2" "$lo2" "$hi2"
awk -v a="$m1" -v b="$m2" 'BEGIN { printf "--jobs 2 speed-up: %.2f\n", a / b }'
if cmp -s "$dir/one" "$dir/stdout"; then echo "output of 2 jobs: the same bytes"; else
    echo "output of 2 jobs: DIFFERENT"
    exit 1
fi

# Peak resident size (KB) of the CSV report over the first ROWS assets.
peak() {
    head -n "$(($1 + 1))" "$dir/register.csv" > "$dir/part.csv"
    /usr/bin/time -f %M "$cli" register "$dir/part.csv" --year 2025 --jobs 1 --format csv \
        2>&1 > /dev/null | tail -n 1
}
small=$(peak 20000)
large=$(peak 200000)
full=$(peak "$n")
echo "peak resident size: ${small} KB at 20,000 rows, ${large} KB at 200,000, ${full} KB at $n"
awk -v s="$small" -v l="$large" -v f="$full" -v n="$n" 'BEGIN {
    printf "bytes per asset: %.1f from 20,000 to 200,000 rows, %.1f from 200,000 to %d\n",
        (l - s) * 1024 / 180000, (f - l) * 1024 / (n - 200000), n }'

# Sourced by the benchmark scripts, which set `runs` (how many runs) and `dir` (their folder).

# Nanoseconds of each of RUNS runs, one a line: CPUS OUT COMMAND... The command runs on the
# processors CPUS with its standard output to OUT; its folder "$dir/out" is removed before each
# run. A run that exits with a fault still counts (the batch's bad lines make it exit 1).
time_runs() {
    local cpus=$1 out=$2
    shift 2
    for ((i = 0; i < runs; i++)); do
        rm -rf "$dir/out"
        local start end
        start=$(date +%s%N)
        taskset -c "$cpus" "$@" > "$out" 2> /dev/null || true
        end=$(date +%s%N)
        echo $((end - start))
    done
}

# "median min max" of the numbers on standard input.
spread() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        print m, v[1], v[NR] }'
}

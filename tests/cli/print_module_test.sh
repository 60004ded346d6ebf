#!/usr/bin/env bash
# orvane-cli and its printing module: the program links no Qt and opens the module only for a
# print option; copied into a scratch folder without the module it prints nothing and says so
# as a build without printing does; beside a module that cannot be loaded it says the same after
# one line with the reason (not a shared object; a module of another version, OTHER_MODULE);
# with the module copied beside it, it prints.
#   print_module_test.sh ORVANE_CLI PRINT_MODULE OTHER_MODULE
set -euo pipefail
cli=$1
module=$2
other=$3
scratch=$(mktemp -d /tmp/orvane-print-module-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export XDG_DATA_HOME=$scratch/data HOME=$scratch/home
unset QT_QPA_PLATFORM

needed=$(readelf -d "$cli" | grep NEEDED)
if grep -qi qt <<<"$needed"; then fail "orvane-cli links Qt: $needed"; fi
echo "ok   orvane-cli needs no Qt library"

schedule=(--today 2024-06-15 --cost 10000 --method MACRS --life 5 --in-service 012004 --calculate)
# Runs the program; its output, error output and exit code land in $scratch/{out,err,rc}.
run() {
    local rc=0
    "$@" >"$scratch/out" 2>"$scratch/err" || rc=$?
    echo "$rc" >"$scratch/rc"
}
expect() { # RC ERROR_OUTPUT
    [ "$(cat "$scratch/rc")" = "$1" ] || fail "exit $(cat "$scratch/rc"), not $1: $(cat "$scratch/err")"
    [ "$(cat "$scratch/err")" = "$2" ] || fail "error output: $(cat "$scratch/err")"
}

# Without a print option the module is never opened, not even to be looked at.
LD_DEBUG=files run "$cli" "${schedule[@]}"
grep -q "orvane-cli-print" "$scratch/err" && fail "the module was opened without a print option"
grep -qi "libqt6" "$scratch/err" && fail "Qt was loaded without a print option"
grep -q "^  2009  " "$scratch/out" || fail "no schedule: $(cat "$scratch/out")"
echo "ok   a schedule without printing loads neither the module nor Qt"

# The program alone: no printing, with the message of a build without it.
mkdir "$scratch/alone"
cp "$cli" "$scratch/alone/orvane-cli"
not_available="orvane-cli: option '--print' is not available: this orvane-cli was built without printing"
for option in --print "--print-pdf $scratch/page.pdf"; do
    # shellcheck disable=SC2086  # the option and its file are two words
    run "$scratch/alone/orvane-cli" "${schedule[@]}" $option
    expect 2 "${not_available/--print/${option%% *}}"
    [ ! -s "$scratch/out" ] || fail "output without printing: $(cat "$scratch/out")"
done
[ ! -e "$scratch/page.pdf" ] || fail "a PDF without printing"
echo "ok   without its module orvane-cli says it was built without printing"

# A file in the module's place that is no module, or a module of another version: the reason,
# then the same message; standard output stays clean.
broken() { # THE_REASON_STARTS
    run "$scratch/alone/orvane-cli" "${schedule[@]}" --print
    [ "$(cat "$scratch/rc")" = 2 ] || fail "exit $(cat "$scratch/rc") with a broken module"
    [ "$(wc -l <"$scratch/err")" = 2 ] || fail "error output: $(cat "$scratch/err")"
    [[ "$(head -1 "$scratch/err")" == "orvane-cli: cannot load the printing module $place: $1"* ]] ||
        fail "reason: $(cat "$scratch/err")"
    [ "$(tail -1 "$scratch/err")" = "$not_available" ] || fail "message: $(cat "$scratch/err")"
    [ ! -s "$scratch/out" ] || fail "output with a broken module: $(cat "$scratch/out")"
}
place=$scratch/alone/orvane-cli-print.so
printf 'not a shared object\n' >"$place"
broken "$place: "  # dlerror()'s words
cp "$other" "$place"
broken "the module is of another version of orvane-cli"
# ... and a run without printing does not notice it.
run "$scratch/alone/orvane-cli" "${schedule[@]}"
expect 0 ""
echo "ok   a broken module: its reason on the error output, then the same message"

# The module copied beside the program: it prints.
cp "$module" "$scratch/alone/orvane-cli-print.so"
run "$scratch/alone/orvane-cli" "${schedule[@]}" --print-pdf "$scratch/page.pdf"
expect 0 ""
grep -q "^message:" "$scratch/out" && fail "printing: $(cat "$scratch/out")"
[ "$(head -c 5 "$scratch/page.pdf")" = "%PDF-" ] || fail "no PDF written"
echo "ok   with its module beside it orvane-cli prints"

#!/usr/bin/env bash
# Installs the build BUILD_DIR into a scratch prefix and runs the installed programs from there
# with a scratch home: orvane-cli calculates a vehicle schedule, edits a limit table in the
# user's data folder, reports the example register and prints a PDF through its printing
# module, orvane starts off screen, and PROBE (copied beside them) checks that the window finds
# its help and limit files. With
# "export" as the third argument it checks instead that the installed orvane-cli exports through
# the installed LibreOffice helper (which carries no RUNPATH).
set -euo pipefail
build=$1
probe=$2
mode=${3:-}
scratch=$(mktemp -d /tmp/orvane-install-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/orvane bin/orvane-cli share/orvane/orvane.qch share/orvane/AutoMax.DAT \
    share/orvane/Electric.DAT share/orvane/TruckMax.DAT share/orvane/register-example.csv \
    share/applications/orvane.desktop share/applications/orvane-register.desktop \
    share/icons/hicolor/scalable/apps/orvane.svg share/icons/hicolor/48x48/apps/orvane.png \
    share/icons/hicolor/256x256/apps/orvane.png; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$prefix/share/applications/orvane.desktop" \
    "$prefix/share/applications/orvane-register.desktop" || fail "desktop entry"
[ ! -e "$prefix/bin/AutoMax.DAT" ] || fail "limit files beside the installed program"
[ ! -e "$prefix/bin/orvane-calc" ] || fail "the export's helper is on the PATH"

export HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache \
    XDG_CONFIG_HOME=$scratch/config
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

if [ "$mode" = export ]; then
    helper=$(cd "$prefix" && find . -name orvane-calc)
    [[ "$helper" == ./libexec/orvane/orvane-calc ]] || fail "export helper installed as '$helper'"
    if readelf -d "$prefix/$helper" | grep -Eq "RUNPATH|RPATH"; then
        fail "the export helper carries a RUNPATH"
    fi
    out=$("$prefix/bin/orvane-cli" --today 2024-03-15 --method MACRS --life 5 --cost 10000 \
        --in-service 012004 --description Lathe --export "$scratch/book.xls")
    grep -q "^message:" <<<"$out" && fail "export: $out"
    ssconvert "$scratch/book.xls" "$scratch/book.csv" 2>/dev/null
    grep -q "Lathe" "$scratch/book.csv" || fail "the workbook lacks the asset: $(cat "$scratch/book.csv")"
    echo "ok   the installed orvane-cli exports through ${helper#./}"
    exit 0
fi

# The manual pages, and orvane-cli's lists the options of its commands.
for f in share/man/man1/orvane.1.gz share/man/man1/orvane-cli.1.gz share/doc/orvane/copyright \
    share/doc/orvane/changelog.gz; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
page=$(zcat "$prefix/share/man/man1/orvane-cli.1.gz" | groff -man -Tascii -P-cbou 2>&1)
for option in --in-service --jobs --limits-dir --print-pdf "orvane-cli edit-limits"; do
    grep -q -- "$option" <<<"$page" || fail "the manual page lacks $option"
done
echo "ok   manual pages of orvane and orvane-cli"

# The command-line tool: a passenger car's schedule needs the limits of its year.
out=$("$prefix/bin/orvane-cli" --today 2024-03-15 --method MACRS --class "Automobiles (5)" \
    --cost 30000 --in-service 062004)
echo "$out" | grep -q "Method: MACRS-200% DB Luxury Auto" || fail "vehicle schedule: $out"
echo "$out" | grep -q "2004" || fail "no rows: $out"
for f in AutoMax.DAT Electric.DAT TruckMax.DAT; do
    cmp -s "$XDG_DATA_HOME/orvane/$f" "$prefix/share/orvane/$f" || fail "not seeded: $f"
done
"$prefix/bin/orvane-cli" edit-limits --file TruckMax.DAT --set txtYear1=9999 --save >/dev/null
cmp -s "$XDG_DATA_HOME/orvane/TruckMax.DAT" "$prefix/share/orvane/TruckMax.DAT" &&
    fail "the edit did not reach the user's TruckMax.DAT"
cmp -s "$build/bin/TruckMax.DAT" "$prefix/share/orvane/TruckMax.DAT" ||
    fail "the shipped TruckMax.DAT changed"
echo "ok   orvane-cli: vehicle schedule and limit edit in $XDG_DATA_HOME/orvane"

# The register over the example shipped with it, with the vehicle limits of the user's files.
"$prefix/bin/orvane-cli" register "$prefix/share/orvane/register-example.csv" --year 2025 \
    --format csv >"$scratch/register.out" || fail "register over the example"
grep -q "^19h,Residential rental property,320000," "$scratch/register.out" ||
    fail "register: no line 19h in $(cat "$scratch/register.out")"
echo "ok   orvane-cli register over share/orvane/register-example.csv"

# orvane-cli's printing module, in LIBDIR/orvane/, where the installed program finds it.
module=$(cd "$prefix" && find . -name orvane-cli-print.so)
[[ "$module" == ./lib*/orvane/orvane-cli-print.so ]] || fail "printing module installed as '$module'"
"$prefix/bin/orvane-cli" --today 2024-03-15 --method MACRS --life 5 --cost 10000 \
    --in-service 012024 --calculate --print-pdf "$scratch/page.pdf" >"$scratch/print.out"
grep -q "^message:" "$scratch/print.out" && fail "printing: $(cat "$scratch/print.out")"
[ "$(head -c 5 "$scratch/page.pdf")" = "%PDF-" ] || fail "the installed orvane-cli wrote no PDF"
echo "ok   orvane-cli prints with its module from ${module#./}"

# The window: without a display it says so; off screen it starts and keeps running.
"$prefix/bin/orvane" | grep -q "no display" || fail "orvane without a display"
rc=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/orvane" >"$scratch/orvane.log" 2>&1 || rc=$?
[ "$rc" = 124 ] || { cat "$scratch/orvane.log"; fail "orvane ended with $rc"; }
echo "ok   orvane starts off screen"

# The window as installed finds its help and limit files (a fresh data folder).
export XDG_DATA_HOME=$scratch/data2
cp "$probe" "$prefix/bin/"
QT_QPA_PLATFORM=offscreen "$prefix/bin/$(basename "$probe")"

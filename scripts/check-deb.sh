#!/usr/bin/env bash
# Checks a built package without installing it on this machine: its control data and files
# (and those of orvane-export beside it), then the programs unpacked into a scratch root and run
# from there with a scratch home. The window runs under Xvfb and is driven with xdotool: F1 opens
# the help window, Alt+T, Down and Enter open the limit editor, which seeds the user's data
# folder.
#   scripts/check-deb.sh build-release/orvane_*.deb [PICTURE_PREFIX]
set -euo pipefail
deb=$(realpath "$1")
scratch=$(mktemp -d /tmp/orvane-deb-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -I "$deb" | sed -n '/Package:/,$p'
dpkg-deb -c "$deb" | awk '{print $6}'
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6help6 fonts-liberation2; do
    grep -q "$p" <<<"$depends" || fail "Depends lacks $p"
done
grep -Eqi "libreoffice|uno" <<<"$depends" && fail "orvane depends on LibreOffice: $depends"
grep -q orvane-export <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends"
grep -q cups <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends"
contents=$(dpkg-deb -c "$deb")
for f in usr/share/man/man1/orvane.1.gz usr/share/man/man1/orvane-cli.1.gz \
    usr/share/doc/orvane/copyright usr/share/doc/orvane/changelog.gz; do
    grep -q " ./$f\$" <<<"$contents" || fail "not in the package: $f"
done
# The export's package: the helper, without a RUNPATH, and what it needs.
export_deb=$(ls "$(dirname "$deb")"/orvane-export_*.deb 2>/dev/null | head -1 || true)
if [ -n "$export_deb" ]; then
    export_depends=$(dpkg-deb -f "$export_deb" Depends)
    for p in "orvane (= $(dpkg-deb -f "$deb" Version))" libreoffice-calc libuno-cppu3; do
        grep -qF "$p" <<<"$export_depends" || fail "orvane-export's Depends lacks $p"
    done
    dpkg-deb -x "$export_deb" "$scratch/export"
    helper=$(cd "$scratch/export" && find . -name orvane-calc)
    [[ "$helper" == ./usr/libexec/orvane/orvane-calc ]] || fail "export helper: '$helper'"
    if readelf -d "$scratch/export/$helper" | grep -Eq "RUNPATH|RPATH"; then
        fail "the export helper carries a RUNPATH"
    fi
    echo "ok   orvane-export: ${helper#./}, depends on $export_depends"
fi
# Every package named must exist in this system's package lists.
for p in $(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/ //g' | sort -u); do
    apt-cache show "$p" >/dev/null 2>&1 || fail "no such package: $p"
done

root=$scratch/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/orvane.desktop" \
    "$root/usr/share/applications/orvane-register.desktop"
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share \
    XDG_CACHE_HOME=$scratch/home/.cache XDG_CONFIG_HOME=$scratch/home/.config
mkdir -p "$HOME"
unset QT_QPA_PLATFORM

out=$(XDG_DATA_HOME=$scratch/cli-data "$root/usr/bin/orvane-cli" --method MACRS --life 5 \
    --cost 10000 --in-service 012024)
grep -q "Method: MACRS 200% DB" <<<"$out" || fail "orvane-cli: $out"
cmp "$scratch/cli-data/orvane/AutoMax.DAT" "$root/usr/share/orvane/AutoMax.DAT" ||
    fail "orvane-cli did not fill its data folder"
echo "ok   orvane-cli calculates and seeds its data folder"
# Printing is a module of orvane-cli's own: the program links no Qt, and finds the module in
# /usr/lib/<triplet>/orvane relative to its own folder.
module=$(cd "$root" && find . -name orvane-cli-print.so)
[[ "$module" == ./usr/lib/*/orvane/orvane-cli-print.so ]] || fail "printing module: '$module'"
if readelf -d "$root/usr/bin/orvane-cli" | grep NEEDED | grep -qi qt; then
    fail "orvane-cli links Qt"
fi
out=$(XDG_DATA_HOME=$scratch/cli-data "$root/usr/bin/orvane-cli" --method MACRS --life 5 \
    --cost 10000 --in-service 012024 --calculate --print-pdf "$scratch/page.pdf")
grep -q "^message:" <<<"$out" && fail "orvane-cli --print-pdf: $out"
[ "$(head -c 5 "$scratch/page.pdf")" = "%PDF-" ] || fail "orvane-cli --print-pdf wrote no PDF"
echo "ok   orvane-cli prints a PDF with its module ${module#./}"
[ ! -e "$XDG_DATA_HOME/orvane" ] || fail "the window's data folder exists before it starts"

cat >"$scratch/drive.sh" <<DRIVE
set -euo pipefail
"$root/usr/bin/orvane" & pid=\$!
for i in \$(seq 50); do xdotool search --name '^Orvane Asset Depreciation\$' >/dev/null 2>&1 && break; sleep 0.1; done
main=\$(xdotool search --name '^Orvane Asset Depreciation\$' | head -1)
xdotool windowfocus --sync "\$main"
xdotool key Tab F1
for i in \$(seq 50); do xdotool search --name 'Orvane Asset Depreciation Help' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
import -window root "$scratch/help.png"
xdotool search --name 'Orvane Asset Depreciation Help' >/dev/null || { echo "no help window"; kill \$pid; exit 1; }
xdotool windowfocus --sync "\$main"
xdotool key alt+t
sleep 0.5
xdotool key Down Return
for i in \$(seq 50); do xdotool search --name 'Maximun Amounts' >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --name 'Maximun Amounts' >/dev/null || { echo "no limit editor"; kill \$pid; exit 1; }
xdotool key Escape
sleep 0.5
# A 3-year MACRS schedule of 10,000: Alt+C puts the cursor in the cost field, the arrows choose
# the method and the life, Enter calculates.
xdotool windowfocus --sync "\$main"
xdotool key alt+c
xdotool type 10000
xdotool key Tab Down Down Down Tab Tab Down Return
sleep 0.5
import -window "\$main" "$scratch/calculated.png"
kill \$pid
DRIVE
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$scratch/drive.sh" || fail "driving the window"
echo "ok   orvane opens its help window (F1) and the limit editor (Alt+T, Down, Enter)"
ls "$XDG_CACHE_HOME/orvane/help.qhc" >/dev/null || fail "no help collection"
for f in AutoMax.DAT Electric.DAT TruckMax.DAT; do
    cmp "$XDG_DATA_HOME/orvane/$f" "$root/usr/share/orvane/$f" || fail "not seeded: $f"
done
echo "ok   limit files seeded into $XDG_DATA_HOME/orvane"
# The pictures, to look at: the help window over the main window, and the calculated schedule.
out=${2:-/tmp/orvane-deb}
cp "$scratch/help.png" "$out-help.png"
cp "$scratch/calculated.png" "$out-calculated.png"
echo "pictures: $out-help.png $out-calculated.png"

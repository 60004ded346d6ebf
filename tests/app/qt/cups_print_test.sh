#!/usr/bin/env bash
# Print through a real CUPS scheduler: a private cupsd (its own folder and socket, nothing of the
# system's CUPS is touched) with a CUPS-PDF queue as the default printer. A person presses Print
# in the main window (off screen); one job must complete and make a one-page PDF. Also: with no
# default printer, and with the queue refusing jobs, Print shows its fault box. The same for
# orvane-cli --print (its printing module) when ORVANE_CLI is given: the fault in its messages,
# and the second job.
#   cups_print_test.sh PRINT_CHECK_PROGRAM [ORVANE_CLI]
# Exits 77 (skipped) with a message where it cannot run.
set -euo pipefail
check=$1
cli=${2:-}
skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "a private CUPS scheduler with the CUPS-PDF backend needs root"
[ -x /usr/sbin/cupsd ] || skip "cupsd is not installed (cups-daemon)"
command -v lpadmin >/dev/null || skip "lpadmin is not installed (cups-client)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the CUPS-PDF backend is not installed (printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "$ppd is missing"
command -v pdfinfo >/dev/null || skip "pdfinfo is not installed (poppler-utils)"

dir=$(mktemp -d /tmp/orvane-cups.XXXXXX)
pid=
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
chmod 755 "$dir"
mkdir -p "$dir/etc" "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/tmp"
chmod 1777 "$dir/tmp"  # the filters run as lp
cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF
export CUPS_SERVER=$dir/cups.sock QT_QPA_PLATFORM=offscreen
/usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
pid=$!
for _ in $(seq 100); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.05
done
lpstat -r >/dev/null 2>&1 || skip "the private cupsd did not start: $(tail -3 "$dir/log/error_log" 2>/dev/null)"

# orvane-cli prints the schedule; its one message must be EXPECTED (none: the job went out).
cli_print() {
    [ -n "$cli" ] || return 0
    local out
    out=$("$cli" --today 2024-06-15 --cost 10000 --method MACRS --life 5 --in-service 012004 \
        --calculate --print)
    [ "$(grep '^message:' <<<"$out" || true)" = "$1" ] || { echo "FAILED: orvane-cli: $out"; exit 1; }
    echo "orvane-cli --print: ${1:-printed}"
}

echo "== no default printer"
"$check" --refused
cli_print "message: [Print Grid Error] Err: 484[Problem getting printer information from the system. Make sure the printer is set up correctly.]"

lpadmin -p OrvanePDF -v cups-pdf:/ -E -P "$ppd" 2>/dev/null
lpadmin -d OrvanePDF
echo "== the queue refuses jobs"
cupsreject OrvanePDF
"$check" --refused
cli_print "message: [Print Grid Error] Err: 482[Printer error]"
cupsaccept OrvanePDF

echo "== the default printer takes the job"
"$check"
for _ in $(seq 200); do
    [ -n "$(lpstat -W completed -o OrvanePDF)" ] && break
    sleep 0.05
done
jobs=$(lpstat -W completed -o OrvanePDF)
echo "$jobs"
[ "$(echo "$jobs" | grep -c .)" -eq 1 ] || { echo "FAILED: one completed job expected"; exit 1; }
id=${jobs%% *}
id=${id##*-}
# CUPS-PDF writes into its Out folder (${HOME}/PDF of the job's user unless configured).
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$(getent passwd "$(id -un)" | cut -d: -f6)}
# The PDF CUPS-PDF wrote for job $1, waited for up to 5 seconds; nothing when none came.
job_pdf() {
    local pdf=
    for _ in $(seq 100); do
        pdf=$(find "$out" -maxdepth 1 -name "*-job_$1.pdf" -newer "$dir/etc/cupsd.conf" 2>/dev/null | head -1)
        [ -n "$pdf" ] && break
        sleep 0.05
    done
    echo "$pdf"
}
pdf=$(job_pdf "$id")
[ -n "$pdf" ] || { echo "FAILED: no PDF of job $id in $out"; exit 1; }
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages:[[:space:]]*//p')
echo "printed: $pdf, $pages page(s)"
rm -f "$pdf"
[ "$pages" = 1 ] || { echo "FAILED: one page expected"; exit 1; }
grep -q "total 1 " "$dir/log/page_log" || { echo "FAILED: CUPS counted no page"; cat "$dir/log/page_log"; exit 1; }

if [ -n "$cli" ]; then
    echo "== orvane-cli --print on the default printer"
    cli_print ""
    for _ in $(seq 200); do
        [ "$(lpstat -W completed -o OrvanePDF | grep -c .)" -eq 2 ] && break
        sleep 0.05
    done
    [ "$(lpstat -W completed -o OrvanePDF | grep -c .)" -eq 2 ] ||
        { echo "FAILED: orvane-cli's job did not complete"; lpstat -W all -o; exit 1; }
    id=$(lpstat -W completed -o OrvanePDF | grep -v "^OrvanePDF-$id " | cut -d' ' -f1)
    id=${id##*-}
    pdf=$(job_pdf "$id")
    [ -n "$pdf" ] || { echo "FAILED: no PDF of orvane-cli's job $id in $out"; exit 1; }
    pages=$(pdfinfo "$pdf" | sed -n 's/^Pages:[[:space:]]*//p')
    echo "printed: $pdf, $pages page(s)"
    rm -f "$pdf"
    [ "$pages" = 1 ] || { echo "FAILED: one page expected from orvane-cli"; exit 1; }
fi
echo "PASSED"

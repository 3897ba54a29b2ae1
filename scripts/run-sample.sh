#!/usr/bin/env bash
# Installs what is missing, builds Fibrolog and runs its main job on the
# bundled sample: a simulated meter holding tests/data/pendra-v2_10.kav is
# found, its results are downloaded, stored in a new test database and
# evaluated; the circuits go to a CSV file, a table on the terminal and the
# circuit detail and summary reports as PDF.
# Results are left in out/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
echo "Building (the first build takes a few minutes)..."
scripts/build.sh build >/dev/null

cli=build/src/cli/fibrolog-cli
out=out
mkdir -p "$out"
rm -f "$out/sample.mdb" "$out/sample.csv" "$out/sample.kav" "$out/sample-details.pdf" "$out/sample-summary.pdf"

work="$(mktemp -d)"
sim_pid=""
cleanup() {
    if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
# Printing lays out text through Qt's GUI module, which wants a runtime folder.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"

echo "== A simulated Pendra meter on COM3 holding tests/data/pendra-v2_10.kav"
build/tools/meter-sim/meter-sim --fast --id PX20731 --file tests/data/pendra-v2_10.kav >"$work/port" &
sim_pid=$!
for _ in $(seq 50); do
    if [ -s "$work/port" ]; then break; fi
    sleep 0.1
done
export FIBROLOG_SERIAL_PORTS=",,$(cat "$work/port")"
$cli find-meter

echo
echo "== Download, store and save into $out/sample.mdb"
$cli download "$out/sample.kav" --into "$out/sample.mdb"
cmp -s "$out/sample.kav" tests/data/pendra-v2_10.kav || { echo "the download differs from what the meter sent" >&2; exit 1; }
$cli info "$out/sample.mdb"

echo
echo "== Evaluated circuits ($out/sample.csv)"
$cli export-csv "$out/sample.mdb" "$out/sample.csv"
awk -F, 'NR == 1 { printf "%-18s %-8s %-7s %9s %11s %9s  %s\n", "LINK", "CIRCUIT", "WAVE", "LOSS dB", "MARGIN dB", "MARGIN %", "VERDICT"; next }
         { printf "%-18s %-8s %-7s %9s %11s %9s  %s\n", $1, $2, $8, $16, $17, ($19 == "" ? "-" : $19), $20 }' "$out/sample.csv"

echo
echo "== Reports as PDF: $out/sample-details.pdf (one page per circuit), $out/sample-summary.pdf"
$cli print "$out/sample.mdb" "$out/sample-details.pdf" --details
$cli print "$out/sample.mdb" "$out/sample-summary.pdf" --summary
echo "-- first page of the summary report, as text:"
pdftotext -layout -l 1 "$out/sample-summary.pdf" - | sed '/^[[:space:]]*$/d' | head -n 24

echo
echo "== Allowed loss of a planned link: EIA/TIA 568-A, 62.5 um multimode, 2 km, 2 connector pairs, 1 splice"
$cli budget --standard 2 --fiber-type 0 --length-km 2 --connectors 2 --splices 1

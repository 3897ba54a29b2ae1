#!/usr/bin/env bash
# Installs what is missing, builds Fibrolog and runs its main job on the
# bundled sample: the standards catalogue, the loss budget of a sample link, and
# a download from a simulated meter, parsed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build >/dev/null

cli=build/src/cli/fibrolog-cli

echo "== Standards catalogue (first 10 of $($cli standards | wc -l) entries)"
$cli standards | head -n 10
echo
echo "== Allowed loss: EIA/TIA 568-A, 62.5 um multimode, 2 km, 2 connector pairs, 1 splice"
$cli budget --standard 2 --fiber-type 0 --length-km 2 --connectors 2 --splices 1
echo
echo "== Allowed loss: ANSI/EIA/TIA568B.3, outdoor singlemode, 12.5 km, 4 connector pairs, 6 splices"
$cli budget --standard 12 --fiber-type 3 --length-km 12.5 --connectors 4 --splices 6
echo
echo "== Meter: a simulated Pendra meter on COM3 holding tests/data/pendra-v2_10.kav"
work="$(mktemp -d)"
sim_pid=""
cleanup() {
    if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
build/tools/meter-sim/meter-sim --fast --id PX20731 --file tests/data/pendra-v2_10.kav >"$work/port" &
sim_pid=$!
for _ in $(seq 50); do
    if [ -s "$work/port" ]; then break; fi
    sleep 0.1
done
export FIBROLOG_SERIAL_PORTS=",,$(cat "$work/port")"
$cli find-meter
$cli download "$work/download.kav"
if ! cmp -s "$work/download.kav" tests/data/pendra-v2_10.kav; then
    echo "the download differs from what the meter sent" >&2
    exit 1
fi
echo "downloaded $(wc -c <"$work/download.kav") bytes, identical to what the meter sent"
echo
echo "== The download parsed: company, meter and sites"
build/tools/kav-dump/kav-dump "$work/download.kav" | grep -E '^(company|meter|user link budget|return loss|site) '
echo "fiber lists: $(build/tools/kav-dump/kav-dump "$work/download.kav" | grep -c '^fiber list'), fibers: $(build/tools/kav-dump/kav-dump "$work/download.kav" | grep -c '^  fiber')"

#!/usr/bin/env bash
# Installs what is missing, builds Fibrolog and runs its main job on the
# bundled sample: the standards catalogue and the loss budget of a sample link.
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

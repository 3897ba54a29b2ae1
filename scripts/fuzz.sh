#!/usr/bin/env bash
# Fuzzes the download parsers (.kav and Corvina .kavw) with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the sample downloads.
#   scripts/fuzz.sh [SECONDS]    default 60, on every core at once
# Any crash, hang (an input taking over 10 s), leak or sanitizer finding fails
# the run; the input that caused it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFIBROLOG_FUZZ=ON -DFIBROLOG_BUILD_BENCH=OFF -DFIBROLOG_WERROR=ON >/dev/null
cmake --build build-fuzz --target fuzz-download-parser -j "$(nproc)"

corpus=build-fuzz/corpus
findings=build-fuzz/findings
mkdir -p "$corpus" "$findings"
cp tests/data/*.kav tests/data/*.kavw "$corpus/"
log=build-fuzz/fuzz.log
# One fuzzing process per core (libFuzzer's fork mode, sharing one corpus);
# in that mode a timeout or running out of memory would be passed over
# unless told otherwise.
if ! build-fuzz/tests/meter/fuzz/fuzz-download-parser "$corpus" -fork="$(nproc)" \
    -ignore_crashes=0 -ignore_timeouts=0 -ignore_ooms=0 \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    tail -n 150 "$log"
    echo "fuzz: FAILED, see $log and $findings/" >&2
    exit 1
fi
grep -E '^#[0-9]+: cov:' "$log" | tail -n 1
echo "fuzz: no crash, hang or sanitizer finding in ${seconds} s on $(nproc) cores"

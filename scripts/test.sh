#!/usr/bin/env bash
# Installs what is missing, builds Fibrolog and runs the whole test suite.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-asan
    # Line tables are all a sanitizer's report needs (file and line of each
    # frame); full debug information made a quarter of this build's time.
    # Clang, which the fuzzing uses too: it compiles the instrumented test
    # programs in two thirds of gcc's time, and its UndefinedBehaviorSanitizer
    # checks more (calls through function pointers of the wrong type, the
    # dynamic type of objects), while the release build keeps Debian's gcc.
    scripts/build.sh "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
        -DFIBROLOG_SANITIZE=ON -DFIBROLOG_BUILD_BENCH=OFF
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    # Qt's own event loop instead of GLib's: LeakSanitizer's exit check
    # crashes on the thread-local data GLib's loop leaves behind after a
    # program has run a child process, and GLib keeps memory there that the
    # check cannot see.
    export QT_NO_GLIB=1
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
    build_dir=build
    source scripts/release-flags.sh
    scripts/build.sh "$build_dir" "${release_flags[@]}"
fi

export QT_QPA_PLATFORM=offscreen
retry=()
if [ "${1:-}" = "--sanitize" ]; then
    # LeakSanitizer's own tracer now and then crashes while it stops the
    # world at a test program's exit ("Tracer caught signal 11"), with every
    # test passed. A test that fails again on its second run fails the suite:
    # a leak or a sanitizer report is found every time, the tracer's crash is not.
    retry=(--repeat until-pass:2)
fi
# Many tests spend most of their time waiting (the simulated meter's serial
# line, child processes, locks and timeouts), so twice as many at once as
# there are cores keep the cores busy.
ctest --test-dir "$build_dir" --output-on-failure -j "$(($(nproc) * 2))" "${retry[@]}"

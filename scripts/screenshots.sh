#!/usr/bin/env bash
# Makes the screenshots of the user guide, the README and the metainfo in
# doc/screenshots: tools/screenshot opens a test database made from the
# bundled sample (tests/data/pendra-v2_10.kav) in the window on Qt's
# offscreen platform, at fixed sizes, font and locale, so the pictures only
# change when the window does: faketime starts the clock at a fixed moment, so
# the download's date and the status bar's clock are the same every time.
# optipng makes the pictures small. Commit the pictures it changed; the build puts them in the guide.
#
#   scripts/screenshots.sh           the pictures in doc/screenshots
#   scripts/screenshots.sh --tests   also the pictures the window tests take of
#                                    every dialog, in out/screenshots (for a look
#                                    by eye; under xvfb-run too, in out/screenshots/x11)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if [ ! -f build/CMakeCache.txt ]; then
    scripts/build.sh build >/dev/null
fi
cmake --build build -j2 --target screenshot fibrolog-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 0700 "$work/runtime"
# A home, folders and shared standards of their own: nothing of the user's
# (custom standards, settings, logo) shows in the pictures.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_STATE_HOME="$work/home/.local/state" XDG_RUNTIME_DIR="$work/runtime" \
    FIBROLOG_SHARED_STANDARDS="$work/none.mdb" LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC
# The clock runs from that moment on (timers need it to), the monotonic one untouched.
at_a_fixed_moment() { FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '@2026-12-07 09:30:00' "$@"; }
at_a_fixed_moment build/src/cli/fibrolog-cli import tests/data/pendra-v2_10.kav "$work/sample.mdb" >/dev/null 2>&1

out=doc/screenshots
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen at_a_fixed_moment build/tools/screenshot/screenshot "$work/sample.mdb" "$out" >/dev/null \
    2> >(grep -v 'does not support propagateSizeHints' >&2)
for png in "$out"/*.png; do
    optipng -quiet -o5 -strip all "$png"
done
du -ch "$out"/*.png

if [ "${1:-}" = --tests ]; then
    tests_out="$PWD/out/screenshots"
    mkdir -p "$tests_out/x11"
    rm -f "$tests_out"/*.png "$tests_out"/x11/*.png
    cmake --build build -j2 --target test-gui test-window test-wizards test-launcher >/dev/null
    for program in gui/test-gui gui/test-window wizards/test-wizards launcher/test-launcher; do
        FIBROLOG_SCREENSHOTS="$tests_out" QT_QPA_PLATFORM=offscreen "build/tests/$program" >/dev/null
    done
    if command -v xvfb-run >/dev/null; then
        FIBROLOG_SCREENSHOTS="$tests_out/x11" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
            build/tests/gui/test-window >/dev/null
    fi
    ls -1 "$tests_out"/*.png "$tests_out"/x11/*.png 2>/dev/null
fi

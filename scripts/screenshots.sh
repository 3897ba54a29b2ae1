#!/usr/bin/env bash
# Renders the window and its dialogs to PNG files in out/screenshots: the main
# window in both layouts, the dialogs, the download's progress dialog and a
# print preview page. The pictures come from the window tests, taken as the
# tests drive the real widgets: on Qt's offscreen platform always, and under a
# real X server (xvfb-run, Debian package xvfb, installed here when missing)
# into out/screenshots/x11.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build >/dev/null
out="$PWD/out/screenshots"
mkdir -p "$out/x11"
rm -f "$out"/*.png "$out"/x11/*.png

for program in gui/test-gui gui/test-window wizards/test-wizards launcher/test-launcher; do
    FIBROLOG_SCREENSHOTS="$out" QT_QPA_PLATFORM=offscreen "build/tests/$program" >/dev/null
done
if ! command -v xvfb-run >/dev/null; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get install -y -qq --no-install-recommends xvfb xauth >/dev/null || true
fi
if command -v xvfb-run >/dev/null; then
    FIBROLOG_SCREENSHOTS="$out/x11" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/tests/gui/test-window >/dev/null
fi
ls -1 "$out"/*.png "$out"/x11/*.png 2>/dev/null

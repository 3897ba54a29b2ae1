#!/usr/bin/env bash
# Lays out an install medium in a folder, to be copied onto a USB stick: the
# launcher (the start screen) with its Languages.ini, the installer scripts,
# the Debian package and, in manuals/, the manuals taken from the package.
#   scripts/make-medium.sh [--deb FILE.deb] [--launcher PROGRAM] OUTPUT_DIR
# Without --deb, scripts/package.sh builds the package and, in the same
# build folder (build-package/), the launcher. OUTPUT_DIR must be new or
# empty. The launcher needs Qt 6 (Core, Gui, Widgets) on the machine it runs
# on.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"

usage() {
    echo "usage: $0 [--deb FILE.deb] [--launcher PROGRAM] OUTPUT_DIR" >&2
    exit 2
}

deb=""
launcher=""
output=""
while [ $# -gt 0 ]; do
    case "$1" in
    --deb) [ $# -ge 2 ] || usage; deb=$2; shift 2 ;;
    --launcher) [ $# -ge 2 ] || usage; launcher=$2; shift 2 ;;
    -*) usage ;;
    *) [ -z "$output" ] || usage; output=$1; shift ;;
    esac
done
[ -n "$output" ] || usage

fail() {
    echo "make-medium: $*" >&2
    exit 1
}

command -v dpkg-deb >/dev/null || fail "dpkg-deb is missing"
if [ -e "$output" ] && [ -n "$(ls -A "$output")" ]; then
    fail "$output is not empty"
fi

if [ -z "$deb" ]; then
    deb="$source_dir/$("$source_dir/scripts/package.sh" | tail -n 1)"
    launcher=${launcher:-$source_dir/build-package/src/launcher/launcher}
fi
if [ -z "$launcher" ]; then
    for candidate in "$source_dir"/build-package/src/launcher/launcher "$source_dir"/build/src/launcher/launcher; do
        if [ -x "$candidate" ]; then
            launcher=$candidate
            break
        fi
    done
fi
[ -f "$deb" ] || fail "no package at ${deb:-(none)}"
[ -n "$launcher" ] && [ -x "$launcher" ] || fail "no launcher program (build it, or give --launcher)"
dpkg-deb --info "$deb" >/dev/null 2>&1 || fail "$deb is no Debian package"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/package"

mkdir -p "$output/manuals"
install -m 755 "$launcher" "$output/launcher"
install -m 644 "$source_dir/medium/Languages.ini" "$output/Languages.ini"
install -m 755 "$source_dir/medium/install.sh" "$output/install.sh"
install -m 755 "$source_dir/medium/install-pdf-reader.sh" "$output/install-pdf-reader.sh"
install -m 644 "$deb" "$output/$(basename "$deb")"
manuals=0
while IFS= read -r -d '' pdf; do
    install -m 644 "$pdf" "$output/manuals/"
    manuals=$((manuals + 1))
done < <(find "$work/package/usr/share/fibrolog/manuals" -maxdepth 1 -name '*.pdf' -print0 2>/dev/null)
[ "$manuals" -gt 0 ] || fail "the package holds no manuals (usr/share/fibrolog/manuals/*.pdf)"

echo "$output"

#!/usr/bin/env bash
# scripts/make-medium.sh with a small package made here and the launcher
# as built: the medium holds the programs, the settings, the package and
# the manuals out of it, and a second run does not write over it.
#   make-medium-test.sh SOURCE_DIR LAUNCHER
set -euo pipefail
source_dir=$1
launcher=$2

fail() {
    echo "make-medium-test: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/DEBIAN" "$work/tree/usr/share/fibrolog/manuals"
printf 'Package: fibrolog\nVersion: 9.9.9\nArchitecture: all\nMaintainer: Test <test@example.org>\nDescription: test\n' \
    >"$work/tree/DEBIAN/control"
printf '%%PDF-1.4\n' >"$work/tree/usr/share/fibrolog/manuals/invalid operating margin.pdf"
dpkg-deb --build --root-owner-group "$work/tree" "$work/fibrolog_9.9.9_all.deb" >/dev/null

medium="$work/medium"
bash "$source_dir/scripts/make-medium.sh" --deb "$work/fibrolog_9.9.9_all.deb" --launcher "$launcher" "$medium" \
    >/dev/null || fail "make-medium.sh failed"

expected="Languages.ini
fibrolog_9.9.9_all.deb
install-pdf-reader.sh
install.sh
launcher
manuals/invalid operating margin.pdf"
actual=$(cd "$medium" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the medium holds:
$actual"
for program in launcher install.sh install-pdf-reader.sh; do
    [ -x "$medium/$program" ] || fail "$program is not executable"
done
cmp -s "$source_dir/medium/Languages.ini" "$medium/Languages.ini" || fail "Languages.ini differs"

# install.sh finds the package beside it; with no package it says so.
rm "$medium/fibrolog_9.9.9_all.deb"
if message=$(XDG_RUNTIME_DIR="$work" "$medium/install.sh" </dev/null 2>&1); then
    fail "install.sh succeeded without a package"
fi
grep -q 'No Fibrolog package' <<<"$message" || fail "install.sh said: $message"

if bash "$source_dir/scripts/make-medium.sh" --deb "$work/fibrolog_9.9.9_all.deb" --launcher "$launcher" "$medium" \
    2>/dev/null; then
    fail "make-medium.sh wrote into a folder that was not empty"
fi
echo "make-medium-test: ok"

#!/usr/bin/env bash
# Builds the Debian package from the finished build into a temporary folder,
# reads its control fields and file list, unpacks it and runs the command
# line from the unpacked tree (the programs link Qt and SQLCipher from the
# system, so they run there as they would from /usr).
#   package-test.sh CPACK BUILD_DIR SOURCE_DIR VERSION MANIFEST
set -euo pipefail

cpack_command=$1
build_dir=$(cd "$2" && pwd)
source_dir=$(cd "$3" && pwd)
version=$4
manifest=$5

fail() {
    echo "package-test: $*" >&2
    exit 1
}

for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs dpkg-dev)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack_command" --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack failed"
}
deb=$work/out/fibrolog_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = fibrolog ] || fail "the package is called '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package has version '$(field Version)'"
[ -n "$(field Maintainer)" ] || fail "the package has no maintainer"
[ -n "$(field Section)" ] || fail "the package has no section"
depends=$(field Depends)
echo "Depends: $depends"
# From dpkg-shlibdeps (the libraries the programs link) and from the list of
# what they need without linking it.
names=$(printf '%s\n' "$depends" | tr ',|' '\n' | sed 's/^ *//; s/[ (].*//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libsqlcipher0 libc6 libstdc++6 \
    fonts-liberation2 xdg-utils; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package"
done

# The same files as `cmake --install`, under /usr (the manifest has no prefix).
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' |
    LC_ALL=C sort >"$work/packaged.txt"
if ! diff -u "$manifest" "$work/packaged.txt"; then
    fail "the package's files differ from $(basename "$manifest") (- expected, + packaged)"
fi

dpkg-deb -x "$deb" "$work/root"
# Stripped programs and generated files hold no path of the machine that built them.
if matches=$(grep -rlF -e "$source_dir" -e "$build_dir" "$work/root"); then
    fail "build paths in: $matches"
fi
cd "$work"
lines=$(FIBROLOG_SHARED_STANDARDS="$work/none.mdb" XDG_DATA_HOME="$work/data" \
    "$work/root/usr/bin/fibrolog-cli" standards | wc -l) || fail "the packaged fibrolog-cli standards failed"
[ "$lines" -eq 90 ] || fail "the packaged fibrolog-cli standards printed $lines lines, not 90"
echo "package-test: $(basename "$deb"), $(stat -c %s "$deb") bytes, $(wc -l <"$work/packaged.txt") files"

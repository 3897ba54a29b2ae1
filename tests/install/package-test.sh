#!/usr/bin/env bash
# Builds the Debian package with scripts/package.sh as a packager does, and
# checks it: its control fields and file list, lintian (no error and no
# warning), the hardening of both programs, the licence and the changelog,
# no path of the machine that built it, and the command line running from
# the unpacked tree (the programs link Qt and SQLCipher from the system, so
# they run there as they would from /usr). Then the build folder is wiped
# and the package built again: the two must be the same bytes.
#   package-test.sh SOURCE_DIR PACKAGE_BUILD_DIR VERSION MANIFEST
# PACKAGE_BUILD_DIR is kept between runs; ccache makes the compiling of the
# second build nearly free, so it costs the links, the data and dpkg-deb.
set -euo pipefail

source_dir=$(cd "$1" && pwd)
package_build_dir=$2
version=$3
manifest=$4

fail() {
    echo "package-test: $*" >&2
    exit 1
}

for tool in dpkg-deb dpkg-shlibdeps dpkg-buildflags lintian readelf; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# package BUILD_DIR OUT_DIR: runs scripts/package.sh, says how long it took.
package() {
    local started=$SECONDS
    "$source_dir/scripts/package.sh" "$1" "$2" >"$work/package.log" 2>&1 || {
        cat "$work/package.log" >&2
        fail "scripts/package.sh failed"
    }
    echo "package-test: scripts/package.sh took $((SECONDS - started)) s"
}

package "$package_build_dir" "$work/first"
deb=$work/first/fibrolog_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); scripts/package.sh made: $(ls "$work/first")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = fibrolog ] || fail "the package is called '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package has version '$(field Version)'"
depends=$(field Depends)
echo "Depends: $depends"
# From dpkg-shlibdeps (the libraries the programs link) and from the list of
# what they need without linking it.
names=$(printf '%s\n' "$depends" | tr ',|' '\n' | sed 's/^ *//; s/[ (].*//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libsqlcipher0 libc6 libstdc++6 \
    fonts-liberation2 xdg-utils; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package"
done

# Debian's own checks of a package (fields, modes, manual pages, copyright,
# changelog, hardening flags, ...): no error and no warning. Lintian refuses
# root unless told; the package is our own.
lintian_options=(--fail-on error,warning)
[ "$(id -u)" -ne 0 ] || lintian_options+=(--allow-root)
if ! lintian "${lintian_options[@]}" "$deb" >"$work/lintian.txt" 2>&1; then
    cat "$work/lintian.txt" >&2
    fail "lintian finds errors or warnings in $(basename "$deb")"
fi

# The same files as `cmake --install`, under /usr (the manifest has no prefix).
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' |
    LC_ALL=C sort >"$work/packaged.txt"
if ! diff -u "$manifest" "$work/packaged.txt"; then
    fail "the package's files differ from $(basename "$manifest") (- expected, + packaged)"
fi

dpkg-deb -x "$deb" "$work/root"
# Stripped programs and generated files hold no path of the machine that built them.
build_dir=$(cd "$package_build_dir" && pwd)
if matches=$(grep -rlF -e "$source_dir" -e "$build_dir" "$work/root"); then
    fail "build paths in: $matches"
fi

# Hardened: position-independent, read-only relocations bound at start
# (-z relro -z now), a stack protector and fortified library calls.
for program in fibrolog fibrolog-cli; do
    file=$work/root/usr/bin/$program
    readelf -hW "$file" | grep -qE 'Type: +DYN' || fail "$program is not position-independent"
    readelf -lW "$file" | grep -qw GNU_RELRO || fail "$program has no read-only relocations (-z relro)"
    readelf -dW "$file" | grep -qE '\(FLAGS\) .*BIND_NOW|\(FLAGS_1\) .*\bNOW\b' ||
        fail "$program is not bound at start (-z now)"
    symbols=$(readelf --dyn-syms -W "$file")
    grep -qE ' __stack_chk_fail(@|$)' <<<"$symbols" || fail "$program has no stack protector"
    fortified=$(grep -oE ' __[a-z0-9_]+_chk(@|$)' <<<"$symbols" | tr -d ' @' | sort -u | tr '\n' ' ') ||
        fail "$program calls no fortified function (_FORTIFY_SOURCE)"
    echo "package-test: $program is hardened; fortified: $fortified"
done

# The licence and the changelog where Debian looks for them (lintian reads
# them too): the newest entry of the changelog is this version's.
doc=$work/root/usr/share/doc/fibrolog
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" ||
    fail "the copyright file is not machine-readable"
grep -qx 'License: GPL-3+' "$doc/copyright" || fail "the copyright file names no GPL-3+ licence"
newest=$(zcat "$doc/changelog.gz" | head -n 1)
[[ $newest == "fibrolog ($version) "* ]] || fail "the changelog's newest entry is '$newest', not $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$work/root/usr/share/metainfo/org.fibrolog.Fibrolog.metainfo.xml" || fail "the metainfo names no licence"

(cd "$work" && FIBROLOG_SHARED_STANDARDS="$work/none.mdb" XDG_DATA_HOME="$work/data" \
    "$work/root/usr/bin/fibrolog-cli" standards >"$work/standards.txt") ||
    fail "the packaged fibrolog-cli standards failed"
lines=$(wc -l <"$work/standards.txt")
[ "$lines" -eq 90 ] || fail "the packaged fibrolog-cli standards printed $lines lines, not 90"

# Reproducible: the same commit built again from nothing gives the same bytes.
rm -rf "$package_build_dir"
package "$package_build_dir" "$work/second"
if ! cmp "$deb" "$work/second/$(basename "$deb")"; then
    dpkg-deb -R "$deb" "$work/unpacked-first"
    dpkg-deb -R "$work/second/$(basename "$deb")" "$work/unpacked-second"
    diff -rq "$work/unpacked-first" "$work/unpacked-second" >&2 || true
    fail "two builds of one commit give different packages"
fi
echo "package-test: $(basename "$deb"), $(stat -c %s "$deb") bytes, $(wc -l <"$work/packaged.txt") files, built twice alike"

#!/usr/bin/env bash
# Builds Fibrolog for release and makes the Debian package, OUT_DIR/fibrolog_<version>_<arch>.deb.
#   scripts/package.sh [BUILD_DIR [OUT_DIR]]      defaults build-package/ and out/
# Install it with: sudo apt install ./out/fibrolog_<version>_<arch>.deb
# The last line printed is the package's file name. BUILD_DIR is the
# package's own: it is emptied when the sources' date (the last commit's)
# differs from the one it was built for.
#
# The programs parse files and serial input from outside, so they are built
# with Debian's hardening flags (scripts/release-flags.sh).
#
# Two runs on one commit give the same bytes: every time stamp is the last
# commit's (SOURCE_DATE_EPOCH, which the compiler, CMake and dpkg-deb read),
# the checkout's folder is mapped away in the programs, the files are
# owned by root with fixed modes and listed in name order, and everything
# compressed is compressed without names or times.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

build_dir=${1:-build-package}
out_dir=${2:-out}

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) && [ -n "$SOURCE_DATE_EPOCH" ] || {
        echo "package.sh: this is no git checkout with a commit; set SOURCE_DATE_EPOCH to the sources' date (seconds since 1970)" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH

mkdir -p "$build_dir" "$out_dir"
build_dir=$(cd "$build_dir" && pwd)
# What the build dates by SOURCE_DATE_EPOCH (Qt's resources, the notes' PDF,
# the About box) is made again only when its own sources change, so a build
# folder of another date, or of an unknown one, starts afresh.
date_stamp=$build_dir/package-source-date
if [ -f "$build_dir/CMakeCache.txt" ] && [ "$(cat "$date_stamp" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
    find "$build_dir" -mindepth 1 -delete
fi
echo "$SOURCE_DATE_EPOCH" >"$date_stamp"
# Only the programs and their data: no tests, no benchmarks. The programs
# look for the language modules and the manuals under the prefix they are
# built for, which is the package's.
source scripts/release-flags.sh
scripts/build.sh "$build_dir" "${release_flags[@]}" -DFIBROLOG_BUILD_TESTS=OFF -DFIBROLOG_BUILD_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr

# The package's tree: what `cmake --install` installs, the programs
# stripped as Debian strips them, modes that do not depend on the umask.
# dpkg-shlibdeps expects it at debian/PACKAGE/ of the folder it runs in.
root=$build_dir/package/debian/fibrolog
rm -rf "$root"
DESTDIR=$root cmake --install "$build_dir" >/dev/null
strip --remove-section=.comment --remove-section=.note "$root"/usr/bin/*
find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root"/usr/bin/*

# The libraries the programs link, as package dependencies. dpkg-shlibdeps
# wants a source package's control file in its working folder (an empty one
# does) and the package's DEBIAN folder above the programs.
mkdir "$root/DEBIAN"
: >"$build_dir/package/debian/control"
depends=$(cd "$build_dir/package" && dpkg-shlibdeps -O -edebian/fibrolog/usr/bin/fibrolog -edebian/fibrolog/usr/bin/fibrolog-cli)
depends=${depends#shlibs:Depends=}
# Installed-Size in KiB: each file rounded up to whole KiB and each folder
# one, so the figure is the same on every file system.
size=$(find "$root" -mindepth 1 -path "$root/DEBIAN" -prune -o \( -type f -printf '%s\n' \) -o \( -type d -printf '1024\n' \) |
    awk '{ total += int(($1 + 1023) / 1024) } END { print total }')

control=$(<"$build_dir/package/control")
control=${control//'${Architecture}'/$(dpkg --print-architecture)}
control=${control//'${Installed-Size}'/$size}
control=${control//'${shlibs:Depends}'/$depends}
printf '%s\n' "$control" >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 "$root"/DEBIAN/*
find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +

name=$(sed -n 's/^Package: //p' "$root/DEBIAN/control")_$(sed -n 's/^Version: //p' "$root/DEBIAN/control")
deb=$out_dir/${name}_$(dpkg --print-architecture).deb
# One compression thread: xz writes other bytes when it runs several.
dpkg-deb --root-owner-group -Zxz --threads-max=1 --build "$root" "$deb" >/dev/null
echo "$deb"

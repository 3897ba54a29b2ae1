#!/usr/bin/env bash
# Builds Fibrolog for release and makes the Debian package, out/fibrolog_<version>_<arch>.deb.
#   scripts/package.sh [BUILD_DIR]      default build-package/
# Install it with: sudo apt install ./out/fibrolog_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

build_dir="${1:-build-package}"
# Only the programs and their data: no tests, no benchmarks. The programs
# look for the language modules and the manuals under the prefix they are
# built for, which is the package's. The folders of this machine are mapped
# away, so nothing in the package names them.
scripts/build.sh "$build_dir" -DCMAKE_BUILD_TYPE=Release -DFIBROLOG_BUILD_TESTS=OFF -DFIBROLOG_BUILD_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr \
    "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$PWD/="

mkdir -p out
rm -f "$build_dir"/package/fibrolog_*.deb
cpack --config "$build_dir/CPackConfig.cmake" -B "$build_dir/package" >/dev/null
deb=$(ls "$build_dir"/package/fibrolog_*.deb)
cp "$deb" out/
echo "out/$(basename "$deb")"

#!/usr/bin/env bash
# `cmake -S . -B b && cmake --build b` uses CMake's default generator, Unix
# Makefiles, while the other scripts use Ninja. The generators differ in
# the rules the project writes itself (the files its custom commands make:
# language modules, icons, manual pages, changelog, the user guide, the
# tests' own modules) and in what creates their folders, so those are
# built with Make here.
#   scripts/check-make-build.sh [BUILD_DIR]      default build-make/
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build_dir=${1:-build-make}
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
    export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
    export CCACHE_IGNOREOPTIONS="-ffile-prefix-map=*"
fi
source scripts/release-flags.sh
cmake -S . -B "$build_dir" -G "Unix Makefiles" -DFIBROLOG_WERROR=ON "${launcher[@]}" "${release_flags[@]}" >/dev/null
# The project's custom targets: the default build's and the one only the
# tests ask for. A new custom target belongs in this list. The notes are
# printed by a tool that links the whole core, which Make compiles from
# other folders than Ninja (so ccache has none of it): their rule is the
# same kind as the others', and they are left to the Ninja builds.
targets=(fibrolog-languages fibrolog-data fibrolog-guide test-app-partial-module)
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"
echo "make: built with Unix Makefiles: ${targets[*]}"

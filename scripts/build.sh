#!/usr/bin/env bash
# Configures and builds Fibrolog.
#   scripts/build.sh [BUILD_DIR] [extra CMake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${1:-build}"
shift || true

# ccache, when it is there, makes a rebuild of unchanged files nearly free;
# paths relative to the checkout let every clone share one cache, and the
# precompiled headers are cacheable with these sloppiness settings.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD"
    export CCACHE_NOHASHDIR=1
    export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
    # The release flags map the checkout's folder to "." (scripts/release-flags.sh):
    # the objects are the same wherever the checkout is, so the folder named
    # in that option must not keep one clone from using another's objects.
    export CCACHE_IGNOREOPTIONS="-ffile-prefix-map=*"
fi

# The program's libraries are compiled in unity batches of eight files: each
# batch reads Qt's headers once instead of eight times, which takes a
# quarter off a build from nothing (the tests are compiled file by file,
# tests/CMakeLists.txt). Every build folder beside the checkout gets the same
# batches, so ccache still serves the package build what this one compiled.
cmake -S . -B "$build_dir" -G Ninja -DFIBROLOG_WERROR=ON -DCMAKE_UNITY_BUILD=ON "${launcher[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

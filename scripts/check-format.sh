#!/usr/bin/env bash
# Fails, naming the files and lines, when a C++ file of the checkout is not
# laid out as .clang-format says (clang-format -i FILE lays it out).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format: every C++ file is laid out as .clang-format says"

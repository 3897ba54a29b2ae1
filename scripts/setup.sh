#!/usr/bin/env bash
# Installs the Debian packages Fibrolog needs to build, test and run.
# Only what is missing is installed; on a prepared machine this does nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev
    qt6-l10n-tools qt6-translations-l10n
    libsqlcipher-dev libssl-dev
    postgresql libpq-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format make
    fonts-liberation2 poppler-utils cmark-gfm optipng faketime
    qt6-svg-dev desktop-file-utils appstream dpkg-dev file groff-base lintian
    xvfb
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

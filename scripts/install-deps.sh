#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; skips what is there.
# Usage: install-deps.sh [build|test]
set -euo pipefail

# libqt6gui6 carries the JPEG, GIF and icon image plugins the card's pictures load through.
build_packages=(cmake g++ ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev
                libbenchmark-dev fonts-liberation2 qt6-qpa-plugins libqt6gui6)
test_packages=(clang libclang-rt-14-dev poppler-utils xvfb xauth unrtf
               libreoffice-writer-nogui cups printer-driver-cups-pdf)

wanted=("${build_packages[@]}")
if [ "${1:-build}" = test ]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"

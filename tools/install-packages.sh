#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when any is missing, and makes
# the Japanese locale that the game runs in under Wine.
# Usage: tools/install-packages.sh   (as root, or with sudo available)
set -euo pipefail

packages=(
    # the engine, the driver and their tests
    g++ clang clang-format cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev file
    # libFuzzer and the sanitizers' runtimes for clang
    libclang-rt-14-dev
    # the picture generator
    libfreetype-dev zlib1g-dev fonts-ipafont-gothic
    # the Linux desktop program, and its Debian package
    qt6-base-dev dpkg-dev lintian desktop-file-utils
    # the Windows program, and running it under Wine on a virtual display
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 icoutils wine wine64 fonts-wine xvfb xdotool
    x11-utils imagemagick locales python3
)

run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    run_as_root apt-get update -q
    run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi

if ! locale -a | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "Making the ja_JP.UTF-8 locale"
    run_as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

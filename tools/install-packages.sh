#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when any is missing.
# Usage: tools/install-packages.sh   (as root, or with sudo available)
set -euo pipefail

packages=(
    g++ clang cmake ninja-build libgtest-dev libgmock-dev
)

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
run_as_root apt-get update -q
run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"

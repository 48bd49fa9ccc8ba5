#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs every test: the unit and driver tests
# built with g++ and with clang, then again with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh

for preset in native native-clang sanitize; do
    echo "=== $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

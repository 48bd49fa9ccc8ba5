#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs every test: the unit, driver, random
# walk and picture tests built with g++, with clang, and with AddressSanitizer and
# UndefinedBehaviorSanitizer; a minute of the step fuzzer; the checks of the 32-bit and 64-bit
# Windows programs; and the end-to-end tests of the 64-bit program under Wine. The search's whole
# differential corpus runs apart: ctest --preset full (after the native build).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh

for preset in native native-clang sanitize fuzz win32 win64; do
    echo "=== $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

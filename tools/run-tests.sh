#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine (tools/install-packages.sh) and runs every test,
# preset by preset:
#   native        g++: the engine, search (a slice of the differential corpus), controller, random
#                 walk, painting, menu, dialog and picture tests; the driver's tests; the desktop
#                 program's widgets (offscreen) and its window on Xvfb; the Debian package's
#                 contents; the format check; the benchmark's short run
#   native-clang  the same built with clang
#   sanitize      the same with AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz          a minute of the step fuzzer
#   win32         the 32-bit Windows program and its release zip, checked
#   win64         the 64-bit Windows program, checked, and its end-to-end tests under Wine
#   web           the engine's, controller's and painting's tests and the driver's as
#                 WebAssembly under node (the bench signature among them); the page in Chromium,
#                 the search there, and the page's zip
# The search's whole differential corpus runs apart: ctest --preset full (after the native build).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh

for preset in native native-clang sanitize fuzz win32 win64 web; do
    echo "=== $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

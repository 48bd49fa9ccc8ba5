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
#                 Firefox and WebKit, the search in Chromium, and the page's zip
# Every preset runs, whatever the one before it did; the last line counts the tests of them all.
# The search's whole differential corpus runs apart: ctest --preset full (after the native build).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh

passed=0
failed=0
unbuilt=()
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for preset in native native-clang sanitize fuzz win32 win64 web; do
    echo "=== $preset ==="
    if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; }; then
        unbuilt+=("$preset")
        continue
    fi
    ctest --preset "$preset" | tee "$log" || true
    # ctest's summary: "P% tests passed, F tests failed out of T"
    failures="" total=""
    read -r failures total < <(sed -n 's/.* tests passed, \([0-9]*\) tests failed out of \([0-9]*\)$/\1 \2/p' "$log") || true
    passed=$((passed + ${total:-0} - ${failures:-0}))
    failed=$((failed + ${failures:-0}))
    [ -n "${total:-}" ] || unbuilt+=("$preset (no tests ran)")
done
echo
if [ ${#unbuilt[@]} -ne 0 ]; then
    echo "did not build or run: ${unbuilt[*]}"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ ${#unbuilt[@]} -eq 0 ]

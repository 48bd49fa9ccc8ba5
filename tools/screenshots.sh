#!/usr/bin/env bash
# Takes the README's screenshots (docs/*.png) from the real programs on a virtual display: the
# Windows program under Wine and the Linux desktop program, played by the end-to-end helpers.
# Sets up and builds what it needs first, as tools/run-tests.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh
for preset in native win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done

prefix=build/screenshots/wine-prefix
mkdir -p build/screenshots
python3 tests/e2e/make_prefix.py "$prefix"
YORUNAMI_EXE=$PWD/build/win64/ui/yorunami.exe \
YORUNAMI_PROBE=$PWD/build/win64/tests/windows/e2e/probe.exe \
YORUNAMI_PREFIX=$PWD/$prefix \
YORUNAMI_NATIVE=$PWD/build/native/ui/yorunami \
YORUNAMI_PICTURES=$PWD/ui/pictures \
PYTHONDONTWRITEBYTECODE=1 \
    python3 tools/screenshots.py docs

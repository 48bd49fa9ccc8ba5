#!/usr/bin/env bash
# Takes the README's screenshots (docs/*.png) from the real programs on a virtual display: the
# Windows program under Wine, the Linux desktop program and the web page in Chromium, played by
# the end-to-end helpers (run by Debian's Python, which has Selenium). Sets up and builds what it
# needs first, as tools/run-tests.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh
for preset in native win64 web-page; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done

prefix=build/screenshots/wine-prefix
mkdir -p build/screenshots
/usr/bin/python3 tests/e2e/make_prefix.py "$prefix"
YORUNAMI_EXE=$PWD/build/win64/ui/yorunami.exe \
YORUNAMI_PROBE=$PWD/build/win64/tests/windows/e2e/probe.exe \
YORUNAMI_PREFIX=$PWD/$prefix \
YORUNAMI_NATIVE=$PWD/build/native/ui/yorunami \
YORUNAMI_PAGE=$PWD/build/web-page/page \
YORUNAMI_PICTURES=$PWD/ui/pictures \
PYTHONDONTWRITEBYTECODE=1 \
    /usr/bin/python3 tools/screenshots.py docs

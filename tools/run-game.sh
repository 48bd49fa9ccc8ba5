#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds the game and opens its window. This
# machine runs the 64-bit build of the same sources under Wine; the 32-bit game for Windows is
# build/win32/ui/yorunami.exe.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh
for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target yorunami >/dev/null
done
echo "The game for Windows: $PWD/build/win32/ui/yorunami.exe"

if [ -z "${DISPLAY:-}" ]; then
    echo "There is no display to open the window on (DISPLAY is not set). Run this in a desktop" >&2
    echo "session, or on a virtual display: xvfb-run tools/run-game.sh" >&2
    exit 1
fi

prefix=$PWD/build/wine-prefix
export WINEPREFIX=$prefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
if [ ! -d "$prefix" ]; then
    echo "Preparing Wine (once, about 20 seconds)"
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
fi
exec /usr/lib/wine/wine64 build/win64/ui/yorunami.exe

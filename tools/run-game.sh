#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds the game and opens it.
#   tools/run-game.sh            the Linux desktop program (Qt), build/desktop/ui/yorunami
#   tools/run-game.sh --windows  the Windows program under Wine: its 64-bit build, from the same
#                                sources as the 32-bit game for Windows, build/win32/ui/yorunami.exe
#   tools/run-game.sh --web      the web page, build/web-page/page: served from 127.0.0.1 on port
#     [--port N] [--lan]         8264 (another free one when that is taken, or N) and opened in
#                                the desktop's browser where there is one; --lan also serves it on
#                                the local network and prints the address to open on a phone;
#                                Ctrl+C stops the server
# The first two need a desktop session to show the window in.
set -euo pipefail
cd "$(dirname "$0")/.."

usage="usage: tools/run-game.sh [--windows | --web [--port N] [--lan]]"
wrong() {
    echo "tools/run-game.sh: $1" >&2
    echo "$usage" >&2
    exit 2
}
# Every option is checked before anything is installed or built.
case "${1:-}" in
    "") program=desktop ;;
    --windows) program=windows ;;
    --web) program=web ;;
    -h | --help) sed -n '2,11s/^# \?//p' "$0"; exit 0 ;;
    *) wrong "unknown option '$1'" ;;
esac
shift || true
serving=()
while [ $# -ne 0 ]; do
    case "$program $1" in
        "web --lan") serving+=(--lan) ;;
        "web --port")
            [[ ${2:-} =~ ^[0-9]+$ ]] && [ "$2" -ge 1 ] && [ "$2" -le 65535 ] ||
                wrong "--port takes a port number, 1 to 65535"
            serving+=(--port "$2")
            shift
            ;;
        *) wrong "unknown option '$1'$([ "$program" = web ] || echo " for this program")" ;;
    esac
    shift
done

if [ "$program" = web ]; then
    tools/install-packages.sh web
    echo "Building the web page"
    cmake --preset web-page >/dev/null
    cmake --build --preset web-page
    exec python3 tools/serve-page.py build/web-page/page --open "${serving[@]}"
fi

if [ -z "${DISPLAY:-}" ] && { [ "$program" = windows ] || [ -z "${WAYLAND_DISPLAY:-}" ]; }; then
    echo "The game opens a window, so it needs a desktop session: there is no display here" >&2
    echo "(DISPLAY is not set$([ "$program" = desktop ] && echo ", nor WAYLAND_DISPLAY"))." >&2
    echo "Run this from a terminal on your desktop, or open the web page: tools/run-game.sh --web." >&2
    echo "(The tests make invisible displays of their own: tools/run-tests.sh.)" >&2
    exit 1
fi

tools/install-packages.sh "$program"

if [ "$program" = desktop ]; then
    echo "Building the Linux desktop program"
    cmake --preset desktop >/dev/null
    cmake --build --preset desktop
    echo "Opening it: build/desktop/ui/yorunami"
    exec build/desktop/ui/yorunami
fi

echo "Building the Windows program, 32-bit and 64-bit"
for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target yorunami
done
echo "The game for Windows: $PWD/build/win32/ui/yorunami.exe"

prefix=$PWD/build/wine-prefix
export WINEPREFIX=$prefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
if [ ! -d "$prefix" ]; then
    echo "Preparing Wine (once, about 20 seconds)"
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
fi
# Also for a prefix made before the fonts were mapped: the dialog asks for ＭＳ Ｐゴシック.
tools/wine-fonts.sh
echo "Opening its 64-bit build under Wine: build/win64/ui/yorunami.exe"
exec /usr/lib/wine/wine64 build/win64/ui/yorunami.exe

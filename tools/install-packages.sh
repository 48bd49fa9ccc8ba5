#!/usr/bin/env bash
# Installs the Debian 12 packages that a purpose needs, when any is missing:
#   desktop  building and playing the Linux desktop program
#   windows  building the Windows program and playing it under Wine (with the Japanese locale)
#   web      building the web page and serving it from this machine
#   all      everything above, and what every build and test needs (the default)
# For every test (all), also the page's accessibility audit, axe-core, from npm at the version
# tests/web/package-lock.json pins (with Debian's npm where there is no npm yet).
# Usage: tools/install-packages.sh [desktop|windows|web|all]   (as root, or with sudo available)
set -euo pipefail
tests_web="$(cd "$(dirname "$0")/../tests/web" && pwd)"

# qt6-wayland: the window on a desktop with Wayland only, without an X server
desktop=(g++ cmake ninja-build qt6-base-dev qt6-wayland fonts-ipafont-gothic)
windows=(cmake ninja-build g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 fonts-wine
    fonts-ipafont-gothic locales)
# emscripten brings clang's WebAssembly back end and node; python3 serves the page
web=(cmake ninja-build emscripten python3)
all=(
    "${desktop[@]}" "${windows[@]}" "${web[@]}"
    # the engine, the driver and their tests
    clang clang-format libgtest-dev libgmock-dev libbenchmark-dev file
    # libFuzzer and the sanitizers' runtimes for clang
    libclang-rt-14-dev
    # the picture generator
    libfreetype-dev zlib1g-dev
    # the Debian package and its checks
    dpkg-dev lintian desktop-file-utils appstream
    # the Windows program's checks, and both programs on a virtual display (with a window
    # manager for the screenshots)
    icoutils xvfb xdotool x11-utils imagemagick python3 openbox
    # the web page in the three browser engines, driven from Debian's Python: Chromium through
    # its driver, Firefox over WebDriver BiDi (a websocket), WebKit's MiniBrowser through its
    # driver
    chromium chromium-driver python3-selenium firefox-esr python3-websocket webkit2gtk-driver
    libwebkit2gtk-4.1-0
)

purpose=${1:-all}
case $purpose in
    desktop) packages=("${desktop[@]}") ;;
    windows) packages=("${windows[@]}") ;;
    web) packages=("${web[@]}") ;;
    all) packages=("${all[@]}") ;;
    *) echo "usage: tools/install-packages.sh [desktop|windows|web|all]" >&2; exit 2 ;;
esac

run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# apt's own output, hundreds of lines, goes to a log that is shown only when it fails.
install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -ne 0 ] || return 0
    echo "Installing ${#missing[@]} Debian packages, with what they need: ${missing[*]}"
    local log
    log=$(mktemp)
    if ! { run_as_root apt-get update -qq &&
        run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
            --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log" >&2
        echo "tools/install-packages.sh: apt-get failed (its output is above)" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
}

install_missing "${packages[@]}"

if [ "$purpose" = all ]; then
    command -v npm >/dev/null || install_missing npm
    echo "Installing the page's accessibility audit (axe-core) from npm"
    npm ci --prefix "$tests_web" --no-audit --no-fund --loglevel=error >/dev/null
fi

# The Windows program runs under Wine in the Japanese locale.
if { [ "$purpose" = windows ] || [ "$purpose" = all ]; } &&
    ! locale -a | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "Making the ja_JP.UTF-8 locale"
    run_as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

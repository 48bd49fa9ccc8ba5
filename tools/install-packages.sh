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

# apt's own output, hundreds of lines, goes to a log that is shown only when it fails; what it is
# doing shows as one line that advances: the packages downloaded, then unpacked and set up (on a
# terminal the line is rewritten, elsewhere a line is added every tenth of the way).
install_missing() {
    local missing=() package
    declare -A named=()
    for package in "$@"; do
        if [ -z "${named[$package]:-}" ] && ! dpkg -s "$package" >/dev/null 2>&1; then
            missing+=("$package")
        fi
        named[$package]=1
    done
    [ ${#missing[@]} -ne 0 ] || return 0
    local noun=packages
    [ ${#missing[@]} -ne 1 ] || noun=package
    echo "Installing ${#missing[@]} Debian $noun, with what they need: ${missing[*]}"
    local log
    log=$(mktemp)
    echo "  Reading Debian's lists of packages"
    # apt's progress comes on its standard error (sudo would close another descriptor), its
    # output to the log.
    if ! { run_as_root apt-get update -qq >"$log" 2>&1 &&
        run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
            --no-install-recommends -o APT::Status-Fd=2 "${missing[@]}" 2>&1 >>"$log" |
            show_progress "$log"; }; then
        cat "$log" >&2
        echo "tools/install-packages.sh: apt-get failed (its output is above)" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
}

# apt's status lines ("dlstatus:<file>:<percent>:<what>", "pmstatus:<package>:<percent>:<what>")
# as a line of progress; anything else it says goes to the log.
show_progress() {
    local log=$1 line kind percent what stage shown=""
    while IFS= read -r line; do
        case $line in
            dlstatus:* | pmstatus:*) IFS=: read -r kind _ percent what <<<"$line" ;;
            *) printf '%s\n' "$line" >>"$log"; continue ;;
        esac
        stage=Installing
        [ "$kind" = pmstatus ] || stage=Downloading
        percent=${percent%%.*}
        if [ -t 1 ]; then
            printf '\r\033[K  %s: %3d%%  %.60s' "$stage" "$percent" "$what"
        elif [ "$stage $((percent / 10))" != "$shown" ]; then
            shown="$stage $((percent / 10))"
            echo "  $stage: $percent%  $what"
        fi
    done
    if [ -t 1 ]; then
        printf '\r\033[K'
    fi
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

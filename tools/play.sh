#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and plays a game in the terminal: the computer
# (blue, strength 5) against random red moves, each board shown after its move.
# Extra arguments go to 'yorunami-cli play' (see --help), for example --strength 11 --seed 7.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh
cmake --preset native >/dev/null
cmake --build --preset native --target yorunami-cli >/dev/null
exec build/native/tools/yorunami-cli play --show --seed "$(date +%s)" "$@"

#!/usr/bin/env bash
# The web build against the native one, and the page against an earlier commit's, measured in one
# run (tools/bench_web.py): the search on the bench's positions natively, under node and in
# Chromium (in a fresh browser, the bench run twice: first with the module just compiled, then
# warm), in turn RUNS times (3 unless set), with each one's signature and median time; then, for
# this build's page and, with BASE=<commit>, that commit's page side by side: the first paint from
# a local server in Chromium, Firefox and WebKit; on a low-end phone's CPU (Chromium slowed 6x, a
# 390x844 screen at 3x, strength 11, red's pieces all kings) the page's longest main-thread task
# over six of the computer's replies, and the slowest the File menu took to open after a tap 50 ms
# after the press that asked for a reply; over a phone's network (150 ms round trip, 1.5 MB/s) when
# the board shows; and the size of the page's files, compressed.
# Builds what it needs first (the native and web presets; BASE's web-page preset in a scratch
# worktree).
# Usage: [BASE=<commit>] [RUNS=N] tools/bench-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native web; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done
pages=("$PWD/build/web/page")
if [ -n "${BASE:-}" ]; then
    scratch=$(mktemp -d)
    trap 'git worktree remove --force "$scratch/tree" >/dev/null 2>&1 || true
          rm -rf "$scratch"' EXIT
    git worktree add --detach -q "$scratch/tree" "$BASE"
    (cd "$scratch/tree" && cmake --preset web-page >/dev/null &&
        cmake --build --preset web-page >/dev/null)
    pages+=("$scratch/tree/build/web-page/page")
fi
YORUNAMI_PICTURES=$PWD/ui/pictures PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 tools/bench_web.py \
    build/native/tools/yorunami-cli build/web/tests/web/yorunami-cli build/web/tools "${pages[@]}"

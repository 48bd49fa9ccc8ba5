#!/usr/bin/env bash
# Measures the search against an earlier commit in one run: builds that commit's yorunami-cli in a
# scratch worktree, runs both benches one after the other, and prints both signatures and the
# ratio of their times. Usage: tools/bench-against.sh COMMIT [DEPTH]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: tools/bench-against.sh COMMIT [DEPTH]" >&2
    exit 2
fi
commit=$1 depth=${2:-11}

scratch=$(mktemp -d)
trap 'git worktree remove --force "$scratch/tree" >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
git worktree add --detach -q "$scratch/tree" "$commit"
cmake -S "$scratch/tree" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$scratch/build" --target yorunami-cli >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target yorunami-cli >/dev/null

run() { "$1" bench --depth "$depth" | tail -n 2; }
baseline=$(run "$scratch/build/tools/yorunami-cli")
current=$(run build/native/tools/yorunami-cli)
echo "baseline $commit: $baseline" | tr '\n' ' '; echo
echo "this tree:        $current" | tr '\n' ' '; echo
seconds() { sed -n 's/.*time \([0-9.]*\) s.*/\1/p' <<<"$1"; }
awk -v a="$(seconds "$baseline")" -v b="$(seconds "$current")" \
    'BEGIN { printf "this tree takes %.2f of the baseline'\''s time (%.1fx faster)\n", b / a, a / b }'

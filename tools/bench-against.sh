#!/usr/bin/env bash
# Measures the search against an earlier commit in one run: builds that commit's yorunami-cli in a
# scratch worktree, runs both benches in turn RUNS times (7 unless set), and prints both
# signatures, each one's median time and the ratio of those. A single bench varies by a few per
# cent on a machine shared with other work; the median of several alternating runs far less.
# Usage: tools/bench-against.sh COMMIT [DEPTH]
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

runs=${RUNS:-7}
run() { "$1" bench --depth "$depth" | tail -n 2; }
seconds() { sed -n 's/.*time \([0-9.]*\) s.*/\1/p' <<<"$1"; }
median() { sort -n | awk '{ times[NR] = $1 } END { print times[int((NR + 1) / 2)] }'; }
baselineTimes=() currentTimes=()
for _ in $(seq "$runs"); do
    baseline=$(run "$scratch/build/tools/yorunami-cli")
    current=$(run build/native/tools/yorunami-cli)
    baselineTimes+=("$(seconds "$baseline")") currentTimes+=("$(seconds "$current")")
done
a=$(printf '%s\n' "${baselineTimes[@]}" | median) b=$(printf '%s\n' "${currentTimes[@]}" | median)
echo "baseline $commit: $(head -n 1 <<<"$baseline"), median of $runs: $a s"
echo "this tree:        $(head -n 1 <<<"$current"), median of $runs: $b s"
awk -v a="$a" -v b="$b" \
    'BEGIN { printf "this tree takes %.2f of the baseline'\''s time (%.2fx its speed)\n", b / a, a / b }'

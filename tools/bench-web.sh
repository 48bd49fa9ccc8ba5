#!/usr/bin/env bash
# The web build against the native one, measured in one run: the search on the bench's positions
# natively, under node and in Chromium (in a fresh browser, the bench run twice: first with the
# module just compiled, then warm), in turn RUNS times (3 unless set), with each one's signature
# and median time; then the page's first paint from a local server in Chromium, Firefox and WebKit,
# in a fresh browser each time, and the size of the page's files, compressed.
# Builds what it needs first (the native and web presets).
# Usage: tools/bench-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native web; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done
RUNS=${RUNS:-3} YORUNAMI_PICTURES=$PWD/ui/pictures YORUNAMI_PAGE=$PWD/build/web/page \
PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 - <<'SCRIPT'
import gzip
import os
import re
import statistics
import subprocess
import sys

sys.path[:0] = ["tests/web", "tests/e2e"]
from web_page import WebPage, bench_in_chromium  # noqa: E402


def summaries(output):
    """Each bench's signature and time, in the order they ran."""
    return list(zip(re.findall(r"signature (\w+)", output),
                    map(float, re.findall(r"time ([0-9.]+) s", output))))


runs = int(os.environ["RUNS"])
bench = {
    ("native",): lambda: subprocess.run(["build/native/tools/yorunami-cli", "bench"],
                                        check=True, capture_output=True, text=True).stdout,
    ("node",): lambda: subprocess.run(["build/web/tests/web/yorunami-cli", "bench"], check=True,
                                      capture_output=True, text=True).stdout,
    ("chromium, first", "chromium, warm"): lambda: bench_in_chromium("build/web/tools", times=2),
}
times = {name: [] for names in bench for name in names}
for _ in range(runs):
    for names, run in bench.items():
        for name, (signature, seconds) in zip(names, summaries(run())):
            print(f"{name:16} signature {signature}  time {seconds:.3f} s", flush=True)
            times[name].append(seconds)
native = statistics.median(times["native"])
for name, measured in times.items():
    median = statistics.median(measured)
    print(f"median {name:16} {median:.3f} s, {median / native:.2f} of the native time")

for engine in ("chromium", "firefox", "webkit"):
    paints = []
    for _ in range(5):
        with WebPage(browser=engine) as page:
            paints.append(page.run(
                "return performance.getEntriesByName('board-shown')[0].startTime"))
    print(f"first paint in {engine:8} after the page's load began: " +
          ", ".join(f"{paint:.0f}" for paint in paints) +
          f" ms (median {statistics.median(paints):.0f})")

# What a first visit downloads, each file compressed as a web server would (gzip -9).
page = os.environ["YORUNAMI_PAGE"]
packed = sum(len(gzip.compress(open(os.path.join(page, name), "rb").read(), 9))
             for name in os.listdir(page) if name != "sw-retired.js")
print(f"the page's files, gzip: {packed / 1024:.0f} KiB")
SCRIPT

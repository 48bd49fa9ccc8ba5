"""The web build measured, for tools/bench-web.sh: the search on the bench's positions natively,
under node and in Chromium; then each page given (this build's, and an earlier commit's when there
is one), side by side: its first paint in Chromium, Firefox and WebKit, on a fast connection; on a
low-end phone's CPU, the page's main thread during the computer's replies and a menu tapped while
the computer thinks; over a phone's network, when the board shows; and the size of its files.

Usage: bench_web.py NATIVE-CLI NODE-CLI CLI-FOLDER PAGE [BASE-PAGE]   (RUNS: the search's runs)
"""

import gzip
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(HERE, "..", "tests", "web"), os.path.join(HERE, "..", "tests", "e2e")]
import websocket  # noqa: E402
from browsers import start_browser  # noqa: E402
from web_page import PageServer, WebPage, bench_in_chromium  # noqa: E402
from wine_game import ID, is_blue, is_red, moves_for, play  # noqa: E402

LOADS = 5  # fresh loads of a page, for each median
REPLIES = 6
PHONE = (390, 844, 3)  # CSS pixels and device pixels to the CSS pixel
PHONE_CPU = 6  # times slower than this machine
# A phone network: the round trip, and the bytes a second both ways.
PHONE_NETWORK = {"offline": False, "latency": 150, "downloadThroughput": 1.5e6,
                 "uploadThroughput": 0.75e6}
TAP_AFTER = 0.05  # s, after the press that asks for the computer's reply
LIGHT_SQUARE = (3, 2)  # never played on: a press there only wakes the computer


def search_benches(native, node, cli_folder, runs):
    """Each bench's signature and median time natively, under node and in Chromium."""
    def summaries(output):
        return list(zip(re.findall(r"signature (\w+)", output),
                        map(float, re.findall(r"time ([0-9.]+) s", output))))
    benches = {
        ("native",): lambda: subprocess.run([native, "bench"], check=True, capture_output=True,
                                            text=True).stdout,
        ("node",): lambda: subprocess.run([node, "bench"], check=True, capture_output=True,
                                          text=True).stdout,
        ("chromium, first", "chromium, warm"): lambda: bench_in_chromium(cli_folder, times=2),
    }
    times = {name: [] for names in benches for name in names}
    for _ in range(runs):
        for names, run in benches.items():
            for name, (signature, seconds) in zip(names, summaries(run())):
                print(f"{name:16} signature {signature}  time {seconds:.3f} s", flush=True)
                times[name].append(seconds)
    native_time = statistics.median(times["native"])
    for name, measured in times.items():
        median = statistics.median(measured)
        print(f"median {name:16} {median:.3f} s, {median / native_time:.2f} of the native time")


def first_paint(page, engine):
    """When the board shows, after the page's load began: the median of fresh loads, in ms."""
    paints = []
    for _ in range(LOADS):
        with WebPage(server=PageServer(page), browser=engine) as loaded:
            paints.append(loaded.run(
                "return performance.getEntriesByName('board-shown')[0].startTime"))
    return statistics.median(paints)


def over_a_phone_network(page):
    """When the board shows over a phone's network, on a phone's screen, after navigation began:
    the median of fresh loads, in ms. The server lets the browser keep nothing."""
    shown = []
    for _ in range(LOADS):
        server = PageServer(page)
        browser, profile = start_browser(PHONE, "chromium")
        try:
            browser.devtools("Network.enable", {})
            browser.devtools("Network.emulateNetworkConditions", PHONE_NETWORK)
            browser.open(server.address)
            deadline = time.monotonic() + 60
            while not browser.run("return performance.getEntriesByName('board-shown').length"):
                assert time.monotonic() < deadline, "the board did not show"
                time.sleep(0.05)
            shown.append(browser.run(
                "return performance.getEntriesByName('board-shown')[0].startTime"))
        finally:
            browser.quit()
            server.stop()
            shutil.rmtree(profile, ignore_errors=True)
    return statistics.median(shown)


class DevTools:
    """A second connection to the page's DevTools, whose input events are sent without waiting
    for the page to take them: a tap can follow a press that keeps the page busy."""

    def __init__(self, page):
        address = page.browser.driver.capabilities["goog:chromeOptions"]["debuggerAddress"]
        with urllib.request.urlopen(f"http://{address}/json") as listing:
            targets = json.load(listing)
        (target,) = [t for t in targets if t["type"] == "page"]
        self.socket = websocket.create_connection(target["webSocketDebuggerUrl"],
                                                  suppress_origin=True, timeout=120)
        self.sent = 0

    def send(self, method, parameters):
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": parameters}))

    def settle(self):
        """Waits until every event sent has been taken."""
        answered = 0
        while answered < self.sent:
            if "id" in json.loads(self.socket.recv()):
                answered += 1
        self.sent = 0

    def close(self):
        self.socket.close()


# In the page: the longest task of its main thread since the last reset, and when the File menu
# opened (the next frame after) after the tap that asked for it.
WATCH = """
    window.longest = 0;
    new PerformanceObserver((list) => {
      for (const task of list.getEntries()) {
        window.longest = Math.max(window.longest, task.duration);
      }
    }).observe({ type: "longtask" });
    const title = document.querySelector("[aria-haspopup]");
    title.addEventListener("pointerdown", (event) => (window.tappedAt = event.timeStamp),
                           { capture: true });
    new MutationObserver(() => {
      if (title.getAttribute("aria-expanded") === "true") {
        requestAnimationFrame(() => (window.openedAt = performance.now()));
      }
    }).observe(title, { attributes: true });
    const r = title.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];"""


def on_a_phones_cpu(page):
    """On a phone's screen with its CPU six times slower, at strength 11 with red's pieces all
    kings, over six of the computer's replies: the page's longest main-thread task while a reply
    was awaited, and the slowest the File menu took to open after a tap made just after the press
    that asked for the reply, in ms."""
    with WebPage(server=PageServer(page), viewport=PHONE, browser="chromium") as loaded:
        dialog = loaded.open_settings()
        for control in ("IDC_STRENGTH_11", "IDC_RED_ALL_KINGS", "IDOK"):
            loaded.click_control(dialog, ID[control])
        loaded.until(lambda: loaded.run("return !document.getElementById('settings').open"),
                     "the dialog to close")
        title = loaded.run(WATCH)
        devtools = DevTools(loaded)
        loaded.browser.devtools("Emulation.setCPUThrottlingRate", {"rate": PHONE_CPU})
        longest, slowest_menu = 0, 0
        board, red_to_move, replies = loaded.read_board(), True, 0
        try:
            while replies < REPLIES:
                if red_to_move:
                    move = moves_for(board, is_red)[0]
                    loaded.press_square(*move[0])
                    loaded.press_square(*move[1])
                    board, red_to_move = play(board, move)
                    loaded.wait_for_board(board, timeout=60)
                    continue
                loaded.run("window.longest = 0; window.tappedAt = window.openedAt = null")
                press = loaded.square_point(*LIGHT_SQUARE)
                for kind, buttons in (("mousePressed", 1), ("mouseReleased", 0)):
                    devtools.send("Input.dispatchMouseEvent", {
                        "type": kind, "x": press[0], "y": press[1], "button": "left",
                        "buttons": buttons, "clickCount": 1})
                time.sleep(TAP_AFTER)
                devtools.send("Input.dispatchTouchEvent", {
                    "type": "touchStart", "touchPoints": [{"x": title[0], "y": title[1]}]})
                devtools.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
                devtools.settle()
                before = board
                loaded.until(lambda: loaded.read_board() != before and
                             loaded.run("return window.openedAt !== null"), "the reply",
                             timeout=120)
                board = loaded.read_board()
                changed = [s for s in board if board[s] != before[s]]
                (start,) = [s for s in changed if is_blue(before[s])]
                (end,) = [s for s in changed if is_blue(board[s])]
                _, blue_goes_on = play(before, (start, end))
                red_to_move = not blue_goes_on
                longest = max(longest, loaded.run("return window.longest"))
                slowest_menu = max(slowest_menu, loaded.run(
                    "return window.openedAt - window.tappedAt"))
                loaded.run("document.querySelector('[aria-haspopup]').click()")  # closed again
                replies += 1
        finally:
            devtools.close()
        return longest, slowest_menu


def gzip_size(page):
    """What a first visit downloads, each file compressed as a web server would (gzip -9), KiB."""
    return sum(len(gzip.compress(open(os.path.join(page, name), "rb").read(), 9))
               for name in os.listdir(page) if name != "sw-retired.js") / 1024


def main():
    native, node, cli_folder, *pages = sys.argv[1:]
    search_benches(native, node, cli_folder, int(os.environ.get("RUNS", "3")))
    names = ["this page", "base page"][:len(pages)]
    figures = []
    for engine in ("chromium", "firefox", "webkit"):
        figures.append((f"first paint in {engine}, ms (median of {LOADS})",
                        [first_paint(page, engine) for page in pages]))
    phone = [on_a_phones_cpu(page) for page in pages]
    figures.append((f"phone CPU: longest main-thread task, {REPLIES} replies, ms",
                    [longest for longest, _ in phone]))
    figures.append((f"phone CPU: File menu open after a tap, slowest of {REPLIES}, ms",
                    [menu for _, menu in phone]))
    figures.append((f"phone network: board shown, ms (median of {LOADS})",
                    [over_a_phone_network(page) for page in pages]))
    figures.append(("the page's files, gzip, KiB", [gzip_size(page) for page in pages]))
    print(f"{'':58}" + "".join(f"{name:>12}" for name in names))
    for what, values in figures:
        print(f"{what:58}" + "".join(f"{value:12.0f}" for value in values), flush=True)


if __name__ == "__main__":
    main()

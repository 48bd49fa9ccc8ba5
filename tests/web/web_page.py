"""The web page in a browser engine (browsers.py: Chromium, Firefox or WebKit, as
YORUNAMI_BROWSER says), served from 127.0.0.1 by a small static server: the same presses, keys,
board reads and dialog reads as the desktop programs' end-to-end helpers, so that their scenarios
play the page too. Presses and keys are the browser's own input events.

The server tells the browser to keep nothing (Cache-Control: no-store), so that a page loaded
with the server stopped can come only from the page's service worker.

Paths come from the environment (set by CTest): YORUNAMI_PAGE (the page's folder) and
YORUNAMI_PICTURES (the folder of the game's pictures).
"""

import base64
import functools
import http.server
import os
import shutil
import threading
import time

from browsers import engine_name, start_browser
from wine_game import BOARD, CELL, GameWindow


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class QuietServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a browser that drops a connection it no longer needs


class PageServer:
    """A static server on a free port of 127.0.0.1, serving a folder, the page at the path `at`
    within it. Files named in `missing` answer 404, those in `types` are served with the type
    given, those in `stalled` never answer, and those in `headed` come with the text given before
    their own. Every answer carries the `headers` given, as a host may add them."""

    def __init__(self, folder, at="", missing=(), types=None, stalled=(), headed=None,
                 headers=None):
        server = self
        self.missing, self.types, self.stalled = set(missing), dict(types or {}), set(stalled)
        self.headed, self.headers = dict(headed or {}), dict(headers or {})
        self.stopping = threading.Event()

        class Handler(QuietHandler):
            def end_headers(self):
                self.send_header("Cache-Control", "no-store")
                for name, value in server.headers.items():
                    self.send_header(name, value)
                super().end_headers()

            def guess_type(self, path):
                return server.types.get(os.path.basename(path), super().guess_type(path))

            def do_GET(self):
                name = os.path.basename(self.path.split("?")[0])
                if name in server.stalled:
                    server.stopping.wait()
                    return
                if name in server.missing:
                    self.send_error(404)
                    return
                if name in server.headed:
                    with open(self.translate_path(self.path), "rb") as file:
                        body = server.headed[name].encode() + file.read()
                    self.send_response(200)
                    self.send_header("Content-Type", self.guess_type(self.path))
                    self.send_header("Content-Length", str(len(body)))
                    self.end_headers()
                    self.wfile.write(body)
                    return
                super().do_GET()

        self.httpd = QuietServer(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.origin = "http://127.0.0.1:%d" % self.httpd.server_address[1]
        self.address = f"{self.origin}/{at}"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        if not self.stopping.is_set():
            self.stopping.set()
            self.httpd.shutdown()
            self.httpd.server_close()


class CanvasScreen:
    """The board's canvas as the page shows it, 264x264 pixels read through the page."""

    def __init__(self, page):
        data = base64.b64decode(page.run("""
            const board = document.getElementById("board");
            const pixels = board.getContext("2d").getImageData(0, 0, 264, 264).data;
            let text = "";
            for (let i = 0; i < pixels.length; i += 4) {
              text += String.fromCharCode(pixels[i], pixels[i + 1], pixels[i + 2]);
            }
            return btoa(text);"""))
        assert len(data) == 3 * BOARD * BOARD
        self.raw = data

    def pixel(self, x, y):
        at = 3 * (y * BOARD + x)
        return tuple(self.raw[at:at + 3])


def bench_in_chromium(cli_folder, times=1, timeout=120):
    """What yorunami-cli's bench prints when run `times` times in a row in a page of Chromium
    (bench.html, beside the WebAssembly build of yorunami-cli), started once the browser has had
    two seconds to settle after its own start, as a game's first search comes after a press."""
    server = PageServer(cli_folder)
    browser, profile = start_browser((800, 600, 1), "chromium")
    try:
        browser.open(server.address + "bench.html")
        deadline = time.monotonic() + timeout
        while browser.run("return document.title") != "ready":
            assert time.monotonic() < deadline, "the bench's module did not load"
            time.sleep(0.2)
        time.sleep(2)
        browser.run(f"runBench({times})")
        while browser.run("return document.title") != "done":
            assert time.monotonic() < deadline, "the bench did not end"
            time.sleep(0.2)
        return browser.run("return document.getElementById('output').textContent")
    finally:
        browser.quit()
        server.stop()
        shutil.rmtree(profile, ignore_errors=True)


class WebPage(GameWindow):
    """The page in a fresh browser profile. `viewport` is (width, height, device pixel ratio);
    `server` serves the page (by default the build's page folder, as it is); `browser` names the
    engine (by default YORUNAMI_BROWSER's). A `before_load` script runs before the page's own;
    without `wait`, the page is opened but the board is not waited for."""

    def __init__(self, viewport=(640, 480, 1), server=None, browser=None, before_load=None,
                 wait=True):
        super().__init__()
        self.viewport = viewport
        self.server = server
        self.engine = browser or engine_name()
        self.before_load = before_load
        self.wait = wait
        self.browser = None
        self.profile = None
        self.client = (0, 0)  # the board's pixels are read from the canvas itself
        self.client_size = (BOARD, BOARD)

    def __enter__(self):
        try:
            self.server = self.server or PageServer(os.environ["YORUNAMI_PAGE"])
            self.browser, self.profile = start_browser(self.viewport, self.engine)
            if self.before_load:
                self.browser.before_load(self.before_load)
            (self.load if self.wait else self.open)()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        if self.browser is not None:
            self.browser.quit()
        if self.server is not None:
            self.server.stop()
        if self.profile is not None:
            shutil.rmtree(self.profile, ignore_errors=True)

    def run(self, body):
        """Runs a script in the page, as the body of an async function, and gives its result."""
        return self.browser.run(body)

    def open(self):
        """Opens the page, or opens it again, not waiting for the board."""
        self.browser.open(self.server.address)

    def board_shown(self):
        return self.run("return performance.getEntriesByName('board-shown').length") == 1

    def load(self):
        """Opens the page, or opens it again, and waits until the board is shown."""
        self.open()
        self.until(self.board_shown, "the board to be shown")

    def until(self, check, what, timeout=20):
        """Polls check() until it holds; a page that is being replaced meanwhile is waited for."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                if check():
                    return
            except Exception:  # noqa: BLE001 (the page went away between two looks)
                pass
            if time.monotonic() > deadline:
                raise AssertionError(f"timed out waiting for {what}")
            time.sleep(0.1)

    def reload(self):
        """Loads the page again as a player does (the browser's reload), and waits until the
        board is shown."""
        self.run("window.beforeReload = true; setTimeout(() => location.reload())")
        self.until(lambda: self.run("return !window.beforeReload") and self.board_shown(),
                   "the board to be shown again")

    def status(self):
        """What the status line says, or None when it is hidden."""
        return self.run("const s = document.getElementById('status');"
                        "return s.hidden ? null : s.textContent.replace(/\\s+/g, ' ').trim()")

    def errors(self):
        """What the page reported as errors."""
        return self.browser.errors()

    # --- what the page shows ---

    def screen(self):
        return CanvasScreen(self)

    def board_area(self):
        """The canvas's left, top, width and height on the page, in CSS pixels."""
        return tuple(self.run(
            "const r = document.getElementById('board').getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height];"))

    # --- acting on it ---

    def square_point(self, x, y):
        """The middle of board square (x, y) on the page, at the board's scale."""
        left, top, width, _ = self.board_area()
        scale = width / BOARD
        return left + (CELL * (x - 2) + 16) * scale, top + (CELL * (y - 2) + 16) * scale

    def press_square(self, x, y, button=1):
        self.click_at(*self.square_point(x, y), button)

    def click_at(self, x, y, button=1):
        """The mouse's left (1) or right (3) button at a point of the page, in CSS pixels."""
        self.browser.mouse(x, y, button)

    def touch_at(self, *points):
        """Fingers at points of the page, put down one after another, then all lifted."""
        self.browser.touch(*points)

    def keys(self, *names, pause=0.05):
        for name in names:
            self.browser.key(name)
            time.sleep(pause)

    def hold(self, name, repeats=4):
        self.browser.hold(name, repeats)
        time.sleep(0.1)

    def count_tones(self):
        """Starts counting the tones the page makes, as beeps; tones() tells how many."""
        self.run("""
            window.tones = 0;
            if (!window.countingTones) {
              window.countingTones = true;
              const make = AudioContext.prototype.createOscillator;
              AudioContext.prototype.createOscillator = function () {
                window.tones += 1;
                return make.call(this);
              };
            }""")

    def tones(self):
        return self.run("return window.tones")

    def told(self):
        """What the page's live region says now."""
        return self.run("return document.getElementById('told').textContent")

    def focused(self):
        """The text of the element that has the keyboard."""
        return self.run(
            "const e = document.activeElement;"
            "return e.closest('label') ? e.closest('label').textContent : e.textContent;")

    def dialog(self):
        """The open settings dialog: its caption and its controls by id (the frames by "frame"
        and their place), each with its rectangle on the page, whether it is checked and whether
        its label has room, or None."""
        dialog = self.run("""
            const dialog = document.getElementById("settings");
            if (!dialog.open) return null;
            const controls = {};
            dialog.querySelectorAll("[data-id]").forEach((element) => {
              const r = element.getBoundingClientRect();
              const text = element.querySelector("span") || element;
              const t = text.getBoundingClientRect();
              const input = element.querySelector("input");
              controls[element.dataset.id] = [{
                rect: [r.left, r.top, r.right, r.bottom], text: element.textContent,
                checked: input ? input.checked : false,
                // (an inline box has no client width, and its right edge tells)
                fits: t.right <= r.right + 0.5 &&
                  (text.clientWidth === 0 || text.scrollWidth <= text.clientWidth + 0.5),
                tab: (input || element).tabIndex === 0}];
            });
            return {caption: dialog.querySelector("#settings-caption").textContent,
                    font: getComputedStyle(dialog).fontFamily, controls};""")
        if dialog is not None:
            dialog["controls"] = {int(key) if key.isdigit() else key: value
                                  for key, value in dialog["controls"].items()}
        return dialog

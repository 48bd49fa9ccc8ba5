"""The web page in Debian's Chromium, headless, served from 127.0.0.1 by a small static server:
the same presses, keys, board reads and dialog reads as the desktop programs' end-to-end helpers,
so that their scenarios play the page too. Presses and keys are the browser's own input events.

Paths come from the environment (set by CTest): YORUNAMI_PAGE (the page's folder) and
YORUNAMI_PICTURES (the folder of the game's pictures).
"""

import base64
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from wine_game import BOARD, CELL, GameWindow

CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--disable-dev-shm-usage"]
KEYS = {"F10": Keys.F10, "Down": Keys.ARROW_DOWN, "Up": Keys.ARROW_UP, "Left": Keys.ARROW_LEFT,
        "Right": Keys.ARROW_RIGHT, "Return": Keys.ENTER, "Escape": Keys.ESCAPE, "Tab": Keys.TAB,
        "space": Keys.SPACE}


class PageServer:
    """python3 -m http.server on a free port of 127.0.0.1, serving a folder."""

    def __init__(self, folder):
        self.process = subprocess.Popen(
            [sys.executable, "-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
             "--directory", folder], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        line = self.process.stdout.readline()
        self.address = "http://127.0.0.1:%s/" % re.search(r"port (\d+)", line).group(1)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)
        self.process.stdout.close()


class CanvasScreen:
    """The board's canvas as the page shows it, 264x264 pixels read through the page."""

    def __init__(self, driver):
        data = base64.b64decode(driver.execute_script("""
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


def start_chromium(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def bench_in_chromium(cli_folder, times=1, timeout=120):
    """What yorunami-cli's bench prints when run `times` times in a row in a page of Chromium
    (bench.html, beside the WebAssembly build of yorunami-cli), started once the browser has had
    two seconds to settle after its own start, as a game's first search comes after a press."""
    server = PageServer(cli_folder)
    profile = tempfile.mkdtemp(prefix="yorunami-chromium-")
    driver = None
    try:
        driver = start_chromium(profile)
        driver.get(server.address + "bench.html")
        deadline = time.monotonic() + timeout
        while driver.title != "ready":
            assert time.monotonic() < deadline, "the bench's module did not load"
            time.sleep(0.2)
        time.sleep(2)
        driver.execute_script(f"runBench({times})")
        while driver.title != "done":
            assert time.monotonic() < deadline, "the bench did not end"
            time.sleep(0.2)
        return driver.find_element("id", "output").text
    finally:
        if driver is not None:
            driver.quit()
        server.stop()
        shutil.rmtree(profile, ignore_errors=True)


class WebPage(GameWindow):
    """The page in a fresh browser profile. `viewport` is (width, height, device pixel ratio)."""

    def __init__(self, viewport=(640, 480, 1)):
        super().__init__()
        self.viewport = viewport
        self.server = None
        self.driver = None
        self.profile = None
        self.client = (0, 0)  # the board's pixels are read from the canvas itself
        self.client_size = (BOARD, BOARD)

    def __enter__(self):
        try:
            self.server = PageServer(os.environ["YORUNAMI_PAGE"])
            self.profile = tempfile.mkdtemp(prefix="yorunami-chromium-")
            self.driver = start_chromium(self.profile)
            self.set_viewport(*self.viewport)
            self.load()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        if self.driver is not None:
            self.driver.quit()
        if self.server is not None:
            self.server.stop()
        if self.profile is not None:
            shutil.rmtree(self.profile, ignore_errors=True)

    def set_viewport(self, width, height, ratio):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": False})

    def load(self):
        """Opens the page, or opens it again, and waits until the board is shown."""
        self.driver.get(self.server.address)
        self.wait_for(lambda _: self.driver.execute_script(
            "return performance.getEntriesByName('board-shown').length") == 1,
            "the board to be shown", timeout=20)

    def errors(self):
        """What the page reported as errors to the browser's console."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] == "SEVERE"]

    # --- what the page shows ---

    def screen(self):
        return CanvasScreen(self.driver)

    def board_area(self):
        """The canvas's left, top, width and height on the page, in CSS pixels."""
        area = self.driver.execute_script(
            "const r = document.getElementById('board').getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height];")
        return tuple(area)

    # --- acting on it ---

    def press_square(self, x, y, button=1):
        """A press in the middle of board square (x, y), at the board's scale."""
        left, top, width, height = self.board_area()
        scale = width / BOARD
        self.click_at(left + (CELL * (x - 2) + 16) * scale, top + (CELL * (y - 2) + 16) * scale,
                      button)

    def click_at(self, x, y, button=1):
        """The mouse's left (1) or right (3) button at a point of the page, in CSS pixels."""
        name = {1: "left", 3: "right"}[button]
        for event, buttons in (("mousePressed", 1 if button == 1 else 2), ("mouseReleased", 0)):
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": event, "x": x, "y": y, "button": name, "buttons": buttons,
                "clickCount": 1})

    def touch_at(self, x, y):
        for event, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": event, "touchPoints": points})

    def keys(self, *names, pause=0.05):
        for name in names:
            ActionChains(self.driver).send_keys(KEYS[name]).perform()
            time.sleep(pause)

    def focused(self):
        """The text of the element that has the keyboard."""
        return self.driver.execute_script(
            "const e = document.activeElement;"
            "return e.closest('label') ? e.closest('label').textContent : e.textContent;")

    def dialog(self):
        """The open settings dialog: its caption and its controls by id (the frames by "frame"
        and their place), each with its rectangle on the page, whether it is checked and whether
        its label has room, or None."""
        dialog = self.driver.execute_script("""
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
                fits: t.right <= r.right + 0.5 && text.scrollWidth <= text.clientWidth + 0.5,
                tab: (input || element).tabIndex === 0}];
            });
            return {caption: dialog.querySelector("#settings-caption").textContent,
                    font: getComputedStyle(dialog).fontFamily, controls};""")
        if dialog is not None:
            dialog["controls"] = {int(key) if key.isdigit() else key: value
                                  for key, value in dialog["controls"].items()}
        return dialog

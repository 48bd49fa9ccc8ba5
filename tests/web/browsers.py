"""The three browser engines players use, from Debian's packages, each driven through the same
few acts: open an address, run a script in the page, set the viewport, press the mouse, touch,
type keys, take a screenshot and tell the page's errors.

- Chromium: Debian's chromium-driver through python3-selenium, with the DevTools protocol for
  the viewport, touches and scripts run before a page's own.
- Firefox: Debian has no geckodriver, so firefox-esr is started with its own WebDriver BiDi
  server and spoken to over a websocket (python3-websocket).
- WebKit: Debian's WebKitWebDriver and MiniBrowser through python3-selenium, on an Xvfb display
  of its own. MiniBrowser emulates neither touch nor a pixel ratio: a touch is a mouse press, and
  a screen of three device pixels to the CSS pixel is GDK_SCALE=3 on a tall display.
"""

import base64
import json
import os
import re
import subprocess
import tempfile
import unittest

import websocket
from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions
from selenium.webdriver.webkitgtk.service import Service as WebKitService
from wine_game import start_display

KEYS = {"F10": Keys.F10, "Down": Keys.ARROW_DOWN, "Up": Keys.ARROW_UP, "Left": Keys.ARROW_LEFT,
        "Right": Keys.ARROW_RIGHT, "Return": Keys.ENTER, "Escape": Keys.ESCAPE, "Tab": Keys.TAB,
        "space": Keys.SPACE, "Home": Keys.HOME, "End": Keys.END, "BackSpace": Keys.BACKSPACE}

# A script runs as the body of an async function; its result comes back through JSON, the same in
# every engine.
def _wrapped(body):
    return f"return (async () => {{ {body} }})().then((value) => JSON.stringify(value));"


def _parsed(text):
    return None if text is None else json.loads(text)


class Browser:
    """What an engine that cannot do a thing answers: the test is skipped there."""

    def before_load(self, script):
        raise unittest.SkipTest("scripts before the page's own are run in Chromium")

    def touch(self, *points):
        raise unittest.SkipTest("several fingers are pressed in Chromium")


class SeleniumBrowser(Browser):
    """An engine driven through Selenium: scripts, keys and screenshots the same way."""

    def run(self, body):
        return _parsed(self.driver.execute_script(_wrapped(body)))

    def key(self, name):
        ActionChains(self.driver).send_keys(KEYS[name]).perform()

    def screenshot(self):
        return self.driver.get_screenshot_as_png()


class Chromium(SeleniumBrowser):
    FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--disable-dev-shm-usage",
             # as on a phone or a desktop browser: sound only after a gesture
             "--autoplay-policy=user-gesture-required"]

    def __init__(self, profile, viewport):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in self.FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=ChromeService("/usr/bin/chromedriver"),
                                       options=options)
        self.viewport(*viewport)

    def quit(self):
        self.driver.quit()

    def open(self, address):
        self.driver.get(address)

    def devtools(self, command, parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def viewport(self, width, height, ratio):
        self.devtools("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": False})

    def before_load(self, script):
        """Runs the script in every page this browser opens from now on, before the page's own."""
        self.devtools("Page.addScriptToEvaluateOnNewDocument", {"source": script})

    def mouse(self, x, y, button):
        name = {1: "left", 3: "right"}[button]
        for event, buttons in (("mousePressed", 1 if button == 1 else 2), ("mouseReleased", 0)):
            self.devtools("Input.dispatchMouseEvent", {
                "type": event, "x": x, "y": y, "button": name, "buttons": buttons,
                "clickCount": 1})

    def touch(self, *points):
        """Fingers put down one after another at the points, then all lifted."""
        down = []
        for x, y in points:
            down.append({"x": x, "y": y, "id": len(down)})
            self.devtools("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": down})
        self.devtools("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def hold(self, name, repeats):
        """A key held down: its driver's repeats are not marked as such, the protocol's are."""
        key, code, number, text = {"Return": ("Enter", "Enter", 13, "\r")}[name]
        for repeat in range(1 + repeats):
            self.devtools("Input.dispatchKeyEvent", {
                "type": "keyDown", "key": key, "code": code, "windowsVirtualKeyCode": number,
                "text": text, "autoRepeat": repeat > 0})
        self.devtools("Input.dispatchKeyEvent", {
            "type": "keyUp", "key": key, "code": code, "windowsVirtualKeyCode": number})

    def errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] == "SEVERE"]


class Firefox(Browser):
    """firefox-esr headless, spoken to in WebDriver BiDi: only the commands the tests need."""

    def __init__(self, profile, viewport):
        with open(os.path.join(profile, "user.js"), "w") as prefs:
            # No first-run pages and no connections of its own: the machine has no network.
            for name, value in (("browser.shell.checkDefaultBrowser", "false"),
                                ("app.update.disabledForTesting", "true"),
                                ("datareporting.policy.dataSubmissionEnabled", "false"),
                                ("toolkit.telemetry.reportingpolicy.firstRun", "false"),
                                ("network.captive-portal-service.enabled", "false"),
                                ("network.connectivity-service.enabled", "false")):
                prefs.write(f'user_pref("{name}", {value});\n')
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", profile,
             "--remote-debugging-port", "0"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        port = None
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on ws://127\.0\.0\.1:(\d+)", line)
            if found:
                port = found.group(1)
                break
        assert port, "Firefox did not start its WebDriver BiDi server"
        # The rest of its output is not read: an unread pipe could fill and stop it.
        self.process.stderr.close()
        self.socket = websocket.create_connection(f"ws://127.0.0.1:{port}/session",
                                                  suppress_origin=True, timeout=120)
        self.sent = 0
        self.logged = []
        self.command("session.new", {"capabilities": {}})
        # A window of its own: the first one has no focus, and without it a key on a button or
        # a check box does nothing.
        self.context = self.command("browsingContext.create", {"type": "window"})["context"]
        self.command("session.subscribe", {"events": ["log.entryAdded"]})
        self.viewport(*viewport)

    def command(self, method, parameters):
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": parameters}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("method") == "log.entryAdded":
                self.logged.append(message["params"])
            elif message.get("id") == self.sent:
                if message["type"] == "error":
                    raise AssertionError(f"{method}: {message['error']}: {message['message']}")
                return message["result"]

    def quit(self):
        try:
            self.command("browser.close", {})
        except Exception:  # noqa: BLE001 (it may close before it answers)
            pass
        self.socket.close()
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def open(self, address):
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": address, "wait": "complete"})

    def run(self, body):
        result = self.command("script.callFunction", {
            "functionDeclaration": f"function () {{ {_wrapped(body)} }}",
            "target": {"context": self.context}, "awaitPromise": True})
        if result["type"] == "exception":
            raise AssertionError(result["exceptionDetails"]["text"])
        value = result["result"]
        return _parsed(value.get("value"))

    def viewport(self, width, height, ratio):
        self.command("browsingContext.setViewport", {
            "context": self.context, "viewport": {"width": width, "height": height},
            "devicePixelRatio": ratio})

    def actions(self, *sources):
        self.command("input.performActions", {"context": self.context, "actions": list(sources)})

    def pointer(self, kind, x, y, button=0):
        return {"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": [
            {"type": "pointerMove", "x": round(x), "y": round(y), "origin": "viewport"},
            {"type": "pointerDown", "button": button}, {"type": "pointerUp", "button": button}]}

    def mouse(self, x, y, button):
        self.actions(self.pointer("mouse", x, y, {1: 0, 3: 2}[button]))

    def touch(self, *points):
        if len(points) > 1:
            super().touch(*points)
        self.actions(self.pointer("touch", *points[0]))

    def key(self, name):
        self.hold(name, 0)

    def hold(self, name, repeats):
        """A key held down: a key pressed again while it is down is a repeat."""
        value = KEYS[name]
        self.actions({"type": "key", "id": "keyboard", "actions": [
            {"type": "keyDown", "value": value}] * (1 + repeats) + [
            {"type": "keyUp", "value": value}]})

    def screenshot(self):
        return base64.b64decode(self.command("browsingContext.captureScreenshot",
                                             {"context": self.context})["data"])

    def errors(self):
        return [entry["text"] for entry in self.logged if entry["level"] == "error"]


class WebKit(SeleniumBrowser):
    """MiniBrowser under WebKitWebDriver, on its own Xvfb display."""

    MINI_BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    NARROWEST = 447  # CSS pixels: MiniBrowser's window goes no narrower

    def __init__(self, profile, viewport):
        width, height, ratio = viewport
        if ratio != int(ratio):
            raise unittest.SkipTest("MiniBrowser's pixel ratio is a whole GDK_SCALE")
        self.ratio = int(ratio)
        self.xvfb, display = start_display(
            f"{max(1024, (width + 100) * self.ratio)}x{(height + 200) * self.ratio}x24")
        env = dict(os.environ, DISPLAY=display, GDK_SCALE=str(self.ratio), GDK_BACKEND="x11",
                   XDG_CACHE_HOME=os.path.join(profile, "cache"),
                   XDG_DATA_HOME=os.path.join(profile, "data"))
        self.service = WebKitService("/usr/bin/WebKitWebDriver", log_path=os.devnull, env=env)
        self.service.start()
        options = WebKitOptions()
        options.binary_location = self.MINI_BROWSER
        options.add_argument("--automation")
        self.driver = webdriver.Remote(self.service.service_url, options=options)
        self.viewport(width, height, ratio)

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.service.stop()
            self.xvfb.terminate()
            self.xvfb.wait(timeout=10)

    def open(self, address):
        self.driver.get(address)
        # The driver shows no console: the page's errors from here on are caught in the page.
        self.driver.execute_script("""
            window.caughtErrors = [];
            addEventListener("error", (e) => caughtErrors.push(String(e.message)));
            addEventListener("unhandledrejection", (e) => caughtErrors.push(String(e.reason)));""")

    def viewport(self, width, height, ratio):
        if ratio != self.ratio:
            raise unittest.SkipTest("MiniBrowser's pixel ratio is fixed when it starts")
        self.driver.set_window_size(max(width, self.NARROWEST), height)
        inner = self.driver.execute_script("return [outerWidth - innerWidth, outerHeight - "
                                           "innerHeight]")
        self.driver.set_window_size(max(width, self.NARROWEST) + inner[0], height + inner[1])

    def mouse(self, x, y, button):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(x), round(y))
        if button == 1:
            actions.pointer_action.click()
        else:
            # The driver lets the right button go as the left one; after that the page may see
            # no further left press, so a session's right press is its last.
            actions.pointer_action.context_click()
        actions.perform()

    def touch(self, *points):
        if len(points) > 1:
            super().touch(*points)
        self.mouse(*points[0], 1)  # the driver's touch arrives as the mouse anyway

    def hold(self, name, repeats):
        """A key held down; this driver drops the repeats, so the page sees one press."""
        actions = ActionChains(self.driver)
        for _ in range(1 + repeats):
            actions.key_down(KEYS[name])
        actions.key_up(KEYS[name]).perform()

    def errors(self):
        return self.driver.execute_script("return window.caughtErrors || []")


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}


def engine_name():
    """The engine the tests run in: YORUNAMI_BROWSER, Chromium unless it is set."""
    return os.environ.get("YORUNAMI_BROWSER", "chromium")


def start_browser(viewport, name=None):
    """A fresh browser and the folder of its profile, which the caller removes after quit()."""
    profile = tempfile.mkdtemp(prefix=f"yorunami-{name or engine_name()}-")
    return ENGINES[name or engine_name()](profile, viewport), profile

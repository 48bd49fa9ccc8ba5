"""The Linux desktop program on its own Xvfb display with no window manager, through Qt's xcb
platform: the same presses, keys and pixel reads as the Windows program's end-to-end tests.

Paths come from the environment (set by CTest): YORUNAMI_NATIVE (the program) and
YORUNAMI_PICTURES (the folder of the game's pictures).
"""

import os
import subprocess

from wine_game import BOARD, GameWindow


class NativeWindow(GameWindow):
    """The program at a screen scale of dpi / 96 (Qt's QT_SCALE_FACTOR)."""

    def _start_game(self):
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        QT_SCALE_FACTOR=str(self.dpi / 96))
        self.game = subprocess.Popen([os.environ["YORUNAMI_NATIVE"]], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    WINDOW_SEARCH = ("--name", "^ヨルナミ$")

    def _find_window(self):
        found = super()._find_window()
        # With no window manager nothing gives the window the keyboard: take it as a person would.
        subprocess.run(["xdotool", "windowfocus", "--sync", found], env=self.env, check=True)
        return found

    def refresh_geometry(self):
        """The window's place on the screen; the board area is its bottom 264 rows, times the
        board's scale."""
        self.outer = self.geometry(self.window)
        x, y, width, height = self.outer
        self.client = (x, y + height - BOARD * self.scale)
        self.client_size = (width, BOARD * self.scale)

    def __exit__(self, *exc):
        if self.game is not None and self.game.poll() is None:
            self.game.terminate()
            self.game.wait(timeout=10)
        super().__exit__(*exc)

    def geometry(self, window_id):
        """A window's left, top, width and height on the screen, inside any frame."""
        info = subprocess.run(["xwininfo", "-id", window_id], env=self.env, capture_output=True,
                              text=True, check=True).stdout
        values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return tuple(int(values[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                                  "Width", "Height"))

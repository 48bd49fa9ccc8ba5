"""Takes the README's screenshots from the real programs on a virtual display, with the
end-to-end helpers: the Windows program (its 64-bit build under Wine), the Linux desktop program
and the web page in Chromium at a phone's size; the keyboard's cursor in each; and the two desktop
programs at larger screen scales. Run by tools/screenshots.sh, which builds them first.

Usage: screenshots.py DOCS-FOLDER (the programs and the Wine prefix come from the environment,
as for the end-to-end tests: YORUNAMI_EXE, YORUNAMI_PROBE, YORUNAMI_PREFIX, YORUNAMI_NATIVE,
YORUNAMI_PAGE, YORUNAMI_PICTURES)
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))

from native_game import NativeWindow  # noqa: E402
from web_page import WebPage  # noqa: E402
from wine_game import (ID, RED_MAN_SELECTED, RED_KING_SELECTED, WIN_PICTURE,  # noqa: E402
                       GameWindow, is_blue, is_red, moves_for, play, start_board)

MEN_4, VS_HUMAN, OK = ID["IDC_MEN_4"], ID["IDC_VS_HUMAN"], ID["IDOK"]

# Two people at one mouse, red first: six moves, then red captures and can capture again.
CHAIN_OPENING = [((3, 7), (4, 6)), ((4, 4), (5, 5)), ((2, 8), (3, 7)), ((8, 4), (7, 5)),
                 ((5, 7), (6, 6)), ((7, 5), (5, 7)), ((4, 8), (6, 6))]
# Four men a side, two people: blue walks into red's captures until it has no piece left.
RED_WINS = [((3, 9), (4, 8)), ((8, 2), (7, 3)), ((5, 9), (6, 8)), ((4, 2), (3, 3)),
            ((4, 8), (3, 7)), ((3, 3), (4, 4)), ((3, 7), (4, 6)), ((4, 4), (3, 5)),
            ((4, 6), (2, 4)), ((2, 2), (3, 3)), ((2, 4), (4, 2)), ((6, 2), (5, 3)),
            ((4, 2), (6, 4)), ((6, 4), (8, 2))]


def save(window, rect, path):
    """The screen's rectangle (left, top, right, bottom) as a PNG file."""
    left, top, right, bottom = rect
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{right - left}x{bottom - top}+{left}+{top}", "+repage", path],
                   env=window.env, check=True)
    print("wrote", path)


def union(*rects):
    return (min(r[0] for r in rects), min(r[1] for r in rects),
            max(r[2] for r in rects), max(r[3] for r in rects))


def play_line(window, board, line):
    """Plays the moves by presses, checking each is legal, and waits for the board to show it."""
    red_to_move = True
    for move in line:
        assert move in moves_for(board, is_red if red_to_move else is_blue), move
        window.press_square(*move[0])
        window.press_square(*move[1])
        board, goes_on = play(board, move)
        red_to_move = red_to_move if goes_on else not red_to_move
        window.wait_for_board(board)
    return board


def choose_settings(window, controls):
    dialog = window.open_settings()
    for control in controls:
        window.click_control(dialog, control)
    window.click_control(dialog, OK)
    window.wait_for(lambda s: window.dialog() is None, "the dialog to close")


# The keys of the README's keyboard picture: the cursor shown on b3, the man there selected, the
# cursor moved on to c4.
KEYS_TO_C4 = ("Right", "Return", "Up", "Right")


def windows_at_larger_scales(docs):
    """The Windows program at 144 and 192 dots per inch, the cursor on the board."""
    for dpi in (144, 192):
        with GameWindow(dpi=dpi) as window:
            frame = tuple(int(n) for n in window.report["window"].split())
            board = start_board()
            window.wait_for_board(board)
            window.keys(*KEYS_TO_C4)
            board[(3, 7)] = RED_MAN_SELECTED
            window.wait_for_board(board)
            save(window, frame, os.path.join(docs, f"windows-{dpi}.png"))


def windows_program(docs):
    with GameWindow() as window:
        frame = tuple(int(n) for n in window.report["window"].split())
        board = start_board()
        window.wait_for_board(board)
        save(window, frame, os.path.join(docs, "windows-start.png"))

        window.press_square(3, 7)
        board[(3, 7)] = RED_MAN_SELECTED
        window.wait_for_board(board)
        save(window, frame, os.path.join(docs, "windows-selected.png"))
        window.press_square(3, 7, button=3)
        window.wait_for_board(start_board())

        window.keys(*KEYS_TO_C4)
        window.wait_for_board(board)
        save(window, frame, os.path.join(docs, "windows-keys.png"))
        window.keys("Escape")
        window.press_square(9, 2)  # a click takes the cursor away

        dialog = window.open_settings()
        time.sleep(0.5)
        save(window, union(frame, dialog["window"]), os.path.join(docs, "windows-settings.png"))
        window.keys("Escape")
        window.wait_for(lambda s: window.dialog() is None, "the dialog to close")

        choose_settings(window, [VS_HUMAN])
        board = play_line(window, start_board(), CHAIN_OPENING)
        window.press_square(6, 6)  # the piece that goes on, selected again
        board[(6, 6)] = RED_MAN_SELECTED
        window.wait_for_board(board)
        save(window, frame, os.path.join(docs, "windows-chain.png"))
        window.press_square(6, 6, button=3)

        choose_settings(window, [MEN_4])
        play_line(window, start_board(men=4), RED_WINS)
        window.press_square(5, 5)  # the press after the deciding move shows the result
        window.wait_for(lambda s: window.shows_picture(WIN_PICTURE, s), "the win picture")
        save(window, frame, os.path.join(docs, "windows-win.png"))


class ManagedDesktopWindow(NativeWindow):
    """The desktop program under a window manager (Openbox), framed as on a player's desktop."""

    def _start_game(self):
        self.manager = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=self.display),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
        super()._start_game()

    def _find_window(self):
        """The window, once the manager has framed it (and so placed it for good)."""
        found = super()._find_window()
        deadline = time.monotonic() + 10
        while "=" not in subprocess.run(["xprop", "-id", found, "_NET_FRAME_EXTENTS"],
                                        env=self.env, capture_output=True, text=True).stdout:
            assert time.monotonic() < deadline, "the window manager did not frame the window"
            time.sleep(0.1)
        time.sleep(0.5)
        return found

    def __exit__(self, *exc):
        super().__exit__(*exc)
        self.manager.terminate()
        self.manager.wait(timeout=10)

    def framed(self, window_id):
        """The screen rectangle of a top-level window with the frame the manager gave it."""
        x, y, width, height = self.geometry(window_id)
        left, right, top, bottom = (int(n) for n in self.x_property_of(
            window_id, "_NET_FRAME_EXTENTS").split(","))
        return (x - left, y - top, x + width + right, y + height + bottom)

    def x_property_of(self, window_id, name):
        result = subprocess.run(["xprop", "-id", window_id, name], env=self.env,
                                capture_output=True, text=True, check=True)
        return result.stdout.split("=", 1)[1].strip()


def desktop_at_a_larger_scale(docs):
    """The desktop program at a scale of 1.5, the cursor on the board."""
    with ManagedDesktopWindow(dpi=144) as window:
        frame = window.framed(window.window)
        board = start_board()
        window.wait_for_board(board)
        window.keys(*KEYS_TO_C4)
        board[(3, 7)] = RED_MAN_SELECTED
        window.wait_for_board(board)
        time.sleep(0.5)
        save(window, frame, os.path.join(docs, "desktop-150.png"))


def desktop_program(docs):
    with ManagedDesktopWindow() as window:
        frame = window.framed(window.window)
        window.wait_for_board(start_board())
        board = play_line(window, start_board(), CHAIN_OPENING[:1])
        window.press_square(5, 5)  # the computer's reply
        window.wait_for(lambda s: window.read_board(s) != board, "the computer's reply")
        window.press_square(4, 8)
        time.sleep(0.5)
        save(window, frame, os.path.join(docs, "desktop-window.png"))

        window.menu(1, 1)
        found = subprocess.run(["timeout", "10", "xdotool", "search", "--sync", "--onlyvisible",
                                "--name", "^設定$"], env=window.env, capture_output=True,
                               text=True, check=True).stdout.split()[0]
        time.sleep(0.5)
        dialog = window.framed(found)
        save(window, union(frame, dialog), os.path.join(docs, "desktop-settings.png"))
        window.keys("Escape")


def web_page(docs):
    """The page as a phone shows it (390x760 CSS pixels, two device pixels to each), during a
    game: red has moved, the computer has answered, a red man is selected."""
    with WebPage(viewport=(390, 760, 2)) as page:
        board = play_line(page, start_board(), CHAIN_OPENING[:1])
        page.press_square(5, 5)  # the computer's reply
        page.wait_for(lambda s: page.read_board(s) != board, "the computer's reply")
        page.press_square(4, 8)
        time.sleep(0.5)
        path = os.path.join(docs, "web-phone.png")
        with open(path, "wb") as file:
            file.write(page.browser.screenshot())
        print("wrote", path)


def web_page_keys(docs):
    """The page on a computer's screen, the board played from the keyboard: its focus ring and the
    cursor."""
    with WebPage(viewport=(480, 400, 1)) as page:
        board = start_board()
        page.keys("F10", "Tab", *KEYS_TO_C4[1:])
        board[(3, 7)] = RED_MAN_SELECTED
        page.wait_for_board(board)
        path = os.path.join(docs, "web-keys.png")
        with open(path, "wb") as file:
            file.write(page.browser.screenshot())
        print("wrote", path)


def main():
    docs = sys.argv[1]
    windows_program(docs)
    windows_at_larger_scales(docs)
    desktop_program(docs)
    desktop_at_a_larger_scale(docs)
    web_page(docs)
    web_page_keys(docs)


if __name__ == "__main__":
    main()

"""The game's real window under Wine on a virtual X display, for end-to-end tests.

Each GameWindow starts its own Xvfb display and its own copy of a prepared Wine prefix, runs the
64-bit build of the game, presses real mouse buttons and keys with xdotool, and reads the real
pixels of the screen. It stops only what it started.

Paths come from the environment (set by CTest): YORUNAMI_EXE, YORUNAMI_PROBE, YORUNAMI_PREFIX
(the prepared prefix) and YORUNAMI_PICTURES (the folder of the game's pictures).
"""

import os
import shutil
import struct
import subprocess
import tempfile
import time

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"

CELL = 33
BOARD = 264

# Square codes, as the engine numbers them.
RED_MAN, BLUE_MAN, RED_MAN_SELECTED, BLUE_MAN_SELECTED = 0, 1, 2, 3
RED_KING, BLUE_KING, RED_KING_SELECTED, BLUE_KING_SELECTED = 4, 5, 6, 7
EMPTY = 8


def listed_bitmaps(folder):
    """The bitmap files in the order ui/pictures.txt (beside the folder) lists them: the nine
    square pictures in square-code order, then the win and the lose picture."""
    with open(os.path.join(folder, "..", "pictures.txt"), encoding="utf-8") as listing:
        return [fields[2] for fields in map(str.split, listing)
                if len(fields) == 3 and fields[0] == "bitmap"]


def resource_numbers(folder):
    """The numbers of the menu commands and the dialog's controls by the names ui/resource.h
    (beside the folder) gives them, with the platform's IDOK and IDCANCEL."""
    numbers = {"IDOK": 1, "IDCANCEL": 2}
    with open(os.path.join(folder, "..", "resource.h"), encoding="utf-8") as header:
        for fields in map(str.split, header):
            if len(fields) == 3 and fields[0] == "#define":
                numbers[fields[1]] = int(fields[2])
    return numbers


ID = resource_numbers(os.environ["YORUNAMI_PICTURES"])
_BITMAPS = listed_bitmaps(os.environ["YORUNAMI_PICTURES"])
PICTURE_FILES = dict(enumerate(_BITMAPS[:EMPTY + 1]))  # each square code's picture
WIN_PICTURE, LOSE_PICTURE = _BITMAPS[EMPTY + 1:]

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def read_bitmap(path):
    """The pixels of a 4-bit uncompressed bitmap file, as rows of (r, g, b), top row first."""
    with open(path, "rb") as file:
        data = file.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    assert bits == 4, f"{path}: {bits} bits per pixel"
    palette = [tuple(data[54 + 4 * i + k] for k in (2, 1, 0)) for i in range(16)]
    stride = (width * 4 + 31) // 32 * 4
    rows = []
    for y in range(height):
        row_start = offset + (height - 1 - y) * stride
        row = []
        for x in range(width):
            byte = data[row_start + x // 2]
            row.append(palette[byte >> 4 if x % 2 == 0 else byte & 15])
        rows.append(row)
    return rows


def picture(name):
    return read_bitmap(os.path.join(os.environ["YORUNAMI_PICTURES"], name))


def expected_client(board, cursor=None):
    """The 264x264 client area as the program paints the given board: each cell's picture, the
    grid showing in each cell's uncovered column and row, the frame's last column and row; and
    the keyboard's cursor on the square `cursor`, where one is given: inside its picture two
    black rings round a white one (stated again here on purpose)."""
    pictures = {code: picture(name) for code, name in PICTURE_FILES.items()}
    rows = [[WHITE] * BOARD for _ in range(BOARD)]
    for y in range(BOARD):
        for x in range(BOARD):
            if x % CELL == 0 or y % CELL == 0 or x == BOARD - 1 or y == BOARD - 1:
                rows[y][x] = BLACK
    for (sx, sy), code in board.items():
        left, top = CELL * (sx - 2), CELL * (sy - 2)
        for py in range(32):
            for px in range(32):
                rows[top + py][left + px] = pictures[code][py][px]
    if cursor is not None:
        left, top = CELL * (cursor[0] - 2), CELL * (cursor[1] - 2)
        for py in range(32):
            for px in range(32):
                inset = min(px, py, 31 - px, 31 - py)
                if 1 <= inset <= 3:
                    rows[top + py][left + px] = BLACK if inset < 3 else WHITE
    return rows


def start_board(men=12, red_kings=False, blue_kings=False):
    """The start position for a number of men per side, as {(x, y): code} for every square."""
    rows = {4: 1, 8: 2, 12: 3}[men]
    board = {}
    for y in range(2, 10):
        for x in range(2, 10):
            code = EMPTY
            if (x + y) % 2 == 0 and y < 2 + rows:
                code = BLUE_KING if blue_kings else BLUE_MAN
            elif (x + y) % 2 == 0 and y > 9 - rows:
                code = RED_KING if red_kings else RED_MAN
            board[(x, y)] = code
    return board


class Screen:
    """One screenshot of the whole display."""

    width, height = 1024, 768  # as every display here is made

    def __init__(self, env):
        self.raw = subprocess.run(
            ["import", "-window", "root", "-depth", "8", "rgb:-"],
            env=env, check=True, capture_output=True).stdout
        assert len(self.raw) == 3 * self.width * self.height

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.raw[at:at + 3])


def start_display(screen="1024x768x24"):
    """An Xvfb display of its own: the process and the display's name."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return xvfb, ":" + pipe.readline().strip()


def board_scale(dpi):
    """Each board pixel as a block of s x s screen pixels at a screen's dots per inch: the whole
    number nearest dpi / 96, halves up, at least 1 (the rule stated again here on purpose)."""
    return max(1, (dpi + 48) // 96)


class GameWindow:
    """The game's window on a display of `dpi` dots per inch (Wine's LogPixels)."""

    def __init__(self, lang="ja_JP.UTF-8", dpi=96):
        self.lang = lang
        self.dpi = dpi
        self.scale = board_scale(dpi)
        self.xvfb = None
        self.game = None
        self.prefix = None
        self.exit_code = None

    # --- start and stop ---

    def __enter__(self):
        try:
            self._start_display()
            self._start_game()
            self.window = self._find_window()
            self.refresh_geometry()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        if self.prefix is not None:
            subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True)
            if self.game is not None and self.exit_code is None:
                self.game.wait(timeout=10)
            shutil.rmtree(self.prefix, ignore_errors=True)
        if self.xvfb is not None:
            self.xvfb.terminate()
            self.xvfb.wait(timeout=10)

    def _start_display(self):
        self.xvfb, self.display = start_display()

    def _start_game(self):
        self.prefix = tempfile.mkdtemp(prefix="yorunami-prefix-")
        shutil.rmtree(self.prefix)
        shutil.copytree(os.environ["YORUNAMI_PREFIX"], self.prefix, symlinks=True)
        self.env = dict(os.environ, DISPLAY=self.display, WINEPREFIX=self.prefix,
                        WINEDEBUG="-all", LANG=self.lang, LC_ALL=self.lang,
                        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d")
        if self.dpi != 96:
            subprocess.run([WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                            "/t", "REG_DWORD", "/d", str(self.dpi), "/f"], env=self.env,
                           check=True, capture_output=True)
        self.game = subprocess.Popen([WINE, os.environ["YORUNAMI_EXE"]], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # Wine names the X class after the exe; the hidden "Default IME" windows share it.
    WINDOW_SEARCH = ("--class", "yorunami.exe")

    def _find_window(self):
        found = subprocess.run(
            ["timeout", "30", "xdotool", "search", "--sync", "--onlyvisible", *self.WINDOW_SEARCH],
            env=self.env, capture_output=True, text=True)
        ids = found.stdout.split()
        assert ids, "the game window did not appear"
        return ids[0]

    def wait_for_exit(self, timeout=10):
        self.exit_code = self.game.wait(timeout=timeout)
        return self.exit_code

    # --- what the window is ---

    def probe(self, what):
        """The probe's report as a list of lines, or None when the window is not there."""
        result = subprocess.run([WINE, os.environ["YORUNAMI_PROBE"], what], env=self.env,
                                capture_output=True, timeout=60)
        if result.returncode != 0:
            return None
        return result.stdout.decode("utf-8").splitlines()

    def refresh_geometry(self):
        report = self.probe("window")
        assert report is not None, "the probe does not find the main window"
        self.report = {line.split(" ", 1)[0]: line.split(" ", 1)[1] for line in report}
        x, y, width, height = (int(n) for n in self.report["client"].split())
        self.client = (x, y)
        self.client_size = (width, height)

    def x_property(self, name):
        result = subprocess.run(["xprop", "-id", self.window, name], env=self.env,
                                capture_output=True, text=True, check=True)
        return result.stdout.split("=", 1)[1].strip().strip('"')

    def screen(self):
        return Screen(self.env)

    def client_pixels(self, screen=None):
        """The board's 264x264 pixels as the client area shows them: each one a block of
        scale x scale screen pixels, or None where its block is not of one colour."""
        screen = screen or self.screen()
        cx, cy = self.client
        s = self.scale

        def block(x, y):
            colours = {screen.pixel(cx + s * x + i, cy + s * y + j)
                       for i in range(s) for j in range(s)}
            return colours.pop() if len(colours) == 1 else None
        return [[block(x, y) for x in range(BOARD)] for y in range(BOARD)]

    def read_board(self, screen=None, hidden=None):
        """Each square's code, told from the colours of its disc and its middle; squares under
        the screen rectangle `hidden` (left, top, right, bottom) are left out."""
        screen = screen or self.screen()
        looks = {}
        for code, name in PICTURE_FILES.items():
            rows = picture(name)
            looks[(rows[6][16], rows[18][16])] = code
        board = {}
        cx, cy = self.client
        s = self.scale
        for y in range(2, 10):
            for x in range(2, 10):
                left, top = cx + s * CELL * (x - 2), cy + s * CELL * (y - 2)
                if hidden and left < hidden[2] and top < hidden[3] and \
                        left + s * CELL > hidden[0] and top + s * CELL > hidden[1]:
                    continue
                look = (screen.pixel(left + s * 16, top + s * 6),
                        screen.pixel(left + s * 16, top + s * 18))
                assert look in looks, f"square {x},{y} shows {look}"
                board[(x, y)] = looks[look]
        return board

    def wait_for(self, condition, what, timeout=10):
        """Polls screenshots until condition(screen) holds; the last screen is returned."""
        deadline = time.monotonic() + timeout
        while True:
            screen = self.screen()
            if condition(screen):
                return screen
            if time.monotonic() > deadline:
                raise AssertionError(f"timed out waiting for {what}")
            time.sleep(0.1)

    def wait_for_board(self, expected, timeout=10):
        def shows(screen):
            try:
                return self.read_board(screen) == expected
            except AssertionError:
                return False
        return self.wait_for(shows, "the expected board", timeout)

    def shows_picture(self, name, screen=None):
        return self.client_pixels(screen) == picture(name)

    # --- acting on it ---

    def press_square(self, x, y, button=1):
        """A real press in the middle of board square (x, y)."""
        cx, cy = self.client
        s = self.scale
        self.click_at(cx + s * (CELL * (x - 2) + 16), cy + s * (CELL * (y - 2) + 16), button)

    def click_at(self, x, y, button=1):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", str(button)],
                       env=self.env, check=True)

    def keys(self, *names, pause=0.3):
        for name in names:
            subprocess.run(["xdotool", "key", name], env=self.env, check=True)
            time.sleep(pause)

    def hold(self, name, repeats=4):
        """A key held down and repeated, as a keyboard repeats a held key, then let go. (The
        virtual display repeats nothing by itself: each repeat is pressed again while down.)"""
        for _ in range(1 + repeats):
            subprocess.run(["xdotool", "keydown", name], env=self.env, check=True)
            time.sleep(0.2)
        subprocess.run(["xdotool", "keyup", name], env=self.env, check=True)
        time.sleep(0.3)

    def count_tones(self):
        """Starts counting the beeps the program sounds; tones() tells how many. Under Wine on a
        virtual display a beep makes no sound and leaves no trace: None."""

    def tones(self):
        return None

    def told(self):
        """What a screen reader hears of the last change; the Windows program tells nothing."""
        return None

    def menu(self, top_item, downs):
        """Chooses a menu item by keyboard: F10, right to the top item, down, Return."""
        self.keys("F10")
        for _ in range(top_item):
            self.keys("Right")
        for _ in range(downs):
            self.keys("Down")
        self.keys("Return")

    def new_game(self):
        self.menu(0, 1)

    def quit(self):
        self.menu(0, 2)

    def open_settings(self):
        self.menu(1, 1)
        return self.opened_dialog()

    def opened_dialog(self):
        """The settings dialog, once it has opened."""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            dialog = self.dialog()
            if dialog is not None:
                return dialog
            time.sleep(0.2)
        raise AssertionError("the settings dialog did not open")

    def dialog(self):
        """The open settings dialog: its caption, client origin and controls by id."""
        report = self.probe("dialog")
        if report is None:
            return None
        dialog = {"controls": {}}
        for line in report:
            kind, rest = line.split(" ", 1)
            if kind == "caption":
                dialog["caption"] = rest
            elif kind in ("window", "client", "closebox"):
                dialog[kind] = tuple(int(n) for n in rest.split())
            elif kind == "font":
                dialog["font"] = rest
            elif kind == "baseunits":
                dialog["baseunits"] = tuple(int(n) for n in rest.split())
            elif kind == "label":
                ident, extent, space = (int(n) for n in rest.split(" ", 3)[:3])
                dialog.setdefault("labels", []).append(
                    {"id": ident & 0xFFFF, "extent": extent, "space": space,
                     "text": rest.split(" ", 3)[3] if rest.count(" ") >= 3 else ""})
            elif kind == "control":
                parts = rest.split(" ", 6)
                ident = int(parts[0]) & 0xFFFF
                left, top, right, bottom, state = (int(n) for n in parts[1:6])
                dialog["controls"].setdefault(ident, []).append(
                    {"rect": (left, top, right, bottom), "checked": state == 1,
                     "text": parts[6] if len(parts) > 6 else ""})
        return dialog

    def click_control(self, dialog, ident):
        left, top, right, bottom = dialog["controls"][ident][0]["rect"]
        self.click_at((left + right) // 2, (top + bottom) // 2)


# --- the rules, as far as the tests need them to play red and to know whose turn it is ---

def is_red(code):
    return code in (RED_MAN, RED_KING)


def is_blue(code):
    return code in (BLUE_MAN, BLUE_KING)


def jumps_of(board, x, y):
    """The capture destinations of the piece on (x, y)."""
    code = board[(x, y)]
    if code in (RED_MAN, BLUE_MAN):
        forward = -1 if code == RED_MAN else 1
        directions = [(-1, forward), (1, forward)]
    elif code in (RED_KING, BLUE_KING):
        directions = [(-1, -1), (1, -1), (-1, 1), (1, 1)]
    else:
        return []
    enemy = is_blue if is_red(code) else is_red
    found = []
    for dx, dy in directions:
        over, land = (x + dx, y + dy), (x + 2 * dx, y + 2 * dy)
        if over in board and land in board and enemy(board[over]) and board[land] == EMPTY:
            found.append(land)
    return found


def steps_of(board, x, y):
    code = board[(x, y)]
    if code == RED_MAN:
        directions = [(-1, -1), (1, -1)]
    elif code == BLUE_MAN:
        directions = [(-1, 1), (1, 1)]
    elif code in (RED_KING, BLUE_KING):
        directions = [(-1, -1), (1, -1), (-1, 1), (1, 1)]
    else:
        return []
    return [(x + dx, y + dy) for dx, dy in directions
            if (x + dx, y + dy) in board and board[(x + dx, y + dy)] == EMPTY]


def moves_for(board, side_is):
    """The side's moves: captures when it has any, else plain steps."""
    pieces = [square for square, code in sorted(board.items()) if side_is(code)]
    captures = [(p, to) for p in pieces for to in jumps_of(board, *p)]
    if captures:
        return captures
    return [(p, to) for p in pieces for to in steps_of(board, *p)]


def play(board, move):
    """The board after a move, the jumped piece removed and a man on its far row crowned;
    and whether the same side goes on (the landed piece, not crowned by the capture, can jump)."""
    (fx, fy), (tx, ty) = move
    after = dict(board)
    code = after[(fx, fy)]
    after[(fx, fy)] = EMPTY
    crowned = (code == RED_MAN and ty == 2) or (code == BLUE_MAN and ty == 9)
    after[(tx, ty)] = {RED_MAN: RED_KING, BLUE_MAN: BLUE_KING}[code] if crowned else code
    jumped = abs(tx - fx) == 2
    if jumped:
        after[((fx + tx) // 2, (fy + ty) // 2)] = EMPTY
    goes_on = jumped and not crowned and bool(jumps_of(after, tx, ty))
    return after, goes_on

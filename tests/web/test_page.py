"""The web page in a browser engine (YORUNAMI_BROWSER: chromium, firefox or webkit; CTest runs
each): the first paint against the neutral painting, presses at 1x and 2x (mouse and touch), a
phone-sized screen, the menu and the dialog by keyboard, a reload with the network cut, and an
update uploaded file by file. In Chromium alone, where the engine does not matter: games to
their end with both pictures, starts that fail, touches, sound and screens."""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

import test_game_to_the_end as scenario  # noqa: E402
import test_keys  # noqa: E402
from browsers import engine_name  # noqa: E402
from web_page import PageServer, WebPage, bench_in_chromium  # noqa: E402
from wine_game import (BLUE_MAN, BLUE_MAN_SELECTED, BOARD, EMPTY, ID, LOSE_PICTURE,  # noqa: E402
                       RED_MAN, RED_MAN_SELECTED, WIN_PICTURE, expected_client, start_board)

STRENGTH_5, MEN_12 = ID["IDC_STRENGTH_5"], ID["IDC_MEN_12"]
RED_FIRST, VS_HUMAN = ID["IDC_RED_MOVES_FIRST"], ID["IDC_VS_HUMAN"]
# The dialog's Tab stops in template order: the four check boxes, the twelve strengths, OK and
# Cancel, stated again here on purpose from the dialog's description.
TAB_STOPS = ["先攻", "ALLKING(赤)", "VS人", "ALLKING(青)", *map(str, range(12)), "OK", "ｷｬﾝｾﾙ"]
PAGE = os.environ.get("YORUNAMI_PAGE", "")
SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
ENGINE = engine_name()


def only_in_chromium(test):
    return unittest.skipUnless(ENGINE == "chromium", "run in Chromium alone")(test)


def checked(dialog):
    return {ident for ident, (control,) in dialog["controls"].items() if control["checked"]}


class Page(unittest.TestCase):
    def test_the_first_paint_is_the_neutral_paintings_and_a_red_move_brings_the_reply(self):
        with WebPage() as page:
            self.assertEqual(page.run("return document.title"), "ヨルナミ")
            self.assertEqual(page.client_pixels(), expected_client(start_board()))
            self.assertEqual(page.board_area()[2:], (BOARD, BOARD))

            board = start_board()
            page.press_square(3, 7)
            board[(3, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)
            self.assertEqual(page.client_pixels(), expected_client(board))
            page.press_square(4, 6)
            board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
            page.wait_for_board(board)

            # The computer answers on the next press, wherever it is: one blue man steps.
            page.press_square(2, 2)
            after = page.read_board(page.wait_for(lambda screen: page.read_board(screen) != board,
                                                  "the computer's reply"))
            changed = sorted(square for square in board if after[square] != board[square])
            self.assertEqual(len(changed), 2)
            self.assertEqual(sorted(after[square] for square in changed), [BLUE_MAN, EMPTY])

            # A press where the piece cannot go beeps and cancels the selection; a right press
            # cancels one too (the last press: WebKit's driver may lose presses after it).
            page.count_tones()
            page.press_square(5, 7)
            after[(5, 7)] = RED_MAN_SELECTED
            page.wait_for_board(after)
            page.press_square(5, 3)
            after[(5, 7)] = RED_MAN
            page.wait_for_board(after)
            page.until(lambda: page.tones() == 1, "the rejected press's tone")
            page.press_square(5, 7)
            after[(5, 7)] = RED_MAN_SELECTED
            page.wait_for_board(after)
            page.press_square(5, 7, button=3)
            after[(5, 7)] = RED_MAN
            page.wait_for_board(after)
            self.assertEqual(page.client_pixels(), expected_client(after))
            self.assertEqual(page.errors(), [])

    def test_at_twice_the_size_presses_land_on_their_squares_and_pixels_stay_crisp(self):
        with WebPage(viewport=(720, 720, 1)) as page:
            left, top, width, height = page.board_area()
            self.assertEqual((width, height), (2 * BOARD, 2 * BOARD))
            board = start_board()
            page.touch_at(page.square_point(5, 7))
            board[(5, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)
            page.press_square(6, 6)
            board[(5, 7)], board[(6, 6)] = EMPTY, RED_MAN
            page.wait_for_board(board)

            # Each board pixel shows as a block of 2x2 screen pixels of its own colour (on the
            # screen a moment after the canvas has it, in WebKit).
            expected = expected_client(board)

            def wrong_pixels():
                shot = os.path.join(page.profile, "page.png")
                with open(shot, "wb") as file:
                    file.write(page.browser.screenshot())
                raw = subprocess.run(["convert", shot, "-crop", f"{width:.0f}x{height:.0f}"
                                      f"+{left:.0f}+{top:.0f}", "+repage", "-depth", "8", "rgb:-"],
                                     check=True, capture_output=True).stdout
                at = lambda x, y: tuple(raw[3 * (y * 2 * BOARD + x):3 * (y * 2 * BOARD + x) + 3])
                return [(x, y) for y in range(2 * BOARD) for x in range(2 * BOARD)
                        if at(x, y) != expected[y // 2][x // 2]]
            wrong = wrong_pixels()
            deadline = time.monotonic() + 10
            while wrong and time.monotonic() < deadline:
                time.sleep(0.2)
                wrong = wrong_pixels()
            self.assertEqual(wrong[:5], [])

    def test_a_phone_sized_screen_shows_the_board_at_a_whole_number_of_device_pixels(self):
        with WebPage(viewport=(360, 640, 3)) as page:
            self.assertEqual(page.run("return devicePixelRatio"), 3)
            _, _, width, _ = page.board_area()
            self.assertEqual(width * 3 % BOARD, 0)
            self.assertLessEqual(width, 360)
            self.assertGreaterEqual(width * 3, 3 * BOARD)
            board = start_board()
            page.touch_at(page.square_point(7, 7))
            board[(7, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)

    def test_the_menu_and_the_dialog_by_keyboard(self):
        with WebPage() as page:
            board = start_board()
            page.press_square(3, 7)
            page.press_square(4, 6)
            board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
            page.wait_for_board(board)

            # The menu bar is one Tab stop, the title last reached; Home and End go to the ends.
            page.keys("F10", "End")
            self.assertEqual(page.focused(), "設定")
            self.assertEqual(page.run("return [...document.querySelectorAll('[aria-haspopup]')]"
                                      ".map((title) => title.tabIndex)"), [-1, 0])
            page.keys("Home")
            self.assertEqual(page.focused(), "ファイル")

            # F10 then Right, Down: 設定 → 設定. It opens over the board with the settings.
            page.keys("Escape", "F10", "Right", "Down")
            self.assertEqual(page.focused(), "設定")
            page.keys("Return")
            dialog = page.opened_dialog()
            self.assertEqual(dialog["caption"], "設定")
            self.assertIn("IPAPGothic", dialog["font"])
            self.assertEqual(checked(dialog), {STRENGTH_5, MEN_12, RED_FIRST})
            for ident, (control,) in dialog["controls"].items():
                self.assertTrue(control["fits"], control["text"])
            # Over the board's top-left corner, moved in only as far as the screen needs.
            left, top, _, _ = page.board_area()
            corner, size, room = page.run(
                "const r = document.getElementById('settings').getBoundingClientRect();"
                "return [[r.left, r.top], [r.width, r.height], [innerWidth, innerHeight]];")
            self.assertEqual(corner, [min(left, room[0] - size[0]), min(top, room[1] - size[1])])
            self.assertGreaterEqual(min(corner), 0)

            # Tab visits the Tab stops in template order, from the first, and comes round.
            visited = [page.focused()]
            for _ in TAB_STOPS:
                page.keys("Tab")
                visited.append(page.focused())
            self.assertEqual(visited, TAB_STOPS + TAB_STOPS[:1])

            # Escape changes nothing; the game in progress goes on.
            page.keys("space", "Escape")  # 先攻 cleared, then not kept
            self.assertIsNone(page.dialog())
            page.wait_for_board(board)
            self.assertEqual(page.client_pixels(), expected_client(board))

            # OK stores: 先攻 cleared, VS人 ticked and strength 4 (an arrow in its group) give a
            # new game where blue, a person, moves first; Enter is OK's.
            self.assertEqual(checked(page.open_settings()), {STRENGTH_5, MEN_12, RED_FIRST})
            page.keys("space", "Tab", "Tab", "space", *["Tab"] * 7, "Left")
            self.assertEqual(checked(page.dialog()), {ID["IDC_STRENGTH_4"], MEN_12, VS_HUMAN})
            page.keys("Return")
            self.assertIsNone(page.dialog())
            board = start_board()
            page.wait_for_board(board)
            page.press_square(4, 4)
            board[(4, 4)] = BLUE_MAN_SELECTED
            page.wait_for_board(board)
            self.assertEqual(checked(page.open_settings()),
                             {ID["IDC_STRENGTH_4"], MEN_12, VS_HUMAN})
            page.keys("Escape")

            # 終了: a page the script did not open, and with a history, stays open, says the
            # game has ended, and starts again. (A tab of one page a script may close, and
            # Firefox's window here was opened by its driver, as by a script.)
            if ENGINE != "firefox":
                page.load()
                page.quit()
                page.until(lambda: page.run("return !document.getElementById('ended').hidden"),
                           "the page to say the game has ended")
                self.assertEqual(page.run("return [document.getElementById('ended').hidden, "
                                          "document.getElementById('window').hidden]"),
                                 [False, True])
                page.run("document.getElementById('again').click()")
                page.until(page.board_shown, "a new start")
                page.wait_for_board(start_board())
            self.assertEqual(page.errors(), [])

    def test_after_one_visit_it_plays_with_the_network_cut_with_the_hosts_headers(self):
        # What a host sets for safety, which a page's own markup cannot.
        headers = {"X-Frame-Options": "DENY", "X-Content-Type-Options": "nosniff",
                   "Content-Security-Policy": "frame-ancestors 'none'",
                   "Permissions-Policy": "geolocation=()"}
        with WebPage(server=PageServer(PAGE, headers=headers)) as page:
            if ENGINE == "chromium":
                self.assertEqual(page.browser.devtools("Page.getInstallabilityErrors", {}),
                                 {"installabilityErrors": []})
            page.run("await navigator.serviceWorker.ready")
            page.server.stop()
            page.load()
            self.assertEqual(page.client_pixels(), expected_client(start_board()))
            self.assertEqual(page.run(f"""const kept = (await fetch("./")).headers;
                return {list(headers)}.map((name) => [name, kept.get(name)]);"""),
                             [list(header) for header in headers.items()])
            page.press_square(3, 7)
            board = start_board()
            board[(3, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)


class Update(unittest.TestCase):
    """A new version uploaded file by file to a sub-path of a host that serves other apps too."""

    def setUp(self):
        self.host = tempfile.mkdtemp(prefix="yorunami-host-")
        self.folder = os.path.join(self.host, "games", "yorunami")
        shutil.copytree(PAGE, self.folder)
        self.next = os.path.join(self.host, "next")
        shutil.copytree(PAGE, self.next)
        # The next version: a line in the page, a rule in the style sheet and a line in the
        # page's script.
        with open(os.path.join(self.next, "index.html"), "a") as html:
            html.write('<meta name="version" content="next">\n')
        with open(os.path.join(self.next, "style.css"), "a") as style:
            style.write(':root { --version: "next"; }\n')
        with open(os.path.join(self.next, "page.js"), "a") as script:
            script.write("// the next version\n")
        with open(os.path.join(PAGE, "sw.js")) as worker:
            files = [line.split('"')[1] for line in worker if line.startswith('  ["')]
        subprocess.run(["cmake", f"-DPAGE={self.next}", f"-DFILES={','.join(files[1:])}",
                        f"-DTEMPLATE={SOURCES}/ui/web/sw.js.in", "-P",
                        f"{SOURCES}/ui/web/service_worker.cmake"], check=True)

    def tearDown(self):
        shutil.rmtree(self.host, ignore_errors=True)

    def upload(self, *names):
        for name in names:
            shutil.copyfile(os.path.join(self.next, name), os.path.join(self.folder, name))

    @staticmethod
    def version(page):
        """The version of the page, of the style it shows and of the script it is given."""
        return page.run("""
            const html = document.querySelector("meta[name=version]") !== null;
            const style = getComputedStyle(document.documentElement).getPropertyValue("--version");
            const script = await (await fetch("page.js")).text();
            return [html, style.includes("next"), script.includes("the next version")]
              .map((next) => (next ? "next" : "first"));""")

    @staticmethod
    def settled(page):
        """Waits until the browser has done with checking for a new version; whether one waits."""
        return page.run("""
            const registration = await navigator.serviceWorker.ready;
            await registration.update().catch(() => null);
            while (registration.installing) await new Promise((r) => setTimeout(r, 100));
            return registration.waiting !== null;""")

    def test_players_stay_on_their_version_until_the_next_has_all_come_then_move_to_it(self):
        server = PageServer(self.host, at="games/yorunami/")
        with WebPage(server=server) as page:
            page.run("await navigator.serviceWorker.ready")
            # What others keep on this host: another app, and this game at another path; and a
            # cache of this game's first naming, which goes with the next version.
            others = ["another app", f"yorunami {server.origin}/games/other/ 0123456789abcdef"]
            page.run(f"""for (const name of {others + ["yorunami-0123456789abcdef"]}) {{
                           await (await caches.open(name)).put("x", new Response("x")); }}""")
            page.load()
            self.assertEqual(self.version(page), ["first"] * 3)

            # Half uploaded: everything but the style sheet. Players keep the first version.
            self.upload(*[name for name in os.listdir(self.next) if name != "style.css"])
            for _ in range(3):
                page.reload()
                self.assertEqual(self.version(page), ["first"] * 3)
                self.assertFalse(self.settled(page))

            # A file gone from the players' copy while the host has the next version's: it is
            # refused, not taken from the next version; once the host has this version's again,
            # it is fetched, checked and kept.
            fetched = """const answer = await fetch("page.js");
                         return [answer.status, (await answer.text()).includes("next version")];"""
            page.run("""const names = await caches.keys();
                        const kept = names.find((name) => name.includes("games/yorunami/"));
                        await (await caches.open(kept)).delete("page.js");""")
            self.assertEqual(page.run(fetched), [503, False])
            shutil.copyfile(os.path.join(PAGE, "page.js"), os.path.join(self.folder, "page.js"))
            self.assertEqual(page.run(fetched), [200, False])
            page.until(lambda: page.run("return (await caches.match('page.js')) !== undefined"),
                       "page.js kept again")
            self.upload("page.js")

            # The rest: within a few loads players move to the next version, whole, even with
            # another page of the game open (where browsers keep a new version waiting); an open
            # page keeps its own until it is loaded again.
            page.run("window.open(location.href)")
            self.upload("style.css")
            seen = []
            for _ in range(4):
                page.reload()
                seen.append(self.version(page))
                if seen[-1] == ["next"] * 3:
                    break
                self.settled(page)
                seen.append(self.version(page))
            self.assertEqual(seen[-1], ["next"] * 3, seen)
            for version in seen:
                self.assertEqual(len(set(version)), 1, seen)
            kept = page.run("return caches.keys()")
            self.assertEqual([name for name in kept if name.startswith("yorunami ")
                              and "games/yorunami" in name], [
                f"yorunami {server.address} " + self.next_version()])
            for name in others:
                self.assertIn(name, kept)
            self.assertNotIn("yorunami-0123456789abcdef", kept)

            # Taken off the host as its README says: players' copies go, with the worker.
            for name in os.listdir(self.folder):
                os.remove(os.path.join(self.folder, name))
            shutil.copyfile(os.path.join(self.next, "sw-retired.js"),
                            os.path.join(self.folder, "sw.js"))
            page.open()
            page.until(lambda: page.run("return !document.getElementById('board')"),
                       "the host's own page")
            self.assertEqual(page.run("""
                const registrations = await navigator.serviceWorker.getRegistrations();
                return [registrations.length, await caches.keys()];"""), [0, others])

    def next_version(self):
        with open(os.path.join(self.next, "sw.js")) as worker:
            return next(line.split('"')[1] for line in worker if line.startswith("const VERSION"))


class Failures(unittest.TestCase):
    """Starts that fail say why and what to do; so does a game that stops later."""

    def status_of(self, page):
        page.until(lambda: "読み込み中" not in (page.status() or "読み込み中"), "a message",
                   timeout=30)
        self.assertFalse(page.board_shown())
        return page.status()

    @only_in_chromium
    def test_a_start_that_fails_says_why_and_what_to_do(self):
        cases = [({"missing": ["menu.js"]}, "could not be loaded"),
                 ({"missing": ["yorunami.js"]}, "(yorunami.js) could not be loaded (HTTP 404)"),
                 ({"types": {"settings.js": "text/plain"}}, "could not be loaded"),
                 ({"missing": ["yorunami.wasm"]}, "(yorunami.wasm) could not be loaded"),
                 ({"headed": {"yorunami.wasm": "junk"}}, "could not start (WebAssembly"),
                 ({"stalled": ["yorunami.wasm"]}, "has not appeared yet")]
        for serving, message in cases:
            with self.subTest(**serving), WebPage(server=PageServer(PAGE, **serving),
                                                  wait=False) as page:
                self.assertIn(message, self.status_of(page))
                self.assertEqual(page.run("return document.getElementById('status').role"),
                                 "status")
        # A browser without <dialog> (as iOS before 15.4) is told so.
        with WebPage(before_load="delete window.HTMLDialogElement", wait=False) as page:
            self.assertIn("This browser cannot run the game: it lacks <dialog>",
                          self.status_of(page))
        # A .wasm served with another type still plays.
        types = {"yorunami.wasm": "application/octet-stream"}
        with WebPage(server=PageServer(PAGE, types=types)) as page:
            self.assertIsNone(page.status())

    def test_a_game_that_stops_offers_a_reload_and_its_error_is_reported(self):
        # In the worker, every call into the module fails from the first press on, as after a
        # trap.
        breaks = """
            let breakTheGame = false;
            self.addEventListener("message", ({ data }) => {
              breakTheGame ||= data.event === "press";
            });
            const instantiate = WebAssembly.instantiate;
            WebAssembly.instantiate = async (...args) => {
              const exports = { ...(await instantiate(...args)).exports };
              for (const [name, call] of Object.entries(exports)) {
                if (typeof call === "function") {
                  exports[name] = (...a) => {
                    if (breakTheGame) throw new WebAssembly.RuntimeError("unreachable");
                    return call(...a);
                  };
                }
              }
              return { exports };
            };
            """
        with WebPage(server=PageServer(PAGE, headed={"yorunami.js": breaks})) as page:
            self.assertIsNone(page.status())
            page.press_square(3, 7)
            page.until(lambda: page.status() is not None, "a message")
            self.assertIn("The game has stopped. Reload the page", page.status())
            self.assertTrue(any("unreachable" in error for error in page.errors()),
                            page.errors())
            page.run("document.getElementById('reload').click()")
            page.until(page.board_shown, "the game again")


class WhileTheComputerThinks(unittest.TestCase):
    # The worker's answers reach the page only when the test lets them: each is kept, with its
    # words, until release().
    HOLD = """
        window.holding = false;
        window.kept = [];
        window.words = [];
        window.release = () => {
          window.holding = false;
          window.kept.splice(0).forEach((deliver) => deliver());
        };
        window.Worker = class extends Worker {
          addEventListener(type, listener, options) {
            const held = (event) => {
              const deliver = () => {
                window.words.push(event.data.told);
                listener(event);
              };
              if (window.holding) window.kept.push(deliver); else deliver();
            };
            super.addEventListener(type, type === "message" ? held : listener, options);
          }
        };"""

    @only_in_chromium
    def test_the_page_answers_at_once_and_a_press_made_meanwhile_lands_after_the_reply(self):
        with WebPage(before_load=self.HOLD) as page:
            board = start_board()
            page.press_square(3, 7)
            page.press_square(4, 6)
            board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
            page.wait_for_board(board)
            page.count_tones()
            page.run("window.holding = true; window.words = []")
            page.press_square(2, 2)  # the computer's turn: its reply is held

            # The menu opens and closes while the reply is awaited.
            page.click_at(*page.run("const r = document.querySelector('[aria-haspopup]')"
                                    ".getBoundingClientRect();"
                                    "return [r.left + r.width / 2, r.top + r.height / 2];"))
            self.assertEqual(page.run("return document.querySelector('[aria-haspopup]')"
                                      ".getAttribute('aria-expanded')"), "true")
            page.keys("Escape")

            # After a moment the page says the computer is thinking, the board busy.
            busy = "const b = document.getElementById('board');" \
                   "return [b.getAttribute('aria-busy'), getComputedStyle(b).cursor];"
            page.until(lambda: "The computer is thinking" in (page.status() or ""), "thinking")
            self.assertEqual(page.run(busy), ["true", "progress"])

            # A press on a square never played on waits for the reply, then beeps.
            page.press_square(3, 2)
            self.assertEqual((page.tones(), page.read_board()), (0, board))
            page.run("release()")
            page.until(lambda: page.tones() == 1, "the press after the reply")
            self.assertIsNone(page.status())
            self.assertEqual(page.run(busy), [None, "auto"])
            replied, rejected = page.run("return window.words")
            self.assertIn("The blue man moved", replied)
            self.assertEqual(rejected, "そこには指せません。 That press plays nothing.")
            self.assertEqual(page.errors(), [])


class TouchSoundAndScreens(unittest.TestCase):
    @only_in_chromium
    def test_fingers_menus_and_sound(self):
        with WebPage() as page:
            # The first tap, rejected, is heard: the sound wakes when the touch ends. (As on a
            # phone, the sound starts suspended and resumes only in a gesture that grants it;
            # headless Chromium would let any page sound.)
            page.count_tones()
            page.run("""
                window.AudioContext = class extends AudioContext {
                  constructor() { super(); this.suspend(); window.sound = this; }
                  resume() {
                    return navigator.userActivation.isActive ? super.resume()
                      : Promise.reject(new DOMException("no gesture", "NotAllowedError"));
                  } };""")
            board = start_board()
            page.touch_at(page.square_point(2, 6))
            page.until(lambda: page.run("return window.sound.state") == "running",
                       "the sound to run")
            page.until(lambda: page.tones() == 1, "the rejected tap's tone")

            # Of two fingers only the first presses: had the second pressed, it would have moved
            # the man, and the right press after it, answered in turn, would find nothing to let go.
            page.touch_at(page.square_point(5, 7), page.square_point(6, 6))
            board[(5, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)
            page.press_square(5, 7, button=3)
            board[(5, 7)] = RED_MAN
            page.wait_for_board(board)

            # A tap on another menu's title opens that menu; a press outside an open menu only
            # closes it.
            titles = page.run("return [...document.querySelectorAll('[aria-haspopup]')].map("
                              "(t) => { const r = t.getBoundingClientRect();"
                              "return [r.left + r.width / 2, r.top + r.height / 2]; })")
            expanded = "return [...document.querySelectorAll('[aria-haspopup]')].map(" \
                       "(t) => t.getAttribute('aria-expanded'))"
            page.touch_at(page.square_point(5, 7))
            board[(5, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)
            page.touch_at(titles[0])
            page.touch_at(titles[1])
            self.assertEqual(page.run(expanded), ["false", "true"])
            page.press_square(6, 6)
            self.assertEqual(page.run(expanded), ["false", "false"])
            page.press_square(5, 7, button=3)  # as above: after a move it would let nothing go
            board[(5, 7)] = RED_MAN
            page.wait_for_board(board)

    @unittest.skipUnless(ENGINE == "firefox", "Chromium's emulation does not tell the page")
    def test_moved_to_a_screen_of_another_density_the_board_is_fitted_again(self):
        with WebPage() as page:
            self.assertEqual(page.board_area()[2], BOARD)
            page.browser.viewport(640, 480, 2)  # the same size: no resize
            page.until(lambda: page.board_area()[2] == 396, "the board refitted")

    @only_in_chromium
    def test_the_dialog_is_laid_out_alike_where_the_canvas_cannot_measure_a_line(self):
        with WebPage() as page:
            measured = page.open_settings()["controls"]
        no_measure = "delete TextMetrics.prototype.fontBoundingBoxAscent;" \
                     "delete TextMetrics.prototype.fontBoundingBoxDescent;"
        with WebPage(before_load=no_measure) as page:
            self.assertEqual(page.open_settings()["controls"], measured)


class KeyboardOnThePage(test_keys.KeyboardTurn):
    program = WebPage


class Heard(unittest.TestCase):
    """What a screen reader finds on the page: the board's name and role, what changed in words,
    the radio groups named by their frames; and what an accessibility audit finds."""

    def ax_nodes(self, page):
        """Chromium's accessibility tree: role, name and properties of each node."""
        nodes = page.browser.devtools("Accessibility.getFullAXTree", {})["nodes"]
        value = lambda node, key: node.get(key, {}).get("value")
        return [(value(node, "role"), value(node, "name"),
                 {p["name"]: p["value"].get("value") for p in node.get("properties", [])})
                for node in nodes if not node.get("ignored")]

    @only_in_chromium
    def test_tab_brings_the_cursor_and_the_tree_names_the_board_and_the_radio_groups(self):
        with WebPage() as page:
            page.keys("F10", "Tab")  # from the menu bar to the board
            page.until(lambda: page.told() == "b3、赤の駒。 b3: red man.", "the cursor told")
            self.assertTrue(page.run("return document.getElementById('board').matches('.keyed')"))
            nodes = self.ax_nodes(page)
            self.assertIn(("application", "盤"), [node[:2] for node in nodes])
            self.assertTrue(any(props.get("live") == "polite" for _, _, props in nodes))
            page.open_settings()
            nodes = [node[:2] for node in self.ax_nodes(page)]
            self.assertIn(("radiogroup", "強さ"), nodes)
            self.assertIn(("radiogroup", "駒の数"), nodes)
            # "強さ, 5, 6 of 12": the fifth strength's place in its group.
            self.assertEqual(page.run("""
                const five = document.querySelector("[data-id='%d'] input");
                return [five.closest("[role=radiogroup]").textContent,
                        five.getAttribute("aria-posinset"), five.getAttribute("aria-setsize")];
                """ % ID["IDC_STRENGTH_5"]), ["0123456789" + "1011", "6", "12"])

    @only_in_chromium
    def test_an_audit_finds_nothing_serious_at_rest_with_a_menu_or_the_dialog_open(self):
        with open(os.environ["YORUNAMI_AXE"]) as source:
            audit = source.read() + """
                const found = await axe.run(document, { runOnly: { type: "tag", values: [
                  "wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"] } });
                return found.violations.filter((v) => ["serious", "critical"].includes(v.impact))
                  .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);"""
        for viewport in ((640, 480, 1), (360, 640, 3)):
            with WebPage(viewport=viewport) as page:
                self.assertEqual(page.run(audit), [], "at rest")
                page.keys("F10", "Down")
                self.assertEqual(page.run(audit), [], "with a menu open")
                page.keys("Escape", "Escape")
                page.open_settings()
                self.assertEqual(page.run(audit), [], "with the dialog open")
                # On a phone too the dialog fits the screen.
                self.assertEqual(page.run(
                    "const r = document.getElementById('settings').getBoundingClientRect();"
                    "return r.left >= 0 && r.top >= 0 && r.right <= innerWidth &&"
                    " r.bottom <= innerHeight"), True)


class SearchInChromium(unittest.TestCase):
    @only_in_chromium
    def test_the_bench_finds_the_same_moves_values_and_leaves_as_everywhere(self):
        output = bench_in_chromium(os.environ["YORUNAMI_CLI"])
        self.assertIn("signature " + os.environ["YORUNAMI_BENCH_SIGNATURE"], output)
        print(output.splitlines()[-1])


@only_in_chromium
class WonOnThePage(scenario.GameToTheEnd):
    program = WebPage
    expected_result = WIN_PICTURE


@only_in_chromium
class LostOnThePage(scenario.GameToTheEnd):
    program = WebPage
    choose_red = staticmethod(scenario.choose_losing_red_move)
    blue_strength = ID["IDC_STRENGTH_3"]
    expected_result = LOSE_PICTURE


if __name__ == "__main__":
    unittest.main()

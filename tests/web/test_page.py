"""The web page in Chromium: the first paint against the neutral painting, presses at 1x and 2x
(mouse and touch), the menu and the dialog by keyboard, games to their end with both pictures,
終了, and a reload with the network cut."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

import test_game_to_the_end as scenario  # noqa: E402
from web_page import WebPage, bench_in_chromium  # noqa: E402
from wine_game import (BLUE_MAN, BLUE_MAN_SELECTED, BOARD, EMPTY, ID, LOSE_PICTURE,  # noqa: E402
                       RED_MAN, RED_MAN_SELECTED, WIN_PICTURE, expected_client, start_board)

STRENGTH_5, MEN_12 = ID["IDC_STRENGTH_5"], ID["IDC_MEN_12"]
RED_FIRST, VS_HUMAN = ID["IDC_RED_MOVES_FIRST"], ID["IDC_VS_HUMAN"]
# The dialog's Tab stops in template order: the four check boxes, the twelve strengths, OK and
# Cancel, stated again here on purpose from the dialog's description.
TAB_STOPS = ["先攻", "ALLKING(赤)", "VS人", "ALLKING(青)", *map(str, range(12)), "OK", "ｷｬﾝｾﾙ"]


def checked(dialog):
    return {ident for ident, (control,) in dialog["controls"].items() if control["checked"]}


class Page(unittest.TestCase):
    def test_the_first_paint_is_the_neutral_paintings_and_a_red_move_brings_the_reply(self):
        with WebPage() as page:
            self.assertEqual(page.driver.title, "ヨルナミ")
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
            after = page.read_board()
            changed = sorted(square for square in board if after[square] != board[square])
            self.assertEqual(len(changed), 2)
            self.assertEqual(sorted(after[square] for square in changed), [BLUE_MAN, EMPTY])

            # A right press cancels a selection; a press where the piece cannot go beeps and
            # cancels it too.
            page.press_square(5, 7)
            after[(5, 7)] = RED_MAN_SELECTED
            page.wait_for_board(after)
            page.press_square(5, 7, button=3)
            after[(5, 7)] = RED_MAN
            page.wait_for_board(after)
            page.driver.execute_script("""
                window.tones = 0;
                const make = AudioContext.prototype.createOscillator;
                AudioContext.prototype.createOscillator = function () {
                  window.tones += 1;
                  return make.call(this);
                };""")
            page.press_square(5, 7)
            page.press_square(5, 3)
            page.wait_for_board(after)
            self.assertEqual(page.driver.execute_script("return window.tones"), 1)
            self.assertEqual(page.client_pixels(), expected_client(after))
            self.assertEqual(page.errors(), [])

    def test_at_twice_the_size_presses_land_on_their_squares_and_pixels_stay_crisp(self):
        with WebPage(viewport=(720, 720, 1)) as page:
            left, top, width, height = page.board_area()
            self.assertEqual((width, height), (2 * BOARD, 2 * BOARD))
            board = start_board()
            page.touch_at(left + 2 * (33 * 3 + 16), top + 2 * (33 * 5 + 16))  # square (5, 7)
            board[(5, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)
            page.press_square(6, 6)
            board[(5, 7)], board[(6, 6)] = EMPTY, RED_MAN
            page.wait_for_board(board)

            # Each board pixel shows as a block of 2x2 screen pixels of its own colour.
            shot = os.path.join(page.profile, "page.png")
            page.driver.save_screenshot(shot)
            raw = subprocess.run(["convert", shot, "-crop", f"{width:.0f}x{height:.0f}"
                                  f"+{left:.0f}+{top:.0f}", "+repage", "-depth", "8", "rgb:-"],
                                 check=True, capture_output=True).stdout
            expected = expected_client(board)
            at = lambda x, y: tuple(raw[3 * (y * 2 * BOARD + x):3 * (y * 2 * BOARD + x) + 3])
            wrong = [(x, y) for y in range(2 * BOARD) for x in range(2 * BOARD)
                     if at(x, y) != expected[y // 2][x // 2]]
            self.assertEqual(wrong[:5], [])

    def test_a_phone_sized_screen_shows_the_board_at_a_whole_number_of_device_pixels(self):
        with WebPage(viewport=(360, 640, 3)) as page:
            _, _, width, _ = page.board_area()
            self.assertEqual(width * 3 % BOARD, 0)
            self.assertLessEqual(width, 360)
            self.assertGreaterEqual(width * 3, 3 * BOARD)

    def test_the_menu_and_the_dialog_by_keyboard(self):
        with WebPage() as page:
            board = start_board()
            page.press_square(3, 7)
            page.press_square(4, 6)
            board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
            page.wait_for_board(board)

            # F10 then Right, Down: 設定 → 設定. It opens over the board with the settings.
            page.keys("F10", "Right", "Down")
            self.assertEqual(page.focused(), "設定")
            page.keys("Return")
            dialog = page.dialog()
            self.assertEqual(dialog["caption"], "設定")
            self.assertIn("IPAPGothic", dialog["font"])
            self.assertEqual(checked(dialog), {STRENGTH_5, MEN_12, RED_FIRST})
            for ident, (control,) in dialog["controls"].items():
                self.assertTrue(control["fits"], control["text"])
            left, top, _, _ = page.board_area()
            corner = page.driver.execute_script(
                "const r = document.getElementById('settings').getBoundingClientRect();"
                "return [r.left, r.top];")
            self.assertEqual(corner, [left, top])

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
            page.menu(1, 1)
            self.assertEqual(checked(page.dialog()), {STRENGTH_5, MEN_12, RED_FIRST})
            page.keys("space", "Tab", "Tab", "space", *["Tab"] * 7, "Left")
            self.assertEqual(checked(page.dialog()), {ID["IDC_STRENGTH_4"], MEN_12, VS_HUMAN})
            page.keys("Return")
            self.assertIsNone(page.dialog())
            board = start_board()
            page.wait_for_board(board)
            page.press_square(4, 4)
            board[(4, 4)] = BLUE_MAN_SELECTED
            page.wait_for_board(board)
            page.menu(1, 1)
            self.assertEqual(checked(page.dialog()), {ID["IDC_STRENGTH_4"], MEN_12, VS_HUMAN})
            page.keys("Escape")

            # 終了: a page the script did not open stays open, says the game has ended, and
            # starts again.
            page.quit()
            self.assertTrue(page.driver.find_element("id", "ended").is_displayed())
            self.assertFalse(page.driver.find_element("id", "board").is_displayed())
            page.driver.find_element("id", "again").click()
            page.wait_for(lambda _: page.driver.execute_script(
                "return performance.getEntriesByName('board-shown').length") == 1, "a new start")
            page.wait_for_board(start_board())
            self.assertEqual(page.errors(), [])

    def test_it_can_be_installed_and_after_one_visit_plays_with_the_network_cut(self):
        with WebPage() as page:
            page.wait_for(lambda _: page.driver.execute_script(
                "return navigator.serviceWorker.controller !== null"), "the service worker")
            self.assertEqual(page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                             {"installabilityErrors": []})
            page.server.stop()
            page.load()
            self.assertEqual(page.client_pixels(), expected_client(start_board()))
            page.press_square(3, 7)
            board = start_board()
            board[(3, 7)] = RED_MAN_SELECTED
            page.wait_for_board(board)


class SearchInChromium(unittest.TestCase):
    def test_the_bench_finds_the_same_moves_values_and_leaves_as_everywhere(self):
        output = bench_in_chromium(os.environ["YORUNAMI_CLI"])
        self.assertIn("signature f3558a17dd7748cd", output)
        print(output.splitlines()[-1])


class WonOnThePage(scenario.GameToTheEnd):
    program = WebPage
    expected_result = WIN_PICTURE


class LostOnThePage(scenario.GameToTheEnd):
    program = WebPage
    choose_red = staticmethod(scenario.choose_losing_red_move)
    blue_strength = ID["IDC_STRENGTH_3"]
    expected_result = LOSE_PICTURE


if __name__ == "__main__":
    unittest.main()

"""The Linux desktop program on a real X display: its title and place, the first paint, a press,
and 終了 by keyboard ending it with exit code 0."""

import unittest

from native_game import NativeWindow
from wine_game import BOARD, RED_MAN_SELECTED, expected_client, start_board


class NativeDesktopWindow(unittest.TestCase):
    def test_it_opens_centred_plays_a_press_and_quits_with_zero(self):
        with NativeWindow() as window:
            self.assertEqual(window.x_property("_NET_WM_NAME"), "ヨルナミ")
            x, y, width, height = window.outer
            self.assertEqual(width, BOARD)
            self.assertEqual((x, y), ((1024 - width) // 2, (768 - height) // 2))
            window.wait_for(lambda s: window.client_pixels(s) == expected_client(start_board()),
                            "the start position, pixel for pixel")

            board = start_board()
            window.press_square(3, 7)
            board[(3, 7)] = RED_MAN_SELECTED
            window.wait_for_board(board)

            window.quit()
            self.assertEqual(window.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main()

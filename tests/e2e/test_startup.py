"""Start-up: the window's title, size and place, and the first paint of the start position."""

import unittest

from wine_game import BLACK, BOARD, WHITE, GameWindow, expected_client, start_board


class StartUp(unittest.TestCase):
    def test_the_window_opens_centred_with_its_title_and_the_start_position(self):
        with GameWindow() as window:
            self.assertEqual(window.report["codepage"], "932")
            self.assertEqual(window.x_property("_NET_WM_NAME"), "ヨルナミ")
            self.assertEqual(window.report["title"], "ヨルナミ")
            self.assertEqual(window.client_size, (BOARD, BOARD))
            left, top, right, bottom = (int(n) for n in window.report["window"].split())
            self.assertEqual(left, (1024 - (right - left)) // 2)
            self.assertEqual(top, (768 - (bottom - top)) // 2)

            expected = expected_client(start_board())
            screen = window.wait_for(lambda s: window.client_pixels(s) == expected,
                                     "the start position, pixel for pixel")
            pixels = window.client_pixels(screen)
            for line in range(32, 231, 33):
                for across in range(BOARD - 1):
                    colour = BLACK if across % 33 == 0 else WHITE
                    self.assertEqual(pixels[across][line], colour, f"column {line}, row {across}")
                    self.assertEqual(pixels[line][across], colour, f"row {line}, column {across}")
            for across in range(BOARD):
                self.assertEqual(pixels[across][BOARD - 1], BLACK)
                self.assertEqual(pixels[BOARD - 1][across], BLACK)

    def test_the_title_reads_the_same_under_a_western_locale(self):
        with GameWindow(lang="C.UTF-8") as window:
            self.assertEqual(window.report["codepage"], "1252")
            self.assertEqual(window.x_property("_NET_WM_NAME"), "ヨルナミ")
            self.assertEqual(window.report["title"], "ヨルナミ")


if __name__ == "__main__":
    unittest.main()

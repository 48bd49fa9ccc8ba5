"""At 144 and 192 dots per inch (Wine's LogPixels) the board shows each of its pixels as a block
of 2x2 screen pixels: the first paint is the neutral painting's, presses land on their squares,
and the dialog, scaled by the system, shows every label in full."""

import unittest

from wine_game import (BOARD, EMPTY, RED_MAN, RED_MAN_SELECTED, GameWindow, expected_client,
                       start_board)


class Scaled(unittest.TestCase):
    def test_the_board_in_whole_blocks_and_a_move_by_presses(self):
        for dpi in (144, 192):
            with GameWindow(dpi=dpi) as window:
                self.assertEqual(window.client_size, (2 * BOARD, 2 * BOARD), dpi)
                board = start_board()
                expected = expected_client(board)
                window.wait_for(lambda s: window.client_pixels(s) == expected,
                                f"the start position in blocks of 2x2 at {dpi} dpi")
                window.press_square(3, 7)
                board[(3, 7)] = RED_MAN_SELECTED
                window.wait_for_board(board)
                window.press_square(4, 6)
                board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
                screen = window.wait_for_board(board)
                self.assertEqual(window.client_pixels(screen), expected_client(board), dpi)

    def test_at_192_dpi_every_label_of_the_dialog_shows_in_full(self):
        with GameWindow(dpi=192) as window:
            dialog = window.open_settings()
            self.assertEqual(len(dialog["labels"]), 23)
            for label in dialog["labels"]:
                self.assertLessEqual(label["extent"], label["space"], label)
            window.keys("Escape")


if __name__ == "__main__":
    unittest.main()

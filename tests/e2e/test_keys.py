"""A turn played from the keyboard alone: the arrows to a red man and Enter, the arrows to its
square and Enter, a held Enter for the computer's one reply, Escape cancelling a selection and a
rejected Enter. The cursor's frame shows only once a key is used, and a click takes it away."""

import unittest

from wine_game import (BLUE_MAN, EMPTY, RED_MAN, RED_MAN_SELECTED, GameWindow, expected_client,
                       start_board)


class KeyboardTurn(unittest.TestCase):
    """The scenario, for any program the helpers drive (the web page's tests play it too)."""

    program = GameWindow

    def shows(self, window, board, cursor=None):
        expected = expected_client(board, cursor)
        window.wait_for(lambda screen: window.client_pixels(screen) == expected,
                        f"the board with the cursor on {cursor}")

    def test_a_turn_from_the_keyboard_with_the_cursor_seen_only_after_a_key(self):
        with self.program() as window:
            board = start_board()
            self.shows(window, board)
            window.keys("Right")  # shows the cursor, on the first red man that can move
            self.shows(window, board, (3, 7))
            window.keys("Return")
            board[(3, 7)] = RED_MAN_SELECTED
            self.shows(window, board, (3, 7))
            window.keys("Up", "Right", "Return")
            board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
            self.shows(window, board, (4, 6))
            if window.told() is not None:  # where the program speaks, the move is heard
                self.assertIn("赤の駒がb3からc4へ動きました。 The red man moved from b3 to c4.",
                              window.told())

            # Held down, Enter brings the computer's one reply, not a run of its moves, nor
            # presses on red's turn after it (the next key's frame, which comes after whatever
            # the repeats did, shows the board as the reply left it, and no tone).
            window.count_tones()
            window.hold("Return", repeats=3)
            def replied_on(screen):
                try:
                    return window.read_board(screen) != board
                except AssertionError:  # a square caught while it is painted
                    return False
            replied = window.read_board(window.wait_for(replied_on, "the computer's reply"))
            changed = {square for square in board if replied[square] != board[square]}
            self.assertEqual(len(changed), 2, changed)
            self.assertEqual(sorted(replied[square] for square in changed), [BLUE_MAN, EMPTY])
            board = replied

            window.keys("Return")
            board[(4, 6)] = RED_MAN_SELECTED
            self.shows(window, board, (4, 6))
            self.assertIn(window.tones(), (None, 0))
            window.keys("Escape")
            board[(4, 6)] = RED_MAN
            self.shows(window, board, (4, 6))
            window.count_tones()
            window.keys("Up", "Return")  # a square never played on
            self.shows(window, board, (4, 5))
            window.wait_for(lambda _: window.tones() in (None, 1), "the rejected Enter's tone")

            window.press_square(4, 5)
            self.shows(window, board)


if __name__ == "__main__":
    unittest.main()

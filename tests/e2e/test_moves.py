"""A red move by two presses, a rejected press, a right press, and the computer's reply."""

import time
import unittest

from wine_game import (BLUE_MAN, EMPTY, RED_MAN, RED_MAN_SELECTED, GameWindow, expected_client,
                       start_board)


class Moves(unittest.TestCase):
    def test_a_move_by_two_presses_then_the_computers_reply_on_the_next_press(self):
        with GameWindow() as window:
            board = start_board()
            window.wait_for_board(board)

            # A press on an empty square beeps and changes nothing.
            window.press_square(4, 6)
            time.sleep(0.5)
            self.assertEqual(window.read_board(), board)

            # The selected man turns cyan; a right press turns it red again.
            window.press_square(3, 7)
            selected = dict(board)
            selected[(3, 7)] = RED_MAN_SELECTED
            screen = window.wait_for_board(selected)
            self.assertEqual(window.client_pixels(screen), expected_client(selected))
            window.press_square(3, 7, button=3)
            window.wait_for_board(board)

            # Select, then the destination: the man moves.
            window.press_square(3, 7)
            window.wait_for_board(selected)
            window.press_square(4, 6)
            moved = dict(board)
            moved[(3, 7)], moved[(4, 6)] = EMPTY, RED_MAN
            screen = window.wait_for_board(moved)
            self.assertEqual(window.client_pixels(screen), expected_client(moved))

            # The computer waits for the next press, wherever it falls.
            time.sleep(1)
            self.assertEqual(window.read_board(), moved)
            window.press_square(9, 9)
            screen = window.wait_for(lambda s: window.read_board(s) != moved, "blue's reply")
            replied = window.read_board(screen)
            changed = {square for square in moved if replied[square] != moved[square]}
            self.assertEqual(len(changed), 2, changed)
            (from_square,) = [s for s in changed if moved[s] == BLUE_MAN]
            (to_square,) = [s for s in changed if replied[s] == BLUE_MAN]
            self.assertEqual(to_square[1], from_square[1] + 1)
            self.assertEqual(abs(to_square[0] - from_square[0]), 1)


if __name__ == "__main__":
    unittest.main()

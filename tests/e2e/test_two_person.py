"""Two people at one mouse: blue's pieces move by presses, a capture takes the jumped piece off
the screen, and the computer never answers."""

import time
import unittest

from wine_game import BLUE_MAN, EMPTY, ID, RED_MAN, GameWindow, start_board

VS_HUMAN = ID["IDC_VS_HUMAN"]


class TwoPersons(unittest.TestCase):
    def test_both_sides_move_by_presses_and_a_capture_takes_the_piece_off(self):
        with GameWindow() as window:
            dialog = window.open_settings()
            window.click_control(dialog, VS_HUMAN)
            window.keys("Return")  # OK is the default button
            board = start_board()
            window.wait_for_board(board)

            def move(from_square, to_square):
                window.press_square(*from_square)
                window.press_square(*to_square)

            move((3, 7), (4, 6))
            board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
            window.wait_for_board(board)
            # Nothing moves by itself, and a press on an empty square only beeps.
            time.sleep(1)
            window.press_square(5, 5)
            time.sleep(0.5)
            self.assertEqual(window.read_board(), board)

            move((2, 4), (3, 5))
            board[(2, 4)], board[(3, 5)] = EMPTY, BLUE_MAN
            window.wait_for_board(board)

            # Red must take the blue man: it jumps to (2,4) and (3,5) is emptied on the screen.
            move((4, 6), (2, 4))
            board[(4, 6)], board[(3, 5)], board[(2, 4)] = EMPTY, EMPTY, RED_MAN
            window.wait_for_board(board)

            # Blue's turn, by a person again: no reply comes without presses.
            time.sleep(1)
            self.assertEqual(window.read_board(), board)
            move((4, 4), (5, 5))
            board[(4, 4)], board[(5, 5)] = EMPTY, BLUE_MAN
            window.wait_for_board(board)


if __name__ == "__main__":
    unittest.main()

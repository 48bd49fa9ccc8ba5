"""A whole game through the window: four men a side against the random computer, red played by
presses until the game is decided; the next press shows the result, "始めから" brings the board
back."""

import random
import unittest

from wine_game import (ID, LOSE_PICTURE, WIN_PICTURE, GameWindow, is_blue, is_red, jumps_of,
                       moves_for, play, start_board)

MEN_4, STRENGTH_0, OK = ID["IDC_MEN_4"], ID["IDC_STRENGTH_0"], ID["IDOK"]

# A square pieces never stand on: a press there on the computer's turn only wakes it.
LIGHT_SQUARE = (3, 2)


def distance_to_blue(board, square):
    blues = [s for s, code in board.items() if is_blue(code)]
    return min((max(abs(s[0] - square[0]), abs(s[1] - square[1])) for s in blues), default=0)


def choose_red_move(board, moves, chance):
    """Takes captures; otherwise a move after which blue can capture least, closing in."""
    def cost(move):
        after, _ = play(board, move)
        exposed = sum(len(jumps_of(after, *s)) for s, code in after.items() if is_blue(code))
        return (exposed, distance_to_blue(after, move[1]), chance.random())
    return min(moves, key=cost)


def has_pieces(board, side_is):
    return any(side_is(code) for code in board.values())


def choose_losing_red_move(board, moves, chance):
    """Takes captures; otherwise a move after which blue can capture most."""
    def cost(move):
        after, _ = play(board, move)
        exposed = sum(len(jumps_of(after, *s)) for s, code in after.items() if is_blue(code))
        return (-exposed, distance_to_blue(after, move[1]), chance.random())
    return min(moves, key=cost)


class GameToTheEnd(unittest.TestCase):
    """The scenario, for any program the helpers drive (the web page's tests play it too)."""

    program = GameWindow
    choose_red = staticmethod(choose_red_move)
    blue_strength = STRENGTH_0
    expected_result = None  # the picture the game must end with; None takes either

    def test_a_decided_game_shows_its_picture_and_a_new_game_follows(self):
        chance = random.Random(1)
        with self.program() as window:
            dialog = window.open_settings()
            window.click_control(dialog, MEN_4)
            window.click_control(dialog, self.blue_strength)
            window.click_control(dialog, OK)
            board = start_board(men=4)
            window.wait_for_board(board)

            red_to_move = True
            for _ in range(400):
                side_is = is_red if red_to_move else is_blue
                if not has_pieces(board, is_red) or not has_pieces(board, is_blue) or \
                        not moves_for(board, side_is):
                    break
                if red_to_move:
                    move = self.choose_red(board, moves_for(board, is_red), chance)
                    window.press_square(*move[0])
                    window.press_square(*move[1])
                    board, red_to_move = play(board, move)
                    window.wait_for_board(board)
                else:
                    before = board
                    window.press_square(*LIGHT_SQUARE)
                    screen = window.wait_for(lambda s: window.read_board(s) != before,
                                             "the computer's move")
                    board = window.read_board(screen)
                    changed = [s for s in board if board[s] != before[s]]
                    (start,) = [s for s in changed if is_blue(before[s])]
                    (end,) = [s for s in changed if is_blue(board[s])]
                    expected, blue_goes_on = play(before, (start, end))
                    self.assertEqual(board, expected)
                    red_to_move = not blue_goes_on
            else:
                self.fail("the game did not end in 400 turns")

            red_lost = not has_pieces(board, is_red) or (red_to_move and has_pieces(board, is_blue))
            result = LOSE_PICTURE if red_lost else WIN_PICTURE
            if self.expected_result is not None:
                self.assertEqual(result, self.expected_result)
            # The deciding move is on the board; the picture comes with the next press, and again
            # with every press after it.
            window.press_square(*LIGHT_SQUARE)
            window.wait_for(lambda s: window.shows_picture(result, s), result)
            if window.told() is not None:  # where the program speaks, the result is heard
                self.assertIn("勝ち" if result == WIN_PICTURE else "負け", window.told())
            window.press_square(5, 5)
            window.wait_for(lambda s: window.shows_picture(result, s), result)

            window.new_game()
            window.wait_for_board(start_board(men=4))
            window.press_square(3, 9)
            window.press_square(2, 8)
            board = start_board(men=4)
            board, _ = play(board, ((3, 9), (2, 8)))
            window.wait_for_board(board)


if __name__ == "__main__":
    unittest.main()

"""The menu and the settings dialog: what the dialog shows, OK, Cancel, Escape and the close box,
and quitting by the menu or the window's close box."""

import time
import unittest

from wine_game import EMPTY, ID, RED_MAN, GameWindow, start_board

STRENGTH_BUTTONS = [ID[f"IDC_STRENGTH_{strength}"] for strength in range(12)]
MEN_4, MEN_8, MEN_12 = ID["IDC_MEN_4"], ID["IDC_MEN_8"], ID["IDC_MEN_12"]
RED_FIRST, VS_HUMAN = ID["IDC_RED_MOVES_FIRST"], ID["IDC_VS_HUMAN"]
RED_KINGS, BLUE_KINGS = ID["IDC_RED_ALL_KINGS"], ID["IDC_BLUE_ALL_KINGS"]
OK, CANCEL = ID["IDOK"], ID["IDCANCEL"]


def mul_div(number, numerator, denominator):
    """number * numerator / denominator rounded to the nearest, as the system scales."""
    return (2 * number * numerator + denominator) // (2 * denominator)


def checked(dialog):
    return {ident for ident, controls in dialog["controls"].items()
            if any(control["checked"] for control in controls)}


class MenuAndDialog(unittest.TestCase):
    def test_the_dialog_shows_the_settings_and_only_ok_changes_them(self):
        with GameWindow() as window:
            board = start_board()
            window.wait_for_board(board)
            window.press_square(3, 7)
            window.press_square(4, 6)
            board[(3, 7)], board[(4, 6)] = EMPTY, RED_MAN
            window.wait_for_board(board)

            dialog = window.open_settings()
            self.assertEqual(dialog["caption"], "設定")
            self.assertEqual(checked(dialog), {STRENGTH_BUTTONS[5], MEN_12, RED_FIRST})
            buttons = set(STRENGTH_BUTTONS) | {MEN_4, MEN_8, MEN_12, RED_FIRST, VS_HUMAN,
                                                RED_KINGS, BLUE_KINGS, OK, CANCEL}
            self.assertLessEqual(buttons, set(dialog["controls"]))
            self.assertEqual([c["text"] for c in dialog["controls"][MEN_4]], ["4"])
            # It opens over the top-left of the board, and the board takes no presses meanwhile.
            self.assertEqual(dialog["client"][:2], window.client)
            window.refresh_geometry()
            self.assertEqual(window.report["enabled"], "0")
            left, top, right, bottom = dialog["window"]
            corner = (window.client[0] + 33 * 7, window.client[1] + 33 * 7)  # square (9, 9)
            self.assertTrue(right <= corner[0] or bottom <= corner[1], "(9, 9) is uncovered")
            window.press_square(9, 9)
            time.sleep(0.5)
            uncovered = window.read_board(hidden=dialog["window"])
            self.assertIn((9, 9), uncovered)
            self.assertEqual(uncovered, {square: board[square] for square in uncovered})

            # Escape, Cancel and the close box drop a choice; the game goes on as it was.
            for close in ("Escape", "Cancel", "close box"):
                window.click_control(dialog, MEN_4)
                if close == "Escape":
                    window.keys("Escape")
                elif close == "Cancel":
                    window.click_control(dialog, CANCEL)
                else:
                    window.click_at(*dialog["closebox"])
                window.wait_for(lambda s: window.dialog() is None, f"the dialog to close by {close}")
                window.wait_for_board(board)
                dialog = window.open_settings()
                self.assertEqual(checked(dialog), {STRENGTH_BUTTONS[5], MEN_12, RED_FIRST}, close)

            # OK stores the choice and starts a new game with it.
            window.click_control(dialog, MEN_4)
            window.click_control(dialog, OK)
            window.wait_for_board(start_board(men=4))
            dialog = window.open_settings()
            self.assertEqual(checked(dialog), {STRENGTH_BUTTONS[5], MEN_4, RED_FIRST})
            window.keys("Escape")
            window.wait_for(lambda s: window.dialog() is None, "the dialog to close")

            window.quit()
            self.assertEqual(window.wait_for_exit(), 0)

    def test_every_label_shows_in_full_in_ipa_p_gothic(self):
        with GameWindow() as window:
            self.assertEqual(window.report["menufont"], "IPA Pゴシック")
            dialog = window.open_settings()
            self.assertEqual(dialog["font"], "IPA Pゴシック")
            # The probe measures in the dialog's font: the dialog is 143 x 135 of its base units.
            width, height = dialog["baseunits"]
            self.assertEqual(dialog["client"][2:], (mul_div(143, width, 4), mul_div(135, height, 8)))
            self.assertEqual(len(dialog["labels"]), 23)
            for label in dialog["labels"]:
                self.assertLessEqual(label["extent"], label["space"], label)
            window.keys("Escape")

    def test_the_close_box_and_alt_f4_end_the_program_with_code_0(self):
        for close in ("close box", "Alt+F4"):
            with GameWindow() as window:
                window.wait_for_board(start_board())
                if close == "close box":
                    window.click_at(*(int(n) for n in window.report["closebox"].split()))
                else:
                    window.keys("alt+F4")
                self.assertEqual(window.wait_for_exit(), 0, close)


if __name__ == "__main__":
    unittest.main()

"""The Linux desktop program on a real X display: its title and place, the first paint, a press,
and 終了 by keyboard ending it with exit code 0; and what it answers without a display or a
platform plugin."""

import os
import subprocess
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

    def test_at_a_scale_of_1_5_and_2_each_board_pixel_is_a_block_of_2x2(self):
        for dpi in (144, 192):
            with NativeWindow(dpi=dpi) as window:
                self.assertEqual(window.outer[2], 2 * BOARD, dpi)
                board = start_board()
                window.wait_for(lambda s: window.client_pixels(s) == expected_client(board),
                                f"the start position in blocks of 2x2 at {dpi / 96}")
                window.press_square(3, 7)
                board[(3, 7)] = RED_MAN_SELECTED
                window.wait_for_board(board)

    def test_it_answers_help_and_version_and_refuses_anything_else(self):
        no_display = {key: value for key, value in os.environ.items()
                      if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        # A platform plugin that is not installed is named as such, not as a missing display.
        for arguments, environment, code, says in (
                (["--help"], no_display, 0, ""), (["--version"], no_display, 0, ""),
                (["--bogus"], no_display, 2, "--bogus"),
                (["-platform", "offscreen"], no_display, 2, "-platform"),
                ([], no_display, 1, "no display"),
                ([], dict(no_display, DISPLAY=":9999"), 1, "no display"),
                ([], dict(no_display, QT_QPA_PLATFORM="nowhere"), 1, 'plugin "nowhere"')):
            result = subprocess.run([os.environ["YORUNAMI_NATIVE"], *arguments], env=environment,
                                    capture_output=True, text=True, timeout=30)
            self.assertEqual(result.returncode, code, arguments)
            if code == 0:
                self.assertEqual(result.stderr, "")
                self.assertTrue(result.stdout.startswith(("Usage: yorunami", "yorunami 1.")))
            else:  # one line saying why, and no crash
                self.assertEqual(result.stdout, "")
                self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
                self.assertIn(says, result.stderr)


if __name__ == "__main__":
    unittest.main()

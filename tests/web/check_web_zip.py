"""Makes the web page's zip from the build and checks what someone putting the game on a web host
downloads: one folder holding the page's files, byte for byte those built, with a README in
Japanese and English and the licence.

Usage: check_web_zip.py BUILD-DIRECTORY PAGE-FOLDER PACKAGE-NAME
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "windows"))
from check_release_zip import made_zip  # noqa: E402

BUILD, PAGE, NAME = sys.argv[1:4] if len(sys.argv) > 3 else ("", "", "")


class WebZip(unittest.TestCase):
    def test_it_holds_the_page_a_readme_and_the_licence(self):
        files = made_zip(BUILD, NAME)
        names = sorted(files)
        page = sorted(os.listdir(PAGE))
        self.assertIn("index.html", page)
        self.assertIn("yorunami.wasm", page)
        self.assertEqual(names, sorted([f"{NAME}/{name}" for name in page] +
                                       [f"{NAME}/LICENSE.txt", f"{NAME}/README.txt"]))
        for name in page:
            with open(os.path.join(PAGE, name), "rb") as file:
                self.assertEqual(files[f"{NAME}/{name}"], file.read(), name)
        readme = files[f"{NAME}/README.txt"].decode("utf-8")
        for words in ("ヨルナミ", "ウェブに置く", "Putting it on the web", "http.server",
                      "How to play", "ウェブから下ろす", "Taking it off the web",
                      "sw-retired.js"):
            self.assertIn(words, readme)
        self.assertIn("Copyright (c) 2026 the Yorunami authors",
                      files[f"{NAME}/LICENSE.txt"].decode("utf-8"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

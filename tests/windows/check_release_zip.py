"""Makes the release zip from the build and checks what a Windows player downloads: the game,
byte for byte the one built, with a README and the licence for Notepad, in one folder.

Usage: check_release_zip.py BUILD-DIRECTORY EXE PACKAGE-NAME
"""

import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

BUILD, EXE, NAME = sys.argv[1:4] if len(sys.argv) > 3 else ("", "", "")


def made_zip(build, name):
    """The zip cpack makes from a build's package configuration, as {path: contents}."""
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(["cpack", "-G", "ZIP", "-B", work, "--config",
                        os.path.join(build, "CPackConfig.cmake")], check=True, capture_output=True)
        with zipfile.ZipFile(os.path.join(work, name + ".zip")) as archive:
            return {path: archive.read(path) for path in archive.namelist()}


class ReleaseZip(unittest.TestCase):
    def test_it_holds_the_built_game_a_readme_and_the_licence(self):
        files = made_zip(BUILD, NAME)
        self.assertEqual(sorted(files), [
            f"{NAME}/LICENSE.txt", f"{NAME}/README.txt", f"{NAME}/yorunami.exe"])
        game = files[f"{NAME}/yorunami.exe"]
        readme = files[f"{NAME}/README.txt"]
        licence = files[f"{NAME}/LICENSE.txt"]
        with open(EXE, "rb") as file:
            self.assertEqual(game, file.read())
        for text in (readme, licence):
            self.assertTrue(text.startswith(b"\xef\xbb\xbf"))  # UTF-8, as Notepad should read it
            self.assertEqual(text.count(b"\n"), text.count(b"\r\n"))
        readme = readme.decode("utf-8")
        for words in ("ヨルナミ", "インストールは不要", "Nothing to install", "How to play"):
            self.assertIn(words, readme)
        self.assertIn("Copyright (c) 2026 the Yorunami authors", licence.decode("utf-8"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

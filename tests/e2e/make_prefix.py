"""Prepares a Wine prefix for the end-to-end tests, once: each test copies it.

Usage: make_prefix.py FOLDER. Wine draws the windows itself (Managed = N), so the title bar and
menus are there and keys reach the window at once; the title bar buttons need Marlett. The
Japanese fonts the game asks for map to the IPA fonts, as in the prefix tools/run-game.sh makes.
"""

import os
import shutil
import subprocess
import sys

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def main():
    folder = os.path.abspath(sys.argv[1])
    shutil.rmtree(folder, ignore_errors=True)
    env = dict(os.environ, WINEPREFIX=folder, WINEDEBUG="-all", LANG="ja_JP.UTF-8",
               WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d")
    env.pop("DISPLAY", None)
    subprocess.run([WINE, "wineboot", "-i"], env=env, check=True, capture_output=True)
    subprocess.run([WINE, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                    "/d", "N", "/f"], env=env, check=True, capture_output=True)
    subprocess.run([os.path.join(SOURCE, "tools", "wine-fonts.sh")], env=env, check=True)
    subprocess.run([WINESERVER, "-w"], env=env, check=True)
    shutil.copy("/usr/share/wine/fonts/marlett.ttf",
                os.path.join(folder, "drive_c", "windows", "Fonts", "marlett.ttf"))


if __name__ == "__main__":
    main()

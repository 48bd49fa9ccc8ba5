"""Makes the Debian package from the build and checks what a player installs: the program, its
desktop entry, icons, manual page and copyright, the dependencies, and lintian's verdict.

Usage: check_deb_package.py BUILD-DIRECTORY VERSION
"""

import glob
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BUILD, VERSION = sys.argv[1], sys.argv[2]
SOURCE = os.path.join(os.path.dirname(__file__), "..", "..")


def run(*command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True, **options).stdout


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.TemporaryDirectory()
        run("cpack", "-G", "DEB", "-B", cls.work.name, "--config",
            os.path.join(BUILD, "CPackConfig.cmake"))
        cls.deb = os.path.join(cls.work.name, f"yorunami_{VERSION}_amd64.deb")
        cls.root = os.path.join(cls.work.name, "root")
        run("dpkg-deb", "-x", cls.deb, cls.root)

    @classmethod
    def tearDownClass(cls):
        cls.work.cleanup()

    def field(self, name):
        return run("dpkg-deb", "-f", self.deb, name).strip()

    def test_it_is_a_game_that_depends_on_qt_and_the_dialog_font(self):
        self.assertEqual((self.field("Package"), self.field("Version")), ("yorunami", VERSION))
        self.assertEqual((self.field("Architecture"), self.field("Section")), ("amd64", "games"))
        depends = {entry.split()[0] for entry in self.field("Depends").split(", ")}
        self.assertLessEqual({"libqt6core6", "libqt6gui6", "libqt6widgets6",
                              "fonts-ipafont-gothic"}, depends)

    def test_the_program_runs_from_usr_games(self):
        program = os.path.join(self.root, "usr/games/yorunami")
        self.assertTrue(os.access(program, os.X_OK))
        self.assertEqual(run(program, "--version"), f"yorunami {VERSION}\n")

    def test_the_desktop_entry_is_valid_and_names_the_game_in_both_languages(self):
        entry = os.path.join(self.root, "usr/share/applications/yorunami.desktop")
        run("desktop-file-validate", entry)
        with open(entry, encoding="utf-8") as file:
            lines = file.read().splitlines()
        for line in ("Name=Yorunami", "Name[ja]=ヨルナミ", "Categories=Game;BoardGame;",
                     "Icon=yorunami", "Exec=/usr/games/yorunami"):
            self.assertIn(line, lines)

    def test_software_centres_list_it_from_its_appstream_metainfo(self):
        (found,) = glob.glob(os.path.join(self.root, "usr/share/metainfo/*.metainfo.xml"))
        checked = subprocess.run(["appstreamcli", "validate", "--no-net", found],
                                 capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        component = ElementTree.parse(found).getroot()
        self.assertEqual(os.path.basename(found), component.findtext("id") + ".metainfo.xml")
        launched = component.findtext("launchable")
        self.assertTrue(os.path.exists(os.path.join(self.root, "usr/share/applications",
                                                    launched)), launched)
        self.assertEqual(component.find("releases/release").get("version"), VERSION)

    def test_the_icon_is_the_generators_at_each_theme_size(self):
        with open(os.path.join(SOURCE, "ui/pictures.txt"), encoding="utf-8") as listing:
            sizes = [int(fields[1]) for fields in map(str.split, listing) if fields[:1] == ["png"]]
        committed = {}  # the icon's own PNG files, not the squares for home screens
        for name in glob.glob(os.path.join(SOURCE, "ui/pictures/yorunami-[0-9]*.png")):
            with open(name, "rb") as file:
                picture = file.read()
            committed[struct.unpack(">II", picture[16:24])] = picture
        self.assertTrue(sizes)
        for size in sizes:
            path = os.path.join(self.root, f"usr/share/icons/hicolor/{size}x{size}/apps/yorunami.png")
            with open(path, "rb") as file:
                self.assertEqual(file.read(), committed[(size, size)], size)

    def test_the_copyright_carries_the_licence_and_lintian_finds_no_error(self):
        with open(os.path.join(self.root, "usr/share/doc/yorunami/copyright"),
                  encoding="utf-8") as file:
            copyright_text = " ".join(file.read().split())
        with open(os.path.join(SOURCE, "LICENSE"), encoding="utf-8") as file:
            licence = file.read().split("\n\n")
        self.assertIn("Copyright: 2026 the Yorunami authors", copyright_text)
        self.assertEqual(licence[1], "Copyright (c) 2026 the Yorunami authors")
        for paragraph in licence[2:]:
            self.assertIn(" ".join(paragraph.split()), copyright_text)
        self.assertTrue(os.path.exists(os.path.join(self.root, "usr/share/man/man6/yorunami.6.gz")))
        run("lintian", "--fail-on", "error", self.deb)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

"""Checks the built game: a GUI executable of the expected kind that needs no DLL but Windows'
own, with every resource inside, the menu and the dialog exactly as the game describes them.

Usage: check_executable.py EXE pe32|pe32+
"""

import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

EXE = sys.argv[1] if len(sys.argv) > 1 else ""
KIND = sys.argv[2] if len(sys.argv) > 2 else ""
PICTURES = os.path.join(os.path.dirname(__file__), "..", "..", "ui", "pictures")

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"}
TOOLS = "i686-w64-mingw32-" if KIND == "pe32" else "x86_64-w64-mingw32-"

# The manifest's namespaces, and the supported-OS ids of Windows 7, 8, 8.1 and 10/11, stated again
# here on purpose.
ASM1, ASM3 = "urn:schemas-microsoft-com:asm.v1", "urn:schemas-microsoft-com:asm.v3"
COMPATIBILITY = "urn:schemas-microsoft-com:compatibility.v1"
WINDOWS_7_TO_11 = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                   "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}

WS_CHILD, WS_VISIBLE, WS_GROUP, WS_TABSTOP = 0x40000000, 0x10000000, 0x00020000, 0x00010000
WS_POPUP, WS_CAPTION, WS_SYSMENU = 0x80000000, 0x00C00000, 0x00080000
DS_MODALFRAME, DS_SETFONT = 0x80, 0x40
CHECK, RADIO, DEFAULT_BUTTON, BUTTON, GROUP_BOX = 3, 9, 1, 0, 7  # button kinds

# The settings dialog's controls in template order: id, kind, text, x, y, width, height, flags.
CONTROLS = [
    (1001, CHECK, "先攻", 20, 13, 30, 10, WS_TABSTOP),
    (1004, CHECK, "ALLKING(赤)", 72, 13, 54, 10, WS_TABSTOP),
    (1005, CHECK, "VS人", 20, 23, 31, 10, WS_TABSTOP),
    (1003, CHECK, "ALLKING(青)", 72, 26, 54, 10, WS_TABSTOP),
    (1017, RADIO, "4", 19, 51, 20, 8, WS_GROUP),
    (1018, RADIO, "8", 41, 51, 20, 8, 0),
    (1019, RADIO, "12", 63, 51, 20, 8, 0),
    (1002, RADIO, "0", 15, 79, 16, 10, WS_GROUP | WS_TABSTOP),
    (1006, RADIO, "1", 34, 79, 16, 10, WS_TABSTOP),
    (1007, RADIO, "2", 53, 79, 16, 10, WS_TABSTOP),
    (1008, RADIO, "3", 72, 79, 16, 10, WS_TABSTOP),
    (1009, RADIO, "4", 91, 79, 16, 10, WS_TABSTOP),
    (1010, RADIO, "5", 110, 79, 16, 10, WS_TABSTOP),
    (1011, RADIO, "6", 15, 93, 16, 10, WS_TABSTOP),
    (1012, RADIO, "7", 34, 93, 16, 10, WS_TABSTOP),
    (1013, RADIO, "8", 53, 93, 16, 10, WS_TABSTOP),
    (1014, RADIO, "9", 72, 93, 16, 10, WS_TABSTOP),
    (1015, RADIO, "10", 91, 93, 19, 10, WS_TABSTOP),
    (1016, RADIO, "11", 110, 93, 19, 10, WS_TABSTOP),
    (1, DEFAULT_BUTTON, "OK", 15, 114, 50, 14, WS_TABSTOP),
    (2, BUTTON, "ｷｬﾝｾﾙ", 78, 114, 50, 14, WS_TABSTOP),
    (65535, GROUP_BOX, "強さ", 12, 69, 118, 36, 0),
    (65535, GROUP_BOX, "駒の数", 12, 41, 77, 24, 0),
]


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def resource(kind, name):
    return run("wrestool", "-x", "--raw", f"--type={kind}", f"--name={name}", EXE)


class Reader:
    """Reads a resource template: little-endian words and UTF-16 strings."""

    def __init__(self, data):
        self.data, self.at = data, 0

    def word(self):
        value = struct.unpack_from("<H", self.data, self.at)[0]
        self.at += 2
        return value

    def short(self):
        value = struct.unpack_from("<h", self.data, self.at)[0]
        self.at += 2
        return value

    def dword(self):
        value = struct.unpack_from("<I", self.data, self.at)[0]
        self.at += 4
        return value

    def text(self):
        end = self.at
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        value = self.data[self.at:end].decode("utf-16-le")
        self.at = end + 2
        return value

    def name_or_number(self):
        """A string, or 0xFFFF followed by a number."""
        if self.data[self.at:self.at + 2] == b"\xff\xff":
            self.at += 2
            return self.word()
        return self.text()

    def align(self):
        self.at = (self.at + 3) // 4 * 4


def menu_items(reader):
    items = []
    while True:
        flags = reader.word()
        if flags & 0x10:  # a pop-up: text, then its own items
            items.append((reader.text(), menu_items(reader)))
        else:
            ident = reader.word()
            items.append((reader.text(), ident))
        if flags & 0x80:  # the last item of its menu
            return items


class Executable(unittest.TestCase):
    def test_it_is_a_gui_program_of_the_expected_kind(self):
        description = run("file", "-b", EXE).decode()
        if KIND == "pe32":
            self.assertTrue(description.startswith("PE32 executable (GUI) Intel 80386"),
                            description)
        else:
            self.assertTrue(description.startswith("PE32+ executable (GUI) x86-64"), description)

    def test_it_needs_only_windows_own_dlls(self):
        lines = run(TOOLS + "objdump", "-p", EXE).decode().splitlines()
        dlls = {line.split(":", 1)[1].strip().lower() for line in lines if "DLL Name:" in line}
        self.assertTrue(dlls)
        self.assertLessEqual(dlls, SYSTEM_DLLS)

    def test_it_imports_nothing_newer_than_windows_7(self):
        """Each function it takes from the system's DLLs, but the C library's, is one that the
        mingw-w64 headers declare for Windows 7: a small file taking each one's address compiles
        with _WIN32_WINNT at Windows 7 (the headers default to Windows 10, so nothing warns)."""
        imports = run(TOOLS + "objdump", "-p", EXE).decode()
        functions = []
        for table in re.split(r"\n\s*DLL Name: ", imports)[1:]:
            if table.split()[0].lower() != "msvcrt.dll":
                functions += re.findall(r"^\s+[0-9a-f]+\s+[0-9]+\s+(\w+)$", table, re.M)
        self.assertIn("CreateWindowExA", functions)
        with tempfile.TemporaryDirectory() as folder:
            source = os.path.join(folder, "imports.c")
            with open(source, "w") as file:
                file.write("#define WINVER 0x0601\n#define _WIN32_WINNT 0x0601\n"
                           "#include <windows.h>\nconst void *const imported[] = {\n" +
                           "".join(f"(const void *)&{name},\n" for name in functions) + "};\n")
            compiled = subprocess.run([TOOLS + "gcc", "-c", source, "-o", source + ".o"],
                                      capture_output=True, text=True)
            self.assertEqual(compiled.returncode, 0, compiled.stderr)

    def test_its_manifest_asks_for_each_monitors_scale_common_controls_and_windows_7_to_11(self):
        manifest = ElementTree.fromstring(resource(24, 1))
        settings = manifest.find(f"{{{ASM3}}}application/{{{ASM3}}}windowsSettings")
        awareness = {element.tag.split("}")[1]: element.text for element in settings}
        # Per monitor in the second way, else the system's scale; never per monitor in the first.
        self.assertEqual(awareness, {"dpiAware": "true", "dpiAwareness": "PerMonitorV2, System"})
        identity = manifest.find(f"{{{ASM1}}}dependency/{{{ASM1}}}dependentAssembly/"
                                 f"{{{ASM1}}}assemblyIdentity")
        self.assertEqual((identity.get("name"), identity.get("version")),
                         ("Microsoft.Windows.Common-Controls", "6.0.0.0"))
        systems = manifest.findall(f"{{{COMPATIBILITY}}}compatibility/{{{COMPATIBILITY}}}"
                                   f"application/{{{COMPATIBILITY}}}supportedOS")
        self.assertEqual({system.get("Id") for system in systems}, WINDOWS_7_TO_11)

    def test_the_pictures_inside_are_the_committed_ones(self):
        with open(os.path.join(PICTURES, "..", "pictures.txt"), encoding="utf-8") as listing:
            files = {int(fields[1]): fields[2] for fields in map(str.split, listing)
                     if len(fields) == 3 and fields[0] == "bitmap"}
        self.assertEqual(sorted(files), [101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111])
        for ident, name in files.items():
            with open(os.path.join(PICTURES, name), "rb") as file:
                bitmap = file.read()
            self.assertEqual(resource(2, ident), bitmap[14:], name)  # without the file header
        listing = run("wrestool", "-l", EXE).decode()
        self.assertIn("--type=14 --name=105 --language=1041", listing)  # the icon
        self.assertEqual(listing.count("[type=icon "), 2)  # 32x32 and 16x16

    def test_the_menu(self):
        reader = Reader(resource(4, 103))
        self.assertEqual((reader.word(), reader.word()), (0, 0))
        self.assertEqual(menu_items(reader), [
            ("ファイル", [("始めから", 40004), ("終了", 40003)]),
            ("設定", [("設定", 40005)]),
        ])

    def test_the_settings_dialog(self):
        reader = Reader(resource(5, 104))
        style, extended, count = reader.dword(), reader.dword(), reader.word()
        self.assertEqual(style, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU)
        self.assertEqual(extended, 0)
        self.assertEqual([reader.short() for _ in range(4)], [0, 0, 143, 135])
        self.assertEqual((reader.name_or_number(), reader.name_or_number()), ("", ""))
        self.assertEqual(reader.text(), "設定")
        self.assertEqual((reader.word(), reader.text()), (9, "ＭＳ Ｐゴシック"))
        self.assertEqual(count, len(CONTROLS))
        for ident, kind, text, x, y, width, height, flags in CONTROLS:
            reader.align()
            style, extended = reader.dword(), reader.dword()
            place = [reader.short() for _ in range(4)]
            found_ident, window_class = reader.word(), reader.name_or_number()
            found_text = reader.name_or_number()
            reader.word()  # no creation data
            self.assertEqual((found_ident, found_text), (ident, text))
            # The button class, by its number or by its name.
            self.assertIn(str(window_class).upper(), ("128", "BUTTON"), text)
            self.assertEqual(place, [x, y, width, height], text)
            self.assertEqual(style, WS_CHILD | WS_VISIBLE | flags | kind, text)
            self.assertEqual(extended, 0, text)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

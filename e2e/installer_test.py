"""End-to-end: the Windows installer under Wine, silently installed twice into a fresh prefix and
uninstalled: the installed files, the uninstall entry, the Start-menu shortcut (read with lnkinfo)
and the game it starts, and nothing left behind; and the branding line of its pages, read from the
installer. Keeps the game's window as FOLDER/window.png.
Usage: installer_test.py INSTALLER FOLDER (emptied first, for the Wine prefix), on xvfb-run."""

import lzma
import os
import re
import shutil
import struct
import subprocess
import sys
import unittest

import desktop

WINE_RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cmake", "wine-run")
INSTALLER = ""
FOLDER = ""
INSTALL_FOLDER = r"C:\Program Files\Glyphwise"
START_MENU = r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Glyphwise"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glyphwise"
VENDOR_KEY = r"HKLM\Software\The Glyphwise Authors"
INSTALLED_FILES = ["Glyphwise.exe", "LICENSE.txt", "README.txt", "Uninstall.exe",
                   "words-notice.txt", "words.txt"]
SHORTCUTS = ["Glyphwise.lnk", "Uninstall.lnk"]


def prefix():
    return os.path.join(FOLDER, "wineprefix")


def unix_path(windows_path):
    """Where a path on the prefix's drive C: lies on this system."""
    drive, rest = windows_path.split(":", 1)
    assert drive.upper() == "C", windows_path
    return os.path.join(prefix(), "drive_c", *rest.strip("\\").split("\\"))


def wine(*command, display):
    """Runs a Windows command in the prefix through cmake/wine-run; returns the finished process.
    Commands on the display come first: wine-run ends the prefix's server after each of them, so
    that the window of the next lands on the display; the uninstaller runs on after its command,
    and the commands after it without a display."""
    runner = [WINE_RUN, "--managed"] if display else [WINE_RUN]
    return subprocess.run(runner + [prefix()] + list(command), capture_output=True, text=True,
                          timeout=300)


def registry_values(key, display):
    """The values of a registry key as a dict of name to text, or None when there is no such key."""
    query = wine("reg", "query", key, display=display)
    output = query.stdout + query.stderr
    if query.returncode == 1 and "Unable to find the specified registry key" in output:
        return None
    assert query.returncode == 0, "reg query %s failed: %s" % (key, output)
    return dict(re.findall(r"^\s+(\S+)\s+REG_\w+\s+(.*?)\r?$", query.stdout, re.MULTILINE))


def installer_version():
    """The version in the installer's name, glyphwise-<version>-windows-x64.exe."""
    return re.fullmatch(r"glyphwise-(.+)-windows-x64\.exe", os.path.basename(INSTALLER))[1]


def installer_header():
    """The installer's header, which holds the texts of its pages (UTF-16 in a Unicode installer):
    the block after NSIS's first header (0xDEADBEEF, "NullsoftInst", the header's length), packed
    on its own by SetCompressor lzma: a length with bit 31 set, LZMA's 5 bytes of properties, the
    stream."""
    with open(INSTALLER, "rb") as file:
        data = file.read()
    at = data.index(b"\xef\xbe\xad\xdeNullsoftInst") + 16
    length, _, packed = struct.unpack_from("<III", data, at)
    assert packed & 0x80000000, "the header is not compressed"
    block = data[at + 12:at + 12 + (packed & 0x7FFFFFFF)]
    return lzma.decompress(block[:5] + struct.pack("<Q", length) + block[5:], lzma.FORMAT_ALONE)


def shortcut(path):
    """The fields of a Windows shortcut (.lnk) as lnkinfo shows them: "Local path" and so on."""
    info = subprocess.run(["lnkinfo", path], check=True, capture_output=True, text=True).stdout
    return dict(re.findall(r"^\s+([^:\n]+?)\s*: ?(.*)$", info, re.MULTILINE))


class InstallerTest(unittest.TestCase):
    def check_uninstall_entry(self):
        expected = {"DisplayName": "Glyphwise", "Publisher": "The Glyphwise Authors",
                    "DisplayVersion": installer_version(),
                    "DisplayIcon": INSTALL_FOLDER + r"\Glyphwise.exe",
                    "UninstallString": '"' + INSTALL_FOLDER + r'\Uninstall.exe"'}
        values = registry_values(UNINSTALL_KEY, display=True) or {}  # {}: no such key
        self.assertEqual({name: values.get(name) for name in expected}, expected)

    def check_shortcut_starts_the_game(self):
        """Starts the shortcut's program in its folder: its window shows, a pick reads its words."""
        link = shortcut(unix_path(START_MENU + r"\Glyphwise.lnk"))
        target, folder = link.get("Local path"), link.get("Working directory")
        self.assertEqual((target, folder, link.get("Command line arguments", "")),
                         (INSTALL_FOLDER + r"\Glyphwise.exe", INSTALL_FOLDER, ""))
        game = desktop.start([WINE_RUN, "--managed", prefix(), target], unix_path(folder))
        self.addCleanup(game.kill)
        window = desktop.wait_for_window("Glyphwise")
        desktop.enter("5")  # the letter count: the first pick
        desktop.run("import", "-frame", "-window", window, os.path.join(FOLDER, "window.png"))
        desktop.keys("alt+x")
        words = os.path.getsize(unix_path(INSTALL_FOLDER + r"\words.txt"))
        self.assertEqual(desktop.finish(game), (1, "Words file is %d bytes long\n" % words))

    def uninstall(self):
        """Runs the uninstaller, which copies itself away and goes on after this command returns,
        and waits until it has removed the install folder and then the Start-menu folder, its last
        step after the registry keys."""
        uninstaller = INSTALL_FOLDER + r"\Uninstall.exe"
        self.assertEqual(wine(uninstaller, "/S", display=False).returncode, 0)
        for folder in (INSTALL_FOLDER, START_MENU):
            desktop.wait_until(lambda: not os.path.exists(unix_path(folder)),
                               "the uninstaller to remove " + folder)

    def test_branding_names_the_product(self):
        header = installer_header()
        # The product's name and version, not the default naming the installer's maker, Nullsoft.
        for text, present in (("Glyphwise " + installer_version(), True), ("Nullsoft", False)):
            self.assertEqual(text.encode("utf-16-le") in header, present, text)

    def test_install_play_and_uninstall(self):
        shutil.rmtree(FOLDER, ignore_errors=True)
        os.makedirs(FOLDER)
        for _ in range(2):  # into the fresh prefix, then again over the installed game
            # The second run starts with the installed uninstaller, as an upgrade does.
            self.assertEqual(wine(os.path.abspath(INSTALLER), "/S", display=True).returncode, 0)
            self.assertEqual(sorted(os.listdir(unix_path(INSTALL_FOLDER))), INSTALLED_FILES)
            self.assertEqual(sorted(os.listdir(unix_path(START_MENU))), SHORTCUTS)
            self.check_uninstall_entry()
        self.check_shortcut_starts_the_game()
        self.uninstall()
        for key in (UNINSTALL_KEY, VENDOR_KEY):
            self.assertIsNone(registry_values(key, display=False), key)


if __name__ == "__main__":
    INSTALLER, FOLDER = sys.argv[1], os.path.abspath(sys.argv[2])
    with desktop.window_manager():
        unittest.main(argv=sys.argv[:1], verbosity=2)

"""End-to-end: the .deb installed for real with apt-get, both of its commands started as a player
starts them, from a folder without a words list, then the package purged, even when a step failed:
none of the files it brought may be left. Installing needs root, as CI has; skipped otherwise.
Usage: install_test.py PACKAGE.deb, on the display that xvfb-run gives"""

import io
import os
import subprocess
import sys
import tarfile
import tempfile
import unittest

import desktop

PACKAGE = ""  # the .deb's absolute path
NAME = "glyphwise"
WINDOW_COMMAND = "/usr/games/glyphwise"
CONSOLE_COMMAND = "/usr/games/glyphwise-console"
APT_SECONDS = 300
GONE = ("", "unknown ok not-installed")  # dpkg's status of a package that is not installed


def package_paths(package):
    """The absolute paths of every file and folder in the package."""
    tar = subprocess.run(["dpkg-deb", "--fsys-tarfile", package], check=True,
                         capture_output=True).stdout
    with tarfile.open(fileobj=io.BytesIO(tar)) as archive:
        return [os.path.normpath("/" + name) for name in archive.getnames()]


def dpkg_status(name):
    """The package's status in dpkg's database, or "" when dpkg has never heard of it."""
    return subprocess.run(["dpkg-query", "--show", "--showformat=${Status}", name],
                          capture_output=True, text=True).stdout


@unittest.skipUnless(os.geteuid() == 0, "installing the package needs root")
class InstallTest(unittest.TestCase):
    def apt_get(self, *arguments):
        result = subprocess.run(["apt-get", "--yes", *arguments], capture_output=True, text=True,
                                timeout=APT_SECONDS,
                                env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_installs_plays_and_purges(self):
        self.assertIn(dpkg_status(NAME), GONE, NAME + " is installed already: purge it first")
        brought = [path for path in package_paths(PACKAGE) if not os.path.lexists(path)]
        try:
            self.apt_get("install", PACKAGE)
            with tempfile.TemporaryDirectory() as elsewhere:
                with self.subTest("the window"):
                    game = desktop.start([WINDOW_COMMAND], elsewhere)
                    self.addCleanup(game.kill)
                    desktop.wait_for_window("Glyphwise")
                    desktop.keys("alt+x")
                    self.assertEqual(desktop.finish(game)[0], 1)
                with self.subTest("the console"):
                    game = subprocess.run([CONSOLE_COMMAND], input="5\n", cwd=elsewhere,
                                          capture_output=True, text=True,
                                          timeout=desktop.WAIT_SECONDS)
                    self.assertIn("Word has 5 letters", game.stdout.splitlines(), game.stderr)
                    # The input ended before the word was found.
                    self.assertEqual(game.returncode, 1)
        finally:
            self.apt_get("purge", NAME)
        self.assertIn(dpkg_status(NAME), GONE)
        self.assertEqual([path for path in brought if os.path.lexists(path)], [])


if __name__ == "__main__":
    PACKAGE = os.path.abspath(sys.argv[1])
    with desktop.window_manager():
        unittest.main(argv=sys.argv[:1], verbosity=2)

"""End-to-end: the game as `cmake --install` lays it out. The launcher, started from a folder
without a words list, must find the installed one and show the game's window.
Usage: install_test.py PREFIX ARTIFACT_FOLDER"""

import os
import sys
import tempfile
import unittest

from desktop import Desktop

PREFIX = ""
ARTIFACTS = ""


class InstallTest(unittest.TestCase):
    def test_launcher_starts_the_game_beside_its_words(self):
        for path in ("share/applications/glyphwise.desktop",
                     "share/icons/hicolor/32x32/apps/glyphwise.png",
                     "share/glyphwise/words.txt", "share/glyphwise/words-notice.txt"):
            self.assertTrue(os.path.isfile(os.path.join(PREFIX, path)), path)
        with tempfile.TemporaryDirectory() as elsewhere, Desktop(ARTIFACTS) as desktop:
            game = desktop.start([os.path.join(PREFIX, "bin", "glyphwise")], elsewhere)
            desktop.wait_for_window("Glyphwise")
            desktop.screenshot("01-installed")
            desktop.keys("alt+x")
            game.communicate(timeout=10)
            self.assertEqual(game.returncode, 1)


if __name__ == "__main__":
    PREFIX, ARTIFACTS = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)

"""End-to-end: the game as `cmake --install` lays it out. The launcher, started from a folder
without a words list, must find the installed one and show the game's window.
Usage: install_test.py PREFIX, on the display that xvfb-run gives"""

import os
import sys
import tempfile
import unittest

import desktop

PREFIX = ""


class InstallTest(unittest.TestCase):
    def test_launcher_starts_the_game_beside_its_words(self):
        with tempfile.TemporaryDirectory() as elsewhere:
            game = desktop.start([os.path.join(PREFIX, "bin", "glyphwise")], elsewhere)
            self.addCleanup(game.kill)
            desktop.wait_for_window("Glyphwise")
            desktop.keys("alt+x")
            self.assertEqual(desktop.finish(game)[0], 1)


if __name__ == "__main__":
    PREFIX = os.path.abspath(sys.argv[1])
    with desktop.window_manager():
        unittest.main(argv=sys.argv[:1], verbosity=2)

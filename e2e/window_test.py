"""End-to-end: the real game program in a real (virtual) display, played with key presses and
clicks. Checks what a player sees from outside: window and box titles, exit status and standard
output. Usage: window_test.py ARTIFACT_FOLDER PROGRAM [ARGUMENT...], where the program may be
started through a runner (Wine for the Windows build)."""

import os
import sys
import tempfile
import time
import unittest

from desktop import Desktop

PROGRAM = []  # the command that starts the game
ARTIFACTS = ""
WORDS = "A\nAPPLE\nAPPLE\nPAPERS\n"  # every pick is APPLE
PICK_LINE = "Words file is %d bytes long\n" % len(WORDS)
DIALOG_UNITS = (242, 167)  # the dialog's size in dialog units


class WindowTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.desktop = Desktop(os.path.join(ARTIFACTS, self.id().split(".")[-1]))
        self.desktop.__enter__()

    def tearDown(self):
        self.desktop.__exit__(None, None, None)
        self.folder.cleanup()

    def start(self, words=WORDS):
        if words is not None:
            with open(os.path.join(self.folder.name, "words.txt"), "w") as file:
                file.write(words)
        return self.desktop.start(PROGRAM, self.folder.name)

    def finish(self, game):
        output, _ = game.communicate(timeout=10)
        return game.returncode, output.replace("\r\n", "\n")

    def click_button(self, window, x, y):
        """Clicks the middle of a 50 x 14 button at (x, y) dialog units."""
        width, height = self.desktop.geometry(window)
        self.desktop.click(window, (x + 25) * width // DIALOG_UNITS[0],
                           (y + 7) * height // DIALOG_UNITS[1])

    def show_box(self, keys, name):
        """Opens a box with `keys`, checks its caption, and dismisses it with Enter."""
        d = self.desktop
        d.keys(keys)
        d.wait_for_window("GlyphWise V1.0")
        d.screenshot(name)
        d.keys("Return")
        d.wait_until_gone("GlyphWise V1.0")

    def test_plays_a_game_and_exits(self):
        d = self.desktop
        game = self.start()
        window = d.wait_for_window("Glyphwise")
        d.screenshot("01-start")
        d.type("5")
        d.keys("Return")
        d.type("zzzzz")
        d.keys("Return")
        d.type("apple")
        d.screenshot("02-typed")
        d.keys("Return")
        d.screenshot("03-won")
        self.click_button(window, 186, 26)  # New Game
        d.type("5")
        d.keys("Return")
        d.keys("alt+c")
        d.screenshot("04-conceded")
        self.show_box("alt+a", "05-about")
        self.show_box("alt+h", "06-help")
        d.keys("Escape")
        time.sleep(0.5)
        self.assertIsNone(game.poll(), "Escape must not end the game")
        self.assertTrue(d.windows("Glyphwise"))
        self.click_button(window, 186, 102)  # Exit
        status, output = self.finish(game)
        self.assertEqual(status, 1)
        self.assertEqual(output, PICK_LINE * 2)

    def test_close_box_ends_the_game(self):
        game = self.start()
        self.desktop.wait_for_window("Glyphwise")
        self.desktop.close("Glyphwise")
        self.assertEqual(self.finish(game), (1, ""))

    def test_assertion_report_shows_two_boxes_and_exits_with_3(self):
        # The debugger stops the game in its dialog procedure and makes an assertion fail there,
        # as a fault in the program would; the product has no hook for it.
        if len(PROGRAM) != 1:
            self.skipTest("the debugger runs native programs only")
        d = self.desktop
        with open(os.path.join(self.folder.name, "words.txt"), "w") as file:
            file.write(WORDS)
        game = d.start(["gdb", "-batch", "-ex", "break MainDialogProc", "-ex", "run", "-ex",
                        "call ((void (*)(const char*, const char*, int)) assertionFailed)"
                        "(\"_fp\", \"dictionary/diskdict.cpp\", 57)", PROGRAM[0]], self.folder.name)
        caption = os.path.basename(PROGRAM[0])
        d.wait_for_window(caption)
        d.screenshot("01-assertion")
        d.keys("Return")
        d.wait_for_window(caption)
        d.screenshot("02-termination")
        d.keys("Return")
        _, output = self.finish(game)
        self.assertIn("exited with code 03", output)


if __name__ == "__main__":
    ARTIFACTS, PROGRAM = os.path.abspath(sys.argv[1]), sys.argv[2:]
    unittest.main(argv=sys.argv[:1], verbosity=2)

"""End-to-end: the game program played with keys and clicks on the display that xvfb-run gives,
checking what a player sees: window and box titles, exit status and standard output. Keeps the won
game's window as won.png (the README's picture). Usage: window_test.py PROGRAM [ARGUMENT...]."""

import os
import sys
import tempfile
import time
import unittest

import desktop

PROGRAM = []  # the command that starts the game
WORDS = "A\nAPPLE\nAPPLE\nPAPERS\n"  # every pick is APPLE
PICK_LINE = "Words file is %d bytes long\n" % len(WORDS)
BOX = "GlyphWise V1.0"  # the caption of the game's message boxes


def click(window, x, y):
    """Clicks the point (x, y) of the dialog's 242 x 167 units."""
    size = dict(pair.split("=") for pair in
                desktop.run("xdotool", "getwindowgeometry", "--shell", window))
    x, y = x * int(size["WIDTH"]) // 242, y * int(size["HEIGHT"]) // 167
    desktop.run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")
    time.sleep(0.2)


def click_button(window, x, y):
    """Clicks the middle of a 50 x 14 button at (x, y) of the dialog's units."""
    click(window, x + 25, y + 7)


class WindowTest(unittest.TestCase):
    def start(self, command):
        """Starts `command` in a folder of its own beside WORDS; it is killed if the test fails."""
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        with open(os.path.join(folder.name, "words.txt"), "w") as file:
            file.write(WORDS)
        game = desktop.start(command, folder.name)
        self.addCleanup(game.kill)
        return game

    def test_plays_a_game_and_exits(self):
        game = self.start(PROGRAM)
        window = desktop.wait_for_window("Glyphwise")
        for text in ("5", "zzzzz"):
            desktop.enter(text)
        click(window, 92, 68)  # the history list, which takes the letters typed now
        desktop.run("xdotool", "type", "--delay", "50", "apple")  # a presses About elsewhere
        time.sleep(0.5)
        self.assertFalse(desktop.windows(BOX), "a letter typed into the list pressed a button")
        desktop.keys("Tab")  # on to the entry
        desktop.enter("apple")
        desktop.run("import", "-frame", "-window", window, "won.png")
        click_button(window, 186, 26)  # New Game
        desktop.enter("5")
        desktop.keys("alt+c")  # Concede
        for key in ("alt+a", "alt+h"):  # the About and Help boxes, each dismissed with Enter
            desktop.keys(key)
            desktop.wait_for_window(BOX)
            desktop.keys("Return")
            desktop.wait_until(lambda: not desktop.windows(BOX), "the box to close")
        desktop.keys("Escape")
        time.sleep(0.5)
        self.assertIsNone(game.poll(), "Escape must not end the game")
        self.assertTrue(desktop.windows("Glyphwise"))
        click_button(window, 186, 102)  # Exit
        self.assertEqual(desktop.finish(game), (1, PICK_LINE * 2))

    def test_close_box_ends_the_game(self):
        game = self.start(PROGRAM)
        desktop.wait_for_window("Glyphwise")
        desktop.run("wmctrl", "-c", "Glyphwise")  # as the window's close box does
        self.assertEqual(desktop.finish(game), (1, ""))

    def test_assertion_report_shows_two_boxes_and_exits_with_3(self):
        # The debugger stops the game in its dialog procedure and makes an assertion fail there,
        # as a fault in the program would; the product has no hook for it.
        if len(PROGRAM) != 1:
            self.skipTest("the debugger runs native programs only")
        game = self.start(["gdb", "-batch", "-ex", "break MainDialogProc", "-ex", "run", "-ex",
                           "call ((void (*)(const char*, const char*, int)) assertionFailed)"
                           "(\"_fp\", \"dictionary/diskdict.cpp\", 57)", PROGRAM[0]])
        for _ in range(2):  # the assertion's box, then the termination's, captioned alike
            desktop.wait_for_window(os.path.basename(PROGRAM[0]))
            desktop.keys("Return")
        self.assertIn("exited with code 03", desktop.finish(game)[1])


if __name__ == "__main__":
    PROGRAM = sys.argv[1:]
    with desktop.window_manager():
        unittest.main(argv=sys.argv[:1], verbosity=2)

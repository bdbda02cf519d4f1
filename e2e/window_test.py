"""End-to-end: the game program plays the scenarios of scenarios.py with keys and clicks on the
display that xvfb-run gives, checking what a player sees: window and box titles, exit status and
standard output (the history list is not read here). Keeps the won game's window as won.png (the
README's picture). Usage: window_test.py PROGRAM [ARGUMENT...]."""

import os
import sys
import tempfile
import time
import unittest

import desktop
from scenarios import BOX, DIALOG_SIZE, PICK_LINE, SCENARIOS, TITLE, WORDS, control

PROGRAM = []  # the command that starts the game
SETTLE_SECONDS = 0.3  # for a step's effect, or a wrong one, to show


def click(window, name):
    """Clicks the middle of the control `name`, placed by the template in the window's size."""
    size = dict(pair.split("=") for pair in
                desktop.run("xdotool", "getwindowgeometry", "--shell", window))
    item = control(name)[1]
    x = (item.x + item.width // 2) * int(size["WIDTH"]) // DIALOG_SIZE[0]
    y = (item.y + item.height // 2) * int(size["HEIGHT"]) // DIALOG_SIZE[1]
    desktop.run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")


ACTIONS = {
    "enter": lambda window, argument: desktop.enter(argument),
    "type": lambda window, argument: desktop.type_text(argument),
    "keys": lambda window, argument: desktop.keys(*argument.split()),
    "click": click,
    "close": lambda window, argument: desktop.run("wmctrl", "-c", TITLE),
    "picture": lambda window, argument: desktop.run("import", "-frame", "-window", window,
                                                    argument),
}


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

    def play(self, game, scenario):
        window = desktop.wait_for_window(TITLE)
        for number, step in enumerate(scenario.steps, 1):
            ACTIONS[step.action](window, step.argument)
            time.sleep(SETTLE_SECONDS)
            if number == len(scenario.steps):
                break
            desktop.wait_until(lambda: bool(desktop.windows(BOX)) == bool(step.box) or
                               game.poll() is not None, "a box" if step.box else "no box")
            self.assertIsNone(game.poll(), "ended by step %d, %s" % (number, step))
            if step.box:
                desktop.wait_for_window(BOX)  # activated, for the keys that close it
        self.assertEqual(desktop.finish(game), (1, (PICK_LINE + "\n") * scenario.picks))

    def test_scenarios(self):
        for scenario in SCENARIOS:
            with self.subTest(scenario.name):
                game = self.start(PROGRAM)
                try:
                    self.play(game, scenario)
                finally:
                    game.kill()  # so that the next scenario's window is the only one

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

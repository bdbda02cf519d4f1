"""End-to-end: the console guess tester in a real terminal, a private tmux server, played with
typed keys. Checks what a player sees on the screen and the exit status; the screen of each test
is kept as text. Usage: console_test.py ARTIFACT_FOLDER PROGRAM [ARGUMENT...]"""

import os
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = []  # the command that starts the tester
ARTIFACTS = ""
WAIT_SECONDS = 10
WORDS = "A\nHOUSE\nZOO\n"  # every five-letter pick is HOUSE
OPENING = ["Guess tester", "How many letters (min 3)? 5",
           "Words file is %d bytes long" % len(WORDS), "Word has 5 letters"]


class Terminal:
    """One 80 x 24 terminal of a tmux server of its own, running a program in `folder`. A shell
    around the program writes its exit status on the screen and then keeps the terminal open, so
    that both can be read."""

    EXIT_MARK = "exit status "

    def __init__(self, folder):
        self.socket = os.path.join(folder, "tmux.socket")
        self.env = {name: value for name, value in os.environ.items() if name != "TMUX"}
        shell = '"$@"; echo "%s$?"; exec sleep %d' % (self.EXIT_MARK, 6 * WAIT_SECONDS)
        self.tmux("-f", os.devnull, "new-session", "-d", "-x", "80", "-y", "24", "-c", folder,
                  "sh", "-c", shell, "sh", *PROGRAM)

    def tmux(self, *arguments):
        return subprocess.run(["tmux", "-S", self.socket, *arguments], env=self.env, check=True,
                              capture_output=True, text=True, timeout=WAIT_SECONDS).stdout

    def close(self):
        self.tmux("kill-server")

    def type_line(self, text):
        self.tmux("send-keys", "-l", text)
        self.tmux("send-keys", "Enter")

    def screen(self):
        """The screen's lines, scrolled-off ones included, up to the last written one."""
        lines = [line.rstrip() for line in self.tmux("capture-pane", "-p", "-S", "-").split("\n")]
        while lines and not lines[-1]:
            lines.pop()
        return lines

    def wait_for(self, condition, what):
        """Waits until `condition` holds for the screen's last written line; returns the screen."""
        deadline = time.monotonic() + WAIT_SECONDS
        while not condition((self.screen() or [""])[-1]):
            if time.monotonic() > deadline:
                raise AssertionError("timed out waiting for %s on %r" % (what, self.screen()))
            time.sleep(0.02)
        return self.screen()

    def wait_for_prompt(self, prompt):
        self.wait_for(lambda line: line == prompt.rstrip(), repr(prompt))

    def finish(self):
        """Waits until the program has ended; returns its exit status and the lines it wrote."""
        lines = self.wait_for(lambda line: line.startswith(self.EXIT_MARK), "the program's end")
        return int(lines[-1][len(self.EXIT_MARK):]), lines[:-1]


class ConsoleTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        with open(os.path.join(self.folder.name, "words.txt"), "w") as file:
            file.write(WORDS)
        self.terminal = Terminal(self.folder.name)

    def tearDown(self):
        name = self.id().split(".")[-1]
        os.makedirs(ARTIFACTS, exist_ok=True)
        with open(os.path.join(ARTIFACTS, name + ".txt"), "w") as file:
            file.write("\n".join(self.terminal.screen()) + "\n")
        self.terminal.close()
        self.folder.cleanup()

    def start_game(self):
        t = self.terminal
        t.wait_for_prompt("How many letters (min 3)? ")  # it shows before any input
        t.type_line("5")
        t.wait_for_prompt("Guess 1: ")

    def test_plays_a_game_to_the_end(self):
        t = self.terminal
        self.start_game()
        t.type_line("shoes")
        t.wait_for_prompt("Guess 2: ")
        t.type_line("House")
        self.assertEqual(t.finish(), (0, OPENING + ["Guess 1: shoes", "4 / 0", "Guess 2: House",
                                                    "0 / 5", "Woohoo! You got it!"]))

    def test_end_of_input_ends_the_run(self):
        t = self.terminal
        self.start_game()
        t.tmux("send-keys", "C-d")
        self.assertEqual(t.finish(), (1, OPENING + ["Guess 1:"]))


if __name__ == "__main__":
    ARTIFACTS, PROGRAM = os.path.abspath(sys.argv[1]), sys.argv[2:]
    unittest.main(argv=sys.argv[:1], verbosity=2)

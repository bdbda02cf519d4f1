"""End-to-end: the console guess tester played with typed keys in a real terminal (a private tmux
server), checking the screen a player sees and the exit status. Usage: console_test.py PROGRAM..."""

import os
import subprocess
import sys
import tempfile
import unittest

import desktop

PROGRAM = []  # the command that starts the tester
WAIT_SECONDS = 10
WORDS = "A\nHOUSE\nZOO\n"  # every five-letter pick is HOUSE
EXIT_MARK = "exit status "


class ConsoleTest(unittest.TestCase):
    def tmux(self, *arguments):
        return subprocess.run(["tmux", "-S", self.socket, *arguments], check=True,
                              capture_output=True, text=True, timeout=WAIT_SECONDS).stdout

    def screen(self):
        """The screen's lines up to the last written one, scrolled-off ones included."""
        return self.tmux("capture-pane", "-p", "-S", "-").rstrip().split("\n")

    def wait_for_last_line(self, line):
        desktop.wait_until(lambda: self.screen()[-1] == line, "%r as the last line" % line)

    def test_plays_a_game_to_the_end(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        with open(os.path.join(folder.name, "words.txt"), "w") as file:
            file.write(WORDS)
        self.socket = os.path.join(folder.name, "tmux.socket")
        # A shell around the program shows its exit status and keeps the terminal open.
        shell = '"$@"; echo "%s$?"; exec sleep %d' % (EXIT_MARK, 6 * WAIT_SECONDS)
        self.tmux("-f", os.devnull, "new-session", "-d", "-x", "80", "-y", "24", "-c", folder.name,
                  "sh", "-c", shell, "sh", *PROGRAM)
        self.addCleanup(self.tmux, "kill-server")
        for prompt, typed in (("How many letters (min 3)?", "5"), ("Guess 1:", "shoes"),
                              ("Guess 2:", "House")):
            self.wait_for_last_line(prompt)
            self.tmux("send-keys", typed, "Enter")  # none of the typed words is a key name
        self.wait_for_last_line(EXIT_MARK + "0")
        self.assertEqual(self.screen(), [
            "Guess tester", "How many letters (min 3)? 5",
            "Words file is %d bytes long" % len(WORDS), "Word has 5 letters",
            "Guess 1: shoes", "4 / 0", "Guess 2: House", "0 / 5", "Woohoo! You got it!",
            EXIT_MARK + "0"])


if __name__ == "__main__":
    PROGRAM = sys.argv[1:]
    os.environ.pop("TMUX", None)  # the private server is no nested session
    unittest.main(argv=sys.argv[:1], verbosity=2)

"""Plays the real console guess tester with piped input beside a crafted words.txt and compares
its standard output, standard error and exit status. Usage: guess_test.py PROGRAM [ARGUMENT...],
the program maybe started through a runner (Wine for the Windows build)."""

import os
import subprocess
import sys
import tempfile
import unittest

PROGRAM = []  # the command that starts the tester
# Each length has one word only, never on the first line, so that every pick is known.
WORDS = b"A\nANT\nBIRD\nHOUSE\nPLANETS\nZEBRAS\n"
CRLF_WORDS = b"A\r\nHELLO\r\nZOO\r\n"

START = "Guess tester\n"
ASK = "How many letters (min 3)? "
WON = "Woohoo! You got it!\n"


def picked(words, length):
    return "Words file is %d bytes long\nWord has %d letters\n" % (len(words), length)


# name, words.txt (bytes, or None for none), standard input, output, error, exit status
CASES = [
    ("length answers asked again", WORDS, b"2\nabc\n\n17\n 7 letters\nplanets\n",
     START + ASK * 5 + picked(WORDS, 7) + "Guess 1: 0 / 7\n" + WON, "", 0),
    ("shortest length", WORDS, b"3\nant\n",
     START + ASK + picked(WORDS, 3) + "Guess 1: 0 / 3\n" + WON, "", 0),
    ("guesses scored wrong / right until the word", WORDS,
     b"5\nshoes\nxousEh\nhos\n\n*ouse\nhouse\n",
     START + ASK + picked(WORDS, 5) + "Guess 1: 4 / 0\nGuess 2: 1 / 4\nGuess 3: 1 / 2\n"
     "Guess 4: 0 / 0\nGuess 5: 0 / 4\nGuess 6: 0 / 5\n" + WON, "", 0),
    ("CR LF lines in the input and the words file", CRLF_WORDS,
     b"5\r\nholly\r\nllama\r\nhello\r\n",
     START + ASK + picked(CRLF_WORDS, 5) + "Guess 1: 1 / 3\nGuess 2: 2 / 0\nGuess 3: 0 / 5\n"
     + WON, "", 0),
    ("long lines cut at 255 and 254 characters, the rest dropped", WORDS,
     b" " * 255 + b"5\n5\n" + b"X" * 254 + b"H" + b"HOUSE" * 20 + b"\nhouse\n",
     START + ASK * 2 + picked(WORDS, 5) + "Guess 1: 0 / 0\nGuess 2: 0 / 5\n" + WON, "", 0),
    ("no words file", None, b"5\n",
     START + ASK, "Error opening 'words.txt' for reading\n", 1),
    ("no word of the longest length", WORDS, b"16\n",
     START + ASK + "Words file is %d bytes long\n" % len(WORDS),
     "No 16-letter word in 'words.txt'\n", 1),
    ("input ends at the length prompt", WORDS, b"2\n", START + ASK * 2 + "\n", "", 1),
    ("input ends after a last guess without a line end", WORDS, b"5\nshoes",
     START + ASK + picked(WORDS, 5) + "Guess 1: 4 / 0\nGuess 2: \n", "", 1),
]


def play(words, **streams):
    """Runs the tester in a temporary folder holding `words` as words.txt (none if None)."""
    with tempfile.TemporaryDirectory() as folder:
        if words is not None:
            with open(os.path.join(folder, "words.txt"), "wb") as file:
                file.write(words)
        return subprocess.run(PROGRAM, cwd=folder, timeout=120, **streams)


class GuessTest(unittest.TestCase):
    def test_transcripts(self):
        for name, words, given, output, error, status in CASES:
            with self.subTest(name):
                run = play(words, input=given, capture_output=True)
                self.assertEqual((run.stdout.decode("latin-1"), run.stderr.decode("latin-1"),
                                  run.returncode), (output, error, status))

    def test_standard_streams_that_fail(self):
        if len(PROGRAM) != 1:
            self.skipTest("the descriptors of a native program only")
        # Standard output closed: the game goes on unseen and ends with its input.
        run = play(WORDS, input=b"5\nhouse\n", stderr=subprocess.PIPE,
                   preexec_fn=lambda: os.close(1))
        self.assertEqual((run.returncode, run.stderr), (0, b""))
        # Standard input a folder: the first read fails, which ends the run.
        folder_input = os.open(tempfile.gettempdir(), os.O_RDONLY)
        run = play(WORDS, stdin=folder_input, capture_output=True)
        os.close(folder_input)
        self.assertEqual((run.returncode, run.stdout), (1, (START + ASK + "\n").encode()))


if __name__ == "__main__":
    PROGRAM = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)

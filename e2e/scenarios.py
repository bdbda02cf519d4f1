"""The games that the window tests play, written once for every front end: window_test.py plays
them on the native window and on the Windows program under Wine, browser_test.py on the page in
Chromium. A scenario is a table of steps, each a player's action with what must show after it; the
game runs until its last step, which ends it with exit status 1. The main dialog's size and its
controls, in tab order, are read from its template in app/glyphwise.rc."""

import collections
import os
import re

# Every pick is APPLE: a random chunk's first line is never taken, and each chunk that starts
# before the second APPLE holds one. ALPHA is a word of the list that is never picked.
WORDS = "ALPHA\nAPPLE\nAPPLE\nPAPERS\n"
PICK_LINE = "Words file is %d bytes long" % len(WORDS)  # the console's line for each pick
TITLE = "Glyphwise"  # the main dialog's caption
BOX = "GlyphWise V1.0"  # the caption of the game's message boxes
ABOUT = BOX  # the first line of the About box's text
HELP = "Glyphwise is a word game for one player, in which the computer"  # and of the Help box's
PROMPT = "How many letters (4-10)?"
START = [BOX, "Copyright (C) 2026 The Glyphwise Authors", "", PROMPT]
FIVE = "The word has 5 letters; guess away!"
WON = "Well done, word guessed!"

# action: "enter" types the argument and Enter, "type" types it, "keys" presses the keys it names
# (xdotool's names, one after the other), "click" clicks the control of that id (the template's
# name), "close" clicks the dialog's close box, "picture" saves the dialog's picture as that file.
# lines: the history list after the action (None: unchanged from before); box: the first line of
# the message box that the action shows (None: no box is shown after it).
Step = collections.namedtuple("Step", "action argument lines box",
                              defaults=(None, None, None))
Scenario = collections.namedtuple("Scenario", "name picks steps")  # picks: the console's lines

SCENARIOS = [
    Scenario("keys and clicks", 2, [
        Step("enter", "3", START),  # too few letters: refused, and left in the entry
        Step("keys", "BackSpace"),
        Step("enter", "5", [FIVE]),
        Step("enter", "zzzzz", [FIVE, "  1: ZZZZZ  Unknown Word"]),
        Step("click", "IDC_HISTORY"),
        Step("type", "alpha"),  # the list takes the letters: a and h press no button there
        Step("keys", "Tab"),  # on to the entry
        Step("enter", "alpha", [FIVE, "  1: ZZZZZ  Unknown Word", "  2: ALPHA  2/1"]),
        Step("enter", "app"),  # of the wrong length: refused, and left in the entry
        Step("enter", "le", [FIVE, "  1: ZZZZZ  Unknown Word", "  2: ALPHA  2/1",
                             "  3: APPLE  5/0", WON]),
        Step("picture", "won.png"),
        Step("click", "IDC_NEW_GAME", [PROMPT]),
        Step("enter", "5", [FIVE]),
        Step("keys", "alt+c", [FIVE, "The word was APPLE"]),
        Step("keys", "alt+a", box=ABOUT),
        Step("keys", "Return"),
        Step("keys", "alt+h", box=HELP),
        Step("keys", "Return"),
        Step("keys", "Escape"),  # which must not end the game
        Step("click", "IDC_EXIT"),
    ]),
    Scenario("the keyboard alone", 1, [
        Step("enter", "5", [FIVE]),
        Step("keys", "Tab Tab Tab Tab Return", box=ABOUT),  # Guess, New Game, Concede, About
        Step("keys", "Escape"),
        Step("keys", "Tab Tab Tab Tab Tab Tab Return", box=HELP),  # then Exit, Help
        Step("keys", "Return"),
        Step("keys", "alt+n", [PROMPT]),
        Step("keys", "Escape"),
        Step("keys", "Tab Tab Tab Return"),  # Guess, About, Exit: New Game and Concede are off
    ]),
    Scenario("the pointer alone", 1, [
        Step("click", "IDC_ENTRY"),
        Step("type", "5"),
        Step("click", "IDC_GUESS", [FIVE]),
        Step("type", "apple"),
        Step("click", "IDC_GUESS", [FIVE, "  1: APPLE  5/0", WON]),
        Step("click", "IDC_EXIT"),
    ]),
    Scenario("the close box", 0, [Step("close")]),
]

Control = collections.namedtuple("Control", "name x y width height")  # in dialog units


def read_template():
    """The main dialog's size, its font's point size and its controls in tab order."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "glyphwise.rc")
    with open(path) as file:
        text = file.read()
    dialog = re.search(r"^IDD_MAIN DIALOG \d+, \d+, (\d+), (\d+)$(.*?)^END$", text, re.M | re.S)
    point_size = int(re.search(r"^FONT (\d+),", dialog[3], re.M)[1])
    controls = re.findall(r'CONTROL "[^"]*", (-?\w+),.*?(\d+), (\d+), (\d+), (\d+)$', dialog[3],
                          re.M | re.S)
    return ((int(dialog[1]), int(dialog[2])), point_size,
            [Control(name, *map(int, place)) for name, *place in controls])


DIALOG_SIZE, POINT_SIZE, CONTROLS = read_template()


def control(name):
    """The index in tab order and the control named `name`."""
    return next((index, item) for index, item in enumerate(CONTROLS) if item.name == name)

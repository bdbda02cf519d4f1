"""The player's side of the window tests, on the display that xvfb-run gives them: a window manager
(openbox) and the few actions a player takes, driven with xdotool. Every wait is bounded."""

import contextlib
import subprocess
import time

WAIT_SECONDS = 60  # Wine's first start in a new prefix alone takes about ten seconds


def run(*command):
    """Runs a command to its end and returns the words of its standard output."""
    return subprocess.run(command, capture_output=True, text=True,
                          timeout=WAIT_SECONDS).stdout.split()


def wait_until(condition, what):
    deadline = time.monotonic() + WAIT_SECONDS
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


@contextlib.contextmanager
def window_manager():
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_until(lambda: run("wmctrl", "-m"), "a window manager")
        yield
    finally:
        manager.kill()
        manager.wait(WAIT_SECONDS)


def start(command, folder):
    """Starts a program in `folder`; its standard output is captured."""
    return subprocess.Popen(command, cwd=folder, stdout=subprocess.PIPE, text=True)


def finish(program):
    """The exit status and standard output of a program that is ending."""
    output, _ = program.communicate(timeout=WAIT_SECONDS)
    return program.returncode, output


def windows(title):
    """Ids of the visible windows whose title is exactly `title`."""
    return run("xdotool", "search", "--onlyvisible", "--name", "^" + title + "$")


def wait_for_window(title):
    """Waits for a window titled `title`, activates it and returns its id."""
    wait_until(lambda: windows(title), "a window titled " + repr(title))
    window = windows(title)[0]
    run("xdotool", "windowactivate", "--sync", window)
    return window


def keys(*names):
    run("xdotool", "key", "--delay", "50", *names)
    time.sleep(0.2)


def type_text(text):
    run("xdotool", "type", "--delay", "50", text)
    time.sleep(0.2)


def enter(text):
    """Types `text` and Enter."""
    type_text(text)
    keys("Return")

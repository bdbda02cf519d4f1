"""A private X display for end-to-end tests: Xvfb with a window manager, and the few actions a
player takes (keys, typing, clicks), driven with xdotool. Every wait is bounded."""

import os
import select
import subprocess
import time

WAIT_SECONDS = 10


class Desktop:
    """Starts Xvfb (1024 x 768) and openbox; use it as a context manager."""

    def __init__(self, artifacts):
        self.artifacts = artifacts
        os.makedirs(artifacts, exist_ok=True)
        self.env = None
        self._processes = []

    def __enter__(self):
        if not self._start_display():
            self._stop_all()
            raise RuntimeError("no virtual display with a window manager could be started")
        return self

    def _start_display(self):
        read_end, write_end = os.pipe()
        self._processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        number = self._read_line(read_end)
        os.close(read_end)
        if not number:
            return False
        self.env = dict(os.environ, DISPLAY=":" + number)
        self._processes.append(subprocess.Popen(
            ["openbox"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline and self._running():
            if self._succeeds(["wmctrl", "-m"]):
                return True
            time.sleep(0.05)
        return False

    @staticmethod
    def _read_line(fd):
        """The display number Xvfb writes, read to its line end: closing the pipe before the
        server has written all of it makes the server give up."""
        text = b""
        deadline = time.monotonic() + WAIT_SECONDS
        while not text.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([fd], [], [], WAIT_SECONDS)
            chunk = os.read(fd, 16) if ready else b""
            if not chunk:
                break
            text += chunk
        return text.decode().strip() if text.endswith(b"\n") else ""

    def _running(self):
        return all(process.poll() is None for process in self._processes)

    def __exit__(self, *_):
        self._stop_all()

    def _stop_all(self):
        for process in reversed(self._processes):
            process.terminate()
            try:
                process.wait(timeout=WAIT_SECONDS)
            except subprocess.TimeoutExpired:
                process.kill()
        self._processes = []

    def start(self, command, cwd):
        """Starts a program on this display; its standard output is captured."""
        return subprocess.Popen(command, cwd=cwd, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)

    def xdotool(self, *arguments):
        result = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                                text=True, timeout=WAIT_SECONDS)
        return result.stdout.split()

    def windows(self, title):
        """Ids of the visible windows whose title is exactly `title`."""
        return self.xdotool("search", "--onlyvisible", "--name", "^" + title + "$")

    def wait_for_window(self, title):
        self.wait_until(lambda: self.windows(title), "a window titled " + repr(title))
        window = self.windows(title)[0]
        self.xdotool("windowactivate", "--sync", window)
        return window

    def wait_until_gone(self, title):
        self.wait_until(lambda: not self.windows(title), "no window titled " + repr(title))

    def keys(self, *keys):
        self.xdotool("key", "--delay", "50", *keys)
        time.sleep(0.2)

    def type(self, text):
        self.xdotool("type", "--delay", "50", text)

    def click(self, window, x, y):
        """Clicks at (x, y) pixels of the window's inside."""
        self.xdotool("mousemove", "--window", window, str(x), str(y), "click", "1")
        time.sleep(0.2)

    def geometry(self, window):
        """The window's inside width and height in pixels."""
        values = dict(line.split("=") for line in
                      self.xdotool("getwindowgeometry", "--shell", window))
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def close(self, title):
        """Asks the window manager to close the window, as its close box does."""
        subprocess.run(["wmctrl", "-c", title], env=self.env, timeout=WAIT_SECONDS, check=True)

    def screenshot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(self.artifacts, name + ".png")],
                       env=self.env, timeout=WAIT_SECONDS, check=True)

    def wait_until(self, condition, what):
        deadline = time.monotonic() + WAIT_SECONDS
        while not condition():
            if time.monotonic() > deadline:
                raise AssertionError("timed out waiting for " + what)
            time.sleep(0.02)

    def _succeeds(self, command):
        return subprocess.run(command, env=self.env, capture_output=True,
                              timeout=WAIT_SECONDS).returncode == 0

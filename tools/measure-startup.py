"""Measures the game's start: the time from starting the program to its window being shown, and
its peak resident memory, over several runs, with the shipped words list and with one 100 times
larger. A benchmark, not a test: it drives the game with the end-to-end tests' desktop.py.
Usage: xvfb-run -a tools/measure-startup.py PROGRAM SHIPPED_WORDS [RUNS]"""

import itertools
import os
import statistics
import string
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import desktop  # noqa: E402


def larger_list(shipped, folder):
    """Every shipped word and 99 longer ones made from it, sorted: 100 times the words."""
    with open(shipped) as file:
        words = file.read().split()
    pairs = ["".join(pair) for pair in itertools.product(string.ascii_uppercase, repeat=2)]
    suffixes = [""] + pairs[:99]
    larger = sorted(word + suffix for word in words for suffix in suffixes
                    if len(word + suffix) <= 16)
    with open(os.path.join(folder, "words.txt"), "w") as file:
        file.write("\n".join(larger) + "\n")


def peak_memory_kb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def measure(program, folder):
    """One run: seconds until the window is shown, then peak memory after a pick and a guess."""
    started = time.monotonic()
    game = desktop.start([program], folder)
    desktop.wait_for_window("Glyphwise")
    shown = time.monotonic() - started
    desktop.enter("7")
    desktop.enter("example")
    memory = peak_memory_kb(game.pid)
    desktop.keys("alt+x")
    game.communicate(timeout=10)
    return shown, memory


def main():
    program, shipped = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    with tempfile.TemporaryDirectory() as small, tempfile.TemporaryDirectory() as large:
        os.symlink(shipped, os.path.join(small, "words.txt"))
        larger_list(shipped, large)
        with desktop.window_manager():
            for name, folder in (("shipped", small), ("100 times larger", large)):
                size = os.path.getsize(os.path.join(folder, "words.txt"))
                results = [measure(program, folder) for _ in range(runs)]
                times = [shown * 1000 for shown, _ in results]
                memory = [kb / 1024 for _, kb in results]
                print("%-17s %11d bytes: window shown in %.0f ms (median of %d, max %.0f), "
                      "peak memory %.1f MB (max %.1f)" %
                      (name, size, statistics.median(times), runs, max(times),
                       statistics.median(memory), max(memory)))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Measures the browser edition's start: the time from the navigation to the game's start lines
shown, against a bare emscripten page with one button (tools/bare-page.c, built here with the same
emcc), both served by Python's http.server on this machine and loaded in headless Chromium, a new
browser for each pair of loads (a first visit, then the page again), in interleaved runs; where
the game's time goes (when each of its files arrived); and each file's size gzipped. A benchmark,
not a test: it prints the figures beside their targets. Run it with Debian's Python, which has
python3-selenium. Usage: /usr/bin/python3 tools/measure-web.py SITE [RUNS] (SITE: build/web/site)"""

import gzip
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

from selenium.webdriver.support.wait import WebDriverWait

TOOLS = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(TOOLS, "..", "e2e"))
import browser  # noqa: E402

BARE_PAGE = """<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Bare</title></head>
<body><script src="bare.js"></script></body></html>
"""
# Run before the page's own scripts: keeps the time when the page's WebAssembly is compiled and
# instantiated, and that of the first frame after an element matching the selector appears, in
# milliseconds from the navigation's start.
WATCH = """
  var instantiate = WebAssembly.instantiateStreaming;
  WebAssembly.instantiateStreaming = function() {
    return instantiate.apply(this, arguments).then(function(result) {
      window.wasmReadyAt = performance.now();
      return result;
    });
  };
  new MutationObserver(function(changes, observer) {
    if (!document.querySelector(%s)) return;
    observer.disconnect();
    requestAnimationFrame(function() { window.shownAt = performance.now(); });
  }).observe(document, {childList: true, subtree: true});
"""
SHOWN = {"game": "dialog.winapi-dialog[open] option:nth-child(4)", "bare": "body > button"}
ARRIVED = """return performance.getEntriesByType('navigation').concat(
    performance.getEntriesByType('resource')).map(function(entry) {
      return [entry.name.replace(/.*\\//, '') || 'index.html', entry.responseEnd]; });"""
WAIT_SECONDS = 60


def build_bare_page(folder):
    shutil.copy(os.path.join(TOOLS, "bare-page.c"), folder)
    with open(os.path.join(folder, "index.html"), "w") as file:
        file.write(BARE_PAGE)
    subprocess.run(["emcc", "-Os", "-sENVIRONMENT=web", "bare-page.c", "-o", "bare.js"],
                   cwd=folder, check=True, env=dict(os.environ, NODE_PATH="/usr/share/nodejs"))
    os.remove(os.path.join(folder, "bare-page.c"))


def load(driver, url):
    """Milliseconds to the page shown, to its WebAssembly ready and to each of its files arrived."""
    driver.get(url)
    WebDriverWait(driver, WAIT_SECONDS).until(lambda _: driver.execute_script(
        "return window.shownAt"), "the page shown")
    times = {"shown": driver.execute_script("return window.shownAt"),
             "WebAssembly ready": driver.execute_script("return window.wasmReadyAt")}
    times.update(driver.execute_script(ARRIVED))
    return times


def measure(url, page):
    """A first visit and a second load in a new browser: two results of load()."""
    driver = browser.chromium()
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": WATCH % json.dumps(SHOWN[page])})
        return [load(driver, url + page + "/") for _ in range(2)]
    finally:
        driver.quit()


def gzipped(folder):
    """Each file's name and size gzipped (-9) in bytes."""
    sizes = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), "rb") as file:
            sizes[name] = len(gzip.compress(file.read(), 9))
    return sizes


def main():
    site = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    with tempfile.TemporaryDirectory() as root:
        shutil.copytree(site, os.path.join(root, "game"))
        os.mkdir(os.path.join(root, "bare"))
        build_bare_page(os.path.join(root, "bare"))
        server, url = browser.serve(root)
        try:
            results = {"game": [], "bare": []}
            for run in range(runs):
                for page in ("game", "bare") if run % 2 == 0 else ("bare", "game"):
                    results[page].append(measure(url, page))
        finally:
            browser.stop(server)
        bare_sizes = gzipped(os.path.join(root, "bare"))
    for visit, heading in enumerate(("a first visit", "loaded again")):
        print("%s (medians of %d interleaved runs, in ms from the navigation):" % (heading, runs))
        shown = {}
        for page in ("game", "bare"):
            loads = [result[visit] for result in results[page]]
            names = set.intersection(*(set(times) for times in loads))
            times = {name: statistics.median(times[name] for times in loads) for name in names}
            shown[page] = times["shown"]
            print("  %s: %s" % (page, ", ".join("%s %.0f" % (name, times[name])
                                               for name in sorted(names, key=times.get))))
        print("  the game takes %.2f times the bare page's time (at most 1.5 wanted)" %
              (shown["game"] / shown["bare"]))
    sizes = gzipped(site)
    program = sizes["glyphwise.js"] + sizes["glyphwise.wasm"]
    print("Gzipped bytes (gzip -9): " + ", ".join("%s %d" % item for item in sizes.items()))
    print("The program (.js and .wasm): %d, at most 150000 wanted; the whole site: %d, at most "
          "350000 wanted; the bare page: %d" %
          (program, sum(sizes.values()), sum(bare_sizes.values())))


if __name__ == "__main__":
    main()

"""The browser's side of the browser test and of tools/measure-web.py: a headless Chromium driven
by selenium (Debian's chromium and chromium-driver), and a web server of a folder on a free port
of 127.0.0.1 in a thread of its own (Python's http.server)."""

import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-size=1024,768"]


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


def chromium(**emulation):
    """A headless Chromium that keeps the console's messages; `emulation`: a phone's, if any."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS:
        options.add_argument(flag)
    if emulation:
        options.add_experimental_option("mobileEmulation", emulation)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def serve(folder):
    """A web server of `folder` and its URL."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_port


def stop(server):
    server.shutdown()
    server.server_close()

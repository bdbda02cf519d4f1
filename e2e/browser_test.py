"""End-to-end in a real browser: headless Chromium, driven by selenium, plays the scenarios of
scenarios.py on the page as the window test plays them on the native window, reading the history
list, the boxes, the page's word that the game ended and the console's pick lines besides; checks
every control's place against the template, the page at a phone's size played by taps, and the
dialog and a box with axe-core (installed by 'npm ci' in this folder). It serves a copy of the site
whose words are the tests' own. Keeps the won game's page as won-page.png beside the site.
Usage: browser_test.py SITE (the web preset's build/web/site)."""

import functools
import http.server
import json
import math
import os
import re
import shutil
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

from scenarios import Step, BOX, CONTROLS, DIALOG_SIZE, PICK_LINE, POINT_SIZE, SCENARIOS, START, WORDS, control

SITE = None  # the site's folder
WAIT_SECONDS = 20
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-size=1024,768"]
KEYS = {"Return": Keys.ENTER, "Tab": Keys.TAB, "Escape": Keys.ESCAPE, "BackSpace": Keys.BACKSPACE}
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core",
                   "axe.min.js")
MAIN = "dialog.winapi-dialog:not(.winapi-modal)"
# What the page shows: the history's lines (blanks are shown as no-break spaces), the box shown
# as its caption and text, and the page's status once the program has ended.
READ_PAGE = """
  var lines = document.querySelectorAll('%s option'), box = document.querySelector('dialog.winapi-modal[open]'), status = document.getElementById('status');
  return {lines: Array.from(lines, function(line) { return line.textContent.replace(/\\u00a0/g, ' '); }),
          box: box && [box.querySelector('.winapi-caption').textContent, box.querySelector('.winapi-static').textContent],
          ended: status.hidden ? null : document.getElementById('message').textContent};
""" % MAIN
# The client area's and the controls' rectangles in the page, the dialogs' scale, and the size of
# the alphabet measured in the dialog font as the page measures it.
READ_PLACES = """
  var client = document.querySelector('%s .winapi-client'), origin = client.getBoundingClientRect();
  var probe = document.createElement('div');
  probe.className = 'winapi-measure';
  probe.style.fontSize = arguments[0] + 'px';
  probe.textContent = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
  document.body.appendChild(probe);
  var alphabet = probe.getBoundingClientRect();
  probe.remove();
  return {scale: Number(getComputedStyle(document.documentElement).getPropertyValue('--winapi-scale')),
          alphabet: [alphabet.width, alphabet.height],
          rects: Array.from([client].concat(Array.from(client.children)), function(element) {
            var rect = element.getBoundingClientRect();
            return [rect.left - origin.left, rect.top - origin.top, rect.width, rect.height]; })};
""" % MAIN


def test_site(folder):
    """A copy of the site in `folder` whose preloaded words.txt is WORDS: the .data holds the
    file's bytes, at the place that the .js records for it."""
    shutil.copytree(SITE, folder, dirs_exist_ok=True)
    with open(os.path.join(folder, "glyphwise.data"), "w") as file:
        file.write(WORDS)
    with open(os.path.join(folder, "glyphwise.js")) as file:
        program = file.read()
    found = re.search(r'loadPackage\((\{"files":.*?\})\)', program)
    package = json.loads(found[1])
    assert package["files"] == [{"filename": "/words.txt", "start": 0,
                                 "end": package["remote_package_size"]}], package
    package["files"][0]["end"] = package["remote_package_size"] = len(WORDS)
    with open(os.path.join(folder, "glyphwise.js"), "w") as file:
        file.write(program[:found.start(1)] + json.dumps(package) + program[found.end(1):])


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


class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        test_site(cls.folder.name)
        cls.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=cls.folder.name))
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.url = "http://127.0.0.1:%d/" % cls.server.server_port
        cls.browser = chromium()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        cls.server.server_close()
        cls.folder.cleanup()

    def wait(self, browser, condition, what):
        return WebDriverWait(browser, WAIT_SECONDS).until(lambda _: condition(), what)

    def page(self, browser):
        return browser.execute_script(READ_PAGE)

    def load(self, browser):
        """Opens the page anew; the console's messages before are dropped."""
        browser.get(self.url)
        browser.get_log("browser")
        self.wait_for_start(browser)

    def wait_for_start(self, browser):
        self.wait(browser, lambda: self.page(browser)["lines"] == START, "the start lines")

    def click(self, browser, target, tap):
        pointer = ActionBuilder(browser, mouse=PointerInput(interaction.POINTER_TOUCH, "finger")
                                if tap else None)
        pointer.pointer_action.move_to(target).click()
        pointer.perform()

    def element(self, browser, name):
        return browser.execute_script("return document.querySelector(arguments[0]).children["
                                      "arguments[1]]", MAIN + " .winapi-client", control(name)[0])

    def act(self, browser, step, tap):
        """Takes the step's action, with taps for clicks if `tap`."""
        if step.action == "click":
            self.click(browser, self.element(browser, step.argument), tap)
        elif step.action == "close":
            self.click(browser, browser.find_element(By.CSS_SELECTOR, MAIN + " .winapi-close"), tap)
        elif step.action == "picture":
            browser.save_screenshot(os.path.join(os.path.dirname(SITE), "won-page.png"))
        else:
            keys = ActionChains(browser)
            if step.action == "keys":
                for name in step.argument.split():
                    if name.startswith("alt+"):
                        keys.key_down(Keys.ALT).send_keys(name[4:]).key_up(Keys.ALT)
                    else:
                        keys.send_keys(KEYS[name])
            else:
                keys.send_keys(step.argument + (Keys.ENTER if step.action == "enter" else ""))
            keys.perform()

    def play(self, browser, scenario, tap=False):
        """Plays `scenario` on the page that shows the start lines, then starts anew by the page's
        Play again."""
        self.load(browser)
        lines = START
        for number, step in enumerate(scenario.steps, 1):
            self.act(browser, step, tap)
            if number == len(scenario.steps):
                break
            lines = step.lines or lines

            def settled():
                shown = self.page(browser)
                return shown["lines"] == lines and bool(shown["box"]) == bool(step.box) and shown

            shown = self.wait(browser, settled, "step %d, %s" % (number, step))
            if step.box:
                self.assertEqual(shown["box"][0], BOX)
                self.assertEqual(shown["box"][1].split("\n")[0], step.box)
            self.assertIsNone(shown["ended"], "ended by step %d, %s" % (number, step))
        ended = self.wait(browser, lambda: self.page(browser)["ended"], "the game's end")
        self.assertEqual(ended, "The game has ended (exit code 1).")
        console = [re.fullmatch(r'\S+ \d+:\d+ "(.*)"', entry["message"])[1]
                   for entry in browser.get_log("browser") if entry["source"] == "console-api"]
        self.assertEqual(console, [PICK_LINE] * scenario.picks)
        self.click(browser, browser.find_element(By.ID, "again"), tap)
        self.wait_for_start(browser)

    def test_scenarios(self):
        for scenario in SCENARIOS:
            with self.subTest(scenario.name):
                self.play(self.browser, scenario)

    def test_places_every_control_where_the_template_says(self):
        self.load(self.browser)
        font_size = (POINT_SIZE * 96 + 36) // 72  # in pixels at 96 an inch, rounded
        places = self.browser.execute_script(READ_PLACES, font_size)
        units = ((math.ceil(places["alphabet"][0]) // 26 + 1) // 2, math.ceil(places["alphabet"][1]))
        template = [(0, 0) + DIALOG_SIZE] + [item[1:] for item in CONTROLS]
        for rect, item in zip(places["rects"], template, strict=True):
            # Win32's MulDiv of each value by its base unit, over 4 across and 8 down
            expected = [(value * units[index % 2] + 2 + 2 * (index % 2)) // (4 + 4 * (index % 2))
                        for index, value in enumerate(item)]
            self.assertTrue(all(abs(value / places["scale"] - place) <= 1
                                for value, place in zip(rect, expected)), (rect, expected))


    def test_phone_plays_by_taps(self):
        phone = chromium(deviceMetrics={"width": 360, "height": 640, "pixelRatio": 3, "touch": True})
        self.addCleanup(phone.quit)
        self.load(phone)
        shown = phone.execute_script("var rect = document.querySelector(arguments[0])"
                                     ".getBoundingClientRect(); return [innerWidth, innerHeight, "
                                     "rect.left, rect.top, rect.right, rect.bottom]", MAIN)
        self.assertEqual(shown[:2], [360, 640])
        self.assertTrue(0 <= shown[2] < shown[4] <= 360 and 0 <= shown[3] < shown[5] <= 640, shown)
        self.play(phone, next(item for item in SCENARIOS if item.name == "the pointer alone"),
                  tap=True)

    def axe_violations(self, selector):
        """axe-core's violations in the element: each rule's id with the elements that break it."""
        violations = self.browser.execute_async_script(
            "var done = arguments[1]; axe.run(document.querySelector(arguments[0]))"
            ".then(function(results) { done(results.violations); });", selector)
        return [(rule["id"], [node["target"] for node in rule["nodes"]]) for rule in violations]

    def test_accessible(self):
        self.load(self.browser)
        with open(AXE) as file:
            self.browser.execute_script(file.read())
        for keys, selector in (("", MAIN), ("alt+a", "dialog.winapi-modal[open]")):
            with self.subTest(selector):
                self.act(self.browser, Step("keys", keys), tap=False)
                self.assertEqual(self.axe_violations(selector), [])
                for control in self.browser.find_elements(
                        By.CSS_SELECTOR, selector + " :is(button, input, select)"):
                    self.assertTrue(control.accessible_name, control.get_attribute("outerHTML"))


if __name__ == "__main__":
    SITE = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)

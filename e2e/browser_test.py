"""End-to-end in a real browser: headless Chromium, driven by selenium, plays the scenarios of
scenarios.py on the page as the window test plays them on the native window, reading the history
list, the boxes, the page's word that the game ended and the console's pick lines besides. It also
sees the assertion report of a copy of the game that fails one, checks every control's place
against the template, plays the page at a phone's size by taps and again, reloaded, once the
server has stopped (from the site's service worker), and checks the dialog and a box with axe-core
(installed by 'npm ci' in this folder). It serves a copy of the site whose words are the tests'
own, and keeps the won game's page as won-page.png beside the site.
Usage: browser_test.py SITE (the web preset's build/web/site, with build/web/failing beside it: its
target failing_site, a copy of the game that fails an assertion)."""

import json
import math
import os
import re
import shutil
import sys
import tempfile
import unittest
import urllib.request

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

from browser import chromium, serve, stop
from scenarios import (BOX, CONTROLS, DIALOG_SIZE, PICK_LINE, POINT_SIZE, SCENARIOS, START, TITLE,
                       WORDS, Step, control)

SITE = None  # the site's folder
WAIT_SECONDS = 20
POINTER = next(scenario for scenario in SCENARIOS if scenario.name == "the pointer alone")
KEYS = {"Return": Keys.ENTER, "Tab": Keys.TAB, "Escape": Keys.ESCAPE, "BackSpace": Keys.BACKSPACE}
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core",
                   "axe.min.js")
MAIN = "dialog.winapi-dialog:not(.winapi-modal)"
BOX_SHOWN = "dialog.winapi-modal[open]"
# What the page shows: the history's lines (blanks are shown as no-break spaces), the box shown
# as its caption, its text and whether it has a stop sign, and the page's word once the program
# has ended.
READ_PAGE = """
  var lines = document.querySelectorAll('%s option'), box = document.querySelector('%s');
  return {lines: Array.from(lines, function(line) {
            return line.textContent.replace(/\\u00a0/g, ' '); }),
          box: box && [box.querySelector('.winapi-caption').textContent,
                       box.querySelector('.winapi-static').textContent,
                       !!box.querySelector('.winapi-stop')],
          ended: document.getElementById('status').hidden ? null :
              document.getElementById('message').textContent};
""" % (MAIN, BOX_SHOWN)
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
  var scale = getComputedStyle(document.documentElement).getPropertyValue('--winapi-scale');
  return {scale: Number(scale),
          alphabet: [alphabet.width, alphabet.height],
          rects: Array.from([client].concat(Array.from(client.children)), function(element) {
            var rect = element.getBoundingClientRect();
            return [rect.left - origin.left, rect.top - origin.top, rect.width, rect.height]; })};
""" % MAIN


def site_with_test_words(folder):
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


def mul_div(number, numerator, denominator):
    """Win32's MulDiv of numbers that are not negative: the product over the divisor, rounded."""
    return (number * numerator + denominator // 2) // denominator


class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        site_with_test_words(cls.folder.name)
        cls.server, cls.url = serve(cls.folder.name)
        cls.browser = chromium()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        stop(cls.server)
        cls.folder.cleanup()

    def wait(self, browser, condition, what):
        return WebDriverWait(browser, WAIT_SECONDS).until(lambda _: condition(), what)

    def page(self, browser):
        return browser.execute_script(READ_PAGE)

    def load(self, browser, url=None):
        browser.get(url or self.url)
        self.wait_for_start(browser)

    def wait_for_start(self, browser):
        self.wait(browser, lambda: self.page(browser)["lines"] == START, "the start lines")
        self.assertEqual(browser.title, TITLE)

    def click(self, browser, target, tap):
        pointer = ActionBuilder(browser, mouse=PointerInput(interaction.POINTER_TOUCH, "finger")
                                if tap else None)
        pointer.pointer_action.move_to(target).click()
        pointer.perform()

    def element(self, browser, name):
        """The page's control `name`: the client area holds the template's controls in order."""
        controls = browser.find_elements(By.CSS_SELECTOR, MAIN + " .winapi-client > *")
        return controls[control(name)[0]]

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
        Play again. The console's messages before are dropped."""
        browser.get_log("browser")
        lines = START
        for number, step in enumerate(scenario.steps, 1):
            self.act(browser, step, tap)
            if number == len(scenario.steps):
                break
            lines = step.lines or lines

            def settled():
                shown = self.page(browser)
                return (shown["ended"] or shown["lines"] == lines and
                        bool(shown["box"]) == bool(step.box)) and shown

            shown = self.wait(browser, settled, "step %d, %s" % (number, step))
            self.assertIsNone(shown["ended"], "ended by step %d, %s" % (number, step))
            if step.box:
                caption, text, stop_sign = shown["box"]
                self.assertEqual((caption, text.split("\n")[0], stop_sign), (BOX, step.box, False))
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
                self.load(self.browser)
                self.play(self.browser, scenario)

    def test_places_every_control_where_the_template_says(self):
        self.load(self.browser)
        font_size = mul_div(POINT_SIZE, 96, 72)  # in pixels at 96 an inch
        places = self.browser.execute_script(READ_PLACES, font_size)
        across = (math.ceil(places["alphabet"][0]) // 26 + 1) // 2
        down = math.ceil(places["alphabet"][1])
        template = [(0, 0) + DIALOG_SIZE] + [item[1:] for item in CONTROLS]
        for rect, (x, y, width, height) in zip(places["rects"], template, strict=True):
            expected = [mul_div(x, across, 4), mul_div(y, down, 8), mul_div(width, across, 4),
                        mul_div(height, down, 8)]
            self.assertTrue(all(abs(value / places["scale"] - place) <= 1
                                for value, place in zip(rect, expected)), (rect, expected))

    def check_whole(self, phone, selector):
        """The dialog lies whole in the phone's 360 x 640 page, and shows all of itself."""
        with self.subTest(selector):
            shown = phone.execute_script(
                "var dialog = document.querySelector(arguments[0]);"
                "var rect = dialog.getBoundingClientRect();"
                "return [innerWidth, innerHeight, rect.left, rect.top, rect.right, rect.bottom,"
                "        dialog.scrollWidth - dialog.clientWidth,"
                "        dialog.scrollHeight - dialog.clientHeight];", selector)
            self.assertTrue(shown[:2] == [360, 640] and 0 <= shown[2] < shown[4] <= 360 and
                            0 <= shown[3] < shown[5] <= 640 and shown[6:] == [0, 0], shown)

    def test_phone_plays_by_taps(self):
        phone = chromium(deviceMetrics={"width": 360, "height": 640, "pixelRatio": 3,
                                        "touch": True})
        self.addCleanup(phone.quit)
        self.load(phone)
        self.check_whole(phone, MAIN)
        self.click(phone, self.element(phone, "IDC_ABOUT"), tap=True)
        self.check_whole(phone, BOX_SHOWN)
        self.click(phone, phone.find_element(By.CSS_SELECTOR, BOX_SHOWN + " .winapi-client button"),
                   tap=True)
        self.play(phone, POINTER, tap=True)

    def test_plays_offline_after_one_visit(self):
        server, url = serve(self.folder.name)
        self.addCleanup(stop, server)
        browser = chromium()
        self.addCleanup(browser.quit)
        self.load(browser, url)
        browser.set_script_timeout(WAIT_SECONDS)
        browser.execute_async_script("navigator.serviceWorker.ready.then(arguments[0]);")
        stop(server)
        with self.assertRaises(OSError):
            urllib.request.urlopen(url, timeout=WAIT_SECONDS)
        browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        browser.refresh()
        self.wait_for_start(browser)
        self.play(browser, POINTER)

    def test_assertion_report_shows_two_boxes_and_ends_with_3(self):
        # A copy of the game that fails an assertion a second after it starts (the target
        # failing_site of the web preset, in the folder beside the site).
        server, url = serve(os.path.join(os.path.dirname(SITE), "failing"))
        self.addCleanup(stop, server)
        self.load(self.browser, url)
        for text in ("Assertion failed: _fp, file diskdict, line 57",
                     "Abnormal program termination"):
            box = self.wait(self.browser, lambda: self.page(self.browser)["box"], "a box")
            self.assertEqual(box, ["glyphwise", text, True])  # captioned with the program's name
            self.act(self.browser, Step("keys", "Return"), tap=False)
            self.wait(self.browser, lambda: self.page(self.browser)["box"] != box, "the box gone")
        ended = self.wait(self.browser, lambda: self.page(self.browser)["ended"], "the game's end")
        self.assertEqual(ended, "The game has ended (exit code 3).")

    def check_accessible(self, selector):
        """No violation of axe-core's rules in the dialog, and a name for each of its controls."""
        violations = self.browser.execute_async_script(
            "var done = arguments[1]; axe.run(document.querySelector(arguments[0]))"
            ".then(function(results) { done(results.violations); });", selector)
        self.assertEqual([(rule["id"], [node["target"] for node in rule["nodes"]])
                          for rule in violations], [])
        for element in self.browser.find_elements(By.CSS_SELECTOR,
                                                  selector + " :is(button, input, select)"):
            self.assertTrue(element.accessible_name, element.get_attribute("outerHTML"))

    def test_accessible(self):
        self.load(self.browser)
        with open(AXE) as file:
            self.browser.execute_script(file.read())
        self.check_accessible(MAIN)
        self.act(self.browser, Step("keys", "alt+a"), tap=False)
        self.check_accessible(BOX_SHOWN)


if __name__ == "__main__":
    SITE = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)

#!/usr/bin/python3
"""The browser page, driven as a user drives it: headless Chromium opens the
one self-contained page from disk, and the checks read what a user sees and a
screen reader hears. Expected values come from the cases the desktop suites
use. Usage: test_page.py PAGE CASES_JS"""
import functools
import http.server
import json
import math
import os
import re
import subprocess
import sys
import tempfile
import threading
import time

from browsers import chromium, run_suites
from page_driver import BLUE, Page, captions_fit
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

PAGE = Page.address = "file://" + sys.argv[1]
CASES = json.loads(subprocess.check_output(["node", sys.argv[2]], text=True))


def arrows_step_towards_their_end_and_repeat_while_held(browser):
    driver = browser.driver
    page = Page(browser)
    page.set_bars([50, -1, -1, 500])
    w, p = page.bar(0), page.bar(3)
    for arrow, box, shown in (("q-start", "Textw1", "0.49"), ("q-end", "Textw1", "0.5"),
                              ("q-start", "TextInitp", "0.501"),  # the top: towards p = 1
                              ("q-end", "TextInitp", "0.5")):
        (w if box == "Textw1" else p).find_element(By.CLASS_NAME, arrow).click()
        assert page.box(box) == shown, (arrow, box, page.box(box))
    # Held for 0.7 s: a step at once, then after 0.4 s one every 50 ms; none
    # once the button is up, though the pointer is still on the arrow.
    end = w.find_element(By.CLASS_NAME, "q-end")
    ActionChains(driver).click_and_hold(end).pause(0.7).release().perform()
    held = page.box("Textw1")
    time.sleep(0.3)
    assert page.box("Textw1") == held, (held, page.box("Textw1"))
    assert 0.55 <= float(held) <= 0.6, held


def thumb_drag_changes_the_value_when_it_ends(browser):
    driver = browser.driver
    page = Page(browser)
    bar = page.bar(0)
    thumb = bar.find_element(By.CLASS_NAME, "q-thumb")
    # The thumb runs 22 pixels, between the arrows: half-way is 0.5.
    drag = ActionChains(driver).click_and_hold(thumb).move_by_offset(11, 0)
    drag.perform()
    assert page.box("Textw1") == "w(AA)"  # nothing yet, during the drag
    ActionChains(driver).release().perform()
    assert page.box("Textw1") == "0.5", page.box("Textw1")


def screen_readers_get_names_and_values(browser):
    driver = browser.driver
    page = Page(browser)
    page.set_bars([80, 100, 60, 100])
    page.element("RUN").click()
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]

    def find(role, name):
        for node in nodes:
            if (node.get("role", {}).get("value") == role and
                    node.get("name", {}).get("value", "").startswith(name)):
                return node
        raise AssertionError("no %s named %s" % (role, name))

    def value(node):
        return node.get("value", {}).get("value")

    bar = find("scrollbar", "Fitness w(AA)")  # its value as the box shows it, 0 to 1
    assert abs(bar["value"]["value"] - 0.8) < 1e-6, bar["value"]
    assert page.bar(0).get_attribute("aria-valuetext") == "0.8"
    assert value(find("textbox", "Frequency A")) == "0.667"
    find("image", "Drawing: Trajectory: w(AA) 0.8, w(Aa) 1, w(aa) 0.6, from p0 0.1 to p100 0.667.")
    live = driver.find_element(By.ID, "q-announce")
    assert live.get_attribute("aria-live") == "polite"
    said = [live.get_attribute("textContent")]
    assert said[0].startswith("Trajectory:")
    # RUN again and again, the same sentence: each saying differs from the
    # one before, which a screen reader would not speak again.
    for _ in range(2):
        page.element("RUN").click()
        said.append(live.get_attribute("textContent"))
    assert all(a != b for a, b in zip(said, said[1:])), said
    assert [s.rstrip("\u00a0") for s in said] == [said[0]] * 3, said


def works_with_the_network_off(browser):
    driver = browser.driver
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": 0, "uploadThroughput": 0})
    try:
        page = Page(browser)
        page.set_bars([80, 100, 60, 500])
        page.element("RUN").click()
        assert page.box("Textp100") == "0.667"
    finally:
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})


def site_works_offline_after_a_first_visit(browser):
    """site/ from a server on 127.0.0.1: the first visit installs the service
    worker; with the server gone, the page still opens and computes."""
    driver = browser.driver
    site = os.path.join(os.path.dirname(sys.argv[1]), "site")
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=site)
    handler.log_message = lambda *arguments: None
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    address = "http://127.0.0.1:%d/" % server.server_port
    try:
        Page(browser, address)
        assert driver.execute_script("return !!document.querySelector('link[rel=manifest]')")
        driver.set_script_timeout(10)  # installed: the page and its files are cached
        driver.execute_async_script(
            "var done = arguments[0]; navigator.serviceWorker.ready.then(function() { done(); });")
    finally:
        server.shutdown()
        server.server_close()
    page = Page(browser, address)  # nobody serves it now
    page.set_bars([80, 100, 60, 500])
    page.element("RUN").click()
    assert page.box("Textp100") == "0.667"


def reading_tools(browser):
    """Hover, reading mode, the copies, help and the menu on a flat curve at
    p = 0.5 (y = 211.5), with the keys a browser leaves to the page."""
    driver = browser.driver
    page = Page(browser)
    page.set_bars([50, 50, 50, 500])
    page.element("RUN").click()
    root = driver.find_element(By.ID, "quorvel")
    ActionChains(driver).move_to_element_with_offset(root, 301 - 314, 212 - 237).perform()
    note = driver.find_element(By.ID, "q-note")
    assert note.get_attribute("textContent") == \
        "generation 41: p = 0.500\nw = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are equally fit); p0 = 0.5", note.get_attribute("textContent")
    marker = lambda: driver.execute_script(
        "var m = document.getElementById('q-marker');"
        "return m && m.style.display !== 'none' ? [m.style.left, m.style.top] : null")
    run = page.element("RUN")
    # The ring's 13-pixel square, centred on the pixel the point (96, 211.5)
    # lights: (96.5, 212.5).
    run.send_keys(Keys.F6)
    assert marker() == ["90px", "206px"], marker()
    run.send_keys(Keys.ARROW_RIGHT)
    assert marker() == ["95px", "206px"], marker()
    spoken = driver.find_element(By.ID, "q-announce").get_attribute("textContent")
    assert spoken == "generation 1: p = 0.500; w = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are equally fit); p0 = 0.5", spoken
    run.send_keys(Keys.ESCAPE)
    assert marker() is None
    driver.execute_script("navigator.clipboard.writeText = function(text) {"
                          "window.copied = text; return Promise.resolve(); }")
    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("t").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    copied = driver.execute_script("return window.copied")
    assert copied.split("\n")[:2] == ["generation\tp (w = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are equally fit); p0 = 0.5)", "0\t0.5"], copied[:80]
    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("c").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    width, pixel = driver.execute_script(
        "var c = Quorvel.clipboard.lastPicture;"
        "return [c.width, Array.from(c.getContext('2d').getImageData(301, 212, 1, 1).data)]")
    assert width > 628 + 100 and pixel == BLUE, (width, pixel)
    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("h").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    help_text = driver.find_element(By.CSS_SELECTOR, "dialog[open]").text
    assert "Alt+Shift+T: copy the values" in help_text, help_text[-300:]
    ActionChains(driver).send_keys(Keys.ESCAPE).perform()
    run.send_keys(Keys.SHIFT + Keys.F10)
    items = driver.find_elements(By.CSS_SELECTOR, "#q-menu [role=menuitem]")
    assert [i.text.split("\n")[0] for i in items] == [
        "Read values", "Listen", "Copy values", "Copy picture", "Copy link", "Save picture\u2026",
        "Save values\u2026", "Population settings", "Examples", "Language", "Help"], \
        [i.text for i in items]
    assert page.focused().startswith("Read values")
    for key, item in ((Keys.ARROW_UP, "Help"), (Keys.ARROW_DOWN, "Read values"),
                      (Keys.ARROW_DOWN, "Listen")):  # round and round
        ActionChains(driver).send_keys(key).perform()
        assert page.focused().startswith(item), (item, page.focused())
    ActionChains(driver).send_keys(Keys.ESCAPE).perform()
    assert not driver.find_elements(By.ID, "q-menu")
    assert page.focused() == "RUN"


def opens_a_link_and_copies_its_own(browser):
    """A page opened with a drawing after "#" draws it as by hand, and copies
    its own address with what is on screen; a bad link is told and changes
    nothing."""
    driver = browser.driver
    link = "#run=0.8,1,0.6,0.1;wmean=0.8,1,0.6;set=1,1,0.5,0.5"
    page = Page(browser, link)
    assert [page.box(name) for name in ("Textw1", "Textw2", "Textw3", "TextInitp", "Textp100")] \
        == ["1", "1", "0.5", "0.5", "0.667"]
    label = driver.find_element(By.CSS_SELECTOR, "canvas").get_attribute("aria-label")
    assert label.count("Trajectory:") == 1 and label.count("Mean fitness") == 1, label
    assert page.drawn(96, 360) == BLUE  # the mean fitness at p = 0, w(aa) = 0.6: 0.1 above 0.5
    driver.execute_script("navigator.clipboard.writeText = function(text) {"
                          "window.copied = text; return Promise.resolve(); }")
    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("l").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    assert driver.execute_script("return window.copied") == PAGE + link
    page = Page(browser, "#run=0.8,1,0.6,0.1;run=0.8,1,0.6")
    message = driver.find_element(By.CSS_SELECTOR, "dialog[open]").text
    assert "The link was not used: \u201crun=0.8,1,0.6\u201d needs four values" in message
    assert page.box("Textw1") == "w(AA)" and page.box("Textp100") == "p100"


def canvas_follows_every_change_of_pixel_ratio(browser):
    """Browser zoom, again and again: the canvas keeps one pixel a device
    pixel, and the drawing stays."""
    driver = browser.driver
    page = Page(browser)
    page.set_bars([100, 100, 50, 500])
    page.element("RUN").click()
    x, y = CASES["first"]

    def wait_for(what, value):
        deadline = time.time() + 3
        while driver.execute_script("return " + what) != value:
            assert time.time() < deadline, (what, value, driver.execute_script("return " + what))
            driver.get_screenshot_as_png()  # a frame, in which a browser tells of a new ratio
            time.sleep(0.02)

    def zoom(scale, width):
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 600, "deviceScaleFactor": scale, "mobile": False})

    try:
        # A new ratio alone, as a move to another screen gives, again and
        # again; then as a browser zooms, with a narrower or wider viewport
        # (emulation can take the ratio a moment late).
        zoom(1, 1400)
        wait_for("innerWidth", 1400)
        for scale, resized in ((2, False), (1.5, False), (2, True), (1, True)):
            zoom(scale, int(1400 / scale) if resized else 1400)
            wait_for("devicePixelRatio", scale)
            if resized:
                zoom(scale, int(1400 / scale) - 1)
            wait_for("document.querySelector('canvas').width", math.ceil(628 * scale))
            assert page.drawn(x, y) == BLUE, (scale, page.drawn(x, y))
    finally:
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def page_carries_its_faces_and_its_zero_line(browser):
    driver = browser.driver
    page = Page(browser)
    faces = driver.execute_script(
        "return Array.from(document.fonts).map(function (f) {"
        "  return [f.family.replace(/\"/g, ''), {normal: '400', bold: '700'}[f.weight] || f.weight];"
        "})")
    for face in (["Quorvel Sans", "400"], ["Quorvel Serif", "400"], ["Quorvel Serif", "700"]):
        assert face in faces, (face, faces)
    driver.set_script_timeout(5)
    bold = driver.execute_async_script(
        "var done = arguments[0];"
        "document.fonts.load('bold 11px \"Quorvel Serif\"', 'W Mean').then("
        "  function (found) { done(found.length); });")
    assert bold == 1, bold
    # (256, 365) to (406, 365), both end pixels.
    line, window = page.element("Line2").rect, driver.find_element(By.ID, "quorvel").rect
    assert (line["x"] - window["x"], line["y"] - window["y"], line["width"], line["height"]) == \
        (256, 365, 151, 1), (line, window)


# What the page shows in a browser that speaks a language first, before the
# program starts and once it has: its title, lang, RUN's caption, p0's box and
# its description.
FIRST_WORDS = {"de-DE": ["Quorvel, deterministisch", "de", "Start", "Start-p",
                         "Verfolgen, wie natürliche Selektion die Frequenz eines Allels verändert"],
               # Traditional Chinese, which Quorvel does not speak.
               "zh-TW": ["Quorvel, deterministic", "en", "RUN", "start p",
                         "Watch natural selection move an allele's frequency"]}


def speaks_the_browsers_language_before_it_starts(browser, language):
    """The page's first frame is in the browser's language, chosen as the
    program chooses it once it starts: a copy of the page whose program never
    starts shows the words the page then keeps; and its face carries the
    letters of every Latin language, set as the face itself sets them, not
    by a stand-in."""
    driver = browser.driver
    html = open(sys.argv[1], encoding="utf-8").read()
    stopped = re.sub(r'Quorvel\.deflatedWasm="[^"]*"', 'Quorvel.deflatedWasm=""', html)
    folder = tempfile.mkdtemp()
    with open(os.path.join(folder, "stopped.html"), "w", encoding="utf-8") as f:
        f.write(stopped)
    shown = ("return [document.title, document.documentElement.lang,"
             "        document.querySelector('[data-name=RUN]').textContent,"
             "        document.querySelector('[data-name=TextInitp]').value,"
             "        document.querySelector('meta[name=description]').content,"
             "        Quorvel.readyAt ? 'started' : 'not started'];")
    driver.get("file://" + os.path.join(folder, "stopped.html"))
    first = driver.execute_script(shown)
    assert first == FIRST_WORDS[language] + ["not started"], first
    Page(browser)
    started = driver.execute_script(shown)
    assert started == FIRST_WORDS[language] + ["started"], started
    letters = "äöüßÄÖÜéèêëàâçîïôûùœÉÈÀÇñáíóúÑãõÃÕłŁšŠžŽčČőűĆęą"
    widths = driver.execute_script(
        "var c = document.createElement('canvas').getContext('2d');"
        "return Array.from(arguments[0]).filter(function (letter) {"
        "  c.font = '11px \"Quorvel Sans\"'; var ours = c.measureText(letter).width;"
        "  c.font = '11px \"Liberation Sans\"'; var face = c.measureText(letter).width;"
        "  return Math.abs(ours - face) > 0.01; });", letters)
    assert widths == [], widths


def drawn_at_the_screens_resolution(browser, scale):
    driver = browser.driver
    page = Page(browser)
    width = driver.execute_script("return document.querySelector('canvas').width")
    assert width == math.ceil(628 * scale), width
    page.set_bars([100, 100, 50, 500])
    page.element("RUN").click()
    x, y = CASES["first"]
    assert page.drawn(x, y) == BLUE, page.drawn(x, y)
    page.element("Wmean").click()
    assert page.drawn(96, 370) == BLUE  # the mean fitness at p = 0: w(aa) = 0.5


def touch(driver, kind, x=None, y=None):
    """A finger down, moving or up at (x, y), CSS pixels of the viewport."""
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
        "type": kind, "touchPoints": [] if kind == "touchEnd" else [{"x": x, "y": y}]})


def on_screen(driver, name, x=None, y=None):
    """Where a point of an element is on screen: its middle, or (x, y) of the
    window's layout pixels from the element's top left."""
    return driver.execute_script(
        "var r = document.querySelector(arguments[0]).getBoundingClientRect(),"
        "    s = Quorvel.fit.scale;"
        "return arguments[1] === null ? [r.left + r.width / 2, r.top + r.height / 2]"
        "     : [r.left + arguments[1] * s, r.top + arguments[2] * s];",
        name if name.startswith(("#", ".", "[")) else '[data-name="%s"]' % name, x, y)


def with_touch(driver, width, height):
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True,
                                                                   "maxTouchPoints": 5})
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})


def without_touch(driver):
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})


def fingers_work_the_bars(browser):
    """On a phone on its side: a tap steps once, with no second step from a
    late click; a hold repeats; a thumb drag sets the value only when it ends."""
    driver = browser.driver
    with_touch(driver, 844, 390)
    try:
        page = Page(browser)
        page.set_bars([50, -1, -1, -1])
        end = '[data-name="HScrollw1"] .q-end'
        x, y = on_screen(driver, end)
        touch(driver, "touchStart", x, y)
        touch(driver, "touchEnd")
        time.sleep(0.5)
        assert page.box("Textw1") == "0.51", page.box("Textw1")
        # A fingertip 4 layout pixels off the arrow, over the track, still
        # holds the arrow: steps of 0.01, not the track's 0.1.
        x, y = on_screen(driver, end, -4, 8)
        touch(driver, "touchStart", x, y)
        time.sleep(1.5)
        touch(driver, "touchEnd")
        held = page.box("Textw1")
        time.sleep(0.3)
        assert page.box("Textw1") == held
        assert 0.51 + 0.1 <= float(held) <= 0.51 + 0.3, held  # 10 to 30 steps in 1.5 s
        page.set_bars([0, -1, -1, -1])
        x, y = on_screen(driver, '[data-name="HScrollw1"] .q-thumb')
        touch(driver, "touchStart", x, y)
        x2, _ = on_screen(driver, '[data-name="HScrollw1"] .q-thumb', 17 / 2 + 11, 0)
        touch(driver, "touchMove", x2, y)
        assert page.box("Textw1") == "0"  # nothing yet, during the drag
        assert driver.execute_script("return scrollX + scrollY") == 0  # nor did the page move
        touch(driver, "touchEnd")
        assert page.box("Textw1") == "0.5", page.box("Textw1")
        # A tap on RUN runs once: one sentence in the drawing's description.
        page.set_bars([100, 100, 50, 500])
        x, y = on_screen(driver, "RUN")
        touch(driver, "touchStart", x, y)
        touch(driver, "touchEnd")
        time.sleep(0.5)
        label = driver.find_element(By.CSS_SELECTOR, "canvas").get_attribute("aria-label")
        assert label.count("Trajectory:") == 1 and page.box("Textp100") == "0.980", label
    finally:
        without_touch(driver)


def a_finger_reads_the_curves_and_holds_for_the_menu(browser):
    driver = browser.driver
    with_touch(driver, 768, 1024)  # a tablet held upright
    try:
        page = Page(browser)
        page.set_bars([50, 50, 50, 500])
        page.element("RUN").click()
        x, y = on_screen(driver, "#quorvel", 301, 212)
        touch(driver, "touchStart", x, y)
        touch(driver, "touchEnd")
        note = driver.execute_script(
            "var n = document.getElementById('q-note');"
            "return [n.textContent, n.style.visibility, parseFloat(n.style.left),"
            "        parseFloat(n.style.top) + n.offsetHeight, n.offsetWidth]")
        assert note[:2] == ["generation 41: p = 0.500\nw = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are equally fit); p0 = 0.5",
                            "visible"], note
        # Centred above the point read, (301, 211.5), clear of the fingertip.
        assert abs(note[3] - (211.5 - 36)) <= 1 and abs(note[2] + note[4] / 2 - 301) <= 1, note
        assert not driver.find_elements(By.ID, "q-menu")  # a tap is no long press
        touch(driver, "touchStart", x, y + 40)
        time.sleep(0.8)
        touch(driver, "touchEnd")
        items = driver.find_elements(By.CSS_SELECTOR, "#q-menu [role=menuitem]")
        assert [i.text.split("\n")[0] for i in items][:2] == ["Read values", "Listen"], items
        # The copied picture is the window's own size whatever its fit: the
        # curve at (301, 212) is there at the screen's two pixels a pixel.
        ActionChains(driver).send_keys(Keys.ESCAPE).key_down(Keys.ALT).key_down(
            Keys.SHIFT).send_keys("c").key_up(Keys.SHIFT).key_up(Keys.ALT).perform()
        pixel = driver.execute_script(
            "var c = Quorvel.clipboard.lastPicture;"
            "return Array.from(c.getContext('2d').getImageData(603, 424, 1, 1).data)")
        assert pixel[0] < 60 and pixel[2] > 180, pixel
    finally:
        without_touch(driver)


def window_fits_every_screen(browser):
    """Phones, a tablet and a laptop: the scale, the window centred where
    there is room, every control on screen (or reached by scrolling, on a
    phone held upright) and a sharp canvas. Left and top worked out by hand:
    half the room the scaled 628 x 474 window leaves (840 wide with the
    panel), whole pixels."""
    driver = browser.driver
    for width, height, coarse, scale, hint, left, top, *link in (
            (844, 390, True, 390 / 474, False, 163, 0), (390, 844, True, 390 / 628, False, 0, 274),
            (768, 1024, True, 768 / 628, False, 0, 222), (1366, 768, False, 1, False, 369, 147),
            (2560, 1600, True, 3, False, 338, 89), (320, 640, True, 0.6, True, 0, None),
            # A setting off its default shows the panel: the window is 840 wide.
            (768, 1024, True, 768 / 840, False, 0, 295, "#n=50")):
        if coarse:
            with_touch(driver, width, height)
        else:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 2, "mobile": False})
        try:
            Page(browser, "".join(link))
            shown = driver.execute_script(
                "var t = document.getElementById('q-turn');"
                "var at = Quorvel.root.getBoundingClientRect();"
                "return [Quorvel.fit.scale, !t.hidden && t.offsetHeight > 0,"
                "        document.querySelector('canvas').width,"
                "        document.documentElement.scrollWidth, document.documentElement.scrollHeight,"
                "        Array.from(document.querySelectorAll('#quorvel [data-id]')).map("
                "          function (e) { var r = e.getBoundingClientRect();"
                "            return [e.dataset.name, r.left, r.top, r.right, r.bottom]; }),"
                "        at.left, at.top]")
            assert abs(shown[0] - scale) < 1e-9 and shown[1] == hint, (width, height, shown[:2])
            assert shown[6] == left and (top is None or shown[7] == top), (width, height, shown[6:])
            assert shown[2] == math.ceil(628 * scale * 2), (width, height, shown[2])
            reach = (shown[3], shown[4]) if hint else (width, height)
            for name, left, top, right, bottom in shown[5]:
                assert left >= 0 and top >= 0 and right <= reach[0] + 0.01 and \
                    bottom <= reach[1] + 0.01, (width, height, name, right, bottom, reach)
            if hint:
                assert shown[3] > width  # the page scrolls to what is past the edge
        finally:
            without_touch(driver)


def arabic_captions_keep_their_room(browser):
    """At this scale too, in Arabic, each caption ends 3 px short of the
    control it ends against."""
    Page(browser)
    captions_fit(browser, ["ar"])


def main():
    suites = [
        ("en-US", None, [arrows_step_towards_their_end_and_repeat_while_held,
                         thumb_drag_changes_the_value_when_it_ends,
                         screen_readers_get_names_and_values, works_with_the_network_off,
                         site_works_offline_after_a_first_visit, reading_tools,
                         opens_a_link_and_copies_its_own,
                         canvas_follows_every_change_of_pixel_ratio,
                         page_carries_its_faces_and_its_zero_line, fingers_work_the_bars,
                         a_finger_reads_the_curves_and_holds_for_the_menu,
                         window_fits_every_screen,
                         functools.partial(drawn_at_the_screens_resolution, scale=1)]),
        ("de-DE", None, [functools.partial(speaks_the_browsers_language_before_it_starts,
                                           language="de-DE")]),
        ("zh-TW", None, [functools.partial(speaks_the_browsers_language_before_it_starts,
                                           language="zh-TW")]),
    ] + [("en-US", scale, [functools.partial(drawn_at_the_screens_resolution, scale=scale),
                           arabic_captions_keep_their_room]) for scale in (1.5, 2)]
    return run_suites([(language + (", scale %s" % scale if scale else ""),
                        functools.partial(chromium, language, scale), tests)
                       for language, scale, tests in suites])


if __name__ == "__main__":
    sys.exit(main())

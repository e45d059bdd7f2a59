#!/usr/bin/python3
"""A lesson in the page, in headless Chromium: the examples from their
submenu by keyboard, and the files a student saves, as the downloads they
become. Usage: lesson_page.py PAGE CASES_JS"""
import base64
import functools
import os
import sys
import tempfile
import time

from browsers import chromium, run_suites
from page_driver import BLUE, Page, languages
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

Page.address = "file://" + sys.argv[1]


def examples_open_from_their_submenu(browser):
    """Examples opens by Right, Left closes it, Up goes round, Return draws
    the example on top and gives focus back."""
    driver = browser.driver
    page = Page(browser)
    run = page.element("RUN")
    run.send_keys(Keys.SHIFT + Keys.F10)
    keys = lambda *presses: ActionChains(driver).send_keys(*presses).perform()
    keys(Keys.ARROW_UP, Keys.ARROW_UP, Keys.ARROW_UP)
    assert page.focused().startswith("Examples"), page.focused()
    opener = driver.switch_to.active_element
    assert opener.get_attribute("aria-haspopup") == "menu"
    keys(Keys.ARROW_RIGHT)
    assert opener.get_attribute("aria-expanded") == "true"
    assert page.focused() == "A favoured dominant allele", page.focused()
    submenu = driver.execute_script(
        "var m = document.activeElement.parentNode, r = m.getBoundingClientRect(),"
        "    w = Quorvel.root.getBoundingClientRect();"
        "return [m.getAttribute('role'), m.getAttribute('aria-label'), m.children.length,"
        "        r.left >= w.left && r.right <= w.right && r.bottom <= w.bottom]")
    assert submenu == ["menu", "Examples", 9, True], submenu
    keys(Keys.ARROW_UP)  # round to the last
    assert page.focused() == "Migration against drift", page.focused()
    keys(Keys.ARROW_LEFT)
    assert page.focused().startswith("Examples") and \
        opener.get_attribute("aria-expanded") == "false"
    keys(Keys.ARROW_RIGHT, Keys.ARROW_DOWN, Keys.ARROW_DOWN)
    assert page.focused() == "Overdominance", page.focused()
    keys(Keys.ENTER)
    assert not driver.find_elements("id", "q-menu")
    assert page.focused() == "RUN"
    # The last trajectory from 0.9 levels off at 2/3, with the bars where it set them.
    assert [page.box(name) for name in ("Textw1", "Textw2", "Textw3", "TextInitp", "Textp100")] \
        == ["0.8", "1", "0.6", "0.9", "0.667"]
    spoken = driver.find_element("id", "q-announce").get_attribute("textContent")
    assert spoken.startswith("Overdominance: from every start"), spoken


def a_changed_link_redraws_the_page(browser):
    """A "#" part edited in the address bar loads nothing, yet the page draws
    what the new link holds in place of what it showed; a bad one is told
    and changes nothing."""
    driver = browser.driver
    page = Page(browser, "#run=0.5,0.5,0.5,0.5")
    assert page.drawn(301, 211.5) == BLUE  # the flat trajectory at p = 0.5
    driver.execute_script("location.hash = '#run=0.8,1,0.6,0.1'")
    deadline = time.time() + 5
    while page.box("Textw1") != "0.8":
        assert time.time() < deadline, page.box("Textw1")
        time.sleep(0.02)
    assert page.box("TextInitp") == "0.1" and page.box("Textp100") == "0.667"
    assert page.drawn(301, 211.5) != BLUE  # cleared first
    driver.execute_script("location.hash = '#run=0.8,1,0.6'")
    message = driver.find_element("css selector", "dialog[open]")
    assert "run=0.8,1,0.6" in message.text, message.text
    ActionChains(driver).send_keys(Keys.ESCAPE).perform()
    assert page.box("Textw1") == "0.8" and page.box("TextInitp") == "0.1"


def the_menu_chooses_a_language(browser):
    """The Language submenu lists each language in its own name, the one
    shown checked; choosing one changes every word at once, the page's lang
    and an open help too, keeps the drawing and the numbers, and a copied
    link carries it. A language Quorvel does not speak changes nothing."""
    driver = browser.driver
    page = Page(browser)
    page.set_bars([80, 100, 60, 500])
    page.element("RUN").click()
    drawn = page.drawn(301, 190)
    page.element("RUN").send_keys(Keys.SHIFT + Keys.F10)
    keys = lambda *presses: ActionChains(driver).send_keys(*presses).perform()
    keys(Keys.ARROW_UP, Keys.ARROW_UP, Keys.ARROW_RIGHT)
    entries = driver.execute_script(
        "return Array.from(document.activeElement.parentNode.children).map(function (e) {"
        "  return [e.textContent, e.getAttribute('aria-checked')]; });")
    assert ["Deutsch", None] in entries and ["English", "true"] in entries, entries
    assert ["Fran\u00e7ais", None] in entries, entries
    # Every language it ships, by its own name, and (in this build) the
    # pseudo-language.
    shipped = [[name, "true" if tag == "en" else None] for tag, name in languages()]
    assert sorted(e for e in entries if "[" not in e[0]) == sorted(shipped), (entries, shipped)
    while not page.focused().startswith("Deutsch"):
        keys(Keys.ARROW_DOWN)
    keys(Keys.ENTER)
    assert driver.execute_script("return document.documentElement.lang") == "de"
    assert page.element("RUN").text == "Start" and driver.title == "Quorvel, deterministisch"
    assert page.focused() == "RUN"
    assert page.box("Textp100") == "0.667" and page.drawn(301, 190) == drawn
    label = driver.find_element("css selector", "canvas").get_attribute("aria-label")
    assert label.startswith("Zeichnung: Verlauf: w(AA) 0.8; w(Aa) 1;"), label
    driver.execute_script("navigator.clipboard.writeText = function (text) {"
                          "window.copied = text; return Promise.resolve(); }")
    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("l").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    copied = driver.execute_script("return window.copied")
    assert copied.endswith("#lang=de;run=0.8,1,0.6,0.5"), copied

    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("h").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    driver.execute_script("location.hash = '#lang=fr'")
    help_box = driver.find_element("css selector", "dialog[open]")
    deadline = time.time() + 5
    while "Les commandes" not in help_box.text:
        assert time.time() < deadline, help_box.text[:200]
        time.sleep(0.02)
    assert help_box.find_element("css selector", "button").text == "Fermer"
    ActionChains(driver).send_keys(Keys.ESCAPE).perform()
    # qaa: a private-use tag, which no language Quorvel ships can take.
    driver.execute_script("location.hash = '#lang=qaa'")
    message = driver.find_element("css selector", "dialog[open]").get_attribute("textContent")
    assert "\u00ab\u00a0lang=qaa\u00a0\u00bb" in message, message  # in French, which stays
    assert driver.execute_script("return document.documentElement.lang") == "fr"


def downloaded(folder, ending, deadline=10):
    """The one finished file in folder whose name ends so."""
    end = time.time() + deadline
    while time.time() < end:
        names = [n for n in os.listdir(folder) if n.endswith(ending)]
        if names:
            return names[0]
        time.sleep(0.05)
    raise AssertionError("no %s downloaded: %s" % (ending, os.listdir(folder)))


def stamps(driver):
    """The page's clock to the minute, as a file is named by it."""
    return driver.execute_script(
        "var d = new Date(), two = function (n) { return (n < 10 ? '0' : '') + n; };"
        "return d.getFullYear() + '-' + two(d.getMonth() + 1) + '-' + two(d.getDate()) + '-' +"
        "       two(d.getHours()) + two(d.getMinutes());")


def saves_files_as_downloads(browser):
    """Ctrl+S downloads the picture Copy picture copies, Alt+Shift+S the table
    Copy values copies, in UTF-8 after a byte-order mark; each is named by
    the minute on the page's clock."""
    driver = browser.driver
    folder = tempfile.mkdtemp()
    driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": folder})
    page = Page(browser)
    page.set_bars([50, 50, 50, 500])
    page.element("RUN").click()
    driver.execute_script("navigator.clipboard.writeText = function (text) {"
                          "window.copied = text; return Promise.resolve(); }")
    before = stamps(driver)
    ActionChains(driver).key_down(Keys.CONTROL).send_keys("s").key_up(Keys.CONTROL).perform()
    picture = downloaded(folder, ".png")
    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("s").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    values = downloaded(folder, ".tsv")
    after = stamps(driver)
    assert picture in ("quorvel-%s.png" % before, "quorvel-%s.png" % after), picture
    assert values in ("quorvel-%s.tsv" % before, "quorvel-%s.tsv" % after), values
    spoken = driver.find_element("id", "q-announce").get_attribute("textContent")
    assert spoken == "The values are downloaded as \u201c%s\u201d." % values, spoken

    with open(os.path.join(folder, picture), "rb") as f:
        png = f.read()
    assert png[:8] == b"\x89PNG\r\n\x1a\n"
    width, height = int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")
    assert width > 628 + 100 and height == 474, (width, height)
    # Drawn by the browser from the file: the window's face at the corner, the
    # curve's blue at (301, 212).
    pixels = driver.execute_async_script(
        "var done = arguments[1], image = new Image();"
        "image.onload = function () {"
        "  var c = document.createElement('canvas'); c.width = image.width; c.height = image.height;"
        "  var g = c.getContext('2d'); g.drawImage(image, 0, 0);"
        "  done([Array.from(g.getImageData(0, 0, 1, 1).data),"
        "        Array.from(g.getImageData(301, 212, 1, 1).data)]); };"
        "image.src = 'data:image/png;base64,' + arguments[0];",
        base64.b64encode(png).decode())
    assert pixels == [[192, 192, 255, 255], BLUE], pixels

    with open(os.path.join(folder, values), "rb") as f:
        table = f.read()
    ActionChains(driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys("t").key_up(
        Keys.SHIFT).key_up(Keys.ALT).perform()
    copied = driver.execute_script("return window.copied")
    assert table.startswith(b"\xef\xbb\xbfgeneration\tp (w = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are equally fit); p0 = 0.5)\n0\t0.5\n")
    assert table == b"\xef\xbb\xbf" + copied.encode(), (table[:60], copied[:60])


def main():
    return run_suites([("en-US", functools.partial(chromium, "en-US"),
                        [examples_open_from_their_submenu, a_changed_link_redraws_the_page,
                         saves_files_as_downloads, the_menu_chooses_a_language])])


if __name__ == "__main__":
    sys.exit(main())

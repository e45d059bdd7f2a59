#!/usr/bin/python3
"""The core of the page's suite, the same in Chromium, Firefox and WebKit:
the shared cases' box texts and p100, the seeded run of finite populations
to the Linux program's last digit, the keyboard, the message box and focus,
a box's own text copied after each button, the axis captions apart, the
panel of population settings, and the decimal comma and digit groups under a
German language list. Expected values come from the cases the desktop suites
use.
An accessibility audit by axe-core runs on the page after RUN and W Mean,
with the panel shown and with the message box open, and any violation fails.
Every language the page speaks fits, with its lang, and the suite's
pseudo-language leaves no word of the page's outside the catalogue; Arabic
reads from the right and Chinese help breaks within its box.
Usage: core_page.py ENGINE PAGE CASES_JS AXE_JS"""
import functools
import json
import re
import subprocess
import sys
import time

from browsers import ENGINES, run_suites
from page_driver import BARS, BLUE, BOXES, CAPTION_FAULTS, Page, captions_fit, languages, speak

ENGINE, CASES, AXE = sys.argv[1], sys.argv[3], sys.argv[4]
Page.address = "file://" + sys.argv[2]
CASES = json.loads(subprocess.check_output(["node", CASES], text=True))


def runs_and_bars_show_the_shared_cases(browser):
    for case in CASES["runs"]:
        page = Page(browser)  # a bar never moved is one the page starts with
        page.set_bars(case["bars"])
        page.click("RUN")
        assert page.box("Textp100") == case["p100"], (case["name"], page.box("Textp100"))
        if case["name"] == "A dominant":
            x, y = CASES["first"]
            assert page.drawn(x, y) == BLUE, page.drawn(x, y)
            assert page.drawn(x, y - 20)[3] == 0  # nothing drawn above it
    for case in CASES["bars"]:
        page.set_bar(case["bar"], case["value"])
        box = BOXES[case["bar"]]
        assert page.box(box) == case["text"], (case, page.box(box))
        shown = browser.evaluate("return document.querySelector('[data-name=' + arguments[0] + ']')"
                                 ".getAttribute('aria-valuetext')", BARS[case["bar"]])
        assert shown == case["text"], (case, shown)


def keyboard_works_everything(browser):
    page = Page(browser)
    order = ["Textw1", "Textw2", "Textw3", "TextInitp", "VScrollp", "RUN", "HScrollw1",
             "HScrollw2", "HScrollw3", "CLS", "Textp100", "Wmean"]
    assert page.focused() == order[0]  # as the page opens
    page.click("Textw1")
    for name in order[1:5]:
        browser.keys("Tab")
        assert page.focused() == name, (name, page.focused())
    for key, shown in (("ArrowUp", "0.001"), ("Home", "1"), ("ArrowDown", "0.999"),
                       ("PageDown", "0.998"), ("End", "0")):
        browser.keys(key)
        assert page.box("TextInitp") == shown, (key, page.box("TextInitp"))
    for name in order[5:7]:
        browser.keys("Tab")
        assert page.focused() == name, (name, page.focused())
    for key, shown in (("ArrowRight", "0.01"), ("PageDown", "1"), ("ArrowLeft", "0.99"),
                       ("PageUp", "0")):
        browser.keys(key)
        assert page.box("Textw1") == shown, (key, page.box("Textw1"))
    page.set_bars([100, 100, 50, 500])
    browser.keys(("Shift", "Tab"))  # from the first fitness bar
    assert page.focused() == "RUN", page.focused()
    # Firefox under remote control does not press a focused button on Space
    # or Return (a plain page's neither); the full Chromium suite does.
    if browser.name == "firefox":
        page.click("RUN")
    else:
        browser.keys("Space")
    assert page.shows("Textp100", "0.980"), page.box("Textp100")
    for name in order[6:]:
        browser.keys("Tab")
        assert page.focused() == name, (name, page.focused())


def message_box_takes_and_gives_back_focus(browser):
    page = Page(browser)
    page.click("RUN")  # nothing set: every fitness is 0
    shown = browser.evaluate(
        "var d = document.querySelector('dialog[open]');"
        "return d && [d.getAttribute('role'), d.textContent, document.activeElement.textContent,"
        "             d.innerText];")
    assert shown and shown[0] == "dialog", shown
    assert shown[1].startswith("Quorvel, deterministicEvery fitness is 0"), shown[1]
    assert re.sub("\n+", "\n", shown[3]).startswith(
        "Quorvel, deterministic\nEvery fitness is 0"), shown[3]  # as lines, as it reads
    assert shown[2] == "OK", shown[2]
    browser.keys("Enter")
    assert browser.evaluate("return !document.querySelector('dialog[open]')")
    assert page.focused() == "RUN", page.focused()
    browser.keys("Tab")
    assert page.focused() == "HScrollw1", page.focused()
    assert page.box("Textp100") == "p100"


def each_box_copies_its_own_text(browser):
    """Select all and copy in a box, after RUN, W Mean and CLS: what a copy
    takes is the box's text, never the page's."""
    page = Page(browser)
    browser.evaluate("document.addEventListener('copy', function () {"
                     "  window.copied = String(document.getSelection()); });")
    page.set_bars([80, 100, 60, 500])
    expected = {"Textw1": "0.8", "Textw2": "1", "Textw3": "0.6", "TextInitp": "0.5",
                "Textp100": "0.667"}
    for button in ("RUN", "Wmean", "CLS", "RUN", "CLS"):
        page.click(button)
        for box, text in expected.items():
            page.click(box)
            browser.keys(("Control", "a"), ("Control", "c"))
            copied = browser.evaluate("var c = window.copied; window.copied = null; return c;")
            assert copied == text, (button, box, copied)


def axis_captions_stay_apart(browser):
    """The left caption's last digit ends before the right caption begins, in
    every engine, however it rounds the face's advances."""
    Page(browser)
    first, second = browser.evaluate(
        "var captions = Array.from(document.querySelectorAll('[data-name=Label3]'))"
        "  .filter(function (e) { return /Frequency A=/.test(e.textContent); })"
        "  .sort(function (a, b) { return a.offsetLeft - b.offsetLeft; });"
        "var at = Quorvel.root.getBoundingClientRect().left;"
        "return captions.map(function (e) {"
        "  var range = document.createRange(); range.selectNodeContents(e.lastChild);"
        "  var text = range.getBoundingClientRect();"
        "  return [e.getBoundingClientRect().left - at, text.right - at]; });")
    assert first[0] == 96 and second[0] == 256, (first, second)
    assert first[1] <= second[0] - 1, (first, second)


def every_language_fits(browser):
    page = Page(browser)
    page.set_bars([80, 100, 60, -1])  # one box still showing what it holds before
    tags = [tag for tag, _ in languages()]
    captions_fit(browser, tags)
    captions_fit(browser, tags, ";generations=10000;n=1000000")  # the panel, widest numbers


def a_caption_grows_left_when_its_right_is_taken(browser):
    """Longer than their room on the right, in the pseudo-language, the
    captions naming 10000 generations reach left from their places, whole."""
    Page(browser)
    speak(browser, "en-XA", ";generations=10000")
    assert browser.evaluate("return ['Label2', 'Label6'].map(function (name) {"
                            "  var e = document.querySelector('[data-name=' + name + ']');"
                            "  return e.offsetLeft < e.dataset.left &&"
                            "         e.scrollWidth <= e.clientWidth; })") == [True, True]


def pseudo_language_leaves_no_word_behind(browser):
    """Every text the page shows or says, in brackets: the captions, the
    names for screen readers, the title, the menu, a message, the help, the
    note and the sentences."""
    page = Page(browser)
    speak(browser, "en-XA")
    texts = browser.evaluate(
        "var texts = [document.title, document.querySelector('h1').textContent,"
        "             document.getElementById('q-turn').textContent];"
        "Quorvel.root.querySelectorAll('[data-id]').forEach(function (e) {"
        "  texts.push(e.tagName === 'INPUT' ? e.value : e.textContent,"
        "             e.getAttribute('aria-label'), e.getAttribute('aria-description')); });"
        "return texts;")
    page.click("RUN")  # every fitness 0: a message
    texts += browser.evaluate("return Array.from(document.querySelectorAll('dialog[open] *'))"
                              ".map(function (e) { return e.textContent; });")
    browser.keys("Enter")
    page.set_bars([80, 100, 60, 500])
    page.click("RUN")
    texts.append(browser.evaluate("return document.getElementById('q-announce').textContent"))
    texts.append(browser.evaluate(
        "Module._quorvel_pointer(150, 200, 0); return document.getElementById('q-note').textContent"))
    texts += browser.evaluate(
        "Module._quorvel_menu(300, 200, 1);"
        "var items = Array.from(document.querySelectorAll('#q-menu [role=menuitem]'));"
        # The examples, whose names are words too.
        "items.filter(function (e) { return e.hasAttribute('aria-haspopup'); })[0].click();"
        "var texts = Array.from(document.querySelectorAll('#q-menu [role=menuitem]'))"
        "  .map(function (e) { return e.textContent; });"
        "items[items.length - 1].click();"  # the help
        "return texts.concat(Array.from(document.querySelectorAll('dialog[open] *'))"
        "  .map(function (e) { return e.textContent; }));")
    assert len(texts) > 100 and max(map(len, filter(None, texts))) > 2000  # the help too
    plain = [text for text in texts if text and re.search("[A-Za-z]", text) and "[" not in text
             and not re.fullmatch(r"(F[0-9]+)+", text.replace("\u25b8", ""))]
    assert not plain, plain
    faults = browser.evaluate(CAPTION_FAULTS, True)
    assert not faults, faults


def audit(browser):
    """axe-core's violations on the page as it is now: rule, impact, elements."""
    browser.script(open(AXE, encoding="utf-8").read() + "; window.audited = null;"
                   "axe.run(document).then(function (r) { window.audited = r.violations.map("
                   "  function (v) { return [v.id, v.impact, v.nodes.map(function (n) {"
                   "    return n.target.join(' '); })]; }); });")
    deadline = time.time() + 30
    while (found := browser.evaluate("return window.audited")) is None:
        assert time.time() < deadline, "axe-core never finished"
        time.sleep(0.05)
    return found


def passes_an_accessibility_audit(browser):
    page = Page(browser)
    assert audit(browser) == []
    page.set_bars([80, 100, 60, 500])
    page.click("RUN")
    page.click("Wmean")
    assert audit(browser) == []
    page.choose("Population settings")
    assert audit(browser) == []
    page = Page(browser)
    page.click("RUN")  # every fitness 0: the message box
    assert browser.evaluate("return !!document.querySelector('dialog[open]')")
    assert audit(browser) == []


# Each control of the window and each part of a bar, the copied picture
# against the screen there: [name, pixels differing by more than a quarter of
# the scale in a channel, all pixels, dark pixels (text and outlines) on
# screen and in the picture, and the corners (the outermost pixel and the
# next one in, at each corner) that differ in any way].
PICTURE_AGAINST_SCREEN = """
var shot = window.shot, root = Quorvel.root, at = root.getBoundingClientRect();
var screen = document.createElement('canvas');
screen.width = shot.width; screen.height = shot.height;
screen.getContext('2d').drawImage(shot, 0, 0);
var ratio = devicePixelRatio, picture = Quorvel.clipboard.lastPicture;
if (Math.abs(shot.width / innerWidth - ratio) > 0.01)
  return [['screenshot and page differ in pixel ratio', shot.width, innerWidth]];
var area = function (canvas, x, y, r) {
  return canvas.getContext('2d').getImageData(Math.round(x * ratio), Math.round(y * ratio),
                                              Math.round(r.width * ratio), Math.round(r.height * ratio));
};
var parts = [];
root.querySelectorAll('[data-id]').forEach(function (e) {
  if (e.tagName === 'CANVAS' || e.hidden)
    return;
  parts.push([e.dataset.name + '(' + e.dataset.id + ')', e]);
  if (e.classList.contains('q-bar'))
    Array.from(e.children).forEach(function (part) {
      parts.push([e.dataset.name + ' ' + part.className, part]);
    });
});
return parts.map(function (named) {
  var r = named[1].getBoundingClientRect(), differing = 0, all = 0, dark = [0, 0], corners = [];
  var seen = area(screen, r.left, r.top, r), drawn = area(picture, r.left - at.left, r.top - at.top, r);
  var w = seen.width, h = seen.height, a = seen.data, b = drawn.data, inward = Math.round(ratio);
  for (var i = 0; i < a.length; i += 4, ++all) {
    if (Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2])) > 64)
      ++differing;
    dark[0] += Math.max(a[i], a[i + 1], a[i + 2]) < 96;
    dark[1] += Math.max(b[i], b[i + 1], b[i + 2]) < 96;
  }
  [[0, 0], [inward, inward], [w - 1, 0], [w - 1 - inward, inward], [0, h - 1],
   [inward, h - 1 - inward], [w - 1, h - 1], [w - 1 - inward, h - 1 - inward]].forEach(function (p) {
    var i = 4 * (p[1] * w + p[0]);
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2])
      corners.push([p, Array.from(a.slice(i, i + 3)), Array.from(b.slice(i, i + 3))]);
  });
  return [named[0], differing, all, dark[0], dark[1], corners];
});
"""


def picture_is_what_the_screen_shows(browser):
    """Copy picture (which Save picture saves) against a screenshot, control
    by control: the bars' arrows, thumbs and bevels, the buttons, the boxes
    and the captions as shown, with room for text antialiased another way;
    as much text and outline in each, and every corner of a bevel exact."""
    page = Page(browser)
    page.set_bars([100, 80, 80, 100])
    page.click("RUN")
    page.choose("Population settings")  # the legend then goes beside the panel
    page.click("Textw1")
    browser.keys(("Alt", "Shift", "c"))
    browser.evaluate("window.shot = new Image(); shot.src = 'data:image/png;base64,' + arguments[0];",
                     browser.screenshot())
    deadline = time.time() + 5
    while not browser.evaluate("return shot.complete && !!Quorvel.clipboard.lastPicture"):
        assert time.time() < deadline, "no picture"
        time.sleep(0.05)
    compared = browser.evaluate(PICTURE_AGAINST_SCREEN)
    names = [row[0].split("(")[0] for row in compared]
    for name in BARS + ["RUN", "CLS", "Wmean", "HScrollN", "Line3", "Textw1", "Textw2", "Textw3",
                        "TextInitp", "Textp100", "Label1", "Label3"]:
        assert name in names, (name, names)
    for name, differing, pixels, dark_seen, dark_drawn, corners in compared:
        # Chromium sets a caption's glyphs a fraction of a pixel from where
        # its canvas sets them.
        assert differing <= pixels * (0.025 if name.startswith("Label") else 0.01), \
            (name, differing, pixels)
        assert abs(dark_seen - dark_drawn) <= 2 + max(dark_seen, dark_drawn) / 4, \
            (name, dark_seen, dark_drawn)
        assert not corners, (name, corners)


# Where a text's lines lie, in the window's pixels: each line's left and
# right, of the element's own text, and the element's own left and right.
LINES = """
var e = arguments[0] ? document.querySelector(arguments[0]) : null;
var at = Quorvel.root.getBoundingClientRect(), scale = Quorvel.fit.scale;
var x = function (v) { return (v - at.left) / scale; };
var range = document.createRange();
range.selectNodeContents(e);
// Boxes that overlap in height are one line: a run in another face may sit
// a little higher or lower.
var lines = [];
Array.from(range.getClientRects()).sort(function (a, b) { return a.top - b.top; })
  .forEach(function (r) {
    var line = lines[lines.length - 1];
    if (r.width < 1)
      return;
    if (line && r.top < line.bottom - 2) {
      line.left = Math.min(line.left, r.left);
      line.right = Math.max(line.right, r.right);
      line.bottom = Math.max(line.bottom, r.bottom);
    } else {
      lines.push({left: r.left, right: r.right, bottom: r.bottom});
    }
  });
var box = e.getBoundingClientRect(), style = getComputedStyle(e);
return {box: [x(box.left + parseFloat(style.paddingLeft)), x(box.right - parseFloat(style.paddingRight))],
        lines: lines.map(function (l) { return [x(l.left), x(l.right)]; }),
        dir: e.closest('[dir]') && e.closest('[dir]').dir};
"""


def right_to_left_reads_from_the_right(browser):
    """In Arabic the page reads right to left, in every engine: a caption
    ends 3 px short of its box (at x = 104), an axis's 0 stays at its frame's left end
    (x = 96), a message's lines end at its right, the menu opens to the left
    of the pointer, and the note reaches a screen reader in the order it is
    read, each formula and number whole."""
    page = Page(browser)
    speak(browser, "ar")
    assert browser.evaluate("return document.documentElement.dir") == "rtl"
    caption = browser.evaluate(LINES, "[data-name=Label1][data-id='%d']" % browser.evaluate(
        "return Number(Array.from(document.querySelectorAll('[data-name=Label1]')).filter("
        "function (e) { return /w\\(Aa\\)/.test(e.textContent); })[0].dataset.id)"))
    assert caption["dir"] == "rtl" and abs(caption["lines"][0][1] - (104 - 3)) <= 1.5, caption
    axis = browser.evaluate(LINES, "[data-id='%d']" % browser.evaluate(
        "return Number(Array.from(document.querySelectorAll('[data-name=Label3]')).filter("
        "function (e) { return e.offsetLeft === 96; })[0].dataset.id)"))
    assert axis["dir"] == "ltr" and abs(min(line[0] for line in axis["lines"]) - 96) <= 1, axis
    page.click("RUN")  # every fitness 0: a message
    message = browser.evaluate(LINES, "dialog[open] p")
    browser.keys("Enter")
    right = message["box"][1]
    assert message["dir"] == "rtl" and len(message["lines"]) >= 2, message
    assert all(abs(line[1] - right) <= 1.5 for line in message["lines"]), message
    assert message["lines"][-1][0] > message["box"][0] + 10, message  # the last line is shorter
    page.click("RUN")  # focus on RUN, the menu from its keys
    browser.keys("Enter")
    browser.keys(("Shift", "F10"))
    menu = browser.evaluate(
        "var m = document.getElementById('q-menu'), r = m.getBoundingClientRect(),"
        "    b = document.activeElement.closest('[dir]');"
        "return [m.dir, r.right <= Quorvel.root.getBoundingClientRect().right, b.dir];")
    browser.keys("ArrowUp", "ArrowUp", "ArrowUp")  # round to Examples
    for key, opened in (("ArrowRight", False), ("ArrowLeft", True), ("ArrowRight", False)):
        browser.keys(key)  # Left opens the submenu, Right closes it
        shown = browser.evaluate(
            "var menu = document.getElementById('q-menu');"
            "return [!!menu.querySelector('[aria-expanded=true]'),"
            "        document.activeElement.parentNode !== menu];")
        assert shown == [opened, opened], (key, shown)
    browser.keys("Escape")
    assert menu == ["rtl", True, "rtl"], menu
    page.set_bars([80, 100, 60, 100])
    page.click("RUN")
    browser.keys("F6")
    lri, fsi, pdi = "\u2066", "\u2068", "\u2069"
    wanted = (fsi + "الجيل " + fsi + "0" + pdi + ": " + lri + "p = " + fsi + "0.100" + pdi + pdi +
              pdi + "؛ " + fsi + lri + "w = " + fsi + "0.8" + pdi + ", " + fsi + "1" + pdi + ", " +
              fsi + "0.6" + pdi + pdi + " (" + fsi + fsi + lri + "s = " + fsi + "0.25" + pdi +
              ", h = " + fsi + "-1" + pdi + pdi + pdi + ": سيادة فائقة" + pdi + ")؛ " + lri +
              "p0 = " + fsi + "0.1" + pdi + pdi + pdi)
    deadline = time.time() + 2
    while browser.evaluate("return document.getElementById('q-announce').textContent") != wanted:
        assert time.time() < deadline, browser.evaluate(
            "return document.getElementById('q-announce').textContent")
        time.sleep(0.02)
    browser.keys("Escape")


def chinese_help_breaks_within_its_box(browser):
    """The help in Chinese, without spaces to break at, wraps inside its box
    in every engine: no line wider than the box, lines broken near its right
    edge, and more lines than paragraphs."""
    Page(browser)
    speak(browser, "zh-Hans")
    browser.keys(("Alt", "Shift", "h"))
    help = browser.evaluate(LINES, "dialog.q-help[open] p")
    # Each character that shows within the box: a space where a line breaks
    # hangs past its edge unseen, as in every engine, and WebKit gives the
    # first character after a line feed an empty box at the line before.
    outside = browser.evaluate(
        "var e = document.querySelector('dialog.q-help[open] p'),"
        "    right = e.getBoundingClientRect().right, out = [], n,"
        "    walk = document.createTreeWalker(e, NodeFilter.SHOW_TEXT);"
        "while ((n = walk.nextNode()))"
        "  for (var i = 0; i < n.length; i++) {"
        "    var r = document.createRange(); r.setStart(n, i); r.setEnd(n, i + 1);"
        "    if (/\\S/.test(n.data[i]) && Array.from(r.getClientRects()).some(function (q) {"
        "          return q.width > 0 && q.right > right + 0.5; }))"
        "      out.push(n.data.slice(Math.max(0, i - 10), i + 1));"
        "  }"
        "return out;")
    paragraphs = browser.evaluate(
        "return document.querySelector('dialog.q-help[open] p').textContent.split('\\n')"
        ".filter(function (p) { return p; }).length")
    browser.keys("Escape")
    right = help["box"][1]
    assert not outside, outside
    assert len(help["lines"]) >= paragraphs + 5, (len(help["lines"]), paragraphs)
    assert max(line[1] for line in help["lines"]) > right - 20, help  # broken at the edge


# The panel's boxes and bars in Tab's order.
PANEL = ["TextN", "HScrollN", "TextPops", "HScrollPops", "TextGen", "HScrollGen", "Textu",
         "HScrollu", "Textv", "HScrollv", "Textm", "HScrollm", "TextFixed", "TextLost", "TextBoth",
         "TextExpected"]


def the_panel_shows_and_hides_from_the_menu(browser):
    """The menu's entry widens the window by 212 pixels, its boxes and bars
    after W Mean in Tab's order; a bar's keys set its box, value text and the
    title; the entry, checked now, hides it all."""
    page = Page(browser)
    shown = ("return [Quorvel.root.getBoundingClientRect().width / Quorvel.fit.scale].concat("
             "arguments[0].map(function (n) { return document.querySelector("
             "'[data-name=' + n + ']').getClientRects().length > 0; }))")
    assert browser.evaluate(shown, PANEL) == [628] + [False] * len(PANEL)
    assert page.choose("Population settings") == ["menuitem", None]
    assert browser.evaluate(shown, PANEL) == [628 + 212] + [True] * len(PANEL)
    browser.evaluate("document.querySelector('[data-name=Wmean]').focus()")
    for name in PANEL:
        browser.keys("Tab")
        assert page.focused() == name, (name, page.focused())
    browser.evaluate("document.querySelector('[data-name=HScrollN]').focus()")
    for keys, heard in ((["Home"] + ["ArrowRight"] * 5, ["50", "50", "5", "Quorvel, N = 50"]),
                        (["End"], ["\u221e", "\u221e", "19", "Quorvel, deterministic"])):
        browser.keys(*keys)
        assert browser.evaluate(
            "var bar = document.querySelector('[data-name=HScrollN]'), a = 'aria-value';"
            "return [document.querySelector('[data-name=TextN]').value, bar.getAttribute(a + "
            "'text'), bar.getAttribute(a + 'now'), document.title];") == heard, heard
    assert page.choose("Population settings") == ["menuitemcheckbox", "true"]
    assert browser.evaluate(shown, PANEL) == [628] + [False] * len(PANEL)
    assert page.focused() == "Wmean"  # not left on a hidden bar


def seeded_populations_draw_the_same_bits(browser):
    """The shared seeded run, from its link: the Linux program's numbers."""
    page = Page(browser, CASES["seeded"]["link"])
    boxes = CASES["seeded"]["boxes"]
    assert all(page.shows(name, text) for name, text in boxes.items()), list(map(page.box, boxes))


def german_writes_a_decimal_comma(browser):
    page = Page(browser)
    page.set_bars([57, -1, -1, -1])
    assert page.box("Textw1") == "0,57", page.box("Textw1")
    page.set_bars([100, 100, 50, 500])
    page.click("RUN")
    assert page.box("Textp100") == "0,980", page.box("Textp100")
    page = Page(browser, "#n=1000000")  # and groups digits as German does
    shown = [page.box("TextN"), browser.evaluate("return document.title")]
    assert shown == ["1.000.000", "Quorvel, N = 1.000.000"], shown


def main():
    suites = [("en-US", [runs_and_bars_show_the_shared_cases, keyboard_works_everything,
                         message_box_takes_and_gives_back_focus, each_box_copies_its_own_text,
                         axis_captions_stay_apart, picture_is_what_the_screen_shows,
                         the_panel_shows_and_hides_from_the_menu,
                         seeded_populations_draw_the_same_bits,
                         passes_an_accessibility_audit,
                         every_language_fits, a_caption_grows_left_when_its_right_is_taken,
                         pseudo_language_leaves_no_word_behind,
                         right_to_left_reads_from_the_right, chinese_help_breaks_within_its_box]),
              ("de-DE", [german_writes_a_decimal_comma])]
    if ENGINE == "webkit":
        # WebKitGTK takes its languages from the C library's locale, which a
        # fresh machine has only in English.
        suites.pop()
    return run_suites([("%s, %s" % (ENGINE, language), functools.partial(ENGINES[ENGINE], language),
                        tests) for language, tests in suites])

if __name__ == "__main__":
    sys.exit(main())

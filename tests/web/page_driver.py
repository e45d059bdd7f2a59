"""The page as every page suite drives it, in any of the engines browsers.py
opens: the window in a freshly loaded page, its boxes, bars, buttons and
menu; the languages the page speaks, as po/ lists them, and a link that
asks for one; and where the captions stand, to check that each fits."""
import os
import re
import time

BARS = ["HScrollw1", "HScrollw2", "HScrollw3", "VScrollp"]
BOXES = ["Textw1", "Textw2", "Textw3", "TextInitp"]
BLUE = [0, 0, 204, 255]  # the window's drawing colour
PO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "po")


class Page:
    """The window in a freshly loaded page: the page's file, with a link's
    part after "#" where one is given, or another address."""
    address = ""  # the page's file, as a suite is given it

    def __init__(self, browser, link=""):
        self.browser = browser
        address = link if "://" in link else self.address + link
        if "#" in address:  # from the same page, a "#" alone would not load it again
            browser.get("about:blank")
        browser.get(address)
        deadline = time.time() + 15
        while not browser.evaluate("return !!(window.Quorvel && Quorvel.readyAt)"):
            assert time.time() < deadline, "the program never started"
            time.sleep(0.02)

    def element(self, name):
        """The element itself, where the engine is driven through Selenium."""
        from selenium.webdriver.common.by import By
        return self.browser.driver.find_element(By.CSS_SELECTOR, '[data-name="%s"]' % name)

    def bar(self, i):
        return self.element(BARS[i])

    def box(self, name):
        return self.browser.evaluate(
            "return document.querySelector('[data-name=\"' + arguments[0] + '\"]').value", name)

    def shows(self, name, text):
        """Whether the box shows text within 2 s: some engines press a button
        from the keyboard a moment after the key comes up."""
        deadline = time.time() + 2
        while self.box(name) != text and time.time() < deadline:
            time.sleep(0.02)
        return self.box(name) == text

    def click(self, name):
        x, y = self.browser.evaluate(
            "var r = document.querySelector('[data-name=\"' + arguments[0] + '\"]')"
            ".getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];",
            name)
        self.browser.click(x, y)

    def focused(self):
        return self.browser.evaluate(
            "var e = document.activeElement; return e.dataset.name || e.textContent")

    def choose(self, words):
        """Clicks the menu's entry with these words; its role and aria-checked."""
        return self.browser.evaluate(
            "var w = arguments[0]; Module._quorvel_menu(300, 200, 1); var e = Array.from(document"
            ".querySelectorAll('#q-menu button')).filter(function (e) { return e.firstChild"
            ".textContent === w; })[0]; e.click(); return ['role', 'aria-checked'].map("
            "function (a) { return e.getAttribute(a); });", words)

    def set_bar(self, i, value):
        """Ends a thumb drag at value, as the page reports one."""
        along = value / 100 if i < 3 else (1000 - value) / 1000  # p: 1 at the top
        self.browser.evaluate(
            "Quorvel.send(Number(document.querySelector('[data-name=\"' + arguments[0]"
            " + '\"]').dataset.id), QuorvelConstants.event.DragEnded, arguments[1]);",
            BARS[i], round(along * 1e6))

    def set_bars(self, values):
        for i, value in enumerate(values):
            if value >= 0:
                self.set_bar(i, value)

    def drawn(self, x, y):
        """The canvas pixel under the centre of a dot at (x, y), logical pixels."""
        return self.browser.evaluate(
            "var c = document.querySelector('canvas'), r = c.width / 628;"
            "return Array.from(c.getContext('2d').getImageData("
            "Math.floor((arguments[0] + 0.5) * r), Math.floor((arguments[1] + 0.5) * r), 1, 1)"
            ".data);", x, y)


def languages():
    """Every language the page speaks, as a link names it, and its own name
    as its catalogue gives it: English, and those po/LINGUAS lists."""
    listed = re.sub(r"#.*", "", open(os.path.join(PO, "LINGUAS"), encoding="utf-8").read())
    spoken = [("en", "English")]
    for tag in listed.split():
        po = open(os.path.join(PO, tag + ".po"), encoding="utf-8").read()
        name = re.search(r'msgctxt "LanguageName"\nmsgid "English"\nmsgstr "(.*)"', po).group(1)
        spoken.append((tag.replace("_", "-"), name))
    return spoken


def speak(browser, tag, settings=""):
    """The page's language from now on, as a changed link asks for it."""
    browser.evaluate("location.hash = '#lang=' + arguments[0];", tag + settings)
    deadline = time.time() + 5
    while browser.evaluate("return document.documentElement.lang") != tag:
        assert time.time() < deadline, "the page never spoke " + tag
        time.sleep(0.02)


# Where each caption of the window stands and what it shows, and what is wrong
# with that: a button's or a box's text wider than it, a label's text cut
# off, over another control or off the window, or read from the right and
# less than 3 px short of the control it ends against. clipped: the texts are
# longer than any room (the pseudo-language), so a label may be cut off at
# its room or under a control, but never covers another label.
CAPTION_FAULTS = """
var root = Quorvel.root, at = root.getBoundingClientRect(), scale = Quorvel.fit.scale;
var clipped = arguments[0], faults = [], shown = [];
var place = function (r) {
  return [(r.left - at.left) / scale, (r.top - at.top) / scale,
          (r.right - at.left) / scale, (r.bottom - at.top) / scale];
};
var over = function (a, b) {
  return Math.min(a[2], b[2]) - Math.max(a[0], b[0]) > 0.5 &&
         Math.min(a[3], b[3]) - Math.max(a[1], b[1]) > 0.5;
};
root.querySelectorAll('[data-id]').forEach(function (e) {
  if (e.tagName === 'CANVAS' || e.hidden)
    return;
  var text = e.tagName === 'INPUT' ? e.value : e.textContent, own = place(e.getBoundingClientRect());
  var inked = own, label = e.classList.contains('q-label');
  if (text && e.tagName !== 'INPUT') {
    var range = document.createRange();
    range.selectNodeContents(e);
    inked = place(range.getBoundingClientRect());
  }
  if (clipped && label)
    inked = [inked[0], inked[1], Math.min(inked[2], own[2]), inked[3]];
  shown.push({name: e.dataset.name + '(' + e.dataset.id + ')', text: text, e: e, own: own,
              inked: inked, label: label});
});
shown.forEach(function (s) {
  if (!s.text)
    return;
  var says = s.name + ' "' + s.text + '" ';
  if (!clipped && s.e.scrollWidth > s.e.clientWidth)
    faults.push(says + 'is cut off: ' + s.e.scrollWidth + ' > ' + s.e.clientWidth);
  if (!clipped && s.e.tagName === 'BUTTON' && s.inked[2] - s.inked[0] > s.e.clientWidth - 2)
    faults.push(says + 'overflows its button');
  if (!s.label)
    return;
  if (s.inked[2] > root.clientWidth + 0.5 || s.inked[0] < -0.5)
    faults.push(says + 'runs off the window');
  shown.forEach(function (o) {
    var taken = o.label ? (o.text ? o.inked : null) : (clipped ? null : o.own);
    if (o !== s && taken && over(s.inked, taken))
      faults.push(says + 'runs into ' + o.name);
  });
  var beside = shown.filter(function (o) {
    return !o.label && o.own[0] >= s.inked[2] - 0.5 && o.own[0] - s.inked[2] < 3 - 0.01 &&
           Math.min(o.own[3], s.inked[3]) - Math.max(o.own[1], s.inked[1]) > 0.5;
  });
  if (!clipped && s.e.dir === 'rtl' && beside.length)
    faults.push(says + 'ends ' + (beside[0].own[0] - s.inked[2]) + ' px before ' + beside[0].name);
});
return faults;
"""


def captions_fit(browser, tags, settings=""):
    """Each language's captions where they fit, in the window as it is now."""
    for tag in tags:
        speak(browser, tag, settings)
        faults = browser.evaluate(CAPTION_FAULTS, False)
        assert not faults, (tag, faults)

#!/usr/bin/python3
"""What a blind student hears: the Linux program or the page, driven with real
keys beside a real Orca (run inside with_orca.sh), and every step checked
against what Orca said, from its log. Usage:
    heard_by_orca.py OUTDIR program PROGRAM
    heard_by_orca.py OUTDIR page PAGE.html"""
import datetime
import os
import re
import subprocess
import sys
import tempfile
import time

OUT, TARGET, PATH = sys.argv[1:4]
PAUSE = 1.2  # Orca speaks a step within a second


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def focus_window(name):
    """Gives the window the keyboard, as a window manager would (there is none).
    Chromium at times shows a first window and replaces it at once, so the one
    found may be gone before it takes the focus: look again."""
    deadline = time.monotonic() + 30
    while True:
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", name,
                                "windowfocus", "--sync"], timeout=30,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if found.returncode == 0:
            return
        if time.monotonic() > deadline:
            raise RuntimeError("no window named “%s” took the keyboard" % name)
        time.sleep(0.5)


def spoken():
    """Every utterance so far: (time of day in seconds, text)."""
    said = []
    with open(os.path.join(OUT, "debug.out"), encoding="utf-8", errors="replace") as log:
        for line in log:
            found = re.match(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'", line)
            if found:
                h, m, s, text = found.groups()
                # What is heard: the isolates that keep a formula whole in
                # Arabic are not spoken.
                text = re.sub("[\u2066-\u2069]", "", text)
                said.append((int(h) * 3600 + int(m) * 60 + float(s), text))
    return said


def now():
    t = datetime.datetime.now()
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


class Steps:
    def __init__(self):
        self.done = []  # (name, start, end)

    def __call__(self, name, *keys, pause=PAUSE, since=None):
        start = now() if since is None else since
        if keys:
            key(*keys)
        time.sleep(pause)
        self.done.append((name, start, now()))

    def until(self, name, key_name, words, most=10):
        """Presses a key, a step at a time, until the last thing Orca said
        was words."""
        start = now()
        for _ in range(most):
            said = spoken()
            if said and re.search(words, said[-1][1]):
                break
            key(key_name)
            time.sleep(PAUSE / 2)
        self.done.append((name, start, now()))

    def again(self, name, keys, words, most=3):
        """Presses keys, a little apart, and again, most times at most, until
        Orca has said words in this step. Keys pressed at once let Orca
        take only the last focus, and say nothing where that is the one it
        had (as after a language change, which hands the focus back to
        RUN); now and then it says nothing of a focus that moved, just
        after the page has written every word anew, where a student presses
        again. A focus the program names wrongly is never heard, and fails
        the step."""
        start = now()
        for _ in range(most):
            for each in keys:
                key(each)
                time.sleep(PAUSE / 2)
            time.sleep(PAUSE / 2)
            if any(re.search(words, text) for at, text in spoken() if at >= start):
                break
        self.done.append((name, start, now()))

    def heard(self, name):
        """What Orca said during a step."""
        for step, start, end in self.done:
            if step == name:
                return [text for at, text in spoken() if start <= at < end]
        raise KeyError(name)


def check(steps, expectations):
    """expectations: (step, [words heard once at least], [words not heard]),
    words as regular expressions over what was said in that step, joined."""
    failures = []
    for step, wanted, unwanted in expectations:
        said = " | ".join(steps.heard(step))
        for words in wanted:
            if not re.search(words, said):
                # A sentence the program says, as against a focus or a mode Orca presents.
                kind = "[sentence] " if words.startswith("^(?!") else ""
                failures.append("%s%s: did not hear %r in: %s" % (kind, step, words, said))
        for words in unwanted:
            if re.search(words, said):
                failures.append("%s: heard %r in: %s" % (step, words, said))
    for failure in failures:
        print("FAIL: " + failure)
    print("%d steps, %d failures" % (len(steps.done), len(failures)))
    return 1 if failures else 0


def once(words):
    """A pattern that matches words said once, and not twice."""
    return r"^(?!.*%s.*%s).*%s" % ((re.escape(words),) * 3)


def population_settings(step):
    """From RUN, the population settings from the menu: the size's bar takes
    the focus; a million individuals, back to RUN and a run of them, then the
    size infinite again, its bar keeping the focus."""
    step("menu for the settings", "shift+F10")
    step.until("to the settings", "Up", r"^Population settings")
    step("settings shown", "Return")
    step("a million", "Left")
    step("RUN from the settings", *["shift+Tab"] * 8)
    step("run of a population", "space")
    step("infinite again", *["Tab"] * 8, "End")


# What both hear of the population settings, the bar in their own words.
HEARD_SETTINGS = [
    ("run of a population", [once("Of 1 population of N = 1,000,000, after 100 generations:")],
     []),
]


def program(path):
    """The Linux program: boxes and bars as their boxes show them, a message
    box, RUN and W Mean's sentences, reading mode's steps."""
    started = now()
    window = subprocess.Popen([path], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        focus_window("Quorvel, deterministic")
        step = Steps()
        step("first box", pause=2.0, since=started)
        step("next box", "Tab")
        step("p bar", "Tab", "Tab", "Tab")
        step("p up", "Up")
        step("RUN", "Tab")
        step("nothing set", "space")
        step("message closed", "Return", pause=0.3)
        focus_window("Quorvel, deterministic")  # back from the message, as a desktop does
        step("after the message", pause=0.8)
        step("w(AA) to 1", "Tab", "End")
        step("w(Aa) to 1", "Tab", "End")
        step("w(aa) up", "Tab", "Right")
        step("back to RUN", "shift+Tab", "shift+Tab", "shift+Tab")
        step("run", "space")
        step("run again", "space")  # the same sentence, heard again
        step("W Mean", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab")
        step("sweep", "space")
        step("read values", "F6")
        step("next point", "Right")
        step("reading ends", "Escape")
        step("w(AA) box", "Tab")
        population_settings(step)
        step("w(AA) box again", *["shift+Tab"] * 13)
        # In German, from the menu: up from its end to Language, into it,
        # down to Deutsch; then RUN again.
        step("back to RUN again", "Tab", "Tab", "Tab", "Tab", "Tab")
        step("languages", "shift+F10", "Up", "Up", "Up", "Up", "Up", "Right")
        step.until("to German", "Down", r"^Deutsch")
        step("in German", "Return")
        step.again("RUN in German", ["Tab", "shift+Tab"], r"Start push button")
        step("run in German", "space")
        # In Arabic, the note read in the order it is read.
        step("languages again", "shift+F10", "Up", "Up", "Up", "Up", "Up", "Right")
        step.until("to Arabic", "Down", "^\u0627\u0644\u0639\u0631\u0628\u064a\u0629")
        step("in Arabic", "Return")
        step("read in Arabic", "F6")
        step("reading in Arabic ends", "Escape")
    finally:
        window.terminate()
        window.wait(10)
    return check(step, [
        ("first box", [r"Fitness w\(AA\) read only text", r"w\(AA"], []),
        ("next box", [r"Fitness w\(Aa\) read only text"], ["selected", "unselected"]),
        ("p bar", [r"p0 scroll bar"], []),
        ("p up", [r"0\.001"], []),
        ("nothing set", [once("Every fitness is 0"), r"OK push button"], []),
        ("after the message", [], [r"Trajectory", r"Every fitness"]),
        ("w(AA) to 1", [r"Fitness w\(AA\) scroll bar", r"1\.00"], []),
        ("run", [once("Trajectory: w(AA) 1, w(Aa) 1, w(aa) 0.01, from p0 0.001 to p100 "
                      "0.990.")], []),
        ("run again", [once("Trajectory: w(AA) 1, w(Aa) 1, w(aa) 0.01, from p0 0.001 to p100 "
                            "0.990.")], []),
        ("sweep", [once("Mean fitness and change curves: w(AA) 1, w(Aa) 1, w(aa) 0.01; mean "
                        "fitness rising from 0.010 to 1.000")], []),
        ("read values", [once("p = 0.000: mean fitness 0.010; w = 1, 1, 0.01 (s = 0.99, h = 0); an "
                              "unstable balance at p = 0.000 and a stable balance at p = 1.000")], []),
        ("next point", [once("p = 0.001: mean fitness")], []),
        ("reading ends", [once("Reading values ended.")], []),
        ("w(AA) box", [r"Fitness w\(AA\) read only text", r"\| 1\b"], ["Trajectory", "Mean fitness"]),
        ("settings shown", [r"Population size N scroll bar"], []),
        ("a million", [r"1000000"], []),
        ("RUN from the settings", [r"RUN push button"], []),
        *HEARD_SETTINGS,
        ("w(AA) box again", [r"Fitness w\(AA\) read only text"], []),
        ("RUN in German", [r"Start push button", r"Verfolgt die Frequenz von A"], []),
        ("run in German", [once("Verlauf: w(AA) 1; w(Aa) 1; w(aa) 0.01; von p0 0.001 bis p100 "
                                "0.990.")], ["Trajectory"]),
        ("read in Arabic", [once("\u0627\u0644\u062c\u064a\u0644 0: p = 0.001\u061b "
                                 "w = 1, 1, 0.01 (s = 0.99, h = 0)\u061b p0 = 0.001")],
         ["generation", "Generation"]),
    ])


def page(path):
    """The page in Chromium: the same, and the help, which must leave the
    screen reader handing the page its keys, and the context menu."""
    profile = tempfile.mkdtemp()
    started = now()
    browser = subprocess.Popen(
        ["chromium", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-quic", "--force-renderer-accessibility", "--test-type",
         "--user-data-dir=" + profile, "--window-size=900,700", "--lang=en-US",
         "file://" + os.path.abspath(path)],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        focus_window("Quorvel, deterministic")
        step = Steps()
        # The page's first frame shows before its program starts, which then
        # takes the focus to the first box again: on a cold start, the first
        # after a build, that takes seconds, and keys pressed sooner are lost.
        step("first box", pause=8.0, since=started)
        # Orca reads a page in browse mode, where arrows move its own caret,
        # until a box takes the keys: the page's first focus then turns on
        # focus mode. Where the page finished loading while Orca presented
        # that focus (three tries in a row on a slower machine), it stayed in
        # browse mode and said nothing of it. A student makes sure with
        # Insert+A, which turns the mode over and says which it turned to:
        # once more where that was "Browse mode".
        step.again("focus mode", ["Insert+a"], r"^Focus mode")
        step("p bar", "Tab", "Tab", "Tab", "Tab")
        step("p up", "Up")
        step("RUN", "Tab")
        step("nothing set", "space")
        step("message closed", "Return")
        step("w(AA) to 1", "Tab", "End")
        step("w(Aa) to 1", "Tab", "End")
        step("w(aa) up", "Tab", "Right")
        step("back to RUN", "shift+Tab", "shift+Tab", "shift+Tab")
        step("run", "space")
        step("run again", "space")
        # Reading comes before the help: Orca 43 at times takes the page's
        # live region for something outside the page for a while after a
        # modal dialog closes, and says nothing of it until the page changes
        # again (its cache of which objects are in the document goes stale),
        # which is Orca's to mend, not the page's.
        step("read values", "F6")
        step("next point", "Right")
        step("reading ends", "Escape")
        population_settings(step)
        step("RUN once more", *["shift+Tab"] * 8)
        step("help", "alt+shift+h")
        step("help closed", "Escape")
        step("help again", "alt+shift+h")
        step("help closed again", "Escape")
        step("menu", "shift+F10")
        step("menu closed", "Escape")
        # Where the reader reads the page as a document, the menu still opens.
        step("browse mode", "Insert+a")
        step("menu in browse mode", "shift+F10")
        step("help from the menu", "Up", "Return")
        step("help from the menu closed", "Escape")
        # In German, from the menu: up from its end to Language, into it,
        # down to Deutsch; then RUN again.
        step("languages", "shift+F10", "Up", "Up", "Right")
        step.until("to German", "Down", r"^Deutsch")
        # The page writes every word and its description again: give it
        # and Orca the time to settle before the focus moves.
        step("in German", "Return", pause=2 * PAUSE)
        step.again("RUN in German", ["Tab", "shift+Tab"], r"Start push button")
        step("run in German", "space")
    finally:
        browser.terminate()
        browser.wait(10)
    return check(step, [
        ("first box", [r"Fitness w\(AA\) read only entry"], []),
        ("focus mode", [r"Focus mode"], []),
        ("p bar", [r"p0 vertical scroll bar"], []),
        ("p up", [r"0\.001"], []),
        ("nothing set", [once("Every fitness is 0"), r"OK push button"], ["Browse mode"]),
        ("message closed", [r"RUN push button"], [r"Trajectory", r"Every fitness"]),
        ("w(AA) to 1", [r"Fitness w\(AA\) horizontal scroll bar", r"\| 1\b"], []),
        ("run", [once("Trajectory: w(AA) 1, w(Aa) 1, w(aa) 0.01, from p0 0.001 to p100 "
                      "0.990.")], []),
        ("run again", [once("Trajectory: w(AA) 1, w(Aa) 1, w(aa) 0.01, from p0 0.001 to p100 "
                            "0.990.")], []),
        ("settings shown", [r"Population size N"], []),
        ("a million", [r"1,000,000"], []),
        *HEARD_SETTINGS,
        ("RUN once more", [r"RUN push button"], []),
        ("help", [once("Quorvel, deterministic: help"), r"Close push button"], ["Headings"]),
        ("help closed", [r"RUN push button"], [r"Trajectory", r"Browse mode"]),
        ("help again", [once("Quorvel, deterministic: help")], ["Headings"]),
        ("read values", [once("generation 0: p = 0.001; w = 1, 1, 0.01 (s = 0.99, h = 0); p0 = 0.001")], []),
        ("next point", [once("generation 1: p = ")], []),
        ("reading ends", [once("Reading values ended.")], []),
        ("menu", [r"menu", r"Read values F6"], []),
        ("menu closed", [r"RUN push button"], ["Reading values ended", "Trajectory"]),
        ("browse mode", [r"Browse mode"], []),
        ("menu in browse mode", [r"Help Alt\+Shift\+H"], []),
        ("help from the menu", [once("Quorvel, deterministic: help")], []),
        ("RUN in German", [r"Start push button"], []),
        ("run in German", [once("Verlauf: w(AA) 1; w(Aa) 1; w(aa) 0.01; von p0 0.001 bis p100 "
                                "0.990.")], ["Trajectory"]),
    ])


def main():
    """More tries where the first has failures: Orca now and then drops
    what it should say (a focus that an earlier caret event took for its own,
    a cache gone stale), where a student would press the key again; in the
    page, just after a build, two tries in a row have each lost a different
    step. A fault of the program's fails every try; every failure is
    printed."""
    run = program if TARGET == "program" else page
    tries = int(os.environ.get("QUORVEL_ORCA_TRIES", "3"))  # the benchmark counts single tries
    for attempt in range(tries):
        if attempt:
            print("Trying once more, as Orca does not always say the same.")
            time.sleep(2)
        if run(PATH) == 0:
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())

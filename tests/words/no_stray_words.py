#!/usr/bin/python3
"""No word a user reads or hears is written into the code: every one comes
from the catalogue. Reads every string in the window's and the backends' C++
and the page's scripts (xgettext finds them, as it would for a translator)
and fails on any that reads as the catalogue's English: a phrase of it
("Turn the device sideways"), or one of its words on its own ("Drawing",
"Close", "OK"). Diagnostics thrown for developers are no words of the
window's. Usage: no_stray_words.py SOURCE_DIR"""
import glob
import os
import re
import subprocess
import sys

source = sys.argv[1]
sys.path.insert(0, os.path.join(source, "po"))
import make_catalogue  # noqa: E402

RUN = re.compile(r"[A-Za-z]+(?: [A-Za-z]+)*")


def english(template):
    """The catalogue's English: its words, its phrases as they stand, and the
    names of its placeholders, which the code fills in by name."""
    words, phrases, names = set(), set(), set()
    for phrase in make_catalogue.read_template(template):
        # What the launcher and a software centre say of the program
        # ("About...", its name and "a class" among them) is no window's word.
        if phrase.context.startswith("About"):
            continue
        names |= phrase.names
        for text in (phrase.msgid, phrase.plural or ""):
            text = re.sub(r"\{\w+\}", " ", text)
            words |= {word.lower() for word in re.findall(r"[A-Za-z]{3,}", text)}
            phrases.add(text)
    return words, phrases - names, names


def strings(language, files):
    """(file, line, text) for each string literal in files."""
    out = subprocess.run(["xgettext", "--extract-all", "--no-wrap", "--from-code=UTF-8",
                          "--language=" + language, "--output=-"] + files,
                         capture_output=True, text=True, check=True).stdout
    found, where = [], []
    for line in out.split("\n"):
        if line.startswith("#:"):
            where = [place.rsplit(":", 1) for place in line[3:].split()]
        elif line.startswith('msgid "') and line != 'msgid ""':
            text = line[7:-1].encode("utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")
            found += [(path, int(number), text) for path, number in where]
    return found


def glue(files):
    """(file, line, text) for each string in the JavaScript of EM_JS glue,
    which is no C++ string to xgettext."""
    found = []
    for path in files:
        text = open(path, encoding="utf-8").read()
        if "EM_JS" not in text:
            continue
        # Comments out, line for line, so that an apostrophe in one is no quote.
        text = re.sub(r"(^|\s)//[^\n]*", lambda m: m.group(1), text)
        for match in re.finditer(r"'((?:[^'\\\n]|\\.)*)'", text):
            found.append((path, text.count("\n", 0, match.start()) + 1, match.group(1)))
    return found


def page(path):
    """(file, line, text) for the words of an HTML page outside its tags,
    styles and comments."""
    html = open(path, encoding="utf-8").read()
    html = re.sub(r"<style>.*?</style>|<!--.*?-->|\{\{\{.*?\}\}\}", "", html, flags=re.S)
    return [(path, html.count("\n", 0, match.start()) + 1, match.group(0))
            for match in re.finditer(r"[^<>]+(?=<)", html) if match.group(0).strip()]


def thrown(path, number):
    """Whether the string on that line is in a throw statement: a developer's."""
    lines = open(path, encoding="utf-8").read().split("\n")
    start = number - 1
    while start > 0 and not re.search(r"[;{}]\s*$", lines[start - 1]):
        start -= 1
    return "throw " in "\n".join(lines[start:number])


def main():
    words, phrases, names = english(os.path.join(source, "po", "quorvel.pot"))
    window = os.path.join(source, "window")
    cpp = sorted(glob.glob(window + "/**/*.cpp", recursive=True) +
                 glob.glob(window + "/**/*.h", recursive=True))
    js = sorted(glob.glob(window + "/platform/web/js/*.js"))
    stray = []
    found = (strings("C++", cpp) + strings("JavaScript", js) + glue(cpp) +
             page(window + "/platform/web/shell.html"))
    for path, number, text in found:
        if text in names:
            continue
        for run in RUN.findall(text):
            said = [word for word in run.split(" ") if len(word) >= 3 and word.lower() in words]
            alone = run in phrases and (re.search("[a-z]", run) and len(run) >= 3 or run == "OK")
            if (len(said) >= 2 or alone) and not thrown(path, number):
                stray.append("%s:%d: %r" % (os.path.relpath(path, source), number, run))
    for line in stray:
        print("a word outside the catalogue: " + line)
    print("%d strings checked, %d words outside the catalogue" % (len(found), len(stray)))
    return 1 if stray else 0


if __name__ == "__main__":
    sys.exit(main())

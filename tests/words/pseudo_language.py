#!/usr/bin/python3
"""Writes a pseudo-language from the template: every phrase in brackets, its
letters accented and the whole a third longer, its placeholders kept. The
suites show it on every backend: a word that bypasses the catalogue shows
plain, and a place that cannot take a longer text shows it.
usage: pseudo_language.py TEMPLATE OUTPUT.po"""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "po"))
import make_catalogue  # noqa: E402

ACCENTED = dict(zip("AaCcEeGgIiLlNnOoSsUuYyZz", "ÅáĆçÉéĞğÎîŁłÑñÖöŠšÜüÝýŽž"))
PART = re.compile(r"(\{[A-Za-z_][A-Za-z0-9_]*\}|\{\{|\}\})")


def pseudo(text):
    lines = []
    for line in text.split("\n"):
        parts = PART.split(line)
        plain = sum(len(part) for part in parts[::2])
        accented = "".join(part if i % 2 else "".join(ACCENTED.get(c, c) for c in part)
                           for i, part in enumerate(parts))
        lines.append(accented + "·" * ((plain + 2) // 3) if line else line)
    return "[" + "\n".join(lines) + "]"


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def main(template, output):
    lines = ['msgid ""', 'msgstr ""', quoted("Project-Id-Version: Quorvel\n"),
             quoted("PO-Revision-Date: 2026-01-01 00:00+0000\n"),
             quoted("Last-Translator: the suite\n"), quoted("Language-Team: none\n"),
             quoted("Language: en_XA\n"), quoted("MIME-Version: 1.0\n"),
             quoted("Content-Type: text/plain; charset=UTF-8\n"),
             quoted("Content-Transfer-Encoding: 8bit\n"),
             quoted("Plural-Forms: nplurals=2; plural=(n != 1);\n"), ""]
    for phrase in make_catalogue.read_template(template):
        if "python-brace-format" in phrase.flags:
            lines.append("#, python-brace-format")
        lines.append("msgctxt " + quoted(phrase.context))
        lines.append("msgid " + quoted(phrase.msgid))
        if phrase.plural is None:
            lines.append("msgstr " + quoted(pseudo(phrase.msgid)))
        else:
            lines.append("msgid_plural " + quoted(phrase.plural))
            lines.append("msgstr[0] " + quoted(pseudo(phrase.msgid)))
            lines.append("msgstr[1] " + quoted(pseudo(phrase.plural)))
        lines.append("")
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main(*sys.argv[1:3])

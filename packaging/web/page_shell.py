#!/usr/bin/python3
"""Writes the page's shell: the window's HTML, which the browser paints before
the program is compiled, the tools' style, and the layout's faces embedded as small subsets of
the Liberation 2 faces (metric twins of the faces the layout names), renamed
as the SIL Open Font License asks of a modified font, with their licence
notice. Usage: page_shell.py TEMPLATE WINDOW_HTML TOOLS_CSS OUTPUT"""
import base64
import io
import logging
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FONTS = "/usr/share/fonts/truetype/liberation2/"
COPYRIGHT = "/usr/share/doc/fonts-liberation2/copyright"
ASCII = "".join(chr(c) for c in range(0x20, 0x7F)) + "\u00a0"

# CSS family, weight, file, the characters the page shows in it.
FACES = [
    ("Quorvel Sans", 400, "LiberationSans-Regular.ttf", ASCII),  # captions, boxes, messages
    ("Quorvel Serif", 400, "LiberationSerif-Regular.ttf", "RUNCLS"),
    ("Quorvel Serif", 700, "LiberationSerif-Bold.ttf", "W Mean"),
]


def flavour():
    try:
        import brotli  # noqa: F401  (WOFF2 needs it)
        return "woff2"
    except ImportError:
        return "woff"


def subset_face(family, path, text):
    options = subset.Options()
    options.flavor = flavour()
    options.hinting = False
    options.desubroutinize = True
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    # "Liberation" is a reserved font name: a modified font may not carry it.
    style = font["name"].getDebugName(2) or "Regular"
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (3, 4):
            record.string = "%s %s" % (family, style)
        elif record.nameID == 6:
            record.string = ("%s-%s" % (family, style)).replace(" ", "")
    out = io.BytesIO()
    font.flavor = options.flavor
    font.save(out)
    return out.getvalue()


def advance(font, text, size):
    """The width of text set in font at size pixels, from the face's own advances."""
    widths, glyphs = font["hmtx"].metrics, font.getBestCmap()
    return sum(widths[glyphs[ord(c)]][0] for c in text) * size / font["head"].unitsPerEm


def pinned_runs(window_html):
    """Labels that space their parts apart with runs of spaces, as the axis
    captions do, with each part but the last in a box as wide as the face sets
    it: engines round a face's advances differently (WebKit to whole pixels),
    which over a long run of spaces moved the last part onto the next caption."""
    font = TTFont(FONTS + FACES[0][2])

    def pin(match):
        size, text = float(match.group(2)), match.group(3)
        if "  " not in text:
            return match.group(0)
        parts = re.findall(r".*? {2,}|.+$", text)
        boxed = "".join('<span style="display:inline-block;width:%.2fpx">%s</span>'
                        % (advance(font, part, size), part) for part in parts[:-1])
        return match.group(1) + boxed + parts[-1] + "</div>"

    label = r"(<div class=\"q-label\"[^>]*font:normal ([0-9.]+)px 'Quorvel Sans'[^>]*>)([^<]*)</div>"
    return re.sub(label, pin, window_html)


def licence_notice():
    text = open(COPYRIGHT, encoding="utf-8").read()
    copyright = re.search(r"^Copyright:\n((?: .*\n)+)", text, re.M).group(1)
    licence = re.search(r"^License: SIL-OFL-1.1\n((?: .*\n)+)", text, re.M).group(1)
    lines = [line[1:] if line != " .\n" else "\n" for line in (copyright + licence).splitlines(True)]
    notice = "".join(lines).replace("*/", "* /")
    return ("The faces below are subsets of the Liberation fonts, renamed \"Quorvel Sans\" and\n"
            "\"Quorvel Serif\" as their licence asks of a modified font.\n\n" + notice)


def main():
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # tables it drops, by design
    template, window, tools, output = sys.argv[1:5]
    kind = flavour()
    rules = ["/*\n" + licence_notice() + "*/"]
    for family, weight, name, text in FACES:
        data = base64.b64encode(subset_face(family, FONTS + name, text)).decode("ascii")
        rules.append('@font-face { font-family: "%s"; font-weight: %d; font-display: block; '
                     'src: url(data:font/%s;base64,%s) format("%s"); }'
                     % (family, weight, kind, data, kind))
    page = open(template, encoding="utf-8").read()
    page = page.replace("/* @QUORVEL_FONTS@ */", "\n".join(rules))
    page = page.replace("/* @QUORVEL_TOOLS@ */", open(tools, encoding="utf-8").read())
    page = page.replace("<!-- @QUORVEL_WINDOW@ -->", pinned_runs(open(window, encoding="utf-8").read()))
    open(output, "w", encoding="utf-8").write(page)


if __name__ == "__main__":
    main()

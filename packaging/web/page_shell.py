#!/usr/bin/python3
"""Writes the page's shell: the window's HTML, which the browser paints before
the program is compiled, the tools' style, and the layout's faces embedded as
small subsets of the Liberation 2 faces (metric twins of the faces the layout
names), renamed as the SIL Open Font License asks of a modified font, with
their licence notice. Each face holds the characters of every text it shows
in every language, which the program lists (TEXTS_JSON), and the sans face
all of Latin-1 and Latin Extended-A besides. Captions that space their parts
apart are pinned, in the window as built and in a table for every language.
Usage: page_shell.py TEMPLATE WINDOW_HTML TOOLS_CSS TEXTS_JSON OUTPUT"""
import base64
import html
import io
import json
import logging
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FONTS = "/usr/share/fonts/truetype/liberation2/"
COPYRIGHT = "/usr/share/doc/fonts-liberation2/copyright"
# Every Latin language's letters: ASCII, Latin-1 and Latin Extended-A; and
# the page's own marks, a submenu's arrow and a chosen entry's dot.
LATIN = "".join(chr(c) for c in list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)))
MARKS = "\u25b8\u2022"
# What a browser's region may group a setting's digits with beyond Latin-1:
# the narrow no-break space (French) and the apostrophe (Swiss).
GROUPS = "\u202f\u2019"

# CSS family, weight, file, and which of the program's texts it shows.
FACES = [
    ("Quorvel Sans", 400, "LiberationSans-Regular.ttf", "sans"),  # captions, boxes, messages
    ("Quorvel Serif", 400, "LiberationSerif-Regular.ttf", "serif"),
    ("Quorvel Serif", 700, "LiberationSerif-Bold.ttf", "serifBold"),
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


def pins(font, text, size):
    """The widths of a caption's parts but the last, where runs of spaces
    space them apart, as the axis captions do: engines round a face's advances
    differently (WebKit to whole pixels), which over a long run of spaces
    moved the last part onto the next caption. None for other captions."""
    if "  " not in text:
        return None
    # Letters the face has not (Chinese, Arabic) come from the system's
    # fonts, whose advances are not known here: such a caption runs unpinned.
    if any(ord(c) not in font.getBestCmap() for c in text):
        return None
    parts = re.findall(r".*? {2,}|.+$", text)
    return [round(advance(font, part, size), 2) for part in parts[:-1]]


def pinned_runs(font, window_html):
    """The window as built, each such label's parts in boxes of those widths."""
    def pin(match):
        size, text = float(match.group(2)), match.group(3)
        widths = pins(font, text, size)
        if not widths:
            return match.group(0)
        parts = re.findall(r".*? {2,}|.+$", text)
        boxed = "".join('<span style="display:inline-block;width:%.2fpx">%s</span>'
                        % (width, part) for width, part in zip(widths, parts))
        return match.group(1) + boxed + parts[-1] + "</div>"

    label = r"(<div class=\"q-label\"[^>]*font:normal ([0-9.]+)px 'Quorvel Sans'[^>]*>)([^<]*)</div>"
    return re.sub(label, pin, window_html)


def pin_table(font, texts):
    """Every language's pinned captions, by row and text, for the program to
    show when it speaks another language."""
    table = {}
    for row in texts["pins"]:
        for text in row["texts"]:
            widths = pins(font, text, row["size"])
            if widths:
                table.setdefault(str(row["id"]), {})[text] = widths
    return "<script>var QuorvelPins = %s;</script>" % json.dumps(
        table, ensure_ascii=False, separators=(",", ":"))


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
    template, window, tools, texts_path, output = sys.argv[1:6]
    texts = json.load(open(texts_path, encoding="utf-8"))
    kind = flavour()
    rules = ["/*\n" + licence_notice() + "*/"]
    for family, weight, name, shows in FACES:
        characters = set("".join(texts[shows])) | {" "}
        if shows == "sans":
            characters |= set(LATIN + MARKS + GROUPS)
        text = "".join(sorted(c for c in characters if c not in "\n\t"))
        data = base64.b64encode(subset_face(family, FONTS + name, text)).decode("ascii")
        rules.append('@font-face { font-family: "%s"; font-weight: %d; font-display: block; '
                     'src: url(data:font/%s;base64,%s) format("%s"); }'
                     % (family, weight, kind, data, kind))
    page = open(template, encoding="utf-8").read()
    page = page.replace("/* @QUORVEL_FONTS@ */", "\n".join(rules))
    page = page.replace("/* @QUORVEL_TOOLS@ */", open(tools, encoding="utf-8").read())
    sans = TTFont(FONTS + FACES[0][2])
    window_html = open(window, encoding="utf-8").read()
    # The tab's title is the window's, as the window was built.
    page = page.replace("<!-- @QUORVEL_TITLE@ -->",
                        re.search(r'<h1 class="q-hidden">(.*?)</h1>', window_html).group(1))
    # What the page is, for search engines, in the language it is built in;
    # the page's script puts it in the language it shows.
    page = page.replace("</title>", '</title>\n<meta name="description" content="%s">'
                        % html.escape(texts["description"]), 1)
    page = page.replace("<!-- @QUORVEL_WINDOW@ -->", pinned_runs(sans, window_html))
    page = page.replace("<!-- @QUORVEL_PINS@ -->", pin_table(sans, texts))
    open(output, "w", encoding="utf-8").write(page)


if __name__ == "__main__":
    main()

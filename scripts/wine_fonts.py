#!/usr/bin/python3
"""Makes a Wine prefix's fonts show what a Windows system shows, for the
tests: Windows' Chinese face, SimSun, which Wine links its own faces to for
letters they lack, is Debian's Chinese face under that name; and Wine's
Tahoma, which stands in for Windows' Microsoft Sans Serif, gets the
direction marks and isolates (U+200E, U+202A to U+202E, U+2066 to U+2069) as
glyphs of no width, where Windows' text shaping hides them.
Usage: wine_fonts.py FONTS_DIR"""
import os
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._g_l_y_f import Glyph

fonts = sys.argv[1]
chinese = TTFont("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", fontNumber=0)
for record in chinese["name"].names:
    if record.nameID in (1, 3, 4, 6, 16):
        record.string = "SimSun"
chinese.save(os.path.join(fonts, "simsun.ttc"))

tahoma = TTFont(os.path.join(fonts, "tahoma.ttf"))
order = tahoma.getGlyphOrder()
mark = "quorvel.directionmark"
tahoma["glyf"].glyphs[mark] = Glyph()
tahoma["hmtx"].metrics[mark] = (0, 0)
tahoma.setGlyphOrder(order + [mark])
tahoma["glyf"].glyphOrder = order + [mark]
for table in tahoma["cmap"].tables:
    if table.isUnicode():
        for code in [0x200E, 0x200F] + list(range(0x202A, 0x202F)) + list(range(0x2066, 0x206A)):
            table.cmap.setdefault(code, mark)
# Its bitmaps at small sizes know no such glyph, and would give it a width.
for bitmaps in ("EBDT", "EBLC", "BDF "):
    if bitmaps in tahoma:
        del tahoma[bitmaps]
# Newer than Wine's own copy of it, so that Wine takes this one.
tahoma["head"].fontRevision += 0.001
tahoma.save(os.path.join(fonts, "tahoma.ttf"))

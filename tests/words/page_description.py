#!/usr/bin/python3
"""The page says what it is, for search engines and a shared link's preview,
without a browser: the page and the site's index.html carry one description,
in English as they are built, and the site's manifest the same; the page's
script holds it in German too, to follow the language it shows.
Usage: page_description.py PAGE SITE_DIR"""
import html
import json
import os
import re
import sys

ENGLISH = "Watch natural selection move an allele's frequency"
GERMAN = "Verfolgen, wie natürliche Selektion die Frequenz eines Allels verändert"

page, site = sys.argv[1:3]
faults = []
for path in (page, os.path.join(site, "index.html")):
    text = open(path, encoding="utf-8").read()
    found = [html.unescape(content) for content in
             re.findall(r'<meta name="description" content="([^"]*)">', text)]
    if found != [ENGLISH] or '"%s"' % GERMAN not in text:
        faults.append("%s: descriptions %r, German %s" % (path, found, GERMAN in text))
manifest = json.load(open(os.path.join(site, "manifest.webmanifest"), encoding="utf-8"))
if manifest.get("description") != ENGLISH:
    faults.append("the manifest's description is %r" % manifest.get("description"))
print("\n".join(["FAIL: " + fault for fault in faults] + ["%d faults" % len(faults)]))
sys.exit(1 if faults else 0)

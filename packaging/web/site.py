#!/usr/bin/python3
"""Makes the folder a school's web server serves: the page as index.html, with
a web app manifest and a service worker, so that a browser can install it and
it works offline after the first visit. The single page itself stays as it is
(it opens from disk, where no service worker runs). Usage: site.py PAGE ICONS OUT"""
import hashlib
import html as markup
import json
import os
import re
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    page, icons, out = sys.argv[1:4]
    os.makedirs(out, exist_ok=True)
    html = open(page, encoding="utf-8").read()
    head = ('<link rel="manifest" href="manifest.webmanifest">\n'
            '<link rel="icon" href="icon.svg" type="image/svg+xml">\n'
            '<meta name="theme-color" content="#c0c0ff">\n'
            '<script>if ("serviceWorker" in navigator && location.protocol !== "file:")\n'
            '  navigator.serviceWorker.register("sw.js");</script>\n</head>')
    html = html.replace("</head>", head, 1)
    with open(os.path.join(out, "index.html"), "w", encoding="utf-8") as f:
        f.write(html)
    manifest = {
        "name": "Quorvel",
        "short_name": "Quorvel",
        # The page's own, from the catalogue, in the language it is built in.
        "description": markup.unescape(
            re.search(r'<meta name="description" content="([^"]*)">', html).group(1)),
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": "#f2f2f2",
        "theme_color": "#c0c0ff",
        "icons": [
            {"src": "icon-128.png", "sizes": "128x128", "type": "image/png"},
            {"src": "icon-256.png", "sizes": "256x256", "type": "image/png"},
            {"src": "icon.svg", "sizes": "any", "type": "image/svg+xml"},
        ],
    }
    with open(os.path.join(out, "manifest.webmanifest"), "w", encoding="utf-8") as f:
        json.dump(manifest, f, indent=2)
    for size in (128, 256):
        shutil.copy(os.path.join(icons, "org.quorvel.Quorvel-%d.png" % size),
                    os.path.join(out, "icon-%d.png" % size))
    shutil.copy(os.path.join(icons, "org.quorvel.Quorvel.svg"), os.path.join(out, "icon.svg"))
    # A new page is a new cache: a browser that kept the old one updates.
    version = hashlib.sha256(html.encode("utf-8")).hexdigest()[:12]
    worker = open(os.path.join(HERE, "sw.js"), encoding="utf-8").read()
    with open(os.path.join(out, "sw.js"), "w", encoding="utf-8") as f:
        f.write(worker.replace("@VERSION@", version))


if __name__ == "__main__":
    main()

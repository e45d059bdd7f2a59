#!/usr/bin/python3
"""Deflates the WebAssembly that Emscripten embeds in the page as base64, in
place: the page then carries a third of the bytes for it, which its script
(window/platform/web/js/wasm.js) inflates with the browser's own
DecompressionStream. Usage: page_pack.py PAGE"""
import base64
import re
import sys
import zlib

EMBEDDED = re.compile(r'wasmBinaryFile="data:application/octet-stream;base64,([A-Za-z0-9+/=]*)"')


def main(page):
    html = open(page, encoding="utf-8").read()
    found = EMBEDDED.findall(html)
    if len(found) != 1:
        sys.exit("page_pack.py: %s has %d embedded programs, not one" % (page, len(found)))
    packer = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    packed = packer.compress(base64.b64decode(found[0])) + packer.flush()
    html = EMBEDDED.sub(lambda _: 'wasmBinaryFile="";Quorvel.deflatedWasm="%s"'
                        % base64.b64encode(packed).decode("ascii"), html)
    with open(page, "w", encoding="utf-8") as f:
        f.write(html)


if __name__ == "__main__":
    main(sys.argv[1])

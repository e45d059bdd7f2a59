#!/usr/bin/python3
"""Writes, at build time, the catalogues msgfmt --desktop and --xml read for
the launcher's entry and the AppStream metadata: the template's phrases named
About... in each language po/LINGUAS lists, without their context, as those
tools look a phrase up by its English alone. A phrase not yet translated, or
fuzzy, is left out, so that its English stands, as in the program.

A desktop names a language by its locale, language_REGION, and falls back
to the language alone: so a catalogue for a script (zh_Hans) is written for
the regions that write it, and one for a region (pt_BR) for its language
alone too, where no catalogue is that language, as the program chooses.

usage: launcher_catalogue.py TEMPLATE LINGUAS OUT_DIR"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_catalogue  # noqa: E402


def quoted(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")


# The regions that write a script, as the program's tags are matched to them.
SCRIPT_REGIONS = {"Hans": ["CN", "SG"], "Hant": ["TW", "HK", "MO"]}


def locales(tag, tags):
    """The desktop's locales a catalogue speaks for."""
    language, _, rest = tag.partition("_")
    if rest in SCRIPT_REGIONS:
        return [language + "_" + region for region in SCRIPT_REGIONS[rest]]
    first = next(other for other in tags if other.partition("_")[0] == language)
    alone = rest and language not in tags and first == tag
    return [tag] + ([language] if alone else [])

def main(arguments):
    if len(arguments) != 3:
        sys.stderr.write(__doc__.split("usage: ")[1])
        return 2
    template, linguas, out = arguments
    about = {phrase.context: phrase.msgid for phrase in make_catalogue.read_template(template)
             if phrase.context.startswith("About")}
    tags = []
    with open(linguas, encoding="utf-8") as f:
        for line in f:
            tags += line.split("#")[0].split()
    os.makedirs(out, exist_ok=True)
    written = []
    for tag in tags:
        path = os.path.join(os.path.dirname(linguas), tag + ".po")
        lines = ['msgid ""', 'msgstr ""', quoted("Language: %s\n" % tag),
                 quoted("Content-Type: text/plain; charset=UTF-8\n"), ""]
        for entry in make_catalogue.read_po(path)[1:]:
            if (entry.context in about and about[entry.context] == entry.msgid
                    and "fuzzy" not in entry.flags and entry.msgstr.get(0)):
                lines += ["msgid " + quoted(entry.msgid), "msgstr " + quoted(entry.msgstr[0]), ""]
        for locale in locales(tag, tags):
            lines[2] = quoted("Language: %s\n" % locale)
            make_catalogue.write_if_changed(os.path.join(out, locale + ".po"), "\n".join(lines))
            written.append(locale)
    make_catalogue.write_if_changed(os.path.join(out, "LINGUAS"), " ".join(written) + "\n")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except make_catalogue.CatalogueError as error:
        sys.stderr.write("launcher_catalogue.py: %s\n" % error)
        sys.exit(1)

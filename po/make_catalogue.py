#!/usr/bin/python3
"""Turns the catalogues into the program's own tables, at build time: the
template po/quorvel.pot (every phrase, named by its context, in English) and
a translation po/<language>.po for each language po/LINGUAS lists. Writes a
header with one enumerator a phrase and a C++ file with each language's
texts, in UTF-8, its rule for plural forms and its direction.

A catalogue comes from outside the code, so it is read strictly: a fault that
would show wrong words (a lost or unknown placeholder, a plural rule that is
no rule, a header that names another language) stops the build with the file
and line. What is only unfinished (a phrase not yet translated, or marked
fuzzy) falls back to English, as gettext itself does, with a warning; the
suite checks that every language that ships is complete.

usage: make_catalogue.py TEMPLATE LINGUAS HEADER TABLES [EXTRA.po ...]"""
import os
import re
import sys
import unicodedata

PLACEHOLDER = re.compile(r"\{\{|\}\}|\{([A-Za-z_][A-Za-z0-9_]*)\}|[{}]")
CONTEXT = re.compile(r"[A-Z][A-Za-z0-9_]*$")
TAG = re.compile(r"[a-z]{2,3}(_[A-Z]{2}|_[A-Z][a-z]{3}|_[0-9]{3})*$")
ENGLISH_PLURAL = "nplurals=2; plural=(n != 1);"


class CatalogueError(Exception):
    pass


def fail(path, line, message):
    raise CatalogueError("%s:%d: %s" % (path, line, message))


def warn(path, line, message):
    sys.stderr.write("%s:%d: warning: %s\n" % (path, line, message))


ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "r": "\r"}


def unquote(path, number, text):
    """The string a PO line's quoted part stands for."""
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        fail(path, number, "expected a string in double quotes: %s" % text)
    out, i, body = [], 0, text[1:-1]
    while i < len(body):
        c = body[i]
        if c == "\\":
            if i + 1 >= len(body) or body[i + 1] not in ESCAPES:
                fail(path, number, "unknown escape in %s" % text)
            out.append(ESCAPES[body[i + 1]])
            i += 2
        elif c == '"':
            fail(path, number, "an unescaped quote inside %s" % text)
        else:
            out.append(c)
            i += 1
    return "".join(out)


class Entry:
    def __init__(self, line):
        self.line = line
        self.comments = []  # extracted comments (#.)
        self.flags = set()
        self.context = None
        self.msgid = None
        self.plural = None
        self.msgstr = {}  # form number (0 for a plain entry) to text
        self.obsolete = False


def read_po(path):
    """The entries of a PO file, its header first."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except UnicodeDecodeError as error:
        raise CatalogueError("%s: not UTF-8 (%s)" % (path, error))
    entries, entry, field = [], None, None

    def finish():
        if entry is None:
            return
        if entry.msgid is None:
            fail(path, entry.line, "an entry without msgid")
        if not entry.msgstr:
            fail(path, entry.line, "an entry without msgstr")
        entries.append(entry)

    for number, raw in enumerate(lines, 1):
        line = raw.strip()
        if not line:
            continue
        if line.startswith("#~"):
            continue  # obsolete, as msgmerge keeps them
        if line.startswith("#"):
            if field is not None and field != "comment":
                finish()
                entry, field = None, None
            if entry is None:
                entry = Entry(number)
            field = "comment"
            if line.startswith("#."):
                entry.comments.append(line[2:].strip())
            elif line.startswith("#,"):
                entry.flags |= {flag.strip() for flag in line[2:].split(",") if flag.strip()}
            continue
        keyword, _, rest = line.partition(" ")
        if line.startswith('"'):
            if field in (None, "comment"):
                fail(path, number, "a string that continues nothing")
            text = unquote(path, number, line)
            if field == "msgctxt":
                entry.context += text
            elif field == "msgid":
                entry.msgid += text
            elif field == "msgid_plural":
                entry.plural += text
            else:
                entry.msgstr[field] += text
            continue
        form = re.match(r"msgstr\[(\d+)\]$", keyword)
        if (keyword == "msgctxt" and field not in (None, "comment")) or (
                keyword == "msgid" and field not in (None, "comment", "msgctxt")):
            finish()
            entry, field = None, None
        if entry is None:
            entry = Entry(number)
        value = unquote(path, number, rest.strip())
        if keyword == "msgctxt":
            entry.context, field = value, "msgctxt"
        elif keyword == "msgid":
            entry.msgid, field = value, "msgid"
        elif keyword == "msgid_plural":
            entry.plural, field = value, "msgid_plural"
        elif keyword == "msgstr" or form:
            index = int(form.group(1)) if form else 0
            if index in entry.msgstr:
                fail(path, number, "msgstr[%d] twice" % index)
            entry.msgstr[index], field = value, index
        else:
            fail(path, number, "unknown keyword %s" % keyword)
    finish()
    if not entries or entries[0].msgid != "" or entries[0].context is not None:
        fail(path, 1, "the file must start with its header entry (msgid \"\")")
    return entries


def header_fields(path, entry):
    fields = {}
    for line in entry.msgstr[0].split("\n"):
        if line.strip():
            name, colon, value = line.partition(":")
            if not colon:
                fail(path, entry.line, "a header line without a colon: %s" % line)
            fields[name.strip()] = value.strip()
    charset = re.search(r"charset=([A-Za-z0-9-]+)", fields.get("Content-Type", ""))
    if not charset or charset.group(1).upper() != "UTF-8":
        fail(path, entry.line, "the header must say Content-Type: text/plain; charset=UTF-8")
    return fields


def placeholders(path, line, text):
    """The names of the placeholders in text; a lone brace is a fault."""
    names = set()
    for match in PLACEHOLDER.finditer(text):
        if match.group(0) in ("{", "}"):
            fail(path, line, "a lone brace in %r (write {{ or }} for a brace itself)" % text)
        if match.group(1):
            names.add(match.group(1))
    return names


# Plural rules: gettext's C expressions in n, parsed and written back as C++,
# so that a rule is a rule and not any text at all.
TOKENS = re.compile(r"\s*(?:(\d+)|(n)|(\|\||&&|==|!=|<=|>=|[-+*/%<>!?:()]))")
BINARY = [("||",), ("&&",), ("==", "!="), ("<", ">", "<=", ">="), ("+", "-"), ("*", "/", "%")]


def parse_plural(path, line, text):
    tokens, at = [], 0
    text = text.strip().rstrip(";").strip()
    while at < len(text):
        match = TOKENS.match(text, at)
        if not match:
            fail(path, line, "the plural rule has %r where an expression was expected"
                 % text[at:].strip())
        tokens.append(match.group(match.lastindex))
        at = match.end()
        while at < len(text) and text[at].isspace():
            at += 1

    position = [0]

    def peek():
        return tokens[position[0]] if position[0] < len(tokens) else None

    def take(expected=None):
        token = peek()
        if token is None or (expected and token != expected):
            fail(path, line, "the plural rule %r is not a whole expression" % text)
        position[0] += 1
        return token

    def primary():
        token = take()
        if token == "(":
            inner = conditional()
            take(")")
            return "(" + inner + ")"
        if token == "!":
            return "!" + primary()
        if token == "n" or token.isdigit():
            return token + ("ul" if token.isdigit() else "")
        fail(path, line, "the plural rule %r has %r out of place" % (text, token))

    def binary(level):
        if level == len(BINARY):
            return primary()
        left = binary(level + 1)
        while peek() in BINARY[level]:
            operator = take()
            left = "(%s %s %s)" % (left, operator, binary(level + 1))
        return left

    def conditional():
        condition = binary(0)
        if peek() == "?":
            take()
            yes = conditional()
            take(":")
            no = conditional()
            return "(%s ? %s : %s)" % (condition, yes, no)
        return condition

    expression = conditional()
    if peek() is not None:
        fail(path, line, "the plural rule %r has %r after its end" % (text, peek()))
    return expression


def plural_rule(path, line, forms):
    match = re.match(r"\s*nplurals\s*=\s*(\d+)\s*;\s*plural\s*=(.*)$", forms)
    if not match:
        fail(path, line, "Plural-Forms must be \"nplurals=N; plural=EXPRESSION;\", not %r" % forms)
    count = int(match.group(1))
    if not 1 <= count <= 6:
        fail(path, line, "nplurals must be 1 to 6, not %d" % count)
    return count, parse_plural(path, line, match.group(2))


class Language:
    def __init__(self, tag, name, texts, forms, rule):
        self.tag, self.name, self.texts, self.forms, self.rule = tag, name, texts, forms, rule
        self.right_to_left = right_to_left(name)


def right_to_left(name):
    """Whether a language is written right to left, as its own name is: the
    first letter with a direction decides ("العربية", "עברית"), so that a new
    language needs no list of scripts."""
    for c in name:
        kind = unicodedata.bidirectional(c)
        if kind in ("L", "R", "AL"):
            return kind != "L"
    return False


def read_template(path):
    entries = read_po(path)
    phrases, seen = [], set()
    for entry in entries[1:]:
        if entry.context is None:
            fail(path, entry.line, "every phrase needs a msgctxt: its name in the program")
        if not CONTEXT.match(entry.context):
            fail(path, entry.line, "%r is no name for a phrase (CamelCase, a letter first)"
                 % entry.context)
        if entry.context in seen:
            fail(path, entry.line, "%s is there twice" % entry.context)
        seen.add(entry.context)
        if not any(comment.startswith("Width:") for comment in entry.comments):
            fail(path, entry.line, "%s needs a \"Width:\" comment for its translators"
                 % entry.context)
        names = placeholders(path, entry.line, entry.msgid)
        if entry.plural is not None:
            names |= placeholders(path, entry.line, entry.plural)
        if names and "python-brace-format" not in entry.flags:
            fail(path, entry.line, "%s has placeholders: flag it python-brace-format, so that "
                 "msgfmt --check checks them" % entry.context)
        entry.names = names
        phrases.append(entry)
    return phrases


def read_translation(path, phrases):
    tag = os.path.splitext(os.path.basename(path))[0]
    if not TAG.match(tag):
        fail(path, 1, "%r is not a language's file name (de.po, pt_BR.po)" % tag)
    entries = read_po(path)
    fields = header_fields(path, entries[0])
    if fields.get("Language") != tag:
        fail(path, entries[0].line, "the header says Language: %r, but the file is %s.po"
             % (fields.get("Language"), tag))
    if "Plural-Forms" not in fields:
        fail(path, entries[0].line, "the header needs Plural-Forms")
    count, rule = plural_rule(path, entries[0].line, fields["Plural-Forms"])
    by_context = {phrase.context: phrase for phrase in phrases}
    translated = {}
    for entry in entries[1:]:
        phrase = by_context.get(entry.context)
        if phrase is None or phrase.msgid != entry.msgid or phrase.plural != entry.plural:
            warn(path, entry.line, "%s is not in the template as it is now: run msgmerge"
                 % (entry.context or repr(entry.msgid)))
            continue
        if "fuzzy" in entry.flags:
            warn(path, entry.line, "%s is fuzzy, so English stands in for it" % entry.context)
            continue
        wanted = count if phrase.plural is not None else 1
        if sorted(entry.msgstr) != list(range(wanted)):
            fail(path, entry.line, "%s needs %s" % (entry.context, "msgstr" if wanted == 1 else
                                                      "msgstr[0] to msgstr[%d]" % (wanted - 1)))
        forms = [entry.msgstr[i] for i in range(wanted)]
        if all(form == "" for form in forms):
            continue  # not translated yet
        if any(form == "" for form in forms):
            fail(path, entry.line, "%s has some plural forms and not others" % entry.context)
        for form in forms:
            names = placeholders(path, entry.line, form)
            unknown = names - phrase.names
            if unknown:
                fail(path, entry.line, "%s has {%s}, which the program does not fill in"
                     % (entry.context, "}, {".join(sorted(unknown))))
            if phrase.plural is None and names != phrase.names:
                fail(path, entry.line, "%s leaves out {%s}" % (
                    entry.context, "}, {".join(sorted(phrase.names - names))))
        translated[entry.context] = forms
    texts = []
    for phrase in phrases:
        if phrase.context in translated:
            texts.append(translated[phrase.context])
        else:
            warn(path, entries[0].line, "%s is not translated, so English stands in for it"
                 % phrase.context)
            texts.append(english_forms(phrase, count))
    name = texts[[p.context for p in phrases].index("LanguageName")][0]
    return Language(tag, name, texts, count, rule)


def english_forms(phrase, count):
    if phrase.plural is None:
        return [phrase.msgid]
    if count == 1:  # a language without plurals: the plural says most
        return [phrase.plural]
    # English's own two forms, where another rule asks for more.
    return [phrase.msgid] + [phrase.plural] * (count - 1)


def cpp_string(text):
    out = []
    for c in text.encode("utf-8"):
        if c == 0x22 or c == 0x5C:
            out.append("\\" + chr(c))
        elif 0x20 <= c < 0x7F and c != 0x3F:  # "?" could begin a trigraph
            out.append(chr(c))
        else:
            out.append("\\%03o" % c)
    return '"' + "".join(out) + '"'


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except OSError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def header(phrases):
    lines = ["// Written by po/make_catalogue.py from po/quorvel.pot: every phrase the",
             "// program says, by the name its context gives it.",
             "#pragma once", "", "#include <cstddef>", "", "namespace quorvel::words {", "",
             "enum class Phrase : unsigned short {"]
    lines += ["    %s," % phrase.context for phrase in phrases]
    lines += ["};", "", "inline constexpr std::size_t PhraseCount = %d;" % len(phrases), "",
              "} // namespace quorvel::words", ""]
    return "\n".join(lines)


def tables(languages):
    lines = ["// Written by po/make_catalogue.py from po/quorvel.pot and the translations",
             "// po/LINGUAS lists: each language's texts and its plural rule.",
             '#include "words/language_table.h"', "", "namespace quorvel::words {", "",
             "namespace {", ""]
    for index, language in enumerate(languages):
        lines.append("// %s, %s" % (language.tag, language.name))
        lines.append("constexpr std::string_view Texts%d[] = {" % index)
        for forms in language.texts:
            joined = "\0".join(forms)
            lines.append("    {%s, %d}," % (cpp_string(joined), len(joined.encode("utf-8"))))
        lines.append("};")
        lines.append("std::size_t Plural%d([[maybe_unused]] unsigned long n) {" % index)
        lines.append("    return static_cast<std::size_t>(%s);" % language.rule)
        lines.append("}")
        lines.append("")
    lines.append("constexpr LanguageTable Tables[] = {")
    for index, language in enumerate(languages):
        lines.append("    {%s, %s, Texts%d, &Plural%d, %d, %s}," % (
            cpp_string(language.tag), cpp_string(language.name), index, index, language.forms,
            "true" if language.right_to_left else "false"))
    lines += ["};", "", "} // namespace", "",
              "std::span<const LanguageTable> LanguageTables() {", "    return Tables;", "}",
              "", "} // namespace quorvel::words", ""]
    return "\n".join(lines)


def main(arguments):
    if len(arguments) < 4:
        sys.stderr.write(__doc__.split("usage: ")[1])
        return 2
    template, linguas, header_path, tables_path = arguments[:4]
    phrases = read_template(template)
    if "LanguageName" not in [phrase.context for phrase in phrases]:
        fail(template, 1, "the template needs LanguageName, each language's own name")
    count, rule = plural_rule(template, 1, ENGLISH_PLURAL)
    languages = [Language("en", phrases[[p.context for p in phrases].index("LanguageName")].msgid,
                          [english_forms(p, count) for p in phrases], count, rule)]
    folder = os.path.dirname(linguas)
    listed = []
    with open(linguas, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            for tag in line.split("#")[0].split():
                if not TAG.match(tag):
                    fail(linguas, number, "%r is not a language (de, pt_BR)" % tag)
                if tag in listed or tag == "en":
                    fail(linguas, number, "%s is listed twice (English is the template)" % tag)
                listed.append(tag)
    paths = [os.path.join(folder, tag + ".po") for tag in listed] + arguments[4:]
    for path in paths:
        if not os.path.exists(path):
            fail(linguas, 1, "%s is listed, but %s is not there" % (
                os.path.splitext(os.path.basename(path))[0], path))
        languages.append(read_translation(path, phrases))
    write_if_changed(header_path, header(phrases))
    write_if_changed(tables_path, tables(languages))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except CatalogueError as error:
        sys.stderr.write("make_catalogue.py: %s\n" % error)
        sys.exit(1)

#!/usr/bin/env bash
# Every language po/LINGUAS lists is whole: each phrase of the template
# translated, none fuzzy, each with the template's placeholders (msgfmt
# --check, by their python-brace-format flag), and read by the generator
# without a warning. And the check can fail: a language with a lost
# placeholder and one with a fuzzy phrase are refused.
# Usage: check_catalogues.sh PO_DIR WORK_DIR
set -u
po=$1 work=$2
mkdir -p "$work"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

languages=$(sed 's/#.*//' "$po/LINGUAS")
for language in $languages; do
    file="$po/$language.po"
    report=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$file" 2>&1) ||
        fail "$language: msgfmt --check: $report"
    case "$report" in
    *fuzzy* | *untranslated*) fail "$language: not whole: $report" ;;
    esac
    missing=$(LC_ALL=C msgcmp "$file" "$po/quorvel.pot" 2>&1) || fail "$language: $missing"
done
warnings=$(/usr/bin/python3 "$po/make_catalogue.py" "$po/quorvel.pot" "$po/LINGUAS" \
    "$work/phrases.h" "$work/tables.cpp" 2>&1) || fail "the generator: $warnings"
[ -z "$warnings" ] || fail "the generator warns: $warnings"

# The launcher's and the metainfo's English, as xgettext finds it in their
# templates, is the template's About... phrases, each of them: msgfmt looks a
# translation up by that English.
packaging="$po/../packaging"
msgids() { sed -n 's/^msgid "\(..*\)"$/\1/p' | LC_ALL=C sort; }
extracted=$(GETTEXTDATADIRS="$packaging" xgettext --from-code=UTF-8 --no-wrap -o - \
    "$packaging"/org.quorvel.Quorvel.desktop.in "$packaging"/org.quorvel.Quorvel.metainfo.xml.in |
    msgids)
about=$(msggrep --no-wrap -J -e '^About' "$po/quorvel.pot" | msgids)
[ -n "$extracted" ] && [ "$extracted" = "$about" ] ||
    fail "the launcher's templates and the About... phrases differ: $(diff <(echo "$extracted") <(echo "$about"))"

# The same checks against two broken copies of the first language.
first=$(echo $languages | cut -d' ' -f1)
mkdir -p "$work/lost" "$work/fuzzy"
awk '/^msgstr/ { translation = 1 } /^(msgid|msgctxt|$)/ { translation = 0 }
     translation { sub(/\{p100\}/, "{p10}") } { print }' "$po/$first.po" >"$work/lost/$first.po"
awk '/^msgctxt "CaptionRun"/ { print "#, fuzzy" } { print }' "$po/$first.po" >"$work/fuzzy/$first.po"
for broken in lost fuzzy; do
    cp "$po/quorvel.pot" "$work/$broken/"
    echo "$first" >"$work/$broken/LINGUAS"
done
/usr/bin/python3 "$po/make_catalogue.py" "$work/lost/quorvel.pot" "$work/lost/LINGUAS" \
    "$work/lost/phrases.h" "$work/lost/tables.cpp" >/dev/null 2>&1 &&
    fail "a lost placeholder was taken"
LC_ALL=C msgfmt --check --statistics -o /dev/null "$work/fuzzy/$first.po" 2>&1 | grep -q fuzzy ||
    fail "a fuzzy phrase was not seen"
[ "$failed" = 0 ] && echo "PASS: $(echo $languages | wc -w) languages whole"
exit $failed

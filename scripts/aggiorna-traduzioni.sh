#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracts every text marked TESTO("...") into po/girolino.pot and merges it into each
# po/<language>.po, where a translator then fills in the msgstr lines (a new language: copy
# girolino.pot to po/<code>.po; the build picks it up). Needs gettext's xgettext and msgmerge.
#
# --controlla [tree]: changes nothing; fails when po/girolino.pot is not what the sources
# mark, or when a language leaves a marked text untranslated.
set -eu
controlla=""
if [ "${1:-}" = "--controlla" ]; then
    controlla=1
    cd "${2:-$(dirname "$0")/..}"
else
    cd "$(dirname "$0")/.."
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort > "$tmp/sorgenti"
xgettext --language=C++ --from-code=UTF-8 --keyword= --keyword=TESTO \
    --add-location=file --sort-by-file --force-po --package-name=Girolino \
    --files-from="$tmp/sorgenti" --output="$tmp/girolino.pot"
# The header's creation date would change at every run.
sed -i -e '/^"POT-Creation-Date:/d' -e 's/charset=CHARSET/charset=UTF-8/' "$tmp/girolino.pot"
if [ -n "$controlla" ]; then
    esito=0
    if ! cmp -s "$tmp/girolino.pot" po/girolino.pot; then
        echo "po/girolino.pot is out of date: run scripts/aggiorna-traduzioni.sh" >&2
        diff -u po/girolino.pot "$tmp/girolino.pot" | head -40 >&2 || true
        esito=1
    fi
    for lingua in $(ls po/*.po 2>/dev/null | sed -E 's|po/([a-z]{2}(_[A-Z]{2})?).*|\1|' | sort -u); do
        # Every marked text has a translation in the language's files.
        msgcat --use-first po/"$lingua"*.po > "$tmp/lingua.po"
        msgmerge --quiet --no-fuzzy-matching "$tmp/lingua.po" "$tmp/girolino.pot" -o "$tmp/unito.po"
        msgattrib --untranslated --no-obsolete --no-wrap "$tmp/unito.po" |
            grep '^msgid "[^"]' > "$tmp/vuote" || true
        if [ -s "$tmp/vuote" ]; then
            echo "$lingua: $(wc -l < "$tmp/vuote") texts without a translation:" >&2
            head -40 "$tmp/vuote" >&2
            esito=1
        fi
    done
    exit $esito
fi
cp "$tmp/girolino.pot" po/girolino.pot
for po in po/*.po; do
    [ -e "$po" ] || continue
    msgmerge --quiet --update --backup=none --no-fuzzy-matching --add-location=file \
        --sort-by-file "$po" po/girolino.pot
done

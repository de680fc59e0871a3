#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracts every text marked TESTO("...") into po/girolino.pot and merges it into each
# po/<language>.po, where a translator then fills in the msgstr lines (a new language: copy
# girolino.pot to po/<code>.po; the build picks it up). Needs gettext's xgettext and msgmerge.
set -eu
cd "$(dirname "$0")/.."
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort > po/.sorgenti
xgettext --language=C++ --from-code=UTF-8 --keyword= --keyword=TESTO \
    --add-location=file --sort-by-file --force-po --package-name=Girolino \
    --files-from=po/.sorgenti --output=po/girolino.pot
rm -f po/.sorgenti
# The header's creation date would change at every run.
sed -i -e '/^"POT-Creation-Date:/d' -e 's/charset=CHARSET/charset=UTF-8/' po/girolino.pot
for po in po/*.po; do
    [ -e "$po" ] || continue
    msgmerge --quiet --update --backup=none --no-fuzzy-matching --add-location=file \
        --sort-by-file "$po" po/girolino.pot
done

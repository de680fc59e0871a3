#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and checks that exactly the program and its desktop
# integration land there, with names that point at each other.
# Usage: prova_installazione.sh BUILD-DIR ID [CMAKE]
set -eu
build=$1
id=$2
cmake=${3:-cmake}

radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
DESTDIR="$radice" "$cmake" --install "$build" --prefix /usr >/dev/null

atteso="usr/bin/girolino
usr/bin/girolino-cli
usr/share/applications/$id.desktop
usr/share/doc/girolino/changelog.gz
usr/share/doc/girolino/copyright
usr/share/icons/hicolor/scalable/apps/girolino.svg
usr/share/lintian/overrides/girolino
usr/share/man/man1/girolino-cli.1.gz
usr/share/man/man1/girolino.1.gz
usr/share/metainfo/$id.metainfo.xml"
trovato=$(cd "$radice" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$trovato" != "$(printf '%s\n' "$atteso" | LC_ALL=C sort)" ]; then
    printf 'ERRORE: file installati diversi dagli attesi.\nAttesi:\n%s\nTrovati:\n%s\n' "$atteso" "$trovato"
    exit 1
fi
test -x "$radice/usr/bin/girolino"
test -x "$radice/usr/bin/girolino-cli"
for f in "$radice"/usr/share/man/man1/*.gz "$radice"/usr/share/doc/girolino/changelog.gz; do
    gzip -t "$f" || { echo "ERRORE: $f non è un gzip valido"; exit 1; }
done

# The menu entry must start the installed program and find the installed icon.
voce="$radice/usr/share/applications/$id.desktop"
comando=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$voce")
icona=$(sed -n 's/^Icon=//p' "$voce")
test -x "$radice/usr/bin/$comando" || { echo "ERRORE: Exec=$comando non installato"; exit 1; }
test -f "$radice/usr/share/icons/hicolor/scalable/apps/$icona.svg" ||
    { echo "ERRORE: Icon=$icona non installata"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$radice/usr/share/metainfo/$id.metainfo.xml" ||
    { echo "ERRORE: il metainfo non rimanda a $id.desktop"; exit 1; }

# The whole tree as a software centre would read it, when the tool is there.
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate-tree --no-net "$radice"
else
    echo "appstreamcli assente: controllo dell'albero AppStream non eseguito"
fi

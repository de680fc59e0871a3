#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it with lintian: every tag is shown, any error or
# warning fails. Changes nothing outside the build folder.
# Usage: lintian.sh BUILD-DIR [CPACK]
set -eu
build=$(cd "$1" && pwd)
cpack=${2:-cpack}

for strumento in lintian dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$strumento" >/dev/null 2>&1; then
        echo "SALTATO: manca $strumento (apt-get install lintian dpkg-dev)"
        exit 77
    fi
done

uscita="$build/pacchetto-lintian"
rm -rf "$uscita"
(cd "$build" && "$cpack" -G DEB -B "$uscita" >/dev/null)
set -- "$uscita"/girolino_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "ERRORE: atteso un solo girolino_*.deb in $uscita"
    exit 1
fi
# Informational and pedantic tags are printed for the reader; they do not fail the check.
lintian --pedantic --display-info --fail-on error,warning "$1"
echo "lintian: nessun errore e nessun avvertimento su $(basename "$1")"

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page of girolino-cli documents every command and every option that the
# program's own help lists, and groff formats it without a warning.
# Usage: manuale_cli.sh GIROLINO-CLI PAGE.1
set -eu
cli=$1
pagina=$2

export LC_ALL=C LANGUAGE=
esito=0
comandi=$("$cli" --help | sed -n '/^\(Comandi\|Commands\):/,/^$/s/^  \([a-z][a-z]*\) .*/\1/p')
[ -n "$comandi" ] || { echo "ERRORE: nessun comando nell'aiuto di girolino-cli"; exit 1; }
for c in "" $comandi; do
    # shellcheck disable=SC2086 # no command: the program's own help
    opzioni=$("$cli" $c --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    for o in $opzioni; do
        # troff writes each "-" of an option as "\-"
        grep -qF -- "$(printf '%s' "$o" | sed 's/-/\\-/g')" "$pagina" ||
            { echo "ERRORE: $o (girolino-cli $c) manca dalla pagina di manuale"; esito=1; }
    done
done
for c in $comandi; do
    grep -qx "\\.B $c" "$pagina" || { echo "ERRORE: il comando $c non ha una voce"; esito=1; }
done
if command -v groff >/dev/null 2>&1; then
    avvisi=$(groff -man -ww -z "$pagina" 2>&1)
    [ -z "$avvisi" ] || { echo "$avvisi"; esito=1; }
fi
exit $esito

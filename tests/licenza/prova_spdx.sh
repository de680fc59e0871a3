#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/spdx.sh on a small tree: the licence line lands where each kind of file needs it,
# data, fixtures and files that already name a licence stay as they are, --controlla names
# exactly the files that lack the line, and a second run changes nothing.
# Usage: prova_spdx.sh SPDX.SH
set -eu
spdx=$1
albero=$(mktemp -d)
trap 'rm -rf "$albero"' EXIT
g="GPL-3.0-or-later"

# One file a line: path|content before|content after ("=" when it must not change), with
# printf escapes.
casi="CMakeLists.txt|project(x)\n|# SPDX-License-Identifier: $g\nproject(x)\n
src/a/Uno.cpp|#include <vector>\nint f();\n|// SPDX-License-Identifier: $g\n#include <vector>\nint f();\n
src/a/Versione.h.in|#pragma once\n|// SPDX-License-Identifier: $g\n#pragma once\n
src/b/con spazio.h|int x;|// SPDX-License-Identifier: $g\nint x;
src/b/Vuoto.cpp||// SPDX-License-Identifier: $g\n
src/b/Altra.h|// SPDX-License-Identifier: MIT\nint y;\n|=
cmake/Regole.cmake|set(a 1)\n|# SPDX-License-Identifier: $g\nset(a 1)\n
tests/CMakeLists.txt|add_test()\n|# SPDX-License-Identifier: $g\nadd_test()\n
scripts/prova.sh|#!/bin/sh\necho ok\n|#!/bin/sh\n# SPDX-License-Identifier: $g\necho ok\n
tests/uno.py|#!/usr/bin/python3\n# -*- coding: utf-8 -*-\nx = 1\n|#!/usr/bin/python3\n# -*- coding: utf-8 -*-\n# SPDX-License-Identifier: $g\nx = 1\n
.ci/run|#!/bin/sh\ntrue\n|#!/bin/sh\n# SPDX-License-Identifier: $g\ntrue\n
tests/dati/elenco.csv|numero\n7\n|=
tests/dati/leggimi|solo testo\n|=
tests/dati/nota.txt|#!/bin/sh\n|=
tests/strati/violazioni/model/Base.h|#include <QString>\n|=
src/build-prova/Generato.cpp|int z;\n|=
packaging/fuori.sh|#!/bin/sh\n|="

fallito=0
errore() {
    echo "ERRORE: $*"
    fallito=1
}
set -f
IFS='
'
for c in $casi; do
    f=${c%%|*}
    mkdir -p "$albero/$(dirname "$f")"
    resto=${c#*|}
    printf '%b' "${resto%|*}" >"$albero/$f"
done
chmod 750 "$albero/scripts/prova.sh"

attesi=""
for c in $casi; do
    [ "${c##*|}" = "=" ] || attesi="$attesi${c%%|*}
"
done
elenco=$(sh "$spdx" --controlla "$albero") && errore "--controlla riuscito su file senza la riga"
trovati=$(printf '%s\n' "$elenco" | sed -n 's/: manca la riga .*//p' | LC_ALL=C sort)
[ "$trovati" = "$(printf '%s' "$attesi" | LC_ALL=C sort)" ] ||
    errore "--controlla ha elencato:
$trovati
attesi:
$attesi"

sh "$spdx" "$albero" >/dev/null
for c in $casi; do
    f=${c%%|*}
    resto=${c#*|}
    dopo=${resto##*|}
    [ "$dopo" = "=" ] && dopo=${resto%|*}
    printf '%b' "$dopo" | cmp -s - "$albero/$f" || {
        errore "$f dopo l'aggiunta:"
        cat "$albero/$f"
    }
done
[ "$(stat -c %a "$albero/scripts/prova.sh")" = 750 ] || errore "permessi di scripts/prova.sh cambiati"

impronta=$(cd "$albero" && find . -type f -exec cksum {} + | LC_ALL=C sort)
uscita=$(sh "$spdx" "$albero")
[ -z "$uscita" ] || errore "la seconda esecuzione ha toccato: $uscita"
[ "$(cd "$albero" && find . -type f -exec cksum {} + | LC_ALL=C sort)" = "$impronta" ] ||
    errore "la seconda esecuzione ha cambiato l'albero"
sh "$spdx" --controlla "$albero" >/dev/null || errore "--controlla fallito dopo l'aggiunta"
exit $fallito

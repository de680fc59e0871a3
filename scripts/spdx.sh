#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source file that lacks one: C++ sources and
# headers (and their .in templates) get "// SPDX-License-Identifier: GPL-3.0-or-later",
# CMake files and scripts the same after "#", below the "#!" line and an encoding line if
# the file has them. A file that already names a licence in its first lines is left alone,
# so running it again changes nothing. With --controlla nothing is written: the files that
# lack the line are listed and the exit status is 1 if there are any.
# Usage: spdx.sh [--controlla] [ROOT]    (ROOT: the source tree, by default this script's)
set -eu

riga="SPDX-License-Identifier: GPL-3.0-or-later"
# Folders searched, relative to ROOT; the top-level CMakeLists.txt is added below.
cartelle="src tests bench cmake scripts .ci"
# Trees of test data, whose files are fixtures read by a test and not sources of the program.
esclusi="tests/strati/violazioni"

controlla=0
if [ "${1:-}" = "--controlla" ]; then
    controlla=1
    shift
fi
radice=${1:-$(dirname "$0")/..}
cd "$radice"

# Prints the comment marker for a source file, or nothing for any other file.
commento() {
    case ${1##*/} in
    *.cpp | *.cc | *.h | *.hpp | *.cpp.in | *.h.in) echo "//" ;;
    *.cmake | CMakeLists.txt | *.sh | *.py | *.awk) echo "#" ;;
    *.*) ;;
    *) head -c 2 "$1" | grep -q '^#!' && echo "#" ;; # a script without extension
    esac
}

elenca() {
    [ -f CMakeLists.txt ] && echo CMakeLists.txt
    for c in $cartelle; do
        [ -d "$c" ] || continue
        potati=""
        for e in $esclusi; do
            case $e in "$c"/*) potati="$potati -path ./$e -prune -o" ;; esac
        done
        # shellcheck disable=SC2086 # the pruned paths are words by design
        find "./$c" $potati -type d -name 'build*' -prune -o -type f -print | sed 's|^\./||'
    done
}

mancanti=0
file=$(elenca | LC_ALL=C sort)
set -f # names are taken whole, one a line, and never expanded
IFS='
'
for f in $file; do
    marca=$(commento "$f") || true
    [ -n "$marca" ] || continue
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier:' && continue
    mancanti=$((mancanti + 1))
    if [ "$controlla" -eq 1 ]; then
        echo "$f: manca la riga \"$marca $riga\""
        continue
    fi
    # Lines that must stay first: "#!" and, below it, a Python encoding declaration.
    prime=0
    if head -n 1 "$f" | grep -q '^#!'; then
        prime=1
        sed -n 2p "$f" | grep -q '^#.*coding[:=]' && prime=2
    fi
    nuovo=$(mktemp)
    {
        head -n "$prime" "$f"
        echo "$marca $riga"
        tail -n "+$((prime + 1))" "$f"
    } >"$nuovo"
    cat "$nuovo" >"$f" # rewriting in place keeps the file's mode
    rm -f "$nuovo"
    echo "$f"
done
if [ "$controlla" -eq 1 ] && [ "$mancanti" -gt 0 ]; then
    echo "$mancanti file senza la riga della licenza: sh scripts/spdx.sh la aggiunge"
    exit 1
fi
exit 0

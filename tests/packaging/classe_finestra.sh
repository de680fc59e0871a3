#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a virtual X screen and checks that its windows carry the class named by
# the desktop entry's StartupWMClass, which is how docks and task bars tie them to the entry.
# Usage: classe_finestra.sh PROGRAM FILE.desktop
set -u
programma=$1
voce=$2

for strumento in Xvfb xwininfo; do
    if ! command -v "$strumento" >/dev/null 2>&1; then
        echo "SALTATO: manca $strumento (apt-get install xvfb x11-utils)"
        exit 77
    fi
done
atteso=$(sed -n 's/^StartupWMClass=//p' "$voce")
[ -n "$atteso" ] || { echo "ERRORE: $voce non indica StartupWMClass"; exit 1; }

lavoro=$(mktemp -d)
xvfb_pid=
programma_pid=
fine() {
    [ -z "$programma_pid" ] || kill "$programma_pid" 2>/dev/null
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$lavoro"
}
trap fine EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$lavoro/display" \
    >"$lavoro/xvfb.log" 2>&1 &
xvfb_pid=$!
n=0
until [ -s "$lavoro/display" ]; do
    n=$((n + 1))
    [ "$n" -le 100 ] || { cat "$lavoro/xvfb.log"; echo "ERRORE: Xvfb non è partito entro 10 s"; exit 1; }
    sleep 0.1
done
schermo=":$(cat "$lavoro/display")"

# A home of its own: the rules window opens at start, as on a first run.
mkdir -m 700 "$lavoro/casa" "$lavoro/run"
(cd "$lavoro/casa" && exec env -i HOME="$lavoro/casa" XDG_RUNTIME_DIR="$lavoro/run" \
    DISPLAY="$schermo" "$programma") >"$lavoro/programma.log" 2>&1 &
programma_pid=$!

# Top-level windows with a title and a class, as "title": ("instance" "class").
n=0
while :; do
    finestre=$(DISPLAY="$schermo" xwininfo -root -children | grep '": ("' || true)
    [ -z "$finestre" ] || break
    if ! kill -0 "$programma_pid" 2>/dev/null; then
        cat "$lavoro/programma.log"
        echo "ERRORE: il programma è terminato senza aprire finestre"
        exit 1
    fi
    n=$((n + 1))
    [ "$n" -le 200 ] || { echo "ERRORE: nessuna finestra entro 20 s"; exit 1; }
    sleep 0.1
done
echo "$finestre"
classi=$(printf '%s\n' "$finestre" | sed 's/.*: ("[^"]*" "\([^"]*\)").*/\1/' | sort -u)
if [ "$classi" != "$atteso" ]; then
    echo "ERRORE: classe delle finestre '$classi', StartupWMClass=$atteso"
    exit 1
fi
echo "Finestre di classe $atteso, come StartupWMClass"

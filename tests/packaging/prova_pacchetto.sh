#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, installs it on this system, checks what it put there, uses the
# installed program on a virtual screen and removes the package again. Changes the system: run it only as root on
# a machine meant for it (CMake option GIROLINO_TEST_PACCHETTO, CTest label "pacchetto").
# Usage: prova_pacchetto.sh BUILD-DIR ID [CPACK]
set -eu
build=$(cd "$1" && pwd)
id=$2
cpack=${3:-cpack}

if [ "$(id -u)" -ne 0 ]; then
    echo "SALTATO: installare il pacchetto richiede root"
    exit 77
fi
for strumento in apt-get dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$strumento" >/dev/null 2>&1; then
        echo "SALTATO: manca $strumento (apt-get install dpkg-dev)"
        exit 77
    fi
done
if dpkg-query -W -f='${Status}' girolino 2>/dev/null | grep -q "install ok installed"; then
    echo "SALTATO: girolino è già installato; la prova lo rimuoverebbe"
    exit 77
fi
export DEBIAN_FRONTEND=noninteractive

uscita="$build/pacchetto"
rm -rf "$uscita"
(cd "$build" && "$cpack" -G DEB -B "$uscita")
set -- "$uscita"/girolino_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "ERRORE: atteso un solo girolino_*.deb in $uscita"
    exit 1
fi
deb=$1
dpkg-deb -I "$deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    { echo "ERRORE: le dipendenze non sono state ricavate dal programma"; exit 1; }

rimuovi() { apt-get remove -y -q girolino >/dev/null 2>&1 || true; }
trap rimuovi EXIT
apt-get install -y -q "$deb"

for f in /usr/bin/girolino \
    "/usr/share/applications/$id.desktop" \
    /usr/share/doc/girolino/changelog.gz \
    /usr/share/doc/girolino/copyright \
    /usr/share/man/man1/girolino.1.gz \
    /usr/share/man/man1/girolino-cli.1.gz \
    /usr/share/icons/hicolor/scalable/apps/girolino.svg \
    "/usr/share/metainfo/$id.metainfo.xml"; do
    test -f "$f" || { echo "ERRORE: $f non installato"; exit 1; }
    dpkg -S "$f" >/dev/null || { echo "ERRORE: $f non appartiene al pacchetto"; exit 1; }
done
test -x /usr/bin/girolino
if ldd /usr/bin/girolino | grep 'not found'; then
    echo "ERRORE: librerie mancanti per il programma installato"
    exit 1
fi

# ---------------------------------------------------------------------------------------------
# GANCIO: the installed program, used as a new user would. On a virtual X screen (Xvfb, no window
# manager) an unprivileged user with an empty home folder starts /usr/bin/girolino, accepts the
# rules of use, enters 7, 0 and 32 with the number pad, saves the game as "prova", opens it again
# and closes the main window. Mouse and keyboard come from xdotool; the coordinates follow the
# main window layout (number pad and command row) and the rules window's "Accetto" button.
# The user is "nobody": as root the program would find its own folder writable and save there.
prova_programma_installato() {
    for strumento in Xvfb xdotool xwininfo import python3 setpriv; do
        command -v "$strumento" >/dev/null 2>&1 && continue
        if ! apt-get install -y -q --no-install-recommends \
            xvfb xdotool x11-utils imagemagick python3 util-linux; then
            echo "SALTATO: impossibile installare Xvfb, xdotool, x11-utils, imagemagick"
            exit 77
        fi
        break
    done
    if ! getent passwd nobody >/dev/null || ! getent group nogroup >/dev/null; then
        echo "SALTATO: mancano l'utente nobody o il gruppo nogroup"
        exit 77
    fi

    lavoro=$(mktemp -d)
    chmod 711 "$lavoro" # the user must reach its home folder inside
    casa="$lavoro/casa"
    mkdir -m 700 "$casa"
    chown nobody:nogroup "$casa"
    # Without XDG_RUNTIME_DIR Qt makes /tmp/runtime-<user>; tidy it up only if it is ours.
    runtime_nuovo=/tmp/runtime-nobody
    [ -e "$runtime_nuovo" ] && runtime_nuovo=
    xvfb_pid=
    programma_pid=
    immagine="$build/prova_pacchetto.png"
    rm -f "$immagine" "$build/prova_pacchetto_errore.png"
    trap 'ferma_programma_installato; rimuovi' EXIT
    trap 'exit 130' INT TERM

    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -ac 3>"$lavoro/display" \
        >"$lavoro/xvfb.log" 2>&1 &
    xvfb_pid=$!
    n=0
    until [ -s "$lavoro/display" ]; do
        n=$((n + 1))
        [ "$n" -le 100 ] || { cat "$lavoro/xvfb.log"; fallisci "Xvfb non è partito entro 10 s"; }
        sleep 0.1
    done
    DISPLAY=":$(cat "$lavoro/display")"
    export DISPLAY

    (cd "$casa" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$casa" DISPLAY="$DISPLAY" /usr/bin/girolino) >"$lavoro/programma.log" 2>&1 &
    programma_pid=$!

    regole=$(attendi_finestra '^Girolino Regole di Utilizzo$')
    clic "$regole" $((135 + 145 / 2)) $((384 + 25 / 2)) # "Accetto"
    attendi_scomparsa '^Girolino Regole di Utilizzo$'
    principale=$(attendi_finestra '^Girolino$')
    # The client area lies below the menu bar: the window is 662 pixels taller than the area.
    altezza=$(xdotool getwindowgeometry --shell "$principale" | sed -n 's/^HEIGHT=//p')
    menu=$((altezza - 662))
    if [ "$menu" -lt 0 ] || [ "$menu" -gt 80 ]; then
        fallisci "finestra principale alta $altezza pixel, attesi 662 più la barra dei menu"
    fi

    for numero in 7 0 32; do # number pad at (11,4): ten buttons of 23x22 a row, 24 pixels apart
        colonna=$((numero % 10))
        riga=$((numero / 10))
        clic "$principale" $((11 + 4 + colonna * 24 + 11)) $((menu + 4 + 4 + riga * 24 + 11))
        sleep 0.3
    done
    sleep 0.5
    import -window root "$immagine" || fallisci "istantanea dello schermo non riuscita"

    clic "$principale" $((367 + 12)) $((menu + 110 + 12)) # SpeedButton48, "Salva"
    dialogo=$(attendi_finestra '^Salva il file di testo$')
    scrivi_nome "$dialogo" prova
    attendi_titolo "$principale" "Girolino - File Visualizzato: prova.fvr"

    salvati="$casa/Documents/Girolino/salvati"
    partita="$salvati/prova.fvr"
    if [ ! -f "$partita" ]; then
        find "$casa" /usr/bin -name 'prova.fvr' 2>/dev/null | sed 's/^/trovato: /'
        fallisci "la partita salvata non è in $partita"
    fi
    righe=$(wc -l <"$partita")
    [ "$righe" -eq 543 ] || fallisci "$partita ha $righe righe, attese 543"
    intestazione=$(head -n 3 "$partita" | tr -d '\r' | tr '\n' ' ')
    [ "$intestazione" = "tramezzolindo 3 32 " ] ||
        fallisci "inizio di $partita: '$intestazione', atteso 'tramezzolindo 3 32'"
    for parte in numero rosso pari manq doz col; do
        [ -f "$salvati/files/${parte}prova.fvr" ] ||
            fallisci "manca $salvati/files/${parte}prova.fvr"
    done
    numeri=$(tr -d '\r' <"$salvati/files/numeroprova.fvr" | tr '\n' ' ')
    [ "$numeri" = "7 0 32 " ] || fallisci "numeri salvati: '$numeri', attesi '7 0 32'"
    impronta=$(cksum <"$partita")

    clic "$principale" $((400 + 12)) $((menu + 110 + 12)) # SpeedButton49, "Apri"
    # The question box has the program's name as title; "Sì" is its default button.
    domanda=$(attendi_finestra '^Girolino$' "$principale")
    xdotool windowfocus --sync "$domanda"
    xdotool key Return
    dialogo=$(attendi_finestra '^Apri un file di testo$')
    scrivi_nome "$dialogo" prova.fvr
    attendi_titolo "$principale" "Girolino - File Visualizzato: prova.fvr"
    [ "$(cksum <"$partita")" = "$impronta" ] || fallisci "aprire la partita ha cambiato $partita"
    altre=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$principale" || true)
    [ -z "$altre" ] || fallisci "finestre inattese aperte dopo la riapertura"

    python3 "$(dirname "$0")/chiudi_finestra.py" "$principale" ||
        fallisci "richiesta di chiusura non inviata alla finestra principale"
    n=0
    while kill -0 "$programma_pid" 2>/dev/null; do
        n=$((n + 1))
        [ "$n" -le 100 ] || fallisci "il programma non è terminato entro 10 s dalla chiusura"
        sleep 0.1
    done
    esito=0
    wait "$programma_pid" || esito=$?
    programma_pid=
    [ "$esito" -eq 0 ] || fallisci "il programma è terminato con codice $esito"
    echo "Programma installato usato: partita salvata e riaperta; istantanea in $immagine"
    ferma_programma_installato
    trap rimuovi EXIT
    trap - INT TERM
}

# Stops whatever the drive above started, and removes its scratch folders.
ferma_programma_installato() {
    if [ -n "$programma_pid" ] && kill -0 "$programma_pid" 2>/dev/null; then
        kill "$programma_pid" 2>/dev/null || true
        sleep 1
        kill -9 "$programma_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        unset DISPLAY
    fi
    programma_pid=
    xvfb_pid=
    rm -rf "$lavoro"
    [ -z "$runtime_nuovo" ] || rm -rf "$runtime_nuovo"
}

# Reports a failed step with what was on screen, then ends the test.
fallisci() {
    echo "ERRORE: $1"
    if [ -n "${DISPLAY:-}" ]; then
        for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            echo "finestra visibile: $(xdotool getwindowname "$w")"
        done
        import -window root "$build/prova_pacchetto_errore.png" 2>/dev/null &&
            echo "schermo al momento dell'errore: $build/prova_pacchetto_errore.png"
    fi
    if [ -s "$lavoro/programma.log" ]; then
        echo "--- uscita del programma ---"
        cat "$lavoro/programma.log"
    fi
    exit 1
}

# Prints the id of the first visible window whose title matches $1 (other than $2), waiting
# up to 20 s; fails at once if the program has ended meanwhile.
attendi_finestra() {
    n=0
    while :; do
        trovate=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
        [ -z "${2:-}" ] || trovate=$(printf '%s\n' "$trovate" | grep -vx "$2" || true)
        if [ -n "$trovate" ]; then
            printf '%s\n' "$trovate" | head -n 1
            return 0
        fi
        kill -0 "$programma_pid" 2>/dev/null ||
            fallisci "il programma è terminato in attesa di '$1'" >&2
        n=$((n + 1))
        [ "$n" -le 200 ] || fallisci "nessuna finestra '$1' entro 20 s" >&2
        sleep 0.1
    done
}

attendi_scomparsa() {
    n=0
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        n=$((n + 1))
        [ "$n" -le 100 ] || fallisci "la finestra '$1' è ancora aperta dopo 10 s"
        sleep 0.1
    done
}

attendi_titolo() {
    n=0
    while [ "$(xdotool getwindowname "$1" 2>/dev/null)" != "$2" ]; do
        n=$((n + 1))
        [ "$n" -le 100 ] ||
            fallisci "titolo '$(xdotool getwindowname "$1" 2>/dev/null)', atteso '$2'"
        sleep 0.1
    done
}

# Left click at (x, y) of the window's own area.
clic() {
    xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}

# Types a file name into a file dialog (its name field has the focus) and confirms it.
scrivi_nome() {
    xdotool windowfocus --sync "$1"
    xdotool key ctrl+a
    xdotool type --delay 30 "$2"
    xdotool key Return
}

prova_programma_installato
# ---------------------------------------------------------------------------------------------

trap - EXIT
apt-get remove -y -q girolino
if [ -e /usr/bin/girolino ]; then
    echo "ERRORE: /usr/bin/girolino rimasto dopo la rimozione"
    exit 1
fi
echo "Pacchetto provato: $(basename "$deb")"

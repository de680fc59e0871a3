#!/bin/sh
# Builds the Debian package, installs it on this system, checks what it put there, starts the
# installed program and removes the package again. Changes the system: run it only as root on
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
# GANCIO: the installed program, started offscreen. Replace the body of this function to drive
# it. It runs in a scratch home folder and working folder, so no settings or saved games of the
# machine's user are touched. By default it only checks that the program starts and is still
# waiting for the user after a few seconds (timeout's exit code 124), i.e. it found its
# libraries and Qt plugins and did not crash while opening its windows.
prova_programma_installato() {
    casa=$(mktemp -d)
    mkdir -m 700 "$casa/run"
    esito=0
    (cd "$casa" && HOME="$casa" XDG_CONFIG_HOME="$casa/.config" XDG_RUNTIME_DIR="$casa/run" \
        QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/girolino) || esito=$?
    rm -rf "$casa"
    if [ "$esito" -ne 124 ]; then
        echo "ERRORE: il programma installato è terminato da solo con codice $esito"
        return 1
    fi
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

# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog of the package from CHANGELOG.md: one entry per heading
# "## [version] - YYYY-MM-DD", newest first, its "- " items as "  * " items wrapped at 78
# columns, signed by the maintainer at noon UTC of the release day.
# Usage: awk -v pacchetto=NAME -v manutentore="NAME <MAIL>" -v out=FILE -f ChangelogDebian.awk CHANGELOG.md
function voce() {
    if (testo == "") return
    a_capo("  * ", "    ", testo)
    testo = ""
    voci++
}
function a_capo(primo, altri, s,    n, parole, i, riga) {
    n = split(s, parole, " ")
    riga = primo
    for (i = 1; i <= n; i++) {
        if (riga != primo && riga != altri && length(riga) + 1 + length(parole[i]) > 78) {
            print riga > out
            riga = altri
        }
        riga = (riga == primo || riga == altri) ? riga parole[i] : riga " " parole[i]
    }
    print riga > out
}
function chiudi() {
    if (versione == "") return
    voce()
    if (voci == 0) print "  * Release " versione "." > out
    print "" > out
    print " -- " manutentore "  " data > out
    versione = ""
}
# RFC 5322 date of YYYY-MM-DD at 12:00 UTC; the weekday by Sakamoto's method.
function data_rfc(g,    y, m, d, t, w) {
    y = substr(g, 1, 4) + 0; m = substr(g, 6, 2) + 0; d = substr(g, 9, 2) + 0
    split("0 3 2 5 0 3 5 1 4 6 2 4", t, " ")
    w = (m < 3 ? y - 1 : y)
    w = (w + int(w / 4) - int(w / 100) + int(w / 400) + t[m] + d) % 7
    return substr("SunMonTueWedThuFriSat", w * 3 + 1, 3) ", " sprintf("%02d", d) " " \
        substr("JanFebMarAprMayJunJulAugSepOctNovDec", m * 3 - 2, 3) " " y " 12:00:00 +0000"
}
/^## \[[0-9][0-9.]*\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/ {
    chiudi()
    if (voci_totali++) print "" > out
    versione = $2; gsub(/[][]/, "", versione)
    data = data_rfc($4)
    voci = 0
    print pacchetto " (" versione ") unstable; urgency=medium" > out
    print "" > out
    next
}
versione == "" { next }
/^- / { voce(); testo = substr($0, 3); next }
/^[ \t]+[^ \t]/ && testo != "" { sub(/^[ \t]+/, ""); testo = testo " " $0; next }
{ voce() }
END { chiudi() }

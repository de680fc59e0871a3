// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GrigliaContatori.h"

#include "ui/Disegno.h"

#include <string_view>

namespace girolino::ui::griglia {

namespace {

constexpr int PASSO_CELLA = 40;

} // namespace

TControllo scritta(std::string nome, int x, int y, int w, int h, std::string testo, TColore sfondo,
                   int px) {
    TControllo c = disegno::etichetta(std::move(nome), -1, x, y, w, h, std::move(testo),
                                      disegno::carattere(px, false, clWhite));
    c.sfondo = sfondo;
    // These labels carry the frame flag in their state; the view draws no frame on labels.
    c.bordo = true;
    return c;
}

void crea(TForm& f, const TForma& forma, const TCelle& celle) {
    for (int b = 0; b < forma.blocchi; ++b) {
        const int x0 = forma.x + b * forma.passoBlocco;
        for (int c = 0; c < 3; ++c)
            f.aggiungi(scritta("Label" + std::to_string(1 + b * 3 + c),
                               x0 + forma.xCelle - 1 + c * PASSO_CELLA, forma.yTestate, 38, 17,
                               std::string(TESTATE_CONTATORI[c]), forma.coloriTestate[c], 11));
    }

    static const std::array<std::string_view, 3> prefissi = {"r", "m", "s"};
    const std::array<std::span<int>, 3> colonne = {celle.r, celle.m, celle.s};
    for (std::size_t i = 0; i < celle.n.size(); ++i) {
        const int riga = static_cast<int>(i);
        const int x0 = forma.x + (riga / forma.righePerBlocco) * forma.passoBlocco;
        const int y = forma.yRighe + (riga % forma.righePerBlocco) * forma.passoRiga;
        const std::string num = std::to_string(riga + forma.primoNumero);
        celle.n[i] = f.aggiungi(
            scritta("n" + num, x0, y + forma.dyNome, forma.wNome, forma.hNome, "-", clMaroon, 11));
        for (int c = 0; c < 3; ++c)
            colonne[c][i] = f.aggiungi(disegno::conCarattere(
                disegno::contatore(std::string(prefissi[c]) + num, -1,
                                   x0 + forma.xCelle + c * PASSO_CELLA, y, 36, 21),
                disegno::inTahoma()));
    }
}

} // namespace girolino::ui::griglia

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Backtest.h"

#include "engine/Giocata.h"
#include "engine/LetturaNumeri.h"
#include "engine/Sessione.h"

#include <stdexcept>

namespace girolino {

namespace {

class TFonteElenco {
public:
    explicit TFonteElenco(std::span<const int> giri) : giri_(giri) {}
    bool ciSonoGiri() const { return i_ < giri_.size(); }
    int prossimo() { return giri_[i_++]; }

private:
    std::span<const int> giri_;
    std::size_t i_ = 0;
};

} // namespace

std::vector<int> giriDellaPartita(const TPartita& partita) {
    std::vector<int> giri;
    giri.reserve(partita.nastroNumeri.size());
    for (const auto& riga : partita.nastroNumeri)
        if (const int n = numeroEsatto(riga).value_or(-1); n >= 0) giri.push_back(n);
    return giri;
}

TRisultatoBacktest eseguiBacktest(const TImpostazioniSistema& impostazioni,
                                  std::span<const int> giri) {
    if (const auto errore = validaImpostazioni(impostazioni)) throw std::invalid_argument(*errore);
    for (int n : giri) verificaNumero(n);

    const TRegole regole(impostazioni);
    TStatoProgressione stato(regole);
    TConteggiSessione conteggi(regole.cassa);
    TFonteElenco fonte(giri);
    TRisultatoBacktest r;
    r.fine = giocaSessione(regole, stato, conteggi, fonte,
                           [&r](double cassa) { r.curva.push_back(cassa); });
    r.puntate = conteggi.puntate;
    r.vinte = conteggi.vinte;
    r.perse = conteggi.puntate - conteggi.vinte;
    r.puntato = conteggi.puntato;
    r.cassaFinale = conteggi.cassa;
    r.cassaMinima = conteggi.minima;
    r.cassaMassima = conteggi.massima;
    return r;
}

} // namespace girolino

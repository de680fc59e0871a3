// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormRuota.h"

#include "Versione.h"
#include "engine/Annulla.h"
#include "engine/Evidenziazione.h"
#include "engine/Settori.h"
#include "model/Testo.h"
#include "ui/Form1.h"

#include <algorithm>
#include <string>
#include <vector>

namespace girolino::ui {

namespace {

TCella cellaConteggio(std::int32_t v, TColore colore = clBlack) {
    return cellaNumero(std::to_string(v), static_cast<double>(v), colore);
}

// Delay, longest delay and hits; the delay red once it passed the longest, as on the board.
void aggiungiContatore(std::vector<TCella>& riga, const TContatore& c) {
    riga.push_back(cellaConteggio(c.ritardo, supera(c) ? clRed : clBlack));
    riga.push_back(cellaConteggio(c.maxRitardo));
    riga.push_back(cellaConteggio(c.sortite));
}

std::string elencoNumeri(std::span<const int> numeri) {
    std::string s;
    for (int n : numeri) {
        if (!s.empty()) s += ' ';
        s += std::to_string(n);
    }
    return s;
}

} // namespace

TFormRuota::TFormRuota(TPiattaforma& p, TForm1& principale)
    : TForm(p, "TFormRuota", formatta(TESTO("%1 - Ruota e Settori"), nomeProgramma),
            larghezzaFormRuota, altezzaFormRuota),
      principale_(principale) {
    id_ = costruisciFormRuota(*this);
}

void TFormRuota::mostra() {
    const bool eraNascosta = !visibile();
    TForm::mostra();
    if (eraNascosta) compila();
}

void TFormRuota::aggiorna() {
    if (visibile()) compila();
}

void TFormRuota::compila() {
    const TPartita& p = principale_.partita();
    compilaRuota(p);
    compilaSettori(p);
    compilaArchi(p);
}

void TFormRuota::compilaRuota(const TPartita& p) {
    std::int32_t massimo = 0;
    for (const auto& c : p.numeri) massimo = std::max(massimo, c.sortite);
    std::vector<double> calore(NUMERI, 0.0);
    if (massimo > 0)
        for (int n = 0; n < NUMERI; ++n)
            calore[n] = static_cast<double>(p.numeri[n].sortite) / massimo;

    const auto& nastro = p.nastroNumeri;
    std::vector<int> ultimi;
    for (auto it = nastro.rbegin(); it != nastro.rend() && ultimi.size() < ULTIMI; ++it)
        ultimi.push_back(numeroDellaRiga(*it));
    const int ultimo = ultimi.empty() ? -1 : ultimi.front();
    setRuota(id_.ruota, ruotaConCalore(calore, ultimo, std::move(ultimi)));
}

// Rows are built once (and again for another width of the arcs); after that a refresh
// rewrites only the cells whose counter moved, which keeps an open window cheap during a
// long random run.
void TFormRuota::compilaSettori(const TPartita& p) {
    const auto boule = static_cast<std::int64_t>(p.nastroNumeri.size());
    const auto tutti = settori();
    const auto attese = [&](std::size_t s) {
        const int dimensione = static_cast<int>(tutti[s].numeri.size());
        return cellaNumero(testoAttese(boule, dimensione),
                           static_cast<double>(boule) * dimensione / NUMERI);
    };
    if (!settoriRiempiti_) {
        std::vector<std::vector<TCella>> righe;
        for (std::size_t s = 0; s < tutti.size(); ++s) {
            std::vector<TCella> riga;
            riga.push_back(cellaTesto(std::string(tutti[s].nome)));
            riga.push_back(cellaTesto(elencoNumeri(tutti[s].numeri)));
            aggiungiContatore(riga, p.ruota.settori[s]);
            riga.push_back(attese(s));
            righe.push_back(std::move(riga));
        }
        setRigheTabella(id_.settori, std::move(righe));
        settoriRiempiti_ = true;
    } else {
        for (std::size_t s = 0; s < tutti.size(); ++s) {
            aggiornaContatore(id_.settori, s, 2, p.ruota.settori[s], mostrati_.settori[s]);
            if (boule != bouleMostrate_) setCella(id_.settori, s, 5, attese(s));
        }
    }
    mostrati_.settori = p.ruota.settori;
    bouleMostrate_ = boule;
}

void TFormRuota::compilaArchi(const TPartita& p) {
    const auto& contatori = p.ruota.archi[larghezza_ - 1];
    if (larghezzaMostrata_ != larghezza_) {
        std::vector<std::vector<TCella>> righe;
        righe.reserve(NUMERI);
        for (int i = 0; i < NUMERI; ++i) {
            const int centro = ordineRuota()[i];
            std::vector<TCella> riga;
            riga.push_back(cellaNumero(nomeArco(centro, larghezza_), centro));
            aggiungiContatore(riga, contatori[i]);
            righe.push_back(std::move(riga));
        }
        setRigheTabella(id_.archi, std::move(righe));
        larghezzaMostrata_ = larghezza_;
    } else {
        const auto& prima = mostrati_.archi[larghezza_ - 1];
        for (std::size_t i = 0; i < NUMERI; ++i)
            aggiornaContatore(id_.archi, i, 1, contatori[i], prima[i]);
    }
    mostrati_.archi = p.ruota.archi;
}

void TFormRuota::aggiornaContatore(int id, std::size_t riga, std::size_t k, const TContatore& c,
                                   const TContatore& prima) {
    if (c.ritardo != prima.ritardo || c.maxRitardo != prima.maxRitardo)
        setCella(id, riga, k, cellaConteggio(c.ritardo, supera(c) ? clRed : clBlack));
    if (c.maxRitardo != prima.maxRitardo) setCella(id, riga, k + 1, cellaConteggio(c.maxRitardo));
    if (c.sortite != prima.sortite) setCella(id, riga, k + 2, cellaConteggio(c.sortite));
}

void TFormRuota::cambiato(int id) {
    if (id != id_.vicini) return;
    // An item, or a width typed as its bare digit; other text (half typed) changes nothing.
    const std::string& t = testo(id);
    const auto& voci = controllo(id).voci;
    int k = static_cast<int>(std::find(voci.begin(), voci.end(), t) - voci.begin()) + 1;
    if (k > MAX_LARGHEZZA_ARCO && t.size() == 1 && t[0] >= '1' && t[0] < '1' + MAX_LARGHEZZA_ARCO)
        k = t[0] - '0';
    if (k > MAX_LARGHEZZA_ARCO) return;
    if (t != voci[k - 1]) setTesto(id, voci[k - 1]);
    if (k == larghezza_) return;
    larghezza_ = k;
    compilaArchi(principale_.partita());
}

void TFormRuota::taschinoCliccato(int id, int numero) {
    if (id == id_.ruota && numero >= 0 && numero < NUMERI) principale_.inserisciNumero(numero);
}

} // namespace girolino::ui

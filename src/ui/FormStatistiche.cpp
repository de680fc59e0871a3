// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormStatistiche.h"

#include "Versione.h"
#include "engine/FasciaAttese.h"
#include "engine/Statistiche.h"
#include "engine/StatistichePartita.h"
#include "model/Testo.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace girolino::ui {

namespace {

// The band around the expected hits, in standard deviations.
constexpr double DEVIAZIONI_FASCIA = 2;
// The bars stand on 0..36; the expected line and the band run from the left edge of the
// first bar to the right edge of the last.
constexpr double X_INIZIO = -0.5;
constexpr double X_FINE = NUMERI - 0.5;

// Four decimals, or two significant digits in scientific notation for a tiny p.
std::string testoP(double p) {
    if (p >= 1e-4) return testoDecimale(p, 4);
    std::array<char, 32> b{};
    const auto r =
        std::to_chars(b.data(), b.data() + b.size(), p, std::chars_format::scientific, 2);
    return std::string(b.data(), r.ptr);
}

// |z| at the threshold or past it. A z of exactly 3 (19 hits of a number in 361 spins)
// comes out of the division a few units in the last place short of it. A z that is not
// exactly 3 differs from it by at least 1/(6·n·342), far more than this margin in games of
// up to a hundred million spins.
bool notevole(double z) {
    return std::abs(z) >= SOGLIA_Z * (1 - 1e-12);
}

// A row of the table; `chiaveNome` sorts a number's name as a number.
std::vector<TCella> rigaScarti(const TRigaStatistica& r, std::optional<double> chiaveNome) {
    const bool evidente = notevole(r.z);
    const TColore colore = evidente ? clRed : clBlack;
    std::vector<TCella> celle = {
        TCella{r.nome, colore, false, chiaveNome},
        cellaNumero(std::to_string(r.contatore.sortite), static_cast<double>(r.contatore.sortite),
                    colore),
        cellaNumero(testoDecimale(r.attese, 1), r.attese, colore),
        cellaNumero(testoDecimale(r.z, 2), r.z, colore),
        cellaNumero(testoPercentuale(r.probMaxRitardo) + " %", r.probMaxRitardo, colore),
    };
    for (auto& c : celle) c.grassetto = evidente;
    return celle;
}

std::vector<std::vector<TCella>> righeScarti(const TStatistichePartita& s) {
    std::vector<std::vector<TCella>> righe;
    righe.reserve(s.numeri.size() + s.chance.size() + s.settori.size());
    for (std::size_t n = 0; n < s.numeri.size(); ++n)
        righe.push_back(rigaScarti(s.numeri[n], static_cast<double>(n)));
    for (const auto& r : s.chance) righe.push_back(rigaScarti(r, std::nullopt));
    for (const auto& r : s.settori) righe.push_back(rigaScarti(r, std::nullopt));
    return righe;
}

TDatiGrafico graficoNumeri(const TStatistichePartita& s) {
    TDatiGrafico g;
    g.titolo = TESTO("Sortite dei 37 numeri");
    g.titoloX = TESTO("Numero");
    g.titoloY = TESTO("Sortite");
    TSerie barre{TTipoSerie::Barre, TESTO("Sortite"), clNavy, {}, {}, {}};
    for (const auto& r : s.numeri) {
        g.categorie.push_back(r.nome);
        barre.valori.push_back(static_cast<double>(r.contatore.sortite));
    }
    const TFasciaAttese f = fasciaAttese(
        s.giri, s.numeri.empty() ? 0 : s.numeri.front().probabilita, DEVIAZIONI_FASCIA);
    g.serie = {
        {TTipoSerie::Fascia,
         TESTO("Attese ± 2 dev. std."),
         clSkyBlue,
         {},
         {{X_INIZIO, f.sopra}, {X_FINE, f.sopra}},
         {{X_INIZIO, f.sotto}, {X_FINE, f.sotto}}},
        std::move(barre),
        {TTipoSerie::Linea,
         TESTO("Attese"),
         clRed,
         {},
         {{X_INIZIO, f.attese}, {X_FINE, f.attese}},
         {}},
    };
    return g;
}

std::string testoChiQuadro(const TChiQuadro& c) {
    if (!c.p)
        return formatta(TESTO("X² = %1 con %2 gradi di libertà"), testoDecimale(c.valore, 3),
                        c.gradiLiberta);
    return formatta(TESTO("X² = %1 con %2 gradi di libertà, p = %3"), testoDecimale(c.valore, 3),
                    c.gradiLiberta, testoP(*c.p));
}

} // namespace

TFormStatistiche::TFormStatistiche(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TFormStatistiche",
            formatta(TESTO("%1 - Frequenze Osservate e Attese"), nomeProgramma), 1100, 560),
      partita_(partita) {
    setPosizione(TPosizioneForm::CentroPrincipale);
    id_ = costruisciFormStatistiche(*this);
}

void TFormStatistiche::partitaCambiata() {
    daAggiornare_ = true;
    // A run of spins asks many times; the timer runs once, when the run is over.
    if (visibile()) avviaTimer(id_.aggiorna, false);
}

void TFormStatistiche::mostra() {
    if (daAggiornare_) aggiorna();
    TForm::mostra();
}

void TFormStatistiche::tick(int id) {
    if (id != id_.aggiorna) return;
    fermaTimer(id);
    if (daAggiornare_ && visibile()) aggiorna();
}

void TFormStatistiche::aggiorna() {
    const TStatistichePartita s = statistichePartita(partita_, 0);
    setGrafico(id_.grafico, graficoNumeri(s));
    setTesto(id_.giri, formatta(TESTO("Giri: %1"), s.giri));
    setTesto(id_.chiQuadro, testoChiQuadro(s.chiQuadro));
    setTesto(id_.giudizio, giudizioChiQuadro(s.chiQuadro));
    auto righe = righeScarti(s);
    setTesto(id_.nota,
             formatta(TESTO("In rosso le righe con |z| ≥ 3. Su %1 righe qualche |z| grande esce "
                            "per puro caso anche su una ruota equa: |z| ≥ 2 in circa una riga su "
                            "venti. Prob. Max Rit: probabilità che una ruota equa dia, nei giri "
                            "giocati, un'assenza lunga almeno quanto il massimo ritardo della "
                            "voce. I giri passati non dicono nulla sul prossimo."),
                      righe.size()));
    setRigheTabella(id_.tabella, std::move(righe));
    daAggiornare_ = false;
}

void TFormStatistiche::click(int id) {
    if (id == id_.chiudi) {
        nascondi();
    } else if (id == id_.aiuto) {
        piattaforma().messaggio(TESTO(
            "In questa scheda confronti le sortite osservate con quelle che darebbe una ruota "
            "equa. Il grafico mostra le sortite dei 37 numeri, la linea delle sortite attese e "
            "la fascia di due deviazioni standard in cui cadono di solito. Il test del chi "
            "quadro dice se gli scarti dei 37 numeri, presi insieme, sono insoliti. Nella "
            "tabella z misura lo scarto di ogni voce in deviazioni standard, e Prob. Max Rit è "
            "la probabilità che una ruota equa produca un'assenza lunga almeno quanto il "
            "massimo ritardo. Nessuna di queste cifre prevede il prossimo giro."));
    }
}

} // namespace girolino::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Settori.h"

#include "engine/Giocata.h"
#include "engine/LetturaNumeri.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace girolino {

namespace {

constexpr int PAROLE_MASCHERA = (NUM_ENTITA_RUOTA + 63) / 64;
constexpr int MAX_AREE_DEL_NUMERO =
    2 + dimensioneArco(1) + dimensioneArco(2) + dimensioneArco(3) + dimensioneArco(4);

using TMaschera = std::array<std::uint64_t, PAROLE_MASCHERA>;

struct TAreeDelNumero {
    std::array<std::int16_t, MAX_AREE_DEL_NUMERO> entita{};
    int quante = 0;
    TMaschera maschera{};

    void aggiungi(int e) {
        entita[quante++] = static_cast<std::int16_t>(e);
        maschera[e / 64] |= std::uint64_t{1} << (e % 64);
    }
};

int entitaArco(int k, int posizioneCentro) {
    return NUM_SETTORI + (k - 1) * NUMERI + posizioneCentro;
}

// For each number, the sectors and arcs holding it.
const std::array<TAreeDelNumero, NUMERI>& areeDelNumero() {
    static const auto tabella = [] {
        std::array<TAreeDelNumero, NUMERI> t{};
        const auto tutti = settori();
        for (int s = 0; s < NUM_SETTORI; ++s)
            for (int n : tutti[s].numeri) t[n].aggiungi(s);
        for (int n = 0; n < NUMERI; ++n) {
            const int p = posizioneSullaRuota(n);
            for (int k = 1; k <= MAX_LARGHEZZA_ARCO; ++k)
                for (int d = -k; d <= k; ++d)
                    t[n].aggiungi(entitaArco(k, (p + d + NUMERI) % NUMERI));
        }
        return t;
    }();
    return tabella;
}

// One area's hits in a replay: index of the last hitting spin (-1: none yet).
struct TTraccia {
    std::int64_t ultimo = -1;
    std::int32_t sortite = 0;
    std::int32_t maxAssenza = 0;

    void colpo(std::int64_t i) {
        maxAssenza = std::max(maxAssenza, static_cast<std::int32_t>(i - ultimo - 1));
        ultimo = i;
        ++sortite;
    }
    TContatore contatore(std::int64_t boule) const {
        return {static_cast<std::int32_t>(boule - 1 - ultimo), maxAssenza, sortite};
    }
};

} // namespace

TContatore& contatoreRuota(TContatoriRuota& r, int entita) {
    if (entita < NUM_SETTORI) return r.settori[entita];
    const int a = entita - NUM_SETTORI;
    return r.archi[a / NUMERI][a % NUMERI];
}

TContatoriRuota rigiocaRuota(std::span<const int> numeri) {
    std::array<TTraccia, NUM_SETTORI> settoriVisti{};
    std::array<std::array<TTraccia, NUMERI>, MAX_LARGHEZZA_ARCO> archiVisti{};
    const auto tutti = settori();
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        const int n = numeri[i];
        verificaNumero(n);
        const auto t = static_cast<std::int64_t>(i);
        for (int s = 0; s < NUM_SETTORI; ++s)
            if (std::ranges::find(tutti[s].numeri, n) != tutti[s].numeri.end())
                settoriVisti[s].colpo(t);
        // Arc i of width k holds n when n's pocket is at most k pockets from its centre.
        const int p = posizioneSullaRuota(n);
        for (int k = 1; k <= MAX_LARGHEZZA_ARCO; ++k)
            for (int c = 0; c < NUMERI; ++c) {
                const int distanza = std::abs(c - p);
                if (std::min(distanza, NUMERI - distanza) <= k) archiVisti[k - 1][c].colpo(t);
            }
    }
    const auto boule = static_cast<std::int64_t>(numeri.size());
    TContatoriRuota r;
    for (int s = 0; s < NUM_SETTORI; ++s) r.settori[s] = settoriVisti[s].contatore(boule);
    for (int k = 0; k < MAX_LARGHEZZA_ARCO; ++k)
        for (int c = 0; c < NUMERI; ++c) r.archi[k][c] = archiVisti[k][c].contatore(boule);
    return r;
}

void aggiornaRuota(TPartita& p, int n) {
    verificaNumero(n);
    auto& r = p.ruota;
    auto& storia = p.storiaRuota;
    // Aging all 152 delays is one short loop over contiguous counters: cheaper on the spin
    // path than keeping last-hit indices and turning them into delays for every display.
    for (auto& e : r.settori) ++e.ritardo;
    for (auto& fila : r.archi)
        for (auto& e : fila) ++e.ritardo;
    const auto& aree = areeDelNumero()[n];
    // The hit rule of registraColpo, written out here so that the spin path makes no call
    // per area and the raised records can be kept.
    for (int i = 0; i < aree.quante; ++i) {
        TContatore& e = contatoreRuota(r, aree.entita[i]);
        const std::int32_t assenza = e.ritardo - 1;
        if (assenza > e.maxRitardo) {
            storia.record.push_back({storia.boule, aree.entita[i], e.maxRitardo});
            e.maxRitardo = assenza;
        }
        ++e.sortite;
        e.ritardo = 0;
    }
    ++storia.boule;
}

void annullaRuota(TPartita& p, int n) {
    verificaNumero(n);
    auto& r = p.ruota;
    auto& storia = p.storiaRuota;
    if (storia.boule <= 0) return;
    const std::int32_t rimaste = --storia.boule; // also the index of the undone spin

    for (auto& e : r.settori) --e.ritardo;
    for (auto& fila : r.archi)
        for (auto& e : fila) --e.ritardo;

    // The areas holding n lose their last hit; each one's delay runs again from its previous
    // hit, found by reading the ribbon backwards until every one of them has been met.
    const auto& tabella = areeDelNumero();
    const auto& aree = tabella[n];
    for (int i = 0; i < aree.quante; ++i) {
        TContatore& e = contatoreRuota(r, aree.entita[i]);
        --e.sortite;
        e.ritardo = rimaste;
    }
    TMaschera daTrovare = aree.maschera;
    const auto& nastro = p.nastroNumeri;
    const auto ultimaRiga = static_cast<std::int64_t>(
        std::min<std::size_t>(nastro.size(), static_cast<std::size_t>(rimaste)));
    for (std::int64_t i = ultimaRiga - 1; i >= 0; --i) {
        const int x = numeroEsatto(nastro[static_cast<std::size_t>(i)]).value_or(-1);
        if (x < 0) continue;
        bool restano = false;
        for (int w = 0; w < PAROLE_MASCHERA; ++w) {
            std::uint64_t trovate = daTrovare[w] & tabella[x].maschera[w];
            daTrovare[w] &= ~trovate;
            for (; trovate != 0; trovate &= trovate - 1)
                contatoreRuota(r, w * 64 + std::countr_zero(trovate)).ritardo =
                    static_cast<std::int32_t>(rimaste - 1 - i);
            restano = restano || daTrovare[w] != 0;
        }
        if (!restano) break;
    }

    while (!storia.record.empty() && storia.record.back().boule == rimaste) {
        const TRecordRuota& rec = storia.record.back();
        contatoreRuota(r, rec.entita).maxRitardo = rec.maxRitardo;
        storia.record.pop_back();
    }
}

void azzeraRuota(TPartita& p) {
    p.ruota = {};
    p.storiaRuota = {};
}

void ricostruisciRuota(TPartita& p) {
    azzeraRuota(p);
    for (const auto& riga : p.nastroNumeri) {
        const int n = numeroEsatto(riga).value_or(-1);
        if (n >= 0) aggiornaRuota(p, n);
    }
}

std::string testoAttese(std::int64_t boule, int dimensione) {
    // Rounded to tenths in whole numbers: exact, and no locale can turn the point into a comma.
    const std::int64_t decimi = (20 * boule * dimensione + NUMERI) / (2 * NUMERI);
    return std::to_string(decimi / 10) + "." + std::to_string(decimi % 10);
}

} // namespace girolino

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiChance.h"

#include <algorithm>
#include <charconv>

namespace girolino {

namespace {

// What each of TESTI_CHANCE stands for, in the same order.
constexpr std::array<TInfoChance, NUM_CHANCE> infoDelleChance = {{
    {0, "R", true},
    {0, "N", true},
    {1, "P", true},
    {1, "D", true},
    {2, "M", true},
    {2, "P", true},
    {3, "1", false},
    {3, "2", false},
    {3, "3", false},
    {4, "1", false},
    {4, "2", false},
    {4, "3", false},
}};

} // namespace

std::optional<TInfoChance> infoChance(std::string_view testoChance) {
    for (std::size_t i = 0; i < TESTI_CHANCE.size(); ++i)
        if (TESTI_CHANCE[i] == testoChance) return infoDelleChance[i];
    return std::nullopt;
}

const TNastro& nastroDellaFamiglia(const TPartita& partita, int famiglia) {
    // nastri() starts with the number ribbon; the letter ribbons follow in family order.
    return *partita.nastri().at(static_cast<std::size_t>(famiglia) + 1);
}

std::vector<std::uint8_t> colpiDelNastro(const TNastro& nastro, int n, std::string_view lettera) {
    std::vector<std::uint8_t> colpi(static_cast<std::size_t>(std::max(n, 0)), 0);
    const std::size_t letti = std::min(colpi.size(), nastro.size());
    // Marks are a letter or two: compared by hand, a long ribbon is read several times faster
    // than through a library compare per line.
    const auto uguale = [lettera](std::string_view riga) {
        if (riga.size() != lettera.size()) return false;
        for (std::size_t k = 0; k < riga.size(); ++k)
            if (riga[k] != lettera[k]) return false;
        return true;
    };
    std::uint8_t* colpo = colpi.data();
    nastro.perOgniRiga(letti, [&](std::string_view riga) { *colpo++ = uguale(riga) ? 1 : 0; });
    return colpi;
}

std::optional<TTipoIstogramma> tipoIstogrammaDaTesto(std::string_view testo) {
    if (testo == TESTI_ISTOGRAMMA[0]) return TTipoIstogramma::Ritardi;
    if (testo == TESTI_ISTOGRAMMA[1]) return TTipoIstogramma::Sortite;
    return std::nullopt;
}

TIstogramma calcolaIstogramma(std::span<const std::uint8_t> colpi, TTipoIstogramma tipo) {
    // A delay is a stretch of misses closed by a hit; a run is a stretch of hits closed by
    // a miss. Both are the same count with the roles of hit and miss swapped.
    const std::uint8_t allunga = tipo == TTipoIstogramma::Ritardi ? 0 : 1;
    TIstogramma istogramma{};
    std::int64_t c = 0;
    for (const std::uint8_t colpo : colpi) {
        if (colpo == allunga) {
            ++c;
        } else {
            if (c > 0) ++istogramma[std::min<std::int64_t>(c, LUNGHEZZE_ISTOGRAMMA)];
            c = 0;
        }
    }
    return istogramma;
}

TIstogramma calcolaIstogramma(const TNastro& nastro, int n, std::string_view lettera,
                              TTipoIstogramma tipo) {
    return calcolaIstogramma(colpiDelNastro(nastro, n, lettera), tipo);
}

std::optional<TIstogramma> calcolaIstogramma(const TPartita& partita, int n,
                                             std::string_view testoChance, TTipoIstogramma tipo) {
    const auto info = infoChance(testoChance);
    if (!info) return std::nullopt;
    return calcolaIstogramma(nastroDellaFamiglia(partita, info->famiglia), n, info->lettera, tipo);
}

std::int32_t massimoBarreIstogramma(const TIstogramma& istogramma) {
    const std::int32_t m = *std::max_element(istogramma.begin() + 1, istogramma.end());
    return m + m / 3;
}

std::optional<double> TProgressione::tasso() const {
    if (giocate == 0) return std::nullopt;
    return static_cast<double>(guadagnate()) / static_cast<double>(giocate);
}

TProgressione simulaProgressione(std::span<const std::uint8_t> colpi, int ritardo, int mani) {
    TProgressione p;
    if (ritardo < 1 || mani < 1) return p;
    mani = std::min(mani, MAX_MANI);

    const std::size_t n = colpi.size();
    std::int64_t m = 0; // misses in a row
    for (std::size_t i = 0; i < n; ++i) {
        if (colpi[i]) {
            m = 0;
            continue;
        }
        if (++m != ritardo) continue;
        // The play bets on the following spins; the next position is still i + 1, so the
        // spins of a play are scanned again as ordinary positions.
        for (int k = 1; k <= mani; ++k) {
            ++p.giocate;
            p.puntate += std::int64_t{1} << (k - 1);
            const std::size_t j = i + static_cast<std::size_t>(k);
            if (j < n && colpi[j]) {
                ++p.riuscite;
                p.vinte += std::int64_t{1} << k;
                m = 0;
                break;
            }
        }
    }
    return p;
}

TSerieMancate serieMancate(std::span<const std::uint8_t> colpi) {
    TSerieMancate serie;
    std::size_t l = 0;
    for (const std::uint8_t colpo : colpi) {
        if (!colpo) {
            ++l;
            continue;
        }
        if (l >= serie.chiuse.size()) serie.chiuse.resize(l + 1, 0);
        ++serie.chiuse[l];
        l = 0;
    }
    serie.aperta = static_cast<std::int64_t>(l);
    return serie;
}

TProgressione simulaProgressione(const TSerieMancate& serie, int ritardo, int mani) {
    TProgressione p;
    if (ritardo < 1 || mani < 1) return p;
    mani = std::min(mani, MAX_MANI);
    const std::int64_t d = ritardo;
    const std::int64_t perdita = (std::int64_t{1} << mani) - 1; // stakes of a lost play

    // In a stretch of L misses the first play starts at the d-th miss and would win on the
    // closing hit at hand L - d + 1. Lost (too many hands, or no hit before the end): the
    // misses keep counting and nothing more is played in the stretch. Won: the count restarts
    // right after the entry spin, so the next play starts d misses later and wins on the same
    // hit with d hands fewer, and so on while d more misses fit in the stretch.
    for (std::size_t l = 0; l < serie.chiuse.size(); ++l) {
        const std::int64_t volte = serie.chiuse[l];
        const auto lunghezza = static_cast<std::int64_t>(l);
        if (volte == 0 || lunghezza < d) continue;
        if (lunghezza - d + 1 > mani) {
            p.giocate += volte * mani;
            p.puntate += volte * perdita;
            continue;
        }
        for (std::int64_t inizio = d; inizio <= lunghezza; inizio += d) {
            const std::int64_t k = lunghezza - inizio + 1;
            p.giocate += volte * k;
            p.puntate += volte * ((std::int64_t{1} << k) - 1);
            p.riuscite += volte;
            p.vinte += volte * (std::int64_t{1} << k);
        }
    }
    if (serie.aperta >= d) {
        p.giocate += mani;
        p.puntate += perdita;
    }
    return p;
}

TProgressione simulaProgressione(const TNastro& nastro, int n, std::string_view lettera,
                                 int ritardo, int mani) {
    return simulaProgressione(colpiDelNastro(nastro, n, lettera), ritardo, mani);
}

std::optional<TProgressione> simulaProgressione(const TPartita& partita, int n,
                                                std::string_view testoChance, int ritardo,
                                                int mani) {
    const auto info = infoChance(testoChance);
    if (!info || !info->simulabile) return std::nullopt;
    return simulaProgressione(nastroDellaFamiglia(partita, info->famiglia), n, info->lettera,
                              ritardo, mani);
}

std::string testoTasso(std::optional<double> tasso) {
    if (!tasso) return "-";
    std::array<char, 64> buf{};
    const auto [fine, errore] =
        std::to_chars(buf.data(), buf.data() + buf.size(), *tasso, std::chars_format::fixed, 2);
    if (errore != std::errc{}) return "-";
    return std::string(buf.data(), fine);
}

std::optional<TMigliorTasso> cercaMigliorTasso(const TPartita& partita, int n, int maxRitardo,
                                               int maxMani) {
    static constexpr auto pari = std::span(TESTI_CHANCE).first<NUM_CHANCE_SEMPLICI>();
    // The name of a play: the chance of `pari` with its entry delay and hand limit.
    static constexpr std::array<std::string_view, NUM_CHANCE_SEMPLICI> nomiGiocata = {
        TESTO("Rosso %1-%2"),   TESTO("Nero %1-%2"), TESTO("Pari %1-%2"),
        TESTO("Dispari %1-%2"), TESTO("Manq %1-%2"), TESTO("Pass %1-%2")};
    // Each chance's record is reduced once to its stretches of misses; the simulations then
    // only walk the few distinct stretch lengths.
    std::array<TSerieMancate, pari.size()> serie;
    for (std::size_t c = 0; c < pari.size(); ++c) {
        const TInfoChance info = *infoChance(pari[c]);
        serie[c] = serieMancate(
            colpiDelNastro(nastroDellaFamiglia(partita, info.famiglia), n, info.lettera));
    }

    std::optional<TMigliorTasso> migliore;
    for (int d = 1; d <= maxRitardo; ++d) {
        for (int h = 1; h <= maxMani; ++h) {
            for (std::size_t c = 0; c < pari.size(); ++c) {
                const auto tasso = simulaProgressione(serie[c], d, h).tasso();
                if (!tasso || (migliore && !(*tasso > migliore->tasso))) continue;
                migliore = TMigliorTasso{formatta(nomiGiocata[c], d, h), *tasso};
            }
        }
    }
    return migliore;
}

} // namespace girolino

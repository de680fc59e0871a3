// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MonteCarlo.h"

#include "engine/GeneratoreGiri.h"
#include "engine/Sessione.h"
#include "model/Testo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace girolino {

namespace {

// Sessions handed to a worker at a time. Fixed, so the sums of a block never depend on how
// many threads share the work.
constexpr std::int64_t SESSIONI_PER_BLOCCO = 64;

struct TSommeBlocco {
    double puntato = 0;
    std::int64_t puntate = 0;
    std::array<std::int64_t, 5> fini{}; // sessions per TFineSessione
};

class TFonteCasuale {
public:
    TFonteCasuale(std::uint64_t seme, std::int64_t sessione, std::int64_t giri)
        : generatore_(seme, static_cast<std::uint64_t>(sessione)), restanti_(giri) {}
    bool ciSonoGiri() const { return restanti_ > 0; }
    int prossimo() {
        --restanti_;
        return generatore_.prossimo();
    }

private:
    TGeneratoreGiri generatore_;
    std::int64_t restanti_;
};

// The value at rank ceil(num/den * S), 1-based, of the sorted results; integer arithmetic so
// that no rounding moves the rank.
double percentile(const std::vector<double>& ordinati, std::int64_t num, std::int64_t den) {
    const auto s = static_cast<std::int64_t>(ordinati.size());
    const std::int64_t rango = std::max<std::int64_t>(1, (num * s + den - 1) / den);
    return ordinati[static_cast<std::size_t>(rango - 1)];
}

TDistribuzione distribuzione(const std::vector<double>& ordinati, int classi) {
    TDistribuzione d;
    const double minimo = ordinati.front();
    const double massimo = ordinati.back();
    if (!(massimo > minimo)) {
        d.inizio = minimo - 0.5;
        d.ampiezza = 1;
        d.conteggi = {static_cast<std::int64_t>(ordinati.size())};
        return d;
    }
    classi = std::max(1, classi);
    d.inizio = minimo;
    d.ampiezza = (massimo - minimo) / classi;
    d.conteggi.assign(static_cast<std::size_t>(classi), 0);
    for (double v : ordinati) {
        const auto k = static_cast<int>((v - minimo) / d.ampiezza);
        ++d.conteggi[static_cast<std::size_t>(std::clamp(k, 0, classi - 1))];
    }
    return d;
}

} // namespace

std::optional<std::string> validaMonteCarlo(const TParametriMonteCarlo& p) {
    if (p.sessioni < 1 || p.sessioni > MAX_SESSIONI)
        return TESTO("Sessioni: deve essere un intero da 1 a 1000000.");
    if (p.giriPerSessione < 1 || p.giriPerSessione > MAX_GIRI_SESSIONE)
        return TESTO("Giri per sessione: deve essere un intero da 1 a 100000.");
    return std::nullopt;
}

std::optional<TRisultatoMonteCarlo> eseguiMonteCarlo(const TImpostazioniSistema& impostazioni,
                                                     const TParametriMonteCarlo& p,
                                                     const TAvanzamento& avanzamento,
                                                     const std::atomic<bool>* annulla) {
    if (auto errore = validaImpostazioni(impostazioni)) throw std::invalid_argument(*errore);
    if (auto errore = validaMonteCarlo(p)) throw std::invalid_argument(*errore);

    const TRegole regole(impostazioni);
    const std::int64_t sessioni = p.sessioni;
    const std::int64_t blocchi = (sessioni + SESSIONI_PER_BLOCCO - 1) / SESSIONI_PER_BLOCCO;
    const auto campioni = std::clamp<std::int64_t>(p.curveCampione, 0, sessioni);

    std::vector<double> risultati(static_cast<std::size_t>(sessioni));
    std::vector<TSommeBlocco> somme(static_cast<std::size_t>(blocchi));
    std::vector<std::vector<double>> curve(static_cast<std::size_t>(campioni));

    std::atomic<std::int64_t> prossimoBlocco{0};
    std::atomic<std::int64_t> fatte{0};
    std::atomic<bool> guasto{false};
    std::exception_ptr errore;
    std::mutex mutexErrore;
    const auto fermato = [&] {
        return guasto.load(std::memory_order_relaxed) ||
               (annulla != nullptr && annulla->load(std::memory_order_relaxed));
    };

    const auto lavora = [&](bool riferisce) {
        try {
            TStatoProgressione stato(regole);
            std::int64_t ultimoMillesimo = -1;
            for (;;) {
                const std::int64_t b = prossimoBlocco.fetch_add(1, std::memory_order_relaxed);
                if (b >= blocchi) return;
                TSommeBlocco& s = somme[static_cast<std::size_t>(b)];
                const std::int64_t fine = std::min(sessioni, (b + 1) * SESSIONI_PER_BLOCCO);
                for (std::int64_t i = b * SESSIONI_PER_BLOCCO; i < fine; ++i) {
                    if (fermato()) return;
                    stato.inizia();
                    TConteggiSessione c(regole.cassa);
                    TFonteCasuale fonte(p.seme, i, p.giriPerSessione);
                    TFineSessione f;
                    if (i < campioni) {
                        auto& curva = curve[static_cast<std::size_t>(i)];
                        f = giocaSessione(regole, stato, c, fonte,
                                          [&curva](double cassa) { curva.push_back(cassa); });
                    } else {
                        f = giocaSessione(regole, stato, c, fonte, [](double) {});
                    }
                    risultati[static_cast<std::size_t>(i)] = c.cassa - regole.cassa;
                    s.puntato += c.puntato;
                    s.puntate += c.puntate;
                    ++s.fini[static_cast<std::size_t>(f)];
                }
                const std::int64_t ora =
                    fatte.fetch_add(fine - b * SESSIONI_PER_BLOCCO, std::memory_order_relaxed) +
                    fine - b * SESSIONI_PER_BLOCCO;
                // At most a thousand calls, so a slow receiver never slows the run down.
                if (riferisce && avanzamento && ora * 1000 / sessioni != ultimoMillesimo) {
                    ultimoMillesimo = ora * 1000 / sessioni;
                    avanzamento(ora, sessioni);
                }
            }
        } catch (...) {
            const std::lock_guard blocco(mutexErrore);
            if (!errore) errore = std::current_exception();
            guasto = true;
        }
    };

    unsigned lavoratori =
        p.thread != 0 ? p.thread : std::max(1u, std::thread::hardware_concurrency());
    lavoratori = static_cast<unsigned>(std::min<std::int64_t>(lavoratori, blocchi));
    {
        std::vector<std::jthread> altri;
        altri.reserve(lavoratori - 1);
        for (unsigned t = 1; t < lavoratori; ++t) altri.emplace_back(lavora, false);
        lavora(true);
    } // the jthreads join here
    if (errore) std::rethrow_exception(errore);
    if (fatte.load() < sessioni) return std::nullopt; // cancelled
    if (avanzamento) avanzamento(sessioni, sessioni);

    TRisultatoMonteCarlo r;
    r.sessioni = sessioni;
    // Every sum runs in session order (block order for the block sums): the same figures
    // whatever thread played which session.
    double totale = 0;
    for (double v : risultati) totale += v;
    double puntato = 0;
    std::array<std::int64_t, 5> fini{};
    for (const TSommeBlocco& s : somme) {
        puntato += s.puntato;
        r.puntate += s.puntate;
        for (std::size_t k = 0; k < fini.size(); ++k) fini[k] += s.fini[k];
    }
    const auto quota = [&](TFineSessione f) {
        return static_cast<double>(fini[static_cast<std::size_t>(f)]) /
               static_cast<double>(sessioni);
    };
    r.media = totale / static_cast<double>(sessioni);
    r.quotaObiettivo = quota(TFineSessione::Obiettivo);
    r.quotaStop = quota(TFineSessione::Stop);
    r.quotaRovina = quota(TFineSessione::Rovina);
    if (puntato > 0) r.rendimento = totale / puntato;

    std::sort(risultati.begin(), risultati.end());
    r.mediana = percentile(risultati, 1, 2);
    r.p5 = percentile(risultati, 5, 100);
    r.p95 = percentile(risultati, 95, 100);
    r.distribuzione = distribuzione(risultati, p.classiDistribuzione);
    r.curve = std::move(curve);
    return r;
}

} // namespace girolino

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/CaricaPartita.h"
#include "gamefile/Cartelle.h"
#include "gamefile/FilePartita.h"
#include "gamefile/PartitaDiProva.h"
#include "gamefile/SalvaPartita.h"
#include "gamefile/TestoFile.h"

#include <gtest/gtest.h>

#include <random>

using namespace girolino;
using namespace girolino::prova;
namespace fs = std::filesystem;

namespace {

class Mutazioni : public CartellaDiProva {};

// Damages one of the seven files at random: a byte replaced, a line dropped or a line doubled.
void guasta(std::string& testo, std::mt19937& caso) {
    if (testo.empty()) return;
    auto posizione = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(caso);
    };
    auto righe = dividiRighe(testo);
    switch (caso() % 3) {
    case 0:
        testo[posizione(testo.size())] = static_cast<char>(caso() % 256);
        return;
    case 1:
        righe.erase(righe.begin() + static_cast<long>(posizione(righe.size())));
        break;
    default: {
        const auto k = posizione(righe.size());
        righe.insert(righe.begin() + static_cast<long>(k), righe[k]);
    }
    }
    testo.clear();
    for (const auto& r : righe) testo += r + "\r\n";
}

// Whatever the damage, opening never crashes, and a file it accepts gives back the saved game:
// the only counters that may differ are the numbers' maximum delays, which an undo can leave
// above what the spins show (never above the spin count).
TEST_F(Mutazioni, UnFileDanneggiatoORifiutatoODaLaPartitaIntegra) {
    TPartita p = partita({0,  32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11,
                          30, 8,  23, 10, 5, 24, 16, 33, 1,  20, 14, 31, 9,  22, 18});
    gira(p, 22);
    annullaSpin(p);
    for (int n : {0, 0, 7, 7, 7, 29}) gira(p, n);

    const fs::path file = cartellaSalvati(cartella) / "prova.fvr";
    fs::create_directories(file.parent_path());
    ASSERT_TRUE(salvaPartita(file, componiFilePartita(p, testiDallaPartita(p)), p));
    std::array<fs::path, 7> percorsi{file};
    for (int i = 0; i < 6; ++i) percorsi[i + 1] = percorsoNastro(i, file);
    std::array<std::string, 7> buoni;
    for (int i = 0; i < 7; ++i) buoni[i] = leggiByte(percorsi[i]);

    std::mt19937 caso(20240611);
    int rifiutati = 0;
    int accettati = 0;
    for (int giro = 0; giro < 3000; ++giro) {
        SCOPED_TRACE(giro);
        const std::size_t quale = caso() % 2 == 0 ? 0 : 1 + caso() % 6;
        std::string testo = buoni[quale];
        for (unsigned volte = 1 + caso() % 3; volte > 0; --volte) guasta(testo, caso);
        scriviByte(percorsi[quale], testo);

        const auto c = caricaFilePartita(file, cartella);
        scriviByte(percorsi[quale], buoni[quale]);
        if (!c.valido()) {
            ++rifiutati;
            EXPECT_FALSE(c.errore.empty());
            continue;
        }
        ++accettati;
        TPartita q;
        ripristinaPartita(q, *c.partita);
        TPartita attesa = p;
        for (int n = 0; n < NUMERI; ++n) {
            EXPECT_GE(q.numeri[n].maxRitardo, p.numeri[n].maxRitardo);
            EXPECT_LE(q.numeri[n].maxRitardo, p.bouleEseguite);
            attesa.numeri[n].maxRitardo = q.numeri[n].maxRitardo;
        }
        controllaStessaPartita(q, attesa);
        if (::testing::Test::HasFailure()) break;
    }
    // Both outcomes must have happened, or the damage did not exercise the checks.
    EXPECT_GT(rifiutati, 1000);
    EXPECT_GT(accettati, 10);
}

} // namespace

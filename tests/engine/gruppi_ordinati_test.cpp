// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GruppiOrdinati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace girolino;

namespace {

// The group part of a spin: every delay up by one, then the hit rule on the groups of n.
void giro(TPartita& p, int n) {
    for (int g = 1; g <= NUM_GRUPPI; ++g) ++p.gruppi[g].ritardo;
    for (int g : gruppiDelNumero(n)) {
        auto& c = p.gruppi[g];
        ++c.sortite;
        if (c.ritardo > c.maxRitardo) c.maxRitardo = c.ritardo - 1;
        c.ritardo = 0;
    }
}

const TVoceGruppo& duine(const TGruppiOrdinati& g) {
    return primoDellaFamiglia(g, TTipoGruppo::Duine);
}

TEST(GruppiOrdinati, PrimaDiOgniRiempimentoInOrdineDiCatalogo) {
    TGruppiOrdinati g;
    ordinaFamiglie(g, false);
    EXPECT_EQ(duine(g).etichetta(), "1-2");
    EXPECT_EQ(duine(g).sortite, 0);
    for (int t = 0; t < NUM_FAMIGLIE; ++t) {
        const auto tipo = static_cast<TTipoGruppo>(t);
        EXPECT_EQ(primoDellaFamiglia(g, tipo).indice, famiglia(tipo).primo);
    }
}

TEST(GruppiOrdinati, RiempimentoCopiaOgniContatoreAlSuoPosto) {
    TPartita p;
    for (int i = 1; i <= NUM_GRUPPI; ++i) p.gruppi[i] = {{i, 1000 + i, 2000 + i}};
    TGruppiOrdinati g;
    ordinaFamiglie(g, true);
    assegnaChanceComplesse(p, g);
    for (int i = 1; i <= NUM_GRUPPI; ++i) {
        const TVoceGruppo& v = g.voci[i - 1];
        EXPECT_EQ(v, (TVoceGruppo{i, 2000 + i, i, 1000 + i}));
        EXPECT_EQ(v.etichetta(), etichettaGruppo(i));
    }
}

TEST(GruppiOrdinati, DopoIl36IlPareggioTieneLOrdineDiCatalogo) {
    TPartita p;
    giro(p, 36);
    TGruppiOrdinati g;
    assegnaChanceComplesse(p, g);
    ordinaFamiglie(g, true);
    EXPECT_EQ(duine(g).etichetta(), "1-2");
    EXPECT_EQ(duine(g).ritardo, 1);
    // The two splits of 36 sink to the bottom of the family.
    const TFamiglia f = famiglia(TTipoGruppo::Duine);
    for (int pos : {f.numero - 2, f.numero - 1}) {
        const TVoceGruppo& v = g.voci[f.primo - 1 + pos];
        EXPECT_EQ(v.ritardo, 0);
        EXPECT_TRUE(v.etichetta() == "35-36" || v.etichetta() == "33-36") << v.etichetta();
    }
    EXPECT_EQ(primoDellaFamiglia(g, TTipoGruppo::Ennine).etichetta(), "1-9");
}

TEST(GruppiOrdinati, IlPiuRitardatarioGuidaLaFamiglia) {
    TPartita p;
    for (int n : {1, 2, 3, 5, 8}) giro(p, n);
    TGruppiOrdinati g;
    assegnaChanceComplesse(p, g);
    ordinaFamiglie(g, true);
    for (int t = 0; t < NUM_FAMIGLIE; ++t) {
        const TFamiglia f = famiglia(static_cast<TTipoGruppo>(t));
        const auto fine = g.voci.begin() + f.primo - 1 + f.numero;
        const auto massimo =
            std::max_element(g.voci.begin() + f.primo - 1, fine,
                             [](auto& a, auto& b) { return a.ritardo < b.ritardo; });
        EXPECT_EQ(primoDellaFamiglia(g, static_cast<TTipoGruppo>(t)).ritardo, massimo->ritardo);
    }
}

// Switching from the delay order to the hit order without a refill: among the duine with
// the most hits, the one that came first by delay leads, not the first in the catalogue.
TEST(GruppiOrdinati, LOrdinePrecedentePassaAlCambioDiChiave) {
    TPartita p;
    for (int i = 1; i <= NUM_GRUPPI; ++i) p.gruppi[i].ritardo = 1;
    p.gruppi[1] = {{0, 0, 2}}; // "1-2"
    p.gruppi[2] = {{5, 0, 2}}; // "2-3"

    TGruppiOrdinati g;
    assegnaChanceComplesse(p, g);
    ordinaFamiglie(g, true);
    ASSERT_EQ(duine(g).etichetta(), "2-3");
    ordinaFamiglie(g, false);
    EXPECT_EQ(duine(g).etichetta(), "2-3");

    assegnaChanceComplesse(p, g);
    ordinaFamiglie(g, false);
    EXPECT_EQ(duine(g).etichetta(), "1-2");
}

} // namespace

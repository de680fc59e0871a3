// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Segnali.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace girolino;

namespace {

class SegnaleRitardo : public ::testing::Test {
protected:
    SegnaleRitardo() {
        p.chance[Rosso].ritardo = 4;
        p.chance[Nero].ritardo = 5;
        p.chance[Col3].ritardo = 30;
    }
    TPartita p;
};

TEST_F(SegnaleRitardo, SoloOltreLaSogliaConLaDidascaliaComeScritta) {
    const TSegnaleRitardo s = ritardisignificativi(p, true, "4");
    EXPECT_EQ(s.didascalia, "Ritardo 4+");
    for (int c = Rosso; c <= Col3; ++c)
        EXPECT_EQ(s.visibile[c], c == Nero || c == Col3) << nomeChance(static_cast<TChance>(c));

    EXPECT_EQ(ritardisignificativi(p, true, " 29").didascalia, "Ritardo  29+");
    EXPECT_TRUE(ritardisignificativi(p, true, " 29").visibile[Col3]);
    EXPECT_FALSE(ritardisignificativi(p, true, "30").visibile[Col3]);
}

TEST_F(SegnaleRitardo, SpentoOSogliaNonNumericaNasconde) {
    for (const auto& [attivo, testo] : std::vector<std::pair<bool, std::string>>{
             {false, "4"}, {true, "abc"}, {true, ""}, {true, "4,5"}}) {
        const TSegnaleRitardo s = ritardisignificativi(p, attivo, testo);
        for (int c = Rosso; c <= Col3; ++c) EXPECT_FALSE(s.visibile[c]) << "'" << testo << "'";
    }
}

TEST(SogliaRipetizioni, DalTestoSoloSeAttiva) {
    EXPECT_EQ(sogliaRipetizioni(true, "6"), 6);
    EXPECT_EQ(sogliaRipetizioni(false, "6"), 10000);
    EXPECT_EQ(sogliaRipetizioni(false, "sei"), 10000);
    EXPECT_EQ(sogliaRipetizioni(true, "sei"), std::nullopt);
}

class TitoliCS : public ::testing::Test {
protected:
    void valuta(std::optional<std::int32_t> soglia) {
        pulisciTitoliCS(titoli);
        impostaTitoliCS(p, soglia, titoli, banner);
    }
    static TTitoloNastro semplice(const char* t) { return {t, false, false}; }
    static TTitoloNastro segnalato(const std::string& t) { return {t, true, true}; }
    void attendiTitoliSemplici() {
        EXPECT_EQ(titoli,
                  (TTitoliNastri{semplice("R/N"), semplice("Pari/Disp"), semplice("Manq/Pass"),
                                 semplice("Doz. 1-2-3"), semplice("Col. 1-2-3")}));
    }

    TPartita p;
    TTitoliNastri titoli{semplice("R/N"), semplice("Pari/Disp."), semplice("Manq/Pass"),
                         semplice("Doz. 1-2-3"), semplice("Col 1-2-3")};
    TBanner banner;
};

TEST_F(TitoliCS, UnaSerieUgualeAllaSogliaScatta) {
    p.ripetizioni[Rosso] = 4;
    valuta(4);
    EXPECT_EQ(titoli[0], segnalato("R 4"));
    EXPECT_EQ(titoli[1], semplice("Pari/Disp"));
    EXPECT_EQ(banner, (TBanner{"Rosso 4 volte!", true}));
}

TEST_F(TitoliCS, SottoLaSogliaTitoliSempliciEBannerNascostoColVecchioTesto) {
    banner = {"Rosso 4 volte!", true};
    p.ripetizioni[Rosso] = 3;
    p.ripetizioni[Pari] = 3;
    valuta(4);
    attendiTitoliSemplici();
    EXPECT_EQ(banner, (TBanner{"Rosso 4 volte!", false}));
}

TEST_F(TitoliCS, DueFamiglieIlBannerNominaLaChancePiuAvanti) {
    p.ripetizioni[Nero] = 5;
    p.ripetizioni[Pari] = 4;
    p.ripetizioni[Manq] = 6;
    valuta(4);
    EXPECT_EQ(titoli[0], segnalato("N: 5"));
    EXPECT_EQ(titoli[1], segnalato("Pari: 4"));
    EXPECT_EQ(titoli[2], segnalato("Manq: 6"));
    EXPECT_EQ(titoli[3], semplice("Doz. 1-2-3"));
    EXPECT_EQ(banner, (TBanner{"Manq 6 volte!", true}));
}

TEST_F(TitoliCS, SogliaZeroSegnaLUltimaChanceDiOgniFamiglia) {
    p.ripetizioni[Rosso] = 2;
    p.ripetizioni[Dispari] = 1;
    p.ripetizioni[Doz2] = 3;
    for (std::int32_t soglia : {0, -5}) {
        valuta(soglia);
        EXPECT_EQ(titoli,
                  (TTitoliNastri{segnalato("N: 0"), segnalato("Dispari: 1"), segnalato("Pass: 0"),
                                 segnalato("Doz. 3: 0"), segnalato("Col. 3: 0")}));
        EXPECT_EQ(banner, (TBanner{"Col 3 0 volte!", true}));
    }
}

TEST_F(TitoliCS, SegnaleSpentoOSogliaNonNumericaNonSegnaNulla) {
    p.ripetizioni[Doz1] = 25;
    banner = {"Doz 1 24 volte!", true};
    for (const auto& [attivo, testo] :
         std::vector<std::pair<bool, std::string>>{{false, "4"}, {true, "quattro"}}) {
        valuta(sogliaRipetizioni(attivo, testo));
        attendiTitoliSemplici();
        EXPECT_EQ(banner, (TBanner{"Doz 1 24 volte!", false}));
    }
}

} // namespace

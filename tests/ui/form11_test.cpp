// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form11.h"

#include "ControlliDiProva.h"
#include "PiattaformaFinta.h"
#include "engine/Giocata.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace girolino::ui {
namespace {

const std::string DUINE = "le Duine";
const std::string APPARIZIONE = "in Ordine di Apparizione";

struct TSceltaFinta : TSceltaGruppi {
    std::string fam = DUINE;
    std::string ord = APPARIZIONE;
    std::string famiglia() const override { return fam; }
    std::string ordine() const override { return ord; }
    void impostaFamiglia(const std::string& t) override { fam = t; }
    void impostaOrdine(const std::string& t) override { ord = t; }
};

using test::nome;

class Form11Test : public ::testing::Test {
protected:
    Form11Test() { f.collegaScelta(scelta); }

    std::string cella(const char* prefisso, int k) const { return f[nome(prefisso, k)].testo; }
    int numero(const char* prefisso, int k) const { return std::stoi(cella(prefisso, k)); }

    void scegli(const std::string& famiglia, const std::string& ordine) {
        scelta.fam = famiglia;
        scelta.ord = ordine;
    }

    void spunta(const char* casella, bool b) {
        const int id = f.id(casella);
        f.spuntaUtente(id, b);
        f.click(id);
    }

    // Rows from..57 show "-" and zeros; greyed when `grigie`.
    void expectVuote(int da, bool grigie, int fino = TForm11::RIGHE) {
        for (int k = da; k <= fino; ++k) {
            SCOPED_TRACE("riga " + std::to_string(k));
            EXPECT_EQ(cella("n", k), "-");
            for (const char* p : {"r", "m", "s"}) EXPECT_EQ(cella(p, k), "0");
            if (grigie) {
                EXPECT_EQ(f[nome("n", k)].sfondo, clGray);
                EXPECT_FALSE(f[nome("r", k)].abilitato);
            }
        }
    }

    // The marks of every Ritardo cell match the numbers it shows.
    void expectSegni(bool rosso, bool grassetto) const {
        for (int k = 1; k <= TForm11::RIGHE; ++k) {
            SCOPED_TRACE("riga " + std::to_string(k));
            const bool supera = numero("r", k) > numero("m", k);
            const auto& font = f[nome("r", k)].font;
            EXPECT_EQ(font.colore, rosso && supera ? clRed : clBlack);
            EXPECT_EQ(font.grassetto, grassetto && supera);
            EXPECT_EQ(f[nome("m", k)].font.colore, clBlack);
        }
    }

    int segnate() const {
        int n = 0;
        for (int k = 1; k <= TForm11::RIGHE; ++k) n += f[nome("r", k)].font.colore == clRed;
        return n;
    }

    test::PiattaformaFinta piattaforma;
    TPartita partita;
    TSceltaFinta scelta;
    TForm11 f{piattaforma, partita};
};

TEST_F(Form11Test, OgniFamigliaInOgniOrdineMostraLeSueRigheIntere) {
    // Counters with many ties, so the ranked orders really move rows.
    for (int g = 1; g <= NUM_GRUPPI; ++g)
        partita.gruppi[g] = {{(g * 7) % 5, (g * 3) % 4, g % 3}, 0, 0, 0};

    struct TFam {
        std::string testo;
        int righe, primo;
    };
    const std::vector<TFam> famiglie = {{"le Duine", 57, 1},
                                        {"le Terzine", 12, 58},
                                        {"le Quartine", 22, 70},
                                        {"le Sestine", 11, 92},
                                        {"le Ennine", 10, 103}};
    struct TOrd {
        std::string testo;
        std::string chiave; // the column that must not grow downwards; "" for catalogue order
    };
    const std::vector<TOrd> ordini = {{"in Ordine di Apparizione", ""},
                                      {"in Ordine di Ritardo", "r"},
                                      {"in Ordine di Massimo Ritardo", "m"},
                                      {"in Ordine di Sortita", "s"}};

    for (const auto& fam : famiglie)
        for (const auto& ord : ordini) {
            SCOPED_TRACE(fam.testo + " " + ord.testo);
            scegli(fam.testo, ord.testo);
            f.guardaTutte();

            std::map<std::string, int> daMostrare;
            for (int g = fam.primo; g < fam.primo + fam.righe; ++g)
                daMostrare[etichettaGruppo(g)] = g;
            for (int k = 1; k <= fam.righe; ++k) {
                const std::string etichetta = cella("n", k);
                ASSERT_EQ(daMostrare.count(etichetta), 1u) << "riga " << k << " " << etichetta;
                const int g = daMostrare[etichetta];
                daMostrare.erase(etichetta);
                if (ord.chiave.empty()) {
                    EXPECT_EQ(g, fam.primo + k - 1);
                }
                EXPECT_EQ(numero("r", k), partita.gruppi[g].ritardo);
                EXPECT_EQ(numero("m", k), partita.gruppi[g].maxRitardo);
                EXPECT_EQ(numero("s", k), partita.gruppi[g].sortite);
                EXPECT_EQ(f[nome("n", k)].sfondo, clMaroon);
                EXPECT_TRUE(f[nome("s", k)].abilitato);
                if (!ord.chiave.empty() && k > 1) {
                    EXPECT_GE(numero(ord.chiave.c_str(), k - 1), numero(ord.chiave.c_str(), k));
                }
            }
            expectVuote(fam.righe + 1, true);
            EXPECT_EQ(f.caption(), "Girolino: Tutte " + fam.testo + " " + ord.testo);
            EXPECT_EQ(f["ComboBox2"].testo, fam.testo);
            EXPECT_EQ(f["ComboBox3"].testo, ord.testo);
            EXPECT_TRUE(f.visibile());
        }
}

TEST_F(Form11Test, ChiaviUgualiSeguonoLoScambio) {
    // Catalogue groups A, B, C are the first three duine; every other group has key 0.
    struct TCaso {
        std::array<int, 3> chiavi;
        std::array<int, 3> attesi; // catalogue indices shown in rows 1..3
    };
    const std::vector<TCaso> casi = {{{2, 2, 3}, {3, 2, 1}}, {{1, 2, 2}, {2, 3, 1}}};
    const std::vector<std::pair<std::string, std::int32_t TContatore::*>> ordini = {
        {"in Ordine di Ritardo", &TContatore::ritardo},
        {"in Ordine di Massimo Ritardo", &TContatore::maxRitardo},
        {"in Ordine di Sortita", &TContatore::sortite}};
    for (const auto& [ordine, campo] : ordini)
        for (const auto& caso : casi) {
            SCOPED_TRACE(ordine);
            partita = TPartita{};
            for (int i = 0; i < 3; ++i) partita.gruppi[i + 1].*campo = caso.chiavi[i];
            scegli(DUINE, ordine);
            f.assegnaValori();
            for (int k = 1; k <= 3; ++k)
                EXPECT_EQ(cella("n", k), etichettaGruppo(caso.attesi[k - 1])) << "riga " << k;
        }
}

TEST_F(Form11Test, UnaPartitaNuovaInOrdineClassificatoRestaInOrdineDiCatalogo) {
    scegli(DUINE, "in Ordine di Sortita");
    f.guardaTutte();
    for (int k = 1; k <= 57; ++k) EXPECT_EQ(cella("n", k), etichettaGruppo(k));
    expectSegni(true, true);
}

TEST_F(Form11Test, TestiSconosciutiNonMostranoNulla) {
    inserisciSpin(partita, 5);
    inserisciSpin(partita, 20);
    struct TCaso {
        std::string famiglia, ordine;
        int ultimaAttiva; // rows 11..ultimaAttiva are active again
    };
    const std::vector<TCaso> casi = {{"le duine", APPARIZIONE, 10},
                                     {"Terzine", "in Ordine di Ritardo", 10},
                                     {"le Terzine", "in ordine di ritardo", 12},
                                     {"le Quartine", "", 22}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.famiglia + "/" + c.ordine);
        scegli(c.famiglia, c.ordine);
        f.guardaTutte();
        expectVuote(1, false);
        for (int k = 11; k <= 57; ++k)
            EXPECT_EQ(f[nome("n", k)].sfondo, k <= c.ultimaAttiva ? clMaroon : clGray);
        EXPECT_EQ(f.caption(), "Girolino: Tutte " + c.famiglia + " " + c.ordine);
        EXPECT_EQ(f["ComboBox2"].testo, c.famiglia);

        inserisciSpin(partita, 7); // a later spin refreshes nothing either
        f.assegnaValori();
        expectVuote(1, false);
    }
}

TEST_F(Form11Test, ISegniSeguonoOgniAggiornamento) {
    // Spins of 0 age every group too; with the marks re-applied after every refresh they
    // never lag behind the numbers on show, in catalogue or ranked order.
    for (const std::string& ordine : {APPARIZIONE, std::string("in Ordine di Ritardo")}) {
        SCOPED_TRACE(ordine);
        partita = TPartita{};
        scegli(DUINE, ordine);
        f.guardaTutte();
        for (int n : {5, 5, 0, 0, 8, 0, 2}) {
            inserisciSpin(partita, n);
            f.assegnaValori();
            expectSegni(true, true);
        }
        EXPECT_GT(segnate(), 0);
        EXPECT_LT(segnate(), 57);
    }
}

TEST_F(Form11Test, LeCaselleAccendonoESpengonoISegni) {
    for (int n : {5, 5, 9}) inserisciSpin(partita, n);
    f.guardaTutte();
    expectSegni(true, true);
    ASSERT_GT(segnate(), 0);

    spunta("CheckBox3", false);
    expectSegni(false, true);
    inserisciSpin(partita, 1); // an unticked box keeps its pass off
    f.assegnaValori();
    expectSegni(false, true);
    spunta("CheckBox3", true);
    expectSegni(true, true);

    spunta("CheckBox1", false);
    expectSegni(true, false);
    spunta("CheckBox1", true);
    expectSegni(true, true);
}

TEST_F(Form11Test, PannelliECombiScrivonoLaSceltaERicostruiscono) {
    inserisciSpin(partita, 5);
    struct TCaso {
        std::string controllo, famiglia, ordine;
    };
    const std::vector<TCaso> pannelli = {
        {"Panel1", "le Terzine", APPARIZIONE},
        {"Panel7", "le Terzine", "in Ordine di Massimo Ritardo"},
        {"Panel4", "le Ennine", "in Ordine di Massimo Ritardo"},
        {"Panel5", "le Ennine", APPARIZIONE},
        {"Panel32", DUINE, APPARIZIONE},
        {"Panel8", DUINE, "in Ordine di Sortita"},
    };
    for (const auto& c : pannelli) {
        SCOPED_TRACE(c.controllo);
        f.nascondi();
        f.click(f.id(c.controllo));
        EXPECT_EQ(scelta.fam, c.famiglia);
        EXPECT_EQ(scelta.ord, c.ordine);
        EXPECT_EQ(f["ComboBox2"].testo, c.famiglia);
        EXPECT_EQ(f["ComboBox3"].testo, c.ordine);
        EXPECT_EQ(f.caption(), "Girolino: Tutte " + c.famiglia + " " + c.ordine);
        EXPECT_TRUE(f.visibile());
    }

    // Typing into a combo copies both texts to the main window.
    scegli("x", "y");
    f.testoDigitato(f.id("ComboBox2"), "le Sestine");
    f.cambiato(f.id("ComboBox2"));
    EXPECT_EQ(scelta.fam, "le Sestine");
    EXPECT_EQ(scelta.ord, "in Ordine di Sortita");
    EXPECT_EQ(f["n11"].sfondo, clMaroon);
    EXPECT_EQ(f["n12"].sfondo, clGray);
    EXPECT_NE(cella("n", 11), "-");
}

TEST_F(Form11Test, SenzaSceltaCollegataUsaIPropriCombi) {
    TForm11 solo{piattaforma, partita};
    solo.click(solo.id("Panel2"));
    EXPECT_EQ(solo.caption(), "Girolino: Tutte le Quartine in Ordine di Apparizione");
    EXPECT_EQ(solo["n22"].testo, etichettaGruppo(91));
    EXPECT_EQ(solo["n23"].sfondo, clGray);
}

TEST_F(Form11Test, UnaNuovaPartitaRiattivaSubitoLeRigheDellaFamiglia) {
    scegli("le Quartine", APPARIZIONE);
    for (int n : {5, 17, 30}) inserisciSpin(partita, n);
    f.guardaTutte();
    ASSERT_GT(segnate(), 0);

    partita = TPartita{};
    f.nuovaPartita();
    expectVuote(1, false);
    for (int k = 11; k <= 57; ++k) EXPECT_EQ(f[nome("n", k)].sfondo, k <= 22 ? clMaroon : clGray);
    expectSegni(true, true);
    EXPECT_EQ(segnate(), 0);
}

TEST_F(Form11Test, FinestraNascostaConLeSueRigheECaselle) {
    EXPECT_FALSE(f.visibile());
    EXPECT_EQ(f.larghezza(), 802);
    EXPECT_EQ(f.altezza(), 479);
    for (int k = 1; k <= 57; ++k)
        for (const char* p : {"n", "r", "m", "s"}) EXPECT_TRUE(f.esiste(nome(p, k)));
    EXPECT_FALSE(f.esiste("n58"));
    EXPECT_TRUE(f["CheckBox1"].spuntato);
    EXPECT_TRUE(f["CheckBox3"].spuntato);
    EXPECT_EQ(f["ComboBox2"].voci.size(), 5u);
    EXPECT_EQ(f["ComboBox3"].voci.size(), 4u);
    EXPECT_EQ(f["Panel7"].hint, "In Ordine di Massimo Ritardo");
    for (std::size_t i = 0; i < f.numControlli(); ++i) {
        const auto& c = f.controllo(static_cast<int>(i));
        EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.w <= 802 && c.y + c.h <= 479) << c.nome;
    }
    f.guardaTutte();
    EXPECT_TRUE(f.chiusuraRichiesta());
    EXPECT_FALSE(f.visibile());
}

} // namespace
} // namespace girolino::ui

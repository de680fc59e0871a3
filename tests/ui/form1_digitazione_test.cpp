// SPDX-License-Identifier: GPL-3.0-or-later
// Spins typed into the entry fields of the main window and of the pad, Backspace and the
// menu's undo and new-game items.

#include "ProvaForm1.h"

#include "engine/NumeroDigitato.h"

#include <string>
#include <vector>

namespace girolino::test {
namespace {

using ui::clPredefinito;
using ui::clRed;

// Types into a window's entry field and presses Enter there.
void digitaEInvia(ui::TForm& f, const std::string& testo) {
    const int id = f.id("EditNumero");
    f.testoDigitato(id, testo);
    f.cambiato(id);
    f.invio(id);
}

struct CasoDigitato {
    std::string testo;
    int numero; // the spin entered; -1 none
};

class Digitato : public ::testing::TestWithParam<CasoDigitato> {};

TEST_P(Digitato, SulPrincipaleESullaTastiera) {
    const auto& caso = GetParam();
    for (const bool sullaTastiera : {false, true}) {
        SCOPED_TRACE(sullaTastiera ? "tastiera" : "principale");
        Programma digitato, premuto;
        digitato.gioca({12});
        premuto.gioca({12});
        ui::TForm& f = sullaTastiera ? static_cast<ui::TForm&>(digitato.pad) : digitato.f;
        digitaEInvia(f, caso.testo);
        const ui::TControllo& campo = f["EditNumero"];
        if (caso.numero >= 0) {
            premuto.gioca({caso.numero});
            // The whole spin, as from its button, and a field ready for the next one.
            attendiUguali(digitato.f, premuto.f);
            attendiUguali(digitato.pad, premuto.pad);
            EXPECT_TRUE(digitato.piattaforma.registro.empty());
            EXPECT_EQ(campo.testo, "");
        } else if (caso.testo.empty()) {
            EXPECT_EQ(digitato.testo("Memo2"), "1");
            EXPECT_EQ(campo.sfondo, clPredefinito);
            EXPECT_TRUE(digitato.piattaforma.registro.empty());
        } else {
            EXPECT_EQ(digitato.testo("Memo2"), "1");
            EXPECT_EQ(campo.testo, caso.testo);
            EXPECT_EQ(campo.sfondo, clRed);
            EXPECT_EQ(campo.hint, SUGGERIMENTO_NUMERO);
            // No box: the field is selected so that the next typing replaces it.
            EXPECT_EQ(digitato.piattaforma.registro,
                      std::vector<std::string>{"fuoco: " + f.nomeClasse() + "/EditNumero"});
            digitaEInvia(f, "5");
            EXPECT_EQ(digitato.testo("Memo1"), "5");
            EXPECT_EQ(campo.sfondo, clPredefinito);
            EXPECT_EQ(campo.hint, "Numero");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Testi, Digitato,
                         ::testing::Values(CasoDigitato{"17", 17}, CasoDigitato{"0", 0},
                                           CasoDigitato{"36", 36}, CasoDigitato{"07", 7},
                                           CasoDigitato{" 9 ", 9}, CasoDigitato{"", -1},
                                           CasoDigitato{"37", -1}, CasoDigitato{"00", -1},
                                           CasoDigitato{"-1", -1}, CasoDigitato{"1.5", -1},
                                           CasoDigitato{"abc", -1}, CasoDigitato{"   ", -1},
                                           CasoDigitato{"+5", -1}));

TEST(Digitato, IndietroNelCampoVuotoAnnullaComeIlPulsante) {
    Programma indietro, pulsante;
    for (Programma* p : {&indietro, &pulsante}) p->gioca({3, 30, 8});
    indietro.f.indietroInCampoVuoto(indietro.f.id("EditNumero"));
    pulsante.annulla();
    attendiUguali(indietro.f, pulsante.f);
    // Undo is spent until the next spin: a second Backspace does nothing, on the pad too.
    indietro.pad.indietroInCampoVuoto(indietro.pad.id("EditNumero"));
    EXPECT_EQ(indietro.testo("Memo2"), "2");
    indietro.pad.indietroInCampoVuoto(indietro.pad.id("RichEdit1")); // not the entry field
    digitaEInvia(indietro.pad, "4");
    indietro.pad.indietroInCampoVuoto(indietro.pad.id("EditNumero"));
    EXPECT_EQ(indietro.testo("Memo1"), "30");
}

TEST(Digitato, LeVociDelMenuSeguonoIComandi) {
    Programma p;
    const auto voce = [&p](const char* nome) -> const ui::TVoceMenu& {
        return p.f.menu()[p.f.idMenu(nome)];
    };
    EXPECT_FALSE(voce("AnnullaUltimoNumero1").abilitata);
    p.f.voceMenu(p.f.idMenu("AnnullaUltimoNumero1")); // disabled: nothing happens
    p.gioca({21, 22});
    EXPECT_TRUE(voce("AnnullaUltimoNumero1").abilitata);
    p.f.voceMenu(p.f.idMenu("AnnullaUltimoNumero1"));
    EXPECT_EQ(p.testo("Memo1"), "21");
    EXPECT_FALSE(voce("AnnullaUltimoNumero1").abilitata);
    EXPECT_FALSE(p.c("SpeedButton47").abilitato);

    p.f.voceMenu(p.f.idMenu("NuovaPartita1")); // answered No
    EXPECT_EQ(p.testo("Memo2"), "1");
    p.piattaforma.risposte.push_back(true);
    p.f.voceMenu(p.f.idMenu("NuovaPartita1"));
    EXPECT_EQ(p.testo("Memo2"), "0");
    EXPECT_FALSE(voce("EsportaNumeri1").abilitata);
    EXPECT_EQ(p.piattaforma.registro,
              std::vector<std::string>(
                  2, "domanda: Attenzione: il tabellone verrà resettato. Vuoi continuare?"));
}

} // namespace
} // namespace girolino::test

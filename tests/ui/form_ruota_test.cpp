// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel window follows the game played through the main window: every table cell equals
// a recount of the number ribbon, the wheel shows the heat, the last spin and the latest ten,
// and a pocket clicked on the wheel is a spin like the main window's button.

#include "ProvaForm1.h"

#include "engine/Evidenziazione.h"
#include "engine/Settori.h"
#include "model/Tabella.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace girolino::test {
namespace {

namespace fs = std::filesystem;
using ui::TCella;

std::vector<int> spinDelNastro(const TPartita& p) {
    std::vector<int> v;
    for (const auto& riga : p.nastroNumeri) v.push_back(std::stoi(std::string(riga)));
    return v;
}

std::string testoDecimi(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", x);
    return buf;
}

struct Ruota : Programma {
    ui::TFormRuota& w = app.formRuota();

    void apri() { f.voceMenu(f.idMenu("RuotaeSettori1")); }
    const std::vector<std::vector<TCella>>& righe(std::string_view tabella) const {
        return w[tabella].tabella.righe;
    }
    void scegliVicini(std::string testo) {
        w.testoDigitato(w.id("ComboBoxVicini"), std::move(testo));
        w.cambiato(w.id("ComboBoxVicini"));
    }

    // Delay, longest delay and hits from column `k` on, the delay red once it passed the
    // longest.
    static void attendiContatore(const std::vector<TCella>& riga, std::size_t k,
                                 const TContatore& c) {
        EXPECT_EQ(riga[k].testo, std::to_string(c.ritardo));
        EXPECT_EQ(riga[k + 1].testo, std::to_string(c.maxRitardo));
        EXPECT_EQ(riga[k + 2].testo, std::to_string(c.sortite));
        EXPECT_EQ(riga[k].colore, c.ritardo > c.maxRitardo ? ui::clRed : ui::clBlack);
        EXPECT_EQ(riga[k + 1].colore, ui::clBlack);
    }

    // Every cell of both tables and the wheel, against a recount of the ribbon, for every
    // width of the arcs; the width chosen before is checked first and chosen again at the end.
    void attendiComeIlNastro() {
        SCOPED_TRACE("dopo " + std::to_string(f.partita().nastroNumeri.size()) + " spin");
        ASSERT_TRUE(w.visibile());
        const std::vector<int> spin = spinDelNastro(f.partita());
        const TContatoriRuota atteso = rigiocaRuota(spin);
        const double boule = static_cast<double>(spin.size());

        const auto& settori = righe("TabellaSettori");
        const std::vector<std::string> nomi = {"Voisins du zéro", "Tiers du cylindre", "Orphelins",
                                               "Jeu zéro"};
        const std::vector<std::string> numeri = {"22 18 29 7 28 12 35 3 26 0 32 15 19 4 21 2 25",
                                                 "27 13 36 11 30 8 23 10 5 24 16 33",
                                                 "17 34 6 1 20 14 31 9", "12 35 3 26 0 32 15"};
        const std::vector<int> dimensioni = {17, 12, 8, 7};
        ASSERT_EQ(settori.size(), 4u);
        for (std::size_t s = 0; s < 4; ++s) {
            SCOPED_TRACE(nomi[s]);
            ASSERT_EQ(settori[s].size(), 6u);
            EXPECT_EQ(settori[s][0].testo, nomi[s]);
            EXPECT_EQ(settori[s][1].testo, numeri[s]);
            attendiContatore(settori[s], 2, atteso.settori[s]);
            EXPECT_EQ(settori[s][5].testo, testoDecimi(boule * dimensioni[s] / 37));
        }

        // The width shown first: its rows followed the game; the others are filled anew.
        const std::string scelta = w["ComboBoxVicini"].testo;
        std::vector<int> larghezze = {w.larghezzaArchi()};
        for (int k = 1; k <= 4; ++k)
            if (k != w.larghezzaArchi()) larghezze.push_back(k);
        for (int k : larghezze) {
            scegliVicini("±" + std::to_string(k));
            ASSERT_EQ(w.larghezzaArchi(), k);
            const auto& archi = righe("TabellaArchi");
            ASSERT_EQ(archi.size(), 37u);
            for (int i = 0; i < 37; ++i) {
                const int centro = ordineRuota()[i];
                SCOPED_TRACE("arco " + std::to_string(centro) + " ±" + std::to_string(k));
                ASSERT_EQ(archi[i].size(), 4u);
                EXPECT_EQ(archi[i][0].testo, std::to_string(centro) + " ±" + std::to_string(k));
                // The expected counters straight from the ribbon: hits within k pockets.
                TContatore c;
                int ultimo = -1;
                for (int t = 0; t < static_cast<int>(spin.size()); ++t) {
                    const int d = std::abs(posizioneSullaRuota(spin[t]) - i);
                    if (std::min(d, 37 - d) > k) continue;
                    c.maxRitardo = std::max(c.maxRitardo, t - ultimo - 1);
                    ++c.sortite;
                    ultimo = t;
                }
                c.ritardo = static_cast<int>(spin.size()) - ultimo - 1;
                EXPECT_EQ(c, atteso.archi[k - 1][i]);
                attendiContatore(archi[i], 1, c);
            }
        }
        scegliVicini(scelta);

        const ui::TDatiRuota& r = w["Ruota1"].ruota;
        ASSERT_EQ(r.taschini.size(), 37u);
        std::vector<int> ultimi(spin.rbegin(),
                                spin.rbegin() + std::min<std::ptrdiff_t>(10, std::ssize(spin)));
        EXPECT_EQ(r.ultimi, ultimi);
        EXPECT_EQ(r.ultimo, spin.empty() ? -1 : spin.back());
        std::vector<int> volte(37, 0);
        for (int n : spin) ++volte[n];
        const int massimo = *std::max_element(volte.begin(), volte.end());
        for (int i = 0; i < 37; ++i) {
            const ui::TTaschino& t = r.taschini[i];
            EXPECT_EQ(t.numero, ordineRuota()[i]);
            EXPECT_DOUBLE_EQ(t.calore, massimo ? double(volte[t.numero]) / massimo : 0.0);
        }
    }
};

TEST(FormRuota, OpensFromTheMenuAndFollowsEveryChangeOfTheGame) {
    const char* env = std::getenv("GIROLINO_TEST_TMP");
    const fs::path cartella =
        (env ? fs::path(env) : fs::temp_directory_path() / "girolino-form-ruota") / "form_ruota";
    fs::remove_all(cartella);
    fs::create_directories(cartella);

    Ruota p;
    p.piattaforma.programma = cartella.string();
    p.piattaforma.documenti = (cartella / "documenti").string();
    EXPECT_FALSE(p.w.visibile());
    EXPECT_EQ(p.w.caption(), "Girolino - Ruota e Settori");
    EXPECT_EQ(p.w["ComboBoxVicini"].voci, (std::vector<std::string>{"±1", "±2", "±3", "±4"}));
    EXPECT_EQ(p.w["ComboBoxVicini"].testo, "±2");
    p.apri();
    p.attendiComeIlNastro(); // an empty game

    // A sector hit by consecutive spins, a zero, a long absence of "Orphelins" closed by 34
    // from the floating pad.
    p.gioca({26, 0, 32, 0, 13, 27, 36, 11, 30, 8, 23, 10, 5, 24, 16});
    p.pad.click(p.pad.id("SpeedButton35"));
    p.attendiComeIlNastro();
    EXPECT_EQ(p.righe("TabellaSettori")[2][4].testo, "1"); // "Orphelins" came once
    EXPECT_EQ(p.righe("TabellaSettori")[2][3].testo, "15");

    p.annulla();
    p.attendiComeIlNastro();

    p.digita("Edit1", "120");
    p.premi("BitBtn2");
    ASSERT_EQ(p.f.partita().nastroNumeri.size(), 135u);
    p.attendiComeIlNastro();
    p.scegliVicini("±4");
    p.annulla();
    p.attendiComeIlNastro();
    EXPECT_EQ(p.righe("TabellaArchi")[0][0].testo, "0 ±4");

    // Saved, a new game, then the file opened again.
    p.piattaforma.fileScelti.push_back((cartella / "serata.fvr").string());
    p.premi("SpeedButton48");
    const auto salvate = std::make_pair(p.righe("TabellaSettori"), p.righe("TabellaArchi"));
    p.piattaforma.risposte.push_back(true);
    p.premi("BitBtn1");
    p.attendiComeIlNastro();
    EXPECT_EQ(p.righe("TabellaSettori")[0][5].testo, "0.0");
    p.gioca({9});
    p.attendiComeIlNastro();
    p.piattaforma.fileScelti.push_back((cartella / "serata.fvr").string());
    p.piattaforma.risposte.push_back(true);
    p.premi("SpeedButton49");
    p.attendiComeIlNastro();
    EXPECT_EQ(std::make_pair(p.righe("TabellaSettori"), p.righe("TabellaArchi")), salvate);

    // Undoing the only spin of a game clears it.
    p.piattaforma.risposte.push_back(true);
    p.premi("BitBtn1");
    p.gioca({5});
    p.annulla();
    p.attendiComeIlNastro();
}

TEST(FormRuota, AHiddenWindowStaysAsItWasAndCatchesUpWhenShown) {
    Ruota p;
    const auto iniziali = std::make_pair(p.righe("TabellaSettori"), p.w["Ruota1"].ruota);
    p.gioca({17, 34, 6});
    EXPECT_EQ(std::make_pair(p.righe("TabellaSettori"), p.w["Ruota1"].ruota), iniziali);
    p.apri();
    p.attendiComeIlNastro();

    p.w.chiusuraRichiesta();
    p.gioca({1, 20});
    p.annulla();
    EXPECT_EQ(p.w["Ruota1"].ruota.ultimo, 6);
    p.apri();
    p.attendiComeIlNastro();
    EXPECT_EQ(p.w["Ruota1"].ruota.ultimo, 1);
}

TEST(FormRuota, APocketIsASpinLikeTheMainWindowsButton) {
    Ruota conRuota, conPulsante;
    conRuota.apri();
    conPulsante.apri();
    const int ruota = conRuota.w.id("Ruota1");
    for (int n : {17, 0, 36, 17, 5}) {
        conRuota.w.taschinoCliccato(ruota, n);
        conPulsante.gioca({n});
    }
    conRuota.w.taschinoCliccato(ruota, 37); // no pocket: nothing happens
    conRuota.w.taschinoCliccato(conRuota.w.id("TabellaArchi"), 3);
    attendiUguali(conRuota.f, conPulsante.f);
    attendiUguali(conRuota.pad, conPulsante.pad);
    attendiUguali(conRuota.app.form12(), conPulsante.app.form12());
    EXPECT_EQ(conRuota.w["TabellaSettori"].tabella, conPulsante.w["TabellaSettori"].tabella);
    conRuota.attendiComeIlNastro();
}

TEST(FormRuota, TheWidthComboTakesItsItemsOrADigitAndIgnoresOtherText) {
    Ruota p;
    p.apri();
    p.gioca({32, 15});
    struct Caso {
        const char* digitato;
        int larghezza;
        const char* mostrato;
    };
    const Caso casi[] = {
        {"±3", 3, "±3"}, {"±", 3, "±"}, {"1", 1, "±1"},  {"5", 1, "5"},
        {"±9", 1, "±9"}, {"", 1, ""},   {"±4", 4, "±4"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.digitato);
        p.scegliVicini(c.digitato);
        EXPECT_EQ(p.w.larghezzaArchi(), c.larghezza);
        EXPECT_EQ(p.w["ComboBoxVicini"].testo, c.mostrato);
        EXPECT_EQ(p.righe("TabellaArchi")[0][0].testo, "0 ±" + std::to_string(c.larghezza));
    }
    p.attendiComeIlNastro();
}

} // namespace
} // namespace girolino::test

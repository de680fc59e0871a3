// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel's sectors and arcs follow the game through the main window's controls: both
// pads, a random run, undo, new game, saving and opening.

#include "ProvaForm1.h"

#include "engine/Settori.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace girolino::test {
namespace {

namespace fs = std::filesystem;

void attendiComeIlNastro(const Programma& x) {
    std::vector<int> spins;
    for (const auto& riga : x.f.partita().nastroNumeri)
        spins.push_back(std::stoi(std::string(riga)));
    EXPECT_EQ(x.f.partita().ruota, rigiocaRuota(spins));
}

TEST(RuotaNellaPartita, SegueOgniIngressoAnnullamentoEFile) {
    const char* env = std::getenv("GIROLINO_TEST_TMP");
    const fs::path cartella =
        (env ? fs::path(env) : fs::temp_directory_path() / "girolino-ruota-test") / "ruota";
    fs::remove_all(cartella);
    fs::create_directories(cartella);

    Programma p;
    p.piattaforma.programma = cartella.string();
    p.piattaforma.documenti = (cartella / "documenti").string();
    p.gioca({17, 0, 27, 3, 13});
    p.pad.click(p.pad.id("SpeedButton35")); // 34 from the pad: closes a long absence
    attendiComeIlNastro(p);
    p.annulla();
    attendiComeIlNastro(p);
    EXPECT_EQ(p.f.partita().ruota.settori[2], (TContatore{4, 0, 1})); // "Orphelins"

    p.digita("Edit1", "60");
    p.premi("BitBtn2");
    ASSERT_EQ(p.f.partita().nastroNumeri.size(), 65u);
    attendiComeIlNastro(p);
    p.annulla();
    attendiComeIlNastro(p);

    const TContatoriRuota salvati = p.f.partita().ruota;
    p.piattaforma.fileScelti.push_back((cartella / "serata.fvr").string());
    p.premi("SpeedButton48");

    p.piattaforma.risposte.push_back(true);
    p.premi("BitBtn1");
    EXPECT_EQ(p.f.partita().ruota, TContatoriRuota{});
    p.gioca({9});
    attendiComeIlNastro(p);

    p.piattaforma.fileScelti.push_back((cartella / "serata.fvr").string());
    p.piattaforma.risposte.push_back(true);
    p.premi("SpeedButton49");
    EXPECT_EQ(p.f.partita().ruota, salvati);
    p.gioca({6});
    p.annulla();
    EXPECT_EQ(p.f.partita().ruota, salvati);
}

} // namespace
} // namespace girolino::test

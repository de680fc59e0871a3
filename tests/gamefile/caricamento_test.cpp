// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Annulla.h"
#include "engine/Estrazione.h"
#include "engine/Giocata.h"
#include "engine/Settori.h"
#include "gamefile/CaricaPartita.h"
#include "gamefile/Cartelle.h"
#include "gamefile/FilePartita.h"
#include "gamefile/PartitaDiProva.h"
#include "gamefile/SalvaPartita.h"
#include "gamefile/TestoFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace girolino;
using namespace girolino::prova;
namespace fs = std::filesystem;

namespace {

// 30 spins with zeros, repeated numbers and long absences.
TPartita partitaDiBase() {
    return partita({3, 1, 1, 1, 0, 17, 36, 13, 0,  5, 8,  8,  22, 19, 30,
                    2, 4, 6, 1, 0, 33, 11, 27, 14, 9, 35, 26, 3,  3,  3});
}

// The bytes of a saved game: the main file and the six sub-files (absent: not on disk).
struct TFileSalvati {
    std::string principale;
    std::array<std::optional<std::string>, 6> nastri;

    void riga(int i, const std::string& testo) {
        auto righe = dividiRighe(principale);
        righe.at(i) = testo;
        principale.clear();
        for (const auto& r : righe) principale += r + "\r\n";
    }
};

class Caricamento : public CartellaDiProva {
protected:
    fs::path file() const { return cartellaSalvati(cartella) / "serata.fvr"; }
    fs::path nastro(int i) const { return percorsoNastro(i, file()); }

    void salva(const TPartita& p, const fs::path& dove) {
        fs::create_directories(dove.parent_path());
        ASSERT_TRUE(salvaPartita(dove, componiFilePartita(p, testiDallaPartita(p)), p));
    }

    TFileSalvati salvati() const {
        TFileSalvati f{leggiByte(file()), {}};
        for (int i = 0; i < 6; ++i) f.nastri[i] = leggiByte(nastro(i));
        return f;
    }
    void scrivi(const TFileSalvati& f) const {
        scriviByte(file(), f.principale);
        for (int i = 0; i < 6; ++i) {
            if (f.nastri[i])
                scriviByte(nastro(i), *f.nastri[i]);
            else
                fs::remove(nastro(i));
        }
    }

    // Loads and restores into a game that already holds something else.
    TPartita caricaERipristina() {
        auto c = caricaFilePartita(file(), cartella);
        EXPECT_TRUE(c.valido()) << c.errore;
        TPartita p = partita({9, 9});
        p.seguiUltimo = false;
        if (c.valido()) ripristinaPartita(p, *c.partita);
        return p;
    }
};

TEST_F(Caricamento, AndataERitornoDannoLaStessaPartitaELeStesseRighe) {
    // The undone 3 leaves number 3 with the maximum 5 that only that spin had set.
    TPartita p = partita({3, 1, 1, 1, 0, 20});
    gira(p, 3);
    annullaSpin(p);
    for (int n : {36, 0, 15, 15}) gira(p, n);
    ASSERT_EQ(p.numeri[3].maxRitardo, 5);

    TTestiVista testi = testiDallaPartita(p);
    testi.riepilogoGruppi[0] = "1-2";
    testi.classifiche[19] = "36";
    const auto righe = componiFilePartita(p, testi);
    fs::create_directories(file().parent_path());
    ASSERT_TRUE(salvaPartita(file(), righe, p));

    const auto c = caricaFilePartita(file(), cartella);
    ASSERT_TRUE(c.valido()) << c.errore;
    EXPECT_EQ(c.partita->righe, righe);
    EXPECT_EQ(c.partita->testi, testi);
    TPartita q = partita({9, 9});
    q.seguiUltimo = false;
    ripristinaPartita(q, *c.partita);
    controllaStessaPartita(q, p);
    EXPECT_FALSE(q.partitaModificata);
    EXPECT_FALSE(q.seguiUltimo);
    EXPECT_EQ(q.numeri[9].ritardoPrec, 0); // no undo copy of the game it replaced survives
    EXPECT_EQ(componiFilePartita(q, c.partita->testi), righe);

    // The restored game goes on like the one saved.
    gira(p, 7);
    gira(q, 7);
    controllaStessaPartita(q, p);
}

// The file holds no wheel counters: opening recounts them from the ribbon, so they equal
// those of the game that was saved, undos included, and later undos stay exact.
TEST_F(Caricamento, SettoriEArchiRifattiDalNastroAllApertura) {
    TEstrattore estrattore([] { return std::uint64_t{0}; }, 4242);
    TPartita p;
    for (int passo = 0; passo < 300; ++passo) {
        if (passo % 7 == 6)
            annullaSpin(p);
        else
            inserisciSpin(p, estrattore.estrai());
    }
    salva(p, file());
    TPartita q;
    for (int n : {5, 5, 17}) inserisciSpin(q, n);
    const auto c = caricaFilePartita(file(), cartella);
    ASSERT_TRUE(c.valido()) << c.errore;
    ripristinaPartita(q, *c.partita);
    EXPECT_EQ(q.ruota, p.ruota);

    std::vector<int> spins;
    for (const auto& riga : q.nastroNumeri) spins.push_back(std::stoi(std::string(riga)));
    for (int i = 0; i < 3; ++i) {
        annullaSpin(q);
        spins.pop_back();
        EXPECT_EQ(q.ruota, rigiocaRuota(spins)) << "annullamento " << i + 1;
    }
}

TEST_F(Caricamento, UltimoNumeroZeroRestituisceLeRipetizioniEsatte) {
    const TPartita p = partita({1, 3, 5, 2, 4, 0});
    ASSERT_EQ(p.ripetizioni[Manq], 5);
    ASSERT_EQ(p.ripetizioni[Pari], 2);
    salva(p, file());
    const TPartita q = caricaERipristina();
    controllaStessaPartita(q, p);
    EXPECT_EQ(q.ultimoNumero, 0);
}

TEST_F(Caricamento, RipetizioniSbagliateSonoRifatteDalNastro) {
    // A file whose saved runs are one short of its ribbon's still opens, with the runs its
    // ribbon gives.
    const TPartita p = partitaDiBase();
    ASSERT_EQ(p.ripetizioni[Rosso], 3);
    salva(p, file());
    TFileSalvati f = salvati();
    f.riga(195, "2");
    scrivi(f);
    controllaStessaPartita(caricaERipristina(), p);
}

TEST_F(Caricamento, FineRigaSoloLFESenzaFineRigaFinaleSonoAccettati) {
    const TPartita p = partitaDiBase();
    salva(p, file());
    TFileSalvati f = salvati();
    std::string lf;
    for (char ch : f.principale)
        if (ch != '\r') lf += ch;
    f.principale = lf;
    f.nastri[0]->pop_back(); // "...\r\n3" without the final line end
    f.nastri[0]->pop_back();
    scrivi(f);
    controllaStessaPartita(caricaERipristina(), p);
}

// Thirty spins that are not those of partitaDiBase.
TPartita altraPartita() {
    TPartita p;
    for (int n = 0; n < 29; ++n) gira(p, n);
    gira(p, 3);
    return p;
}

TEST_F(Caricamento, PartiteOmonimeInCartelleDiverseHannoOgnunaISuoiNastri) {
    const TPartita prima = partitaDiBase();
    const TPartita seconda = altraPartita();
    const fs::path altrove = cartella / "altrove" / "serata.fvr";
    const fs::path terza = cartella / "terza" / "serata.fvr";
    salva(prima, file());
    salva(seconda, altrove);
    salva(partita({1, 2, 3}), terza);
    for (const auto& [dove, attesa] : {std::pair{file(), prima}, {altrove, seconda}}) {
        SCOPED_TRACE(dove);
        const auto c = caricaFilePartita(dove, cartella);
        ASSERT_TRUE(c.valido()) << c.errore;
        TPartita q;
        ripristinaPartita(q, *c.partita);
        controllaStessaPartita(q, attesa);
    }
}

// Games saved outside "salvati" by earlier versions keep their ribbons in "salvati/files":
// they are found there when there are none beside the file, or when those beside it are
// not the game's.
TEST_F(Caricamento, INastriInSalvatiServonoQuandoAccantoNonCiSono) {
    const TPartita vecchia = altraPartita();
    const fs::path altrove = cartella / "altrove" / "serata.fvr";
    salva(vecchia, altrove);
    fs::create_directories(cartellaFiles(cartella));
    for (int i = 0; i < 6; ++i)
        fs::rename(percorsoNastro(i, altrove), percorsoNastroInSalvati(cartella, i, altrove));
    auto apri = [&] {
        const auto c = caricaFilePartita(altrove, cartella);
        EXPECT_TRUE(c.valido()) << c.errore;
        TPartita q;
        if (c.valido()) ripristinaPartita(q, *c.partita);
        return q;
    };
    controllaStessaPartita(apri(), vecchia);

    // Ribbons of another game beside it: those in "salvati/files" belong to it.
    for (int i = 0; i < 6; ++i)
        fs::copy_file(percorsoNastroInSalvati(cartella, i, altrove), percorsoNastro(i, altrove));
    scriviByte(percorsoNastro(1, altrove), std::string(30 * 3, 'x'));
    controllaStessaPartita(apri(), vecchia);

    // Neither set belongs to it: the message speaks of the ribbons beside it.
    scriviByte(percorsoNastroInSalvati(cartella, 0, altrove), "1\r\n");
    auto c = caricaFilePartita(altrove, cartella);
    ASSERT_FALSE(c.valido());
    EXPECT_EQ(c.errore,
              unisci("Il nastro '", percorsoNastro(1, altrove),
                     "' ha 1 righe, ma la partita salvata in '", altrove, "' ha 30 boule."));
    // Only the old place has a set, and it is damaged: the message speaks of that one.
    fs::remove_all(cartellaNastri(altrove));
    c = caricaFilePartita(altrove, cartella);
    EXPECT_EQ(c.errore,
              unisci("Il nastro '", percorsoNastroInSalvati(cartella, 0, altrove),
                     "' ha 1 righe, ma la partita salvata in '", altrove, "' ha 30 boule."));
    // No set anywhere: the missing one is the one beside it.
    fs::remove_all(cartellaFiles(cartella));
    c = caricaFilePartita(altrove, cartella);
    EXPECT_EQ(c.errore, unisci("Manca il nastro '", percorsoNastro(0, altrove),
                               "' della partita salvata in '", altrove, "'."));
}

struct TCasoErrato {
    const char* nome;
    std::function<void(TFileSalvati&)> guasta;
    // "{P}" stands for the main file, "{0}".."{5}" for the sub-files numero..col.
    std::string messaggio;
};

const std::string nonValido = "Il file '{P}' non è valido: ";
const std::string fuori = "è fuori dall'intervallo ammesso ";
const std::string estraneo =
    " non corrisponde alla partita salvata in '{P}': forse appartiene a un'altra partita con lo "
    "stesso nome.";

const std::vector<TCasoErrato> casiErrati = {
    {"MarcatoreMaiuscolo", [](auto& f) { f.riga(0, "Tramezzolindo"); }, MESSAGGIO_FILE_NON_VALIDO},
    {"MarcatoreConSpazio", [](auto& f) { f.riga(0, "tramezzolindo "); }, MESSAGGIO_FILE_NON_VALIDO},
    {"FileVuoto", [](auto& f) { f.principale.clear(); }, MESSAGGIO_FILE_NON_VALIDO},
    {"FileCorto",
     [](auto& f) { f.principale.resize(f.principale.rfind("\r\n", f.principale.size() - 3) + 2); },
     "Il file '{P}' è incompleto: ha 542 righe invece di 543."},
    {"RigaVuotaInPiu", [](auto& f) { f.principale += "\r\n"; },
     nonValido + "ha 544 righe invece di 543."},
    {"Lettere", [](auto& f) { f.riga(120, "abc"); },
     nonValido + "la riga 121 ('abc') non è un numero intero."},
    {"Spazio", [](auto& f) { f.riga(300, " 5"); },
     nonValido + "la riga 301 (' 5') non è un numero intero."},
    {"Vuota", [](auto& f) { f.riga(9, ""); },
     nonValido + "la riga 10 ('') non è un numero intero."},
    {"UltimoNumeroFuori", [](auto& f) { f.riga(2, "37"); },
     nonValido + "la riga 3 ('37') " + fuori + "(da 0 a 36)."},
    {"NessunaBoule", [](auto& f) { f.riga(1, "0"); },
     nonValido + "la riga 2 ('0') " + fuori + "(da 1 a 10000000)."},
    {"ContatoreNegativo", [](auto& f) { f.riga(8, "-1"); },
     nonValido + "la riga 9 ('-1') " + fuori + "(da 0 a 30)."},
    {"ContatoreOltreLeBoule", [](auto& f) { f.riga(431, "31"); },
     nonValido + "la riga 432 ('31') " + fuori + "(da 0 a 30)."},
    {"ContatoreEnorme", [](auto& f) { f.riga(500, "99999999999999999999"); },
     nonValido + "la riga 501 ('99999999999999999999') " + fuori + "(da 0 a 30)."},
    {"CaratteriNulli",
     [](auto& f) {
         f.riga(160, std::string("1\0"
                                 "2",
                                 3));
     },
     nonValido + "contiene dati binari."},
    {"NonAsciiInRigaNumerica", [](auto& f) { f.riga(50, "1\xE9"); },
     nonValido + "la riga 51 ('1?') non è un numero intero."},
    {"ControlloInRigaDiTesto", [](auto& f) { f.riga(160, "1-2\x1b"); },
     nonValido + "la riga 161 contiene caratteri non ammessi."},
    {"FileEnorme", [](auto& f) { f.riga(160, std::string(1024 * 1024, '7')); },
     nonValido + "è troppo grande per essere una partita salvata."},
    {"NastroMancante", [](auto& f) { f.nastri[4].reset(); },
     "Manca il nastro '{4}' della partita salvata in '{P}'."},
    {"NastroCorto", [](auto& f) { f.nastri[1]->resize(f.nastri[1]->size() - 3); },
     "Il nastro '{1}' ha 29 righe, ma la partita salvata in '{P}' ha 30 boule."},
    {"NastroLungo", [](auto& f) { *f.nastri[5] += "1\r\n"; },
     "Il nastro '{5}' ha 31 righe, ma la partita salvata in '{P}' ha 30 boule."},
    {"SegnoErrato", [](auto& f) { f.nastri[2]->replace(3 * 4, 1, "Q"); },
     "Il nastro '{2}' non è valido: la riga 5 ('Q') non è un segno ammesso."},
    {"NumeroConZero", [](auto& f) { f.nastri[0]->insert(0, "0"); },
     "Il nastro '{0}' non è valido: la riga 1 ('03') non è un segno ammesso."},
    {"NastroBinario", [](auto& f) { (*f.nastri[3])[0] = '\0'; },
     "Il nastro '{3}' non è valido: contiene dati binari."},
    {"NastroEnorme", [](auto& f) { f.nastri[5]->resize(64 * 1024 * 1024 + 1, '1'); },
     "Il nastro '{5}' non è valido: è troppo grande per una partita."},
    {"UltimoNumeroDiverso", [](auto& f) { f.riga(2, "26"); }, "Il nastro '{0}'" + estraneo},
    {"NumeroDiversoNelNastro", [](auto& f) { f.nastri[0]->replace(0, 1, "4"); },
     "Il nastro '{0}'" + estraneo},
    {"LetteraDiversa", [](auto& f) { f.nastri[1]->replace(0, 1, "N"); },
     "Il nastro '{1}'" + estraneo},
    {"SortiteDiUnaChance", [](auto& f) { f.riga(143, "14"); }, "Il nastro '{0}'" + estraneo},
    {"RitardoDiUnGruppo", [](auto& f) { f.riga(207, "5"); }, "Il nastro '{0}'" + estraneo},
    {"MaxRitDiUnNumeroTroppoPiccolo", [](auto& f) { f.riga(45 + 1, "0"); },
     "Il nastro '{0}'" + estraneo},
};

TEST_F(Caricamento, FileGuastiSonoRifiutatiConUnMessaggioCheNominaIlFile) {
    const TPartita p = partitaDiBase();
    ASSERT_EQ(p.ripetizioni[Rosso], 3);
    ASSERT_EQ(p.numeri[1].maxRitardo, 14);
    ASSERT_EQ(p.chance[Rosso].sortite, 15);
    salva(p, file());
    const TFileSalvati buoni = salvati();

    for (const auto& caso : casiErrati) {
        SCOPED_TRACE(caso.nome);
        TFileSalvati f = buoni;
        caso.guasta(f);
        scrivi(f);
        std::string atteso = caso.messaggio;
        auto sostituisci = [&atteso](const std::string& segno, const fs::path& p) {
            for (auto k = atteso.find(segno); k != std::string::npos; k = atteso.find(segno))
                atteso.replace(k, segno.size(), p.string());
        };
        sostituisci("{P}", file());
        for (int i = 0; i < 6; ++i) sostituisci(unisci("{", std::to_string(i), "}"), nastro(i));

        const auto c = caricaFilePartita(file(), cartella);
        EXPECT_FALSE(c.valido());
        EXPECT_EQ(c.errore, atteso);
    }
    scrivi(buoni);
    controllaStessaPartita(caricaERipristina(), p);
}

TEST_F(Caricamento, FileMancante) {
    const auto c = caricaFilePartita(file(), cartella);
    EXPECT_FALSE(c.valido());
    EXPECT_EQ(c.errore, unisci("Il file '", file(), "' non esiste."));
}

} // namespace

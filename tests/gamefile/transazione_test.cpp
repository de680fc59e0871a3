// SPDX-License-Identifier: GPL-3.0-or-later
// A save stopped at each of its disk operations, by an error or by the program dying there:
// the game then opens as the old one or the new one, whole, and nothing is left beside it.

#include "gamefile/Avanzi.h"
#include "gamefile/CaricaPartita.h"
#include "gamefile/Cartelle.h"
#include "gamefile/Disco.h"
#include "gamefile/FilePartita.h"
#include "gamefile/PartitaDiProva.h"
#include "gamefile/SalvaPartita.h"
#include "gamefile/Transazione.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace girolino;
using namespace girolino::prova;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The real disk, with operation number `guasto` (counting from 0) failing with `errore`, and
// the process ending at operation number `morte`.
class DiscoDiProva final : public TDisco {
public:
    int passi = 0;
    int guasto = -1;
    std::errc errore = std::errc::io_error;
    int morte = -1;

    // Written like the real disk's, but not flushed: a test cannot see the difference, and
    // the hundreds of saves here would otherwise wait for the disk.
    std::error_code scriviNuovo(const fs::path& c, const std::string& b, fs::path& p) override {
        if (auto ec = passo()) return ec;
        for (int n = 0;; ++n) {
            char nome[16];
            std::snprintf(nome, sizeof nome, ".g%03d%03d", ::getpid() % 1000, n % 1000);
            p = c / nome;
            if (!fs::exists(p)) break;
        }
        std::ofstream out(p, std::ios::binary);
        out << b;
        return out ? std::error_code() : std::make_error_code(std::errc::io_error);
    }
    std::error_code leggi(const fs::path& p, std::string& b) override {
        if (auto ec = passo()) return ec;
        return reale_.leggi(p, b);
    }
    std::error_code sincronizzaCartella(const fs::path&) override { return passo(); }
    std::error_code rinomina(const fs::path& da, const fs::path& a) override {
        if (auto ec = passo()) return ec;
        return reale_.rinomina(da, a);
    }
    std::error_code rimuovi(const fs::path& p) override {
        if (auto ec = passo()) return ec;
        return reale_.rimuovi(p);
    }
    std::error_code creaCartella(const fs::path& p, bool& creata) override {
        if (auto ec = passo()) return ec;
        return reale_.creaCartella(p, creata);
    }
    std::error_code esiste(const fs::path& p, bool& presente) override {
        if (auto ec = passo()) return ec;
        return reale_.esiste(p, presente);
    }
    std::error_code elenca(const fs::path& c, std::vector<TVoceCartella>& voci) override {
        if (auto ec = passo()) return ec;
        return reale_.elenca(c, voci);
    }

private:
    std::error_code passo() {
        const int n = passi++;
        if (n == morte) ::_exit(86); // no destructor, no clean-up: as if the power went
        if (n == guasto) return std::make_error_code(errore);
        return {};
    }
    TDisco& reale_ = discoDiSistema();
};

// The seven files of a saved game, main file first (nullopt: not on disk).
using TInsieme = std::array<std::optional<std::string>, 7>;

class Transazione : public CartellaDiProva {
protected:
    void SetUp() override {
        CartellaDiProva::SetUp();
        file = cartella / "partite" / "serata.fvr"; // cartella is known only from here on
        fs::create_directories(file.parent_path());
    }

    TEsito salva(const TPartita& p) {
        DiscoDiProva senzaGuasti;
        return salvaPartita(file, righe(p), p, senzaGuasti);
    }
    static std::vector<std::string> righe(const TPartita& p) {
        return componiFilePartita(p, testiDallaPartita(p));
    }
    TInsieme suDisco() const {
        TInsieme r;
        for (int i = 0; i < 7; ++i) {
            const fs::path p = i == 0 ? file : percorsoNastro(i - 1, file);
            if (fs::exists(p)) r[i] = leggiByte(p);
        }
        return r;
    }
    // Everything in the game's two folders (journal, temporaries and copies included).
    std::set<std::string> tutto() const {
        std::set<std::string> r;
        for (const auto& v : fs::recursive_directory_iterator(file.parent_path()))
            r.insert(fs::relative(v.path(), file.parent_path()).string());
        return r;
    }
    // Opens the game as the player would; it must be one of the two, whole.
    void attendiPartita(const std::optional<TPartita>& vecchia, const TPartita& nuova,
                        const TInsieme& byteVecchi, const TInsieme& byteNuovi) {
        DiscoDiProva senzaGuasti;
        const auto c = caricaFilePartita(file, cartella, senzaGuasti);
        const TInsieme ora = suDisco();
        if (!vecchia) {
            if (!c.valido()) {
                EXPECT_EQ(ora, TInsieme{}) << "a first save stopped half-way leaves nothing";
                return;
            }
        }
        ASSERT_TRUE(c.valido()) << c.errore;
        TPartita q;
        ripristinaPartita(q, *c.partita);
        const bool nuovo = ora == byteNuovi;
        EXPECT_TRUE(nuovo || ora == byteVecchi);
        controllaStessaPartita(q, nuovo ? nuova : *vecchia);
    }

    fs::path file;
    const TPartita vecchia = partita({3, 1, 1, 0, 36});
    const TPartita nuova = partita({3, 1, 1, 0, 36, 17, 17, 5});
};

const std::set<std::string> sette = {"serata.fvr",
                                     "files",
                                     "files/numeroserata.fvr",
                                     "files/rossoserata.fvr",
                                     "files/pariserata.fvr",
                                     "files/manqserata.fvr",
                                     "files/dozserata.fvr",
                                     "files/colserata.fvr"};

// Every operation of the save fails in turn, with the old game on disk or none yet: the save
// says so and the disk holds the old set; a failure after the point of no return only leaves
// the new set. Opening gives that game, and no temporary, copy or journal remains.
TEST_F(Transazione, UnErroreAOgniPassoLasciaLaVecchiaPartitaOLaNuova) {
    for (const bool primoSalvataggio : {false, true}) {
        SCOPED_TRACE(primoSalvataggio ? "primo salvataggio" : "sovrascrittura");
        DiscoDiProva conta;
        fs::remove_all(file.parent_path());
        fs::create_directories(file.parent_path());
        ASSERT_TRUE(salva(nuova));
        const TInsieme byteNuovi = suDisco();
        fs::remove_all(file.parent_path());
        fs::create_directories(file.parent_path());
        if (!primoSalvataggio) {
            ASSERT_TRUE(salva(vecchia));
        }
        const TInsieme byteVecchi = suDisco();
        ASSERT_TRUE(salvaPartita(file, righe(nuova), nuova, conta));
        ASSERT_GT(conta.passi, 30);

        int riusciti = 0;
        for (int k = 0; k < conta.passi; ++k) {
            SCOPED_TRACE(k);
            fs::remove_all(file.parent_path());
            fs::create_directories(file.parent_path());
            if (!primoSalvataggio) {
                ASSERT_TRUE(salva(vecchia));
            }
            DiscoDiProva d;
            d.guasto = k;
            d.errore = k % 2 ? std::errc::no_space_on_device : std::errc::io_error;
            const TEsito e = salvaPartita(file, righe(nuova), nuova, d);
            if (e) {
                ++riusciti;
                EXPECT_EQ(suDisco(), byteNuovi);
            } else {
                EXPECT_EQ(suDisco(), byteVecchi);
                EXPECT_TRUE(e.messaggio.starts_with("Impossibile "));
                EXPECT_TRUE(e.messaggio.ends_with(k % 2 ? ": il disco è pieno."
                                                        : ": errore di scrittura sul disco."))
                    << e.messaggio;
            }
            if (primoSalvataggio)
                attendiPartita(std::nullopt, nuova, byteVecchi, byteNuovi);
            else
                attendiPartita(vecchia, nuova, byteVecchi, byteNuovi);
            if (suDisco()[0])
                EXPECT_EQ(tutto(), sette);
            else
                EXPECT_TRUE(tutto().empty() || tutto() == std::set<std::string>{"files"});
            if (HasFailure()) return;
        }
        // Only the clean-up after the point of no return may fail without failing the save.
        EXPECT_GT(riusciti, 0);
        EXPECT_GT(conta.passi - riusciti, 25);
    }
}

// The program dies at each operation of the save, and of a save whose undoing is itself cut
// short: the next opening finds the old game or the new one, whole.
TEST_F(Transazione, LaMorteDelProgrammaAOgniPassoLasciaLaVecchiaPartitaOLaNuova) {
    GTEST_FLAG_SET(death_test_style, "fast");
    ASSERT_TRUE(salva(nuova));
    const TInsieme byteNuovi = suDisco();
    ASSERT_TRUE(salva(vecchia));
    const TInsieme byteVecchi = suDisco();
    DiscoDiProva conta;
    ASSERT_TRUE(salvaPartita(file, righe(nuova), nuova, conta));

    // A rename of a ribbon fails, so the save undoes itself, and dies while doing so.
    DiscoDiProva fallisce;
    fallisce.guasto = conta.passi / 2;
    ASSERT_TRUE(salva(vecchia));
    ASSERT_FALSE(salvaPartita(file, righe(nuova), nuova, fallisce));
    const int conAnnullamento = fallisce.passi;

    for (const int guasto : {-1, conta.passi / 2}) {
        const int passi = guasto < 0 ? conta.passi : conAnnullamento;
        for (int k = 0; k < passi; ++k) {
            SCOPED_TRACE(::testing::Message() << "guasto " << guasto << ", morte " << k);
            if (k == guasto) continue;
            ASSERT_TRUE(salva(vecchia));
            EXPECT_EXIT(
                {
                    DiscoDiProva d;
                    d.guasto = guasto;
                    d.morte = k;
                    salvaPartita(file, righe(nuova), nuova, d);
                    ::_exit(0);
                },
                ::testing::ExitedWithCode(86), "");
            attendiPartita(vecchia, nuova, byteVecchi, byteNuovi);
            if (HasFailure()) return;
        }
    }
}

// Sets the time p (a link itself, not what it points to) last changed to `fa` ago.
void invecchia(const fs::path& p, std::chrono::seconds fa) {
    timespec t[2]{};
    ::clock_gettime(CLOCK_REALTIME, &t[0]);
    t[0].tv_sec -= static_cast<time_t>(fa.count());
    t[1] = t[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), t, AT_SYMLINK_NOFOLLOW), 0) << p;
}

// A journal of a save still in progress, of one file.
std::string giornale(const std::string& destinazione, const std::string& provvisorio,
                     const std::string& copia) {
    std::string s = "girolino-salvataggio\nin corso\n1\n";
    for (const auto* campo : {&destinazione, &provvisorio, &copia})
        s += std::to_string(campo->size()) + "\n" + *campo + "\n";
    return s;
}

// The leftovers of saves stopped before their journal go at the next opening or save, and
// only they: files that merely look alike, temporaries that may be being written right now,
// and whatever a journal names (another game's unfinished save, or that of a game kept in
// "files") stay. A journal nobody can read keeps everything.
TEST_F(Transazione, GliAvanziSenzaGiornaleVannoViaAllaProssimaAperturaOSalvataggio) {
    enum class Tipo { File, Cartella, Legame };
    struct Caso {
        const char* nome;
        Tipo tipo;
        std::chrono::seconds eta;
        bool resta;
    };
    const Caso casi[] = {
        {".gAb12Z9", Tipo::File, 2h, false},       {"files/.gQ7w3Er", Tipo::File, 2h, false},
        {".gNuovo1", Tipo::File, 0s, true},        // another copy may be writing it
        {"files/.gFutur0", Tipo::File, -2h, true}, // a clock ahead of this one
        {".gCorto", Tipo::File, 2h, true},         {".gLunghis", Tipo::File, 2h, true},
        {".gTrat-1", Tipo::File, 2h, true},        {".hAb12Z9", Tipo::File, 2h, true},
        {".gCarte1", Tipo::Cartella, 2h, true},    {".gLegam1", Tipo::Legame, 2h, true},
        {".gAltr01", Tipo::File, 2h, true},       // named by the journal of altra.fvr
        {".gCopi01", Tipo::File, 2h, true},       // likewise: the old altra.fvr set aside
        {"files/.gNido01", Tipo::File, 2h, true}, // named by the journal of files/g2.fvr
    };
    const fs::path qui = file.parent_path();
    const fs::path altra = qui / "altra.fvr";
    const fs::path nidificata = qui / "files" / "g2.fvr";

    for (const char* azione : {"apertura", "salvataggio", "giornale illeggibile"}) {
        SCOPED_TRACE(azione);
        fs::remove_all(qui);
        fs::create_directories(qui);
        ASSERT_TRUE(salva(vecchia));
        fs::create_directories(percorsoGiornale(nidificata).parent_path());
        scriviByte(percorsoGiornale(altra), giornale("altra.fvr", ".gAltr01", ".gCopi01"));
        scriviByte(percorsoGiornale(nidificata), giornale("g2.fvr", ".gNido01", ""));
        const bool illeggibile = std::string_view(azione) == "giornale illeggibile";
        if (illeggibile) scriviByte(qui / "files" / ".salvataggio-0123456789abcdef", "rotto\n");
        for (const Caso& c : casi) {
            const fs::path p = qui / c.nome;
            if (c.tipo == Tipo::Cartella) fs::create_directory(p);
            if (c.tipo == Tipo::Legame) fs::create_symlink(file, p);
            if (c.tipo == Tipo::File) scriviByte(p, c.nome);
            invecchia(p, c.eta);
        }

        DiscoDiProva d;
        if (std::string_view(azione) == "salvataggio")
            ASSERT_TRUE(salvaPartita(file, righe(nuova), nuova, d));
        else
            ASSERT_TRUE(caricaFilePartita(file, cartella, d).valido());
        for (const Caso& c : casi)
            EXPECT_EQ(fs::exists(fs::symlink_status(qui / c.nome)), c.resta || illeggibile)
                << c.nome;

        // The other game's unfinished save is still undone when that game is opened.
        ASSERT_FALSE(ripristinaInterrotto(altra, d));
        EXPECT_EQ(leggiByte(altra), ".gCopi01");
        EXPECT_FALSE(fs::exists(qui / ".gAltr01"));
        if (HasFailure()) return;
    }
}

// The real disk's temporaries are the ones the clean-up knows, and it lists them as files.
TEST_F(Transazione, IlDiscoRiconosceIProvvisoriCheCrea) {
    TDisco& disco = discoDiSistema();
    std::set<std::string> creati;
    for (int i = 0; i < 20; ++i) {
        fs::path p;
        ASSERT_FALSE(disco.scriviNuovo(cartella, "x", p));
        EXPECT_TRUE(eNomeProvvisorio(p.filename().string())) << p;
        creati.insert(p.filename().string());
    }
    std::vector<TVoceCartella> voci;
    ASSERT_FALSE(disco.elenca(cartella, voci));
    std::set<std::string> elencati;
    for (const auto& v : voci)
        if (v.file && v.eta < etaAvanzi && v.eta > -etaAvanzi) elencati.insert(v.nome);
    EXPECT_EQ(elencati, creati);
}

// The program dies at each operation of a save. An hour later, the next opening or save
// leaves nothing beside the game's seven files.
TEST_F(Transazione, DopoLaMorteDelProgrammaLaProssimaVoltaNonRestaNullaAccanto) {
    GTEST_FLAG_SET(death_test_style, "fast");
    ASSERT_TRUE(salva(vecchia));
    DiscoDiProva conta;
    ASSERT_TRUE(salvaPartita(file, righe(nuova), nuova, conta));

    for (int k = 0; k < conta.passi; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(salva(vecchia));
        EXPECT_EXIT(
            {
                DiscoDiProva d;
                d.morte = k;
                salvaPartita(file, righe(nuova), nuova, d);
                ::_exit(0);
            },
            ::testing::ExitedWithCode(86), "");
        for (const auto& v : fs::recursive_directory_iterator(file.parent_path()))
            invecchia(v.path(), 2h);
        if (k % 2) {
            ASSERT_TRUE(salva(nuova));
        } else {
            DiscoDiProva d;
            ASSERT_TRUE(caricaFilePartita(file, cartella, d).valido());
        }
        EXPECT_EQ(tutto(), sette);
        if (HasFailure()) return;
    }
}

} // namespace

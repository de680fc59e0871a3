// SPDX-License-Identifier: GPL-3.0-or-later
// A save stopped at each of its disk operations, by an error or by the program dying there:
// the game then opens as the old one or the new one, whole, and nothing is left beside it.

#include "gamefile/CaricaPartita.h"
#include "gamefile/Cartelle.h"
#include "gamefile/Disco.h"
#include "gamefile/FilePartita.h"
#include "gamefile/PartitaDiProva.h"
#include "gamefile/SalvaPartita.h"
#include "gamefile/Transazione.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <optional>
#include <set>
#include <unistd.h>

using namespace girolino;
using namespace girolino::prova;
namespace fs = std::filesystem;

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
            p = c / (".g" + std::to_string(::getpid() % 1000) + std::to_string(100 + n));
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

} // namespace

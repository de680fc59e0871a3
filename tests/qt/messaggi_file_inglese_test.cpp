// SPDX-License-Identifier: GPL-3.0-or-later
// The messages about lists of numbers, game files and the disk, made by the real readers and
// writers in Italian, read whole in English: every pattern, every value inside it (a reason
// from the disk) and the values the user wrote left as they are. The import window in English.
#include "AmbienteQt.h"
#include "PiattaformaFinta.h"
#include "gamefile/CaricaPartita.h"
#include "gamefile/Disco.h"
#include "gamefile/ElencoNumeri.h"
#include "gamefile/TestoFile.h"
#include "lingua/Traduttore.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "ui/FormImporta.h"

#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace girolino {
namespace {

namespace fs = std::filesystem;

const lingua::TTraduttore& inglese() {
    static const lingua::TTraduttore t(TLingua::Inglese);
    return t;
}

TEST(MessaggiFileInglese, ListsOfNumbers) {
    ASSERT_TRUE(inglese().traduce());
    struct Caso {
        const char* testo;
        const char* atteso;
    };
    const Caso casi[] = {
        {"5\n00\n", "Line 2: '00' is not a number of single-zero roulette (0-36)."},
        {"7 +5", "Line 1: '+5' must be written with digits only, without a sign."},
        {"12\n3.5\n", "Line 2: '3.5' is not a whole number from 0 to 36."},
        {"NUMERO;colore\n5;rosso\n;nero\n", "Line 3: the column 'NUMERO' is empty."},
        {"giro\tnumero\n1\t5\n2\n", "Line 3: the column 'numero' named in the header is missing."},
        {"# nothing but a comment\n", "No numbers found."},
    };
    for (const Caso& c : casi) {
        const TElencoNumeri e = leggiElencoNumeri(c.testo);
        ASSERT_FALSE(e.valido()) << c.testo;
        EXPECT_EQ(inglese().traduci(e.errore), c.atteso) << e.errore;
    }
}

TEST(MessaggiFileInglese, FilesAndReasonsFromTheDisk) {
    QTemporaryDir cartella;
    const fs::path base = cartella.path().toStdString();
    const std::string b = base.string();

    const fs::path mancante = base / "manca.fvr";
    EXPECT_EQ(inglese().traduci(leggiFileElencoNumeri(mancante).errore),
              "The file '" + mancante.string() + "' does not exist.");
    EXPECT_EQ(inglese().traduci(caricaFilePartita(base, base).errore),
              "'" + b + "' is not a file.");

    // A reason inside a message is a text of its own; an unknown error keeps its number.
    const fs::path senzaCartella = base / "nessuna" / "serata.fvr";
    EXPECT_EQ(inglese().traduci(scriviTesto(senzaCartella, "1\r\n").messaggio),
              "Cannot save the file '" + senzaCartella.string() + "': the folder does not exist.");
    EXPECT_EQ(inglese().traduci("Impossibile salvare il file 'a.fvr': " +
                                motivoErrore({ENOSPC, std::generic_category()}) + "."),
              "Cannot save the file 'a.fvr': the disk is full.");
    EXPECT_EQ(inglese().traduci(motivoErrore({EOWNERDEAD, std::generic_category()})),
              "system error no. " + std::to_string(EOWNERDEAD));

    // A game file whose ribbons are gone names both files.
    const fs::path partita = base / "serata.fvr";
    {
        std::ofstream out(partita, std::ios::binary);
        out << MARCATORE_FILE_PARTITA << "\r\n";
        for (int i = 1; i < RIGHE_FILE_PARTITA; ++i) out << (i == 1 ? "1" : "0") << "\r\n";
    }
    const std::string errore = caricaFilePartita(partita, base).errore;
    ASSERT_TRUE(errore.starts_with("Manca il nastro '")) << errore;
    const std::string tradotto = inglese().traduci(errore);
    EXPECT_TRUE(tradotto.starts_with("The ribbon file '")) << tradotto;
    EXPECT_TRUE(tradotto.ends_with("' of the game saved in '" + partita.string() + "' is missing."))
        << tradotto;
}

TEST(MessaggiFileInglese, TheImportWindowInEnglish) {
    test::PiattaformaFinta piattaforma;
    ui::TFormImporta form{piattaforma};
    qt::TRegia regia(codiceLingua(TLingua::Inglese));
    qt::TVistaForm& vista = regia.crea(form);
    form.prepara("serata.csv", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 36});
    form.mostra();
    regia.renderizzaTutto();
    EXPECT_EQ(vista.windowTitle(), "Girolino - Import Numbers");
    const auto testo = [&](const char* nome) {
        auto* l = qobject_cast<QLabel*>(vista.widget(nome));
        return l ? l->text() : QStringLiteral("<none>");
    };
    EXPECT_EQ(testo("LabelOrigine"), "Source: serata.csv");
    EXPECT_EQ(testo("LabelConteggio"), "Numbers found: 12");
    EXPECT_EQ(testo("LabelPrimi"), "First numbers (the oldest, entered first):");
    auto* inverti = qobject_cast<QCheckBox*>(vista.widget("CheckBoxInverti"));
    ASSERT_NE(inverti, nullptr);
    EXPECT_EQ(inverti->text(), "The most recent number is at the top");
    auto* importa = qobject_cast<QToolButton*>(vista.widget("BitBtnImporta"));
    ASSERT_NE(importa, nullptr);
    EXPECT_EQ(importa->text(), "Import");
}

} // namespace
} // namespace girolino

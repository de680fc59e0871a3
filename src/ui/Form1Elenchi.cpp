// SPDX-License-Identifier: GPL-3.0-or-later
// Spin lists in and out: a list file, the clipboard or a dropped file read, previewed and
// entered; the game's spins written as a table or as plain text.

#include "model/Testo.h"
#include "ui/Form1.h"

#include "engine/Annulla.h"
#include "gamefile/TestoFile.h"
#include "ui/FormImporta.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace girolino::ui {

namespace {

std::string estensione(const std::filesystem::path& p) {
    std::string e = p.extension().string();
    std::transform(e.begin(), e.end(), e.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

} // namespace

void TForm1::collegaImporta(TFormImporta& importa) {
    importa_ = &importa;
}

void TForm1::importaNumeri() {
    if (importazioneInCorso()) return;
    TDialogoFile d;
    d.titolo = TESTO("Importa Numeri");
    d.filtro = std::string(TESTO("Elenchi di numeri (*.txt *.csv)")) + "|*.txt;*.csv|" +
               TESTO("Tutti i file (*.*)") + "|*.*";
    d.cartellaIniziale = piattaforma().cartellaDocumenti();
    const auto scelta = piattaforma().dialogoApri(d);
    if (!scelta) return;
    importaElenco(*scelta, girolino::leggiFileElencoNumeri(*scelta));
}

void TForm1::incollaNumeri() {
    if (importazioneInCorso()) return;
    const std::string testo = piattaforma().testoAppunti();
    if (testo.empty()) {
        piattaforma().messaggio(TESTO("Negli appunti non c'è testo da cui leggere dei numeri."));
        return;
    }
    importaTesto(TESTO("Appunti"), testo);
}

void TForm1::importaTesto(const std::string& origine, std::string_view testo) {
    importaElenco(origine, girolino::leggiElencoNumeri(testo));
}

void TForm1::fileTrascinato(const std::string& percorso) {
    if (importazioneInCorso()) return;
    const std::filesystem::path p(percorso);
    const std::string e = estensione(p);
    if (e == ".txt" || e == ".csv") {
        importaElenco(percorso, girolino::leggiFileElencoNumeri(p));
    } else if (e == ".fvr") {
        // As "Apri" does, with the file already chosen.
        if (testo(ids_.memo2) != "0" &&
            !piattaforma().domanda(TESTO("Attenzione: aprendo un file salvato perderai i dati "
                                         "attualmente visualizzati. Vuoi Continuare?")))
            return;
        caricaFilePartita(p);
    } else {
        piattaforma().messaggio(formatta(TESTO("%1 non è un elenco di numeri (.txt, .csv) né una "
                                               "partita salvata (.fvr)."),
                                         girolino::citaFile(p)));
    }
}

void TForm1::importaElenco(const std::string& origine, const TElencoNumeri& elenco) {
    if (importazioneInCorso()) return;
    if (!elenco.valido()) {
        piattaforma().errore(elenco.errore);
        return;
    }
    std::optional<std::vector<std::uint8_t>> scelta = elenco.numeri;
    if (importa_) scelta = importa_->scegli(origine, elenco.numeri);
    if (scelta) avviaBlocco(std::move(*scelta));
}

void TForm1::esportaNumeri() {
    if (importazioneInCorso() || partita_.nastroNumeri.empty()) return;
    TDialogoFile d;
    d.titolo = TESTO("Esporta Numeri");
    d.filtro = std::string(TESTO("Tabella CSV (*.csv)")) + "|*.csv|" +
               TESTO("Testo, un numero per riga (*.txt)") + "|*.txt";
    d.cartellaIniziale = piattaforma().cartellaDocumenti();
    d.nomeProposto = "numeri.csv";
    d.chiediSovrascrittura = true;
    d.estensioneDalTipo = true;
    const auto scelta = piattaforma().dialogoSalva(d);
    if (!scelta) return;
    std::filesystem::path p(*scelta);
    const std::string e = estensione(p);
    if (e.empty()) p += ".csv"; // the default type

    std::vector<std::uint8_t> numeri;
    numeri.reserve(partita_.nastroNumeri.size());
    for (const std::string_view riga : partita_.nastroNumeri)
        numeri.push_back(static_cast<std::uint8_t>(girolino::numeroDellaRiga(riga)));
    const std::string testo =
        e == ".txt" ? girolino::componiElencoTesto(numeri) : girolino::componiElencoCsv(numeri);
    if (const TEsito esito = girolino::scriviTesto(p, testo); !esito)
        piattaforma().errore(esito.messaggio);
}

} // namespace girolino::ui

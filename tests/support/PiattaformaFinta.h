// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted platform for presentation tests: queued answers to questions and dialogs,
// a record of every message, a settings store in memory, a recorded browser.

#include "ui/Form.h"
#include "ui/Piattaforma.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace girolino::test {

class PiattaformaFinta : public ui::TPiattaforma {
public:
    // What happened, in order: "messaggio: ...", "errore: ...", "domanda: ...",
    // "salva: <titolo>", "apri: <titolo>", "modale: TFormX", "url: ...", "fuoco: TFormX/Edit1",
    // "esci".
    std::vector<std::string> registro;
    std::deque<bool> risposte;                         // answers to questions (default: No)
    std::deque<std::optional<std::string>> fileScelti; // dialog results (default: cancel)
    std::vector<ui::TDialogoFile> dialoghi;
    bool impostazioniOk = true;
    bool scritturaOk = true;
    std::map<std::string, bool> impostazioni;
    std::map<std::string, std::string> testiImpostazioni;
    std::uint64_t tempo = 1;
    std::string programma = "/tmp";
    std::string documenti = "/tmp";
    bool uscito = false;
    std::string appunti; // the clipboard's text
    // Run on mostraModale, e.g. to press a button of the modal window; by default the
    // window is simply hidden again.
    std::function<void(ui::TForm&)> durante;

    void messaggio(const std::string& t) override { registro.push_back("messaggio: " + t); }
    void errore(const std::string& t) override { registro.push_back("errore: " + t); }
    bool domanda(const std::string& t) override {
        registro.push_back("domanda: " + t);
        if (risposte.empty()) return false;
        const bool r = risposte.front();
        risposte.pop_front();
        return r;
    }
    std::optional<std::string> dialogoSalva(const ui::TDialogoFile& d) override {
        registro.push_back("salva: " + d.titolo);
        return prossimoFile(d);
    }
    std::optional<std::string> dialogoApri(const ui::TDialogoFile& d) override {
        registro.push_back("apri: " + d.titolo);
        return prossimoFile(d);
    }
    void mostraModale(ui::TForm& f) override {
        registro.push_back("modale: " + f.nomeClasse());
        f.mostra();
        if (durante) durante(f);
        f.nascondi();
    }
    bool impostazioniDisponibili() override { return impostazioniOk; }
    std::optional<bool> leggiImpostazione(const std::string& k) override {
        if (!impostazioniOk) return std::nullopt;
        auto it = impostazioni.find(k);
        if (it == impostazioni.end()) return std::nullopt;
        return it->second;
    }
    bool scriviImpostazione(const std::string& k, bool v) override {
        if (!impostazioniOk || !scritturaOk) return false;
        impostazioni[k] = v;
        return true;
    }
    std::optional<std::string> leggiTestoImpostazione(const std::string& k) override {
        if (!impostazioniOk) return std::nullopt;
        auto it = testiImpostazioni.find(k);
        if (it == testiImpostazioni.end()) return std::nullopt;
        return it->second;
    }
    bool scriviTestoImpostazione(const std::string& k, const std::string& v) override {
        if (!impostazioniOk || !scritturaOk) return false;
        testiImpostazioni[k] = v;
        return true;
    }
    void apriIndirizzo(const std::string& u) override { registro.push_back("url: " + u); }
    std::uint64_t orologio() override { return tempo; }
    std::string cartellaProgramma() override { return programma; }
    std::string cartellaDocumenti() override { return documenti; }
    void fuoco(ui::TForm& f, int id) override {
        registro.push_back("fuoco: " + f.nomeClasse() + "/" + f.controllo(id).nome);
    }
    std::string testoAppunti() override { return appunti; }
    void esci() override {
        registro.push_back("esci");
        uscito = true;
    }

    // Background work runs at once in the caller, what it posts included; with `trattieni`
    // it waits in `inAttesa` until eseguiInAttesa(), so a test can look at the window while
    // the work is "running".
    bool trattieni = false;
    std::vector<std::pair<std::function<void(const TPosta&)>, std::function<void()>>> inAttesa;
    void inSottofondo(std::function<void(const TPosta&)> lavoro,
                      std::function<void()> fatto) override {
        if (trattieni) {
            inAttesa.emplace_back(std::move(lavoro), std::move(fatto));
            return;
        }
        lavoro([](const std::function<void()>& f) { f(); });
        fatto();
    }
    void eseguiInAttesa() {
        auto lavori = std::move(inAttesa);
        inAttesa.clear();
        for (auto& [lavoro, fatto] : lavori) {
            lavoro([](const std::function<void()>& f) { f(); });
            fatto();
        }
    }

private:
    std::optional<std::string> prossimoFile(const ui::TDialogoFile& d) {
        dialoghi.push_back(d);
        if (fileScelti.empty()) return std::nullopt;
        auto r = fileScelti.front();
        fileScelti.pop_front();
        return r;
    }
};

} // namespace girolino::test

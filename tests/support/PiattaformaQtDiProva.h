// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt platform with a script in place of the person: the answers to the next boxes and
// dialogs are queued by kind, what was shown is recorded, modal windows do not wait and no
// browser opens. A box with no answer queued, or with an answer of another kind, fails the
// test; so does an answer nobody asked for, when the platform goes away.

#include "qt/PiattaformaQt.h"
#include "qt/Programma.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace girolino::test {

class PiattaformaQtDiProva : public qt::TPiattaformaQt {
public:
    using TPiattaformaQt::TPiattaformaQt;
    ~PiattaformaQtDiProva() override { verificaRisposteUsate(); }

    void chiudiMessaggio() { risposte_.push_back({Tipo::Ok, {}}); } // a message or an error
    void rispondiSi() { risposte_.push_back({Tipo::Si, {}}); }
    void rispondiNo() { risposte_.push_back({Tipo::No, {}}); }
    void scegliFile(std::string percorso) {
        risposte_.push_back({Tipo::File, std::move(percorso)});
    }
    void annullaDialogo() { risposte_.push_back({Tipo::Annulla, {}}); }

    bool risposteFinite() const { return risposte_.empty(); }
    // Fails the running test for every answer still queued, and forgets them.
    void verificaRisposteUsate() {
        for (const Risposta& r : risposte_)
            ADD_FAILURE() << "risposta mai chiesta: " << nomi[static_cast<int>(r.tipo)] << " "
                          << r.file;
        risposte_.clear();
    }

    // What was shown, in order: "messaggio: ...", "errore: ...", "domanda: ...",
    // "salva: <titolo>", "apri: <titolo>", "modale: TFormX", "url: ...".
    std::vector<std::string> registro;
    // Run while a modal window is up; the window is hidden afterwards if still shown.
    std::function<void(ui::TForm&)> duranteModale;
    // When set, stands for the folder of the running program.
    std::string cartellaProgrammaProva;

    void messaggio(const std::string& testo) override { box("messaggio: " + testo, Tipo::Ok); }
    void errore(const std::string& testo) override { box("errore: " + testo, Tipo::Ok); }
    bool domanda(const std::string& testo) override {
        const auto r = box("domanda: " + testo, Tipo::Si, Tipo::No);
        return r && r->tipo == Tipo::Si;
    }
    std::optional<std::string> dialogoSalva(const ui::TDialogoFile& d) override {
        return dialogo("salva: " + d.titolo);
    }
    std::optional<std::string> dialogoApri(const ui::TDialogoFile& d) override {
        return dialogo("apri: " + d.titolo);
    }
    void mostraModale(ui::TForm& f) override {
        registro.push_back("modale: " + f.nomeClasse());
        TPiattaformaQt::mostraModale(f);
    }
    void apriIndirizzo(const std::string& url) override { registro.push_back("url: " + url); }
    std::string cartellaProgramma() override {
        return cartellaProgrammaProva.empty() ? TPiattaformaQt::cartellaProgramma()
                                              : cartellaProgrammaProva;
    }

protected:
    void attendiModale(ui::TForm& f) override {
        if (duranteModale) duranteModale(f);
        if (f.visibile()) f.nascondi();
    }

private:
    enum class Tipo { Ok, Si, No, File, Annulla };
    static constexpr const char* nomi[] = {"ok", "sì", "no", "file", "annulla"};
    struct Risposta {
        Tipo tipo;
        std::string file;
    };

    // Records what is shown, puts pending changes on screen as a real box does, and takes
    // the next answer, which must be of one of the kinds given.
    std::optional<Risposta> box(std::string voce, Tipo tipo, std::optional<Tipo> altro = {}) {
        registro.push_back(voce);
        regia().renderizzaTutto();
        if (risposte_.empty()) {
            ADD_FAILURE() << "nessuna risposta per " << voce;
            return std::nullopt;
        }
        Risposta r = std::move(risposte_.front());
        risposte_.pop_front();
        if (r.tipo != tipo && r.tipo != altro) {
            ADD_FAILURE() << "risposta " << nomi[static_cast<int>(r.tipo)] << " per " << voce;
            return std::nullopt;
        }
        return r;
    }
    std::optional<std::string> dialogo(std::string voce) {
        const auto r = box(std::move(voce), Tipo::File, Tipo::Annulla);
        if (!r || r->tipo == Tipo::Annulla) return std::nullopt;
        return r->file;
    }

    std::deque<Risposta> risposte_;
};

// The whole program on Qt with the scripted platform, its settings in `fileImpostazioni`.
class ProgrammaDiProva : public qt::TProgramma {
public:
    explicit ProgrammaDiProva(const QString& fileImpostazioni, TLingua lingua = TLingua::Italiano)
        : TProgramma(
              [fileImpostazioni](qt::TRegia& r) {
                  return std::make_unique<PiattaformaQtDiProva>(r, fileImpostazioni);
              },
              codiceLingua(lingua)) {}
    PiattaformaQtDiProva& piattaforma() {
        return static_cast<PiattaformaQtDiProva&>(TProgramma::piattaforma());
    }
};

} // namespace girolino::test

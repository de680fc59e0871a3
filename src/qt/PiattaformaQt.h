// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outside world of the windows on Qt: message boxes, file dialogs, modal
// windows, the settings store, the browser, the clock and the folders.

#include "ui/Piattaforma.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class QObject;
class QSettings;
class QWidget;

namespace girolino::lingua {
class TTraduttore;
}

namespace girolino::qt {

class TRegia;

// "Desc (*.ext)|*.ext|Other|*.*" as Qt name filters: "Desc (*.ext *.EXT)", "Other (*)".
QStringList filtriQt(const std::string& filtro, const lingua::TTraduttore* lingua = nullptr);

class TPiattaformaQt : public ui::TPiattaforma {
public:
    // An empty settings file means the user's own store; tests pass a file of their own.
    explicit TPiattaformaQt(TRegia& regia, const QString& fileImpostazioni = {});
    ~TPiattaformaQt() override;

    bool uscitaRichiesta() const { return uscita_; }

    void messaggio(const std::string& testo) override;
    void errore(const std::string& testo) override;
    bool domanda(const std::string& testo) override;
    std::optional<std::string> dialogoSalva(const ui::TDialogoFile& d) override;
    std::optional<std::string> dialogoApri(const ui::TDialogoFile& d) override;
    void mostraModale(ui::TForm& f) override;
    bool impostazioniDisponibili() override;
    std::optional<bool> leggiImpostazione(const std::string& chiave) override;
    bool scriviImpostazione(const std::string& chiave, bool valore) override;
    std::optional<std::string> leggiTestoImpostazione(const std::string& chiave) override;
    bool scriviTestoImpostazione(const std::string& chiave, const std::string& valore) override;
    void apriIndirizzo(const std::string& url) override;
    std::uint64_t orologio() override;
    std::string cartellaProgramma() override;
    std::string cartellaDocumenti() override;
    void fuoco(ui::TForm& f, int id) override;
    std::string testoAppunti() override;
    void respira() override;
    void esci() override;
    // A thread per piece of work; what it posts reaches the window thread through the event
    // loop, followed by a render. The destructor waits for the threads still running.
    void inSottofondo(std::function<void(const TPosta&)> lavoro,
                      std::function<void()> fatto) override;
    // Pieces of work whose `fatto` has not run yet.
    std::size_t lavoriInCorso() const { return lavori_.size(); }

protected:
    TRegia& regia() const { return regia_; }
    // Waits while the modal window `f` is up: until its model hides it (a button, its close
    // box) or the program ends.
    virtual void attendiModale(ui::TForm& f);

private:
    QWidget* genitoreBox() const;
    std::optional<std::string> dialogoFile(const ui::TDialogoFile& d, bool salva);

    TRegia& regia_;
    std::unique_ptr<QSettings> impostazioni_;
    bool uscita_ = false;
    // Receives the posted functions on the window thread; gone with the platform.
    std::unique_ptr<QObject> ricevente_;
    std::map<std::uint64_t, std::thread> lavori_;
    std::uint64_t ultimoLavoro_ = 0;
};

} // namespace girolino::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a window needs from the outside world. The toolkit layer implements it
// with real message boxes, dialogs and settings; tests implement it with a script.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace girolino::ui {

class TForm;

struct TDialogoFile {
    std::string titolo;
    // Filter list as "Description (*.ext)|*.ext|Other|*.*".
    std::string filtro;
    std::string cartellaIniziale;
    std::string nomeProposto;
    bool chiediSovrascrittura = false;
    // A save dialog adds the extension of the chosen type to a name typed without one.
    bool estensioneDalTipo = false;
};

class TPiattaforma {
public:
    virtual ~TPiattaforma() = default;

    // A plain information box with one OK button.
    virtual void messaggio(const std::string& testo) = 0;
    // An error box with one OK button (conversion errors, files that cannot be read).
    virtual void errore(const std::string& testo) = 0;
    // A confirmation question with the buttons "Sì" and "No"; true for "Sì".
    virtual bool domanda(const std::string& testo) = 0;

    // File dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> dialogoSalva(const TDialogoFile& d) = 0;
    virtual std::optional<std::string> dialogoApri(const TDialogoFile& d) = 0;

    // Shows the window modally and returns when it has been hidden again.
    virtual void mostraModale(TForm& f) = 0;

    // The per-user settings store. leggi: nullopt when the key is absent.
    // disponibili: false when the store cannot be opened at all.
    virtual bool impostazioniDisponibili() = 0;
    virtual std::optional<bool> leggiImpostazione(const std::string& chiave) = 0;
    virtual bool scriviImpostazione(const std::string& chiave, bool valore) = 0;
    // Text settings in the same store; scrivi: false when the value could not be stored.
    virtual std::optional<std::string> leggiTestoImpostazione(const std::string& chiave) = 0;
    virtual bool scriviTestoImpostazione(const std::string& chiave, const std::string& valore) = 0;

    // Opens a web address in the user's browser; failures are ignored.
    virtual void apriIndirizzo(const std::string& url) = 0;

    // A high-resolution clock reading, mixed into the random generator before each draw.
    virtual std::uint64_t orologio() = 0;

    // Folder holding the running program, and the user's documents folder.
    virtual std::string cartellaProgramma() = 0;
    virtual std::string cartellaDocumenti() = 0;

    // Puts the keyboard focus into a control (after the pending render).
    virtual void fuoco(TForm& f, int id) = 0;

    // The text on the clipboard (UTF-8); empty when it holds none.
    virtual std::string testoAppunti() { return {}; }
    // Between the pieces of long work: draws what changed and lets the event loop turn once
    // without taking the user's input, so that the windows never freeze; nothing without a loop.
    virtual void respira() {}

    // Ends the program.
    virtual void esci() = 0;

    // Long work away from the window thread, so that the windows stay responsive. `lavoro`
    // runs on a thread of its own and may hand functions to the TPosta it receives to have
    // them run on the window thread, in order (progress); `fatto` runs there once `lavoro`
    // has returned, after everything it posted. Whatever they touch must stay valid until
    // then: pass them values or shared state, and let `lavoro` see a stop flag.
    using TPosta = std::function<void(std::function<void()>)>;
    virtual void inSottofondo(std::function<void(const TPosta&)> lavoro,
                              std::function<void()> fatto) = 0;
};

} // namespace girolino::ui

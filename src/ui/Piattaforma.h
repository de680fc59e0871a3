// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a window needs from the outside world. The toolkit layer implements it
// with real message boxes, dialogs and settings; tests implement it with a script.

#include <cstdint>
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

    // Opens a web address in the user's browser; failures are ignored.
    virtual void apriIndirizzo(const std::string& url) = 0;

    // A high-resolution clock reading, mixed into the random generator before each draw.
    virtual std::uint64_t orologio() = 0;

    // Folder holding the running program, and the user's documents folder.
    virtual std::string cartellaProgramma() = 0;
    virtual std::string cartellaDocumenti() = 0;

    // Puts the keyboard focus into a control (after the pending render).
    virtual void fuoco(TForm& f, int id) = 0;

    // Ends the program.
    virtual void esci() = 0;
};

} // namespace girolino::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file buffer behind the save and open commands: the lines of the game file last
// composed or read, the file they belong to, and the two file dialogs. It is never shown.

#include "model/Partita.h"
#include "ui/Piattaforma.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace girolino::ui {

enum class TEsitoSalvataggio { Scritto, Annullato, Fallito };

class TMainForm {
public:
    explicit TMainForm(TPiattaforma& p);
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // The lines of the game file (composed before a save, read by an open).
    std::vector<std::string>& righe() { return righe_; }
    const std::vector<std::string>& righe() const { return righe_; }

    // The current game file: full path, whether there is one, and its name without folder
    // (which names the ribbon sub-files and goes into the main caption).
    const std::string& FFileName() const { return fileName_; }
    bool FNamed() const { return named_; }
    const std::string& FFileCaption() const { return fileCaption_; }
    void impostaFile(const std::filesystem::path& percorso);

    // The folder that holds "salvati": the program's own folder when it is writable,
    // otherwise "Girolino" in the user's documents (created when missing).
    std::filesystem::path cartellaBase();

    // Writes the buffer as the game file, with the ribbons of p as its sub-files. Asks for
    // a name when chiediNome is set or no file is known yet. The file recorded here changes
    // only when the write succeeds; a failure is reported to the player.
    TEsitoSalvataggio salvaSuFile(bool chiediNome, const TPartita& p);

    // The open dialog; nullopt when cancelled or when the folders cannot be created (the
    // player has then been told why).
    std::optional<std::filesystem::path> scegliFileDaAprire();

private:
    TDialogoFile dialogo(const std::filesystem::path& base, const char* titolo) const;

    TPiattaforma& piattaforma_;
    std::vector<std::string> righe_;
    std::string fileName_;
    bool named_ = false;
    std::string fileCaption_;
};

} // namespace girolino::ui

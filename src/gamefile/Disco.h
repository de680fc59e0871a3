// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few disk operations a save is made of, behind one small interface so that a test can
// make any one of them fail, or stop the program right there, and then check what is left.

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace girolino {

// One entry of a folder.
struct TVoceCartella {
    std::string nome;
    bool file = false; // a regular file: not a folder, a link or a device
    // Time since its content last changed; negative when its time is ahead of this
    // computer's clock (a file server's clock may be).
    std::chrono::seconds eta{0};
};

class TDisco {
public:
    virtual ~TDisco() = default;

    // Creates a new file with a short, hidden, unused name (".g" and six letters or digits) in
    // cartella, writes the bytes and flushes them to the disk before closing it. On failure
    // nothing is left behind.
    virtual std::error_code scriviNuovo(const std::filesystem::path& cartella,
                                        const std::string& byte, std::filesystem::path& creato) = 0;
    // The whole content of an existing regular file.
    virtual std::error_code leggi(const std::filesystem::path& p, std::string& byte) = 0;
    // Flushes a folder's entries (names created, renamed or removed) to the disk.
    virtual std::error_code sincronizzaCartella(const std::filesystem::path& cartella) = 0;
    // Gives the file da the name a, replacing a file already called so, in one step.
    virtual std::error_code rinomina(const std::filesystem::path& da,
                                     const std::filesystem::path& a) = 0;
    // Removes a file; one that is already gone is not an error.
    virtual std::error_code rimuovi(const std::filesystem::path& p) = 0;
    // Creates one folder (not its parents); an existing folder is not an error. creata tells
    // whether it was made now.
    virtual std::error_code creaCartella(const std::filesystem::path& p, bool& creata) = 0;
    // Whether something is called p; an error when that cannot be told.
    virtual std::error_code esiste(const std::filesystem::path& p, bool& presente) = 0;
    // The entries of a folder, in no order; a folder that does not exist has none.
    virtual std::error_code elenca(const std::filesystem::path& cartella,
                                   std::vector<TVoceCartella>& voci) = 0;
};

// Whether nome has the form of the names scriviNuovo gives.
bool eNomeProvvisorio(std::string_view nome);

// The real disk of this computer. It holds no state.
TDisco& discoDiSistema();

// Why a file operation failed, as the end of an Italian sentence ("il disco è pieno"); each
// reason is a text of the catalogue by itself, so that it is translated inside any message.
std::string motivoErrore(std::error_code ec);

} // namespace girolino

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built girolino-cli as a user would, through the shell, and collects what it
// printed on each stream and its exit status.

#include "gamefile/PartitaDiProva.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace girolino::prova {

struct TEsecuzione {
    int stato = -1;
    std::string uscita, errori;
};

inline std::string citaShell(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

// `ingresso` becomes the program's standard input; files go to `cartella`.
inline TEsecuzione eseguiCli(const std::filesystem::path& cartella,
                             const std::vector<std::string>& argomenti,
                             const std::string& ingresso = "") {
    const auto in = cartella / "cli.in", out = cartella / "cli.out", err = cartella / "cli.err";
    scriviByte(in, ingresso);
    std::string comando = citaShell(GIROLINO_CLI);
    for (const auto& a : argomenti) comando += " " + citaShell(a);
    comando += " <" + citaShell(in.string()) + " >" + citaShell(out.string()) + " 2>" +
               citaShell(err.string());
    const int r = std::system(comando.c_str());
    TEsecuzione e;
    e.stato = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    e.uscita = leggiByte(out);
    e.errori = leggiByte(err);
    return e;
}

} // namespace girolino::prova

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built girolino-cli as a user would, through the shell, and collects what it
// printed on each stream and its exit status. The desktop's language is set, and the user's
// home is a folder of the test: no real setting of the machine decides the language.

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

// The environment of a desktop in one language.
inline const std::vector<std::string> DESKTOP_ITALIANO = {"LANG=it_IT.UTF-8"};
inline const std::vector<std::string> DESKTOP_INGLESE = {"LANG=en_US.UTF-8"};

// The user's home when girolino-cli runs: its settings go to casa/.config.
inline std::filesystem::path casaDiProva(const std::filesystem::path& cartella) {
    return cartella / "casa";
}

// `ingresso` becomes the program's standard input; files go to `cartella`; `ambiente` holds
// the variables that name the desktop's language.
inline TEsecuzione eseguiCli(const std::filesystem::path& cartella,
                             const std::vector<std::string>& argomenti,
                             const std::string& ingresso = "",
                             const std::vector<std::string>& ambiente = DESKTOP_ITALIANO) {
    const auto in = cartella / "cli.in", out = cartella / "cli.out", err = cartella / "cli.err";
    scriviByte(in, ingresso);
    const auto casa = casaDiProva(cartella);
    std::string comando = "env -u LC_ALL -u LC_MESSAGES -u LANGUAGE -u LANG " +
                          citaShell("HOME=" + casa.string()) + " " +
                          citaShell("XDG_CONFIG_HOME=" + (casa / ".config").string());
    for (const auto& v : ambiente) comando += " " + citaShell(v);
    comando += " " + citaShell(GIROLINO_CLI);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Translates the program's Italian texts on their way to the user. The models, the game
// files and every test of the pure layers stay in Italian; only what is shown changes.
//
// A text is looked up whole in the language's catalogue (built from po/<lingua>.po); a text
// with values in it is recognised by its pattern ("Riga %1: ..."), whose translation receives
// the values, each translated in turn (a chance's name, a reason); a text of several lines
// is translated line by line. A text the catalogue does not know is shown as it is.

#include "model/Lingue.h"

#include <memory>
#include <string>

namespace girolino::lingua {

class TTraduttore {
public:
    explicit TTraduttore(TLingua lingua = TLingua::Italiano);
    ~TTraduttore();
    TTraduttore(const TTraduttore&) = delete;
    TTraduttore& operator=(const TTraduttore&) = delete;

    TLingua lingua() const { return lingua_; }
    // False when the catalogue of a language other than Italian could not be loaded.
    bool pronto() const;
    std::string traduci(const std::string& testo) const;

private:
    struct TDati;
    TLingua lingua_;
    std::unique_ptr<TDati> d_;
};

// The language code of the catalogue files ("it", "en").
const char* codice(TLingua l);

// The desktop's first UI language ("en-GB", "it-IT"; "C" for the C/POSIX locale).
std::string primaLinguaDelDesktop();

// The language the user chose in the settings store (the program's own, or the INI file
// given), automatic when none is stored.
TLingua linguaDelProgramma(const std::string& fileImpostazioni = {});

} // namespace girolino::lingua

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
#include <string_view>

namespace girolino::lingua {

class TTraduttore {
public:
    // The language by its code ("it", "en", "de"...); Italian, or a language without a
    // catalogue, shows every text as written.
    explicit TTraduttore(std::string_view codice = "it");
    explicit TTraduttore(TLingua lingua) : TTraduttore(codiceLingua(lingua)) {}
    ~TTraduttore();
    TTraduttore(const TTraduttore&) = delete;
    TTraduttore& operator=(const TTraduttore&) = delete;

    const std::string& codice() const { return codice_; }
    // True when texts are translated: a language other than Italian, its catalogue loaded.
    bool traduce() const;
    std::string traduci(const std::string& testo) const;

private:
    struct TDati;
    std::string codice_;
    std::unique_ptr<TDati> d_;
};

// True when the programs hold a catalogue for the language of this code.
bool haCatalogo(std::string_view codice);

// The desktop's first UI language ("en-GB", "it-IT"; "C" for the C/POSIX locale).
std::string primaLinguaDelDesktop();

// The code of the language the user chose in the settings store (the program's own, or the
// INI file given). Automatic when none is stored: English for an English desktop, as
// linguaPer says; the desktop's language when a translator has added its catalogue; Italian
// otherwise.
std::string linguaDelProgramma(const std::string& fileImpostazioni = {});

} // namespace girolino::lingua
